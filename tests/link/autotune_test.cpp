#include "link/autotune.h"

#include "model/field_table.h"
#include "session_fixture.h"

namespace morvek::link {
namespace {

using testing::SessionFixture;

class AutotuneTest : public SessionFixture {
 protected:
  void SetUp() override {
    session.Start();
    // Autotune parameters at image bytes 290..301 (channel at 300).
    for (int b = 290; b <= 301; ++b) image.SetByte(b, static_cast<std::uint8_t>(b - 280));
    image.SetByte(300, 1);
  }
  std::vector<DeviceFrame> MonitorRequests() const {
    std::vector<DeviceFrame> requests;
    for (const DeviceFrame& f : transport.written)
      if (f.code() == 0x30) requests.push_back(f);
    return requests;
  }
};

TEST_F(AutotuneTest, ChannelOneAlternatesItsPagesThenAMonitorRequest) {
  FillControllerPages(40);
  image.SetByte(600, 0x5A);
  session.SetAutotuneOn(true);
  // Cycles start at ticks 6 and 12: the second page request (tick 7) restarts the count.
  Ticks(15);
  EXPECT_EQ(transport.Codes(), (std::vector<int>{0x45, 0x46, 0x30, 0x45, 0x46, 0x30}));
  const DeviceFrame& monitor = transport.written[2];
  EXPECT_EQ(monitor.bytes()[1], 1);
  EXPECT_EQ(monitor.bytes()[12], 1);
  EXPECT_EQ(monitor.bytes()[2], 10);   // TUNING.mode, image byte 290
  EXPECT_EQ(monitor.bytes()[3], 0);    // image byte 291 is not sent
  EXPECT_EQ(monitor.bytes()[13], 21);  // TUNING.max_acc, image byte 301
  // The autotune requests carry the image's copy of the page.
  EXPECT_EQ(transport.written[0].payload(0), 0x5A);
  // Words 300..449 (pages 5 and 6) follow the controller; page 7 does not.
  for (int b = 600; b < 900; ++b)
    ASSERT_EQ(image.Byte(b), static_cast<std::uint8_t>(b * 13 + 40)) << b;
  EXPECT_NE(image.Byte(900), static_cast<std::uint8_t>(900 * 13 + 40));
  EXPECT_EQ(owner.Count("Refresh"), 2);
  EXPECT_EQ(owner.Count("PagesArrived"), 4);
  EXPECT_EQ(owner.monitor_frames, 2);  // the labels still update once per cycle
}

TEST_F(AutotuneTest, ChannelTwoUsesPagesSevenAndEight) {
  image.SetByte(300, 2);
  session.SetAutotuneOn(true);
  Ticks(8);
  EXPECT_EQ(transport.Codes(), (std::vector<int>{0x47, 0x48, 0x30}));
}

TEST_F(AutotuneTest, ChannelBeyondTheImageNeverCompletesACycle) {
  image.SetByte(300, 3);  // pages 9 and 10: page 10 is never answered
  session.SetAutotuneOn(true);
  Ticks(13);
  EXPECT_EQ(transport.Codes(), (std::vector<int>{0x49, 0x4A, 0x49, 0x4A}));  // no monitor request
}

TEST_F(AutotuneTest, LostReplyRestartsTheCycleSixTicksLater) {
  controller.silent = true;
  session.SetAutotuneOn(true);
  Ticks(18);
  EXPECT_EQ(transport.Codes(), (std::vector<int>{0x45, 0x45, 0x45}));
}

TEST_F(AutotuneTest, SwitchingOffSendsAPlainMonitorRequest) {
  session.SetAutotuneOn(true);
  Ticks(8);
  session.SetAutotuneOn(false);
  Ticks(12);
  const std::vector<DeviceFrame> monitors = MonitorRequests();
  ASSERT_EQ(monitors.size(), 3u);
  for (int k = 1; k <= 13; ++k)
    EXPECT_EQ(monitors.back().bytes()[static_cast<std::size_t>(k)], 0) << k;
  EXPECT_EQ(monitors.back().bytes()[151], 0xCF);
}

TEST_F(AutotuneTest, TransactionSuspendsTheCycle) {
  session.SetAutotuneOn(true);
  Ticks(9);  // one full cycle
  flags.Set(3);
  session.StartProgramming();
  const std::size_t before = transport.written.size();
  ASSERT_GE(RunTransaction(), 0);
  ASSERT_EQ(session.status_line().text, "Program device: OK");
  // The program: its page, monitor requests without autotune while the controller saves, and
  // the page's verify; no autotune request comes between.
  const std::vector<int> codes = transport.Codes();
  ASSERT_EQ(codes.front(), 0x45);
  EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + 3),
            (std::vector<int>{0x45, 0x46, 0x30}));
  EXPECT_EQ(codes[before], 0x03);
  EXPECT_EQ(codes.back(), 0x43);
  for (std::size_t i = before + 1; i + 1 < codes.size(); ++i) {
    EXPECT_EQ(codes[i], 0x30) << i;
    EXPECT_EQ(transport.written[i].bytes()[1], 0) << "autotune stays off while saving";
  }
  const std::size_t after = transport.written.size();
  Ticks(6);
  const std::vector<int> later = transport.Codes();
  EXPECT_EQ(std::vector<int>(later.begin() + static_cast<long>(after), later.end()),
            (std::vector<int>{0x45, 0x46, 0x30}));
}

