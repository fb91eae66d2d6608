// Restore points in the window: reads, verifies and programs keep the controller's image; a
// point loads as one undo step and exports as a parameter file.

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/restore_commands.h"
#include "app_fixture.h"
#include "files/parameter_file_reader.h"
#include "model/field_table.h"
#include "pages/page_editor.h"
#include "ui/restore_points_dialog.h"

using morvek::files::RestoreKind;
using morvek::model::FieldId;
using morvek::testing::AppFixture;

class RestorePointsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  QString Dir() const { return dir_->path(); }
  std::string Path(const char* name) const {
    return dir_->filePath(QString::fromLatin1(name)).toStdString();
  }
  static int Transaction(AppFixture& f) {
    return static_cast<int>(f.app->session().transaction_mode());
  }
  static void RunTransaction(AppFixture& f) {
    for (int i = 0; i < 400 && Transaction(f) != 0; ++i) f.Tick();
  }
  static QString StatusText(AppFixture& f) { return f.Find<QLabel>("LabelHlaseni")->text(); }

 private slots:
  // Every test function starts in a config folder of its own, as a first run.
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void readVerifyAndProgramKeepPointsFailuresDoNot() {
    morvek::sim::ControllerConfig config;
    morvek::model::Editor source;
    source.ApplyDefaults(morvek::model::DefaultsScope::kWholeImage);
    morvek::pages::PageValues values;
    morvek::pages::PageEditor(source).AfterChange(values);
    morvek::model::SetShown(source.image(), FieldId::kAdvance, 0, 33);
    config.pages = source.image();
    AppFixture f(Dir(), {}, config);
    morvek::files::RestorePointStore& store = f.app->restore_commands().store();
    QVERIFY(store.directory() == std::filesystem::path(Dir().toStdString()) / "restore-points");
    QVERIFY(store.List().empty());

    f.Find<QAction>("MenuRead")->trigger();
    RunTransaction(f);
    QCOMPARE(StatusText(f), QStringLiteral("Verify: OK"));
    auto list = store.List();
    QCOMPARE(list.size(), std::size_t{1});
    QVERIFY(list[0].kind == RestoreKind::kRead);
    QVERIFY(list[0].image == f.app->editor().image());
    QCOMPARE(morvek::model::Shown(list[0].image, FieldId::kAdvance, 0), 33);
    QVERIFY(list[0].pages == (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(list[0].controller, f.app->session().identification().identification);
    QVERIFY(!list[0].controller.empty());
    QVERIFY(list[0].port.rfind("COM", 0) == 0);

    // A read that fails keeps nothing.
    f.controller.SetSilent(true);
    f.Find<QAction>("MenuRead")->trigger();
    RunTransaction(f);
    QCOMPARE(StatusText(f), QStringLiteral("Read error!"));
    QCOMPARE(store.List().size(), std::size_t{1});
    f.controller.SetSilent(false);
    f.Tick(30);

    // A program keeps what the controller held, read before the first page goes out: a
    // wrong program can be taken back.
    const morvek::model::ParameterImage controller_before = f.controller.image();
    QVERIFY(morvek::model::Shown(controller_before, FieldId::kFanFan1) != 91);
    f.Find<QSpinBox>("UpDownFan1")->setValue(91);
    f.Find<QAction>("MenuProgram")->trigger();
    for (int i = 0; i < 400 && store.List().size() < 2; ++i) {
      f.Tick();
      // Nothing is programmed before the point is kept; then page 0 goes out at once.
      const auto& sent = f.transport.sent();
      for (std::size_t k = 0; k + 1 < sent.size(); ++k) QVERIFY(sent[k].frame.bytes()[0] > 0x09);
      if (store.List().size() < 2) QVERIFY(sent.back().frame.bytes()[0] > 0x09);
    }
    list = store.List();
    QCOMPARE(list.size(), std::size_t{2});
    QVERIFY(list[0].kind == RestoreKind::kProgram);
    QVERIFY(list[0].image == controller_before);
    QVERIFY(list[0].pages == (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    RunTransaction(f);
    QCOMPARE(StatusText(f), QStringLiteral("Program device: OK"));
    QCOMPARE(morvek::model::Shown(f.controller.image(), FieldId::kFanFan1), 91);
    // Its verify passes add nothing.
    QCOMPARE(store.List().size(), std::size_t{2});

    f.Find<QAction>("MenuVerify")->trigger();
    RunTransaction(f);
    QCOMPARE(StatusText(f), QStringLiteral("Verify: OK"));
    list = store.List();
    QCOMPARE(list.size(), std::size_t{3});
    QVERIFY(list[0].kind == RestoreKind::kVerify);
    QVERIFY(list[0].image == f.app->editor().image());
  }

  // The very first point of a run, a program before any read, names the controller too.
  void firstPointOfARunNamesTheController() {
    AppFixture f(Dir());
    morvek::files::RestorePointStore& store = f.app->restore_commands().store();
    f.Tick(10);
    QVERIFY(f.app->session().identification().identification.empty());
    f.Find<QAction>("MenuProgram")->trigger();
    RunTransaction(f);
    QCOMPARE(StatusText(f), QStringLiteral("Program device: OK"));
    const auto list = store.List();
    QCOMPARE(list.size(), std::size_t{1});
    QVERIFY(list[0].kind == RestoreKind::kProgram);
    QVERIFY(!list[0].controller.empty());
    QCOMPARE(list[0].controller, f.app->session().identification().identification);
    QVERIFY(list[0].image == f.app->editor().image());
  }

  void loadIsOneUndoStepAndExportWritesTheFile() {
    AppFixture f(dir_->filePath(QStringLiteral("load")));
    QVERIFY(!f.app->editor().CanUndo());
    const morvek::model::ParameterImage before = f.app->editor().image();
    const int fan_before = morvek::model::Shown(before, FieldId::kFanFan1);
    morvek::files::RestorePoint point;
    point.time_ms = 1765297279123;
    point.kind = RestoreKind::kProgram;
    point.port = "COM2 (/dev/ttyUSB1)";
    point.controller = "TRV07";
    point.pages = {4};
    point.image = before;
    morvek::model::SetShown(point.image, FieldId::kFanFan1, 77);
    morvek::files::RestorePointStore& store = f.app->restore_commands().store();
    QVERIFY(store.Add(point) == morvek::files::FileError::kOk);

    f.Find<QAction>("MenuRestorePoints")->trigger();
    auto* dialog = f.window().findChild<morvek::ui::RestorePointsDialog*>(
        QStringLiteral("RestorePointsDialog"));
    QVERIFY(dialog && dialog->isVisible());
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("TableRestorePoints"));
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Time"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Before program (controller)"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("COM2 (/dev/ttyUSB1)"));
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("TRV07"));
    QCOMPARE(table->item(0, 4)->text(), QStringLiteral("4"));
    auto button = [&](const char* name) {
      return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    };

    button("ButtonRestoreLoad")->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(f.app->editor().image() == point.image);
    QCOMPARE(f.Find<QSpinBox>("UpDownFan1")->value(), 77);
    // Exactly one undo step gives the image before the load back.
    QVERIFY(f.app->editor().CanUndo());
    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1), fan_before);
    QCOMPARE(f.Find<QSpinBox>("UpDownFan1")->value(), fan_before);
    QVERIFY(!f.app->editor().CanUndo());

    // Export… writes the point, not the image on screen.
    f.Find<QAction>("MenuRestorePoints")->trigger();
    f.prompts.save_name = Path("exported");
    button("ButtonRestoreExport")->click();
    QVERIFY(f.prompts.messages.empty());
    morvek::model::Editor read;
    read.ApplyDefaults(morvek::model::DefaultsScope::kWholeImage);
    QCOMPARE(morvek::files::OpenParameterFile(Path("exported.ign"), read, false).version, 84);
    QCOMPARE(morvek::model::Shown(read.image(), FieldId::kFanFan1), 77);
    QVERIFY(dialog->isVisible());
    button("ButtonRestoreClose")->click();
    QVERIFY(!dialog->isVisible());

    // A point that vanished after the list was shown is reported; nothing changes.
    f.Find<QAction>("MenuRestorePoints")->trigger();
    std::filesystem::remove_all(store.directory());
    const morvek::model::ParameterImage shown = f.app->editor().image();
    button("ButtonRestoreLoad")->click();
    QCOMPARE(f.prompts.messages.size(), std::size_t{1});
    QCOMPARE(f.prompts.messages[0], std::string("The restore point can no longer be read."));
    QVERIFY(f.app->editor().image() == shown);
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(!button("ButtonRestoreLoad")->isEnabled());
    button("ButtonRestoreClose")->click();

    // The menu item and the dialog speak the window's language.
    f.app->ChooseLanguage(1);
    QCOMPARE(f.Find<QAction>("MenuRestorePoints")->text(),
             QStringLiteral("Wiederherstellungspunkte…"));
    f.Find<QAction>("MenuRestorePoints")->trigger();
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Zeit"));
    QCOMPARE(button("ButtonRestoreClose")->text(), QStringLiteral("Schließen"));

    // A point kept while the list is open joins it without moving the user's choice.
    for (int k = 0; k < 2; ++k) {
      point.time_ms += 1000;
      QVERIFY(store.Add(point) == morvek::files::FileError::kOk);
    }
    f.Find<QAction>("MenuRestorePoints")->trigger();
    QCOMPARE(table->rowCount(), 2);
    table->selectRow(1);
    const std::string chosen = dialog->SelectedId();
    QCOMPARE(chosen, store.List()[1].id);
    QVERIFY(f.app->restore_commands().KeepControllerImage(point.image, {3}).empty());
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Vor dem Programmieren (Steuergerät)"));
    QCOMPARE(dialog->SelectedId(), chosen);
  }
};

QTEST_MAIN(RestorePointsTest)
#include "restore_points_test.moc"
