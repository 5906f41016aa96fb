#include "platform/Cp1252.h"

namespace bw {
namespace {
// 0x80..0x9F; 0 marks the five unassigned codes, read as the C1 control.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

QString fromCp1252(const char* data, qsizetype size) {
  QString out;
  out.reserve(size);
  for (qsizetype i = 0; i < size; ++i) {
    const auto b = static_cast<unsigned char>(data[i]);
    if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0)
      out.append(QChar(kHigh[b - 0x80]));
    else
      out.append(QChar(char16_t(b)));
  }
  return out;
}

QString fromCp1252(const QByteArray& bytes) { return fromCp1252(bytes.constData(), bytes.size()); }

QByteArray toCp1252(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.append(static_cast<char>(u));
      continue;
    }
    char mapped = '?';
    for (int i = 0; i < 32; ++i) {
      if (kHigh[i] == u && u != 0) {
        mapped = static_cast<char>(0x80 + i);
        break;
      }
    }
    if (mapped == '?' && u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0) mapped = static_cast<char>(u);
    out.append(mapped);
  }
  return out;
}

}  // namespace bw
