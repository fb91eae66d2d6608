#include "link/session.h"

#include <algorithm>

#include "link/link_texts.h"
#include "link/monitor_decoder.h"

namespace morvek::link {

using i18n::TextId;

Session::Session(Transport& transport, model::ParameterImage& image,
                 model::PageProgramFlags& program_flags, SessionOwner& owner)
    : transport_(transport),
      image_(image),
      owner_(owner),
      port_(transport),
      sender_(transport, image, state_, test_flags_),
      transactions_(Transactions::Context{state_, sender_, status_, message_boxes_, image,
                                          program_flags, owner, language_}),
      autotune_(state_, sender_, image, owner) {}

void Session::Start() {
  port_.set_suppress_open_message(false);
  OpenPort();
}

void Session::SetLanguage(i18n::Language language) {
  language_ = language;
  if (link_lost_ || monitor_view_.revision() == 0) WritePlaceholders(monitor_view_, language_);
}

void Session::ChoosePort(int item) {
  if (item < 0 || item >= kComItemCount) return;
  port_.set_com_port_index(item);
  port_.ClosePort();
  port_.set_suppress_open_message(false);
  OpenPort();
}

void Session::OpenPort() {
  const OpenOutcome outcome = port_.OpenPort();
  if (outcome.report_failure) {
    // The system's reason follows on a line of its own, naming the port.
    std::string text = LinkText(TextId::MsgComOpeningError, language_);
    if (!outcome.reason.empty()) text += "\n" + outcome.port_shown + ": " + outcome.reason;
    message_boxes_.push_back(std::move(text));
  }
  if (outcome.skip_to_next_port) reopen_counter_ = kReopenPreload;
}

void Session::Tick() {
  // 1. Take in at most one frame.
  monitor_frame_this_tick_ = false;
  ReceiveFrame();
  // A program ends at once when the device goes away: the watchdog would take 24 ticks more.
  if (transactions_.program_phase() != Transactions::ProgramPhase::kNone && !transport_.IsOpen())
    transactions_.HungUp();
  if (transactions_.program_phase() == Transactions::ProgramPhase::kSaving)
    transactions_.SavingTick({monitor_frame_this_tick_, frame_saving_counter_,
                              frame_programming_count_, transport_.IsOpen(),
                              watchdog_ < kWatchdogLimit});
  // 2. A running transaction repeats its page or fails; 3. otherwise the periodic request.
  if (state_.transaction_mode != TransactionMode::kNone) {
    transactions_.Supervise();
  } else {
    IdleTick();
  }
  // 4. The message countdown.
  if (status_.CountDown()) state_.done = false;
  // 5. and 6. The connection watchdog and the version label.
  SuperviseConnection();
  // 7. The live operating point.
  owner_.UpdateLiveHighlight();
}

void Session::ReceiveFrame() {
  const std::optional<DeviceFrame> frame = port_.ReceiveFrame();
  if (!frame) return;
  if (frame->IsValid()) ++valid_frames_;
  if (frame->code() == kReplyMonitor) {
    HandleMonitorFrame(*frame);
  } else {
    HandlePageReply(*frame);
  }
}

void Session::HandleMonitorFrame(const DeviceFrame& frame) {
  if (frame.IsValid()) {
    // What a running program's saving is judged by, whatever the display shows meanwhile.
    const auto& b = frame.bytes();
    monitor_frame_this_tick_ = true;
    frame_saving_counter_ = b[148] | (b[149] << 8);
    frame_programming_count_ = b[76] | (b[77] << 8);
  }
  if (replaying_) {
    // The controller is still there; only the recorded values are shown.
    if (frame.IsValid()) watchdog_ = 0;
    return;
  }
  if (DecodeIntoDisplay(frame)) watchdog_ = 0;
}

bool Session::ReplayMonitorFrame(const DeviceFrame& frame) {
  return replaying_ && DecodeIntoDisplay(frame);
}

bool Session::DecodeIntoDisplay(const DeviceFrame& frame) {
  const MonitorContext context{language_, extended_monitor_, debug_display_, &image_};
  const int rpm_before = live_.rpm;
  if (!DecodeMonitorFrame(frame, context, monitor_view_, live_)) return false;
  last_monitor_frame_ = frame;
  rpm_before_last_frame_ = rpm_before;
  owner_.MonitorFrameDecoded();
  return true;
}

void Session::HandlePageReply(const DeviceFrame& frame) {
  // A program echo that answers no program request: a request was turned into a write.
  const std::uint8_t code = frame.code();
  const bool echo = code > ReplyCodeOf(kCmdProgramPage0) &&
                    code <= ReplyCodeOf(kCmdProgramPage0 + model::kLastImagePage);
  const bool expected = state_.transaction_mode == TransactionMode::kProgram &&
                        code == ReplyCodeOf(state_.current_command);
  if (echo && !expected && frame.IsValid()) {
    transactions_.StrayProgramEcho(frame);
    watchdog_ = 0;
    return;
  }
  if (!transactions_.Accepts(frame)) return;
  if (state_.transaction_mode == TransactionMode::kNone) {
    // Outside a transaction only the autotune cycle has a page request outstanding; a late
    // echo of a finished transaction must not overwrite the image.
    if (!autotune_.Expecting()) return;
    watchdog_ = 0;
    autotune_.HandlePageReply(frame);
    return;
  }
  watchdog_ = 0;
  transactions_.HandlePageReply(frame);
}

void Session::IdleTick() {
  if (++state_.tick_counter >= kResendTicks) {
    state_.tick_counter = 0;
    if (state_.autotune_on) {
      autotune_.StartCycle();
    } else {
      sender_.SendMonitorRequest();
      state_.tuning_phase = 0;
    }
  }
}

void Session::SuperviseConnection() {
  if (watchdog_ < kWatchdogLimit) {
    ++watchdog_;
    link_lost_ = false;
    no_connection_visible_ = false;
    return;
  }
  link_lost_ = true;
  no_connection_visible_ = !printing_;
  if (++reopen_counter_ >= kReopenTicks) {
    reopen_counter_ = 0;
    port_.ClosePort();
    port_.set_suppress_open_message(true);
    port_.AdvanceAutoIndex();
    OpenPort();
  }
}

ConnectionView Session::connection() const {
  ConnectionView view;
  view.no_connection_visible = no_connection_visible_;
  view.version_visible = !no_connection_visible_;
  view.label_com = port_.label_com();
  view.checked_com_item = port_.checked_item();
  return view;
}

std::vector<std::string> Session::TakeMessageBoxes() {
  std::vector<std::string> boxes(message_boxes_.begin(), message_boxes_.end());
  message_boxes_.clear();
  return boxes;
}

}  // namespace morvek::link
