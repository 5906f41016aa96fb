#pragma once
#include <QString>
#include "core/DateTime.h"
#include "list/MyDictionary.h"
#include "settings/ProgramSettings.h"

namespace bw {

// The process-wide state of the one thread, each a plain variable.
struct ProcessState {
  bool SuppressChangeFlags = false;
  bool StartupInProgress = false;
  bool gblnCountdownActive = false;
  int gintSecondsSinceRefresh = 0;
  DateTime gdatLastSynch;
  DateTime gdatNextResynch;
  QString gstrPath;  // the data folder, ending in "/"
  QString gstrHelpURL;
  MyDictionary gdicURLs;
  ProgramSettingsRecord ProgramSettings;
};

ProcessState& state();

// Gives the process a fresh state (and a fresh count of log failures) for
// its lifetime and restores the previous one afterwards. Tests use it with
// a temporary data folder.
class ScopedProcessState {
 public:
  explicit ScopedProcessState(const QString& dataFolder = QString());
  ~ScopedProcessState();
  ScopedProcessState(const ScopedProcessState&) = delete;
  ScopedProcessState& operator=(const ScopedProcessState&) = delete;

 private:
  ProcessState saved_;
  int savedLogFailures_;
};

}  // namespace bw
