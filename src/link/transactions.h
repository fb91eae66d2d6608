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

  bool verify_after_program() const { return verify_after_program_; }
  const IdentificationArea& identification_area() const { return identification_area_; }
  const IdentificationTexts& identification() const { return identification_; }

 private:
  std::string Text(i18n::TextId id) const;
  void Begin(TransactionMode mode);
  void ReceiveIdentification(const DeviceFrame& frame);
  void EndWithVersionMismatch();
  void RequestPage(std::uint8_t command, int progress);
  void StartVerifyPass();
  void HandleRead(const DeviceFrame& frame, int page);
  void HandleProgram(const DeviceFrame& frame, int page);
  void HandleVerify(const DeviceFrame& frame, int page);

  Context c_;
  bool verify_after_program_ = false;
  IdentificationArea identification_area_{};
  IdentificationTexts identification_;
};

}  // namespace morvek::link
