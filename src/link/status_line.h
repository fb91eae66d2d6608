#pragma once

#include <string>

#include "link/colour.h"

namespace morvek::link {

inline constexpr int kMessageHoldTicks = 200;
inline constexpr int kProgressMaximum = 10;

// What LabelHlaseni and CGaugeProgram show.
struct StatusLineState {
  std::string text;
  Colour colour = Colour::kButtonFace;
  bool label_visible = false;
  int gauge_value = 0;
  int gauge_max = kProgressMaximum;
  bool gauge_visible = false;
};

// The transaction message line with its progress gauge and the countdown that hides both.
class StatusLine {
 public:
  // Progress and completion texts: button face, held for 200 ticks.
  void ShowMessage(std::string text);
  // Failure texts: red, held for 200 ticks.
  void ShowFailure(std::string text);
  // A stamp on white (the print stamp), held for 200 ticks; the gauge is hidden.
  void ShowStamp(std::string text);
  // Replaces the text without touching colour, visibility or the countdown.
  void SetText(std::string text) { state_.text = std::move(text); }
  void Hide();

  void SetProgress(int value) { state_.gauge_value = value; }
  void SetProgressToMax() { state_.gauge_value = state_.gauge_max; }
  void ShowGauge() { state_.gauge_visible = true; }

  int hold_ticks() const { return hold_ticks_; }
  void set_hold_ticks(int ticks) { hold_ticks_ = ticks; }
  // One tick of the countdown. Returns true when it ran out in this tick (both are hidden).
  bool CountDown();

  const StatusLineState& state() const { return state_; }

 private:
  StatusLineState state_;
  int hold_ticks_ = 0;
};

}  // namespace morvek::link
