// The default parameter set: Editor::ApplyDefaults and Editor::ApplyLambdaType.
#include <algorithm>

#include "model/default_tables.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "model/fixed_bytes.h"
#include "model/note_area.h"
#include "model/presets.h"

namespace morvek::model {
namespace {

using F = FieldId;
namespace d = defaults;

void Shown(ParameterImage& image, FieldId id, int value) { SetShown(image, id, value); }
void ShownAll(ParameterImage& image, FieldId id, int value) {
  for (int i = 0; i < GetField(id).count; ++i) SetShown(image, id, i, value);
}
template <std::size_t N>
void ShownList(ParameterImage& image, FieldId id, const std::array<int, N>& values) {
  SetShownList(image, id, values);
}

// Nine sensor points from the five table voltages: the odd points are the means, rounded down.
void TempSensor(ParameterImage& image, FieldId id) {
  for (std::size_t k = 0; k < d::kTempSensorVoltages.size(); ++k) {
    SetShown(image, id, static_cast<int>(2 * k), d::kTempSensorVoltages[k]);
    if (k + 1 < d::kTempSensorVoltages.size())
      SetShown(image, id, static_cast<int>(2 * k + 1),
               (d::kTempSensorVoltages[k] + d::kTempSensorVoltages[k + 1]) / 2);
  }
}

void BikePage(ParameterImage& image) {
  Shown(image, F::kInputsStartLimiter, 1);
  Shown(image, F::kBlockEnable, 1);
  Shown(image, F::kInputsTachoLambda, 1);
  Shown(image, F::kLimiterIgnition, 10800);
  // Two thirds of the ignition limiter, in stored units.
  SetStored(image, F::kLimiterStart, Stored(image, F::kLimiterIgnition) / 3 * 2);
  SetStored(image, F::kLimiterInjection, Stored(image, F::kLimiterIgnition) + 3);
  SetStored(image, F::kLimiterRetardRpm, Stored(image, F::kLimiterIgnition) + 3);
  Shown(image, F::kLimiterRetardRate, 20);
  Shown(image, F::kFanFan1, 102);
  Shown(image, F::kFanFan2, 104);
  Shown(image, F::kRpmPulses, 2);
  Shown(image, F::kRpmCorrection, 0);
  if (const Preset* preset = FindPreset(Stored(image, F::kBike))) {
    Shown(image, F::kInputsPinEngine23, preset->pin_engine23);
    Shown(image, F::kInputsPinEngine14, preset->pin_engine14);
    Shown(image, F::kInputsPinBody11, preset->pin_body11);
  }
  ShownList(image, F::kLambdaTachoAf, std::array<int, 2>{100, 200});
  ShownList(image, F::kLambdaTachoRpm, std::array<int, 2>{1000, 12000});
  SetNoteLines(image, {});
}

void AdvancePage(ParameterImage& image) {
  ShownList(image, F::kRpmAdv, d::kRpmAxis);
  for (int e = 0; e < GetField(F::kAdvance).count; ++e)
    SetShown(image, F::kAdvance, e, d::kAdvanceCurve[static_cast<std::size_t>(e % kMapColumns)]);
  Shown(image, F::kAdvanceMiscTpsMap, 1);
  Shown(image, F::kAdvanceMiscCyl1Corr, 0);
  Shown(image, F::kAdvanceMiscCyl2Corr, 0);
  Shown(image, F::kAdvanceMiscBase, 0);
}

void PositionPage(ParameterImage& image) {
  ShownList(image, F::kPositionARpm, d::kRpmAxis);
  ShownList(image, F::kPositionAAngle, d::kInjectionAngles);
  Shown(image, F::kPositionAReference, 0);
}

void CorrectionsPage(ParameterImage& image) {
  ShownList(image, F::kChokeTime, std::array<int, 4>{5, 10, 15, 20});
  ShownList(image, F::kChokeCorrection, std::array<int, 4>{250, 150, 130, 110});
  Shown(image, F::kAccelThreshold, 300);
  Shown(image, F::kAccelSize, 4200);
  ShownList(image, F::kInjCorrWater, d::kInjCorrWater);
  ShownList(image, F::kInjCorrAir, d::kInjCorrAir);
  ShownList(image, F::kAdvanceCorrWater, std::array<int, 5>{10, 10, 0, 0, -5});
  Shown(image, F::kStartInj, 10);
  Shown(image, F::kAccCorrGainPlus, 0);
  Shown(image, F::kAccCorrGainMinus, 0);
  Shown(image, F::kAccCorrTcTps0, 60);
  Shown(image, F::kAccCorrTcTps100, 50);
}

void IdlePage(ParameterImage& image) {
  Shown(image, F::kIdleMode, 0);
  Shown(image, F::kIdleRangeRpm, 1500);
  Shown(image, F::kIdleRangeTps, 40);
  Shown(image, F::kIdleInvert, 1);
  Shown(image, F::kIdleStepPulse, 1500);
  Shown(image, F::kIdleStepPeriod, 6);
  Shown(image, F::kIdleHysteresis, 200);
  Shown(image, F::kIdleStart, 2000);
  ShownList(image, F::kIdleServoTarget, d::kIdleServoTargets);
  Shown(image, F::kIdleAdvOn, 0);
  Shown(image, F::kIdleAdvPerRpm, 13);
  Shown(image, F::kIdleAdvPerTime, 3);
  Shown(image, F::kIdleAdvMax, 22);
  ShownList(image, F::kIdleAdvTarget, d::kIdleAdvanceTargets);
  // The speedometer calibration lives with the idle defaults, not with the gear page.
  Shown(image, F::kSpeedPulsesMode, 1);
  Shown(image, F::kSpeedPulsesValue, 364);
}

void NitrousPage(ParameterImage& image) {
  Shown(image, F::kN2oEnable, 0);
  Shown(image, F::kN2oGas1, 20);
  Shown(image, F::kN2oGas2, 60);
  Shown(image, F::kN2oGasDelay, 2000);
  Shown(image, F::kN2oGasBuildup, 3000);
  Shown(image, F::kN2oRetard1, 0);
  Shown(image, F::kN2oRetard2, 0);
  Shown(image, F::kN2oRetardDelay, 2000);
  Shown(image, F::kN2oRetardBuildup, 3000);
  Shown(image, F::kN2oInj1Corr, 100);
  Shown(image, F::kN2oInj2Corr, 100);
}

void RacePage(ParameterImage& image) {
  // From the ignition limiter held now, 2000 and 1500 rpm below it. Below 2000 rpm the
  // difference is no valid rpm: the lowest shift-light rpm (200) is stored instead.
  constexpr int kLowestPilotLight = 2;
  const int ignition = Stored(image, F::kLimiterIgnition);
  FillStored(image, F::kPilotLightRpm1, std::max(ignition - 20, kLowestPilotLight));
  FillStored(image, F::kPilotLightRpm2, std::max(ignition - 15, kLowestPilotLight));
  ShownAll(image, F::kClutchTime, 100);
  ShownAll(image, F::kClutchPause, 500);
  Shown(image, F::kClutchMode, 0);
  Shown(image, F::kClutchMinRpm, 2000);
  Shown(image, F::kClutchInjection, 50);
  Shown(image, F::kClutchAdvance, 0);
  Shown(image, F::kDisplay, 0);
}

void GearPage(ParameterImage& image) {
  Shown(image, F::kGearSystem, 2);
  Shown(image, F::kGearCount, 6);
  ShownList(image, F::kGearRatio, std::array<int, 6>{2000, 1000, 666, 500, 400, 333});
  Shown(image, F::kGearAutoMinTime, 3);
  Shown(image, F::kGearAutoMinRpm, 1500);
  Shown(image, F::kGearAutoMinTps, 20);
  Shown(image, F::kGearAutoBand, 40);
  ShownAll(image, F::kGearCorrAdvance, 0);
  ShownAll(image, F::kGearCorrInjection, 100);
}

void TuningPage(ParameterImage& image) {
  Shown(image, F::kTuningMode, 1);
  Shown(image, F::kTuningRpmTol, 200);
  Shown(image, F::kTuningTpsTol, 3);
  Shown(image, F::kTuningLambda, 145);
  Shown(image, F::kTuningHysteresis, 3);
  Shown(image, F::kTuningStepTime, 200);
  Shown(image, F::kTuningStep, 1);
  Shown(image, F::kTuningChannel, 1);
  Shown(image, F::kTuningMaxAcc, 10);
  Shown(image, F::kTestOutRpm, 5000);
  Shown(image, F::kTestOutServo, 500);
}

}  // namespace

void Editor::ApplyLambdaType(int type) {
  const bool uego = type == 1;
  ShownList(image_, F::kSensorLambdaAf, uego ? d::kLambdaAfUego : d::kLambdaAfStandard);
  ShownList(image_, F::kSensorLambdaVoltage,
            uego ? d::kLambdaVoltageUego : d::kLambdaVoltageStandard);
}

void Editor::ApplyDefaults(DefaultsScope scope) {
  const bool whole = scope == DefaultsScope::kWholeImage;
  auto runs = [&](int page) { return whole || active_page_ == page; };

  image_.SetByte(1, 0);
  if (whole) Shown(image_, F::kJet1MiscMode, 2);
  if (runs(0)) BikePage(image_);
  if (runs(1)) AdvancePage(image_);
  if (runs(2)) {
    ShownList(image_, F::kRpmJet1A, d::kRpmAxis);
    views_[Index(InjectionMap::k1A)].fill(100);
  }
  if (whole || (active_page_ == 3 && Stored(image_, F::kJet1MiscMode) != 1)) {
    ShownList(image_, F::kRpmJet2A, d::kRpmAxis);
    views_[Index(InjectionMap::k2A)].fill(100);
  }
  if (runs(4)) PositionPage(image_);
  if (runs(5)) CorrectionsPage(image_);
  if (runs(6)) {
    Shown(image_, F::kApsPressure1, 55);
    Shown(image_, F::kApsVoltage1, 2247);
    Shown(image_, F::kApsPressure2, 105);
    Shown(image_, F::kApsVoltage2, 4744);
    Shown(image_, F::kTpsVoltage0, 340);
    Shown(image_, F::kTpsVoltage100, 4730);
    Shown(image_, F::kSensorLambdaType, 0);
    ApplyLambdaType(0);
    TempSensor(image_, F::kWaterTempSensor);
    TempSensor(image_, F::kAirTempSensor);
  }
  if (runs(7)) IdlePage(image_);
  if (runs(8)) NitrousPage(image_);
  if (runs(10)) RacePage(image_);
  if (runs(9)) GearPage(image_);
  if (runs(11)) TuningPage(image_);
  if (runs(12)) ShownList(image_, F::kLambdaBar, std::array<int, 4>{100, 120, 140, 180});

  ComputeBaseTables();
  ComputeBaseMaps();
  TimesFromPercent(InjectionMap::k1A);
  TimesFromPercent(InjectionMap::k2A);
  WriteFixedBytes(image_);
}

}  // namespace morvek::model
