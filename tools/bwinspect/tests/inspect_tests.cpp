#include <gtest/gtest.h>

#include <QFile>
#include <QTextStream>

#include "AuctionFields.h"
#include "CommandRegistry.h"
#include "core/ProcessState.h"
#include "model/Auction.h"
#include "platform/Cp1252.h"
#include "support/TestDoubles.h"

namespace bwinspect {
namespace {

struct Outcome {
  int code = 0;
  QString out;
  QString err;
};

Outcome run(const QStringList& arguments) {
  CommandRegistry registry;
  registerAllCommands(registry);
  Outcome result;
  QTextStream out(&result.out);
  QTextStream err(&result.err);
  result.code = registry.dispatch(arguments, out, err);
  out.flush();
  err.flush();
  return result;
}

const QString kPages = QStringLiteral(BW_READER_TEST_DATA "/");

QByteArray pageBytes(const char* name) {
  QFile file(kPages + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Bwinspect, UsageErrorsNameTheCommands) {
  bw::test::TestEnvironment env;
  for (const QStringList& arguments : {QStringList{}, QStringList{"frobnicate"}, QStringList{"--bogus", "read"},
                                       QStringList{"read"}}) {
    const Outcome r = run(arguments);
    EXPECT_EQ(r.code, kExitUsage) << arguments.join(' ').toStdString();
    EXPECT_FALSE(r.err.isEmpty());
  }
  const Outcome help = run({"--help"});
  EXPECT_EQ(help.code, kExitOk);
  EXPECT_TRUE(help.out.contains(QStringLiteral("read ITEM...")));
  EXPECT_TRUE(help.out.contains(QStringLiteral("synch")));
}

TEST(Bwinspect, ReadPrintsEveryStoredFieldInFileOrder) {
  bw::test::TestEnvironment env;
  env.http.enqueueBody(pageBytes("auction_running.htm"));
  env.http.enqueueNotOpened();
  const Outcome r = run({"read", "3052871342", "999"});
  EXPECT_EQ(r.code, kExitFailed);  // the second item gave no page
  const QStringList blocks = r.out.split(QStringLiteral("\n\n"));
  ASSERT_EQ(blocks.size(), 2);
  const QStringList first = blocks[0].split(u'\n');
  EXPECT_EQ(first.mid(0, 4), (QStringList{"Item=3052871342", "Result=True", "AuctionSite=1", "Number=3052871342"}));
  EXPECT_TRUE(first.contains(QStringLiteral("CurrentPrice=1234.5")));
  EXPECT_TRUE(first.contains(QStringLiteral("BidsChangeFlag=False")));
  EXPECT_TRUE(first.contains(QStringLiteral("MyBidWhenToPlace=1899-12-30 00:00:00")));
  EXPECT_EQ(first.last(), QStringLiteral("MyBidUserID="));
  EXPECT_TRUE(blocks[1].startsWith(QStringLiteral("Item=999\nResult=False\n")));
  // The same path as the program, with its log.
  EXPECT_TRUE(env.logMessages().contains(
      QStringLiteral("Successfully retrieved auction data from "
                     "http://cgi.ebay.com/ws/eBayISAPI.dll?ViewItem&item=3052871342...")));
}

TEST(Bwinspect, ReadsASavedPageUnderTheSystemLocale) {
  bw::test::TestEnvironment env(bw::LocaleInfo::deDE());
  const Outcome r = run({"read", "--page", kPages + "auction_gbp.htm", "3052871345"});
  EXPECT_EQ(r.code, kExitOk) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains(QStringLiteral("\nCurrentPrice=12,5\n")));
  EXPECT_TRUE(r.out.contains(QStringLiteral("\nPriceInUSD=23,1\n")));
  EXPECT_TRUE(r.out.contains(QStringLiteral("\nAuctionCurrency=GBP\n")));
  EXPECT_TRUE(env.http.requests().empty());

  const Outcome missing = run({"read", "--page", kPages + "no_such_page.htm"});
  EXPECT_EQ(missing.code, kExitFailed);
  EXPECT_TRUE(missing.err.contains(QStringLiteral("no_such_page.htm")));
}

TEST(Bwinspect, SynchReportsTheCorrectionAndMarketplaceTime) {
  bw::test::TestEnvironment env;  // 18:16:05 UTC, 10:16:05 on the West Coast
  env.http.enqueueBody("At the tone, the time will be... <b>Dec-09-03 10:16:12 PST</b>");
  const Outcome r = run({"synch"});
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out, QStringLiteral("Result=True\nCorrectionMs=7000\nTimeDifferential=-8\n"
                                  "MarketplaceTime=2003-12-09 10:16:12\n"));
  const Outcome failed = run({"synch"});
  EXPECT_EQ(failed.code, kExitFailed);
  EXPECT_TRUE(failed.out.startsWith(QStringLiteral("Result=False\n")));
}

TEST(AuctionFields, ThePasswordNeverShows) {
  bw::Auction auction;
  auction.setMyBidPassword(QStringLiteral("s3cret"));
  const QStringList lines = auctionFieldLines(auction);
  EXPECT_TRUE(lines.contains(QStringLiteral("MyBidPassword=******")));
  EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("s3cret")));
  EXPECT_EQ(lines.size(), 52);
}

}  // namespace
}  // namespace bwinspect
