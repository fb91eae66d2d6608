// Pictures of the laid-out window: the map grid in each display mode and the pages whose
// controls follow the settings, saved as layout-<what>.png (and @2x at a scale factor of 2) in
// the directory given. The program runs around a simulated controller in a temporary
// configuration directory.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <utility>

#include "app_fixture.h"
#include "model/field_table.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"

using morvek::model::FieldId;

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  const QStringList args = qt.arguments();
  if (args.size() < 2) return 2;
  const QDir out(args[1]);
  const QString suffix = qgetenv("QT_SCALE_FACTOR") == "2" ? QStringLiteral("@2x") : QString();
  QTemporaryDir config;
  morvek::testing::AppFixture f(config.path());
  morvek::ui::MainWindow& w = f.window();
  w.show();
  // Room for everything, the grid's right end included, whatever the offscreen screen's size.
  w.resize(1200, morvek::ui::MainWindow::kDesignHeight);
  morvek::model::ParameterImage& image = f.app->editor().image();
  auto shot = [&](int page, const QString& what) {
    w.pages().setCurrentIndex(page);
    f.app->RefreshActivePage();
    QApplication::processEvents();
    return w.grab().save(out.filePath(QStringLiteral("layout-%1%2.png").arg(what, suffix)));
  };
  auto set = [&](FieldId id, int value) { morvek::model::SetStored(image, id, value); };
  bool ok = true;
  set(FieldId::kAdvanceMiscTpsMap, 1);
  ok &= shot(1, QStringLiteral("mode1-advance"));
  set(FieldId::kAdvanceMiscTpsMap, 0);
  ok &= shot(1, QStringLiteral("mode5-advance-single-row"));
  w.action("Menu_Jet123Coupled")->trigger();
  ok &= shot(3, QStringLiteral("mode2-inj2a-coupled"));
  w.grid().ms_box()->setChecked(true);
  ok &= shot(2, QStringLiteral("mode3-inj1a-ms"));
  ok &= shot(3, QStringLiteral("mode4-inj2a-coupled-ms"));
  w.grid().ms_box()->setChecked(false);
  w.action("Menu_Jet123Stejny")->trigger();
  ok &= shot(2, QStringLiteral("inj1a-same"));
  set(FieldId::kIdleMode, 1);
  set(FieldId::kIdleAdvOn, 0);
  ok &= shot(7, QStringLiteral("idle-m1-a0"));
  set(FieldId::kIdleMode, 0);
  set(FieldId::kIdleAdvOn, 1);
  ok &= shot(7, QStringLiteral("idle-m0-a1"));
  set(FieldId::kN2oEnable, 0);
  ok &= shot(8, QStringLiteral("gas-off"));
  set(FieldId::kGearSystem, 0);
  set(FieldId::kGearCount, 3);
  ok &= shot(9, QStringLiteral("gear-s0-n3"));
  set(FieldId::kGearSystem, 2);
  ok &= shot(9, QStringLiteral("gear-s2"));
  ok &= shot(10, QStringLiteral("race-s2"));
  set(FieldId::kGearSystem, 1);
  set(FieldId::kGearCount, 4);
  ok &= shot(10, QStringLiteral("race-s1-n4"));
  set(FieldId::kTuningMode, 1);
  w.findChild<QCheckBox*>(QStringLiteral("CheckBoxLadeniPovoleno"))->setChecked(true);
  ok &= shot(11, QStringLiteral("tuning-all-on"));
  // The learnt ratios of the automatic gear detection, with four gears, from a running
  // controller.
  f.Tick(30);
  set(FieldId::kGearSystem, 1);
  set(FieldId::kGearCount, 4);
  ok &= shot(9, QStringLiteral("gear-automat"));
  // Two equal air-pressure voltages: both edits red.
  morvek::model::SetShown(image, FieldId::kApsVoltage1, 2247);
  morvek::model::SetShown(image, FieldId::kApsVoltage2, 2247);
  ok &= shot(6, QStringLiteral("sensors-equal-aps"));
  // The Bike page in the other languages.
  for (const auto& [language, name] :
       {std::pair{1, "de"}, std::pair{2, "fr"}, std::pair{3, "cz"}}) {
    f.app->ChooseLanguage(language);
    f.Tick(5);  // the live lines follow with the next frames
    ok &= shot(0, QStringLiteral("bike-") + QLatin1String(name));
  }
  return ok ? 0 : 1;
}
