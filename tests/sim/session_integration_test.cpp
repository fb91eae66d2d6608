// The program's Session against the simulated controller, joined in memory.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "link/session.h"
#include "model/field_table.h"
#include "model/limits_pass.h"
#include "sim/controller_defaults.h"
#include "sim/controller_model.h"
#include "sim/in_memory_transport.h"
#include "sim_test_util.h"

namespace morvek::sim {
namespace {

using model::FieldId;

class Owner : public link::SessionOwner {
 public:
  explicit Owner(model::ParameterImage& image) : image_(image) {}
  void CollectActivePage() override {}
  void RunLimitsPass() override { model::ApplyLimits(image_); }
  void RefreshActivePage() override {}
  void PagesArrived() override { ++pages_arrived; }
  void ClearCurrentFileName() override {}
  void MonitorFrameDecoded() override { ++monitor_frames; }
  void UpdateLiveHighlight() override {}
  int pages_arrived = 0;
  int monitor_frames = 0;

 private:
  model::ParameterImage& image_;
};

// A program with its image, wired to a controller.
struct Bench {
  explicit Bench(const ControllerConfig& config, int latency_ticks = 1)
      : controller(config),
        port(controller, latency_ticks),
        owner(image),
        session(port, image, flags, owner) {
    session.Start();
  }
  void Tick() {
    session.Tick();
    port.Advance();
    ++ticks;
  }
  // Ticks until the running transaction ends; returns the ticks taken.
  int RunTransaction(int limit = 3000) {
    const int start = ticks;
    while (session.transaction_mode() != link::TransactionMode::kNone && ticks - start < limit)
      Tick();
    return ticks - start;
  }
  std::string status() const { return session.status_line().text; }

  ControllerModel controller;
  InMemoryTransport port;
  model::ParameterImage image;
  model::PageProgramFlags flags;
  Owner owner;
  link::Session session;
  int ticks = 0;
};

// The controller's pages: the defaults with a few cells that differ from seed to seed.
model::ParameterImage SeededPages(std::uint64_t seed) {
  model::ParameterImage pages = DefaultControllerImage();
  for (int k = 0; k < 5; ++k) {
    const int cell = static_cast<int>((seed * 37 + static_cast<std::uint64_t>(k) * 11) % 150);
    model::SetStored(pages, FieldId::kJet1A, cell, 1000 + static_cast<int>(seed % 97) * 100 + k);
  }
  pages.SetByte(1210, static_cast<std::uint8_t>('A' + seed % 26));  // the note
  return pages;
}

struct LinkFaults {
  int corrupt, drop, late;
};

ControllerConfig FaultyController(std::uint64_t seed, LinkFaults f) {
  ControllerConfig config;
  config.pages = SeededPages(seed);
  config.faults.seed = seed;
  config.faults.corrupt_percent = f.corrupt;
  config.faults.drop_percent = f.drop;
  config.faults.late_percent = f.late;
  config.faults.late_ticks = 7;  // after the program's resend
  return config;
}

// A read (with its verify pass) over a faulty link either ends in "Verify: OK" with the
// controller's pages in the image, or in a red error message: never OK with a difference.
TEST(SessionWithSimulator, ReadUnderFaultsNeverReportsOkWithADifference) {
  struct Case {
    LinkFaults faults;
    int min_completed, max_completed;  // of 200 runs
  } cases[] = {
      {{10, 10, 0}, 190, 200},
      {{10, 10, 10}, 190, 200},
      {{30, 30, 10}, 10, 190},  // harsh enough for both outcomes
  };
  for (const Case& c : cases) {
    int completed = 0;
    int faults = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
      Bench bench(FaultyController(seed, c.faults));
      bench.session.Read();
      bench.RunTransaction();
      ASSERT_EQ(bench.session.transaction_mode(), link::TransactionMode::kNone) << seed;
      const std::string status = bench.status();
      if (status == "Verify: OK") {
        ++completed;
        EXPECT_EQ(bench.image, bench.controller.image()) << "seed " << seed;
        EXPECT_EQ(bench.session.identification().version, 84);
      } else {
        EXPECT_TRUE(status == "Read error!" || status == "Verify error!")
            << "seed " << seed << ": " << status;
        EXPECT_EQ(bench.session.status_line().colour, link::Colour::kRed);
      }
      faults += bench.controller.counters().dropped + bench.controller.counters().corrupted;
    }
    std::printf("read under faults (corrupt %d %%, drop %d %%, late %d %%): %d of 200 OK\n",
                c.faults.corrupt, c.faults.drop, c.faults.late, completed);
    EXPECT_GE(completed, c.min_completed);
    EXPECT_LE(completed, c.max_completed);
    EXPECT_GT(faults, 500);  // at least 19 replies x 20 % x 200 runs, roughly
  }
}

TEST(SessionWithSimulator, ProgramUnderFaultsNeverReportsOkWithADifference) {
  struct Case {
    LinkFaults faults;
    int min_completed, max_completed;
  } cases[] = {{{10, 10, 0}, 190, 200}, {{30, 30, 10}, 10, 190}};
  for (const Case& c : cases) {
    int completed = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
      ControllerConfig config = FaultyController(seed, c.faults);
      config.pages = DefaultControllerImage();
      Bench bench(config);
      bench.image = SeededPages(seed + 1000);
      bench.session.Program();
      bench.RunTransaction();
      const std::string status = bench.status();
      if (status == "Program device: OK") {
        ++completed;
        EXPECT_EQ(bench.image, bench.controller.image()) << "seed " << seed;
        EXPECT_EQ(bench.image, bench.controller.kept_image()) << "seed " << seed;
      } else {
        EXPECT_TRUE(status == "Program error!" || status == "Verify error!")
            << "seed " << seed << ": " << status;
      }
    }
    std::printf("program under faults (corrupt %d %%, drop %d %%, late %d %%): %d of 200 OK\n",
                c.faults.corrupt, c.faults.drop, c.faults.late, completed);
    EXPECT_GE(completed, c.min_completed);
    EXPECT_LE(completed, c.max_completed);
  }
}

