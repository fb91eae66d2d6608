#include "link/session.h"

#include "session_fixture.h"

namespace morvek::link {
namespace {

using testing::FrameOf;
using testing::SessionFixture;

class ConnectionTest : public SessionFixture {};

TEST_F(ConnectionTest, NoConnectionOnTheSeventhTickThenReopenEvery30WithoutMessages) {
  controller.silent = true;
  session.Start();
  ASSERT_EQ(transport.opened_ports, (std::vector<int>{0}));
  for (int tick = 1; tick <= 6; ++tick) {
    session.Tick();
    EXPECT_FALSE(session.connection().no_connection_visible) << tick;
    EXPECT_TRUE(session.connection().version_visible) << tick;
  }
  session.Tick();  // tick 7
  EXPECT_TRUE(session.connection().no_connection_visible);
  EXPECT_FALSE(session.connection().version_visible);

  // Reopened when 30 ticks without connection have passed: ticks 36 and 66; a failing reopen
  // of the fixed port stays silent.
  transport.all_ports_fail = true;
  Ticks(28);  // tick 35
  EXPECT_EQ(transport.close_count, 0);
  session.Tick();  // tick 36
  EXPECT_EQ(transport.close_count, 1);
  EXPECT_EQ(transport.opened_ports, (std::vector<int>{0, 0}));
  Ticks(30);  // tick 66
  EXPECT_EQ(transport.close_count, 2);
  EXPECT_TRUE(session.TakeMessageBoxes().empty());
  // Monitor requests went out every 6 ticks all along.
  EXPECT_EQ(transport.Codes(), std::vector<int>(11, 0x30));
  EXPECT_EQ(owner.highlights, 66);
}

TEST_F(ConnectionTest, FixedPortThatCannotBeOpenedIsReported) {
  transport.failing_ports = {2, 3};
  session.set_com_port_index(5);
  session.Start();
  EXPECT_TRUE(session.TakeMessageBoxes().empty());
  session.ChoosePort(2);
  EXPECT_EQ(session.connection().label_com, "COM= COM3");
  EXPECT_EQ(session.connection().checked_com_item, 2);
  EXPECT_EQ(session.TakeMessageBoxes(), (std::vector<std::string>{"Com opening error!"}));
  // The system's reason, when it gives one, follows on its own line with the port.
  transport.open_failure = "Permission denied";
  session.ChoosePort(3);
  EXPECT_EQ(session.TakeMessageBoxes(),
            (std::vector<std::string>{"Com opening error!\nCOM4: Permission denied"}));
  session.ChoosePort(2);
  EXPECT_EQ(session.TakeMessageBoxes(),
            (std::vector<std::string>{"Com opening error!\nCOM3: Permission denied"}));
  EXPECT_TRUE(session.TakeMessageBoxes().empty());  // drained
  session.ChoosePort(21);                           // not a menu item
  EXPECT_EQ(session.com_port_index(), 2);
}

TEST_F(ConnectionTest, ScanningMovesOnAtOnceFromAPortThatCannotBeOpened) {
  controller.silent = true;
  transport.all_ports_fail = true;
  session.set_com_port_index(20);
  session.set_com_auto_index(19);
  session.Start();
  EXPECT_EQ(session.connection().label_com, "COM= COM20");
  Ticks(6);
  EXPECT_EQ(transport.opened_ports, (std::vector<int>{19}));
  session.Tick();  // first tick without connection: next port at once
  session.Tick();
  session.Tick();
  EXPECT_EQ(transport.opened_ports, (std::vector<int>{19, 20, 0, 1}));
  EXPECT_EQ(session.com_auto_index(), 1);
  EXPECT_EQ(session.connection().label_com, "COM= COM2");
  EXPECT_TRUE(session.TakeMessageBoxes().empty());
}

TEST_F(ConnectionTest, ScanningStaysOnAPortThatOpensButWaits30Ticks) {
  controller.silent = true;
  transport.failing_ports = {4};
  session.set_com_port_index(20);
  session.set_com_auto_index(4);
  session.Start();
  EXPECT_EQ(session.connection().label_com, "COM= COM5");
  Ticks(7);  // COM5 fails: COM6 at the first tick without connection
  EXPECT_EQ(transport.opened_ports, (std::vector<int>{4, 5}));
  Ticks(29);
  EXPECT_EQ(transport.opened_ports.size(), 2u);
  session.Tick();
  EXPECT_EQ(transport.opened_ports, (std::vector<int>{4, 5, 6}));
}

TEST_F(ConnectionTest, AValidMonitorFrameEndsNoConnectionInTheSameTick) {
  controller.silent = true;
  session.Start();
  Ticks(40);
  ASSERT_TRUE(session.connection().no_connection_visible);
  transport.QueueFrame(FrameOf(0xB0, {{150, 84}}));
  session.Tick();
  EXPECT_FALSE(session.connection().no_connection_visible);
  EXPECT_TRUE(session.connection().version_visible);
  EXPECT_EQ(owner.monitor_frames, 1);
  // A frame with a bad checksum does not count.
  DeviceFrame bad = FrameOf(0xB0);
  bad.bytes()[151] ^= 1;
  Ticks(30);
  ASSERT_TRUE(session.connection().no_connection_visible);
  transport.QueueFrame(bad);
  session.Tick();
  EXPECT_TRUE(session.connection().no_connection_visible);
  EXPECT_EQ(owner.monitor_frames, 1);
}

TEST_F(ConnectionTest, PrintingKeepsNoConnectionHidden) {
  controller.silent = true;
  session.Start();
  session.SetPrinting(true);
  Ticks(10);
  EXPECT_FALSE(session.connection().no_connection_visible);
  session.SetPrinting(false);
  session.Tick();
  EXPECT_TRUE(session.connection().no_connection_visible);
}

TEST_F(ConnectionTest, AnsweredMonitorRequestsKeepTheConnection) {
  session.Start();
  Ticks(200);
  EXPECT_FALSE(session.connection().no_connection_visible);
  EXPECT_EQ(transport.close_count, 0);
  EXPECT_EQ(owner.monitor_frames, 33);  // requests at ticks 6..198, each answered a tick later
}

TEST_F(ConnectionTest, LanguageSwitchWritesPlaceholdersOnlyWhileNoControllerAnswers) {
  using L = MonitorLabel;
  session.Start();
  session.SetLanguage(i18n::Language::kGerman);
  EXPECT_EQ(session.monitor_view().label(L::kLabelMon_Ign).text, "Vorzündung= --- [°]");
  Ticks(7);  // a monitor frame has been decoded, in German
  ASSERT_EQ(owner.monitor_frames, 1);
  const std::string live_text = session.monitor_view().label(L::kLabelMon_Ign).text;
  EXPECT_EQ(live_text, "Vorzündung =  0 °");
  session.SetLanguage(i18n::Language::kEnglish);
  EXPECT_EQ(session.monitor_view().label(L::kLabelMon_Ign).text, live_text);
  controller.silent = true;
  Ticks(30);
  ASSERT_FALSE(session.connected());
  session.SetLanguage(i18n::Language::kEnglish);
  EXPECT_EQ(session.monitor_view().label(L::kLabelMon_Ign).text, "Advance= --- [°]");
}

}  // namespace
}  // namespace morvek::link

