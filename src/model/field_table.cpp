#include "model/field_table.h"

namespace morvek::model {
namespace {

constexpr Width B = Width::kByte;
constexpr Width W = Width::kWord;
constexpr Encoding kPlain = Encoding::kPlain;
constexpr Encoding kTimes = Encoding::kTimes;
constexpr Encoding kPlus100 = Encoding::kPlus100;
constexpr Encoding kMinus100 = Encoding::kMinus100;
constexpr Encoding kTps100 = Encoding::kTimes10Plus2500;
constexpr Encoding kFlag = Encoding::kFlag;
constexpr Encoding kIndex = Encoding::kIndex;

using F = FieldId;

// Shown ranges are the editing controls' ranges. Where a byte field's control would offer
// more than the byte can hold, the maximum is the largest value the byte can carry, so that
// no edit ever stores a wrapped byte (CLUTCH.time, TUNING.step, TUNING.max_acc).
constexpr std::array<Field, kFieldCount> kTable{{
    // id, keyword, member, width, first, count, encoding, factor, min, max, step, page
    {F::kBike, "BIKE", "", B, 0, 1, kIndex, 1, 0, 7, 1, 0},
    {F::kExitation, "EXITATION", "", B, 4, 1, kTimes, 100, 100, 10000, 100, 0},
    {F::kApsPressure1, "APS", "pressure1", W, 3, 1, kPlain, 1, 0, 1000, 1, 6},
    {F::kApsVoltage1, "APS", "voltage1", W, 4, 1, kPlain, 1, 0, 25000, 1, 6},
    {F::kApsPressure2, "APS", "pressure2", W, 5, 1, kPlain, 1, 0, 1000, 1, 6},
    {F::kApsVoltage2, "APS", "voltage2", W, 6, 1, kPlain, 1, 0, 25000, 1, 6},
    {F::kWaterTempSensor, "WATER_TEMP_SENSOR", "", W, 97, 9, kPlain, 1, 0, 5000, 1, 6},
    {F::kAirTempSensor, "AIR_TEMP_SENSOR", "", W, 106, 9, kPlain, 1, 0, 5000, 1, 6},
    {F::kSensorLambdaType, "SENSOR_LAMBDA", "type", B, 302, 1, kIndex, 1, 0, 1, 1, 6},
    {F::kSensorLambdaAf, "SENSOR_LAMBDA", "af", B, 303, 5, kPlain, 1, 100, 200, 1, 6},
    {F::kSensorLambdaVoltage, "SENSOR_LAMBDA", "voltage", W, 154, 5, kPlain, 1, 0, 5000, 1, 6},
    {F::kLambdaTachoAf, "LAMBDA_TACHO", "af", B, 318, 2, kPlain, 1, 100, 200, 1, 0},
    {F::kLambdaTachoRpm, "LAMBDA_TACHO", "rpm", B, 320, 2, kTimes, 100, 0, 25000, 100, 0},
    {F::kInputsPinEngine23, "INPUTS", "pin_engine23", B, 38, 1, kIndex, 1, 0, 1, 1, 0},
    {F::kInputsPinEngine14, "INPUTS", "pin_engine14", B, 39, 1, kIndex, 1, 0, 1, 1, 0},
    {F::kInputsPinBody11, "INPUTS", "pin_body11", B, 40, 1, kIndex, 1, 0, 1, 1, 0},
    {F::kInputsClutchMaster, "INPUTS", "clutch_master", B, 25, 1, kFlag, 1, 0, 1, 1, 0},
    {F::kInputsStartLimiter, "INPUTS", "start_limiter", B, 26, 1, kFlag, 1, 0, 1, 1, 0},
    {F::kInputsTachoLambda, "INPUTS", "tacho_lambda", B, 27, 1, kFlag, 1, 0, 1, 1, 0},
    {F::kBlockEnable, "BLOCK_ENABLE", "", B, 23, 1, kFlag, 1, 0, 1, 1, 0},
    {F::kLimiterStart, "LIMITER", "start", B, 28, 1, kTimes, 100, 900, 25000, 100, 0},
    {F::kLimiterIgnition, "LIMITER", "ignition", B, 29, 1, kTimes, 100, 900, 25000, 100, 0},
    {F::kLimiterInjection, "LIMITER", "injection", B, 30, 1, kTimes, 100, 900, 25000, 100, 0},
    {F::kLimiterRetardRpm, "LIMITER", "retard_rpm", B, 31, 1, kTimes, 100, 900, 25000, 100, 0},
    {F::kLimiterRetardRate, "LIMITER", "retard_rate", B, 32, 1, kPlain, 1, 1, 250, 1, 0},
    {F::kTpsVoltage0, "TPS", "voltage0", B, 33, 1, kTimes, 10, 0, 2500, 10, 6},
    {F::kTpsVoltage100, "TPS", "voltage100", B, 34, 1, kTps100, 1, 2500, 5000, 10, 6},
    {F::kFanFan1, "FAN", "fan1", B, 35, 1, kPlain, 1, 0, 150, 1, 0},
    {F::kFanFan2, "FAN", "fan2", B, 41, 1, kPlain, 1, 0, 150, 1, 0},
    {F::kRpmPulses, "RPM", "pulses", B, 36, 1, kPlain, 1, 0, 6, 1, 0},
    {F::kRpmCorrection, "RPM", "correction", B, 37, 1, kPlus100, 1, -60, 60, 1, 0},
    {F::kNoFuelInd, "NO_FUEL_IND", "", B, 14, 1, kFlag, 1, 0, 1, 1, 0},
    {F::kAdvanceMiscTpsMap, "ADVANCE_MISC", "tps_map", B, 42, 1, kFlag, 1, 0, 1, 1, 1},
    {F::kAdvanceMiscCyl1Corr, "ADVANCE_MISC", "cyl1_corr", B, 43, 1, kPlus100, 1, -15, 15, 1, 1},
    {F::kAdvanceMiscCyl2Corr, "ADVANCE_MISC", "cyl2_corr", B, 44, 1, kPlus100, 1, -15, 15, 1, 1},
    {F::kAdvanceMiscBase, "ADVANCE_MISC", "base", B, 45, 1, kPlain, 1, 0, 100, 1, 1},
    {F::kRpmAdv, "RPM_ADV", "", B, 405, 15, kTimes, 100, 300, 25000, 100, 1},
    {F::kAdvance, "ADVANCE", "", B, 450, 150, kPlain, 1, 0, 60, 1, 1},
    {F::kJet1MiscMode, "JET1_MISC", "mode", B, 47, 1, kIndex, 1, 0, 2, 1, 2},
    {F::kRpmJet1A, "RPM_JET_1A", "", B, 420, 15, kTimes, 100, 300, 25000, 100, 2},
    {F::kJet1A, "JET_1A", "", W, 300, 150, kPlain, 1, 0, 60000, 1, 2},
    {F::kRpmJet2A, "RPM_JET_2A", "", B, 435, 15, kTimes, 100, 300, 25000, 100, 3},
    {F::kJet2A, "JET_2A", "", W, 450, 150, kPlain, 1, 0, 60000, 1, 3},
    {F::kPositionAReference, "POSITION_A", "reference", B, 56, 1, kIndex, 1, 0, 2, 1, 4},
    {F::kPositionARpm, "POSITION_A", "rpm", B, 375, 15, kTimes, 100, 300, 25000, 100, 4},
    {F::kPositionAAngle, "POSITION_A", "angle", B, 390, 15, kTimes, 5, 0, 720, 5, 4},
    {F::kIdleMode, "IDLE", "mode", B, 333, 1, kIndex, 1, 0, 1, 1, 7},
    {F::kIdleRangeRpm, "IDLE", "range_rpm", B, 334, 1, kTimes, 100, 300, 20000, 100, 7},
    {F::kIdleRangeTps, "IDLE", "range_tps", B, 335, 1, kPlain, 1, 1, 100, 1, 7},
    {F::kIdleInvert, "IDLE", "invert", B, 336, 1, kFlag, 1, 0, 1, 1, 7},
    {F::kIdleStepPulse, "IDLE", "step_pulse", B, 337, 1, kTimes, 250, 250, 25000, 250, 7},
    {F::kIdleStepPeriod, "IDLE", "step_period", B, 338, 1, kPlain, 1, 1, 250, 1, 7},
    {F::kIdleHysteresis, "IDLE", "hysteresis", B, 339, 1, kTimes, 10, 0, 2500, 10, 7},
    {F::kIdleStart, "IDLE", "start", W, 186, 1, kPlain, 1, 0, 30000, 10, 7},
    // With IDLE.mode 0 (no idle control) the controls offer 0..100 in steps of 1 instead.
    {F::kIdleServoTarget, "IDLE", "servo_target", W, 170, 9, kPlain, 1, 0, 12000, 10, 7},
    {F::kIdleAdvOn, "IDLE", "adv_on", B, 358, 1, kFlag, 1, 0, 1, 1, 7},
    {F::kIdleAdvPerRpm, "IDLE", "adv_per_rpm", B, 359, 1, kPlain, 1, 1, 100, 1, 7},
    {F::kIdleAdvPerTime, "IDLE", "adv_per_time", B, 360, 1, kPlain, 1, 0, 250, 1, 7},
    {F::kIdleAdvMax, "IDLE", "adv_max", B, 361, 1, kPlain, 1, 1, 100, 1, 7},
    {F::kIdleAdvTarget, "IDLE", "adv_target", B, 362, 9, kTimes, 50, 0, 12000, 50, 7},
    {F::kChokeTime, "CHOKE", "time", B, 67, 4, kPlain, 1, 0, 250, 1, 5},
    {F::kChokeCorrection, "CHOKE", "correction", B, 71, 4, kMinus100, 1, 100, 350, 1, 5},
    {F::kStartInj, "START_INJ", "", B, 92, 1, kPlain, 1, 0, 50, 1, 5},
    {F::kInjCorrWater, "INJ_CORR", "water", B, 80, 5, kPlain, 1, 10, 250, 1, 5},
    {F::kInjCorrAir, "INJ_CORR", "air", B, 85, 5, kPlain, 1, 10, 250, 1, 5},
    {F::kAccelThreshold, "ACCEL", "threshold", B, 90, 1, kTimes, 10, 10, 2500, 10, 5},
    {F::kAccelSize, "ACCEL", "size", B, 91, 1, kTimes, 50, 0, 7500, 50, 5},
    {F::kAccCorrGainPlus, "ACC_CORR", "gain_plus", W, 140, 1, kPlain, 1, 0, 30000, 1, 5},
    {F::kAccCorrGainMinus, "ACC_CORR", "gain_minus", W, 141, 1, kPlain, 1, 0, 30000, 1, 5},
    {F::kAccCorrTcTps0, "ACC_CORR", "tc_tps0", W, 143, 1, kPlain, 1, 10, 30000, 10, 5},
    {F::kAccCorrTcTps100, "ACC_CORR", "tc_tps100", W, 142, 1, kPlain, 1, 10, 30000, 10, 5},
    {F::kAdvanceCorrWater, "ADVANCE_CORR", "water", B, 93, 5, kPlus100, 1, -20, 20, 1, 5},
    {F::kN2oEnable, "N2O", "enable", B, 98, 1, kFlag, 1, 0, 1, 1, 8},
    {F::kN2oGas1, "N2O", "gas1", B, 99, 1, kPlain, 1, 0, 100, 1, 8},
    {F::kN2oGas2, "N2O", "gas2", B, 100, 1, kPlain, 1, 0, 100, 1, 8},
    {F::kN2oGasDelay, "N2O", "gas_delay", B, 102, 1, kTimes, 100, 0, 25500, 100, 8},
    {F::kN2oGasBuildup, "N2O", "gas_buildup", B, 101, 1, kTimes, 100, 0, 25500, 100, 8},
    {F::kN2oInj1Corr, "N2O", "inj1_corr", B, 158, 1, kMinus100, 1, 100, 350, 1, 8},
    {F::kN2oInj2Corr, "N2O", "inj2_corr", B, 159, 1, kMinus100, 1, 100, 350, 1, 8},
    {F::kN2oRetard1, "N2O", "retard1", B, 103, 1, kPlain, 1, 0, 25, 1, 8},
    {F::kN2oRetard2, "N2O", "retard2", B, 104, 1, kPlain, 1, 0, 25, 1, 8},
    {F::kN2oRetardDelay, "N2O", "retard_delay", B, 106, 1, kTimes, 100, 0, 25500, 100, 8},
    {F::kN2oRetardBuildup, "N2O", "retard_buildup", B, 105, 1, kTimes, 100, 0, 25500, 100, 8},
    {F::kSpeedPulsesMode, "SPEED_PULSES", "mode", B, 138, 1, kIndex, 1, 0, 1, 1, 9},
    {F::kSpeedPulsesValue, "SPEED_PULSES", "value", W, 80, 1, kPlain, 1, 1, 32000, 1, 9},
    {F::kGearSystem, "GEAR", "system", B, 136, 1, kIndex, 1, 0, 2, 1, 9},
    {F::kGearCount, "GEAR", "count", B, 137, 1, kPlain, 1, 1, 6, 1, 9},
    {F::kGearRatio, "GEAR", "ratio", W, 81, 6, kPlain, 1, 1, 32000, 1, 9},
    {F::kGearAutoMinTime, "GEAR_AUTO", "min_time", B, 154, 1, kPlain, 1, 1, 100, 1, 9},
    {F::kGearAutoMinRpm, "GEAR_AUTO", "min_rpm", B, 155, 1, kTimes, 100, 300, 25000, 100, 9},
    {F::kGearAutoMinTps, "GEAR_AUTO", "min_tps", B, 156, 1, kPlain, 1, 0, 100, 1, 9},
    {F::kGearAutoBand, "GEAR_AUTO", "band", B, 157, 1, kPlain, 1, 1, 100, 1, 9},
    {F::kGearCorrAdvance, "GEAR_CORR", "advance", B, 174, 6, kPlus100, 1, -20, 20, 1, 9},
    {F::kGearCorrInjection, "GEAR_CORR", "injection", B, 180, 6, kPlain, 1, 0, 250, 1, 9},
    {F::kPilotLightRpm1, "PILOT_LIGHT", "rpm1", B, 108, 6, kTimes, 100, 200, 25000, 100, 10},
    {F::kPilotLightRpm2, "PILOT_LIGHT", "rpm2", B, 114, 6, kTimes, 100, 200, 25000, 100, 10},
    {F::kClutchMode, "CLUTCH", "mode", B, 120, 1, kIndex, 1, 0, 1, 1, 10},
    {F::kClutchMinRpm, "CLUTCH", "min_rpm", B, 133, 1, kTimes, 100, 1000, 25000, 100, 10},
    {F::kClutchInjection, "CLUTCH", "injection", B, 134, 1, kPlain, 1, 0, 100, 1, 10},
    {F::kClutchAdvance, "CLUTCH", "advance", B, 135, 1, kPlain, 1, 0, 60, 1, 10},
    {F::kClutchTime, "CLUTCH", "time", B, 121, 6, kTimes, 5, 0, 1275, 10, 10},
    {F::kClutchPause, "CLUTCH", "pause", B, 127, 6, kTimes, 10, 0, 2500, 100, 10},
    {F::kDisplay, "DISPLAY", "", B, 107, 1, kFlag, 1, 0, 1, 1, 10},
    {F::kTuningMode, "TUNING", "mode", B, 290, 1, kIndex, 1, 0, 1, 1, 11},
    {F::kTuningRpmTol, "TUNING", "rpm_tol", B, 295, 1, kTimes, 10, 10, 2000, 10, 11},
    {F::kTuningTpsTol, "TUNING", "tps_tol", B, 296, 1, kPlain, 1, 1, 20, 1, 11},
    {F::kTuningLambda, "TUNING", "lambda", B, 292, 1, kPlain, 1, 100, 200, 1, 11},
    {F::kTuningHysteresis, "TUNING", "hysteresis", B, 294, 1, kPlain, 1, 0, 50, 1, 11},
    {F::kTuningStepTime, "TUNING", "step_time", B, 297, 1, kTimes, 10, 10, 2500, 10, 11},
    {F::kTuningStep, "TUNING", "step", B, 298, 1, kPlain, 1, 1, 255, 1, 11},
    {F::kTuningChannel, "TUNING", "channel", B, 300, 1, kPlain, 1, 1, 2, 1, 11},
    {F::kTuningMaxAcc, "TUNING", "max_acc", B, 301, 1, kPlain, 1, 0, 255, 1, 11},
    {F::kTestOutRpm, "TEST_OUT", "rpm", B, 326, 1, kTimes, 100, 200, 25000, 100, 11},
    {F::kTestOutServo, "TEST_OUT", "servo", B, 327, 1, kTimes, 10, 10, 2500, 10, 11},
    {F::kLambdaBar, "LAMBDA_BAR", "", B, 322, 4, kPlain, 1, 100, 200, 1, 12},
    {F::kMemo, "MEMO", "", B, 1200, 150, Encoding::kText, 1, 0, 0, 0, 0},
}};

constexpr bool TableIsIndexedById() {
  for (int i = 0; i < kFieldCount; ++i)
    if (static_cast<int>(kTable[static_cast<std::size_t>(i)].id) != i) return false;
  return true;
}
static_assert(TableIsIndexedById(), "field table rows must follow the FieldId order");

constexpr bool FieldsFitTheImage() {
  for (const Field& f : kTable)
    if (f.ByteOf(0) < 0 || f.ByteOf(0) + f.ByteCount() > kImageSize) return false;
  return true;
}
static_assert(FieldsFitTheImage(), "every field must lie inside the image");

}  // namespace

std::span<const Field> FieldTable() { return kTable; }

const Field& GetField(FieldId id) { return kTable[static_cast<std::size_t>(id)]; }

int Stored(const ParameterImage& image, FieldId id, int i) {
  const Field& f = GetField(id);
  return f.width == Width::kByte ? image.Byte(f.first + i) : image.Word(f.first + i);
}

void SetStored(ParameterImage& image, FieldId id, int i, int stored) {
  const Field& f = GetField(id);
  if (f.width == Width::kByte) {
    image.SetByte(f.first + i, static_cast<std::uint8_t>(stored & 0xFF));
  } else {
    image.SetWord(f.first + i, static_cast<std::uint16_t>(stored & 0xFFFF));
  }
}

int EncodeShown(const Field& field, int shown) {
  switch (field.encoding) {
    case Encoding::kTimes:
      return shown / field.factor;
    case Encoding::kPlus100:
      return shown + 100;
    case Encoding::kMinus100:
      return shown - 100;
    case Encoding::kTimes10Plus2500:
      return (shown - 2500) / 10;
    case Encoding::kFlag:
      return shown != 0 ? 1 : 0;
    case Encoding::kPlain:
    case Encoding::kIndex:
    case Encoding::kText:
      break;
  }
  return shown;
}

int DecodeStored(const Field& field, int stored) {
  switch (field.encoding) {
    case Encoding::kTimes:
      return stored * field.factor;
    case Encoding::kPlus100:
      return stored - 100;
    case Encoding::kMinus100:
      return stored + 100;
    case Encoding::kTimes10Plus2500:
      return stored * 10 + 2500;
    case Encoding::kFlag:
      return stored != 0 ? 1 : 0;
    case Encoding::kPlain:
    case Encoding::kIndex:
    case Encoding::kText:
      break;
  }
  return stored;
}

void FillStored(ParameterImage& image, FieldId id, int stored) {
  for (int i = 0; i < GetField(id).count; ++i) SetStored(image, id, i, stored);
}

void SetShownList(ParameterImage& image, FieldId id, std::span<const int> shown) {
  for (std::size_t i = 0; i < shown.size(); ++i) SetShown(image, id, static_cast<int>(i), shown[i]);
}

}  // namespace morvek::model
