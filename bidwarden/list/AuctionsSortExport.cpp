// Sorting the list and exporting it as tab-delimited text.
#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include "core/Error.h"
#include "core/Format.h"
#include "list/Auctions.h"
#include "list/FileDateTime.h"
#include "core/TextFile.h"
#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "settings/LogIt.h"

namespace bw {

namespace {

// A text that is not a number passes a format unchanged.
QString numberKey(const QString& number) {
  bool numeric = false;
  const qulonglong value = number.toULongLong(&numeric);
  if (!numeric) return number;
  return formatNumber(static_cast<long long>(value), QStringLiteral("000000000000000"));
}

using KeyText = QString (*)(Auction&);

KeyText sortKeyFor(const QString& field) {
  static const QHash<QString, KeyText> keys = {
      {QStringLiteral("Number"), [](Auction& a) { return numberKey(a.Number()); }},
      {QStringLiteral("Description"),
       [](Auction& a) { return a.Description().trimmed().leftJustified(50, QChar(' '), true); }},
      {QStringLiteral("CurrentPrice"),
       [](Auction& a) { return formatNumber(a.CurrentPrice(), QStringLiteral("0000000000.00")); }},
      {QStringLiteral("Bids"),
       [](Auction& a) { return formatNumber(static_cast<long long>(a.Bids()), QStringLiteral("0000")); }},
      {QStringLiteral("Quantity"),
       [](Auction& a) {
         return formatNumber(static_cast<long long>(a.Quantity()), QStringLiteral("0000"));
       }},
      // Losses first, smallest loss first, then gains: a leading "0" or "1".
      {QStringLiteral("CurrentProfit"),
       [](Auction& a) {
         const Money profit = a.CurrentProfit();
         return profit < Money() ? formatNumber(-profit, QStringLiteral("00000000000.00"))
                                 : formatNumber(profit, QStringLiteral("10000000000.00"));
       }},
      {QStringLiteral("Proxy"),
       [](Auction& a) { return formatNumber(a.MyBidAmount(), QStringLiteral("0000000000.00")); }},
      {QStringLiteral("EndTime"), [](Auction& a) { return asFileDateTime(a.EndTime()); }},
  };
  return keys.value(field, nullptr);
}

}  // namespace

void Auctions::Sort(const QString& fieldName, const QString& order) {
  const QString source = QStringLiteral("Auctions.Sort");
  try {
    LogIt(source, QStringLiteral("Sorting Auctions by ") + order);
    const KeyText keyText = sortKeyFor(fieldName);
    if (!keyText) {
      LogIt(source, QStringLiteral("No sort field named ") + fieldName +
                        QStringLiteral("; the list keeps its order"));
      return;
    }
    QCollator collator{QLocale(currentLocale().name)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(list_.size());
    for (const auto& auction : list_) {
      const QString key = keyText(*auction) +
                          (QString(15, QChar(' ')) + auction->Number()).right(15);
      keys.push_back(collator.sortKey(key));
    }
    std::vector<std::size_t> positions(list_.size());
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    std::stable_sort(positions.begin(), positions.end(), [&](std::size_t a, std::size_t b) {
      return keys[a].compare(keys[b]) < 0;
    });
    if (order != QStringLiteral("ASC")) std::reverse(positions.begin(), positions.end());
    std::vector<std::unique_ptr<Auction>> sorted;
    sorted.reserve(list_.size());
    for (const std::size_t p : positions) sorted.push_back(std::move(list_[p]));
    list_ = std::move(sorted);
  } catch (...) {
    logCurrentException(source);
  }
}

namespace {

QString reserveColumn(const QString& reserveStatus) {
  const QString status = reserveStatus.trimmed();
  if (status.isEmpty()) return QStringLiteral("no reserve");
  return QString(status).remove(QStringLiteral("RESERVE")).toLower();
}

QString highBidColumn(const Auction& a) {
  const QString& currency = a.AuctionCurrency();
  if (currency == QStringLiteral("USD") || currency == QStringLiteral("$"))
    return formatNumber(a.CurrentPrice(), QStringLiteral("$###,###,###.00"));
  return formatNumber(a.CurrentPrice(), currency + QStringLiteral(" ###,###,###.00"));
}

QString exportLine(const Auction& a) {
  QStringList columns;
  columns << a.Number() << a.Description() << reserveColumn(a.ReserveStatus()) << highBidColumn(a)
          << (a.Bids() < 0 ? QStringLiteral("N/A") : QString::number(a.Bids()))
          << QString::number(a.Quantity()) << a.HighBidder().trimmed() << a.Seller().trimmed()
          << (a.TrackingProfit()
                  ? formatNumber(a.CurrentProfit(), QStringLiteral("###,###,###,###.00"))
                  : QStringLiteral("N/A"))
          << (a.MyBidAmount() > Money() ? formatNumber(a.MyBidAmount(), QStringLiteral("###,###,###.00"))
                                        : QStringLiteral("N/A"))
          << a.EndTime();
  const QString notes = a.Notes().trimmed();
  if (!notes.isEmpty()) columns << QString(notes).replace(QStringLiteral("&!"), QStringLiteral("  "));
  return columns.join(QChar('\t'));
}

}  // namespace

bool Auctions::ExportToExcel(const QString& path) {
  const QString source = QStringLiteral("Auctions.ExportToExcel");
  try {
    LogIt(source, QStringLiteral("Exporting auctions to ") + path);
    QString text = QStringLiteral(
        "Item Number\tDescription\tReserve Status\tHigh Bid\tBids\tQty\tHigh Bidder\tSeller\t"
        "Profit\tMy Proxy\tEnd Time\tNotes\r\n");
    long long written = 0;
    for (const auto& auction : list_) {
      text += exportLine(*auction);
      text += QStringLiteral("\r\n");
      ++written;
    }
    // An export is an ordinary file for other programs to read.
    writeTextFile(path, text, FileAccess::Shared);
    LogIt(source, QStringLiteral("Finished exporting file. ") +
                      formatNumber(written, QStringLiteral("###,###,##0")) +
                      QStringLiteral(" records written"));
    return true;
  } catch (...) {
    logCurrentException(source);
    return false;
  }
}

}  // namespace bw
