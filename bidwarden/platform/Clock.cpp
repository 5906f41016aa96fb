#include "platform/Clock.h"
#include <QDateTime>

namespace bw {

std::int64_t IClock::localNowMs() const {
  const std::int64_t utc = utcNowMs();
  const QDateTime at = QDateTime::fromMSecsSinceEpoch(utc, QTimeZone::utc());
  return utc + static_cast<std::int64_t>(localZone().offsetFromUtc(at)) * 1000;
}

void IClock::setLocalNowMs(std::int64_t localMs) {
  setCorrectionMs(correctionMs() + (localMs - localNowMs()));
}

std::int64_t SystemClock::utcNowMs() const {
  return QDateTime::currentMSecsSinceEpoch() + correction_;
}

QTimeZone SystemClock::localZone() const { return QTimeZone::systemTimeZone(); }

}  // namespace bw
