#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

namespace bw {

// A page text together with its upper-cased copy (same positions), made
// once per read because most rules search one or the other.
struct PageText {
  PageText() = default;
  explicit PageText(QString text);
  QString text;
  QString upper;
};

// The amount normaliser: digits and at most one decimal separator `decimal`
// ("US $1,234.50" gives "1234.50" with a point, "1234,50" with a comma).
QString RemoveNonNumeric(const QString& text, QChar decimal);

// The auction's currency code from the head ("USD" when none is shown).
QString ParseEbayCurrency(const PageText& head);

// The approximate US-dollar price shown for another currency, as digits;
// empty when the page gives none.
QString GetEbayPriceInUSD(const PageText& head, QChar decimal);

// The price as digits with `decimal` as separator, or "" (logged) when the
// head shows none. `itemNumber` only names the item in the log.
QString GetEbayPrice(const PageText& head, const QString& currency, QChar decimal,
                     const QString& bidCount, const QString& itemNumber);

// The seller's user ID, or "" (logged).
QString ParseEbaySeller(const PageText& head, const QString& timeLeft,
                        const QString& itemNumber);

// The high bidder of the item page and the position just after its link
// (-1 when not found). Missing delimiters inside the link raise Error 5.
struct HighBidderFound {
  QString name;
  qsizetype position = -1;
};
HighBidderFound FindHighBidder(const PageText& head, const QString& seller,
                               const QString& itemNumber);

// True for the link text of a multi-quantity auction's list of winners.
bool IsWinnersListLink(const QString& highBidder);

// The winners' page of a multi-quantity auction: the high bidder becomes
// one of `ownIds` (compared in upper case) when it is among the winners;
// the units sold are the sum of the winners' quantities when `countUnits`.
struct WinnersRead {
  QString matchedId;  // empty: no winner matched
  std::int16_t unitsSold = 0;
};
WinnersRead ReadWinnersPage(const QString& page, const QString& seller,
                            const QStringList& ownIds, bool countUnits, QChar decimal,
                            const QString& itemNumber);

// The minimum next bid as digits, from `c` (the high-bidder position, or 0),
// with the bid increment as the last resort; "" when none is found.
QString FindMinimumBid(const PageText& page, const PageText& head, const QString& currency,
                       const QString& price, qsizetype c, QChar decimal,
                       const QString& itemNumber);

}  // namespace bw
