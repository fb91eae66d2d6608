#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "i18n/text_table.h"
#include "link/device_frame.h"
#include "link/frame_sender.h"
#include "link/identification_page.h"
#include "link/link_state.h"
#include "link/live_values.h"
#include "link/saving_rule.h"
#include "link/session_owner.h"
#include "link/status_line.h"
#include "link/transaction_failure.h"
#include "model/parameter_image.h"

namespace morvek::link {

inline constexpr int kResendTicks = 6;
inline constexpr int kMaxSends = 5;

// Read, verify and program: stop-and-wait page by page, one request outstanding.
//
// A program is done only when the controller has kept it: a full program first reads what the
// controller holds (kept as the restore point "before program"), sends the pages, verifies
// them, waits while the controller saves them into its permanent memory and verifies them once
// more. Only then does it show "Program device: OK" and clear the pages' program flags; any
// failure on the way leaves them flagged. Programming of changed pages takes the same path
// without the first read and the first verify.
class Transactions {
 public:
  struct Context {
    LinkState& state;
    FrameSender& sender;
    StatusLine& status;
    std::deque<std::string>& message_boxes;
    model::ParameterImage& image;
    model::PageProgramFlags& program_flags;
    SessionOwner& owner;
    const i18n::Language& language;
  };

  explicit Transactions(Context context) : c_(context) {}

  void Read();
  // A read into `target` instead of the image (with its verify pass against `target`): the
  // image, the page flags, the file name and the page on screen are left alone. `target` must
  // outlive the transaction.
  void ReadCopy(model::ParameterImage& target);
  void Verify();
  void Program();
  // Programs the flagged pages, the lowest first; nothing when no page is flagged.
  void StartProgramming();

  // Where a program stands. kSaving and kFinalVerify show "Saving:".
  enum class ProgramPhase : std::uint8_t {
    kNone,
    kBackup,           // reading the controller's tune (TransactionMode kRead)
    kAwaitingConsent,  // that tune could not be kept: the user is asked whether to go on
    kSending,          // the pages (kProgram)
    kFirstVerify,      // kVerify
    kSaving,           // the controller stores the pages (kProgram, monitor requests)
    kFinalVerify,      // kVerify, after the saving
  };
  ProgramPhase program_phase() const { return phase_; }
  // The answer to the question of a tune that could not be kept: go on without it, or stop.
  void AnswerBackupQuestion(bool go_on);
  // The controller's tune as the last program found it before sending anything.
  const model::ParameterImage& controller_backup() const { return backup_; }
  // One tick of the saving phase, with what the Session saw in it.
  void SavingTick(const SavingRule::Observation& seen);
  const SavingRule& saving_rule() const { return saving_; }
  // The transport reported the device gone while a program ran.
  void HungUp();
  // A program echo that no running program asked for: unless it repeats what this program
  // sent, a request was turned into a write on the line; the transaction is stopped.
  // Returns whether it was taken as such.
  bool StrayProgramEcho(const DeviceFrame& frame);
  // Why the last transaction failed; kNone while one runs and after a success.
  const TransactionFailure& failure() const { return failure_; }

  // Whether a reply answers the pending page request (valid checksum, page 0..9, reply code).
  bool Accepts(const DeviceFrame& frame) const;
  // An accepted reply while a transaction runs.
  void HandlePageReply(const DeviceFrame& frame);
  // Step 2 of the tick: repeat the pending page every 6 ticks, fail after the fifth send.
  void Supervise();

  // Where a ReadCopy stands: kRunning until its verify pass completes (kDone) or it fails
  // (kFailed); another command abandons it (kNone).
  enum class CopyRead : std::uint8_t { kNone, kRunning, kDone, kFailed };
  CopyRead copy_read() const { return copy_read_; }
  // The end of a copy read, once: kDone or kFailed is returned and forgotten.
  CopyRead TakeCopyReadResult() {
    const CopyRead result = copy_read_;
    if (result == CopyRead::kDone || result == CopyRead::kFailed) copy_read_ = CopyRead::kNone;
    return result;
  }

  // The controller page (1..9) whose last reply in a verify pass differed from the image, 0
  // when the last reply matched or none has differed; with what the controller sent for it.
  int verify_mismatch_page() const { return mismatch_page_; }
  const model::ParameterImage& verify_controller_copy() const { return controller_copy_; }

  bool verify_after_program() const { return verify_after_program_; }
  const IdentificationArea& identification_area() const { return identification_area_; }
  const IdentificationTexts& identification() const { return identification_; }

 private:
  std::string Text(i18n::TextId id) const;
  void StartRead();
  void Begin(TransactionMode mode);
  void ReceiveIdentification(const DeviceFrame& frame);
  void EndWithVersionMismatch();
  void RequestPage(std::uint8_t command, int progress);
  void StartVerifyPass(std::vector<int> pages, bool after_saving);
  void BeginSending(bool send_now);
  void StartSaving();
  void ProgramConfirmed();
  void FailProgram(FailureReason reason, int page);
  void EndProgram();
  const model::ParameterImage& Expected() const;
  void HandleRead(const DeviceFrame& frame, int page);
  void HandleBackup(const DeviceFrame& frame, int page);
  void HandleProgram(const DeviceFrame& frame, int page);
  void HandleVerify(const DeviceFrame& frame, int page);
  // A new command replaces a running copy read.
  void AbandonCopyRead();
  model::ParameterImage& Target() { return copy_target_ != nullptr ? *copy_target_ : c_.image; }
  bool Copying() const { return copy_target_ != nullptr; }

  Context c_;
  bool verify_after_program_ = false;
  // The command that started the running transaction; a verify pass keeps it.
  TransactionMode started_as_ = TransactionMode::kNone;
  IdentificationArea identification_area_{};
  IdentificationTexts identification_;
  model::ParameterImage* copy_target_ = nullptr;
  CopyRead copy_read_ = CopyRead::kNone;
  int mismatch_page_ = 0;
  model::ParameterImage controller_copy_;

  ProgramPhase phase_ = ProgramPhase::kNone;
  bool backup_wanted_ = false;      // the Program command: read the controller first
  std::vector<int> program_pages_;  // the pages the running program sends, ascending
  std::size_t send_index_ = 0;
  std::vector<int> verify_pages_;  // the pages of the running verify pass
  std::size_t verify_index_ = 0;
  int echo_mismatch_page_ = 0;        // the page whose last echo differed from what was sent
  model::ParameterImage sent_image_;  // what the running program sends
  model::ParameterImage backup_;
  SavingRule saving_;
  TransactionFailure failure_;
  // What the controller confirmed holding after each page's last program echo this run.
  std::array<std::optional<std::array<std::uint8_t, model::kPageSize>>, model::kDevicePageCount>
      programmed_{};
};

}  // namespace morvek::link
