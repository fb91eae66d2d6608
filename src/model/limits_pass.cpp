#include "model/limits_pass.h"

#include <algorithm>
#include <vector>

#include "model/field_table.h"

namespace morvek::model {
namespace {

using F = FieldId;

std::vector<int> Read(const ParameterImage& image, FieldId id) {
  std::vector<int> v(static_cast<std::size_t>(GetField(id).count));
  for (std::size_t i = 0; i < v.size(); ++i) v[i] = Stored(image, id, static_cast<int>(i));
  return v;
}

void Write(ParameterImage& image, FieldId id, const std::vector<int>& v) {
  for (std::size_t i = 0; i < v.size(); ++i) SetStored(image, id, static_cast<int>(i), v[i]);
}

// Strictly rising within [lo, hi]: raise to lo + i, lower to hi - (n-1) + i, then push every
// value that does not exceed its left neighbour one above it.
void ClampRising(ParameterImage& image, FieldId id, int lo, int hi) {
  std::vector<int> v = Read(image, id);
  const int n = static_cast<int>(v.size());
  for (int i = 0; i < n; ++i)
    v[static_cast<std::size_t>(i)] = std::max(v[static_cast<std::size_t>(i)], lo + i);
  for (int i = 0; i < n; ++i)
    v[static_cast<std::size_t>(i)] = std::min(v[static_cast<std::size_t>(i)], hi - (n - 1) + i);
  for (std::size_t i = 1; i < v.size(); ++i)
    if (v[i - 1] >= v[i]) v[i] = v[i - 1] + 1;
  Write(image, id, v);
}

// Strictly falling within [lo, hi], the mirror image of ClampRising.
void ClampFalling(ParameterImage& image, FieldId id, int lo, int hi) {
  std::vector<int> v = Read(image, id);
  const int n = static_cast<int>(v.size());
  for (int i = 0; i < n; ++i)
    v[static_cast<std::size_t>(i)] = std::max(v[static_cast<std::size_t>(i)], lo + (n - 1) - i);
  for (int i = 0; i < n; ++i)
    v[static_cast<std::size_t>(i)] = std::min(v[static_cast<std::size_t>(i)], hi - i);
  for (std::size_t i = 1; i < v.size(); ++i)
    if (v[i] >= v[i - 1]) v[i] = v[i - 1] - 1;
  Write(image, id, v);
}

void ClampPlain(ParameterImage& image, FieldId id, int lo, int hi) {
  for (int i = 0; i < GetField(id).count; ++i)
    SetStored(image, id, i, std::clamp(Stored(image, id, i), lo, hi));
}

void AtMost(ParameterImage& image, FieldId id, int hi) {
  for (int i = 0; i < GetField(id).count; ++i)
    if (Stored(image, id, i) > hi) SetStored(image, id, i, hi);
}

// Element i of `upper` is raised to element i of `lower`.
void RaiseTo(ParameterImage& image, FieldId upper, FieldId lower) {
  for (int i = 0; i < GetField(upper).count; ++i)
    if (Stored(image, upper, i) < Stored(image, lower, i))
      SetStored(image, upper, i, Stored(image, lower, i));
}

void NonZeroAtMost(ParameterImage& image, FieldId id, int hi) {
  if (Stored(image, id) == 0) SetStored(image, id, 1);
  AtMost(image, id, hi);
}

}  // namespace

LimitsReport ApplyLimits(ParameterImage& image, LimitedSettings* settings) {
  ClampRising(image, F::kRpmAdv, 3, 250);
  ClampRising(image, F::kRpmJet1A, 3, 250);
  ClampRising(image, F::kRpmJet2A, 3, 250);
  ClampRising(image, F::kPositionARpm, 3, 250);
  ClampPlain(image, F::kAdvance, 0, 60);
  ClampPlain(image, F::kJet1A, 0, 60000);
  ClampPlain(image, F::kJet2A, 0, 60000);
  AtMost(image, F::kTpsVoltage0, 250);
  AtMost(image, F::kTpsVoltage100, 250);
  AtMost(image, F::kStartInj, 50);
  ClampRising(image, F::kChokeTime, 0, 250);
  ClampPlain(image, F::kChokeCorrection, 0, 250);
  RaiseTo(image, F::kPilotLightRpm2, F::kPilotLightRpm1);
  AtMost(image, F::kN2oGas1, 100);
  AtMost(image, F::kN2oGas2, 100);
  RaiseTo(image, F::kN2oGas2, F::kN2oGas1);
  NonZeroAtMost(image, F::kN2oGasBuildup, 200);
  AtMost(image, F::kN2oGasDelay, 200);
  AtMost(image, F::kN2oRetard1, 25);
  AtMost(image, F::kN2oRetard2, 25);
  RaiseTo(image, F::kN2oRetard2, F::kN2oRetard1);
  AtMost(image, F::kN2oRetardDelay, 200);
  NonZeroAtMost(image, F::kN2oRetardBuildup, 200);
  RaiseTo(image, F::kN2oInj2Corr, F::kN2oInj1Corr);
  if (settings != nullptr) {
    if (settings->language_index > 3) settings->language_index = 0;
    if (settings->com_port_index > 20) settings->com_port_index = 0;
    if (settings->com_auto_index >= 20) settings->com_auto_index = 0;
  }
  AtMost(image, F::kAdvanceMiscBase, 40);
  LimitsReport report;
  report.aps_voltages_equal = Stored(image, F::kApsVoltage1) == Stored(image, F::kApsVoltage2);
  ClampFalling(image, F::kWaterTempSensor, 0, 5000);
  ClampFalling(image, F::kAirTempSensor, 0, 5000);
  AtMost(image, F::kIdleStepPulse, Stored(image, F::kIdleStepPeriod));
  const int coupling = Stored(image, F::kJet1MiscMode);
  AtMost(image, F::kTuningChannel, coupling == 1 || coupling == 2 ? 1 : 2);
  ClampRising(image, F::kSensorLambdaAf, 100, 200);
  if (Stored(image, F::kSensorLambdaType) == 1) {
    ClampRising(image, F::kSensorLambdaVoltage, 0, 5000);
  } else {
    ClampFalling(image, F::kSensorLambdaVoltage, 0, 5000);
  }
  ClampRising(image, F::kLambdaTachoAf, 100, 200);
  ClampPlain(image, F::kLambdaTachoRpm, 3, 250);
  ClampRising(image, F::kLambdaBar, 100, 200);
  return report;
}

}  // namespace morvek::model
