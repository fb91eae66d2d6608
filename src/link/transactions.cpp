#include "link/transactions.h"

#include <algorithm>
#include <vector>

#include "link/link_texts.h"

namespace morvek::link {
namespace {

using i18n::TextId;

constexpr std::uint8_t kCmdVerifyPage1 = kCmdReadBit | 1;
constexpr int kPayloadByteNeverVerified = 1;  // image byte 1, reserved

}  // namespace

std::string Transactions::Text(TextId id) const { return LinkText(id, c_.language); }

void Transactions::AbandonCopyRead() {
  copy_target_ = nullptr;
  copy_read_ = CopyRead::kNone;
}

void Transactions::Read() {
  StartRead();
  started_as_ = TransactionMode::kRead;
  c_.owner.ClearCurrentFileName();
}

void Transactions::ReadCopy(model::ParameterImage& target) {
  StartRead();
  // A copy is compared, not taken over: it leaves no restore point of the screen's image.
  started_as_ = TransactionMode::kNone;
  // The same transaction, landing elsewhere; the file name on screen still names the image.
  copy_target_ = &target;
  copy_read_ = CopyRead::kRunning;
}

void Transactions::StartRead() {
  AbandonCopyRead();
  mismatch_page_ = 0;
  Begin(TransactionMode::kRead);
  c_.state.current_command = kCmdReadPage0;
  c_.state.attempt_counter = 0;
  c_.status.ShowMessage(Text(TextId::MsgRead));
  c_.status.SetProgress(0);
  c_.status.ShowGauge();
  c_.state.done = false;
}

void Transactions::Verify() {
  AbandonCopyRead();
  mismatch_page_ = 0;
  c_.owner.CollectActivePage();
  c_.owner.RunLimitsPass();
  c_.owner.RefreshActivePage();
  started_as_ = TransactionMode::kVerify;
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
  AbandonCopyRead();
  std::vector<int> pages;
  for (int p = model::kFirstImagePage; p <= model::kLastImagePage; ++p)
    if (c_.program_flags.Test(p)) pages.push_back(p);
  started_as_ = TransactionMode::kProgram;
  // A program that starts by asking the controller who it is tells its owner once the answer
  // is in, so that what is kept of it names the controller.
  if (page == 0) {
    announced_pages_ = std::move(pages);
  } else {
    announced_pages_.clear();
    c_.owner.ProgrammingStarts(pages);
  }
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
      if (Copying()) {
        copy_target_ = nullptr;
        copy_read_ = CopyRead::kFailed;
      }
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
  if (Copying()) {
    copy_target_ = nullptr;
    copy_read_ = CopyRead::kFailed;
  }
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
  mismatch_page_ = 0;
  c_.state.transaction_mode = TransactionMode::kVerify;
  RequestPage(kCmdVerifyPage1, 0);
  c_.status.ShowMessage(Text(TextId::MsgVerify));
}

void Transactions::HandleRead(const DeviceFrame& frame, int page) {
  if (page == 0) {
    ReceiveIdentification(frame);
    if (identification_.version != model::kProgramVersion) {
      if (!Copying()) {
        c_.owner.RunLimitsPass();
        c_.owner.RefreshActivePage();
      }
      EndWithVersionMismatch();
      return;
    }
  } else {
    const auto payload = frame.Payload();
    std::copy(payload.begin(), payload.end(), Target().Page(page).begin());
    if (!Copying()) c_.owner.PagesArrived();
  }
  if (page < model::kLastImagePage) {
    RequestPage(static_cast<std::uint8_t>(c_.state.current_command + 1), page + 1);
    return;
  }
  // A copy is compared as the controller holds it: no limits pass, nothing on screen.
  if (!Copying()) {
    c_.owner.RunLimitsPass();
    c_.owner.RefreshActivePage();
  }
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
    if (!announced_pages_.empty()) {
      c_.owner.ProgrammingStarts(announced_pages_);
      announced_pages_.clear();
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
  const auto stored = Target().Page(page);
  for (int k = 0; k < model::kPageSize; ++k) {
    if (page == 1 && k == kPayloadByteNeverVerified) continue;
    if (payload[static_cast<std::size_t>(k)] != stored[static_cast<std::size_t>(k)]) {
      // Kept so that a failed verify can say which fields differ from the image, not only
      // that one did. (A copy read's verify compares two reads of the controller.)
      if (!Copying()) {
        std::copy(payload.begin(), payload.end(), controller_copy_.Page(page).begin());
        mismatch_page_ = page;
      }
      return;
    }
  }
  mismatch_page_ = 0;
  if (page < model::kLastImagePage) {
    RequestPage(static_cast<std::uint8_t>(c_.state.current_command + 1), page + 1);
    return;
  }
  if (Copying()) {
    copy_target_ = nullptr;
    copy_read_ = CopyRead::kDone;
  } else {
    verify_after_program_ = false;
    // The controller holds every page the image holds: nothing is left to program.
    for (int p = model::kFirstImagePage; p <= model::kLastImagePage; ++p) c_.program_flags.Clear(p);
  }
  c_.status.SetProgressToMax();
  c_.status.ShowMessage(Text(TextId::MsgVerify) + " OK");
  c_.state.transaction_mode = TransactionMode::kNone;
  // The pass that follows a program confirms what the program's own point already holds.
  if (started_as_ == TransactionMode::kRead) c_.owner.ImageConfirmed(ImageSource::kRead);
  if (started_as_ == TransactionMode::kVerify) c_.owner.ImageConfirmed(ImageSource::kVerify);
}

}  // namespace morvek::link
