// morvek-cli against torvane-sim over a real pseudo-terminal.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "files/file_io.h"
#include "files/parameter_file_reader.h"
#include "files/parameter_file_writer.h"
#include "files/restore_points.h"
#include "logging/csv_log_reader.h"
#include "model/editor.h"
#include "model/field_table.h"

namespace morvek {
namespace {

namespace fs = std::filesystem;
using testing::ChildProcess;
using namespace std::chrono_literals;

struct CliResult {
  int code;
  std::string out;
  std::string err;
};

class CliLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/morvek-e2e-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    link_ = (dir_ / "controller").string();
    // Restore points go to the test's own configuration directory.
    setenv("MORVEK_CONFIG_DIR", (dir_ / "config").c_str(), 1);
  }
  void TearDown() override {
    sim_.reset();
    fs::remove_all(dir_);
  }

  // Starts the simulator on the link path and waits until the link is there.
  void StartSim(std::vector<std::string> extra) {
    std::vector<std::string> argv{TORVANE_SIM, "--link", link_};
    argv.insert(argv.end(), extra.begin(), extra.end());
    sim_ =
        std::make_unique<ChildProcess>(argv, (dir_ / ("sim" + std::to_string(++sims_))).string());
    ASSERT_TRUE(sim_->started());
    for (int i = 0; i < 300 && !fs::exists(link_); ++i) std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(fs::exists(link_)) << sim_->Err();
  }
  void KillSim() {
    sim_->Signal(SIGKILL);
    sim_->Wait();
  }

  CliResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), MORVEK_CLI);
    ChildProcess cli(args, (dir_ / ("cli" + std::to_string(++clis_))).string());
    const int code = cli.Wait(90s);
    return {code, cli.Out(), cli.Err()};
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }

  static model::ParameterImage ImageOf(const std::string& path) {
    model::Editor editor;
    editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
    const files::ReadResult r = files::OpenParameterFile(path, editor, false);
    EXPECT_EQ(r.version, 84) << path;
    return editor.image();
  }

  fs::path dir_;
  std::string link_;
  std::unique_ptr<ChildProcess> sim_;
  int sims_ = 0;
  int clis_ = 0;
};

