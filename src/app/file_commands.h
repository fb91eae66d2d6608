#pragma once

#include <QObject>
#include <string>

namespace morvek::files {
struct ReadResult;
}

namespace morvek::app {

class Application;
class PageController;

// Tells the user what reading a parameter file met (older version, open error with the
// system's reason), in the window's language.
void ShowReadMessages(Application& app, const files::ReadResult& r, const std::string& path);

// The parameter-file commands of the File menu and the tool bar: Open (F3), Open from the
// program's folder (Ctrl+F3), Open for actual page (Shift+F3), Save (F2) and Save to the
// program's folder (Ctrl+F2). The tool bar's Open and Save start on data.ign beside the
// program while a Ctrl key is held.
class FileCommands : public QObject {
  Q_OBJECT

 public:
  FileCommands(Application& app, PageController& page);

  // Asks for a file and opens it, whole or for the page on screen.
  void Open(bool active_page_only);
  // Opens a named file without a dialog (the command line); false when nothing was loaded.
  bool OpenPath(const std::string& path, bool active_page_only);
  // Asks for a file name and saves the image there.
  void Save();
  // The program's data.ign as the name both dialogs start on.
  void StartOnExeDirFile();

 private:
  Application& app_;
  PageController& page_;
  // The file names the open and the save dialog start on.
  std::string open_name_;
  std::string save_name_;
};

}  // namespace morvek::app
