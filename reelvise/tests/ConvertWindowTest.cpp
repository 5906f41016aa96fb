// The conversion windows on the offscreen platform, with the engine double
// and with the real engine.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "EngineDouble.h"
#include "core/EngineBinding.h"
#include "core/ProgramFolder.h"
#include "ui/FrmConvert.h"
#include "ui/FrmPreview.h"
#include "ui/InfoDlg.h"
#include "ui/StartupBinding.h"

namespace {

void spinUntil(const std::function<bool()>& done, int milliseconds = 20000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < milliseconds)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Runs act on the next modal window that opens (other than except).
void onNextModal(std::function<void(QWidget*)> act, QWidget* except = nullptr) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, act, except] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == except) return;
    poll->stop();
    poll->deleteLater();
    act(modal);
  });
  poll->start(20);
}

struct SeenBox {
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  bool seen = false;
};

void answerBox(SeenBox* seen, QWidget* except = nullptr) {
  onNextModal([seen](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    if (box == nullptr) return;
    seen->seen = true;
    seen->text = box->text();
    seen->title = box->windowTitle();
    seen->icon = box->icon();
    seen->buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  }, except);
}

bool makeSample(const QString& path, int seconds, const char* size) {
  const QString command =
      QStringLiteral("ffmpeg -nostdin -y -v error -f lavfi -i testsrc2=size=%1:rate=25:duration=%2 "
                     "-f lavfi -i sine=duration=%2 -c:v mpeg4 -q:v 5 -c:a libmp3lame '%3'")
          .arg(size)
          .arg(seconds)
          .arg(path);
  return std::system(command.toLocal8Bit().constData()) == 0;
}

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_double::reset();
    SetEngineFactories(&engine_double::factory, &engine_double::factory);
    setCurrentSkinFolder(skin.path());
    preview = new TfrmPreview();
    dialog = new TfrmConvert(preview);
  }
  void TearDown() override {
    delete dialog;
    delete preview;
    SetEngineFactories(nullptr, nullptr);
  }
  template <typename T>
  T* control(const char* name) {
    T* found = dialog->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void showAndReveal() {
    dialog->show();
    spinUntil([&] { return control<QCheckBox>("CheckBox1")->isChecked(); }, 5000);
  }

  QTemporaryDir skin;
  TfrmPreview* preview = nullptr;
  TfrmConvert* dialog = nullptr;
};

TEST_F(Windows, ControlsSitWhereTheFormPutsThem) {
  EXPECT_EQ(dialog->size(), QSize(320, 120));
  EXPECT_EQ(dialog->windowTitle(), "Vidora Convert");
  const std::pair<const char*, QRect> placed[] = {
      {"CheckBox1", {129, 6, 14, 18}},       {"TransparentButton1", {298, 6, 13, 15}},
      {"Edit_InputFile", {62, 30, 162, 22}}, {"btnOpen", {224, 28, 16, 22}},
      {"btnInfo", {266, 26, 24, 24}},        {"Edit_OutputFile", {62, 55, 162, 22}},
      {"btnSave", {224, 54, 16, 22}},        {"btnConvert", {247, 51, 64, 25}},
      {"ProgressBar1", {5, 82, 239, 24}},
  };
  for (const auto& [name, at] : placed) EXPECT_EQ(control<QWidget>(name)->geometry(), at) << name;
  // Labels start where the form puts them; they are a little wider for this font.
  const std::pair<const char*, QPoint> labels[] = {{"Label_Title", {5, 6}}, {"Label3", {146, 8}},
                                                   {"Label1", {7, 31}},     {"Label2", {7, 57}},
                                                   {"Label_Percent", {261, 88}}};
  for (const auto& [name, at] : labels) EXPECT_EQ(control<QLabel>(name)->pos(), at) << name;
  EXPECT_TRUE(dialog->shapeRegion().contains(QPoint(160, 60)));
  EXPECT_FALSE(dialog->shapeRegion().contains(QPoint(0, 0)));  // rounded corner
}

TEST_F(Windows, PreparedModeSetsTitleAndTheOutputNameFollowsTheInput) {
  QTemporaryDir dir;
  const QString input = dir.filePath("clip.avi");
  QFile(input).open(QIODevice::WriteOnly);
  for (auto [mode, suffix] : {std::pair{0, ".mpg"}, {101, ".avi"}}) {
    ASSERT_TRUE(dialog->prepareMode(mode));
    auto* in = control<QLineEdit>("Edit_InputFile");
    auto* out = control<QLineEdit>("Edit_OutputFile");
    out->setText("kept");
    in->clear();
    for (QChar c : input.chopped(1)) in->setText(in->text() + c);  // not a file yet
    EXPECT_EQ(out->text(), "kept");
    in->setText(input);
    EXPECT_EQ(out->text(), input + suffix);
  }
  EXPECT_EQ(control<QLabel>("Label_Title")->text(), "ALL to DivX");
  EXPECT_FALSE(dialog->prepareMode(7));
}

