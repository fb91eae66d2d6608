#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "sim/controller_model.h"

namespace morvek::sim {

struct PtyOptions {
  // Emulate the 57600 baud line: a 152-byte frame takes about 26.4 ms each way.
  bool wire_delay = true;
  // When set, a symbolic link to the device is made here (and removed again).
  std::string link_path;
  // Run() returns once the controller has fallen silent for good and its last reply has had
  // time to be read: the line goes away as when a controller is switched off.
  bool leave_when_silent = false;
  // Called with one line per request and reply, for -v.
  std::function<void(const std::string&)> log;
};

// Puts a ControllerModel on a pseudo-terminal, so that a program reaches it through its real
// serial code. The runner keeps the terminal's other end open itself, so a program may close
// and reopen the device any number of times.
class PtyRunner {
 public:
  PtyRunner(ControllerModel& model, PtyOptions options);
  ~PtyRunner();
  PtyRunner(const PtyRunner&) = delete;
  PtyRunner& operator=(const PtyRunner&) = delete;

  // Opens the pty pair in raw mode and makes the link. Returns false with a message on failure.
  bool Open(std::string* error);
  // The device a program opens (the link path when one was asked for).
  std::string device_path() const { return link_path_.empty() ? slave_path_ : link_path_; }
  const std::string& pty_path() const { return slave_path_; }

  // Serves requests until stop becomes true. The model is touched only from this call.
  void Run(const std::atomic<bool>& stop);
  // Run() on a thread of its own, for a program that hosts the controller in-process.
  void Start();
  void Stop();

 private:
  using Clock = std::chrono::steady_clock;
  struct Timed {
    Clock::time_point due;
    std::vector<std::uint8_t> bytes;
  };

  void Close();
  Clock::duration WireTime(std::size_t bytes) const;
  void Log(const char* direction, const std::vector<std::uint8_t>& bytes);

  ControllerModel& model_;
  PtyOptions options_;
  int master_ = -1;
  int slave_ = -1;
  std::string slave_path_;
  std::string link_path_;
  std::deque<Timed> incoming_;
  std::deque<Timed> outgoing_;
  Clock::time_point in_line_free_{};
  Clock::time_point out_line_free_{};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace morvek::sim
