#include "serial/serial_transport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <vector>

#include "pty_peer.h"

namespace morvek::serial {
namespace {

// Waits until the transport reports at least `want` bytes (the pty hands them over a little
// later than the write returns).
int WaitForBytes(SerialTransport& t, int want) {
  int n = 0;
  for (int i = 0; i < 200 && (n = t.BytesWaiting()) < want; ++i) usleep(5000);
  return n;
}

class SerialTransportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(peer.ok());
    directory.Bind(3, peer.path());
  }
  PtyPeer peer;
  PortDirectory directory;
};

TEST_F(SerialTransportTest, OpensTheBoundDeviceOnly) {
  SerialTransport t(directory);
  EXPECT_FALSE(t.Open(0)) << "COM1 has no device";
  EXPECT_FALSE(t.IsOpen());
  EXPECT_TRUE(t.Open(2));
  EXPECT_TRUE(t.IsOpen());
  EXPECT_EQ(t.DeviceName(2), peer.path());
}

TEST_F(SerialTransportTest, AnAdapterPluggedInAfterStartUpIsFoundByTheNextOpen) {
  PortDirectory system;  // no bindings: the system's device list alone
  std::vector<SystemPort> plugged;
  int scans = 0;
  system.SetSystemPortSource([&] {
    ++scans;
    return plugged;
  });
  SerialTransport t(system);
  EXPECT_FALSE(t.Open(0)) << "nothing plugged in yet";
  plugged = {{"/dev/ttyS0", false}, {peer.path(), true}};  // the adapter comes first
  EXPECT_TRUE(t.Open(0));
  EXPECT_EQ(t.DeviceName(0), peer.path());
  t.Close();
  plugged = {{"/dev/ttyS0", false}};  // and is pulled out again
  EXPECT_FALSE(t.Open(1));
  EXPECT_EQ(t.DeviceName(0), "/dev/ttyS0");
  EXPECT_EQ(scans, 4);  // once when the source was given, then once per open
}

TEST_F(SerialTransportTest, SecondOpenOfTheSameDeviceIsRefused) {
  SerialTransport first(directory);
  SerialTransport second(directory);
  ASSERT_TRUE(first.Open(2));
  EXPECT_FALSE(second.Open(2));
}

TEST_F(SerialTransportTest, FrameTravelsBothWays) {
  SerialTransport t(directory);
  ASSERT_TRUE(t.Open(2));
  std::vector<std::uint8_t> payload(150, 0x5A);
  t.Write(link::DeviceFrame::Make(0x41, payload));
  const auto got = peer.Receive(152);
  ASSERT_EQ(got.size(), 152u);
  EXPECT_EQ(got[0], 0x41);
  EXPECT_EQ(got[1], 0x5A);

  std::vector<std::uint8_t> reply(151, 0x11);
  peer.Send(reply);
  EXPECT_EQ(WaitForBytes(t, 151), 151);
  peer.Send({0x22});
  EXPECT_EQ(WaitForBytes(t, 152), 152);
  const auto read = t.Read(15000);
  ASSERT_EQ(read.size(), 152u);
  EXPECT_EQ(read[150], 0x11);
  EXPECT_EQ(read[151], 0x22);
  EXPECT_EQ(t.BytesWaiting(), 0);
}

TEST_F(SerialTransportTest, VanishedDeviceClosesThePortWithoutHanging) {
  SerialTransport t(directory);
  ASSERT_TRUE(t.Open(2));
  peer.Hangup();
  for (int i = 0; i < 50 && t.IsOpen(); ++i) {
    t.BytesWaiting();
    usleep(2000);
  }
  EXPECT_EQ(t.BytesWaiting(), 0);
  EXPECT_TRUE(t.Read(152).empty());
  t.Write(link::DeviceFrame::Make(0x30));  // must not block or crash
  EXPECT_FALSE(t.IsOpen());
}

}  // namespace
}  // namespace morvek::serial

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
