// The window as an editor, offscreen and by control name: a value typed into the grid and
// committed, spinner clicks, undo and redo, and programming after change against the simulated
// controller.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "app_fixture.h"
#include "i18n/text_table.h"
#include "model/field_table.h"
#include "model/map_geometry.h"
#include "ui/about_window.h"
#include "ui/live_display.h"
#include "ui/page_table.h"
#include "ui/tool_bar.h"

using morvek::model::FieldId;
using morvek::testing::AppFixture;

class EditingTest : public QObject {
  Q_OBJECT

  // Every test starts as a first run: no settings, no state of an earlier run, also when the
  // whole binary runs in one process.
  std::unique_ptr<QTemporaryDir> dir_ = std::make_unique<QTemporaryDir>();
  QString Dir() const { return dir_->path(); }

  static void TypeInto(QSpinBox* spin, const QString& text) {
    spin->setFocus();
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }

  static void ShowWindow(AppFixture& f) {
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    f.window().activateWindow();
  }

  // Undo and Redo in the menu and on the tool bar agree and say whether a step exists.
  static void CheckHistoryCommands(AppFixture& f, bool undo, bool redo) {
    QCOMPARE(f.Find<QAction>("MenuZpet")->isEnabled(), undo);
    QCOMPARE(f.window().tool_bar().undo()->isEnabled(), undo);
    QCOMPARE(f.Find<QAction>("MenuZnovu")->isEnabled(), redo);
    QCOMPARE(f.window().tool_bar().redo()->isEnabled(), redo);
  }

