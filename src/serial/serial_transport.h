#pragma once

#include <QObject>
#include <QSerialPort>
#include <string>

#include "link/transport.h"
#include "serial/port_directory.h"

namespace morvek::serial {

// The link's byte pipe on a real serial device (an adapter or a pseudo-terminal): exclusive
// open, 57600 baud 8N1 raw. The port's previous settings are put back when it is closed.
// A vanished device (adapter unplugged) closes the port; the tick loop's reopen brings it
// back when the device returns.
class SerialTransport : public QObject, public link::Transport {
  Q_OBJECT

 public:
  explicit SerialTransport(PortDirectory& directory, QObject* parent = nullptr);
  ~SerialTransport() override;

  bool Open(int port) override;
  void Close() override;
  bool IsOpen() const override;
  int BytesWaiting() override;
  std::vector<std::uint8_t> Read(int max_bytes) override;
  void Write(const link::DeviceFrame& frame) override;
  std::string DeviceName(int port) const override;
  std::string OpenFailure() const override { return last_error_.toStdString(); }

  // The last error text of the port, for the user (empty when none).
  const QString& last_error() const { return last_error_; }

 private:
  void OnError(QSerialPort::SerialPortError error);
  // Closes the port when its device has gone away; returns whether it did.
  bool DeviceGone();

  PortDirectory& directory_;
  QSerialPort port_;
  QString last_error_;
};

}  // namespace morvek::serial
