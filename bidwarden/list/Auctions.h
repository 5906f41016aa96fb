#pragma once
#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>
#include "model/Auction.h"

namespace bw {

class RefreshProgressView;
class AuctionsFileView;

// What the list asks of one auction; the program uses the item-page reader,
// tests put a double in its place.
class AuctionOperations {
 public:
  virtual ~AuctionOperations() = default;
  virtual bool UpdateAuctionData(Auction& auction) = 0;
  virtual void CalcProfit(Auction& auction) = 0;
};

// The item-page reader and the profit computation of the program.
AuctionOperations& programAuctionOperations();

struct AuctionsDependencies {
  AuctionOperations* operations = nullptr;  // null: programAuctionOperations()
  RefreshProgressView* progress = nullptr;  // null: shows nothing
  AuctionsFileView* fileView = nullptr;     // null: shows nothing
  // The program's list saves itself as it ends; a tool that only looks at a
  // file turns that off.
  bool saveOnEnd = true;
};

// The tracked auctions of one auctions file, in list order, keyed by the
// trimmed item number. Every operation catches and logs its own failures.
class Auctions {
 public:
  explicit Auctions(AuctionsDependencies dependencies = {});
  // Saves to FileName first when it is not blank (and saveOnEnd is set).
  ~Auctions();
  Auctions(const Auctions&) = delete;
  Auctions& operator=(const Auctions&) = delete;

  long Count() const;
  // The auction filed under the trimmed number, or null.
  Auction* Item(const QString& number);
  // True when an auction's Number equals `number` exactly.
  bool Exists(const QString& number) const;

  // Walks the auctions in list order.
  class const_iterator {
   public:
    using Inner = std::vector<std::unique_ptr<Auction>>::const_iterator;
    explicit const_iterator(Inner inner) : inner_(inner) {}
    Auction& operator*() const { return **inner_; }
    Auction* operator->() const { return inner_->get(); }
    const_iterator& operator++() {
      ++inner_;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return inner_ == other.inner_; }

   private:
    Inner inner_;
  };
  const_iterator begin() const { return const_iterator(list_.begin()); }
  const_iterator end() const { return const_iterator(list_.end()); }

  void Add(const QString& number, std::int32_t site);
  void Remove(const QString& number);
  // Refreshes every auction; true when every refresh succeeded.
  bool UpdateAuctions();
  // Refreshes one auction; its outcome is in LastRefreshFailed.
  bool UpdateAuctions(const QString& number);

  // True when the whole file was read (a missing file counts as read).
  bool Load(const QString& path);
  // Saves to `path`, or to FileName when `path` is empty. True when written.
  bool Save(const QString& path = QString());
  void Sort(const QString& fieldName, const QString& order);
  bool ExportToExcel(const QString& path);

  const QString& FileName() const { return fileName_; }
  // Where the last load that stopped early kept the whole file; empty when
  // the load read everything or the copy failed.
  const QString& UnreadLinesCopy() const { return unreadCopy_; }

 private:
  Auction* find(const QString& trimmedNumber) const;
  void append(std::unique_ptr<Auction> auction);
  void refreshOne(Auction& auction, bool& allRefreshed);
  void keepUnreadLines(const QString& path, int lineNumber);
  void announceFile(const QString& path, const QString& source);

  AuctionOperations& operations_;
  RefreshProgressView& progress_;
  AuctionsFileView& fileView_;
  bool saveOnEnd_;
  std::vector<std::unique_ptr<Auction>> list_;
  QHash<QString, Auction*> byNumber_;
  QString fileName_;
  QString unreadCopy_;
  // A file whose unread lines could not be copied aside; never saved over.
  QString protectedFile_;
};

// The program's one current list.
extern std::unique_ptr<Auctions> TheAuctions;

}  // namespace bw
