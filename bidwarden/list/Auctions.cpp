#include "list/Auctions.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include "core/Error.h"
#include "core/ProcessState.h"
#include "core/TextFile.h"
#include "list/AuctionRecord.h"
#include "list/ListViews.h"
#include "sellertools/ProfitInfo.h"
#include "settings/LogIt.h"

namespace bw {

std::unique_ptr<Auctions> TheAuctions;

namespace {

NoRefreshProgressView gNoProgress;
NoAuctionsFileView gNoFileView;

// The listing answers of ProfitInfo that a new auction takes over.
void copyProfitInfo(Auction& a) {
  const ProfitInfoRecord& p = ProfitInfo;
  a.setTrackingProfit(p.TrackingProfit);
  a.setEBayAuctionCategory(p.EBayAuctionCategory);
  a.setEbayGalleryPicturePreview(p.EbayGalleryPicturePreview);
  a.setEbayGalleryFeatured(p.EbayGalleryFeatured);
  a.setEbayPicsInsertCount(p.EbayPicsInsertCount);
  a.setEbayPicLayoutStandard(p.EbayPicLayoutStandard);
  a.setEbayPicLayoutSlideShow(p.EbayPicLayoutSlideShow);
  a.setEbayPicLayoutSupersize(p.EbayPicLayoutSupersize);
  a.setEbayPicLayoutPicturePack(p.EbayPicLayoutPicturePack);
  a.setEbayBuyItNow(p.EbayBuyItNow);
  a.setEbayMultipleListings(p.EbayMultipleListings);
  a.setEbayFeaturedOnHome(p.EbayFeaturedOnHome);
  a.setEbayFeaturedPlus(p.EbayFeaturedPlus);
  a.setEbayItemHighlighted(p.EbayItemHighlighted);
  a.setEbayItemBoldFace(p.EbayItemBoldFace);
  a.setReservePrice(p.ReservePrice);
  a.setMinimumOpeningBid(p.MinimumOpeningBid);
  a.setDuration(p.Duration);
  a.setSellerCost(p.SellerCost);
  a.setScheduledListing(p.ScheduledListing);
  a.setGiftIcon(p.GiftIcon);
}

}  // namespace

Auctions::Auctions(AuctionsDependencies d)
    : operations_(d.operations ? *d.operations : programAuctionOperations()),
      progress_(d.progress ? *d.progress : static_cast<RefreshProgressView&>(gNoProgress)),
      fileView_(d.fileView ? *d.fileView : static_cast<AuctionsFileView&>(gNoFileView)),
      saveOnEnd_(d.saveOnEnd) {}

Auctions::~Auctions() {
  try {
    if (saveOnEnd_ && !fileName_.trimmed().isEmpty()) Save();
  } catch (...) {
    logCurrentException(QStringLiteral("Auctions.Class_Terminate"));
  }
}

long Auctions::Count() const { return static_cast<long>(list_.size()); }

Auction* Auctions::find(const QString& trimmedNumber) const {
  return byNumber_.value(trimmedNumber, nullptr);
}

Auction* Auctions::Item(const QString& number) {
  if (list_.empty()) return nullptr;
  Auction* auction = find(number.trimmed());
  if (!auction)
    logError(QStringLiteral("Auctions.Item"),
             Error(Error::InvalidProcedureCall, QStringLiteral("Auctions.Item")));
  return auction;
}

bool Auctions::Exists(const QString& number) const { return byNumber_.contains(number); }

void Auctions::append(std::unique_ptr<Auction> auction) {
  const QString key = auction->Number();
  if (byNumber_.contains(key)) throw Error(Error::DuplicateKey);
  byNumber_.insert(key, auction.get());
  list_.push_back(std::move(auction));
}

void Auctions::Add(const QString& number, std::int32_t site) {
  const QString source = QStringLiteral("Auctions.Add");
  try {
    LogIt(source, QStringLiteral("Adding eBay auction #") + number);
    auto auction = std::make_unique<Auction>();
    auction->setNumber(number);
    auction->setAuctionSite(site);
    if (ProfitInfo.TrackingProfit) copyProfitInfo(*auction);
    if (!operations_.UpdateAuctionData(*auction)) {
      LogIt(source, QStringLiteral("Unable to add auction."));
      return;
    }
    Auction& added = *auction;
    append(std::move(auction));
    copyProfitInfo(added);
    if (added.SellerCost() > Money() && ProfitInfo.TrackingProfit)
      operations_.CalcProfit(added);
    else
      added.setCurrentProfit(Money());
    appendTextFile(fileName_, buildAuctionRecord(added, RecordForm::Appended) + QStringLiteral("\r\n"),
                   FileAccess::OwnerOnly);
    InitializeProfitInfo();
  } catch (...) {
    logCurrentException(source);
  }
}

void Auctions::Remove(const QString& number) {
  const QString source = QStringLiteral("Auctions.Remove");
  try {
    LogIt(source, QStringLiteral("Removing auction# ") + number);
    LogIt(source, QStringLiteral("Backing up auctions file"));
    if (!fileName_.isEmpty() && QFile::exists(fileName_)) {
      // rename() replaces an older backup in the same step.
      if (::rename(QFile::encodeName(fileName_).constData(),
                   QFile::encodeName(fileName_ + QStringLiteral(".bak")).constData()) != 0)
        throw Error::fromErrno(errno, source);
    }
    const QString key = number.trimmed();
    const auto it = std::find_if(list_.begin(), list_.end(),
                                 [&](const auto& a) { return a->Number() == key; });
    if (it == list_.end()) throw Error(Error::InvalidProcedureCall, source);
    byNumber_.remove(key);
    list_.erase(it);
  } catch (...) {
    logCurrentException(source);
  }
}

void Auctions::refreshOne(Auction& auction, bool& allRefreshed) {
  const bool refreshed = operations_.UpdateAuctionData(auction);
  auction.setLastRefreshFailed(!refreshed);
  allRefreshed = allRefreshed && refreshed;
}

bool Auctions::UpdateAuctions() {
  const QString source = QStringLiteral("Auctions.UpdateAuctions");
  try {
    LogIt(source, QStringLiteral("Updating all auctions..."));
    // Window events run between two auctions; walking the numbers rather
    // than the list keeps the loop safe if one of them changes the list.
    QStringList numbers;
    numbers.reserve(static_cast<qsizetype>(list_.size()));
    for (const auto& a : list_) numbers.append(a->Number());
    bool allRefreshed = true;
    int dots = 0;
    for (const QString& number : numbers) {
      Auction* auction = find(number);
      if (!auction) continue;
      if (state().StartupInProgress) {
        dots = dots % 12 + 1;
        progress_.setSplashCaption(QStringLiteral("Loading Auctions") + QString(dots, QChar('.')));
      }
      progress_.setStatusText(QStringLiteral("Refreshing Auction Data for eBay Auction ") +
                              auction->Number() + QStringLiteral(" : ") + auction->Description());
      refreshOne(*auction, allRefreshed);
      progress_.processPendingMessages();
    }
    return allRefreshed;
  } catch (...) {
    logCurrentException(source);
    return false;
  }
}

bool Auctions::UpdateAuctions(const QString& number) {
  const QString source = QStringLiteral("Auctions.UpdateAuctions");
  try {
    const QString key = number.trimmed();
    LogIt(source, QStringLiteral("Updating auction #") + key);
    Auction* auction = find(key);
    if (!auction) throw Error(Error::InvalidProcedureCall, source);
    bool ignored = true;
    refreshOne(*auction, ignored);
    return true;
  } catch (...) {
    logCurrentException(source);
    return false;
  }
}

}  // namespace bw
