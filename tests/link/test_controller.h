#pragma once

#include <array>
#include <cstdint>

#include "fakes.h"
#include "link/device_frame.h"

namespace morvek::link::testing {

// A minimal controller behind a FakeTransport: it answers page requests from its own ten
// pages and monitor requests with a frame carrying its version and save progress.
class TestController {
 public:
  explicit TestController(FakeTransport& transport) : transport_(transport) {
    pages[0][10] = 84;
    transport_.responder = [this](const DeviceFrame& request) { Answer(request); };
  }

  std::array<std::array<std::uint8_t, 150>, 10> pages{};
  bool silent = false;
  int saving_counter = 0;  // reported in monitor frames, then lowered by saving_step
  int saving_step = 0;
  int monitor_version = 84;
  bool corrupt_echo = false;  // program echoes differ from what was sent

 private:
  void Answer(const DeviceFrame& request) {
    if (silent) return;
    DeviceFrame reply;
    if (request.code() == 0x30) {
      reply.set_code(0xB0);
      reply.bytes()[148] = static_cast<std::uint8_t>(saving_counter & 0xFF);
      reply.bytes()[149] = static_cast<std::uint8_t>(saving_counter >> 8);
      reply.bytes()[150] = static_cast<std::uint8_t>(monitor_version);
      saving_counter = saving_counter > saving_step ? saving_counter - saving_step : 0;
    } else {
      const int page = request.code() & 0x3F;
      const bool read = (request.code() & 0x40) != 0;
      if (page > 9) return;
      if (!read && page != 0)
        for (int k = 0; k < 150; ++k)
          pages[static_cast<std::size_t>(page)][static_cast<std::size_t>(k)] = request.payload(k);
      reply.set_code(static_cast<std::uint8_t>(request.code() ^ 0x80));
      for (int k = 0; k < 150; ++k)
        reply.set_payload(k, pages[static_cast<std::size_t>(page)][static_cast<std::size_t>(k)]);
      if (corrupt_echo && !read) reply.set_payload(0, static_cast<std::uint8_t>(~reply.payload(0)));
    }
    reply.Seal();
    transport_.QueueFrame(reply);
  }

  FakeTransport& transport_;
};

}  // namespace morvek::link::testing
