// Feeds arbitrary pages to the item page reader, under either locale, with
// a stored record that makes every branch reachable.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "model/Auction.h"
#include "model/ItemPageReader.h"
#include "platform/Cp1252.h"
#include "support/TestDoubles.h"

namespace {

bw::test::TestEnvironment& environment() {
  static auto* env = new bw::test::TestEnvironment();
  return *env;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  bw::test::TestEnvironment& env = environment();
  std::uint8_t flags = size > 0 ? data[0] : 0;
  env.setLocale((flags & 1) ? bw::LocaleInfo::deDE() : bw::LocaleInfo::enUS());
  bw::Auction auction;
  auction.setNumber(QStringLiteral("3052871342"));
  auction.setEBayNonAuctionItem((flags & 2) != 0);
  auction.setTrackingProfit((flags & 4) != 0);
  auction.setHighBidder((flags & 8) ? QStringLiteral("earlier") : QString());
  auction.setInitialQuantity((flags & 16) ? 40000 : 3);
  // The winners' page of a multi-quantity auction is the same input.
  env.http.enqueueBody(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  bw::ReadItemPage(auction, bw::fromCp1252(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                   QStringLiteral("http://fuzz/"));
  // Drop an answer the read did not ask for.
  while (env.http.perform(bw::HttpRequest()).opened) {
  }
  return 0;
}
