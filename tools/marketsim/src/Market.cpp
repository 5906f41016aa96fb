#include "Market.h"

#include "PacificTime.h"
#include "Pages.h"
#include "Wave.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace marketsim {

namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

HttpAnswer html(const std::string &page, const std::string &outcome, int status = 200) {
    HttpAnswer answer;
    answer.status = status;
    answer.body = utf8ToCp1252(page);
    answer.outcome = outcome;
    return answer;
}

std::string shortHash(const std::string &text) {
    unsigned hash = 2166136261u;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    static const char *hex = "0123456789abcdef";
    std::string out;
    for (int i = 0; i < 6; ++i) out += hex[(hash >> (4 * i)) & 15];
    return out;
}

std::string value(const FormValues &form, const std::string &key) {
    const auto it = form.find(key);
    return it == form.end() ? std::string() : it->second;
}

int wholeNumber(const std::string &text, int fallback) {
    const std::string t = trim(text);
    if (t.empty() || t.size() > 9 || t.find_first_not_of("0123456789") != std::string::npos) return fallback;
    return std::stoi(t);
}

// The command of an ISAPI request: MfcISAPICommand wins, else the first word of the query.
std::string commandOf(const std::string &query, const FormValues &form) {
    const std::string named = value(form, "MfcISAPICommand");
    if (!named.empty()) return named;
    const std::string first = query.substr(0, query.find('&'));
    return first.substr(0, first.find('='));
}

FormValues formOf(const HttpRequest &request) {
    FormValues form = parseForm(request.query);
    for (auto &[key, val] : parseForm(request.body)) form.emplace(key, val);
    return form;
}

bool isIsapiPath(const std::string &lowerPath) {
    return lowerPath == "/ws/ebayisapi.dll" || lowerPath == "/aw-cgi/ebayisapi.dll" ||
           lowerPath == "/ebaymotors/aw-cgi/ebayisapi.dll";
}

std::string maskPasswords(const std::string &body) {
    std::string out = body;
    std::size_t pos = 0;
    while ((pos = out.find("pass=", pos)) != std::string::npos) {
        if (pos > 0 && out[pos - 1] != '&') {
            pos += 5;
            continue;
        }
        const std::size_t end = out.find('&', pos);
        out.replace(pos + 5, (end == std::string::npos ? out.size() : end) - pos - 5, "***");
        pos += 8;
    }
    return out;
}

QJsonObject entryJson(const RequestLogEntry &e) {
    return QJsonObject{{"seq", static_cast<double>(e.seq)},
                       {"arrivalMs", static_cast<double>(e.arrivalMs)},
                       {"arrival", QString::fromStdString(e.arrivalText)},
                       {"method", QString::fromStdString(e.method)},
                       {"target", QString::fromStdString(e.target)},
                       {"body", QString::fromStdString(e.body)},
                       {"command", QString::fromStdString(e.command)},
                       {"item", QString::fromStdString(e.item)},
                       {"outcome", QString::fromStdString(e.outcome)},
                       {"fault", QString::fromStdString(e.fault)}};
}

double money(Cents cents) { return static_cast<double>(cents) / 100.0; }

} // namespace

Cents incrementAt(const std::vector<Increment> &table, Cents price) {
    Cents step = table.empty() ? 1 : table.front().step;
    for (const Increment &row : table)
        if (row.from <= price) step = row.step;
    return step;
}

