#include "link/transactions.h"

#include <algorithm>
#include <vector>

#include "link/link_texts.h"

namespace morvek::link {
namespace {

using i18n::TextId;

constexpr std::uint8_t kCmdVerifyPage1 = kCmdReadBit | 1;
constexpr int kPayloadByteNeverVerified = 1;  // image byte 1, reserved

std::vector<int> AllImagePages() {
  std::vector<int> pages;
  for (int p = model::kFirstImagePage; p <= model::kLastImagePage; ++p) pages.push_back(p);
  return pages;
}

}  // namespace

std::string Transactions::Text(TextId id) const { return LinkText(id, c_.language); }

void Transactions::AbandonCopyRead() {
  copy_target_ = nullptr;
  copy_read_ = CopyRead::kNone;
}

void Transactions::Read() {
  started_as_ = TransactionMode::kRead;
  StartRead();
  c_.owner.ClearCurrentFileName();
}

void Transactions::ReadCopy(model::ParameterImage& target) {
  // A copy is compared, not taken over: it leaves no restore point of the screen's image.
  started_as_ = TransactionMode::kNone;
  StartRead();
  // The same transaction, landing elsewhere; the file name on screen still names the image.
  copy_target_ = &target;
  copy_read_ = CopyRead::kRunning;
}

void Transactions::StartRead() {
  AbandonCopyRead();
  failure_ = {};
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
  failure_ = {};
  Begin(TransactionMode::kVerify);
  c_.state.current_command = kCmdVerifyPage1;
  c_.state.attempt_counter = 0;
  verify_pages_ = AllImagePages();
  verify_index_ = 0;
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
  backup_wanted_ = true;
  c_.program_flags.SetAll();
  StartProgramming();
}

void Transactions::StartProgramming() {
  const int page = c_.program_flags.Lowest();
  if (page < 0) {
    backup_wanted_ = false;
    return;
  }
  AbandonCopyRead();
  failure_ = {};
  program_pages_.clear();
  for (int p = 0; p <= model::kLastImagePage; ++p)
    if (c_.program_flags.Test(p)) program_pages_.push_back(p);
  // The pages go out as they stand now; an edit while the program runs is flagged anew and
  // waits for the next one.
  sent_image_ = c_.image;
  c_.sender.set_page_source(&sent_image_);
  started_as_ = TransactionMode::kProgram;
  if (!backup_wanted_) {
    BeginSending(false);
    return;
  }
  // First what the controller holds now, so that a wrong tune can be taken back.
  backup_wanted_ = false;
  phase_ = ProgramPhase::kBackup;
  mismatch_page_ = 0;
  Begin(TransactionMode::kRead);
  c_.state.current_command = kCmdReadPage0;
  c_.state.attempt_counter = 0;
  c_.status.ShowMessage(Text(TextId::MsgRead));
  c_.status.SetProgress(0);
  c_.status.ShowGauge();
  c_.state.done = false;
}

void Transactions::BeginSending(bool send_now) {
  phase_ = ProgramPhase::kSending;
  send_index_ = 0;
  echo_mismatch_page_ = 0;
  const int page = program_pages_.front();
  Begin(TransactionMode::kProgram);
  c_.status.ShowMessage(Text(TextId::MsgProgramDevice));
  c_.status.ShowGauge();
  c_.state.done = false;
  if (send_now) {
    RequestPage(static_cast<std::uint8_t>(kCmdProgramPage0 + page), page);
    return;
  }
  c_.state.current_command = static_cast<std::uint8_t>(kCmdProgramPage0 + page);
  c_.state.attempt_counter = 0;
  c_.status.SetProgress(page);
}

void Transactions::AnswerBackupQuestion(bool go_on) {
  if (phase_ != ProgramPhase::kAwaitingConsent) return;
  if (go_on) {
    BeginSending(true);
  } else {
    FailProgram(FailureReason::kBackupNotKept, 0);
  }
}

void Transactions::Begin(TransactionMode mode) {
  c_.state.transaction_mode = mode;
  if (started_as_ != TransactionMode::kProgram) {
    EndProgram();
    // From now on an echo of the last program's pages is no late copy of its own.
    program_pages_.clear();
  }
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
  // The question is open: nothing goes out until it is answered.
  if (phase_ == ProgramPhase::kAwaitingConsent) return;
  if (phase_ == ProgramPhase::kSaving) {
    // Monitor requests carry the saving progress; SavingTick judges the replies.
    if (++s.tick_counter >= kResendTicks) {
      s.tick_counter = 0;
      c_.sender.SendPlainMonitorRequest();
    }
    return;
  }
  if (++s.tick_counter >= kResendTicks) {
    s.tick_counter = 0;
    if (++s.attempt_counter <= kMaxSends) {
      c_.sender.SendPageFrame();
    } else if (phase_ != ProgramPhase::kNone) {
      const int page = s.current_command & kPageMask;
      if (phase_ == ProgramPhase::kFinalVerify && mismatch_page_ != 0)
        FailProgram(FailureReason::kDiffersAfterSaving, mismatch_page_);
      else if (mismatch_page_ != 0)
        FailProgram(FailureReason::kDiffers, mismatch_page_);
      else if (phase_ == ProgramPhase::kSending && echo_mismatch_page_ == page)
        FailProgram(FailureReason::kDiffers, page);
      else
        FailProgram(FailureReason::kNoReply, page);
    } else {
      const TextId failure = mode == TransactionMode::kProgram  ? TextId::MsgProgramError
                             : mode == TransactionMode::kVerify ? TextId::MsgVerifyError
                                                                : TextId::MsgReadError;
      c_.status.ShowFailure(Text(failure));
      failure_ = {mismatch_page_ != 0 ? FailureReason::kDiffers : FailureReason::kNoReply,
                  mismatch_page_ != 0 ? mismatch_page_ : (s.current_command & kPageMask)};
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

void Transactions::FailProgram(FailureReason reason, int page) {
  c_.status.ShowFailure(Text(TextId::MsgProgramError));
  failure_ = {reason, page};
  c_.state.transaction_mode = TransactionMode::kNone;
  c_.state.done = false;
  // The pages keep their program flags: the controller was not seen to keep them.
  EndProgram();
}

void Transactions::EndProgram() {
  phase_ = ProgramPhase::kNone;
  backup_wanted_ = false;
  c_.sender.set_page_source(nullptr);
}

void Transactions::HungUp() {
  if (phase_ == ProgramPhase::kNone) return;
  FailProgram(FailureReason::kHungUp, c_.state.current_command & kPageMask);
}

void Transactions::StartSaving() {
  phase_ = ProgramPhase::kSaving;
  c_.state.transaction_mode = TransactionMode::kProgram;
  saving_.Start();
  // The first monitor request goes out with the next tick.
  c_.state.tick_counter = kResendTicks - 1;
  c_.status.ShowMessage(Text(TextId::MsgSaving));
  c_.status.SetProgress(0);
  c_.status.ShowGauge();
}

void Transactions::SavingTick(const SavingRule::Observation& seen) {
  if (phase_ != ProgramPhase::kSaving) return;
  const SavingRule::Verdict verdict = saving_.Tick(seen);
  const int page = program_pages_.empty() ? 0 : program_pages_.back();
  switch (verdict) {
    case SavingRule::Verdict::kWaiting:
      c_.status.ShowMessage(Text(TextId::MsgSaving));
      c_.status.ShowGauge();
      c_.status.SetProgress(saving_.Progress(c_.status.state().gauge_max));
      return;
    case SavingRule::Verdict::kSaved: {
      // Whatever the counter said, only the controller's pages tell whether it kept them.
      std::vector<int> pages;
      for (int p : program_pages_)
        if (p >= model::kFirstImagePage) pages.push_back(p);
      if (pages.empty()) {
        ProgramConfirmed();
        return;
      }
      StartVerifyPass(std::move(pages), true);
      return;
    }
    case SavingRule::Verdict::kHungUp:
      FailProgram(FailureReason::kHungUp, page);
      return;
    case SavingRule::Verdict::kSilent:
      FailProgram(FailureReason::kSilent, page);
      return;
    case SavingRule::Verdict::kRestarted:
      FailProgram(FailureReason::kRestarted, page);
      return;
    case SavingRule::Verdict::kNeverFinished:
      FailProgram(FailureReason::kNeverSaved, page);
      return;
  }
}

void Transactions::ProgramConfirmed() {
  // A page edited while the program ran differs from what was sent and stays flagged.
  std::vector<int> kept;
  for (int p : program_pages_) {
    if (p != 0 && !std::ranges::equal(c_.image.Page(p), sent_image_.Page(p))) continue;
    c_.program_flags.Clear(p);
    if (p >= model::kFirstImagePage) kept.push_back(p);
  }
  c_.owner.PagesKept(kept);
  verify_after_program_ = false;
  EndProgram();
  c_.state.transaction_mode = TransactionMode::kNone;
  c_.state.done = true;
  c_.status.SetProgressToMax();
  c_.status.ShowMessage(Text(TextId::MsgProgramDevice) + " OK");
}

bool Transactions::StrayProgramEcho(const DeviceFrame& frame) {
  const int page = frame.code() & kPageMask;
  if (page < model::kFirstImagePage || page > model::kLastImagePage) return false;
  const auto payload = frame.Payload();
  const auto& confirmed = programmed_[static_cast<std::size_t>(page)];
  // A late copy of an echo of this run's own writes holds what was written: nothing changed.
  if (confirmed && std::ranges::equal(payload, *confirmed)) return false;
  // An echo of a page the last program sent is that program's own, however late (a reply may
  // come twice); the program judged the page by its own echo and verify.
  if (std::find(program_pages_.begin(), program_pages_.end(), page) != program_pages_.end())
    return false;
  const TransactionMode mode = c_.state.transaction_mode;
  if (mode != TransactionMode::kNone) {
    const TextId text = phase_ != ProgramPhase::kNone      ? TextId::MsgProgramError
                        : mode == TransactionMode::kVerify ? TextId::MsgVerifyError
                                                           : TextId::MsgReadError;
    c_.status.ShowFailure(Text(text));
    c_.state.transaction_mode = TransactionMode::kNone;
    if (Copying()) {
      copy_target_ = nullptr;
      copy_read_ = CopyRead::kFailed;
    }
  }
  EndProgram();
  c_.state.done = false;
  c_.state.tuning_phase = 0;
  failure_ = {FailureReason::kStrayWrite, page};
  c_.message_boxes.push_back(FailureText(failure_, c_.language));
  return true;
}

void Transactions::ReceiveIdentification(const DeviceFrame& frame) {
  const auto payload = frame.Payload();
  std::copy(payload.begin(), payload.end(), identification_area_.begin());
  identification_ = DecodeIdentificationPage(identification_area_);
}

void Transactions::EndWithVersionMismatch() {
  c_.state.transaction_mode = TransactionMode::kNone;
  EndProgram();
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

void Transactions::StartVerifyPass(std::vector<int> pages, bool after_saving) {
  mismatch_page_ = 0;
  verify_pages_ = std::move(pages);
  verify_index_ = 0;
  c_.state.transaction_mode = TransactionMode::kVerify;
  if (after_saving) {
    // The line goes on saying "Saving:" until the controller has shown it kept the pages.
    phase_ = ProgramPhase::kFinalVerify;
    RequestPage(static_cast<std::uint8_t>(kCmdReadBit | verify_pages_.front()),
                c_.status.state().gauge_max);
    return;
  }
  if (phase_ != ProgramPhase::kNone) phase_ = ProgramPhase::kFirstVerify;
  RequestPage(static_cast<std::uint8_t>(kCmdReadBit | verify_pages_.front()), 0);
  c_.status.ShowMessage(Text(TextId::MsgVerify));
}

const model::ParameterImage& Transactions::Expected() const {
  if (copy_target_ != nullptr) return *copy_target_;
  return phase_ != ProgramPhase::kNone ? sent_image_ : c_.image;
}

void Transactions::HandleRead(const DeviceFrame& frame, int page) {
  if (phase_ == ProgramPhase::kBackup) {
    HandleBackup(frame, page);
    return;
  }
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
    if (!Copying()) {
      c_.owner.PagesArrived();
      if (page >= model::kFirstImagePage) c_.owner.ControllerPageArrived(page);
    }
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
  StartVerifyPass(AllImagePages(), false);
}

void Transactions::HandleBackup(const DeviceFrame& frame, int page) {
  if (page == 0) {
    ReceiveIdentification(frame);
    if (identification_.version != model::kProgramVersion) {
      EndWithVersionMismatch();
      return;
    }
  } else {
    const auto payload = frame.Payload();
    std::copy(payload.begin(), payload.end(), backup_.Page(page).begin());
  }
  if (page < model::kLastImagePage) {
    RequestPage(static_cast<std::uint8_t>(c_.state.current_command + 1), page + 1);
    return;
  }
  std::vector<int> pages;
  for (int p : program_pages_)
    if (p >= model::kFirstImagePage) pages.push_back(p);
  switch (c_.owner.KeepControllerImage(backup_, pages)) {
    case BackupDecision::kGoOn:
      BeginSending(true);
      return;
    case BackupDecision::kStop:
      FailProgram(FailureReason::kBackupNotKept, 0);
      return;
    case BackupDecision::kAsk:
      phase_ = ProgramPhase::kAwaitingConsent;
      c_.state.transaction_mode = TransactionMode::kProgram;
      return;
  }
}

void Transactions::HandleProgram(const DeviceFrame& frame, int page) {
  if (phase_ != ProgramPhase::kSending) return;
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
    if (!std::ranges::equal(payload, sent_image_.Page(page))) {
      echo_mismatch_page_ = page;
      return;  // the tick loop sends the same page again
    }
    auto& kept = programmed_[static_cast<std::size_t>(page)];
    kept.emplace();
    std::copy(payload.begin(), payload.end(), kept->begin());
  }
  // The page stays flagged until the controller has shown, after its saving, that it kept it.
  if (++send_index_ < program_pages_.size()) {
    const int next = program_pages_[send_index_];
    RequestPage(static_cast<std::uint8_t>(kCmdProgramPage0 + next), next);
    return;
  }
  if (verify_after_program_) {
    StartVerifyPass(AllImagePages(), false);
    return;
  }
  StartSaving();
}

void Transactions::HandleVerify(const DeviceFrame& frame, int page) {
  if (page < model::kFirstImagePage) return;
  const auto payload = frame.Payload();
  const auto stored = Expected().Page(page);
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
  if (++verify_index_ < verify_pages_.size()) {
    const int next = verify_pages_[verify_index_];
    RequestPage(static_cast<std::uint8_t>(kCmdReadBit | next),
                phase_ == ProgramPhase::kFinalVerify ? c_.status.state().gauge_max : next);
    return;
  }
  if (phase_ == ProgramPhase::kFirstVerify) {
    StartSaving();
    return;
  }
  if (phase_ == ProgramPhase::kFinalVerify) {
    ProgramConfirmed();
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
  if (started_as_ == TransactionMode::kRead) c_.owner.ImageConfirmed(ImageSource::kRead);
  if (started_as_ == TransactionMode::kVerify) c_.owner.ImageConfirmed(ImageSource::kVerify);
}

}  // namespace morvek::link
