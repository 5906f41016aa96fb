#include "EngineRun.h"

EngineRun::EngineRun() : engine_(NEW_ENCODERY()) {}

EngineRun::~EngineRun() { release(); }

void EngineRun::release() {
  if (engine_ != nullptr) engine_->vtbl->Release(engine_);
  engine_ = nullptr;
}

bool EngineRun::start(int mode, const std::string& input, const std::string& output) {
  if (mode == 100)
    return engine_->vtbl->ConvertToAvi(engine_, input.c_str(), output.c_str(), preview,
                                       &EngineRun::onProgress, this);
  if (mode == 101)
    return engine_->vtbl->ConvertToDivX(engine_, input.c_str(), output.c_str(), preview,
                                        &EngineRun::onProgress, this);
  engine_->vtbl->SetMpegMode(engine_, mode, 1);
  return engine_->vtbl->ConvertToMpeg(engine_, input.c_str(), output.c_str(), preview,
                                      &EngineRun::onProgress, this);
}

ENCODERY_BOOL EngineRun::onProgress(int32_t value, void* context) {
  auto* run = static_cast<EngineRun*>(context);
  {
    std::lock_guard lock(run->mutex_);
    run->reports_.push_back(value);
  }
  run->changed_.notify_all();
  return run->answer ? run->answer(value) : true;
}

int EngineRun::waitForEnd(std::chrono::seconds timeout) {
  std::unique_lock lock(mutex_);
  const bool ended = changed_.wait_for(lock, timeout, [&] {
    return !reports_.empty() && (reports_.back() == 100 || reports_.back() == -1);
  });
  return ended ? reports_.back() : 0;
}

bool EngineRun::waitForReports(size_t n, std::chrono::seconds timeout) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] { return reports_.size() >= n; });
}

std::vector<int> EngineRun::reports() const {
  std::lock_guard lock(mutex_);
  return reports_;
}
