#include "model/ItemPageReader.h"

#include <array>
#include <limits>
#include <utility>

#include "core/DateReader.h"
#include "core/Error.h"
#include "core/Format.h"
#include "core/Money.h"
#include "core/ProcessState.h"
#include "model/Auction.h"
#include "model/PageParsers.h"
#include "model/PageText.h"
#include "model/Sites.h"
#include "platform/Services.h"
#include "settings/LogIt.h"
#include "time/MarketTime.h"
#include "web/Web.h"

namespace bw {

using pagetext::cutTo;
using pagetext::isPlainNumber;
using pagetext::midSafe;
using pagetext::trimBlanks;

namespace {

const QString kSource = QStringLiteral("Auction.GetEbayAuctionData");

IProfitCalculator* gProfitCalculator = nullptr;

bool isEndedText(const QString& timeLeft) {
  return timeLeft == QLatin1String(TimeRemainingText::AuctionEnded) ||
         timeLeft == QLatin1String(TimeRemainingText::ItemEnded);
}

std::int16_t toShort(const QString& text, QChar decimal) {
  return static_cast<std::int16_t>(pagetext::toWholeNumber(
      text, decimal, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

std::int32_t toLong(const QString& text, QChar decimal) {
  return static_cast<std::int32_t>(pagetext::toWholeNumber(
      text, decimal, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The part of the page above the seller's own description, which may say
// anything at all. Only the head is upper-cased: the page may be long.
PageText headOf(const QString& page) {
  qsizetype end = page.indexOf(QLatin1String("<A NAME=\"DESC\">"), 0, Qt::CaseInsensitive);
  if (end < 0) end = page.indexOf(QLatin1String("<b>Vehicle Description</b>"));
  if (end < 0) end = page.indexOf(QLatin1String("<B>DESCRIPTION</B>"), 0, Qt::CaseInsensitive);
  if (end < 0) end = page.indexOf(QLatin1String("Seller assumes all responsibility"));
  return PageText(end < 0 ? page : page.left(end));
}

void writeInvalidItem(Auction& auction) {
  auction.setDescription(QLatin1String(kInvalidAuctionDescription));
  auction.setCurrentPrice(Money());
  auction.setPriceInUSD(Money());
  auction.setMinimumBid(Money());
  auction.setCurrentProfit(Money());
  auction.setBids(0);
  auction.setQuantity(0);
  auction.setTimeRemaining(QLatin1String(TimeRemainingText::NotAvailable));
  auction.setEndTime(DateTime::localNow().toText());
}

bool readPage(Auction& auction, const QString& cleanPage, const QString& address) {
  const QString number = auction.Number();
  auto logMissing = [&](const char* text) { LogIt(kSource, QLatin1String(text) + number.trimmed()); };
  const LocaleInfo& locale = currentLocale();
  const QChar decimal = locale.decimalSeparator;

  PageText page;
  page.text = cleanPage;  // searched as it is, never upper-cased
  const PageText head = headOf(page.text);
  const QString& text = head.text;

  // Fixed-price and store listings show a quantity "available" instead of bids.
  qsizetype quantityAt = text.indexOf(QLatin1String("Quantity </font>"));
  if (quantityAt < 0) quantityAt = text.indexOf(QLatin1String("Quantity</font>"));
  bool noBidCount = false;
  if (quantityAt >= 0) {
    ++quantityAt;
  } else {
    quantityAt = 0;
    noBidCount = !text.contains(QLatin1String("# of bids"));
  }
  const bool availableNearQuantity =
      midSafe(head.upper, quantityAt, 200).contains(QLatin1String("AVAILABLE"));

  if (text.contains(QLatin1String("Invalid Item")) &&
      text.contains(QLatin1String("is invalid or no longer in our database"))) {
    writeInvalidItem(auction);
    return false;
  }
  if (text.contains(QLatin1String("Firewall Error: Forbidden"))) {
    LogIt(kSource, QStringLiteral("Problem getting auction data from ") + address +
                       QStringLiteral(": Possible Firewall Error"));
    return false;
  }

  const bool live = text.contains(QLatin1String("eBay Live Auctions"));
  const QString motorsPath = QLatin1String(kMotorsBidPath);
  if (text.contains(QLatin1String("eBay Motors item")) ||
      text.contains(serverBase(ServerKind::ItemView) + motorsPath) ||
      text.contains(builtInServerBase(ServerKind::ItemView) + motorsPath)) {
    auction.setEBayAuctionCategory(QStringLiteral("M"));
  }
  bool complete = true;

  DateTime end;
  const qsizetype endsAt = text.indexOf(QLatin1String("(Ends "));
  if (endsAt >= 0) {
    QString ends = cutTo(text, endsAt + 6, u") - ");
    if (ends.size() < 4) throw Error(Error::InvalidProcedureCall);
    ends.chop(4);  // the zone word with its blank
    end = toDate(InternationalizeDate(trimBlanks(ends)));
  } else {
    logMissing("Unable to find close time for eBay auction #");
    complete = false;
  }

  QString title;
  const qsizetype titleAt = text.indexOf(QLatin1String(" - "));
  if (titleAt >= 0) {
    title = trimBlanks(cutTo(text, titleAt + 3, u"<"));
  } else {
    logMissing("Unable to find description for eBay auction #");
    complete = false;
  }

  const QString currency = ParseEbayCurrency(head);
  QString usdPrice;
  if (currency != QLatin1String("USD")) usdPrice = GetEbayPriceInUSD(head, decimal);

  QString bidCount;
  if (availableNearQuantity || auction.EBayNonAuctionItem() || noBidCount) {
    bidCount = QStringLiteral("-1");
  } else if (const qsizetype at = text.indexOf(QLatin1String("itemNumBids = ")); at >= 0) {
    bidCount = RemoveNonNumeric(cutTo(text, at + 15, u"\""), decimal);
  } else if (const qsizetype at = text.indexOf(QLatin1String("# of bids")); at >= 0) {
    const qsizetype open = text.indexOf(QLatin1String("<b>"), at);
    if (open < 0) throw Error(Error::InvalidProcedureCall);
    bidCount = RemoveNonNumeric(trimBlanks(cutTo(text, open + 3, u"</b>")), decimal);
  } else {
    logMissing("Unable to find bids count for auction #");
    complete = false;
  }

  QString price = GetEbayPrice(head, currency, decimal, bidCount, number);
  if (price.isEmpty()) return false;
  if (currency == QLatin1String("USD")) usdPrice = RemoveNonNumeric(price, decimal);

  QString reserve;
  if (text.contains(QLatin1String("(reserve not yet met)"))) {
    reserve = QStringLiteral("RESERVE NOT MET");
  } else if (text.contains(QLatin1String("(reserve met)"))) {
    reserve = QStringLiteral("RESERVE MET");
  }

  bool cannotBid = availableNearQuantity || noBidCount;

  QString timeLeft;
  if (text.contains(QLatin1String("Item has been purchased with"))) {
    timeLeft = QLatin1String(TimeRemainingText::ItemEnded);
  } else if (const qsizetype at = text.indexOf(QLatin1String("Time left")); at >= 0) {
    const qsizetype bold = head.upper.indexOf(QLatin1String("<B>"), at);
    if (bold >= 0) {
      const qsizetype start = bold + 3;
      const QString near = midSafe(text, start, 100);
      if (near.contains(QLatin1String("Auction Ended")) ||
          near.contains(QLatin1String("Item has ended")) ||
          near.contains(QLatin1String("Auction has ended")) ||
          text.contains(QLatin1String("This auction has ended")) ||
          text.contains(QLatin1String("Bidding is closed for this item"))) {
        timeLeft = QLatin1String(TimeRemainingText::ItemEnded);
      } else {
        timeLeft = trimBlanks(cutTo(text, start, u"<"));
      }
    } else {
      logMissing("Unable to find time left for eBay auction #");
      complete = false;
    }
  } else if (cannotBid) {
    timeLeft = QLatin1String(TimeRemainingText::NotAvailable);
  } else {
    logMissing("Unable to find time left for eBay auction #");
    complete = false;
  }

  std::int32_t quantity = 0;
  qsizetype quantityBold = -1;
  if (const qsizetype at = text.indexOf(QLatin1String("Quantity")); at >= 0) {
    quantityBold = text.indexOf(QLatin1String("<b>"), at);
    if (quantityBold >= 0) {
      quantity = toLong(RemoveNonNumeric(cutTo(text, quantityBold + 3, u"</b>"), decimal), decimal);
    } else {
      logMissing("Unable to find Quantity for eBay auction #");
      complete = false;
    }
  } else {
    quantity = auction.EBayNonAuctionItem() ? auction.Quantity() : 1;
  }

  if (auction.EBayNonAuctionItem()) {
    cannotBid = true;
  } else if (quantityBold >= 0 &&
             midSafe(text, quantityBold + 3, 25).contains(QLatin1String("available"))) {
    cannotBid = true;
  }

  QString seller = ParseEbaySeller(head, timeLeft, number);
  const bool sellerFound = !seller.isEmpty();

  QString highBidder;
  qsizetype highBidderAt = -1;
  bool multiQuantity = false;
  std::int16_t unitsSold = 0;
  if (!cannotBid) {
    const HighBidderFound found = FindHighBidder(head, seller, number);
    highBidder = found.name;
    highBidderAt = found.position;
    if (IsWinnersListLink(highBidder)) {
      multiQuantity = true;
      const QString winners = GetHTML(serverBase(ServerKind::Service) +
                                      QLatin1String(kDutchHighBidderPath) + number.trimmed() +
                                      QStringLiteral("&ed="));
      const WinnersRead read = ReadWinnersPage(
          winners, seller, {state().ProgramSettings.EbayID, auction.MyBidUserID()},
          auction.TrackingProfit() && !auction.EBayNonAuctionItem(), decimal, number);
      if (!read.matchedId.isEmpty()) highBidder = read.matchedId;
      unitsSold = read.unitsSold;
    }
  }
  if (!multiQuantity) {
    unitsSold = 0;
    if (auction.EBayNonAuctionItem() && !auction.EBayNonAuctionFinalRefreshDone()) {
      const long long sold = static_cast<long long>(auction.InitialQuantity()) - quantity;
      if (sold < std::numeric_limits<std::int16_t>::min() ||
          sold > std::numeric_limits<std::int16_t>::max()) {
        throw Error(Error::Overflow);
      }
      unitsSold = static_cast<std::int16_t>(sold);
    }
  }

  if (highBidder.isEmpty() && !seller.isEmpty()) {
    const QString stored = trimBlanks(auction.HighBidder());
    if (stored != QLatin1String("eBay Payments")) highBidder = stored;
  }

  QString minimumBid;
  if (cannotBid || isEndedText(timeLeft) || text.contains(QLatin1String("Auction has ended")) ||
      text.contains(QLatin1String("Item has ended"))) {
    minimumBid = QStringLiteral("0");
  } else {
    minimumBid = FindMinimumBid(page, head, currency, price, highBidderAt, decimal, number);
  }
  if (isPlainNumber(minimumBid, decimal)) {
    complete = complete && sellerFound;
  } else {
    logMissing("Unable to find min bid for eBay auction #");
    complete = false;
  }

  title = DecodeTitle(title);

  price.replace(u'.', decimal);
  usdPrice.replace(u'.', decimal);
  if (cannotBid) minimumBid = price;
  minimumBid.replace(u'.', decimal);

  if (!state().SuppressChangeFlags) {
    const QString bids = trimBlanks(bidCount);
    const QString newPriceText = trimBlanks(price);
    const std::int16_t newBids = isPlainNumber(bids, decimal) ? toShort(bids, decimal) : 0;
    const Money newPrice = isPlainNumber(newPriceText, decimal)
                               ? Money::fromText(newPriceText, locale)
                               : Money();
    if (auction.CurrentPrice() != Money() && !title.isEmpty() &&
        (newBids != auction.Bids() || newPrice != auction.CurrentPrice() ||
         quantity != auction.Quantity())) {
      auction.setBidsChangeFlag(true);
    }
  }

  // A win is flagged even while change flags are suppressed.
  {
    const QString ownId = trimBlanks(auction.MyBidUserID());
    const QString defaultId = trimBlanks(state().ProgramSettings.EbayID);
    if (isEndedText(timeLeft) &&
        trimBlanks(auction.TimeRemaining()) != QLatin1String(TimeRemainingText::ItemEnded) &&
        !highBidder.isEmpty() && (highBidder == ownId || highBidder == defaultId) &&
        reserve != QLatin1String("RESERVE NOT MET")) {
      auction.setBidsChangeFlag(true);
    }
  }

  // Each field is converted as it is written: a failure half-way keeps what
  // was written before it and leaves the rest as it was.
  auction.setDescription(title);
  auction.setQuantity(quantity);
  auction.setCurrentPrice(Money::fromText(trimBlanks(price), locale));
  auction.setPriceInUSD(Money::fromText(trimBlanks(usdPrice).remove(u')'), locale));
  auction.setMinimumBid(Money::fromText(trimBlanks(minimumBid), locale));
  auction.setBids(toShort(trimBlanks(bidCount), decimal));
  if (live) {
    auction.setTimeRemaining(formatDateTime(end, QStringLiteral("mm/d/yy hh:mm:ss"), locale) +
                             QStringLiteral(" PST"));
  } else {
    auction.setTimeRemaining(trimBlanks(timeLeft));
  }
  if (trimBlanks(auction.TimeRemaining()).isEmpty() && MarketplaceNow() > end) {
    auction.setTimeRemaining(QLatin1String(TimeRemainingText::ItemEnded));
  }
  auction.setEndTime(end.toText(locale));
  auction.setHighBidder(trimBlanks(highBidder));
  auction.setSeller(seller.replace(QLatin1String("%24"), QLatin1String("$")));
  auction.setReserveStatus(reserve);
  if (auction.TrackingProfit() && gProfitCalculator != nullptr) gProfitCalculator->CalcProfit(auction);
  auction.setUnitsSold(unitsSold);
  auction.setAuctionCurrency(trimBlanks(currency));
  if (!live) auction.setEBayNonAuctionItem(cannotBid);
  auction.setEBayNonAuctionFinalRefreshDone(false);

  LogIt(kSource, QStringLiteral("Successfully retrieved auction data from ") + address +
                     QStringLiteral("..."));
  return complete;
}

bool readGuarded(Auction& auction, const QString& rawPage, const QString& address) {
  try {
    return readPage(auction, CleanHTML(rawPage), address);
  } catch (const Error& error) {
    LogIt(kSource, QStringLiteral("Problem getting auction data from ") + address +
                       QStringLiteral(": ") + error.description());
  } catch (const std::exception& error) {
    LogIt(kSource, QStringLiteral("Problem getting auction data from ") + address +
                       QStringLiteral(": ") + QString::fromLocal8Bit(error.what()));
  }
  return false;
}

}  // namespace

IProfitCalculator* installProfitCalculator(IProfitCalculator* calculator) {
  IProfitCalculator* previous = gProfitCalculator;
  gProfitCalculator = calculator;
  return previous;
}

QString DecodeTitle(QString title) {
  static const std::array<std::pair<const char16_t*, const char16_t*>, 22> kReferences{{
      {u"&#39;", u"'"},       {u"&#34;", u"\""},      {u"&#38;", u"&"},
      {u"&#60;", u"<"},       {u"&#62;", u">"},       {u"&#160;", u" "},
      {u"&#161;", u"\u00A1"}, {u"&#162;", u"\u00A2"}, {u"&#163;", u"\u00A3"},
      {u"&#165;", u"\u00A5"}, {u"&#166;", u"\u00A6"}, {u"&#167;", u"\u00A7"},
      {u"&#169;", u"\u00A9"}, {u"&#174;", u"\u00AE"}, {u"&#176;", u"\u00B0"},
      {u"&#188;", u"\u00BC"}, {u"&#189;", u"\u00BD"}, {u"&#190;", u"\u00BE"},
      {u"&#191;", u"\u00BF"}, {u"&#248;", u"\u00F8"}, {u"&#37;", u"%"},
      {u"&amp;", u"&"},
  }};
  for (const auto& [reference, character] : kReferences) {
    title.replace(QString::fromUtf16(reference), QString::fromUtf16(character));
    title = trimBlanks(title);
  }
  return title;
}

bool ReadItemPage(Auction& auction, const QString& page, const QString& address) {
  return readGuarded(auction, page, address);
}

bool GetEbayAuctionData(Auction& auction) {
  if (pagetext::upperSameLength(auction.TimeRemaining()).contains(QLatin1String("END"))) {
    return true;
  }
  const QString address = itemPageReadAddress(auction.Number());
  LogIt(kSource, QStringLiteral("Getting auction data from ") + address + QStringLiteral("..."));
  QString page;
  try {
    page = GetHTML(address);
  } catch (const Error& error) {
    LogIt(kSource, QStringLiteral("Problem getting auction data from ") + address +
                       QStringLiteral(": ") + error.description());
    return false;
  }
  return readGuarded(auction, page, address);
}

bool Auction::UpdateAuctionData() {
  try {
    const QString left = trimBlanks(TimeRemaining());
    if (left == QLatin1String(TimeRemainingText::AuctionEnded) ||
        left == QLatin1String(TimeRemainingText::ItemEnded)) {
      return true;
    }
    return GetEbayAuctionData(*this);
  } catch (...) {
    logCurrentException(QStringLiteral("Auction.UpdateAuctionData"));
    return false;
  }
}

}  // namespace bw
