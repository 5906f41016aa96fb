#include <gtest/gtest.h>
#include <QFileInfo>
#include "ListTestSupport.h"
#include "support/TestDoubles.h"
#include "core/ProcessState.h"
#include "list/AuctionRecord.h"
#include "sellertools/ProfitInfo.h"

namespace bw::test {
namespace {

class AuctionsListTest : public ::testing::Test {
 protected:
  AuctionsListTest() {
    InitializeProfitInfo();
    list = std::make_unique<Auctions>(AuctionsDependencies{&operations, &views, &views});
    list->Load(path());
  }
  ~AuctionsListTest() override { InitializeProfitInfo(); }
  QString path() const { return env.dataFolder() + QStringLiteral("Auctions.dat"); }
  QStringList numbers() const {
    QStringList found;
    for (const Auction& a : *list) found << a.Number();
    return found;
  }

  TestEnvironment env;
  FakeAuctionOperations operations;
  RecordingViews views;
  std::unique_ptr<Auctions> list;
};

TEST_F(AuctionsListTest, AddRefreshesFilesAndAppendsTheRecord) {
  operations.descriptions.insert(QStringLiteral("1001"), QStringLiteral("Pocket watch"));
  list->Add(QStringLiteral(" 1001 "), 1);
  ASSERT_EQ(list->Count(), 1);
  const Auction* a = list->Item(QStringLiteral("1001"));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->AuctionSite(), 1);
  EXPECT_EQ(a->Description(), QStringLiteral("Pocket watch"));
  EXPECT_EQ(operations.refreshed, QStringList{QStringLiteral("1001")});
  const QByteArray bytes = readBytes(path());
  ASSERT_EQ(bytes.size(), 1056);
  EXPECT_EQ(bytes.mid(2, 15), QByteArray("1001           "));
  EXPECT_EQ(bytes.mid(17, 100).trimmed(), QByteArray()) << "the appended record has no description";
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("Adding eBay auction # 1001 ")));
}

TEST_F(AuctionsListTest, AppendedRecordKeepsEndTimeAsHeldAndNotesBlank) {
  Auction a;
  a.setNumber(QStringLiteral("5"));
  a.setEndTime(QStringLiteral("12/11/2003 6:16:05 PM"));
  a.setNotes(QStringLiteral("note"));
  a.setDescription(QStringLiteral("desc"));
  const QByteArray appended = recordBytes(a, RecordForm::Appended);
  EXPECT_EQ(appended.mid(219, 20), QByteArray("12/11/2003 6:16:05 P"));
  EXPECT_EQ(appended.mid(600, 250).trimmed(), QByteArray());
  EXPECT_EQ(appended.mid(17, 100).trimmed(), QByteArray());
  EXPECT_EQ(recordBytes(a).mid(219, 20), QByteArray("2003-12-11 18:16:05 "));
}

TEST_F(AuctionsListTest, AddOfAPageThatCannotBeReadChangesNothing) {
  list->Add(QStringLiteral("1"), 1);
  const QByteArray before = readBytes(path());
  operations.failing.insert(QStringLiteral("2"));
  list->Add(QStringLiteral("2"), 1);
  EXPECT_EQ(list->Count(), 1);
  EXPECT_FALSE(list->Exists(QStringLiteral("2")));
  EXPECT_EQ(readBytes(path()), before);
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("Unable to add auction.")));
}

