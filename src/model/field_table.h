#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/parameter_image.h"

namespace morvek::model {

// How a shown value (what the user edits and the parameter file carries) maps onto the
// stored byte or word of the image.
enum class Encoding : std::uint8_t {
  kPlain,            // s = v
  kTimes,            // s = v / k, v = s * k
  kPlus100,          // s = v + 100 (signed shown values)
  kMinus100,         // s = v - 100 (percentages from 100)
  kTimes10Plus2500,  // s = (v - 2500) / 10
  kFlag,             // s = 1 when set
  kIndex,            // s = item index of a choice
  kText,             // the note area: zero-terminated lines
};

enum class Width : std::uint8_t { kByte, kWord };

// Every field of the image, in the parameter file's keyword order. The order is also the
// index into FieldTable().
enum class FieldId : std::uint8_t {
  kBike,
  kExitation,
  kApsPressure1,
  kApsVoltage1,
  kApsPressure2,
  kApsVoltage2,
  kWaterTempSensor,
  kAirTempSensor,
  kSensorLambdaType,
  kSensorLambdaAf,
  kSensorLambdaVoltage,
  kLambdaTachoAf,
  kLambdaTachoRpm,
  kInputsPinEngine23,
  kInputsPinEngine14,
  kInputsPinBody11,
  kInputsClutchMaster,
  kInputsStartLimiter,
  kInputsTachoLambda,
  kBlockEnable,
  kLimiterStart,
  kLimiterIgnition,
  kLimiterInjection,
  kLimiterRetardRpm,
  kLimiterRetardRate,
  kTpsVoltage0,
  kTpsVoltage100,
  kFanFan1,
  kFanFan2,
  kRpmPulses,
  kRpmCorrection,
  kNoFuelInd,
  kAdvanceMiscTpsMap,
  kAdvanceMiscCyl1Corr,
  kAdvanceMiscCyl2Corr,
  kAdvanceMiscBase,
  kRpmAdv,
  kAdvance,
  kJet1MiscMode,
  kRpmJet1A,
  kJet1A,
  kRpmJet2A,
  kJet2A,
  kPositionAReference,
  kPositionARpm,
  kPositionAAngle,
  kIdleMode,
  kIdleRangeRpm,
  kIdleRangeTps,
  kIdleInvert,
  kIdleStepPulse,
  kIdleStepPeriod,
  kIdleHysteresis,
  kIdleStart,
  kIdleServoTarget,
  kIdleAdvOn,
  kIdleAdvPerRpm,
  kIdleAdvPerTime,
  kIdleAdvMax,
  kIdleAdvTarget,
  kChokeTime,
  kChokeCorrection,
  kStartInj,
  kInjCorrWater,
  kInjCorrAir,
  kAccelThreshold,
  kAccelSize,
  kAccCorrGainPlus,
  kAccCorrGainMinus,
  kAccCorrTcTps0,
  kAccCorrTcTps100,
  kAdvanceCorrWater,
  kN2oEnable,
  kN2oGas1,
  kN2oGas2,
  kN2oGasDelay,
  kN2oGasBuildup,
  kN2oInj1Corr,
  kN2oInj2Corr,
  kN2oRetard1,
  kN2oRetard2,
  kN2oRetardDelay,
  kN2oRetardBuildup,
  kSpeedPulsesMode,
  kSpeedPulsesValue,
  kGearSystem,
  kGearCount,
  kGearRatio,
  kGearAutoMinTime,
  kGearAutoMinRpm,
  kGearAutoMinTps,
  kGearAutoBand,
  kGearCorrAdvance,
  kGearCorrInjection,
  kPilotLightRpm1,
  kPilotLightRpm2,
  kClutchMode,
  kClutchMinRpm,
  kClutchInjection,
  kClutchAdvance,
  kClutchTime,
  kClutchPause,
  kDisplay,
  kTuningMode,
  kTuningRpmTol,
  kTuningTpsTol,
  kTuningLambda,
  kTuningHysteresis,
  kTuningStepTime,
  kTuningStep,
  kTuningChannel,
  kTuningMaxAcc,
  kTestOutRpm,
  kTestOutServo,
  kLambdaBar,
  kMemo,
  kCount
};

inline constexpr int kFieldCount = static_cast<int>(FieldId::kCount);

// One field: where it lives, how it is shown, which editing page shows it.
struct Field {
  FieldId id;
  std::string_view keyword;  // keyword of the parameter file, e.g. "LIMITER"
  std::string_view member;   // member within the keyword, e.g. "ignition"; empty when none
  Width width;
  int first;  // first byte (Width::kByte) or first word (Width::kWord)
  int count;  // number of consecutive elements
  Encoding encoding;
  int factor;  // k of Encoding::kTimes, 1 otherwise
  int min;     // shown range and spinner step
  int max;
  int step;
  int page;  // editing page index (0 Bike ... 12 Monitor)

  // Image byte of element i (its low byte for a word field).
  constexpr int ByteOf(int i) const { return width == Width::kByte ? first + i : 2 * (first + i); }
  // Number of image bytes the field covers.
  constexpr int ByteCount() const { return width == Width::kByte ? count : 2 * count; }
};

// The whole table, indexed by FieldId.
std::span<const Field> FieldTable();
const Field& GetField(FieldId id);

// Stored value of element i, as the image holds it.
int Stored(const ParameterImage& image, FieldId id, int i = 0);
// Writes a stored value, truncated to the field's width (a byte keeps the low 8 bits).
void SetStored(ParameterImage& image, FieldId id, int i, int stored);
inline void SetStored(ParameterImage& image, FieldId id, int stored) {
  SetStored(image, id, 0, stored);
}

// The encodings, in 32-bit signed arithmetic with division truncating toward zero.
int EncodeShown(const Field& field, int shown);
int DecodeStored(const Field& field, int stored);

inline int Shown(const ParameterImage& image, FieldId id, int i = 0) {
  return DecodeStored(GetField(id), Stored(image, id, i));
}
inline void SetShown(ParameterImage& image, FieldId id, int i, int shown) {
  SetStored(image, id, i, EncodeShown(GetField(id), shown));
}
inline void SetShown(ParameterImage& image, FieldId id, int shown) {
  SetShown(image, id, 0, shown);
}

// Writes the same stored value into every element of a field.
void FillStored(ParameterImage& image, FieldId id, int stored);
// Writes shown values into consecutive elements from element 0.
void SetShownList(ParameterImage& image, FieldId id, std::span<const int> shown);

}  // namespace morvek::model
