#include "EngineFixture.h"

#include <unistd.h>

#include <map>

#include "MediaProbe.h"

namespace {
const char* kSeconds = "2";

std::string video(const char* size, const char* rate) {
  return std::string("-f lavfi -i testsrc2=size=") + size + ":rate=" + rate + ":duration=" + kSeconds;
}
std::string tone(int rate, int channels, int frequency = 440) {
  return "-f lavfi -i 'sine=frequency=" + std::to_string(frequency) +
         ":sample_rate=" + std::to_string(rate) + ":duration=" + kSeconds +
         (channels == 2 ? ",pan=stereo|c0=c0|c1=c0'" : "'");
}

std::string recipe(const std::string& name) {
  static const std::map<std::string, std::string> recipes = {
      {"pal43.avi", video("320x240", "25") + " " + tone(44100, 2) +
                        " -c:v mpeg4 -q:v 4 -c:a libmp3lame -b:a 128k -f avi"},
      {"ntsc169.mp4", video("320x180", "30000/1001") + " " + tone(48000, 2) +
                          " -c:v mpeg4 -q:v 4 -c:a aac -b:a 96k -f mp4"},
      {"silent.mkv", video("160x120", "25") + " -c:v mpeg4 -q:v 4 -f matroska"},
      {"twoaudio.mkv", video("320x240", "25") + " " + tone(32000, 1) + " " + tone(48000, 2, 880) +
                           " -map 0 -map 1 -map 2 -c:v mpeg4 -q:v 4 -c:a mp2 -f matroska"},
  };
  return recipes.at(name);
}

std::filesystem::path scratchFolder() {
  return std::filesystem::temp_directory_path() / ("encodery-test-" + std::to_string(getpid()));
}

class ScratchCleanup : public ::testing::Environment {
 public:
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(scratchFolder(), ec);
  }
};
const auto* registered = ::testing::AddGlobalTestEnvironment(new ScratchCleanup);
}  // namespace

std::string SampleFiles::path(const Sample& sample) {
  const std::filesystem::path dir = ENCODERY_SAMPLE_DIR;
  const std::filesystem::path file = dir / sample.name;
  if (!std::filesystem::exists(file)) {
    std::filesystem::create_directories(dir);
    // Made under a name of its own and renamed: test programs run in parallel.
    const auto partial = dir / (std::string(sample.name) + "." + std::to_string(getpid()));
    if (!probe::make(recipe(sample.name) + " '" + partial.string() + "'")) {
      ADD_FAILURE() << "ffmpeg could not make " << sample.name;
      return file.string();
    }
    std::filesystem::rename(partial, file);
  }
  return file.string();
}

std::string SampleFiles::scratch(const std::string& name) {
  const auto dir = scratchFolder();
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}
