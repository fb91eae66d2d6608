// The session's receive rule on a real pseudo-terminal: a frame is taken in only when all of
// its 152 bytes are waiting.
#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

#include "link/session.h"
#include "link/session_owner.h"
#include "model/parameter_image.h"
#include "pty_peer.h"
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
  PtyPeer peer;
  ASSERT_TRUE(peer.ok());

  PortDirectory directory;
  directory.Bind(1, peer.path());
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
  peer.Send(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 151));
  usleep(20000);
  for (int i = 0; i < 3; ++i) session.Tick();
  EXPECT_EQ(owner.frames, 0) << "151 bytes are left waiting";
  EXPECT_EQ(transport.BytesWaiting(), 151);

  peer.Send({bytes[151]});
  usleep(20000);
  session.Tick();
  EXPECT_EQ(owner.frames, 1);
  EXPECT_EQ(transport.BytesWaiting(), 0);
  EXPECT_EQ(session.live_values().controller_version, 84);
  session.Stop();
}

}  // namespace
}  // namespace morvek::serial
