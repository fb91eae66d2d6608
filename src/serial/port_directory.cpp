#include "serial/port_directory.h"

#include <algorithm>
#include <charconv>

namespace morvek::serial {

void PortDirectory::Bind(int com_number, std::string path) {
  bindings_[com_number - 1] = std::move(path);
}

void PortDirectory::SetSystemPorts(std::vector<SystemPort> ports) {
  std::stable_sort(ports.begin(), ports.end(), [](const SystemPort& a, const SystemPort& b) {
    if (a.usb != b.usb) return a.usb;
    return a.path < b.path;
  });
  system_order_.clear();
  for (SystemPort& p : ports) system_order_.push_back(std::move(p.path));
}

void PortDirectory::SetSystemPortSource(SystemPortSource source) {
  source_ = std::move(source);
  Rescan();
}

void PortDirectory::Rescan() {
  if (source_) SetSystemPorts(source_());
}

std::string PortDirectory::DevicePath(int port) const {
  if (port < 0 || port >= kPortCount) return {};
#ifdef _WIN32
  if (auto it = bindings_.find(port); it != bindings_.end()) return it->second;
  return "\\\\.\\COM" + std::to_string(port + 1);
#else
  if (auto it = bindings_.find(port); it != bindings_.end()) return it->second;
  // The system devices fill the numbers that no binding took, in order, skipping devices
  // that are already bound to a number.
  std::size_t next = 0;
  for (int n = 0; n <= port; ++n) {
    if (bindings_.count(n) != 0) continue;
    while (next < system_order_.size() &&
           std::any_of(bindings_.begin(), bindings_.end(),
                       [&](const auto& b) { return b.second == system_order_[next]; }))
      ++next;
    if (next >= system_order_.size()) return {};
    if (n == port) return system_order_[next];
    ++next;
  }
  return {};
#endif
}

bool PortDirectory::ParseBinding(const std::string& text, int& com_number, std::string& path) {
  const std::size_t eq = text.find('=');
  if (eq == std::string::npos || eq == 0 || eq + 1 >= text.size()) return false;
  int n = 0;
  const char* first = text.data();
  const char* last = text.data() + eq;
  auto [ptr, ec] = std::from_chars(first, last, n);
  if (ec != std::errc() || ptr != last || n < 1 || n > kPortCount) return false;
  com_number = n;
  path = text.substr(eq + 1);
  return true;
}

}  // namespace morvek::serial
