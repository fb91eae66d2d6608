#pragma once

#include "i18n/text_table.h"
#include "link/device_frame.h"
#include "link/live_values.h"
#include "link/monitor_view.h"

namespace morvek::link {

// Frame bytes 1..4 of a monitor frame: inputs, outputs and status flags, in the order of the
// bits. nitrous_enabled shows the nitrous label.
void DecodeMonitorFlags(const DeviceFrame& frame, i18n::Language language, bool nitrous_enabled,
                        MonitorView& view, LiveValues& live);

}  // namespace morvek::link
