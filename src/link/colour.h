#pragma once

#include <cstdint>

namespace morvek::link {

// The colours the link hands to the window. Button face, window and desktop are the platform's
// system colours; the others are pure colours.
enum class Colour : std::uint8_t {
  kButtonFace,
  kWindow,
  kDesktop,
  kBlack,
  kWhite,    // 255, 255, 255
  kRed,      // 255, 0, 0
  kLime,     // 0, 255, 0
  kYellow,   // 255, 255, 0
  kBlue,     // 0, 0, 255
  kFuchsia,  // 255, 0, 255
  kAqua,     // 0, 255, 255
};

}  // namespace morvek::link
