// Converts one file through the engine's C contract, without a window:
//   encodery_convert MODE INPUT OUTPUT   (MODE 0-4, 100 AVI, 101 DivX)
// Exit code 0 when the engine reported 100.
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "encodery.h"

namespace {
std::mutex mutex;
std::condition_variable over;
int lastValue = 0;
bool done = false;

ENCODERY_BOOL onProgress(int32_t value, void*) {
  std::lock_guard lock(mutex);
  lastValue = value;
  if (value == 100 || value == -1) {
    done = true;
    over.notify_all();
  }
  return 1;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s MODE INPUT OUTPUT\n", argv[0]);
    return 2;
  }
  const int mode = std::atoi(argv[1]);
  I_ENCODERY* engine = NEW_ENCODERY();
  if (engine == nullptr) return 3;
  bool started = false;
  if (mode == 100) {
    started = engine->vtbl->ConvertToAvi(engine, argv[2], argv[3], nullptr, &onProgress, nullptr);
  } else if (mode == 101) {
    started = engine->vtbl->ConvertToDivX(engine, argv[2], argv[3], nullptr, &onProgress, nullptr);
  } else {
    engine->vtbl->SetMpegMode(engine, mode, 1);
    started = engine->vtbl->ConvertToMpeg(engine, argv[2], argv[3], nullptr, &onProgress, nullptr);
  }
  if (!started) {
    std::fprintf(stderr, "the engine refused the conversion\n");
    engine->vtbl->Release(engine);
    return 1;
  }
  {
    std::unique_lock lock(mutex);
    over.wait(lock, [] { return done; });
  }
  engine->vtbl->Release(engine);
  return lastValue == 100 ? 0 : 1;
}
