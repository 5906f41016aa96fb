// The engine object behind I_ENCODERY and the library's factories.
#include <sys/stat.h>

#include <atomic>
#include <climits>
#include <filesystem>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include "FileInfo.h"
#include "Targets.h"
#include "Transcoder.h"
#include "encodery.h"

#define ENCODERY_EXPORT extern "C" __attribute__((visibility("default")))

namespace encodery {
namespace {

// One running (or finished) conversion and its worker.
class Conversion {
 public:
  Conversion(std::unique_ptr<OpenedInput> input, TargetSettings settings, std::string output,
             ENCODERY_PREVIEW* preview, EngineProgressProc progress, void* context)
      : input_(std::move(input)), settings_(std::move(settings)), output_(std::move(output)),
        preview_(preview), progress_(progress), context_(context) {
    worker_ = std::thread([this] { run(); });
  }
  ~Conversion() {
    stop();
    if (worker_.joinable()) worker_.join();
  }
  void stop() { stop_ = true; }
  bool finished() const { return finished_; }

 private:
  void run() {
    ConversionHooks hooks;
    hooks.stop = &stop_;
    hooks.preview = preview_;
    hooks.report = [this](int percent) { return progress_(percent, context_) != 0; };
    std::string error;
    const Outcome outcome = transcode(*input_, settings_, output_, hooks, &error);
    input_.reset();
    if (!stop_) {
      if (outcome == Outcome::Finished) progress_(100, context_);
      if (outcome == Outcome::Failed) {
        av_log(nullptr, AV_LOG_ERROR, "encodery: %s\n", error.c_str());
        progress_(-1, context_);
      }
    }
    finished_ = true;
  }

  std::unique_ptr<OpenedInput> input_;
  TargetSettings settings_;
  std::string output_;
  ENCODERY_PREVIEW* preview_;
  EngineProgressProc progress_;
  void* context_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{false};
  std::thread worker_;
};

bool samePath(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  const auto ca = std::filesystem::weakly_canonical(a, ec);
  const auto cb = std::filesystem::weakly_canonical(b, ec);
  return !ec && ca == cb;
}

struct Engine {
  I_ENCODERY base;  // first: the front end sees only this
  bool shared = false;
  int32_t mpegMode = ENCODERY_MODE_MPEG1;
  std::unique_ptr<OpenedInput> file;
  std::string info;
  std::unique_ptr<Conversion> current;
  // Conversions replaced by a newer one; stopped, joined when they are over.
  std::vector<std::unique_ptr<Conversion>> retired;

  bool convert(Target target, const char* input, const char* output, ENCODERY_PREVIEW* preview,
               EngineProgressProc progress, void* context) {
    if (input == nullptr || output == nullptr || progress == nullptr || *input == '\0' ||
        *output == '\0' || samePath(input, output))
      return false;
    auto opened = openInput(input);
    if (!opened) return false;
    std::erase_if(retired, [](const auto& c) { return c->finished(); });
    if (current) {
      // Not joined here: its worker may be waiting for this caller's thread
      // in a callback.  It stops at its next report.
      current->stop();
      retired.push_back(std::move(current));
    }
    TargetSettings settings = settingsFor(target, opened->facts);
    current = std::make_unique<Conversion>(std::move(opened), std::move(settings), output, preview,
                                           progress, context);
    return true;
  }

  void stopAll() {
    if (current) current->stop();
    for (auto& c : retired) c->stop();
    current.reset();
    retired.clear();
  }
};

Engine* self(I_ENCODERY* object) { return reinterpret_cast<Engine*>(object); }

int32_t unused(I_ENCODERY*) { return 0; }

void release(I_ENCODERY* object) {
  Engine* engine = self(object);
  engine->stopAll();
  engine->file.reset();
  engine->info.clear();
  if (!engine->shared) delete engine;
}

int32_t setMpegMode(I_ENCODERY* object, int32_t mode, int32_t /*flags: only 1 is defined*/) {
  if (mode < ENCODERY_MODE_MPEG1 || mode > ENCODERY_MODE_DVD) return 0;
  self(object)->mpegMode = mode;
  return 1;
}

ENCODERY_BOOL convertToMpeg(I_ENCODERY* object, const char* in, const char* out,
                            ENCODERY_PREVIEW* preview, EngineProgressProc progress, void* context) {
  static constexpr Target byMode[] = {Target::Mpeg1, Target::Vcd, Target::Mpeg2, Target::Svcd,
                                      Target::Dvd};
  Engine* engine = self(object);
  return engine->convert(byMode[engine->mpegMode], in, out, preview, progress, context);
}

ENCODERY_BOOL convertToDivX(I_ENCODERY* object, const char* in, const char* out,
                            ENCODERY_PREVIEW* preview, EngineProgressProc progress, void* context) {
  return self(object)->convert(Target::DivX, in, out, preview, progress, context);
}

ENCODERY_BOOL convertToAvi(I_ENCODERY* object, const char* in, const char* out,
                           ENCODERY_PREVIEW* preview, EngineProgressProc progress, void* context) {
  return self(object)->convert(Target::Avi, in, out, preview, progress, context);
}

ENCODERY_BOOL openFile(I_ENCODERY* object, const char* path) {
  Engine* engine = self(object);
  engine->file.reset();
  engine->info.clear();
  if (path == nullptr) return 0;
  engine->file = openInput(path);
  if (!engine->file) return 0;
  engine->info = describeFile(engine->file->file.get());
  return 1;
}

int32_t getFileValue(I_ENCODERY* object) {
  Engine* engine = self(object);
  if (!engine->file) return -1;
  const int64_t micros = engine->file->file->duration;
  if (micros <= 0) return 0;
  return static_cast<int32_t>(std::min<int64_t>(micros / 1000, INT32_MAX));
}

const char* getFileInfo(I_ENCODERY* object) { return self(object)->info.c_str(); }

int32_t closeFile(I_ENCODERY* object) {
  Engine* engine = self(object);
  engine->file.reset();
  engine->info.clear();
  return 1;
}

const I_ENCODERY_VTBL& table() {
  static const I_ENCODERY_VTBL vtbl = [] {
    I_ENCODERY_VTBL t;
    auto** slots = reinterpret_cast<ENCODERY_UNUSED*>(&t);
    for (size_t i = 0; i < sizeof t / sizeof(ENCODERY_UNUSED); ++i) slots[i] = &unused;
    t.Release = &release;
    t.SetMpegMode = &setMpegMode;
    t.ConvertToMpeg = &convertToMpeg;
    t.ConvertToDivX = &convertToDivX;
    t.ConvertToAvi = &convertToAvi;
    t.OpenFile = &openFile;
    t.GetFileValue = &getFileValue;
    t.GetFileInfo = &getFileInfo;
    t.CloseFile = &closeFile;
    return t;
  }();
  return vtbl;
}

Engine* create(bool shared) {
  av_log_set_level(AV_LOG_ERROR);
  auto* engine = new (std::nothrow) Engine{};
  if (engine == nullptr) return nullptr;
  engine->base.vtbl = &table();
  engine->shared = shared;
  return engine;
}

}  // namespace
}  // namespace encodery

ENCODERY_EXPORT I_ENCODERY* NEW_ENCODERY(void) {
  return reinterpret_cast<I_ENCODERY*>(encodery::create(false));
}

ENCODERY_EXPORT I_ENCODERY* NEW_00_ENCODERY(void) {
  static encodery::Engine* shared = encodery::create(true);
  return reinterpret_cast<I_ENCODERY*>(shared);
}