TEST_F(Windows, OpeningRevealsTheDialogAndTicksThePreviewWhichUnticksWhenClosed) {
  QImage welcome(32, 24, QImage::Format_RGB32);
  welcome.fill(Qt::green);
  ASSERT_TRUE(welcome.save(skin.path() + "//welcome.bmp", "BMP"));
  showAndReveal();
  auto* tick = control<QCheckBox>("CheckBox1");
  EXPECT_TRUE(tick->isChecked());
  EXPECT_TRUE(preview->isVisible());
  EXPECT_EQ(dialog->mask(), dialog->shapeRegion());
  EXPECT_EQ(control<QLabel>("Label_Percent")->text(), "0/100");
  preview->close();
  EXPECT_FALSE(tick->isChecked());
  tick->setChecked(true);
  EXPECT_TRUE(preview->isVisible());
  const QLabel* picture = preview->findChild<QLabel*>("Image1");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->pixmap().size(), QSize(32, 24));
}

TEST_F(Windows, CloseButtonReleasesTheEngineAndBringsTheMainWindowBack) {
  QWidget mainWindow;
  mainWindow.setGeometry(200, 200, 400, 300);
  mainWindow.show();
  dialog->prepareMode(1);
  dialog->centreOn(&mainWindow);
  SeenBox question;
  onNextModal([&](QWidget*) {
    spinUntil([&] { return control<QCheckBox>("CheckBox1")->isChecked(); }, 5000);
    EXPECT_FALSE(mainWindow.isVisible());
    control<QLineEdit>("Edit_InputFile")->setText("in.avi");
    control<QAbstractButton>("btnConvert")->click();
    answerBox(&question, dialog);
    control<QAbstractButton>("TransparentButton1")->click();
  });
  dialog->showModal(&mainWindow);
  EXPECT_EQ(question.text, "Stop the converting?");
  EXPECT_EQ(question.title, "Sure");
  EXPECT_EQ(question.buttons, 2);
  EXPECT_TRUE(mainWindow.isVisible());
  EXPECT_FALSE(preview->isVisible());
  EXPECT_EQ(engine_double::calls().back(), "Release#1");
}

TEST_F(Windows, FileInformationShowsTheNineLinesOrWarnsTheMainWindow) {
  QTemporaryDir dir;
  const QString path = dir.filePath("clip.avi");
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write("12345");
  file.close();
  QStringList shown;
  onNextModal([&](QWidget* w) {
    if (auto* info = qobject_cast<TInfoDlg*>(w)) {
      shown = info->lines();
      if (qEnvironmentVariableIsSet("REELVISE_SHOTS"))
        info->grab().save(qEnvironmentVariable("REELVISE_SHOTS") + "/info.png");
      info->accept();
    }
  });
  ShowFileInfo(path);
  ASSERT_GE(shown.size(), 9);
  EXPECT_EQ(shown[0], "Notice:");
  EXPECT_EQ(shown[4], "File Name: clip.avi");
  EXPECT_EQ(shown[6], "File Size: 5");
  EXPECT_EQ(shown[8], "Container: test");

  engine_double::script().open = false;
  SeenBox box;
  answerBox(&box);
  ShowFileInfo(path, nullptr, FileInfoRequest::MainWindow);
  EXPECT_TRUE(box.seen);
  EXPECT_EQ(box.text, "Can not get information of the file!");
  EXPECT_EQ(box.title, "Warning");
  EXPECT_EQ(box.icon, QMessageBox::Warning);

  SeenBox silent;
  answerBox(&silent);
  ShowFileInfo(path, dialog, FileInfoRequest::ConvertDialog);
  spinUntil([] { return false; }, 200);
  EXPECT_FALSE(silent.seen);
  EXPECT_EQ(engine_double::created(), 3);  // an object per request
}

TEST(Startup, WithoutTheLibraryExplainsAndRefuses) {
  QTemporaryDir empty;
  qputenv("REELVISE_HOME", empty.path().toLocal8Bit());
  SeenBox box;
  answerBox(&box);
  EXPECT_FALSE(BindEngineOrExplain());
  qunsetenv("REELVISE_HOME");
  EXPECT_TRUE(box.seen);
  EXPECT_EQ(box.text, "Can not find DLL");
  EXPECT_EQ(box.title, "error");
  EXPECT_EQ(box.icon, QMessageBox::NoIcon);
  EXPECT_EQ(box.buttons, 1);
}

