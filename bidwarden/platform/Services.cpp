#include "platform/Services.h"

namespace bw {
namespace {
Services& registry() {
  static Services installed;
  return installed;
}
}  // namespace

Services& services() { return registry(); }
void installServices(const Services& installed) { registry() = installed; }

ScopedServices::ScopedServices(const Services& replacement) : saved_(registry()) {
  registry() = replacement;
}
ScopedServices::~ScopedServices() { registry() = saved_; }

const LocaleInfo& currentLocale() {
  static const LocaleInfo fallback = LocaleInfo::enUS();
  const ILocale* locale = registry().locale;
  return locale ? locale->info() : fallback;
}

}  // namespace bw
