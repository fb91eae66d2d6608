#include "app/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace morvek::app {
namespace {

int pipe_fds[2] = {-1, -1};
bool received = false;

extern "C" void OnTerminationSignal(int) {
  const char byte = 1;
  // Nothing else is safe inside a signal handler.
  [[maybe_unused]] const ssize_t written = write(pipe_fds[1], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(pipe_fds[0], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [] {
    char byte = 0;
    while (read(pipe_fds[0], &byte, 1) > 0) {
    }
    received = true;
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &action, nullptr);
}

bool TerminationSignals::Received() { return received; }

}  // namespace morvek::app
