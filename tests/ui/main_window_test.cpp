// The real main window, offscreen, driven by control names.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "app_fixture.h"
#include "link/monitor_view.h"
#include "model/field_table.h"
#include "pages/page_editor.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"

using morvek::testing::AppFixture;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString Dir() const { return dir_->path(); }
  void WriteFile(const QString& name, const QByteArray& text) {
    QFile f(Dir() + "/" + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  QByteArray ReadFile(const QString& name) {
    QFile f(Dir() + "/" + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }

  void firstRunWithoutFiles() {
    AppFixture f(Dir());
    auto& w = f.window();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(w.x(), (screen.width() - w.frameGeometry().width()) / 2);
    QCOMPARE(w.y(), (screen.height() - w.frameGeometry().height()) / 2);
    QVERIFY(f.Find<QAction>("MenuComItem_0")->isChecked());
    for (int k = 1; k < 21; ++k)
      QVERIFY(!f.Find<QAction>(qPrintable(QStringLiteral("MenuComItem_%1").arg(k)))->isChecked());
    QCOMPARE(f.Find<QLabel>("LabelCom")->text(), QStringLiteral("COM= COM1"));
    QVERIFY(f.Find<QAction>("MenuEnglish")->isChecked());
    QCOMPARE(f.Find<QMenu>("MenuFile")->title(), QStringLiteral("&File"));
    // Preset 0: BIKE 0 and the defaults, with the fixed header bytes.
    morvek::model::Editor fresh;
    fresh.ApplyDefaults(morvek::model::DefaultsScope::kWholeImage);
    morvek::pages::PageValues values;
    morvek::pages::PageEditor(fresh).AfterChange(values);  // map 2A follows 1A (" 1 = 2")
    QCOMPARE(f.app->editor().image().Byte(0), std::uint8_t{0});
    // Bytes 2..5 are the fixed header bytes, written after the defaults.
    for (int b = 6; b < 1350; ++b)
      QVERIFY2(f.app->editor().image().Byte(b) == fresh.image().Byte(b),
               qPrintable(QString::number(b)));
    for (const char* box : {"CheckBoxZobrMs_Uni", "CheckBoxExtMonitor", "CheckBoxAll_PolohaA"})
      QVERIFY2(!f.Find<QCheckBox>(box)->isChecked(), box);
    QVERIFY(f.prompts.messages.empty());
    QVERIFY(f.Find<QLabel>("LabelHlaseni")->isHidden());
    QVERIFY(f.Find<QProgressBar>("CGaugeProgram")->isHidden());
    QVERIFY(f.Find<QLabel>("LabelTest1")->isHidden());
  }

  void settingsWrittenVerbatimAndReadBack() {
    {
      AppFixture f(Dir());
      f.app->ChooseLanguage(3);
      f.app->ChoosePort(4);
      f.window().pages().setCurrentIndex(2);
      f.Find<QCheckBox>("CheckBoxZobrMs_Uni")->setChecked(true);
      f.Find<QCheckBox>("CheckBoxExtMonitor")->setChecked(true);
      f.window().move(12, 34);
      f.window().resize(1100, 830);
      f.window().close();
    }
    const QByteArray ini = ReadFile("Morvek_v84.ini");
    const QByteArray expected =
        "[BASIC]\r\nLeft=12\r\nTop=34\r\nHeight=830\r\nWidth=1100\r\nComPort=5\r\n"
        "ComPortAuto=1\r\nLanguage=3\r\nFile=\r\nIniDir=\r\n"
        "PageControl1->ActivePageIndex=2\r\nCheckBoxZobrMs_Uni->Checked=1\r\n"
        "CheckBoxExtMonitor->Checked=1\r\nCheckBoxAll_PolohaA->Checked=0\r\n";
    QCOMPARE(ini, expected);

    AppFixture again(Dir());
    QCOMPARE(again.app->texts().language(), morvek::i18n::Language::kCzech);
    QVERIFY(again.Find<QAction>("MenuCzech")->isChecked());
    QCOMPARE(again.app->session().com_port_index(), 4);
    QVERIFY(again.Find<QAction>("MenuComItem_4")->isChecked());
    QCOMPARE(again.window().pages().currentIndex(), 2);
    // The saved place and size, as far as the screen holds them.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int frame_height = again.window().frameGeometry().height() - again.window().height();
    QCOMPARE(again.window().height(), std::min(830, area.height() - frame_height));
    QVERIFY(area.contains(again.window().frameGeometry().topLeft()));
    if (area.width() >= 1100 + 12 + 20) QCOMPARE(again.window().x(), 12);
    QVERIFY(again.Find<QCheckBox>("CheckBoxZobrMs_Uni")->isChecked());
    QVERIFY(again.Find<QCheckBox>("CheckBoxExtMonitor")->isChecked());
    QVERIFY(!again.Find<QCheckBox>("CheckBoxAll_PolohaA")->isChecked());
  }

  void demoRunKeepsTheSavedPort() {
    WriteFile("Morvek_v84.ini", "[BASIC]\r\nComPort=6\r\n");
    {
      AppFixture demo(Dir(), {}, {}, 0);
      QCOMPARE(demo.app->session().com_port_index(), 0);
      QVERIFY(demo.Find<QAction>("MenuComItem_0")->isChecked());
      demo.window().close();
    }
    QVERIFY(ReadFile("Morvek_v84.ini").contains("\r\nComPort=6\r\n"));
    AppFixture next(Dir());
    QCOMPARE(next.app->session().com_port_index(), 5);
  }

  void stateFileRoundTrip() {
    {
      AppFixture f(Dir());
      f.app->editor().image().SetByte(2, 99);  // a fixed header byte: restored at start-up
      f.app->editor().image().SetByte(700, 77);
      f.app->editor().all_flags()[12] = 1;
      f.window().close();
    }
    const QList<QByteArray> lines = ReadFile("_Morvek_v84.ini").split('\n');
    QCOMPARE(lines.size(), 135 + 13 + 1);  // 135 value lines, 13 empty lines, the flags line
    QVERIFY(lines[0].endsWith("\r"));
    QCOMPARE(lines[0].size(), 61);  // ten "%5u " and CR
    QCOMPARE(lines[10], QByteArray("\r"));
    QCOMPARE(lines.last(), QByteArray("    0     0     0     0     0     0     0     0     0"
                                      "     0     0     0     1 "));
    AppFixture again(Dir());
    QCOMPARE(again.app->editor().image().Byte(700), std::uint8_t{77});
    QVERIFY(again.app->editor().image().Byte(2) != 99);
    QCOMPARE(again.app->editor().all_flags()[12], std::uint8_t{1});
  }

  void commandLineLanguage_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("language");
    QTest::newRow("DEUTSCH beats saved Czech") << "DEUTSCH" << 1;
    QTest::newRow("lower case does nothing") << "english" << 3;
    QTest::newRow("FRENCH") << "FRENCH" << 2;
  }
  void commandLineLanguage() {
    QFETCH(QString, word);
    QFETCH(int, language);
    WriteFile("Morvek_v84.ini", "[BASIC]\r\nLanguage=3\r\n");
    AppFixture f(Dir(), {word.toStdString()});
    QCOMPARE(static_cast<int>(f.app->texts().language()), language);
    const char* menus[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};
    for (int i = 0; i < 4; ++i) QCOMPARE(f.Find<QAction>(menus[i])->isChecked(), i == language);
  }

  void comMenuHoldsTwentyOneItems() {
    AppFixture f(Dir());
    f.transport.set_missing_ports({2});
    QMenu* menu = f.Find<QMenu>("MenuCom");
    QList<QAction*> items;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) items.push_back(a);
    QCOMPARE(items.size(), 21);
    QCOMPARE(items.front()->text(), QStringLiteral("Com 1"));
    QCOMPARE(items[19]->text(), QStringLiteral("Com 20"));
    QCOMPARE(items.last()->text(), QStringLiteral("Com Auto"));
    items[2]->trigger();
    QCOMPARE(std::count_if(items.begin(), items.end(), [](QAction* a) { return a->isChecked(); }),
             1);
    QVERIFY(items[2]->isChecked());
    QCOMPARE(f.Find<QLabel>("LabelCom")->text(), QStringLiteral("COM= COM3"));
    // The system's reason follows on its own line, naming the port.
    QCOMPARE(f.prompts.messages,
             std::vector<std::string>{"Com opening error!\nCOM3: No such file or directory"});
  }

  void hoverShowsLongHint_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");
    QTest::newRow("open") << "SpeedButtonOpen"
                          << "Open file with parametrs";
    QTest::newRow("read") << "ButtonRead"
                          << "Reading parametrs from ignition";
  }
  void hoverShowsLongHint() {
    QFETCH(QString, button);
    QFETCH(QString, hint);
    AppFixture f(Dir());
    f.window().show();
    QWidget* b = f.window().findChild<QWidget*>(button);
    QVERIFY(b);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(b, &enter);
    QCOMPARE(f.window().statusBar()->currentMessage(), hint);
  }

  void pageIndexesAndOneSharedGrid() {
    AppFixture f(Dir());
    auto& pages = f.window().pages();
    const char* sheets[] = {"TabSheet_Bike",   "TabSheet_Advance", "TabSheet_Inj1A",
                            "TabSheet_Inj2A",  "TabSheet_Poloha",  "TabSheet_Korekce",
                            "TabSheet_Cidla",  "TabSheet_Idle",    "TabSheet_Gas",
                            "TabSheet_Gear",   "TabSheet_Race",    "TabSheet_Ladeni",
                            "TabSheet_Monitor"};
    QCOMPARE(pages.count(), 13);
    for (int i = 0; i < 13; ++i) QCOMPARE(pages.widget(i)->objectName(), QString(sheets[i]));
    QCOMPARE(f.window().findChildren<QGroupBox*>("GroupBox_Uni").size(), 1);
    QCOMPARE(f.window().findChildren<QSpinBox*>("UpDown_Uni_9_14").size(), 1);
    QCOMPARE(f.Find<QSpinBox>("UpDown_Uni_9_14")->property("editName").toString(),
             QStringLiteral("Edit_Uni_9_14"));
    f.window().show();
    QElapsedTimer clock;
    std::vector<qint64> micros;
    for (int round = 0; round < 21; ++round) {
      const int page = 1 + round % 3;
      clock.start();
      pages.setCurrentIndex(page);
      QCoreApplication::processEvents();
      micros.push_back(clock.nsecsElapsed() / 1000);
      QCOMPARE(f.Find<QGroupBox>("GroupBox_Uni")->parentWidget(), pages.widget(page));
      QVERIFY(f.Find<QGroupBox>("GroupBox_Uni")->isVisible());
    }
    std::sort(micros.begin(), micros.end());
    qInfo("map page switch median: %lld us", static_cast<long long>(micros[micros.size() / 2]));
    // The goal is 10 ms; this bound only catches a grid rebuilt per switch (shared CI cores).
    QVERIFY(micros[micros.size() / 2] < 500000);
    // Advance in degrees, injection in percent of the base map.
    pages.setCurrentIndex(1);
    QCOMPARE(f.Find<QSpinBox>("UpDown_Uni_0_0")->value(),
             morvek::model::Shown(f.app->editor().image(), morvek::model::FieldId::kAdvance, 0));
    pages.setCurrentIndex(2);
    QCOMPARE(f.Find<QSpinBox>("UpDown_Uni_0_0")->value(), 100);
    // The TPS box shows ADVANCE_MISC.tps_map on every map page; "All" is remembered per page.
    QVERIFY(f.Find<QCheckBox>("CheckBoxTps_Uni")->isChecked());
    f.app->editor().all_flags()[3] = 1;
    pages.setCurrentIndex(3);
    QVERIFY(f.Find<QCheckBox>("CheckBoxAll_Uni")->isChecked());
    pages.setCurrentIndex(1);
    QVERIFY(!f.Find<QCheckBox>("CheckBoxAll_Uni")->isChecked());
  }

  void f7ReadsTheImageAndVerifies() {
    morvek::sim::ControllerConfig config;
    morvek::model::Editor source;
    source.ApplyDefaults(morvek::model::DefaultsScope::kWholeImage);
    morvek::pages::PageValues values;
    morvek::pages::PageEditor(source).AfterChange(values);
    morvek::model::SetShown(source.image(), morvek::model::FieldId::kAdvance, 0, 33);
    config.pages = source.image();
    AppFixture f(Dir(), {}, config);
    f.window().pages().setCurrentIndex(1);
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    f.window().activateWindow();
    QTest::keyClick(&f.window(), Qt::Key_F7);
    QCOMPARE(static_cast<int>(f.app->session().transaction_mode()), 3);
    for (int i = 0; i < 400 && static_cast<int>(f.app->session().transaction_mode()) != 0; ++i)
      f.Tick();
    QCOMPARE(f.Find<QLabel>("LabelHlaseni")->text(), QStringLiteral("Verify: OK"));
    QVERIFY(f.Find<QLabel>("LabelHlaseni")->isVisibleTo(&f.window()));
    QCOMPARE(f.Find<QSpinBox>("UpDown_Uni_0_0")->value(), 33);
    QVERIFY(!f.Find<QLabel>("LabelVerze1")->text().isEmpty());
    QCOMPARE(f.Find<QLabel>("LabelVerze2")->text().size(), 10);
    QVERIFY(f.prompts.messages.empty());
  }

  void controllerNameShownInTheCodePageOfTheLanguage() {
    // 0xE8 is c with caron in the Central European code page, e grave in the Western one.
    for (const auto& [argument, shown] : {std::pair{"CESKY", QStringLiteral("Pe\u010Dka 1")},
                                          std::pair{"ENGLISH", QStringLiteral("Pe\u00E8ka 1")}}) {
      morvek::sim::ControllerConfig config;
      config.identification.name = "Pe\xE8ka 1";
      AppFixture f(Dir(), {argument}, config);
      f.app->session().Read();
      for (int i = 0; i < 400 && static_cast<int>(f.app->session().transaction_mode()) != 0; ++i)
        f.Tick();
      QCOMPARE(f.Find<QLabel>("LabelVerze1")->text(), shown);
    }
  }

  void noConnectionOnTheSeventhTick() {
    AppFixture f(Dir());
    f.controller.SetSilent(true);
    auto* spojeni = f.Find<QLabel>("LabelSpojeni");
    auto* version = f.Find<QLabel>("LabelVersion");
    for (int tick = 1; tick <= 6; ++tick) {
      f.Tick();
      QVERIFY2(spojeni->isHidden(), qPrintable(QString::number(tick)));
      QVERIFY(!version->isHidden());
    }
    f.Tick();
    QVERIFY(!spojeni->isHidden());
    QVERIFY(version->isHidden());
    QVERIFY(f.prompts.messages.empty());
  }

  void liveFrameSetsTextsAndColours() {
    AppFixture f(Dir());
    f.Tick(20);
    QVERIFY(f.app->session().monitor_view().revision() > 0);
    QVERIFY(f.Find<QLabel>("LabelRpm")->text().startsWith("RPM = "));
    QVERIFY(f.Find<QLabel>("LabelTlak")->text().startsWith("AP = "));
    QVERIFY(f.Find<QLabel>("LabelSpojeni")->isHidden());
  }

  void monitorViewRendering() {
    using morvek::link::Colour;
    using morvek::link::MonitorGauge;
    using morvek::link::MonitorLabel;
    AppFixture f(Dir());
    morvek::link::MonitorView view;
    view.label(MonitorLabel::kLabelVoda) = {"Coolant = error", Colour::kRed, true};
    view.label(MonitorLabel::kLabelNapeti) = {"U = 14.9 V", Colour::kYellow, true};
    view.label(MonitorLabel::kLabelMon_Jet_1A) = {"Injection time 1 = 400 us", Colour::kButtonFace,
                                                  true};
    view.label(MonitorLabel::kLabelEeDataErr).visible = true;  // empty text: caption stays
    view.gauge(MonitorGauge::kCGaugeDuty) = {125, Colour::kYellow};
    f.window().RenderMonitor(view);
    auto* voda = f.Find<QLabel>("LabelVoda");
    QCOMPARE(voda->text(), QStringLiteral("Coolant = error"));
    QVERIFY(voda->autoFillBackground());
    QCOMPARE(voda->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(f.Find<QLabel>("LabelNapeti")->palette().color(QPalette::Window), QColor(255, 255, 0));
    QVERIFY(!f.Find<QLabel>("LabelMon_Jet_1A")->autoFillBackground());
    QCOMPARE(f.Find<QLabel>("LabelMon_Jet_1A")->text(),
             QStringLiteral("Injection time 1 = 400 us"));
    QVERIFY(!f.Find<QLabel>("LabelEeDataErr")->text().isEmpty());
    QVERIFY(!f.Find<QLabel>("LabelEeDataErr")->isHidden());
    auto* duty = f.Find<QProgressBar>("CGaugeDuty");
    QCOMPARE(duty->value(), 100);
    QCOMPARE(duty->palette().color(QPalette::Highlight), QColor(255, 255, 0));
    // Back to button face: the fill goes.
    view.label(MonitorLabel::kLabelVoda) = {"Coolant= 85 °C", Colour::kButtonFace, true};
    f.window().RenderMonitor(view);
    QVERIFY(!voda->autoFillBackground());
    // A limiter that acts colours its edit on the Bike page, and only that one.
    using morvek::link::MonitorEdit;
    const QColor window_base = f.Find<QSpinBox>("UpDownFan1")->palette().color(QPalette::Base);
    view.edit_colour(MonitorEdit::kEditIgnLimiter) = Colour::kFuchsia;
    view.edit_colour(MonitorEdit::kEditStartLimiter) = Colour::kWindow;
    f.window().RenderMonitor(view);
    QCOMPARE(f.Find<QSpinBox>("UpDownIgnLimiter")->palette().color(QPalette::Base),
             QColor(255, 0, 255));
    QCOMPARE(f.Find<QSpinBox>("UpDownStartLimiter")->palette().color(QPalette::Base), window_base);
    view.edit_colour(MonitorEdit::kEditIgnLimiter) = Colour::kWindow;
    f.window().RenderMonitor(view);
    QCOMPARE(f.Find<QSpinBox>("UpDownIgnLimiter")->palette().color(QPalette::Base), window_base);
  }

  void debugSwitchShowsTestLabels() {
    WriteFile("test_qarnet.txt", "x TEST_ENABLE y\n");
    AppFixture f(Dir());
    QVERIFY(!f.Find<QLabel>("LabelTest1")->isHidden());
    QVERIFY(!f.Find<QLabel>("LabelTest8")->isHidden());
  }

  void helpWithoutManualShowsTheError() {
    AppFixture f(Dir());
    f.Find<QAction>("MenuContens")->trigger();
    QCOMPARE(f.prompts.messages, std::vector<std::string>{"Error by opening file Morvek_en.pdf !"});
    QVERIFY(f.opened_documents.empty());
  }

  // F1 opens the manual of the language the window speaks now, from the program's folder; a
  // manual of another language does not stand in for a missing one, and a viewer that fails
  // is reported with the manual's path.
  void f1OpensTheManualOfTheWindowsLanguage() {
    AppFixture f(Dir());
    QVERIFY(f.Find<QAction>("MenuContens")->shortcut() == QKeySequence(Qt::Key_F1));
    for (const char* name : {"Morvek_en.pdf", "Morvek_de.pdf", "Morvek_fr.pdf"})
      WriteFile(name, "%PDF-1.4\n");
    const struct {
      const char* menu;
      const char* manual;
    } kLanguages[] = {{"MenuGerman", "Morvek_de.pdf"},
                      {"MenuFrench", "Morvek_fr.pdf"},
                      {"MenuEnglish", "Morvek_en.pdf"}};
    for (const auto& l : kLanguages) {
      f.Find<QAction>(l.menu)->trigger();
      f.opened_documents.clear();
      f.Find<QAction>("MenuContens")->trigger();
      QCOMPARE(f.opened_documents.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(f.opened_documents[0].string()),
               QDir(Dir()).filePath(QString::fromLatin1(l.manual)));
    }
    QVERIFY(f.prompts.messages.empty());

    f.Find<QAction>("MenuCzech")->trigger();
    f.opened_documents.clear();
    f.Find<QAction>("MenuContens")->trigger();
    QVERIFY(f.opened_documents.empty());
    QCOMPARE(f.prompts.messages, std::vector<std::string>{"Error by opening file Morvek_cz.pdf !"});

    f.Find<QAction>("MenuGerman")->trigger();
    f.viewer_opens = false;
    f.Find<QAction>("MenuContens")->trigger();
    QCOMPARE(f.opened_documents.size(), std::size_t{1});
    // A viewer that fails is not a missing manual: the message names the file and the reason.
    const std::string expected =
        "Es ist kein Programm zum Anzeigen von PDF-Dateien eingerichtet, daher kann das Handbuch "
        "nicht angezeigt werden: " +
        QDir(Dir()).filePath(QStringLiteral("Morvek_de.pdf")).toStdString();
    QCOMPARE(f.prompts.messages.back(), expected);
  }

  void disabledCommandsExistWithTheirShortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("F1") << "MenuContens"
                        << "F1" << true;
    QTest::newRow("F2") << "MenuSave"
                        << "F2" << true;
    QTest::newRow("Ctrl+F2") << "MenuSaveExeDir"
                             << "Ctrl+F2" << true;
    QTest::newRow("F3") << "MenuOpen"
                        << "F3" << true;
    QTest::newRow("Ctrl+F3") << "MenuOpenExeDir"
                             << "Ctrl+F3" << true;
    QTest::newRow("Shift+F3") << "MenuOpenActPage"
                              << "Shift+F3" << true;
    QTest::newRow("F4") << "MenuToolsMinus"
                        << "F4" << true;
    QTest::newRow("F5") << "MenuToolsPlus"
                        << "F5" << true;
    QTest::newRow("F6") << "MenuLadeniOn"
                        << "F6" << true;
    QTest::newRow("F7") << "MenuRead"
                        << "F7" << true;
    QTest::newRow("F8") << "MenuVerify"
                        << "F8" << true;
    QTest::newRow("F9") << "MenuProgram"
                        << "F9" << true;
    QTest::newRow("Ctrl+N") << "MenuNew"
                            << "Ctrl+N" << true;
    QTest::newRow("Ctrl+Alt+N") << "MenuNewActPage"
                                << "Ctrl+Alt+N" << true;
    QTest::newRow("Ctrl+P") << "MenuPrint"
                            << "Ctrl+P" << true;
    QTest::newRow("Ctrl+Z") << "MenuZpet"
                            << "Ctrl+Z" << false;
    QTest::newRow("Ctrl+Alt+Z") << "MenuZnovu"
                                << "Ctrl+Alt+Z" << false;
  }
  void disabledCommandsExistWithTheirShortcuts() {
    QFETCH(QString, name);
    QFETCH(QString, keys);
    QFETCH(bool, enabled);
    AppFixture f(Dir());
    QAction* action = f.window().findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->shortcut(), QKeySequence(keys));
    QCOMPARE(action->isEnabled(), enabled);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
