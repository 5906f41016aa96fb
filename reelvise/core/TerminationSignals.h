#pragma once

// SIGTERM and SIGINT end the application's event loops in order (the
// program's own clean-up then runs: a running conversion is stopped and its
// output removed).  Call once, after the QCoreApplication exists.
void QuitOnTerminationSignals();
