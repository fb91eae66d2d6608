#pragma once

#include <deque>
#include <string>

#include "i18n/text_table.h"
#include "link/device_frame.h"
#include "link/frame_sender.h"
#include "link/identification_page.h"
#include "link/link_state.h"
#include "link/session_owner.h"
#include "link/status_line.h"
#include "model/parameter_image.h"

namespace morvek::link {

inline constexpr int kResendTicks = 6;
inline constexpr int kMaxSends = 5;

// Read, verify and program: stop-and-wait page by page, one request outstanding.
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
  void StartVerifyPass();
  void HandleRead(const DeviceFrame& frame, int page);
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
  // The pages of a program that waits for the controller's identification to announce itself.
  std::vector<int> announced_pages_;
  IdentificationArea identification_area_{};
  IdentificationTexts identification_;
  model::ParameterImage* copy_target_ = nullptr;
  CopyRead copy_read_ = CopyRead::kNone;
  int mismatch_page_ = 0;
  model::ParameterImage controller_copy_;
};

}  // namespace morvek::link
