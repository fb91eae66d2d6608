#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace morvek::ui {
class PrintLayout;
}

namespace morvek::app {

class Application;

// Where a printout goes. By default the default printer, and on a machine without one a PDF in
// the user's documents folder. Tests name a PDF of their own and look at the window while it
// is in its printable state.
struct PrintTarget {
  // A PDF to print into instead of a printer.
  QString pdf_path;
  // Without a PDF path: false keeps the printer out, as on a machine that has none.
  bool printer_allowed = true;
  // Where the PDF goes when there is no printer; empty for the user's documents folder.
  QString documents_folder;
  std::function<void()> while_printable;
};

// Print (Ctrl+P) and the tool bar's print button: the page on screen, as a picture of the
// window in its printable state, stamped with the date and time of printing.
class PrintCommand : public QObject {
  Q_OBJECT

 public:
  explicit PrintCommand(Application& app);
  ~PrintCommand() override;

  void set_target(PrintTarget target) { target_ = std::move(target); }

  // The print command at the given time of printing.
  void SpeedButtonPrintClick(const QDateTime& now);

 private:
  struct Outcome {
    bool printed = false;
    // The printer's name or the PDF's path.
    QString destination;
    // A PDF stood in for a missing printer: the user is told where it is.
    bool fallback = false;
  };
  // Sends the window's picture to the printer or the PDF.
  Outcome PrintWindow(const QDateTime& now);

  Application& app_;
  PrintTarget target_;
  std::unique_ptr<ui::PrintLayout> layout_;
};

}  // namespace morvek::app
