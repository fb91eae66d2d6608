#pragma once

#include <QDialog>
#include <string>

#include "i18n/text_table.h"

class QPushButton;

namespace morvek::ui {

// TFormAbout: the program's picture, the project's lines (maker, license, release, where the
// manuals are), the build date and time and the version. Made once with the main window and shown
// modally on demand.
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  // The build stamp comes from the program ("Jul  1 2009", "12:34:56").
  AboutWindow(const std::string& build_date, const std::string& build_time,
              QWidget* parent = nullptr);

  // The caption, the contact lines and OK in a language; called before every showing.
  void ApplyLanguage(i18n::Language language);

  // The folder the help manuals are in, for the last line.
  void SetManualFolder(const std::string& folder);

  // The program's picture, drawn for Morvek: a rev counter's arc with its needle.
  static QPixmap Picture();

 private:
  QPushButton* exit_ = nullptr;
};

}  // namespace morvek::ui
