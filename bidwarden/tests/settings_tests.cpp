#include <gtest/gtest.h>
#include <QFile>
#include <set>
#include "core/Error.h"
#include "platform/Services.h"
#include "settings/IniFile.h"
#include "settings/Scramble.h"
#include "settings/Servers.h"
#include "settings/SettingsReader.h"
#include "settings/SettingsTable.h"
#include "settings/UrlList.h"
#include "support/TestDoubles.h"

namespace bw {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qunsetenv("BIDWARDEN_MARKETPLACE");
    qunsetenv("BIDWARDEN_UPDATE_SERVER");
  }
  void writeIni(const QByteArray& content) {
    QFile file(iniFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  test::TestEnvironment env;
  SettingsReader reader{"frmAuctions.GetSettings"};
};

TEST_F(SettingsTest, EveryKeyReadsItsDefaultOnAnEmptyStore) {
  for (const SettingDef& def : settingsTable()) {
    const QString text = reader.rawText(def.section, def.key);
    EXPECT_EQ(text, defaultValue(def)) << def.section << "/" << def.key;
    // Every default converts to its own type.
    switch (def.type) {
      case SettingType::Boolean: EXPECT_NO_THROW(textToBool(text)) << def.key; break;
      case SettingType::Whole:
      case SettingType::Colour: EXPECT_NO_THROW(textToLong(text)) << def.key; break;
      case SettingType::Real: EXPECT_NO_THROW(textToSingle(text)) << def.key; break;
      case SettingType::Money: EXPECT_NO_THROW(Money::fromText(text)) << def.key; break;
      default: break;
    }
  }
  EXPECT_TRUE(env.settings.storedKeys().isEmpty());  // reading writes nothing
  EXPECT_TRUE(env.logLines().isEmpty());
}

TEST_F(SettingsTest, DefaultsThatDependOnTheDataFolderAndServers) {
  EXPECT_EQ(reader.readText("Preference", "PreferredEbaySite"), "DE");
  EXPECT_EQ(reader.readLong("BackColors", "BelowReserve"), 16776960);
  EXPECT_EQ(reader.readText("Alerts", "BidChangeSoundFile"), env.dataFolder() + "alert.wav");
  EXPECT_EQ(reader.readText("Files", "LastFile"), env.dataFolder() + "Auctions.dat");
  EXPECT_EQ(reader.readText("URLs", "IniFile"), QString(kBuiltInUpdateServer) + "/BidWarden.ini");
  env.settings.setValue("Servers", "UpdateServer", "http://127.0.0.1:9/");
  EXPECT_EQ(reader.readText("URLs", "HelpURL"), "http://127.0.0.1:9/help");
  EXPECT_TRUE(reader.readBool("UseWindowsTimeZoneOffset", "Value"));
  EXPECT_EQ(reader.readShort("DefaultSnipeTime", "Seconds"), 30);
  EXPECT_EQ(reader.readMoney("eBaySaleOptions", "eBayMinimumOpeningBid"), Money());
}

TEST_F(SettingsTest, StoredTextsConvert) {
  struct Case {
    const char* text;
    bool ok;
    bool value;
  } bools[] = {{"True", true, true},  {"false", true, false}, {" TRUE ", true, true},
               {"-1", true, true},    {"0", true, false},     {"yes", false, false},
               {"", false, false}};
  for (const Case& c : bools) {
    if (c.ok) EXPECT_EQ(textToBool(c.text), c.value) << c.text;
    else EXPECT_THROW(textToBool(c.text), Error) << c.text;
  }
  EXPECT_EQ(textToShort("2.5"), 2);  // halves to even
  EXPECT_EQ(textToShort("3.5"), 4);
  EXPECT_EQ(textToLong("16776960"), 16776960);
  try {
    textToShort("40000");
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.number(), 6);
  }
  env.setLocale(LocaleInfo::deDE());
  EXPECT_FLOAT_EQ(textToSingle("1,5"), 1.5f);
  EXPECT_EQ(singleToText(0.25f), "0,25");
}

