#include "settings/SettingsReader.h"
#include <cmath>
#include <limits>
#include "core/Error.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "settings/LogIt.h"
#include "settings/SettingsTable.h"

namespace bw {
namespace {

const SettingDef& definition(const QString& section, const QString& key) {
  const SettingDef* def = findSetting(section, key);
  if (!def)
    throw Error(Error::InvalidProcedureCall, QStringLiteral("SettingsReader"),
                QStringLiteral("No such setting: ") + section + '/' + key);
  return *def;
}

ISettingsStore& store() {
  ISettingsStore* s = services().settings;
  if (!s) throw Error(Error::GeneralFailure, QStringLiteral("SettingsReader"),
                      QStringLiteral("No settings store installed"));
  return *s;
}

double textToDouble(const QString& input) {
  const LocaleInfo& locale = currentLocale();
  QString text = input.trimmed();
  text.remove(locale.thousandsSeparator);
  text.replace(locale.decimalSeparator, QChar('.'));
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  if (!ok || !std::isfinite(value)) throw Error(Error::TypeMismatch);
  return value;
}

template <typename Int>
Int textToInteger(const QString& text) {
  const double value = std::nearbyint(textToDouble(text));  // halves to even
  if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
    throw Error(Error::Overflow);
  return static_cast<Int>(value);
}

}  // namespace

bool textToBool(const QString& input) {
  const QString text = input.trimmed();
  if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
  return textToDouble(text) != 0;
}

std::int16_t textToShort(const QString& text) { return textToInteger<std::int16_t>(text); }
std::int32_t textToLong(const QString& text) { return textToInteger<std::int32_t>(text); }

float textToSingle(const QString& text) {
  const double value = textToDouble(text);
  if (std::fabs(value) > std::numeric_limits<float>::max()) throw Error(Error::Overflow);
  return static_cast<float>(value);
}

QString boolToText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

QString singleToText(float value) {
  QString text = QString::number(static_cast<double>(value), 'g', 7);
  text.replace(QChar('.'), currentLocale().decimalSeparator);
  return text;
}

QString SettingsReader::rawText(const QString& section, const QString& key) const {
  const SettingDef& def = definition(section, key);
  return store().value(QString::fromLatin1(def.section), QString::fromLatin1(def.key),
                       defaultValue(def));
}

template <typename T, typename Convert>
T SettingsReader::readOrDefault(const QString& section, const QString& key, Convert convert) const {
  const SettingDef& def = definition(section, key);
  try {
    return convert(rawText(section, key));
  } catch (const Error& e) {
    // A bad stored value costs only its own setting.
    LogIt(source_, QStringLiteral("ERROR: ") + e.numberAndDescription());
    return convert(defaultValue(def));
  }
}

bool SettingsReader::readBool(const QString& s, const QString& k) const {
  return readOrDefault<bool>(s, k, textToBool);
}
std::int16_t SettingsReader::readShort(const QString& s, const QString& k) const {
  return readOrDefault<std::int16_t>(s, k, textToShort);
}
std::int32_t SettingsReader::readLong(const QString& s, const QString& k) const {
  return readOrDefault<std::int32_t>(s, k, textToLong);
}
float SettingsReader::readSingle(const QString& s, const QString& k) const {
  return readOrDefault<float>(s, k, textToSingle);
}
Money SettingsReader::readMoney(const QString& s, const QString& k) const {
  return readOrDefault<Money>(s, k, [](const QString& t) { return Money::fromText(t); });
}
QString SettingsReader::readText(const QString& s, const QString& k) const { return rawText(s, k); }

bool SettingsReader::readBoolOrThrow(const QString& s, const QString& k) const {
  return textToBool(rawText(s, k));
}
std::int16_t SettingsReader::readShortOrThrow(const QString& s, const QString& k) const {
  return textToShort(rawText(s, k));
}
std::int32_t SettingsReader::readLongOrThrow(const QString& s, const QString& k) const {
  return textToLong(rawText(s, k));
}
float SettingsReader::readSingleOrThrow(const QString& s, const QString& k) const {
  return textToSingle(rawText(s, k));
}
Money SettingsReader::readMoneyOrThrow(const QString& s, const QString& k) const {
  return Money::fromText(rawText(s, k));
}

float SettingsReader::readSynchTimeInterval() const {
  const float hours = readSingle(QStringLiteral("SynchTimeInterval"), QStringLiteral("Value"));
  return hours < 0.08f ? 0.08f : hours;
}

void writeSetting(const QString& section, const QString& key, const QString& value) {
  store().setValue(section, key, value);
}
void writeSetting(const QString& section, const QString& key, bool value) {
  writeSetting(section, key, boolToText(value));
}
void writeSetting(const QString& section, const QString& key, long value) {
  writeSetting(section, key, QString::number(value));
}

}  // namespace bw
