#include "cli/cli_app.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <regex>
#include <sstream>

#include "files/file_io.h"
#include "files/parameter_file_reader.h"
#include "model/field_table.h"

namespace morvek::cli {
namespace {

namespace fs = std::filesystem;

std::string Data(const std::string& name) {
  return files::ReadWholeFile(fs::path(MORVEK_TEST_DATA_DIR) / name).value_or("");
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("morvek_cli_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunCli(args, out_, err_, {"Jul  1 2009", "12:34:56"});
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::string Write(const std::string& name, const std::string& text) {
    EXPECT_EQ(files::WriteFileAtomically(Path(name), text), files::FileError::kOk);
    return Path(name);
  }

  fs::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(CliTest, HelpAndBadArguments) {
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(out_.str().find("Usage: morvek-cli"), std::string::npos);
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"frob"},
      {"new", "-o", "x.ign"},
      {"new", "--bike", "8", "-o", "x.ign"},
      {"new", "--bike", "2x", "-o", "x.ign"},
      {"new", "--bike", "2"},
      {"new", "--bike"},
      {"convert", "a.ign"},
      {"check"},
      {"check", "a.ign", "b.ign"},
      {"check", "--bogus", "a.ign"},
      {"check", "a.ign", "-o", "b.ign"},
      {"check", "--force", "a.ign"},
      {"new", "--bike", "1", "--bike", "2", "-o", "x.ign"},
  };
  for (const auto& args : bad) {
    EXPECT_EQ(Run(args), kExitUsage) << (args.empty() ? "" : args[0]);
    EXPECT_NE(err_.str().find("morvek-cli: "), std::string::npos);
    EXPECT_NE(err_.str().find("Usage:"), std::string::npos);
  }
}

// A second -o is refused like a second --port, whichever spelling it uses: the tool never
// guesses which of two files the user meant.
TEST_F(CliTest, AnOutputGivenTwiceIsRefused) {
  const std::string in = Write("in.ign", Data("default_preset2.ign"));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"convert", in, "-o", Path("a.ign"), "-o", Path("b.ign")},
        std::vector<std::string>{"convert", in, "--output", Path("a.ign"), "-o", Path("b.ign")},
        std::vector<std::string>{"new", "--bike", "1", "-o", Path("a.ign"), "-o", Path("a.ign")}}) {
    EXPECT_EQ(Run(args), kExitUsage) << args[0];
    EXPECT_NE(err_.str().find("morvek-cli: -o given twice"), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(Path("a.ign")));
    EXPECT_FALSE(fs::exists(Path("b.ign")));
  }
}

TEST_F(CliTest, VersionNamesTheReleaseTheBuildDateAndTheLicense) {
  ASSERT_EQ(Run({"--version"}), kExitOk) << err_.str();
  EXPECT_TRUE(std::regex_search(
      out_.str(), std::regex("^morvek-cli [0-9]+\\.[0-9]+\\.[0-9]+( \\(git [^)]+\\))?\n"
                             "Built [0-9]{4}-[0-9]{2}-[0-9]{2}\n"
                             "License GPL-3\\.0-or-later: ")))
      << out_.str();
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(Run({"--version", "extra"}), kExitUsage);
}

TEST_F(CliTest, NewWritesTheDefaultsOfThePreset) {
  ASSERT_EQ(Run({"new", "--bike", "2", "-o", Path("new.ign")}), 0) << err_.str();
  std::string expected = Replace(Data("default_preset2.ign"),
                                 "HEX  15.03.2024  10:20   TORVANE 84 TEST", "HEX  -  -   -");
  // New leaves the map mode " 1 = 2", in which the window shows and saves map 2A as a copy of
  // map 1A: the rows of JET_1A stand under JET_2A too.
  const std::size_t rows_1a = expected.find("\nJET_1A") + 7;
  const std::size_t axis_2a = expected.find("RPM_JET_2A");
  const std::size_t rows_2a = expected.find("\nJET_2A") + 7;
  const std::size_t after_2a = expected.find("POSITION_A");
  expected = expected.substr(0, rows_2a) + expected.substr(rows_1a, axis_2a - rows_1a) +
             expected.substr(after_2a);
  EXPECT_EQ(files::ReadWholeFile(Path("new.ign")), expected);
  EXPECT_EQ(Run({"new", "--bike", "2", "-o", Path("missing/new.ign")}), kExitFileError);
  EXPECT_NE(err_.str().find("missing/new.ign"), std::string::npos);
}

