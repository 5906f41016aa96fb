#include <gtest/gtest.h>
#include "ListTestSupport.h"
#include "support/TestDoubles.h"
#include "platform/Cp1252.h"

namespace bw::test {
namespace {

class SortExportTest : public ::testing::Test {
 protected:
  SortExportTest() : list(AuctionsDependencies{&operations, nullptr, nullptr}) {}
  Auction& add(const QString& number) {
    list.Add(number, 1);
    return *list.Item(number);
  }
  QStringList numbers() const {
    QStringList found;
    for (const Auction& a : list) found << a.Number();
    return found;
  }
  QString exportFile() const { return env.dataFolder() + QStringLiteral("out.prn"); }

  TestEnvironment env;
  FakeAuctionOperations operations;
  Auctions list;
};

TEST_F(SortExportTest, BidsAscendingBreaksTiesByNumberAndDescendingReversesAll) {
  add(QStringLiteral("300")).setBids(10);
  add(QStringLiteral("20")).setBids(2);
  add(QStringLiteral("100")).setBids(2);
  add(QStringLiteral("5")).setBids(-1);
  list.Sort(QStringLiteral("Bids"), QStringLiteral("ASC"));
  EXPECT_EQ(numbers(), (QStringList{"5", "20", "100", "300"}));
  list.Sort(QStringLiteral("Bids"), QStringLiteral("DESC"));
  EXPECT_EQ(numbers(), (QStringList{"300", "100", "20", "5"}));
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("Sorting Auctions by DESC")));
}

TEST_F(SortExportTest, ProfitPutsLossesFirstSmallestLossFirst) {
  add(QStringLiteral("1")).setCurrentProfit(Money::fromWhole(50));
  add(QStringLiteral("2")).setCurrentProfit(Money::fromWhole(-30));
  add(QStringLiteral("3")).setCurrentProfit(Money::fromWhole(-2));
  add(QStringLiteral("4")).setCurrentProfit(Money::fromWhole(7));
  add(QStringLiteral("5")).setCurrentProfit(Money());
  list.Sort(QStringLiteral("CurrentProfit"), QStringLiteral("ASC"));
  EXPECT_EQ(numbers(), (QStringList{"3", "2", "5", "4", "1"}));
}

TEST_F(SortExportTest, EachFieldSortsByItsKey) {
  struct Row {
    const char* number;
    const char* description;
    qint64 priceUnits;
    int quantity;
    qint64 proxyUnits;
    const char* endTime;
  };
  const Row rows[] = {
      {"9", "banjo", 95000, 3, 0, "12/11/2003 6:16:05 PM"},
      {"10", "Accordion", 1000000, 1, 250000, "12/9/2003 9:00:00 AM"},
      {"8", "Zither", 5000, 12, 10000, "1/2/2004 1:00:00 AM"},
  };
  for (const Row& r : rows) {
    Auction& a = add(QString::fromLatin1(r.number));
    a.setDescription(QString::fromLatin1(r.description));
    a.setCurrentPrice(Money::fromTenThousandths(r.priceUnits));
    a.setQuantity(r.quantity);
    a.setMyBidAmount(Money::fromTenThousandths(r.proxyUnits));
    a.setEndTime(QString::fromLatin1(r.endTime));
  }
  struct Case {
    const char* field;
    QStringList ascending;
  };
  const Case cases[] = {
      {"Number", {"8", "9", "10"}},
      {"Description", {"10", "9", "8"}},  // case ignored: Accordion, banjo, Zither
      {"CurrentPrice", {"8", "9", "10"}},
      {"Quantity", {"10", "9", "8"}},
      {"Proxy", {"9", "8", "10"}},
      {"EndTime", {"10", "9", "8"}},
  };
  for (const Case& c : cases) {
    list.Sort(QString::fromLatin1(c.field), QStringLiteral("ASC"));
    EXPECT_EQ(numbers(), c.ascending) << c.field;
  }
}

TEST_F(SortExportTest, UnknownFieldLeavesTheListAsItWas) {
  for (const char* n : {"3", "1", "2"}) add(QString::fromLatin1(n));
  list.Sort(QStringLiteral("Seller"), QStringLiteral("ASC"));
  EXPECT_EQ(numbers(), (QStringList{"3", "1", "2"}));
  EXPECT_EQ(list.Count(), 3);
  EXPECT_NE(list.Item(QStringLiteral("1")), nullptr);
}

