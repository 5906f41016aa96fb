#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#include "ListTestSupport.h"
#include "support/TestDoubles.h"
#include "core/Error.h"
#include "core/DateReader.h"
#include "core/Format.h"
#include "list/AuctionRecord.h"
#include "list/FileDateTime.h"
#include "settings/Scramble.h"

namespace bw::test {
namespace {

class AuctionsFileTest : public ::testing::Test {
 protected:
  QString path(const QString& name = QStringLiteral("Auctions.dat")) const {
    return env.dataFolder() + name;
  }
  std::unique_ptr<Auctions> newList() {
    return std::make_unique<Auctions>(AuctionsDependencies{&operations, &views, &views});
  }
  // Adds `number` and then gives it every field of fullAuction().
  Auction& addFull(Auctions& list, const QString& number) {
    list.Add(number, 1);
    Auction* added = list.Item(number);
    if (!added) throw std::runtime_error("not added");
    *added = *fullAuction(number);
    return *added;
  }

  TestEnvironment env;
  FakeAuctionOperations operations;
  RecordingViews views;
};

// The record of fullAuction("123456789012"), put together by position.
QByteArray expectedFullRecord() {
  QByteArray r(kAuctionRecordLength, ' ');
  const QByteArray T = "True ";
  place(r, 1, "1");
  place(r, 3, "123456789012");
  place(r, 18, "Brass telescope, 1890s");
  place(r, 118, "YYY");
  place(r, 121, "12.5");
  place(r, 131, "13");
  place(r, 141, "-3.5");
  place(r, 151, "7");
  place(r, 155, T);
  place(r, 200, "2 days 4 hours");
  place(r, 220, "2003-12-11 18:16:05");
  place(r, 240, T);
  place(r, 245, "RESERVE MET");
  place(r, 265, "PENDING");
  place(r, 285, "20.5");
  place(r, 345, Scramble(QStringLiteral("s3cret!")).toLatin1());
  place(r, 395, "2003-12-11 18:15:55");
  place(r, 415, T);
  place(r, 420, "M");
  place(r, 421, T + T);
  place(r, 431, "3");
  for (int pos = 433; pos <= 478; pos += 5) place(r, pos, T);
  place(r, 509, "100");
  place(r, 519, "0.99");
  place(r, 529, "7");
  place(r, 531, "40");
  place(r, 546, "4");
  place(r, 564, T + T);
  place(r, 574, "2");
  place(r, 577, "GBP");
  place(r, 582, "20.1234");
  place(r, 592, "5");
  place(r, 599, "Y");
  place(r, 601, "Ask about shipping&!Paid by cheque");
  place(r, 851, T);
  place(r, 856, "9");
  place(r, 863, "stargazer_42");
  place(r, 927, "antique-optics");
  place(r, 991, "my_own_id");
  return r;
}

TEST_F(AuctionsFileTest, SavedFileIsTheRecordLayoutByteForByte) {
  auto list = newList();
  list->Load(path());
  addFull(*list, QStringLiteral("123456789012"));
  addFull(*list, QStringLiteral("2"));
  addFull(*list, QStringLiteral("3"));
  ASSERT_TRUE(list->Save());

  const QByteArray bytes = readBytes(path());
  ASSERT_EQ(bytes.size(), 3 * 1056);
  EXPECT_EQ(bytes.left(1054), expectedFullRecord());
  EXPECT_EQ(bytes.mid(1054, 2), QByteArray("\r\n"));
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_EQ(QFileInfo(path()).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
}

TEST_F(AuctionsFileTest, SaveThenLoadGivesBackEveryStoredField) {
  {
    auto list = newList();
    list->Load(path());
    addFull(*list, QStringLiteral("123456789012"));
  }  // the list saves itself as it ends
  auto loaded = newList();
  ASSERT_TRUE(loaded->Load(path()));
  ASSERT_EQ(loaded->Count(), 1);
  Auction expected = *fullAuction(QStringLiteral("123456789012"));
  expected.setEndTime(QStringLiteral("2003-12-11 18:16:05"));
  Auction& got = *loaded->Item(QStringLiteral("123456789012"));
  // Re-saving the loaded auction must give the very same record, and the
  // not-stored flags start false.
  EXPECT_EQ(recordBytes(got), recordBytes(expected));
  EXPECT_EQ(got.EndTime(), QStringLiteral("2003-12-11 18:16:05"));
  EXPECT_EQ(got.MyBidPassword(), QStringLiteral("s3cret!"));
  EXPECT_EQ(got.Notes(), QStringLiteral("Ask about shipping&!Paid by cheque"));
  EXPECT_EQ(got.CurrentProfit(), Money::fromTenThousandths(-35000));
  EXPECT_EQ(got.MyBidWhenToPlace(), DateTime::fromParts(2003, 12, 11, 18, 15, 55));
  EXPECT_FALSE(got.AlertRaised());
  EXPECT_FALSE(got.PreSnipeSynchPerformed());
}

TEST_F(AuctionsFileTest, ZeroBidTimeIsWrittenAsTheOriginAndReadsBackAsZero) {
  Auction a;
  a.setNumber(QStringLiteral("5"));
  const QByteArray record = recordBytes(a);
  EXPECT_EQ(record.mid(394, 20).trimmed(), QByteArray("1899-12-30 00:00:00"));
  EXPECT_EQ(record.mid(119, 1), QByteArray("N"));
  EXPECT_EQ(record.mid(154, 5), QByteArray("False"));
  Auction back;
  readRecordBytes(record, back);
  EXPECT_EQ(back.MyBidWhenToPlace().secondsSinceOrigin(), 0);
}

TEST_F(AuctionsFileTest, ShortLineOf600CharactersLoadsWithTheLenientDefaults) {
  QByteArray line = expectedFullRecord().left(600);
  Auction a;
  readRecordBytes(line, a);
  EXPECT_EQ(a.Number(), QStringLiteral("123456789012"));
  EXPECT_EQ(a.Quantity(), 5);
  EXPECT_EQ(a.Notes(), QString());
  EXPECT_FALSE(a.EBayNonAuctionItem());
  EXPECT_EQ(a.InitialQuantity(), 0);
  EXPECT_EQ(a.HighBidder(), QString());
  EXPECT_EQ(a.Seller(), QString());
  EXPECT_EQ(a.MyBidUserID(), QString());
}

TEST_F(AuctionsFileTest, LenientFieldsReadZeroFalseOrUsdWhenBlankOrNotANumber) {
  QByteArray line = expectedFullRecord();
  place(line, 546, "xx ");         // UnitsSold
  place(line, 564, "     ");       // EbayVehicleAuction
  place(line, 574, "?  ");         // MyBidQuantity
  place(line, 577, "     ");       // AuctionCurrency
  place(line, 582, "n/a       ");  // PriceInUSD
  place(line, 856, "lots   ");     // InitialQuantity
  Auction a;
  readRecordBytes(line, a);
  EXPECT_EQ(a.UnitsSold(), 0);
  EXPECT_FALSE(a.EbayVehicleAuction());
  EXPECT_EQ(a.MyBidQuantity(), 0);
  EXPECT_EQ(a.AuctionCurrency(), QStringLiteral("USD"));
  EXPECT_EQ(a.PriceInUSD(), Money());
  EXPECT_EQ(a.InitialQuantity(), 0);
}

TEST_F(AuctionsFileTest, StrictFieldsRefuseWhatDoesNotConvert) {
  struct Case {
    int position;
    QByteArray text;
    long error;
  };
  const Case cases[] = {
      {1, "x ", Error::TypeMismatch},           // AuctionSite
      {121, "12.5.3    ", Error::TypeMismatch},  // CurrentPrice
      {151, "    ", Error::TypeMismatch},        // Bids blank
      {395, "not a date          ", Error::TypeMismatch},
      {420, "m", Error::GeneralFailure},         // category in lower case
      {592, "seven  ", Error::TypeMismatch},     // Quantity
  };
  for (const Case& c : cases) {
    QByteArray line = expectedFullRecord();
    place(line, c.position, c.text);
    Auction a;
    try {
      readRecordBytes(line, a);
      ADD_FAILURE() << "position " << c.position << " accepted";
    } catch (const Error& e) {
      EXPECT_EQ(e.number(), c.error) << "position " << c.position;
    }
  }
}

TEST_F(AuctionsFileTest, OlderFormFieldsWinOverTheirLongerSuccessors) {
  QByteArray line = expectedFullRecord();
  place(line, 160, "old_bidder");
  place(line, 180, "old_seller");
  place(line, 295, "old_user");
  Auction a;
  readRecordBytes(line, a);
  EXPECT_EQ(a.HighBidder(), QStringLiteral("old_bidder"));
  EXPECT_EQ(a.Seller(), QStringLiteral("old_seller"));
  EXPECT_EQ(a.MyBidUserID(), QStringLiteral("old_user"));
}

TEST_F(AuctionsFileTest, LongValuesAreCutAtTheirWidth) {
  Auction a;
  a.setNumber(QStringLiteral("1"));
  a.setCurrentPrice(Money::fromTenThousandths(12345678912LL));  // 1234567.8912
  a.setDescription(QString(120, QChar('d')));
  const QByteArray record = recordBytes(a);
  EXPECT_EQ(record.mid(120, 10), QByteArray("1234567.89"));
  EXPECT_EQ(record.mid(17, 100), QByteArray(100, 'd'));
  EXPECT_EQ(record.mid(117, 1), QByteArray("N"));  // the next field is untouched
}

TEST_F(AuctionsFileTest, LineBreaksInsideAFieldNeverSplitTheRecord) {
  {
    auto list = newList();
    list->Load(path());
    addFull(*list, QStringLiteral("1")).setDescription(QStringLiteral("two\r\nlines"));
    addFull(*list, QStringLiteral("2")).setNotes(QStringLiteral("a\nb"));
  }
  EXPECT_EQ(readBytes(path()).size(), 2 * 1056);
  auto loaded = newList();
  ASSERT_TRUE(loaded->Load(path()));
  EXPECT_EQ(loaded->Item(QStringLiteral("1"))->Description(), QStringLiteral("two  lines"));
  EXPECT_EQ(loaded->Item(QStringLiteral("2"))->Notes(), QStringLiteral("a b"));
}

TEST_F(AuctionsFileTest, LineLongerThanTheRecordIsCutAndLoads) {
  writeBytes(path(), expectedFullRecord() + QByteArray(200, 'z') + "\r\n");
  auto list = newList();
  EXPECT_TRUE(list->Load(path()));
  ASSERT_EQ(list->Count(), 1);
  EXPECT_EQ(list->Item(QStringLiteral("123456789012"))->MyBidUserID(), QStringLiteral("my_own_id"));
}

TEST_F(AuctionsFileTest, PasswordWithBlankAndNonAsciiLetterSurvivesAndIsLogged) {
  const QString password = QStringLiteral("pass word\u00E9");
  {
    auto list = newList();
    list->Load(path());
    addFull(*list, QStringLiteral("77")).setMyBidPassword(password);
  }
  const QByteArray bytes = readBytes(path());
  EXPECT_EQ(bytes.mid(344 + 4, 1), QByteArray(" "));
  EXPECT_EQ(bytes.mid(344 + 9, 1), QByteArray("\xE9"));  // Windows-1252
  EXPECT_GE(env.logMessages().count(QStringLiteral("Unaccounted for character: position 5")), 1);

  auto loaded = newList();
  ASSERT_TRUE(loaded->Load(path()));
  EXPECT_EQ(loaded->Item(QStringLiteral("77"))->MyBidPassword(), password);
}

TEST_F(AuctionsFileTest, EmptyFileAndEmptyList) {
  writeBytes(path(), QByteArray());
  auto list = newList();
  EXPECT_TRUE(list->Load(path()));
  EXPECT_EQ(list->Count(), 0);
  EXPECT_TRUE(list->Save());
  EXPECT_TRUE(QFileInfo::exists(path()));
  EXPECT_EQ(QFileInfo(path()).size(), 0);
}

TEST_F(AuctionsFileTest, MissingFileGivesAnEmptyListBoundToThePath) {
  auto list = newList();
  EXPECT_TRUE(list->Load(path(QStringLiteral("New.dat"))));
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->FileName(), path(QStringLiteral("New.dat")));
  EXPECT_EQ(views.captions, QStringList{QStringLiteral("Bid Warden - New.dat")});
  EXPECT_FALSE(env.settings.contains(QStringLiteral("Files"), QStringLiteral("LastFile")));
  EXPECT_EQ(env.logMessages(), (QStringList{QStringLiteral("Loading auctions...")}));
}

TEST_F(AuctionsFileTest, LoadAndSaveSetCaptionAndLastFileAndLog) {
  {
    auto list = newList();
    list->Load(path());
    addFull(*list, QStringLiteral("1"));
    list->Save();
  }
  views.captions.clear();
  env.settings.remove(QStringLiteral("Files"), QStringLiteral("LastFile"));
  auto list = newList();
  list->Load(path());
  EXPECT_EQ(views.captions, QStringList{QStringLiteral("Bid Warden - Auctions.dat")});
  EXPECT_EQ(env.settings.value(QStringLiteral("Files"), QStringLiteral("LastFile"), QString()),
            path());
  const QStringList log = env.logMessages();
  EXPECT_TRUE(log.contains(QStringLiteral("Saving auctions...")));
  EXPECT_TRUE(log.contains(QStringLiteral("Opening Auctions File ") + path()));
}

// A bad number on line 3 of 5: the first two load, the whole file is kept
// aside, and the next save does not lose lines 3 to 5.
TEST_F(AuctionsFileTest, BadLineInTheMiddleKeepsTheUnreadLinesSafe) {
  QByteArray file;
  for (int n = 1; n <= 5; ++n) {
    QByteArray record = expectedFullRecord();
    place(record, 3, QByteArray::number(n).leftJustified(15, ' '));
    if (n == 3) place(record, 151, "ab  ");
    file += record + "\r\n";
  }
  writeBytes(path(), file);

  auto list = newList();
  EXPECT_FALSE(list->Load(path()));
  EXPECT_EQ(list->Count(), 2);
  const QString copy = path() + QStringLiteral(".unread");
  EXPECT_EQ(list->UnreadLinesCopy(), copy);
  EXPECT_EQ(readBytes(copy), file);
  EXPECT_EQ(views.unread, QStringList{path() + QStringLiteral("|3|") + copy});
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("ERROR: 13 Type mismatch")));

