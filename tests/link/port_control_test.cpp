#include "link/port_control.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <vector>

#include "fakes.h"

namespace morvek::link {
namespace {

using testing::FakeTransport;
using testing::FrameOf;

TEST(PortControl, PortNumberAndLabel) {
  struct Case {
    int port_index, auto_index, transport_port;
    const char* label;
  } cases[] = {
      {2, 7, 2, "COM= COM3"},     // fixed port: ComPortIndex
      {19, 0, 19, "COM= COM20"},  // the last fixed port
      {20, 4, 4, "COM= COM5"},    // scanning follows ComAutoIndex
      {20, 20, 20, "COM= COM21"},
  };
  for (const Case& c : cases) {
    FakeTransport transport;
    PortControl port(transport);
    port.set_com_port_index(c.port_index);
    port.set_com_auto_index(c.auto_index);
    const OpenOutcome outcome = port.OpenPort();
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(transport.opened_ports.back(), c.transport_port);
    EXPECT_EQ(port.label_com(), c.label);
    EXPECT_EQ(port.checked_item(), c.port_index);
  }
}

TEST(PortControl, FailedOpenIsReportedOnlyForAFixedPortWithoutSuppression) {
  struct Case {
    int port_index;
    bool suppress, report, skip;
  } cases[] = {
      {2, false, true, false},
      {2, true, false, false},   // automatic reopen: silent
      {20, false, false, true},  // scanning: silent, and on to the next port at once
      {20, true, false, true},
  };
  for (const Case& c : cases) {
    FakeTransport transport;
    transport.all_ports_fail = true;
    PortControl port(transport);
    port.set_com_port_index(c.port_index);
    port.set_suppress_open_message(c.suppress);
    const OpenOutcome outcome = port.OpenPort();
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(outcome.report_failure, c.report) << c.port_index << c.suppress;
    EXPECT_EQ(outcome.skip_to_next_port, c.skip) << c.port_index << c.suppress;
    EXPECT_EQ(port.label_com(), c.port_index == 20 ? "COM= COM1" : "COM= COM3");
  }
}

TEST(PortControl, OutOfRangeSettingsSelectComOne) {
  FakeTransport transport;
  PortControl port(transport);
  port.set_com_port_index(57);
  port.set_com_auto_index(-3);
  EXPECT_EQ(port.com_port_index(), 0);
  EXPECT_EQ(port.com_auto_index(), 0);
}

TEST(PortControl, ScanIndexWrapsAfterCom21) {
  FakeTransport transport;
  PortControl port(transport);
  port.set_com_auto_index(19);
  port.AdvanceAutoIndex();
  EXPECT_EQ(port.com_auto_index(), 20);
  port.AdvanceAutoIndex();
  EXPECT_EQ(port.com_auto_index(), 0);
}

TEST(PortControl, CloseOnlyAfterAnOpenAttempt) {
  FakeTransport transport;
  PortControl port(transport);
  port.ClosePort();
  EXPECT_EQ(transport.close_count, 0);
  transport.all_ports_fail = true;
  port.OpenPort();
  port.ClosePort();  // also after a failed open
  EXPECT_EQ(transport.close_count, 1);
}

TEST(PortControl, ReceiveWaitsForAWholeFrame) {
  FakeTransport transport;
  PortControl port(transport);
  const DeviceFrame frame = FrameOf(0xB0, {{9, 42}});
  std::vector<std::uint8_t> bytes(frame.bytes().begin(), frame.bytes().end());
  transport.Queue(std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1));
  EXPECT_FALSE(port.ReceiveFrame().has_value());
  EXPECT_EQ(transport.incoming.size(), 151u);  // nothing read
  EXPECT_TRUE(transport.read_sizes.empty());
  transport.Queue({bytes.back()});
  const auto received = port.ReceiveFrame();
  ASSERT_TRUE(received.has_value());
  EXPECT_EQ(*received, frame);
  EXPECT_TRUE(transport.incoming.empty());
}

std::vector<std::uint8_t> BytesOf(const DeviceFrame& frame, int from = 0, int to = kFrameSize) {
  return std::vector<std::uint8_t>(frame.bytes().begin() + from, frame.bytes().begin() + to);
}

std::vector<std::uint8_t> Joined(std::initializer_list<std::vector<std::uint8_t>> pieces) {
  std::vector<std::uint8_t> bytes;
  for (const auto& piece : pieces) bytes.insert(bytes.end(), piece.begin(), piece.end());
  return bytes;
}

// Whatever waits is consumed in one read; it is a frame only when it is one frame or copies
// of one, because where two replies meet no one can tell where either begins.
TEST(PortControl, WaitingBytesCountAsAFrameOnlyWhenTheyAreOneFrameOrCopiesOfIt) {
  const DeviceFrame page = FrameOf(0xC5, {{5, 1}, {77, 200}});
  const DeviceFrame next = FrameOf(0xC6, {{5, 2}});
  const DeviceFrame monitor = FrameOf(0xB0, {{9, 42}});
  struct Case {
    const char* what;
    std::vector<std::uint8_t> waiting;
    std::optional<DeviceFrame> expected;
  } cases[] = {
      {"one frame", BytesOf(page), page},
      {"a reply and a late copy of it", Joined({BytesOf(page), BytesOf(page)}), page},
      {"three copies", Joined({BytesOf(monitor), BytesOf(monitor), BytesOf(monitor)}), monitor},
      {"two different replies", Joined({BytesOf(page), BytesOf(next)}), std::nullopt},
      {"a copy and another reply", Joined({BytesOf(page), BytesOf(page), BytesOf(next)}),
       std::nullopt},
      // The head of the next reply, then a late copy of the last one: the first 152 bytes join
      // two replies.
      {"a head and an old reply", Joined({BytesOf(next, 0, 105), BytesOf(page)}), std::nullopt},
      {"a whole reply and a piece", Joined({BytesOf(page), BytesOf(next, 0, 40)}), std::nullopt},
      {"a tail and a whole reply", Joined({BytesOf(page, 110), BytesOf(next)}), std::nullopt},
  };
  for (const Case& c : cases) {
    FakeTransport transport;
    PortControl port(transport);
    transport.Queue(c.waiting);
    EXPECT_EQ(port.ReceiveFrame(), c.expected) << c.what;
    EXPECT_TRUE(transport.incoming.empty()) << c.what;
  }
}

TEST(PortControl, OverflowIsReadAndDroppedInSlicesOf15000) {
  FakeTransport transport;
  PortControl port(transport);
  transport.Queue(std::vector<std::uint8_t>(15000 + 200, 0xB0));
  EXPECT_FALSE(port.ReceiveFrame().has_value());
  EXPECT_EQ(transport.read_sizes.back(), 15000);
  EXPECT_EQ(transport.incoming.size(), 200u);
  EXPECT_FALSE(port.ReceiveFrame().has_value());
  EXPECT_TRUE(transport.incoming.empty());
}

TEST(PortControl, DiscardingEmptiesThePortInSlices) {
  FakeTransport transport;
  transport.Queue(std::vector<std::uint8_t>(15000 + 7, 0xC1));
  DiscardWaitingBytes(transport);
  EXPECT_TRUE(transport.incoming.empty());
  EXPECT_EQ(transport.read_sizes, (std::vector<int>{15000, 7}));
  DiscardWaitingBytes(transport);  // nothing waits: nothing is read
  EXPECT_EQ(transport.read_sizes.size(), 2u);
}

// A device that sends without pause: what arrives during the discarding is left for the
// receiver, or the request would never go out.
TEST(PortControl, DiscardingStopsAtWhatWaitedWhenItBegan) {
  class Babbling : public FakeTransport {
   public:
    std::vector<std::uint8_t> Read(int max_bytes) override {
      auto bytes = FakeTransport::Read(max_bytes);
      Queue(std::vector<std::uint8_t>(100, 0x55));
      return bytes;
    }
  } transport;
  transport.Queue(std::vector<std::uint8_t>(15000 + 7, 0xC1));
  DiscardWaitingBytes(transport);
  EXPECT_EQ(transport.read_sizes, (std::vector<int>{15000, 7}));
  EXPECT_EQ(transport.incoming, std::vector<std::uint8_t>(200, 0x55));
}

}  // namespace
}  // namespace morvek::link
