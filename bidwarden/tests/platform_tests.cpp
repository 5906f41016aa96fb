#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "core/DateTime.h"
#include "core/Format.h"
#include "platform/Cp1252.h"
#include "platform/DataFolder.h"
#include "platform/ProfileFile.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "support/TestDoubles.h"

namespace bw {
namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  QByteArray bytes;
  for (int b = 0; b < 256; ++b) bytes.append(static_cast<char>(b));
  EXPECT_EQ(toCp1252(fromCp1252(bytes)), bytes);
  EXPECT_EQ(fromCp1252(QByteArray("\x80\x9f\xe9")), QString::fromUtf16(u"\u20ac\u0178\u00e9"));
  EXPECT_EQ(toCp1252(QString::fromUtf16(u"\u20ac \u4e2d")), QByteArray("\x80 ?"));
}

class ProfileFileTest : public ::testing::Test {
 protected:
  QString path() const { return dir.filePath("test.ini"); }
  QTemporaryDir dir;
};

TEST_F(ProfileFileTest, ReadsWithWindowsRules) {
  writeAll(path(), "; comment\r\n[One]\r\nKey=first\r\nkey=second\r\n  Spaced  =  \"quoted value\"  \r\n"
                   "[two]\nUnix=lf\n[ONE]\nOther=later\n");
  struct Case {
    const char* section;
    const char* key;
    int max;
    const char* expected;
  } cases[] = {
      {"one", "KEY", 127, "first"},    {"One", "Spaced", 127, "quoted value"},
      {"Two", "unix", 127, "lf"},      {"One", "Other", 127, "dflt"},
      {"One", "Key", 3, "fir"},        {"Missing", "Key", 127, "dflt"},
      {"One", "Missing", 127, "dflt"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(readProfileString(path(), c.section, c.key, "dflt", c.max), c.expected) << c.section << "/" << c.key;
  EXPECT_EQ(readProfileString(dir.filePath("none.ini"), "One", "Key", "dflt", 127), "dflt");
}

TEST_F(ProfileFileTest, WritesReplaceTheFirstKeyAndKeepTheRest) {
  writeAll(path(), "[One]\r\nKey=old\r\n; note\r\n\r\n[Two]\r\nKey=two\r\n");
  ASSERT_TRUE(writeProfileString(path(), "one", "KEY", "new"));
  ASSERT_TRUE(writeProfileString(path(), "One", "Added", "a"));
  ASSERT_TRUE(writeProfileString(path(), "Three", "K", "\u00e9"));
  EXPECT_EQ(readAll(path()), "[One]\r\nKEY=new\r\n; note\r\nAdded=a\r\n\r\n[Two]\r\nKey=two\r\n[Three]\r\nK=\xe9\r\n");
  EXPECT_EQ(readProfileString(path(), "Three", "k", "", 127), "\u00e9");
  EXPECT_FALSE(writeProfileString(dir.filePath("no/such/folder/x.ini"), "A", "B", "C"));
}

TEST(DataFolder, FromTheEnvironmentAndCreated) {
  QTemporaryDir dir;
  const QByteArray savedHome = qgetenv("BIDWARDEN_HOME");
  const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
  qputenv("BIDWARDEN_HOME", QFile::encodeName(dir.filePath("bw")));
  EXPECT_EQ(resolveDataFolder(), dir.filePath("bw") + "/");
  EXPECT_TRUE(QDir(dir.filePath("bw")).exists());
  qunsetenv("BIDWARDEN_HOME");
  qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("xdg")));
  EXPECT_EQ(resolveDataFolder(), dir.filePath("xdg") + "/BidWarden/");
  qputenv("BIDWARDEN_HOME", savedHome);
  if (savedHome.isEmpty()) qunsetenv("BIDWARDEN_HOME");
  qputenv("XDG_DATA_HOME", savedXdg);
  if (savedXdg.isEmpty()) qunsetenv("XDG_DATA_HOME");
}

TEST(DataFolder, ShippedFilesAreCopiedOnlyWhenMissing) {
  QTemporaryDir install, data;
  writeAll(install.filePath("alert.wav"), "shipped");
  writeAll(install.filePath("ReadMe.txt"), "shipped");
  writeAll(data.filePath("alert.wav"), "user's own");
  EXPECT_EQ(copyShippedFiles(install.path(), data.path()), QStringList{"ReadMe.txt"});
  EXPECT_EQ(readAll(data.filePath("alert.wav")), "user's own");
  EXPECT_EQ(readAll(data.filePath("ReadMe.txt")), "shipped");
}

