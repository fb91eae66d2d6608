#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace morvek::serial {

// A serial device the system offers.
struct SystemPort {
  std::string path;  // e.g. /dev/ttyUSB0
  bool usb = false;  // a USB adapter or a USB ACM device
};

// Maps the program's port numbers (0 = COM1 ... 20 = COM21) onto devices. On Windows COM n
// is the device \\.\COMn. Elsewhere explicit bindings (--com N=PATH) come first, then the
// system's serial devices in a stable order, USB adapters and ACM devices first, so that an
// adapter plugged into a laptop is COM1.
class PortDirectory {
 public:
  static constexpr int kPortCount = 21;

  // Binds COM n (1-based, as the user writes it) to a device path.
  void Bind(int com_number, std::string path);
  // Replaces the list of system devices (as enumerated now).
  void SetSystemPorts(std::vector<SystemPort> ports);
  // Where the list of system devices comes from. Rescan() takes it again, so that an adapter
  // plugged in after start-up gets its number.
  using SystemPortSource = std::function<std::vector<SystemPort>()>;
  void SetSystemPortSource(SystemPortSource source);
  // Takes the list of system devices again (nothing without a source).
  void Rescan();

  // Device path of port index 0..20, empty when nothing is there.
  std::string DevicePath(int port) const;
  const std::map<int, std::string>& bindings() const { return bindings_; }

  // Parses "N=PATH" (N 1..21). Returns false for anything else.
  static bool ParseBinding(const std::string& text, int& com_number, std::string& path);

 private:
  std::map<int, std::string> bindings_;  // port index -> path
  std::vector<std::string> system_order_;
  SystemPortSource source_;
};

}  // namespace morvek::serial
