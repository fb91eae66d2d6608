#include "link/output_tests.h"

namespace morvek::link {
namespace {

using T = OutputTest;

constexpr std::array<OutputTestButton, kOutputTestCount> kButtons{{
    {T::kJet1A, "ButtonTestJet1A", "Injector 1A", 0, 0},
    {T::kJet2A, "ButtonTestJet2A", "Injector 2A", 0, 1},
    {T::kJet3A, "ButtonTestJet3A", "Injector 3A", 0, 2},
    {T::kJet4A, "ButtonTestJet4A", "Injector 4A", 0, 3},
    {T::kJet1B, "ButtonTestJet1B", "Injector 1B", 0, 4},
    {T::kJet2B, "ButtonTestJet2B", "Injector 2B", 0, 5},
    {T::kJet3B, "ButtonTestJet3B", "Injector 3B", 0, 6},
    {T::kJet4B, "ButtonTestJet4B", "Injector 4B", 0, 7},
    {T::kIgn1, "ButtonTestIgn1", "Ignition 1", 1, 0},
    {T::kIgn2, "ButtonTestIgn2", "Ignition 2", 1, 1},
    {T::kIgn3, "ButtonTestIgn3", "Ignition 3", 1, 2},
    {T::kIgn4, "ButtonTestIgn4", "Ignition 4", 1, 3},
    {T::kPilotLight, "ButtonTestPilotLight", "Pilot light", 2, 0},
    {T::kFuelPump, "ButtonTestFuelPump", "Fuel pump", 2, 1},
    {T::kCooling, "ButtonTestCooling", "Cooling", 2, 2},
    {T::kGas, "ButtonTestGas", "Gas", 2, 3},
    {T::kRpm, "ButtonTestRpm", "Rpm", 2, 4},
    {T::kServoInPlus, "ButtonTestServoInPlus", "Intake servo plus", 3, 0},
    {T::kServoInMinus, "ButtonTestServoInMinus", "Intake servo minus", 3, 1},
    {T::kServoExPlus, "ButtonTestServoExPlus", "Exhaust servo plus", 3, 2},
    {T::kServoExMinus, "ButtonTestServoExMinus", "Exhaust servo minus", 3, 3},
}};

}  // namespace

std::span<const OutputTestButton> OutputTestButtons() { return kButtons; }

void OutputTestFlags::Press(OutputTest test) {
  const auto index = static_cast<std::size_t>(test);
  if (index >= kButtons.size()) return;
  const OutputTestButton& button = kButtons[index];
  flags_[static_cast<std::size_t>(button.flag_byte)] |= static_cast<std::uint8_t>(1u << button.bit);
}

bool OutputTestFlags::PressButton(std::string_view name) {
  for (const OutputTestButton& button : kButtons) {
    if (button.name == name) {
      Press(button.test);
      return true;
    }
  }
  return false;
}

OutputTestFlags::Bytes OutputTestFlags::Take() {
  const Bytes taken = flags_;
  flags_.fill(0);
  return taken;
}

}  // namespace morvek::link
