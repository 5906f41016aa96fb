// Save, load and sort of lists of 100, 1,000 and 10,000 auctions.
// Reports milliseconds per operation, the peak resident memory that the
// operation added above what was resident before it (memory the allocator
// already holds is reused and not counted), and the process's peak.
#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>
#include "core/ProcessState.h"
#include "list/AuctionRecord.h"
#include "list/Auctions.h"
#include "core/TextFile.h"

namespace {

using namespace bw;

class NoRefresh final : public AuctionOperations {
 public:
  bool UpdateAuctionData(Auction&) override { return true; }
  void CalcProfit(Auction&) override {}
} gNoRefresh;

long statusKiB(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(key) + ":";
  while (std::getline(status, line))
    if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
  return 0;
}

// Peak resident memory above what was resident when it was constructed.
class PeakMemory {
 public:
  PeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";  // resets the high-water mark
    base_ = statusKiB("VmRSS");
  }
  double addedMiB() const { return (statusKiB("VmHWM") - base_) / 1024.0; }
  static double processPeakMiB() { return statusKiB("VmHWM") / 1024.0; }

 private:
  long base_;
};

const char* const kTitles[] = {"Brass telescope on tripod", "antique pocket watch",
                               "Vintage Camera LENS 50mm", "signed first edition",
                               "Oak writing desk", "rare stamp collection 1890"};

QString fileOf(int count) {
  QString content;
  content.reserve(static_cast<qsizetype>(count) * 1056);
  for (int i = 0; i < count; ++i) {
    Auction a;
    a.setAuctionSite(1);
    a.setNumber(QString::number(3000000000LL + (i * 7919LL) % 1000003));
    a.setDescription(QString::fromLatin1(kTitles[i % 6]) + QStringLiteral(" #") + QString::number(i));
    a.setCurrentPrice(Money::fromTenThousandths((i * 37 % 100000) * 100));
    a.setMinimumBid(Money::fromTenThousandths((i * 37 % 100000) * 100 + 5000));
    a.setBids(static_cast<std::int16_t>(i % 40));
    a.setTimeRemaining(QStringLiteral("2 days 4 hours"));
    a.setEndTime(QStringLiteral("2003-12-%1 18:16:05").arg(1 + i % 28, 2, 10, QChar('0')));
    a.setMyBidStatus(i % 5 == 0 ? QStringLiteral("PENDING") : QString());
    a.setMyBidAmount(Money::fromWhole(i % 5 == 0 ? 25 : 0));
    a.setMyBidUserID(QStringLiteral("bidder"));
    a.setMyBidPassword(QStringLiteral("secret"));
    a.setAuctionCurrency(QStringLiteral("USD"));
    a.setQuantity(1);
    a.setHighBidder(QStringLiteral("someone_") + QString::number(i % 97));
    a.setSeller(QStringLiteral("seller_") + QString::number(i % 31));
    a.setNotes(i % 3 == 0 ? QStringLiteral("call about shipping&!paid") : QString());
    content += buildAuctionRecord(a) + QStringLiteral("\r\n");
  }
  return content;
}

struct Fixture {
  explicit Fixture(int count)
      : state(folder.path() + '/'), path(folder.path() + QStringLiteral("/Auctions.dat")) {
    writeTextFile(path, fileOf(count), FileAccess::OwnerOnly);
  }
  std::unique_ptr<Auctions> load() const {
    auto list = std::make_unique<Auctions>(AuctionsDependencies{&gNoRefresh, nullptr, nullptr});
    list->Load(path);
    return list;
  }
  QTemporaryDir folder;
  ScopedProcessState state;
  QString path;
};

void BM_Load(benchmark::State& st) {
  Fixture fixture(static_cast<int>(st.range(0)));
  double peak = 0;
  for (auto _ : st) {
    PeakMemory memory;
    auto list = fixture.load();
    benchmark::DoNotOptimize(list->Count());
    peak = std::max(peak, memory.addedMiB());
    st.PauseTiming();
    list.reset();
    st.ResumeTiming();
  }
  st.counters["added_peak_MiB"] = peak;
  st.counters["process_peak_MiB"] = PeakMemory::processPeakMiB();
  st.SetComplexityN(st.range(0));
}

void BM_Save(benchmark::State& st) {
  Fixture fixture(static_cast<int>(st.range(0)));
  auto list = fixture.load();
  double peak = 0;
  for (auto _ : st) {
    PeakMemory memory;
    benchmark::DoNotOptimize(list->Save());
    peak = std::max(peak, memory.addedMiB());
  }
  st.counters["added_peak_MiB"] = peak;
  st.counters["process_peak_MiB"] = PeakMemory::processPeakMiB();
  st.SetComplexityN(st.range(0));
}

// After a refresh EndTime holds the reader's general date text, which the
// save reads back as a date before it writes the file form.
void BM_SaveAfterRefresh(benchmark::State& st) {
  Fixture fixture(static_cast<int>(st.range(0)));
  auto list = fixture.load();
  for (Auction& a : *list) a.setEndTime(DateTime::fromParts(2003, 12, 11, 18, 16, 5).toText());
  for (auto _ : st) benchmark::DoNotOptimize(list->Save());
  st.SetComplexityN(st.range(0));
}

void sortBy(benchmark::State& st, const QString& field) {
  Fixture fixture(static_cast<int>(st.range(0)));
  auto list = fixture.load();
  double peak = 0;
  bool ascending = true;
  for (auto _ : st) {
    PeakMemory memory;
    list->Sort(field, ascending ? QStringLiteral("ASC") : QStringLiteral("DESC"));
    peak = std::max(peak, memory.addedMiB());
    ascending = !ascending;
  }
  st.counters["added_peak_MiB"] = peak;
  st.counters["process_peak_MiB"] = PeakMemory::processPeakMiB();
  st.SetComplexityN(st.range(0));
}

void BM_SortDescription(benchmark::State& st) { sortBy(st, QStringLiteral("Description")); }
void BM_SortEndTime(benchmark::State& st) { sortBy(st, QStringLiteral("EndTime")); }

#define SIZES ->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_Load) SIZES->Complexity(benchmark::oN);
BENCHMARK(BM_Save) SIZES->Complexity(benchmark::oN);
BENCHMARK(BM_SaveAfterRefresh) SIZES->Complexity(benchmark::oN);
BENCHMARK(BM_SortDescription) SIZES->Complexity(benchmark::oNLogN);
BENCHMARK(BM_SortEndTime) SIZES->Complexity(benchmark::oNLogN);

}  // namespace

BENCHMARK_MAIN();
