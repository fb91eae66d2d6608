#pragma once

#include <cstdint>

#include "link/device_frame.h"
#include "model/parameter_image.h"
#include "sim/engine_model.h"

namespace morvek::sim {

// The tuning parameters of a monitor request (stored encodings, as the program sends them).
struct AutotuneSettings {
  bool on = false;
  int mode = 0;        // 0 points, 1 all
  int lambda = 0;      // target A/F x10
  int hysteresis = 0;  // A/F x10
  int rpm_tol = 0;     // 10 rpm
  int tps_tol = 0;     // throttle percent
  int step_time = 0;   // 10 ms
  int step = 0;        // percent of the cell per step
  int channel = 0;     // 1 = JET_1A, 2 = JET_2A
  int max_acc = 0;     // percent of acceleration correction above which nothing is tuned

  static AutotuneSettings FromMonitorRequest(const link::DeviceFrame& request);
};

// Status codes of the monitor frame (byte 29).
enum AutotuneStatus : std::uint8_t {
  kTuneRpmZero = 0,
  kTuneOff = 2,
  kTuneAccelerationTooBig = 3,
  kTuneNotInPoint = 5,
  kTuneLambdaError = 6,
  kTuneRpmBelowFirstPoint = 7,
  kTuneRpmAboveLastPoint = 8,
  kTuneAdding = 11,
  kTuneDecreasing = 12,
  kTuneOk = 13,
  kTuneCoupled = 14,
};

// The controller's own tuning: while the program keeps it on, it moves the injection map cell
// at the operating point toward the target air/fuel ratio, one step per step time.
class SimAutotune {
 public:
  // Without a monitor request for this long the controller stops tuning on its own.
  static constexpr int kKeepAliveMs = 2000;

  void OnMonitorRequest(const AutotuneSettings& settings);
  // A page request arrived. Anything but a read of the tuned map's two pages means the
  // program runs a transaction: tuning pauses until a monitor request turns it on again, so
  // that no cell changes between a page's transfer and its verification.
  void OnPageRequest(std::uint8_t command);
  // Advances by ms; may change cells of JET_1A or JET_2A in the image.
  void Advance(int ms, const EngineModel& engine, model::ParameterImage& image);

  std::uint8_t status() const { return status_; }
  bool active() const { return settings_.on && since_request_ms_ < kKeepAliveMs; }
  int steps_taken() const { return steps_taken_; }
  // Map element of the last cell evaluated, -1 when none.
  int cell() const { return cell_; }

 private:
  struct Decision {
    std::uint8_t status;
    int cell;  // element 15 * row + column, -1 when nothing is to be tuned
  };
  Decision Evaluate(const EngineModel& engine, const model::ParameterImage& image) const;

  AutotuneSettings settings_;
  int since_request_ms_ = 0;
  int since_step_ms_ = 0;
  std::uint8_t status_ = kTuneOff;
  int steps_taken_ = 0;
  int cell_ = -1;
};

}  // namespace morvek::sim
