#include "platform/Locale.h"

namespace bw {
namespace {

QStringList months(const QLocale& l, QLocale::FormatType type) {
  QStringList out;
  for (int m = 1; m <= 12; ++m) out << l.monthName(m, type);
  return out;
}

QStringList weekdays(const QLocale& l, QLocale::FormatType type) {
  QStringList out;
  out << l.dayName(7, type);  // Qt counts Monday as 1
  for (int d = 1; d <= 6; ++d) out << l.dayName(d, type);
  return out;
}

// Qt date/time format -> our pattern language.
QString fromQtPattern(const QString& qt, QChar dateSep, QChar timeSep, bool fourDigitYear) {
  QString out;
  for (qsizetype i = 0; i < qt.size();) {
    const QChar c = qt[i];
    qsizetype run = 1;
    while (i + run < qt.size() && qt[i + run] == c) ++run;
    const QString s(run, c);
    if (c == 'd') out += run >= 4 ? "dddd" : run == 3 ? "ddd" : s;
    else if (c == 'M') out += run >= 4 ? "mmmm" : run == 3 ? "mmm" : QString(run, 'm');
    else if (c == 'y') out += (fourDigitYear || run >= 4) ? "yyyy" : "yy";
    else if (c == 'h' || c == 'H') out += QString(qMin<qsizetype>(run, 2), 'h');
    else if (c == 'm') out += QString(qMin<qsizetype>(run, 2), 'n');
    else if (c == 's') out += QString(qMin<qsizetype>(run, 2), 's');
    else if (c == 'A' || c == 'a') {
      out += "AMPM";
      if (i + run < qt.size() && (qt[i + run] == 'P' || qt[i + run] == 'p')) ++run;
    } else if (c == 't' || c == 'z') {
      // zone names and milliseconds have no place in the general date
    } else if (c == '\'') {
      const qsizetype end = qt.indexOf('\'', i + 1);
      out += qt.mid(i + 1, (end < 0 ? qt.size() : end) - i - 1);
      run = (end < 0 ? qt.size() : end + 1) - i;
    } else if (c == dateSep) out += QString(run, '/');
    else if (c == timeSep) out += QString(run, ':');
    else out += s;
    i += run;
  }
  return out.trimmed();
}

QChar firstSeparator(const QString& pattern, const QString& letters, QChar fallback) {
  for (QChar c : pattern)
    if (!letters.contains(c) && c != '\'' && !c.isSpace()) return c;
  return fallback;
}

QString orderOf(const QString& pattern) {
  QString order;
  for (QChar c : pattern) {
    const QChar k = c == 'd' ? 'D' : c == 'M' ? 'M' : c == 'y' ? 'Y' : QChar();
    if (!k.isNull() && !order.contains(k)) order += k;
  }
  return order.size() == 3 ? order : QStringLiteral("MDY");
}

}  // namespace

LocaleInfo LocaleInfo::enUS() {
  LocaleInfo i;
  i.name = "en_US";
  i.decimalSeparator = '.';
  i.thousandsSeparator = ',';
  i.dateSeparator = '/';
  i.timeSeparator = ':';
  i.monthNames = {"January", "February", "March",     "April",   "May",      "June",
                  "July",    "August",   "September", "October", "November", "December"};
  i.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  i.weekdayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  i.shortWeekdayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  i.amDesignator = "AM";
  i.pmDesignator = "PM";
  i.dateOrder = "MDY";
  i.shortDatePattern = "m/d/yyyy";
  i.longTimePattern = "h:nn:ss AMPM";
  i.generalDatePattern = i.shortDatePattern + ' ' + i.longTimePattern;
  return i;
}

LocaleInfo LocaleInfo::deDE() {
  LocaleInfo i;
  i.name = "de_DE";
  i.decimalSeparator = ',';
  i.thousandsSeparator = '.';
  i.dateSeparator = '.';
  i.timeSeparator = ':';
  i.monthNames = {"Januar", "Februar", "M\u00e4rz",    "April",   "Mai",      "Juni",
                  "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  i.shortMonthNames = {"Jan", "Feb", "M\u00e4r", "Apr", "Mai", "Jun",
                       "Jul", "Aug", "Sep",      "Okt", "Nov", "Dez"};
  i.weekdayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                    "Donnerstag", "Freitag", "Samstag"};
  i.shortWeekdayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  i.amDesignator = "AM";
  i.pmDesignator = "PM";
  i.dateOrder = "DMY";
  i.shortDatePattern = "dd/mm/yyyy";
  i.longTimePattern = "hh:nn:ss";
  i.generalDatePattern = i.shortDatePattern + ' ' + i.longTimePattern;
  return i;
}

LocaleInfo LocaleInfo::fromQLocale(const QLocale& l) {
  LocaleInfo i;
  i.name = l.name();
  i.decimalSeparator = l.decimalPoint().isEmpty() ? QChar('.') : l.decimalPoint().front();
  i.thousandsSeparator = l.groupSeparator().isEmpty() ? QChar(',') : l.groupSeparator().front();
  const QString shortDate = l.dateFormat(QLocale::ShortFormat);
  const QString longTime = l.timeFormat(QLocale::LongFormat);
  i.dateSeparator = firstSeparator(shortDate, "dMy", '/');
  i.timeSeparator = firstSeparator(longTime, "hHmsapAPtz", ':');
  i.monthNames = months(l, QLocale::LongFormat);
  i.shortMonthNames = months(l, QLocale::ShortFormat);
  for (QString& m : i.shortMonthNames)
    if (m.endsWith('.')) m.chop(1);
  i.weekdayNames = weekdays(l, QLocale::LongFormat);
  i.shortWeekdayNames = weekdays(l, QLocale::ShortFormat);
  i.amDesignator = l.amText();
  i.pmDesignator = l.pmText();
  i.dateOrder = orderOf(shortDate);
  i.shortDatePattern = fromQtPattern(shortDate, i.dateSeparator, i.timeSeparator, true);
  i.longTimePattern = fromQtPattern(longTime, i.dateSeparator, i.timeSeparator, false);
  i.generalDatePattern = i.shortDatePattern + ' ' + i.longTimePattern;
  return i;
}

SystemLocale::SystemLocale() : info_(LocaleInfo::fromQLocale(QLocale::system())) {}

}  // namespace bw
