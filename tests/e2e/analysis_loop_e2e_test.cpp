// The tuning loop a tuner rides: log a ride, analyse it, program the proposal, log again,
// with morvek-cli and torvane-sim as separate processes over a pseudo-terminal.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "../clilink/child_process.h"

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

class AnalysisLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/morvek-analysis-e2e-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    link_ = File("controller");
    setenv("MORVEK_CONFIG_DIR", File("config").c_str(), 1);
  }
  void TearDown() override {
    sim_.reset();
    fs::remove_all(dir_);
  }

  void StartSim(const std::vector<std::string>& extra) {
    std::vector<std::string> argv{TORVANE_SIM, "--link", link_};
    argv.insert(argv.end(), extra.begin(), extra.end());
    sim_ = std::make_unique<ChildProcess>(argv, File("sim"));
    ASSERT_TRUE(sim_->started());
    for (int i = 0; i < 300 && !fs::exists(link_); ++i) std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(fs::exists(link_)) << sim_->Err();
  }

  CliResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), MORVEK_CLI);
    ChildProcess cli(args, File("cli" + std::to_string(++clis_)));
    const int code = cli.Wait(300s);
    return {code, cli.Out(), cli.Err()};
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }

  // The figure the analysis prints for the ride it was given.
  static double MeanError(const std::string& out) {
    const std::string key = "Mean |A/F - target| over the covered cells: ";
    const std::size_t at = out.find(key);
    return at == std::string::npos ? -1 : std::stod(out.substr(at + key.size()));
  }
  static int Covered(const std::string& out) {
    const std::string key = "Cells covered: ";
    const std::size_t at = out.find(key);
    return at == std::string::npos ? -1 : std::stoi(out.substr(at + key.size()));
  }

  fs::path dir_;
  std::string link_;
  std::unique_ptr<ChildProcess> sim_;
  int clis_ = 0;
};

TEST_F(AnalysisLoopTest, ThreePassesBringTheMixtureToTheTarget) {
  StartSim({"--scenario", "ride", "--fuel-error", "7"});
  CliResult r = Cli({"read", "--port", link_, "-o", File("pass0.ign")});
  ASSERT_EQ(r.code, 0) << r.err;

  std::vector<double> errors;
  std::string tune = File("pass0.ign");
  for (int pass = 0; pass <= 3; ++pass) {
    SCOPED_TRACE(pass);
    // The first ride starts from cold: it needs the time to warm the engine up as well.
    const std::string log = File("ride" + std::to_string(pass) + ".csv");
    r = Cli({"monitor", "--port", link_, "--count", pass == 0 ? "480" : "300", "--csv", log});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string next = File("pass" + std::to_string(pass + 1) + ".ign");
    r = Cli({"analyze", log, "--tune", tune, "-o", next});
    std::printf("pass %d: covered cells %d, mean |A/F - target| %.3f\n", pass, Covered(r.out),
                MeanError(r.out));
    ASSERT_EQ(r.code, 0) << r.out << r.err;
    ASSERT_GT(Covered(r.out), 0) << r.out;
    errors.push_back(MeanError(r.out));
    RecordProperty("mean_af_error_pass_" + std::to_string(pass), std::to_string(errors.back()));
    if (pass == 0) {
      // A ride opens the throttle and coasts: those readings must have been left out.
      EXPECT_NE(r.out.find("acceleration enrichment"), std::string::npos) << r.out;
      EXPECT_NE(r.out.find("fuel cut or overrun"), std::string::npos) << r.out;
    }
    if (pass == 3) break;
    r = Cli({"program", next, "--port", link_});
    ASSERT_EQ(r.code, 0) << r.out << r.err;
    tune = next;
  }
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_GT(errors[0], 0.5);  // the engine did need the tuning
  const double best = std::min({errors[1], errors[2], errors[3]});
  EXPECT_LE(best, 0.4 * errors[0]);
}

}  // namespace
}  // namespace morvek
