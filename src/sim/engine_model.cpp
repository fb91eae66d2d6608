#include "sim/engine_model.h"

#include <algorithm>
#include <cmath>

#include "model/base_injection.h"
#include "model/field_table.h"
#include "model/map_geometry.h"
#include "sim/map_lookup.h"

namespace morvek::sim {
namespace {

using model::FieldId;

constexpr double kDt = EngineModel::kStepMs / 1000.0;  // seconds per step
constexpr double kAtmosphereKpa = 100;
constexpr int kSweepPeriodMs = 20000;

// Temperatures of the five correction points of INJ_CORR and ADVANCE_CORR.
constexpr std::array<double, 5> kCorrectionTemps{-10, 20, 50, 80, 110};
// Rpm points of the requirement table (the program's base tables use the same).
constexpr std::array<double, 10> kTableRpm{1000, 2000,  3000,  4000,  6000,
                                           8000, 10000, 12000, 14000, 16000};
constexpr std::array<int, 6> kTypicalGearRatios{1100, 800, 640, 540, 470, 420};

// Torque of the simulated engine over rpm, relative to its peak.
constexpr std::array<double, 8> kTorqueRpm{1000, 3000, 6000, 8000, 10000, 12000, 14000, 16000};
constexpr std::array<double, 8> kTorque{0.55, 0.75, 0.9, 1.0, 0.97, 0.85, 0.75, 0.6};

double ShownAt(const model::ParameterImage& image, FieldId id, int i = 0) {
  return model::Shown(image, id, i);
}

double Approach(double value, double target, double tau_s) {
  return value + (target - value) * (1 - std::exp(-kDt / tau_s));
}

// A correction curve over the five temperature points; a blank curve means no correction.
double TemperatureCorrection(const model::ParameterImage& image, FieldId id, double temp,
                             double neutral) {
  std::array<double, 5> values{};
  ShownValues(image, id, values);
  if (std::all_of(values.begin(), values.end(), [](double v) { return v == 0; })) return neutral;
  return Curve(kCorrectionTemps, values, temp);
}

// A number in [0, 1) from a seed and a draw index, the same on every platform.
double Draw(std::uint64_t seed, int index) {
  std::uint64_t z =
      seed * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(index + 1) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) / 9007199254740992.0;
}

constexpr double kFuelErrorAmplitude = 0.12;
constexpr double kTwoPi = 6.283185307179586;

// Rpm limit of a LIMITER field, 0 when it is not set.
double Limiter(const model::ParameterImage& image, FieldId id) { return ShownAt(image, id); }

}  // namespace

EngineModel::EngineModel(const Scenario& scenario) {
  state_.coolant_c = scenario.start_coolant_c;
  state_.air_c = scenario.ambient_c;
  SetScenario(scenario);
}

void EngineModel::SetScenario(const Scenario& scenario) {
  scenario_ = scenario;
  const auto table =
      model::ComputeBaseTable(model::InjectionMap::k1A, std::max(scenario.engine_preset, 0));
  for (std::size_t i = 0; i < table.size(); ++i) requirement_table_[i] = table[i] * 10.0;
  fuel_error_ = {};
  if (scenario.fuel_error_seed != 0) {
    const auto seed = static_cast<std::uint64_t>(scenario.fuel_error_seed);
    double total = 0;
    for (std::size_t k = 0; k < fuel_error_.size(); ++k) {
      Wave& w = fuel_error_[k];
      const int d = static_cast<int>(4 * k);
      w.weight = 0.4 + Draw(seed, d);
      w.per_rpm = kTwoPi / (5000 + 9000 * Draw(seed, d + 1));  // waves of 5000..14000 rpm
      w.per_tps = kTwoPi / (70 + 130 * Draw(seed, d + 2));     // and of 70..200 % throttle
      w.phase = kTwoPi * Draw(seed, d + 3);
      total += w.weight;
    }
    for (Wave& w : fuel_error_) w.weight *= kFuelErrorAmplitude / total;
  }
  exhaust_afr_.clear();
  scenario_start_ms_ = state_.time_ms;
  ride_phase_ = RidePhase::kAccelerate;
  phase_start_ms_ = state_.time_ms;
  shift_until_ms_ = 0;
  const bool run = scenario.kind != ScenarioKind::kEngineOff;
  if (run && !state_.running) {
    state_.after_start_ms = 0;
    state_.rpm = 1400;
    state_.map_kpa = 32;
    state_.battery_mv = 13300;
  }
  state_.running = run;
  if (!run) state_.rpm = 0;
  state_.gear = scenario.kind == ScenarioKind::kRide ? 1 : 0;
  if (scenario.kind != ScenarioKind::kRide) state_.speed_kmh = 0;
}

