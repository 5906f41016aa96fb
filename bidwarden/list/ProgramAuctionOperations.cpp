#include "list/Auctions.h"
#include "settings/LogIt.h"

namespace bw {

namespace {

// Until the item-page reader is in, a refresh cannot succeed.
class ProgramAuctionOperations final : public AuctionOperations {
 public:
  bool UpdateAuctionData(Auction&) override { return false; }
  void CalcProfit(Auction&) override {}
};

}  // namespace

AuctionOperations& programAuctionOperations() {
  static ProgramAuctionOperations operations;
  return operations;
}

}  // namespace bw