TEST_F(AuctionsListTest, AddCopiesProfitInfoAndClearsItAfterwards) {
  struct Case {
    bool tracking;
    Money sellerCost;
    int expectedComputations;
    Money expectedProfit;
  };
  const Case cases[] = {
      {true, Money::fromWhole(10), 1, Money::fromWhole(42)},
      {true, Money(), 0, Money()},
      {false, Money::fromWhole(10), 0, Money()},
  };
  int n = 0;
  for (const Case& c : cases) {
    InitializeProfitInfo();
    ProfitInfo.TrackingProfit = c.tracking;
    ProfitInfo.EBayAuctionCategory = QStringLiteral("S");
    ProfitInfo.EbayBuyItNow = true;
    ProfitInfo.Duration = 5;
    ProfitInfo.SellerCost = c.sellerCost;
    ProfitInfo.ReservePrice = Money::fromWhole(3);
    operations.profitComputations = 0;
    const QString number = QString::number(++n);
    list->Add(number, 1);
    const Auction* a = list->Item(number);
    ASSERT_TRUE(a);
    // Copied whatever the tracking flag says, after the refresh.
    EXPECT_EQ(a->TrackingProfit(), c.tracking);
    EXPECT_EQ(a->EBayAuctionCategory(), QStringLiteral("S"));
    EXPECT_TRUE(a->EbayBuyItNow());
    EXPECT_EQ(a->Duration(), 5);
    EXPECT_EQ(a->SellerCost(), c.sellerCost);
    EXPECT_EQ(a->ReservePrice(), Money::fromWhole(3));
    EXPECT_EQ(operations.profitComputations, c.expectedComputations) << n;
    EXPECT_EQ(a->CurrentProfit(), c.expectedProfit) << n;
    EXPECT_EQ(ProfitInfo, ProfitInfoRecord{}) << "cleared after the add";
  }
}

TEST_F(AuctionsListTest, ExistsIsExactWhileItemTrims) {
  list->Add(QStringLiteral("4242"), 1);
  EXPECT_TRUE(list->Exists(QStringLiteral("4242")));
  EXPECT_FALSE(list->Exists(QStringLiteral(" 4242 ")));
  EXPECT_NE(list->Item(QStringLiteral(" 4242 ")), nullptr);
  EXPECT_EQ(list->Item(QStringLiteral("999")), nullptr);
  EXPECT_TRUE(env.logMessages().contains(
      QStringLiteral("ERROR: 5 Invalid procedure call or argument")));
}

TEST_F(AuctionsListTest, ItemOfAnEmptyListIsNoneWithoutError) {
  EXPECT_EQ(list->Item(QStringLiteral("1")), nullptr);
  for (const QString& m : env.logMessages()) EXPECT_FALSE(m.startsWith(QStringLiteral("ERROR")));
}

TEST_F(AuctionsListTest, RemoveMovesTheFileToBakOncePerCommand) {
  for (const char* n : {"1", "2", "3", "4"}) list->Add(QString::fromLatin1(n), 1);
  ASSERT_TRUE(list->Save());
  const QByteArray fourAuctions = readBytes(path());
  const QString bak = path() + QStringLiteral(".bak");

  // One command removing two: the file moves once.
  list->Remove(QStringLiteral("1"));
  EXPECT_FALSE(QFileInfo::exists(path()));
  list->Remove(QStringLiteral("2"));
  EXPECT_EQ(readBytes(bak), fourAuctions);
  ASSERT_TRUE(list->Save());
  EXPECT_EQ(readBytes(path()).size(), 2 * 1056);
  EXPECT_EQ(numbers(), (QStringList{QStringLiteral("3"), QStringLiteral("4")}));

  // The next removal replaces the backup.
  const QByteArray twoAuctions = readBytes(path());
  list->Remove(QStringLiteral("3"));
  EXPECT_EQ(readBytes(bak), twoAuctions);
  const QStringList log = env.logMessages();
  EXPECT_TRUE(log.contains(QStringLiteral("Removing auction# 3")));
  EXPECT_TRUE(log.contains(QStringLiteral("Backing up auctions file")));
}

