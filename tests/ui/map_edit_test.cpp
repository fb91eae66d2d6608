// The map grid as a spreadsheet, offscreen with real keys and mouse: selections, the operation
// keys, copy and paste through the clipboard, heat colours and the 3D map.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <vector>

#include "app/map_edit_commands.h"
#include "app/page_controller.h"
#include "app/print_command.h"
#include "app_fixture.h"
#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "pages/page_commands.h"
#include "pages/selection_edit.h"
#include "ui/grid_selection.h"
#include "ui/map_3d_view.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"
#include "ui/selection_overlay.h"

using morvek::model::FieldId;
using morvek::pages::MapSelection;
using morvek::testing::AppFixture;

namespace {

int Advance(AppFixture& f, int row, int column) {
  return morvek::model::Stored(f.app->editor().image(), FieldId::kAdvance, row * 15 + column);
}

QSpinBox* Cell(AppFixture& f, int row, int column) { return f.window().grid().cell(row, column); }

// Keys go where the focus is, as they do for a user.
void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(focus != nullptr);
  QTest::keyClick(focus, static_cast<Qt::Key>(key), mods);
}

void Type(const QString& text) {
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(focus != nullptr);
  QTest::keyClicks(focus, text);
}

void Click(QSpinBox* cell, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QLineEdit* edit = cell->findChild<QLineEdit*>();
  QTest::mouseClick(edit, Qt::LeftButton, mods, edit->rect().center());
}

void ShowWindow(AppFixture& f, int page) {
  f.window().show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
  f.window().activateWindow();
  f.window().pages().setCurrentIndex(page);
}

const MapSelection& Selected(AppFixture& f) { return f.window().grid().selection().selection(); }

}  // namespace

class MapEditTest : public QObject {
  Q_OBJECT

 private slots:
  void shiftArrowsDragAndMovesSelectWithoutSteppingValues() {
    QTemporaryDir dir;
    AppFixture f(dir.path());
    ShowWindow(f, 1);
    const morvek::model::ParameterImage start = f.app->editor().image();
    Click(Cell(f, 2, 3));
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(Selected(f), (MapSelection{2, 3, 3, 5}));
    QVERIFY(Cell(f, 3, 5)->hasFocus());
    // The frame covers exactly the four corner cells' area.
    const QRect area = f.window().grid().findChild<morvek::ui::SelectionOverlay*>()->area();
    QVERIFY(area.contains(Cell(f, 2, 3)->geometry()));
    QVERIFY(area.contains(Cell(f, 3, 5)->geometry()));
    QVERIFY(!area.contains(Cell(f, 4, 5)->geometry().center()));
    QVERIFY(!area.contains(Cell(f, 2, 6)->geometry().center()));
    // Without Shift the arrows move the cursor and drop the selection; Up and Down move
    // between rows and leave the values as they are.
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    Key(Qt::Key_Left);
    QVERIFY(Selected(f).empty());
    QVERIFY(Cell(f, 1, 4)->hasFocus());
    QCOMPARE(f.app->editor().image(), start);
    QVERIFY(!f.app->editor().CanUndo());
    // Typing replaces the text of the cell the arrows reached.
    Type(QStringLiteral("33"));
    Key(Qt::Key_Return);
    QCOMPARE(Advance(f, 1, 4), 33);
    // PgUp still steps the value: ten steps of one degree.
    Click(Cell(f, 5, 5));
    const int v = Advance(f, 5, 5);
    Key(Qt::Key_PageUp);
    QCOMPARE(Advance(f, 5, 5), v + 10);

    // A drag from one cell to another selects the rectangle between them.
    QLineEdit* from = Cell(f, 6, 8)->findChild<QLineEdit*>();
    QLineEdit* to = Cell(f, 4, 11)->findChild<QLineEdit*>();
    QTest::mousePress(from, Qt::LeftButton, {}, from->rect().center());
    const QPoint target = from->mapFromGlobal(to->mapToGlobal(to->rect().center()));
    QMouseEvent move(QEvent::MouseMove, target, from->mapToGlobal(target), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(from, &move);
    QTest::mouseRelease(from, Qt::LeftButton, {}, target);
    QCOMPARE(Selected(f), (MapSelection{4, 8, 6, 11}));
    // Shift+click grows from the drag's start; Ctrl+A takes the whole map, Esc clears.
    Click(Cell(f, 9, 14), Qt::ShiftModifier);
    QCOMPARE(Selected(f), (MapSelection{6, 8, 9, 14}));
    Key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Selected(f), MapSelection::WholeMap());
    Key(Qt::Key_Escape);
    QVERIFY(Selected(f).empty());
  }

