#include "core/EngineBinding.h"

#include <dlfcn.h>

#include <atomic>

#include "core/ProgramFolder.h"

namespace {
std::atomic<ENCODERY_FACTORY> boundNew{nullptr};
std::atomic<ENCODERY_FACTORY> boundShared{nullptr};
}  // namespace

bool BindEngineFrom(const QStringList& candidates) {
  for (const QString& candidate : candidates) {
    // RTLD_LOCAL keeps the library's NEW_ENCODERY from being confused with
    // the program's export of the same name.
    void* library = dlopen(candidate.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) continue;
    auto newObject = reinterpret_cast<ENCODERY_FACTORY>(dlsym(library, "NEW_ENCODERY"));
    auto sharedObject = reinterpret_cast<ENCODERY_FACTORY>(dlsym(library, "NEW_00_ENCODERY"));
    if (newObject == nullptr || sharedObject == nullptr) {
      dlclose(library);
      return false;
    }
    SetEngineFactories(newObject, sharedObject);
    return true;  // never unloaded
  }
  return false;
}

bool BindEngine() {
  return BindEngineFrom({programFolder() + "/" ENCODERY_LIBRARY_NAME,
                         QStringLiteral(ENCODERY_LIBRARY_NAME)});
}

void SetEngineFactories(ENCODERY_FACTORY newObject, ENCODERY_FACTORY sharedObject) {
  boundNew = newObject;
  boundShared = sharedObject;
}

extern "C" I_ENCODERY* NEW_ENCODERY() {
  ENCODERY_FACTORY factory = boundNew;
  return factory != nullptr ? factory() : nullptr;
}

extern "C" I_ENCODERY* NEW_00_ENCODERY() {
  ENCODERY_FACTORY factory = boundShared;
  return factory != nullptr ? factory() : nullptr;
}
