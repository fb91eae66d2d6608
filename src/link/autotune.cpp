#include "link/autotune.h"

#include <algorithm>

namespace morvek::link {

void Autotune::StartCycle() {
  sender_.SendTuningRequest(0);
  state_.tuning_phase = 1;
}

void Autotune::HandlePageReply(const DeviceFrame& frame) {
  const int page = state_.current_command & kPageMask;
  if (page >= model::kFirstImagePage && page <= model::kLastImagePage) {
    const auto payload = frame.Payload();
    std::copy(payload.begin(), payload.end(), image_.Page(page).begin());
    owner_.PagesArrived();
    owner_.ControllerPageArrived(page);
  }
  if (state_.tuning_phase == 1) {
    sender_.SendTuningRequest(1);
    state_.tuning_phase = 2;
    return;
  }
  owner_.RefreshActivePage();
  sender_.SendMonitorRequest();
  state_.tuning_phase = 0;
}

}  // namespace morvek::link