  ASSERT_TRUE(list->Save());
  EXPECT_EQ(readBytes(path()).size(), 2 * 1056);
  EXPECT_EQ(readBytes(copy), file);

  // A second such load keeps its own copy and leaves the first alone.
  writeBytes(path(), file);
  auto again = newList();
  again->Load(path());
  EXPECT_EQ(again->UnreadLinesCopy(), copy + QStringLiteral("2"));
  EXPECT_EQ(readBytes(copy), file);
}

TEST_F(AuctionsFileTest, UnreadLinesThatCannotBeCopiedAsideAreNeverSavedOver) {
  QByteArray bad = expectedFullRecord();
  place(bad, 1, "zz");
  writeBytes(path(), bad + "\r\n");
  // A folder in the way of every copy name makes the copy fail.
  QDir().mkdir(path() + QStringLiteral(".unread"));
  for (int n = 2; n <= 99; ++n) QDir().mkdir(path() + QStringLiteral(".unread") + QString::number(n));

  auto list = newList();
  EXPECT_FALSE(list->Load(path()));
  EXPECT_TRUE(list->UnreadLinesCopy().isEmpty());
  EXPECT_EQ(views.unread, QStringList{path() + QStringLiteral("|1|")});
  EXPECT_FALSE(list->Save());
  list.reset();  // the list's own save at its end is refused too
  EXPECT_EQ(readBytes(path()), bad + "\r\n");
}