TEST_F(SettingsTest, ABadValueIsLoggedAndTakesItsDefault) {
  env.settings.setValue("RefreshRate", "Minutes", "five");
  env.settings.setValue("RefreshRate", "Seconds", "7");
  EXPECT_EQ(reader.readShort("RefreshRate", "Minutes"), 5);
  EXPECT_EQ(reader.readShort("RefreshRate", "Seconds"), 7);
  const QStringList lines = env.logLines();
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].contains("(frmAuctions.GetSettings)"));
  EXPECT_EQ(lines[0].mid(52), "ERROR: 13 Type mismatch");
  try {
    reader.readShortOrThrow("RefreshRate", "Minutes");
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.number(), 13);
  }
}

TEST_F(SettingsTest, SynchIntervalIsRaisedTo008) {
  env.settings.setValue("SynchTimeInterval", "Value", "0.05");
  EXPECT_FLOAT_EQ(reader.readSynchTimeInterval(), 0.08f);
  env.settings.setValue("SynchTimeInterval", "Value", "2.5");
  EXPECT_FLOAT_EQ(reader.readSynchTimeInterval(), 2.5f);
  env.setLocale(LocaleInfo::deDE());
  env.settings.setValue("SynchTimeInterval", "Value", "0,05");
  EXPECT_FLOAT_EQ(reader.readSynchTimeInterval(), 0.08f);
}

TEST_F(SettingsTest, UnknownKeysAreAProgrammingFault) {
  EXPECT_THROW(reader.readBool("Alerts", "NoSuchKey"), Error);
}

TEST_F(SettingsTest, UrlListBuiltInUntilWritten) {
  const MyDictionary builtIn = readUrlList();
  EXPECT_EQ(builtIn.Keys(), (QStringList{"eBay Home", "eBay Search", "My eBay"}));
  EXPECT_EQ(builtIn.Item("eBay Search").toString(), "https://www.ebay.com/search/items/basicsearch.html");

  state().gdicURLs.RemoveAll();
  SaveURLs();
  EXPECT_EQ(env.settings.value("URLs", "Count", ""), "0");
  EXPECT_EQ(readUrlList().Count(), 0);
}

TEST_F(SettingsTest, SaveURLsWritesEntriesInOrderAndLeavesOldOnes) {
  for (int n = 1; n <= 4; ++n) env.settings.setValue("URLs", "URL" + QString::number(n), "old");
  state().gdicURLs.Add("One", "http://one/");
  state().gdicURLs.Add("Two", "http://two/");
  SaveURLs();
  EXPECT_EQ(env.settings.value("URLs", "Count", ""), "2");
  EXPECT_EQ(env.settings.value("URLs", "URL2Name", ""), "Two");
  EXPECT_EQ(env.settings.value("URLs", "URL2", ""), "http://two/");
  EXPECT_EQ(env.settings.value("URLs", "URL3", ""), "old");
  const MyDictionary back = readUrlList();
  EXPECT_EQ(back.Keys(), (QStringList{"One", "Two"}));
  EXPECT_EQ(back.Item("One").toString(), "http://one/");
}

TEST_F(SettingsTest, SaveURLsLogsAFailure) {
  state().gdicURLs.Add("One", "x");
  env.settings.setFailWrites(true);
  SaveURLs();
  const QStringList lines = env.logLines();
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].contains("(modMain.SaveURLs)"));
  EXPECT_TRUE(lines[0].mid(52).startsWith("ERROR: 4096 "));
}

