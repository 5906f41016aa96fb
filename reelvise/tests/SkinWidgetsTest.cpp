// The main window, its menu and the about box, driven without a display.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include "core/ProgramFolder.h"
#include "core/Shell.h"
#include "ui/AboutBox.h"
#include "ui/MainForm.h"
#include "ui/MyLabel.h"
#include "ui/OwnerMenu.h"
#include "ui/TransparentButton.h"

namespace {

QRegion wholePicture(const QImage& picture) {
  return QRegion(QRect(QPoint(0, 0), picture.size()));
}

class RecordingShell : public reelvise::IShell {
 public:
  bool openUrl(const QString& url) override {
    urls.append(url);
    return true;
  }
  bool openFile(const QString& path) override {
    files.append(path);
    return true;
  }
  QStringList urls;
  QStringList files;
};

class RecordingPeers : public IMainWindowPeers {
 public:
  void runConversion(QWidget*, int mode) override { modes.append(mode); }
  QString chooseInfoFile(QWidget*) override { return chosen; }
  void showFileInfo(QWidget*, const QString& path) override { infoPaths.append(path); }
  void showAbout(QWidget*) override { ++abouts; }
  QList<int> modes;
  QString chosen;
  QStringList infoPaths;
  int abouts = 0;
};

void writePicture(const QString& path, int width, int height, QColor colour) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(colour);
  ASSERT_TRUE(picture.save(path, "BMP"));
}