int EngineModel::GearRatio(const model::ParameterImage& image, int gear) {
  gear = std::clamp(gear, 1, 6);
  const int programmed = model::Stored(image, FieldId::kGearRatio, gear - 1);
  return programmed >= 100 ? programmed : kTypicalGearRatios[static_cast<std::size_t>(gear - 1)];
}

void EngineModel::Advance(int ms, const model::ParameterImage& image) {
  pending_ms_ += std::max(ms, 0);
  while (pending_ms_ >= kStepMs) {
    pending_ms_ -= kStepMs;
    Step(image);
  }
}

void EngineModel::Step(const model::ParameterImage& image) {
  state_.time_ms += kStepMs;
  double tps_target = 0;
  DriveScenario(image, tps_target);
  MoveThrottle(tps_target);
  MoveEngine(image);
  MoveTemperatures(image);
  if (state_.running) state_.after_start_ms += kStepMs;
  exhaust_afr_.push_back(Evaluate(image).afr);
  const std::size_t kept =
      static_cast<std::size_t>(std::max(scenario_.lambda_delay_ms, 0) / kStepMs) + 1;
  while (exhaust_afr_.size() > kept) exhaust_afr_.pop_front();
}

double EngineModel::FuelError(double rpm, double tps_percent) const {
  double error = 0;
  for (const Wave& w : fuel_error_)
    error += w.weight * std::sin(w.per_rpm * rpm + w.per_tps * tps_percent + w.phase);
  return 1 + error;
}

double EngineModel::Requirement(double rpm, double tps_percent) const {
  std::array<double, 10> at_rpm{};
  for (std::size_t row = 0; row < at_rpm.size(); ++row)
    at_rpm[row] = Curve(kTableRpm, std::span(requirement_table_).subspan(10 * row, 10), rpm);
  std::array<double, 10> tps_points{};
  for (std::size_t row = 0; row < tps_points.size(); ++row)
    tps_points[row] = model::kMapRowTps[row] / 10.0;
  // The engine's own character: it never quite matches the book.
  const double character =
      1 + 0.07 * std::sin(rpm / 1500 + 0.5) + 0.05 * std::cos(tps_percent / 18);
  return Curve(tps_points, at_rpm, tps_percent) * character * FuelError(rpm, tps_percent);
}

double EngineModel::RpmCeiling(const model::ParameterImage& image) const {
  double ceiling = 16000;
  for (FieldId id : {FieldId::kLimiterIgnition, FieldId::kLimiterInjection}) {
    const double limit = Limiter(image, id);
    if (limit > 0) ceiling = std::min(ceiling, limit);
  }
  return ceiling;
}

