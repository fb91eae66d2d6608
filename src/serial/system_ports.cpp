#include "serial/system_ports.h"

#include <QSerialPortInfo>

namespace morvek::serial {

std::vector<SystemPort> EnumerateSystemPorts() {
  std::vector<SystemPort> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    const QString name = info.portName();
    const bool usb = info.hasVendorIdentifier() || name.contains(QLatin1String("USB")) ||
                     name.contains(QLatin1String("ACM"));
    ports.push_back({info.systemLocation().toStdString(), usb});
  }
  return ports;
}

bool BuildPortDirectory(const std::vector<std::string>& bindings, PortDirectory& directory,
                        std::string* bad_binding) {
  for (const std::string& text : bindings) {
    int number = 0;
    std::string path;
    if (!PortDirectory::ParseBinding(text, number, path)) {
      if (bad_binding != nullptr) *bad_binding = text;
      return false;
    }
    directory.Bind(number, path);
  }
  directory.SetSystemPortSource(EnumerateSystemPorts);
  return true;
}

}  // namespace morvek::serial