TEST_F(AuctionsFileTest, ItemNumberThatAppearsTwiceStopsTheLoadThere) {
  QByteArray one = expectedFullRecord();
  QByteArray two = expectedFullRecord();
  place(two, 18, QByteArray("Second copy").leftJustified(100, ' '));
  writeBytes(path(), one + "\r\n" + two + "\r\n");
  auto list = newList();
  EXPECT_FALSE(list->Load(path()));
  ASSERT_EQ(list->Count(), 1);
  EXPECT_EQ(list->Item(QStringLiteral("123456789012"))->Description(),
            QStringLiteral("Brass telescope, 1890s"));
  EXPECT_EQ(views.unread.size(), 1);
}

TEST_F(AuctionsFileTest, LinesEndingInLineFeedOnlyLoadToo) {
  QByteArray a = expectedFullRecord(), b = expectedFullRecord();
  place(b, 3, "2              ");
  writeBytes(path(), a + "\n" + b + "\n");
  auto list = newList();
  EXPECT_TRUE(list->Load(path()));
  EXPECT_EQ(list->Count(), 2);
}

class UnwritableFileTest : public AuctionsFileTest {
 protected:
  void SetUp() override {
    list = newList();
    list->Load(path());
    addFull(*list, QStringLiteral("1"));
    addFull(*list, QStringLiteral("2"));
    ASSERT_TRUE(list->Save());
    before = readBytes(path());
    list->Item(QStringLiteral("1"))->setDescription(QStringLiteral("changed"));
  }
  void expectNothingLost() {
    EXPECT_EQ(readBytes(path()), before);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Item(QStringLiteral("1"))->Description(), QStringLiteral("changed"));
    EXPECT_EQ(list->FileName(), path());
    EXPECT_EQ(QDir(env.dataFolder()).entryList(QDir::Files | QDir::Hidden).filter(".dat.").size(),
              0)
        << "no temporary file left behind";
  }
  std::unique_ptr<Auctions> list;
  QByteArray before;
};

