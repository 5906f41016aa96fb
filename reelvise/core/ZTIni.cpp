// CZTIni: the INI file object behind I_ZTINI, and the program's exported
// factories for it.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

#include "core/ProfileFile.h"
#include "core/ProgramFolder.h"
#include "core/ztini.h"

#define ZT_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int kPathChars = 260;
constexpr int kIntChars = 20;
const char* const kSection = "INI";

struct CZTIni {
  I_ZTINI base;
  char path[kPathChars];
};

CZTIni* self_of(I_ZTINI* object) {
  return reinterpret_cast<CZTIni*>(object);
}

reelvise::ProfileFile profile_of(I_ZTINI* object) {
  return reelvise::ProfileFile(QString::fromUtf8(self_of(object)->path));
}

void zt_destroy(I_ZTINI* object, ZTBOOL freeMemory) {
  CZTIni* self = self_of(object);
  self->~CZTIni();
  if (freeMemory) {
    ::operator delete(self);
  }
}

void zt_release(I_ZTINI* object) {
  object->table->Destroy(object, 1);
}

ZTBOOL zt_init(I_ZTINI* object) {
  std::memset(self_of(object)->path, 0, kPathChars);
  return 1;
}

ZTBOOL zt_set_file(I_ZTINI* object, const char* name) {
  if (name == nullptr) {
    return 0;
  }
  const QByteArray path = (::programFolder() + u'/' + QString::fromUtf8(name)).toUtf8();
  // A path that does not fit is refused rather than cut to a wrong file.
  if (path.size() >= kPathChars) {
    return 0;
  }
  std::memset(self_of(object)->path, 0, kPathChars);
  std::memcpy(self_of(object)->path, path.constData(), static_cast<std::size_t>(path.size()));
  return 1;
}

// Copies as much of `text` as fits, never splitting a UTF-8 sequence.
void copy_to_buffer(const QByteArray& text, char* buffer, int32_t size) {
  qsizetype length = std::min<qsizetype>(text.size(), size - 1);
  if (length < text.size()) {
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
      --length;
    }
  }
  std::memcpy(buffer, text.constData(), static_cast<std::size_t>(length));
  buffer[length] = '\0';
}

ZTBOOL zt_get_string(I_ZTINI* object, const char* key, const char* defaultText, char* buffer,
                     int32_t size) {
  if (key == nullptr || buffer == nullptr || size <= 0) {
    return 0;
  }
  const QString value = profile_of(object).readString(
      kSection, QString::fromUtf8(key), QString::fromUtf8(defaultText ? defaultText : ""),
      size - 1);
  copy_to_buffer(value.toUtf8(), buffer, size);
  return 1;
}

ZTBOOL zt_set_string(I_ZTINI* object, const char* key, const char* value) {
  if (key == nullptr || self_of(object)->path[0] == '\0') {
    return 0;
  }
  return profile_of(object).writeString(kSection, QString::fromUtf8(key),
                                        QString::fromUtf8(value ? value : ""))
             ? 1
             : 0;
}

// "0x" followed by at least one hexadecimal digit, as the pattern "0x%x"
// reads it; anything else is 0.
int32_t parse_hex(const char* text) {
  if (text[0] != '0' || text[1] != 'x' || std::isxdigit(static_cast<unsigned char>(text[2])) == 0) {
    return 0;
  }
  uint32_t value = 0;
  for (const char* p = text + 2; std::isxdigit(static_cast<unsigned char>(*p)) != 0; ++p) {
    const char c = *p;
    const uint32_t digit = (c >= '0' && c <= '9') ? uint32_t(c - '0')
                                                  : uint32_t((c | 0x20) - 'a' + 10);
    value = (value << 4) | digit;
  }
  return static_cast<int32_t>(value);
}

int32_t zt_get_int(I_ZTINI* object, const char* key, int32_t defaultValue) {
  char defaultText[kIntChars];
  std::snprintf(defaultText, sizeof defaultText, "0x%x", static_cast<unsigned>(defaultValue));
  char buffer[kIntChars];
  if (!object->table->GetString(object, key, defaultText, buffer, kIntChars)) {
    return 0;
  }
  return parse_hex(buffer);
}

ZTBOOL zt_set_int(I_ZTINI* object, const char* key, int32_t value) {
  char text[kIntChars];
  std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(value));
  return object->table->SetString(object, key, text);
}

ZTBOOL zt_self_test(I_ZTINI* object) {
  object->table->SetFile(object, "IniFile.ini");
  const int32_t before = object->table->GetInt(object, "name", 8);
  object->table->SetInt(object, "name", 23499);
  std::printf("I get %d\n", before);
  std::printf("I get %d\n", object->table->GetInt(object, "name", 8));
  std::fflush(stdout);
  return 1;
}

const I_ZTINI_TABLE kTable = {zt_destroy,    zt_release,    zt_init,    zt_self_test, zt_set_file,
                              zt_get_string, zt_set_string, zt_get_int, zt_set_int};

CZTIni* construct() {
  void* memory = ::operator new(sizeof(CZTIni), std::nothrow);
  if (memory == nullptr) {
    return nullptr;
  }
  auto* object = new (memory) CZTIni{};
  object->base.table = &kTable;
  return object;
}

// Owner of the process-wide object; ends it as the program ends.
struct SharedIni {
  std::mutex mutex;
  CZTIni* object = nullptr;
  bool ready = false;
  ~SharedIni() {
    if (object != nullptr) {
      object->base.table->Release(&object->base);
    }
  }
};

}  // namespace

ZT_EXPORT I_ZTINI* NEW_ZTINI(void) {
  CZTIni* object = construct();
  if (object == nullptr) {
    return nullptr;
  }
  if (!object->base.table->Init(&object->base)) {
    object->base.table->Release(&object->base);
    return nullptr;
  }
  return &object->base;
}

ZT_EXPORT I_ZTINI* NEW_00_ZTINI(void) {
  static SharedIni shared;
  std::lock_guard lock(shared.mutex);
  if (shared.object == nullptr) {
    shared.object = construct();
    if (shared.object == nullptr) {
      return nullptr;
    }
  }
  if (!shared.ready) {
    shared.ready = shared.object->base.table->Init(&shared.object->base) != 0;
  }
  return shared.ready ? &shared.object->base : nullptr;
}
