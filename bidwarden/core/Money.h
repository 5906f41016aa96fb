#pragma once
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace bw {

struct LocaleInfo;

// A signed fixed-point amount with four decimals, held as a count of
// ten-thousandths.
class Money {
 public:
  constexpr Money() = default;
  static constexpr Money fromTenThousandths(std::int64_t units) { return Money(units); }
  static constexpr Money fromWhole(std::int64_t whole) { return Money(whole * 10000); }
  // Rounds to four decimals, halves to even; false when out of range.
  static std::optional<Money> fromDouble(double value);

  constexpr std::int64_t tenThousandths() const { return units_; }
  double toDouble() const { return static_cast<double>(units_) / 10000.0; }

  // The plain text form: no grouping, the system's decimal separator,
  // trailing zeros dropped ("12.5", "-0.0001", "3").
  QString toText() const;
  QString toText(const LocaleInfo& locale) const;
  // Reads a number the way the system writes it: blanks around, an optional
  // sign, digits with the system's thousands separators, the decimal
  // separator and up to any number of decimals (rounded to four, halves to
  // even). Throws Error 13 "Type mismatch" for anything else and 6
  // "Overflow" when out of range.
  static Money fromText(const QString& text);
  static Money fromText(const QString& text, const LocaleInfo& locale);
  // nullopt for a text that is no number; still Error 6 when out of range.
  static std::optional<Money> tryFromText(const QString& text, const LocaleInfo& locale);

  friend constexpr auto operator<=>(Money, Money) = default;
  friend constexpr Money operator+(Money a, Money b) { return Money(a.units_ + b.units_); }
  friend constexpr Money operator-(Money a, Money b) { return Money(a.units_ - b.units_); }
  friend constexpr Money operator-(Money a) { return Money(-a.units_); }
  Money& operator+=(Money other) { units_ += other.units_; return *this; }
  Money& operator-=(Money other) { units_ -= other.units_; return *this; }

 private:
  constexpr explicit Money(std::int64_t units) : units_(units) {}
  std::int64_t units_ = 0;
};

}  // namespace bw
