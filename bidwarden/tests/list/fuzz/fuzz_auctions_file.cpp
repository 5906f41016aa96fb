// Arbitrary bytes as an auctions file: loading never crashes, and whatever
// loaded saves and loads again to the same records.
#include <QByteArray>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include "core/ProcessState.h"
#include "list/AuctionRecord.h"
#include "list/Auctions.h"
#include <QFile>
#include "platform/Services.h"

namespace {

class NoRefresh final : public bw::AuctionOperations {
 public:
  bool UpdateAuctionData(bw::Auction&) override { return true; }
  void CalcProfit(bw::Auction&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir folder;
  static bw::ScopedProcessState state(folder.path() + '/');
  const QString path = folder.path() + QStringLiteral("/Auctions.dat");
  QFile::remove(path);
  QFile::remove(path + QStringLiteral(".unread"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  NoRefresh refresh;
  QString first;
  {
    bw::Auctions list(bw::AuctionsDependencies{&refresh, nullptr, nullptr});
    list.Load(path);
    for (const bw::Auction& a : list) first += bw::buildAuctionRecord(a);
    QFile::remove(path + QStringLiteral(".unread"));
    list.Save(path);
  }
  bw::Auctions again(bw::AuctionsDependencies{&refresh, nullptr, nullptr});
  again.Load(path);
  QString second;
  for (const bw::Auction& a : again) second += bw::buildAuctionRecord(a);
  if (first != second) std::abort();
  again.Save(QString());
  return 0;
}
