#pragma once

#include "link/device_frame.h"
#include "link/frame_sender.h"
#include "link/link_state.h"
#include "link/session_owner.h"
#include "model/parameter_image.h"

namespace morvek::link {

// The autotune cycle: the two pages of the tuned map are fetched again and again, copied into
// the image, and a monitor request (carrying the tuning parameters) follows them.
class Autotune {
 public:
  Autotune(LinkState& state, FrameSender& sender, model::ParameterImage& image, SessionOwner& owner)
      : state_(state), sender_(sender), image_(image), owner_(owner) {}

  // The periodic request while tuning is on: the first page of the channel's map.
  void StartCycle();
  // Whether an accepted reply outside a transaction belongs to the cycle.
  bool Expecting() const { return state_.tuning_phase != 0; }
  // An accepted reply to an autotune page request.
  void HandlePageReply(const DeviceFrame& frame);

 private:
  LinkState& state_;
  FrameSender& sender_;
  model::ParameterImage& image_;
  SessionOwner& owner_;
};

}  // namespace morvek::link
