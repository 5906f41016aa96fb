// Each mode converts each sample; the output is read back with ffprobe and,
// for the disc standards, by its bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "EngineFixture.h"
#include "EngineRun.h"
#include "MediaProbe.h"

namespace {

struct ModeCase {
  int mode;
  const Sample* sample;
};
void PrintTo(const ModeCase& c, std::ostream* os) { *os << "mode " << c.mode << " " << c.sample->name; }

std::string caseName(const ::testing::TestParamInfo<ModeCase>& info) {
  std::string name = "mode" + std::to_string(info.param.mode) + "_" + info.param.sample->name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

bool isStandard(int mode) { return mode == 1 || mode == 3 || mode == 4; }

struct Expected {
  std::string videoCodec, tag, audioCodec;
  int width, height;
  double fps, displayAspect;
  int audioRate, audioChannels;
};

Expected expectedFor(const ModeCase& c) {
  const Sample& s = *c.sample;
  const bool pal = std::fabs(s.fps - 25) < 1;
  const bool wide = s.displayAspect > 1.5;
  Expected e{};
  e.width = s.width;
  e.height = s.height;
  e.fps = s.fps;
  e.displayAspect = s.displayAspect;
  switch (c.mode) {
    case 0: e.videoCodec = "mpeg1video"; e.audioCodec = "mp2"; break;
    case 2: e.videoCodec = "mpeg2video"; e.audioCodec = "mp2"; break;
    case 1:
      e.videoCodec = "mpeg1video", e.audioCodec = "mp2";
      e.width = 352, e.height = pal ? 288 : 240, e.displayAspect = 4.0 / 3;
      break;
    case 3:
      e.videoCodec = "mpeg2video", e.audioCodec = "mp2";
      e.width = 480, e.height = pal ? 576 : 480, e.displayAspect = wide ? 16.0 / 9 : 4.0 / 3;
      break;
    case 4:
      e.videoCodec = "mpeg2video", e.audioCodec = "ac3";
      e.width = 720, e.height = pal ? 576 : 480, e.displayAspect = wide ? 16.0 / 9 : 4.0 / 3;
      break;
    case 100: e.videoCodec = "mpeg4", e.tag = "FMP4", e.audioCodec = "mp3"; break;
    case 101: e.videoCodec = "mpeg4", e.tag = "DIVX", e.audioCodec = "mp3"; break;
  }
  if (isStandard(c.mode)) e.fps = pal ? 25 : 30000.0 / 1001;
  e.audioRate = c.mode == 1 || c.mode == 3 ? 44100 : c.mode == 4 ? 48000 : s.audioRate;
  e.audioChannels = isStandard(c.mode) ? 2 : s.audioChannels;
  if (s.audioRate == 0) e.audioCodec.clear();
  return e;
}

class ModeConversion : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeConversion, OutputHasTheTargetsProperties) {
  const ModeCase& c = GetParam();
  const std::string input = SampleFiles::path(*c.sample);
  const std::string output = SampleFiles::scratch(caseName({c, 0}) + (c.mode >= 100 ? ".avi" : ".mpg"));
  EngineRun run;
  ASSERT_TRUE(run.start(c.mode, input, output));
  ASSERT_EQ(run.waitForEnd(), 100);

  const Expected e = expectedFor(c);
  const probe::Fields in = probe::fields(input);
  const probe::Fields out = probe::fields(output);
  EXPECT_EQ(out.at("format.format_name"), c.mode >= 100 ? "avi" : "mpeg");

  const int v = probe::streamOf(out, "video");
  ASSERT_GE(v, 0);
  EXPECT_EQ(probe::field(out, v, "codec_name"), e.videoCodec);
  if (!e.tag.empty()) {
    EXPECT_EQ(probe::field(out, v, "codec_tag_string"), e.tag);
  }
  EXPECT_EQ(std::stoi(probe::field(out, v, "width")), e.width);
  EXPECT_EQ(std::stoi(probe::field(out, v, "height")), e.height);
  EXPECT_NEAR(probe::number(probe::field(out, v, "r_frame_rate")), e.fps, 0.01);
  // MPEG-1 can only approximate 4:3 on its 352-wide pictures.
  EXPECT_NEAR(probe::number(probe::field(out, v, "display_aspect_ratio")), e.displayAspect, 0.01);

