#include "settings/SettingsTable.h"
#include <array>
#include "core/ProcessState.h"
#include "settings/Servers.h"

namespace bw {
namespace {

using T = SettingType;
using K = DefaultKind;

constexpr SettingDef kTable[] = {
    {"BackColors", "Pending", T::Colour, "65535"},
    {"BackColors", "OutBid", T::Colour, "255"},
    {"BackColors", "BelowReserve", T::Colour, "16776960"},
    {"BackColors", "HighBidder", T::Colour, "65280"},
    {"RefreshRate", "Minutes", T::Whole, "5"},
    {"RefreshRate", "Seconds", T::Whole, "0"},
    {"DefaultSnipeTime", "Minutes", T::Whole, "0"},
    {"DefaultSnipeTime", "Seconds", T::Whole, "30"},
    {"UseWindowsTimeZoneOffset", "Value", T::Boolean, "True"},
    {"UseUserTimeZoneOffset", "Value", T::Boolean, "False"},
    {"UserTimeZoneOffset", "Value", T::Real, "1"},
    {"UserTimeZoneOffsetAhead", "Value", T::Boolean, "True"},
    {"UserTimeZoneOffsetBehind", "Value", T::Boolean, "False"},
    {"SynchTimeAtIntervals", "Value", T::Boolean, "False"},
    {"SynchTimeInterval", "Value", T::Real, "1"},
    {"SynchBeforeSnipe", "Value", T::Boolean, "False"},
    {"ShowIcons", "Value", T::Boolean, "True"},
    {"AskToTrackProfit", "Value", T::Boolean, "True"},
    {"Identities", "EbayID", T::Text, ""},
    {"Identities", "EbayPW", T::Text, ""},
    {"Identities", "RememberEbay", T::Boolean, "False"},
    {"Alerts", "AlertSnipeResultOnly", T::Boolean, "False"},
    {"Alerts", "AlertMyAuctions", T::Boolean, "False"},
    {"Alerts", "AlertOutBid", T::Boolean, "False"},
    {"Alerts", "AlertAllChanges", T::Boolean, "True"},
    {"Alerts", "AlertNone", T::Boolean, "False"},
    {"Alerts", "WarnOfSnipesOnExit", T::Boolean, "True"},
    {"Alerts", "PlaySounds", T::Boolean, "True"},
    {"Alerts", "BidChangeSoundFile", T::Path, "alert.wav", K::DataFolderFile},
    {"Alerts", "AuctionWinnerSoundFile", T::Path, "woohoo.wav", K::DataFolderFile},
    {"Updates", "CheckUpdatesOnStartup", T::Boolean, "True"},
    {"URLs", "IniFile", T::Address, "/BidWarden.ini", K::UpdateServerPath},
    {"URLs", "HelpURL", T::Address, "/help", K::UpdateServerPath},
    {"URLs", "Count", T::Whole, "99"},
    {"Preference", "PreferredEbaySite", T::SiteCode, "DE"},
    {"Preference", "ConfirmDelete", T::Boolean, "True"},
    {"Preference", "UseOneBrowserInstance", T::Boolean, "False"},
    {"Files", "LastFile", T::Path, "Auctions.dat", K::DataFolderFile},
    {"Files", "RecentFile1", T::Path, ""},
    {"Files", "RecentFile2", T::Path, ""},
    {"Files", "RecentFile3", T::Path, ""},
    {"Files", "RecentFile4", T::Path, ""},
    {"Files", "RecentFile5", T::Path, ""},
    {"Window", "Height", T::Real, "6585"},
    {"Window", "Width", T::Real, "11715"},
    {"Window", "State", T::Whole, "0"},
    {"ReadMe", "Version", T::Text, ""},
    {"eBaySaleOptions", "eBaySaveSettings", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayAuctionCategory", T::Text, "S"},
    {"eBaySaleOptions", "eBayVehicleAuction", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayMotorcycleAuction", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayGalleryPicturePreview", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayGalleryFeatured", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayPicsInsertCount", T::Whole, "1"},
    {"eBaySaleOptions", "eBayPicLayoutStandard", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayPicLayoutSlideShow", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayPicLayoutSupersize", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayPicLayoutPicturePack", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayBuyItNow", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayMultipleListings", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayFeaturedOnHome", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayFeaturedPlus", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayItemHighlighted", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayItemBoldFace", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayScheduledListing", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayGiftIcon", T::Boolean, "False"},
    {"eBaySaleOptions", "eBayReservePrice", T::Money, "0"},
    {"eBaySaleOptions", "eBayMinimumOpeningBid", T::Money, "0.00"},
    {"eBaySaleOptions", "eBayDuration", T::Whole, "7"},
    {"eBaySaleOptions", "eBayInitialQuantity", T::Whole, "1"},
    {"eBaySaleOptions", "eBaySellerCost", T::Money, "0"},
    {"Servers", "Marketplace", T::Address, ""},
    {"Servers", "UpdateServer", T::Address, ""},
};

}  // namespace

std::span<const SettingDef> settingsTable() { return kTable; }

const SettingDef* findSetting(const QString& section, const QString& key) {
  for (const SettingDef& def : kTable) {
    if (section.compare(QLatin1String(def.section), Qt::CaseInsensitive) == 0 &&
        key.compare(QLatin1String(def.key), Qt::CaseInsensitive) == 0)
      return &def;
  }
  return nullptr;
}

QString defaultValue(const SettingDef& def) {
  const QString text = QString::fromLatin1(def.defaultText);
  switch (def.defaultKind) {
    case DefaultKind::Literal: return text;
    case DefaultKind::DataFolderFile: return state().gstrPath + text;
    case DefaultKind::UpdateServerPath: return updateServerAddress(text);
  }
  return text;
}

}  // namespace bw