TEST_F(AutotuneTest, AReplyToACycleCutShortByATransactionIsNotTakenAfterIt) {
  // A cycle asks for page 5 and gets no answer; the user then verifies.
  controller.silent = true;
  session.SetAutotuneOn(true);
  Ticks(6);
  ASSERT_EQ(transport.Codes(), (std::vector<int>{0x45}));
  session.SetAutotuneOn(false);
  controller.silent = false;
  FillControllerPages(40);
  for (int p = 1; p <= 4; ++p)
    for (int k = 0; k < 150; ++k)
      image.SetByte(150 * (p - 1) + k,
                    controller.pages[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)]);
  session.Verify();  // page 5 differs: the verify fails there
  ASSERT_GE(RunTransaction(), 0);
  ASSERT_EQ(session.status_line().text, "Verify error!");
  const model::ParameterImage after_verify = image;
  const std::size_t written = transport.written.size();

  // The controller's page 5 arrives late: it answers nothing the program still waits for.
  DeviceFrame late = DeviceFrame::Make(0xC5, controller.pages[5]);
  transport.QueueFrame(late);
  Ticks(2);
  EXPECT_EQ(image, after_verify);  // the tune on screen is not replaced
  for (std::size_t i = written; i < transport.written.size(); ++i)
    EXPECT_EQ(transport.written[i].code(), 0x30);  // no autotune request while tuning is off
}

class OutputTestsTest : public AutotuneTest {};

TEST_F(OutputTestsTest, EachPressTravelsInExactlyOneMonitorRequest) {
  Ticks(6);
  session.PressOutputTest(OutputTest::kServoExMinus);
  Ticks(12);
  std::vector<DeviceFrame> monitors = MonitorRequests();
  ASSERT_EQ(monitors.size(), 3u);
  EXPECT_EQ(monitors[1].bytes()[23], 8);
  EXPECT_EQ(monitors[2].bytes()[23], 0);
  EXPECT_TRUE(monitors[1].IsValid());
}

TEST_F(OutputTestsTest, PressesBetweenTwoRequestsCombine) {
  EXPECT_TRUE(session.PressOutputTestButton("ButtonTestJet1A"));
  EXPECT_TRUE(session.PressOutputTestButton("ButtonTestIgn2"));
  EXPECT_TRUE(session.PressOutputTestButton("ButtonTestIgn2"));  // twice: one bit
  EXPECT_FALSE(session.PressOutputTestButton("ButtonRead"));     // not a test button
  Ticks(6);
  const DeviceFrame request = MonitorRequests().at(0);
  EXPECT_EQ(request.bytes()[20], 1);
  EXPECT_EQ(request.bytes()[21], 2);
  EXPECT_EQ(request.bytes()[22], 0);
  EXPECT_EQ(request.bytes()[23], 0);
}

TEST_F(OutputTestsTest, EveryButtonHasItsBit) {
  struct Case {
    const char* name;
    int byte, value;
  } cases[] = {{"ButtonTestJet4B", 20, 0x80},       {"ButtonTestIgn4", 21, 0x08},
               {"ButtonTestPilotLight", 22, 0x01},  {"ButtonTestRpm", 22, 0x10},
               {"ButtonTestServoInPlus", 23, 0x01}, {"ButtonTestServoExMinus", 23, 0x08}};
  for (const Case& c : cases) {
    OutputTestFlags flags;
    ASSERT_TRUE(flags.PressButton(c.name));
    const OutputTestFlags::Bytes bytes = flags.Take();
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(bytes[static_cast<std::size_t>(k)], k == c.byte - 20 ? c.value : 0) << c.name;
    EXPECT_EQ(flags.pending(), (OutputTestFlags::Bytes{0, 0, 0, 0}));
  }
  OutputTestFlags all_injectors;
  for (const char* name :
       {"ButtonTestJet1A", "ButtonTestJet2A", "ButtonTestJet3A", "ButtonTestJet4A",
        "ButtonTestJet1B", "ButtonTestJet2B", "ButtonTestJet3B", "ButtonTestJet4B"})
    all_injectors.PressButton(name);
  EXPECT_EQ(all_injectors.Take()[0], 255);
}

TEST_F(OutputTestsTest, PressDuringATransactionWaitsForTheFirstMonitorRequestAfterIt) {
  FillImage(3);
  session.Program();
  session.PressOutputTest(OutputTest::kGas);
  EXPECT_GE(RunTransaction(), 0);
  // The saving is watched with monitor requests that fire nothing.
  const std::size_t during = MonitorRequests().size();
  EXPECT_GT(during, 0u);
  for (const DeviceFrame& m : MonitorRequests()) EXPECT_EQ(m.bytes()[22], 0);
  Ticks(30);
  const std::vector<DeviceFrame> monitors = MonitorRequests();
  ASSERT_GE(monitors.size(), during + 2);
  EXPECT_EQ(monitors[during].bytes()[22], 0x08);
  for (std::size_t i = during + 1; i < monitors.size(); ++i) EXPECT_EQ(monitors[i].bytes()[22], 0);
}

TEST_F(OutputTestsTest, WithAutotuneOnThePressWaitsForTheCyclesMonitorRequest) {
  session.SetAutotuneOn(true);
  session.PressOutputTest(OutputTest::kFuelPump);
  Ticks(7);  // first page requested and answered
  EXPECT_EQ(session.pending_output_tests()[2], 0x02);
  Ticks(1);  // second page answered: the monitor request goes out
  const std::vector<DeviceFrame> monitors = MonitorRequests();
  ASSERT_EQ(monitors.size(), 1u);
  EXPECT_EQ(monitors[0].bytes()[22], 0x02);
  EXPECT_EQ(session.pending_output_tests()[2], 0);
}

}  // namespace
}  // namespace morvek::link