 private slots:
  // Every test function starts in a config folder of its own, as a first run.
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void typedCellAndEnterChangeTheImageOnce() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.window().pages().setCurrentIndex(1);
    CheckHistoryCommands(f, false, false);
    auto* cell = f.Find<QSpinBox>("UpDown_Uni_2_3");
    TypeInto(cell, QStringLiteral("41"));
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kAdvance, 2 * 15 + 3), 41);
    QVERIFY(!cell->hasFocus());  // Enter moved on to the next control
    CheckHistoryCommands(f, true, false);
    // One entry: one undo brings the old value back and nothing is left to undo.
    QTest::keyClick(&f.window(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kAdvance, 2 * 15 + 3), 36);
    // The state restored is the one recorded at start-up, on the page shown then.
    QCOMPARE(f.window().pages().currentIndex(), 0);
    CheckHistoryCommands(f, false, true);
    QTest::keyClick(&f.window(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(f.window().pages().currentIndex(), 1);
    QCOMPARE(cell->value(), 41);
    CheckHistoryCommands(f, true, false);
  }

  void spinnerClickEditsAndOutOfRangeIsRefused() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.window().pages().setCurrentIndex(0);
    auto* fan = f.Find<QSpinBox>("UpDownFan1");
    QVERIFY(fan);
    const int before = fan->value();
    fan->stepUp();
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1), before + 1);
    // The edit refuses the digit that would leave the range: nothing is ever wrapped.
    TypeInto(fan, QStringLiteral("999"));
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1), 99);
    // An edit after an undo discards the redo step.
    f.Find<QAction>("MenuZpet")->trigger();
    CheckHistoryCommands(f, true, true);
    fan->stepDown();
    CheckHistoryCommands(f, true, false);
  }

  void textsAndLabelsFollowTheImageAndLanguage() {
    AppFixture f(Dir());
    // The advance page's own captions come from the language texts.
    for (int language = 0; language < 4; ++language) {
      f.app->ChooseLanguage(language);
      const auto lang = static_cast<morvek::i18n::Language>(language);
      QCOMPARE(f.Find<QLabel>("LabelBaseAdvance_Uni")->text().toStdString(),
               std::string(morvek::i18n::Text(morvek::i18n::TextId::TxtBaseAdvance, lang)));
      QCOMPARE(f.Find<QLabel>("LabelCylCorr_Uni")->text().toStdString(),
               std::string(morvek::i18n::Text(morvek::i18n::TextId::TxtCylinderCorrection, lang)));
    }
    // Nitrous is off after New: its monitor label is hidden before any frame arrives, and
    // follows the switch while no controller reports.
    auto* n2o = f.Find<QLabel>("LabelN2oOn");
    QVERIFY(n2o->isHidden());
    f.window().pages().setCurrentIndex(8);
    f.Find<QCheckBox>("CheckBoxGas")->click();
    QCOMPARE(morvek::model::Stored(f.app->editor().image(), FieldId::kN2oEnable), 1);
    QVERIFY(!n2o->isHidden());
    // Reading the controller drops the file name, from the title too.
    f.app->SetCurrentFileName("tune.ign");
    QVERIFY(f.window().windowTitle().contains(QStringLiteral("tune.ign")));
    f.app->Read();
    for (int i = 0; i < 400 && static_cast<int>(f.app->session().transaction_mode()) != 0; ++i)
      f.Tick();
    QVERIFY(!f.window().windowTitle().contains(QStringLiteral("tune.ign")));
  }

  // One committed cell edit and one page switch in the real window. The figures go to the log;
  // the bound only catches work that grows with the window (a page rebuilt per edit).
  void editAndPageSwitchTimings() {
    AppFixture f(Dir());
    ShowWindow(f);
    auto median = [](std::vector<qint64> v) {
      std::sort(v.begin(), v.end());
      return v[v.size() / 2];
    };
    f.window().pages().setCurrentIndex(2);
    auto* cell = f.Find<QSpinBox>("UpDown_Uni_4_7");
    std::vector<qint64> edits;
    QElapsedTimer timer;
    for (int i = 0; i < 41; ++i) {
      timer.start();
      i % 2 == 0 ? cell->stepUp() : cell->stepDown();
      edits.push_back(timer.nsecsElapsed() / 1000);
    }
    QVERIFY(f.app->editor().CanUndo());
    std::vector<qint64> switches;
    for (int i = 0; i < 26; ++i) {
      timer.start();
      f.window().pages().setCurrentIndex(i % 13);
      switches.push_back(timer.nsecsElapsed() / 1000);
    }
    qInfo("cell edit median %lld us, page switch median %lld us",
          static_cast<long long>(median(edits)), static_cast<long long>(median(switches)));
    QVERIFY(median(edits) < 100000);
    QVERIFY(median(switches) < 100000);
  }

  // Start-up to the window shown, against a bare main window shown in the same run.
  void startUpTiming() {
    auto median = [](std::vector<qint64> v) {
      std::sort(v.begin(), v.end());
      return v[v.size() / 2];
    };
    std::vector<qint64> bare;
    std::vector<qint64> morvek;
    QElapsedTimer timer;
    for (int i = 0; i < 7; ++i) {
      timer.start();
      {
        QMainWindow window;
        window.resize(1039, 821);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bare.push_back(timer.nsecsElapsed() / 1000);
      }
      QTemporaryDir dir;
      timer.start();
      AppFixture f(dir.path());
      f.window().show();
      QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
      morvek.push_back(timer.nsecsElapsed() / 1000);
    }
    qInfo("start-up median %lld us, bare main window median %lld us",
          static_cast<long long>(median(morvek)), static_cast<long long>(median(bare)));
    QVERIFY(median(morvek) < 2000000);
  }

  // The window takes its designed width and smaller sizes; the client area then scrolls and
  // every spin box keeps the width its numbers need.
  void smallWindowsScrollInsteadOfCuttingDigits() {
    AppFixture f(Dir());
    ShowWindow(f);
    QVERIFY(f.window().minimumSizeHint().width() <= 1039);
    f.window().pages().setCurrentIndex(1);
    auto* scroll = f.Find<QScrollArea>("ClientScroll");
    for (const QSize size : {QSize(1039, 821), QSize(800, 600)}) {
      f.window().resize(size);
      QApplication::processEvents();
      QCOMPARE(f.window().width(), size.width());
      // At the designed size the whole grid shows; smaller, the client area scrolls.
      QCOMPARE(scroll->horizontalScrollBar()->isVisible(), size.width() < 1039);
      for (int i = 0; i < 15; ++i) {
        auto* rpm = f.Find<QSpinBox>(qPrintable(QStringLiteral("UpDownRpm_Uni_%1").arg(i)));
        QVERIFY2(rpm->width() >= rpm->minimumSizeHint().width(), qPrintable(QString::number(i)));
      }
    }
  }

  // F5 with "All" clear steps the live cell only (here the engine holds 3000 rpm at 20 %
  // throttle: column 2, row 4 of the default axis); with "All" the whole map; F4 with the
  // engine stopped and "All" clear records nothing.
  void toolsStepTheLiveCellOrTheWholeMap() {
    AppFixture f(Dir(), {}, morvek::testing::Steady(3000, 20));
    ShowWindow(f);
    f.Tick(120);
    QCOMPARE(f.app->session().live_values().rpm / 100, 30);
    f.window().pages().setCurrentIndex(1);
    const morvek::model::ParameterImage before = f.app->editor().image();
    QTest::keyClick(&f.window(), Qt::Key_F5);
    const int live = 4 * 15 + 2;
    for (int k = 0; k < 150; ++k)
      QCOMPARE(morvek::model::Stored(f.app->editor().image(), FieldId::kAdvance, k),
               morvek::model::Stored(before, FieldId::kAdvance, k) + (k == live ? 1 : 0));
    QCOMPARE(f.Find<QSpinBox>("UpDown_Uni_4_2")->value(),
             morvek::model::Stored(before, FieldId::kAdvance, live) + 1);
    f.Find<QCheckBox>("CheckBoxAll_Uni")->click();
    QTest::keyClick(&f.window(), Qt::Key_F4);
    QTest::keyClick(&f.window(), Qt::Key_F4);
    for (int k = 0; k < 150; ++k)
      QCOMPARE(morvek::model::Stored(f.app->editor().image(), FieldId::kAdvance, k),
               morvek::model::Stored(before, FieldId::kAdvance, k) - (k == live ? 1 : 2));
  }

  // With "Tuning on" the controller tunes map 1A while the engine runs; the grid on screen
  // follows the cells it changes.
  void autotuneChangesTheMapOnScreen() {
    AppFixture f(Dir(), {}, morvek::testing::Steady(4000, 30));
    ShowWindow(f);
    f.Tick(60);
    f.window().pages().setCurrentIndex(2);
    std::vector<int> shown_before;
    for (int r = 0; r < 10; ++r)
      for (int c = 0; c < 15; ++c)
        shown_before.push_back(
            f.Find<QSpinBox>(qPrintable(QStringLiteral("UpDown_Uni_%1_%2").arg(r).arg(c)))
                ->value());
    QTest::keyClick(&f.window(), Qt::Key_F6);
    QVERIFY(f.Find<QCheckBox>("CheckBoxLadeniPovoleno")->isChecked());
    bool changed = false;
    for (int i = 0; i < 2000 && !changed; ++i) {
      f.Tick();
      for (int k = 0; k < 150 && !changed; ++k)
        changed =
            f.Find<QSpinBox>(qPrintable(QStringLiteral("UpDown_Uni_%1_%2").arg(k / 15).arg(k % 15)))
                ->value() != shown_before[static_cast<std::size_t>(k)];
    }
    QVERIFY(changed);
    // What the grid shows is what the image holds.
    for (int k = 0; k < 150; ++k)
      QCOMPARE(
          f.Find<QSpinBox>(qPrintable(QStringLiteral("UpDown_Uni_%1_%2").arg(k / 15).arg(k % 15)))
              ->value(),
          f.app->editor().percent_view(morvek::model::InjectionMap::k1A)[k]);
  }

  // Help / About: modal, in the window's language, with the version and build stamp; the OK
  // label closes it.
  void aboutWindow() {
    AppFixture f(Dir(), {"DEUTSCH"});
    ShowWindow(f);
    f.Find<QAction>("MenuAbout")->trigger();
    auto* about = f.window().findChild<QDialog*>(QStringLiteral("TFormAbout"));
    QVERIFY(about != nullptr);
    QVERIFY(about->isVisible());
    QVERIFY(about->isModal());
    QCOMPARE(about->windowTitle(), QStringLiteral("Über Programm Morvek"));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("LabelRsKey"))->text(),
             QStringLiteral("Version - 84"));
    const QString date = about->findChild<QLabel*>(QStringLiteral("LabelDate"))->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4}$"))
                 .match(date)
                 .hasMatch(),
             qPrintable(date));
    QVERIFY(!about->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
    // What the project can say of itself: the license, the release, no made-up address.
    const auto line = [about](const char* name) {
      return about->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    QVERIFY2(line("Label3").startsWith(QStringLiteral("Freie Software")),
             qPrintable(line("Label3")));
    QVERIFY(line("Label3").contains(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY2(QRegularExpression(QStringLiteral("^Morvek [0-9]+\\.[0-9]+\\.[0-9]+"))
                 .match(line("Label4"))
                 .hasMatch(),
             qPrintable(line("Label4")));
    for (const char* name : {"Label2", "Label3", "Label4", "Label5", "Label9", "Label10"})
      QVERIFY2(!line(name).contains(QStringLiteral("example")), name);
    // OK is a real button and the default one: a click closes the window, and so does Enter.
    auto* ok = about->findChild<QPushButton*>(QStringLiteral("LabelExit"));
    QVERIFY(ok != nullptr);
    QVERIFY(ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about->isVisible());
    f.app->ChooseLanguage(3);
    f.Find<QAction>("MenuAbout")->trigger();
    QCOMPARE(about->windowTitle(), QStringLiteral("O programu Morvek"));
    QVERIFY2(line("Label3").startsWith(QStringLiteral("Svobodný software")),
             qPrintable(line("Label3")));
    QCOMPARE(line("Label9"), QStringLiteral("Příručky jsou nainstalovány v:"));
    QVERIFY(about->isVisible());
    QTest::keyClick(about, Qt::Key_Return);
    QVERIFY(!about->isVisible());
    f.app->ChooseLanguage(0);  // the next test starts in its own folder anyway
  }

  // The picture's needle does not run through the program's name: no needle-green pixel lies
  // inside the box of the name's dark pixels (below the dial's arc).
  void aboutPictureNeedleMissesTheName() {
    const QImage picture = morvek::ui::AboutWindow::Picture().toImage();
    QRect name;
    for (int y = 50; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (qGray(picture.pixel(x, y)) < 90) name |= QRect(x, y, 1, 1);
    QVERIFY(name.width() > 40);  // the name is there
    int crossings = 0;
    for (int y = name.top(); y <= name.bottom(); ++y) {
      for (int x = name.left(); x <= name.right(); ++x) {
        const QColor c = picture.pixelColor(x, y);
        if (c.green() > 100 && c.green() > c.red() + 40 && c.green() > c.blue() + 40) ++crossings;
      }
    }
    QCOMPARE(crossings, 0);
  }

  // Honest state: live values drawn disabled and neutral once the link is gone; the status bar
  // names the pages changed and not programmed until they are; closing with such pages asks.
  void staleValuesPendingPagesAndTheCloseQuestion() {
    AppFixture f(dir_->filePath(QStringLiteral("stale")), {}, morvek::testing::Steady(3000, 20));
    ShowWindow(f);
    f.Tick(40);
    auto* running = f.Find<QLabel>("LabelSnimacCmps");
    QVERIFY(f.window().live_display().isEnabled());
    QVERIFY(running->autoFillBackground());  // green: the engine turns
    morvek::sim::FaultConfig silent;
    silent.silent = true;
    f.controller.SetFaults(silent);
    f.Tick(40);
    QVERIFY(!f.Find<QLabel>("LabelSpojeni")->isHidden());
    QVERIFY(!f.window().live_display().isEnabled());
    QVERIFY(!running->autoFillBackground());
    f.controller.SetFaults({});
    f.Tick(60);
    QVERIFY(f.window().live_display().isEnabled());
    QVERIFY(running->autoFillBackground());

    // Nothing read, verified or programmed yet: what the controller holds is not known.
    auto* pending = f.Find<QLabel>("LabelPendingPages");
    QVERIFY(!pending->isHidden());
    QCOMPARE(pending->text(), QStringLiteral("Not verified since start"));
    f.window().pages().setCurrentIndex(0);
    f.Find<QSpinBox>("UpDownFan1")->stepUp();  // FAN.fan1 is on the Bike tab
    f.Tick();
    QVERIFY(!pending->isHidden());
    QCOMPARE(pending->text(), QStringLiteral("Not verified since start; Not programmed: Bike"));
    // Closing asks; No keeps the window.
    f.window().close();
    QCOMPARE(f.prompts.confirmations.size(), std::size_t{1});
    QVERIFY(f.window().isVisible());
    // Programmed and confirmed: nothing is pending, the window closes without a question.
    f.app->Program();
    for (int i = 0; i < 600 && static_cast<int>(f.app->session().transaction_mode()) != 0; ++i)
      f.Tick();
    f.Tick();
    QVERIFY(pending->isHidden());
    f.window().close();
    QCOMPARE(f.prompts.confirmations.size(), std::size_t{1});
    QVERIFY(!f.window().isVisible());
  }

  // A click on one of the window's switches first takes the page as it stands on screen (a
  // number typed and not yet committed included), lays the page out and ends in the common
  // after-change path: one history step.
  void windowSwitchesTakeThePageOnScreenFirst() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.window().pages().setCurrentIndex(0);
    auto* fan = f.Find<QSpinBox>("UpDownFan1");
    const int before = fan->value();
    const int typed = before == 100 ? 99 : before + 1;
    for (QCheckBox* box : {&f.window().prog_hned(), &f.window().ext_monitor()}) {
      const int want = box == &f.window().prog_hned() ? typed : typed - 2;
      fan->setFocus();
      QLineEdit* edit = fan->findChild<QLineEdit*>();
      edit->selectAll();
      QTest::keyClicks(edit, QString::number(want));  // typed, no Enter
      QVERIFY(morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1) != want);
      box->click();
      QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1), want);
      QVERIFY(f.Find<QAction>("MenuZpet")->isEnabled());
      box->click();  // back off; nothing else changes
    }
    // "Tuning on" on its page: the switch turns red at once, and the page's typed number counts.
    f.window().pages().setCurrentIndex(11);
    auto* tolerance = f.Find<QSpinBox>("UpDownLadeniHyster");
    auto* tuning = f.Find<QCheckBox>("CheckBoxLadeniPovoleno");
    tolerance->setFocus();
    QLineEdit* edit = tolerance->findChild<QLineEdit*>();
    edit->selectAll();
    const int want = tolerance->value() == tolerance->maximum() ? tolerance->value() - 1
                                                                : tolerance->value() + 1;
    QTest::keyClicks(edit, QString::number(want));
    tuning->click();
    QCOMPARE(tolerance->value(), want);
    QCOMPARE(tuning->palette().color(QPalette::Window), QColor(255, 0, 0));
    tuning->click();
  }

  // Times that are no whole percentage of their base (as a controller or autotune leaves them)
  // stay exact when one cell of the map is edited: only that cell gets a new time, the time of
  // its new percentage.
  void oneCellEditChangesThatCellsTimeOnly() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.Find<QAction>("Menu_Jet123Normal")->trigger();
    morvek::model::ParameterImage& image = f.app->editor().image();
    for (int k = 0; k < 150; ++k) morvek::model::SetStored(image, FieldId::kJet1A, k, 1001 + 7 * k);
    f.window().pages().setCurrentIndex(0);
    f.window().pages().setCurrentIndex(2);
    const morvek::model::ParameterImage before = image;
    auto* cell = f.Find<QSpinBox>("UpDown_Uni_4_6");
    const int percent = cell->value() + 3;
    TypeInto(cell, QString::number(percent));
    const int edited = morvek::model::MapElement(4, 6);
    for (int k = 0; k < 150; ++k) {
      const int now = morvek::model::Stored(image, FieldId::kJet1A, k);
      if (k == edited) {
        QVERIFY(now != morvek::model::Stored(before, FieldId::kJet1A, k));
      } else {
        QVERIFY2(now == 1001 + 7 * k, qPrintable(QStringLiteral("cell %1: %2").arg(k).arg(now)));
      }
    }
    QCOMPARE(cell->value(), percent);
  }

  void programmingAfterChangeProgramsOnlyTheChangedPage() {
    // A folder of its own: the language an earlier function chose must not carry over.
    AppFixture f(dir_->filePath(QStringLiteral("after-change")));
    ShowWindow(f);
    f.Tick(10);  // connected
    QVERIFY(f.app->session().connected());
    f.window().prog_hned().click();
    // Map 2A is edited on its own page in separate mode.
    f.Find<QAction>("Menu_Jet123Normal")->trigger();
    for (int i = 0; i < 400 && static_cast<int>(f.app->session().transaction_mode()) != 0; ++i)
      f.Tick();
    const std::size_t sent_before = f.transport.sent().size();
    f.window().pages().setCurrentIndex(3);  // cell (1, 0) of 2A lives in device page 7
    auto* cell = f.Find<QSpinBox>("UpDown_Uni_1_0");
    TypeInto(cell, QString::number(cell->value() + 20));
    const int stored = morvek::model::Stored(f.app->editor().image(), FieldId::kJet2A, 15);
    for (int i = 0; i < 600 && static_cast<int>(f.app->session().transaction_mode()) != 0; ++i)
      f.Tick();
    for (int i = 0; i < 300 && !f.Find<QLabel>("LabelHlaseni")->text().startsWith("Program device");
         ++i)
      f.Tick();
    QCOMPARE(f.Find<QLabel>("LabelHlaseni")->text(), QStringLiteral("Program device: OK"));
    std::set<int> programmed;
    std::set<int> verified;
    for (std::size_t k = sent_before; k < f.transport.sent().size(); ++k) {
      const int command = f.transport.sent()[k].frame.bytes()[0];
      if (command >= 0x01 && command <= 0x09) programmed.insert(command);
      if (command >= 0x41 && command <= 0x49) verified.insert(command);
    }
    QString seen;
    for (int c : programmed) seen += QString::number(c) + " ";
    QVERIFY2(programmed == (std::set<int>{0x07}), qPrintable(seen));
    // Only that page is read back, once the controller has saved it.
    QVERIFY(verified == (std::set<int>{0x47}));
    QCOMPARE(morvek::model::Stored(f.controller.image(), FieldId::kJet2A, 15), stored);
  }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
