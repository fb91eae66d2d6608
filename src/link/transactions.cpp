#include "link/transactions.h"

#include <algorithm>

#include "link/link_texts.h"

namespace morvek::link {
namespace {

using i18n::TextId;

constexpr std::uint8_t kCmdVerifyPage1 = kCmdReadBit | 1;
constexpr int kPayloadByteNeverVerified = 1;  // image byte 1, reserved

}  // namespace

std::string Transactions::Text(TextId id) const { return LinkText(id, c_.language); }

void Transactions::Read() {
  Begin(TransactionMode::kRead);
  c_.state.current_command = kCmdReadPage0;
  c_.state.attempt_counter = 0;
  c_.status.ShowMessage(Text(TextId::MsgRead));
  c_.status.SetProgress(0);
  c_.status.ShowGauge();
  c_.owner.ClearCurrentFileName();
  c_.state.done = false;
}

void Transactions::Verify() {
  c_.owner.CollectActivePage();
  c_.owner.RunLimitsPass();
  c_.owner.RefreshActivePage();
  Begin(TransactionMode::kVerify);
  c_.state.current_command = kCmdVerifyPage1;
  c_.state.attempt_counter = 0;
  c_.status.ShowMessage(Text(TextId::MsgVerify));
  c_.state.done = false;
  c_.status.SetProgress(0);
  c_.status.ShowGauge();
}

void Transactions::Program() {
  c_.owner.CollectActivePage();
  c_.owner.RunLimitsPass();
  c_.owner.RefreshActivePage();
  verify_after_program_ = true;
  c_.program_flags.SetAll();
  StartProgramming();
}

void Transactions::StartProgramming() {
  const int page = c_.program_flags.Lowest();
  if (page < 0) return;
  c_.state.current_command = static_cast<std::uint8_t>(kCmdProgramPage0 + page);
  c_.state.attempt_counter = 0;
  c_.status.SetProgress(page);
  Begin(TransactionMode::kProgram);
  c_.status.ShowMessage(Text(TextId::MsgProgramDevice));
  c_.status.ShowGauge();
  c_.state.done = false;
}

void Transactions::Begin(TransactionMode mode) {
  c_.state.transaction_mode = mode;
  // An autotune cycle cut short by the transaction is over: a late reply to its page request
  // must not be taken, after the transaction, as the cycle's page and copied into the image.
  c_.state.tuning_phase = 0;
}

bool Transactions::Accepts(const DeviceFrame& frame) const {
  const int page = c_.state.current_command & kPageMask;
  return frame.IsValid() && page <= model::kLastImagePage &&
         frame.code() == ReplyCodeOf(c_.state.current_command);
}

void Transactions::HandlePageReply(const DeviceFrame& frame) {
  const int page = c_.state.current_command & kPageMask;
  switch (c_.state.transaction_mode) {
    case TransactionMode::kRead:
      HandleRead(frame, page);
      break;
    case TransactionMode::kProgram:
      HandleProgram(frame, page);
      break;
    case TransactionMode::kVerify:
      HandleVerify(frame, page);
      break;
    case TransactionMode::kNone:
      break;
  }
}

void Transactions::Supervise() {
  LinkState& s = c_.state;
  const TransactionMode mode = s.transaction_mode;
  if (++s.tick_counter >= kResendTicks) {
    s.tick_counter = 0;
    if (++s.attempt_counter <= kMaxSends) {
      c_.sender.SendPageFrame();
    } else {
      const TextId failure = mode == TransactionMode::kProgram  ? TextId::MsgProgramError
                             : mode == TransactionMode::kVerify ? TextId::MsgVerifyError
                                                                : TextId::MsgReadError;
      c_.status.ShowFailure(Text(failure));
      s.transaction_mode = TransactionMode::kNone;
      if (mode == TransactionMode::kVerify) s.done = false;
    }
  }
  if (mode == TransactionMode::kRead) s.done = false;
}

void Transactions::ReceiveIdentification(const DeviceFrame& frame) {
  const auto payload = frame.Payload();
  std::copy(payload.begin(), payload.end(), identification_area_.begin());
  identification_ = DecodeIdentificationPage(identification_area_);
}

void Transactions::EndWithVersionMismatch() {
  c_.state.transaction_mode = TransactionMode::kNone;
  c_.message_boxes.push_back(UnmatchedVersionText(c_.language, identification_.version));
  // The line keeps what it shows; the countdown does not hide it.
  c_.status.set_hold_ticks(0);
}

void Transactions::RequestPage(std::uint8_t command, int progress) {
  c_.state.current_command = command;
  c_.status.SetProgress(progress);
  c_.state.attempt_counter = 1;
  c_.sender.SendPageFrame();
}

void Transactions::StartVerifyPass() {
  c_.state.transaction_mode = TransactionMode::kVerify;
  RequestPage(kCmdVerifyPage1, 0);
  c_.status.ShowMessage(Text(TextId::MsgVerify));
}

void Transactions::HandleRead(const DeviceFrame& frame, int page) {
  if (page == 0) {
    ReceiveIdentification(frame);
    if (identification_.version != model::kProgramVersion) {
      c_.owner.RunLimitsPass();
      c_.owner.RefreshActivePage();
      EndWithVersionMismatch();
      return;
    }
  } else {
    const auto payload = frame.Payload();
    std::copy(payload.begin(), payload.end(), c_.image.Page(page).begin());
    c_.owner.PagesArrived();
  }
  if (page < model::kLastImagePage) {
    RequestPage(static_cast<std::uint8_t>(c_.state.current_command + 1), page + 1);
    return;
  }
  c_.owner.RunLimitsPass();
  c_.owner.RefreshActivePage();
  StartVerifyPass();
}

void Transactions::HandleProgram(const DeviceFrame& frame, int page) {
  bool confirmed = true;
  if (page == 0) {
    ReceiveIdentification(frame);
    c_.owner.RunLimitsPass();
    c_.owner.RefreshActivePage();
    if (identification_.version != model::kProgramVersion) {
      EndWithVersionMismatch();
      return;
    }
  } else {
    const auto payload = frame.Payload();
    const auto stored = c_.image.Page(page);
    confirmed = std::equal(payload.begin(), payload.end(), stored.begin());
  }
  // A page stays flagged until the controller confirms it: a page whose program failed must
  // still be sent by the next programming, or the controller would keep the old page while
  // later programmings report success.
  if (!confirmed) return;  // the tick loop sends the same page again
  c_.program_flags.Clear(page);

  const int next = c_.program_flags.Lowest();
  if (next >= 0) {
    RequestPage(static_cast<std::uint8_t>(kCmdProgramPage0 + next), next);
    return;
  }
  c_.state.done = true;
  if (verify_after_program_) {
    StartVerifyPass();
    return;
  }
  c_.status.SetProgressToMax();
  c_.status.ShowMessage(Text(TextId::MsgProgramDevice) + " OK");
  c_.state.transaction_mode = TransactionMode::kNone;
}

void Transactions::HandleVerify(const DeviceFrame& frame, int page) {
  if (page < model::kFirstImagePage) return;
  const auto payload = frame.Payload();
  const auto stored = c_.image.Page(page);
  for (int k = 0; k < model::kPageSize; ++k) {
    if (page == 1 && k == kPayloadByteNeverVerified) continue;
    if (payload[static_cast<std::size_t>(k)] != stored[static_cast<std::size_t>(k)]) return;
  }
  if (page < model::kLastImagePage) {
    RequestPage(static_cast<std::uint8_t>(c_.state.current_command + 1), page + 1);
    return;
  }
  verify_after_program_ = false;
  // The controller holds every page the image holds: nothing is left to program.
  for (int p = model::kFirstImagePage; p <= model::kLastImagePage; ++p) c_.program_flags.Clear(p);
  c_.status.SetProgressToMax();
  c_.status.ShowMessage(Text(TextId::MsgVerify) + " OK");
  c_.state.transaction_mode = TransactionMode::kNone;
}

}  // namespace morvek::link
