#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// Tiny inputs, made on first use with the ffmpeg tool and kept in the build
// tree (ENCODERY_SAMPLE_DIR) for the next test programs.
struct Sample {
  const char* name;
  double fps;
  int width, height;
  double displayAspect;
  int audioRate;  // 0: no audio; else that of the first audio stream
  int audioChannels;
};

inline const Sample kPal43{"pal43.avi", 25, 320, 240, 4.0 / 3, 44100, 2};
inline const Sample kNtscWide{"ntsc169.mp4", 30000.0 / 1001, 320, 180, 16.0 / 9, 48000, 2};
inline const Sample kSilent{"silent.mkv", 25, 160, 120, 4.0 / 3, 0, 0};
inline const Sample kTwoAudio{"twoaudio.mkv", 25, 320, 240, 4.0 / 3, 32000, 1};

class SampleFiles {
 public:
  static std::string path(const Sample& sample);
  // A path in this test program's own scratch folder (removed at its end).
  static std::string scratch(const std::string& name);
};
