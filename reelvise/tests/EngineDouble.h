#pragma once
// A stand-in engine behind the C contract that records every call.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "encodery.h"

namespace engine_double {

struct Script {
  bool factoryGivesNull = false;
  bool open = true;
  bool convert = true;
  std::string info = "Container: test\nDuration: 00:00:01.00";
  // When set, a started conversion reports these from a worker thread.
  std::vector<int> workerReports;
};

struct Double {
  I_ENCODERY base;
  int id = 0;
  std::string input, output;
  ENCODERY_PREVIEW* preview = nullptr;
  EngineProgressProc progress = nullptr;
  void* context = nullptr;
  std::thread worker;
  std::vector<bool> workerAnswers;
  std::atomic<bool> workerDone{false};
};

Script& script();
std::vector<std::string>& calls();  // "Release#1", "OpenFile(a.avi)#1", ...
Double* last();                     // the newest object (alive or not: do not touch after Release)
int created();
void reset();
I_ENCODERY* factory();  // ENCODERY_FACTORY

}  // namespace engine_double
