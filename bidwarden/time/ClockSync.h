#pragma once
#include <QString>

namespace bw {

// The first panel of the main window's status bar, as far as clock
// synchronisation writes it. The window layer installs its panel; without
// one the texts go nowhere.
class IStatusPanel {
 public:
  virtual ~IStatusPanel() = default;
  virtual QString text() const = 0;
  virtual void setText(const QString& text) = 0;
};

IStatusPanel* clockStatusPanel();
// Installs `panel` (may be null) and returns the one installed before.
IStatusPanel* installClockStatusPanel(IStatusPanel* panel);

inline constexpr const char* kSynchFailedStatus = "Unable to synchronize clock with eBay!";

// Reads the marketplace's time page and sets the clock's correction so that
// local time plus the differential reads the marketplace's time. Failures
// beep, set the status panel and are logged; nothing is thrown.
void SynchronizeTimeToEbay();

}  // namespace bw
