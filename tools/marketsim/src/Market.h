#pragma once

#include "Scenario.h"
#include "marketsim/Clock.h"
#include "marketsim/Simulator.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace marketsim {

struct PlacedBid {
    std::string bidder;
    Cents max = 0;
    int quantity = 1;
    std::int64_t atMs = 0;  // marketplace clock
};

struct Winner {
    std::string bidder;
    Cents max = 0;
    int quantity = 0;
};

// What the bids add up to at one moment.
struct Standing {
    std::string highBidder;  // empty without bids
    Cents highMax = 0;
    Cents price = 0;
    bool reserveMet = true;
    int bidCount = 0;
    Cents minimumBid = 0;
    std::vector<Winner> winners;  // multi-quantity auctions
};

Cents incrementAt(const std::vector<Increment> &table, Cents price);
// The proxy-bidding rules: the leader pays one increment over the second
// highest maximum (never more than the own maximum), the earlier bid wins a
// tie, a met reserve lifts the price to the reserve.
Standing computeStanding(const AuctionSpec &spec, const std::vector<Increment> &table,
                         const std::vector<PlacedBid> &bids);

struct AuctionState {
    AuctionSpec spec;
    std::int64_t endMs = 0;  // marketplace clock
    std::vector<RivalBid> pending;  // atMs absolute, in order
    std::vector<PlacedBid> bids;
    std::vector<std::string> refused;
    bool purchased = false;  // ended by a Buy It Now purchase
    std::string buyer;
    std::vector<Increment> table;
    Standing standing;
};

enum class BidResult { Accepted, BelowMinimum, Ended };

struct HttpRequest {
    std::string method;
    std::string path;
    std::string query;  // without "?"
    std::string body;
    std::string host;   // Host header
    std::string cookie;
};

struct HttpAnswer {
    int status = 200;
    std::string body;  // bytes as sent
    std::string contentType = "text/html; charset=windows-1252";
    std::vector<std::pair<std::string, std::string>> headers;
    std::string command;
    std::string item;
    std::string outcome;
};

struct Admission {
    std::int64_t seq = 0;
    std::optional<Fault> fault;
    int latencyMs = 0;
};

// The whole marketplace; every public call is safe from the server's threads.
class Market {
public:
    Market(Scenario scenario, const MachineClock &clock);

    std::int64_t marketNowMs() const;
    std::int64_t startMs() const { return startMs_; }

    // Logs the arrival and picks the fault and latency that apply.
    Admission admit(const HttpRequest &request);
    HttpAnswer handle(const HttpRequest &request);
    void finish(std::int64_t seq, const HttpAnswer &answer, const std::string &fault);

    std::vector<RequestLogEntry> log() const;
    std::string stateJson() const;
    std::string logJson(std::int64_t sinceSeq) const;
    // Control: both throw std::invalid_argument on bad input.
    std::string addAuction(const std::string &json);
    std::string addRivalBid(const std::string &json);
    void setClockOffsetMs(std::int64_t offsetMs);

    // For tests of the rules.
    BidResult placeBid(const std::string &item, const std::string &bidder, Cents max, int quantity);
    std::optional<Standing> standing(const std::string &item);

private:
    struct BidKey {
        std::string item;
        Cents max = 0;
        int quantity = 1;
        bool used = false;
    };

    std::int64_t nowLocked() const;
    void advanceLocked(std::int64_t now);
    void advanceAuction(AuctionState &auction, std::int64_t now);
    BidResult tryBid(AuctionState &auction, const std::string &bidder, Cents max, int quantity, std::int64_t at);
    AuctionState makeState(AuctionSpec spec, std::int64_t originMs) const;
    AuctionState *find(const std::string &item);
    const Account *account(const std::string &id) const;
    std::string sessionUser(const std::string &cookie) const;

    HttpAnswer isapi(const HttpRequest &request, const std::string &command, const FormValues &form);
    HttpAnswer makeBid(const HttpRequest &request, const FormValues &form, bool motorsPath);
    HttpAnswer acceptBid(const HttpRequest &request, const FormValues &form, bool motorsPath);
    HttpAnswer signIn(const std::string &base, const FormValues &form);
    HttpAnswer updateServer(const std::string &base, const std::string &path);

    mutable std::mutex mutex_;
    Scenario scenario_;
    const MachineClock &clock_;
    std::int64_t startMs_ = 0;
    std::vector<AuctionState> auctions_;
    std::map<std::string, BidKey> keys_;
    std::map<std::string, std::string> sessions_;
    std::vector<RequestLogEntry> log_;
    std::int64_t nextSeq_ = 1;
    std::int64_t nextKey_ = 1;
};

} // namespace marketsim
