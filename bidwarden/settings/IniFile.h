#pragma once
#include <QString>

namespace bw {

// gstrPath + "BidWarden.ini".
QString iniFilePath();

// The value from the local ini file, at most 127 characters; empty when the
// file, section or key is missing. Never fails.
QString ReadIniValue(const QString& section, const QString& key);

}  // namespace bw
