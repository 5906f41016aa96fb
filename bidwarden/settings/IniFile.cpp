#include "settings/IniFile.h"
#include "core/ProcessState.h"
#include "platform/ProfileFile.h"

namespace bw {

QString iniFilePath() { return state().gstrPath + QStringLiteral("BidWarden.ini"); }

QString ReadIniValue(const QString& section, const QString& key) {
  return readProfileString(iniFilePath(), section, key, QString(), 127);
}

}  // namespace bw
