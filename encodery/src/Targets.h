#pragma once
// What each conversion target makes: codecs, picture, rates and muxing.
#include <cstdint>
#include <string>

extern "C" {
#include <libavutil/rational.h>
}

namespace encodery {

enum class Target { Mpeg1, Vcd, Mpeg2, Svcd, Dvd, Avi, DivX };

// Facts about the input that the targets depend on.
struct InputVideo {
  int width = 0;
  int height = 0;
  AVRational sampleAspect{0, 1};  // 0/1 or 0/0: unknown (square)
  AVRational frameRate{0, 1};     // 0: unknown
  int audioRate = 0;              // 0: no audio
  int audioChannels = 0;
};

struct TargetSettings {
  std::string muxer;               // libavformat muxer name
  std::string videoEncoder;        // libavcodec encoder name
  uint32_t videoTag = 0;           // FourCC forced into the container, 0: default
  int width = 0, height = 0;       // output picture
  int activeWidth = 0, activeHeight = 0;  // the input's picture inside it (rest is black)
  AVRational sampleAspect{1, 1};   // of the output picture
  AVRational frameRate{25, 1};
  int gopSize = 12;
  int64_t videoBitRate = 0;        // 0: constant quantiser
  int64_t maxRate = 0, minRate = 0;
  int bufferSize = 0;              // VBV, bits
  int quantiser = 0;               // when videoBitRate == 0
  bool scanOffset = false;         // SVCD scan offset user data
  std::string audioEncoder;
  int audioRate = 0;
  int audioChannels = 0;
  int64_t audioBitRate = 0;
  int packetSize = 0;              // muxer pack size, 0: muxer default
  int muxRate = 0;                 // bits per second, 0: muxer computes it
  int preloadMicros = 500000;
  bool pal = true;                 // the TV norm of VCD/SVCD/DVD
};

// True when the input's frame rate is nearer 25/50 than 29.97/23.976/59.94.
bool isPalRate(AVRational frameRate);

TargetSettings settingsFor(Target target, const InputVideo& input);

}  // namespace encodery
