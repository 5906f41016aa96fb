#include "Fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>

namespace testing_support {

std::int64_t utcMs(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    const sys_days d = year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                      std::chrono::day{static_cast<unsigned>(day)}};
    return duration_cast<milliseconds>(d.time_since_epoch()).count() +
           ((hour * 60LL + minute) * 60 + second) * 1000;
}

Sim::Sim(const std::string &scenarioJson, std::int64_t startMs) : clock(startMs) {
    sim = marketsim::Simulator::fromJson(scenarioJson, clock);
    if (!sim->start(0)) throw std::runtime_error("simulator did not start");
    client = std::make_unique<httplib::Client>("127.0.0.1", sim->port());
    client->set_read_timeout(10, 0);
}

Sim::~Sim() {
    client.reset();
    sim->stop();
}

httplib::Result Sim::request(const std::string &method, const std::string &target, const std::string &body,
                             const std::string &cookie) {
    httplib::Headers headers;
    if (!cookie.empty()) headers.emplace("Cookie", cookie);
    if (method == "POST") return client->Post(target.c_str(), headers, body, "application/x-www-form-urlencoded");
    return client->Get(target.c_str(), headers);
}

std::string Sim::get(const std::string &target, const std::string &cookie) {
    auto result = request("GET", target, "", cookie);
    EXPECT_TRUE(result) << "GET " << target << " got no answer";
    return result ? result->body : std::string();
}

std::string Sim::post(const std::string &path, const std::string &body, const std::string &cookie) {
    auto result = request("POST", path, body, cookie);
    EXPECT_TRUE(result) << "POST " << path << " got no answer";
    return result ? result->body : std::string();
}

} // namespace testing_support
