#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include "settings/LogIt.h"
#include "support/TestDoubles.h"

namespace bw {
namespace {

class LogItTest : public ::testing::Test {
 protected:
  void SetUp() override { env.clock.setLocal(2003, 12, 9, 18, 16, 5); }

  // A log of `lines` lines of 98 characters plus CR LF (100 bytes each),
  // then filler so that the file has exactly `size` bytes.
  void writeLog(qint64 size) {
    QByteArray content;
    int n = 0;
    while (content.size() + 100 <= size) {
      QByteArray line = QByteArray::number(n++).rightJustified(8, '0') + ' ';
      content += line.leftJustified(98, 'x') + "\r\n";
    }
    content += QByteArray(size - content.size(), 'y');
    QFile file(logFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }

  test::TestEnvironment env;
};

TEST_F(LogItTest, LineHasAFixedHeadOf52Characters) {
  LogIt("modMain.GetNewIniFile", "Retrieving new .ini file...");
  QFile file(logFilePath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(),
            "12-9-03 6:16:05 PM | (modMain.GetNewIniFile)        Retrieving new .ini file...\r\n");
}

TEST_F(LogItTest, LongSourceLosesItsEndAndTheMessageStillStartsAt53) {
  const QString source(60, 'S');
  LogIt(source, "  message");
  const QString line = env.logLines().value(0);
  EXPECT_EQ(line.left(52), ("12-9-03 6:16:05 PM | (" + source).left(52));
  EXPECT_FALSE(line.left(52).contains(')'));
  EXPECT_EQ(line.mid(52), "  message");
}

TEST_F(LogItTest, MorningTimesAndWindows1252Text) {
  env.clock.setLocal(2004, 1, 2, 9, 5, 7);
  LogIt("x", "Preis \u20ac 5");
  QFile file(logFilePath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("1-2-04 9:05:07 AM | (x)")) << bytes.constData();
  EXPECT_TRUE(bytes.endsWith("Preis \x80 5\r\n"));
}

TEST_F(LogItTest, LogIsReadableByItsOwnerOnly) {
  LogIt("x", "y");
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(logFilePath()).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(LogItTest, ExactlyTwoMillionBytesIsNotTrimmed) {
  writeLog(2000000);
  LogIt("x", "new");
  EXPECT_EQ(QFileInfo(logFilePath()).size(), 2000000 + 52 + 3 + 2);
}

TEST_F(LogItTest, OneByteMoreIsTrimmedToWholeLinesBeforeTheNewLine) {
  writeLog(2000001);
  const QStringList before = env.logLines();
  LogIt("x", "new");
  const QStringList after = env.logLines();
  EXPECT_FALSE(QFileInfo::exists(logBackupPath()));
  // Dropped lines' characters (98 each) first reach 250001: 2552 lines.
  ASSERT_GT(after.size(), 1);
  EXPECT_EQ(after.front(), before.at(2552));
  EXPECT_EQ(after.mid(0, after.size() - 1), before.mid(2552));
  EXPECT_EQ(after.back().mid(52), "new");
  EXPECT_LT(QFileInfo(logFilePath()).size(), 1750200);
}

TEST_F(LogItTest, LeftoverBackupIsReplacedByTheNextTrim) {
  QFile stale(logBackupPath());
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write("stale");
  stale.close();
  writeLog(2000001);
  LogIt("x", "new");
  EXPECT_FALSE(QFileInfo::exists(logBackupPath()));
  EXPECT_FALSE(env.logLines().join("").contains("stale"));
}

TEST_F(LogItTest, OnlyTheFirstTwoFailuresShowAMessageBox) {
  ASSERT_TRUE(QDir().mkpath(logFilePath()));  // a folder where the log should be
  LogIt("a", "1");
  LogIt("b", "2");
  LogIt("c", "3");
  ASSERT_EQ(env.messageBox.shown.size(), 2u);
  EXPECT_EQ(env.messageBox.shown[0].text, "modMain.LogItPath/File access error");
  EXPECT_EQ(env.messageBox.shown[0].icon, IMessageBox::Icon::Critical);
  EXPECT_EQ(env.messageBox.shown[0].title, "BidWarden");
}

}  // namespace
}  // namespace bw
