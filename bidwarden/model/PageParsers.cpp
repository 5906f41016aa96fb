#include "model/PageParsers.h"

#include <array>
#include <utility>

#include "core/Error.h"
#include "core/Money.h"
#include "model/PageText.h"
#include "model/Sites.h"
#include "platform/Services.h"
#include "settings/LogIt.h"

namespace bw {

using pagetext::cutTo;
using pagetext::midSafe;
using pagetext::trimBlanks;

namespace {

const QString kReaderSource = QStringLiteral("Auction.GetEbayAuctionData");

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

qsizetype firstDigit(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (isAsciiDigit(text[i])) return i;
  }
  return -1;
}

// The marker that the currency and the approximate US-dollar price start
// from; -1 when the head has none of them. An auction without bids shows
// only its starting bid, which names the currency as well: without it a
// pound auction read as dollars at the approximate dollar price.
qsizetype currencyMarker(const PageText& head) {
  qsizetype p = head.text.indexOf(QLatin1String("Currently"));
  if (p < 0) p = head.upper.indexOf(QLatin1String("CURRENT BID"));
  if (p < 0) p = head.upper.indexOf(QLatin1String(" PRICE"));
  if (p < 0) p = head.upper.indexOf(QLatin1String("STARTING BID"));
  return p;
}

QString numbered(const char* text, const QString& itemNumber) {
  return QLatin1String(text) + itemNumber.trimmed();
}

}  // namespace

PageText::PageText(QString t) : text(std::move(t)), upper(pagetext::upperSameLength(text)) {}

QString RemoveNonNumeric(const QString& text, QChar decimal) {
  try {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
      if (c == u'.') c = decimal;
      if (isAsciiDigit(c) || c == decimal) kept.append(c);
    }
    if (decimal == u'.') return kept;
    const qsizetype n = kept.size();
    if (n > 2 && kept[n - 3] == decimal) {
      // Two decimals at the end: that separator is the decimal one.
      QString result = kept.left(n - 3);
      result.remove(decimal);
      return result + kept.right(3);
    }
    // A page amount without two decimals ("JPY 12,000"): a separator that
    // stands before a group of exactly three digits is a thousands
    // separator, not a decimal one.
    QString result;
    for (qsizetype i = 0; i < n; ++i) {
      if (kept[i] == decimal) {
        qsizetype digits = 0;
        while (i + 1 + digits < n && isAsciiDigit(kept[i + 1 + digits])) ++digits;
        const bool groupEnds = i + 1 + digits == n || kept[i + 1 + digits] == decimal;
        if (digits == 3 && groupEnds && i > 0) continue;
      }
      result.append(kept[i]);
    }
    return result;
  } catch (...) {
    logCurrentException(QStringLiteral("Auction.RemoveNonNumeric"));
    return QString();
  }
}

QString ParseEbayCurrency(const PageText& head) {
  try {
    const qsizetype p = currencyMarker(head);
    if (p < 0) return QStringLiteral("USD");
    const QString area = midSafe(head.text, p + 9, 300);
    static const std::array<std::pair<const char16_t*, const char*>, 11> kFragments{{
        {u"CHF", "CHF"}, {u"C $", "C $"}, {u"GBP", "GBP"}, {u"\u00A3", "GBP"},
        {u"DM", "DM"}, {u"AU $", "AU $"}, {u"NLG", "NLG"}, {u"ITL", "ITL"},
        {u"FRF", "FRF"}, {u"JPY", "JPY"}, {u"EUR", "EUR"},
    }};
    for (const auto& [fragment, code] : kFragments) {
      if (area.contains(QStringView(fragment))) return QLatin1String(code);
    }
    return QStringLiteral("USD");
  } catch (...) {
    logCurrentException(QStringLiteral("Auction.ParseEbayCurrency"));
    return QString();
  }
}

