#include "sim/in_memory_transport.h"

#include <algorithm>

namespace morvek::sim {

InMemoryTransport::InMemoryTransport(ControllerModel& controller, int latency_ticks, int tick_ms)
    : controller_(controller),
      latency_ticks_(std::max(latency_ticks, 0)),
      tick_ms_(std::max(tick_ms, 1)) {}

bool InMemoryTransport::Open(int port) {
  if (Missing(port)) {
    open_failure_ = "No such file or directory";
    return false;
  }
  open_failure_.clear();
  Close();
  open_ = true;
  port_ = port;
  ++open_count_;
  return true;
}

void InMemoryTransport::Close() {
  // Closing purges both directions, as the serial port does.
  open_ = false;
  port_ = -1;
  in_flight_.clear();
  received_.clear();
}

bool InMemoryTransport::ControllerConnected() const {
  return open_ && (controller_port_ == kAnyPort || controller_port_ == port_);
}

std::vector<std::uint8_t> InMemoryTransport::Read(int max_bytes) {
  const auto n =
      std::min<std::size_t>(received_.size(), static_cast<std::size_t>(std::max(max_bytes, 0)));
  std::vector<std::uint8_t> bytes(received_.begin(), received_.begin() + static_cast<long>(n));
  received_.erase(received_.begin(), received_.begin() + static_cast<long>(n));
  return bytes;
}

void InMemoryTransport::Write(const link::DeviceFrame& frame) {
  if (!open_) return;
  sent_.push_back({tick_, frame});
  if (!ControllerConnected()) return;
  controller_.Receive(frame.bytes());
  CollectReplies();
  Deliver();
}

void InMemoryTransport::CollectReplies() {
  std::vector<std::uint8_t> bytes = controller_.TakeOutput();
  if (bytes.empty()) return;
  in_flight_.push_back({tick_ + latency_ticks_, std::move(bytes)});
}

void InMemoryTransport::Deliver() {
  while (!in_flight_.empty() && in_flight_.front().deliver_tick <= tick_) {
    received_.insert(received_.end(), in_flight_.front().bytes.begin(),
                     in_flight_.front().bytes.end());
    in_flight_.pop_front();
  }
}

void InMemoryTransport::Advance() {
  ++tick_;
  controller_.Advance(tick_ms_);
  // A controller on another port keeps running but its replies go nowhere.
  if (ControllerConnected())
    CollectReplies();
  else
    controller_.TakeOutput();
  Deliver();
}

std::string InMemoryTransport::DeviceName(int port) const {
  if (Missing(port)) return {};
  if (controller_port_ == kAnyPort || controller_port_ == port) return "simulated controller";
  return {};
}

}  // namespace morvek::sim
