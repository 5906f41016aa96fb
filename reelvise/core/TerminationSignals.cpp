#include "core/TerminationSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace {
int wakeFds[2] = {-1, -1};
bool terminationRequested = false;

void onSignal(int) {
  const char byte = 1;
  // Only async-signal-safe work here; the event loop does the rest.
  [[maybe_unused]] ssize_t written = write(wakeFds[1], &byte, 1);
}
}  // namespace

void QuitOnTerminationSignals() {
  if (wakeFds[0] >= 0 || pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
    char byte;
    while (read(wakeFds[0], &byte, 1) > 0) {
    }
    terminationRequested = true;
    QCoreApplication::exit(0);
  });
  struct sigaction action {};
  action.sa_handler = &onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

bool TerminationRequested() { return terminationRequested; }