TEST(SessionWithSimulator, ProgramShowsTheControllersSaveAndEndsInProgramOkOnceKept) {
  ControllerConfig config;
  config.save_duration_ms = 3000;
  Bench bench(config);
  bench.image = SeededPages(5);
  bench.session.Program();
  std::vector<std::string> texts;
  bool kept_at_ok = false;
  while (bench.session.transaction_mode() != link::TransactionMode::kNone && bench.ticks < 3000) {
    bench.Tick();
    if (texts.empty() || texts.back() != bench.status()) {
      texts.push_back(bench.status());
      if (bench.status() == "Program device: OK")
        kept_at_ok =
            bench.controller.saving_counter() == 0 && bench.controller.kept_image() == bench.image;
    }
  }
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "Read:", "Program device:", "Verify:", "Saving:", "Program device: OK"}));
  EXPECT_TRUE(kept_at_ok);
  EXPECT_EQ(bench.controller.programming_count(), 1);
  EXPECT_EQ(bench.session.saving_rule().first_count(), 0);
  EXPECT_EQ(bench.session.saving_rule().last_count(), 1);
  EXPECT_FALSE(bench.flags.Any());
}

// The controller is switched off and on, or hangs up, before it has kept the program.
TEST(SessionWithSimulator, AProgramTheControllerDidNotKeepIsNeverOk) {
  struct Case {
    const char* name;
    bool hang_up_after_verify;
    int save_ms;
    int power_cycle_at_counter;  // 0: no power cycle
    link::FailureReason reason;
  };
  const Case cases[] = {
      {"power cycle early in the saving", false, 3000, 2500,
       link::FailureReason::kDiffersAfterSaving},
      {"power cycle late in the saving", false, 3000, 300,
       link::FailureReason::kDiffersAfterSaving},
      {"hang-up just after the verify", true, 3000, 0, link::FailureReason::kSilent},
      {"hang-up after the verify, no saving reported", true, 0, 0, link::FailureReason::kSilent},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ControllerConfig config;
    config.save_duration_ms = c.save_ms;
    config.hang_up_after_verify = c.hang_up_after_verify;
    config.pages = DefaultControllerImage();
    Bench bench(config);
    bench.image = SeededPages(7);
    bench.session.Program();
    bool ok_seen = false;
    bool cycled = false;
    while (bench.session.transaction_mode() != link::TransactionMode::kNone && bench.ticks < 3000) {
      bench.Tick();
      ok_seen = ok_seen || bench.status() == "Program device: OK";
      if (!cycled && c.power_cycle_at_counter > 0 &&
          bench.session.program_phase() == link::Transactions::ProgramPhase::kSaving &&
          bench.controller.saving_counter() > 0 &&
          bench.controller.saving_counter() <= c.power_cycle_at_counter) {
        bench.controller.PowerCycle();
        cycled = true;
      }
    }
    EXPECT_FALSE(ok_seen);
    EXPECT_EQ(bench.status(), "Program error!");
    EXPECT_EQ(bench.session.failure().reason, c.reason);
    EXPECT_TRUE(bench.flags.Test(1));
    if (c.power_cycle_at_counter > 0) {
      EXPECT_TRUE(cycled);
      EXPECT_EQ(bench.controller.image(), DefaultControllerImage());
    }
  }
}