void click(QWidget* widget) {
  const QPointF centre = QRectF(widget->rect()).center();
  QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("REELVISE_HOME", dir_.path().toUtf8());
    for (int n = 0; n < 2; ++n) {
      const QString folder = dir_.filePath(QString("SKIN%1").arg(n));
      QDir().mkpath(folder);
      writePicture(folder + "/face.bmp", 200 + n * 100, 100, Qt::darkBlue);
      QByteArray controls = "[Controls]\r\n";
      for (int b = 1; b <= 11; ++b) {
        controls += QByteArray::number(b) + "=" + QByteArray::number(b * 10 + n) + ",5\r\n";
        writePicture(folder + QString("/ctrl%1.bmp").arg(b == 11 ? 12 : b), 64, 16, Qt::yellow);
      }
      QFile ini(folder + "/skin.ini");
      ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
      ini.write(controls);
    }
    QDir().mkpath(dir_.filePath("help"));
    QFile help(dir_.filePath("help/index.html"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    window_ = std::make_unique<TForm1>(shell_, peers_, NEW_ZTINI(), wholePicture);
  }
  void TearDown() override {
    window_.reset();
    qunsetenv("REELVISE_HOME");
  }

  QTemporaryDir dir_;
  RecordingShell shell_;
  RecordingPeers peers_;
  std::unique_ptr<TForm1> window_;
};

TEST_F(MainWindowTest, ButtonsRunTheirCommands) {
  for (int number = 1; number <= 6; ++number) {
    click(window_->button(number));
  }
  EXPECT_EQ(peers_.modes, (QList<int>{0, 2, 1, 4, 101, 100}));

  click(window_->button(10));
  EXPECT_EQ(shell_.files, QStringList{dir_.path() + "/help/index.html"});
  click(window_->button(11));
  EXPECT_EQ(shell_.urls, QStringList{reelvise::kHomePageUrl});

  EXPECT_EQ(window_->button(7)->toolTip(), "Exit");
  EXPECT_EQ(window_->button(11)->toolTip(), "Homepage");
  EXPECT_TRUE(window_->button(1)->toolTip().isEmpty());

  window_->show();
  click(window_->button(7));
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, ChangeSkinButtonMovesAndResizesTheWindow) {
  EXPECT_EQ(window_->size(), QSize(200, 100));
  EXPECT_EQ(window_->button(3)->geometry(), QRect(30, 5, 16, 16));
  EXPECT_EQ(window_->button(3)->imageCount(), 4);
  click(window_->button(9));
  EXPECT_EQ(window_->switcher().currentNumber(), 1);
  EXPECT_EQ(window_->size(), QSize(300, 100));
  EXPECT_EQ(window_->button(3)->geometry(), QRect(31, 5, 16, 16));
  EXPECT_EQ(currentSkinFolder(), dir_.path() + "/SKIN1");
}

TEST_F(MainWindowTest, PopupMenuHasTheBannerColumnAndEveryCommand) {
  TPopupMenu* menu = window_->popupMenu();
  QStringList captions;
  for (int i = 0; i < menu->count(); ++i) {
    captions.append(menu->item(i)->caption);
  }
  EXPECT_EQ(captions, (QStringList{"", "Convert", "File Info...", "-", "HomePage", "-",
                                   "SelectSkin   ", "Help", "About", "-", "Exit"}));
  EXPECT_FALSE(menu->item(0)->enabled);
  EXPECT_TRUE(menu->item(1)->breakColumn);

  menu->popup(QPoint(10, 10));
  const QRect banner = menu->itemRect(0);
  EXPECT_EQ(banner.height(), menu->proposedEntryHeight() * 7 + 24);
  EXPECT_LT(banner.right(), menu->itemRect(1).left());
  // The second column is as tall as the banner.
  EXPECT_EQ(menu->itemRect(10).bottom(), banner.bottom());

  TPopupMenu* conversions = menu->item(1)->submenu;
  ASSERT_NE(conversions, nullptr);
  ASSERT_EQ(conversions->count(), 7);
  EXPECT_EQ(conversions->item(4)->caption, "AVI to SVCD");
  conversions->activateItem(4);
  EXPECT_EQ(peers_.modes, QList<int>{3});
  EXPECT_FALSE(menu->isVisible());

  peers_.chosen = "/tmp/movie.avi";
  menu->activateItem(2);
  EXPECT_EQ(peers_.infoPaths, QStringList{"/tmp/movie.avi"});
  peers_.chosen.clear();
  menu->activateItem(2);
  EXPECT_EQ(peers_.infoPaths.size(), 1);

  menu->activateItem(8);
  EXPECT_EQ(peers_.abouts, 1);
  menu->activateItem(0);  // the banner does nothing
  EXPECT_EQ(peers_.abouts, 1);
}

TEST_F(MainWindowTest, MouseOpensSubmenusAndClicksThroughTheChain) {
  TPopupMenu* menu = window_->popupMenu();
  menu->popup(QPoint(100, 100));
  // The topmost pop-up receives every mouse event, wherever the pointer is.
  auto send = [](TPopupMenu* receiver, QEvent::Type type, TPopupMenu* over, int index) {
    const QPoint global = over->mapToGlobal(over->itemRect(index).center());
    QMouseEvent event(type, receiver->mapFromGlobal(global), global, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(receiver, &event);
  };
  send(menu, QEvent::MouseMove, menu, 1);
  TPopupMenu* conversions = menu->openSubmenu();
  ASSERT_NE(conversions, nullptr);
  EXPECT_TRUE(conversions->isVisible());

  // Back over "File Info..." in the first menu: the submenu closes.
  send(conversions, QEvent::MouseMove, menu, 2);
  EXPECT_FALSE(conversions->isVisible());

  send(menu, QEvent::MouseMove, menu, 1);
  ASSERT_TRUE(conversions->isVisible());
  send(conversions, QEvent::MouseButtonRelease, conversions, 6);
  EXPECT_EQ(peers_.modes, QList<int>{100});
  EXPECT_FALSE(menu->isVisible());
  EXPECT_FALSE(conversions->isVisible());
}

TEST_F(MainWindowTest, SkinSubmenuHasThumbnailsAndSeparators) {
  TPopupMenu* skins = window_->skinSubmenu();
  ASSERT_EQ(skins->count(), 3);
  EXPECT_TRUE(skins->item(1)->isSeparator());
  EXPECT_EQ(skins->item(0)->onMeasure(19), QSize(142, 51));

  // The thumbnail is the skin's face stretched into the entry.
  QImage canvas(142, 51, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  skins->item(2)->onDraw(painter, canvas.rect(), false);
  painter.end();
  EXPECT_EQ(canvas.pixel(70, 25), QColor(Qt::darkBlue).rgb());

  skins->activateItem(2);
  EXPECT_EQ(window_->switcher().currentNumber(), 1);
  EXPECT_EQ(window_->size(), QSize(300, 100));
}

TEST_F(MainWindowTest, DraggingTheFaceMovesTheWindow) {
  window_->move(100, 100);
  QWidget* face = window_->faceImage();
  auto send = [face](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, face->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(face, &event);
  };
  send(QEvent::MouseMove, {50, 50}, Qt::NoButton);  // no drag before a press
  EXPECT_EQ(window_->pos(), QPoint(100, 100));
  send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
  send(QEvent::MouseMove, {30, 25}, Qt::LeftButton);
  EXPECT_EQ(window_->pos(), QPoint(120, 115));
  send(QEvent::MouseMove, {60, 60}, Qt::NoButton);  // moves without the button do nothing
  EXPECT_EQ(window_->pos(), QPoint(120, 115));
}

TEST(TransparentButtonTest, ShowsRestPressedAndHoverFrames) {
  reelvise::ImageList images;
  QImage strip(8, 2, QImage::Format_RGB32);
  for (int frame = 0; frame < 4; ++frame) {
    for (int y = 0; y < 2; ++y) {
      strip.setPixel(frame * 2, y, qRgb(frame * 60, 0, 0));
      strip.setPixel(frame * 2 + 1, y, qRgb(frame * 60, 0, 0));
    }
  }
  images.addStrip(strip);
  TTransparentButton button;
  EXPECT_EQ(button.shownFrame(), -1);
  button.setImages(images);
  button.resize(2, 2);
  EXPECT_EQ(button.shownFrame(), 0);
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&button, &enter);
  EXPECT_EQ(button.shownFrame(), 2);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&button, &press);
  EXPECT_EQ(button.shownFrame(), 1);
  // Released outside: no click.
  int clicks = 0;
  QObject::connect(&button, &TTransparentButton::clicked, [&] { ++clicks; });
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(9, 9), QPointF(9, 9), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&button, &release);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(button.shownFrame(), 2);
}

TEST(AboutBoxTest, BannerOpensTheHomePage) {
  RecordingShell shell;
  TAboutBox about(shell);
  EXPECT_EQ(about.windowTitle(), "About");
  EXPECT_EQ(about.size(), QSize(301, 267));
  EXPECT_EQ(about.productLabel()->text(), "Vidora Video Convert");
  click(about.banner());
  EXPECT_EQ(shell.urls, QStringList{reelvise::kHomePageUrl});
}

TEST(MyLabelTest, SecondColourLiesTwoPixelsRightAndDown) {
  TMyLabel label("I");
  QFont font = label.font();
  font.setPixelSize(40);
  font.setBold(true);
  label.setFont(font);
  label.setBkColor(Qt::red);
  label.setPreColor(Qt::blue);
  label.resize(60, 60);
  const QImage shot = label.grab().toImage();
  bool red = false;
  bool blue = false;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      red = red || shot.pixel(x, y) == qRgb(255, 0, 0);
      blue = blue || shot.pixel(x, y) == qRgb(0, 0, 255);
    }
  }
  EXPECT_TRUE(red);
  EXPECT_TRUE(blue);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (ctest's discovery, which runs without the test's
  // environment) needs no display.
  if (::testing::GTEST_FLAG(list_tests)) {
    return RUN_ALL_TESTS();
  }
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
