#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "link/device_frame.h"
#include "link/transport.h"
#include "sim/controller_model.h"

namespace morvek::sim {

// The program's port joined in memory to a ControllerModel. Time is counted in ticks: the
// owner calls Advance() once per tick (after the program's own tick), which moves the
// controller on by one tick and delivers replies whose latency has passed. A reply to a
// frame written during tick t can be read after tick t + latency_ticks.
class InMemoryTransport : public link::Transport {
 public:
  static constexpr int kAnyPort = -1;

  explicit InMemoryTransport(ControllerModel& controller, int latency_ticks = 1, int tick_ms = 55);

  // The controller answers only on this port (kAnyPort: on every port); other ports open
  // but stay silent, like a free serial port.
  void set_controller_port(int port) { controller_port_ = port; }
  // Ports that fail to open (as if missing from the machine).
  void set_missing_ports(std::vector<int> ports) { missing_ports_ = std::move(ports); }
  void set_latency_ticks(int ticks) { latency_ticks_ = ticks < 0 ? 0 : ticks; }
  int latency_ticks() const { return latency_ticks_; }

  bool Open(int port) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  int BytesWaiting() override { return static_cast<int>(received_.size()); }
  std::vector<std::uint8_t> Read(int max_bytes) override;
  void Write(const link::DeviceFrame& frame) override;
  std::string DeviceName(int port) const override;
  std::string OpenFailure() const override { return open_failure_; }

  // One tick passes.
  void Advance();
  long long tick() const { return tick_; }
  int open_port() const { return port_; }
  int open_count() const { return open_count_; }
  // Every frame the program wrote, in order, and the tick it was written in.
  struct Sent {
    long long tick;
    link::DeviceFrame frame;
  };
  const std::vector<Sent>& sent() const { return sent_; }

 private:
  struct InFlight {
    long long deliver_tick;
    std::vector<std::uint8_t> bytes;
  };

  bool ControllerConnected() const;
  bool Missing(int port) const {
    return std::find(missing_ports_.begin(), missing_ports_.end(), port) != missing_ports_.end();
  }
  void CollectReplies();
  void Deliver();

  ControllerModel& controller_;
  int latency_ticks_;
  int tick_ms_;
  int controller_port_ = kAnyPort;
  std::vector<int> missing_ports_;
  std::string open_failure_;
  bool open_ = false;
  int port_ = -1;
  int open_count_ = 0;
  long long tick_ = 0;
  std::deque<InFlight> in_flight_;
  std::deque<std::uint8_t> received_;
  std::vector<Sent> sent_;
};

}  // namespace morvek::sim