TEST_F(AuctionsListTest, UpdateAllRefreshesEveryAuctionEvenAfterAFailure) {
  for (const char* n : {"11", "22", "33"}) list->Add(QString::fromLatin1(n), 1);
  operations.refreshed.clear();
  operations.failing.insert(QStringLiteral("22"));
  operations.descriptions.insert(QStringLiteral("33"), QStringLiteral("Clock"));
  state().StartupInProgress = true;

  EXPECT_FALSE(list->UpdateAuctions());
  EXPECT_EQ(operations.refreshed,
            (QStringList{QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("33")}));
  EXPECT_FALSE(list->Item(QStringLiteral("11"))->LastRefreshFailed());
  EXPECT_TRUE(list->Item(QStringLiteral("22"))->LastRefreshFailed());
  EXPECT_FALSE(list->Item(QStringLiteral("33"))->LastRefreshFailed());
  EXPECT_EQ(views.splashCaptions,
            (QStringList{QStringLiteral("Loading Auctions."), QStringLiteral("Loading Auctions.."),
                         QStringLiteral("Loading Auctions...")}));
  EXPECT_EQ(views.statusTexts.last(),
            QStringLiteral("Refreshing Auction Data for eBay Auction 33 : "));
  EXPECT_EQ(views.pumps, 3);
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("Updating all auctions...")));
}

TEST_F(AuctionsListTest, SplashCounterRunsOneToTwelveAndOnlyDuringStartup) {
  for (int n = 1; n <= 13; ++n) list->Add(QString::number(n), 1);
  EXPECT_TRUE(list->UpdateAuctions());
  EXPECT_TRUE(views.splashCaptions.isEmpty());
  state().StartupInProgress = true;
  list->UpdateAuctions();
  ASSERT_EQ(views.splashCaptions.size(), 13);
  EXPECT_EQ(views.splashCaptions[11], QStringLiteral("Loading Auctions") + QString(12, '.'));
  EXPECT_EQ(views.splashCaptions[12], QStringLiteral("Loading Auctions."));
}

TEST_F(AuctionsListTest, EmptyListUpdatesTrue) { EXPECT_TRUE(list->UpdateAuctions()); }

TEST_F(AuctionsListTest, UpdateOneReportsThroughLastRefreshFailed) {
  list->Add(QStringLiteral("8"), 1);
  operations.failing.insert(QStringLiteral("8"));
  EXPECT_TRUE(list->UpdateAuctions(QStringLiteral(" 8 ")));
  EXPECT_TRUE(list->Item(QStringLiteral("8"))->LastRefreshFailed());
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("Updating auction #8")));
  EXPECT_FALSE(list->UpdateAuctions(QStringLiteral("9")));
}

// A window event during the refresh removes an auction that is still to come.
TEST_F(AuctionsListTest, RefreshSurvivesTheListChangingBetweenAuctions) {
  class RemovingView final : public RefreshProgressView {
   public:
    void setSplashCaption(const QString&) override {}
    void setStatusText(const QString&) override {}
    void processPendingMessages() override {
      if (list && list->Exists(QStringLiteral("2"))) list->Remove(QStringLiteral("2"));
    }
    Auctions* list = nullptr;
  } view;
  Auctions other(AuctionsDependencies{&operations, &view, nullptr});
  for (const char* n : {"1", "2", "3"}) other.Add(QString::fromLatin1(n), 1);
  view.list = &other;
  operations.refreshed.clear();
  EXPECT_TRUE(other.UpdateAuctions());
  EXPECT_EQ(operations.refreshed, (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
}

TEST_F(AuctionsListTest, ListSavesItselfAsItEnds) {
  list->Add(QStringLiteral("1"), 1);
  list->Item(QStringLiteral("1"))->setDescription(QStringLiteral("kept"));
  list.reset();
  Auctions reloaded(AuctionsDependencies{&operations, nullptr, nullptr});
  reloaded.Load(path());
  ASSERT_EQ(reloaded.Count(), 1);
  EXPECT_EQ(reloaded.Item(QStringLiteral("1"))->Description(), QStringLiteral("kept"));
}

TEST_F(AuctionsListTest, ListWithoutFileDoesNotSaveAsItEnds) {
  { Auctions unbound(AuctionsDependencies{&operations, nullptr, nullptr}); }
  EXPECT_FALSE(env.logMessages().contains(QStringLiteral("Saving auctions...")));
}

}  // namespace
}  // namespace bw::test
