#pragma once

#include <QObject>

namespace morvek::app {

// SIGTERM, SIGINT and SIGHUP end the program as closing the window does: the event loop
// returns and the shutdown saves the settings and the state file, so a desktop logout or a
// Ctrl+C in the terminal never loses the tune on screen. The handler only writes one byte to a
// pipe; the event loop reads it.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  // A signal arrived: the window closes without asking, nobody is there to answer.
  static bool Received();
};

}  // namespace morvek::app
