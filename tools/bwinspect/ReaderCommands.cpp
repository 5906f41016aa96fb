#include <QFile>
#include <QFileInfo>

#include "AuctionFields.h"
#include "CommandRegistry.h"
#include "core/Format.h"
#include "core/ProcessState.h"
#include "model/Auction.h"
#include "model/ItemPageReader.h"
#include "model/Sites.h"
#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "settings/SettingsReader.h"
#include "time/ClockSync.h"
#include "time/MarketTime.h"

namespace bwinspect {

namespace {

// What the reader and the clock take from the settings, read the way the
// program reads them at start-up.
void readReaderSettings() {
  bw::ProgramSettingsRecord& s = bw::state().ProgramSettings;
  const bw::SettingsReader reader(QStringLiteral("bwinspect"));
  s.EbayID = reader.readText(QStringLiteral("Identities"), QStringLiteral("EbayID"));
  s.UseWindowsTimeZoneOffset = reader.readBool(QStringLiteral("UseWindowsTimeZoneOffset"), QStringLiteral("Value"));
  s.UseUserTimeZoneOffset = reader.readBool(QStringLiteral("UseUserTimeZoneOffset"), QStringLiteral("Value"));
  s.UserTimeZoneOffset = reader.readSingle(QStringLiteral("UserTimeZoneOffset"), QStringLiteral("Value"));
  s.UserTimeZoneOffsetAhead = reader.readBool(QStringLiteral("UserTimeZoneOffsetAhead"), QStringLiteral("Value"));
  s.UserTimeZoneOffsetBehind = reader.readBool(QStringLiteral("UserTimeZoneOffsetBehind"), QStringLiteral("Value"));
  s.PreferredEbaySite = reader.readText(QStringLiteral("Preference"), QStringLiteral("PreferredEbaySite"));
  bw::readItemPageAddresses(s);
}

void printRecord(const QString& item, bool result, const bw::Auction& auction, QTextStream& out) {
  out << "Item=" << item << '\n' << "Result=" << (result ? "True" : "False") << '\n';
  for (const QString& line : auctionFieldLines(auction)) out << line << '\n';
}

class ReadCommand final : public Command {
 public:
  QString name() const override { return QStringLiteral("read"); }
  QString usage() const override {
    return QStringLiteral("read ITEM...             refresh each item from the marketplace\n"
                          "  read --page FILE [ITEM]  read a saved item page instead");
  }
  int run(const GlobalOptions&, const QStringList& arguments, QTextStream& out,
          QTextStream& err) override {
    if (arguments.isEmpty()) {
      err << "bwinspect read: give item numbers or --page FILE\n";
      return kExitUsage;
    }
    readReaderSettings();
    if (arguments[0] == QStringLiteral("--page")) return readSavedPage(arguments.mid(1), out, err);
    bool allRead = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
      if (i > 0) out << '\n';
      bw::Auction auction;
      auction.setAuctionSite(1);
      auction.setNumber(arguments[i]);
      const bool result = auction.UpdateAuctionData();
      allRead = allRead && result;
      printRecord(auction.Number(), result, auction, out);
    }
    return allRead ? kExitOk : kExitFailed;
  }

 private:
  static int readSavedPage(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty() || arguments.size() > 2) {
      err << "bwinspect read: --page FILE [ITEM]\n";
      return kExitUsage;
    }
    QFile file(arguments[0]);
    if (!file.open(QIODevice::ReadOnly)) {
      err << "bwinspect read: cannot read " << arguments[0] << ": " << file.errorString() << '\n';
      return kExitFailed;
    }
    bw::Auction auction;
    auction.setAuctionSite(1);
    auction.setNumber(arguments.value(1));
    const QString address = QStringLiteral("file://") + QFileInfo(file).absoluteFilePath();
    const bool result = bw::ReadItemPage(auction, bw::fromCp1252(file.readAll()), address);
    printRecord(auction.Number(), result, auction, out);
    return result ? kExitOk : kExitFailed;
  }
};

class SynchCommand final : public Command {
 public:
  QString name() const override { return QStringLiteral("synch"); }
  QString usage() const override {
    return QStringLiteral("synch                    set the clock's correction from the marketplace's time page");
  }
  int run(const GlobalOptions&, const QStringList& arguments, QTextStream& out,
          QTextStream& err) override {
    if (!arguments.isEmpty()) {
      err << "bwinspect synch: takes no arguments\n";
      return kExitUsage;
    }
    readReaderSettings();
    const bw::DateTime before = bw::state().gdatLastSynch;
    bw::SynchronizeTimeToEbay();
    const bool synchronised = bw::state().gdatLastSynch != before;
    const bw::IClock* clock = bw::services().clock;
    out << "Result=" << (synchronised ? "True" : "False") << '\n'
        << "CorrectionMs=" << (clock ? clock->correctionMs() : 0) << '\n'
        << "TimeDifferential=" << bw::TimeDifferential() << '\n'
        << "MarketplaceTime="
        << bw::formatDateTime(bw::MarketplaceNow(), QStringLiteral("yyyy-mm-dd hh:mm:ss")) << '\n';
    return synchronised ? kExitOk : kExitFailed;
  }
};

}  // namespace

void readSettingsForReader() { readReaderSettings(); }

void registerReaderCommands(CommandRegistry& registry) {
  registry.add(std::make_unique<ReadCommand>());
  registry.add(std::make_unique<SynchCommand>());
}

}  // namespace bwinspect
