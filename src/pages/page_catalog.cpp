#include "pages/page_catalog.h"

#include <array>
#include <unordered_map>
#include <vector>

#include "model/map_geometry.h"

namespace morvek::pages {
namespace {

using F = model::FieldId;

Range FieldRange(F field) {
  const model::Field& f = model::GetField(field);
  return {f.min, f.max, f.step};
}

// Builds one page's list; every range is the field's unless a control says otherwise.
class PageBuilder {
 public:
  explicit PageBuilder(std::vector<Control>& list) : list_(list) {}

  // A designed edit and spinner pair: "UpDown" + topic and "Edit" + topic.
  void Spinner(std::string_view topic, F field, int element = 0) {
    Add(Control{"UpDown" + std::string(topic), "Edit" + std::string(topic), ControlKind::kSpinner,
                Binding::kField, field, element, FieldRange(field)});
  }
  // Designed pairs numbered from `first`: "UpDownSyticCas1" ... for elements 0 ...
  void Numbered(std::string_view topic, F field, int count, int first) {
    for (int k = 0; k < count; ++k)
      Spinner(std::string(topic) + std::to_string(first + k), field, k);
  }
  // A created array: "UpDownKorVoda_0" ...
  void Array(std::string_view topic, F field, int count) {
    for (int k = 0; k < count; ++k) Spinner(std::string(topic) + "_" + std::to_string(k), field, k);
  }
  void Check(std::string_view name, F field) {
    Add(Control{
        std::string(name), {}, ControlKind::kCheckBox, Binding::kField, field, 0, Range{0, 1, 1}});
  }
  void Radio(std::string_view name, F field, int items, bool collected = true) {
    Control c{std::string(name),     {}, ControlKind::kRadioGroup, Binding::kField, field, 0,
              Range{0, items - 1, 1}};
    c.items = items;
    c.collected = collected;
    Add(std::move(c));
  }
  void Add(Control control) { list_.push_back(std::move(control)); }

