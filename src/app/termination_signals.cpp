#include "app/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <utility>

namespace morvek::app {
namespace {

int pipe_fds[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
  const char byte = 1;
  // Nothing else is safe inside a signal handler.
  [[maybe_unused]] const ssize_t written = write(pipe_fds[1], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> terminate, QObject* parent)
    : QObject(parent), terminate_(std::move(terminate)) {
  if (pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(pipe_fds[0], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] {
    char byte = 0;
    while (read(pipe_fds[0], &byte, 1) > 0) {
    }
    if (terminated_) return;
    terminated_ = true;
    terminate_();
  });
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &action, nullptr);
}

}  // namespace morvek::app
