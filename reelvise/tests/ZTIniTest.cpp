// CZTIni as a foreign caller sees it: through the exported factories and
// the positions of its table of operations.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <unistd.h>

#include "core/ztini.h"

namespace {

// Positions of the table, as a caller in another language counts them.
using ReleaseFn = void (*)(I_ZTINI*);
using InitFn = ZTBOOL (*)(I_ZTINI*);
using SelfTestFn = ZTBOOL (*)(I_ZTINI*);
using SetFileFn = ZTBOOL (*)(I_ZTINI*, const char*);
using GetStringFn = ZTBOOL (*)(I_ZTINI*, const char*, const char*, char*, int32_t);
using SetStringFn = ZTBOOL (*)(I_ZTINI*, const char*, const char*);
using GetIntFn = int32_t (*)(I_ZTINI*, const char*, int32_t);
using SetIntFn = ZTBOOL (*)(I_ZTINI*, const char*, int32_t);

template <typename Fn>
Fn at(I_ZTINI* object, int position) {
  void* const* table = *reinterpret_cast<void* const* const*>(object);
  return reinterpret_cast<Fn>(table[position]);
}

class ZTIniTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    qputenv("REELVISE_HOME", home_.path().toUtf8());
    ini_ = NEW_ZTINI();
    ASSERT_NE(ini_, nullptr);
    ASSERT_TRUE(at<SetFileFn>(ini_, 4)(ini_, "config.ini"));
  }
  void TearDown() override {
    if (ini_ != nullptr) at<ReleaseFn>(ini_, 1)(ini_);
    qunsetenv("REELVISE_HOME");
  }
  void writeConfig(const QByteArray& text) {
    QFile file(home_.filePath("config.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QByteArray readConfig() {
    QFile file(home_.filePath("config.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  std::string getString(const char* key, const char* fallback, int32_t size) {
    std::string buffer(static_cast<std::size_t>(size), '\x7f');
    EXPECT_TRUE(at<GetStringFn>(ini_, 5)(ini_, key, fallback, buffer.data(), size));
    return std::string(buffer.c_str());
  }

  QTemporaryDir home_;
  I_ZTINI* ini_ = nullptr;
};

TEST_F(ZTIniTest, GetIntReadsOnlyHexadecimalWithPrefix) {
  struct Case {
    const char* file;
    int32_t fallback;
    int32_t expected;
  };
  const Case cases[] = {
      {"[INI]\r\nname=0x1f\r\n", 8, 31},
      {"[INI]\r\nname=31\r\n", 8, 0},
      {"[INI]\r\nname=0X1F\r\n", 8, 0},
      {"[INI]\r\nname=0x\r\n", 8, 0},
      {"[INI]\r\nname=0xffffffff\r\n", 8, -1},
      {"[INI]\r\nname=0x5bcbzz\r\n", 8, 23499},
      {"[INI]\r\nother=0x1\r\n", 8, 8},
      {"", -5, -5},
      {"[Other]\r\nname=0x1f\r\n", 8, 8},
  };
  for (const Case& c : cases) {
    writeConfig(c.file);
    EXPECT_EQ(at<GetIntFn>(ini_, 7)(ini_, "name", c.fallback), c.expected) << c.file;
  }
}

TEST_F(ZTIniTest, SetIntWritesHexadecimalText) {
  ASSERT_TRUE(at<SetIntFn>(ini_, 8)(ini_, "name", 23499));
  EXPECT_EQ(readConfig(), QByteArray("[INI]\r\nname=0x5bcb\r\n"));
  ASSERT_TRUE(at<SetIntFn>(ini_, 8)(ini_, "NAME", -1));
  EXPECT_EQ(at<GetIntFn>(ini_, 7)(ini_, "name", 8), -1);
  EXPECT_EQ(readConfig(), QByteArray("[INI]\r\nNAME=0xffffffff\r\n"));
}

TEST_F(ZTIniTest, GetStringCutsToTheBufferWithoutSplittingCharacters) {
  writeConfig("[INI]\r\nIndex=123456789012\r\nword=\xe9t\xe9\r\n");
  EXPECT_EQ(getString("Index", "0", 10), "123456789");
  EXPECT_EQ(getString("missing", "0", 10), "0");
  EXPECT_EQ(getString("missing", "abcdef", 4), "abc");
  // "été" from the Windows-1252 file is five UTF-8 bytes; four must not cut
  // the second "é" in half.
  EXPECT_EQ(getString("word", "", 6), "\xc3\xa9t\xc3\xa9");
  EXPECT_EQ(getString("word", "", 5), "\xc3\xa9t");
  char buffer[4];
  EXPECT_FALSE(at<GetStringFn>(ini_, 5)(ini_, "Index", "0", buffer, 0));
}

TEST_F(ZTIniTest, SetStringKeepsTheFileInTheProgramFolderWhateverTheCurrentFolder) {
  QTemporaryDir elsewhere;
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
  EXPECT_TRUE(at<SetStringFn>(ini_, 6)(ini_, "Index", "2"));
  QDir::setCurrent(before);
  EXPECT_FALSE(QFile::exists(elsewhere.filePath("config.ini")));
  EXPECT_EQ(readConfig(), QByteArray("[INI]\r\nIndex=2\r\n"));
  EXPECT_EQ(getString("index", "0", 10), "2");
}

TEST_F(ZTIniTest, WithoutAFileNothingIsWritten) {
  I_ZTINI* fresh = NEW_ZTINI();
  ASSERT_NE(fresh, nullptr);
  EXPECT_FALSE(at<SetStringFn>(fresh, 6)(fresh, "Index", "1"));
  at<ReleaseFn>(fresh, 1)(fresh);
}

TEST_F(ZTIniTest, SetFileRefusesAPathTooLongForItsBuffer) {
  const std::string longName(300, 'a');
  EXPECT_FALSE(at<SetFileFn>(ini_, 4)(ini_, longName.c_str()));
  EXPECT_FALSE(at<SetFileFn>(ini_, 4)(ini_, nullptr));
  // The earlier file stays in use.
  EXPECT_TRUE(at<SetStringFn>(ini_, 6)(ini_, "Index", "3"));
  EXPECT_EQ(readConfig(), QByteArray("[INI]\r\nIndex=3\r\n"));
}

TEST_F(ZTIniTest, FactoriesGiveNewAndSharedObjects) {
  I_ZTINI* second = NEW_ZTINI();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, ini_);
  at<ReleaseFn>(second, 1)(second);

  I_ZTINI* shared = NEW_00_ZTINI();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(NEW_00_ZTINI(), shared);
  EXPECT_NE(shared, ini_);
  EXPECT_TRUE(at<InitFn>(shared, 2)(shared));
}

TEST_F(ZTIniTest, SelfTestPrintsTheValueBeforeAndAfterWriting) {
  ::testing::internal::CaptureStdout();
  EXPECT_TRUE(at<SelfTestFn>(ini_, 3)(ini_));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "I get 8\nI get 23499\n");
  QFile file(home_.filePath("IniFile.ini"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("[INI]\r\nname=0x5bcb\r\n"));
}

}  // namespace
