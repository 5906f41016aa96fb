#pragma once
#include <QTimeZone>
#include <cstdint>

namespace bw {

// The one source of "now". Setting the PC clock only moves the correction;
// the system clock itself is never changed.
class IClock {
 public:
  virtual ~IClock() = default;
  // Corrected present time, milliseconds since 1970-01-01T00:00Z.
  virtual std::int64_t utcNowMs() const = 0;
  // The local zone that turns UTC into local wall-clock time.
  virtual QTimeZone localZone() const = 0;
  virtual std::int64_t correctionMs() const = 0;
  virtual void setCorrectionMs(std::int64_t correction) = 0;

  // Local wall-clock time as milliseconds since 1970-01-01T00:00 local.
  std::int64_t localNowMs() const;
  // Sets the correction so that localNowMs() reads `localMs` now.
  void setLocalNowMs(std::int64_t localMs);
};

// The system clock with a correction kept in memory.
class SystemClock final : public IClock {
 public:
  std::int64_t utcNowMs() const override;
  QTimeZone localZone() const override;
  std::int64_t correctionMs() const override { return correction_; }
  void setCorrectionMs(std::int64_t correction) override { correction_ = correction; }

 private:
  std::int64_t correction_ = 0;
};

}  // namespace bw
