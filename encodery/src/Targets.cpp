#include "Targets.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace encodery {
namespace {

double toDouble(AVRational r) { return r.den != 0 ? av_q2d(r) : 0.0; }

int even(double value) { return std::max(2, static_cast<int>(std::lround(value / 2.0)) * 2); }

double displayAspect(const InputVideo& input) {
  if (input.width <= 0 || input.height <= 0) return 4.0 / 3.0;
  double sar = toDouble(input.sampleAspect);
  if (sar <= 0) sar = 1.0;
  return input.width * sar / input.height;
}

// Fits the input's picture into the target's frame without distortion:
// letterbox when it is wider than the frame's aspect, pillarbox otherwise.
void fitPicture(TargetSettings& s, const InputVideo& input, AVRational frameAspect) {
  const double target = toDouble(frameAspect);
  const double source = displayAspect(input);
  if (source > target) {
    s.activeWidth = s.width;
    s.activeHeight = std::min(s.height, even(s.height * target / source));
  } else {
    s.activeHeight = s.height;
    s.activeWidth = std::min(s.width, even(s.width * source / target));
  }
  av_reduce(&s.sampleAspect.num, &s.sampleAspect.den,
            int64_t{frameAspect.num} * s.height, int64_t{frameAspect.den} * s.width, 1 << 16);
}

AVRational nearestRate(const AVCodec* codec, AVRational wanted) {
  if (codec == nullptr || codec->supported_framerates == nullptr) return wanted;
  return codec->supported_framerates[av_find_nearest_q_idx(wanted, codec->supported_framerates)];
}

AVRational inputRateOr25(const InputVideo& input) {
  if (input.frameRate.num <= 0 || input.frameRate.den <= 0) return {25, 1};
  AVRational r = input.frameRate;
  // MPEG-4 Part 2 time bases are limited to 16 bits.
  av_reduce(&r.num, &r.den, r.num, r.den, 65535);
  return r;
}

int rateAmong(int wanted, std::initializer_list<int> accepted, int fallback) {
  for (int rate : accepted)
    if (rate == wanted) return rate;
  return fallback;
}

void keepPicture(TargetSettings& s, const InputVideo& input) {
  // 4:2:0 needs even sizes; MPEG-1/2 stop at 4095.
  s.width = std::min(4094, input.width & ~1);
  s.height = std::min(4094, input.height & ~1);
  s.activeWidth = s.width;
  s.activeHeight = s.height;
  s.sampleAspect = input.sampleAspect.num > 0 && input.sampleAspect.den > 0 ? input.sampleAspect
                                                                            : AVRational{1, 1};
}

void standardAudio(TargetSettings& s, const std::string& encoder, int rate, int64_t bitRate) {
  s.audioEncoder = encoder;
  s.audioRate = rate;
  s.audioChannels = 2;
  s.audioBitRate = bitRate;
}

void keptAudio(TargetSettings& s, const InputVideo& input, const std::string& encoder,
               int fallbackRate, int64_t bitRate) {
  s.audioEncoder = encoder;
  s.audioRate = rateAmong(input.audioRate, {32000, 44100, 48000}, fallbackRate);
  s.audioChannels = input.audioChannels == 1 ? 1 : 2;
  s.audioBitRate = bitRate;
}

}  // namespace

bool isPalRate(AVRational frameRate) {
  const double fps = toDouble(frameRate);
  if (fps <= 0) return true;
  const double pal = std::min({std::fabs(fps - 25.0), std::fabs(fps - 50.0), std::fabs(fps - 12.5)});
  const double ntsc = std::min({std::fabs(fps - 30000.0 / 1001), std::fabs(fps - 24000.0 / 1001),
                                std::fabs(fps - 60000.0 / 1001), std::fabs(fps - 15.0)});
  return pal <= ntsc;
}

