#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace morvek::link {

inline constexpr int kFrameSize = 152;
inline constexpr int kPayloadSize = 150;
inline constexpr int kChecksumOffset = 151;

// Command bytes. Page requests carry the device page in bits 0..5 and the direction in bit 6
// (set = read); bit 7 is clear in every request and set in every reply.
inline constexpr std::uint8_t kCmdMonitor = 0x30;
inline constexpr std::uint8_t kCmdProgramPage0 = 0x00;
inline constexpr std::uint8_t kCmdReadPage0 = 0x40;
inline constexpr std::uint8_t kCmdReadBit = 0x40;
inline constexpr std::uint8_t kPageMask = 0x3F;
inline constexpr std::uint8_t kReplyBit = 0x80;
inline constexpr std::uint8_t kReplyMonitor = 0xB0;

constexpr std::uint8_t ReplyCodeOf(std::uint8_t command) {
  return static_cast<std::uint8_t>(command ^ kReplyBit);
}

// One 152-byte frame, in either direction: code, 150 payload bytes, checksum.
class DeviceFrame {
 public:
  using Bytes = std::array<std::uint8_t, kFrameSize>;

  DeviceFrame() = default;
  explicit DeviceFrame(const Bytes& bytes) : bytes_(bytes) {}
  // A frame with the given code and payload (zeros when shorter), checksum filled in.
  static DeviceFrame Make(std::uint8_t code, std::span<const std::uint8_t> payload = {});

  std::uint8_t code() const { return bytes_[0]; }
  void set_code(std::uint8_t code) { bytes_[0] = code; }
  // Payload byte k is frame byte k + 1.
  std::uint8_t payload(int k) const { return bytes_[static_cast<std::size_t>(k + 1)]; }
  void set_payload(int k, std::uint8_t value) { bytes_[static_cast<std::size_t>(k + 1)] = value; }
  std::span<const std::uint8_t, kPayloadSize> Payload() const {
    return std::span<const std::uint8_t, kPayloadSize>(bytes_.data() + 1, kPayloadSize);
  }
  std::span<std::uint8_t, kPayloadSize> Payload() {
    return std::span<std::uint8_t, kPayloadSize>(bytes_.data() + 1, kPayloadSize);
  }

  // 0xFF XOR frame bytes 0..150.
  std::uint8_t ComputeChecksum() const;
  void Seal() { bytes_[kChecksumOffset] = ComputeChecksum(); }
  // A received frame is valid when 0xFF XOR all 152 bytes is 0.
  bool IsValid() const { return ComputeChecksum() == bytes_[kChecksumOffset]; }

  const Bytes& bytes() const { return bytes_; }
  Bytes& bytes() { return bytes_; }

  friend bool operator==(const DeviceFrame&, const DeviceFrame&) = default;

 private:
  Bytes bytes_{};
};

}  // namespace morvek::link
