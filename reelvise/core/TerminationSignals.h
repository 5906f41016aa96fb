#pragma once

// SIGTERM and SIGINT end the application's event loops in order (the
// program's own clean-up then runs: a running conversion is stopped and its
// output removed).  Call once, after the QCoreApplication exists.
void QuitOnTerminationSignals();

// True once such a signal has been handled; start-up code that runs before
// the main event loop checks it, because quitting reaches only running loops.
bool TerminationRequested();