TargetSettings settingsFor(Target target, const InputVideo& input) {
  TargetSettings s;
  const bool pal = isPalRate(input.frameRate);
  const AVRational tvRate = pal ? AVRational{25, 1} : AVRational{30000, 1001};
  const bool wide = displayAspect(input) > (4.0 / 3.0 + 16.0 / 9.0) / 2;
  switch (target) {
    case Target::Vcd:
      s.muxer = "vcd";
      s.videoEncoder = "mpeg1video";
      s.width = 352;
      s.height = pal ? 288 : 240;
      fitPicture(s, input, {4, 3});  // VCD has no wide-screen flag
      s.frameRate = tvRate;
      s.gopSize = pal ? 15 : 18;
      s.videoBitRate = s.maxRate = s.minRate = 1150000;
      s.bufferSize = 40 * 1024 * 8;
      standardAudio(s, "mp2", 44100, 224000);
      s.packetSize = 2324;
      s.muxRate = 2352 * 75 * 8;
      // SCR starts at 36000 and the first packs carry padding only.
      s.preloadMicros = static_cast<int>((36000 + 3 * 1200) * 1000000LL / 90000);
      break;
    case Target::Svcd:
      s.muxer = "svcd";
      s.videoEncoder = "mpeg2video";
      s.width = 480;
      s.height = pal ? 576 : 480;
      fitPicture(s, input, wide ? AVRational{16, 9} : AVRational{4, 3});
      s.frameRate = tvRate;
      s.gopSize = pal ? 15 : 18;
      s.videoBitRate = 2040000;
      s.maxRate = 2516000;
      s.bufferSize = 224 * 1024 * 8;
      s.scanOffset = true;
      standardAudio(s, "mp2", 44100, 224000);
      s.packetSize = 2324;
      break;
    case Target::Dvd:
      s.muxer = "dvd";
      s.videoEncoder = "mpeg2video";
      s.width = 720;
      s.height = pal ? 576 : 480;
      fitPicture(s, input, wide ? AVRational{16, 9} : AVRational{4, 3});
      s.frameRate = tvRate;
      s.gopSize = pal ? 15 : 18;
      s.videoBitRate = 6000000;
      s.maxRate = 9000000;
      s.bufferSize = 224 * 1024 * 8;
      standardAudio(s, "ac3", 48000, 448000);
      s.packetSize = 2048;
      s.muxRate = 10080000;
      break;
    case Target::Mpeg1:
      s.muxer = "mpeg";
      s.videoEncoder = "mpeg1video";
      keepPicture(s, input);
      s.frameRate = nearestRate(avcodec_find_encoder_by_name("mpeg1video"), inputRateOr25(input));
      s.gopSize = 15;
      s.quantiser = 3;
      keptAudio(s, input, "mp2", 44100, 192000);
      break;
    case Target::Mpeg2:
      s.muxer = "vob";
      s.videoEncoder = "mpeg2video";
      keepPicture(s, input);
      s.frameRate = nearestRate(avcodec_find_encoder_by_name("mpeg2video"), inputRateOr25(input));
      s.gopSize = 15;
      s.quantiser = 3;
      keptAudio(s, input, "mp2", 48000, 192000);
      break;
    case Target::DivX:
      s.muxer = "avi";
      s.videoEncoder = "mpeg4";
      s.videoTag = MKTAG('D', 'I', 'V', 'X');
      keepPicture(s, input);
      s.frameRate = inputRateOr25(input);
      s.gopSize = 250;
      s.quantiser = 4;
      keptAudio(s, input, "libmp3lame", 44100, 128000);
      break;
    case Target::Avi:
      s.muxer = "avi";
      s.videoEncoder = "mpeg4";
      keepPicture(s, input);
      s.frameRate = inputRateOr25(input);
      s.gopSize = 250;
      s.quantiser = 3;
      keptAudio(s, input, "libmp3lame", 44100, 192000);
      break;
  }
  s.pal = pal;
  if (input.audioRate <= 0) s.audioEncoder.clear();
  return s;
}

}  // namespace encodery
