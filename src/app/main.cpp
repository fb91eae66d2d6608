// The morvek program: the main window on a serial port, or on a simulated controller with
// --demo.

#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <memory>

#include "app/application.h"
#include "app/command_line.h"
#include "app/demo.h"
#include "app/window_run.h"
#include "files/config_paths.h"
#include "files/program_folders.h"
#include "i18n/about_text.h"
#include "morvek_version.h"
#include "serial/port_directory.h"
#include "serial/serial_transport.h"
#include "serial/system_ports.h"
#include "ui/program_icon.h"
#include "ui/prompts.h"

namespace {

void ShowError(const char* what) {
  QMessageBox::critical(nullptr, QStringLiteral("Morvek"), QString::fromLocal8Bit(what));
}

// Any error that escapes an event handler is shown in a message box; the program goes on.
class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      ShowError(e.what());
    } catch (...) {
      ShowError("Unknown error");
    }
    return false;
  }
};

int Run(const morvek::app::CommandLine& line) {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setWindowIcon(morvek::ui::ProgramIcon());
  // Lets the desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(MORVEK_APP_ID));

  std::unique_ptr<morvek::app::Demo> demo;
  std::vector<std::string> bindings = line.com_bindings;
  if (line.demo) {
    demo = std::make_unique<morvek::app::Demo>();
    std::string error;
    if (!demo->Start(&error)) {
      std::fprintf(stderr, "morvek: cannot start the demo controller: %s\n", error.c_str());
      return 1;
    }
    bindings.insert(bindings.begin(), "1=" + demo->device_path());
  }
  morvek::serial::PortDirectory directory;
  std::string bad;
  if (!morvek::serial::BuildPortDirectory(bindings, directory, &bad)) {
    std::fprintf(stderr, "morvek: bad --com binding '%s' (want N=PATH, N 1..21)\n", bad.c_str());
    return 2;
  }
  morvek::serial::SerialTransport transport(directory);
  morvek::ui::QtPrompts prompts;
  prompts.set_unattended(line.quit_after_show);

  morvek::app::ApplicationOptions options;
  options.transport = &transport;
  options.prompts = &prompts;
  options.config_directory = morvek::files::ConfigDirectory();
  options.arguments = line.arguments;
  const morvek::files::ProgramFolders folders = morvek::files::FindProgramFolders(
      QCoreApplication::applicationDirPath().toStdString(), options.config_directory);
  options.program_directory = folders.manuals;
  options.data_directory = folders.data_directory;
  if (demo) options.com_port_override = 0;
  options.build_pages_after_show = true;
  return morvek::app::RunWindow(options, prompts, [&line](morvek::app::Application& app) {
    if (line.quit_after_show)
      QTimer::singleShot(0, &app.window(), [&app] { app.CloseWithoutAsking(); });
  });
}

}  // namespace

int main(int argc, char** argv) {
  // Read before the window system is needed, so --help and a mistyped option answer on a
  // machine without a display too.
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  const morvek::app::CommandLine line = morvek::app::ParseCommandLine(args);
  if (!line.error.empty()) {
    std::fprintf(stderr, "morvek: %s\nTry 'morvek --help'.\n", line.error.c_str());
    return 2;
  }
  if (line.help) {
    std::fputs(morvek::app::CommandLineUsage(), stdout);
    return 0;
  }
  if (line.version) {
    std::fputs(
        morvek::i18n::VersionLines("morvek", MORVEK_VERSION, MORVEK_GIT_DESCRIBE, MORVEK_BUILD_DATE)
            .c_str(),
        stdout);
    return 0;
  }
  GuardedApplication qt(argc, argv);
  // The last resort: an error that escapes everything else.
  try {
    return Run(line);
  } catch (const std::exception& e) {
    ShowError(e.what());
  } catch (...) {
    ShowError("Unknown error");
  }
  return 1;
}