QString GetEbayPriceInUSD(const PageText& head, QChar decimal) {
  try {
    const qsizetype p = currencyMarker(head);
    // Without a marker the excerpt starts where it would for one at the
    // very start of the head.
    const QString excerpt = trimBlanks(midSafe(head.text, (p < 0 ? -1 : p) + 9, 500));
    const qsizetype approx = excerpt.indexOf(QLatin1String("(approx."));
    if (approx < 0) return QString();
    const qsizetype dollar = excerpt.indexOf(u'$', approx);
    if (dollar < 0) return QString();
    return RemoveNonNumeric(trimBlanks(cutTo(excerpt, dollar, u"<")), decimal);
  } catch (...) {
    logCurrentException(QStringLiteral("Auction.GetEbayPriceInUSD"));
    return QString();
  }
}

QString GetEbayPrice(const PageText& head, const QString& currency, QChar decimal,
                     const QString& bidCount, const QString& itemNumber) {
  const QString source = QStringLiteral("Auction.GetEbayPrice");
  try {
    const QString& text = head.text;
    qsizetype p = text.indexOf(QLatin1String("Currently"));
    if (p < 0) p = head.upper.indexOf(QLatin1String("CURRENT BID"));
    // Before the first "US $", which on a foreign auction without bids is the
    // approximate dollar price; searching the currency code from there found
    // the bid increment instead of the starting bid.
    if (p < 0) p = head.upper.indexOf(QLatin1String("STARTING BID"));
    if (p < 0) p = text.indexOf(QLatin1String("US $"));
    if (p < 0) p = head.upper.indexOf(QLatin1String(" PRICE"));
    if (p < 0) p = text.indexOf(QLatin1String("</title>"));
    if (p < 0) p = text.indexOf(QLatin1String("Starts at"));
    if (p < 0) {
      LogIt(source, numbered("Unable to find price for eBay auction #", itemNumber));
      return QString();
    }
    qsizetype start = -1;
    if (currency != QLatin1String("USD")) {
      const qsizetype found = text.indexOf(currency, p);
      if (found >= 0) start = found + currency.size();
    } else {
      const qsizetype found = text.indexOf(u'$', p);
      if (found >= 0) start = found + 1;
    }
    if (start >= 0) {
      return RemoveNonNumeric(trimBlanks(cutTo(text, start, u"<")), decimal)
          .replace(u'.', decimal);
    }
    if (trimBlanks(bidCount) != QLatin1String("0")) {
      LogIt(source, numbered("Unable to find price for eBay auction #", itemNumber));
      return QString();
    }
    // No bids yet: the page shows the starting bid instead.
    const qsizetype starting = head.upper.indexOf(QLatin1String("STARTING BID"));
    const qsizetype open = starting < 0 ? -1 : head.upper.indexOf(QLatin1String("<B>"), starting);
    const qsizetype close = open < 0 ? -1 : head.upper.indexOf(QLatin1String("</B>"), open);
    if (close < 0) {
      LogIt(source, numbered("Unable to find price or starting bid for eBay auction #", itemNumber));
      return QString();
    }
    return RemoveNonNumeric(trimBlanks(text.mid(open + 3, close - open - 3)), decimal)
        .replace(u'.', decimal);
  } catch (...) {
    logCurrentException(source);
    return QString();
  }
}

