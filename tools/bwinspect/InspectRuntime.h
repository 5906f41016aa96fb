#pragma once
#include <memory>

namespace bwinspect {

// The Linux services and the program's data folder, installed for the
// lifetime of the object, as the program installs them at start-up.
class InspectRuntime {
 public:
  InspectRuntime();
  ~InspectRuntime();
  InspectRuntime(const InspectRuntime&) = delete;
  InspectRuntime& operator=(const InspectRuntime&) = delete;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace bwinspect
