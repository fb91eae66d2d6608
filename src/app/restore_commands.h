#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "files/restore_points.h"
#include "link/session_owner.h"

namespace morvek::ui {
class RestorePointsDialog;
}

namespace morvek::app {

class Application;
class PageController;

// Restore points: the image the controller was found to hold after every read and verify, and
// the tune it held before every program ("before program"), kept in the configuration
// directory. File → "Restore points…" lists them; a point is loaded as one undo step or
// exported as a parameter file.
class RestoreCommands : public QObject {
  Q_OBJECT

 public:
  RestoreCommands(Application& app, PageController& page);
  ~RestoreCommands() override;

  // The session's reports.
  void ImageConfirmed(link::ImageSource source);
  // The controller's tune read before a program; empty when it was kept, else why not.
  std::string KeepControllerImage(const model::ParameterImage& controller,
                                  const std::vector<int>& pages);

  // Opens the list (modal to the window, the tick keeps running).
  void ShowDialog();
  // Puts a point's image into the editor as an Open does; false when it cannot be read.
  bool Load(const std::string& id);
  // Asks for a file name and writes the point there as a parameter file.
  void Export(const std::string& id);

  files::RestorePointStore& store() { return store_; }
  ui::RestorePointsDialog* dialog() const { return dialog_.get(); }

 private:
  void Store(files::RestoreKind kind, std::vector<int> pages);
  // Stores a point; empty on success, else the reason in the window's language.
  std::string Store(files::RestoreKind kind, std::vector<int> pages,
                    const model::ParameterImage& image);
  // The port as the user knows it: "COM3 (/dev/ttyUSB0)".
  std::string PortText() const;
  std::optional<files::RestorePoint> Find(const std::string& id);
  void FillDialog();

  Application& app_;
  PageController& page_;
  files::RestorePointStore store_;
  std::unique_ptr<ui::RestorePointsDialog> dialog_;
};

}  // namespace morvek::app