TEST(SettingsStore, QSettingsKeepsStringsPerSection) {
  QTemporaryDir dir;
  {
    QSettingsStore store(dir.filePath("BidWarden.conf"));
    EXPECT_FALSE(store.contains("Alerts", "PlaySounds"));
    EXPECT_EQ(store.value("Alerts", "PlaySounds", "dflt"), "dflt");
    store.setValue("Alerts", "PlaySounds", "False");
    store.setValue("URLs", "URL1", "http://a/b?c=d&e");
  }
  QSettingsStore reopened(dir.filePath("BidWarden.conf"));
  EXPECT_EQ(reopened.value("Alerts", "PlaySounds", ""), "False");
  EXPECT_EQ(reopened.value("URLs", "URL1", ""), "http://a/b?c=d&e");
  reopened.remove("Alerts", "PlaySounds");
  EXPECT_FALSE(reopened.contains("Alerts", "PlaySounds"));
  EXPECT_TRUE(QSettingsStore().fileName().endsWith("Quorvin/BidWarden.conf"));
}

TEST(Locale, SystemLocaleDataGivesTheGeneralDateFormat) {
  const DateTime d = DateTime::fromParts(2003, 12, 9, 18, 16, 5);
  const LocaleInfo en = LocaleInfo::fromQLocale(QLocale("en_US"));
  EXPECT_EQ(d.toText(en), "12/9/2003 6:16:05 PM");
  EXPECT_EQ(en.decimalSeparator, '.');
  const LocaleInfo de = LocaleInfo::fromQLocale(QLocale("de_DE"));
  EXPECT_EQ(d.toText(de), "09.12.2003 18:16:05");
  EXPECT_EQ(de.decimalSeparator, ',');
  EXPECT_EQ(de.thousandsSeparator, '.');
  EXPECT_EQ(de.dateSeparator, '.');
  EXPECT_EQ(de.dateOrder, "DMY");
  EXPECT_EQ(formatDateTime(d, "dddd, mmmm d", de), "Dienstag, Dezember 9");
}

TEST(Services, ScopesNestAndRestore) {
  test::FakeClock a, b;
  {
    ScopedServices outer(Services{.clock = &a});
    EXPECT_EQ(services().clock, &a);
    {
      ScopedServices inner(Services{.clock = &b});
      EXPECT_EQ(services().clock, &b);
      EXPECT_EQ(services().http, nullptr);
    }
    EXPECT_EQ(services().clock, &a);
  }
  EXPECT_EQ(services().clock, nullptr);
  EXPECT_EQ(currentLocale().name, "en_US");  // the fallback
}

TEST(SystemClock, CorrectionMovesLocalNow) {
  SystemClock clock;
  const std::int64_t before = clock.localNowMs();
  clock.setLocalNowMs(before + 3600000);
  EXPECT_NEAR(static_cast<double>(clock.correctionMs()), 3600000.0, 1000.0);
  EXPECT_NEAR(static_cast<double>(clock.localNowMs() - before), 3600000.0, 1000.0);
}

}  // namespace
}  // namespace bw

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include "core/Error.h"
#include "core/TextFile.h"

namespace bw {
namespace {

TEST(TextFile, WritesWindows1252AndKeepsOwnerOnlyFilesPrivate) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Auctions.dat");
  writeTextFile(path, QString::fromUtf8("caf\u00e9 \u20ac\r\n"), FileAccess::OwnerOnly);
  EXPECT_EQ(readAll(path), "caf\xe9 \x80\r\n");
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  appendTextFile(path, "more\r\n", FileAccess::OwnerOnly);
  EXPECT_EQ(readTextFile(path), QString::fromUtf8("caf\u00e9 \u20ac\r\nmore\r\n"));
  writeTextFile(path, "new\r\n", FileAccess::OwnerOnly);
  EXPECT_EQ(readTextFile(path), "new\r\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Auctions.dat"});  // no leftovers
}

TEST(TextFile, FailuresAreNumberedErrors) {
  QTemporaryDir dir;
  try {
    readTextFile(dir.filePath("none.dat"));
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.number(), 53);
  }
  EXPECT_THROW(writeTextFile(dir.filePath("no/folder/x.dat"), "x", FileAccess::Shared), Error);
  EXPECT_THROW(appendTextFile(dir.filePath("no/folder/x.dat"), "x", FileAccess::Shared), Error);
}

// A disk that fills up half-way: the write fails and the old file stays.
TEST(TextFile, AShortWriteFailsAndKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("BidWarden.log");
  writeTextFile(path, "old\r\n", FileAccess::OwnerOnly);
  struct rlimit saved {};
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 1500;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  bool failed = false;
  try {
    writeTextFile(path, QString(3000, QLatin1Char('x')), FileAccess::OwnerOnly);
  } catch (const Error&) {
    failed = true;
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(failed);
  EXPECT_EQ(readAll(path), "old\r\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"BidWarden.log"});
}

}  // namespace
}  // namespace bw
