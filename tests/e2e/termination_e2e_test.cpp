// Termination never loses the screen: a signal under any message box, or a lost X display,
// ends the program within seconds and the state file holds the image with its unprogrammed
// edits. The boxes are the real ones: the test starts itself as a child that runs the window
// exactly as the program does (RunWindow) over a simulated controller and says on its output
// which box is up.

#include <QApplication>
#include <QMessageBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "../clilink/child_process.h"
#include "app/application.h"
#include "app/window_run.h"
#include "files/config_paths.h"
#include "files/file_io.h"
#include "files/state_file.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "sim/controller_model.h"
#include "sim/in_memory_transport.h"
#include "ui/prompts.h"

using morvek::model::FieldId;

namespace {

std::string Self() { return QCoreApplication::applicationFilePath().toStdString(); }

// The child: the window over an in-memory controller; `mode` says which box it brings up.
int RunChild(int argc, char** argv) {
  QApplication qt(argc, argv);
  const std::string mode = argv[2];
  morvek::sim::ControllerModel controller;
  morvek::sim::InMemoryTransport transport(controller);
  // COM1 is missing: the start-up says "Com opening error!" in a box.
  if (mode == "com-error") transport.set_missing_ports({0});
  morvek::ui::QtPrompts prompts;
  morvek::app::ApplicationOptions options;
  options.transport = &transport;
  options.prompts = &prompts;
  options.config_directory = morvek::files::ConfigDirectory();
  options.program_directory = options.config_directory;
  if (argc > 3) options.arguments = {argv[3]};
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&watch] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      std::printf("box: %s\n", box->text().toUtf8().constData());
      std::fflush(stdout);
      watch.stop();
    }
  });
  watch.start(20);
  return morvek::app::RunWindow(options, prompts, [&mode](morvek::app::Application& app) {
    if (mode != "close-question") return;
    QTimer::singleShot(0, &app.window(), [&app] {
      // An edit not programmed, then the window is closed: the close question.
      app.window().findChild<QSpinBox*>(QStringLiteral("UpDownFan1"))->setValue(91);
      app.window().close();
    });
  });
}

std::string Tune(int fan1) {
  std::string text =
      morvek::files::ReadWholeFile(std::string(MORVEK_TEST_DATA_DIR) + "/default_preset2.ign")
          .value_or("");
  text.replace(text.find("FAN            102   104 \r\n"), 26,
               "FAN " + std::to_string(fan1) + " 104\r\n");
  return text;
}

