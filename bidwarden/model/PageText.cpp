#include "model/PageText.h"

#include "core/Error.h"

namespace bw::pagetext {

QString upperSameLength(const QString& text) {
  QString result(text.size(), Qt::Uninitialized);
  const QChar* in = text.constData();
  QChar* out = result.data();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = in[i].unicode();
    if (c < 0x80) {
      out[i] = (c >= 'a' && c <= 'z') ? QChar(char16_t(c - 32)) : in[i];
    } else {
      out[i] = in[i].toUpper();  // simple mapping: one character for one
    }
  }
  return result;
}

QString trimBlanks(QStringView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin] == u' ') ++begin;
  while (end > begin && text[end - 1] == u' ') --end;
  return text.mid(begin, end - begin).toString();
}

QString cutTo(const QString& text, qsizetype start, QStringView delimiter) {
  if (start < 0 || start > text.size()) throw Error(Error::InvalidProcedureCall);
  const qsizetype end = text.indexOf(delimiter, start);
  if (end < 0) throw Error(Error::InvalidProcedureCall);
  return text.mid(start, end - start);
}

QString midSafe(const QString& text, qsizetype start, qsizetype length) {
  if (start < 0) start = 0;
  if (start >= text.size()) return QString();
  return text.mid(start, length);
}

QString removeCrLf(QString text) { return text.remove(QStringLiteral("\r\n")); }

QString crLfToBlank(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")); }

namespace {

struct NumberParts {
  bool negative = false;
  QString whole;
  QString fraction;
};

bool splitNumber(const QString& raw, QChar decimal, NumberParts& parts) {
  const QString text = trimBlanks(raw);
  qsizetype i = 0;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
    parts.negative = text[i] == u'-';
    ++i;
  }
  bool seenDecimal = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c >= u'0' && c <= u'9') {
      (seenDecimal ? parts.fraction : parts.whole).append(c);
    } else if (c == decimal && !seenDecimal) {
      seenDecimal = true;
    } else {
      return false;
    }
  }
  return !parts.whole.isEmpty() || !parts.fraction.isEmpty();
}

}  // namespace

bool isPlainNumber(const QString& text, QChar decimal) {
  NumberParts parts;
  return splitNumber(text, decimal, parts);
}

long long toWholeNumber(const QString& text, QChar decimal, long long min, long long max) {
  NumberParts parts;
  if (!splitNumber(text, decimal, parts)) throw Error(Error::TypeMismatch);
  // Leading zeros do not count towards the size of the number.
  qsizetype first = 0;
  while (first < parts.whole.size() - 1 && parts.whole[first] == u'0') ++first;
  const QString whole = parts.whole.mid(first);
  if (whole.size() > 18) throw Error(Error::Overflow);
  long long value = whole.isEmpty() ? 0 : whole.toLongLong();
  if (!parts.fraction.isEmpty()) {
    const QChar firstDecimal = parts.fraction[0];
    bool restNonZero = false;
    for (qsizetype k = 1; k < parts.fraction.size(); ++k) restNonZero |= parts.fraction[k] != u'0';
    if (firstDecimal > u'5' || (firstDecimal == u'5' && (restNonZero || (value % 2) == 1))) {
      ++value;
    }
  }
  if (parts.negative) value = -value;
  if (value < min || value > max) throw Error(Error::Overflow);
  return value;
}

}  // namespace bw::pagetext
