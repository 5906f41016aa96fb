// Reading an item page from the flattening to the written record, without
// the network, for pages of 10 kB to 1 MB: the time per page must grow
// with the page and no faster.
#include <benchmark/benchmark.h>

#include <QFile>

#include "core/DateReader.h"
#include "model/Auction.h"
#include "model/ItemPageReader.h"
#include "platform/Cp1252.h"
#include "time/MarketTime.h"
#include "web/Web.h"
#include "support/TestDoubles.h"

namespace {

QString savedPage(const char* name) {
  QFile file(QStringLiteral(BW_READER_TEST_DATA "/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return bw::fromCp1252(file.readAll());
}

// The saved ordinary auction, its seller's description grown with table
// rows and line breaks to `bytes` characters, as long listings are.
QString pageOfSize(qsizetype bytes) {
  QString page = savedPage("auction_running.htm");
  const qsizetype descriptionAt = page.indexOf(QStringLiteral("<a name=\"DESC\">"));
  const QString row = QStringLiteral(
      "<tr><td width=\"30%\"><font face=\"Arial\" size=\"2\">Shipping &amp; handling</font></td>\r\n"
      "<td><font size=\"2\">US $12.00 to the lower 48 states; time left to pay: 7 days</font></td></tr>\r\n");
  QString filler;
  while (page.size() + filler.size() < bytes) filler += row;
  return page.insert(descriptionAt + 16, filler);
}

void ReadItemPage(benchmark::State& state) {
  bw::test::TestEnvironment env;
  const QString page = pageOfSize(state.range(0) * 1024);
  for (auto _ : state) {
    bw::Auction auction;
    auction.setNumber(QStringLiteral("3052871342"));
    benchmark::DoNotOptimize(bw::ReadItemPage(auction, page, QStringLiteral("http://bench/")));
  }
  state.SetBytesProcessed(state.iterations() * page.size());
  state.counters["page_kB"] = static_cast<double>(page.size()) / 1024.0;
}

// The flattening alone, the part of the read that touches every character.
void FlattenPage(benchmark::State& state) {
  const QString page = pageOfSize(state.range(0) * 1024);
  for (auto _ : state) benchmark::DoNotOptimize(bw::CleanHTML(page));
  state.SetBytesProcessed(state.iterations() * page.size());
}

// The end time: normalised, tried once with the expanded year, then read.
void ReadEndTime(benchmark::State& state) {
  bw::test::TestEnvironment env;
  for (auto _ : state) {
    benchmark::DoNotOptimize(bw::toDate(bw::InternationalizeDate(QStringLiteral("Dec-09-03 18:16:05"))));
  }
}

}  // namespace

BENCHMARK(ReadEndTime)->Unit(benchmark::kMicrosecond);
BENCHMARK(FlattenPage)->Arg(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadItemPage)->Arg(10)->Arg(50)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