QString ParseEbaySeller(const PageText& head, const QString& timeLeft,
                        const QString& itemNumber) {
  try {
    const QString& text = head.text;
    QString seller;
    const qsizetype s = text.indexOf(QLatin1String("Seller"));
    const bool ended = timeLeft == QLatin1String("Auction Ended") ||
                       timeLeft == QLatin1String("Item Ended");
    if (s >= 0 && !ended) {
      const qsizetype question = text.indexOf(QLatin1String("Question&requested="), s);
      if (question >= 0) {
        const qsizetype start = question + 19;
        qsizetype end = text.indexOf(u'&', start);
        if (end < 0 || end - start > 35) end = text.indexOf(u'>', start);
        if (end < 0) throw Error(Error::InvalidProcedureCall);
        seller = text.mid(start, end - start);
      } else {
        const qsizetype userid = text.indexOf(QLatin1String("userid="), s);
        if (userid >= 0) seller = cutTo(text, userid + 7, u"\"");
      }
    } else if (s >= 0) {
      const qsizetype feedback = text.indexOf(QLatin1String("LeaveFeedbackShow&useridto="));
      const qsizetype rating = head.upper.indexOf(QLatin1String("SELLER (RATING)"));
      const qsizetype listed = text.indexOf(QLatin1String("ViewListedItems&amp;userid="));
      if (feedback >= 0) {
        seller = cutTo(text, feedback + 27, u"&");
      } else if (rating >= 0) {
        const qsizetype userid = text.indexOf(QLatin1String("userid="), rating);
        if (userid >= 0) seller = cutTo(text, userid + 7, u"\"");
      } else if (listed >= 0) {
        seller = cutTo(text, listed + 27, u"\"");
      }
    }
    seller = trimBlanks(pagetext::removeCrLf(seller));
    if (seller.isEmpty()) {
      LogIt(QStringLiteral("ParseEbaySeller.ParseEbaySeller"),
            numbered("Unable to find seller for eBay auction #", itemNumber));
    }
    return seller;
  } catch (...) {
    logCurrentException(QStringLiteral("Auction.ParseEbaySeller"));
    return QString();
  }
}

HighBidderFound FindHighBidder(const PageText& head, const QString& seller,
                               const QString& itemNumber) {
  const QString& text = head.text;
  qsizetype at = text.indexOf(QLatin1String("High bid"));
  if (at >= 0 && midSafe(text, at, 20).contains(QLatin1String("High bidder used Buy"))) {
    // The note on a Buy It Now purchase: the bidder stands at the next one.
    const qsizetype next = text.indexOf(QLatin1String("High bid"), at + 20);
    if (next >= 0) at = next;
  }
  const qsizetype href = at < 0 ? -1 : text.indexOf(QLatin1String("href="), at);
  if (href < 0) {
    LogIt(kReaderSource, numbered("Unable to find high bidder for eBay auction #", itemNumber));
    return {};
  }
  const qsizetype close = text.indexOf(u'>', href);
  if (close < 0) throw Error(Error::InvalidProcedureCall);
  const qsizetype end = text.indexOf(u'<', close + 1);
  if (end < 0) throw Error(Error::InvalidProcedureCall);
  HighBidderFound found;
  found.name = trimBlanks(pagetext::crLfToBlank(text.mid(close + 1, end - close - 1)));
  found.position = end;
  if (found.name == seller || found.name == QLatin1String("eBay Payments")) found.name.clear();
  return found;
}

bool IsWinnersListLink(const QString& highBidder) {
  const QString link = pagetext::upperSameLength(trimBlanks(highBidder));
  return link == QLatin1String("SEE HIGH BIDDERS") ||
         link == QLatin1String("SEE WINNING BIDDERS LIST");
}

