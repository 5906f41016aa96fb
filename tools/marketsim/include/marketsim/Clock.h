#pragma once

#include <atomic>
#include <cstdint>

namespace marketsim {

// "This machine's time": milliseconds since 1970-01-01 UTC. The marketplace's
// own clock is this plus the scenario's offset.
class MachineClock {
public:
    virtual ~MachineClock() = default;
    virtual std::int64_t nowMs() const = 0;
};

class SystemClock final : public MachineClock {
public:
    std::int64_t nowMs() const override;
};

// A clock that only moves when told; tests use it to make every page and
// every bid outcome reproducible.
class ManualClock final : public MachineClock {
public:
    explicit ManualClock(std::int64_t startMs) : now_(startMs) {}
    std::int64_t nowMs() const override { return now_.load(); }
    void set(std::int64_t ms) { now_.store(ms); }
    void advanceMs(std::int64_t ms) { now_.fetch_add(ms); }

private:
    std::atomic<std::int64_t> now_;
};

} // namespace marketsim
