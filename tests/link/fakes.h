#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "link/device_frame.h"
#include "link/session_owner.h"
#include "link/transport.h"

namespace morvek::link::testing {

// A transport whose received bytes the test queues and whose written frames it records.
// An optional responder sees every written frame (and may queue a reply).
class FakeTransport : public Transport {
 public:
  bool Open(int port) override {
    opened_ports.push_back(port);
    open = !failing_ports.contains(port) && !all_ports_fail;
    return open;
  }
  void Close() override {
    ++close_count;
    open = false;
  }
  bool IsOpen() const override { return open; }
  std::string OpenFailure() const override { return open ? "" : open_failure; }
  int BytesWaiting() override { return static_cast<int>(incoming.size()); }
  std::vector<std::uint8_t> Read(int max_bytes) override {
    read_sizes.push_back(max_bytes);
    const auto n = std::min<std::size_t>(incoming.size(), static_cast<std::size_t>(max_bytes));
    std::vector<std::uint8_t> bytes(incoming.begin(), incoming.begin() + static_cast<long>(n));
    incoming.erase(incoming.begin(), incoming.begin() + static_cast<long>(n));
    return bytes;
  }
  void Write(const DeviceFrame& frame) override {
    written.push_back(frame);
    if (responder) responder(frame);
  }

  void Queue(const std::vector<std::uint8_t>& bytes) {
    incoming.insert(incoming.end(), bytes.begin(), bytes.end());
  }
  void QueueFrame(const DeviceFrame& frame) {
    incoming.insert(incoming.end(), frame.bytes().begin(), frame.bytes().end());
  }

  // Command bytes of the written frames, in order.
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const DeviceFrame& f : written) codes.push_back(f.code());
    return codes;
  }

  bool open = false;
  bool all_ports_fail = false;
  std::set<int> failing_ports;
  std::string open_failure;  // the reason a failing port gives
  std::vector<int> opened_ports;
  int close_count = 0;
  std::vector<int> read_sizes;
  std::vector<std::uint8_t> incoming;
  std::vector<DeviceFrame> written;
  std::function<void(const DeviceFrame&)> responder;
};

// Records what the session asks of its owner, in order.
class RecordingOwner : public SessionOwner {
 public:
  void CollectActivePage() override { calls.push_back("Collect"); }
  void RunLimitsPass() override { calls.push_back("Limits"); }
  void RefreshActivePage() override { calls.push_back("Refresh"); }
  void PagesArrived() override { calls.push_back("PagesArrived"); }
  void ClearCurrentFileName() override { calls.push_back("ClearFileName"); }
  void MonitorFrameDecoded() override { ++monitor_frames; }
  void UpdateLiveHighlight() override { ++highlights; }
  void ImageConfirmed(ImageSource source) override { confirmed.push_back(source); }
  BackupDecision KeepControllerImage(const model::ParameterImage& controller,
                                     const std::vector<int>& pages) override {
    backups.push_back(controller);
    programming_starts.push_back(pages);
    return backup_decision;
  }

  int Count(const std::string& name) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), name));
  }

  std::vector<std::string> calls;
  int monitor_frames = 0;
  int highlights = 0;
  std::vector<ImageSource> confirmed;
  std::vector<std::vector<int>> programming_starts;
  std::vector<model::ParameterImage> backups;
  BackupDecision backup_decision = BackupDecision::kGoOn;
};

// A frame with the given code and bytes (by frame offset), checksum sealed.
inline DeviceFrame FrameOf(std::uint8_t code,
                           std::initializer_list<std::pair<int, int>> bytes = {}) {
  DeviceFrame frame;
  frame.set_code(code);
  for (const auto& [offset, value] : bytes)
    frame.bytes()[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
  frame.Seal();
  return frame;
}

}  // namespace morvek::link::testing
