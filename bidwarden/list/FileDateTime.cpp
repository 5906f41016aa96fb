#include "list/FileDateTime.h"

#include "core/DateReader.h"
#include "core/Format.h"
#include "platform/Locale.h"
#include "platform/Services.h"

namespace bw {

namespace {

void putDigits(QChar*& out, int value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    out[i] = QChar(char16_t('0' + value % 10));
    value /= 10;
  }
  out += width;
}

bool takeDigits(const QChar*& in, int width, int& value) {
  value = 0;
  for (int i = 0; i < width; ++i) {
    const char16_t c = in[i].unicode();
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  in += width;
  return true;
}

}  // namespace

QString fileDateTimeText(const DateTime& value) {
  const int year = value.year();
  if (year < 0 || year > 9999) return formatDateTime(value, QStringLiteral("yyyy-mm-dd hh:mm:ss"));
  const QChar timeSeparator = currentLocale().timeSeparator;
  QString text(19, Qt::Uninitialized);
  QChar* out = text.data();
  putDigits(out, year, 4);
  *out++ = QChar('-');
  putDigits(out, value.month(), 2);
  *out++ = QChar('-');
  putDigits(out, value.day(), 2);
  *out++ = QChar(' ');
  putDigits(out, value.hour(), 2);
  *out++ = timeSeparator;
  putDigits(out, value.minute(), 2);
  *out++ = timeSeparator;
  putDigits(out, value.second(), 2);
  return text;
}

std::optional<DateTime> readFileDateTime(const QString& text) {
  if (text.size() == 19) {
    const QChar timeSeparator = currentLocale().timeSeparator;
    const auto isTimeSeparator = [&](QChar c) { return c == timeSeparator || c == QChar(':'); };
    const QChar* in = text.constData();
    int year, month, day, hour, minute, second;
    if (takeDigits(in, 4, year) && *in++ == QChar('-') && takeDigits(in, 2, month) &&
        *in++ == QChar('-') && takeDigits(in, 2, day) && *in++ == QChar(' ') &&
        takeDigits(in, 2, hour) && isTimeSeparator(*in++) && takeDigits(in, 2, minute) &&
        isTimeSeparator(*in++) && takeDigits(in, 2, second) && hour < 24 && minute < 60 &&
        second < 60 && DateTime::isValidDate(year, month, day))
      return DateTime::fromParts(year, month, day, hour, minute, second);
  }
  return readDate(text);
}

QString asFileDateTime(const QString& text) {
  if (const auto date = readFileDateTime(text)) return fileDateTimeText(*date);
  return text;
}

}  // namespace bw