  const int a = probe::streamOf(out, "audio");
  if (e.audioCodec.empty()) {
    EXPECT_EQ(a, -1);
  } else {
    ASSERT_GE(a, 0);
    EXPECT_EQ(probe::field(out, a, "codec_name"), e.audioCodec);
    EXPECT_EQ(std::stoi(probe::field(out, a, "sample_rate")), e.audioRate);
    EXPECT_EQ(std::stoi(probe::field(out, a, "channels")), e.audioChannels);
    EXPECT_EQ(probe::streamOf(out, "audio") , a);
  }
  const double frame = 1.0 / e.fps;
  EXPECT_NEAR(probe::number(out.at("format.duration")), probe::number(in.at("format.duration")),
              2 * frame + 0.03);
}

INSTANTIATE_TEST_SUITE_P(EveryModeEverySample, ModeConversion,
                         ::testing::ValuesIn([] {
                           std::vector<ModeCase> cases;
                           for (int mode : {0, 1, 2, 3, 4, 100, 101})
                             for (const Sample* s : {&kPal43, &kNtscWide, &kSilent, &kTwoAudio})
                               cases.push_back({mode, s});
                           return cases;
                         }()),
                         caseName);

// The disc standards' stream values, PAL and NTSC.
struct StandardCase {
  int mode;
  const Sample* sample;
  int gop;
  size_t packSize;
  int muxRate;  // 50 byte/s units; 0: chosen by the muxer
  int maxRate, bufferSize;
};
void PrintTo(const StandardCase& c, std::ostream* os) { *os << "mode " << c.mode << " " << c.sample->name; }

class DiscStandard : public ::testing::TestWithParam<StandardCase> {};

TEST_P(DiscStandard, MeetsTheStandardsStreamValues) {
  const StandardCase& c = GetParam();
  const std::string output = SampleFiles::scratch("standard" + std::to_string(c.mode) +
                                                  c.sample->name + ".mpg");
  EngineRun run;
  ASSERT_TRUE(run.start(c.mode, SampleFiles::path(*c.sample), output));
  ASSERT_EQ(run.waitForEnd(), 100);

  const std::vector<int> gops = probe::gopLengths(output);
  ASSERT_GE(gops.size(), 2u);
  for (size_t i = 0; i + 1 < gops.size(); ++i) EXPECT_EQ(gops[i], c.gop) << "GOP " << i;

  const auto data = probe::bytes(output);
  EXPECT_EQ(probe::usualPackSize(data), c.packSize);
  if (c.muxRate > 0) {
    EXPECT_EQ(probe::muxRate(data), c.muxRate);
  } else {
    EXPECT_GT(probe::muxRate(data), 0);
  }

  if (c.mode == 1) {
    int bitRate = 0, vbv = 0;
    ASSERT_TRUE(probe::mpeg1SequenceRates(data, &bitRate, &vbv));
    EXPECT_EQ(bitRate * 400, c.maxRate);
    EXPECT_EQ(vbv * 16 * 1024, c.bufferSize);
  } else {
    const probe::Fields out = probe::fields(output);
    const int v = probe::streamOf(out, "video");
    EXPECT_EQ(probe::field(out, v, "side_data_list.side_data.0.max_bitrate"),
              std::to_string(c.maxRate));
    EXPECT_EQ(probe::field(out, v, "side_data_list.side_data.0.buffer_size"),
              std::to_string(c.bufferSize));
  }
  const bool navPacks = !probe::startCodes(data, 0xBF).empty();
  EXPECT_EQ(navPacks, c.mode == 4);
}

INSTANTIATE_TEST_SUITE_P(
    VcdSvcdDvd, DiscStandard,
    ::testing::Values(StandardCase{1, &kPal43, 15, 2324, 3528, 1150000, 327680},
                      StandardCase{1, &kNtscWide, 18, 2324, 3528, 1150000, 327680},
                      StandardCase{3, &kPal43, 15, 2324, 0, 2516000, 1835008},
                      StandardCase{3, &kNtscWide, 18, 2324, 0, 2516000, 1835008},
                      StandardCase{4, &kPal43, 15, 2048, 25200, 9000000, 1835008},
                      StandardCase{4, &kNtscWide, 18, 2048, 25200, 9000000, 1835008}),
    [](const auto& info) { return "mode" + std::to_string(info.param.mode) + "_" +
                                  std::to_string(info.index); });

double meanLuma(const std::vector<uint8_t>& luma, int width, int fromRow, int toRow) {
  double sum = 0;
  for (int y = fromRow; y < toRow; ++y)
    for (int x = 0; x < width; ++x) sum += luma[static_cast<size_t>(y) * width + x];
  return sum / ((toRow - fromRow) * width);
}

// A 16:9 picture on a 4:3 disc gets black bars instead of being squeezed.
TEST(Letterbox, WidePictureOnVcdKeepsItsShape) {
  const std::string output = SampleFiles::scratch("letterbox.mpg");
  EngineRun run;
  ASSERT_TRUE(run.start(1, SampleFiles::path(kNtscWide), output));
  ASSERT_EQ(run.waitForEnd(), 100);
  const auto luma = probe::firstPictureLuma(output, 352, 240);
  ASSERT_FALSE(luma.empty());
  // 240 rows at 4:3 hold 180 rows of 16:9: bars of 30 rows above and below.
  EXPECT_LT(meanLuma(luma, 352, 0, 26), 24);
  EXPECT_LT(meanLuma(luma, 352, 214, 240), 24);
  EXPECT_GT(meanLuma(luma, 352, 40, 200), 40);
}

}  // namespace
