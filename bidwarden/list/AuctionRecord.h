#pragma once
#include <QString>
#include <QStringView>

namespace bw {

class Auction;

// One auction as one fixed-width line of the auctions file: 1054
// characters (one Windows-1252 byte each in the file), every field
// left-aligned in its width, padded with blanks and cut at its width.
inline constexpr int kAuctionRecordLength = 1054;

enum class RecordForm {
  Full,      // what Save writes
  Appended,  // what Add appends: Description and Notes blank, EndTime as held
};

// The record of `auction`, without the line end.
QString buildAuctionRecord(const Auction& auction, RecordForm form = RecordForm::Full);

// Reads one line (without its line end; cut or padded to the record length)
// into `auction`, field by field. Throws Error when a field that must be a
// number or a date-time does not convert, or the category is refused; the
// fields read before the failing one are then already written.
void readAuctionRecord(QStringView line, Auction& auction);

}  // namespace bw
