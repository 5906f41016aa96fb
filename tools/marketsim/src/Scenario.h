#pragma once

#include "Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace marketsim {

enum class Kind { Auction, Dutch, FixedPrice, Store, Motors, Live, Private, Invalid };

struct Increment {
    Cents from = 0;
    Cents step = 0;
};

// A bid of another bidder; atMs counts from the scenario's start on the
// marketplace's clock (negative: placed before the simulator started).
struct RivalBid {
    std::string bidder;
    Cents max = 0;
    int quantity = 1;
    std::int64_t atMs = 0;
};

struct BuyItNow {
    Cents price = 0;
    std::string buyer;           // empty: offered but never bought
    std::int64_t atMs = 0;
};

struct AuctionSpec {
    std::string item;
    Kind kind = Kind::Auction;
    std::string title;
    std::string seller;
    int sellerRating = 0;
    std::string currency = "USD";
    std::string currencyDisplay;  // how amounts are written; empty: the usual form of the code
    double usdRate = 0;           // US dollars per unit; 0: a built-in rate
    Cents startPrice = 100;
    Cents reserve = 0;
    int quantity = 1;
    std::int64_t endsInMs = 0;
    std::vector<Increment> increments;  // empty: the scenario's table
    std::vector<RivalBid> bids;
    std::optional<BuyItNow> buyItNow;
    std::string location = "Portland, Oregon";
    std::string description;
    // Page form choices.
    bool showMinimumBid = true;
    std::string descriptionAnchor = "name";  // "name", "bold", "none"
    std::string endedWording = "Auction has ended.";
    std::string endedSellerForm = "feedback";  // "feedback", "rating", "listed"
    std::string bidCountForm = "table";        // "table", "script"
    std::string priceLabel = "Currently";      // "Currently", "Current bid"
    std::string winnersCellForm = "A";         // "A", "B"
    bool blockedAtMakeBid = false;
};

struct Account {
    std::string id;
    std::string password;
    bool registered = true;
    std::vector<std::string> blockedBy;
    std::vector<std::string> watching;
};

struct Fault {
    std::string match;   // substring of path+query or body
    std::string method;  // empty: any
    std::string kind;    // "empty", "drop", "slow", "firewall"
    int delayMs = 0;
    int count = -1;      // how many requests it hits; -1: all
};

struct Latency {
    std::string match;
    int ms = 0;
};

struct Scenario {
    std::int64_t clockOffsetMs = 0;
    int timeMarker = 1;                 // 1 "At the tone...", 2 "The official eBay Time is now:"
    std::string timeDateForm = "short"; // "short" (Dec-11-26 05:30:00) or "long"
    int keyForm = 1;                    // 1: name=key value="..", 2: name="key" value=".."
    int confirmWording = 1;
    int highBidderWording = 1;          // 1 "You are the current high bidder", 2 "Your bid is confirmed!"
    int reserveWording = 1;
    std::vector<Increment> increments;
    std::vector<AuctionSpec> auctions;
    std::vector<Account> accounts;
    std::vector<Latency> latency;
    std::vector<Fault> faults;
    std::string currentVersion = "1.0.0";
    std::string earliestCompatible = "1.0.0";
    std::string upgradeInstructions;
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> extraIni;
};

std::vector<Increment> standardIncrements();

// Both throw std::invalid_argument naming what is wrong.
Scenario parseScenario(const std::string &json);
AuctionSpec parseAuction(const std::string &json);
RivalBid parseRivalBid(const std::string &json, std::string &item);

std::string kindName(Kind kind);

} // namespace marketsim
