#pragma once

#include <array>
#include <cstdint>
#include <deque>

#include "model/parameter_image.h"

namespace morvek::sim {

// What the simulated rider does.
enum class ScenarioKind : unsigned char {
  kEngineOff,      // ignition on, engine stopped
  kIdle,           // engine idling in neutral
  kThrottleSweep,  // in neutral: throttle opened slowly to 100 % and closed again, every 20 s
  kRide,           // pull away, shift up through the gears, coast down, stop, again
  kSteady,         // engine held at one operating point (a dyno), for tuning
};

struct Scenario {
  ScenarioKind kind = ScenarioKind::kIdle;
  int steady_rpm = 5000;        // kSteady
  int steady_tps_percent = 20;  // kSteady
  int ambient_c = 20;
  int start_coolant_c = 20;
  // Which motorcycle preset's engine is simulated (0..7): its fuel requirement follows that
  // preset's base injection table, with a character of its own. The controller replaces -1
  // by the preset in its pages at power-on.
  int engine_preset = -1;
  // A seed other than 0 gives the engine a fuel need of its own: a smooth field over rpm and
  // throttle of up to +-12 % that no map starts with, so a tune must be ridden to find it.
  int fuel_error_seed = 0;
  // The exhaust takes this long from the cylinder to the lambda sensor.
  int lambda_delay_ms = 300;
};

// The physical engine and motorcycle as the controller's sensors see them.
struct EngineState {
  long long time_ms = 0;
  bool running = false;
  double rpm = 0;
  double tps_percent = 0;
  double map_kpa = 100;
  double coolant_c = 20;
  double air_c = 20;
  double battery_mv = 12400;
  int gear = 0;  // 0 = neutral
  double speed_kmh = 0;
  double after_start_ms = 0;
  double acc_corr_percent = 0;     // the controller's acceleration enrichment, decaying
  bool clutch_master_cut = false;  // an upshift without the clutch is in progress
  bool fan1 = false;
  bool fan2 = false;
};

// What the controller computes from its programmed parameters at the engine's operating
// point, and what the lambda sensor then sees.
struct EngineOutputs {
  std::array<double, 2> map_time_us{};   // JET_1A and JET_2A at the operating point
  std::array<double, 2> injection_us{};  // with every correction
  std::array<double, 2> advance_deg{};
  double coolant_corr_percent = 100;
  double air_corr_percent = 100;
  double start_corr_percent = 100;
  double voltage_corr_us = 0;
  double coolant_advance_corr_deg = 0;
  double injection_position_deg = 0;
  double requirement_us = 0;  // the engine's true need, hidden from the program
  double afr = 0;             // air/fuel ratio in the exhaust (unclamped)
  int lambda_af10 = 0;        // what the sensor reports, limited to its characteristic
  bool lambda_in_range = false;
  double lambda_mv = 0;
  bool limiter_ignition = false;
  bool limiter_injection = false;
  bool limiter_retard = false;
  int shift_light = 0;  // 0 off, 2 on, 1 flashing
};

// A small engine driven by a scenario. Time advances only through Advance(), in fixed 5 ms
// steps, so the same calls give the same run.
class EngineModel {
 public:
  static constexpr int kStepMs = 5;
  // The engine's true fuel requirement is the injection time that gives this air/fuel ratio.
  static constexpr double kRequirementAfr = 13.0;

  explicit EngineModel(const Scenario& scenario = {});

  // Starts a new scenario; the engine keeps its temperatures.
  void SetScenario(const Scenario& scenario);
  const Scenario& scenario() const { return scenario_; }

  void Advance(int ms, const model::ParameterImage& image);
  const EngineState& state() const { return state_; }

  // The controller's values for the current state against the given parameters.
  EngineOutputs Evaluate(const model::ParameterImage& image) const;
  // Rpm per km/h (x10) of a gear (1..6): the programmed ratio or a typical one.
  static int GearRatio(const model::ParameterImage& image, int gear);

 private:
  enum class RidePhase : unsigned char { kAccelerate, kCoast, kStop };

  void Step(const model::ParameterImage& image);
  void DriveScenario(const model::ParameterImage& image, double& tps_target);
  void MoveThrottle(double tps_target);
  void MoveEngine(const model::ParameterImage& image);
  void MoveTemperatures(const model::ParameterImage& image);
  double RpmCeiling(const model::ParameterImage& image) const;
  double Requirement(double rpm, double tps_percent) const;
  double FuelError(double rpm, double tps_percent) const;

  Scenario scenario_;
  EngineState state_;
  std::array<double, 100> requirement_table_{};  // us, 10 throttle rows x 10 rpm points
  // The fuel error field: per wave its weight, rpm and throttle frequencies and phase.
  struct Wave {
    double weight = 0;
    double per_rpm = 0;
    double per_tps = 0;
    double phase = 0;
  };
  std::array<Wave, 3> fuel_error_{};
  // The exhaust's air/fuel ratio of every step within the lambda delay, oldest first.
  std::deque<double> exhaust_afr_;
  int pending_ms_ = 0;
  long long scenario_start_ms_ = 0;
  RidePhase ride_phase_ = RidePhase::kAccelerate;
  long long phase_start_ms_ = 0;
  long long shift_until_ms_ = 0;
};

}  // namespace morvek::sim
