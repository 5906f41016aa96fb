#pragma once
#include <QString>
#include <cstdint>

namespace bw {

// The in-memory working copy of the settings, read directly by most of the
// program. Copied and restored as a whole by the bid dialog.
struct ProgramSettingsRecord {
  bool AlertSnipeResultOnly = false;
  bool AlertMyAuctions = false;
  bool AlertOutBid = false;
  bool AlertAllChanges = false;
  bool AlertNone = false;
  QString EbayID;
  QString EbayPW;  // plain text in memory
  bool RememberEbay = false;
  std::int16_t RefreshMinutes = 0;
  std::int16_t RefreshSeconds = 0;
  std::int16_t DefaultSnipeMinutes = 0;
  std::int16_t DefaultSnipeSeconds = 0;
  bool SynchTimeAtIntervals = false;
  float SynchTimeInterval = 0;
  bool SynchBeforeSnipe = false;
  bool UseWindowsTimeZoneOffset = false;
  bool UseUserTimeZoneOffset = false;
  float UserTimeZoneOffset = 0;
  bool UserTimeZoneOffsetAhead = false;
  bool UserTimeZoneOffsetBehind = false;
  bool ShowIcons = false;
  bool CheckUpdatesOnStartup = false;
  QString IniFile;
  bool AskToTrackProfit = false;
  bool PlaySounds = false;
  bool WarnOfSnipesOnExit = false;
  QString BidChangeSoundFile;
  QString AuctionWinnerSoundFile;
  QString PreferredEbaySite;
  QString eBayUSSite;
  QString eBayUKSite;
  QString eBayCASite;
  QString eBayAUSite;
  QString eBayDESite;
  QString eBayITSite;
  QString eBayATSite;
  QString eBayFRSite;
  QString eBayNLSite;
  QString eBayESSite;
  QString eBayCHSite;
  bool ConfirmDelete = false;
  bool UseOneBrowserInstance = false;

  bool operator==(const ProgramSettingsRecord&) const = default;
};

}  // namespace bw
