#pragma once

#include <functional>
#include <vector>

#include "link/session_owner.h"

namespace morvek::app {

// What the session asks of its owner, forwarded to the application's routines.
class SessionOwnerAdapter : public link::SessionOwner {
 public:
  struct Hooks {
    std::function<void()> collect_active_page;
    std::function<void()> run_limits_pass;
    std::function<void()> refresh_active_page;
    std::function<void()> pages_arrived;
    std::function<void()> clear_current_file_name;
    std::function<void()> monitor_frame_decoded;
    std::function<void(link::ImageSource)> image_confirmed;
    std::function<void(const std::vector<int>&)> programming_starts;
  };

  explicit SessionOwnerAdapter(Hooks hooks) : hooks_(std::move(hooks)) {}

  void CollectActivePage() override { Call(hooks_.collect_active_page); }
  void RunLimitsPass() override { Call(hooks_.run_limits_pass); }
  void RefreshActivePage() override { Call(hooks_.refresh_active_page); }
  void PagesArrived() override { Call(hooks_.pages_arrived); }
  void ClearCurrentFileName() override { Call(hooks_.clear_current_file_name); }
  void MonitorFrameDecoded() override { Call(hooks_.monitor_frame_decoded); }
  // The application marks the live operating point after every tick itself.
  void UpdateLiveHighlight() override {}
  void ImageConfirmed(link::ImageSource source) override {
    if (hooks_.image_confirmed) hooks_.image_confirmed(source);
  }
  void ProgrammingStarts(const std::vector<int>& pages) override {
    if (hooks_.programming_starts) hooks_.programming_starts(pages);
  }

 private:
  static void Call(const std::function<void()>& f) {
    if (f) f();
  }
  Hooks hooks_;
};

}  // namespace morvek::app
