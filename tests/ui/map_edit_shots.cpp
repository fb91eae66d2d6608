// Pictures of the map editing tools for the documents: the grid with heat colours, a
// selection over the live cell, and the 3D map at two angles with the live marker. Saved as
// map-*.png (and @2x at a scale factor of 2) in the directory given, optionally in a language
// (ENGLISH, DEUTSCH, FRENCH, CESKY) with a name suffix.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cmath>

#include "app/map_edit_commands.h"
#include "app_fixture.h"
#include "ui/grid_selection.h"
#include "ui/map_3d_view.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) return 2;
  const QDir out(args[1]);
  std::vector<std::string> arguments;
  if (args.size() > 2) arguments.push_back(args[2].toStdString());
  const QString tag = args.size() > 3 ? QLatin1Char('-') + args[3] : QString();
  const QString suffix = qgetenv("QT_SCALE_FACTOR") == "2" ? QStringLiteral("@2x") : QString();
  const auto save = [&](QWidget& widget, const char* name) {
    return widget.grab().save(out.filePath(QString::fromLatin1(name) + tag + suffix + ".png"));
  };

  QTemporaryDir config;
  morvek::testing::AppFixture f(config.path(), arguments, morvek::testing::Steady(6200, 38));
  morvek::ui::MainWindow& w = f.window();
  w.show();
  w.pages().setCurrentIndex(1);
  f.Tick(25);
  QApplication::processEvents();
  morvek::ui::MapGrid& grid = w.grid();
  // A map with a shape: advance rising with rpm to a plateau, taken back with load.
  QString map;
  for (int j = 0; j < 10; ++j) {
    for (int i = 0; i < 15; ++i) {
      const double rise = 34 * std::sin(std::min(1.0, i / 9.0) * 1.5707963);
      map += QString::number(std::lround(8 + rise - j * 1.6 + (i > 10 ? (i - 10) * 0.8 : 0)));
      map += i < 14 ? '\t' : '\n';
    }
  }
  QApplication::clipboard()->setText(map);
  grid.selection().MoveTo(0, 0, false);
  f.app->map_edit_commands().Paste();
  grid.selection().Clear();

  f.Find<QAction>("MenuHeatColours")->trigger();
  f.Tick(2);
  QApplication::processEvents();
  if (!save(grid, "map-heat")) return 1;

  grid.selection().MoveTo(4, 5, false);
  grid.selection().MoveTo(7, 9, true);
  f.Find<QAction>("MenuHeatColours")->trigger();
  f.Tick(2);
  QApplication::processEvents();
  if (!save(grid, "map-selection")) return 1;
  f.Find<QAction>("MenuHeatColours")->trigger();

  f.Find<QAction>("Menu3DMap")->trigger();
  morvek::ui::Map3DView* view = f.app->map_edit_commands().map_3d();
  view->resize(720, 520);
  f.Tick(2);
  QApplication::processEvents();
  if (!save(*view, "map-3d-front")) return 1;
  view->SetAngles(-130, 55);
  QApplication::processEvents();
  if (!save(*view, "map-3d-behind")) return 1;
  return view->live() ? 0 : 3;
}
