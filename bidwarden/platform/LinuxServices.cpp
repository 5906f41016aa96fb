#include "platform/LinuxServices.h"

namespace bw {

LinuxCoreServices::LinuxCoreServices() {
  Services installed = services();
  installed.clock = &clock;
  installed.http = &http;
  installed.settings = &settings;
  installed.locale = &locale;
  scope_ = std::make_unique<ScopedServices>(installed);
}

LinuxCoreServices::~LinuxCoreServices() = default;

}  // namespace bw