TEST_F(SortExportTest, SortedListStillFindsItsAuctionsAndKeepsItsFile) {
  const QString file = env.dataFolder() + QStringLiteral("A.dat");
  list.Load(file);
  add(QStringLiteral("2")).setBids(1);
  add(QStringLiteral("1")).setBids(5);
  list.Sort(QStringLiteral("Bids"), QStringLiteral("DESC"));
  EXPECT_EQ(list.Item(QStringLiteral("2"))->Bids(), 1);
  EXPECT_EQ(list.FileName(), file);
}

TEST_F(SortExportTest, ExportWritesTheHeadingAndEveryColumnRule) {
  Auction& plain = add(QStringLiteral("1001"));
  plain.setDescription(QStringLiteral("Lamp"));
  plain.setReserveStatus(QStringLiteral("RESERVE NOT MET"));
  plain.setCurrentPrice(Money::fromTenThousandths(5000));  // 0.50
  plain.setAuctionCurrency(QStringLiteral("USD"));
  plain.setBids(3);
  plain.setQuantity(1);
  plain.setHighBidder(QStringLiteral(" bidder1 "));
  plain.setSeller(QStringLiteral("shop"));
  plain.setEndTime(QStringLiteral("12/11/2003 6:16:05 PM"));

  Auction& tracked = add(QStringLiteral("1002"));
  tracked.setDescription(QStringLiteral("Vase"));
  tracked.setCurrentPrice(Money::fromTenThousandths(12345000));  // 1,234.50
  tracked.setAuctionCurrency(QStringLiteral("GBP"));
  tracked.setBids(-1);
  tracked.setQuantity(4);
  tracked.setTrackingProfit(true);
  tracked.setCurrentProfit(Money::fromTenThousandths(-25000));
  tracked.setMyBidAmount(Money::fromWhole(1500));
  tracked.setNotes(QStringLiteral(" first&!second "));
  tracked.setEndTime(QStringLiteral("N/A"));

  ASSERT_TRUE(list.ExportToExcel(exportFile()));
  const QString expected = QStringLiteral(
      "Item Number\tDescription\tReserve Status\tHigh Bid\tBids\tQty\tHigh Bidder\tSeller\t"
      "Profit\tMy Proxy\tEnd Time\tNotes\r\n"
      "1001\tLamp\t not met\t$.50\t3\t1\tbidder1\tshop\tN/A\tN/A\t12/11/2003 6:16:05 PM\r\n"
      "1002\tVase\tno reserve\tGBP 1,234.50\tN/A\t4\t\t\t-2.50\t1,500.00\tN/A\tfirst  second\r\n");
  EXPECT_EQ(fromCp1252(readBytes(exportFile())), expected);
  const QStringList log = env.logMessages();
  EXPECT_TRUE(log.contains(QStringLiteral("Exporting auctions to ") + exportFile()));
  EXPECT_TRUE(log.contains(QStringLiteral("Finished exporting file. 2 records written")));
}

TEST_F(SortExportTest, HighBidCarriesTheCurrency) {
  const struct {
    const char* currency;
    const char* column;
  } cases[] = {{"USD", "$1,234.50"}, {"$", "$1,234.50"},   {"GBP", "GBP 1,234.50"},
               {"C $", "C $ 1,234.50"}, {"AU $", "AU $ 1,234.50"}, {"EUR", "EUR 1,234.50"},
               {"DM", "DM 1,234.50"},   {"JPY", "JPY 1,234.50"}};
  for (const auto& c : cases) {
    const QString number = QString::fromLatin1(c.currency).remove(' ').remove('$') + 'x';
    Auction& a = add(number);
    a.setAuctionCurrency(QString::fromLatin1(c.currency));
    a.setCurrentPrice(Money::fromTenThousandths(12345000));
  }
  ASSERT_TRUE(list.ExportToExcel(exportFile()));
  const QStringList lines = fromCp1252(readBytes(exportFile())).split(QStringLiteral("\r\n"));
  for (qsizetype i = 0; i < 8; ++i)
    EXPECT_EQ(lines[i + 1].section('\t', 3, 3), QString::fromLatin1(cases[i].column)) << cases[i].currency;
}

TEST_F(SortExportTest, ExportOfAnEmptyListWritesOnlyTheHeading) {
  ASSERT_TRUE(list.ExportToExcel(exportFile()));
  EXPECT_EQ(readBytes(exportFile()).count("\r\n"), 1);
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("Finished exporting file. 0 records written")));
}

TEST_F(SortExportTest, ExportThatCannotBeWrittenReportsFalse) {
  EXPECT_FALSE(list.ExportToExcel(env.dataFolder() + QStringLiteral("no/such/folder.prn")));
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("ERROR: 76 Path not found")));
}

}  // namespace
}  // namespace bw::test
