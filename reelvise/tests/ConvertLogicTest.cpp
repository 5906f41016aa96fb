// The conversion dialog's rules against an engine double.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

#include "EngineDouble.h"
#include "FakeConvertView.h"
#include "core/ConvertDialogLogic.h"

namespace {

using Calls = std::vector<std::string>;

class ConvertLogic : public ::testing::Test {
 protected:
  void SetUp() override { engine_double::reset(); }
  FakeConvertView view;
  ConvertDialogLogic logic{view, &engine_double::factory};

  void startConversion(int mode = 1) {
    logic.setMode(mode);
    logic.convertClicked("in.avi", "out.mpg");
    ASSERT_EQ(logic.state(), ConvertDialogLogic::Converting);
  }
};

struct ModeCalls {
  int mode;
  Calls calls;
};

class ConvertCalls : public ::testing::TestWithParam<ModeCalls> {};

TEST_P(ConvertCalls, FollowTheModesOrderAndHandOverPreviewCallbackAndDialog) {
  engine_double::reset();
  FakeConvertView view;
  ConvertDialogLogic logic(view, &engine_double::factory);
  logic.setMode(GetParam().mode);
  logic.convertClicked("in.avi", "out.x");
  EXPECT_EQ(engine_double::calls(), GetParam().calls);
  engine_double::Double* engine = engine_double::last();
  EXPECT_EQ(engine->preview, &view.preview);
  EXPECT_EQ(engine->progress, &ConvertDialogLogic::EngineProgressProc);
  EXPECT_EQ(engine->context, &logic);
  EXPECT_EQ(logic.state(), ConvertDialogLogic::Converting);
  EXPECT_TRUE(view.cancelShown);
  EXPECT_FALSE(view.infoEnabled);
  EXPECT_FALSE(view.pictureVisible);
}

const Calls kOpen{"OpenFile(in.avi)#1", "GetFileValue#1"};
Calls with(Calls head, std::initializer_list<std::string> tail) {
  head.insert(head.end(), tail);
  return head;
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, ConvertCalls,
    ::testing::Values(
        ModeCalls{0, with(kOpen, {"SetMpegMode(0,1)#1", "ConvertToMpeg(in.avi,out.x)#1"})},
        ModeCalls{1, with(kOpen, {"SetMpegMode(1,1)#1", "ConvertToMpeg(in.avi,out.x)#1"})},
        ModeCalls{2, with(kOpen, {"SetMpegMode(2,1)#1", "ConvertToMpeg(in.avi,out.x)#1"})},
        ModeCalls{3, with(kOpen, {"SetMpegMode(3,1)#1", "ConvertToMpeg(in.avi,out.x)#1"})},
        ModeCalls{4, with(kOpen, {"SetMpegMode(4,1)#1", "ConvertToMpeg(in.avi,out.x)#1"})},
        ModeCalls{100, with(kOpen, {"ConvertToAvi(in.avi,out.x)#1"})},
        ModeCalls{101, with(kOpen, {"ConvertToDivX(in.avi,out.x)#1"})}));

TEST_F(ConvertLogic, EmptyFieldsReachTheEngineAsEmptyTexts) {
  logic.convertClicked("", "");
  EXPECT_EQ(engine_double::calls().front(), "OpenFile()#1");
}

TEST_F(ConvertLogic, RefusedInputShowsConvertErrorAndStaysIdle) {
  engine_double::script().open = false;
  logic.convertPressed();
  EXPECT_EQ(view.percent, "Loading...");
  logic.convertClicked("bad.avi", "out.mpg");
  EXPECT_EQ(view.percent, "0/100");
  EXPECT_EQ(view.messages, std::vector{ConvertMessage::OpenRefused});
  EXPECT_EQ(logic.state(), ConvertDialogLogic::Idle);
  EXPECT_EQ(engine_double::calls(), Calls{"OpenFile(bad.avi)#1"});
  EXPECT_EQ(convertMessageText(ConvertMessage::OpenRefused), "Convert error!");
  EXPECT_EQ(convertMessageCaption(ConvertMessage::OpenRefused), "Error");
}

TEST_F(ConvertLogic, ConversionThatDoesNotStartNamesItsTarget) {
  engine_double::script().convert = false;
  const std::pair<int, const char*> cases[] = {{100, "error convert to avi"},
                                               {101, "error convert to divx"},
                                               {0, "error convert to mpeg"},
                                               {4, "error convert to mpeg"}};
  for (auto [mode, text] : cases) {
    view.messages.clear();
    logic.setMode(mode);
    logic.convertClicked("in.avi", "out.mpg");
    ASSERT_EQ(view.messages.size(), 1u) << mode;
    EXPECT_EQ(convertMessageText(view.messages[0]), text);
    EXPECT_EQ(convertMessageCaption(view.messages[0]), "error");
    EXPECT_EQ(view.percent, "0/100");
    EXPECT_EQ(logic.state(), ConvertDialogLogic::Idle);
  }
  EXPECT_EQ(engine_double::created(), 1);  // one object for every try
}

TEST_F(ConvertLogic, NoEngineObjectDropsTheRequestSilently) {
  engine_double::script().factoryGivesNull = true;
  logic.convertClicked("in.avi", "out.mpg");
  EXPECT_TRUE(engine_double::calls().empty());
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(logic.state(), ConvertDialogLogic::Idle);
}

TEST_F(ConvertLogic, OneObjectServesEveryConversionUntilReleased) {
  startConversion();
  EXPECT_TRUE(logic.progress(100));
  startConversion();
  EXPECT_EQ(engine_double::created(), 1);
  logic.releaseEngine();
  EXPECT_EQ(logic.state(), ConvertDialogLogic::Idle);  // no report will end it
  EXPECT_EQ(engine_double::calls().back(), "Release#1");
  EXPECT_FALSE(logic.holdsEngine());
  logic.releaseEngine();  // nothing left to release
  startConversion();
  EXPECT_EQ(engine_double::created(), 2);
}

// The handler's answers, in its order of tests: -1 first, then a stop
// request, then 100, then anything else.
struct Report {
  const char* what;
  bool stopRequested;
  int value;
  bool answer;
  bool failureMessage;
  QString percent;
  int bar;
  ConvertDialogLogic::State after;
};

class ProgressAnswers : public ConvertLogic, public ::testing::WithParamInterface<Report> {};

TEST_P(ProgressAnswers, FollowTheOrderOfTests) {
  const Report& r = GetParam();
  startConversion();
  view.percent = "37%";
  view.progressValue = 37;
  if (r.stopRequested) logic.convertClicked("in.avi", "out.mpg");  // the cancel press
  EXPECT_EQ(logic.progress(r.value), r.answer);
  EXPECT_EQ(logic.state(), r.after);
  EXPECT_EQ(view.messages.size(), r.failureMessage ? 1u : 0u);
  if (r.failureMessage) {
    EXPECT_EQ(view.messages[0], ConvertMessage::ConversionFailed);
  }
  EXPECT_EQ(view.percent, r.percent);
  EXPECT_EQ(view.progressValue, r.bar);
  if (r.after == ConvertDialogLogic::Idle) {
    EXPECT_TRUE(view.infoEnabled);
    EXPECT_TRUE(view.pictureVisible);
    EXPECT_FALSE(view.cancelShown);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ProgressAnswers,
    ::testing::Values(
        Report{"failure", false, -1, false, true, "37%", 37, ConvertDialogLogic::Idle},
        Report{"failure after stop", true, -1, false, true, "37%", 37, ConvertDialogLogic::Idle},
        Report{"stop seen", true, 50, false, false, "37%", 37, ConvertDialogLogic::Idle},
        Report{"finish after stop", true, 100, false, false, "37%", 37, ConvertDialogLogic::Idle},
        Report{"finished", false, 100, true, false, "100%", 100, ConvertDialogLogic::Idle},
        Report{"under way", false, 42, true, false, "42%", 42, ConvertDialogLogic::Converting},
        Report{"start", false, 0, true, false, "0%", 0, ConvertDialogLogic::Converting}),
    [](const auto& info) {
      std::string n = info.param.what;
      for (char& c : n)
        if (c == ' ') c = '_';
      return n;
    });

TEST_F(ConvertLogic, FailureTextIsTheLongNotice) {
  EXPECT_EQ(convertMessageText(ConvertMessage::ConversionFailed),
            "Can not complete the converting.\nPlease check if the input file is really AVI "
            "format.\nTry convert it to AVI with 'ALL to AVI' or 'ALL to DivX' first.\n");
  EXPECT_EQ(convertMessageCaption(ConvertMessage::ConversionFailed), "Vidora Video Convert");
}

TEST_F(ConvertLogic, CancelAsksForAStopAndAClickInStopStateStartsAnew) {
  startConversion();
  logic.convertClicked("in.avi", "out.mpg");
  EXPECT_EQ(logic.state(), ConvertDialogLogic::StopRequested);
  EXPECT_FALSE(view.cancelShown);
  EXPECT_EQ(engine_double::calls().size(), 4u);  // nothing reached the engine
  logic.convertClicked("in2.avi", "out2.mpg");
  EXPECT_EQ(logic.state(), ConvertDialogLogic::Converting);
  EXPECT_EQ(engine_double::calls().back(), "ConvertToMpeg(in2.avi,out2.mpg)#1");
}

TEST_F(ConvertLogic, CloseQueryAsksOnlyWhileConverting) {
  EXPECT_TRUE(logic.closeQuery());
  EXPECT_EQ(view.questions, 0);
  startConversion();
  view.answerStop = false;
  EXPECT_FALSE(logic.closeQuery());
  EXPECT_EQ(logic.state(), ConvertDialogLogic::Converting);
  view.answerStop = true;
  EXPECT_TRUE(logic.closeQuery());
  EXPECT_EQ(logic.state(), ConvertDialogLogic::StopRequested);
  EXPECT_EQ(view.pauses, std::vector{1000});
  EXPECT_EQ(view.questions, 2);
}

void spinUntil(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST_F(ConvertLogic, ReportsFromTheEnginesThreadAreAnsweredOnTheDialogsThread) {
  engine_double::script().workerReports = {0, 40, 99, 100};
  startConversion();
  engine_double::Double* engine = engine_double::last();
  spinUntil([&] { return engine->workerDone.load(); });
  ASSERT_TRUE(engine->workerDone);
  EXPECT_EQ(engine->workerAnswers, (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(view.percent, "100%");
  EXPECT_EQ(logic.state(), ConvertDialogLogic::Idle);
}

TEST_F(ConvertLogic, ReleaseWhileAReportWaitsForTheDialogDoesNotDeadlock) {
  engine_double::script().workerReports = {10, 20, 30};
  startConversion();
  // The dialog's thread runs no events: the first report waits for it.
  QThread::msleep(50);
  logic.releaseEngine();  // joins the worker, which must get "stop"
  EXPECT_EQ(engine_double::calls().back(), "Release#1");
  QCoreApplication::processEvents();
  EXPECT_EQ(view.percent, "untouched");  // the abandoned report never ran here
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