void EngineModel::DriveScenario(const model::ParameterImage& image, double& tps_target) {
  const long long t = state_.time_ms - scenario_start_ms_;
  switch (scenario_.kind) {
    case ScenarioKind::kEngineOff:
    case ScenarioKind::kIdle:
      tps_target = 0;
      return;
    case ScenarioKind::kSteady:
      tps_target = std::clamp(scenario_.steady_tps_percent, 0, 100);
      return;
    case ScenarioKind::kThrottleSweep: {
      // 2 s idle, 8 s opening, 2 s wide open, 6 s closing, 2 s idle.
      const double s = static_cast<double>(t % kSweepPeriodMs) / 1000.0;
      if (s < 2)
        tps_target = 0;
      else if (s < 10)
        tps_target = (s - 2) / 8 * 100;
      else if (s < 12)
        tps_target = 100;
      else if (s < 18)
        tps_target = (18 - s) / 6 * 100;
      else
        tps_target = 0;
      return;
    }
    case ScenarioKind::kRide:
      break;
  }

  const long long in_phase = state_.time_ms - phase_start_ms_;
  state_.clutch_master_cut = state_.time_ms < shift_until_ms_;
  switch (ride_phase_) {
    case RidePhase::kAccelerate: {
      tps_target = state_.gear <= 2 ? 60 : 85;
      double shift_rpm = ShownAt(image, FieldId::kPilotLightRpm1, state_.gear - 1);
      if (shift_rpm < 3000) shift_rpm = 9000;
      shift_rpm = std::min(shift_rpm, RpmCeiling(image) - 300);
      if (state_.rpm >= shift_rpm && !state_.clutch_master_cut) {
        if (state_.gear < 6) {
          ++state_.gear;
          shift_until_ms_ = state_.time_ms + 80;  // the clutch master cuts the ignition
        } else {
          ride_phase_ = RidePhase::kCoast;
          phase_start_ms_ = state_.time_ms;
        }
      }
      // Top gear at speed, or a motorcycle that will not pull any further: roll off.
      if ((state_.gear == 6 && state_.speed_kmh >= 170) || in_phase > 30000) {
        ride_phase_ = RidePhase::kCoast;
        phase_start_ms_ = state_.time_ms;
      }
      break;
    }
    case RidePhase::kCoast:
      tps_target = 0;
      if (state_.gear > 1 && state_.rpm < 3500) --state_.gear;
      if (state_.gear == 1 && state_.speed_kmh < 15) {
        ride_phase_ = RidePhase::kStop;
        phase_start_ms_ = state_.time_ms;
        state_.gear = 0;
      }
      break;
    case RidePhase::kStop:
      tps_target = 0;
      if (in_phase >= 6000) {
        ride_phase_ = RidePhase::kAccelerate;
        phase_start_ms_ = state_.time_ms;
        state_.gear = 1;
      }
      break;
  }
}

void EngineModel::MoveThrottle(double tps_target) {
  constexpr double kMaxRate = 300;  // %/s
  const double before = state_.tps_percent;
  const double step = std::clamp(tps_target - before, -kMaxRate * kDt, kMaxRate * kDt);
  state_.tps_percent = std::clamp(before + step, 0.0, 100.0);
  // Acceleration enrichment: grows with every opening step, fades within a few tenths.
  const double opened = std::max(0.0, state_.tps_percent - before);
  const double acc = std::min(100.0, Approach(state_.acc_corr_percent, 0, 0.2) + opened * 0.5);
  state_.acc_corr_percent = opened == 0 && acc < 0.05 ? 0 : acc;
}

void EngineModel::MoveEngine(const model::ParameterImage& image) {
  if (!state_.running) {
    state_.rpm = 0;
    state_.map_kpa = kAtmosphereKpa;
    state_.battery_mv = Approach(state_.battery_mv, 12400, 1.0);
    return;
  }
  const double tps = state_.tps_percent / 100;
  const double warmth = std::clamp((60 - state_.coolant_c) / 80, 0.0, 1.0);
  const double idle_rpm = 1100 + 400 * warmth;
  const double ceiling = RpmCeiling(image);

  if (state_.gear == 0) {
    state_.speed_kmh = Approach(state_.speed_kmh, 0, 0.8);
    double target = idle_rpm + std::pow(tps, 0.8) * (12500 - idle_rpm);
    if (scenario_.kind == ScenarioKind::kSteady) target = scenario_.steady_rpm;
    const bool rising = target > state_.rpm;
    state_.rpm = Approach(state_.rpm, target,
                          scenario_.kind == ScenarioKind::kSteady ? 0.05
                          : rising                                ? 0.25
                                                                  : 0.5);
  } else {
    // Road load: drive force from the engine's torque, less in the higher gears, against
    // drag and engine braking; the rpm follows the wheel.
    const double ratio = GearRatio(image, state_.gear) / 10.0;
    const double torque = Curve(kTorqueRpm, kTorque, state_.rpm);
    double accel = 20 * tps * torque * (1.6 - 0.2 * state_.gear);
    if (state_.clutch_master_cut) accel = 0;
    accel -= 0.2 + 0.0002 * state_.speed_kmh * state_.speed_kmh;
    if (tps == 0) accel -= 6 * state_.rpm / 8000;
    state_.speed_kmh = std::max(0.0, state_.speed_kmh + accel * kDt);
    state_.rpm = std::max(idle_rpm, state_.speed_kmh * ratio);
  }
  if (scenario_.kind != ScenarioKind::kSteady) state_.rpm = std::min(state_.rpm, ceiling);

  // Manifold pressure: low behind a closed throttle, near the atmosphere wide open.
  const double closed_kpa = std::clamp(34 - state_.rpm / 1000 * 1.5, 20.0, 34.0);
  const double opening = 1 - std::exp(-tps * 20 / (state_.rpm / 1000 + 2));
  state_.map_kpa = closed_kpa + (kAtmosphereKpa - 2 - closed_kpa) * opening;

  state_.battery_mv = 13300 + 1000 * std::clamp((state_.rpm - 1000) / 2000, 0.0, 1.0);
}