Standing computeStanding(const AuctionSpec &spec, const std::vector<Increment> &table,
                         const std::vector<PlacedBid> &bids) {
    Standing st;
    st.bidCount = static_cast<int>(bids.size());
    if (spec.kind == Kind::FixedPrice || spec.kind == Kind::Store) {
        st.bidCount = 0;
        for (const PlacedBid &bid : bids) st.bidCount += bid.quantity;  // units bought
        st.price = st.minimumBid = spec.startPrice;
        return st;
    }

    // Each bidder's highest maximum, dated by the bid that set it.
    std::vector<PlacedBid> best;
    for (const PlacedBid &bid : bids) {
        auto it = std::find_if(best.begin(), best.end(), [&](const PlacedBid &b) { return b.bidder == bid.bidder; });
        if (it == best.end()) best.push_back(bid);
        else if (bid.max > it->max) *it = bid;
    }
    std::stable_sort(best.begin(), best.end(), [](const PlacedBid &a, const PlacedBid &b) {
        return a.max != b.max ? a.max > b.max : a.atMs < b.atMs;
    });

    st.price = spec.startPrice;
    st.minimumBid = spec.startPrice;
    st.reserveMet = spec.reserve == 0;
    if (best.empty()) return st;
    st.highBidder = best.front().bidder;
    st.highMax = best.front().max;

    if (spec.kind == Kind::Dutch) {
        int remaining = spec.quantity, demand = 0;
        for (const PlacedBid &bid : best) {
            demand += bid.quantity;
            const int take = std::min(bid.quantity, remaining);
            if (take > 0) st.winners.push_back({bid.bidder, bid.max, take});
            remaining -= take;
        }
        if (demand >= spec.quantity) {
            st.price = st.winners.back().max;  // every winner pays the lowest winning bid
            st.minimumBid = st.price + incrementAt(table, st.price);
        }
        return st;
    }

    if (best.size() > 1) {
        const Cents second = best[1].max;
        st.price = best[0].max == second ? second : std::min(best[0].max, second + incrementAt(table, second));
        st.price = std::max(st.price, spec.startPrice);
    }
    if (spec.reserve > 0 && best[0].max >= spec.reserve) {
        st.reserveMet = true;
        st.price = std::max(st.price, spec.reserve);
    }
    st.minimumBid = st.price + incrementAt(table, st.price);
    return st;
}

Market::Market(Scenario scenario, const MachineClock &clock) : scenario_(std::move(scenario)), clock_(clock) {
    startMs_ = (clock_.nowMs() + scenario_.clockOffsetMs) / 1000 * 1000;
    for (const AuctionSpec &spec : scenario_.auctions) auctions_.push_back(makeState(spec, startMs_));
    advanceLocked(nowLocked());
}

AuctionState Market::makeState(AuctionSpec spec, std::int64_t originMs) const {
    AuctionState a;
    a.spec = std::move(spec);
    a.endMs = originMs + a.spec.endsInMs;
    a.table = a.spec.increments.empty() ? scenario_.increments : a.spec.increments;
    for (RivalBid bid : a.spec.bids) {
        bid.atMs += originMs;
        a.pending.push_back(bid);
    }
    std::stable_sort(a.pending.begin(), a.pending.end(),
                     [](const RivalBid &x, const RivalBid &y) { return x.atMs < y.atMs; });
    if (a.spec.buyItNow) a.spec.buyItNow->atMs += originMs;
    a.standing = computeStanding(a.spec, a.table, a.bids);
    return a;
}

std::int64_t Market::nowLocked() const { return clock_.nowMs() + scenario_.clockOffsetMs; }

std::int64_t Market::marketNowMs() const {
    std::lock_guard lock(mutex_);
    return nowLocked();
}

void Market::advanceLocked(std::int64_t now) {
    for (AuctionState &a : auctions_) advanceAuction(a, now);
}

void Market::advanceAuction(AuctionState &a, std::int64_t now) {
    for (;;) {
        const std::int64_t bidAt = a.pending.empty() ? kNever : a.pending.front().atMs;
        const auto &bin = a.spec.buyItNow;
        const bool binDue = bin && !bin->buyer.empty() && !a.purchased && bin->atMs < a.endMs;
        const std::int64_t binAt = binDue ? bin->atMs : kNever;
        const std::int64_t next = std::min(bidAt, binAt);
        if (next == kNever || next > now) return;
        if (binAt <= bidAt) {
            a.purchased = true;
            a.buyer = bin->buyer;
            a.endMs = binAt;
            a.standing.price = bin->price;
            a.standing.highBidder = bin->buyer;
            a.standing.minimumBid = 0;
            continue;
        }
        const RivalBid bid = a.pending.front();
        a.pending.erase(a.pending.begin());
        const BidResult result = tryBid(a, bid.bidder, bid.max, bid.quantity, bid.atMs);
        if (result != BidResult::Accepted)
            a.refused.push_back(bid.bidder + " " + plainMoney(bid.max) + " at " + marketTime(bid.atMs) +
                                (result == BidResult::Ended ? ": after the end" : ": below the minimum"));
    }
}

