// Pictures of the window's program: saving-progress.png while the controller saves the pages
// ("Saving:"), saving-done.png once it has shown it kept them ("Program device: OK"), in the
// directory given (name@2x.png at a scale factor of 2).

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>

#include "app_fixture.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  const QStringList args = qt.arguments();
  if (args.size() < 2) return 2;
  const QDir out(args[1]);
  const QString suffix = qgetenv("QT_SCALE_FACTOR") == "2" ? QStringLiteral("@2x") : QString();
  QTemporaryDir config;
  morvek::sim::ControllerConfig controller;
  controller.save_duration_ms = 3000;
  morvek::testing::AppFixture f(config.path(), {}, controller);
  f.window().resize(1100, 760);
  f.window().show();
  f.Tick(10);
  f.Find<QSpinBox>("UpDownFan1")->setValue(80);
  f.Find<QAction>("MenuProgram")->trigger();
  auto* line = f.Find<QLabel>("LabelHlaseni");
  auto shot = [&](const char* name) {
    QApplication::processEvents();
    return f.window().grab().save(out.filePath(QLatin1String(name) + suffix + ".png"));
  };
  bool saving_shot = false;
  for (int i = 0; i < 600; ++i) {
    f.Tick();
    // About half way through the saving.
    if (!saving_shot && line->text() == QStringLiteral("Saving:") &&
        f.controller.saving_counter() > 0 && f.controller.saving_counter() < 1500) {
      if (!shot("saving-progress")) return 1;
      saving_shot = true;
    }
    if (line->text() == QStringLiteral("Program device: OK"))
      return saving_shot && shot("saving-done") ? 0 : 1;
  }
  return 1;
}
