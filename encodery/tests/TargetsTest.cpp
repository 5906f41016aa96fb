// How the targets fit pictures and rates that the samples do not cover.
#include <gtest/gtest.h>

#include "Targets.h"

namespace {

using encodery::InputVideo;
using encodery::Target;
using encodery::settingsFor;

InputVideo input(int width, int height, AVRational rate, AVRational sar = {1, 1}) {
  InputVideo in;
  in.width = width;
  in.height = height;
  in.frameRate = rate;
  in.sampleAspect = sar;
  in.audioRate = 44100;
  in.audioChannels = 2;
  return in;
}

TEST(TvNorm, FollowsTheNearestFrameRate) {
  const std::pair<AVRational, bool> rates[] = {
      {{25, 1}, true},          {{50, 1}, true},         {{30000, 1001}, false},
      {{24000, 1001}, false},   {{30, 1}, false},        {{60000, 1001}, false},
      {{0, 1}, true},  // unknown: PAL
  };
  for (auto [rate, pal] : rates) EXPECT_EQ(encodery::isPalRate(rate), pal) << rate.num << "/" << rate.den;
}

struct Fit {
  const char* what;
  Target target;
  InputVideo in;
  int width, height, activeWidth, activeHeight;
  AVRational sar;
};

class Fitting : public ::testing::TestWithParam<Fit> {};

TEST_P(Fitting, KeepsThePicturesShape) {
  const Fit& f = GetParam();
  const auto s = settingsFor(f.target, f.in);
  EXPECT_EQ(s.width, f.width);
  EXPECT_EQ(s.height, f.height);
  EXPECT_EQ(s.activeWidth, f.activeWidth);
  EXPECT_EQ(s.activeHeight, f.activeHeight);
  EXPECT_EQ(av_cmp_q(s.sampleAspect, f.sar), 0) << s.sampleAspect.num << ":" << s.sampleAspect.den;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Fitting,
    ::testing::Values(
        Fit{"vcd letterbox", Target::Vcd, input(1280, 720, {25, 1}), 352, 288, 352, 216, {12, 11}},
        Fit{"vcd pillarbox", Target::Vcd, input(480, 480, {25, 1}), 352, 288, 264, 288, {12, 11}},
        Fit{"dvd wide", Target::Dvd, input(1280, 720, {30000, 1001}), 720, 480, 720, 480, {32, 27}},
        Fit{"dvd anamorphic", Target::Dvd, input(720, 576, {25, 1}, {64, 45}), 720, 576, 720, 576, {64, 45}},
        Fit{"svcd 4:3", Target::Svcd, input(640, 480, {25, 1}), 480, 576, 480, 576, {8, 5}},
        Fit{"mpeg1 odd size", Target::Mpeg1, input(321, 241, {25, 1}), 320, 240, 320, 240, {1, 1}},
        Fit{"avi keeps sar", Target::Avi, input(720, 576, {25, 1}, {16, 15}), 720, 576, 720, 576, {16, 15}}),
    [](const auto& info) {
      std::string n = info.param.what;
      for (char& c : n)
        if (c == ' ' || c == ':') c = '_';
      return n;
    });

TEST(FrameRate, MpegModesRoundToWhatTheCodecAccepts) {
  EXPECT_EQ(av_cmp_q(settingsFor(Target::Mpeg1, input(320, 240, {15, 1})).frameRate, {24000, 1001}), 0);
  EXPECT_EQ(av_cmp_q(settingsFor(Target::Mpeg1, input(320, 240, {2997, 100})).frameRate, {30000, 1001}), 0);
  // MPEG-4 Part 2 needs a 16-bit time base.
  const AVRational odd = settingsFor(Target::DivX, input(320, 240, {1000000, 33333})).frameRate;
  EXPECT_LE(odd.den, 65535);
  EXPECT_NEAR(av_q2d(odd), 30.0003, 0.001);
}

TEST(Audio, KeptModesKeepUsableRatesAndMono) {
  InputVideo in = input(320, 240, {25, 1});
  in.audioRate = 22050;
  in.audioChannels = 1;
  const auto mpeg1 = settingsFor(Target::Mpeg1, in);
  EXPECT_EQ(mpeg1.audioRate, 44100);
  EXPECT_EQ(mpeg1.audioChannels, 1);
  EXPECT_EQ(settingsFor(Target::Dvd, in).audioChannels, 2);
  in.audioRate = 0;
  EXPECT_TRUE(settingsFor(Target::Avi, in).audioEncoder.empty());
}

}  // namespace
