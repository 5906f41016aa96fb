#pragma once

// A compact reader of the marketplace's pages that follows the tracker's
// reading rules (markers, order, head rule, delimiters). The tests read the
// simulator's pages through it, so a page that a correct reader would
// misread fails here. Decimal separator: a point.

#include <string>
#include <utility>
#include <vector>

namespace reader {

std::string cleanHtml(const std::string &text);
std::string headOf(const std::string &page);
std::string removeNonNumeric(const std::string &text);

struct ItemRead {
    bool invalid = false;
    bool firewall = false;
    bool motors = false;
    bool live = false;
    bool cannotBid = false;
    std::string endText;
    std::string title;
    std::string currency;
    std::string bids;
    std::string price;
    std::string usdPrice;
    std::string reserve;
    std::string timeLeft;
    long quantity = 0;
    std::string seller;
    std::string highBidder;
    std::string minimumBid;
};

// `page` is the page as received; it is flattened first.
ItemRead readItem(const std::string &page, const std::string &motorsBidAddress);

// Winners' page, read as received: user IDs and the summed quantities.
std::vector<std::string> winnerIds(const std::string &page);
long unitsSold(const std::string &page);

// Time page, read as received: the text between the marker and the zone, without the weekday.
std::string officialTime(const std::string &page);

// Bid conversation. First answer flattened; second as received.
int classifyFirst(const std::string &answer);
std::string bidKey(const std::string &confirmation);
int classifySecond(const std::string &answer);

// Mass add: the item numbers of a seller or bidder list page.
std::vector<std::string> listedItems(const std::string &page);
// Mass add through the account pages: the numbers after "&amp;item=".
std::vector<std::string> watchedItems(const std::string &page);

} // namespace reader
