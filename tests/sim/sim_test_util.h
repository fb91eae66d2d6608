#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "link/device_frame.h"
#include "model/field_table.h"
#include "model/parameter_image.h"
#include "sim/controller_model.h"

namespace morvek::sim::testing {

// 0xFF XOR all 152 bytes must be 0.
inline bool ChecksumOk(const link::DeviceFrame::Bytes& bytes) {
  std::uint8_t sum = 0xFF;
  for (std::uint8_t b : bytes) sum ^= b;
  return sum == 0;
}

// A request frame built byte by byte: code, payload bytes at frame offsets, checksum.
inline link::DeviceFrame Request(std::uint8_t code,
                                 std::initializer_list<std::pair<int, int>> frame_bytes = {}) {
  link::DeviceFrame::Bytes bytes{};
  bytes[0] = code;
  for (auto [offset, value] : frame_bytes)
    bytes[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
  std::uint8_t sum = 0xFF;
  for (int i = 0; i < 151; ++i) sum ^= bytes[static_cast<std::size_t>(i)];
  bytes[151] = sum;
  return link::DeviceFrame(bytes);
}

inline link::DeviceFrame PageRequest(std::uint8_t code, const std::array<std::uint8_t, 150>& page) {
  link::DeviceFrame::Bytes bytes{};
  bytes[0] = code;
  for (int i = 0; i < 150; ++i)
    bytes[static_cast<std::size_t>(i + 1)] = page[static_cast<std::size_t>(i)];
  std::uint8_t sum = 0xFF;
  for (int i = 0; i < 151; ++i) sum ^= bytes[static_cast<std::size_t>(i)];
  bytes[151] = sum;
  return link::DeviceFrame(bytes);
}

inline int FrameWord(const link::DeviceFrame& frame, int offset) {
  return frame.bytes()[static_cast<std::size_t>(offset)] |
         (frame.bytes()[static_cast<std::size_t>(offset + 1)] << 8);
}
inline int FrameByte(const link::DeviceFrame& frame, int offset) {
  return frame.bytes()[static_cast<std::size_t>(offset)];
}

// The autotune part of a monitor request, frame bytes 1..13.
struct TuneRequest {
  int mode = 0, lambda = 130, hysteresis = 2, rpm_tol = 20, tps_tol = 2, step_time = 10, step = 2,
      channel = 1, max_acc = 50;
};
inline link::DeviceFrame MonitorRequest() { return Request(0x30); }
inline link::DeviceFrame MonitorRequest(const TuneRequest& t) {
  return Request(0x30, {{1, 1},
                        {2, t.mode},
                        {4, t.lambda},
                        {6, t.hysteresis},
                        {7, t.rpm_tol},
                        {8, t.tps_tol},
                        {9, t.step_time},
                        {10, t.step},
                        {12, t.channel},
                        {13, t.max_acc}});
}

// A full parameter set built through the field table: rising rpm axes 1000..15000, flat
// injection maps of the given time, a linear lambda sensor 10.0..20.0 A/F, no corrections.
inline model::ParameterImage TestImage(int injection_us = 3000) {
  using model::FieldId;
  model::ParameterImage image;
  for (int c = 0; c < 15; ++c) {
    model::SetShown(image, FieldId::kRpmJet1A, c, 1000 * (c + 1));
    model::SetShown(image, FieldId::kRpmJet2A, c, 1000 * (c + 1));
    model::SetShown(image, FieldId::kRpmAdv, c, 1000 * (c + 1));
  }
  for (int i = 0; i < 150; ++i) {
    model::SetShown(image, FieldId::kJet1A, i, injection_us);
    model::SetShown(image, FieldId::kJet2A, i, injection_us);
    model::SetShown(image, FieldId::kAdvance, i, 20);
  }
  model::SetShown(image, FieldId::kAdvanceMiscTpsMap, 1);
  model::SetShown(image, FieldId::kAdvanceMiscCyl1Corr, 0);
  model::SetShown(image, FieldId::kAdvanceMiscCyl2Corr, 0);
  for (int i = 0; i < 5; ++i) {
    model::SetShown(image, FieldId::kSensorLambdaAf, i, 100 + 25 * i);
    model::SetShown(image, FieldId::kSensorLambdaVoltage, i, 1000 * i);
    model::SetShown(image, FieldId::kInjCorrWater, i, 100);
    model::SetShown(image, FieldId::kInjCorrAir, i, 100);
    model::SetShown(image, FieldId::kAdvanceCorrWater, i, 0);
  }
  model::SetShown(image, FieldId::kLimiterIgnition, 12000);
  model::SetShown(image, FieldId::kLimiterInjection, 12500);
  model::SetShown(image, FieldId::kLimiterRetardRpm, 13000);
  model::SetShown(image, FieldId::kTpsVoltage0, 500);
  model::SetShown(image, FieldId::kTpsVoltage100, 4500);
  return image;
}

inline ControllerConfig SteadyConfig(const model::ParameterImage& image, int rpm, int tps) {
  ControllerConfig config;
  config.pages = image;
  config.scenario.kind = ScenarioKind::kSteady;
  config.scenario.steady_rpm = rpm;
  config.scenario.steady_tps_percent = tps;
  config.scenario.start_coolant_c = 85;  // warm: no cold enrichment in play
  return config;
}

// Long enough after the start for the engine's after-start enrichment to have faded.
inline constexpr int kSettledMs = 40000;

// Advances the controller in 55 ms ticks.
inline void RunMs(ControllerModel& controller, int ms) {
  for (int t = 0; t < ms; t += 55) controller.Advance(55);
}

}  // namespace morvek::sim::testing