TEST(SessionWithSimulator, WrongProtocolVersionStopsTheReadBeforePageOne) {
  ControllerConfig config;
  config.identification.protocol_version = 83;
  Bench bench(config);
  bench.image = SeededPages(9);  // legal already: the limits pass of the mismatch keeps it
  const model::ParameterImage before = bench.image;
  bench.session.Read();
  bench.RunTransaction();
  const auto boxes = bench.session.TakeMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("PC-84, IGN-83"), std::string::npos) << boxes[0];
  EXPECT_EQ(bench.image, before);
  for (const auto& sent : bench.port.sent()) EXPECT_NE(sent.frame.code(), 0x41);
}

TEST(SessionWithSimulator, AutotuneCycleBringsTheTunedMapIntoTheProgram) {
  ControllerConfig config = testing::SteadyConfig(DefaultControllerImage(), 6000, 60);
  Bench bench(config);
  bench.session.Read();
  bench.RunTransaction();
  ASSERT_EQ(bench.status(), "Verify: OK");
  for (int i = 0; i < 700; ++i) bench.Tick();  // the after-start enrichment fades
  // Aim well away from what the map gives now, so that the controller has to tune.
  const int now = bench.controller.engine().Evaluate(bench.controller.image()).lambda_af10;
  model::SetShown(bench.image, FieldId::kTuningLambda, now > 130 ? now - 15 : now + 15);
  model::SetShown(bench.image, FieldId::kTuningHysteresis, 2);
  model::SetShown(bench.image, FieldId::kTuningMode, 1);
  model::SetShown(bench.image, FieldId::kTuningStepTime, 100);
  model::SetShown(bench.image, FieldId::kTuningStep, 2);
  model::SetShown(bench.image, FieldId::kTuningChannel, 1);
  model::SetShown(bench.image, FieldId::kTuningMaxAcc, 50);
  const model::ParameterImage before = bench.controller.image();
  bench.session.SetAutotuneOn(true);
  for (int i = 0; i < 200; ++i) bench.Tick();
  bench.session.SetAutotuneOn(false);
  for (int i = 0; i < 12; ++i) bench.Tick();
  EXPECT_GT(bench.controller.autotune().steps_taken(), 0);
  EXPECT_NE(bench.controller.image(), before);
  for (int w = 300; w < 450; ++w)
    ASSERT_EQ(bench.image.Word(w), bench.controller.image().Word(w)) << "word " << w;
}

TEST(SessionWithSimulator, OutputTestPressesReachTheControllerOnce) {
  Bench bench(ControllerConfig{});
  for (int i = 0; i < 7; ++i) bench.Tick();
  ASSERT_TRUE(bench.session.PressOutputTestButton("ButtonTestJet1A"));
  ASSERT_TRUE(bench.session.PressOutputTestButton("ButtonTestIgn2"));
  for (int i = 0; i < 30; ++i) bench.Tick();
  const auto& tests = bench.controller.output_tests();
  ASSERT_EQ(tests.size(), 1u);
  EXPECT_EQ(tests[0].flags, (std::array<std::uint8_t, 4>{1, 2, 0, 0}));
  EXPECT_FALSE(tests[0].refused);
  EXPECT_GT(bench.owner.monitor_frames, 3);
}

// Counted in ticks of 55 ms against a controller that answers within one tick.
TEST(SessionWithSimulator, TransactionTickCounts) {
  ControllerConfig config;
  config.pages = SeededPages(3);
  Bench read(config, 1);
  read.session.Read();
  const int read_ticks = read.RunTransaction();
  ASSERT_EQ(read.status(), "Verify: OK");
  const long long first_request = read.port.sent().front().tick;

  config.pages = DefaultControllerImage();
  Bench program(config, 1);
  program.image = SeededPages(4);
  program.session.Program();
  const int program_ticks = program.RunTransaction();
  ASSERT_EQ(program.status(), "Program device: OK");
  ASSERT_EQ(program.image, program.controller.image());

  std::printf("read + verify: %d ticks (first request in tick %lld, %zu frames)\n", read_ticks,
              first_request + 1, read.port.sent().size());
  std::printf("program + verify: %d ticks (%zu frames)\n", program_ticks,
              program.port.sent().size());
  // The read: 19 page requests, 10 + 9. The program: 38, its backup read of 10, 10 pages and
  // two verifies of 9, with the saving (3 s, 55 ticks) watched by monitor requests between.
  // After the first request, one tick per page.
  auto page_requests = [](const Bench& b) {
    int n = 0;
    for (const auto& sent : b.port.sent()) n += sent.frame.code() != 0x30 ? 1 : 0;
    return n;
  };
  EXPECT_EQ(read.port.sent().size(), 19u);
  EXPECT_EQ(page_requests(program), 38);
  EXPECT_LE(read_ticks, 25);
  EXPECT_LE(program_ticks, 6 + 38 + 55 + 6);
  EXPECT_EQ(read_ticks - (first_request + 1), 19);
}

}  // namespace
}  // namespace morvek::sim
