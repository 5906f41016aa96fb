#include "model/Sites.h"

#include <algorithm>
#include <array>

#include "core/ProcessState.h"
#include "settings/IniFile.h"
#include "settings/Servers.h"

namespace bw {

namespace {

constexpr std::array<SiteInfo, 11> kSites{{
    {"US", "eBay US", "eBayUSSite", "http://cgi.ebay.com", "http://offer.ebay.com"},
    {"UK", "eBay UK & Ireland", "eBayUKSite", "http://cgi.ebay.co.uk", "http://offer.ebay.co.uk"},
    {"CA", "eBay Canada", "eBayCASite", "http://cgi.ebay.ca", "http://offer.ebay.ca"},
    {"AU", "eBay Australia", "eBayAUSite", "http://cgi.ebay.com.au", "http://offer.ebay.com.au"},
    {"DE", "eBay Germany", "eBayDESite", "http://cgi.ebay.de", "http://offer.ebay.de"},
    {"IT", "eBay Italy", "eBayITSite", "http://cgi.ebay.it", "http://offer.ebay.it"},
    {"AT", "eBay Austria", "eBayATSite", "http://cgi.ebay.at", "http://offer.ebay.at"},
    {"FR", "eBay France", "eBayFRSite", "http://cgi.ebay.fr", "http://offer.ebay.fr"},
    {"NL", "eBay Netherlands", "eBayNLSite", "http://cgi.ebay.nl", "http://offer.ebay.nl"},
    {"ES", "eBay Spain", "eBayESSite", "http://cgi.ebay.es", "http://offer.ebay.es"},
    {"CH", "eBay Switzerland", "eBayCHSite", "http://cgi.ebay.ch", "http://offer.ebay.ch"},
}};

constexpr const char* kServiceServer = "http://cgi3.ebay.com";
constexpr const char* kFeedbackServer = "http://feedback.ebay.com";

// The record's field of the site at `position`.
template <typename Record>
auto siteField(Record& s, int position) {
  decltype(&s.eBayUSSite) fields[] = {&s.eBayUSSite, &s.eBayUKSite, &s.eBayCASite, &s.eBayAUSite,
                       &s.eBayDESite, &s.eBayITSite, &s.eBayATSite, &s.eBayFRSite,
                       &s.eBayNLSite, &s.eBayESSite, &s.eBayCHSite};
  return fields[position];
}

}  // namespace

std::span<const SiteInfo> sites() { return kSites; }

int sitePosition(const QString& code) {
  for (std::size_t i = 0; i < kSites.size(); ++i) {
    if (code == QLatin1String(kSites[i].code)) return static_cast<int>(i);
  }
  return -1;
}

const SiteInfo& siteOrUS(const QString& code) {
  const int position = sitePosition(code);
  return kSites[position < 0 ? 0 : static_cast<std::size_t>(position)];
}

QString builtInServerBase(ServerKind kind, const QString& siteCode) {
  switch (kind) {
    case ServerKind::ItemView: return QString::fromLatin1(siteOrUS(siteCode).itemViewServer);
    case ServerKind::BidHistory: return QString::fromLatin1(siteOrUS(siteCode).bidHistoryServer);
    case ServerKind::Service: return QString::fromLatin1(kServiceServer);
    case ServerKind::Feedback: return QString::fromLatin1(kFeedbackServer);
  }
  return QString::fromLatin1(kServiceServer);
}

QString serverBase(ServerKind kind, const QString& siteCode) {
  return effectiveMarketplaceAddress(builtInServerBase(kind, siteCode));
}

QString itemPageReadAddress(const QString& itemNumber) {
  return serverBase(ServerKind::ItemView) + QLatin1String(kItemViewPath) + itemNumber.trimmed();
}

QString defaultItemPageAddress(const QString& siteCode) {
  return serverBase(ServerKind::ItemView, siteCode) + QLatin1String(kItemViewPath);
}

QString readItemPageAddress(const QString& siteCode) {
  const SiteInfo& site = siteOrUS(siteCode);
  const QString stored =
      ReadIniValue(QStringLiteral("URLs"), QLatin1String(site.settingsKey)).trimmed();
  return stored.isEmpty() ? defaultItemPageAddress(QLatin1String(site.code)) : stored;
}

void readItemPageAddresses(ProgramSettingsRecord& settings) {
  for (std::size_t i = 0; i < kSites.size(); ++i) {
    *siteField(settings, static_cast<int>(i)) = readItemPageAddress(QLatin1String(kSites[i].code));
  }
}

QString itemPageAddress(const ProgramSettingsRecord& settings, const QString& siteCode) {
  const int position = std::max(0, sitePosition(siteCode));
  const QString held = *siteField(settings, position);
  return held.trimmed().isEmpty() ? readItemPageAddress(siteCode) : held.trimmed();
}

QString itemPageAddressForBrowser(const QString& itemNumber) {
  const ProgramSettingsRecord& settings = state().ProgramSettings;
  return itemPageAddress(settings, settings.PreferredEbaySite) + itemNumber.trimmed();
}

QString bidHistoryAddressForBrowser(const QString& itemNumber) {
  return serverBase(ServerKind::BidHistory, state().ProgramSettings.PreferredEbaySite) +
         QLatin1String(kBidHistoryPath) + itemNumber;
}

}  // namespace bw
