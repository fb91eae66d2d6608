// The window's program: "Saving:" from the end of the first verify until the controller has
// shown that it kept the pages, then "Program device: OK"; anything else is a program error.

#include <QAction>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app_fixture.h"
#include "files/restore_points.h"
#include "model/field_table.h"

using morvek::model::FieldId;
using morvek::testing::AppFixture;

class ProgramSavingTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  int run_ = 0;
  // Each test function in a configuration folder of its own.
  QString Dir() { return dir_.filePath(QString::number(++run_)); }

  static QString Line(AppFixture& f) { return f.Find<QLabel>("LabelHlaseni")->text(); }
  static bool Running(AppFixture& f) {
    return f.app->session().transaction_mode() != morvek::link::TransactionMode::kNone;
  }
  // Ticks through the program, with every text of the message line in order; `at_each` runs
  // after every tick.
  static QStringList RunRecording(AppFixture& f, const std::function<void()>& at_each = {}) {
    QStringList texts;
    for (int i = 0; i < 600 && Running(f); ++i) {
      f.Tick();
      if (at_each) at_each();
      if (texts.isEmpty() || texts.back() != Line(f)) texts << Line(f);
    }
    return texts;
  }

 private slots:
  void programShowsSavingUntilTheControllerKeptIt() {
    AppFixture f(Dir());
    f.Tick(10);
    f.Find<QSpinBox>("UpDownFan1")->setValue(77);
    auto* pending = f.Find<QLabel>("LabelPendingPages");
    bool kept_at_ok = false;
    bool pending_while_saving = true;
    f.Find<QAction>("MenuProgram")->trigger();
    const QStringList texts = RunRecording(f, [&] {
      if (Line(f) == QStringLiteral("Saving:")) pending_while_saving &= !pending->isHidden();
      if (Line(f) == QStringLiteral("Program device: OK") && !kept_at_ok)
        kept_at_ok = f.controller.saving_counter() == 0 &&
                     f.controller.kept_image() == f.app->editor().image();
    });
    QCOMPARE(texts,
             (QStringList{"Read:", "Program device:", "Verify:", "Saving:", "Program device: OK"}));
    QVERIFY(kept_at_ok);
    QVERIFY(pending_while_saving);
    f.Tick();
    QVERIFY(pending->isHidden());
    QCOMPARE(morvek::model::Shown(f.controller.kept_image(), FieldId::kFanFan1), 77);
  }

  void aPowerCycleWhileSavingIsAProgramErrorWithItsReason() {
    AppFixture f(Dir());
    f.Tick(10);
    const morvek::model::ParameterImage old_tune = f.controller.kept_image();
    f.Find<QSpinBox>("UpDownFan1")->setValue(78);
    f.Find<QAction>("MenuProgram")->trigger();
    bool cycled = false;
    const QStringList texts = RunRecording(f, [&] {
      // Off and on at "Saving: 20 %": the controller comes back with its old tune.
      if (!cycled && Line(f) == QStringLiteral("Saving:") && f.Find<QWidget>("CGaugeProgram") &&
          f.controller.saving_counter() > 0 && f.controller.saving_counter() < 2200) {
        f.controller.PowerCycle();
        cycled = true;
      }
    });
    QVERIFY(cycled);
    QVERIFY(!texts.contains(QStringLiteral("Program device: OK")));
    QCOMPARE(Line(f), QStringLiteral("Program error!"));
    QVERIFY(f.window().statusBar()->currentMessage().contains(QStringLiteral("did not keep")));
    QVERIFY(f.controller.kept_image() == old_tune);
    QVERIFY(!f.Find<QLabel>("LabelPendingPages")->isHidden());
  }

  void aTuneThatCannotBeKeptIsAskedAbout() {
    for (const bool yes : {false, true}) {
      const QString dir = Dir();
      // The restore points' folder cannot be made: a file stands in its place.
      const auto folder = morvek::files::RestorePointStore::DirectoryIn(dir.toStdString());
      std::filesystem::create_directories(folder.parent_path());
      std::ofstream(folder) << "in the way\n";
      AppFixture f(dir);
      f.Tick(10);
      f.prompts.confirm_answer = yes ? morvek::ui::Answer::kYes : morvek::ui::Answer::kNo;
      const morvek::model::ParameterImage before = f.controller.image();
      f.Find<QSpinBox>("UpDownFan1")->setValue(79);
      f.Find<QAction>("MenuProgram")->trigger();
      RunRecording(f);
      QCOMPARE(f.prompts.confirmations.size(), std::size_t{1});
      QVERIFY(QString::fromStdString(f.prompts.confirmations[0])
                  .contains(QStringLiteral("\"before program\"")));
      if (yes) {
        QCOMPARE(Line(f), QStringLiteral("Program device: OK"));
        QCOMPARE(morvek::model::Shown(f.controller.image(), FieldId::kFanFan1), 79);
      } else {
        QCOMPARE(Line(f), QStringLiteral("Program error!"));
        QVERIFY(f.controller.image() == before);
        for (const auto& sent : f.transport.sent()) QVERIFY(sent.frame.bytes()[0] > 0x09);
      }
    }
  }
};

QTEST_MAIN(ProgramSavingTest)
#include "program_saving_test.moc"