void EngineModel::MoveTemperatures(const model::ParameterImage& image) {
  const double ambient = scenario_.ambient_c;
  double heat = 0;
  double cooling = 0.002;
  if (state_.running) {
    const double load = state_.map_kpa / 100 * state_.rpm / 10000;
    heat = 0.5 + 2 * load;
    // The thermostat keeps the radiator shut until the engine is warm, so a ride warms it up
    // to its working temperature instead of the air stream holding it lukewarm.
    const double radiator = std::clamp((state_.coolant_c - 75) / 10, 0.0, 1.0);
    cooling = 0.002 + (0.0065 + 0.0002 * state_.speed_kmh) * radiator;
  }
  // The fans switch on at their programmed temperatures and off 3 degrees below.
  const double fan1 = ShownAt(image, FieldId::kFanFan1);
  const double fan2 = ShownAt(image, FieldId::kFanFan2);
  auto hysteresis = [&](bool on, double limit) {
    if (limit <= 0) return false;
    return on ? state_.coolant_c > limit - 3 : state_.coolant_c >= limit;
  };
  state_.fan1 = state_.running && hysteresis(state_.fan1, fan1);
  state_.fan2 = state_.running && hysteresis(state_.fan2, fan2);
  if (state_.fan1) cooling += 0.01;
  if (state_.fan2) cooling += 0.01;
  state_.coolant_c += (heat - (state_.coolant_c - ambient) * cooling) * kDt;
  const double airflow = std::min(1.0, state_.speed_kmh / 60);
  state_.air_c = ambient + 0.12 * (state_.coolant_c - ambient) * (1 - airflow);
}

