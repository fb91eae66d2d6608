#include "link/device_frame.h"

#include <algorithm>

namespace morvek::link {

DeviceFrame DeviceFrame::Make(std::uint8_t code, std::span<const std::uint8_t> payload) {
  DeviceFrame frame;
  frame.set_code(code);
  std::copy_n(payload.begin(), std::min<std::size_t>(payload.size(), kPayloadSize),
              frame.bytes_.begin() + 1);
  frame.Seal();
  return frame;
}

std::uint8_t DeviceFrame::ComputeChecksum() const {
  std::uint8_t sum = 0xFF;
  for (int i = 0; i < kChecksumOffset; ++i) sum ^= bytes_[static_cast<std::size_t>(i)];
  return sum;
}

}  // namespace morvek::link