BidResult Market::tryBid(AuctionState &a, const std::string &bidder, Cents max, int quantity, std::int64_t at) {
    if (at >= a.endMs || a.spec.kind == Kind::Invalid) return BidResult::Ended;
    if (isFixedPrice(a.spec)) {
        if (quantity > a.spec.quantity - a.standing.bidCount) return BidResult::BelowMinimum;
    } else if (max < a.standing.minimumBid) {
        return BidResult::BelowMinimum;
    }
    if (a.spec.kind != Kind::Dutch && !isFixedPrice(a.spec)) quantity = 1;
    a.bids.push_back({bidder, max, std::clamp(quantity, 1, a.spec.quantity), at});
    a.standing = computeStanding(a.spec, a.table, a.bids);
    if (isFixedPrice(a.spec) && a.standing.bidCount >= a.spec.quantity) a.endMs = at + 1;  // sold out
    return BidResult::Accepted;
}

AuctionState *Market::find(const std::string &item) {
    const std::string wanted = trim(item);
    for (AuctionState &a : auctions_)
        if (a.spec.item == wanted) return &a;
    return nullptr;
}

const Account *Market::account(const std::string &id) const {
    for (const Account &a : scenario_.accounts)
        if (equalsNoCase(a.id, id)) return &a;
    return nullptr;
}

std::string Market::sessionUser(const std::string &cookie) const {
    const std::string name = "simsession=";
    std::size_t pos = cookie.find(name);
    if (pos == std::string::npos) return "";
    pos += name.size();
    const std::string token = cookie.substr(pos, cookie.find(';', pos) - pos);
    const auto it = sessions_.find(token);
    return it == sessions_.end() ? "" : it->second;
}

BidResult Market::placeBid(const std::string &item, const std::string &bidder, Cents max, int quantity) {
    std::lock_guard lock(mutex_);
    const std::int64_t now = nowLocked();
    advanceLocked(now);
    AuctionState *a = find(item);
    if (!a) return BidResult::Ended;
    return tryBid(*a, bidder, max, quantity, now);
}

std::optional<Standing> Market::standing(const std::string &item) {
    std::lock_guard lock(mutex_);
    advanceLocked(nowLocked());
    const AuctionState *a = find(item);
    if (!a) return std::nullopt;
    return a->standing;
}

Admission Market::admit(const HttpRequest &request) {
    std::lock_guard lock(mutex_);
    Admission admission;
    admission.seq = nextSeq_++;
    RequestLogEntry entry;
    entry.seq = admission.seq;
    entry.arrivalMs = nowLocked();
    entry.arrivalText = logDateTime(pacificTime(entry.arrivalMs));
    entry.method = request.method;
    entry.target = request.path + (request.query.empty() ? "" : "?" + request.query);
    entry.body = maskPasswords(request.body);
    const FormValues form = formOf(request);
    if (isIsapiPath(lower(request.path))) entry.command = commandOf(request.query, form);
    entry.item = value(form, "item");
    for (Fault &fault : scenario_.faults) {
        if (fault.count == 0) continue;
        if (!fault.method.empty() && !equalsNoCase(fault.method, request.method)) continue;
        if (entry.target.find(fault.match) == std::string::npos && request.body.find(fault.match) == std::string::npos)
            continue;
        if (fault.count > 0) --fault.count;
        admission.fault = fault;
        entry.fault = fault.kind;
        break;
    }
    for (const Latency &latency : scenario_.latency)
        if (entry.target.find(latency.match) != std::string::npos || request.body.find(latency.match) != std::string::npos) {
            admission.latencyMs = latency.ms;
            break;
        }
    log_.push_back(std::move(entry));
    return admission;
}

