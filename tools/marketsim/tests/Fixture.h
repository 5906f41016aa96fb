#pragma once

#include "marketsim/Simulator.h"

#include <httplib.h>

#include <cstdint>
#include <memory>
#include <string>

namespace testing_support {

std::int64_t utcMs(int year, int month, int day, int hour, int minute, int second);

// 2026-12-11 13:00:00 UTC, 05:00:00 PST.
inline const std::int64_t kStartMs = utcMs(2026, 12, 11, 13, 0, 0);

// One simulator on an ephemeral port, on a clock that moves only when told.
struct Sim {
    explicit Sim(const std::string &scenarioJson, std::int64_t startMs = kStartMs);
    ~Sim();

    std::string get(const std::string &target, const std::string &cookie = "");
    std::string post(const std::string &path, const std::string &body, const std::string &cookie = "");
    httplib::Result request(const std::string &method, const std::string &target, const std::string &body = "",
                            const std::string &cookie = "");
    void advance(std::int64_t ms) { clock.advanceMs(ms); }
    std::string motorsBidAddress() const { return sim->baseUrl() + "/ebaymotors/aw-cgi/eBayISAPI.dll"; }

    marketsim::ManualClock clock;
    std::unique_ptr<marketsim::Simulator> sim;
    std::unique_ptr<httplib::Client> client;
};

} // namespace testing_support
