#include "InspectRuntime.h"

#include <cstdio>

#include "core/ProcessState.h"
#include "platform/DataFolder.h"
#include "platform/LinuxServices.h"

namespace bwinspect {

namespace {

// A terminal has no desktop bell to ring; the terminal's own will do.
class TerminalBell final : public bw::IBeep {
 public:
  void beep() override {
    std::fputc('\a', stderr);
    std::fflush(stderr);
  }
};

}  // namespace

struct InspectRuntime::Parts {
  bw::LinuxCoreServices core;
  TerminalBell beep;
  std::unique_ptr<bw::ScopedServices> withBell;
};

InspectRuntime::InspectRuntime() : parts_(std::make_unique<Parts>()) {
  bw::Services installed = bw::services();
  installed.beep = &parts_->beep;
  parts_->withBell = std::make_unique<bw::ScopedServices>(installed);
  bw::state().gstrPath = bw::resolveDataFolder();
}

InspectRuntime::~InspectRuntime() = default;

}  // namespace bwinspect
