#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/parameter_image.h"

namespace morvek::link {

// Device page 0 as the controller sends it: identification, program date and time, protocol
// version. Kept apart from the parameter image.
using IdentificationArea = std::array<std::uint8_t, model::kPageSize>;

inline constexpr int kIdentificationVersionByte = 10;

// The three texts of LabelVerze1..3 and the protocol version. The identification keeps the
// controller's 8-bit characters as they came, like every other text of the controller and the
// parameter files: a file saved with it carries the same bytes, and the window converts them
// with the code page of its language.
struct IdentificationTexts {
  std::string identification;  // up to 30 characters
  std::string date;            // DD.MM.20YY, day and month space-padded
  std::string time;            // HH:MM
  int version = 0;
};

// The two month characters of a month code (sum of the three-letter English abbreviation's
// character codes modulo 256); "00" for an unknown code.
std::string MonthText(std::uint8_t code);

IdentificationTexts DecodeIdentificationPage(std::span<const std::uint8_t, model::kPageSize> page);

}  // namespace morvek::link
