#pragma once
#include <QByteArray>
#include <QString>

namespace bw {

class Auction;

// One auction as one fixed-width line of the auctions file: 1054
// Windows-1252 characters, every field left-aligned in its width, padded
// with blanks and cut at its width.
inline constexpr int kAuctionRecordLength = 1054;

enum class RecordForm {
  Full,      // what Save writes
  Appended,  // what Add appends: Description and Notes blank, EndTime as held
};

// The record of `auction`, without the line end.
QByteArray buildAuctionRecord(const Auction& auction, RecordForm form = RecordForm::Full);

// Reads one line (without its line end; cut or padded to the record length)
// into `auction`, field by field. Throws Error when a field that must be a
// number or a date-time does not convert, or the category is refused; the
// fields read before the failing one are then already written.
void readAuctionRecord(const QByteArray& line, Auction& auction);

// The item number that a line holds (trimmed), without reading the rest.
QString recordNumber(const QByteArray& line);

}  // namespace bw
