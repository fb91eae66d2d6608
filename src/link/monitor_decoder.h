#pragma once

#include "i18n/text_table.h"
#include "link/device_frame.h"
#include "link/live_values.h"
#include "link/monitor_view.h"
#include "model/parameter_image.h"

namespace morvek::link {

// What the decoder needs besides the frame.
struct MonitorContext {
  i18n::Language language = i18n::Language::kEnglish;
  bool extended = false;       // "Extended Monitor": raw sensor voltages in the texts
  bool debug_display = false;  // the eight test values are shown
  // LIMITER.ignition scales the rpm bar, LAMBDA_BAR the lambda bar, N2O.enable shows the
  // nitrous state.
  const model::ParameterImage* image = nullptr;
};

// Decodes a monitor frame (reply 0xB0) into the view and the live values. Returns false,
// changing nothing, for a frame with another code or a bad checksum.
bool DecodeMonitorFrame(const DeviceFrame& frame, const MonitorContext& context, MonitorView& view,
                        LiveValues& live);

// The lambda bar: 0 below the beginning, 100 above the ending, linear between. With ending
// equal to beginning a value at that point shows 100.
int LambdaBarValue(int lambda, int beginning, int ending);

}  // namespace morvek::link
