#pragma once

#include <cstdint>

namespace morvek::link {

// Why the last transaction ended without its completion text.
enum class FailureReason : std::uint8_t {
  kNone,
  kNoReply,             // five sends of a page without an acceptable reply
  kDiffers,             // the controller's copy of a page differs from the image sent
  kHungUp,              // the transport reported the device gone during a program
  kSilent,              // the controller fell silent before it was seen to finish saving
  kRestarted,           // its programming count went down while saving
  kNeverSaved,          // its saving did not end
  kDiffersAfterSaving,  // after the saving the controller holds another page
  kStrayWrite,          // a program echo nobody asked for: a request became a write
  kBackupNotKept,       // the controller's tune could not be kept, so nothing was programmed
};

struct TransactionFailure {
  FailureReason reason = FailureReason::kNone;
  int page = 0;  // the page concerned, where there is one
};

}  // namespace morvek::link