TEST_F(CliLinkTest, ReadWritesTheControllersPages) {
  ASSERT_EQ(Cli({"new", "--bike", "4", "-o", File("start.ign")}).code, 0);
  StartSim({"--no-wire-delay", "--load", File("start.ign")});
  const CliResult r = Cli({"read", "--port", link_, "-o", File("read.ign")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("Verify: OK"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("ticks:"), std::string::npos) << "debug lines only with -v\n" << r.err;
  EXPECT_EQ(ImageOf(File("read.ign")), ImageOf(File("start.ign")));
}

TEST_F(CliLinkTest, ProgramThenVerify) {
  ASSERT_EQ(Cli({"new", "--bike", "0", "-o", File("bike0.ign")}).code, 0);
  ASSERT_EQ(Cli({"new", "--bike", "5", "-o", File("bike5.ign")}).code, 0);
  StartSim({"--no-wire-delay", "--load", File("bike0.ign")});
  CliResult r = Cli({"verify", File("bike5.ign"), "--port", link_});
  EXPECT_EQ(r.code, 1) << "a different parameter set must not verify\n" << r.err;
  EXPECT_NE(r.err.find("Verify error!"), std::string::npos) << r.err;

  r = Cli({"program", File("bike5.ign"), "--port", link_});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("Saving:"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Program device: OK"), std::string::npos) << r.err;

  r = Cli({"verify", File("bike5.ign"), "--port", link_});
  EXPECT_EQ(r.code, 0) << r.err;
  r = Cli({"read", "--port", link_, "-o", File("back.ign")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(ImageOf(File("back.ign")), ImageOf(File("bike5.ign")));
}

// Every read and every program leaves a restore point; a failed verify leaves none. The list
// names them newest first and an exported point is the image it holds.
TEST_F(CliLinkTest, ReadAndProgramLeaveRestorePointsThatExportAsFiles) {
  ASSERT_EQ(Cli({"new", "--bike", "1", "-o", File("bike1.ign")}).code, 0);
  ASSERT_EQ(Cli({"new", "--bike", "6", "-o", File("bike6.ign")}).code, 0);
  CliResult r = Cli({"restore", "list"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("no restore points"), std::string::npos) << r.out;

  StartSim({"--no-wire-delay", "--load", File("bike1.ign")});
  ASSERT_EQ(Cli({"read", "--port", link_, "-o", File("read.ign")}).code, 0);
  EXPECT_EQ(Cli({"verify", File("bike6.ign"), "--port", link_}).code, 1);
  r = Cli({"program", File("bike6.ign"), "--port", link_});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err.find("warning"), std::string::npos) << r.err;

  r = Cli({"restore", "list"});
  ASSERT_EQ(r.code, 0) << r.err;
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1)
    lines.push_back(r.out.substr(at, end - at));
  ASSERT_EQ(lines.size(), 3u) << r.out;  // the heading, the program, the read
  EXPECT_EQ(lines[0].rfind("#", 0), 0u) << lines[0];
  for (const char* column : {"ID", "TIME", "KIND", "PORT", "CONTROLLER", "PAGES"})
    EXPECT_NE(lines[0].find(column), std::string::npos) << column;
  EXPECT_EQ(lines[1].rfind("1 ", 0), 0u) << lines[1];
  EXPECT_NE(lines[1].find(" program "), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find(" read "), std::string::npos) << lines[2];
  for (const std::string& line : {lines[1], lines[2]}) {
    EXPECT_NE(line.find(link_), std::string::npos) << "names the port: " << line;
    EXPECT_EQ(line.substr(line.size() - 3), "1-9") << line;
  }

  ASSERT_EQ(Cli({"restore", "export", "2", "-o", File("from-read.ign")}).code, 0);
  EXPECT_EQ(ImageOf(File("from-read.ign")), ImageOf(File("read.ign")));
  // By id: the second column of the list.
  const std::string id = lines[1].substr(
      lines[1].find_first_not_of(' ', 2),
      lines[1].find(' ', lines[1].find_first_not_of(' ', 2)) - lines[1].find_first_not_of(' ', 2));
  r = Cli({"restore", "export", id, "-o", File("from-program.ign")});
  ASSERT_EQ(r.code, 0) << id << "\n" << r.err;
  // "Before program" is what the controller held, so that the program can be taken back.
  EXPECT_EQ(ImageOf(File("from-program.ign")), ImageOf(File("bike1.ign")));
  EXPECT_NE(ImageOf(File("from-program.ign")), ImageOf(File("bike6.ign")));
  EXPECT_EQ(Cli({"verify", File("bike6.ign"), "--port", link_}).code, 0);
}

// A controller switched off and on while it saves comes back with its old tune; one that hangs
// up just after the verify has not been seen to keep anything. Neither is a success.
TEST_F(CliLinkTest, AProgramTheControllerDidNotKeepFails) {
  ASSERT_EQ(Cli({"new", "--bike", "0", "-o", File("bike0.ign")}).code, 0);
  ASSERT_EQ(Cli({"new", "--bike", "5", "-o", File("bike5.ign")}).code, 0);
  const std::vector<std::string> controller{
      "--no-wire-delay", "--load", File("bike0.ign"), "--store", File("kept"), "--save-ms", "3000"};
  for (const char* event : {"power cycle while saving", "hang-up after the verify"}) {
    SCOPED_TRACE(event);
    const bool hang_up = event[0] == 'h';
    std::vector<std::string> args = controller;
    if (hang_up) args.push_back("--hang-up-after-verify");
    StartSim(args);
    ChildProcess program({MORVEK_CLI, "program", File("bike5.ign"), "--port", link_},
                         File(hang_up ? "hang" : "cycle"));
    const std::string wait_for = hang_up ? "Verify: 9/10" : "Saving: 2/10";
    for (int i = 0; i < 1500 && program.Err().find(wait_for) == std::string::npos; ++i)
      std::this_thread::sleep_for(10ms);
    ASSERT_NE(program.Err().find(wait_for), std::string::npos) << program.Err();
    if (!hang_up) {
      KillSim();
      StartSim(controller);  // the same link, the pages it had saved
    }
    const auto at = std::chrono::steady_clock::now();
    EXPECT_EQ(program.Wait(30s), 1) << program.Err();
    EXPECT_LT(std::chrono::steady_clock::now() - at, 3s) << program.Err();
    const std::string err = program.Err();
    EXPECT_EQ(err.find("Program device: OK"), std::string::npos) << err;
    EXPECT_NE(err.find("Program error!"), std::string::npos) << err;
    // The transport's hang-up is the reason, not a watchdog that ran out.
    EXPECT_NE(err.find("the device went away before the controller was seen to keep the "
                       "parameters"),
              std::string::npos)
        << err;
    if (!hang_up) {
      EXPECT_EQ(Cli({"verify", File("bike0.ign"), "--port", link_}).code, 0);
      KillSim();
    }
  }
}

TEST_F(CliLinkTest, ProgramStopsWithoutTheControllersTuneUnlessForced) {
  ASSERT_EQ(Cli({"new", "--bike", "0", "-o", File("bike0.ign")}).code, 0);
  ASSERT_EQ(Cli({"new", "--bike", "5", "-o", File("bike5.ign")}).code, 0);
  StartSim({"--no-wire-delay", "--load", File("bike0.ign"), "--save-ms", "500"});
  // The restore points cannot be written: a file stands where their folder would be.
  const fs::path folder = files::RestorePointStore::DirectoryIn(dir_ / "config");
  fs::create_directories(folder.parent_path());
  { std::ofstream(folder) << "in the way\n"; }

  CliResult r = Cli({"program", File("bike5.ign"), "--port", link_});
  EXPECT_EQ(r.code, 5) << r.err;
  EXPECT_NE(r.err.find("nothing was programmed"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("Program device:"), std::string::npos) << r.err;
  EXPECT_EQ(Cli({"verify", File("bike0.ign"), "--port", link_}).code, 0);

  r = Cli({"program", File("bike5.ign"), "--port", link_, "--force"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("warning: no restore point kept"), std::string::npos) << r.err;
  EXPECT_EQ(Cli({"verify", File("bike5.ign"), "--port", link_}).code, 0);
}

TEST_F(CliLinkTest, ConnectedNamesTheDeviceOfEveryCommand) {
  StartSim({"--no-wire-delay"});
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"read", "--port", link_, "-o", File("r.ign")},
        std::vector<std::string>{"read", "--port", "COM4", "--com", "4=" + link_, "-o",
                                 File("r4.ign")}}) {
    const CliResult r = Cli(command);
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string com = command[2] == "COM4" ? "COM4" : "COM1";
    EXPECT_NE(r.err.find("Connected, COM= " + com + " (" + link_ + ")\n"), std::string::npos)
        << r.err;
  }
}

TEST_F(CliLinkTest, DiffWithTheControllerListsTheOneEditAndAFailedVerifySaysWhere) {
  ASSERT_EQ(Cli({"new", "--bike", "0", "-o", File("bike0.ign")}).code, 0);
  StartSim({"--no-wire-delay", "--load", File("bike0.ign")});
  CliResult r = Cli({"read", "--port", link_, "-o", File("read.ign")});
  ASSERT_EQ(r.code, 0) << r.err;
  r = Cli({"diff", File("read.ign"), "--port", link_});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("are equal"), std::string::npos) << r.out;

  // One edit: the rev limiter by ignition, 100 rpm lower.
  model::Editor editor;
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  ASSERT_EQ(files::OpenParameterFile(File("read.ign"), editor, false).version, 84);
  const int limiter = model::Shown(editor.image(), model::FieldId::kLimiterIgnition);
  model::SetShown(editor.image(), model::FieldId::kLimiterIgnition, limiter - 100);
  ASSERT_EQ(files::SaveParameterFile(File("edited.ign"), editor.image(), {"-", "-", "-", "-", "-"},
                                     nullptr),
            files::FileError::kOk);

  r = Cli({"diff", "--port", link_, File("edited.ign")});
  EXPECT_EQ(r.code, 1) << r.err;
  const std::string line = "Bike         LIMITER.ignition       " + std::to_string(limiter) +
                           " rpm  |  " + std::to_string(limiter - 100) + " rpm\n";
  EXPECT_NE(r.out.find("1 difference, controller on "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(line), std::string::npos) << r.out;

  r = Cli({"verify", File("edited.ign"), "--port", link_});
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_NE(r.err.find("Verify error!"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("controller page 1 differs from " + File("edited.ign")), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("LIMITER.ignition       " + std::to_string(limiter - 100) + " rpm  |  " +
                       std::to_string(limiter) + " rpm"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("pages 2..9 were not compared"), std::string::npos) << r.err;

  // Arguments and a controller that cannot be read keep their own codes.
  EXPECT_EQ(Cli({"diff", "--port", link_, "--port", link_}).code, 2);
  EXPECT_EQ(Cli({"diff", File("missing.ign"), "--port", link_}).code, 5);
  KillSim();
  EXPECT_EQ(Cli({"diff", File("read.ign"), "--port", link_}).code, 3);
}

// "Program device: OK" is earned only by a controller seen saving (or, when it reports no
// saving, seen alive) after the verify pass; a lost link before that is a failed program.
TEST_F(CliLinkTest, ProgramSucceedsOnlyWhenTheControllerWasSeenAfterTheVerify) {
  ASSERT_EQ(Cli({"new", "--bike", "3", "-o", File("bike3.ign")}).code, 0);
  struct Case {
    const char* name;
    std::vector<std::string> sim;
    int code;
  };
  // Ten program replies and nine verify replies.
  const Case cases[] = {
      {"switched off right after its last verify reply", {"--leave-after", "19"}, 1},
      {"switched off after its last program reply", {"--leave-after", "10"}, 1},
      {"reports no saving at all", {"--save-ms", "0"}, 0},
  };
  for (const Case& c : cases) {
    std::vector<std::string> sim{"--no-wire-delay"};
    sim.insert(sim.end(), c.sim.begin(), c.sim.end());
    StartSim(sim);
    const auto start = std::chrono::steady_clock::now();
    const CliResult r = Cli({"program", File("bike3.ign"), "--port", link_, "--timeout", "30"});
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.code, c.code) << c.name << "\n" << r.err;
    EXPECT_LT(took, 15s) << c.name;
    EXPECT_EQ(r.err.find("Program device: OK") != std::string::npos, c.code == 0) << c.name << "\n"
                                                                                  << r.err;
    if (c.code != 0) {
      EXPECT_NE(r.err.find(link_), std::string::npos) << "names the port\n" << r.err;
    }
    KillSim();
  }
}

TEST_F(CliLinkTest, LinkLostWhileSavingFailsWithinSeconds) {
  ASSERT_EQ(Cli({"new", "--bike", "2", "-o", File("bike2.ign")}).code, 0);
  StartSim({"--no-wire-delay", "--save-ms", "20000"});
  ChildProcess program({MORVEK_CLI, "program", File("bike2.ign"), "--port", link_}, File("prog"));
  for (int i = 0; i < 1500 && program.Err().find("Saving:") == std::string::npos; ++i)
    std::this_thread::sleep_for(10ms);
  ASSERT_NE(program.Err().find("Saving:"), std::string::npos) << program.Err();
  KillSim();
  const auto killed = std::chrono::steady_clock::now();
  EXPECT_EQ(program.Wait(30s), 1) << program.Err();
  EXPECT_LT(std::chrono::steady_clock::now() - killed, 6s) << program.Err();
  EXPECT_EQ(program.Err().find("Program device: OK"), std::string::npos) << program.Err();
}

TEST_F(CliLinkTest, VersionMismatchStopsTheRead) {
  StartSim({"--no-wire-delay", "--protocol", "83"});
  const CliResult r = Cli({"read", "--port", link_, "-o", File("never.ign"), "-v"});
  EXPECT_EQ(r.code, 4) << r.err;
  EXPECT_NE(r.err.find("ticks:"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("PC-84, IGN-83"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(File("never.ign")));
}

TEST_F(CliLinkTest, AutomaticScanningFindsTheControllerOnALaterPort) {
  StartSim({"--no-wire-delay"});
  const CliResult r =
      Cli({"monitor", "--port", "auto", "--count", "3", "--com", "1=" + File("nothing1"), "--com",
           "2=" + File("nothing2"), "--com", "3=" + link_});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("COM= COM3"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("Com opening error!"), std::string::npos) << "no message while scanning";
  EXPECT_NE(r.out.find("rpm="), std::string::npos) << r.out;
}

TEST_F(CliLinkTest, SimulatorEndsCleanlyOnTerminationSignals) {
  for (int signal : {SIGTERM, SIGINT}) {
    StartSim({"--no-wire-delay"});
    sim_->Signal(signal);
    EXPECT_EQ(sim_->Wait(5s), 0) << "signal " << signal;
    EXPECT_FALSE(fs::exists(fs::symlink_status(link_))) << "the link is removed on exit";
  }
}

TEST_F(CliLinkTest, PortThatCannotBeOpenedIsNamedWithTheReason) {
  ASSERT_EQ(Cli({"new", "--bike", "0", "-o", File("x.ign")}).code, 0);
  std::vector<std::string> auto_scan{"monitor", "--port", "auto"};
  for (int n = 1; n <= 21; ++n) {
    auto_scan.push_back("--com");
    auto_scan.push_back(std::to_string(n) + "=" + File("absent" + std::to_string(n)));
  }
  struct Case {
    std::vector<std::string> args;
    std::string names;
  };
  const Case cases[] = {
      {{"monitor", "--port", File("absent"), "--count", "1"}, File("absent")},
      {{"verify", File("x.ign"), "--port", "COM7", "--com", "7=" + File("gone")}, File("gone")},
      {auto_scan, "COM21 " + File("absent21")},
  };
  for (const Case& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const CliResult r = Cli(c.args);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s) << c.names;
    EXPECT_EQ(r.code, 3) << r.err;
    EXPECT_NE(r.err.find("Com opening error!\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.names + ": No such file or directory"), std::string::npos) << r.err;
  }
}

// The file is judged before the port is opened: a port that is not there shows how far the
// command got (3: past the file).
TEST_F(CliLinkTest, ProgramRefusesAFileThatIsNotACompleteTuneUnlessForced) {
  ASSERT_EQ(Cli({"new", "--bike", "2", "-o", File("whole.ign")}).code, 0);
  std::string text = files::ReadWholeFile(File("whole.ign")).value_or("");
  const std::string incomplete = File("incomplete.ign");
  ASSERT_EQ(files::WriteFileAtomically(incomplete, text.substr(0, text.find("\r\nIDLE"))),
            files::FileError::kOk);
  const std::string port = File("absent");
  CliResult r = Cli({"program", incomplete, "--port", port});
  EXPECT_EQ(r.code, 5) << r.err;
  EXPECT_NE(r.err.find(incomplete + ": warning: IDLE: the section is missing"), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find(incomplete + ": not programmed: the file is not a complete tune"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(r.err.find("Com opening error!"), std::string::npos) << r.err;

  r = Cli({"program", incomplete, "--port", port, "--force"});
  EXPECT_EQ(r.code, 3) << r.err;
  EXPECT_NE(r.err.find(incomplete + ": warning: IDLE: the section is missing"), std::string::npos)
      << r.err;
  // verify compares whatever the file holds, with the same warnings.
  r = Cli({"verify", incomplete, "--port", port});
  EXPECT_EQ(r.code, 3) << r.err;
  EXPECT_NE(r.err.find(incomplete + ": warning: IDLE: the section is missing"), std::string::npos)
      << r.err;
  EXPECT_EQ(Cli({"verify", incomplete, "--port", port, "--force"}).code, 2);
}

// A file with a value the limits correct is never the controller's tune: program says what
// it corrects before it sends, and a verify of the file afterwards reports the difference.
TEST_F(CliLinkTest, ValuesTheLimitsCorrectAreNamedAndNeverVerifyAsTheFile) {
  ASSERT_EQ(Cli({"new", "--bike", "2", "-o", File("clean.ign")}).code, 0);
  std::string text = files::ReadWholeFile(File("clean.ign")).value_or("");
  const std::size_t at = text.find("START_INJ       10 ");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 19, "START_INJ       50 ");
  const std::string at_limit = File("at_limit.ign");
  ASSERT_EQ(files::WriteFileAtomically(at_limit, text), files::FileError::kOk);
  text.replace(at, 19, "START_INJ       60 ");
  const std::string corrected = File("corrected.ign");
  ASSERT_EQ(files::WriteFileAtomically(corrected, text), files::FileError::kOk);
  StartSim({"--no-wire-delay", "--load", File("clean.ign")});

  CliResult r = Cli({"program", corrected, "--port", link_});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::size_t named =
      r.err.find(corrected +
                 ": the limits correct 1 value (as the file says -> corrected), programmed "
                 "corrected:\n  START_INJ: 60 -> 50\n");
  EXPECT_NE(named, std::string::npos) << r.err;
  EXPECT_LT(named, r.err.find("Program device")) << "named before it acts\n" << r.err;

  // The controller holds the corrected tune: that verifies, the file as written does not.
  EXPECT_EQ(Cli({"verify", at_limit, "--port", link_}).code, 0);
  r = Cli({"verify", corrected, "--port", link_});
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_EQ(r.err.find("Verify: OK"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("compared as the file says them:\n  START_INJ: 60 -> 50\n"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("Verify error!"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("no valid reply"), std::string::npos) << "the link was fine\n" << r.err;
  EXPECT_NE(r.err.find("START_INJ"), r.err.rfind("START_INJ")) << "the difference is listed\n"
                                                               << r.err;

  // diff shows the file's side as written.
  r = Cli({"diff", corrected, "--port", link_});
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_NE(r.out.find("START_INJ"), std::string::npos) << r.out;
}

TEST_F(CliLinkTest, TheSimulatorAnswersVersion) {
  ChildProcess sim({TORVANE_SIM, "--version"}, File("sim-version"));
  ASSERT_EQ(sim.Wait(30s), 0) << sim.Err();
  EXPECT_EQ(sim.Out().rfind("torvane-sim ", 0), 0u) << sim.Out();
  EXPECT_NE(sim.Out().find("\nLicense GPL-3.0-or-later: "), std::string::npos) << sim.Out();
}

TEST_F(CliLinkTest, FileThatIsNotAParameterFileIsAlwaysNamed) {
  struct Case {
    std::string content;  // empty: no such file
    std::string message;
  } cases[] = {
      {"", "Open file error!\n  No such file or directory"},
      {"just some text", "not a parameter file (no KALVORIN_KEY line)"},
      {"KALVORIN_KEY 85 FAN 1 2", "Unmatched version of *.ign file!"},
      {"\x01\x02\xff", "not a parameter file (no KALVORIN_KEY line)"},
  };
  for (const Case& c : cases) {
    const std::string in = File("in.ign");
    fs::remove(in);
    if (!c.content.empty()) {
      ASSERT_EQ(files::WriteFileAtomically(in, c.content), files::FileError::kOk);
    }
    for (const char* command : {"program", "verify"}) {
      const CliResult r = Cli({command, in, "--port", File("absent")});
      EXPECT_EQ(r.code, 5) << command << " " << c.content;
      EXPECT_NE(r.err.find(in + ": " + c.message), std::string::npos) << r.err;
    }
  }
}

TEST_F(CliLinkTest, ReadWarnsOfValuesTheFileCannotCarry) {
  std::string text =
      files::ReadWholeFile(std::string(MORVEK_TEST_DATA_DIR) + "/default_preset2.ign").value_or("");
  text.replace(text.find("N2O              0 "), 19, "N2O              6 ");
  ASSERT_EQ(files::WriteFileAtomically(File("n2o6.ign"), text), files::FileError::kOk);
  StartSim({"--no-wire-delay", "--load", File("n2o6.ign")});
  const CliResult r = Cli({"read", "--port", link_, "-o", File("read.ign")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find(File("read.ign") +
                       ": warning: N2O.enable: 6 cannot be carried by the file; it is written "
                       "as 1"),
            std::string::npos)
      << r.err;
}

TEST_F(CliLinkTest, HelpOfTheControllerCommands) {
  const CliResult r = Cli({"verify", "--help"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("does not ask the controller\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("for its protocol version"), std::string::npos) << r.out;
}

TEST_F(CliLinkTest, UnpluggedControllerFailsTheReadAndComesBackForTheMonitor) {
  StartSim({});  // at the line rate, so the read is still running when the cable goes
  {
    ChildProcess read({MORVEK_CLI, "read", "--port", link_, "-o", File("cut.ign")},
                      File("cutread"));
    std::this_thread::sleep_for(400ms);
    KillSim();
    EXPECT_EQ(read.Wait(30s), 1) << read.Err();
    EXPECT_NE(read.Err().find("Read error!"), std::string::npos) << read.Err();
    EXPECT_FALSE(fs::exists(File("cut.ign")));
  }
  StartSim({"--no-wire-delay"});
  ChildProcess monitor({MORVEK_CLI, "monitor", "--port", link_, "--count", "40"}, File("monitor"));
  std::this_thread::sleep_for(800ms);
  KillSim();
  std::this_thread::sleep_for(2500ms);  // well past the 24 silent ticks
  StartSim({"--no-wire-delay"});
  EXPECT_EQ(monitor.Wait(60s), 0) << monitor.Err();
  const std::string err = monitor.Err();
  const auto lost = err.find("No Connection");
  ASSERT_NE(lost, std::string::npos) << err;
  EXPECT_NE(err.find("Connected", lost), std::string::npos) << err;
}

// Each frame the monitor prints is one row of the data log, with the same decoded values.
TEST_F(CliLinkTest, MonitorLogsEveryFrameAsARowWithTheDecodedValues) {
  StartSim({"--no-wire-delay", "--scenario", "ride"});
  const CliResult r = Cli({"monitor", "--port", link_, "--count", "12", "--csv", File("ride.csv")});
  ASSERT_EQ(r.code, 0) << r.err;
  const logging::CsvLog log = logging::ReadCsvLog(File("ride.csv"));
  ASSERT_EQ(log.error, "");
  std::vector<std::string> lines;
  std::istringstream out(r.out);
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 12u) << r.out;
  ASSERT_EQ(log.rows.size(), 12u);
  std::set<std::int64_t> rpms;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const logging::LogRow& row = log.rows[i];
    const std::int64_t lambda = row.value("lambda_af");
    char expected[200];
    std::snprintf(
        expected, sizeof expected,
        "rpm=%lld tps=%lld%% tps_mv=%lld coolant=%lldC air=%lldC gear=%lld "
        "lambda=%lld.%lld ratio=%lld saving=%lld",
        static_cast<long long>(row.value("rpm")), static_cast<long long>(row.value("throttle_pct")),
        static_cast<long long>(row.value("throttle_mv")),
        static_cast<long long>(row.value("coolant_c")), static_cast<long long>(row.value("air_c")),
        static_cast<long long>(row.value("gear")), static_cast<long long>(lambda / 10),
        static_cast<long long>(lambda % 10), static_cast<long long>(row.value("rpm_speed_ratio")),
        static_cast<long long>(row.value("saving_counter")));
    EXPECT_EQ(lines[i], expected) << "row " << i;
    EXPECT_EQ(row.value("controller_version"), 84);
    if (i > 0) {
      // One frame every 6 ticks of 55 ms; the log's clock is the wall clock.
      EXPECT_GE(row.time_ms - log.rows[i - 1].time_ms, 150) << "row " << i;
      EXPECT_LE(row.time_ms - log.rows[i - 1].time_ms, 1500) << "row " << i;
    }
    rpms.insert(row.value("rpm"));
  }
  EXPECT_GT(rpms.size(), 3u) << "the ride scenario changes the engine speed";
}

// A data log only ever makes a new file: a mistyped name never costs a tune, a FIFO or a
// device never holds the monitor up, and a port that does not open leaves no file behind.
TEST_F(CliLinkTest, MonitorLogIsWrittenOnlyToANewFileOnceThePortIsOpen) {
  ASSERT_EQ(Cli({"new", "--bike", "0", "-o", File("tune.ign")}).code, 0);
  const std::string tune = *files::ReadWholeFile(File("tune.ign"));
  std::ofstream(File("old.csv")) << "time_ms\n";
  ASSERT_EQ(mkfifo(File("pipe.csv").c_str(), 0644), 0);
  StartSim({"--no-wire-delay", "--scenario", "ride"});
  const std::string kNew = "; a data log is written only to a new file\n";
  struct Case {
    std::string path;
    std::string reason;
  };
  const Case cases[] = {
      {File("tune.ign"), "a name ending in .ign is a parameter file, never a data log\n"},
      {File("old.csv"), "the file exists already" + kNew},
      {File("pipe.csv"), "it is a FIFO" + kNew},
      {"/dev/full", "it is a character device" + kNew},
  };
  for (const Case& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const CliResult r = Cli({"monitor", "--port", link_, "--count", "3", "--csv", c.path});
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s) << c.path;
    EXPECT_EQ(r.code, 5) << c.path << ": " << r.err;
    EXPECT_NE(r.err.find(c.path + ": the data log cannot be written\n  " + c.reason),
              std::string::npos)
        << r.err;
  }
  EXPECT_EQ(files::ReadWholeFile(File("tune.ign")), tune);
  EXPECT_EQ(files::ReadWholeFile(File("old.csv")), "time_ms\n");

  const CliResult absent =
      Cli({"monitor", "--port", File("absent"), "--count", "3", "--csv", File("new.csv")});
  EXPECT_NE(absent.code, 0);
  EXPECT_FALSE(fs::exists(File("new.csv"))) << "no port, no log";
  const CliResult r = Cli({"verify", "x.ign", "--port", link_, "--csv", File("v.csv")});
  EXPECT_EQ(r.code, 2) << r.err;
  EXPECT_NE(r.err.find("--csv belongs to monitor"), std::string::npos) << r.err;
}

TEST_F(CliLinkTest, NoisyLineNeverReportsSuccessWithWrongData) {
  ASSERT_EQ(Cli({"new", "--bike", "1", "-o", File("start.ign")}).code, 0);
  int completed = 0;
  for (int seed = 1; seed <= 4; ++seed) {
    StartSim({"--no-wire-delay", "--noise", "--seed", std::to_string(seed), "--load",
              File("start.ign")});
    const std::string out = File("noisy" + std::to_string(seed) + ".ign");
    const CliResult r = Cli({"read", "--port", link_, "-o", out});
    if (r.code == 0) {
      ++completed;
      EXPECT_EQ(ImageOf(out), ImageOf(File("start.ign"))) << "seed " << seed;
    } else {
      EXPECT_EQ(r.code, 1) << r.err;
      const bool error_text = r.err.find("Read error!") != std::string::npos ||
                              r.err.find("Verify error!") != std::string::npos;
      EXPECT_TRUE(error_text) << r.err;
      EXPECT_FALSE(fs::exists(out));
    }
    KillSim();
  }
  std::cout << completed << " of 4 noisy reads completed\n";
}

}  // namespace
}  // namespace morvek
