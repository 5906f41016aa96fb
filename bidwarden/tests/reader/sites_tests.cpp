#include <gtest/gtest.h>

#include <QFile>

#include "ReaderTestSupport.h"
#include "core/ProcessState.h"
#include "model/Sites.h"
#include "support/TestDoubles.h"

namespace bw {
namespace {

using test::TestEnvironment;

void writeIni(const TestEnvironment& env, const QByteArray& text) {
  QFile file(env.dataFolder() + QStringLiteral("BidWarden.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

TEST(Sites, ElevenSitesInTheOptionsOrder) {
  const char* codes[] = {"US", "UK", "CA", "AU", "DE", "IT", "AT", "FR", "NL", "ES", "CH"};
  ASSERT_EQ(sites().size(), 11u);
  for (int i = 0; i < 11; ++i) {
    EXPECT_STREQ(sites()[static_cast<std::size_t>(i)].code, codes[i]);
    EXPECT_EQ(sitePosition(QLatin1String(codes[i])), i);
    EXPECT_EQ(QLatin1String(sites()[static_cast<std::size_t>(i)].settingsKey),
              QStringLiteral("eBay") + QLatin1String(codes[i]) + QStringLiteral("Site"));
  }
  EXPECT_STREQ(sites()[1].name, "eBay UK & Ireland");
  EXPECT_EQ(sitePosition(QStringLiteral("XX")), -1);
  EXPECT_STREQ(siteOrUS(QStringLiteral("XX")).code, "US");
  EXPECT_STREQ(siteOrUS(QStringLiteral("de")).code, "US");  // codes compare exactly
}

TEST(Sites, AnUnknownPreferredSiteOpensTheUsPages) {
  TestEnvironment env;
  state().ProgramSettings.PreferredEbaySite = QStringLiteral("XX");
  EXPECT_EQ(itemPageAddressForBrowser(QStringLiteral(" 123 ")),
            QStringLiteral("http://cgi.ebay.com/ws/eBayISAPI.dll?ViewItem&item=123"));
  EXPECT_EQ(bidHistoryAddressForBrowser(QStringLiteral("123")),
            QStringLiteral("http://offer.ebay.com/aw-cgi/eBayISAPI.dll?ViewBids&item=123"));
}

TEST(Sites, ItemPageAddressesComeFromTheIniFileTrimmedOrTheDefault) {
  TestEnvironment env;
  writeIni(env, "[URLs]\r\neBayDESite=   \r\neBayUKSite=  http://items.example/uk?item=  \r\n");
  ProgramSettingsRecord settings;
  readItemPageAddresses(settings);
  EXPECT_EQ(settings.eBayDESite, QStringLiteral("http://cgi.ebay.de/ws/eBayISAPI.dll?ViewItem&item="));
  EXPECT_EQ(settings.eBayUKSite, QStringLiteral("http://items.example/uk?item="));
  EXPECT_EQ(settings.eBayCHSite, QStringLiteral("http://cgi.ebay.ch/ws/eBayISAPI.dll?ViewItem&item="));
  state().ProgramSettings = settings;
  state().ProgramSettings.PreferredEbaySite = QStringLiteral("UK");
  EXPECT_EQ(itemPageAddressForBrowser(QStringLiteral("9")), QStringLiteral("http://items.example/uk?item=9"));
}

TEST(Sites, TheMarketplaceOverrideReplacesEveryServerButKeepsPaths) {
  TestEnvironment env;
  env.settings.setValue(QStringLiteral("Servers"), QStringLiteral("Marketplace"),
                        QStringLiteral("http://127.0.0.1:8080"));
  for (ServerKind kind : {ServerKind::ItemView, ServerKind::BidHistory, ServerKind::Service, ServerKind::Feedback}) {
    EXPECT_EQ(serverBase(kind, QStringLiteral("FR")), QStringLiteral("http://127.0.0.1:8080"));
  }
  EXPECT_EQ(builtInServerBase(ServerKind::ItemView, QStringLiteral("FR")), QStringLiteral("http://cgi.ebay.fr"));
  EXPECT_EQ(itemPageReadAddress(QStringLiteral(" 42 ")),
            QStringLiteral("http://127.0.0.1:8080/ws/eBayISAPI.dll?ViewItem&item=42"));
}

}  // namespace
}  // namespace bw
