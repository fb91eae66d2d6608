#pragma once

#include <cstdint>

#include "link/device_frame.h"
#include "link/output_tests.h"
#include "model/parameter_image.h"

namespace morvek::link {

// The page frame of a command: image page (command AND 0x3F) as payload, or 150 zero bytes
// for page 0, for a page outside the image, and while reading (zero_payload).
DeviceFrame BuildPageFrame(std::uint8_t command, const model::ParameterImage& image,
                           bool zero_payload);

// The monitor request 0x30: with autotune on, byte 1 = 1 and the TUNING parameters in bytes
// 2..13; the output-test flags in bytes 20..23; everything else zero.
DeviceFrame BuildMonitorRequest(const model::ParameterImage& image, bool autotune_on,
                                const OutputTestFlags::Bytes& test_flags);

// The autotune page request of a channel: read of device page 3 + 2 * channel + second.
// A page that a command byte cannot carry is sent as page 63, which no reply is accepted for.
std::uint8_t TuningCommand(int channel, int second);

}  // namespace morvek::link
