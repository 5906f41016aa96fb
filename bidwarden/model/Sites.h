#pragma once
#include <QString>
#include <span>

namespace bw {

struct ProgramSettingsRecord;

// The marketplace's country sites, in the order of the options dialog (the
// position is the index that dialog stores).
struct SiteInfo {
  const char* code;         // "US"
  const char* name;         // "eBay US"
  const char* settingsKey;  // "eBayUSSite": item-page address in the ini's "URLs"
  const char* itemViewServer;    // built-in base address
  const char* bidHistoryServer;  // built-in base address
};

std::span<const SiteInfo> sites();
// The position of `code` in sites(), or -1 for a code that is not there.
int sitePosition(const QString& code);
// The site of `code`; "US" for a code that is not in the table.
const SiteInfo& siteOrUS(const QString& code);

// The kinds of marketplace server. Item view and bid history exist per
// site; the service and feedback servers are the US ones.
enum class ServerKind { ItemView, BidHistory, Service, Feedback };

// The base address (scheme and host, no trailing "/") of a server kind,
// with the "Servers" setting or BIDWARDEN_MARKETPLACE applied.
QString serverBase(ServerKind kind, const QString& siteCode = QStringLiteral("US"));
// The same without the override: the real marketplace's host.
QString builtInServerBase(ServerKind kind, const QString& siteCode = QStringLiteral("US"));

inline constexpr const char* kItemViewPath = "/ws/eBayISAPI.dll?ViewItem&item=";
inline constexpr const char* kBidHistoryPath = "/aw-cgi/eBayISAPI.dll?ViewBids&item=";
inline constexpr const char* kMotorsBidPath = "/ebaymotors/aw-cgi/eBayISAPI.dll";
inline constexpr const char* kBidPath = "/aw-cgi/eBayISAPI.dll";
inline constexpr const char* kDutchHighBidderPath =
    "/aw-cgi/eBayISAPI.dll?ViewBidsDutchHighBidder&item=";
inline constexpr const char* kTimePagePath = "/aw-cgi/eBayISAPI.dll?TimeShow";
inline constexpr const char* kFeedbackLinkPath = "/aw-cgi/eBayISAPI.dll?ViewFeedback&amp;userid=";

// The address every item-page read uses: the US item-view server, whatever
// the preferred site, followed by the trimmed item number.
QString itemPageReadAddress(const QString& itemNumber);

// A site's default item-page address (the item number is appended to it).
QString defaultItemPageAddress(const QString& siteCode);
// A site's item-page address from the ini file ("URLs", the site's key),
// trimmed; the default when missing or blank.
QString readItemPageAddress(const QString& siteCode);
// Fills the eBay..Site fields of `settings` from the ini file (start-up).
void readItemPageAddresses(ProgramSettingsRecord& settings);
// The item-page address of `siteCode` as held in `settings`; read from the
// ini file when the field is empty.
QString itemPageAddress(const ProgramSettingsRecord& settings, const QString& siteCode);

// What the browser opens for an auction: the preferred site's item-page
// address + the trimmed number, and its bid-history address + the number.
QString itemPageAddressForBrowser(const QString& itemNumber);
QString bidHistoryAddressForBrowser(const QString& itemNumber);

}  // namespace bw
