// The window laid out by the settings it edits, offscreen and by control name: the injector
// coupling menu, the grid's display modes, the gear page and the output tests the controller
// forbids while the motorcycle moves.

#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "app_fixture.h"
#include "model/field_table.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"
#include "ui/spin_button.h"

using morvek::model::FieldId;
using morvek::testing::AppFixture;

class LayoutTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  QString Dir() const { return dir_->path(); }

  static void ShowWindow(AppFixture& f) {
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
  }
  // The user picks a page tab.
  static void ShowPage(AppFixture& f, int page) {
    f.window().pages().setCurrentIndex(page);
    QCOMPARE(f.app->editor().active_page(), page);
  }
  static int Stored(AppFixture& f, FieldId id, int e = 0) {
    return morvek::model::Stored(f.app->editor().image(), id, e);
  }
  static bool Ticked(AppFixture& f, const char* item) { return f.Find<QAction>(item)->isChecked(); }

 private slots:
  // Every test function starts in a config folder of its own, as a first run.
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void jetSameOnInj2AMovesToInj1AAndHidesTheTab() {
    AppFixture f(Dir());
    ShowWindow(f);
    morvek::ui::PageTable& tabs = f.window().pages();
    f.Find<QAction>("Menu_Jet123Normal")->trigger();
    QVERIFY(Ticked(f, "Menu_Jet123Normal"));
    ShowPage(f, 3);

    f.Find<QAction>("Menu_Jet123Stejny")->trigger();
    QCOMPARE(Stored(f, FieldId::kJet1MiscMode), 2);
    QCOMPARE(tabs.currentIndex(), 2);
    QCOMPARE(f.app->editor().active_page(), 2);
    QVERIFY(!tabs.isTabVisible(3));
    QVERIFY(Ticked(f, "Menu_Jet123Stejny"));
    QVERIFY(!Ticked(f, "Menu_Jet123Normal"));
    QLabel* label = f.Find<QLabel>("LabelJetMode_Uni");
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("  1 = 2  "));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 255, 255));

    f.Find<QAction>("Menu_Jet123Coupled")->trigger();
    QVERIFY(tabs.isTabVisible(3));
    QVERIFY(Ticked(f, "Menu_Jet123Coupled"));
    QCOMPARE(label->text(), QStringLiteral("  1 -> 2  "));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 0));
    f.Find<QAction>("Menu_Jet123Normal")->trigger();
    QVERIFY(tabs.isTabVisible(3));
    QVERIFY(!label->isVisible());
  }

  void coupledInj2AIsReadOnlyAndShowsMillisecondsWithoutTools() {
    AppFixture f(Dir());
    ShowWindow(f);
    morvek::ui::MapGrid& grid = f.window().grid();
    f.Find<QAction>("Menu_Jet123Coupled")->trigger();
    ShowPage(f, 2);
    QVERIFY(!f.Find<QAction>("MenuNewActPage")->isEnabled());
    QVERIFY(!grid.cell(0, 0)->isReadOnly());
    QVERIFY(grid.tools_button()->isVisible());

    ShowPage(f, 3);
    QSpinBox* cell = grid.cell(4, 7);
    QVERIFY(cell->isVisible());
    QVERIFY(cell->isReadOnly());
    QCOMPARE(cell->buttonSymbols(), QAbstractSpinBox::NoButtons);
    QCOMPARE(grid.rpm(0)->buttonSymbols(), QAbstractSpinBox::NoButtons);
    QVERIFY(!grid.column_button(0)->isVisible());
    QVERIFY(!grid.tools_button()->isVisible());
    QVERIFY(!grid.all_box()->isVisible());
    QVERIFY(!f.Find<QAction>("MenuNewActPage")->isEnabled());
    // A key on a read-only cell changes nothing.
    const int before = cell->value();
    cell->setFocus();
    QTest::keyClick(cell, Qt::Key_Up);
    QCOMPARE(cell->value(), before);

    // "Ms": the stored times in milliseconds, labels only.
    morvek::model::SetStored(f.app->editor().image(), FieldId::kJet2A, 0, 2500);
    QTest::mouseClick(grid.ms_box(), Qt::LeftButton);
    QVERIFY(grid.ms_box()->isChecked());
    QLabel* ms = f.Find<QLabel>("LabelMs_Uni_0_0");
    QVERIFY(ms->isVisible());
    QCOMPARE(ms->text(), QStringLiteral("2.500 "));
    QVERIFY(!grid.cell(0, 0)->isVisible());
    QVERIFY(!grid.tools_button()->isVisible());

    // Back on the advance page nothing of that stays: the whole grid edits again.
    ShowPage(f, 1);
    QVERIFY(f.Find<QAction>("MenuNewActPage")->isEnabled());
    QVERIFY(grid.cell(0, 0)->isVisible());
    QVERIFY(!grid.cell(0, 0)->isReadOnly());
    QVERIFY(!ms->isVisible());
    QVERIFY(!grid.ms_box()->isVisible());
    QVERIFY(grid.tps_box()->isVisible());
  }

  // The editable milliseconds view shows each cell's time and keeps its arrows beside it: a
  // click on an arrow steps that cell, and the time shown follows.
  void millisecondViewKeepsTheCellArrows() {
    AppFixture f(Dir());
    ShowWindow(f);
    morvek::ui::MapGrid& grid = f.window().grid();
    f.Find<QAction>("Menu_Jet123Normal")->trigger();
    ShowPage(f, 2);
    QTest::mouseClick(grid.ms_box(), Qt::LeftButton);
    QVERIFY(grid.ms_box()->isChecked());
    QApplication::processEvents();
    QSpinBox* cell = grid.cell(3, 5);
    QLabel* ms = grid.ms_label(3, 5);
    QVERIFY(ms->isVisible());
    QVERIFY(cell->isVisible());
    QCOMPARE(cell->buttonSymbols(), QAbstractSpinBox::UpDownArrows);
    QVERIFY(!cell->findChild<QLineEdit*>()->isVisible());
    // The arrows stand at the label's right end, narrower than the label.
    QVERIFY(cell->width() < ms->width());
    QVERIFY(ms->geometry().contains(cell->geometry().center()));
    const int k = morvek::model::MapElement(3, 5);
    const int time = Stored(f, FieldId::kJet1A, k);
    const QString text = ms->text();
    QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(cell->width() / 2, cell->height() / 4));
    QVERIFY(Stored(f, FieldId::kJet1A, k) > time);
    QVERIFY(ms->text() != text);
    // Leaving the view gives the cells their edits back.
    QTest::mouseClick(grid.ms_box(), Qt::LeftButton);
    QVERIFY(cell->findChild<QLineEdit*>()->isVisible());
    QVERIFY(!ms->isVisible());
  }

  void clearingTpsLeavesOneRowUnderTheRpmAxis() {
    AppFixture f(Dir());
    ShowWindow(f);
    morvek::ui::MapGrid& grid = f.window().grid();
    ShowPage(f, 1);
    if (!grid.tps_box()->isChecked()) QTest::mouseClick(grid.tps_box(), Qt::LeftButton);
    QVERIFY(grid.tps_box()->isChecked());
    QApplication::processEvents();
    const int first_row_top = grid.cell(0, 0)->y();
    QVERIFY(grid.cell(9, 0)->y() > first_row_top);

    QTest::mouseClick(grid.tps_box(), Qt::LeftButton);
    QCOMPARE(Stored(f, FieldId::kAdvanceMiscTpsMap), 0);
    QApplication::processEvents();
    for (int row = 0; row < 9; ++row) QVERIFY(!grid.cell(row, 3)->isVisible());
    for (int column = 0; column < 15; ++column) QVERIFY(grid.cell(9, column)->isVisible());
    QCOMPARE(grid.cell(9, 0)->y(), first_row_top);
    QVERIFY(!f.Find<QLabel>("LabelTpsRow_Uni_9")->isVisible());
    QVERIFY(!f.Find<QLabel>("LabelTps_Uni")->isVisible());
    QVERIFY(!grid.column_button(5)->isVisible());
    QVERIFY(grid.tools_button()->isVisible());

    // Row 9 is edited as before.
    grid.cell(9, 2)->setValue(33);
    QCOMPARE(Stored(f, FieldId::kAdvance, 9 * 15 + 2), 33);

    QTest::mouseClick(grid.tps_box(), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(grid.cell(0, 3)->isVisible());
    QVERIFY(grid.cell(9, 0)->y() > first_row_top);
  }

  void gearCountThreeWithSystemZeroShowsThreeGears() {
    AppFixture f(Dir());
    ShowWindow(f);
    morvek::model::SetStored(f.app->editor().image(), FieldId::kGearSystem, 0);
    ShowPage(f, 9);
    f.Find<QSpinBox>("UpDownPocetGear")->setValue(3);
    QCOMPARE(Stored(f, FieldId::kGearCount), 3);
    for (int gear = 1; gear <= 6; ++gear) {
      const QByteArray n = QByteArray::number(gear);
      QCOMPARE(f.Find<QPushButton>("ButtonGear" + n)->isVisible(), gear <= 3);
      QCOMPARE(f.Find<QLabel>("LabelPomerRpmSpeed" + n)->isVisible(), gear <= 3);
      QVERIFY(f.Find<QSpinBox>("UpDownPomerRpmSpeed_" + QByteArray::number(gear - 1))->isVisible());
      QCOMPARE(f.Find<QSpinBox>("UpDownGearKorJet_" + QByteArray::number(gear - 1))->isVisible(),
               gear <= 3);
    }
    f.Find<QSpinBox>("UpDownPocetGear")->setValue(5);
    QVERIFY(f.Find<QPushButton>("ButtonGear5")->isVisible());
    QVERIFY(!f.Find<QPushButton>("ButtonGear6")->isVisible());
  }

  void equalAirPressureVoltagesTurnBothEditsRed() {
    AppFixture f(Dir());
    ShowWindow(f);
    ShowPage(f, 6);
    QSpinBox* v1 = f.Find<QSpinBox>("UpDownApsNapeti1");
    QSpinBox* v2 = f.Find<QSpinBox>("UpDownApsNapeti2");
    auto red = [](QSpinBox* spin) {
      return spin->palette().color(QPalette::Base) == QColor(255, 0, 0);
    };
    QVERIFY(v1->value() != v2->value());
    QVERIFY(!red(v1) && !red(v2));
    v2->setValue(v1->value());
    QCOMPARE(Stored(f, FieldId::kApsVoltage2), Stored(f, FieldId::kApsVoltage1));
    QVERIFY(red(v1));
    QVERIFY(red(v2));
    v2->setValue(v1->value() + 100);
    QVERIFY(!red(v1) && !red(v2));
  }

  void automatGearSystemShowsTheLearntRatiosOnTheGearPage() {
    AppFixture f(Dir());
    ShowWindow(f);
    QWidget* gear_sheet = f.window().pages().sheet(9);
    morvek::model::SetStored(f.app->editor().image(), FieldId::kGearSystem, 1);
    morvek::model::SetStored(f.app->editor().image(), FieldId::kGearCount, 4);
    ShowPage(f, 9);
    auto* group = gear_sheet->findChild<QWidget*>(QStringLiteral("GroupBoxMonAutoGear"));
    QVERIFY(group != nullptr);
    QVERIFY(group->isVisible());
    for (int gear = 1; gear <= 6; ++gear) {
      const QString n = QString::number(gear);
      auto* name = group->findChild<QLabel*>(QStringLiteral("LabelMonGearAuto") + n);
      auto* ratio = group->findChild<QLabel*>(QStringLiteral("LabelMonPomerRpmSpeedAuto") + n);
      QVERIFY(name != nullptr && ratio != nullptr);
      QCOMPARE(name->isVisible(), gear <= 4);
      QCOMPARE(ratio->isVisible(), gear <= 4);
      QCOMPARE(name->text(), QStringLiteral("Gear ") + n);
    }
    QVERIFY(gear_sheet->findChild<QLabel*>(QStringLiteral("LabelMonPomerRpmSpeed"))->isVisible());
    // Without gear detection neither the learnt nor the live ratio means anything.
    ShowPage(f, 0);
    morvek::model::SetStored(f.app->editor().image(), FieldId::kGearSystem, 2);
    ShowPage(f, 9);
    QVERIFY(!group->isVisible());
    QVERIFY(!gear_sheet->findChild<QLabel*>(QStringLiteral("LabelMonPomerRpmSpeed"))->isVisible());
    // The Monitor page no longer holds them, nor the idle correction.
    QWidget* monitor = f.window().pages().sheet(12);
    for (const char* name :
         {"LabelMonPomerRpmSpeed", "LabelMonPomerRpmSpeedAuto1", "LabelIdleKorAdv"})
      QVERIFY2(monitor->findChild<QWidget*>(QString::fromLatin1(name)) == nullptr, name);
  }

  void idleCorrectionStandsOnTheIdlePageWithItsSwitch() {
    AppFixture f(Dir());
    ShowWindow(f);
    QWidget* idle = f.window().pages().sheet(7);
    auto* label = idle->findChild<QLabel*>(QStringLiteral("LabelIdleKorAdv"));
    QVERIFY(label != nullptr);
    for (const int on : {1, 0, 1}) {
      ShowPage(f, 0);
      morvek::model::SetStored(f.app->editor().image(), FieldId::kIdleAdvOn, on);
      ShowPage(f, 7);
      QCOMPARE(label->isVisible(), on == 1);
    }
  }

  void unknownCouplingModeKeepsTheTuningChannel() {
    AppFixture f(Dir());
    ShowWindow(f);
    for (const int mode : {3, 1, 0}) {
      ShowPage(f, 0);
      morvek::model::SetStored(f.app->editor().image(), FieldId::kJet1MiscMode, mode);
      ShowPage(f, 11);
      QCOMPARE(f.Find<QSpinBox>("UpDownLadeniKanal")->isVisible(), mode != 1);
    }
  }

  // A menu marks the one choice of an exclusive group with a radio mark, not a check box.
  void jetAndComMenusMarkTheirOneChoiceAsRadioItems() {
    AppFixture f(Dir());
    ShowWindow(f);
    QList<QAction*> jet;
    for (const char* name : {"Menu_Jet123Normal", "Menu_Jet123Coupled", "Menu_Jet123Stejny"})
      jet << f.Find<QAction>(name);
    QList<QAction*> com;
    for (QAction* a : f.Find<QMenu>("MenuCom")->actions())
      if (!a->isSeparator()) com << a;
    QCOMPARE(com.size(), 21);
    for (const QList<QAction*>& items : {jet, com}) {
      QActionGroup* group = items.front()->actionGroup();
      QVERIFY(group != nullptr);
      QVERIFY(group->isExclusive());
      for (QAction* a : items) QCOMPARE(a->actionGroup(), group);
    }
    jet[1]->trigger();
    QCOMPARE(Stored(f, FieldId::kJet1MiscMode), 1);
    QVERIFY(jet[1]->isChecked() && !jet[0]->isChecked() && !jet[2]->isChecked());
    com[20]->trigger();
    QCOMPARE(std::count_if(com.begin(), com.end(), [](QAction* a) { return a->isChecked(); }), 1);
    QVERIFY(com[20]->isChecked());
  }

  void idleServoRangesAndTablesFollowTheIdleMode() {
    AppFixture f(Dir());
    ShowWindow(f);
    morvek::model::Editor& editor = f.app->editor();
    morvek::model::SetStored(editor.image(), FieldId::kIdleMode, 1);
    morvek::model::SetStored(editor.image(), FieldId::kIdleAdvOn, 0);
    ShowPage(f, 7);
    QSpinBox* servo = f.Find<QSpinBox>("UpDownIdleServo_4");
    QCOMPARE(servo->maximum(), 12000);
    QCOMPARE(servo->singleStep(), 10);
    QVERIFY(f.Find<QWidget>("GroupBoxIdleServoPoz")->isVisible());
    QVERIFY(!f.Find<QWidget>("GroupBoxIdleAdvPoz")->isVisible());
    QVERIFY(f.Find<QSpinBox>("UpDownIdleStart")->isVisible());

    QTest::mouseClick(f.Find<QCheckBox>("CheckBoxIdleAdvOn"), Qt::LeftButton);
    QCOMPARE(Stored(f, FieldId::kIdleAdvOn), 1);
    QVERIFY(f.Find<QWidget>("GroupBoxIdleAdvPoz")->isVisible());
    QVERIFY(f.Find<QSpinBox>("UpDownIdleMaxAdv")->isVisible());
  }

  void outputTestsFollowTheControllersInhibitWhileTheTuningPageIsShown() {
    morvek::sim::ControllerConfig config;
    config.scenario.kind = morvek::sim::ScenarioKind::kRide;
    AppFixture f(Dir(), {}, config);
    ShowWindow(f);
    ShowPage(f, 11);
    QPushButton* jet = f.Find<QPushButton>("ButtonTestJet1A");
    QVERIFY(!f.Find<QPushButton>("ButtonTestJet3A")->isVisible());
    QVERIFY(!f.Find<QPushButton>("ButtonTestServoExMinus")->isVisible());
    QVERIFY(jet->isEnabled());
    // The motorcycle rides off: its monitor frames forbid the tests.
    for (int tick = 0; tick < 3000 && !f.app->session().live_values().output_test_inhibit; ++tick)
      f.Tick();
    QVERIFY(f.app->session().live_values().output_test_inhibit);
    QVERIFY(!jet->isEnabled());
    QVERIFY(!f.Find<QWidget>("GroupBoxTestJet")->isEnabled());
    QVERIFY(!f.Find<QPushButton>("ButtonTestFuelPump")->isEnabled());

    // F6: "Tuning on" turns red, and back.
    QCheckBox* tuning = f.Find<QCheckBox>("CheckBoxLadeniPovoleno");
    f.Find<QAction>("MenuLadeniOn")->trigger();
    QVERIFY(tuning->isChecked());
    QCOMPARE(tuning->palette().color(QPalette::Window), QColor(255, 0, 0));
    f.Find<QAction>("MenuLadeniOn")->trigger();
    QVERIFY(!tuning->autoFillBackground());
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
