// The engine's side of the contract: reports, stop, Release, refusals,
// preview and file information.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "EngineFixture.h"
#include "EngineRun.h"
#include "MediaProbe.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

TEST(Progress, RisesToOneHundredOnceAndThenStaysQuiet) {
  const std::string output = SampleFiles::scratch("progress.mpg");
  EngineRun run;
  ASSERT_TRUE(run.start(4, SampleFiles::path(kPal43), output));
  ASSERT_EQ(run.waitForEnd(), 100);
  std::this_thread::sleep_for(200ms);
  const std::vector<int> values = run.reports();
  ASSERT_GE(values.size(), 2u);
  EXPECT_EQ(values.front(), 0);
  EXPECT_EQ(values.back(), 100);
  for (size_t i = 0; i + 1 < values.size(); ++i) {
    EXPECT_GE(values[i], 0);
    EXPECT_LE(values[i], 99);
    if (i > 0) {
      EXPECT_GE(values[i], values[i - 1]) << "report " << i;
    }
  }
  EXPECT_TRUE(fs::exists(output));
}

TEST(Progress, BrokenInputReportsFailureAndLeavesNoOutput) {
  // The header of a stream whose body is gone: opens, but decodes nothing.
  const std::string broken = SampleFiles::scratch("broken.mkv");
  {
    const auto data = probe::bytes(SampleFiles::path(kSilent));
    std::ofstream(broken, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), 600);
  }
  const std::string output = SampleFiles::scratch("broken-out.mpg");
  EngineRun run;
  if (!run.start(0, broken, output)) return;  // refused at once: also sound
  EXPECT_EQ(run.waitForEnd(), -1);
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(run.reports().back(), -1);
  EXPECT_FALSE(fs::exists(output));
}

TEST(Stop, AnsweringFalseEndsTheReportsAndRemovesTheOutput) {
  const std::string output = SampleFiles::scratch("stopped.mpg");
  EngineRun run;
  std::atomic<int> calls{0};
  run.answer = [&](int) { return ++calls < 2; };
  ASSERT_TRUE(run.start(4, SampleFiles::path(kPal43), output));
  ASSERT_TRUE(run.waitForReports(2));
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(run.reports().size(), 2u);
  EXPECT_FALSE(fs::exists(output));
}

TEST(Release, DuringAReportWaitsForItAndStopsTheConversion) {
  const std::string output = SampleFiles::scratch("released.mpg");
  EngineRun run;
  std::atomic<bool> inCallback{false}, callbackReturned{false};
  run.answer = [&](int) {
    if (!inCallback.exchange(true)) {
      std::this_thread::sleep_for(300ms);
      callbackReturned = true;
    }
    return true;
  };
  ASSERT_TRUE(run.start(4, SampleFiles::path(kPal43), output));
  while (!inCallback) std::this_thread::sleep_for(1ms);
  run.release();
  EXPECT_TRUE(callbackReturned);
  const size_t count = run.reports().size();
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(run.reports().size(), count);
  EXPECT_NE(run.reports().back(), 100);
  EXPECT_FALSE(fs::exists(output));
}

TEST(Release, OfAnIdleObjectAndOfTheSharedObjectIsHarmless) {
  I_ENCODERY* fresh = NEW_ENCODERY();
  ASSERT_NE(fresh, nullptr);
  fresh->vtbl->Release(fresh);
  I_ENCODERY* shared = NEW_00_ENCODERY();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(NEW_00_ENCODERY(), shared);
  shared->vtbl->Release(shared);
  EXPECT_TRUE(shared->vtbl->OpenFile(shared, SampleFiles::path(kPal43).c_str()));
  shared->vtbl->CloseFile(shared);
}

TEST(Table, UnusedPositionsAreHarmless) {
  I_ENCODERY* engine = NEW_ENCODERY();
  const auto* slots = reinterpret_cast<const ENCODERY_UNUSED*>(engine->vtbl);
  for (size_t i : {0, 2, 3, 5, 9, 17, 25, 27, 29, 32, 33, 35, 39}) EXPECT_EQ(slots[i](engine), 0) << i;
  engine->vtbl->Release(engine);
}

struct Refusal {
  const char* what;
  std::string input, output;
  bool withCallback = true;
};

