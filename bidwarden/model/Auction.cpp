#include "model/Auction.h"
#include "core/Error.h"

namespace bw {

void Auction::setEBayAuctionCategory(const QString& value) {
  if (value.toUpper() == QLatin1String("S") || value == QLatin1String("M") || value.trimmed().isEmpty()) {
    m_EBayAuctionCategory = value;
    return;
  }
  throw Error(Error::GeneralFailure, QStringLiteral("Auction.EbayAuctionCategory"),
              QStringLiteral("Invalid Category Code. Must be S or M"));
}

}  // namespace bw
