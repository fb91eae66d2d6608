#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace morvek::serial {

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

}  // namespace morvek::serial
