#pragma once

#include <cstdint>

#include "link/device_frame.h"
#include "model/parameter_image.h"
#include "sim/engine_model.h"

namespace morvek::sim {

// Controller facts that the monitor frame carries besides the engine's values.
struct MonitorExtras {
  std::uint8_t autotune_status = 2;
  int saving_counter = 0;
  int programming_count = 0;
  int protocol_version = 84;
  bool data_error = false;       // the parameter pages are blank
  bool tests_inhibited = false;  // output tests refused while the motorcycle moves
  std::array<int, 8> test_values{};
};

// The reply 0xB0 to a monitor request, sealed.
link::DeviceFrame BuildMonitorFrame(const EngineState& state, const EngineOutputs& out,
                                    const model::ParameterImage& image,
                                    const MonitorExtras& extras);

}  // namespace morvek::sim
