// bwinspect's auctions-file commands, against the simulator.
#include <gtest/gtest.h>
#include <QFile>
#include "CommandRegistry.h"
#include "ListTestSupport.h"
#include "marketsim/Simulator.h"
#include "platform/HttpClient.h"
#include "support/TestDoubles.h"

namespace bw::test {
namespace {

const char* const kScenario = R"({
  "auctions": [
    { "item": 5001, "title": "Zinc Weather Vane", "seller": "rooftops", "startPrice": 30.00,
      "endsIn": 3600, "bids": [ { "bidder": "wind_walker", "max": 45.00, "at": -5000 },
                                { "bidder": "storm_sue", "max": 40.00, "at": -4000 } ] },
    { "item": 5002, "title": "amber Glass Bottle", "seller": "rooftops", "startPrice": 5.00,
      "endsIn": 3600 }
  ]
})";

class BwinspectListTest : public ::testing::Test {
 protected:
  BwinspectListTest() { bwinspect::registerAllCommands(registry); }
  ~BwinspectListTest() override {
    if (simulator) simulator->stop();
  }
  // Only the tests that reach the marketplace start it.
  void startMarketplace() {
    simulator = marketsim::Simulator::fromJson(kScenario, clock);
    if (!simulator->start(0)) throw std::runtime_error("simulator did not start");
    env.settings.setValue(QStringLiteral("Servers"), QStringLiteral("Marketplace"),
                          QString::fromStdString(simulator->baseUrl()));
    Services real = services();
    real.http = &http;
    realHttp = std::make_unique<ScopedServices>(real);
  }

  int run(QStringList arguments) {
    output.clear();
    errors.clear();
    QTextStream out(&output), err(&errors);
    return registry.dispatch(QStringList{QStringLiteral("--file"), file} + arguments, out, err);
  }

  TestEnvironment env;
  marketsim::ManualClock clock{1765458000000LL};
  std::unique_ptr<marketsim::Simulator> simulator;
  CurlHttpClient http;
  std::unique_ptr<ScopedServices> realHttp;
  bwinspect::CommandRegistry registry;
  QString file = env.dataFolder() + QStringLiteral("List.dat");
  QString output, errors;
};

TEST_F(BwinspectListTest, AddShowSortRefreshAndExport) {
  startMarketplace();
  EXPECT_EQ(run({"add", "5001", "5002"}), 0) << errors.toStdString();
  EXPECT_EQ(output, QStringLiteral("Item=5001\nResult=True\nItem=5002\nResult=True\n"));
  EXPECT_EQ(readBytes(file).size(), 2 * 1056);

  EXPECT_EQ(run({"add", "5001"}), 1);
  EXPECT_TRUE(errors.contains(QStringLiteral("Auction 5001 is already loaded")));

  // The appended records have no description until the next full save.
  EXPECT_EQ(run({"refresh"}), 0) << errors.toStdString();
  EXPECT_EQ(output, QStringLiteral("Item=5001\nResult=True\nItem=5002\nResult=True\n"));
  EXPECT_EQ(run({"sort", "Description", "ASC"}), 0);
  EXPECT_EQ(output, QStringLiteral("5002\n5001\n")) << "amber before Zinc";
  EXPECT_EQ(readBytes(file).mid(2, 4), QByteArray("5002")) << "the sorted order was saved";

  const QByteArray before = readBytes(file);
  EXPECT_EQ(run({"show"}), 0);
  EXPECT_TRUE(output.startsWith(QStringLiteral("AuctionSite=1\nNumber=5002\n")));
  EXPECT_TRUE(output.contains(QStringLiteral("\n\nAuctionSite=1\nNumber=5001\n")));
  EXPECT_TRUE(output.contains(QStringLiteral("Description=Zinc Weather Vane\n")));
  EXPECT_EQ(readBytes(file), before) << "show changes nothing";

  const QString exported = env.dataFolder() + QStringLiteral("out.prn");
  EXPECT_EQ(run({"export", exported}), 0);
  EXPECT_EQ(readBytes(exported).count("\r\n"), 3);
}

TEST_F(BwinspectListTest, WrongArgumentsAreUsageErrors) {
  EXPECT_EQ(run({"sort", "Seller", "ASC"}), 2);
  EXPECT_EQ(run({"sort", "Bids", "UP"}), 2);
  EXPECT_EQ(run({"add"}), 2);
  EXPECT_EQ(run({"export", file}), 2);
  EXPECT_FALSE(QFile::exists(file));
}

TEST_F(BwinspectListTest, CommandsThatWriteRefuseAFileTheyCannotReadWhole) {
  QByteArray bad(1054, ' ');
  place(bad, 1, "xx");
  writeBytes(file, bad + "\r\n");
  EXPECT_EQ(run({"sort", "Bids", "ASC"}), 1);
  EXPECT_TRUE(errors.contains(QStringLiteral("nothing changed")));
  EXPECT_EQ(run({"add", "5001"}), 1);
  EXPECT_EQ(readBytes(file), bad + "\r\n");
  EXPECT_EQ(run({"show"}), 1);
}

}  // namespace
}  // namespace bw::test
