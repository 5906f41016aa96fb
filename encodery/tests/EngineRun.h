#pragma once
// Drives one conversion through the C contract and records its reports.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "encodery.h"

class EngineRun {
 public:
  EngineRun();
  ~EngineRun();
  EngineRun(const EngineRun&) = delete;
  EngineRun& operator=(const EngineRun&) = delete;

  // Answer to each report; default: go on.
  std::function<bool(int)> answer;
  ENCODERY_PREVIEW* preview = nullptr;

  bool start(int mode, const std::string& input, const std::string& output);
  // Last value once 100 or -1 came, or 0 after the time-out.
  int waitForEnd(std::chrono::seconds timeout = std::chrono::seconds(120));
  // Waits until n reports came.
  bool waitForReports(size_t n, std::chrono::seconds timeout = std::chrono::seconds(60));
  std::vector<int> reports() const;
  void release();
  I_ENCODERY* engine() { return engine_; }

 private:
  static ENCODERY_BOOL onProgress(int32_t value, void* context);

  I_ENCODERY* engine_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<int> reports_;
};
