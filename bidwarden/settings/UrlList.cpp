#include "settings/UrlList.h"
#include "core/Error.h"
#include "core/ProcessState.h"
#include "platform/Services.h"
#include "settings/LogIt.h"
#include "settings/Servers.h"
#include "settings/SettingsReader.h"

namespace bw {

MyDictionary builtInUrlList() {
  MyDictionary list;
  list.Add(QStringLiteral("eBay Home"), effectiveMarketplaceAddress(QStringLiteral("https://www.ebay.com/")));
  list.Add(QStringLiteral("eBay Search"),
           effectiveMarketplaceAddress(QStringLiteral("https://www.ebay.com/search/items/basicsearch.html")));
  list.Add(QStringLiteral("My eBay"),
           effectiveMarketplaceAddress(QStringLiteral("https://signin.ebay.com/ws/eBayISAPI.dll?MyEbayLogin")));
  return list;
}

MyDictionary readUrlList() {
  const SettingsReader reader(QStringLiteral("modMain.GetURLs"));
  const std::int32_t count = reader.readLongOrThrow(QStringLiteral("URLs"), QStringLiteral("Count"));
  if (count == 99) return builtInUrlList();
  ISettingsStore* store = services().settings;
  MyDictionary list;
  for (std::int32_t n = 1; store && n <= count; ++n) {
    const QString key = QStringLiteral("URL") + QString::number(n);
    list.Add(store->value(QStringLiteral("URLs"), key + QStringLiteral("Name"), QString()),
             store->value(QStringLiteral("URLs"), key, QString()));
  }
  return list;
}

void SaveURLs() {
  try {
    const MyDictionary& urls = state().gdicURLs;
    writeSetting(QStringLiteral("URLs"), QStringLiteral("Count"), urls.Count());
    const QStringList keys = urls.Keys();
    const QList<QVariant> items = urls.Items();
    for (qsizetype i = 0; i < keys.size(); ++i) {
      const QString key = QStringLiteral("URL") + QString::number(i + 1);
      writeSetting(QStringLiteral("URLs"), key + QStringLiteral("Name"), keys[i]);
      writeSetting(QStringLiteral("URLs"), key, items[i].toString());
    }
  } catch (...) {
    logCurrentException(QStringLiteral("modMain.SaveURLs"));
  }
}

}  // namespace bw
