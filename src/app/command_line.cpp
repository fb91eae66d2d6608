#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace morvek::app {
namespace {

// Options the toolkit reads itself, written with one dash or two, value after a space or "=".
constexpr std::array<std::string_view, 12> kToolkitOptionsWithValue{
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowicon",
    "qwindowtitle",    "style",
    "stylesheet",      "session",
    "display",         "geometry"};
constexpr std::array<std::string_view, 5> kToolkitFlags{"reverse", "widgetcount", "nograb",
                                                        "dograb", "sync"};

std::string_view OptionName(std::string_view a) {
  a.remove_prefix(a.rfind("--", 0) == 0 ? 2 : 1);
  return a.substr(0, a.find('='));
}

bool Contains(const auto& list, std::string_view name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  auto fail = [&line](std::string message) {
    line.error = std::move(message);
    return line;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      line.help = true;
    } else if (a == "--version") {
      line.version = true;
    } else if (a == "--demo") {
      line.demo = true;
    } else if (a == "--quit-after-show") {
      line.quit_after_show = true;
    } else if (a == "--com") {
      if (i + 1 >= args.size()) return fail("--com needs N=PATH");
      line.com_bindings.push_back(args[++i]);
    } else if (a.rfind("--com=", 0) == 0) {
      line.com_bindings.push_back(a.substr(6));
    } else if (a.size() > 1 && a[0] == '-') {
      const std::string_view name = OptionName(a);
      if (Contains(kToolkitFlags, name)) continue;
      if (!Contains(kToolkitOptionsWithValue, name)) return fail("unknown option '" + a + "'");
      if (a.find('=') == std::string::npos) {
        if (i + 1 >= args.size()) return fail("'" + a + "' needs a value");
        ++i;
      }
    } else if (line.arguments.size() >= 2) {
      return fail("unexpected argument '" + a + "': at most a language word and one file");
    } else {
      line.arguments.push_back(a);
    }
  }
  return line;
}

const char* CommandLineUsage() {
  return "Usage: morvek [LANGUAGE] [FILE.ign] [--demo] [--com N=PATH]...\n"
         "\n"
         "Configures and tunes a Torvane engine controller over a serial port.\n"
         "\n"
         "  LANGUAGE       ENGLISH, DEUTSCH, FRENCH or CESKY, in capitals: the language of\n"
         "                 the window for this run, whatever the settings say\n"
         "  FILE.ign       a parameter file to open once the window is up\n"
         "  --demo         talk to a built-in simulated controller on COM1 instead of a\n"
         "                 motorcycle (the port saved in the settings is kept)\n"
         "  --com N=PATH   bind COM N (1..21) to a serial device, e.g. --com 1=/dev/ttyUSB0;\n"
         "                 repeatable. Unbound COM numbers go to the system's serial\n"
         "                 devices, USB adapters first\n"
         "  -h, --help     print this text and exit\n"
         "  --version      print the version, the build date and the license and exit\n"
         "\n"
         "F1 in the window opens the user manual of the window's language.\n"
         "Settings live in ~/.config/Morvek (MORVEK_CONFIG_DIR overrides it).\n"
         "\n"
         "Exit status: 0 closed normally, 1 the demo controller could not start,\n"
         "2 bad command line.\n";
}

}  // namespace morvek::app