class Refused : public ::testing::TestWithParam<int> {
 public:
  static std::vector<Refusal> cases() {
    const std::string good = SampleFiles::path(kPal43);
    const std::string text = SampleFiles::scratch("notes.txt");
    std::ofstream(text) << "not a video\n";
    const std::string audioOnly = SampleFiles::scratch("tone.wav");
    if (!fs::exists(audioOnly))
      probe::make("-f lavfi -i sine=duration=1 '" + audioOnly + "'");
    const std::string truncated = SampleFiles::scratch("truncated.mp4");
    {
      // MP4 keeps its index at the end: a cut file cannot be opened.
      const auto data = probe::bytes(SampleFiles::path(kNtscWide));
      std::ofstream(truncated, std::ios::binary)
          .write(reinterpret_cast<const char*>(data.data()), data.size() / 3);
    }
    return {
        {"text file", text, SampleFiles::scratch("a.mpg")},
        {"audio only", audioOnly, SampleFiles::scratch("b.mpg")},
        {"truncated", truncated, SampleFiles::scratch("c.mpg")},
        {"missing input", SampleFiles::scratch("none.avi"), SampleFiles::scratch("d.mpg")},
        {"empty input", "", SampleFiles::scratch("e.mpg")},
        {"empty output", good, ""},
        {"output is input", good, good},
        {"unwritable output", good, "/proc/encodery/out.mpg"},
        {"no callback", good, SampleFiles::scratch("f.mpg"), false},
    };
  }
};

TEST_P(Refused, BadArgumentsGiveFalseOrFailureAndNoOutput) {
  const Refusal c = cases()[GetParam()];
  SCOPED_TRACE(c.what);
  const auto before = fs::exists(c.output) ? fs::file_size(c.output) : 0;
  EngineRun run;
  bool started;
  if (c.withCallback) {
    started = run.start(0, c.input, c.output);
  } else {
    I_ENCODERY* e = run.engine();
    started = e->vtbl->ConvertToMpeg(e, c.input.c_str(), c.output.c_str(), nullptr, nullptr, nullptr);
  }
  if (started) {
    EXPECT_EQ(run.waitForEnd(), -1);
  }
  if (c.output == c.input) {
    EXPECT_EQ(fs::file_size(c.output), before);  // the input is untouched
  } else if (!c.output.empty()) {
    EXPECT_FALSE(fs::exists(c.output));
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, Refused, ::testing::Range(0, 9));

TEST(Preview, EveryFewPicturesArriveAtThePreviewsSize) {
  struct Seen {
    std::atomic<int> frames{0};
    std::atomic<bool> wrongShape{false};
  } seen;
  ENCODERY_PREVIEW preview{};
  preview.width = 160;
  preview.height = 120;
  preview.owner = &seen;
  preview.deliver = [](void* owner, const uint8_t* rgb, int32_t w, int32_t h, int32_t stride) {
    auto* s = static_cast<Seen*>(owner);
    if (rgb == nullptr || w != 160 || h != 120 || stride < 3 * w) s->wrongShape = true;
    ++s->frames;
  };
  EngineRun run;
  run.preview = &preview;
  ASSERT_TRUE(run.start(100, SampleFiles::path(kPal43), SampleFiles::scratch("preview.avi")));
  ASSERT_EQ(run.waitForEnd(), 100);
  // 50 pictures at 25 fps: a few per second, not every one.
  EXPECT_GE(seen.frames, 4);
  EXPECT_LE(seen.frames, 25);
  EXPECT_FALSE(seen.wrongShape);
}

TEST(FileInformation, DescribesContainerAndStreams) {
  I_ENCODERY* engine = NEW_ENCODERY();
  EXPECT_EQ(engine->vtbl->GetFileValue(engine), -1);
  ASSERT_TRUE(engine->vtbl->OpenFile(engine, SampleFiles::path(kPal43).c_str()));
  EXPECT_NEAR(engine->vtbl->GetFileValue(engine), 2000, 100);
  const std::string info = engine->vtbl->GetFileInfo(engine);
  for (const char* part : {"Container: avi", "Duration: 00:00:02", "Bit rate: ", "Video: mpeg4",
                           "320x240", "25.000 fps", "yuv420p", "Audio: mp3", "44100 Hz",
                           "2 channels", "kb/s"})
    EXPECT_NE(info.find(part), std::string::npos) << part << " in\n" << info;
  EXPECT_NE(info.find('\n'), std::string::npos);
  engine->vtbl->CloseFile(engine);
  EXPECT_STREQ(engine->vtbl->GetFileInfo(engine), "");
  EXPECT_FALSE(engine->vtbl->OpenFile(engine, SampleFiles::scratch("none.avi").c_str()));
  EXPECT_FALSE(engine->vtbl->OpenFile(engine, ""));
  engine->vtbl->Release(engine);
}

}  // namespace
