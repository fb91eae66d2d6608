#include "link/port_control.h"

#include <algorithm>

#include "link/text_format.h"

namespace morvek::link {
namespace {

int ValidItem(int index) { return index >= 0 && index < kComItemCount ? index : 0; }

}  // namespace

void PortControl::set_com_port_index(int index) { com_port_index_ = ValidItem(index); }

void PortControl::set_com_auto_index(int index) { com_auto_index_ = ValidItem(index); }

int PortControl::PortNumber() const {
  return (com_port_index_ == kComAutoItem ? com_auto_index_ : com_port_index_) + 1;
}

OpenOutcome PortControl::OpenPort() {
  const int number = PortNumber();
  const std::string device_name = Printf("\\\\.\\COM%d", number);
  label_com_ = "COM= " + device_name.substr(4, 10);
  ever_opened_ = true;

  OpenOutcome outcome;
  outcome.opened = transport_.Open(number - 1);
  if (!outcome.opened) {
    const bool scanning = com_port_index_ == kComAutoItem;
    outcome.report_failure = !suppress_open_message_ && !scanning;
    outcome.skip_to_next_port = scanning;
    const std::string device = transport_.DeviceName(number - 1);
    outcome.port_shown = device.empty() ? label_com_.substr(5) : device;
    outcome.reason = transport_.OpenFailure();
  }
  checked_item_ = com_port_index_;
  return outcome;
}

void PortControl::ClosePort() {
  if (ever_opened_) transport_.Close();
}

std::optional<DeviceFrame> PortControl::ReceiveFrame() {
  const int waiting = transport_.BytesWaiting();
  if (waiting < kFrameSize) return std::nullopt;
  const std::vector<std::uint8_t> received = transport_.Read(std::min(waiting, kReceiveBufferSize));
  const std::size_t size = received.size();
  if (size < static_cast<std::size_t>(kFrameSize) || size % kFrameSize != 0) return std::nullopt;
  for (std::size_t at = kFrameSize; at < size; at += kFrameSize)
    if (!std::equal(received.begin(), received.begin() + kFrameSize,
                    received.begin() + static_cast<long>(at)))
      return std::nullopt;
  DeviceFrame::Bytes bytes;
  std::copy_n(received.begin(), kFrameSize, bytes.begin());
  return DeviceFrame(bytes);
}

void DiscardWaitingBytes(Transport& transport) {
  // Only what waits now: a device that never stops sending must not hold up the request.
  for (int left = transport.BytesWaiting(); left > 0;) {
    const std::size_t read = transport.Read(std::min(left, kReceiveBufferSize)).size();
    if (read == 0) return;
    left -= static_cast<int>(read);
  }
}

}  // namespace morvek::link