// FAN.fan1 as the state file holds it, or -1 without a readable state file.
int StateFan1(const morvek::files::ConfigPaths& paths) {
  morvek::model::ParameterImage image;
  std::array<std::uint8_t, morvek::model::kPageCount> all{};
  if (!morvek::files::ReadStateFile(paths.StateFile(), image, all)) return -1;
  return morvek::model::Shown(image, FieldId::kFanFan1);
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace

class TerminationE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void signalUnderEveryBoxSavesTheScreen_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("fan1");  // in the state file afterwards
    QTest::newRow("start-up error, SIGTERM") << "com-error"
                                             << "Com opening error!" << SIGTERM << 93;
    QTest::newRow("start-up error, SIGHUP") << "com-error"
                                            << "Com opening error!" << SIGHUP << 93;
    QTest::newRow("file warnings, SIGTERM") << "file-warnings"
                                            << "The file is not a complete tune" << SIGTERM << 93;
    QTest::newRow("close question, SIGTERM") << "close-question"
                                             << "Close anyway?" << SIGTERM << 91;
    QTest::newRow("close question, SIGINT") << "close-question"
                                            << "Close anyway?" << SIGINT << 91;
  }
  void signalUnderEveryBoxSavesTheScreen() {
    QFETCH(QString, mode);
    QFETCH(QString, box);
    QFETCH(int, signal);
    QFETCH(int, fan1);
    QTemporaryDir dir;
    const morvek::files::ConfigPaths paths{dir.filePath(QStringLiteral("config")).toStdString()};
    // What an earlier run left: the image with fan 1 at 93.
    {
      morvek::model::Editor earlier;
      morvek::model::SetStored(earlier.image(), FieldId::kBike, 0);
      earlier.ApplyDefaults(morvek::model::DefaultsScope::kWholeImage);
      morvek::model::SetShown(earlier.image(), FieldId::kFanFan1, 0, 93);
      paths.EnsureDirectory();
      morvek::files::WriteStateFile(paths.StateFile(), earlier.image(), earlier.all_flags());
    }
    std::vector<std::string> argv{Self(), "--child", mode.toStdString()};
    if (mode == QStringLiteral("file-warnings")) {
      const std::string file = dir.filePath(QStringLiteral("warned.ign")).toStdString();
      std::string text = Tune(95);
      text.erase(text.find("LIMITER"), 7);  // its numbers are then words no keyword takes
      std::ofstream(file, std::ios::binary) << text;
      argv.push_back(file);
    }
    qputenv("MORVEK_CONFIG_DIR", QByteArray::fromStdString(paths.directory.string()));
    morvek::testing::ChildProcess child(argv, dir.filePath(QStringLiteral("child")).toStdString());
    QVERIFY(child.started());
    QVERIFY2(WaitFor([&] { return child.Out().find("box: ") != std::string::npos; },
                     std::chrono::seconds(20)),
             child.Err().c_str());
    QVERIFY2(child.Out().find(box.toStdString()) != std::string::npos, child.Out().c_str());
    QVERIFY(!std::filesystem::exists(paths.SettingsFile()));
    const auto sent = std::chrono::steady_clock::now();
    child.Signal(signal);
    QCOMPARE(child.Wait(std::chrono::seconds(5)), 0);
    QVERIFY(std::chrono::steady_clock::now() - sent < std::chrono::seconds(5));
    QVERIFY2(std::filesystem::exists(paths.SettingsFile()), child.Err().c_str());
    QCOMPARE(StateFan1(paths), fan1);
  }

  // Qt ends the process by itself when the X server goes away; the shutdown still saves the
  // file opened on the command line into the state file.
  void lostDisplayStillSaves() {
    if (!std::filesystem::exists("/usr/bin/Xvfb")) QSKIP("no Xvfb on this machine");
    QTemporaryDir dir;
    // The server picks a free display and writes its number on its output.
    morvek::testing::ChildProcess x({"/usr/bin/Xvfb", "-displayfd", "1", "-nolisten", "tcp"},
                                    dir.filePath(QStringLiteral("xvfb")).toStdString());
    QVERIFY(
        WaitFor([&] { return x.Out().find('\n') != std::string::npos; }, std::chrono::seconds(10)));
    const int display = std::stoi(x.Out());
    const morvek::files::ConfigPaths paths{dir.filePath(QStringLiteral("config")).toStdString()};
    const std::string file = dir.filePath(QStringLiteral("tune.ign")).toStdString();
    std::ofstream(file, std::ios::binary) << Tune(95);
    qputenv("MORVEK_CONFIG_DIR", QByteArray::fromStdString(paths.directory.string()));
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", QByteArray::fromStdString(":" + std::to_string(display)));
    morvek::testing::ChildProcess child({Self(), "--child", "file", file},
                                        dir.filePath(QStringLiteral("child")).toStdString());
    qputenv("QT_QPA_PLATFORM", platform);
    QVERIFY(child.started());
    // Up and running: its file loaded and no box open.
    QTest::qWait(2500);
    QVERIFY(child.Out().find("box: ") == std::string::npos);
    QVERIFY(!std::filesystem::exists(paths.StateFile()));
    x.Signal(SIGKILL);
    QVERIFY(x.Wait(std::chrono::seconds(5)) != -1);
    QVERIFY(child.Wait(std::chrono::seconds(5)) != -1);
    QVERIFY2(std::filesystem::exists(paths.SettingsFile()), child.Err().c_str());
    QCOMPARE(StateFan1(paths), 95);
  }
};

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "--child") return RunChild(argc, argv);
  QApplication qt(argc, argv);
  TerminationE2eTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "termination_e2e_test.moc"
