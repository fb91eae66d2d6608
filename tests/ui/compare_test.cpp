// Compare with file and with the controller in the window: the list names each difference with
// its page, a double-click lands on the control, Take over is one undo step, and a failed verify
// names the page and the fields.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/compare_commands.h"
#include "app_fixture.h"
#include "model/field_table.h"
#include "ui/compare_dialog.h"
#include "ui/main_window.h"
#include "ui/page_table.h"

using morvek::model::FieldId;
using morvek::testing::AppFixture;

class CompareTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  QString Dir(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }

  static QStringList Row(QTreeWidget* list, int row) {
    QStringList texts;
    for (int c = 0; c < 4; ++c) texts << list->topLevelItem(row)->text(c);
    return texts;
  }
  static void RunTransaction(AppFixture& f) {
    for (int i = 0; i < 600 && static_cast<int>(f.app->session().transaction_mode()) != 0; ++i)
      f.Tick();
  }

 private slots:
  // Every test function starts in a config folder of its own, as a first run.
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void compareWithFileGoesToTheControlAndTakesOverAsOneStep() {
    AppFixture f(Dir("file"));
    f.prompts.save_name = Dir("base.ign").toStdString();
    f.Find<QAction>("MenuSave")->trigger();
    const int fan1 = morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1);
    f.Find<QSpinBox>("UpDownFan1")->setValue(fan1 - 11);
    f.window().pages().setCurrentIndex(1);
    f.Find<QSpinBox>("UpDown_Uni_3_7")->setValue(f.Find<QSpinBox>("UpDown_Uni_3_7")->value() + 2);
    const int cell = morvek::model::Shown(f.app->editor().image(), FieldId::kAdvance, 52);

    f.prompts.open_name = Dir("base.ign").toStdString();
    f.Find<QAction>("MenuCompareFile")->trigger();
    QVERIFY(f.prompts.messages.empty());
    auto* list = f.Find<QTreeWidget>("TreeCompare");
    QVERIFY(list != nullptr && list->isVisible());
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(Row(list, 0), (QStringList{"Bike", "FAN.fan1", QString::number(fan1 - 11) + " °C",
                                        QString::number(fan1) + " °C"}));
    QCOMPARE(Row(list, 1), (QStringList{"Advance", "ADVANCE[52]", QString::number(cell) + " °",
                                        QString::number(cell - 2) + " °"}));
    QCOMPARE(list->headerItem()->text(3), QStringLiteral("base.ign"));
    QCOMPARE(f.Find<QLabel>("LabelCompareSummary")->text(), QStringLiteral("Differences: 2"));

    // Double-click: the page and its control.
    emit list->itemDoubleClicked(list->topLevelItem(0), 1);
    QCOMPARE(f.window().pages().currentIndex(), 0);
    QCOMPARE(f.window().focusWidget(), f.Find<QSpinBox>("UpDownFan1"));
    emit list->itemDoubleClicked(list->topLevelItem(1), 1);
    QCOMPARE(f.window().pages().currentIndex(), 1);
    QCOMPARE(f.window().focusWidget(), f.Find<QSpinBox>("UpDown_Uni_3_7"));

    // Take over the fan line only: one step, the other line stays.
    list->topLevelItem(0)->setCheckState(0, Qt::Checked);
    f.Find<QPushButton>("ButtonTakeOver")->click();
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1), fan1);
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kAdvance, 52), cell);
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("ADVANCE[52]"));
    f.Find<QAction>("MenuZpet")->trigger();
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan1), fan1 - 11);
    QCOMPARE(morvek::model::Shown(f.app->editor().image(), FieldId::kAdvance, 52), cell);
  }

  void aFileThatCannotBeReadSaysSoAndListsNothing() {
    AppFixture f(Dir("bad"));
    f.prompts.open_name = Dir("missing.ign").toStdString();
    f.Find<QAction>("MenuCompareFile")->trigger();
    QCOMPARE(static_cast<int>(f.prompts.messages.size()), 1);
    QVERIFY(f.prompts.messages[0].find("missing.ign") != std::string::npos);
    QVERIFY(!f.Find<QTreeWidget>("TreeCompare")->isVisible());
    // The menu's captions follow the language when the menu opens.
    f.app->ChooseLanguage(static_cast<int>(morvek::i18n::Language::kGerman));
    emit f.Find<QMenu>("MenuFile")->aboutToShow();
    QCOMPARE(f.Find<QAction>("MenuCompareFile")->text(),
             QStringLiteral("Mit Datei vergleichen..."));
    QCOMPARE(f.Find<QAction>("MenuCompareController")->text(),
             QStringLiteral("Mit Steuergerät vergleichen"));
  }

  void compareWithControllerAfterOneEditListsThatEdit() {
    AppFixture f(Dir("controller"));
    f.app->Read();
    RunTransaction(f);
    QCOMPARE(f.Find<QLabel>("LabelHlaseni")->text(), QStringLiteral("Verify: OK"));
    const int fan2 = morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan2);
    f.Find<QSpinBox>("UpDownFan2")->setValue(fan2 + 5);
    const morvek::model::ParameterImage edited = f.app->editor().image();
    const QString title = f.window().windowTitle();

    f.Find<QAction>("MenuCompareController")->trigger();
    RunTransaction(f);
    f.Tick();
    auto* list = f.Find<QTreeWidget>("TreeCompare");
    QVERIFY(list->isVisible());
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(Row(list, 0), (QStringList{"Bike", "FAN.fan2", QString::number(fan2 + 5) + " °C",
                                        QString::number(fan2) + " °C"}));
    QCOMPARE(list->headerItem()->text(3), QStringLiteral("Controller"));
    // An open list follows the language and keeps its ticks.
    list->topLevelItem(0)->setCheckState(0, Qt::Checked);
    f.app->ChooseLanguage(static_cast<int>(morvek::i18n::Language::kGerman));
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->headerItem()->text(3), QStringLiteral("Steuergerät"));
    QCOMPARE(list->headerItem()->text(2), QStringLiteral("Auf dem Bildschirm"));
    QCOMPARE(f.app->compare_commands().dialog().windowTitle(),
             QStringLiteral("Vergleich - Steuergerät"));
    QCOMPARE(list->topLevelItem(0)->checkState(0), Qt::Checked);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("FAN.fan2"));
    f.app->ChooseLanguage(static_cast<int>(morvek::i18n::Language::kEnglish));
    QCOMPARE(list->headerItem()->text(3), QStringLiteral("Controller"));
    // The screen keeps its image, its pages to program and its title.
    QVERIFY(f.app->editor().image() == edited);
    QVERIFY(f.app->editor().program_flags().Test(1));
    QCOMPARE(f.window().windowTitle(), title);
    QVERIFY(f.prompts.messages.empty());
  }

  void failedVerifyNamesThePageAndTheFields() {
    AppFixture f(Dir("verify"));
    f.app->Read();
    RunTransaction(f);
    const int fan2 = morvek::model::Shown(f.app->editor().image(), FieldId::kFanFan2);
    f.Find<QSpinBox>("UpDownFan2")->setValue(fan2 + 5);
    f.app->Verify();
    RunTransaction(f);
    f.Tick();
    auto* label = f.Find<QLabel>("LabelHlaseni");
    QCOMPARE(label->text(), QStringLiteral("Verify error!"));
    QCOMPARE(label->toolTip(),
             QStringLiteral("The controller differs on its page 1:\nBike: FAN.fan2  ") +
                 QString::number(fan2 + 5) + " °C  |  " + QString::number(fan2) + " °C");
    // A verify that finds the controller equal takes the detail away.
    f.Find<QSpinBox>("UpDownFan2")->setValue(fan2);
    f.app->Verify();
    RunTransaction(f);
    f.Tick();
    QCOMPARE(label->text(), QStringLiteral("Verify: OK"));
    QVERIFY(label->toolTip().isEmpty());
  }
};

QTEST_MAIN(CompareTest)
#include "compare_test.moc"
