#include "EngineDouble.h"

#include <mutex>

namespace engine_double {
namespace {
std::mutex mutex;
Script currentScript;
std::vector<std::string> log;
Double* newest = nullptr;
int count = 0;

Double* self(I_ENCODERY* object) { return reinterpret_cast<Double*>(object); }

void record(I_ENCODERY* object, const std::string& call) {
  std::lock_guard lock(mutex);
  log.push_back(call + "#" + std::to_string(self(object)->id));
}

int32_t unused(I_ENCODERY*) { return 0; }

void release(I_ENCODERY* object) {
  Double* d = self(object);
  if (d->worker.joinable()) d->worker.join();
  record(object, "Release");
  delete d;
}

int32_t setMpegMode(I_ENCODERY* object, int32_t mode, int32_t flags) {
  record(object, "SetMpegMode(" + std::to_string(mode) + "," + std::to_string(flags) + ")");
  return 1;
}

ENCODERY_BOOL convert(const char* name, I_ENCODERY* object, const char* in, const char* out,
                      ENCODERY_PREVIEW* preview, EngineProgressProc progress, void* context) {
  Double* d = self(object);
  record(object, std::string(name) + "(" + (in ? in : "null") + "," + (out ? out : "null") + ")");
  if (!currentScript.convert) return 0;
  d->input = in;
  d->output = out;
  d->preview = preview;
  d->progress = progress;
  d->context = context;
  if (!currentScript.workerReports.empty()) {
    d->worker = std::thread([d, reports = currentScript.workerReports] {
      for (int value : reports) {
        const bool answer = d->progress(value, d->context) != 0;
        d->workerAnswers.push_back(answer);
        if (!answer) break;
      }
      d->workerDone = true;
    });
  }
  return 1;
}

ENCODERY_BOOL toMpeg(I_ENCODERY* o, const char* i, const char* out, ENCODERY_PREVIEW* p,
                     EngineProgressProc f, void* c) {
  return convert("ConvertToMpeg", o, i, out, p, f, c);
}
ENCODERY_BOOL toDivX(I_ENCODERY* o, const char* i, const char* out, ENCODERY_PREVIEW* p,
                     EngineProgressProc f, void* c) {
  return convert("ConvertToDivX", o, i, out, p, f, c);
}
ENCODERY_BOOL toAvi(I_ENCODERY* o, const char* i, const char* out, ENCODERY_PREVIEW* p,
                    EngineProgressProc f, void* c) {
  return convert("ConvertToAvi", o, i, out, p, f, c);
}

ENCODERY_BOOL openFile(I_ENCODERY* object, const char* path) {
  record(object, std::string("OpenFile(") + (path ? path : "null") + ")");
  return currentScript.open;
}
int32_t getFileValue(I_ENCODERY* object) {
  record(object, "GetFileValue");
  return 1000;
}
const char* getFileInfo(I_ENCODERY* object) {
  record(object, "GetFileInfo");
  return currentScript.info.c_str();
}
int32_t closeFile(I_ENCODERY* object) {
  record(object, "CloseFile");
  return 1;
}

const I_ENCODERY_VTBL& table() {
  static const I_ENCODERY_VTBL t = [] {
    I_ENCODERY_VTBL v;
    auto* slots = reinterpret_cast<ENCODERY_UNUSED*>(&v);
    for (size_t i = 0; i < sizeof v / sizeof(ENCODERY_UNUSED); ++i) slots[i] = &unused;
    v.Release = &release;
    v.SetMpegMode = &setMpegMode;
    v.ConvertToMpeg = &toMpeg;
    v.ConvertToDivX = &toDivX;
    v.ConvertToAvi = &toAvi;
    v.OpenFile = &openFile;
    v.GetFileValue = &getFileValue;
    v.GetFileInfo = &getFileInfo;
    v.CloseFile = &closeFile;
    return v;
  }();
  return t;
}
}  // namespace

Script& script() { return currentScript; }
std::vector<std::string>& calls() { return log; }
Double* last() { return newest; }
int created() { return count; }

void reset() {
  currentScript = Script{};
  log.clear();
  newest = nullptr;
  count = 0;
}

I_ENCODERY* factory() {
  if (currentScript.factoryGivesNull) return nullptr;
  auto* d = new Double;
  d->base.vtbl = &table();
  d->id = ++count;
  newest = d;
  return &d->base;
}

}  // namespace engine_double