void Market::finish(std::int64_t seq, const HttpAnswer &answer, const std::string &fault) {
    std::lock_guard lock(mutex_);
    if (seq < 1 || seq > static_cast<std::int64_t>(log_.size())) return;
    RequestLogEntry &entry = log_[static_cast<std::size_t>(seq - 1)];
    if (!answer.command.empty()) entry.command = answer.command;
    if (!answer.item.empty()) entry.item = answer.item;
    entry.outcome = answer.outcome;
    if (!fault.empty()) entry.fault = fault;
}

std::vector<RequestLogEntry> Market::log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

HttpAnswer Market::handle(const HttpRequest &request) {
    std::lock_guard lock(mutex_);
    advanceLocked(nowLocked());
    const std::string base = "http://" + (request.host.empty() ? std::string("127.0.0.1") : request.host);
    const std::string path = lower(request.path);
    const FormValues form = formOf(request);
    if (isIsapiPath(path)) {
        HttpAnswer answer = isapi(request, commandOf(request.query, form), form);
        answer.command = commandOf(request.query, form);
        if (answer.item.empty()) answer.item = trim(value(form, "item"));
        return answer;
    }
    PageContext ctx{base, nowLocked(), &scenario_};
    if (path == "/") {
        std::vector<const AuctionState *> open;
        for (const AuctionState &a : auctions_)
            if (a.spec.kind != Kind::Invalid && !isEnded(a, ctx.nowMs)) open.push_back(&a);
        return html(homePage(ctx, open), "home");
    }
    if (path == "/search/items/basicsearch.html") return html(searchPage(ctx), "search");
    if (HttpAnswer update = updateServer(base, path); update.status != 404) return update;
    return html(notFoundPage(request.path), "not-found", 404);
}

HttpAnswer Market::updateServer(const std::string &base, const std::string &path) {
    HttpAnswer answer;
    if (path == "/bidwarden.ini") {
        std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections = {
            {"Application",
             {{"CurrentVersion", scenario_.currentVersion}, {"EarliestCompatible", scenario_.earliestCompatible}}},
            {"URLs",
             {{"IniFile", base + "/BidWarden.ini"},
              {"HelpURL", base + "/help"},
              {"UpgradeInstructions", base + "/UpgradeInstructions.txt"},
              {"Wave", base + "/"}}}};
        for (const auto &[name, keys] : scenario_.extraIni) {
            auto section = std::find_if(sections.begin(), sections.end(),
                                        [&](const auto &s) { return equalsNoCase(s.first, name); });
            if (section == sections.end()) section = sections.insert(sections.end(), {name, {}});
            for (const auto &[key, val] : keys) {
                auto existing = std::find_if(section->second.begin(), section->second.end(),
                                             [&](const auto &k) { return equalsNoCase(k.first, key); });
                if (existing != section->second.end()) existing->second = val;
                else section->second.emplace_back(key, val);
            }
        }
        std::string ini;
        for (const auto &[name, keys] : sections) {
            ini += "[" + name + "]\r\n";
            for (const auto &[key, val] : keys) ini += key + "=" + val + "\r\n";
            ini += "\r\n";
        }
        answer.body = utf8ToCp1252(ini);
        answer.contentType = "text/plain; charset=windows-1252";
        answer.outcome = "ini";
    } else if (path == "/upgradeinstructions.txt") {
        answer.body = utf8ToCp1252(scenario_.upgradeInstructions);
        answer.contentType = "text/plain; charset=windows-1252";
        answer.outcome = "upgrade-instructions";
    } else if (path == "/help") {
        PageContext ctx{base, nowLocked(), &scenario_};
        return html(helpPage(ctx), "help");
    } else if (path == "/alert.wav" || path == "/woohoo.wav") {
        answer.body = path == "/alert.wav" ? alertWave() : woohooWave();
        answer.contentType = "audio/wav";
        answer.outcome = "sound";
    } else {
        answer.status = 404;
    }
    return answer;
}