TEST_F(SettingsTest, ReadIniValue) {
  EXPECT_EQ(ReadIniValue("URLs", "Wave"), "");  // no file
  writeIni("[Application]\r\nCurrentVersion=2.1.0\r\n[urls]\r\nwave = http://a/ \r\nWave=http://b/\r\n"
           "HelpURL=" + QByteArray(200, 'h') + "\r\n[URLs]\r\neBayDESite=later\r\n");
  EXPECT_EQ(ReadIniValue("URLs", "Wave"), "http://a/");
  EXPECT_EQ(ReadIniValue("Application", "CURRENTVERSION"), "2.1.0");
  EXPECT_EQ(ReadIniValue("URLs", "HelpURL"), QString(127, 'h'));
  EXPECT_EQ(ReadIniValue("URLs", "eBayDESite"), "");  // the first section only
  EXPECT_EQ(ReadIniValue("Nope", "Wave"), "");
}

TEST(Scramble, IsAPermutationOfThePrintableCharacters) {
  test::TestEnvironment env;
  std::set<char16_t> images;
  QString all;
  for (char16_t c = '!'; c <= '~'; ++c) {
    images.insert(ScrambleChar(QChar(c)).unicode());
    all += QChar(c);
  }
  EXPECT_EQ(images.size(), 94u);
  EXPECT_EQ(*images.begin(), u'!');
  EXPECT_EQ(*images.rbegin(), u'~');
  EXPECT_NE(Scramble(all), all);
  EXPECT_EQ(UnScramble(Scramble(all)), all);
  EXPECT_EQ(Scramble(UnScramble(all)), all);
  EXPECT_TRUE(env.logLines().isEmpty());
}

TEST(Scramble, OtherCharactersStayAndOnlyTheirPositionIsLogged) {
  test::TestEnvironment env;
  const QString password = QString::fromUtf8("se cr\u00e9t");
  const QString stored = Scramble(password);
  EXPECT_EQ(stored[2], ' ');
  EXPECT_EQ(stored[5], QChar(0xe9));
  EXPECT_EQ(UnScramble(stored), password);
  const QStringList lines = env.logLines();
  ASSERT_EQ(lines.size(), 8);
  EXPECT_TRUE(lines[0].contains("(modMain.ScrambleChar)"));
  EXPECT_EQ(lines[0].mid(52), "Unaccounted for character: position 3");
  EXPECT_EQ(lines[1].mid(52), "Character will not be scrambled");
  EXPECT_EQ(lines[2].mid(52), "Unaccounted for character: position 6");
  EXPECT_TRUE(lines[4].contains("(modMain.UnScrambleChar)"));
  for (const QString& line : lines) EXPECT_FALSE(line.contains(QChar(0xe9)));
}

TEST_F(SettingsTest, ServerAddressesFromSettingsAndEnvironment) {
  const QString item = "https://www.ebay.com/ws/eBayISAPI.dll?ViewItem&item=1";
  EXPECT_EQ(effectiveMarketplaceAddress(item), item);
  env.settings.setValue("Servers", "Marketplace", "http://127.0.0.1:8080/");
  EXPECT_EQ(effectiveMarketplaceAddress(item), "http://127.0.0.1:8080/ws/eBayISAPI.dll?ViewItem&item=1");
  qputenv("BIDWARDEN_MARKETPLACE", "http://localhost:9000");
  EXPECT_EQ(effectiveMarketplaceAddress(item), "http://localhost:9000/ws/eBayISAPI.dll?ViewItem&item=1");
  EXPECT_EQ(effectiveMarketplaceAddress("http://cgi.ebay.de?x=1"), "http://localhost:9000?x=1");
  EXPECT_EQ(effectiveMarketplaceAddress("https://www.ebay.com"), "http://localhost:9000");

  EXPECT_EQ(updateServerAddress("/help"), QString(kBuiltInUpdateServer) + "/help");
  env.settings.setValue("Servers", "UpdateServer", "http://127.0.0.1:1");
  EXPECT_EQ(updateServerAddress("/help"), "http://127.0.0.1:1/help");
  qputenv("BIDWARDEN_UPDATE_SERVER", "http://u:2/");
  EXPECT_EQ(updateServerAddress("/help"), "http://u:2/help");
  qunsetenv("BIDWARDEN_MARKETPLACE");
  qunsetenv("BIDWARDEN_UPDATE_SERVER");
}

}  // namespace
}  // namespace bw
