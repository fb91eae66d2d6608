#include "sim/controller_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim_test_util.h"

namespace morvek::sim {
namespace {

using testing::ChecksumOk;
using testing::FrameByte;
using testing::FrameWord;
using testing::MonitorRequest;
using testing::PageRequest;
using testing::Request;

std::array<std::uint8_t, 150> Pattern(int seed) {
  std::array<std::uint8_t, 150> page{};
  for (int i = 0; i < 150; ++i)
    page[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(seed * 31 + i * 7);
  return page;
}

TEST(ControllerModel, AnswersEveryCommandWithCodeXor80AndValidChecksum) {
  ControllerModel controller;
  std::vector<int> commands{0x30};
  for (int p = 0; p <= 9; ++p) {
    commands.push_back(p);
    commands.push_back(0x40 | p);
  }
  for (int command : commands) {
    const auto request = command >= 1 && command <= 9
                             ? PageRequest(static_cast<std::uint8_t>(command), Pattern(command))
                             : Request(static_cast<std::uint8_t>(command));
    const auto reply = controller.HandleRequest(request);
    ASSERT_TRUE(reply.has_value()) << std::hex << command;
    EXPECT_EQ(FrameByte(*reply, 0), command ^ 0x80) << std::hex << command;
    EXPECT_TRUE(ChecksumOk(reply->bytes())) << std::hex << command;
  }
  EXPECT_EQ(controller.counters().requests, 21);
}

TEST(ControllerModel, IgnoresBadChecksumsAndCommandsOutsideTheProtocol) {
  ControllerModel controller;
  auto broken = Request(0x41);
  broken.bytes()[151] ^= 0x01;
  EXPECT_FALSE(controller.HandleRequest(broken).has_value());
  for (int command : {0x0A, 0x4A, 0x7F, 0x31, 0x10, 0x80, 0xC1, 0xB0})
    EXPECT_FALSE(controller.HandleRequest(Request(static_cast<std::uint8_t>(command))).has_value())
        << std::hex << command;
  EXPECT_EQ(controller.counters().invalid_requests, 9);
}

TEST(ControllerModel, ProgrammedPagesAreEchoedAndReadBackAsStored) {
  ControllerModel controller;
  const auto before = controller.image();
  for (int p = 1; p <= 9; ++p) {
    const auto echo =
        controller.HandleRequest(PageRequest(static_cast<std::uint8_t>(p), Pattern(p)));
    ASSERT_TRUE(echo);
    for (int i = 0; i < 150; ++i)
      ASSERT_EQ(FrameByte(*echo, i + 1), Pattern(p)[static_cast<std::size_t>(i)]);
  }
  for (int p = 1; p <= 9; ++p) {
    // A verify request carries the program's copy; the controller answers with its own.
    const auto reply =
        controller.HandleRequest(PageRequest(static_cast<std::uint8_t>(0x40 | p), Pattern(99)));
    ASSERT_TRUE(reply);
    for (int i = 0; i < 150; ++i)
      ASSERT_EQ(FrameByte(*reply, i + 1), Pattern(p)[static_cast<std::size_t>(i)]) << p << " " << i;
    EXPECT_EQ(controller.image().Byte(150 * (p - 1) + 5), Pattern(p)[5]);
  }
  EXPECT_NE(before, controller.image());
}

// Only a finished saving reaches the memory that a power cycle keeps.
TEST(ControllerModel, APowerCycleKeepsWhatTheLastFinishedSavingStored) {
  struct Case {
    const char* name;
    int save_ms;
    int advance_ms;  // after programming page 3, before the power cycle
    bool kept;
  };
  const Case cases[] = {
      {"switched off while saving", 3000, 1500, false},
      {"switched off just before the saving ends", 3000, 2900, false},
      {"switched off after the saving", 3000, 3100, true},
      {"a controller that saves at once", 0, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ControllerConfig config;
    config.save_duration_ms = c.save_ms;
    config.programming_count = 7;
    ControllerModel controller(config);
    const model::ParameterImage before = controller.image();
    std::vector<int> saved_counts;
    controller.set_on_kept([&](const model::ParameterImage& image, int count) {
      EXPECT_EQ(image.Byte(300 + 4), Pattern(3)[4]);
      saved_counts.push_back(count);
    });
    ASSERT_TRUE(controller.HandleRequest(PageRequest(0x03, Pattern(3))));
    controller.Advance(c.advance_ms);
    controller.PowerCycle();
    EXPECT_EQ(controller.saving_counter(), 0);
    EXPECT_EQ(controller.image().Byte(300 + 4), c.kept ? Pattern(3)[4] : before.Byte(304));
    EXPECT_EQ(controller.image() == before, !c.kept);
    EXPECT_EQ(controller.programming_count(), c.kept ? 8 : 7);
    EXPECT_EQ(saved_counts, c.kept ? std::vector<int>{8} : std::vector<int>{});
  }
}

TEST(ControllerModel, HangsUpRightAfterTheVerifyThatFollowsAProgramming) {
  ControllerConfig config;
  config.hang_up_after_verify = true;
  ControllerModel controller(config);
  auto answered = [&](std::uint8_t command) {
    const link::DeviceFrame request = PageRequest(command, Pattern(1));
    controller.Receive(request.bytes());
    return !controller.TakeOutput().empty();
  };
  // A read before any programming is no verify after one.
  for (int p = 1; p <= 9; ++p) ASSERT_TRUE(answered(static_cast<std::uint8_t>(0x40 | p))) << p;
  ASSERT_TRUE(answered(0x41));
  ASSERT_TRUE(answered(0x01));
  for (int p = 1; p <= 9; ++p) ASSERT_TRUE(answered(static_cast<std::uint8_t>(0x40 | p))) << p;
  EXPECT_FALSE(answered(0x41));
  EXPECT_FALSE(answered(0x30));
}

TEST(ControllerModel, ProgrammingPageZeroAnswersTheIdentificationAndStoresNothing) {
  ControllerModel controller;
  const auto image = controller.image();
  const auto reply = controller.HandleRequest(PageRequest(0x00, Pattern(3)));
  ASSERT_TRUE(reply);
  EXPECT_EQ(FrameByte(*reply, 0), 0x80);
  EXPECT_EQ(FrameByte(*reply, 11), 84);  // payload byte 10: protocol version
  EXPECT_EQ(controller.image(), image);
  EXPECT_EQ(controller.saving_counter(), 0);
}

TEST(ControllerModel, FreshControllerCarriesAFullDefaultParameterSet) {
  ControllerModel controller;
  const auto& image = controller.image();
  // Rising rpm axis and non-zero injection times: a set the engine can run on.
  for (int c = 1; c < 15; ++c)
    EXPECT_GT(model::Shown(image, model::FieldId::kRpmJet1A, c),
              model::Shown(image, model::FieldId::kRpmJet1A, c - 1));
  EXPECT_GT(model::Shown(image, model::FieldId::kJet1A, 75), 0);
  const auto monitor = controller.HandleRequest(MonitorRequest());
  ASSERT_TRUE(monitor);
  EXPECT_EQ(FrameByte(*monitor, 3) & 0x40, 0);  // no programmed-data error
  ControllerConfig blank;
  blank.pages = model::ParameterImage{};
  ControllerModel empty(blank);
  EXPECT_NE(FrameByte(*empty.HandleRequest(MonitorRequest()), 3) & 0x40, 0);
}

TEST(ControllerModel, SavingCounterRunsFrom2756ToZeroAfterAProgram) {
  ControllerConfig config;
  config.programming_count = 41;
  config.save_duration_ms = 3000;
  ControllerModel controller(config);
  EXPECT_EQ(FrameWord(*controller.HandleRequest(MonitorRequest()), 148), 0);
  controller.HandleRequest(PageRequest(0x03, Pattern(3)));
  std::vector<int> counts;
  for (int tick = 0; tick < 80; ++tick) {
    const auto frame = controller.HandleRequest(MonitorRequest());
    counts.push_back(FrameWord(*frame, 148));
    if (counts.back() == 0) {
      EXPECT_EQ(FrameWord(*frame, 76), 42);  // the completed save counts as a programming
      break;
    }
    EXPECT_EQ(FrameWord(*frame, 76), 41);
    controller.Advance(55);
  }
  ASSERT_GE(counts.size(), 40u);  // a few seconds of frames
  EXPECT_EQ(counts.front(), 2756);
  EXPECT_EQ(counts.back(), 0);
  for (std::size_t i = 1; i < counts.size(); ++i) EXPECT_LT(counts[i], counts[i - 1]) << i;
}

TEST(ControllerModel, ControllerWithoutSavingTimeNeverReportsSaving) {
  ControllerConfig config;
  config.programming_count = 7;
  config.save_duration_ms = 0;
  ControllerModel controller(config);
  controller.HandleRequest(PageRequest(0x03, Pattern(3)));
  const auto frame = controller.HandleRequest(MonitorRequest());
  EXPECT_EQ(FrameWord(*frame, 148), 0);
  EXPECT_EQ(FrameWord(*frame, 76), 8) << "the programming counts at once";
}

TEST(ControllerModel, ByteStreamCutsFramesAndDropsAnIncompleteOne) {
  ControllerModel controller;
  const auto request = Request(0x41);
  const auto& bytes = request.bytes();
  // A frame in three pieces, then two frames in one write.
  controller.Receive(std::span(bytes.data(), 10));
  controller.Receive(std::span(bytes.data() + 10, 100));
  EXPECT_TRUE(controller.TakeOutput().empty());
  controller.Receive(std::span(bytes.data() + 110, 42));
  std::vector<std::uint8_t> two(bytes.begin(), bytes.end());
  two.insert(two.end(), bytes.begin(), bytes.end());
  controller.Receive(two);
  const auto out = controller.TakeOutput();
  ASSERT_EQ(out.size(), 3u * 152);
  EXPECT_EQ(out[0], 0xC1);
  EXPECT_EQ(out[152], 0xC1);
  // Half a frame followed by silence is forgotten; the next frame is read cleanly.
  controller.Receive(std::span(bytes.data(), 76));
  controller.Advance(55);
  controller.Receive(bytes);
  const auto after = controller.TakeOutput();
  ASSERT_EQ(after.size(), 152u);
  EXPECT_EQ(after[0], 0xC1);
}

TEST(ControllerModel, RecordsOutputTestRequests) {
  ControllerModel controller;
  controller.HandleRequest(MonitorRequest());
  controller.Advance(55);
  controller.HandleRequest(Request(0x30, {{20, 0x01}, {21, 0x02}}));
  controller.Advance(55);
  controller.HandleRequest(Request(0x30, {{23, 0x08}}));
  const auto& tests = controller.output_tests();
  ASSERT_EQ(tests.size(), 2u);
  EXPECT_EQ(tests[0].flags, (std::array<std::uint8_t, 4>{1, 2, 0, 0}));
  EXPECT_EQ(tests[0].time_ms, 55);
  EXPECT_FALSE(tests[0].refused);
  EXPECT_EQ(tests[1].flags, (std::array<std::uint8_t, 4>{0, 0, 0, 8}));
  EXPECT_EQ(tests[1].time_ms, 110);
}

TEST(ControllerModel, RefusesOutputTestsWhileTheMotorcycleMoves) {
  ControllerConfig config;
  config.scenario.kind = ScenarioKind::kRide;
  ControllerModel controller(config);
  testing::RunMs(controller, 3000);
  const auto frame = controller.HandleRequest(Request(0x30, {{22, 0x02}}));
  EXPECT_NE(FrameByte(*frame, 4) & 0x80, 0);  // inhibit flag
  ASSERT_EQ(controller.output_tests().size(), 1u);
  EXPECT_TRUE(controller.output_tests()[0].refused);
}

}  // namespace
}  // namespace morvek::sim