TEST_F(CliTest, ConvertReadsAnOlderFileAndWritesVersion84) {
  const std::string in = Write("old.ign", Data("version63.ign"));
  ASSERT_EQ(Run({"convert", in, "-o", Path("out.ign")}), 0) << err_.str();
  EXPECT_NE(err_.str().find("Older version of *.ign file!"), std::string::npos);
  const std::string text = files::ReadWholeFile(Path("out.ign")).value_or("");
  EXPECT_EQ(text.substr(0, 21), "KALVORIN_KEY    84 \r\n");
  model::Editor editor;
  const files::ReadResult r = files::ReadParameterFile(text, editor, false);
  EXPECT_EQ(r.version, 84);
  EXPECT_EQ(model::Stored(editor.image(), model::FieldId::kClutchTime, 5), 20);
  EXPECT_EQ(model::Stored(editor.image(), model::FieldId::kN2oRetard2), 6);
}

TEST_F(CliTest, UnreadableAndUnknownFiles) {
  struct Case {
    std::string content;  // empty: no such file
    int code;
    const char* message;
  } cases[] = {
      {"", kExitFileError, "Open file error!"},
      {"just some text", kExitNotAParameterFile, "not a parameter file"},
      {"KALVORIN_KEY 85 FAN 1 2", kExitNotAParameterFile, "Unmatched version of *.ign file!"},
  };
  for (const Case& c : cases) {
    const std::string in = c.content.empty() ? Path("absent.ign") : Write("in.ign", c.content);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"check", in},
          std::vector<std::string>{"convert", in, "-o", Path("out.ign")}}) {
      EXPECT_EQ(Run(args), c.code) << c.content;
      EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
      EXPECT_FALSE(fs::exists(Path("out.ign")));
    }
  }
}

#ifndef _WIN32  // FIFOs and permission bits
// Every file error names the file, what failed and, on a line of its own, the system's reason.
TEST_F(CliTest, FileErrorsNameTheFileAndTheReason) {
  ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0644), 0);
  const std::string locked = Write("locked.ign", "keep");
  fs::permissions(locked, fs::perms::owner_read);
  const std::string in = Write("in.ign", Data("version63.ign"));
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"check", Path("absent.ign")},
       Path("absent.ign") + ": Open file error!\n  No such file or directory\n"},
      {{"check", Path("fifo")},
       Path("fifo") + ": Open file error!\n  not a regular file: a FIFO\n"},
      {{"new", "--bike", "1", "-o", locked},
       locked + ": the file is read-only; nothing was written\n  its permissions 0400 allow no "
                "writing\n"},
      {{"convert", in, "-o", Path("fifo")},
       Path("fifo") + ": not a regular file, so it is never replaced; nothing was written\n  " +
           Path("fifo") + " is a FIFO\n"},
      {{"new", "--bike", "1", "-o", Path("missing/new.ign")},
       "cannot create the file; nothing was written\n  " + Path("missing") +
           ": No such file or directory\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), kExitFileError) << c.message;
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
  }
  EXPECT_EQ(files::ReadWholeFile(locked), "keep");
  EXPECT_TRUE(fs::is_fifo(Path("fifo")));
}
#endif

