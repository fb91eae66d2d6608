#include "cli/command_line.h"

#include <charconv>

namespace morvek::cli {
namespace {

ParseResult Fail(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

std::string_view UsageText() {
  return "Usage: morvek-cli <command> [options]\n"
         "\n"
         "Commands:\n"
         "  new --bike N -o OUT.ign     write the full default parameter set of motorcycle\n"
         "                              preset N (0..7) as a parameter file\n"
         "  convert IN.ign -o OUT.ign   read a parameter file of version 63, 78 or 84 and\n"
         "          [--force]           write it as version 84; a file that lacks sections\n"
         "                              or has unreadable numbers is refused unless --force\n"
         "                              is given, and then written with the same gaps\n"
         "  check IN.ign                list every value outside its legal range with the\n"
         "                              value it would be corrected to, and as warnings\n"
         "                              whatever the file does not say as a tune should\n"
         "                              (a word where a number belongs, a number the value\n"
         "                              cannot hold, a value outside its range, a missing\n"
         "                              section, words no keyword reads)\n"
         "  diff A B                    list every value in which two parameter sets differ:\n"
         "                              page, field and element, the value on each side;\n"
         "                              each of A and B is a file or --port PORT (one\n"
         "                              controller at a time, read with its verify pass)\n"
         "  analyze LOG.csv... --tune IN.ign -o OUT.ign\n"
         "                              a corrected injection map from data logs (see\n"
         "                              morvek-cli analyze --help)\n"
         "  --help                      show this text\n"
         "  --version                   show the version, the build date and the license\n"
         "\n"
         "Controller commands (PORT: a device path, COM1..COM20 or auto; --com N=PATH binds\n"
         "COM N to a device, repeatable; --timeout S ends a command after S seconds, 60 when\n"
         "not given, when a monitor has had no frame by then; -v adds debug lines):\n"
         "  read --port PORT -o OUT.ign      read the controller, verify the read, write the\n"
         "                                   file only when both completed\n"
         "  verify IN.ign --port PORT        compare a parameter file with the controller\n"
         "                                   (pages 1..9 only: it does not ask the controller\n"
         "                                   for its protocol version)\n"
         "  program IN.ign --port PORT       program it, verify it, wait for the saving;\n"
         "          [--force]                a file that lacks sections or has unreadable\n"
         "                                   numbers is refused unless --force is given\n"
         "  monitor --port PORT [--count N]  print the live values, one line per frame\n"
         "          [--csv FILE]             and record each frame as a row of a CSV data\n"
         "                                   log (time in ms, every live value; a full disk\n"
         "                                   ends the command with status 5, the rows kept)\n"
         "\n"
         "Every successful read and verify and every program keeps the controller's image as a\n"
         "restore point in the configuration directory (the newest 200, at most 20 MB):\n"
         "  restore list                     list them, newest first\n"
         "  restore export ID -o OUT.ign     write one as a parameter file (ID: its id or its\n"
         "                                   number in the list)\n"
         "\n"
         "Exit status of the file commands: 0 success; 1 check found values out of range;\n"
         "2 bad arguments; 3 a file could not be read or written; 4 the input is not a\n"
         "parameter file of a known version; 5 check found warnings (whether or not values\n"
         "are out of range) or convert refuses a file that is not a complete tune.\n"
         "convert, verify, program and diff print the same warnings and, before they act,\n"
         "every value the limits would correct; verify and diff compare the file as written.\n"
         "Exit status of diff: 0 equal; 1 different; 2 bad arguments; with two files 3 and 4\n"
         "as the file commands; with --port 3, 4, 5 and 6 as the controller commands and 7\n"
         "the controller could not be read.\n"
         "Exit status of the controller commands: 0 success (\"Verify: OK\", \"Program\n"
         "device: OK\"); 1 read, verify or program error; 2 bad arguments; 3 the port\n"
         "cannot be opened; 4 the controller's protocol version differs; 5 the parameter\n"
         "file cannot be read or written, or program refuses an incomplete one; 6 no\n"
         "result in time.\n";
}

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return Fail("no command given");
  CommandLine cl;
  const std::string& name = args[0];
  if (name == "--help" || name == "-h" || name == "help") {
    if (args.size() > 1) return Fail("--help takes no arguments");
    return {cl, ""};
  }
  if (name == "--version") {
    if (args.size() > 1) return Fail("--version takes no arguments");
    cl.command = Command::kVersion;
    return {cl, ""};
  }
  if (name == "new")
    cl.command = Command::kNew;
  else if (name == "convert")
    cl.command = Command::kConvert;
  else if (name == "check")
    cl.command = Command::kCheck;
  else if (name == "diff")
    cl.command = Command::kDiff;
  else
    return Fail("unknown command '" + name + "'");

  std::vector<std::string> positional;
  bool bike_given = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") return {CommandLine{}, ""};
    const bool is_output = a == "-o" || a == "--output";
    const bool is_bike = a == "--bike";
    if (is_output || is_bike) {
      if (i + 1 >= args.size()) return Fail("option " + a + " needs a value");
      const std::string& value = args[++i];
      if (is_output) {
        if (cl.command == Command::kCheck || cl.command == Command::kDiff)
          return Fail(name + " writes no file: " + a);
        if (!cl.output.empty()) return Fail("-o given twice");
        if (value.empty()) return Fail("option " + a + " needs a file name");
        cl.output = value;
        continue;
      }
      if (cl.command != Command::kNew) return Fail("--bike belongs to the new command");
      int bike = -1;
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), bike);
      if (ec != std::errc() || end != value.data() + value.size() || bike < 0 || bike > 7)
        return Fail("--bike takes a preset number 0..7, not '" + value + "'");
      if (bike_given) return Fail("--bike given twice");
      cl.bike = bike;
      bike_given = true;
      continue;
    }
    if (a == "--force" && cl.command == Command::kConvert) {
      cl.force = true;
      continue;
    }
    if (a.size() > 1 && a[0] == '-') return Fail("unknown option '" + a + "'");
    positional.push_back(a);
  }

  switch (cl.command) {
    case Command::kNew:
      if (!positional.empty()) return Fail("new takes no input file");
      if (!bike_given) return Fail("new needs --bike N");
      if (cl.output.empty()) return Fail("new needs -o OUT.ign");
      break;
    case Command::kConvert:
    case Command::kCheck:
      if (positional.size() != 1) return Fail(name + " needs exactly one input file");
      cl.input = positional[0];
      if (cl.command == Command::kConvert && cl.output.empty())
        return Fail("convert needs -o OUT.ign");
      break;
    case Command::kDiff:
      if (positional.size() != 2) return Fail("diff needs two parameter files (or --port PORT)");
      cl.input = positional[0];
      cl.input2 = positional[1];
      break;
    case Command::kHelp:
    case Command::kVersion:
      break;
  }
  return {cl, ""};
}

}  // namespace morvek::cli
