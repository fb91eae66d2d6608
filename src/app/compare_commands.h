#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "model/parameter_image.h"
#include "pages/tune_diff.h"

class QAction;
class QLabel;

namespace morvek::ui {
class CompareDialog;
}

namespace morvek::app {

class Application;
class PageController;

// File "Compare with file..." and "Compare with controller": the differences between the image
// on screen and another tune, listed field by field in the compare window; a double-click goes
// to the control, Take over copies the ticked lines onto the screen as one edit. Also tells a
// failed verify's page and fields on the message line's tool tip.
class CompareCommands : public QObject {
  Q_OBJECT

 public:
  CompareCommands(Application& app, PageController& page);

  // Compares with a parameter file as opening it over the screen would load it; false when
  // the file could not be loaded (the user was told why).
  bool CompareWithFile(const std::string& path);
  // Reads the controller into a second image; the list appears when the read completed.
  void CompareWithController();
  // Every tick: a finished compare read is listed, a failed verify explained.
  void Poll();
  // The dialog's wishes.
  void GoTo(int row);
  void TakeOver(const std::vector<int>& rows);
  // The menu captions, and an open list with its ticks kept, in the window's language.
  void ApplyLanguage();

  const std::vector<pages::DiffEntry>& entries() const { return entries_; }
  ui::CompareDialog& dialog() const { return *dialog_; }

 private:
  // The list of differences; a new compare brings it to the front, a refill leaves it where it is.
  void ShowList(bool to_front = true);
  void ShowVerifyDetail();

  Application& app_;
  PageController& page_;
  ui::CompareDialog* dialog_;
  QAction* with_file_;
  QAction* with_controller_;
  model::ParameterImage other_;
  model::ParameterImage controller_read_;
  std::string other_file_;  // the compared file's name; empty for the controller
  std::vector<pages::DiffEntry> entries_;
  bool verify_failure_shown_ = false;
  // The message line, found once: the check above runs on every tick.
  QLabel* message_line_ = nullptr;
};

}  // namespace morvek::app
