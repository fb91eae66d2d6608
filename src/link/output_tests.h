#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace morvek::link {

// The 21 buttons of "Test Outs", in the order of their request bits.
enum class OutputTest : std::uint8_t {
  kJet1A,
  kJet2A,
  kJet3A,
  kJet4A,
  kJet1B,
  kJet2B,
  kJet3B,
  kJet4B,
  kIgn1,
  kIgn2,
  kIgn3,
  kIgn4,
  kPilotLight,
  kFuelPump,
  kCooling,
  kGas,
  kRpm,
  kServoInPlus,
  kServoInMinus,
  kServoExPlus,
  kServoExMinus,
  kCount
};
inline constexpr int kOutputTestCount = static_cast<int>(OutputTest::kCount);
inline constexpr int kOutputTestFlagBytes = 4;

struct OutputTestButton {
  OutputTest test;
  std::string_view name;     // the button's control name
  std::string_view caption;  // its caption
  int flag_byte;             // 0..3: monitor request bytes 20..23
  int bit;
};

std::span<const OutputTestButton> OutputTestButtons();

// The requests of the test buttons. A press only records a bit; the bits travel in the next
// monitor request and are then forgotten, so every press asks for exactly one test action.
class OutputTestFlags {
 public:
  using Bytes = std::array<std::uint8_t, kOutputTestFlagBytes>;

  void Press(OutputTest test);
  // ButtonTestClick: the press of the button with this control name. Returns false (and
  // changes nothing) for any other name.
  bool PressButton(std::string_view name);

  const Bytes& pending() const { return flags_; }
  // The flags for one monitor request; they are cleared.
  Bytes Take();

 private:
  Bytes flags_{};
};

}  // namespace morvek::link
