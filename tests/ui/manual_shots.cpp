// Pictures for the user manuals: the running window in one language, on a simulated engine
// that holds 4000 rpm at 30 % throttle, saved as window-<lang>.png (the Inj. 1 page with the
// live values) and tuning-<lang>.png (the Tuning page with the output tests). Not a test.
//
//   QT_QPA_PLATFORM=offscreen morvek_manual_shots docs/manual/pictures DEUTSCH de

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include "app_fixture.h"
#include "ui/page_table.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  const QStringList args = qt.arguments();
  if (args.size() != 4) return 2;
  const QDir out(args[1]);
  QTemporaryDir config;
  morvek::testing::AppFixture f(config.path(), {args[2].toStdString()},
                                morvek::testing::Steady(4000, 30));
  morvek::ui::MainWindow& w = f.window();
  w.show();
  w.resize(1130, morvek::ui::MainWindow::kDesignHeight);
  // Down to `bottom` (a widget's lower edge), or the whole window.
  auto shot = [&](int page, const QString& what, const char* bottom) {
    w.pages().setCurrentIndex(page);
    // Live values and the marked cell of the engine's operating point.
    f.Tick(40);
    QApplication::processEvents();
    QRect area = w.rect();
    auto* below = *bottom ? w.findChild<QWidget*>(QString::fromLatin1(bottom)) : nullptr;
    if (below != nullptr) area.setBottom(below->mapTo(&w, QPoint(0, below->height())).y() + 8);
    return w.grab(area).save(out.filePath(QStringLiteral("%1-%2.png").arg(what, args[3])));
  };
  // The tuning page without the empty space under its groups.
  const bool ok = shot(2, QStringLiteral("window"), "") &&
                  shot(11, QStringLiteral("tuning"), "GroupBoxTestOut");
  return ok ? 0 : 1;
}
