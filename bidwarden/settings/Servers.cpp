#include "settings/Servers.h"
#include <QUrl>
#include "platform/Services.h"

namespace bw {
namespace {

QString fromEnvOrStore(const char* variable, const char* key) {
  QString value = qEnvironmentVariable(variable).trimmed();
  if (value.isEmpty()) {
    if (const ISettingsStore* store = services().settings)
      value = store->value(QStringLiteral("Servers"), QString::fromLatin1(key), QString()).trimmed();
  }
  while (value.endsWith('/')) value.chop(1);
  return value;
}

// Where scheme, host and port end: the first "/", "?" or "#" after "//".
qsizetype authorityEnd(const QString& address) {
  const qsizetype scheme = address.indexOf(QStringLiteral("://"));
  const qsizetype from = scheme < 0 ? 0 : scheme + 3;
  qsizetype end = address.size();
  for (QChar c : {QChar('/'), QChar('?'), QChar('#')}) {
    const qsizetype at = address.indexOf(c, from);
    if (at >= 0 && at < end) end = at;
  }
  return end;
}

}  // namespace

QString marketplaceOverride() { return fromEnvOrStore("BIDWARDEN_MARKETPLACE", "Marketplace"); }

QString updateServerBase() {
  const QString value = fromEnvOrStore("BIDWARDEN_UPDATE_SERVER", "UpdateServer");
  return value.isEmpty() ? QString::fromLatin1(kBuiltInUpdateServer) : value;
}

QString replaceSchemeAndHost(const QString& address, const QString& base) {
  if (base.isEmpty()) return address;
  QString trimmedBase = base;
  while (trimmedBase.endsWith('/')) trimmedBase.chop(1);
  return trimmedBase + address.mid(authorityEnd(address));
}

QString effectiveMarketplaceAddress(const QString& address) {
  return replaceSchemeAndHost(address, marketplaceOverride());
}

QString updateServerAddress(const QString& path) { return updateServerBase() + path; }

}  // namespace bw
