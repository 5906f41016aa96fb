#pragma once
// One conversion: demux, decode, filter (libavfilter), encode, mux.
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "Targets.h"
#include "encodery.h"

struct AVFormatContext;

namespace encodery {

struct InputDeleter {
  void operator()(AVFormatContext* context) const;
};
using InputFile = std::unique_ptr<AVFormatContext, InputDeleter>;

// Opens a file that libavformat can read and that has a video stream; null
// otherwise.  videoStream/audioStream: the video stream used, the first
// audio stream (-1: none).
struct OpenedInput {
  InputFile file;
  int videoStream = -1;
  int audioStream = -1;
  InputVideo facts;
};
std::unique_ptr<OpenedInput> openInput(const std::string& path);

enum class Outcome { Finished, Stopped, Failed };

struct ConversionHooks {
  // Answers false to stop.  Called with 0..99 while converting.
  std::function<bool(int)> report;
  const std::atomic<bool>* stop = nullptr;  // stops without a report
  ENCODERY_PREVIEW* preview = nullptr;
};

// Converts input into outputPath.  Whatever the outcome other than Finished,
// the output file is removed.
Outcome transcode(OpenedInput& input, const TargetSettings& settings, const std::string& outputPath,
                  const ConversionHooks& hooks, std::string* error);

}  // namespace encodery
