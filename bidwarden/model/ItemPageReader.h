#pragma once
#include <QString>

namespace bw {

class Auction;

// Recomputes an auction's profit after a read (profit tracking installs
// it); without one the profit stays as it was.
class IProfitCalculator {
 public:
  virtual ~IProfitCalculator() = default;
  virtual void CalcProfit(Auction& auction) = 0;
};
IProfitCalculator* installProfitCalculator(IProfitCalculator* calculator);

// Fetches the auction's item page from the marketplace and writes what it
// says into the record. True when the read found every field; false when
// the refresh failed (the record may then hold what was found). An auction
// whose time left says it has ended is not fetched and gives true.
bool GetEbayAuctionData(Auction& auction);

// The same read on a page that is already at hand (not yet flattened), as
// fetched from `address` (which only appears in the log).
bool ReadItemPage(Auction& auction, const QString& page, const QString& address);

// Replaces the character references of a title, in the marketplace's order.
QString DecodeTitle(QString title);

}  // namespace bw