HttpAnswer Market::isapi(const HttpRequest &request, const std::string &command, const FormValues &form) {
    const std::string base = "http://" + (request.host.empty() ? std::string("127.0.0.1") : request.host);
    PageContext ctx{base, nowLocked(), &scenario_};
    const std::string c = lower(command);
    const bool motorsPath = lower(request.path).rfind("/ebaymotors/", 0) == 0;
    const std::string item = trim(value(form, "item"));
    AuctionState *a = find(item);
    const bool valid = a && a->spec.kind != Kind::Invalid;

    if (c == "viewitem") {
        if (!valid) return html(invalidItemPage(ctx, item), "invalid");
        return html(itemPage(ctx, *a), isEnded(*a, ctx.nowMs) ? "ended" : "running");
    }
    if (c == "viewbidsdutchhighbidder") {
        if (!valid) return html(invalidItemPage(ctx, item), "invalid");
        return html(winnersPage(ctx, *a), "winners");
    }
    if (c == "viewbids") {
        if (!valid) return html(invalidItemPage(ctx, item), "invalid");
        return html(bidHistoryPage(ctx, *a), "bid-history");
    }
    if (c == "timeshow") return html(timePage(ctx), "time");
    if (c == "makebid") return makeBid(request, form, motorsPath);
    if (c == "acceptbid") return acceptBid(request, form, motorsPath);

    if (c == "viewsellersotheritems" || c == "viewlisteditems" || c == "viewbiditems") {
        const std::string id = trim(value(form, "userid"));
        const int rows = wholeNumber(value(form, "rows"), 0);
        const bool bySeller = c != "viewbiditems";
        std::vector<const AuctionState *> list;
        for (const AuctionState &x : auctions_) {
            if (x.spec.kind == Kind::Invalid || isEnded(x, ctx.nowMs)) continue;
            const bool hit = bySeller ? equalsNoCase(x.spec.seller, id)
                                      : std::any_of(x.bids.begin(), x.bids.end(), [&](const PlacedBid &b) {
                                            return equalsNoCase(b.bidder, id);
                                        });
            if (hit) list.push_back(&x);
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const AuctionState *x, const AuctionState *y) { return x->endMs < y->endMs; });
        if (rows > 0 && static_cast<int>(list.size()) > rows) list.resize(static_cast<std::size_t>(rows));
        const std::string title = (bySeller ? "Items for sale by " : "Items bid on by ") + htmlEscape(id);
        return html(itemListPage(ctx, title, list), bySeller ? "seller-items" : "bidder-items");
    }
    if (c == "myebaylogin") return html(signInPage(ctx, "", false), "sign-in");
    if (c == "myebayaccount") {
        const std::string user = sessionUser(request.cookie);
        if (user.empty()) return html(signInPage(ctx, trim(value(form, "userid")), false), "sign-in");
        return html(accountPage(ctx, user), "account");
    }
    if (c == "signin" || c == "signinwelcome") return signIn(base, form);
    if (c == "myebayitemsbiddingon") {
        const std::string user = sessionUser(request.cookie);
        if (user.empty()) return html(signInPage(ctx, trim(value(form, "userid")), false), "sign-in");
        std::vector<const AuctionState *> bidOn, watching;
        for (const AuctionState &x : auctions_) {
            if (x.spec.kind == Kind::Invalid || isEnded(x, ctx.nowMs)) continue;
            if (std::any_of(x.bids.begin(), x.bids.end(), [&](const PlacedBid &b) { return b.bidder == user; }))
                bidOn.push_back(&x);
        }
        if (const Account *acct = account(user))
            for (const std::string &number : acct->watching)
                if (const AuctionState *x = find(number); x && x->spec.kind != Kind::Invalid) watching.push_back(x);
        return html(biddingOnPage(ctx, user, bidOn, watching), "bidding-on");
    }
    const std::string member = htmlEscape(trim(value(form, "userid")) + trim(value(form, "requested")) +
                                          trim(value(form, "useridto")));
    if (c == "viewfeedback" || c == "question" || c == "leavefeedbackshow" || c == "returnuseremail")
        return html(answerPage(ctx, "Member " + member, "This member page is not part of the simulation."), "member");
    return html(answerPage(ctx, "Unknown request", "The command " + htmlEscape(command) + " is not known here."),
                "unknown", 404);
}

