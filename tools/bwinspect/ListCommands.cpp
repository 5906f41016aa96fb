// The auctions-file commands: --file PATH add / refresh / show / sort / export.
#include <QFileInfo>
#include <memory>

#include "AuctionFields.h"
#include "CommandRegistry.h"
#include "core/ProcessState.h"
#include "list/Auctions.h"

namespace bwinspect {

namespace {

QString auctionsFile(const GlobalOptions& options) {
  return options.file.isEmpty() ? bw::state().gstrPath + QStringLiteral("Auctions.dat")
                                : options.file;
}

// Saves only where a command says so: "show" and "export" leave the file
// as it is.
std::unique_ptr<bw::Auctions> openList() {
  bw::AuctionsDependencies dependencies;
  dependencies.saveOnEnd = false;
  return std::make_unique<bw::Auctions>(dependencies);
}

// A command that writes the file refuses a file it could not read whole,
// so that the lines it did not read stay where they are.
std::unique_ptr<bw::Auctions> openWholeList(const QString& name, const GlobalOptions& options,
                                            QTextStream& err) {
  auto list = openList();
  const QString path = auctionsFile(options);
  if (!list->Load(path)) {
    err << "bwinspect " << name << ": " << path << " could not be read whole";
    if (!list->UnreadLinesCopy().isEmpty()) err << " (kept as " << list->UnreadLinesCopy() << ")";
    err << "; nothing changed\n";
    return nullptr;
  }
  return list;
}

class AddCommand final : public Command {
 public:
  QString name() const override { return QStringLiteral("add"); }
  QString usage() const override {
    return QStringLiteral("add ITEM...              read each item and append it to the auctions file");
  }
  int run(const GlobalOptions& options, const QStringList& arguments, QTextStream& out,
          QTextStream& err) override {
    if (arguments.isEmpty()) {
      err << "bwinspect add: give item numbers\n";
      return kExitUsage;
    }
    readSettingsForReader();
    auto list = openWholeList(name(), options, err);
    if (!list) return kExitFailed;
    bool allAdded = true;
    for (const QString& item : arguments) {
      const QString number = item.trimmed();
      bool added = false;
      if (list->Exists(number)) {
        err << "Auction " << number << " is already loaded\n";
      } else {
        list->Add(number, 1);
        added = list->Exists(number);
      }
      out << "Item=" << number << '\n' << "Result=" << (added ? "True" : "False") << '\n';
      allAdded = allAdded && added;
    }
    return allAdded ? kExitOk : kExitFailed;
  }
};

class RefreshCommand final : public Command {
 public:
  QString name() const override { return QStringLiteral("refresh"); }
  QString usage() const override {
    return QStringLiteral("refresh                  refresh every auction of the file and save it");
  }
  int run(const GlobalOptions& options, const QStringList& arguments, QTextStream& out,
          QTextStream& err) override {
    if (!arguments.isEmpty()) {
      err << "bwinspect refresh: takes no arguments\n";
      return kExitUsage;
    }
    readSettingsForReader();
    auto list = openWholeList(name(), options, err);
    if (!list) return kExitFailed;
    const bool allRefreshed = list->UpdateAuctions();
    for (const bw::Auction& auction : *list)
      out << "Item=" << auction.Number() << '\n'
          << "Result=" << (auction.LastRefreshFailed() ? "False" : "True") << '\n';
    if (!list->Save()) {
      err << "bwinspect refresh: " << list->FileName() << " could not be saved\n";
      return kExitFailed;
    }
    return allRefreshed ? kExitOk : kExitFailed;
  }
};

class ShowCommand final : public Command {
 public:
  QString name() const override { return QStringLiteral("show"); }
  QString usage() const override {
    return QStringLiteral("show                     every record of the file as Name=value lines");
  }
  int run(const GlobalOptions& options, const QStringList& arguments, QTextStream& out,
          QTextStream& err) override {
    if (!arguments.isEmpty()) {
      err << "bwinspect show: takes no arguments\n";
      return kExitUsage;
    }
    auto list = openList();
    const QString path = auctionsFile(options);
    const bool whole = list->Load(path);
    bool first = true;
    for (const bw::Auction& auction : *list) {
      if (!first) out << '\n';
      first = false;
      for (const QString& line : auctionFieldLines(auction)) out << line << '\n';
    }
    if (!whole) {
      err << "bwinspect show: " << path << " could not be read to its end\n";
      return kExitFailed;
    }
    return kExitOk;
  }
};

class SortCommand final : public Command {
 public:
  QString name() const override { return QStringLiteral("sort"); }
  QString usage() const override {
    return QStringLiteral("sort FIELD ASC|DESC      sort the file by Number, Description, CurrentPrice,\n"
                          "                           Bids, Quantity, CurrentProfit, Proxy or EndTime");
  }
  int run(const GlobalOptions& options, const QStringList& arguments, QTextStream& out,
          QTextStream& err) override {
    static const QStringList fields = {
        QStringLiteral("Number"),   QStringLiteral("Description"),   QStringLiteral("CurrentPrice"),
        QStringLiteral("Bids"),     QStringLiteral("Quantity"),      QStringLiteral("CurrentProfit"),
        QStringLiteral("Proxy"),    QStringLiteral("EndTime")};
    if (arguments.size() != 2 || !fields.contains(arguments[0]) ||
        (arguments[1] != QStringLiteral("ASC") && arguments[1] != QStringLiteral("DESC"))) {
      err << "bwinspect sort: " << usage() << '\n';
      return kExitUsage;
    }
    auto list = openWholeList(name(), options, err);
    if (!list) return kExitFailed;
    list->Sort(arguments[0], arguments[1]);
    for (const bw::Auction& auction : *list) out << auction.Number() << '\n';
    if (!list->Save()) {
      err << "bwinspect sort: " << list->FileName() << " could not be saved\n";
      return kExitFailed;
    }
    return kExitOk;
  }
};

class ExportCommand final : public Command {
 public:
  QString name() const override { return QStringLiteral("export"); }
  QString usage() const override {
    return QStringLiteral("export OUT               write the file's auctions as tab-delimited text");
  }
  int run(const GlobalOptions& options, const QStringList& arguments, QTextStream& out,
          QTextStream& err) override {
    if (arguments.size() != 1) {
      err << "bwinspect export: give the file to write\n";
      return kExitUsage;
    }
    const QString path = auctionsFile(options);
    if (QFileInfo(arguments[0]).absoluteFilePath() == QFileInfo(path).absoluteFilePath()) {
      err << "bwinspect export: the export cannot replace the auctions file itself\n";
      return kExitUsage;
    }
    auto list = openList();
    const bool whole = list->Load(path);
    if (!list->ExportToExcel(arguments[0])) {
      err << "bwinspect export: there was a problem exporting the file\n";
      return kExitFailed;
    }
    out << "Exported=" << list->Count() << '\n';
    if (!whole) {
      err << "bwinspect export: " << path << " could not be read to its end\n";
      return kExitFailed;
    }
    return kExitOk;
  }
};

}  // namespace

void registerListCommands(CommandRegistry& registry) {
  registry.add(std::make_unique<AddCommand>());
  registry.add(std::make_unique<RefreshCommand>());
  registry.add(std::make_unique<ShowCommand>());
  registry.add(std::make_unique<SortCommand>());
  registry.add(std::make_unique<ExportCommand>());
}

}  // namespace bwinspect
