#include "sim/fault_injector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "sim/controller_model.h"
#include "sim/in_memory_transport.h"
#include "sim_test_util.h"

namespace morvek::sim {
namespace {

using testing::ChecksumOk;

std::vector<FaultKind> Kinds(FaultConfig config, int n) {
  FaultInjector injector(config);
  std::vector<FaultKind> kinds;
  for (int i = 0; i < n; ++i) kinds.push_back(injector.Decide(i % 2 == 0).kind);
  return kinds;
}

TEST(FaultInjector, SameSeedSameFaultsOtherSeedOtherFaults) {
  FaultConfig config;
  config.corrupt_percent = 10;
  config.drop_percent = 10;
  config.late_percent = 10;
  config.late_ticks = 2;
  config.wrong_version_percent = 10;
  config.seed = 7;
  const auto first = Kinds(config, 500);
  EXPECT_EQ(first, Kinds(config, 500));
  config.seed = 8;
  EXPECT_NE(first, Kinds(config, 500));
  // Reset restarts the sequence.
  FaultInjector injector(config);
  const FaultKind a = injector.Decide(true).kind;
  injector.Decide(true);
  injector.Reset(config);
  EXPECT_EQ(injector.Decide(true).kind, a);
}

TEST(FaultInjector, ProducesEachKindAtRoughlyItsRate) {
  FaultConfig config;
  config.seed = 2026;
  config.corrupt_percent = 10;
  config.drop_percent = 10;
  config.late_percent = 10;
  config.late_ticks = 3;
  config.wrong_version_percent = 10;
  FaultInjector injector(config);
  std::map<FaultKind, int> counts;
  for (int i = 0; i < 4000; ++i) {
    const FaultDecision d = injector.Decide(true);
    ++counts[d.kind];
    if (d.kind == FaultKind::kLate) {
      EXPECT_EQ(d.late_ticks, 3);
    }
    if (d.kind == FaultKind::kCorrupt) {
      EXPECT_GE(d.corrupt_byte, 0);
      EXPECT_LT(d.corrupt_byte, 152);
    }
  }
  // Drop is drawn first (10 %), corruption of the rest (9 %), then version (8.1 %), late.
  EXPECT_NEAR(counts[FaultKind::kDrop], 400, 80);
  EXPECT_NEAR(counts[FaultKind::kCorrupt], 360, 80);
  EXPECT_NEAR(counts[FaultKind::kWrongVersion], 324, 80);
  EXPECT_NEAR(counts[FaultKind::kLate], 292, 80);
  // Replies without a version never get a wrong one.
  FaultInjector no_version(config);
  for (int i = 0; i < 1000; ++i) EXPECT_NE(no_version.Decide(false).kind, FaultKind::kWrongVersion);
}

// Doubling draws on bits no other fault uses: the same seed keeps every other fate.
TEST(FaultInjector, DoublingKeepsTheOtherFaultsWhereTheyWere) {
  FaultConfig plain;
  plain.seed = 77;
  plain.drop_percent = 10;
  plain.corrupt_percent = 10;
  plain.late_percent = 10;
  plain.late_ticks = 2;
  FaultConfig doubling = plain;
  doubling.double_percent = 10;
  FaultInjector a(plain), b(doubling);
  int copies = 0;
  std::set<int> delays;
  for (int i = 0; i < 4000; ++i) {
    const FaultDecision x = a.Decide(true), y = b.Decide(true);
    ASSERT_EQ(x.kind, y.kind) << i;
    EXPECT_EQ(x.copy_after_ticks, -1);
    if (y.copy_after_ticks < 0) continue;
    EXPECT_NE(y.kind, FaultKind::kDrop) << "a dropped reply has no copy";
    ++copies;
    delays.insert(y.copy_after_ticks);
  }
  EXPECT_NEAR(copies, 360, 80);  // 10 % of the 90 % not dropped
  EXPECT_EQ(delays, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(FaultInjector, ADoubledReplyReachesThePortTwice) {
  ControllerConfig config;
  config.faults.double_percent = 100;
  ControllerModel controller(config);
  InMemoryTransport port(controller, 1);
  ASSERT_TRUE(port.Open(0));
  port.Write(testing::Request(0x41));
  std::vector<std::uint8_t> received;
  for (int tick = 0; tick < 12; ++tick) {
    port.Advance();
    const auto bytes = port.Read(15000);
    received.insert(received.end(), bytes.begin(), bytes.end());
  }
  ASSERT_EQ(received.size(), 304u);
  EXPECT_TRUE(std::equal(received.begin(), received.begin() + 152, received.begin() + 152));
  EXPECT_EQ(received[0], 0xC1);
  EXPECT_EQ(controller.counters().doubled, 1);
  EXPECT_EQ(controller.counters().replies, 1);
}

// Each fault as the program's port sees it.
TEST(FaultInjector, EachFaultOnTheWire) {
  struct Case {
    const char* name;
    FaultConfig faults;
    std::uint8_t command;
    int ticks_to_reply;  // -1: no reply at all
    bool checksum_ok;
    int version;  // expected version byte in the reply, -1 when not checked
  };
  FaultConfig none;
  FaultConfig corrupt;
  corrupt.corrupt_percent = 100;
  FaultConfig drop;
  drop.drop_percent = 100;
  FaultConfig late;
  late.late_percent = 100;
  late.late_ticks = 4;
  FaultConfig version;
  version.wrong_version_percent = 100;
  version.wrong_version = 83;
  FaultConfig silent;
  silent.silent = true;
  const Case cases[] = {
      {"none", none, 0x41, 1, true, -1},
      {"corrupt", corrupt, 0x41, 1, false, -1},
      {"drop", drop, 0x41, -1, false, -1},
      {"late", late, 0x41, 5, true, -1},
      {"wrong version, page 0", version, 0x40, 1, true, 83},
      {"wrong version, monitor", version, 0x30, 1, true, 83},
      {"wrong version spares other pages", version, 0x41, 1, true, -1},
      {"monitor without faults", none, 0x30, 1, true, -1},
      {"silent", silent, 0x30, -1, false, -1},
  };
  for (const Case& c : cases) {
    ControllerConfig config;
    config.faults = c.faults;
    ControllerModel controller(config);
    InMemoryTransport port(controller, 1);
    ASSERT_TRUE(port.Open(0));
    port.Write(testing::Request(c.command));
    int ticks = 0;
    while (port.BytesWaiting() < 152 && ticks < 20) {
      port.Advance();
      ++ticks;
    }
    if (c.ticks_to_reply < 0) {
      EXPECT_EQ(port.BytesWaiting(), 0) << c.name;
      continue;
    }
    EXPECT_EQ(ticks, c.ticks_to_reply) << c.name;
    const auto bytes = port.Read(152);
    ASSERT_EQ(bytes.size(), 152u) << c.name;
    link::DeviceFrame::Bytes raw{};
    std::copy(bytes.begin(), bytes.end(), raw.begin());
    EXPECT_EQ(ChecksumOk(raw), c.checksum_ok) << c.name;
    if (c.version >= 0) {
      EXPECT_EQ(c.command == 0x30 ? raw[150] : raw[11], c.version) << c.name;
    } else if (c.checksum_ok) {
      EXPECT_EQ(raw[0], c.command ^ 0x80) << c.name;
      if (c.command == 0x30) {
        EXPECT_EQ(raw[150], 84) << c.name;
      }
    }
  }
}

TEST(FaultInjector, SilenceCanBeSwitchedAtRunTime) {
  ControllerModel controller;
  controller.SetSilent(true);
  EXPECT_TRUE(controller.HandleRequest(testing::Request(0x30)));  // the frame level has no faults
  controller.Receive(testing::Request(0x30).bytes());
  EXPECT_TRUE(controller.TakeOutput().empty());
  controller.SetSilent(false);
  controller.Receive(testing::Request(0x30).bytes());
  EXPECT_EQ(controller.TakeOutput().size(), 152u);
  EXPECT_EQ(controller.counters().silenced, 1);
}

TEST(FaultInjector, ControllerFallsSilentForGoodAfterItsLastPageReply) {
  ControllerConfig config;
  config.faults.silent_after_page_replies = 2;
  ControllerModel controller(config);
  auto replies_to = [&](std::uint8_t command) {
    controller.Receive(testing::Request(command).bytes());
    return controller.TakeOutput().size() / 152;
  };
  EXPECT_EQ(replies_to(0x41), 1u);
  EXPECT_EQ(replies_to(0x30), 1u) << "monitor replies do not count";
  EXPECT_EQ(replies_to(0x42), 1u) << "the last page reply still leaves";
  EXPECT_TRUE(controller.faults().silent);
  EXPECT_EQ(replies_to(0x30), 0u);
  EXPECT_EQ(replies_to(0x43), 0u);
}

}  // namespace
}  // namespace morvek::sim
