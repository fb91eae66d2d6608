#pragma once

#include <optional>
#include <string>

#include "link/device_frame.h"
#include "link/transport.h"

namespace morvek::link {

// ComPortIndex 0..19 select COM1..COM20; 20 selects automatic scanning over COM1..COM21.
inline constexpr int kComAutoItem = 20;
inline constexpr int kComItemCount = 21;
inline constexpr int kScanPortCount = 21;
// The bytes of one read; only the first frame of them is interpreted.
inline constexpr int kReceiveBufferSize = 15000;

// What an open attempt asks of the caller.
struct OpenOutcome {
  bool opened = false;
  // A fixed port could not be opened and no automatic reopen is running: tell the user.
  bool report_failure = false;
  // Scanning and the port could not be opened: move on to the next port at once.
  bool skip_to_next_port = false;
  // With report_failure: the port as the user knows it and the system's reason, if any.
  std::string port_shown;
  std::string reason;
};

// The serial port: which one, opening, closing and taking in one frame.
class PortControl {
 public:
  explicit PortControl(Transport& transport) : transport_(transport) {}

  int com_port_index() const { return com_port_index_; }
  int com_auto_index() const { return com_auto_index_; }
  // Restored settings; values outside 0..20 select COM1.
  void set_com_port_index(int index);
  void set_com_auto_index(int index);
  // Scanning moves on by one port, 20 wrapping to 0.
  void AdvanceAutoIndex() { com_auto_index_ = (com_auto_index_ + 1) % kScanPortCount; }

  bool suppress_open_message() const { return suppress_open_message_; }
  void set_suppress_open_message(bool suppress) { suppress_open_message_ = suppress; }

  // Port number (1 = COM1) of the port in use.
  int PortNumber() const;
  // "COM= COM5": the port in use, also when its open failed.
  const std::string& label_com() const { return label_com_; }
  // The Com menu item carrying the check mark.
  int checked_item() const { return checked_item_; }

  OpenOutcome OpenPort();
  void ClosePort();
  // The frame the port holds, once at least a whole frame is waiting. All waiting bytes (at
  // most 15000) are consumed. They count as a frame only when they are one frame, or copies of
  // one frame (a late reply and the reply to its repetition): anything else holds pieces of
  // two replies, and a frame stitched from them can pass the one-byte checksum.
  std::optional<DeviceFrame> ReceiveFrame();

 private:
  Transport& transport_;
  int com_port_index_ = 0;
  int com_auto_index_ = 0;
  bool suppress_open_message_ = false;
  bool ever_opened_ = false;
  int checked_item_ = -1;
  std::string label_com_;
};

// Drops whatever the port holds: each request starts clean, so no piece of an earlier reply
// can join the reply to this one.
void DiscardWaitingBytes(Transport& transport);

}  // namespace morvek::link