HttpAnswer Market::makeBid(const HttpRequest &request, const FormValues &form, bool motorsPath) {
    const std::string base = "http://" + (request.host.empty() ? std::string("127.0.0.1") : request.host);
    PageContext ctx{base, nowLocked(), &scenario_};
    const std::string item = trim(value(form, "item"));
    AuctionState *a = find(item);
    if (!a || a->spec.kind == Kind::Invalid)
        return html(answerPage(ctx, "Invalid Item", "The item number " + htmlEscape(item) +
                                                        " is not known. Check the number and try again."),
                    "invalid");
    const AuctionSpec &s = a->spec;
    if (isEnded(*a, ctx.nowMs)) {
        std::string message = std::string(isFixedPrice(s) ? "This item ended" : "This auction ended") + " on " +
                              marketTime(a->endMs) + "; bids are no longer taken.";
        if (a->purchased) message += " It was bought with Buy It Now.";
        return html(answerPage(ctx, "Bidding is over", message), "ended");
    }
    if (isFixedPrice(s))
        return html(answerPage(ctx, "Fixed price listing",
                               "This listing is sold at its Buy It Now price only; it takes no bids."),
                    "fixed-price");
    const std::string sessionId = sessionUser(request.cookie);
    const Account *signedIn = sessionId.empty() ? nullptr : account(sessionId);
    const bool blocked =
        s.blockedAtMakeBid || (signedIn && std::any_of(signedIn->blockedBy.begin(), signedIn->blockedBy.end(),
                                                      [&](const std::string &x) { return equalsNoCase(x, s.seller); }));
    if (blocked)
        return html(answerPage(ctx, "Bid not allowed",
                               "The seller of this item has decided that you are not permitted to bid on their "
                               "listings."),
                    "blocked");
    const std::optional<Cents> max = parseMoney(value(form, "maxbid"));
    if (!max || *max < a->standing.minimumBid)
        return html(answerPage(ctx, "Problem with bid amount",
                               "Your maximum bid must be at least " + moneyText(s, a->standing.minimumBid) +
                                   ". Enter a higher amount."),
                    "bad-amount");
    int quantity = s.kind == Kind::Dutch ? wholeNumber(value(form, "quant"), 1) : 1;
    if (quantity < 1 || quantity > s.quantity)
        return html(answerPage(ctx, "Problem with bid quantity",
                               "You can bid on 1 to " + std::to_string(s.quantity) + " of this item."),
                    "bad-quantity");
    const std::string key = item + "-" + std::to_string(nextKey_++) + "-" + shortHash(item + plainMoney(*max));
    keys_[key] = {item, *max, quantity, false};
    const std::string bidPath = motorsPath ? "/ebaymotors/aw-cgi/eBayISAPI.dll" : "/aw-cgi/eBayISAPI.dll";
    return html(confirmBidPage(ctx, *a, bidPath, key, *max, quantity), "confirm");
}

