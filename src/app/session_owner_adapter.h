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
    std::function<link::BackupDecision(const model::ParameterImage&, const std::vector<int>&)>
        keep_controller_image;
    std::function<void(int)> controller_page_arrived;
    std::function<void(const std::vector<int>&)> pages_kept;
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
  void ControllerPageArrived(int page) override {
    if (hooks_.controller_page_arrived) hooks_.controller_page_arrived(page);
  }
  void PagesKept(const std::vector<int>& pages) override {
    if (hooks_.pages_kept) hooks_.pages_kept(pages);
  }
  link::BackupDecision KeepControllerImage(const model::ParameterImage& controller,
                                           const std::vector<int>& pages) override {
    return hooks_.keep_controller_image ? hooks_.keep_controller_image(controller, pages)
                                        : link::BackupDecision::kGoOn;
  }

 private:
  static void Call(const std::function<void()>& f) {
    if (f) f();
  }
  Hooks hooks_;
};

}  // namespace morvek::app
