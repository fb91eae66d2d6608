// The live operating point on the window, offscreen, against the simulated controller: the
// marked map cell follows the engine, a page shown again is painted for the values of now,
// and a pass with nothing changed touches no widget.

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app_fixture.h"
#include "model/field_table.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"

using morvek::model::FieldId;
using morvek::testing::AppFixture;
using morvek::testing::Steady;

namespace {

const QColor kGreen(0, 255, 0);

bool IsGreen(const QSpinBox* spin) { return spin->palette().color(QPalette::Base) == kGreen; }
bool IsGreen(const QLabel* label) {
  return label->autoFillBackground() && label->palette().color(QPalette::Window) == kGreen;
}

// The nearest of increasing points, the upper one when two are equally near.
int Nearest(const std::vector<int>& points, int value) {
  int best = 0;
  for (int k = 1; k < static_cast<int>(points.size()); ++k)
    if (std::abs(points[k] - value) <= std::abs(points[best] - value)) best = k;
  return best;
}

struct Cell {
  int row = -1;
  int column = -1;
  bool operator==(const Cell&) const = default;
};

}  // namespace

class HighlightTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  QString Dir() const { return dir_->path(); }

  static void Steer(AppFixture& f, int rpm, int throttle) {
    f.controller.SetScenario(Steady(rpm, throttle).scenario);
    // The engine settles within a few seconds of simulated time.
    f.Tick(120);
  }

  // The one marked cell of the grid; row -1 when none or more than one is marked.
  static Cell MarkedCell(AppFixture& f) {
    const morvek::ui::MapGrid& grid = f.window().grid();
    Cell marked;
    int count = 0;
    for (int r = 0; r < 10; ++r)
      for (int c = 0; c < 15; ++c)
        if (IsGreen(grid.cell(r, c))) {
          marked = {r, c};
          ++count;
        }
    return count == 1 ? marked : Cell{};
  }

  // The cell nearest to the session's live rpm and throttle on the axis the grid shows.
  static Cell ExpectedCell(AppFixture& f) {
    const morvek::ui::MapGrid& grid = f.window().grid();
    std::vector<int> axis;
    for (int c = 0; c < 15; ++c) axis.push_back(grid.rpm(c)->value());
    const auto& live = f.app->session().live_values();
    return {Nearest({0, 2, 5, 10, 20, 30, 40, 60, 80, 100}, live.throttle_percent),
            Nearest(axis, live.rpm)};
  }

  // Exactly the live column's axis point and the live row's caption are marked.
  static void CheckAxes(AppFixture& f, const Cell& cell) {
    const morvek::ui::MapGrid& grid = f.window().grid();
    for (int c = 0; c < 15; ++c) QCOMPARE(IsGreen(grid.rpm(c)), c == cell.column);
    for (int r = 0; r < 10; ++r) QCOMPARE(IsGreen(grid.tps_row(r)), r == cell.row);
  }

 private slots:
  // Every test function starts in a config folder of its own, as a first run.
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void markedCellFollowsTheEngine() {
    AppFixture f(Dir(), {}, Steady(3000, 20));
    f.window().pages().setCurrentIndex(2);  // Inj-1A
    f.Tick(120);
    const auto& live = f.app->session().live_values();
    QVERIFY2(live.rpm > 2500 && live.rpm < 3500, qPrintable(QString::number(live.rpm)));
    const Cell first = ExpectedCell(f);
    QCOMPARE(MarkedCell(f), first);
    CheckAxes(f, first);

    Steer(f, 9000, 70);
    const Cell second = ExpectedCell(f);
    QVERIFY(second.row > first.row && second.column > first.column);
    QCOMPARE(MarkedCell(f), second);
    CheckAxes(f, second);

    // The milliseconds view marks the cell's label and no other.
    f.window().grid().ms_box()->click();
    f.Tick();
    for (int r = 0; r < 10; ++r)
      for (int c = 0; c < 15; ++c)
        QCOMPARE(IsGreen(f.window().grid().ms_label(r, c)), (Cell{r, c} == second));
  }

  void pageShownAgainIsPaintedForTheValuesOfNow() {
    AppFixture f(Dir(), {}, Steady(3000, 20));
    f.window().pages().setCurrentIndex(1);  // Advance
    f.Tick(120);
    const Cell before = MarkedCell(f);
    QVERIFY(before.row >= 0);

    // Off the map pages the grid keeps its marks while the engine moves on.
    f.window().pages().setCurrentIndex(4);
    Steer(f, 8000, 90);
    QCOMPARE(MarkedCell(f), before);
    // The injection-position page marks its own column meanwhile, rpm and angle alike.
    std::vector<int> position_axis;
    for (int k = 0; k < 15; ++k)
      position_axis.push_back(
          f.Find<QSpinBox>(qPrintable("UpDownRpm_PolohaA_" + QString::number(k)))->value());
    const int column = Nearest(position_axis, f.app->session().live_values().rpm);
    for (int k = 0; k < 15; ++k) {
      const QString n = QString::number(k);
      QCOMPARE(IsGreen(f.Find<QSpinBox>(qPrintable("UpDownRpm_PolohaA_" + n))), k == column);
      QCOMPARE(IsGreen(f.Find<QSpinBox>(qPrintable("UpDownPolohaA_" + n))), k == column);
    }

    f.window().pages().setCurrentIndex(1);
    f.Tick();
    const Cell after = ExpectedCell(f);
    QVERIFY(!(after == before));
    QCOMPARE(MarkedCell(f), after);
    CheckAxes(f, after);
  }

  void gearPageMarksTheGearWhileRiding() {
    morvek::sim::ControllerConfig config;
    config.scenario.kind = morvek::sim::ScenarioKind::kRide;
    AppFixture f(Dir(), {}, config);
    // Gears told by their ratios: the ratio row, its caption and its button follow the gear.
    morvek::model::SetStored(f.app->editor().image(), FieldId::kGearSystem, 0);
    f.window().pages().setCurrentIndex(9);
    const auto& live = f.app->session().live_values();
    std::vector<int> seen;
    for (int tick = 0; tick < 2000 && seen.size() < 3; ++tick) {
      f.Tick();
      if (live.gear < 1 || live.gear > 6) continue;
      if (std::find(seen.begin(), seen.end(), live.gear) == seen.end()) seen.push_back(live.gear);
      for (int g = 1; g <= 6; ++g) {
        const QString n = QString::number(g);
        const bool on = g == live.gear;
        QCOMPARE(f.Find<QPushButton>(qPrintable("ButtonGear" + n))->font().bold(), on);
        QCOMPARE(IsGreen(f.Find<QLabel>(qPrintable("LabelGearKor" + n))), on);
        QCOMPARE(IsGreen(f.Find<QLabel>(qPrintable("LabelPomerRpmSpeed" + n))), on);
        QCOMPARE(
            IsGreen(f.Find<QSpinBox>(qPrintable("UpDownGearKorJet_" + QString::number(g - 1)))),
            on);
      }
    }
    QVERIFY2(seen.size() >= 3, "the ride never went through three gears");
  }

  // With the automatic detection the learnt ratios of the Gear page mark the gear instead.
  void automatGearMarksItsLearntRatio() {
    morvek::sim::ControllerConfig config;
    config.scenario.kind = morvek::sim::ScenarioKind::kRide;
    AppFixture f(Dir(), {}, config);
    morvek::model::SetStored(f.app->editor().image(), FieldId::kGearSystem, 1);
    morvek::model::SetStored(f.app->editor().image(), FieldId::kGearCount, 6);
    f.window().pages().setCurrentIndex(9);
    const auto& live = f.app->session().live_values();
    std::vector<int> seen;
    for (int tick = 0; tick < 2000 && seen.size() < 3; ++tick) {
      f.Tick();
      if (live.gear < 1 || live.gear > 6) continue;
      if (std::find(seen.begin(), seen.end(), live.gear) == seen.end()) seen.push_back(live.gear);
      for (int g = 1; g <= 6; ++g) {
        const QString n = QString::number(g);
        const bool on = g == live.gear;
        QCOMPARE(IsGreen(f.Find<QLabel>(qPrintable("LabelMonGearAuto" + n))), on);
        QCOMPARE(IsGreen(f.Find<QLabel>(qPrintable("LabelMonPomerRpmSpeedAuto" + n))), on);
        // The ratio rows belong to the other detection.
        QVERIFY(!IsGreen(f.Find<QLabel>(qPrintable("LabelPomerRpmSpeed" + n))));
      }
    }
    QVERIFY2(seen.size() >= 3, "the ride never went through three gears");
  }

  void unchangedPassRepaintsNothingAndItsCost() {
    AppFixture f(Dir(), {}, Steady(5000, 30));
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    f.window().pages().setCurrentIndex(2);
    f.Tick(120);
    QVERIFY(MarkedCell(f).row >= 0);
    morvek::ui::HighlightPainter& painter = f.app->highlight();
    const auto& image = f.app->editor().image();
    const auto live = f.app->session().live_values();
    painter.Update(image, 2, live, false);
    std::vector<qint64> ns;
    QElapsedTimer timer;
    for (int i = 0; i < 2001; ++i) {
      timer.start();
      painter.Update(image, 2, live, false);
      ns.push_back(timer.nsecsElapsed());
      QCOMPARE(painter.last_repaints(), 0);
    }
    std::sort(ns.begin(), ns.end());
    // A change of operating point repaints the old and the new cell, axis point and caption.
    auto moved = live;
    moved.rpm = live.rpm + 4000;
    moved.throttle_percent = 100;
    timer.start();
    painter.Update(image, 2, moved, false);
    const qint64 change_ns = timer.nsecsElapsed();
    QCOMPARE(painter.last_repaints(), 6);
    qInfo("highlight pass, nothing changed: median %.2f us; one change of cell: %.1f us",
          static_cast<double>(ns[ns.size() / 2]) / 1000.0, static_cast<double>(change_ns) / 1000.0);
    QVERIFY(ns[ns.size() / 2] < 500000);
  }
};

QTEST_MAIN(HighlightTest)
#include "highlight_test.moc"