HttpAnswer Market::acceptBid(const HttpRequest &request, const FormValues &form, bool motorsPath) {
    const std::string base = "http://" + (request.host.empty() ? std::string("127.0.0.1") : request.host);
    PageContext ctx{base, nowLocked(), &scenario_};
    const std::string item = trim(value(form, "item"));
    AuctionState *a = find(item);
    if (!a || a->spec.kind == Kind::Invalid)
        return html(answerPage(ctx, "Invalid Item", "The item number " + htmlEscape(item) + " is not known."),
                    "invalid");
    const auto key = keys_.find(value(form, "key"));
    if (key == keys_.end() || key->second.used || key->second.item != item)
        return html(answerPage(ctx, "Bid not confirmed",
                               "This confirmation is not valid any more. Go back to the item and bid again."),
                    "bad-key");
    const std::string userId = trim(value(form, "userid"));
    if (userId.empty())
        return html(answerPage(ctx, "Sign-in problem", "Your User ID is not valid. Check it and try again."),
                    "bad-id");
    const Account *acct = account(userId);
    if (!acct)
        return html(answerPage(ctx, "Sign-in problem",
                               "<b>" + htmlEscape(userId) + "</b> is not a registered " +
                                   (motorsPath ? "eBayMotors" : "eBay") + " user."),
                    "unknown-user");
    if (acct->password != value(form, "pass"))
        return html(answerPage(ctx, "Sign-in problem",
                               "The <a href=\"" + base + "/help\">User ID</a> or Password invalid. Check both and try "
                               "again."),
                    "bad-password");
    if (!acct->registered)
        return html(answerPage(ctx, "Registration",
                               "Your registration is not yet confirmed. Follow the link in the mail we sent you."),
                    "not-registered");
    key->second.used = true;
    const AuctionSpec &s = a->spec;
    if (isEnded(*a, ctx.nowMs))
        return html(answerPage(ctx, "Bidding closed", "Sorry, bidding is closed\r\nfor this item."), "closed");
    if (std::any_of(acct->blockedBy.begin(), acct->blockedBy.end(),
                    [&](const std::string &x) { return equalsNoCase(x, s.seller); }))
        return html(answerPage(ctx, "Bid not allowed",
                               "The seller has decided that you are not permitted to bid on their listings."),
                    "blocked");
    if (equalsNoCase(acct->id, s.seller))
        return html(answerPage(ctx, "Own item", "Sellers cannot bid on their own items."), "own-item");

    const BidResult result = tryBid(*a, acct->id, key->second.max, key->second.quantity, ctx.nowMs);
    if (result == BidResult::Ended)
        return html(answerPage(ctx, "Bidding closed", "Sorry, bidding is closed\r\nfor this item."), "closed");
    if (result == BidResult::BelowMinimum)
        return html(answerPage(ctx, "Problem with bid amount",
                               "Your maximum bid must be at least " + moneyText(s, a->standing.minimumBid) + "."),
                    "bad-amount");
    const Standing &st = a->standing;
    const bool leading = s.kind == Kind::Dutch
                             ? std::any_of(st.winners.begin(), st.winners.end(),
                                           [&](const Winner &w) { return w.bidder == acct->id; })
                             : st.highBidder == acct->id;
    const std::string current = " The current bid is " + moneyText(s, st.price) + ".";
    if (leading && !st.reserveMet)
        return html(answerPage(ctx, "Bid placed",
                               scenario_.reserveWording == 1
                                   ? "You are the current high bidder. But the reserve price has not yet been met." +
                                         current
                                   : "Your bid is below the reserve price. Please go back and bid a higher price." +
                                         current),
                    "reserve-not-met");
    if (!leading)
        return html(answerPage(ctx, "Bid placed",
                               "You have been outbid by another bidder. Another bidder's maximum is higher than "
                               "yours." + current),
                    "outbid");
    return html(answerPage(ctx, "Bid placed",
                           (scenario_.highBidderWording == 1 ? std::string("You are the current high bidder.")
                                                             : std::string("Your bid is confirmed!")) +
                               current),
                "high-bidder");
}

HttpAnswer Market::signIn(const std::string &base, const FormValues &form) {
    PageContext ctx{base, nowLocked(), &scenario_};
    const std::string userId = trim(value(form, "userid"));
    const Account *acct = account(userId);
    if (!acct || acct->password != value(form, "pass"))
        return html(signInPage(ctx, userId, true), "sign-in-invalid");
    const std::string token = "s" + std::to_string(nextKey_++) + shortHash(acct->id);
    sessions_[token] = acct->id;
    HttpAnswer answer = html(accountPage(ctx, acct->id), "signed-in");
    answer.headers.emplace_back("Set-Cookie", "simsession=" + token + "; Path=/");
    return answer;
}