// The superuser writes into any folder that is merely read-only; for it the
// folder is made immutable instead.
TEST_F(UnwritableFileTest, ReadOnlyFolder) {
  const QString folder = env.dataFolder();
  const bool superuser = ::geteuid() == 0;
  if (superuser) {
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) != 0)
      GTEST_SKIP() << "no immutable folders here";
  } else {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
  }
  const bool saved = list->Save();
  if (superuser)
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
  else
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("ERROR: 70 Permission denied")));
  expectNothingLost();
}

// A disk that fills up half-way through the save.
TEST_F(UnwritableFileTest, WriteFailsHalfWay) {
  struct rlimit saved {};
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 1500;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const bool saved_ok = list->Save();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved_ok);
  expectNothingLost();
}

TEST_F(UnwritableFileTest, SaveToAFolderThatDoesNotExistKeepsTheList) {
  EXPECT_FALSE(list->Save(env.dataFolder() + QStringLiteral("missing/Other.dat")));
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("ERROR: 76 Path not found")));
  expectNothingLost();
}

TEST_F(AuctionsFileTest, GermanLocaleWritesAndReadsCommaDecimals) {
  env.setLocale(LocaleInfo::deDE());
  {
    auto list = newList();
    list->Load(path());
    addFull(*list, QStringLiteral("9"));
  }
  const QByteArray bytes = readBytes(path());
  EXPECT_EQ(bytes.mid(120, 10), QByteArray("12,5      "));
  auto loaded = newList();
  ASSERT_TRUE(loaded->Load(path()));
  EXPECT_EQ(loaded->Item(QStringLiteral("9"))->CurrentPrice(), Money::fromTenThousandths(125000));
}

}  // namespace
}  // namespace bw::test

