#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace morvek::model {

inline constexpr int kImageSize = 1350;
inline constexpr int kPageSize = 150;
inline constexpr int kImageWords = kImageSize / 2;
// Device pages 1..9 form the image; page 0 is the controller's identification page.
inline constexpr int kDevicePageCount = 10;
inline constexpr int kFirstImagePage = 1;
inline constexpr int kLastImagePage = 9;
// The protocol and parameter-file version this program speaks.
inline constexpr int kProgramVersion = 84;

// The controller's nine configuration pages as one block of bytes, also addressed as
// little-endian 16-bit words over the same storage (word w = bytes 2w, 2w+1).
class ParameterImage {
 public:
  using Bytes = std::array<std::uint8_t, kImageSize>;

  std::uint8_t Byte(int b) const { return bytes_[static_cast<std::size_t>(b)]; }
  void SetByte(int b, std::uint8_t value) { bytes_[static_cast<std::size_t>(b)] = value; }

  std::uint16_t Word(int w) const {
    return static_cast<std::uint16_t>(Byte(2 * w) | (Byte(2 * w + 1) << 8));
  }
  void SetWord(int w, std::uint16_t value) {
    SetByte(2 * w, static_cast<std::uint8_t>(value & 0xFF));
    SetByte(2 * w + 1, static_cast<std::uint8_t>(value >> 8));
  }

  Bytes& bytes() { return bytes_; }
  const Bytes& bytes() const { return bytes_; }

  // Device page p (1..9): image bytes 150*(p-1) .. 150*p-1.
  std::span<std::uint8_t, kPageSize> Page(int p) {
    return std::span<std::uint8_t, kPageSize>(bytes_.data() + PageFirstByte(p), kPageSize);
  }
  std::span<const std::uint8_t, kPageSize> Page(int p) const {
    return std::span<const std::uint8_t, kPageSize>(bytes_.data() + PageFirstByte(p), kPageSize);
  }

  static constexpr int DevicePageOfByte(int b) { return b / kPageSize + 1; }
  static constexpr int PageFirstByte(int p) { return kPageSize * (p - 1); }
  static constexpr int PageLastByte(int p) { return kPageSize * p - 1; }

  friend bool operator==(const ParameterImage&, const ParameterImage&) = default;

 private:
  Bytes bytes_{};
};

// One flag per device page 0..9: pages still to be programmed into the controller.
class PageProgramFlags {
 public:
  bool Test(int page) const { return flags_[static_cast<std::size_t>(page)]; }
  void Set(int page) { flags_[static_cast<std::size_t>(page)] = true; }
  void Clear(int page) { flags_[static_cast<std::size_t>(page)] = false; }
  void SetAll() { flags_.fill(true); }
  void ClearAll() { flags_.fill(false); }
  void MarkByte(int b) { Set(ParameterImage::DevicePageOfByte(b)); }
  bool Any() const {
    for (bool f : flags_)
      if (f) return true;
    return false;
  }
  // The lowest flagged page, or -1 when none is flagged.
  int Lowest() const {
    for (int p = 0; p < kDevicePageCount; ++p)
      if (flags_[static_cast<std::size_t>(p)]) return p;
    return -1;
  }

 private:
  std::array<bool, kDevicePageCount> flags_{};
};

}  // namespace morvek::model