TEST_F(CliTest, CheckListsWhatTheLimitsPassChanges) {
  EXPECT_EQ(Run({"check", Write("ok.ign", Data("default_preset2.ign"))}), 0);
  EXPECT_NE(out_.str().find("every value is within its limits"), std::string::npos);

  std::string text = Data("default_preset2.ign");
  text = Replace(text, "ADVANCE_MISC     1     0     0     0 ",
                 "ADVANCE_MISC     1     0     0    55 ");
  text = Replace(text, "START_INJ       10 ", "START_INJ       60 ");
  text = Replace(text, "RPM_ADV       1000  2000", "RPM_ADV       1000  1000");
  EXPECT_EQ(Run({"check", Write("bad.ign", text)}), kExitOutOfRange);
  EXPECT_EQ(out_.str(),
            "ADVANCE_MISC.base: 55 -> 40\n"
            "RPM_ADV[1]: 1000 -> 1100\n"
            "START_INJ: 60 -> 50\n" +
                Path("bad.ign") + ": 3 values are out of range\n");
}

TEST_F(CliTest, CheckReportsATpsVoltageAboveItsByteAsOutOfRange) {
  const std::string text = Replace(Data("default_preset2.ign"), "TPS            340  4730 ",
                                   "TPS            340  5100 ");
  EXPECT_EQ(Run({"check", Write("tps.ign", text)}), kExitOutOfRange);
  EXPECT_EQ(out_.str(),
            "TPS.voltage100: 5100 -> 5000\n" + Path("tps.ign") + ": 1 value is out of range\n");
}

TEST_F(CliTest, CheckWarnsOfEverythingTheFileDoesNotSayAsATuneShould) {
  struct Case {
    std::string name;
    std::vector<std::pair<std::string, std::string>> edits;
    int code;
    std::vector<std::string> lines;  // expected among the report's lines
  };
  const Case cases[] = {
      {"values outside their range that the limits pass leaves alone",
       {{"BIKE             2 ", "BIKE           200 "},
        {"LIMITER       7200", "LIMITER        100"},
        {"N2O              0 ", "N2O              6 "}},
       kExitWarnings,
       {"warning: BIKE: 200 is outside 0..7; kept as 200",
        "warning: LIMITER.start: 100 is outside 900..25000; kept as 100",
        "warning: N2O.enable: 6 is outside 0..1; kept as 6", ": 3 warnings"}},
      {"a negative rpm taken modulo 65536, with a corrected value",
       {{"RPM_ADV       1000", "RPM_ADV         -5"},
        {"START_INJ       10 ", "START_INJ       60 "}},
       kExitWarnings,
       {"START_INJ: 60 -> 50", "warning: RPM_ADV[0]: -5 does not fit the value; 14300 is used",
        ": 15 values are out of range", ": 1 warning"}},
      {"a section ended early and one missing",
       {{"FAN            102   104 \r\n", ""}, {"TPS            340", "TPS            3x0"}},
       kExitWarnings,
       {"warning: TPS.voltage0: \"3x0\" is not a number; 340 is used (values of the section "
        "not read: 2)",
        "warning: after TPS: words not read: 1, from \"4730\"",
        "warning: FAN: the section is missing; its values are not taken from this file",
        ": 3 warnings; the file is not a complete tune"}},
      {"a section given twice",
       {{"FAN            102   104 \r\n",
         "FAN             90    91 \r\nFAN            102   104 \r\n"}},
       kExitWarnings,
       {"warning: FAN: the section stands 2 times in the file; each later one replaces the "
        "values before it",
        ": 1 warning\n"}},
      {"words after the last section",
       {{"VERSIONS", "LAMBDA_BAR 1 2 3 4 5\r\nVERSIONS"}},
       kExitWarnings,
       {"warning: after LAMBDA_BAR: words not read: 1, from \"5\""}},
  };
  for (const Case& c : cases) {
    std::string text = Data("default_preset2.ign");
    for (const auto& [from, to] : c.edits) text = Replace(text, from, to);
    EXPECT_EQ(Run({"check", Write("in.ign", text)}), c.code) << c.name << "\n" << out_.str();
    for (const std::string& line : c.lines)
      EXPECT_NE(out_.str().find(line), std::string::npos) << c.name << "\n" << out_.str();
    EXPECT_EQ(out_.str().find("every value is within its limits"), std::string::npos);
  }
}

