#include "serial/serial_transport.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <vector>

namespace morvek::serial {
namespace {

// The far end of a pseudo-terminal, standing in for a controller on a cable.
class PtyPeer {
 public:
  PtyPeer() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    path_ = ptsname(master_);
    termios t{};
    tcgetattr(master_, &t);
    cfmakeraw(&t);
    tcsetattr(master_, TCSANOW, &t);
  }
  ~PtyPeer() { Hangup(); }
  bool ok() const { return master_ >= 0 && !path_.empty(); }
  const std::string& path() const { return path_; }
  void Send(const std::vector<std::uint8_t>& bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  std::vector<std::uint8_t> Receive(std::size_t want) {
    std::vector<std::uint8_t> got;
    while (got.size() < want) {
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, 2000) <= 0) break;
      std::uint8_t buf[512];
      const ssize_t n = read(master_, buf, sizeof buf);
      if (n <= 0) break;
      got.insert(got.end(), buf, buf + n);
    }
    return got;
  }
  void Hangup() {
    if (master_ >= 0) close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  std::string path_;
};

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