namespace bw::test {
namespace {

// The direct path for the file's date form must agree with the general
// reader and the format routine.
TEST(FileDateTimeTest, AgreesWithTheDateReaderAndTheFormatRoutine) {
  for (const LocaleInfo& info : {LocaleInfo::enUS(), LocaleInfo::deDE()}) {
    TestEnvironment env(info);
    QStringList texts;
    for (const DateTime& d : {DateTime::fromParts(2003, 12, 11, 18, 16, 5),
                              DateTime::fromParts(2004, 1, 2, 0, 30, 0),
                              DateTime::fromParts(2004, 1, 2, 12, 0, 1)})
      texts << d.toText();
    texts << QStringLiteral("13/13/2003 1:00:00 PM") << QStringLiteral("1.2.2003 25:00:00");
    for (const char* text : {"2003-12-11 18:16:05", "1899-12-30 00:00:00", "2004-02-29 23:59:59",
                             "2003-02-30 10:00:00", "2003-12-11 24:00:00", "2003-13-01 10:00:00",
                             "12/11/2003 6:16:05 PM", "N/A", ""})
      texts << QString::fromLatin1(text);
    for (const QString& t : texts) {
      const std::string text = t.toStdString();
      const auto fast = readFileDateTime(t);
      const auto general = readDate(t);
      EXPECT_EQ(fast.has_value(), general.has_value()) << text << " in " << info.name.toStdString();
      if (fast && general) {
        EXPECT_EQ(*fast, *general) << text;
      }
    }
    for (const DateTime& d : {DateTime(), DateTime::fromParts(2003, 12, 11, 18, 16, 5),
                              DateTime::fromParts(1752, 9, 14, 1, 2, 3), DateTime::farFuture()})
      EXPECT_EQ(fileDateTimeText(d), formatDateTime(d, QStringLiteral("yyyy-mm-dd hh:mm:ss")));
  }
}

}  // namespace
}  // namespace bw::test