 private:
  std::vector<Control>& list_;
};

void BuildBike(PageBuilder& b) {
  Control bike{
      std::string(kBikeComboName),    {}, ControlKind::kComboBox, Binding::kField, F::kBike, 0,
      Range{0, kBikeSeparatorItem, 1}};
  bike.items = kBikeComboItems;
  b.Add(std::move(bike));
  b.Add(Control{
      std::string(kMemoName), {}, ControlKind::kMemo, Binding::kNote, F::kMemo, 0, Range{}});
  b.Check("CheckBoxNoFuelInd", F::kNoFuelInd);
  b.Check("CheckBoxBlokEnable", F::kBlockEnable);
  b.Check("CheckBoxAktClutch", F::kInputsClutchMaster);
  b.Check("CheckBoxAktStartLimiter", F::kInputsStartLimiter);
  b.Check("CheckBoxAktRpm", F::kInputsTachoLambda);
  b.Spinner("StartLimiter", F::kLimiterStart);
  b.Spinner("IgnLimiter", F::kLimiterIgnition);
  b.Spinner("JetLimiter", F::kLimiterInjection);
  b.Spinner("RetardLimiterRpm", F::kLimiterRetardRpm);
  b.Spinner("RetardLimiterAdv", F::kLimiterRetardRate);
  b.Spinner("Fan1", F::kFanFan1);
  b.Spinner("Fan2", F::kFanFan2);
  b.Spinner("RpmPulsu", F::kRpmPulses);
  b.Spinner("RpmKorekce", F::kRpmCorrection);
  b.Radio("RadioGroupPinEngine23", F::kInputsPinEngine23, 2);
  b.Radio("RadioGroupPinEngine14", F::kInputsPinEngine14, 2);
  b.Radio("RadioGroupPinBody11", F::kInputsPinBody11, 2);
  b.Array("LambdaTachoAf", F::kLambdaTachoAf, 2);
  b.Array("LambdaTachoRpm", F::kLambdaTachoRpm, 2);
  b.Spinner("Buzeni", F::kExitation);
}

void BuildMap(PageBuilder& b, int page) {
  const F axis = page == kAdvancePage ? F::kRpmAdv
                 : page == kInj1APage ? F::kRpmJet1A
                                      : F::kRpmJet2A;
  for (int i = 0; i < model::kMapColumns; ++i) {
    const std::string name = GridRpmName(i);
    b.Add(Control{name, "Edit" + name.substr(6), ControlKind::kSpinner, Binding::kField, axis, i,
                  FieldRange(axis)});
  }
  for (int j = 0; j < model::kMapRows; ++j) {
    for (int i = 0; i < model::kMapColumns; ++i) {
      const std::string name = GridCellName(j, i);
      const int e = model::MapElement(j, i);
      Control cell{
          name, "Edit" + name.substr(6), ControlKind::kSpinner, Binding::kField, F::kAdvance,
          e,    FieldRange(F::kAdvance)};
      if (page != kAdvancePage) {
        // Injection cells are edited in percent of their base time.
        cell.binding = Binding::kPercentView;
        cell.field = page == kInj1APage ? F::kJet1A : F::kJet2A;
        cell.range = Range{0, 32000, 1};
      }
      b.Add(std::move(cell));
    }
  }
  Control tps{std::string(kGridTpsName), {}, ControlKind::kCheckBox, Binding::kField,
              F::kAdvanceMiscTpsMap,     0,  Range{0, 1, 1}};
  // The TPS box shows on every map page but belongs to the advance page.
  tps.collected = page == kAdvancePage;
  b.Add(std::move(tps));
  if (page == kAdvancePage) {
    const F misc[3] = {F::kAdvanceMiscCyl1Corr, F::kAdvanceMiscCyl2Corr, F::kAdvanceMiscBase};
    for (int k = 0; k < 3; ++k) {
      const std::string name = GridMiscName(k);
      b.Add(Control{name, "Edit" + name.substr(6), ControlKind::kSpinner, Binding::kField, misc[k],
                    0, FieldRange(misc[k])});
    }
  }
  b.Add(Control{std::string(kGridAllName),
                {},
                ControlKind::kCheckBox,
                Binding::kAllFlag,
                F::kCount,
                0,
                Range{0, 1, 1}});
}

void BuildPoloha(PageBuilder& b) {
  b.Array("Rpm_PolohaA", F::kPositionARpm, 15);
  b.Array("PolohaA", F::kPositionAAngle, 15);
  b.Radio("RadioGroupPolohaA", F::kPositionAReference, 3);
}

void BuildKorekce(PageBuilder& b) {
  b.Array("KorVoda", F::kInjCorrWater, 5);
  b.Array("KorVzduch", F::kInjCorrAir, 5);
  b.Array("IgnVoda", F::kAdvanceCorrWater, 5);
  b.Numbered("SyticCas", F::kChokeTime, 4, 1);
  b.Numbered("SyticKorekce", F::kChokeCorrection, 4, 0);
  b.Spinner("AkcelPrah", F::kAccelThreshold);
  b.Spinner("AkcelJet", F::kAccelSize);
  b.Spinner("StartJet", F::kStartInj);
  b.Spinner("AccKPlus", F::kAccCorrGainPlus);
  b.Spinner("AccKMinus", F::kAccCorrGainMinus);
  b.Spinner("AccT100", F::kAccCorrTcTps100);
  b.Spinner("AccT0", F::kAccCorrTcTps0);
}

void BuildCidla(PageBuilder& b) {
  b.Spinner("Tps0", F::kTpsVoltage0);
  b.Spinner("Tps100", F::kTpsVoltage100);
  b.Spinner("ApsTlak1", F::kApsPressure1);
  b.Spinner("ApsNapeti1", F::kApsVoltage1);
  b.Spinner("ApsTlak2", F::kApsPressure2);
  b.Spinner("ApsNapeti2", F::kApsVoltage2);
  b.Array("CidloVoda", F::kWaterTempSensor, 9);
  b.Array("CidloVzduch", F::kAirTempSensor, 9);
  b.Radio("RadioGroupCidloLambdaMode", F::kSensorLambdaType, 2);
  b.Array("LambdaAf", F::kSensorLambdaAf, 5);
  b.Array("LambdaNap", F::kSensorLambdaVoltage, 5);
}

void BuildIdle(PageBuilder& b) {
  b.Radio("RadioGroupIdleMode", F::kIdleMode, 2);
  b.Spinner("IdleRpmMez", F::kIdleRangeRpm);
  b.Spinner("IdleTpsMez", F::kIdleRangeTps);
  b.Check("CheckBoxIdleSmerReg", F::kIdleInvert);
  b.Spinner("IdleStepPuls", F::kIdleStepPulse);
  b.Spinner("IdleStepPerioda", F::kIdleStepPeriod);
  b.Spinner("IdleHyster", F::kIdleHysteresis);
  b.Spinner("IdleStart", F::kIdleStart);
  b.Array("IdleServo", F::kIdleServoTarget, 9);
  b.Array("IdleAdv", F::kIdleAdvTarget, 9);
  b.Check("CheckBoxIdleAdvOn", F::kIdleAdvOn);
  b.Spinner("IdleAdvNaRpm", F::kIdleAdvPerRpm);
  b.Spinner("IdleAdvNaCas", F::kIdleAdvPerTime);
  b.Spinner("IdleMaxAdv", F::kIdleAdvMax);
}

void BuildGas(PageBuilder& b) {
  b.Check("CheckBoxGas", F::kN2oEnable);
  b.Spinner("Gas1", F::kN2oGas1);
  b.Spinner("Gas2", F::kN2oGas2);
  b.Spinner("GasD", F::kN2oGasDelay);
  b.Spinner("GasT", F::kN2oGasBuildup);
  b.Spinner("GasJetKor1", F::kN2oInj1Corr);
  b.Spinner("GasJetKor2", F::kN2oInj2Corr);
  b.Spinner("Retard1", F::kN2oRetard1);
  b.Spinner("Retard2", F::kN2oRetard2);
  b.Spinner("RetardD", F::kN2oRetardDelay);
  b.Spinner("RetardT", F::kN2oRetardBuildup);
}

void BuildGear(PageBuilder& b) {
  b.Radio("RadioGroupGearSystem", F::kGearSystem, 3);
  b.Spinner("PocetGear", F::kGearCount);
  b.Array("PomerRpmSpeed", F::kGearRatio, 6);
  b.Array("GearKorAdv", F::kGearCorrAdvance, 6);
  b.Array("GearKorJet", F::kGearCorrInjection, 6);
  b.Spinner("GearAutoTime", F::kGearAutoMinTime);
  b.Spinner("GearAutoRpm", F::kGearAutoMinRpm);
  b.Spinner("GearAutoTps", F::kGearAutoMinTps);
  b.Spinner("GearAutoBand", F::kGearAutoBand);
  b.Radio("RadioGroupSpeedMode", F::kSpeedPulsesMode, 2);
  b.Spinner("PulsuProSpeed", F::kSpeedPulsesValue);
}

void BuildRace(PageBuilder& b) {
  b.Array("PilotLight1", F::kPilotLightRpm1, 6);
  b.Array("PilotLight2", F::kPilotLightRpm2, 6);
  b.Array("ClutchTime", F::kClutchTime, 6);
  b.Array("ClutchPause", F::kClutchPause, 6);
  b.Radio("RadioGroupClutchMode", F::kClutchMode, 2);
  b.Spinner("ClutchMinRpm", F::kClutchMinRpm);
  b.Spinner("ClutchJet", F::kClutchInjection);
  b.Spinner("ClutchAdv", F::kClutchAdvance);
  b.Check("CheckBoxTempDisplay", F::kDisplay);
}

void BuildLadeni(PageBuilder& b) {
  // The tuning mode is written by its click handler only.
  b.Radio("RadioGroupLadeniMode", F::kTuningMode, 2, false);
  b.Spinner("LadeniLambda", F::kTuningLambda);
  b.Spinner("LadeniHyster", F::kTuningHysteresis);
  b.Spinner("LadeniRpm", F::kTuningRpmTol);
  b.Spinner("LadeniTps", F::kTuningTpsTol);
  b.Spinner("LadeniCas", F::kTuningStepTime);
  b.Spinner("LadeniKrok", F::kTuningStep);
  b.Spinner("LadeniKanal", F::kTuningChannel);
  b.Spinner("LadeniMaxAcc", F::kTuningMaxAcc);
  b.Spinner("TestRpm", F::kTestOutRpm);
  b.Spinner("TestServo", F::kTestOutServo);
}

void BuildMonitor(PageBuilder& b) { b.Numbered("LambdaBar", F::kLambdaBar, 4, 0); }

std::array<std::vector<Control>, kPageCount> BuildAll() {
  std::array<std::vector<Control>, kPageCount> pages;
  for (int page = 0; page < kPageCount; ++page) {
    PageBuilder b(pages[static_cast<std::size_t>(page)]);
    switch (page) {
      case kBikePage:
        BuildBike(b);
        break;
      case kAdvancePage:
      case kInj1APage:
      case kInj2APage:
        BuildMap(b, page);
        break;
      case kPolohaPage:
        BuildPoloha(b);
        break;
      case kKorekcePage:
        BuildKorekce(b);
        break;
      case kCidlaPage:
        BuildCidla(b);
        break;
      case kIdlePage:
        BuildIdle(b);
        break;
      case kGasPage:
        BuildGas(b);
        break;
      case kGearPage:
        BuildGear(b);
        break;
      case kRacePage:
        BuildRace(b);
        break;
      case kLadeniPage:
        BuildLadeni(b);
        break;
      case kMonitorPage:
        BuildMonitor(b);
        break;
      default:
        break;
    }
  }
  return pages;
}

const std::array<std::vector<Control>, kPageCount>& AllPages() {
  static const std::array<std::vector<Control>, kPageCount> pages = BuildAll();
  return pages;
}

}  // namespace

std::span<const Control> PageControls(int page) {
  if (page < 0 || page >= kPageCount) return {};
  return AllPages()[static_cast<std::size_t>(page)];
}

int ControlIndex(int page, std::string_view name) {
  using Index = std::unordered_map<std::string_view, int>;
  static const std::array<Index, kPageCount> indexes = [] {
    std::array<Index, kPageCount> all;
    for (int p = 0; p < kPageCount; ++p) {
      const auto controls = PageControls(p);
      for (std::size_t i = 0; i < controls.size(); ++i)
        all[static_cast<std::size_t>(p)].emplace(controls[i].name, static_cast<int>(i));
    }
    return all;
  }();
  if (page < 0 || page >= kPageCount) return -1;
  const Index& index = indexes[static_cast<std::size_t>(page)];
  const auto it = index.find(name);
  return it == index.end() ? -1 : it->second;
}

const Control* FindControl(int page, std::string_view name) {
  const int i = ControlIndex(page, name);
  return i < 0 ? nullptr : &PageControls(page)[static_cast<std::size_t>(i)];
}

std::string ArraySpinnerName(std::string_view base, int k) {
  return "UpDown" + std::string(base) + "_" + std::to_string(k);
}

std::string GridRpmName(int column) { return ArraySpinnerName("Rpm_Uni", column); }

std::string GridCellName(int row, int column) {
  return "UpDown_Uni_" + std::to_string(row) + "_" + std::to_string(column);
}

std::string GridMiscName(int k) { return ArraySpinnerName("AdvanceMisc_Uni", k); }

}  // namespace morvek::pages
