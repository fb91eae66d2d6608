// The window never changes the tuner's work behind their back: a file that is not a tune is
// refused with its name, warnings are read before a file is used, Cancel cancels, the saved
// file path is where the dialogs start, and a second window on one configuration folder
// never writes over the first one's files.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "app_fixture.h"
#include "files/config_paths.h"
#include "files/file_io.h"
#include "files/state_file.h"
#include "model/field_table.h"
#include "ui/page_table.h"

using morvek::model::FieldId;
using morvek::testing::AppFixture;
using morvek::ui::Answer;

namespace {

std::string DefaultPreset2() {
  return morvek::files::ReadWholeFile(std::string(MORVEK_TEST_DATA_DIR) + "/default_preset2.ign")
      .value_or("");
}

// A complete tune whose FAN line ends at a word that is not a number: fan 1 reads 95.
std::string TuneWithABadNumber() {
  std::string text = DefaultPreset2();
  text.replace(text.find("FAN            102   104 \r\n"), 26, "FAN 95 abc\r\n");
  return text;
}

int Fan1(const AppFixture& f) {
  return morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1);
}

}  // namespace

class WindowTrustTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  int configs_ = 0;
  // Each fixture its own configuration folder, unless a test shares one on purpose.
  QString NewConfig() { return dir_.filePath(QStringLiteral("config%1").arg(++configs_)); }
  std::string Path(const char* name) const {
    return dir_.filePath(QString::fromLatin1(name)).toStdString();
  }
  void Write(const char* name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

 private slots:
  // Files that are not tunes at all: one message naming the file and why, and nothing on
  // screen changes (image, title, undo, pending pages).
  void notATuneIsRefusedWithOneMessage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("absent");
    QTest::newRow("password file") << "root:x:0:0:root:/root:/bin/bash\nbin:x:1:1::/:\n"
                                   << "The file has no KALVORIN_KEY line."
                                   << "";
    QTest::newRow("empty") << ""
                           << "The file has no KALVORIN_KEY line."
                           << "";
    QString many;
    for (int i = 0; i < 200000; ++i) many += QStringLiteral("KALVORIN_KEY 85\n");
    QTest::newRow("200 000 wrong key lines")
        << many << "Unmatched version of *.ign file!\n…and 199 999 more"
        << "Unmatched version of *.ign file!\nUnmatched";
  }
  void notATuneIsRefusedWithOneMessage() {
    QFETCH(QString, text);
    QFETCH(QString, reason);
    QFETCH(QString, absent);
    AppFixture f(NewConfig());
    f.window().findChild<QSpinBox*>(QStringLiteral("UpDownFan1"))->setValue(91);
    const morvek::model::ParameterImage before = f.app->editor().image();
    const QString title = f.window().windowTitle();
    const QString pending = f.Find<QLabel>("LabelPendingPages")->text();
    const bool could_undo = f.app->editor().CanUndo();
    Write("x.ign", text.toStdString());
    f.prompts.open_name = Path("x.ign");
    f.Find<QAction>("MenuOpen")->trigger();
    QCOMPARE(f.prompts.messages.size(), std::size_t{1});
    QVERIFY(f.prompts.confirmations.empty());
    const std::string& box = f.prompts.messages[0];
    QCOMPARE(box,
             "Not a tune, nothing was loaded: " + Path("x.ign") + "\n\n" + reason.toStdString());
    if (!absent.isEmpty()) QVERIFY(box.find(absent.toStdString()) == std::string::npos);
    QVERIFY(f.app->editor().image() == before);
    QCOMPARE(f.window().windowTitle(), title);
    QCOMPARE(f.Find<QLabel>("LabelPendingPages")->text(), pending);
    QCOMPARE(f.app->editor().CanUndo(), could_undo);
  }

  // A tune with warnings: every way into the window lists them under the file's name and uses
  // the file only on Yes.
  void warningsAreReadBeforeTheFileIsUsed_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("yes");
    for (const char* way : {"MenuOpen", "MenuOpenActPage", "MenuCompareFile", "command line"}) {
      QTest::newRow((std::string(way) + " yes").c_str()) << way << true;
      QTest::newRow((std::string(way) + " no").c_str()) << way << false;
    }
  }
  void warningsAreReadBeforeTheFileIsUsed() {
    QFETCH(QString, way);
    QFETCH(bool, yes);
    Write("warned.ign", TuneWithABadNumber());
    const Answer answer = yes ? Answer::kYes : Answer::kNo;
    const bool command_line = way == QStringLiteral("command line");
    AppFixture f(
        NewConfig(),
        command_line ? std::vector<std::string>{Path("warned.ign")} : std::vector<std::string>{},
        {}, std::nullopt, {answer});
    AppFixture untouched(NewConfig());
    if (!command_line) {
      f.prompts.open_name = Path("warned.ign");
      f.Find<QAction>(way.toLatin1().constData())->trigger();
    }
    QCOMPARE(f.prompts.confirmations.size(), std::size_t{1});
    const std::string& box = f.prompts.confirmations[0];
    QVERIFY2(
        box.rfind(Path("warned.ign") + "\n\nThe file is not a complete tune as written:\n", 0) == 0,
        box.c_str());
    QVERIFY2(box.find("FAN.fan2: \"abc\" is not a number") != std::string::npos, box.c_str());
    QVERIFY2(box.find("\n\nLoad the file anyway?") != std::string::npos, box.c_str());
    QVERIFY(f.prompts.messages.empty());
    const bool compare = way == QStringLiteral("MenuCompareFile");
    auto* list = f.Find<QTreeWidget>("TreeCompare");
    if (compare) {
      // The screen never changes by a compare; the list shows only a file the user took.
      QCOMPARE(Fan1(f), Fan1(untouched));
      QCOMPARE(list != nullptr && list->isVisible(), yes);
      return;
    }
    QVERIFY(list == nullptr || !list->isVisible());
    if (yes) {
      QCOMPARE(Fan1(f), 95);
      QVERIFY(f.window().windowTitle().endsWith(QStringLiteral("warned.ign")));
    } else {
      QVERIFY(f.app->editor().image() == untouched.app->editor().image());
      QVERIFY(!f.window().windowTitle().endsWith(QStringLiteral("warned.ign")));
      QVERIFY(!f.app->editor().CanUndo());
    }
  }

  // The bike-type question: Cancel puts the combo box back and changes nothing; No takes the
  // new preset without its defaults, as one undo step.
  void bikeTypeCancelChangesNothing() {
    AppFixture f(NewConfig());
    f.window().pages().setCurrentIndex(0);
    auto* combo = f.Find<QComboBox>("ComboBoxBike");
    QVERIFY(combo != nullptr);
    const int item = combo->currentIndex();
    const morvek::model::ParameterImage before = f.app->editor().image();
    const QString pending = f.Find<QLabel>("LabelPendingPages")->text();
    QVERIFY(!pending.contains(QStringLiteral("Not programmed")));
    combo->setFocus();
    f.prompts.answers = {Answer::kCancel};
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(f.prompts.confirmations.size(), std::size_t{1});
    QCOMPARE(combo->currentIndex(), item);
    QVERIFY(f.app->editor().image() == before);
    QVERIFY(!f.app->editor().CanUndo());
    QCOMPARE(f.Find<QLabel>("LabelPendingPages")->text(), pending);

    f.prompts.answers = {Answer::kNo};
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), item + 1);
    QCOMPARE(morvek::model::Stored(f.app->editor().image(), FieldId::kBike), item + 1);
    QVERIFY(f.app->editor().CanUndo());
  }

  // The folder of the last file opened or saved is where both dialogs start after a restart.
  void savedFilePathIsWhereTheDialogsStart() {
    const QString config = NewConfig();
    Write("kept.ign", DefaultPreset2());
    {
      AppFixture f(config);
      f.prompts.open_name = Path("kept.ign");
      f.Find<QAction>("MenuOpen")->trigger();
      QVERIFY(f.prompts.messages.empty());
    }
    AppFixture g(config);
    g.Find<QAction>("MenuOpen")->trigger();
    g.Find<QAction>("MenuSave")->trigger();
    QCOMPARE(g.prompts.dialog_initials,
             (std::vector<std::string>{Path("kept.ign"), Path("kept.ign")}));
  }

  // A second window on the folder says who holds it; read-only never writes the first
  // window's files, quit ends before anything runs, and the first window still saves.
  void secondWindowOnOneFolderNeverReplacesTheFirstsState() {
    const QString config = NewConfig();
    const morvek::files::ConfigPaths paths{config.toStdString()};
    auto first = std::make_unique<AppFixture>(config);
    first->window().findChild<QSpinBox*>(QStringLiteral("UpDownFan1"))->setValue(91);
    {
      AppFixture second(config, {}, {}, std::nullopt, {Answer::kYes});
      QCOMPARE(second.prompts.confirmations.size(), std::size_t{1});
      const std::string& box = second.prompts.confirmations[0];
      QVERIFY2(box.find("(process " + std::to_string(QCoreApplication::applicationPid()) + ")") !=
                   std::string::npos,
               box.c_str());
      QVERIFY2(box.find(config.toStdString()) != std::string::npos, box.c_str());
      auto* label = second.Find<QLabel>("LabelReadOnly");
      QVERIFY(label != nullptr && !label->text().isEmpty());
      QVERIFY(!second.app->shut_down());
      second.window().findChild<QSpinBox*>(QStringLiteral("UpDownFan1"))->setValue(80);
      // Its close question does not promise to keep the changes.
      second.prompts.answers = {Answer::kYes};
      second.window().close();
      QCOMPARE(second.prompts.confirmations.size(), std::size_t{2});
      QVERIFY2(second.prompts.confirmations[1].find("read-only: they are lost when it closes") !=
                   std::string::npos,
               second.prompts.confirmations[1].c_str());
    }
    QVERIFY(!std::filesystem::exists(paths.StateFile()));
    QVERIFY(!std::filesystem::exists(paths.SettingsFile()));
    {
      AppFixture quitter(config, {}, {}, std::nullopt, {Answer::kNo});
      QVERIFY(quitter.app->shut_down());
      QCOMPARE(quitter.transport.open_count(), 0);
    }
    QVERIFY(!std::filesystem::exists(paths.StateFile()));
    first.reset();
    morvek::model::ParameterImage saved;
    std::array<std::uint8_t, morvek::model::kPageCount> all{};
    QVERIFY(morvek::files::ReadStateFile(paths.StateFile(), saved, all));
    QCOMPARE(morvek::model::Shown(saved, FieldId::kFanFan1), 91);
    // The folder is free again: the next window owns it without a question.
    AppFixture next(config);
    QVERIFY(next.prompts.confirmations.empty());
    QVERIFY(next.Find<QLabel>("LabelReadOnly") == nullptr);
  }

  // A clicked test button says that the test went out and what the controller answered; with
  // the engine running, an injector or an ignition output is fired only after one Yes.
  void outputTestsSayWhatTheControllerAnswered() {
    AppFixture f(NewConfig(), {}, morvek::testing::Steady(3000, 10));
    f.Tick(30);
    QCOMPARE(f.app->session().live_values().rpm, 3000);
    f.window().pages().setCurrentIndex(11);
    auto* result = f.Find<QLabel>("LabelTestOutResult");
    QVERIFY(result != nullptr);
    // Monitor requests carrying test byte 20 (the injectors) or 22 (pilot light, pump, ...).
    auto carried = [&f](int byte) {
      int n = 0;
      for (const auto& s : f.transport.sent())
        if (s.frame.code() == 0x30 && s.frame.bytes()[static_cast<std::size_t>(byte)] != 0) ++n;
      return n;
    };
    struct Case {
      const char* button;
      Answer answer;
      bool asked;
      int byte;
      int fired;
    } cases[] = {
        {"ButtonTestJet1A", Answer::kNo, true, 20, 0},
        {"ButtonTestJet1A", Answer::kCancel, true, 20, 0},
        {"ButtonTestJet1A", Answer::kYes, true, 20, 1},
        {"ButtonTestIgn2", Answer::kYes, true, 21, 1},
        {"ButtonTestFuelPump", Answer::kNo, false, 22, 1},
    };
    for (const Case& c : cases) {
      const int before = carried(c.byte);
      f.prompts.confirmations.clear();
      f.prompts.answers = {c.answer};
      result->setText(QStringLiteral("untouched"));
      QTest::mouseClick(f.Find<QPushButton>(c.button), Qt::LeftButton);
      QCOMPARE(f.prompts.confirmations.size(), std::size_t{c.asked ? 1u : 0u});
      if (c.asked)
        QVERIFY2(f.prompts.confirmations[0].find("The engine is running (3000 rpm)") !=
                     std::string::npos,
                 f.prompts.confirmations[0].c_str());
      f.prompts.answers.clear();
      f.Tick(6);
      QCOMPARE(carried(c.byte) - before, c.fired);
      if (c.fired == 0) {
        QCOMPARE(result->text(), QStringLiteral("untouched"));
        continue;
      }
      const QString caption = f.Find<QPushButton>(c.button)->text();
      for (int tick = 0; tick < 20 && result->text().endsWith(QStringLiteral("…")); ++tick)
        f.Tick();
      QCOMPARE(result->text(), caption + QStringLiteral(": test sent; the controller answered."));
    }
    // A controller that falls silent: the test went out, and no answer came.
    f.controller.SetSilent(true);
    QTest::mouseClick(f.Find<QPushButton>("ButtonTestCooling"), Qt::LeftButton);
    for (int tick = 0; tick < 10 && result->text().isEmpty(); ++tick) f.Tick();
    QCOMPARE(result->text(), QStringLiteral("Cooling: test sent, waiting for the controller…"));
    f.Tick(30);
    QCOMPARE(result->text(), QStringLiteral("Cooling: test sent; the controller did not answer."));
  }
};

QTEST_MAIN(WindowTrustTest)
#include "window_trust_test.moc"
