#pragma once
#include <QString>
#include <cstdint>
#include "core/Money.h"

namespace bw {

// Reads one key of the store with the default of the settings table and
// converts it. A key that is not in the table is a programming fault
// (Error 5). The *OrThrow forms raise Error 13 "Type mismatch" for a stored
// text that does not convert; the plain forms log
// "ERROR: 13 Type mismatch" under the reader's source and give the default,
// so that one bad value does not stop the reading of the rest.
class SettingsReader {
 public:
  explicit SettingsReader(QString source) : source_(std::move(source)) {}

  QString rawText(const QString& section, const QString& key) const;  // stored or default

  bool readBool(const QString& section, const QString& key) const;
  std::int16_t readShort(const QString& section, const QString& key) const;
  std::int32_t readLong(const QString& section, const QString& key) const;
  float readSingle(const QString& section, const QString& key) const;
  QString readText(const QString& section, const QString& key) const;
  Money readMoney(const QString& section, const QString& key) const;

  bool readBoolOrThrow(const QString& section, const QString& key) const;
  std::int16_t readShortOrThrow(const QString& section, const QString& key) const;
  std::int32_t readLongOrThrow(const QString& section, const QString& key) const;
  float readSingleOrThrow(const QString& section, const QString& key) const;
  Money readMoneyOrThrow(const QString& section, const QString& key) const;

  // "SynchTimeInterval"/"Value", raised to 0.08 when below.
  float readSynchTimeInterval() const;

 private:
  template <typename T, typename Convert>
  T readOrDefault(const QString& section, const QString& key, Convert convert) const;
  QString source_;
};

// Conversions of stored texts; each throws Error 13 for a text that does
// not convert. Booleans accept "True"/"False" in any case and numbers
// (0 false, anything else true); reals use the system's decimal separator.
bool textToBool(const QString& text);
std::int16_t textToShort(const QString& text);
std::int32_t textToLong(const QString& text);
float textToSingle(const QString& text);
// The stored forms.
QString boolToText(bool value);
QString singleToText(float value);

// Writes one key as its text form.
void writeSetting(const QString& section, const QString& key, const QString& value);
void writeSetting(const QString& section, const QString& key, bool value);
void writeSetting(const QString& section, const QString& key, long value);

}  // namespace bw
