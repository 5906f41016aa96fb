#include "core/Cp1252.h"

#include <array>

namespace reelvise {

namespace {

// 0x80..0x9F; 0 marks the five holes of the code page.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString fromCp1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] != 0) {
      text.append(QChar(kHigh[byte - 0x80]));
    } else {
      text.append(QChar(byte));
    }
  }
  return text;
}

QByteArray toCp1252(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar ch : text) {
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
      bytes.append(static_cast<char>(code));
      continue;
    }
    char mapped = '?';
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
      if (kHigh[i] != 0 && kHigh[i] == code) {
        mapped = static_cast<char>(0x80 + i);
        break;
      }
    }
    bytes.append(mapped);
  }
  return bytes;
}

}  // namespace reelvise