TEST_F(CliTest, ConvertKeepsOutOfRangeValuesAsTheFileSaysAndWarns) {
  std::string text = Data("default_preset2.ign");
  text = Replace(text, "BIKE             2 ", "BIKE           200 ");
  text = Replace(text, "LIMITER       7200", "LIMITER        100");
  text = Replace(text, "N2O              0 ", "N2O              6 ");
  ASSERT_EQ(Run({"convert", Write("in.ign", text), "-o", Path("out.ign")}), kExitOk) << err_.str();
  const std::string out = files::ReadWholeFile(Path("out.ign")).value_or("");
  EXPECT_NE(out.find("\r\nBIKE           200 \r\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\r\nLIMITER        100 "), std::string::npos) << out;
  // The file writes a flag as 0 or 1: the 6 cannot travel, and the user hears so.
  EXPECT_NE(out.find("\r\nN2O              1 \r\n"), std::string::npos) << out;
  for (const std::string& line :
       {Path("in.ign") + ": warning: BIKE: 200 is outside 0..7; kept as 200",
        Path("in.ign") + ": warning: N2O.enable: 6 is outside 0..1; kept as 6",
        Path("out.ign") +
            ": warning: N2O.enable: 6 cannot be carried by the file; it is written as 1"})
    EXPECT_NE(err_.str().find(line), std::string::npos) << err_.str();
}

TEST_F(CliTest, ConvertNamesTheValuesTheLimitsCorrectBeforeWritingThem) {
  std::string text = Data("default_preset2.ign");
  text = Replace(text, "START_INJ       10 ", "START_INJ       60 ");
  text = Replace(text, "RPM_ADV       1000  2000", "RPM_ADV       1000  1000");
  // The output names the input's corrections, and is itself clean.
  ASSERT_EQ(Run({"convert", Write("in.ign", text), "-o", Path("out.ign")}), kExitOk) << err_.str();
  EXPECT_NE(err_.str().find(Path("in.ign") +
                            ": the limits correct 2 values (as the file says -> corrected), "
                            "written corrected:\n"
                            "  RPM_ADV[1]: 1000 -> 1100\n"
                            "  START_INJ: 60 -> 50\n"),
            std::string::npos)
      << err_.str();
  EXPECT_EQ(Run({"check", Path("out.ign")}), kExitOk) << out_.str();
  ASSERT_EQ(Run({"convert", Path("out.ign"), "-o", Path("again.ign")}), kExitOk);
  EXPECT_EQ(err_.str().find("the limits correct"), std::string::npos) << err_.str();
}

// program refuses a file that lacks sections or has unreadable numbers; convert must not turn
// such a file into one that looks complete.
TEST_F(CliTest, ConvertRefusesAFileThatIsNotACompleteTuneAndForcedKeepsItsGaps) {
  const std::string whole = Data("default_preset2.ign");
  struct Case {
    std::string name;
    std::string text;
  };
  const Case cases[] = {
      {"the key line alone", "KALVORIN_KEY    84 \r\n"},
      {"cut short", whole.substr(0, whole.find("\r\nJET_1A") + 40)},
      {"a section missing", Replace(whole, "FAN            102   104 \r\n", "")},
      {"a word in a section", Replace(whole, "TPS            340", "TPS            3x0")},
  };
  for (const Case& c : cases) {
    const std::string in = Write("in.ign", c.text);
    fs::remove(Path("out.ign"));
    EXPECT_EQ(Run({"convert", in, "-o", Path("out.ign")}), kExitWarnings) << c.name;
    EXPECT_NE(err_.str().find(in + ": not converted: the file is not a complete tune; " +
                              Path("out.ign") + " was not written"),
              std::string::npos)
        << c.name << "\n"
        << err_.str();
    EXPECT_FALSE(fs::exists(Path("out.ign"))) << c.name;

    ASSERT_EQ(Run({"convert", in, "-o", Path("out.ign"), "--force"}), kExitOk) << c.name << "\n"
                                                                               << err_.str();
    EXPECT_NE(err_.str().find(Path("out.ign") + ": written with the gaps of " + in),
              std::string::npos)
        << err_.str();
    // The forced output is refused as the input is.
    EXPECT_EQ(Run({"check", Path("out.ign")}), kExitWarnings) << c.name << "\n" << out_.str();
    EXPECT_NE(out_.str().find("the file is not a complete tune"), std::string::npos)
        << c.name << "\n"
        << out_.str();
    EXPECT_EQ(Run({"convert", Path("out.ign"), "-o", Path("again.ign")}), kExitWarnings) << c.name;
  }
}

