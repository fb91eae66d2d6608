#include "serial/serial_transport.h"

#ifndef _WIN32
#include <poll.h>
#endif

namespace morvek::serial {
namespace {

// A frame is 152 bytes, about 26 ms on the wire; a write that has not left after this long
// is abandoned and the transaction's resend takes over.
constexpr int kWriteTimeoutMs = 500;

}  // namespace

SerialTransport::SerialTransport(PortDirectory& directory, QObject* parent)
    : QObject(parent), directory_(directory) {
  connect(&port_, &QSerialPort::errorOccurred, this, &SerialTransport::OnError);
}

SerialTransport::~SerialTransport() { Close(); }

bool SerialTransport::Open(int port) {
  Close();
  last_error_.clear();
  // Every open (start-up, a port choice, each reopen and each port of a scan) looks at the
  // devices the system offers now: an adapter plugged in later is found.
  directory_.Rescan();
  const std::string path = directory_.DevicePath(port);
  if (path.empty()) {
    last_error_ = QStringLiteral("no device for this port");
    return false;
  }
  port_.setPortName(QString::fromStdString(path));
  if (!port_.open(QIODevice::ReadWrite)) return false;
  const bool configured =
      port_.setBaudRate(QSerialPort::Baud57600) && port_.setDataBits(QSerialPort::Data8) &&
      port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
      port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!configured) {
    Close();
    return false;
  }
  port_.clear(QSerialPort::AllDirections);
  return true;
}

void SerialTransport::Close() {
  if (port_.isOpen()) port_.close();
}

bool SerialTransport::IsOpen() const { return port_.isOpen(); }

bool SerialTransport::DeviceGone() {
#ifndef _WIN32
  // An unplugged adapter or an ended simulator shows as a hang-up on the descriptor, which
  // the port itself does not always report as an error.
  pollfd p{static_cast<int>(port_.handle()), POLLIN, 0};
  if (poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0 &&
      port_.bytesAvailable() == 0) {
    last_error_ = QStringLiteral("device disconnected");
    port_.close();
    return true;
  }
#endif
  return false;
}

int SerialTransport::BytesWaiting() {
  if (!port_.isOpen() || DeviceGone()) return 0;
  // Take in what the device already holds without waiting for the event loop.
  port_.waitForReadyRead(0);
  if (!port_.isOpen()) return 0;  // the read found the device gone
  return static_cast<int>(port_.bytesAvailable());
}

std::vector<std::uint8_t> SerialTransport::Read(int max_bytes) {
  std::vector<std::uint8_t> bytes;
  if (!port_.isOpen() || max_bytes <= 0) return bytes;
  const QByteArray data = port_.read(max_bytes);
  bytes.assign(data.begin(), data.end());
  return bytes;
}

void SerialTransport::Write(const link::DeviceFrame& frame) {
  if (!port_.isOpen()) return;
  const auto& b = frame.bytes();
  port_.write(reinterpret_cast<const char*>(b.data()), static_cast<qint64>(b.size()));
  while (port_.isOpen() && port_.bytesToWrite() > 0) {
    if (!port_.waitForBytesWritten(kWriteTimeoutMs)) break;
  }
}

std::string SerialTransport::DeviceName(int port) const { return directory_.DevicePath(port); }

void SerialTransport::OnError(QSerialPort::SerialPortError error) {
  if (error == QSerialPort::NoError) return;
  last_error_ = port_.errorString();
  // The device went away (USB adapter unplugged, simulator ended): give the port up so that
  // the next open starts clean.
  if (error == QSerialPort::ResourceError && port_.isOpen()) port_.close();
}

}  // namespace morvek::serial
