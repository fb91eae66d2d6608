#pragma once

#include <cstdint>
#include <vector>

#include "model/parameter_image.h"

namespace morvek::link {

// Which command found the controller holding the image.
enum class ImageSource : std::uint8_t { kRead, kVerify };

// What became of the controller's tune read before a program.
enum class BackupDecision : std::uint8_t {
  kGoOn,  // kept (or programming without it was allowed): send the pages
  kStop,  // not kept: program nothing
  kAsk,   // not kept: the program waits until the user answers (Session::AnswerBackupQuestion)
};

// What the Session asks of the window that owns it (the editor and the page on screen).
// Every call happens inside Session::Tick() or a Session command.
class SessionOwner {
 public:
  virtual ~SessionOwner() = default;

  // Folds the controls of the page on screen into the image.
  virtual void CollectActivePage() = 0;
  // Forces the image into its legal ranges and orders.
  virtual void RunLimitsPass() = 0;
  // Shows the image (and the identification texts) on the page on screen.
  virtual void RefreshActivePage() = 0;
  // One or more image pages were replaced by the controller's copies (read, autotune); views
  // derived from the image must be brought up to date before anything writes them back.
  virtual void PagesArrived() = 0;
  // A read starts: the parameters no longer come from a file, the file name is cleared.
  virtual void ClearCurrentFileName() = 0;
  // A monitor frame was decoded: feature-dependent layout may change.
  virtual void MonitorFrameDecoded() = 0;
  // The last step of every tick: move the live operating-point highlight.
  virtual void UpdateLiveHighlight() = 0;
  // A read or a verify ended OK: the controller holds exactly the image's pages 1..9.
  virtual void ImageConfirmed(ImageSource /*source*/) {}
  // The controller's copy of image page `page` was written into the image (a read, an
  // autotune cycle).
  virtual void ControllerPageArrived(int /*page*/) {}
  // A program ended OK: the controller was seen to keep these pages of the image.
  virtual void PagesKept(const std::vector<int>& /*pages*/) {}
  // A program has read what the controller holds before it sends anything: `controller` is
  // its tune, kept as the restore point "before program"; `pages` are the pages to be sent.
  virtual BackupDecision KeepControllerImage(const model::ParameterImage& /*controller*/,
                                             const std::vector<int>& /*pages*/) {
    return BackupDecision::kGoOn;
  }
};

}  // namespace morvek::link
