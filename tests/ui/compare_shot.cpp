// A picture of the compare list: the window's tune after three edits compared with the file it
// was saved to, saved as compare-list.png (compare-list@2x.png at a scale factor of 2) in the
// directory given. A second argument, a language number (1 German, 2 French, 3 Czech), switches
// the language while the list is open: compare-list-<number>.png.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "app/compare_commands.h"
#include "app_fixture.h"
#include "ui/compare_dialog.h"
#include "ui/page_table.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  const QStringList args = qt.arguments();
  if (args.size() < 2) return 2;
  const QDir out(args[1]);
  const QString suffix = qgetenv("QT_SCALE_FACTOR") == "2" ? QStringLiteral("@2x") : QString();
  QTemporaryDir config;
  morvek::testing::AppFixture f(config.path());
  const std::string base = config.filePath(QStringLiteral("tune.ign")).toStdString();
  f.prompts.save_name = base;
  f.Find<QAction>("MenuSave")->trigger();
  auto step = [&](const char* name, int by) {
    auto* spin = f.Find<QSpinBox>(name);
    spin->setValue(spin->value() + by * spin->singleStep());
  };
  step("UpDownIgnLimiter", -3);
  step("UpDownFan2", -5);
  f.window().pages().setCurrentIndex(1);
  step("UpDown_Uni_3_7", 2);
  step("UpDown_Uni_4_7", 1);
  f.window().pages().setCurrentIndex(7);
  step("UpDownIdleRpmMez", 2);
  f.prompts.open_name = base;
  f.Find<QAction>("MenuCompareFile")->trigger();
  morvek::ui::CompareDialog& dialog = f.app->compare_commands().dialog();
  dialog.list().topLevelItem(0)->setCheckState(0, Qt::Checked);
  dialog.list().setCurrentItem(dialog.list().topLevelItem(2));
  QString name = QStringLiteral("compare-list");
  if (args.size() > 2) {
    f.app->ChooseLanguage(args[2].toInt());
    name += QLatin1Char('-') + args[2];
  }
  QApplication::processEvents();
  return dialog.grab().save(out.filePath(name + suffix + QStringLiteral(".png"))) ? 0 : 1;
}
