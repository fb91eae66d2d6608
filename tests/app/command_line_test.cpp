// The window program's command line: what is taken, what the toolkit keeps, what is refused;
// and the real `morvek` binary answering --help and a mistake without needing a display.

#include "app/command_line.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace {

using morvek::app::CommandLine;
using morvek::app::ParseCommandLine;
using Args = std::vector<std::string>;

struct Case {
  Args args;
  Args arguments;  // what start-up gets: [LANGUAGE] [file]
  Args bindings;
  bool demo;
  bool help;
  const char* error_has;  // empty: no error
};

TEST(CommandLine, OptionsArgumentsAndMistakes) {
  const Case kCases[] = {
      {{}, {}, {}, false, false, ""},
      {{"DEUTSCH", "tune.ign"}, {"DEUTSCH", "tune.ign"}, {}, false, false, ""},
      {{"--demo", "--com", "1=/dev/ttyUSB0", "--com=2=/dev/ttyS0"},
       {},
       {"1=/dev/ttyUSB0", "2=/dev/ttyS0"},
       true,
       false,
       ""},
      // The toolkit's own options and their values are left to the toolkit.
      {{"-platform", "offscreen", "CESKY", "-reverse"}, {"CESKY"}, {}, false, false, ""},
      {{"--style=Fusion", "tune.ign"}, {"tune.ign"}, {}, false, false, ""},
      {{"--help"}, {}, {}, false, true, ""},
      {{"ENGLISH", "-h"}, {"ENGLISH"}, {}, false, true, ""},
      {{"--bogus"}, {}, {}, false, false, "unknown option '--bogus'"},
      {{"-d"}, {}, {}, false, false, "unknown option '-d'"},
      {{"--demo", "--com"}, {}, {}, true, false, "--com needs N=PATH"},
      {{"-platform"}, {}, {}, false, false, "'-platform' needs a value"},
      {{"FRENCH", "a.ign", "b.ign"}, {}, {}, false, false, "unexpected argument 'b.ign'"},
  };
  for (const Case& c : kCases) {
    const CommandLine line = ParseCommandLine(c.args);
    std::string joined;
    for (const std::string& a : c.args) joined += a + " ";
    if (*c.error_has != '\0') {
      EXPECT_NE(line.error.find(c.error_has), std::string::npos) << joined << "-> " << line.error;
      continue;
    }
    EXPECT_EQ(line.error, "") << joined;
    EXPECT_EQ(line.arguments, c.arguments) << joined;
    EXPECT_EQ(line.com_bindings, c.bindings) << joined;
    EXPECT_EQ(line.demo, c.demo) << joined;
    EXPECT_EQ(line.help, c.help) << joined;
  }
}

struct Outcome {
  int status = -1;
  std::string out;  // standard output and error together
};

// The program without any display: no DISPLAY, no WAYLAND_DISPLAY, no platform chosen.
Outcome Morvek(const std::string& args) {
  Outcome run;
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                              std::string(MORVEK_APP) + "' " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(MorvekProgram, HelpPrintsTheUsageAndAMistakeExitsWithTwo) {
  const Outcome help = Morvek("--help");
  EXPECT_EQ(help.status, 0) << help.out;
  EXPECT_EQ(help.out.rfind("Usage: morvek [LANGUAGE] [FILE.ign] [--demo] [--com N=PATH]", 0), 0u)
      << help.out;
  for (const char* word : {"ENGLISH, DEUTSCH, FRENCH or CESKY", "--demo", "--com N=PATH"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;

  const struct {
    const char* args;
    const char* says;
  } kMistakes[] = {
      {"--bogus", "morvek: unknown option '--bogus'\nTry 'morvek --help'.\n"},
      {"ENGLISH a.ign b.ign",
       "morvek: unexpected argument 'b.ign': at most a language word and one file\n"
       "Try 'morvek --help'.\n"},
      {"--com", "morvek: --com needs N=PATH\nTry 'morvek --help'.\n"},
  };
  for (const auto& m : kMistakes) {
    const Outcome run = Morvek(m.args);
    EXPECT_EQ(run.status, 2) << m.args;
    EXPECT_EQ(run.out, m.says) << m.args;
  }
}

// --version answers like --help, without a display: the release, the checkout it was built
// from, the build date and the license.
TEST(MorvekProgram, VersionPrintsTheReleaseTheBuildDateAndTheLicense) {
  const Outcome run = Morvek("--version");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(std::regex_search(
      run.out, std::regex("^morvek [0-9]+\\.[0-9]+\\.[0-9]+( \\(git [^)]+\\))?\n"
                          "Built [0-9]{4}-[0-9]{2}-[0-9]{2}\n"
                          "License GPL-3\\.0-or-later: GNU General Public License, version 3 "
                          "or later\n")))
      << run.out;
  EXPECT_NE(run.out.find("NO WARRANTY"), std::string::npos) << run.out;
  EXPECT_EQ(ParseCommandLine({"--version"}).version, true);
  EXPECT_EQ(ParseCommandLine({"DEUTSCH"}).version, false);
}

}  // namespace
