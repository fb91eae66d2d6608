// Open and Save in the window: a saved file opens again to the same image, as one undo step
// and with the title naming it; failures say why and change nothing.

#include <QAction>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>

#include "app_fixture.h"
#include "files/file_io.h"
#include "i18n/text_table.h"
#include "model/field_table.h"

using morvek::model::FieldId;
using morvek::testing::AppFixture;

class FileCommandsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  QString Dir() const { return dir_->path(); }
  std::string Path(const char* name) const {
    return dir_->filePath(QString::fromLatin1(name)).toStdString();
  }

 private slots:
  // Every test function starts in a config folder of its own, as a first run.
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void saveThenOpenRestoresTheImageAsOneUndoStep() {
    AppFixture f(Dir());
    f.window().findChild<QSpinBox*>(QStringLiteral("UpDownFan1"))->setValue(91);
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1), 91);
    f.prompts.save_name = Path("tune");  // the extension is added
    f.Find<QAction>("MenuSave")->trigger();
    QVERIFY(morvek::files::ReadWholeFile(Path("tune.ign")).has_value());
    QVERIFY(f.window().windowTitle().endsWith(QStringLiteral("tune.ign")));
    const morvek::model::ParameterImage saved = f.app->editor().image();

    AppFixture g(dir_->filePath(QStringLiteral("second")));
    QVERIFY(!g.app->editor().CanUndo());
    g.prompts.open_name = Path("tune.ign");
    g.Find<QAction>("MenuOpen")->trigger();
    QVERIFY(g.prompts.messages.empty());
    for (int b = 6; b < morvek::model::kImageSize; ++b)
      QVERIFY2(g.app->editor().image().Byte(b) == saved.Byte(b), qPrintable(QString::number(b)));
    QVERIFY(g.window().windowTitle().endsWith(QStringLiteral("tune.ign")));
    QCOMPARE(morvek::model::Shown(g.app->editor().image(), FieldId::kFanFan1), 91);
    QVERIFY(g.app->editor().CanUndo());
    g.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(morvek::model::Shown(g.app->editor().image(), FieldId::kFanFan1), 102);
    // The save dialog now starts on the file opened.
    g.prompts.save_name.reset();
    g.Find<QAction>("MenuSave")->trigger();
    QCOMPARE(g.prompts.dialog_initials.back(), Path("tune.ign"));
  }

  void failuresChangeNothingAndSayWhy() {
    AppFixture f(Dir());
    const QString title = f.window().windowTitle();
    const morvek::model::ParameterImage before = f.app->editor().image();
    struct Case {
      const char* file;
      const char* text;  // nullptr: not written by the test (missing file)
      morvek::i18n::TextId message;
    } cases[] = {
        {"missing.ign", nullptr, morvek::i18n::TextId::MsgOpenFileError},
        {"future.ign", "KALVORIN_KEY 85\nBIKE 3\n", morvek::i18n::TextId::MsgUnmatchedFileVersion},
    };
    for (const Case& c : cases) {
      if (c.text != nullptr) std::ofstream(Path(c.file)) << c.text;
      f.prompts.messages.clear();
      f.prompts.open_name = Path(c.file);
      f.Find<QAction>("MenuOpen")->trigger();
      QCOMPARE(f.prompts.messages.size(), std::size_t{1});
      const std::string& box = f.prompts.messages[0];
      QVERIFY2(box.find(std::string(morvek::i18n::Text(
                   c.message, morvek::i18n::Language::kEnglish))) != std::string::npos,
               box.c_str());
      QVERIFY2(box.find(Path(c.file)) != std::string::npos, box.c_str());
      QVERIFY(f.app->editor().image() == before);
      QCOMPARE(f.window().windowTitle(), title);
      QVERIFY(!f.app->editor().CanUndo());
    }
    // A save into a folder that does not exist names the file and the reason.
    f.prompts.messages.clear();
    f.prompts.save_name = Path("no/such/dir/tune.ign");
    f.Find<QAction>("MenuSave")->trigger();
    QCOMPARE(f.prompts.messages.size(), std::size_t{1});
    QVERIFY(f.prompts.messages[0].find(Path("no/such/dir/tune.ign")) != std::string::npos);
    QCOMPARE(f.window().windowTitle(), title);
  }

  // A file that is not a tune as written opens (values as it says) once the user has read its
  // problems, listed once in the window's language, and said Yes.
  void openListsTheFilesProblemsOnce() {
    AppFixture f(dir_->filePath(QStringLiteral("lang")), {"DEUTSCH"});
    std::string text =
        morvek::files::ReadWholeFile(std::string(MORVEK_TEST_DATA_DIR) + "/default_preset2.ign")
            .value_or("");
    text.replace(text.find("LIMITER       7200"), 18, "LIMITER        100");
    text.erase(text.find("FAN            102   104 \r\n"), 26);
    std::ofstream(Path("odd.ign"), std::ios::binary) << text;
    f.prompts.messages.clear();
    f.prompts.open_name = Path("odd.ign");
    f.prompts.answers = {morvek::ui::Answer::kYes};
    f.Find<QAction>("MenuOpen")->trigger();
    QVERIFY(f.prompts.messages.empty());
    QCOMPARE(f.prompts.confirmations.size(), std::size_t{1});
    const std::string& box = f.prompts.confirmations[0];
    QVERIFY2(box.rfind(Path("odd.ign") + "\n\nDie Datei ist keine vollständige Abstimmung", 0) == 0,
             box.c_str());
    QVERIFY2(box.find("\nDie Datei trotzdem laden?") != std::string::npos, box.c_str());
    QVERIFY2(box.find("\nLIMITER.start: 100 liegt außerhalb von 900..25000; bleibt 100") !=
                 std::string::npos,
             box.c_str());
    QVERIFY2(box.find("\nFAN: der Abschnitt fehlt") != std::string::npos, box.c_str());
    QCOMPARE(morvek::model::Stored(f.app->editor().image(), FieldId::kLimiterStart), 1);
    QVERIFY(f.window().windowTitle().endsWith(QStringLiteral("odd.ign")));
  }

  void fileOnTheCommandLineIsOpened() {
    std::string text =
        morvek::files::ReadWholeFile(std::string(MORVEK_TEST_DATA_DIR) + "/default_preset2.ign")
            .value_or("");
    text.replace(text.find("FAN            102   104 \r\n"), 26, "FAN 77 88\r\n");
    std::ofstream(Path("cmd.ign"), std::ios::binary) << text;
    AppFixture f(dir_->filePath(QStringLiteral("cfg")), {"DEUTSCH", Path("cmd.ign")});
    QCOMPARE(f.app->texts().language(), morvek::i18n::Language::kGerman);
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan2), 88);
    QVERIFY(f.window().windowTitle().endsWith(QStringLiteral("cmd.ign")));
  }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
