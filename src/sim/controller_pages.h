#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/parameter_image.h"

namespace morvek::sim {

inline constexpr int kDefaultProtocolVersion = 84;

// What the controller says about itself on device page 0.
struct Identification {
  std::string code = "TVN";  // three characters
  int number = 12;           // shown as two digits after the code
  std::string name;          // optional long name (at most 30 characters); replaces code+number
  int day = 14;
  int month = 3;  // 1..12
  int year = 2025;
  int hour = 10;
  int minute = 42;
  int protocol_version = kDefaultProtocolVersion;
};

// The controller sends its program's month as the byte sum of the English three-letter
// abbreviation ("Jan" -> 281 -> 25). Months outside 1..12 give 0.
std::uint8_t MonthCode(int month);

// Payload of device page 0 for the given identification.
std::array<std::uint8_t, model::kPageSize> BuildIdentificationPage(const Identification& id);

// The controller's parameter memory: page 0 (identification) and the nine parameter pages.
class ControllerPages {
 public:
  using Page = std::array<std::uint8_t, model::kPageSize>;

  ControllerPages() = default;
  ControllerPages(const Identification& id, const model::ParameterImage& image);

  // Pages 0..9; any other number gives an empty span.
  std::span<const std::uint8_t> PageBytes(int page) const;
  // Stores a parameter page (1..9) exactly as given; page 0 and unknown pages are refused.
  bool StorePage(int page, std::span<const std::uint8_t, model::kPageSize> payload);

  void SetIdentification(const Identification& id);
  const model::ParameterImage& image() const { return image_; }
  // Direct access for the controller's own changes (autotune).
  model::ParameterImage& mutable_image() { return image_; }
  // True when every parameter byte is zero: a controller that was never programmed.
  bool IsBlank() const;

 private:
  Page identification_{};
  model::ParameterImage image_;
};

}  // namespace morvek::sim
