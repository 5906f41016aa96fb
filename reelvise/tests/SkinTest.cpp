#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "core/ProgramFolder.h"
#include "core/SkinLook.h"
#include "core/SkinSwitcher.h"
#include "core/ztini.h"

namespace {

using reelvise::SkinControlLine;
using reelvise::SkinLook;
using reelvise::SkinMenuEntry;
using reelvise::SkinSwitcher;

QRegion wholePicture(const QImage& picture) {
  return QRegion(QRect(QPoint(0, 0), picture.size()));
}

void writePicture(const QString& path, int width, int height, QColor colour) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(colour);
  ASSERT_TRUE(picture.save(path, "BMP")) << path.toStdString();
}

void writeText(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

TEST(SkinControlLineTest, ParsesNumberAndPosition) {
  struct Case {
    const char* line;
    std::optional<SkinControlLine> expected;
  };
  const Case cases[] = {
      {"1=10,20", SkinControlLine{1, 10, 20}},
      {"11= 5 ,7", SkinControlLine{11, 5, 7}},
      {"5=1,2,3", SkinControlLine{5, 1, 2}},
      {"4=x,y", SkinControlLine{4, 0, 0}},
      {"2=-3,+4", SkinControlLine{2, -3, 4}},
      {"3=10", std::nullopt},
      {"3,10=4", std::nullopt},  // the "," must come after the "="
      {"no line", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(reelvise::parseControlLine(c.line), c.expected) << c.line;
  }
  // Each part is read from at most 79 characters.
  EXPECT_EQ(reelvise::leadingDecimal(QString(79, ' ') + "5"), 0);
  EXPECT_EQ(reelvise::leadingDecimal(QString(78, ' ') + "5"), 5);
}

TEST(SkinControlLineTest, ButtonElevenUsesPictureTwelve) {
  EXPECT_EQ(reelvise::controlPicturePath("/s", 11), "/s//ctrl12.bmp");
  EXPECT_EQ(reelvise::controlPicturePath("/s", 10), "/s//ctrl10.bmp");
}

class SkinLookTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString makeSkin(const QString& name, const QByteArray& controls) {
    const QString folder = dir_.filePath(name);
    QDir().mkpath(folder);
    writePicture(folder + "/face.bmp", 100, 50, Qt::darkBlue);
    writeText(folder + "/skin.ini", "[Controls]\r\n" + controls);
    return folder;
  }
  QTemporaryDir dir_;
};

TEST_F(SkinLookTest, StripOfFourGivesQuarterWidthImagesWithMagentaCleared) {
  const QString folder = makeSkin("SKIN0", "3=12,34\r\n");
  QImage strip(160, 20, QImage::Format_RGB32);
  strip.fill(Qt::green);
  strip.setPixel(45, 5, qRgb(255, 0, 255));  // second frame, (5, 5)
  ASSERT_TRUE(strip.save(folder + "/ctrl3.bmp", "BMP"));

  SkinLook look(wholePicture);
  ASSERT_TRUE(look.load(folder));
  const reelvise::SkinButton& button = look.button(3);
  EXPECT_EQ(button.position, QPoint(12, 34));
  EXPECT_EQ(button.size, QSize(40, 20));
  ASSERT_EQ(button.images.count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(button.images.image(i).size(), QSize(40, 20));
  }
  EXPECT_EQ(qAlpha(button.images.image(1).pixel(5, 5)), 0);
  EXPECT_EQ(qAlpha(button.images.image(0).pixel(5, 5)), 255);
  EXPECT_EQ(look.face().size(), QSize(100, 50));
  EXPECT_EQ(look.shape(), QRegion(0, 0, 100, 50));
}

TEST_F(SkinLookTest, ButtonElevenLoadsPictureTwelveOnly) {
  const QString folder = makeSkin("SKIN0", "11=1,2\r\n");
  writePicture(folder + "/ctrl11.bmp", 400, 10, Qt::red);
  writePicture(folder + "/ctrl12.bmp", 48, 12, Qt::blue);
  SkinLook look(wholePicture);
  ASSERT_TRUE(look.load(folder));
  EXPECT_EQ(look.button(11).size, QSize(12, 12));
}

TEST_F(SkinLookTest, ButtonWithoutLineKeepsItsPlaceButLosesItsImages) {
  const QString first = makeSkin("SKIN0", "1=10,10\r\n2=20,20\r\n");
  writePicture(first + "/ctrl1.bmp", 40, 10, Qt::red);
  writePicture(first + "/ctrl2.bmp", 40, 10, Qt::red);
  const QString second = makeSkin("SKIN1", "1=30,30\r\n");
  writePicture(second + "/ctrl1.bmp", 80, 10, Qt::red);

  SkinLook look(wholePicture);
  ASSERT_TRUE(look.load(first));
  ASSERT_TRUE(look.load(second));
  EXPECT_EQ(look.button(1).position, QPoint(30, 30));
  EXPECT_EQ(look.button(2).position, QPoint(20, 20));
  EXPECT_EQ(look.button(2).images.count(), 0);
}

TEST_F(SkinLookTest, BadLinesAndMissingPicturesAreSkipped) {
  const QString folder = makeSkin("SKIN0",
                                  "0=1,1\r\n12=1,1\r\nnonsense\r\n4=5\r\n5=7,8\r\n6=9,9\r\n");
  writePicture(folder + "/ctrl6.bmp", 40, 10, Qt::red);
  writeText(folder + "/ctrl5.bmp", "not a picture");
  SkinLook look(wholePicture);
  ASSERT_TRUE(look.load(folder));
  EXPECT_EQ(look.button(5).images.count(), 0);
  EXPECT_EQ(look.button(5).position, QPoint());
  EXPECT_EQ(look.button(6).position, QPoint(9, 9));
  EXPECT_EQ(look.button(4).images.count(), 0);
}

TEST_F(SkinLookTest, FolderWithoutUsableFaceKeepsTheLook) {
  const QString good = makeSkin("SKIN0", "1=10,10\r\n");
  writePicture(good + "/ctrl1.bmp", 40, 10, Qt::red);
  const QString broken = dir_.filePath("SKIN1");
  QDir().mkpath(broken);
  writeText(broken + "/face.bmp", "garbage");

  SkinLook look(wholePicture);
  ASSERT_TRUE(look.load(good));
  EXPECT_FALSE(look.load(dir_.filePath("SKIN9")));
  EXPECT_FALSE(look.load(broken));
  EXPECT_EQ(look.face().size(), QSize(100, 50));
  EXPECT_EQ(look.button(1).images.count(), 4);
}

// Skin folders SKIN0, SKIN1 and SKIN3 beside a program; config.ini through
// a real CZTIni.
class SkinSwitcherTest : public SkinLookTest {
 protected:
  void SetUp() override {
    SkinLookTest::SetUp();
    qputenv("REELVISE_HOME", dir_.path().toUtf8());
    for (const char* name : {"SKIN0", "SKIN1", "SKIN3"}) {
      const QString folder = makeSkin(name, "1=1,1\r\n");
      writePicture(folder + "/ctrl1.bmp", 40, 10, Qt::red);
    }
    // SKIN1's face is wider, to tell the skins apart.
    writePicture(dir_.filePath("SKIN1/face.bmp"), 120, 50, Qt::darkRed);
    ini_ = NEW_ZTINI();
    ASSERT_NE(ini_, nullptr);
  }
  void TearDown() override {
    ini_->table->Release(ini_);
    qunsetenv("REELVISE_HOME");
  }
  QByteArray config() {
    QFile file(dir_.filePath("config.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  I_ZTINI* ini_ = nullptr;
};

TEST_F(SkinSwitcherTest, SubmenuStopsAtTheFirstGapAndNextSkinWraps) {
  SkinSwitcher skins(dir_.path(), ini_, wholePicture);
  skins.create();
  EXPECT_EQ(skins.currentNumber(), 0);
  EXPECT_EQ(skins.submenu(), (QList<SkinMenuEntry>{{false, 0}, {true, 0}, {false, 1}}));
  EXPECT_EQ(config(), "<missing>");

  skins.nextSkin();
  EXPECT_EQ(skins.currentNumber(), 1);
  EXPECT_EQ(skins.look().face().width(), 120);
  EXPECT_EQ(config(), "[INI]\r\nIndex=1\r\n");
  EXPECT_EQ(currentSkinFolder(), dir_.path() + "/SKIN1");

  skins.nextSkin();
  EXPECT_EQ(skins.currentNumber(), 0);
  EXPECT_EQ(skins.look().face().width(), 100);
  EXPECT_EQ(config(), "[INI]\r\nIndex=0\r\n");
}

TEST_F(SkinSwitcherTest, IndexChoosesTheStartingSkin) {
  struct Case {
    const char* config;
    int number;
    int faceWidth;
  };
  const Case cases[] = {
      {"[INI]\r\nIndex=1\r\n", 1, 120},
      {"[INI]\r\nIndex=abc\r\n", 0, 100},
      {"[INI]\r\nIndex=3\r\n", 3, 100},
      {"[INI]\r\nIndex=12345678901\r\n", 123456789, 0},  // cut to 9 characters
      {"", 0, 100},
  };
  for (const Case& c : cases) {
    writeText(dir_.filePath("config.ini"), c.config);
    SkinSwitcher skins(dir_.path(), ini_, wholePicture);
    skins.create();
    EXPECT_EQ(skins.currentNumber(), c.number) << c.config;
    EXPECT_EQ(skins.look().face().width(), c.faceWidth) << c.config;
    // Reading never rewrites the file.
    EXPECT_EQ(config(), QByteArray(c.config)) << c.config;
  }
}

TEST_F(SkinSwitcherTest, NextSkinAfterAMissingNumberStartsOver) {
  writeText(dir_.filePath("config.ini"), "[INI]\r\nIndex=3\r\n");
  SkinSwitcher skins(dir_.path(), ini_, wholePicture);
  skins.create();
  skins.nextSkin();  // SKIN4 is missing
  EXPECT_EQ(skins.currentNumber(), 0);
  EXPECT_EQ(config(), "[INI]\r\nIndex=0\r\n");
}

TEST_F(SkinSwitcherTest, SubmenuClickSelectsPositionHalved) {
  SkinSwitcher skins(dir_.path(), ini_, wholePicture);
  skins.create();
  skins.selectSubmenuEntry(2);
  EXPECT_EQ(skins.currentNumber(), 1);
  EXPECT_EQ(config(), "[INI]\r\nIndex=1\r\n");
  skins.selectSubmenuEntry(4);  // skin 2 does not exist: nothing happens
  EXPECT_EQ(skins.currentNumber(), 1);
  EXPECT_EQ(config(), "[INI]\r\nIndex=1\r\n");
  skins.selectSubmenuEntry(1);  // a separator's position halves to skin 0
  EXPECT_EQ(skins.currentNumber(), 0);
}

TEST_F(SkinSwitcherTest, SkinWithoutFaceChangesNumberButKeepsTheLook) {
  QFile::remove(dir_.filePath("SKIN1/face.bmp"));
  SkinSwitcher skins(dir_.path(), ini_, wholePicture);
  skins.create();
  skins.nextSkin();
  EXPECT_EQ(skins.currentNumber(), 1);
  EXPECT_EQ(config(), "[INI]\r\nIndex=1\r\n");
  EXPECT_EQ(skins.look().face().width(), 100);
}

}  // namespace
