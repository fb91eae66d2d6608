// The program against the simulated controller on a pseudo-terminal, through the real serial
// code and the real 55 ms timer: live values within 2 s, then F7 reads and verifies.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>

#include "../clilink/child_process.h"
#include "app/application.h"
#include "app/demo.h"
#include "files/file_io.h"
#include "files/parameter_file_reader.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "serial/port_directory.h"
#include "serial/serial_transport.h"
#include "ui/prompts.h"

namespace {

class RecordingPrompts : public morvek::ui::Prompts {
 public:
  void Message(const std::string& text) override { messages.push_back(text); }
  morvek::ui::Answer Confirm(const std::string&) override { return morvek::ui::Answer::kNo; }
  std::optional<std::string> OpenFileName(const std::string&) override { return {}; }
  std::optional<std::string> SaveFileName(const std::string&) override { return {}; }
  std::vector<std::string> messages;
};

// The whole program on COM1 bound to a device path, started and shown.
struct ProgramOnPort {
  ProgramOnPort(const std::string& device, const QString& config_dir) {
    directory.Bind(1, device);
    morvek::app::ApplicationOptions options;
    options.transport = &transport;
    options.prompts = &prompts;
    options.config_directory = config_dir.toStdString();
    options.program_directory = config_dir.toStdString();
    options.com_port_override = 0;
    app = std::make_unique<morvek::app::Application>(options);
    app->Start();
    app->window().show();
  }
  morvek::serial::PortDirectory directory;
  morvek::serial::SerialTransport transport{directory};
  RecordingPrompts prompts;
  std::unique_ptr<morvek::app::Application> app;
};

}  // namespace

class DemoE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void liveEngineThenReadAndVerify() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    morvek::app::Demo demo;
    std::string error;
    QVERIFY2(demo.Start(&error), error.c_str());
    ProgramOnPort program(demo.device_path(), dir.path());
    morvek::app::Application& app = *program.app;
    RecordingPrompts& prompts = program.prompts;
    QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
    app.window().activateWindow();

    auto* rpm = app.window().findChild<QLabel*>(QStringLiteral("LabelRpm"));
    QTRY_VERIFY_WITH_TIMEOUT(app.session().live_values().rpm > 0, 2000);
    QVERIFY(rpm->text().startsWith(QStringLiteral("RPM = ")));
    QVERIFY(!rpm->text().contains(QStringLiteral("---")));
    QCOMPARE(app.window().findChild<QLabel*>(QStringLiteral("LabelCom"))->text(),
             QStringLiteral("COM= COM1"));

    QTest::keyClick(&app.window(), Qt::Key_F7);
    auto* message = app.window().findChild<QLabel*>(QStringLiteral("LabelHlaseni"));
    QTRY_COMPARE_WITH_TIMEOUT(message->text(), QStringLiteral("Verify: OK"), 20000);
    QVERIFY(prompts.messages.empty());
    QVERIFY(!app.window().findChild<QLabel*>(QStringLiteral("LabelVerze1"))->text().isEmpty());
    app.window().close();
  }

  // An edit with "Programming after change" reaches the controller: torvane-sim on a pty, the
  // window edits one advance cell, then morvek-cli reads the controller and finds the value.
  void editProgramsTheControllerThenCliReadsIt() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string link = dir.filePath(QStringLiteral("controller")).toStdString();
    morvek::testing::ChildProcess sim({TORVANE_SIM, "--link", link},
                                      dir.filePath(QStringLiteral("sim")).toStdString());
    QVERIFY(sim.started());
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(link), 3000);
    {
      ProgramOnPort program(link, dir.path());
      morvek::app::Application& app = *program.app;
      QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
      QTRY_VERIFY_WITH_TIMEOUT(app.session().live_values().controller_version == 84, 3000);
      app.window().prog_hned().click();
      app.window().findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
      auto* cell = app.window().findChild<QSpinBox*>(QStringLiteral("UpDown_Uni_6_9"));
      cell->setValue(47);
      auto* message = app.window().findChild<QLabel*>(QStringLiteral("LabelHlaseni"));
      QTRY_COMPARE_WITH_TIMEOUT(message->text(), QStringLiteral("Program device: OK"), 20000);
      app.window().close();
    }
    const std::string file = dir.filePath(QStringLiteral("read.ign")).toStdString();
    morvek::testing::ChildProcess cli({MORVEK_CLI, "read", "--port", link, "-o", file},
                                      dir.filePath(QStringLiteral("cli")).toStdString());
    QCOMPARE(cli.Wait(std::chrono::seconds(60)), 0);
    morvek::model::Editor read;
    const auto text = morvek::files::ReadWholeFile(file);
    QVERIFY(text.has_value());
    QCOMPARE(morvek::files::ReadParameterFile(*text, read, false).version, 84);
    QCOMPARE(morvek::model::Shown(read.image(), morvek::model::FieldId::kAdvance, 6 * 15 + 9), 47);
    sim.Signal(SIGTERM);
    sim.Wait();
  }

  // SIGTERM, SIGINT and SIGHUP end the program as closing its window does: exit 0, settings
  // and the state file written.
  void terminationSignalsSaveAsClosingDoes() {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
      QTemporaryDir dir;
      QVERIFY(dir.isValid());
      const std::string link = dir.filePath(QStringLiteral("controller")).toStdString();
      morvek::testing::ChildProcess sim({TORVANE_SIM, "--link", link},
                                        dir.filePath(QStringLiteral("sim")).toStdString());
      QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(link), 3000);
      qputenv("MORVEK_CONFIG_DIR", dir.path().toLocal8Bit());
      morvek::testing::ChildProcess program({MORVEK_APP, "--com", "1=" + link},
                                            dir.filePath(QStringLiteral("app")).toStdString());
      QVERIFY(program.started());
      // Running: its window is up and its port open; nothing is saved before the end.
      QTest::qWait(2500);
      const std::filesystem::path config = dir.path().toStdString();
      QVERIFY(!std::filesystem::exists(config / "_Morvek_v84.ini"));
      program.Signal(signal);
      QCOMPARE(program.Wait(std::chrono::seconds(10)), 0);
      QVERIFY2(std::filesystem::exists(config / "Morvek_v84.ini"), program.Err().c_str());
      QVERIFY(std::filesystem::exists(config / "_Morvek_v84.ini"));
      sim.Signal(SIGTERM);
      sim.Wait();
    }
  }
};

QTEST_MAIN(DemoE2eTest)
#include "demo_e2e_test.moc"
