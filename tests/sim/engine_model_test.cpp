#include "sim/engine_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sim/controller_model.h"
#include "sim_test_util.h"

namespace morvek::sim {
namespace {

using model::FieldId;
using testing::FrameByte;
using testing::FrameWord;
using testing::MonitorRequest;
using testing::RunMs;

link::DeviceFrame Monitor(ControllerModel& controller) {
  return *controller.HandleRequest(MonitorRequest());
}

// Programs the injection maps (pages 5..8) through the wire, every cell scaled.
void ProgramScaledMaps(ControllerModel& controller, int percent) {
  model::ParameterImage image = controller.image();
  for (FieldId map : {FieldId::kJet1A, FieldId::kJet2A})
    for (int i = 0; i < 150; ++i)
      model::SetStored(image, map, i, model::Stored(image, map, i) * percent / 100);
  for (int p = 5; p <= 8; ++p) {
    std::array<std::uint8_t, 150> page{};
    std::copy_n(image.Page(p).begin(), 150, page.begin());
    ASSERT_TRUE(controller.HandleRequest(testing::PageRequest(static_cast<std::uint8_t>(p), page)));
  }
}

TEST(EngineModel, ALeanerInjectionMapReadsALeanerLambda) {
  ControllerModel controller(testing::SteadyConfig(testing::TestImage(4000), 6000, 60));
  RunMs(controller, testing::kSettledMs);
  const auto rich = Monitor(controller);
  const int lambda100 = FrameByte(rich, 30);
  ASSERT_GT(lambda100, 105);  // inside the sensor's 10.0 .. 20.0 A/F
  ASSERT_LT(lambda100, 160);
  EXPECT_EQ(FrameByte(rich, 14), 40);  // 4000 us in 100 us
  EXPECT_EQ(FrameByte(rich, 15), 40);

  ProgramScaledMaps(controller, 80);
  RunMs(controller, 500);
  const auto lean = Monitor(controller);
  EXPECT_EQ(FrameByte(lean, 14), 32);
  // Same operating point, 80 % of the fuel: the mixture is leaner by 1 / 0.8.
  EXPECT_EQ(FrameWord(lean, 48), 6000);
  EXPECT_EQ(FrameByte(lean, 9), 60);
  EXPECT_NEAR(FrameByte(lean, 30), lambda100 / 0.8, 2.0);
  // The lambda sensor's millivolts follow its programmed characteristic (1000 mV per 2.5 A/F).
  EXPECT_NEAR(FrameWord(lean, 58), (FrameByte(lean, 30) - 100) * 40, 40);
}

TEST(EngineModel, AdvanceAndInjectionTimeComeFromTheMapCellAtTheOperatingPoint) {
  model::ParameterImage image = testing::TestImage(4000);
  // 6000 rpm is column 5 of the test axes, 60 % throttle is row 7.
  model::SetShown(image, FieldId::kAdvance, 7 * 15 + 5, 33);
  model::SetShown(image, FieldId::kJet1A, 7 * 15 + 5, 5500);
  model::SetShown(image, FieldId::kAdvanceMiscCyl2Corr, -3);
  ControllerModel controller(testing::SteadyConfig(image, 6000, 60));
  RunMs(controller, 2000);
  const auto frame = Monitor(controller);
  EXPECT_EQ(FrameByte(frame, 10), 33);
  EXPECT_EQ(FrameByte(frame, 11), 30);
  EXPECT_EQ(FrameByte(frame, 14), 55);
  EXPECT_EQ(FrameByte(frame, 15), 40);
}

TEST(EngineModel, IdleWarmsUpAndChargesTheBattery) {
  ControllerConfig config;
  config.scenario.kind = ScenarioKind::kIdle;
  config.scenario.start_coolant_c = 15;
  ControllerModel controller(config);
  RunMs(controller, 1000);
  const auto cold = Monitor(controller);
  RunMs(controller, 90000);
  const auto warm = Monitor(controller);
  EXPECT_LE(FrameByte(cold, 23), 117);
  EXPECT_GE(FrameByte(warm, 23), FrameByte(cold, 23) + 30);  // coolant + 100
  EXPECT_GT(FrameByte(warm, 24), 115);                       // intake air warmer than 15 degC
  for (const auto& f : {cold, warm}) {
    EXPECT_GT(FrameWord(f, 48), 900);
    EXPECT_LT(FrameWord(f, 48), 1700);
    EXPECT_EQ(FrameByte(f, 9), 0);
    EXPECT_EQ(FrameByte(f, 25), 0);
    EXPECT_NE(FrameByte(f, 1) & 0x04, 0);  // neutral
    EXPECT_NE(FrameByte(f, 4) & 0x02, 0);  // oil pressure
    EXPECT_GE(FrameWord(f, 64), 13000);
    EXPECT_LE(FrameWord(f, 64), 14500);
    EXPECT_EQ(FrameByte(f, 150), 84);
  }
  EXPECT_LT(FrameWord(warm, 48), FrameWord(cold, 48));  // the fast idle drops as it warms
  EXPECT_GT(FrameWord(warm, 94), FrameWord(cold, 94));  // after-start timer
}

TEST(EngineModel, EngineOffReadsStillValues) {
  ControllerConfig config;
  config.scenario.kind = ScenarioKind::kEngineOff;
  ControllerModel controller(config);
  RunMs(controller, 2000);
  const auto f = Monitor(controller);
  EXPECT_EQ(FrameWord(f, 48), 0);
  EXPECT_EQ(FrameByte(f, 14), 0);
  EXPECT_EQ(FrameWord(f, 52), 1000);     // atmosphere, 0.1 kPa
  EXPECT_EQ(FrameByte(f, 4) & 0x02, 0);  // no oil pressure
  EXPECT_EQ(FrameByte(f, 3) & 0x20, 0);  // no pick-up signal
  EXPECT_LT(FrameWord(f, 64), 13000);
}

TEST(EngineModel, ThrottleSweepOpensFullyAndReachesTheLimiter) {
  ControllerConfig config;
  config.scenario.kind = ScenarioKind::kThrottleSweep;
  ControllerModel controller(config);
  int max_tps = 0, max_rpm = 0, min_tps_late = 100;
  bool limiter_seen = false;
  for (int t = 0; t < 20000; t += 110) {
    const auto f = Monitor(controller);
    max_tps = std::max(max_tps, FrameByte(f, 9));
    max_rpm = std::max(max_rpm, FrameWord(f, 48));
    limiter_seen = limiter_seen || (FrameByte(f, 2) & 0x08) != 0;
    if (t > 19000) min_tps_late = std::min(min_tps_late, FrameByte(f, 9));
    controller.Advance(110);
  }
  const int limiter = model::Shown(controller.image(), FieldId::kLimiterIgnition);
  EXPECT_EQ(max_tps, 100);
  EXPECT_EQ(max_rpm, limiter);
  EXPECT_TRUE(limiter_seen);
  EXPECT_EQ(min_tps_late, 0);
}

TEST(EngineModel, RideShiftsThroughTheGearsAtTheProgrammedRatios) {
  ControllerConfig config;
  config.scenario.kind = ScenarioKind::kRide;
  ControllerModel controller(config);
  int top_gear = 0;
  bool clutch_master_seen = false;
  for (int t = 0; t < 30000; t += 55) {
    const auto f = Monitor(controller);
    const int gear = FrameByte(f, 25);
    top_gear = std::max(top_gear, gear);
    clutch_master_seen = clutch_master_seen || (FrameByte(f, 1) & 0x20) == 0;
    if (gear > 0 && FrameWord(f, 116) > 30 && (FrameByte(f, 3) & 0x01) == 0) {
      const int ratio = model::Stored(controller.image(), FieldId::kGearRatio, gear - 1);
      EXPECT_NEAR(FrameWord(f, 120), ratio, ratio / 50 + 1) << t;  // rpm/speed x10
      EXPECT_EQ(FrameWord(f, 120 + 2 * gear), ratio);
    }
    controller.Advance(55);
  }
  EXPECT_GE(top_gear, 4);
  EXPECT_TRUE(clutch_master_seen);
}

}  // namespace
}  // namespace morvek::sim
