#include "core/ProcessState.h"

namespace bw {

namespace detail {
int& logFailureCount();
}

ProcessState& state() {
  static ProcessState theState;
  return theState;
}

ScopedProcessState::ScopedProcessState(const QString& dataFolder)
    : saved_(state()), savedLogFailures_(detail::logFailureCount()) {
  state() = ProcessState{};
  state().gstrPath = dataFolder;
  if (!dataFolder.isEmpty() && !dataFolder.endsWith('/')) state().gstrPath += '/';
  detail::logFailureCount() = 0;
}

ScopedProcessState::~ScopedProcessState() {
  state() = saved_;
  detail::logFailureCount() = savedLogFailures_;
}

}  // namespace bw
