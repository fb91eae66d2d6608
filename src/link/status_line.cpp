#include "link/status_line.h"

#include <utility>

namespace morvek::link {

void StatusLine::ShowMessage(std::string text) {
  state_.colour = Colour::kButtonFace;
  state_.text = std::move(text);
  state_.label_visible = true;
  hold_ticks_ = kMessageHoldTicks;
}

void StatusLine::ShowFailure(std::string text) {
  ShowMessage(std::move(text));
  state_.colour = Colour::kRed;
}

void StatusLine::ShowStamp(std::string text) {
  ShowMessage(std::move(text));
  state_.colour = Colour::kWhite;
  state_.gauge_visible = false;
}

void StatusLine::Hide() {
  state_.label_visible = false;
  state_.gauge_visible = false;
}

bool StatusLine::CountDown() {
  if (hold_ticks_ == 0) return false;
  if (--hold_ticks_ != 0) return false;
  Hide();
  return true;
}

}  // namespace morvek::link
