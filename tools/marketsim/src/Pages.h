#pragma once

#include "Market.h"

#include <string>
#include <vector>

namespace marketsim {

// Every page is written as UTF-8 text; the server sends it as Windows-1252.
struct PageContext {
    std::string base;  // "http://host:port" as the client addressed us
    std::int64_t nowMs = 0;
    const Scenario *scenario = nullptr;
};

std::string moneyText(const AuctionSpec &spec, Cents amount);  // "US $12.50", "GBP 12.50"
Cents usdValue(const AuctionSpec &spec, Cents amount);
std::string timeLeftText(std::int64_t ms);                     // "2 days 3 hours", "4 mins 12 secs"
std::string marketTime(std::int64_t ms);                        // "Dec-11-26 05:30:00 PST"
bool isEnded(const AuctionState &auction, std::int64_t nowMs);
bool isFixedPrice(const AuctionSpec &spec);

std::string itemPage(const PageContext &ctx, const AuctionState &auction);
std::string invalidItemPage(const PageContext &ctx, const std::string &item);
std::string firewallPage();
std::string winnersPage(const PageContext &ctx, const AuctionState &auction);
std::string bidHistoryPage(const PageContext &ctx, const AuctionState &auction);
std::string timePage(const PageContext &ctx);

std::string confirmBidPage(const PageContext &ctx, const AuctionState &auction, const std::string &bidPath,
                           const std::string &key, Cents max, int quantity);
// A one-message answer of the bid pages; `message` is HTML.
std::string answerPage(const PageContext &ctx, const std::string &title, const std::string &message);

std::string itemListPage(const PageContext &ctx, const std::string &title,
                         const std::vector<const AuctionState *> &auctions);
std::string signInPage(const PageContext &ctx, const std::string &userId, bool invalid);
std::string accountPage(const PageContext &ctx, const std::string &userId);
std::string biddingOnPage(const PageContext &ctx, const std::string &userId,
                          const std::vector<const AuctionState *> &bidOn,
                          const std::vector<const AuctionState *> &watching);
std::string homePage(const PageContext &ctx, const std::vector<const AuctionState *> &auctions);
std::string searchPage(const PageContext &ctx);
std::string helpPage(const PageContext &ctx);
std::string notFoundPage(const std::string &path);

} // namespace marketsim
