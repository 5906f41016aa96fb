#pragma once
#include <QStringList>

namespace bw {
class Auction;
}

namespace bwinspect {

// Every stored field of the record as "Name=value", in the order of the
// auctions file: money in the system's plain text form, whole numbers in
// decimal, flags True or False, date-times yyyy-mm-dd hh:mm:ss, texts as
// held. The bid password is shown as one "*" per character.
QStringList auctionFieldLines(const bw::Auction& auction);

}  // namespace bwinspect