// The dialog driving the real engine: convert to the end, and stop.
class RealEngine : public Windows {
 protected:
  void SetUp() override {
    Windows::SetUp();
    ASSERT_TRUE(BindEngineFrom({ENGINE_LIBRARY}));
  }
  QTemporaryDir work;
};

TEST_F(RealEngine, ConvertsWithProgressAndPreview) {
  const QString input = work.filePath("clip.avi");
  ASSERT_TRUE(makeSample(input, 2, "320x240"));
  dialog->prepareMode(101);
  showAndReveal();
  control<QLineEdit>("Edit_InputFile")->setText(input);
  ASSERT_EQ(control<QLineEdit>("Edit_OutputFile")->text(), input + ".avi");
  control<QAbstractButton>("btnConvert")->click();
  EXPECT_EQ(dialog->logic().state(), ConvertDialogLogic::Converting);
  EXPECT_FALSE(control<QWidget>("btnInfo")->isEnabled());
  spinUntil([&] { return dialog->logic().state() == ConvertDialogLogic::Idle; }, 60000);
  EXPECT_EQ(control<QLabel>("Label_Percent")->text(), "100%");
  EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 100);
  EXPECT_TRUE(QFile::exists(input + ".avi"));
  spinUntil([&] { return !preview->lastFrame().isNull(); }, 2000);
  EXPECT_EQ(preview->lastFrame().size(), QSize(320, 240));
  EXPECT_TRUE(preview->pictureVisible());
  if (qEnvironmentVariableIsSet("REELVISE_SHOTS")) {
    const QString dir = qEnvironmentVariable("REELVISE_SHOTS");
    dialog->grab().save(dir + "/dialog-done.png");
  }
}

TEST_F(RealEngine, CancelStopsQuietlyAndRemovesTheOutput) {
  const QString input = work.filePath("long.avi");
  ASSERT_TRUE(makeSample(input, 4, "640x480"));
  dialog->prepareMode(4);
  showAndReveal();
  control<QLineEdit>("Edit_InputFile")->setText(input);
  const QString output = control<QLineEdit>("Edit_OutputFile")->text();
  auto* convert = control<QAbstractButton>("btnConvert");
  convert->click();
  ASSERT_EQ(dialog->logic().state(), ConvertDialogLogic::Converting);
  spinUntil([&] { return control<QProgressBar>("ProgressBar1")->value() > 0; }, 30000);
  if (qEnvironmentVariableIsSet("REELVISE_SHOTS")) {
    const QString dir = qEnvironmentVariable("REELVISE_SHOTS");
    dialog->grab().save(dir + "/dialog-running.png");
    preview->grab().save(dir + "/preview-running.png");
  }
  const int shownBefore = control<QProgressBar>("ProgressBar1")->value();
  convert->click();  // cancel
  EXPECT_EQ(dialog->logic().state(), ConvertDialogLogic::StopRequested);
  spinUntil([&] { return dialog->logic().state() == ConvertDialogLogic::Idle; }, 30000);
  EXPECT_EQ(dialog->logic().state(), ConvertDialogLogic::Idle);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // no message
  EXPECT_GE(control<QProgressBar>("ProgressBar1")->value(), shownBefore);
  EXPECT_NE(control<QLabel>("Label_Percent")->text(), "100%");
  spinUntil([&] { return !QFile::exists(output); }, 5000);
  EXPECT_FALSE(QFile::exists(output));
}

TEST_F(RealEngine, BrokenInputShowsTheFailureNotice) {
  const QString input = work.filePath("clip.avi");
  ASSERT_TRUE(makeSample(input, 1, "160x120"));
  QFile::resize(input, QFileInfo(input).size() / 8);
  dialog->prepareMode(0);
  showAndReveal();
  control<QLineEdit>("Edit_InputFile")->setText(input);
  SeenBox box;
  answerBox(&box);
  control<QAbstractButton>("btnConvert")->click();
  spinUntil([&] { return box.seen; }, 30000);
  ASSERT_TRUE(box.seen);
  // Refused at once, or failed while converting: both say so.
  EXPECT_TRUE(box.text == "Convert error!" || box.title == "Vidora Video Convert") << box.text.toStdString();
  EXPECT_EQ(dialog->logic().state(), ConvertDialogLogic::Idle);
}

}  // namespace

int main(int argc, char** argv) {
  // Also when ctest lists the tests, which it does without their environment.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
