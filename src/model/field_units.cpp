#include "model/field_units.h"

namespace morvek::model {

std::string_view FieldUnit(FieldId id) {
  using F = FieldId;
  switch (id) {
    case F::kExitation:
    case F::kJet1A:
    case F::kJet2A:
    case F::kIdleStepPulse:
    case F::kAccelSize:
      return "µs";
    case F::kApsPressure1:
    case F::kApsPressure2:
      return "kPa";
    case F::kApsVoltage1:
    case F::kApsVoltage2:
    case F::kWaterTempSensor:
    case F::kAirTempSensor:
    case F::kSensorLambdaVoltage:
    case F::kTpsVoltage0:
    case F::kTpsVoltage100:
      return "mV";
    case F::kLambdaTachoRpm:
    case F::kLimiterStart:
    case F::kLimiterIgnition:
    case F::kLimiterInjection:
    case F::kLimiterRetardRpm:
    case F::kRpmAdv:
    case F::kRpmJet1A:
    case F::kRpmJet2A:
    case F::kPositionARpm:
    case F::kIdleRangeRpm:
    case F::kIdleHysteresis:
    case F::kIdleAdvTarget:
    case F::kGearAutoMinRpm:
    case F::kPilotLightRpm1:
    case F::kPilotLightRpm2:
    case F::kClutchMinRpm:
    case F::kTuningRpmTol:
    case F::kTestOutRpm:
      return "rpm";
    case F::kLimiterRetardRate:
      return "°/100 rpm";
    case F::kIdleAdvPerRpm:
      return "°/1000 rpm";
    case F::kIdleAdvPerTime:
      return "°/10 s";
    case F::kFanFan1:
    case F::kFanFan2:
      return "°C";
    case F::kAdvanceMiscCyl1Corr:
    case F::kAdvanceMiscCyl2Corr:
    case F::kAdvanceMiscBase:
    case F::kAdvance:
    case F::kPositionAAngle:
    case F::kIdleAdvMax:
    case F::kAdvanceCorrWater:
    case F::kN2oRetard1:
    case F::kN2oRetard2:
    case F::kGearCorrAdvance:
    case F::kClutchAdvance:
      return "°";
    case F::kIdleStepPeriod:
    case F::kIdleStart:
    case F::kStartInj:
    case F::kN2oGasDelay:
    case F::kN2oGasBuildup:
    case F::kN2oRetardDelay:
    case F::kN2oRetardBuildup:
    case F::kClutchTime:
    case F::kClutchPause:
    case F::kTuningStepTime:
      return "ms";
    case F::kAccCorrTcTps0:
    case F::kAccCorrTcTps100:
      return "×10 ms";
    case F::kChokeTime:
    case F::kGearAutoMinTime:
      return "s";
    case F::kChokeCorrection:
    case F::kInjCorrWater:
    case F::kInjCorrAir:
    case F::kN2oGas1:
    case F::kN2oGas2:
    case F::kN2oInj1Corr:
    case F::kN2oInj2Corr:
    case F::kGearAutoMinTps:
    case F::kGearCorrInjection:
    case F::kClutchInjection:
    case F::kTuningStep:
    case F::kTuningMaxAcc:
      return "%";
    case F::kGearAutoBand:
      return "0.1 %";
    case F::kAccelThreshold:
      return "%/s";
    default:
      return {};
  }
}

}  // namespace morvek::model
