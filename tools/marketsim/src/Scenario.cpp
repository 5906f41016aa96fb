#include "Scenario.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

#include <cmath>
#include <set>
#include <stdexcept>

namespace marketsim {

namespace {

[[noreturn]] void fail(const std::string &where, const std::string &what) {
    throw std::invalid_argument(where + ": " + what);
}

void checkKeys(const QJsonObject &object, const QStringList &allowed, const std::string &where) {
    for (const QString &key : object.keys())
        if (!allowed.contains(key)) fail(where, "unknown key \"" + key.toStdString() + "\"");
}

std::string text(const QJsonObject &o, const char *key, const std::string &where, const std::string &fallback = {}) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined()) return fallback;
    if (v.isString()) return v.toString().toStdString();
    if (v.isDouble()) return QString::number(v.toDouble(), 'f', 0).toStdString();
    fail(where, std::string("\"") + key + "\" must be a text");
}

double number(const QJsonObject &o, const char *key, const std::string &where, double fallback) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined()) return fallback;
    if (!v.isDouble()) fail(where, std::string("\"") + key + "\" must be a number");
    return v.toDouble();
}

bool flag(const QJsonObject &o, const char *key, const std::string &where, bool fallback) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined()) return fallback;
    if (!v.isBool()) fail(where, std::string("\"") + key + "\" must be true or false");
    return v.toBool();
}

std::string oneOf(const QJsonObject &o, const char *key, const std::string &where, const std::string &fallback,
                  const std::set<std::string> &choices) {
    std::string value = text(o, key, where, fallback);
    if (!choices.count(value)) fail(where, std::string("\"") + key + "\" has no form \"" + value + "\"");
    return value;
}

std::int64_t msFromSeconds(double seconds) { return static_cast<std::int64_t>(std::llround(seconds * 1000.0)); }

std::vector<Increment> parseIncrements(const QJsonValue &value, const std::string &where) {
    if (!value.isArray()) fail(where, "\"increments\" must be a list");
    std::vector<Increment> table;
    for (const QJsonValue &row : value.toArray()) {
        const QJsonObject o = row.toObject();
        checkKeys(o, {"from", "step"}, where + " increments");
        Increment inc{centsFromDouble(number(o, "from", where, -1)), centsFromDouble(number(o, "step", where, 0))};
        if (inc.from < 0 || inc.step <= 0) fail(where, "every increment needs \"from\" >= 0 and \"step\" > 0");
        if (!table.empty() && inc.from <= table.back().from) fail(where, "increments must rise");
        table.push_back(inc);
    }
    if (table.empty() || table.front().from != 0) fail(where, "the increment table must start at 0");
    return table;
}

RivalBid rivalBidFrom(const QJsonObject &o, const std::string &where) {
    checkKeys(o, {"bidder", "max", "quantity", "at", "item"}, where);
    RivalBid bid;
    bid.bidder = text(o, "bidder", where);
    if (bid.bidder.empty()) fail(where, "a bid needs a \"bidder\"");
    bid.max = centsFromDouble(number(o, "max", where, 0));
    if (bid.max <= 0) fail(where, "a bid needs a \"max\" above 0");
    bid.quantity = static_cast<int>(number(o, "quantity", where, 1));
    if (bid.quantity < 1) fail(where, "\"quantity\" must be at least 1");
    bid.atMs = msFromSeconds(number(o, "at", where, 0));
    return bid;
}

Kind kindFrom(const std::string &name, const std::string &where) {
    static const std::pair<const char *, Kind> kinds[] = {
        {"auction", Kind::Auction},     {"dutch", Kind::Dutch},   {"fixedPrice", Kind::FixedPrice},
        {"store", Kind::Store},         {"motors", Kind::Motors}, {"live", Kind::Live},
        {"private", Kind::Private},     {"invalid", Kind::Invalid}};
    for (const auto &[key, kind] : kinds)
        if (name == key) return kind;
    fail(where, "unknown kind \"" + name + "\"");
}

