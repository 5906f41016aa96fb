#include "list/Auctions.h"

namespace bw {

namespace {

class ProgramAuctionOperations final : public AuctionOperations {
 public:
  bool UpdateAuctionData(Auction& auction) override { return auction.UpdateAuctionData(); }
  // The fee schedule arrives with profit tracking; until then a tracked
  // auction keeps the profit it has.
  void CalcProfit(Auction&) override {}
};

}  // namespace

AuctionOperations& programAuctionOperations() {
  static ProgramAuctionOperations operations;
  return operations;
}

}  // namespace bw
