// The live display: any frame the line delivers is either a valid monitor frame, decoded
// into bars within their range and texts that are proper UTF-8, or changes nothing at all.
//
// Input: one option byte (language, extended monitor, test values, whether the checksum is
// made valid), the 152 frame bytes, then bytes laid over the parameter image (the rpm and
// lambda bar scales and the nitrous switch come from it).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "link/device_frame.h"
#include "link/monitor_decoder.h"
#include "model/editor.h"

using namespace morvek;

namespace {

bool IsUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    if (c < 0x80) {
      length = 1;
    } else if ((c & 0xE0) == 0xC0) {
      length = 2;
    } else if ((c & 0xF0) == 0xE0) {
      length = 3;
    } else if ((c & 0xF8) == 0xF0) {
      length = 4;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

bool SameView(const link::MonitorView& a, const link::MonitorView& b) {
  for (int l = 0; l < link::kMonitorLabelCount; ++l) {
    const auto& x = a.label(static_cast<link::MonitorLabel>(l));
    const auto& y = b.label(static_cast<link::MonitorLabel>(l));
    if (x.text != y.text || x.colour != y.colour || x.visible != y.visible) return false;
  }
  for (int g = 0; g < link::kMonitorGaugeCount; ++g) {
    const auto& x = a.gauge(static_cast<link::MonitorGauge>(g));
    const auto& y = b.gauge(static_cast<link::MonitorGauge>(g));
    if (x.value != y.value || x.colour != y.colour) return false;
  }
  return a.revision() == b.revision();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1 + link::kFrameSize) return 0;
  const std::uint8_t options = data[0];
  link::DeviceFrame frame;
  std::copy(data + 1, data + 1 + link::kFrameSize, frame.bytes().begin());
  if ((options & 0x20) != 0) frame.Seal();

  model::Editor editor;
  const std::size_t overlay = std::min<std::size_t>(size - 1 - link::kFrameSize, model::kImageSize);
  for (std::size_t b = 0; b < overlay; ++b)
    editor.image().SetByte(static_cast<int>(b), data[1 + link::kFrameSize + b]);

  link::MonitorContext context;
  context.language = static_cast<i18n::Language>(options & 0x03);
  context.extended = (options & 0x04) != 0;
  context.debug_display = (options & 0x08) != 0;
  context.image = (options & 0x10) != 0 ? &editor.image() : nullptr;

  link::MonitorView view;
  link::LiveValues live;
  live.rpm = 4321;  // something a rejected frame must leave alone
  const link::MonitorView before = view;
  const bool decoded = link::DecodeMonitorFrame(frame, context, view, live);

  const bool acceptable = frame.IsValid() && frame.code() == link::kReplyMonitor;
  FUZZ_CHECK(decoded == acceptable, "a frame was decoded against its code or checksum");
  if (!decoded) {
    FUZZ_CHECK(SameView(view, before) && live.rpm == 4321, "a rejected frame changed the display");
    return 0;
  }
  FUZZ_CHECK(view.revision() == before.revision() + 1, "a decoded frame did not count once");
  for (int g = 0; g < link::kMonitorGaugeCount; ++g) {
    const int value = view.gauge(static_cast<link::MonitorGauge>(g)).value;
    FUZZ_CHECK(value >= 0 && value <= 100, "a bar outside 0..100");
  }
  for (int l = 0; l < link::kMonitorLabelCount; ++l)
    FUZZ_CHECK(IsUtf8(view.label(static_cast<link::MonitorLabel>(l)).text),
               "a label text that is not UTF-8");
  FUZZ_CHECK(live.controller_version == frame.bytes()[150], "the version is not the frame's");
  return 0;
}