namespace morvek::link::testing {
namespace {

using ReplayTest = SessionFixture;

// A replay hands recorded frames in where received ones come in; the controller's frames
// meanwhile keep the connection but no longer reach the display.
TEST_F(ReplayTest, RecordedFramesReachTheDisplayAndTheControllersOnlyKeepTheLink) {
  session.Start();
  Ticks(7);  // the controller's first frame
  ASSERT_EQ(owner.monitor_frames, 1);
  const DeviceFrame recorded = FrameOf(0xB0, {{48, 0x70}, {49, 0x17}, {9, 42}, {150, 84}});
  EXPECT_FALSE(session.ReplayMonitorFrame(recorded)) << "only while a replay runs";

  session.SetReplaying(true);
  EXPECT_TRUE(session.ReplayMonitorFrame(recorded));
  EXPECT_EQ(owner.monitor_frames, 2);
  EXPECT_EQ(session.live_values().rpm, 6000);
  EXPECT_EQ(session.live_values().throttle_percent, 42);
  EXPECT_EQ(session.monitor_view().label(MonitorLabel::kLabelRpm).text, "RPM = 6000 ");
  EXPECT_EQ(session.last_monitor_frame(), recorded);

  Ticks(60);  // ten more controller frames, none shown, and the link stays
  EXPECT_EQ(owner.monitor_frames, 2);
  EXPECT_EQ(session.live_values().rpm, 6000);
  EXPECT_FALSE(session.connection().no_connection_visible);

  DeviceFrame bad = recorded;
  bad.bytes()[151] ^= 1;
  EXPECT_FALSE(session.ReplayMonitorFrame(bad));
  // The next recorded frame's duty is worked out with the engine speed of the one before.
  EXPECT_TRUE(session.ReplayMonitorFrame(FrameOf(0xB0, {{14, 40}, {150, 84}})));
  EXPECT_EQ(session.rpm_before_last_frame(), 6000);
  EXPECT_EQ(session.monitor_view().gauge(MonitorGauge::kCGaugeDuty).value, 20);

  session.SetReplaying(false);
  Ticks(7);
  EXPECT_EQ(owner.monitor_frames, 4);  // the controller's values again
  EXPECT_EQ(session.rpm_before_last_frame(), 0);
}

}  // namespace
}  // namespace morvek::link::testing