EngineOutputs EngineModel::Evaluate(const model::ParameterImage& image) const {
  EngineOutputs out;
  const EngineState& s = state_;
  const double rpm = s.rpm;
  const double tps = s.tps_percent;

  out.map_time_us[0] = MapValue(image, FieldId::kJet1A, FieldId::kRpmJet1A, rpm, tps);
  out.map_time_us[1] = MapValue(image, FieldId::kJet2A, FieldId::kRpmJet2A, rpm, tps);
  out.coolant_corr_percent = TemperatureCorrection(image, FieldId::kInjCorrWater, s.coolant_c, 100);
  out.air_corr_percent = TemperatureCorrection(image, FieldId::kInjCorrAir, s.air_c, 100);

  // After-start correction: interpolated over the four programmed times, none after the last.
  std::array<double, 4> times{};
  std::array<double, 4> corrections{};
  ShownValues(image, FieldId::kChokeTime, times);
  ShownValues(image, FieldId::kChokeCorrection, corrections);
  const double since_start_s = s.after_start_ms / 1000;
  out.start_corr_percent =
      s.running && since_start_s < times[3] ? Curve(times, corrections, since_start_s) : 100;

  // Injector opening time grows as the battery sags; the voltage correction adds exactly that
  // time, so it moves the injection time without changing the fuel.
  out.voltage_corr_us = std::max(0.0, (14000 - s.battery_mv) / 10);
  const double factor = out.coolant_corr_percent / 100 * out.air_corr_percent / 100 *
                        out.start_corr_percent / 100 * (1 + s.acc_corr_percent / 100);
  std::array<double, 2> fuel_us{};
  for (std::size_t k = 0; k < 2; ++k) {
    fuel_us[k] = s.running ? out.map_time_us[k] * factor : 0;
    out.injection_us[k] = s.running ? fuel_us[k] + out.voltage_corr_us : 0;
  }

  out.coolant_advance_corr_deg =
      TemperatureCorrection(image, FieldId::kAdvanceCorrWater, s.coolant_c, 0);
  double advance = AdvanceValue(image, rpm, tps) + out.coolant_advance_corr_deg;
  const double retard_rpm = Limiter(image, FieldId::kLimiterRetardRpm);
  if (retard_rpm > 0 && rpm > retard_rpm)
    advance -= ShownAt(image, FieldId::kLimiterRetardRate) * (rpm - retard_rpm) / 100;
  const double cyl[2] = {ShownAt(image, FieldId::kAdvanceMiscCyl1Corr),
                         ShownAt(image, FieldId::kAdvanceMiscCyl2Corr)};
  for (std::size_t k = 0; k < 2; ++k)
    out.advance_deg[k] = s.running ? std::clamp(advance + cyl[k], 0.0, 60.0) : 0;

  std::array<double, 15> position_rpm{};
  std::array<double, 15> position_angle{};
  ShownValues(image, FieldId::kPositionARpm, position_rpm);
  ShownValues(image, FieldId::kPositionAAngle, position_angle);
  out.injection_position_deg = Curve(position_rpm, position_angle, rpm);

  // The engine's true need: air mass per cycle, richer while cold and just after the start.
  const double air_density = 298 / (273 + s.air_c);
  const double cold = 1 + 0.25 * std::clamp((70 - s.coolant_c) / 90, 0.0, 1.0);
  const double start = 1 + 0.6 * std::exp(-since_start_s / 6);
  out.requirement_us = Requirement(rpm, tps) * air_density * cold * start;
  const double delivered = (fuel_us[0] + fuel_us[1]) / 2;
  out.afr = s.running && delivered > 0 ? kRequirementAfr * out.requirement_us / delivered : 1e9;

  // The sensor reports within its programmed characteristic (A/F x10 against millivolts).
  std::array<double, 5> af{};
  std::array<double, 5> mv{};
  ShownValues(image, FieldId::kSensorLambdaAf, af);
  ShownValues(image, FieldId::kSensorLambdaVoltage, mv);
  double lo = *std::min_element(af.begin(), af.end());
  double hi = *std::max_element(af.begin(), af.end());
  if (hi <= lo) {
    lo = 100;
    hi = 200;
  }
  // It sees the exhaust of the mixture made a transport delay ago.
  const double af10 = (exhaust_afr_.empty() ? out.afr : exhaust_afr_.front()) * 10;
  out.lambda_in_range = af10 >= lo && af10 <= hi;
  out.lambda_af10 = static_cast<int>(std::lround(std::clamp(af10, lo, hi)));
  out.lambda_mv = Curve(af, mv, out.lambda_af10);

  const double ign = Limiter(image, FieldId::kLimiterIgnition);
  const double inj = Limiter(image, FieldId::kLimiterInjection);
  out.limiter_ignition = s.running && ign > 0 && rpm >= ign;
  out.limiter_injection = s.running && inj > 0 && rpm >= inj;
  out.limiter_retard = s.running && retard_rpm > 0 && rpm >= retard_rpm;

  if (s.gear > 0) {
    const double rpm1 = ShownAt(image, FieldId::kPilotLightRpm1, s.gear - 1);
    const double rpm2 = ShownAt(image, FieldId::kPilotLightRpm2, s.gear - 1);
    if (rpm2 > 0 && rpm >= rpm2)
      out.shift_light = 1;
    else if (rpm1 > 0 && rpm >= rpm1)
      out.shift_light = 2;
  }
  return out;
}

}  // namespace morvek::sim
