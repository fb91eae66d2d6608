#pragma once

#include <QObject>
#include <functional>

namespace morvek::app {

// SIGTERM, SIGINT and SIGHUP end the program as closing the window does, so a desktop logout or
// a Ctrl+C in the terminal never loses the tune on screen. The handler only writes one byte to
// a pipe; whichever event loop runs then (the window's or a message box's) reads it and calls
// `terminate` once.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(std::function<void()> terminate, QObject* parent = nullptr);

 private:
  std::function<void()> terminate_;
  bool terminated_ = false;
};

}  // namespace morvek::app
