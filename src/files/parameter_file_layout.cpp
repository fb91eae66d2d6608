#include "files/parameter_file_layout.h"

#include <initializer_list>
#include <optional>

#include "files/token_scanner.h"

namespace morvek::files {
namespace {

using model::FieldId;
using F = model::FieldId;

ValueRun Whole(FieldId f) { return ValueRun{f, 0, model::GetField(f).count}; }

ValueRun Part(FieldId f, int first, int count) { return ValueRun{f, first, count}; }

LineSpec Key(std::initializer_list<ValueRun> runs) { return {LineKind::kKeyword, runs}; }
LineSpec Cont(std::initializer_list<ValueRun> runs) { return {LineKind::kContinuation, runs}; }
LineSpec EmptyCont() { return {LineKind::kEmptyContinuation, {}}; }
LineSpec Blank() { return {LineKind::kBlank, {}}; }

// A section with one keyword line of whole fields.
KeywordSection Simple(std::string_view field, std::initializer_list<FieldId> ids) {
  LineSpec line{LineKind::kKeyword, {}};
  for (FieldId id : ids) line.values.push_back(Whole(id));
  return {field, {line}};
}

// A 10 x 15 map: the first row on the keyword line, the other nine on continuation lines, then
// one empty continuation line.
KeywordSection Map(std::string_view field, FieldId id) {
  constexpr int kRow = 15;
  KeywordSection section{field, {Key({Part(id, 0, kRow)})}};
  const int rows = model::GetField(id).count / kRow;
  for (int r = 1; r < rows; ++r) section.lines.push_back(Cont({Part(id, r * kRow, kRow)}));
  section.lines.push_back(EmptyCont());
  return section;
}

std::vector<KeywordSection> BuildSections() {
  std::vector<KeywordSection> s;
  KeywordSection bike = Simple("BIKE         ", {F::kBike});
  bike.full_open_only = true;
  s.push_back(bike);
  s.push_back({"EXITATION    ", {Key({Whole(F::kExitation)}), EmptyCont()}});
  s.push_back(Simple("APS          ",
                     {F::kApsPressure1, F::kApsVoltage1, F::kApsPressure2, F::kApsVoltage2}));
  s.push_back({"WATER_TEMP_SENSOR  ", {Key({}), Cont({Whole(F::kWaterTempSensor)})}, 78});
  s.push_back({"AIR_TEMP_SENSOR    ", {Key({}), Cont({Whole(F::kAirTempSensor)})}, 78});
  s.push_back({"SENSOR_LAMBDA      ",
               {Key({Whole(F::kSensorLambdaType)}), Cont({Whole(F::kSensorLambdaAf)}),
                Cont({Whole(F::kSensorLambdaVoltage)})}});
  s.push_back({"LAMBDA_TACHO       ",
               {Key({}), Cont({Whole(F::kLambdaTachoAf)}), Cont({Whole(F::kLambdaTachoRpm)})}});
  s.push_back(Simple("INPUTS       ",
                     {F::kInputsPinEngine23, F::kInputsPinEngine14, F::kInputsPinBody11,
                      F::kInputsClutchMaster, F::kInputsStartLimiter, F::kInputsTachoLambda}));
  s.push_back(Simple("BLOCK_ENABLE  ", {F::kBlockEnable}));
  s.push_back(Simple("LIMITER      ", {F::kLimiterStart, F::kLimiterIgnition, F::kLimiterInjection,
                                       F::kLimiterRetardRpm, F::kLimiterRetardRate}));
  s.push_back(Simple("TPS          ", {F::kTpsVoltage0, F::kTpsVoltage100}));
  s.push_back(Simple("FAN          ", {F::kFanFan1, F::kFanFan2}));
  s.push_back(Simple("RPM          ", {F::kRpmPulses, F::kRpmCorrection}));
  s.push_back({"NO_FUEL_IND        ", {Key({Whole(F::kNoFuelInd)}), Blank()}});
  s.push_back(Simple("ADVANCE_MISC ", {F::kAdvanceMiscTpsMap, F::kAdvanceMiscCyl1Corr,
                                       F::kAdvanceMiscCyl2Corr, F::kAdvanceMiscBase}));
  s.push_back(Simple("RPM_ADV      ", {F::kRpmAdv}));
  s.push_back(Map("ADVANCE      ", F::kAdvance));
  s.push_back(Simple("JET1_MISC    ", {F::kJet1MiscMode}));
  s.push_back(Simple("RPM_JET_1A   ", {F::kRpmJet1A}));
  s.push_back(Map("JET_1A       ", F::kJet1A));
  s.push_back(Simple("RPM_JET_2A   ", {F::kRpmJet2A}));
  s.push_back(Map("JET_2A       ", F::kJet2A));
  s.push_back({"POSITION_A   ",
               {Key({Whole(F::kPositionAReference)}), Cont({Whole(F::kPositionARpm)}),
                Cont({Whole(F::kPositionAAngle)})}});
  s.push_back({"IDLE         ",
               {Key({Whole(F::kIdleMode), Whole(F::kIdleRangeRpm), Whole(F::kIdleRangeTps)}),
                Cont({Whole(F::kIdleInvert), Whole(F::kIdleStepPulse), Whole(F::kIdleStepPeriod),
                      Whole(F::kIdleHysteresis)}),
                Cont({Whole(F::kIdleStart)}), Cont({Whole(F::kIdleServoTarget)}),
                Cont({Whole(F::kIdleAdvOn), Whole(F::kIdleAdvPerRpm), Whole(F::kIdleAdvPerTime),
                      Whole(F::kIdleAdvMax)}),
                Cont({Whole(F::kIdleAdvTarget)}), EmptyCont(), EmptyCont()},
               78});
  s.push_back({"CHOKE        ", {Key({Whole(F::kChokeTime)}), Cont({Whole(F::kChokeCorrection)})}});
  s.push_back({"START_INJ    ", {Key({Whole(F::kStartInj)}), EmptyCont()}});
  s.push_back({"INJ_CORR     ", {Key({Whole(F::kInjCorrWater)}), Cont({Whole(F::kInjCorrAir)})}});
  s.push_back({"ACCEL        ", {Key({Whole(F::kAccelThreshold), Whole(F::kAccelSize)}), Blank()}});
  s.push_back(Simple("ACC_CORR     ", {F::kAccCorrGainPlus, F::kAccCorrGainMinus, F::kAccCorrTcTps0,
                                       F::kAccCorrTcTps100}));
  // The coolant advance corrections travel as stored bytes (110 for +10 degrees).
  ValueRun advance_corr = Whole(F::kAdvanceCorrWater);
  advance_corr.as_stored = true;
  s.push_back({"ADVANCE_CORR ", {Key({advance_corr}), EmptyCont()}});
  ValueRun n2o_enable = Whole(F::kN2oEnable);
  n2o_enable.style = ValueStyle::kFlagText;
  ValueRun inj1 = Whole(F::kN2oInj1Corr);
  ValueRun inj2 = Whole(F::kN2oInj2Corr);
  inj1.min_version = inj2.min_version = 78;
  s.push_back({"N2O          ",
               {Key({n2o_enable}),
                Cont({Whole(F::kN2oGas1), Whole(F::kN2oGas2), Whole(F::kN2oGasDelay),
                      Whole(F::kN2oGasBuildup), inj1, inj2}),
                Cont({Whole(F::kN2oRetard1), Whole(F::kN2oRetard2), Whole(F::kN2oRetardDelay),
                      Whole(F::kN2oRetardBuildup)})}});
  s.push_back({"SPEED_PULSES ",
               {Key({Whole(F::kSpeedPulsesMode), Whole(F::kSpeedPulsesValue)}), EmptyCont()}});
  s.push_back({"GEAR         ",
               {Key({Whole(F::kGearSystem), Whole(F::kGearCount)}), EmptyCont(),
                Cont({Whole(F::kGearRatio)})}});
  s.push_back(Simple("GEAR_AUTO    ", {F::kGearAutoMinTime, F::kGearAutoMinRpm, F::kGearAutoMinTps,
                                       F::kGearAutoBand}));
  s.push_back(
      {"GEAR_CORR    ", {Key({Whole(F::kGearCorrAdvance)}), Cont({Whole(F::kGearCorrInjection)})}});
  s.push_back(
      {"PILOT_LIGHT  ", {Key({Whole(F::kPilotLightRpm1)}), Cont({Whole(F::kPilotLightRpm2)})}});
  ValueRun clutch_time = Whole(F::kClutchTime);
  clutch_time.scale_up_to_63 = 10;
  s.push_back({"CLUTCH       ",
               {Key({Whole(F::kClutchMode), Whole(F::kClutchMinRpm), Whole(F::kClutchInjection),
                     Whole(F::kClutchAdvance)}),
                Cont({clutch_time}), Cont({Whole(F::kClutchPause)}), Blank()}});
  ValueRun display = Whole(F::kDisplay);
  display.style = ValueStyle::kFlagTextLast;
  s.push_back({"DISPLAY      ", {Key({display}), Blank()}});
  s.push_back(
      {"TUNING       ",
       {Key({Whole(F::kTuningMode), Whole(F::kTuningRpmTol), Whole(F::kTuningTpsTol),
             Whole(F::kTuningLambda), Whole(F::kTuningHysteresis), Whole(F::kTuningStepTime),
             Whole(F::kTuningStep), Whole(F::kTuningChannel), Whole(F::kTuningMaxAcc)}),
        Blank()},
       78});
  s.push_back({"TEST_OUT     ", {Key({Whole(F::kTestOutRpm), Whole(F::kTestOutServo)}), Blank()}});
  s.push_back({"LAMBDA_BAR   ", {Key({Whole(F::kLambdaBar)}), EmptyCont()}});
  return s;
}

const std::vector<KeywordSection>& Sections() {
  static const std::vector<KeywordSection> sections = BuildSections();
  return sections;
}

}  // namespace

std::string_view KeywordSection::Keyword() const {
  const std::size_t end = keyword_field.find(' ');
  return end == std::string_view::npos ? keyword_field : keyword_field.substr(0, end);
}

int KeywordSection::ReadingPage() const {
  for (const LineSpec& line : lines)
    if (!line.values.empty()) return model::GetField(line.values.front().field).page;
  return -1;
}

std::span<const KeywordSection> ParameterFileSections() { return Sections(); }

const KeywordSection* FindSection(std::string_view keyword) {
  for (const KeywordSection& section : Sections())
    if (section.Keyword() == keyword) return &section;
  return nullptr;
}

FileTransform TransformOf(const ValueRun& run, int version) {
  const model::Field& f = model::GetField(run.field);
  FileTransform t;
  if (run.as_stored) return t;
  switch (f.encoding) {
    case model::Encoding::kTimes:
      t.scale = f.factor;
      break;
    case model::Encoding::kPlus100:
      t.offset = -100;  // the file shows a signed value
      break;
    case model::Encoding::kMinus100:
      t.offset = 100;
      break;
    case model::Encoding::kTimes10Plus2500:
      t.scale = 10;
      t.offset = 2500;
      break;
    case model::Encoding::kPlain:
    case model::Encoding::kFlag:
    case model::Encoding::kIndex:
    case model::Encoding::kText:
      break;
  }
  if (run.scale_up_to_63 != 0 && version <= 63) t.scale = run.scale_up_to_63;
  return t;
}

int FileValueFromStored(const ValueRun& run, int stored) {
  const FileTransform t = TransformOf(run, model::kProgramVersion);
  return stored * t.scale + t.offset;
}

int StoredFromFileValue(const ValueRun& run, int version, int file_number) {
  const FileTransform t = TransformOf(run, version);
  const int v = file_number & 0xFFFF;
  // Signed arithmetic, quotient truncated toward zero; the field keeps its low bits.
  const int stored = (v - t.offset) / t.scale;
  return model::GetField(run.field).width == model::Width::kByte ? (stored & 0xFF)
                                                                 : (stored & 0xFFFF);
}

bool ExceedsByteTop(const ValueRun& run, int version, std::string_view token) {
  const FileTransform t = TransformOf(run, version);
  if (model::GetField(run.field).width != model::Width::kByte || t.offset < 0) return false;
  // A minus sign makes a number taken modulo 65536, which the low bits read back.
  if (token.empty() || token.front() == '-') return false;
  const std::optional<int> number = ParseFileNumber(token);
  return number && *number >= 0 && (*number - t.offset) / t.scale > 0xFF;
}

int FileValueOfField(model::FieldId field, int stored) {
  for (const KeywordSection& section : Sections())
    for (const LineSpec& line : section.lines)
      for (const ValueRun& run : line.values)
        if (run.field == field) return FileValueFromStored(run, stored);
  return stored;
}

}  // namespace morvek::files
