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
  // Each programmed page starts a saving at this counter (0: it stores at once and reports
  // none). Only a finished saving puts the pages into the memory a power cycle keeps.
  int save_start = 0;
  int programming_count = 0;  // reported as word 76; one more for each finished saving
  std::array<std::array<std::uint8_t, 150>, 10> kept{};
  int kept_count = 0;

  // Switched off and on: what it had stored, no saving under way.
  void PowerCycle() {
    pages = kept;
    pages[0][10] = 84;
    saving_counter = 0;
    programming_count = kept_count;
  }
  void KeepPages() {
    kept = pages;
    kept_count = programming_count;
  }

 private:
  void Answer(const DeviceFrame& request) {
    if (silent) return;
    DeviceFrame reply;
    if (request.code() == 0x30) {
      reply.set_code(0xB0);
      reply.bytes()[148] = static_cast<std::uint8_t>(saving_counter & 0xFF);
      reply.bytes()[149] = static_cast<std::uint8_t>(saving_counter >> 8);
      reply.bytes()[150] = static_cast<std::uint8_t>(monitor_version);
      reply.bytes()[76] = static_cast<std::uint8_t>(programming_count & 0xFF);
      reply.bytes()[77] = static_cast<std::uint8_t>(programming_count >> 8);
      if (saving_counter > 0) {
        saving_counter = saving_counter > saving_step ? saving_counter - saving_step : 0;
        if (saving_counter == 0) {
          ++programming_count;
          KeepPages();
        }
      }
    } else {
      const int page = request.code() & 0x3F;
      const bool read = (request.code() & 0x40) != 0;
      if (page > 9) return;
      if (!read && page != 0) {
        for (int k = 0; k < 150; ++k)
          pages[static_cast<std::size_t>(page)][static_cast<std::size_t>(k)] = request.payload(k);
        if (save_start > 0) {
          saving_counter = save_start;
        } else {
          ++programming_count;
          KeepPages();
        }
      }
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
