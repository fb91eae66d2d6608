#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes.h"
#include "link/session.h"
#include "model/parameter_image.h"
#include "test_controller.h"

namespace morvek::link::testing {

class SessionFixture : public ::testing::Test {
 protected:
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) session.Tick();
  }
  // Ticks until the transaction has ended (at most limit ticks); returns the ticks taken.
  int RunTransaction(int limit = 400) {
    for (int i = 1; i <= limit; ++i) {
      session.Tick();
      if (session.transaction_mode() == TransactionMode::kNone) return i;
    }
    return -1;
  }
  // Command bytes written, without the monitor requests.
  std::vector<int> PageCodes() const {
    std::vector<int> codes;
    for (int code : transport.Codes())
      if (code != 0x30) codes.push_back(code);
    return codes;
  }
  static std::vector<int> Range(int first, int last) {
    std::vector<int> codes;
    for (int c = first; c <= last; ++c) codes.push_back(c);
    return codes;
  }
  static std::vector<int> Concat(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
  void FillImage(int seed) {
    for (int b = 0; b < model::kImageSize; ++b)
      image.SetByte(b, static_cast<std::uint8_t>(b * 13 + seed));
  }
  void FillControllerPages(int seed) {
    for (int p = 1; p <= 9; ++p)
      for (int k = 0; k < 150; ++k)
        controller.pages[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>((150 * (p - 1) + k) * 13 + seed);
  }

  FakeTransport transport;
  TestController controller{transport};
  model::ParameterImage image;
  model::PageProgramFlags flags;
  RecordingOwner owner;
  Session session{transport, image, flags, owner};
};

}  // namespace morvek::link::testing
