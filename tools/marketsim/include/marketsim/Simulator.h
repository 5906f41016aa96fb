#pragma once

#include "marketsim/Clock.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marketsim {

// One request as it arrived, with its arrival on the marketplace's clock.
struct RequestLogEntry {
    std::int64_t seq = 0;
    std::int64_t arrivalMs = 0;  // marketplace clock, ms since epoch (UTC based)
    std::string arrivalText;     // the same moment as the marketplace writes it, to the ms
    std::string method;
    std::string target;          // path and query as sent
    std::string body;            // form body, password values masked
    std::string command;         // e.g. "ViewItem", "MakeBid", "AcceptBid", "TimeShow"
    std::string item;
    std::string outcome;         // what the simulator answered, e.g. "confirm", "high-bidder"
    std::string fault;           // the injected fault, if any
};

class Market;

// The marketplace of one scenario, served over HTTP. Links in its pages use
// the address the client asked for (the Host header), so a client that
// reaches it under another name gets consistent pages.
class Simulator {
public:
    // Throws std::invalid_argument with a readable message on a bad scenario.
    // `clock` must outlive the simulator.
    static std::unique_ptr<Simulator> fromJson(const std::string &json, const MachineClock &clock);
    static std::unique_ptr<Simulator> fromFile(const std::string &path, const MachineClock &clock);

    ~Simulator();
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // Listens on 127.0.0.1; port 0 picks a free one. False when it cannot bind.
    bool start(int port = 0);
    void stop();
    int port() const;
    std::string baseUrl() const;  // "http://127.0.0.1:PORT"

    std::vector<RequestLogEntry> requestLog() const;
    std::string stateJson() const;  // what GET /__sim/state answers
    std::int64_t marketNowMs() const;

private:
    explicit Simulator(std::unique_ptr<Market> market);
    struct Server;
    std::unique_ptr<Market> market_;
    std::unique_ptr<Server> server_;
};

} // namespace marketsim