AuctionSpec auctionFrom(const QJsonObject &o, const std::string &outer) {
    checkKeys(o,
              {"item", "kind", "title", "seller", "sellerRating", "currency", "currencyDisplay", "usdRate",
               "startPrice", "reserve", "quantity", "endsIn", "increments", "bids", "buyItNow", "location",
               "description", "showMinimumBid", "descriptionAnchor", "endedWording", "endedSellerForm",
               "bidCountForm", "priceLabel", "winnersCellForm", "blockedAtMakeBid"},
              outer);
    AuctionSpec a;
    a.item = text(o, "item", outer);
    if (a.item.empty() || a.item.find_first_not_of("0123456789") != std::string::npos)
        fail(outer, "an auction needs a numeric \"item\"");
    const std::string where = outer + " " + a.item;
    a.kind = kindFrom(text(o, "kind", where, "auction"), where);
    a.title = text(o, "title", where, "Item " + a.item);
    a.seller = text(o, "seller", where, "seller_" + a.item);
    a.sellerRating = static_cast<int>(number(o, "sellerRating", where, 42));
    a.currency = oneOf(o, "currency", where, "USD",
                       {"USD", "CHF", "C $", "GBP", "DM", "AU $", "NLG", "ITL", "FRF", "JPY", "EUR"});
    a.currencyDisplay = text(o, "currencyDisplay", where);
    a.usdRate = number(o, "usdRate", where, 0);
    a.startPrice = centsFromDouble(number(o, "startPrice", where, 1.0));
    if (a.startPrice <= 0) fail(where, "\"startPrice\" must be above 0");
    a.reserve = centsFromDouble(number(o, "reserve", where, 0));
    a.quantity = static_cast<int>(number(o, "quantity", where, 1));
    if (a.quantity < 1) fail(where, "\"quantity\" must be at least 1");
    if (a.kind == Kind::Dutch && a.quantity < 2) fail(where, "a dutch auction needs a \"quantity\" of 2 or more");
    if (!o.contains("endsIn") && a.kind != Kind::Invalid) fail(where, "\"endsIn\" (seconds after start) is missing");
    a.endsInMs = msFromSeconds(number(o, "endsIn", where, 0));
    if (o.contains("increments")) a.increments = parseIncrements(o.value("increments"), where);
    if (o.contains("bids")) {
        if (!o.value("bids").isArray()) fail(where, "\"bids\" must be a list");
        for (const QJsonValue &bid : o.value("bids").toArray()) a.bids.push_back(rivalBidFrom(bid.toObject(), where));
    }
    if (o.contains("buyItNow")) {
        const QJsonObject b = o.value("buyItNow").toObject();
        checkKeys(b, {"price", "buyer", "at"}, where + " buyItNow");
        BuyItNow bin{centsFromDouble(number(b, "price", where, 0)), text(b, "buyer", where), 0};
        bin.atMs = msFromSeconds(number(b, "at", where, 0));
        if (bin.price <= 0) fail(where, "\"buyItNow\" needs a \"price\"");
        a.buyItNow = bin;
    }
    a.location = text(o, "location", where, a.location);
    a.description = text(o, "description", where);
    a.showMinimumBid = flag(o, "showMinimumBid", where, true);
    a.descriptionAnchor = oneOf(o, "descriptionAnchor", where, "name", {"name", "bold", "none"});
    a.endedWording = oneOf(o, "endedWording", where, "Auction has ended.",
                           {"Auction has ended.", "Item has ended.", "Auction Ended", "This auction has ended.",
                            "Bidding is closed for this item."});
    a.endedSellerForm = oneOf(o, "endedSellerForm", where, "feedback", {"feedback", "rating", "listed"});
    a.bidCountForm = oneOf(o, "bidCountForm", where, "table", {"table", "script"});
    a.priceLabel = oneOf(o, "priceLabel", where, "Currently", {"Currently", "Current bid"});
    a.winnersCellForm = oneOf(o, "winnersCellForm", where, "A", {"A", "B"});
    a.blockedAtMakeBid = flag(o, "blockedAtMakeBid", where, false);
    return a;
}

QJsonObject objectOf(const std::string &json, const std::string &what) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    if (error.error != QJsonParseError::NoError)
        fail(what, "not valid JSON at offset " + std::to_string(error.offset) + ": " +
                       error.errorString().toStdString());
    if (!doc.isObject()) fail(what, "must be a JSON object");
    return doc.object();
}

int choice(const QJsonObject &o, const char *key, const std::string &where, int fallback, int count) {
    const int value = static_cast<int>(number(o, key, where, fallback));
    if (value < 1 || value > count) fail(where, std::string("\"") + key + "\" must be 1 to " + std::to_string(count));
    return value;
}

} // namespace

std::vector<Increment> standardIncrements() {
    return {{0, 5},          {100, 25},        {500, 50},        {2500, 100},      {10000, 250},
            {25000, 500},    {50000, 1000},    {100000, 2500},   {250000, 5000},   {500000, 10000}};
}

std::string kindName(Kind kind) {
    switch (kind) {
    case Kind::Auction: return "auction";
    case Kind::Dutch: return "dutch";
    case Kind::FixedPrice: return "fixedPrice";
    case Kind::Store: return "store";
    case Kind::Motors: return "motors";
    case Kind::Live: return "live";
    case Kind::Private: return "private";
    case Kind::Invalid: return "invalid";
    }
    return "auction";
}