  void starScalesExactlyTheSelectionInOneStep() {
    QTemporaryDir dir;
    AppFixture f(dir.path());
    ShowWindow(f, 1);
    const morvek::model::ParameterImage before = f.app->editor().image();
    Click(Cell(f, 4, 6));
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Asterisk);
    auto* prompt = f.Find<QLineEdit>("EditSelectionValue");
    QVERIFY(prompt->isVisible());
    QVERIFY(prompt->hasFocus());
    Type(QStringLiteral("110"));
    Key(Qt::Key_Return);
    QVERIFY(!prompt->isVisible());
    for (int j = 0; j < 10; ++j)
      for (int i = 0; i < 15; ++i) {
        const int was = morvek::model::Stored(before, FieldId::kAdvance, j * 15 + i);
        const bool in = j >= 4 && j <= 6 && i >= 6 && i <= 7;
        // 110 % rounded half away from zero, within 60 degrees.
        const int expected = in ? std::min(60, (was * 11 + 5) / 10) : was;
        QCOMPARE(Advance(f, j, i), expected);
      }
    QVERIFY(Cell(f, 6, 7)->hasFocus());  // back in the grid, where it was
    // One history entry: one undo gives the map back and leaves nothing to undo.
    f.app->page_controller().UpdateHistoryCommands();
    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(f.app->editor().image(), before);
    QVERIFY(!f.app->editor().CanUndo());
  }

  void operationKeysMenusAndTheLimitsReport() {
    QTemporaryDir dir;
    AppFixture f(dir.path());
    ShowWindow(f, 1);
    // = 50 over a row of four cells, then * 130: the map holds 60 at most, the status bar says so.
    Click(Cell(f, 3, 2));
    for (int n = 0; n < 3; ++n) Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Equal);
    Type(QStringLiteral("50"));
    Key(Qt::Key_Return);
    for (int i = 2; i <= 5; ++i) QCOMPARE(Advance(f, 3, i), 50);
    Key(Qt::Key_Asterisk);
    Type(QStringLiteral("130"));
    Key(Qt::Key_Return);
    for (int i = 2; i <= 5; ++i) QCOMPARE(Advance(f, 3, i), 60);
    const QString message = f.window().statusBar()->currentMessage();
    QVERIFY2(message.contains(QStringLiteral("4 values")) &&
                 message.contains(QStringLiteral("65 became 60")),
             qPrintable(message));
    // - 5 with a decimal comma typed in the box, then H across the row from its ends.
    Key(Qt::Key_Minus);
    Type(QStringLiteral("5,4"));
    Key(Qt::Key_Return);
    QCOMPARE(Advance(f, 3, 4), 55);
    f.app->map_edit_commands().Apply(morvek::pages::SelectionOperation::kSet, 10);
    Click(Cell(f, 3, 5));
    Cell(f, 3, 5)->findChild<QLineEdit*>()->selectAll();
    Type(QStringLiteral("20"));
    Key(Qt::Key_Return);
    Click(Cell(f, 3, 2));
    for (int n = 0; n < 3; ++n) Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_H);
    QCOMPARE(Advance(f, 3, 3), 13);  // 10 -> 20 over four cells: 13.3 and 16.7
    QCOMPARE(Advance(f, 3, 4), 17);
    // The Tools menu's submenu and the cells' context menu carry the same actions.
    auto* menu = f.Find<QMenu>("MenuSelection");
    QVERIFY(menu->actions().contains(f.Find<QAction>("MenuSelSmooth")));
    QVERIFY(f.Find<QAction>("MenuSelSmooth")->text().startsWith(QStringLiteral("Smooth")));
    f.Find<QAction>("MenuSelFill")->trigger();  // the cursor's cell is (3,5)
    for (int i = 2; i <= 5; ++i) QCOMPARE(Advance(f, 3, i), 20);
    QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(3, 3),
                              Cell(f, 3, 3)->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(Cell(f, 3, 3)->findChild<QLineEdit*>(), &context);
    QVERIFY(menu->isVisible());
    menu->hide();
    // In German the same actions speak German.
    f.app->ChooseLanguage(1);
    QCOMPARE(menu->title(), QStringLiteral("Auswahl"));
    QVERIFY(f.Find<QAction>("MenuSelSmooth")->text().startsWith(QStringLiteral("Glätten")));
    QVERIFY(f.Find<QAction>("MenuSelCopy")->text().endsWith(QStringLiteral("\tStrg+C")));
    f.app->ChooseLanguage(2);
    QVERIFY(f.Find<QAction>("MenuSelCopy")->text().endsWith(QStringLiteral("\tCtrl+C")));
  }

  void copyPasteRoundTripsTheMapThroughTheClipboard() {
    QTemporaryDir dir;
    AppFixture f(dir.path());
    ShowWindow(f, 2);
    const morvek::model::ParameterImage before = f.app->editor().image();
    Click(Cell(f, 0, 0));
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    const QStringList lines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 11);  // the rpm axis, then ten rows
    QVERIFY(lines[0].startsWith(QLatin1Char('\t')));
    QCOMPARE(lines[0].split(QLatin1Char('\t')).size(), 16);
    QCOMPARE(lines[1].split(QLatin1Char('\t'))[0], QStringLiteral("0"));
    QCOMPARE(lines[1].split(QLatin1Char('\t'))[1], Cell(f, 0, 0)->cleanText());
    QCOMPARE(lines[10].split(QLatin1Char('\t'))[15], Cell(f, 9, 14)->cleanText());
    // Spoil the map, then paste it back: the image is what it was.
    Key(Qt::Key_Equal);
    Type(QStringLiteral("77"));
    Key(Qt::Key_Return);
    QCOMPARE(Cell(f, 5, 5)->value(), 77);
    QVERIFY(f.app->editor().image() != before);
    Click(Cell(f, 6, 9));  // the whole map with its axes lands on the whole map
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.app->editor().image(), before);
    QCOMPARE(Selected(f), MapSelection::WholeMap());
    // A part of the map copies without axes; in the "Ms" view the times are copied.
    Key(Qt::Key_Escape);
    Click(Cell(f, 2, 2));
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             Cell(f, 2, 2)->cleanText() + '\t' + Cell(f, 2, 3)->cleanText() + '\n');
    f.Find<QCheckBox>("CheckBoxZobrMs_Uni")->click();
    f.app->map_edit_commands().Copy();
    const QString ms = QApplication::clipboard()->text();
    QCOMPARE(ms, f.window().grid().ms_label(2, 2)->text().trimmed() + '\t' +
                     f.window().grid().ms_label(2, 3)->text().trimmed() + '\n');
    QVERIFY(ms.contains(QLatin1Char('.')));
  }

  void spreadsheetPasteWithDecimalCommaAndRefusals() {
    QTemporaryDir dir;
    AppFixture f(dir.path());
    ShowWindow(f, 1);
    Click(Cell(f, 2, 4));
    // As a German spreadsheet copies two rows: semicolons, decimal commas, CR LF.
    QApplication::clipboard()->setText(QStringLiteral("12,4;13,6\r\n14,5;15,49\r\n"));
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Advance(f, 2, 4), 12);
    QCOMPARE(Advance(f, 2, 5), 14);
    QCOMPARE(Advance(f, 3, 4), 15);
    QCOMPARE(Advance(f, 3, 5), 15);
    QVERIFY(f.prompts.messages.empty());
    // A cell that is no number: refused, naming its row and column, and nothing changes.
    const morvek::model::ParameterImage before = f.app->editor().image();
    QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n4\tfive\t6\n"));
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.prompts.messages.size(), std::size_t{1});
    const QString refused = QString::fromStdString(f.prompts.messages.back());
    QVERIFY2(refused.contains(QStringLiteral("row 2, column 2")) &&
                 refused.contains(QStringLiteral("five")),
             qPrintable(refused));
    // A block that runs past the map's edge says where it was put.
    Click(Cell(f, 9, 14));
    QApplication::clipboard()->setText(QStringLiteral("1\t2\n3\t4\n"));
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.prompts.messages.size(), std::size_t{2});
    const QString misfit = QString::fromStdString(f.prompts.messages.back());
    QVERIFY2(misfit.contains(QStringLiteral("2 rows and 2 columns")) &&
                 misfit.contains(QStringLiteral("row 10, column 15")),
             qPrintable(misfit));
    QCOMPARE(f.app->editor().image(), before);
    // Map 2A in coupled mode follows 1A: operations and pastes are refused there.
    morvek::pages::SetJetMode(f.app->page_controller().pages(), f.app->page_controller().values(),
                              morvek::pages::kJetModeCoupled);
    f.window().pages().setCurrentIndex(3);
    const morvek::model::ParameterImage coupled = f.app->editor().image();
    f.app->map_edit_commands().Apply(morvek::pages::SelectionOperation::kSmooth);
    QVERIFY(f.window().statusBar()->currentMessage().contains(QStringLiteral("follows")));
    f.app->map_edit_commands().Paste();
    QCOMPARE(f.prompts.messages.size(), std::size_t{3});
    QCOMPARE(f.app->editor().image(), coupled);
  }

  void heatColoursFollowEditsAndAreSaved() {
    QTemporaryDir dir;
    {
      AppFixture f(dir.path());
      ShowWindow(f, 1);
      auto* heat = f.Find<QAction>("MenuHeatColours");
      QVERIFY(heat->isCheckable() && !heat->isChecked());
      const QColor plain = Cell(f, 0, 0)->palette().color(QPalette::Base);
      heat->trigger();
      // The lowest and highest cells stand at the ends of the scale: blue and red.
      Click(Cell(f, 0, 0));
      Key(Qt::Key_A, Qt::ControlModifier);
      f.app->map_edit_commands().Apply(morvek::pages::SelectionOperation::kSet, 20);
      Click(Cell(f, 1, 1));
      Type(QStringLiteral("40"));
      Key(Qt::Key_Return);
      Click(Cell(f, 2, 2));
      Type(QStringLiteral("0"));
      Key(Qt::Key_Return);
      const QColor high = Cell(f, 1, 1)->palette().color(QPalette::Base);
      const QColor low = Cell(f, 2, 2)->palette().color(QPalette::Base);
      const QColor middle = Cell(f, 5, 5)->palette().color(QPalette::Base);
      QVERIFY(high.red() > high.blue() + 100);
      QVERIFY(low.blue() > low.red() + 100);
      QVERIFY(middle != plain && middle != high && middle != low);
      // Text stays readable: white on the dark ends, black in the pale middle.
      QCOMPARE(Cell(f, 1, 1)->palette().color(QPalette::Text), QColor(Qt::white));
      QCOMPARE(Cell(f, 5, 5)->palette().color(QPalette::Text), QColor(Qt::black));
      // An edit moves the colours: 40 is no longer the highest.
      Click(Cell(f, 3, 3));
      Type(QStringLiteral("60"));
      Key(Qt::Key_Return);
      QVERIFY(Cell(f, 1, 1)->palette().color(QPalette::Base) != high);
      // The printout shows the colours; the selection's frame is an editing aid and is not
      // printed.
      Key(Qt::Key_A, Qt::ControlModifier);
      morvek::app::PrintTarget target;
      target.pdf_path = dir.path() + "/heat.pdf";
      bool looked = false;
      target.while_printable = [&] {
        looked = true;
        QVERIFY(!f.window().grid().findChild<morvek::ui::SelectionOverlay*>()->isVisible());
        const QImage page = f.window().grid().grab().toImage();
        const QPoint at = Cell(f, 3, 3)->geometry().topLeft() + QPoint(3, 3);
        const QColor printed = page.pixelColor(at * page.devicePixelRatio());
        QVERIFY2(printed.red() > printed.blue() + 100, qPrintable(printed.name()));
      };
      f.app->print_command().set_target(target);
      f.app->print_command().SpeedButtonPrintClick(QDateTime::currentDateTime());
      QVERIFY(looked);
      QVERIFY(f.window().grid().findChild<morvek::ui::SelectionOverlay*>()->isVisible());
      f.window().close();
    }
    AppFixture again(dir.path());
    QVERIFY(again.Find<QAction>("MenuHeatColours")->isChecked());
    QVERIFY(again.window().grid().heat_colours());
  }

  void liveCellStaysLimeUnderHeatAndSelection() {
    QTemporaryDir dir;
    AppFixture f(dir.path(), {}, morvek::testing::Steady(5000, 30));
    ShowWindow(f, 1);
    f.Find<QAction>("MenuHeatColours")->trigger();
    Click(Cell(f, 0, 0));
    Key(Qt::Key_A, Qt::ControlModifier);
    f.Tick(20);
    const morvek::pages::LiveCell live =
        morvek::pages::LiveMapCell(f.app->editor().image(), 1, f.app->session().live_values().rpm,
                                   f.app->session().live_values().throttle_percent);
    QVERIFY(live.engine_running);
    QCOMPARE(Cell(f, live.row, live.column)->palette().color(QPalette::Base), QColor(0, 255, 0));
    // The selection's tint lies over the lime but lets it show through: the pixel stays green.
    const QImage shot = f.window().grid().grab().toImage();
    const QPoint at = Cell(f, live.row, live.column)->geometry().topLeft() + QPoint(4, 4);
    const QColor pixel = shot.pixelColor(at * shot.devicePixelRatio());
    QVERIFY2(pixel.green() > 150 && pixel.green() > pixel.red() + 60, qPrintable(pixel.name()));
  }

  void map3DFollowsEditsPageAndTheEngine() {
    QTemporaryDir dir;
    AppFixture f(dir.path(), {}, morvek::testing::Steady(6000, 40));
    ShowWindow(f, 1);
    f.Find<QAction>("Menu3DMap")->trigger();
    morvek::ui::Map3DView* view = f.app->map_edit_commands().map_3d();
    QVERIFY(view != nullptr && view->isVisible());
    QVERIFY(view->windowTitle().startsWith(QStringLiteral("3D map")));
    QVERIFY(!view->live());
    f.Tick(20);
    QVERIFY(view->live().has_value());
    const QImage first = view->grab().toImage();
    QVERIFY(!view->marker_position().isNull());
    // An edit on the grid redraws the surface.
    Click(Cell(f, 0, 0));
    Key(Qt::Key_A, Qt::ControlModifier);
    f.app->map_edit_commands().Apply(morvek::pages::SelectionOperation::kAdd, 15);
    QVERIFY(view->grab().toImage() != first);
    // Another page shows its own map.
    f.window().pages().setCurrentIndex(2);
    QVERIFY(view->windowTitle().contains(f.window().pages().tabText(2).remove('&')));
    // A drag turns it, the wheel zooms.
    const double turn = view->turn();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(160, 120), view->mapToGlobal(QPointF(160, 120)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(160, 120));
    QVERIFY(view->turn() != turn);
    const double zoom = view->zoom();
    QWheelEvent wheel(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    QVERIFY(view->zoom() > zoom);
  }

  // One operation on the whole map through the edit path, and a redraw of the 3D map while it
  // turns: the median of a run.
  void operationAndRedrawTimings() {
    QTemporaryDir dir;
    AppFixture f(dir.path());
    ShowWindow(f, 2);
    Click(Cell(f, 0, 0));
    Key(Qt::Key_A, Qt::ControlModifier);
    auto& page = f.app->page_controller();
    page.ReadControls();
    std::vector<qint64> core;
    std::vector<qint64> window;
    for (int n = 0; n < 21; ++n) {
      QElapsedTimer t;
      t.start();
      const auto result = morvek::pages::ApplySelection(
          page.pages(), page.values(),
          {morvek::pages::SelectionOperation::kAdd, MapSelection::WholeMap(), n % 2 ? -1.0 : 1.0});
      core.push_back(t.nsecsElapsed());
      QVERIFY(result.change.changed);
      page.Finish(result.change);
      const morvek::model::ParameterImage before = f.app->editor().image();
      t.restart();
      f.app->map_edit_commands().Apply(morvek::pages::SelectionOperation::kScale, n % 2 ? 90 : 110);
      window.push_back(t.nsecsElapsed());
      QVERIFY(f.app->editor().image() != before);
    }
    f.Find<QAction>("Menu3DMap")->trigger();
    morvek::ui::Map3DView* view = f.app->map_edit_commands().map_3d();
    QImage image(view->size() * view->devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(view->devicePixelRatioF());
    std::vector<qint64> redraw;
    for (int n = 0; n < 21; ++n) {
      view->SetAngles(view->turn() + 7, view->tilt());
      QElapsedTimer t;
      t.start();
      view->render(&image);
      redraw.push_back(t.nsecsElapsed());
    }
    const auto median = [](std::vector<qint64> v) {
      std::sort(v.begin(), v.end());
      return v[v.size() / 2] / 1e6;
    };
    qInfo(
        "whole-map operation: %.3f ms through the edit path, %.3f ms with the window; "
        "3D redraw %.3f ms",
        median(core), median(window), median(redraw));
    QVERIFY(median(core) <= 2.0);
    QVERIFY(median(redraw) <= 16.0);
  }
};

QTEST_MAIN(MapEditTest)
#include "map_edit_test.moc"
