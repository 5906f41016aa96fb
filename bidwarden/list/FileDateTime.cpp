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

// The general date text that DateTime::toText writes (what the item-page
// reader leaves in EndTime), read by its six numbers and accepted only when
// writing the result again gives the very same text.
std::optional<DateTime> readGeneralDateText(const QString& text) {
  int numbers[6];
  int count = 0;
  for (qsizetype i = 0; i < text.size();) {
    if (!text[i].isDigit() || text[i].unicode() > '9') {
      ++i;
      continue;
    }
    if (count == 6) return std::nullopt;
    int value = 0;
    int digits = 0;
    for (; i < text.size() && text[i].unicode() >= '0' && text[i].unicode() <= '9'; ++i, ++digits)
      value = value * 10 + (text[i].unicode() - '0');
    if (digits > 4) return std::nullopt;
    numbers[count++] = value;
  }
  if (count != 6) return std::nullopt;
  const LocaleInfo& locale = currentLocale();
  int year, month, day;
  if (locale.dateOrder == QStringLiteral("DMY")) {
    day = numbers[0], month = numbers[1], year = numbers[2];
  } else if (locale.dateOrder == QStringLiteral("YMD")) {
    year = numbers[0], month = numbers[1], day = numbers[2];
  } else {
    month = numbers[0], day = numbers[1], year = numbers[2];
  }
  int hour = numbers[3];
  if (!locale.pmDesignator.isEmpty() && text.contains(locale.pmDesignator) && hour < 12) hour += 12;
  else if (!locale.amDesignator.isEmpty() && text.contains(locale.amDesignator) && hour == 12) hour = 0;
  if (hour > 23 || numbers[4] > 59 || numbers[5] > 59 || !DateTime::isValidDate(year, month, day))
    return std::nullopt;
  const DateTime candidate = DateTime::fromParts(year, month, day, hour, numbers[4], numbers[5]);
  if (candidate.toText(locale) != text) return std::nullopt;
  return candidate;
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
  if (const auto general = readGeneralDateText(text)) return general;
  return readDate(text);
}

QString asFileDateTime(const QString& text) {
  if (const auto date = readFileDateTime(text)) return fileDateTimeText(*date);
  return text;
}

}  // namespace bw
