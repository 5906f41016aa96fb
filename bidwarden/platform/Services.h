#pragma once
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/HttpClient.h"
#include "platform/Locale.h"
#include "platform/SettingsStore.h"

namespace bw {

// The installed platform services. The program installs the Linux ones at
// start-up; tests replace them through ScopedServices. A service that is not
// installed is null; callers that need one and find none treat it as absent
// (no answer, no sound) rather than crash.
struct Services {
  IClock* clock = nullptr;
  IHttpClient* http = nullptr;
  ISettingsStore* settings = nullptr;
  ILocale* locale = nullptr;
  ISoundPlayer* sound = nullptr;
  IBeep* beep = nullptr;
  IShell* shell = nullptr;
  IMessageBox* messageBox = nullptr;
};

Services& services();
void installServices(const Services& installed);

// Installs `replacement` for its lifetime and restores what was there.
class ScopedServices {
 public:
  explicit ScopedServices(const Services& replacement);
  ~ScopedServices();
  ScopedServices(const ScopedServices&) = delete;
  ScopedServices& operator=(const ScopedServices&) = delete;

 private:
  Services saved_;
};

// The locale in force; en_US when none is installed.
const LocaleInfo& currentLocale();

}  // namespace bw