std::string Market::stateJson() const {
    std::lock_guard lock(mutex_);
    const std::int64_t now = nowLocked();
    QJsonArray auctions;
    for (const AuctionState &a : auctions_) {
        const AuctionSpec &s = a.spec;
        QJsonArray bids, refused, winners;
        for (const PlacedBid &b : a.bids)
            bids.append(QJsonObject{{"bidder", QString::fromStdString(b.bidder)},
                                    {"max", money(b.max)},
                                    {"quantity", b.quantity},
                                    {"atMs", static_cast<double>(b.atMs)},
                                    {"at", QString::fromStdString(logDateTime(pacificTime(b.atMs)))}});
        for (const std::string &r : a.refused) refused.append(QString::fromStdString(r));
        for (const Winner &w : a.standing.winners)
            winners.append(QJsonObject{{"bidder", QString::fromStdString(w.bidder)}, {"quantity", w.quantity}});
        auctions.append(QJsonObject{{"item", QString::fromStdString(s.item)},
                                    {"kind", QString::fromStdString(kindName(s.kind))},
                                    {"title", QString::fromStdString(s.title)},
                                    {"seller", QString::fromStdString(s.seller)},
                                    {"currency", QString::fromStdString(s.currency)},
                                    {"quantity", s.quantity},
                                    {"price", money(a.standing.price)},
                                    {"minimumBid", money(a.standing.minimumBid)},
                                    {"bidCount", a.standing.bidCount},
                                    {"highBidder", QString::fromStdString(a.standing.highBidder)},
                                    {"reserve", money(s.reserve)},
                                    {"reserveMet", a.standing.reserveMet},
                                    {"endMs", static_cast<double>(a.endMs)},
                                    {"ends", QString::fromStdString(marketTime(a.endMs))},
                                    {"ended", s.kind != Kind::Invalid && now >= a.endMs},
                                    {"purchasedBy", QString::fromStdString(a.buyer)},
                                    {"bids", bids},
                                    {"pendingBids", static_cast<int>(a.pending.size())},
                                    {"refusedBids", refused},
                                    {"winners", winners}});
    }
    QJsonArray log;
    for (const RequestLogEntry &e : log_) log.append(entryJson(e));
    const QJsonObject state{{"nowMs", static_cast<double>(now)},
                            {"now", QString::fromStdString(logDateTime(pacificTime(now)))},
                            {"startMs", static_cast<double>(startMs_)},
                            {"clockOffsetMs", static_cast<double>(scenario_.clockOffsetMs)},
                            {"auctions", auctions},
                            {"log", log}};
    return QJsonDocument(state).toJson(QJsonDocument::Indented).toStdString();
}

std::string Market::logJson(std::int64_t sinceSeq) const {
    std::lock_guard lock(mutex_);
    QJsonArray log;
    for (const RequestLogEntry &e : log_)
        if (e.seq > sinceSeq) log.append(entryJson(e));
    return QJsonDocument(log).toJson(QJsonDocument::Indented).toStdString();
}

std::string Market::addAuction(const std::string &json) {
    AuctionSpec spec = parseAuction(json);
    std::lock_guard lock(mutex_);
    if (find(spec.item)) throw std::invalid_argument("auction " + spec.item + ": item number used twice");
    const std::int64_t now = nowLocked();
    auctions_.push_back(makeState(std::move(spec), now / 1000 * 1000));
    advanceAuction(auctions_.back(), now);
    return auctions_.back().spec.item;
}

std::string Market::addRivalBid(const std::string &json) {
    std::string item;
    RivalBid bid = parseRivalBid(json, item);
    std::lock_guard lock(mutex_);
    const std::int64_t now = nowLocked();
    advanceLocked(now);
    AuctionState *a = find(item);
    if (!a) throw std::invalid_argument("bid: no auction " + item);
    bid.atMs += now;
    a->pending.insert(std::upper_bound(a->pending.begin(), a->pending.end(), bid,
                                       [](const RivalBid &x, const RivalBid &y) { return x.atMs < y.atMs; }),
                      bid);
    const std::size_t refusedBefore = a->refused.size();
    advanceAuction(*a, now);
    if (a->refused.size() > refusedBefore) return "refused: " + a->refused.back();
    return bid.atMs > now ? "scheduled" : "accepted";
}

void Market::setClockOffsetMs(std::int64_t offsetMs) {
    std::lock_guard lock(mutex_);
    scenario_.clockOffsetMs = offsetMs;
}

} // namespace marketsim