namespace {

bool isOwnId(const QString& id, const QStringList& ownIds) {
  if (id.isEmpty()) return false;
  const QString upper = pagetext::upperSameLength(id);
  for (const QString& own : ownIds) {
    const QString trimmed = trimBlanks(own);
    if (!trimmed.isEmpty() && pagetext::upperSameLength(trimmed) == upper) return true;
  }
  return false;
}

// The winners as the "User ID" list gives them; empty when none matched.
QString matchUserIdList(const QString& page, qsizetype listStart, const QString& seller,
                        const QStringList& ownIds, const QString& itemNumber) {
  static const QString kAmp = QStringLiteral("ReturnUserEmail&amp;requested=");
  static const QString kPlain = QStringLiteral("ReturnUserEmail&requested=");
  qsizetype marker = page.indexOf(kAmp, listStart + 1);
  qsizetype markerLength = kAmp.size();
  while (marker >= 0) {
    const qsizetype start = marker + markerLength;
    const qsizetype amp = page.indexOf(u'&', start);
    if (amp < 0) {
      LogIt(kReaderSource,
            numbered("Unable to find high bidder end position for eBay dutch auction #",
                     itemNumber));
      break;
    }
    QString id = trimBlanks(page.mid(start, amp - start));
    if (id == seller) id.clear();
    if (isOwnId(id, ownIds)) return id;
    marker = page.indexOf(kPlain, amp);
    markerLength = kPlain.size();
    if (marker < 0) {
      marker = page.indexOf(kAmp, amp);
      markerLength = kAmp.size();
    }
  }
  return QString();
}

// A winners' page without the "User ID" heading lists each bidder behind a
// member-feedback link.
QString matchFeedbackLinks(const QString& page, const QString& seller,
                           const QStringList& ownIds) {
  static const QString kUserId = QStringLiteral("userid=");
  const QString path = QLatin1String(kFeedbackLinkPath);
  qsizetype link = page.indexOf(serverBase(ServerKind::Feedback) + path);
  if (link < 0) link = page.indexOf(builtInServerBase(ServerKind::Feedback) + path);
  if (link < 0) link = page.indexOf(path);
  const QString linkTail = QStringLiteral("ViewFeedback&amp;userid=");
  while (link >= 0) {
    const qsizetype start = page.indexOf(kUserId, link) + kUserId.size();
    qsizetype end = start;
    while (end < page.size() && page[end] != u'&' && page[end] != u'"' && page[end] != u'>' &&
           page[end] != u'<' && page[end] != u'\'' && !page[end].isSpace()) {
      ++end;
    }
    QString id = trimBlanks(page.mid(start, end - start));
    if (id == seller) id.clear();
    if (isOwnId(id, ownIds)) return id;
    link = page.indexOf(linkTail, end);
  }
  return QString();
}

std::int16_t sumWinnersQuantities(const QString& page, QChar decimal) {
  static const QString kCellA =
      QStringLiteral("<TD ALIGN=MIDDLE WIDTH=\"14%\"><FONT SIZE=3>");
  static const QString kCellB = QStringLiteral("<TD ALIGN=\"MIDDLE\" WIDTH=\"10%\">");
  const QString upper = pagetext::upperSameLength(page);
  qsizetype position = 0;
  long long sum = 0;
  for (;;) {
    QString quantity;
    const qsizetype a = upper.indexOf(kCellA, position);
    if (a >= 0) {
      const qsizetype start = a + kCellA.size();
      const qsizetype end = upper.indexOf(QLatin1String("</FONT>"), start);
      if (end < 0) throw Error(Error::InvalidProcedureCall);
      quantity = page.mid(start, end - start);
      position = end + 1;
    } else {
      const qsizetype amountCell = upper.indexOf(kCellB, position);
      if (amountCell < 0) break;
      const qsizetype quantityCell = upper.indexOf(kCellB, amountCell + 1);
      if (quantityCell < 0) break;
      const qsizetype start = quantityCell + kCellB.size();
      const qsizetype end = upper.indexOf(QLatin1String("</TD"), start);
      if (end < 0) throw Error(Error::InvalidProcedureCall);
      quantity = page.mid(start, end - start);
      position = end + 1;
    }
    const QString digits = RemoveNonNumeric(trimBlanks(quantity), decimal);
    if (pagetext::isPlainNumber(digits, decimal)) {
      sum += pagetext::toWholeNumber(digits, decimal, 0, 1'000'000'000LL);
      if (sum > 32767) throw Error(Error::Overflow);
    }
  }
  return static_cast<std::int16_t>(sum);
}

}  // namespace

WinnersRead ReadWinnersPage(const QString& page, const QString& seller,
                            const QStringList& ownIds, bool countUnits, QChar decimal,
                            const QString& itemNumber) {
  WinnersRead read;
  const qsizetype list = page.indexOf(QLatin1String("User ID"));
  read.matchedId = list >= 0 ? matchUserIdList(page, list, seller, ownIds, itemNumber)
                             : matchFeedbackLinks(page, seller, ownIds);
  if (countUnits) read.unitsSold = sumWinnersQuantities(page, decimal);
  return read;
}

namespace {

QString incrementRule(const PageText& head, const QString& price, qsizetype c, QChar decimal) {
  const QString& text = head.text;
  const qsizetype increment = text.indexOf(QLatin1String("Bid increment:"), c);
  const qsizetype size = increment < 0 ? -1 : text.indexOf(QLatin1String("size="), increment);
  const qsizetype end = size < 0 ? -1 : text.indexOf(QLatin1String("</"), size + 9);
  if (end < 0) return QString();
  const QString step =
      RemoveNonNumeric(trimBlanks(text.mid(size + 9, end - size - 9)), decimal).replace(u'.', decimal);
  const LocaleInfo& locale = currentLocale();
  const auto priceValue = Money::tryFromText(price, locale);
  const auto stepValue = Money::tryFromText(step, locale);
  if (!priceValue || !stepValue) return QString();
  return RemoveNonNumeric((*priceValue + *stepValue).toText(locale), decimal);
}

// The amount of an excerpt from `start` up to the first of `ends` found.
QString amountUpTo(const QString& excerpt, qsizetype start, std::initializer_list<QChar> ends,
                   QChar decimal) {
  if (start < 0) return QString();
  for (QChar endChar : ends) {
    const qsizetype end = excerpt.indexOf(endChar, start);
    if (end >= 0) return RemoveNonNumeric(trimBlanks(excerpt.mid(start, end - start)), decimal);
  }
  return QString();
}

}  // namespace

QString FindMinimumBid(const PageText& page, const PageText& head, const QString& currency,
                       const QString& price, qsizetype c, QChar decimal,
                       const QString& itemNumber) {
  if (c < 0) c = 0;
  const bool usd = currency == QLatin1String("USD");
  QString result;

  // First the bid box, which may stand below the head.
  const qsizetype inPage = page.text.indexOf(QLatin1String("Minimum bid:"), c);
  if (inPage >= 0) {
    const QString excerpt = trimBlanks(midSafe(page.text, inPage, 200));
    qsizetype start = -1;
    if (!usd) {
      const qsizetype code = excerpt.indexOf(currency);
      if (code >= 0) start = code + currency.size();
    } else {
      const qsizetype font = excerpt.indexOf(QLatin1String("font>"));
      const qsizetype dollar = excerpt.indexOf(u'$', font < 0 ? 0 : font);
      if (dollar >= 0) {
        start = dollar + 1;
        if (start >= excerpt.size() || !isAsciiDigit(excerpt[start])) {
          const qsizetype next = excerpt.indexOf(u'$', start);
          start = next >= 0 ? next : firstDigit(excerpt);
        }
      } else {
        start = firstDigit(excerpt);
      }
    }
    result = amountUpTo(excerpt, start, {u')', u'<'}, decimal);
  }

  if (!pagetext::isPlainNumber(result, decimal)) {
    const qsizetype inHead = head.text.indexOf(QLatin1String("Minimum bid:"), c);
    if (inHead >= 0) {
      const QString excerpt = trimBlanks(midSafe(head.text, inHead, 50));
      qsizetype start = -1;
      if (!usd) {
        const qsizetype code = excerpt.indexOf(currency);
        if (code >= 0) start = code + currency.size();
      } else {
        const qsizetype dollar = excerpt.indexOf(u'$');
        start = dollar >= 0 ? dollar : 12;
      }
      result = amountUpTo(excerpt, start, {u')'}, decimal);
    } else {
      result = incrementRule(head, price, c, decimal);
    }
  }

  if (!pagetext::isPlainNumber(result, decimal)) {
    if (head.text.indexOf(QLatin1String("Bid increment:"), c) >= 0) {
      result = incrementRule(head, price, c, decimal);
    } else {
      LogIt(kReaderSource, QStringLiteral("Unable to find bid increment for item number ") + itemNumber);
    }
  }
  return result;
}

}  // namespace bw
