#include "sim/sim_autotune.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim/controller_model.h"
#include "sim_test_util.h"

namespace morvek::sim {
namespace {

using model::FieldId;
using testing::FrameByte;
using testing::MonitorRequest;
using testing::RunMs;
using testing::TuneRequest;

constexpr int kCell = 7 * 15 + 5;  // 60 % throttle, 6000 rpm on the test axes

struct TuneRun {
  std::vector<int> statuses;
  int last_lambda = 0;
};

// Sends a tuning monitor request every 330 ms, as the program's autotune cycle does.
TuneRun Tune(ControllerModel& controller, const TuneRequest& request, int cycles) {
  TuneRun run;
  for (int i = 0; i < cycles; ++i) {
    const auto frame = controller.HandleRequest(MonitorRequest(request));
    if (i > 0) run.statuses.push_back(FrameByte(*frame, 29));
    run.last_lambda = FrameByte(*frame, 30);
    RunMs(controller, 330);
  }
  return run;
}

int PlainLambda(ControllerModel& controller) {
  return FrameByte(*controller.HandleRequest(MonitorRequest()), 30);
}

TEST(SimAutotune, MovesTheOperatingCellTowardTheTargetAndReportsOk) {
  struct Case {
    int target_offset;  // target A/F x10 relative to what the map reads now
    int first_status;
    bool cell_grows;
  } cases[] = {{+15, 12, false}, {-15, 11, true}};
  for (const Case& c : cases) {
    ControllerModel controller(testing::SteadyConfig(testing::TestImage(4000), 6000, 60));
    RunMs(controller, testing::kSettledMs);
    const int before = PlainLambda(controller);
    TuneRequest request;
    request.lambda = before + c.target_offset;
    request.hysteresis = 2;
    request.step = 2;
    request.step_time = 50;  // 500 ms: longer than the lambda delay, so it does not hunt
    request.channel = 1;
    const TuneRun run = Tune(controller, request, 60);
    ASSERT_FALSE(run.statuses.empty());
    EXPECT_EQ(run.statuses.front(), c.first_status) << c.target_offset;
    EXPECT_EQ(run.statuses.back(), 13) << c.target_offset;
    EXPECT_NEAR(run.last_lambda, request.lambda, 2);
    const auto& image = controller.image();
    const int cell = model::Stored(image, FieldId::kJet1A, kCell);
    EXPECT_EQ(cell > 4000, c.cell_grows) << cell;
    EXPECT_NE(cell, 4000);
    // Only the operating cell of the selected map moves.
    EXPECT_EQ(model::Stored(image, FieldId::kJet1A, kCell - 1), 4000);
    EXPECT_EQ(model::Stored(image, FieldId::kJet1A, kCell + 15), 4000);
    EXPECT_EQ(model::Stored(image, FieldId::kJet2A, kCell), 4000);
    // The tuned cell is what a read of its page returns (word 300 + 110 = bytes 820/821,
    // page 6 byte 70).
    const auto page6 = controller.HandleRequest(testing::Request(0x46));
    EXPECT_EQ(FrameByte(*page6, 71) | (FrameByte(*page6, 72) << 8), cell);
  }
}

TEST(SimAutotune, ReportsWhyItDoesNotTune) {
  struct Case {
    const char* name;
    ScenarioKind kind;
    int rpm, tps;
    TuneRequest request;
    int map_us;
    int jet_mode;
    int expected;
  };
  TuneRequest points;  // mode 0: only near a grid point (200 rpm, 2 %)
  TuneRequest all = points;
  all.mode = 1;
  TuneRequest second = points;
  second.channel = 2;
  const Case cases[] = {
      {"engine stopped", ScenarioKind::kEngineOff, 0, 0, points, 4000, 0, 0},
      {"between two rpm points", ScenarioKind::kSteady, 6500, 60, points, 4000, 0, 5},
      {"between two throttle rows", ScenarioKind::kSteady, 6000, 50, points, 4000, 0, 5},
      {"below the first rpm point", ScenarioKind::kSteady, 700, 0, points, 4000, 0, 7},
      {"above the last rpm point", ScenarioKind::kSteady, 15300, 60, points, 4000, 0, 8},
      {"sensor beyond its characteristic", ScenarioKind::kSteady, 6000, 60, points, 300, 0, 6},
      {"map 2A follows map 1A", ScenarioKind::kSteady, 6000, 60, second, 4000, 2, 14},
      {"map 2A coupled", ScenarioKind::kSteady, 6000, 60, second, 4000, 1, 14},
      {"map 2A separate", ScenarioKind::kSteady, 6000, 60, second, 4000, 0, -1},
      {"mode all between points", ScenarioKind::kSteady, 6500, 50, all, 4000, 0, -1},
  };
  for (const Case& c : cases) {
    model::ParameterImage image = testing::TestImage(c.map_us);
    model::SetStored(image, FieldId::kJet1MiscMode, c.jet_mode);
    ControllerConfig config = testing::SteadyConfig(image, c.rpm, c.tps);
    config.scenario.kind = c.kind;
    ControllerModel controller(config);
    RunMs(controller, 5000);
    const TuneRun run = Tune(controller, c.request, 4);
    const int status = run.statuses.back();
    if (c.expected >= 0)
      EXPECT_EQ(status, c.expected) << c.name;
    else
      EXPECT_TRUE(status == 11 || status == 12 || status == 13) << c.name << " " << status;
  }
}

TEST(SimAutotune, StopsWhenSwitchedOffOrWhenTheProgramFallsSilent) {
  ControllerModel controller(testing::SteadyConfig(testing::TestImage(4000), 6000, 60));
  RunMs(controller, testing::kSettledMs);
  TuneRequest request;
  request.lambda = PlainLambda(controller) + 20;
  Tune(controller, request, 3);
  const int steps = controller.autotune().steps_taken();
  EXPECT_GT(steps, 0);
  // Autotune off in the request: status 2 at once, no more steps.
  EXPECT_EQ(FrameByte(*controller.HandleRequest(MonitorRequest()), 29), 12);
  RunMs(controller, 1000);
  EXPECT_EQ(FrameByte(*controller.HandleRequest(MonitorRequest()), 29), 2);
  EXPECT_EQ(controller.autotune().steps_taken(), steps);

  // On again, then no request for more than two seconds: the controller gives up by itself.
  controller.HandleRequest(MonitorRequest(request));
  RunMs(controller, 1000);
  const int resumed = controller.autotune().steps_taken();
  EXPECT_GT(resumed, steps);
  RunMs(controller, 1500);
  const int after_timeout = controller.autotune().steps_taken();
  RunMs(controller, 3000);
  EXPECT_EQ(controller.autotune().steps_taken(), after_timeout);
  EXPECT_EQ(controller.autotune().status(), 2);
}

// A transaction must not see a cell change between a page's transfer and its verification.
TEST(SimAutotune, PausesForTransactionsButNotForItsOwnPageReads) {
  ControllerModel controller(testing::SteadyConfig(testing::TestImage(4000), 6000, 60));
  RunMs(controller, testing::kSettledMs);
  TuneRequest request;
  request.lambda = PlainLambda(controller) + 20;
  Tune(controller, request, 2);
  // The autotune cycle reads pages 5 and 6 (channel 1): tuning goes on.
  controller.HandleRequest(testing::Request(0x45));
  controller.HandleRequest(testing::Request(0x46));
  int steps = controller.autotune().steps_taken();
  RunMs(controller, 500);
  EXPECT_GT(controller.autotune().steps_taken(), steps);
  // A read of page 0 starts a transaction: tuning stops until the next tuning request.
  for (std::uint8_t command : {std::uint8_t{0x40}, std::uint8_t{0x41}, std::uint8_t{0x05}}) {
    Tune(controller, request, 1);
    controller.HandleRequest(testing::Request(command));
    steps = controller.autotune().steps_taken();
    RunMs(controller, 1000);
    EXPECT_EQ(controller.autotune().steps_taken(), steps) << int{command};
    EXPECT_EQ(controller.autotune().status(), 2) << int{command};
  }
}

TEST(SimAutotune, HoldsOffWhileTheAccelerationCorrectionIsTooBig) {
  ControllerConfig config;
  config.pages = testing::TestImage(4000);
  config.scenario.kind = ScenarioKind::kThrottleSweep;
  ControllerModel controller(config);
  RunMs(controller, 4000);  // the throttle is opening
  TuneRequest request;
  request.mode = 1;
  request.max_acc = 0;
  const TuneRun run = Tune(controller, request, 4);
  EXPECT_EQ(run.statuses.back(), 3);
  RunMs(controller, 10000);  // held wide open: the enrichment has faded
  EXPECT_NE(Tune(controller, request, 2).statuses.back(), 3);
}

}  // namespace
}  // namespace morvek::sim
