#include "link/frame_builder.h"

#include <algorithm>
#include <array>
#include <utility>

#include "model/field_table.h"

namespace morvek::link {
namespace {

using model::FieldId;

// Where each TUNING parameter travels in the monitor request (frame byte, field).
constexpr std::array<std::pair<int, FieldId>, 9> kTuningBytes{{
    {2, FieldId::kTuningMode},
    {4, FieldId::kTuningLambda},
    {6, FieldId::kTuningHysteresis},
    {7, FieldId::kTuningRpmTol},
    {8, FieldId::kTuningTpsTol},
    {9, FieldId::kTuningStepTime},
    {10, FieldId::kTuningStep},
    {12, FieldId::kTuningChannel},
    {13, FieldId::kTuningMaxAcc},
}};

constexpr int kAutotuneOnByte = 1;
constexpr int kTestFlagsFirstByte = 20;

}  // namespace

DeviceFrame BuildPageFrame(std::uint8_t command, const model::ParameterImage& image,
                           bool zero_payload) {
  const int page = command & kPageMask;
  DeviceFrame frame;
  frame.set_code(command);
  if (!zero_payload && page >= model::kFirstImagePage && page <= model::kLastImagePage) {
    const auto source = image.Page(page);
    std::copy(source.begin(), source.end(), frame.Payload().begin());
  }
  frame.Seal();
  return frame;
}

DeviceFrame BuildMonitorRequest(const model::ParameterImage& image, bool autotune_on,
                                const OutputTestFlags::Bytes& test_flags) {
  DeviceFrame frame;
  frame.set_code(kCmdMonitor);
  auto& bytes = frame.bytes();
  if (autotune_on) {
    bytes[kAutotuneOnByte] = 1;
    // The image fields are single bytes, so each value travels exactly as stored.
    for (const auto& [offset, field] : kTuningBytes)
      bytes[static_cast<std::size_t>(offset)] =
          static_cast<std::uint8_t>(model::Stored(image, field));
  }
  for (int k = 0; k < kOutputTestFlagBytes; ++k)
    bytes[static_cast<std::size_t>(kTestFlagsFirstByte + k)] =
        test_flags[static_cast<std::size_t>(k)];
  frame.Seal();
  return frame;
}

std::uint8_t TuningCommand(int channel, int second) {
  const int page = std::min(3 + 2 * channel + second, static_cast<int>(kPageMask));
  return static_cast<std::uint8_t>(kCmdReadBit | page);
}

}  // namespace morvek::link
