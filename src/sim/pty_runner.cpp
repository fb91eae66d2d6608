#include "sim/pty_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace morvek::sim {
namespace {

// 10 bits per byte on an 8N1 line at 57600 baud.
constexpr double kByteSeconds = 10.0 / 57600.0;
// How often the engine model moves on while nothing else happens.
constexpr int kIdlePollMs = 5;
// How long a controller that fell silent keeps the line, so that its last reply is read
// before the hang-up discards it.
constexpr auto kLeaveDelay = std::chrono::milliseconds(300);

}  // namespace

PtyRunner::PtyRunner(ControllerModel& model, PtyOptions options)
    : model_(model), options_(std::move(options)) {}

PtyRunner::~PtyRunner() {
  Stop();
  Close();
}

bool PtyRunner::Open(std::string* error) {
  auto fail = [&](const std::string& what) {
    if (error != nullptr) *error = what + ": " + std::strerror(errno);
    Close();
    return false;
  };
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) return fail("cannot open a pseudo-terminal");
  if (grantpt(master_) != 0 || unlockpt(master_) != 0)
    return fail("cannot unlock the pseudo-terminal");
  const char* name = ptsname(master_);
  if (name == nullptr) return fail("cannot name the pseudo-terminal");
  slave_path_ = name;
  // Holding the device side open keeps the master readable while no program has it open.
  slave_ = open(slave_path_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ < 0) return fail("cannot open " + slave_path_);
  termios t{};
  for (int fd : {master_, slave_}) {
    if (tcgetattr(fd, &t) != 0) return fail("cannot read the terminal settings");
    cfmakeraw(&t);  // no echo, no line editing: bytes pass unchanged
    cfsetispeed(&t, B57600);
    cfsetospeed(&t, B57600);
    if (tcsetattr(fd, TCSANOW, &t) != 0) return fail("cannot set raw mode");
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  if (!options_.link_path.empty()) {
    unlink(options_.link_path.c_str());  // a link left by an earlier run that was killed
    if (symlink(slave_path_.c_str(), options_.link_path.c_str()) != 0)
      return fail("cannot make the link " + options_.link_path);
    link_path_ = options_.link_path;
  }
  return true;
}

void PtyRunner::Close() {
  if (!link_path_.empty()) unlink(link_path_.c_str());
  link_path_.clear();
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
  slave_ = master_ = -1;
}

PtyRunner::Clock::duration PtyRunner::WireTime(std::size_t bytes) const {
  if (!options_.wire_delay) return Clock::duration::zero();
  return std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(kByteSeconds * static_cast<double>(bytes)));
}

void PtyRunner::Log(const char* direction, const std::vector<std::uint8_t>& bytes) {
  if (!options_.log || bytes.empty()) return;
  char line[96];
  std::snprintf(line, sizeof line, "%8lld ms %s %3zu bytes, code 0x%02X", model_.now_ms(),
                direction, bytes.size(), bytes[0]);
  options_.log(line);
}

void PtyRunner::Run(const std::atomic<bool>& stop) {
  if (master_ < 0) return;
  Clock::time_point last = Clock::now();
  std::optional<Clock::time_point> leave_at;
  while (!stop.load()) {
    const Clock::time_point now = Clock::now();
    if (options_.leave_when_silent && model_.faults().silent && outgoing_.empty() &&
        !model_.HasPendingOutput()) {
      if (!leave_at) leave_at = now + kLeaveDelay;
      if (now >= *leave_at) return;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - last);
    if (elapsed.count() > 0) {
      model_.Advance(static_cast<int>(elapsed.count()));
      last += elapsed;
    }
    // Requests whose last byte has crossed the line reach the controller.
    while (!incoming_.empty() && incoming_.front().due <= now) {
      Log("<-", incoming_.front().bytes);
      model_.Receive(incoming_.front().bytes);
      incoming_.pop_front();
    }
    std::vector<std::uint8_t> reply = model_.TakeOutput();
    if (!reply.empty()) {
      const Clock::time_point start = std::max(now, out_line_free_);
      out_line_free_ = start + WireTime(reply.size());
      outgoing_.push_back({out_line_free_, std::move(reply)});
    }
    // Replies are handed over once the whole frame would have arrived.
    while (!outgoing_.empty() && outgoing_.front().due <= now) {
      const auto& bytes = outgoing_.front().bytes;
      Log("->", bytes);
      std::size_t done = 0;
      while (done < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
          done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
          break;  // nobody listens: the reply is lost, as on an unplugged cable
        } else {
          pollfd out{master_, POLLOUT, 0};
          poll(&out, 1, 10);
        }
      }
      outgoing_.pop_front();
    }

    int wait_ms = kIdlePollMs;
    for (const auto* queue : {&incoming_, &outgoing_}) {
      if (queue->empty()) continue;
      const auto until =
          std::chrono::duration_cast<std::chrono::milliseconds>(queue->front().due - Clock::now());
      wait_ms = std::clamp(static_cast<int>(until.count()), 0, wait_ms);
    }
    pollfd in{master_, POLLIN, 0};
    if (poll(&in, 1, wait_ms) > 0 && (in.revents & POLLIN) != 0) {
      std::uint8_t buffer[4096];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n > 0) {
        const Clock::time_point arrived = Clock::now();
        const Clock::time_point start = std::max(arrived, in_line_free_);
        in_line_free_ = start + WireTime(static_cast<std::size_t>(n));
        incoming_.push_back({in_line_free_, std::vector<std::uint8_t>(buffer, buffer + n)});
      }
    }
  }
}

void PtyRunner::Start() {
  stop_ = false;
  thread_ = std::thread([this] { Run(stop_); });
}

void PtyRunner::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

}  // namespace morvek::sim
