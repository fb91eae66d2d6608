#include "sim/sim_autotune.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/field_table.h"
#include "model/map_geometry.h"

namespace morvek::sim {
namespace {

using model::FieldId;

// Frame bytes of the tuning parameters in the monitor request.
int RequestByte(const link::DeviceFrame& request, int frame_byte) {
  return request.bytes()[static_cast<std::size_t>(frame_byte)];
}

}  // namespace

AutotuneSettings AutotuneSettings::FromMonitorRequest(const link::DeviceFrame& request) {
  AutotuneSettings s;
  s.on = RequestByte(request, 1) == 1;
  s.mode = RequestByte(request, 2);
  s.lambda = RequestByte(request, 4);
  s.hysteresis = RequestByte(request, 6);
  s.rpm_tol = RequestByte(request, 7);
  s.tps_tol = RequestByte(request, 8);
  s.step_time = RequestByte(request, 9);
  s.step = RequestByte(request, 10);
  s.channel = RequestByte(request, 12);
  s.max_acc = RequestByte(request, 13);
  return s;
}

void SimAutotune::OnMonitorRequest(const AutotuneSettings& settings) {
  if (!active() && settings.on) since_step_ms_ = 0;
  settings_ = settings;
  since_request_ms_ = 0;
}

void SimAutotune::OnPageRequest(std::uint8_t command) {
  const int first_page = 3 + 2 * settings_.channel;
  const bool tuning_read =
      (command & link::kCmdReadBit) != 0 &&
      ((command & link::kPageMask) == first_page || (command & link::kPageMask) == first_page + 1);
  if (!tuning_read) settings_.on = false;
}

SimAutotune::Decision SimAutotune::Evaluate(const EngineModel& engine,
                                            const model::ParameterImage& image) const {
  if (!active()) return {kTuneOff, -1};
  const EngineState& s = engine.state();
  if (!s.running || s.rpm < 1) return {kTuneRpmZero, -1};
  if (settings_.channel != 1 && settings_.channel != 2) return {kTuneOff, -1};
  // Map 2A follows map 1A in the program when the maps are coupled or the same.
  if (settings_.channel == 2 && model::Stored(image, FieldId::kJet1MiscMode) != 0)
    return {kTuneCoupled, -1};
  if (s.acc_corr_percent > settings_.max_acc) return {kTuneAccelerationTooBig, -1};

  const FieldId axis_id = settings_.channel == 1 ? FieldId::kRpmJet1A : FieldId::kRpmJet2A;
  const double tol_rpm = settings_.rpm_tol * 10.0;
  const double first = model::Shown(image, axis_id, 0);
  const double last = model::Shown(image, axis_id, model::kMapColumns - 1);
  if (s.rpm < first - tol_rpm) return {kTuneRpmBelowFirstPoint, -1};
  if (s.rpm > last + tol_rpm) return {kTuneRpmAboveLastPoint, -1};

  int column = 0;
  double column_distance = 1e9;
  for (int c = 0; c < model::kMapColumns; ++c) {
    const double d = std::abs(s.rpm - model::Shown(image, axis_id, c));
    if (d < column_distance) {
      column_distance = d;
      column = c;
    }
  }
  int row = 0;
  double row_distance = 1e9;
  for (int r = 0; r < model::kMapRows; ++r) {
    const double d =
        std::abs(s.tps_percent - model::kMapRowTps[static_cast<std::size_t>(r)] / 10.0);
    if (d < row_distance) {
      row_distance = d;
      row = r;
    }
  }
  // Mode "points" tunes only near a grid point; mode "all" always tunes the nearest cell.
  if (settings_.mode == 0 && (column_distance > tol_rpm || row_distance > settings_.tps_tol))
    return {kTuneNotInPoint, -1};

  const EngineOutputs out = engine.Evaluate(image);
  if (!out.lambda_in_range) return {kTuneLambdaError, -1};
  const int cell = model::MapElement(row, column);
  if (out.lambda_af10 > settings_.lambda + settings_.hysteresis) return {kTuneAdding, cell};
  if (out.lambda_af10 < settings_.lambda - settings_.hysteresis) return {kTuneDecreasing, cell};
  return {kTuneOk, cell};
}

void SimAutotune::Advance(int ms, const EngineModel& engine, model::ParameterImage& image) {
  since_request_ms_ = std::min(since_request_ms_ + ms, kKeepAliveMs);
  const Decision d = Evaluate(engine, image);
  status_ = d.status;
  cell_ = d.cell;
  if (!active()) return;
  since_step_ms_ += ms;
  const int step_ms = std::max(10, settings_.step_time * 10);
  if (since_step_ms_ < step_ms) return;
  since_step_ms_ = 0;
  if (d.status != kTuneAdding && d.status != kTuneDecreasing) return;

  const FieldId map = settings_.channel == 1 ? FieldId::kJet1A : FieldId::kJet2A;
  const int before = model::Stored(image, map, d.cell);
  // At least one microsecond per step, so small cells and small steps still move.
  const int delta = std::max(1, before * settings_.step / 100);
  const int after = d.status == kTuneAdding ? std::min(before + delta, model::GetField(map).max)
                                            : std::max(before - delta, 0);
  model::SetStored(image, map, d.cell, after);
  ++steps_taken_;
}

}  // namespace morvek::sim
