#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/Cp1252.h"
#include "core/ProfileFile.h"

namespace {

using reelvise::ProfileFile;

class ProfileFileTest : public ::testing::Test {
 protected:
  QString path() const { return dir_.filePath("test.ini"); }
  void write(const QByteArray& bytes) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray contents() const {
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  QTemporaryDir dir_;
};

TEST_F(ProfileFileTest, ReadsWithTheProfileRules) {
  write("; comment\r\n[Other]\r\nIndex=9\r\n[ ini ]\r\n  Index =  4 \r\nindex=5\r\n"
        "quoted=\"a b\"\r\n[INI]\r\nlater=1\n");
  const ProfileFile ini(path());
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"INI", "Index", "4"},       // case ignored, blanks trimmed, first key wins
      {"ini", "INDEX", "4"},
      {"INI", "quoted", "a b"},    // surrounding quotes dropped
      {"INI", "later", "dflt"},    // only the first section of a name counts
      {"Other", "Index", "9"},
      {"Missing", "Index", "dflt"},
      {"INI", "nokey", "dflt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ini.readString(c.section, c.key, "dflt", 9), c.expected) << c.section << c.key;
  }
  EXPECT_EQ(ProfileFile(dir_.filePath("none.ini")).readString("INI", "Index", "0", 9), "0");
  EXPECT_EQ(ini.readString("INI", "quoted", "", 2), "a ");
}

TEST_F(ProfileFileTest, WritesInPlaceAndKeepsEverythingElse) {
  write("; kept\r\n[INI]\r\nIndex=1\r\nIndex=7\r\n\r\n[Next]\r\nk=v\r\n");
  const ProfileFile ini(path());
  ASSERT_TRUE(ini.writeString("ini", "INDEX", "2"));
  EXPECT_EQ(contents(), "; kept\r\n[INI]\r\nINDEX=2\r\nIndex=7\r\n\r\n[Next]\r\nk=v\r\n");
  ASSERT_TRUE(ini.writeString("INI", "Added", "x"));
  EXPECT_EQ(contents(),
            "; kept\r\n[INI]\r\nINDEX=2\r\nIndex=7\r\nAdded=x\r\n\r\n[Next]\r\nk=v\r\n");
  ASSERT_TRUE(ini.writeString("Fresh", "a", "b"));
  EXPECT_EQ(contents(), "; kept\r\n[INI]\r\nINDEX=2\r\nIndex=7\r\nAdded=x\r\n\r\n[Next]\r\n"
                        "k=v\r\n\r\n[Fresh]\r\na=b\r\n");
}

TEST_F(ProfileFileTest, WritesWindows1252) {
  const ProfileFile ini(path());
  ASSERT_TRUE(ini.writeString("INI", "name", QString::fromUtf8("\u20ac caf\u00e9 \u4e2d")));
  EXPECT_EQ(contents(), QByteArray("[INI]\r\nname=\x80 caf\xe9 ?\r\n"));
  EXPECT_EQ(ini.readString("INI", "name", "", 100), QString::fromUtf8("\u20ac caf\u00e9 ?"));
}

TEST_F(ProfileFileTest, WriteFailsWhenTheFolderIsMissing) {
  EXPECT_FALSE(ProfileFile(dir_.filePath("no/such/folder.ini")).writeString("INI", "k", "v"));
}

TEST_F(ProfileFileTest, SectionReadSkipsCommentsAndStopsAtTheBuffer) {
  write("[Controls]\r\n1=10,20\r\n\r\n; note\r\n2=30,40\r\n3=50,60\r\n[Other]\r\n4=0,0\r\n");
  const ProfileFile ini(path());
  EXPECT_EQ(ini.readSection("controls", 10000), QStringList({"1=10,20", "2=30,40", "3=50,60"}));
  // 8 + 8 + the final terminator fit in 17; the third line does not.
  EXPECT_EQ(ini.readSection("Controls", 17), QStringList({"1=10,20", "2=30,40"}));
  EXPECT_TRUE(ini.readSection("Missing", 10000).isEmpty());
}

}  // namespace
