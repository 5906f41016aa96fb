#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>

namespace bw {

// What "the system's" number and date conventions are.
struct LocaleInfo {
  QString name;                 // "en_US"
  QChar decimalSeparator;
  QChar thousandsSeparator;
  QChar dateSeparator;
  QChar timeSeparator;
  QStringList monthNames;       // 12 entries, January first
  QStringList shortMonthNames;  // 12 entries
  QStringList weekdayNames;     // 7 entries, Sunday first
  QStringList shortWeekdayNames;
  QString amDesignator;
  QString pmDesignator;
  // The order of day, month and year in a short date: "MDY", "DMY" or "YMD".
  QString dateOrder;
  // General date format, in the pattern language of formatDateTime():
  // the short date with a four-digit year, a blank and the long time.
  QString generalDatePattern;
  QString shortDatePattern;     // with four-digit year
  QString longTimePattern;

  static LocaleInfo enUS();
  static LocaleInfo deDE();
  // Built from the Qt locale's data (what the system locale service uses).
  static LocaleInfo fromQLocale(const QLocale& locale);
};

class ILocale {
 public:
  virtual ~ILocale() = default;
  virtual const LocaleInfo& info() const = 0;
};

// The locale of the system (QLocale::system()), read once.
class SystemLocale final : public ILocale {
 public:
  SystemLocale();
  const LocaleInfo& info() const override { return info_; }

 private:
  LocaleInfo info_;
};

// A fixed locale; tests inject en_US and de_DE through it.
class FixedLocale final : public ILocale {
 public:
  explicit FixedLocale(LocaleInfo info) : info_(std::move(info)) {}
  const LocaleInfo& info() const override { return info_; }

 private:
  LocaleInfo info_;
};

}  // namespace bw
