#include "Pages.h"

#include "PacificTime.h"

#include <cmath>
#include <map>

namespace marketsim {

namespace {

constexpr std::int64_t kWeekMs = 7LL * 24 * 3600 * 1000;

std::string head(const std::string &title) {
    return "<html>\r\n<head>\r\n<title>" + title +
           "</title>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n";
}

std::string banner(const PageContext &ctx) {
    const std::string &b = ctx.base;
    return "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\"><tr>\r\n"
           "<td width=\"150\"><a href=\"" + b + "/\"><img src=\"" + b +
           "/pics/logo.gif\" width=\"150\" height=\"70\" border=\"0\" alt=\"home\"></a></td>\r\n"
           "<td align=\"right\" valign=\"bottom\"><font size=\"2\"><a href=\"" + b + "/\">home</a> | <a href=\"" + b +
           "/ws/eBayISAPI.dll?MyEbayLogin\">my account</a> | <a href=\"" + b +
           "/search/items/basicsearch.html\">search</a> | <a href=\"" + b + "/help\">help</a></font></td>\r\n"
           "</tr></table>\r\n";
}

std::string footer() {
    return "<hr>\n<font size=\"1\">This page comes from the local marketplace simulator. "
           "All names and items on it are made up.</font>\r\n</body>\r\n</html>\r\n";
}

int ratingOf(const std::string &id) {
    unsigned hash = 7;
    for (const char c : id) hash = hash * 31 + static_cast<unsigned char>(c);
    return static_cast<int>(hash % 900) + 3;
}

std::string userLink(const PageContext &ctx, const std::string &id) {
    const std::string link = ctx.base + "/aw-cgi/eBayISAPI.dll?ViewFeedback&userid=" + linkEscape(id);
    return "<a href=\"" + link + "\">" + htmlEscape(id) + "</a> (<a href=\"" + link + "\">" +
           std::to_string(ratingOf(id)) + "</a>)";
}

std::string row(const std::string &label, const std::string &value) {
    return "<tr><td valign=\"top\"><font size=\"2\">" + label + "</font></td><td><font size=\"2\">" + value +
           "</font></td></tr>\r\n";
}

std::string defaultDisplay(const std::string &currency) {
    static const std::map<std::string, std::string> display = {
        {"USD", "US $"}, {"C $", "C $"}, {"AU $", "AU $"}};
    const auto it = display.find(currency);
    return it != display.end() ? it->second : currency + " ";
}

double defaultRate(const std::string &currency) {
    static const std::map<std::string, double> rates = {
        {"USD", 1.0},  {"CHF", 0.74}, {"C $", 0.76}, {"GBP", 1.62}, {"DM", 0.58},    {"AU $", 0.68},
        {"NLG", 0.52}, {"ITL", 0.0006}, {"FRF", 0.17}, {"JPY", 0.0092}, {"EUR", 1.14}};
    const auto it = rates.find(currency);
    return it != rates.end() ? it->second : 1.0;
}

std::string itemAddress(const PageContext &ctx, const std::string &item) {
    return ctx.base + "/ws/eBayISAPI.dll?ViewItem&amp;item=" + item;
}

} // namespace

bool isFixedPrice(const AuctionSpec &spec) { return spec.kind == Kind::FixedPrice || spec.kind == Kind::Store; }

bool isEnded(const AuctionState &auction, std::int64_t nowMs) { return nowMs >= auction.endMs; }

std::string moneyText(const AuctionSpec &spec, Cents amount) {
    const std::string display = spec.currencyDisplay.empty() ? defaultDisplay(spec.currency) : spec.currencyDisplay;
    return display + formatMoney(amount);
}

Cents usdValue(const AuctionSpec &spec, Cents amount) {
    const double rate = spec.usdRate > 0 ? spec.usdRate : defaultRate(spec.currency);
    return static_cast<Cents>(std::llround(static_cast<double>(amount) * rate));
}

std::string timeLeftText(std::int64_t ms) {
    const std::int64_t total = ms / 1000;
    const std::int64_t days = total / 86400, hours = total % 86400 / 3600, mins = total % 3600 / 60,
                       secs = total % 60;
    if (days > 0) return std::to_string(days) + " days " + std::to_string(hours) + " hours";
    if (hours > 0) return std::to_string(hours) + " hours " + std::to_string(mins) + " mins";
    return std::to_string(mins) + " mins " + std::to_string(secs) + " secs";
}

std::string marketTime(std::int64_t ms) {
    const WallTime t = pacificTime(ms);
    return shortDateTime(t) + " " + zoneName(t);
}

std::string itemPage(const PageContext &ctx, const AuctionState &a) {
    const AuctionSpec &s = a.spec;
    const Standing &st = a.standing;
    const std::string &b = ctx.base;
    const bool ended = isEnded(a, ctx.nowMs);
    const bool fixed = isFixedPrice(s);
    const bool motors = s.kind == Kind::Motors;
    const std::string title = htmlEscape(s.title);
    const std::string bidPath = motors ? "/ebaymotors/aw-cgi/eBayISAPI.dll" : "/aw-cgi/eBayISAPI.dll";
    const std::string seller = linkEscape(s.seller);

    std::string page = head("Item #" + s.item + " (Ends " + marketTime(a.endMs) + ") - " + title);
    if (s.bidCountForm == "script" && !fixed)
        page += "<script language=\"JavaScript\">\r\nvar itemNumBids = \"" + std::to_string(st.bidCount) +
                "\";\r\n</script>\r\n";
    page += "</head>\r\n<body bgcolor=\"#FFFFFF\" link=\"#0000FF\" vlink=\"#660099\">\r\n" + banner(ctx);

    if (motors)
        page += "<table border=\"0\" width=\"100%\"><tr><td><font size=\"2\"><b>eBay Motors item</b>: listed in "
                "Cars &amp; Trucks. <a href=\"" + b + bidPath + "?MfcISAPICommand=MakeBid&item=" + s.item +
                "\">bid on this vehicle</a></font></td></tr></table>\r\n";
    if (s.kind == Kind::Live)
        page += "<table border=\"0\" width=\"100%\"><tr><td><font size=\"2\">This lot is offered through "
                "<b>eBay Live Auctions</b>; the floor closes at the end time below.</font></td></tr></table>\r\n";
    if (ended && a.purchased)
        page += "<p><font size=\"3\" color=\"#CC0000\"><b>Item has been purchased with\r\nBuy It Now.</b></font></p>\r\n";
    else if (ended && s.endedWording == "This auction has ended.")
        page += "<p><font size=\"3\" color=\"#CC0000\"><b>This auction has\r\nended.</b></font></p>\r\n";
    else if (ended && s.endedWording == "Bidding is closed for this item.")
        page += "<p><font size=\"3\" color=\"#CC0000\"><b>Bidding is closed\r\nfor this item.</b></font></p>\r\n";

    page += "<table border=\"0\" cellpadding=\"2\" cellspacing=\"0\" width=\"100%\" bgcolor=\"#EFEFEF\"><tr>\r\n"
            "<td><font size=\"4\" face=\"Arial\"><b>" + title + "</b></font></td>\r\n"
            "<td align=\"right\"><font size=\"2\">Item #" + s.item + "</font></td>\r\n</tr></table>\r\n";

    // Left column: price, quantity, bids, time.
    page += "<table border=\"0\" cellpadding=\"3\" cellspacing=\"0\" width=\"100%\"><tr>\r\n"
            "<td valign=\"top\" width=\"55%\">\r\n<table border=\"0\" cellpadding=\"1\" cellspacing=\"0\">\r\n";
    std::string priceLabel = s.priceLabel;
    if (fixed) priceLabel = "Buy It Now price";
    else if (st.bidCount == 0 && !a.purchased) priceLabel = "Starting bid";
    std::string price = "<b>" + moneyText(s, st.price) + "</b></font>";
    if (s.currency != "USD")
        price += " <font size=\"2\">(approx. US $" + formatMoney(usdValue(s, st.price)) + ")</font>";
    if (s.reserve > 0 && !fixed)
        price += st.reserveMet ? " <font size=\"2\">(reserve met)</font>"
                               : " <font size=\"2\">(reserve not yet\r\nmet)</font>";
    page += "<tr><td><font size=\"2\">" + priceLabel + "</font></td><td><font size=\"2\">" + price + "</td></tr>\r\n";

    if (fixed)
        page += row("Quantity", "<b>" + std::to_string(s.quantity - st.bidCount) + "</b> available");
    else
        page += row("Quantity", "<b>" + std::to_string(s.quantity) + "</b>");
    if (!fixed)
        page += row("# of\r\nbids", "<b>" + std::to_string(st.bidCount) + "</b></font> <font size=\"1\">(<a href=\"" +
                                       b + "/aw-cgi/eBayISAPI.dll?ViewBids&item=" + s.item + "\">bid history</a>)");
    std::string left;
    if (!ended) left = timeLeftText(a.endMs - ctx.nowMs);
    else if (a.purchased) left = "Purchased";
    else if (s.endedWording == "This auction has ended." || s.endedWording == "Bidding is closed for this item.")
        left = "--";
    else left = s.endedWording;
    page += row("Time\r\nleft", "<b>" + left + "</b>");
    page += row("Start time", marketTime(a.endMs - kWeekMs));
    page += row("End time", marketTime(a.endMs));
    page += row("Item location", htmlEscape(s.location) + "<br>\nUnited States");
    page += "</table>\r\n</td>\r\n";

    // Right column: seller and high bidder.
    page += "<td valign=\"top\" width=\"45%\">\r\n<table border=\"0\" cellpadding=\"1\" cellspacing=\"0\">\r\n"
            "<tr><td colspan=\"2\" bgcolor=\"#CCCCFF\"><font size=\"2\"><b>Seller information</b></font></td></tr>\r\n";
    if (!(ended && s.endedSellerForm == "listed"))
        page += row("Seller (rating)", userLink(ctx, s.seller));
    else
        page += row("Member", htmlEscape(s.seller) + " (" + std::to_string(ratingOf(s.seller)) + ")");
    page += "<tr><td colspan=\"2\"><font size=\"1\"><a href=\"" + b +
            "/aw-cgi/eBayISAPI.dll?ViewListedItems&amp;userid=" + seller + "\">view seller's other items</a> | \r\n"
            "<a href=\"" + b + "/aw-cgi/eBayISAPI.dll?Question&requested=" + seller + "&iid=" + s.item +
            "\">ask seller a question</a>";
    if (ended && s.endedSellerForm == "feedback")
        page += " | <a href=\"" + b + "/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridto=" + seller +
                "&item=" + s.item + "\">leave feedback</a>";
    page += "</font></td></tr>\r\n";

    if (a.purchased) {
        page += row("High bidder used Buy It Now", moneyText(s, st.price));
        page += row("High bidder", userLink(ctx, a.buyer));
    } else if (st.bidCount > 0 && !fixed) {
        std::string bidder;
        if (s.kind == Kind::Dutch)
            bidder = "<a href=\"" + b + "/aw-cgi/eBayISAPI.dll?ViewBidsDutchHighBidder&item=" + s.item +
                     "&ed=\">See winning bidders list</a>";
        else if (s.kind == Kind::Private)
            bidder = "<a href=\"" + b + "/aw-cgi/eBayISAPI.dll?ViewBids&item=" + s.item + "\">Private auction</a>";
        else
            bidder = userLink(ctx, st.highBidder);
        page += row("High bidder", bidder);
    }
    if (!ended && !fixed)
        page += row("Bid increment:", moneyText(s, incrementAt(a.table, st.price)));
    page += "</table>\r\n</td></tr></table>\r\n";

    // The seller's description: anything may stand in it.
    if (motors) {
        page += "<table border=\"0\" width=\"100%\" bgcolor=\"#99CCFF\"><tr><td><font size=\"3\">"
                "<b>Vehicle Description</b></font></td></tr></table>\r\n";
    } else {
        if (s.descriptionAnchor == "name") page += "<a name=\"DESC\"></a>\r\n";
        page += "<table border=\"0\" width=\"100%\" bgcolor=\"#99CCFF\"><tr><td><font size=\"3\">";
        page += s.descriptionAnchor == "none" ? "Item details" : "<b>Description</b>";
        page += "</font></td></tr></table>\r\n";
    }
    page += "<table border=\"0\" width=\"100%\"><tr><td><font size=\"1\">Seller assumes all\r\nresponsibility for "
            "listing this item.</font></td></tr></table>\r\n";
    page += "<table border=\"0\" width=\"100%\"><tr><td><font face=\"Arial\" size=\"3\">\r\n";
    page += "<p>" + (s.description.empty() ? "A fine piece from my own collection, described as well as I can."
                                           : htmlEscape(s.description)) + "</p>\r\n";
    page += "<p>Time left to find another like it is short. My last one went for more (reserve met), and\r\n"
            "Currently US $1.00 buys nothing close to it. Quantity is limited to what you see.</p>\r\n"
            "</font></td></tr></table>\r\n";

    // Bidding area below the description.
    page += "<hr>\r\n<table border=\"0\" width=\"100%\" bgcolor=\"#EFEFEF\"><tr><td><font size=\"3\"><b>"
            "Ready to bid?</b></font></td></tr></table>\r\n";
    if (ended) {
        page += "<p><font size=\"2\">Bidding has finished for this item.</font></p>\r\n";
    } else if (fixed) {
        page += "<p><font size=\"2\">Buy this item now for <b>" + moneyText(s, st.price) + "</b>.</font></p>\r\n";
    } else {
        page += "<form method=\"post\" action=\"" + b + bidPath + "\">\r\n"
                "<input type=\"hidden\" name=\"MfcISAPICommand\" value=\"MakeBid\">"
                "<input type=\"hidden\" name=\"item\" value=\"" + s.item + "\">\r\n"
                "<table border=\"0\" cellpadding=\"2\">\r\n"
                "<tr><td><font size=\"2\">" + title + "</font></td></tr>\r\n"
                "<tr><td><font size=\"2\">Current bid:</font> <b>" + moneyText(s, st.price) + "</b></td></tr>\r\n"
                "<tr><td><font size=\"2\">Your maximum bid:</font> <input type=\"text\" name=\"maxbid\" size=\"10\" "
                "maxlength=\"10\">";
        if (s.showMinimumBid)
            page += " <font size=\"2\">(Minimum bid:</font> <b>" + moneyText(s, st.minimumBid) + "</b>)";
        page += "</td></tr>\r\n";
        if (s.kind == Kind::Dutch)
            page += "<tr><td><font size=\"2\">Quantity:</font> <input type=\"text\" name=\"quant\" size=\"4\" "
                    "value=\"1\"></td></tr>\r\n";
        page += "<tr><td><input type=\"submit\" value=\"Review bid\"></td></tr>\r\n</table>\r\n</form>\r\n";
    }
    return page + footer();
}

std::string invalidItemPage(const PageContext &ctx, const std::string &item) {
    return head("Invalid Item") + "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
           "<table border=\"0\" width=\"100%\"><tr><td><font size=\"4\"><b>Invalid Item</b></font></td></tr>"
           "</table>\r\n<p><font size=\"2\">The item you requested (" + htmlEscape(item) +
           ") is invalid or no longer\r\nin our database. Check the number and try again.</font></p>\r\n" + footer();
}

std::string firewallPage() {
    return "<html>\r\n<head><title>Firewall Error: Forbidden</title></head>\r\n<body>\r\n"
           "<h1>Firewall Error: Forbidden</h1>\r\n<p>The request was refused by a firewall on its way to the "
           "server.</p>\r\n</body>\r\n</html>\r\n";
}

std::string winnersPage(const PageContext &ctx, const AuctionState &a) {
    const AuctionSpec &s = a.spec;
    const std::string &b = ctx.base;
    std::string page = head("Winning bidders: " + htmlEscape(s.title) + " (Item #" + s.item + ")") +
                       "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
                       "<p><font size=\"4\"><b>Winning bidders list</b></font><br>\r\n<font size=\"2\">Item #" +
                       s.item + ": " + htmlEscape(s.title) + "</font></p>\r\n"
                       "<table border=\"1\" cellpadding=\"2\" cellspacing=\"0\" width=\"100%\">\r\n"
                       "<tr><td width=\"40%\"><font size=2><b>User ID</b></font></td><td><font size=2><b>Bid "
                       "Amount</b></font></td><td><font size=2><b>Quantity won</b></font></td><td><font size=2>"
                       "<b>Date of bid</b></font></td></tr>\r\n";
    for (const Winner &w : a.standing.winners) {
        const std::string id = linkEscape(w.bidder);
        std::string when;
        for (const PlacedBid &bid : a.bids)
            if (bid.bidder == w.bidder) when = marketTime(bid.atMs);
        const std::string user =
            "<a href=\"" + b + "/aw-cgi/eBayISAPI.dll?ViewFeedback&amp;userid=" + id + "\">" + htmlEscape(w.bidder) +
            "</a> (" + std::to_string(ratingOf(w.bidder)) + ") <a href=\"" + b +
            "/aw-cgi/eBayISAPI.dll?ReturnUserEmail&amp;requested=" + id + "&amp;iid=" + s.item + "\">email</a>";
        if (s.winnersCellForm == "A")
            page += "<tr><td width=\"40%\"><font size=3>" + user + "</font></td><td align=right width=\"20%\">"
                    "<font size=3>" + moneyText(s, a.standing.price) + "</font></td><td align=middle width=\"14%\">"
                    "<font size=3>" + std::to_string(w.quantity) + "</font></td><td><font size=2>" + when +
                    "</font></td></tr>\r\n";
        else
            page += "<tr><td>" + user + "</td><td align=\"middle\" width=\"10%\">" + moneyText(s, a.standing.price) +
                    "</td><td align=\"middle\" width=\"10%\">" + std::to_string(w.quantity) + "</td><td>" + when +
                    "</td></tr>\r\n";
    }
    return page + "</table>\r\n" + footer();
}

std::string bidHistoryPage(const PageContext &ctx, const AuctionState &a) {
    const AuctionSpec &s = a.spec;
    const bool ended = isEnded(a, ctx.nowMs);
    std::string page = head("Bid history: " + htmlEscape(s.title) + " (Item #" + s.item + ")") +
                       "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
                       "<p><font size=\"4\"><b>Bid history</b></font><br>\r\n<font size=\"2\">Item #" + s.item +
                       ": <a href=\"" + itemAddress(ctx, s.item) + "\">" + htmlEscape(s.title) + "</a></font></p>\r\n"
                       "<p><font size=\"2\">Currently " + moneyText(s, a.standing.price) + ", " +
                       std::to_string(a.standing.bidCount) + " bids, ends " + marketTime(a.endMs) +
                       "</font></p>\r\n<table border=\"1\" cellpadding=\"2\" cellspacing=\"0\">\r\n"
                       "<tr><td><b>User ID</b></td><td><b>Bid amount</b></td><td><b>Quantity</b></td>"
                       "<td><b>Date of bid</b></td></tr>\r\n";
    for (auto it = a.bids.rbegin(); it != a.bids.rend(); ++it) {
        const std::string who = s.kind == Kind::Private ? "Private auction" : htmlEscape(it->bidder);
        const std::string amount = ended ? moneyText(s, it->max) : "hidden until the end";
        page += "<tr><td>" + who + "</td><td>" + amount + "</td><td>" + std::to_string(it->quantity) + "</td><td>" +
                marketTime(it->atMs) + "</td></tr>\r\n";
    }
    return page + "</table>\r\n" + footer();
}

std::string timePage(const PageContext &ctx) {
    const WallTime t = pacificTime(ctx.nowMs);
    const std::string date = ctx.scenario->timeDateForm == "long" ? longDateTime(t) : shortDateTime(t);
    const std::string shown = weekdayName(t) + ", " + date + " " + zoneName(t);
    std::string page = head("Official Time") + "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
                       "<table border=\"0\" width=\"100%\"><tr><td><font size=\"4\"><b>Official Time</b></font>"
                       "</td></tr></table>\r\n";
    if (ctx.scenario->timeMarker == 1)
        page += "<p><font size=\"3\">At the tone, the time will be... <b>" + shown + "</b></font></p>\r\n";
    else
        page += "<p>The official eBay Time is now:</p><p><b>" + shown + "</b></p>\r\n";
    return page + "<p><font size=\"2\">All times are US West Coast time.</font></p>\r\n" + footer();
}

std::string confirmBidPage(const PageContext &ctx, const AuctionState &a, const std::string &bidPath,
                           const std::string &key, Cents max, int quantity) {
    const AuctionSpec &s = a.spec;
    const std::string heading = ctx.scenario->confirmWording == 1
                                    ? "Review and confirm\r\nyour bid:"
                                    : "Confirm that your bid is correct\r\nand then place your bid";
    const std::string keyInput = ctx.scenario->keyForm == 1
                                     ? "<input type=hidden name=key value=\"" + key + "\">"
                                     : "<input type=\"hidden\" name=\"key\" value=\"" + key + "\">";
    return head("Review your bid") + "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
           "<table border=\"0\" width=\"100%\" bgcolor=\"#EFEFEF\"><tr><td><font size=\"4\"><b>" + heading +
           "</b></font></td></tr></table>\r\n<table border=\"0\" cellpadding=\"2\">\r\n" +
           row("Item title", htmlEscape(s.title)) + row("Item number", s.item) +
           row("Your maximum bid", moneyText(s, max)) + row("Quantity", std::to_string(quantity)) +
           "</table>\r\n<form method=\"post\" action=\"" + ctx.base + bidPath + "\">\r\n"
           "<input type=\"hidden\" name=\"MfcISAPICommand\" value=\"AcceptBid\">\r\n"
           "<input type=\"hidden\" name=\"item\" value=\"" + s.item + "\">\r\n" + keyInput + "\r\n"
           "<input type=\"hidden\" name=\"maxbid\" value=\"" + plainMoney(max) + "\">\r\n"
           "<input type=\"hidden\" name=\"quant\" value=\"" + std::to_string(quantity) + "\">\r\n"
           "<table border=\"0\" cellpadding=\"2\">\r\n"
           "<tr><td><font size=\"2\">User ID</font></td><td><input type=\"text\" name=\"userid\" size=\"20\"></td></tr>\r\n"
           "<tr><td><font size=\"2\">Password</font></td><td><input type=\"password\" name=\"pass\" size=\"20\">"
           "</td></tr>\r\n</table>\r\n<input type=\"hidden\" name=\"signin\" value=\"n\">\r\n"
           "<input type=\"submit\" value=\"Place bid\">\r\n</form>\r\n" + footer();
}

std::string answerPage(const PageContext &ctx, const std::string &title, const std::string &message) {
    return head(title) + "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
           "<table border=\"0\" width=\"100%\" bgcolor=\"#EFEFEF\"><tr><td><font size=\"4\"><b>" + title +
           "</b></font></td></tr></table>\r\n<p><font size=\"2\">" + message + "</font></p>\r\n" + footer();
}

std::string itemListPage(const PageContext &ctx, const std::string &title,
                         const std::vector<const AuctionState *> &auctions) {
    std::string page = head(title) + "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
                       "<p><font size=\"4\"><b>" + title + "</b></font></p>\r\n"
                       "<table border=\"1\" cellpadding=\"2\" cellspacing=\"0\" width=\"100%\">\r\n"
                       "<tr><td><b>Item #</b></td><td><b>Ends PST</b></td><td><b>Price</b></td><td><b>Bids</b></td>"
                       "<td><b>Title</b></td></tr>\r\n";
    for (const AuctionState *a : auctions) {
        const std::string link = itemAddress(ctx, a->spec.item);
        page += "<tr><td><a href=\"" + link + "\">" + a->spec.item + "</a></td><td>" + marketTime(a->endMs) +
                "</td><td>" + moneyText(a->spec, a->standing.price) + "</td><td>" +
                std::to_string(a->standing.bidCount) + "</td><td><a href=\"" + link + "#desc\">" +
                htmlEscape(a->spec.title) + "</a></td></tr>\r\n";
    }
    page += "</table>\r\n<p><font size=\"2\">" + std::to_string(auctions.size()) + " items shown. <a href=\"" +
            ctx.base + "/aw-cgi/eBayISAPI.dll?ReportListing&amp;item=0\">report a listing</a></font></p>\r\n";
    return page + footer();
}

std::string signInPage(const PageContext &ctx, const std::string &userId, bool invalid) {
    const std::string &b = ctx.base;
    std::string page = head("Sign In") + "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
                       "<form name=\"search\" method=\"get\" action=\"" + b + "/search/items/basicsearch.html\">"
                       "<input type=\"text\" name=\"query\" size=\"20\"> <input type=\"submit\" value=\"Find\"></form>\r\n";
    if (invalid)
        page += "<p><font color=\"#CC0000\"><b>Your sign-in information is not valid.</b> Please try again."
                "</font></p>\r\n";
    page += "<p><font size=\"3\"><b>Already an eBay user?</b></font></p>\r\n"
            "<form name=\"SignInForm\" method=\"post\" action=\"" + b + "/ws/eBayISAPI.dll?SignIn\">\r\n"
            "<input type=\"hidden\" name=\"MfcISAPICommand\" value=\"SignInWelcome\">\r\n"
            "User ID <input type=\"text\" name=\"userid\" id=\"userid\" size=\"20\" value=\"" + htmlEscape(userId) +
            "\"><br>\r\nPassword <input type=\"password\" name=\"pass\" id=\"pass\" size=\"20\"><br>\r\n"
            "<input type=\"checkbox\" name=\"keepMeSignInOption\" id=\"keepMeSignInOption\" value=\"1\"> Keep me "
            "signed in<br>\r\n<input type=\"submit\" value=\"Sign In\">\r\n</form>\r\n";
    return page + footer();
}

std::string accountPage(const PageContext &ctx, const std::string &userId) {
    const std::string id = linkEscape(userId);
    return head("My Account: " + htmlEscape(userId)) + "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
           "<p><font size=\"4\"><b>My Account</b></font> <font size=\"2\">(" + htmlEscape(userId) +
           ")</font></p>\r\n<ul>\r\n<li><a href=\"" + ctx.base +
           "/aw-cgi/ebayISAPI.dll?MyeBayItemsBiddingOn&amp;userid=" + id +
           "&amp;sort=3\">Items I'm Bidding On and Watching</a></li>\r\n<li><a href=\"" + ctx.base +
           "/aw-cgi/eBayISAPI.dll?MfcISAPICommand=ViewBidItems&userid=" + id +
           "&completed=0&all=1&rows=0\">All my bids</a></li>\r\n</ul>\r\n" + footer();
}

std::string biddingOnPage(const PageContext &ctx, const std::string &userId,
                          const std::vector<const AuctionState *> &bidOn,
                          const std::vector<const AuctionState *> &watching) {
    std::string page = head("Items I'm Bidding On: " + htmlEscape(userId)) +
                       "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx);
    const auto table = [&](const std::string &caption, const std::vector<const AuctionState *> &list) {
        std::string t = "<p><font size=\"3\"><b>" + caption + "</b></font></p>\r\n"
                        "<table border=\"1\" cellpadding=\"2\" cellspacing=\"0\" width=\"100%\">\r\n"
                        "<tr><td><b>Item #</b></td><td><b>Title</b></td><td><b>Price</b></td>"
                        "<td><b>Time left</b></td></tr>\r\n";
        for (const AuctionState *a : list)
            t += "<tr><td>" + a->spec.item + "</td><td><a href=\"" + itemAddress(ctx, a->spec.item) + "\">" +
                 htmlEscape(a->spec.title) + "</a></td><td>" + moneyText(a->spec, a->standing.price) + "</td><td>" +
                 (isEnded(*a, ctx.nowMs) ? std::string("Ended") : timeLeftText(a->endMs - ctx.nowMs)) +
                 "</td></tr>\r\n";
        return t + "</table>\r\n";
    };
    page += table("Items I'm Bidding On", bidOn);
    page += table("Items I'm Watching", watching);
    return page + footer();
}

std::string homePage(const PageContext &ctx, const std::vector<const AuctionState *> &auctions) {
    return itemListPage(ctx, "Welcome: items open for bidding", auctions);
}

std::string searchPage(const PageContext &ctx) {
    return head("Search") + "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + banner(ctx) +
           "<form method=\"get\" action=\"" + ctx.base + "/search/items/basicsearch.html\">\r\n"
           "<p><font size=\"3\"><b>Search items</b></font></p>\r\n<input type=\"text\" name=\"query\" size=\"40\"> "
           "<input type=\"submit\" value=\"Search\">\r\n</form>\r\n" + footer();
}

std::string helpPage(const PageContext &ctx) {
    return head("Bid Warden Help") + "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n" +
           "<h1>Bid Warden Help</h1>\r\n<p>Add an auction by its item number, watch the list refresh, and "
           "arrange a bid to be placed seconds before the end.</p>\r\n<p>Update information: <a href=\"" + ctx.base +
           "/BidWarden.ini\">BidWarden.ini</a></p>\r\n</body>\r\n</html>\r\n";
}

std::string notFoundPage(const std::string &path) {
    return "<html>\r\n<head><title>Not Found</title></head>\r\n<body>\r\n<h1>Not Found</h1>\r\n<p>" +
           htmlEscape(path) + " is not on this server.</p>\r\n</body>\r\n</html>\r\n";
}

} // namespace marketsim