// Each side as its file says it: a value the limits would correct is shown as written.
TEST_F(CliTest, DiffShowsEachSideAsItsFileSaysIt) {
  const std::string a = Write("a.ign", Data("default_preset2.ign"));
  const std::string b = Write(
      "b.ign", Replace(Data("default_preset2.ign"), "START_INJ       10 ", "START_INJ       60 "));
  EXPECT_EQ(Run({"diff", a, b}), 1) << out_.str();
  EXPECT_NE(out_.str().find("START_INJ"), std::string::npos) << out_.str();
  EXPECT_NE(out_.str().find("|  60"), std::string::npos) << out_.str();
  EXPECT_NE(err_.str().find(b + ": the limits correct 1 value (as the file says -> corrected), "
                                "shown as the file says them:\n  START_INJ: 60 -> 50\n"),
            std::string::npos)
      << err_.str();
  EXPECT_EQ(err_.str().find(a + ": the limits"), std::string::npos) << err_.str();
}

TEST_F(CliTest, DiffListsExactlyTheChangedFieldsWithTheirPages) {
  const std::string a = Write("a.ign", Data("default_preset2.ign"));
  EXPECT_EQ(Run({"diff", a, Write("same.ign", Data("default_preset2.ign"))}), 0);
  EXPECT_EQ(out_.str(), a + " and " + Path("same.ign") + " are equal\n");

  std::string text = Data("default_preset2.ign");
  text = Replace(text, "LIMITER       7200 10800", "LIMITER       7200  9900");
  text = Replace(text, "FAN            102   104 ", "FAN            102    99 ");
  text =
      Replace(text, "ADVANCE          9    19    30    36", "ADVANCE          9    19    30    41");
  const std::string b = Write("b.ign", text);
  EXPECT_EQ(Run({"diff", a, b}), 1) << err_.str();
  EXPECT_EQ(out_.str(), "3 differences, " + a + "  |  " + b +
                            ":\n"
                            "Bike         LIMITER.ignition       10800 rpm  |  9900 rpm\n"
                            "Bike         FAN.fan2               104 °C  |  99 °C\n"
                            "Advance      ADVANCE[3]             36 °  |  41 °\n");
  // The other way round, the sides swap.
  EXPECT_EQ(Run({"diff", b, a}), 1);
  EXPECT_NE(out_.str().find("FAN.fan2               99 °C  |  104 °C\n"), std::string::npos)
      << out_.str();
}

TEST_F(CliTest, DiffOfFilesThatCannotBeComparedSaysWhy) {
  const std::string good = Write("good.ign", Data("default_preset2.ign"));
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string said;
  } cases[] = {
      {{"diff", good}, kExitUsage, "diff needs two parameter files"},
      {{"diff", good, good, good}, kExitUsage, "diff needs two parameter files"},
      {{"diff", good, good, "-o", "x.ign"}, kExitUsage, "writes no file"},
      {{"diff", good, Path("missing.ign")}, kExitFileError, "missing.ign: cannot be read"},
      {{"diff", Write("text.txt", "just some text\n"), good},
       kExitNotAParameterFile,
       "not a parameter file"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), c.code) << c.said;
    EXPECT_NE(err_.str().find(c.said), std::string::npos) << err_.str();
    EXPECT_EQ(out_.str().find("differ"), std::string::npos) << out_.str();
  }
}

}  // namespace
}  // namespace morvek::cli
