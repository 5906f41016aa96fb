#include "InspectRuntime.h"

#include <cstdio>

#include "core/ProcessState.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/HttpClient.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"

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
  bw::SystemClock clock;
  bw::CurlHttpClient http;
  bw::QSettingsStore settings;
  bw::SystemLocale locale;
  TerminalBell beep;
  std::unique_ptr<bw::ScopedServices> services;
};

InspectRuntime::InspectRuntime() : parts_(std::make_unique<Parts>()) {
  bw::Services installed;
  installed.clock = &parts_->clock;
  installed.http = &parts_->http;
  installed.settings = &parts_->settings;
  installed.locale = &parts_->locale;
  installed.beep = &parts_->beep;
  parts_->services = std::make_unique<bw::ScopedServices>(installed);
  bw::state().gstrPath = bw::resolveDataFolder();
}

InspectRuntime::~InspectRuntime() = default;

}  // namespace bwinspect
