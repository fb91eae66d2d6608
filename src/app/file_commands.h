#pragma once

#include <QObject>
#include <string>

namespace morvek::files {
struct ReadResult;
}
namespace morvek::model {
class Editor;
}

namespace morvek::app {

class Application;
class PageController;

// Reads a parameter file into `trial` (a copy of what the screen holds) and judges it as the
// command line's check does. A file that is not a tune is reported in one message with its name
// and false is returned; warnings are listed and the user decides whether the file is used.
// True when the caller may use what `trial` now holds; `text` then holds the file.
bool ReadTuneForUse(Application& app, const std::string& path, model::Editor& trial,
                    bool active_page_only, std::string* text = nullptr);

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
  // The file the settings remember, once they are loaded, as the name both dialogs start on.
  void StartOn(const std::string& path);

 private:
  Application& app_;
  PageController& page_;
  // The file names the open and the save dialog start on.
  std::string open_name_;
  std::string save_name_;
};

}  // namespace morvek::app
