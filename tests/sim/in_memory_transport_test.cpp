#include "sim/in_memory_transport.h"

#include <gtest/gtest.h>

#include "sim/controller_model.h"
#include "sim_test_util.h"

namespace morvek::sim {
namespace {

int TicksUntilReply(InMemoryTransport& port) {
  int ticks = 0;
  while (port.BytesWaiting() < 152 && ticks < 50) {
    port.Advance();
    ++ticks;
  }
  return ticks;
}

TEST(InMemoryTransport, RepliesArriveAfterTheConfiguredLatency) {
  for (int latency : {0, 1, 3}) {
    ControllerModel controller;
    InMemoryTransport port(controller, latency);
    ASSERT_TRUE(port.Open(4));
    port.Write(testing::Request(0x45));
    EXPECT_EQ(TicksUntilReply(port), latency) << latency;
    const auto bytes = port.Read(15000);
    ASSERT_EQ(bytes.size(), 152u);
    EXPECT_EQ(bytes[0], 0xC5);
    EXPECT_EQ(port.BytesWaiting(), 0);
  }
}

TEST(InMemoryTransport, TimePassesForTheControllerTickByTick) {
  ControllerModel controller;
  InMemoryTransport port(controller, 1, 55);
  for (int i = 0; i < 10; ++i) port.Advance();
  EXPECT_EQ(port.tick(), 10);
  EXPECT_EQ(controller.now_ms(), 550);
}

TEST(InMemoryTransport, OnlyTheControllersPortAnswersAndClosingPurges) {
  ControllerModel controller;
  InMemoryTransport port(controller, 1);
  port.set_controller_port(2);
  port.set_missing_ports({7});
  EXPECT_FALSE(port.Open(7));
  EXPECT_FALSE(port.IsOpen());
  ASSERT_TRUE(port.Open(1));
  port.Write(testing::Request(0x30));
  EXPECT_EQ(TicksUntilReply(port), 50);  // a free port: nobody answers
  ASSERT_TRUE(port.Open(2));
  EXPECT_EQ(port.DeviceName(2), "simulated controller");
  EXPECT_EQ(port.DeviceName(1), "");
  port.Write(testing::Request(0x30));
  port.Close();
  port.Advance();
  EXPECT_EQ(port.BytesWaiting(), 0);
  port.Write(testing::Request(0x30));  // closed: nothing is sent
  EXPECT_EQ(port.sent().size(), 2u);
  EXPECT_EQ(port.open_count(), 2);
}

TEST(InMemoryTransport, PartialReadsKeepTheRest) {
  ControllerModel controller;
  InMemoryTransport port(controller, 0);
  port.Open(0);
  port.Write(testing::Request(0x41));
  port.Write(testing::Request(0x42));
  EXPECT_EQ(port.BytesWaiting(), 304);
  EXPECT_EQ(port.Read(100).size(), 100u);
  const auto rest = port.Read(15000);
  ASSERT_EQ(rest.size(), 204u);
  EXPECT_EQ(rest[52], 0xC2);
}

}  // namespace
}  // namespace morvek::sim
