// Pictures of the editing pages: the main window with each page shown, saved as
// page-NN-<sheet>.png (and @2x at a scale factor of 2) in the directory given. With --widest
// every spin box shows its longest number, to see that no number is cut.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QSpinBox>
#include <QTabWidget>

#include "ui/main_window.h"
#include "ui/page_table.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) return 2;
  const QDir out(args[1]);
  const bool widest = args.contains(QStringLiteral("--widest"));
  const QString suffix = qgetenv("QT_SCALE_FACTOR") == "2" ? QStringLiteral("@2x") : QString();

  morvek::ui::MainWindow window;
  if (widest) {
    for (QSpinBox* spin : window.findChildren<QSpinBox*>()) {
      const bool max_longer =
          QString::number(spin->maximum()).size() >= QString::number(spin->minimum()).size();
      spin->setValue(max_longer ? spin->maximum() : spin->minimum());
    }
  }
  window.show();
  for (int page = 0; page < morvek::ui::PageTable::kCount; ++page) {
    window.pages().setCurrentIndex(page);
    QApplication::processEvents();
    const QString sheet = QString::fromLatin1(morvek::ui::PageTable::SheetName(page))
                              .section(QLatin1Char('_'), 1)
                              .toLower();
    const QString name =
        QStringLiteral("page-%1-%2%3.png").arg(page, 2, 10, QLatin1Char('0')).arg(sheet, suffix);
    if (!window.grab().save(out.filePath(name))) return 1;
  }
  return 0;
}
