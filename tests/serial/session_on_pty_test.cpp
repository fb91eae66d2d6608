// The session's receive rule on a real pseudo-terminal: a frame is taken in only when all of
// its 152 bytes are waiting.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <vector>

#include "link/session.h"
#include "link/session_owner.h"
#include "model/parameter_image.h"
#include "serial/serial_transport.h"

namespace morvek::serial {
namespace {

class CountingOwner : public link::SessionOwner {
 public:
  void CollectActivePage() override {}
  void RunLimitsPass() override {}
  void RefreshActivePage() override {}
  void PagesArrived() override {}
  void ClearCurrentFileName() override {}
  void MonitorFrameDecoded() override { ++frames; }
  void UpdateLiveHighlight() override {}
  int frames = 0;
};

TEST(SessionOnPty, FrameIsTakenInOnlyWhenComplete) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  termios t{};
  tcgetattr(master, &t);
  cfmakeraw(&t);
  tcsetattr(master, TCSANOW, &t);

  PortDirectory directory;
  directory.Bind(1, ptsname(master));
  SerialTransport transport(directory);
  model::ParameterImage image;
  model::PageProgramFlags flags;
  CountingOwner owner;
  link::Session session(transport, image, flags, owner);
  session.Start();
  ASSERT_TRUE(transport.IsOpen());

  std::vector<std::uint8_t> payload(150, 0);
  payload[149] = 84;  // the controller's protocol version
  const link::DeviceFrame frame = link::DeviceFrame::Make(0xB0, payload);
  const auto& bytes = frame.bytes();
  ASSERT_EQ(write(master, bytes.data(), 151), 151);
  usleep(20000);
  for (int i = 0; i < 3; ++i) session.Tick();
  EXPECT_EQ(owner.frames, 0) << "151 bytes are left waiting";
  EXPECT_EQ(transport.BytesWaiting(), 151);

  ASSERT_EQ(write(master, bytes.data() + 151, 1), 1);
  usleep(20000);
  session.Tick();
  EXPECT_EQ(owner.frames, 1);
  EXPECT_EQ(transport.BytesWaiting(), 0);
  EXPECT_EQ(session.live_values().controller_version, 84);
  session.Stop();
  close(master);
}

}  // namespace
}  // namespace morvek::serial
