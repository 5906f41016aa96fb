#pragma once
#include <memory>
#include "platform/Services.h"

namespace bw {

// The Linux clock, HTTP client, settings store and system locale, installed
// for the lifetime of the object (command-line tools; the program adds the
// desktop services on top, see DesktopServiceSet).
class LinuxCoreServices {
 public:
  LinuxCoreServices();
  ~LinuxCoreServices();
  LinuxCoreServices(const LinuxCoreServices&) = delete;
  LinuxCoreServices& operator=(const LinuxCoreServices&) = delete;

  SystemClock clock;
  CurlHttpClient http;
  QSettingsStore settings;
  SystemLocale locale;

 private:
  std::unique_ptr<ScopedServices> scope_;
};

}  // namespace bw
