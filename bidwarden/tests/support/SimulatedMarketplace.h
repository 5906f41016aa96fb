#pragma once
// A marketplace simulator on an ephemeral port with BidWarden pointed at it
// through real HTTP: the test environment's doubles, except that the HTTP
// client is libcurl and the "Servers"/"Marketplace" setting names the
// simulator. Both sides run on clocks that move only when told (advance()).
// Link the test with `marketsim`.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>
#include <stdexcept>
#include <string>

#include "marketsim/Simulator.h"
#include "platform/HttpClient.h"
#include "support/TestDoubles.h"

namespace bw::test {

class SimulatedMarketplace {
  // Declared first: the simulator reads it until it is destroyed.
  marketsim::ManualClock machine_;

 public:
  // 11 December 2026 13:00:00 UTC: 05:00 on the West Coast, standard time.
  static constexpr std::int64_t kStartUtcMs = 1796994000000;

  explicit SimulatedMarketplace(const std::string& scenarioJson,
                                const LocaleInfo& locale = LocaleInfo::enUS(),
                                std::int64_t startUtcMs = kStartUtcMs)
      : machine_(startUtcMs), env(locale) {
    env.clock.setUtcMs(startUtcMs);
    sim = marketsim::Simulator::fromJson(scenarioJson, machine_);
    if (!sim->start(0)) throw std::runtime_error("the simulator did not start");
    Services replaced = services();
    replaced.http = &http_;
    scoped_ = std::make_unique<ScopedServices>(replaced);
    env.settings.setValue(QStringLiteral("Servers"), QStringLiteral("Marketplace"),
                          QString::fromStdString(sim->baseUrl()));
  }
  ~SimulatedMarketplace() {
    scoped_.reset();
    sim->stop();
  }
  SimulatedMarketplace(const SimulatedMarketplace&) = delete;
  SimulatedMarketplace& operator=(const SimulatedMarketplace&) = delete;

  // Moves this machine's clock, the program's and the simulator's, together.
  void advance(std::int64_t ms) {
    machine_.advanceMs(ms);
    env.clock.advanceMs(ms);
  }

  // The simulator's own view of one auction ("item", "price", "bidCount",
  // "highBidder", "minimumBid", "ends", ... as GET /__sim/state gives them).
  QJsonObject auctionState(const QString& item) const {
    const QJsonArray auctions = QJsonDocument::fromJson(QByteArray::fromStdString(sim->stateJson()))
                                    .object()
                                    .value(QStringLiteral("auctions"))
                                    .toArray();
    for (const auto& a : auctions) {
      if (a.toObject().value(QStringLiteral("item")).toString() == item) return a.toObject();
    }
    return {};
  }

  TestEnvironment env;
  std::unique_ptr<marketsim::Simulator> sim;

 private:
  CurlHttpClient http_;
  std::unique_ptr<ScopedServices> scoped_;
};

}  // namespace bw::test