Scenario parseScenario(const std::string &json) {
    const std::string where = "scenario";
    const QJsonObject o = objectOf(json, where);
    checkKeys(o,
              {"clockOffset", "timePage", "bidPages", "increments", "auctions", "accounts", "latency", "faults",
               "update", "comment"},
              where);
    Scenario s;
    s.clockOffsetMs = msFromSeconds(number(o, "clockOffset", where, 0));
    const QJsonObject timePage = o.value("timePage").toObject();
    checkKeys(timePage, {"marker", "dateForm"}, "timePage");
    s.timeMarker = choice(timePage, "marker", "timePage", 1, 2);
    s.timeDateForm = oneOf(timePage, "dateForm", "timePage", "short", {"short", "long"});
    const QJsonObject bidPages = o.value("bidPages").toObject();
    checkKeys(bidPages, {"keyForm", "confirmWording", "highBidderWording", "reserveWording"}, "bidPages");
    s.keyForm = choice(bidPages, "keyForm", "bidPages", 1, 2);
    s.confirmWording = choice(bidPages, "confirmWording", "bidPages", 1, 2);
    s.highBidderWording = choice(bidPages, "highBidderWording", "bidPages", 1, 2);
    s.reserveWording = choice(bidPages, "reserveWording", "bidPages", 1, 2);
    s.increments = o.contains("increments") ? parseIncrements(o.value("increments"), where) : standardIncrements();

    std::set<std::string> items;
    for (const QJsonValue &value : o.value("auctions").toArray()) {
        AuctionSpec a = auctionFrom(value.toObject(), "auction");
        if (!items.insert(a.item).second) fail("auction " + a.item, "item number used twice");
        s.auctions.push_back(std::move(a));
    }
    for (const QJsonValue &value : o.value("accounts").toArray()) {
        const QJsonObject a = value.toObject();
        checkKeys(a, {"id", "password", "registered", "blockedBy", "watching"}, "account");
        Account account;
        account.id = text(a, "id", "account");
        if (account.id.empty()) fail("account", "an account needs an \"id\"");
        account.password = text(a, "password", "account " + account.id);
        account.registered = flag(a, "registered", "account " + account.id, true);
        for (const QJsonValue &seller : a.value("blockedBy").toArray())
            account.blockedBy.push_back(seller.toString().toStdString());
        for (const QJsonValue &item : a.value("watching").toArray())
            account.watching.push_back(item.isDouble() ? QString::number(item.toDouble(), 'f', 0).toStdString()
                                                       : item.toString().toStdString());
        s.accounts.push_back(std::move(account));
    }
    for (const QJsonValue &value : o.value("latency").toArray()) {
        const QJsonObject l = value.toObject();
        checkKeys(l, {"match", "ms"}, "latency");
        s.latency.push_back({text(l, "match", "latency"), static_cast<int>(number(l, "ms", "latency", 0))});
    }
    for (const QJsonValue &value : o.value("faults").toArray()) {
        const QJsonObject f = value.toObject();
        checkKeys(f, {"match", "method", "kind", "delayMs", "count"}, "fault");
        Fault fault;
        fault.match = text(f, "match", "fault");
        fault.method = text(f, "method", "fault");
        fault.kind = oneOf(f, "kind", "fault", "", {"empty", "drop", "slow", "firewall"});
        fault.delayMs = static_cast<int>(number(f, "delayMs", "fault", fault.kind == "slow" ? 5000 : 0));
        fault.count = static_cast<int>(number(f, "count", "fault", -1));
        s.faults.push_back(fault);
    }
    const QJsonObject update = o.value("update").toObject();
    checkKeys(update, {"currentVersion", "earliestCompatible", "upgradeInstructions", "ini"}, "update");
    s.currentVersion = text(update, "currentVersion", "update", s.currentVersion);
    s.earliestCompatible = text(update, "earliestCompatible", "update", s.earliestCompatible);
    s.upgradeInstructions = text(update, "upgradeInstructions", "update",
                                 "This version of Bid Warden is too old to be updated directly.\r\n"
                                 "Remove it, then install the newest version.\r\n");
    const QJsonObject ini = update.value("ini").toObject();
    for (auto section = ini.begin(); section != ini.end(); ++section) {
        std::vector<std::pair<std::string, std::string>> keys;
        const QJsonObject entries = section.value().toObject();
        for (auto key = entries.begin(); key != entries.end(); ++key)
            keys.emplace_back(key.key().toStdString(), key.value().toString().toStdString());
        s.extraIni.emplace_back(section.key().toStdString(), std::move(keys));
    }
    return s;
}

AuctionSpec parseAuction(const std::string &json) { return auctionFrom(objectOf(json, "auction"), "auction"); }

RivalBid parseRivalBid(const std::string &json, std::string &item) {
    const QJsonObject o = objectOf(json, "bid");
    item = text(o, "item", "bid");
    if (item.empty()) fail("bid", "a bid needs an \"item\"");
    return rivalBidFrom(o, "bid");
}

} // namespace marketsim
