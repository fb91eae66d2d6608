#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/device_frame.h"

namespace morvek::link {

// The byte pipe to the controller. The serial port implements it for real adapters and
// pseudo-terminals; tests join it in memory to a simulated controller.
class Transport {
 public:
  virtual ~Transport() = default;

  // Opens the port with the given number (0 = COM1 ... 20 = COM21). Returns false when the
  // port cannot be opened; the port stays closed then.
  virtual bool Open(int port) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Bytes received and not yet read. Never blocks.
  virtual int BytesWaiting() = 0;
  // Reads up to max_bytes of the waiting bytes. Never blocks.
  virtual std::vector<std::uint8_t> Read(int max_bytes) = 0;
  // Writes the whole frame and returns once it has left the PC.
  virtual void Write(const DeviceFrame& frame) = 0;
  // A human-readable name of the device behind a port number (for hints), empty if unknown.
  virtual std::string DeviceName(int /*port*/) const { return {}; }
  // Why the last Open failed, as the system says; empty when it did not fail or is not known.
  virtual std::string OpenFailure() const { return {}; }
};

}  // namespace morvek::link
