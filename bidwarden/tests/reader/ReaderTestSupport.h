#pragma once
#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <string>

#include "platform/Cp1252.h"
#include "platform/Locale.h"

namespace bw::test {

// A saved marketplace page of data/, as GetHTML would hand it over.
inline QString savedPage(const char* name) {
  QFile file(QStringLiteral(BW_READER_TEST_DATA "/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "missing test page " << name;
    return QString();
  }
  return fromCp1252(file.readAll());
}

inline QByteArray savedPageBytes(const char* name) { return toCp1252(savedPage(name)); }

// The two locales every reader test runs under.
inline LocaleInfo localeNamed(const std::string& name) {
  return name == "de_DE" ? LocaleInfo::deDE() : LocaleInfo::enUS();
}

struct LocaleName {
  std::string operator()(const ::testing::TestParamInfo<std::string>& info) const {
    return info.param;
  }
};

}  // namespace bw::test

// Lets gtest print QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
