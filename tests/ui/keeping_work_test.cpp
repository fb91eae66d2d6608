// The window keeps the tuner's work and claims nothing it did not do: undo never throws away
// what came from the controller or a file, the memo keeps what was typed, Ctrl+Z belongs to
// the program in every box, the status bar says what the controller is known to hold, a
// compare is not a verify, and a saved file is the command line's file.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "app/file_commands.h"
#include "app/restore_commands.h"
#include "app_fixture.h"
#include "model/field_table.h"
#include "model/note_area.h"
#include "ui/note_edit.h"
#include "ui/page_table.h"

using morvek::model::FieldId;
using morvek::model::InjectionMap;
using morvek::testing::AppFixture;

class KeepingWorkTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  // Every test function starts in a configuration folder of its own.
  QString Dir() {
    dir_ = {};
    return dir_.path();
  }

  static void ShowWindow(AppFixture& f) {
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    f.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
  }
  static void RunTransaction(AppFixture& f) {
    for (int i = 0; i < 600 && static_cast<int>(f.app->session().transaction_mode()) != 0; ++i)
      f.Tick();
    f.Tick();
  }
  // A value typed into a box and committed with Enter, as a user does.
  static void TypeInto(QSpinBox* spin, int value) {
    spin->setFocus();
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(value));
    QTest::keyClick(edit, Qt::Key_Return);
  }
  static QString Pending(AppFixture& f) {
    auto* label = f.Find<QLabel>("LabelPendingPages");
    return label->isHidden() ? QString() : label->text();
  }
  static int Fan1(AppFixture& f) {
    return morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1);
  }
  static std::vector<int> Map1A(AppFixture& f) {
    std::vector<int> cells;
    for (int k = 0; k < 150; ++k)
      cells.push_back(morvek::model::Stored(f.app->editor().image(), FieldId::kJet1A, k));
    return cells;
  }

 private slots:
  // Autotune, then one unrelated edit, then Ctrl+Z: the tuned map stays, whether the tuning
  // was switched off first or the edit came while it ran.
  void undoAfterAutotuneKeepsTheTunedMap_data() {
    QTest::addColumn<bool>("switch_off_first");
    QTest::newRow("tuning switched off") << true;
    QTest::newRow("edit while tuning") << false;
  }
  void undoAfterAutotuneKeepsTheTunedMap() {
    QFETCH(bool, switch_off_first);
    AppFixture f(Dir(), {}, morvek::testing::Steady(4000, 30));
    ShowWindow(f);
    f.Tick(60);
    const std::vector<int> before = Map1A(f);
    QTest::keyClick(&f.window(), Qt::Key_F6);
    QVERIFY(f.Find<QCheckBox>("CheckBoxLadeniPovoleno")->isChecked());
    for (int i = 0; i < 2000 && Map1A(f) == before; ++i) f.Tick();
    const std::vector<int> tuned = Map1A(f);
    QVERIFY(tuned != before);
    if (switch_off_first) {
      QTest::keyClick(&f.window(), Qt::Key_F6);
      QVERIFY(!f.Find<QCheckBox>("CheckBoxLadeniPovoleno")->isChecked());
    }
    f.window().pages().setCurrentIndex(0);
    auto* fan = f.Find<QSpinBox>("UpDownFan1");
    const int fan_before = fan->value();
    TypeInto(fan, fan_before + 3);
    QCOMPARE(Fan1(f), fan_before + 3);
    const std::vector<int> with_edit = Map1A(f);
    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(Fan1(f), fan_before);
    // What the controller tuned up to the edit is still there.
    QVERIFY(Map1A(f) == with_edit);
    QVERIFY(Map1A(f) != before);
    if (switch_off_first) QVERIFY(Map1A(f) == tuned);
  }

  // An edit, a read, an edit, undo: the read's image; undo again: the edit the read replaced,
  // shown as not programmed.
  void undoStepsOverTheReadAndGivesBackTheEditsItReplaced() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.Tick(10);
    f.window().pages().setCurrentIndex(0);
    auto* fan = f.Find<QSpinBox>("UpDownFan1");
    const int mine = fan->value() == 90 ? 91 : 90;
    TypeInto(fan, mine);
    f.app->Read();
    RunTransaction(f);
    QCOMPARE(f.Find<QLabel>("LabelHlaseni")->text(), QStringLiteral("Verify: OK"));
    const int controllers = Fan1(f);
    QVERIFY(controllers != mine);
    QCOMPARE(Pending(f), QString());  // the screen is what the controller holds
    auto* fan2 = f.Find<QSpinBox>("UpDownFan2");
    TypeInto(fan2, fan2->value() + 2);
    QVERIFY(Pending(f).contains(QStringLiteral("Not programmed: Bike")));

    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(Fan1(f), controllers);  // back to the read, not to before it
    QCOMPARE(Pending(f), QString());
    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(Fan1(f), mine);
    QCOMPARE(fan->value(), mine);
    QCOMPARE(Pending(f), QStringLiteral("Not programmed: Bike"));
    QVERIFY(f.app->editor().program_flags().Test(1));
    // Redo brings the read back, with nothing to program.
    f.Find<QAction>("MenuZnovu")->trigger();
    QCOMPARE(Fan1(f), controllers);
    QCOMPARE(Pending(f), QString());
  }

  // A file opened and a restore point loaded are each one step of their own, also after the
  // controller changed the image.
  void openAndRestorePointAreOneStepEach() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.Tick(10);
    auto* fan = f.Find<QSpinBox>("UpDownFan1");
    const int start = fan->value();
    TypeInto(fan, start + 4);
    f.prompts.save_name = (dir_.path() + "/edited.ign").toStdString();
    f.Find<QAction>("MenuSave")->trigger();
    TypeInto(fan, start + 6);
    f.app->Read();
    RunTransaction(f);
    const int controllers = Fan1(f);
    QVERIFY(f.app->file_commands().OpenPath(*f.prompts.save_name, false));
    QCOMPARE(Fan1(f), start + 4);
    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(Fan1(f), controllers);
    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(Fan1(f), start + 6);
    // The read left a restore point; loading it is one step too.
    const auto points = f.app->restore_commands().store().List();
    QVERIFY(!points.empty());
    QVERIFY(f.app->restore_commands().Load(points.front().id));
    QCOMPARE(Fan1(f), controllers);
    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(Fan1(f), start + 6);
  }

  // Typed into the memo, then Tab: the note is kept, as one step that marks the bike tab.
  void memoTypedFromTheKeyboardIsKept() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.Tick(10);
    f.app->Read();
    RunTransaction(f);
    f.window().pages().setCurrentIndex(0);
    const std::vector<std::string> note_before = morvek::model::NoteLines(f.app->editor().image());
    const bool could_undo = f.Find<QAction>("MenuZpet")->isEnabled();
    auto* memo = f.Find<morvek::ui::NoteEdit>("Memo1");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(memo, QStringLiteral("jets 40"));
    QTest::keyClick(memo, Qt::Key_Tab);
    QVERIFY(!memo->hasFocus());
    QVERIFY(!memo->toPlainText().contains('\t'));
    QCOMPARE(memo->toPlainText(), QStringLiteral("jets 40"));
    QCOMPARE(morvek::model::NoteLines(f.app->editor().image()),
             std::vector<std::string>{"jets 40"});
    QCOMPARE(Pending(f), QStringLiteral("Not programmed: Bike"));
    QVERIFY(f.Find<QAction>("MenuZpet")->isEnabled());
    // One step: undo gives the note of before and nothing left to program.
    f.Find<QAction>("MenuZpet")->trigger();
    QVERIFY(morvek::model::NoteLines(f.app->editor().image()) == note_before);
    QCOMPARE(f.Find<QAction>("MenuZpet")->isEnabled(), could_undo);
    QCOMPARE(Pending(f), QString());
    // Typed, and another page shown while the cursor is still in the memo.
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("x"));
    QVERIFY(memo->hasFocus());
    f.window().pages().setCurrentIndex(1);
    QCOMPARE(morvek::model::NoteLines(f.app->editor().image()).size(),
             note_before.empty() ? std::size_t{1} : note_before.size());
    QVERIFY(morvek::model::NoteLines(f.app->editor().image()) != note_before);
  }

  // Ctrl+Z in a focused value box or map cell is the program's undo; Ctrl+Alt+Z its redo.
  void ctrlZInAFocusedBoxIsTheProgramsUndo_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::newRow("value box") << 0 << "UpDownFan1";
    QTest::newRow("map cell") << 1 << "UpDown_Uni_3_4";
  }
  void ctrlZInAFocusedBoxIsTheProgramsUndo() {
    QFETCH(int, page);
    QFETCH(QString, box);
    AppFixture f(Dir());
    ShowWindow(f);
    f.window().pages().setCurrentIndex(page);
    auto* spin = f.window().findChild<QSpinBox*>(box);
    QVERIFY(spin != nullptr);
    // A first edit on the page, so that the undo stays on it (the start-up state belongs to
    // the page shown at start).
    const int step = spin->value() > spin->minimum() + 1 ? -1 : 1;
    TypeInto(spin, spin->value() + step);
    const morvek::model::ParameterImage before = f.app->editor().image();
    const int value = spin->value();
    const int changed = value + step;
    TypeInto(spin, changed);
    QVERIFY(!(f.app->editor().image() == before));
    const morvek::model::ParameterImage edited = f.app->editor().image();
    spin->setFocus();
    QVERIFY(spin->hasFocus());
    QTest::keyClick(spin, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(f.app->editor().image() == before);
    QCOMPARE(spin->value(), value);
    QTest::keyClick(spin, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(f.app->editor().image() == edited);
    QCOMPARE(spin->value(), changed);
  }

  // Until a read, a verify or a program settles it, the controller's contents are not known:
  // the status bar says so and closing asks.
  void notVerifiedUntilSettled_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("read") << "read";
    QTest::newRow("program") << "program";
    QTest::newRow("verify") << "verify";
  }
  void notVerifiedUntilSettled() {
    QFETCH(QString, how);
    AppFixture f(Dir());
    ShowWindow(f);
    f.Tick(10);
    QCOMPARE(Pending(f), QStringLiteral("Not verified since start"));
    f.window().close();
    QCOMPARE(f.prompts.confirmations.size(), std::size_t{1});
    QVERIFY(f.prompts.confirmations.back().starts_with(
        "The controller has not been read, verified or programmed since the start"));
    QVERIFY(f.window().isVisible());
    if (how == "verify") {
      // The controller must hold the screen's image for a verify to agree: program it, then
      // meet it again after a silence, which makes its contents unknown once more.
      f.app->Program();
      RunTransaction(f);
      QCOMPARE(Pending(f), QString());
      morvek::sim::FaultConfig silent;
      silent.silent = true;
      f.controller.SetFaults(silent);
      f.Tick(40);
      f.controller.SetFaults({});
      f.Tick(60);
      QVERIFY(f.app->session().connected());
      QCOMPARE(Pending(f), QStringLiteral("Not verified since start"));
      f.app->Verify();
    } else if (how == "read") {
      f.app->Read();
    } else {
      f.app->Program();
    }
    RunTransaction(f);
    QCOMPARE(Pending(f), QString());
    f.window().pages().setCurrentIndex(0);
    auto* fan = f.Find<QSpinBox>("UpDownFan1");
    TypeInto(fan, fan->value() + 1);
    QCOMPARE(Pending(f), QStringLiteral("Not programmed: Bike"));
    // The pages are named as their tabs say.
    f.window().pages().setCurrentIndex(1);
    auto* cell = f.Find<QSpinBox>("UpDown_Uni_2_2");
    TypeInto(cell, cell->value() + 1);
    QCOMPARE(Pending(f), "Not programmed: " + f.window().pages().tabText(0) + ", " +
                             f.window().pages().tabText(1));
    f.window().close();
    QCOMPARE(f.prompts.confirmations.size(), std::size_t{2});
    QVERIFY(
        f.prompts.confirmations.back().starts_with("Changes on screen have not been programmed"));
    f.Find<QAction>("MenuZpet")->trigger();
    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(Pending(f), QString());
    f.window().close();
    QCOMPARE(f.prompts.confirmations.size(), std::size_t{2});
    QVERIFY(!f.window().isVisible());
  }

  // A file named on the command line is not what the controller holds either; the text
  // follows the language.
  void fileOnTheCommandLineIsNotVerified() {
    QString path;
    {
      AppFixture first(Dir());
      first.prompts.save_name = (dir_.path() + "/start.ign").toStdString();
      first.Find<QAction>("MenuSave")->trigger();
      path = QString::fromStdString(*first.prompts.save_name);
    }
    QTemporaryDir other;
    AppFixture f(other.path(), {"DEUTSCH", path.toStdString()});
    ShowWindow(f);
    f.Tick(10);
    QCOMPARE(Pending(f), QStringLiteral("Seit dem Start nicht geprüft"));
  }

  // A compare read lists the differences and says so, not "Verify: OK".
  void compareReadSaysCompare() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.Tick(10);
    f.app->Read();
    RunTransaction(f);
    f.window().pages().setCurrentIndex(0);
    auto* fan = f.Find<QSpinBox>("UpDownFan1");
    TypeInto(fan, fan->value() + 1);
    f.Find<QAction>("MenuCompareController")->trigger();
    RunTransaction(f);
    QCOMPARE(f.Find<QTreeWidget>("TreeCompare")->topLevelItemCount(), 1);
    QCOMPARE(f.Find<QLabel>("LabelHlaseni")->text(), QStringLiteral("Compare: 1 difference"));
    f.app->ChooseLanguage(static_cast<int>(morvek::i18n::Language::kCzech));
    auto* fan2 = f.Find<QSpinBox>("UpDownFan2");
    TypeInto(fan2, fan2->value() + 1);
    f.Find<QAction>("MenuCompareController")->trigger();
    RunTransaction(f);
    QCOMPARE(f.Find<QLabel>("LabelHlaseni")->text(), QStringLiteral("Porovnání: 2 rozdíly"));
  }

  // Saved from the window before any read and written by morvek-cli new: the same bytes,
  // the program's build stamp aside.
  void windowFileIsTheCommandLinesFile() {
    AppFixture f(Dir());
    const QString window_file = dir_.path() + "/window.ign";
    const QString cli_file = dir_.path() + "/cli.ign";
    f.prompts.save_name = window_file.toStdString();
    f.Find<QAction>("MenuSave")->trigger();
    QProcess cli;
    cli.start(QStringLiteral(MORVEK_CLI), {"new", "--bike", "0", "-o", cli_file});
    QVERIFY(cli.waitForFinished(20000));
    QCOMPARE(cli.exitCode(), 0);
    auto lines = [](const QString& path) {
      QFile file(path);
      if (!file.open(QIODevice::ReadOnly)) return QList<QByteArray>{};
      QList<QByteArray> all = file.readAll().split('\n');
      // The build stamp is the one line allowed to differ.
      all.removeIf([](const QByteArray& line) { return line.startsWith("EXE  "); });
      return all;
    };
    const QList<QByteArray> window = lines(window_file);
    const QList<QByteArray> command_line = lines(cli_file);
    QVERIFY(window.size() > 100);
    QVERIFY(window.contains("HEX  -  -   -\r"));
    QCOMPARE(window.size(), command_line.size());
    for (qsizetype i = 0; i < window.size(); ++i) QCOMPARE(window[i], command_line[i]);
  }
};

QTEST_MAIN(KeepingWorkTest)
#include "keeping_work_test.moc"
