#include "PageReader.h"

#include <algorithm>
#include <cctype>

namespace reader {

namespace {

constexpr auto npos = std::string::npos;

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string trim(const std::string &s) {
    const auto a = s.find_first_not_of(' ');
    if (a == npos) return "";
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

void replaceAll(std::string &s, const std::string &from, const std::string &to) {
    for (std::size_t p = 0; (p = s.find(from, p)) != npos; p += to.size()) s.replace(p, from.size(), to);
}

bool isNumber(const std::string &s) {
    return !s.empty() && s.find_first_not_of("0123456789.") == npos && std::count(s.begin(), s.end(), '.') <= 1;
}

std::string between(const std::string &s, std::size_t from, const std::string &end) {
    const auto e = s.find(end, from);
    return e == npos ? s.substr(from) : s.substr(from, e - from);
}

std::string currencyOf(const std::string &head) {
    const std::string up = upper(head);
    auto m = head.find("Currently");
    if (m == npos) m = up.find("CURRENT BID");
    if (m == npos) m = up.find(" PRICE");
    if (m == npos) return "USD";
    const std::string window = head.substr(std::min(head.size(), m + 9), 300);
    static const std::pair<const char *, const char *> table[] = {
        {"CHF", "CHF"}, {"C $", "C $"}, {"GBP", "GBP"}, {"\xA3", "GBP"}, {"DM", "DM"},  {"AU $", "AU $"},
        {"NLG", "NLG"}, {"ITL", "ITL"}, {"FRF", "FRF"}, {"JPY", "JPY"},  {"EUR", "EUR"}};
    for (const auto &[fragment, code] : table)
        if (window.find(fragment) != npos) return code;
    return "USD";
}

std::string priceOf(const std::string &head, const std::string &currency, const std::string &bids) {
    const std::string up = upper(head);
    std::size_t m = head.find("Currently");
    if (m == npos) m = up.find("CURRENT BID");
    if (m == npos) m = head.find("US $");
    if (m == npos) m = up.find(" PRICE");
    if (m == npos) m = head.find("</title>");
    if (m == npos) m = head.find("Starts at");
    if (m == npos) return "";
    const std::string code = currency == "USD" ? "$" : currency;
    const auto c = head.find(code, m);
    if (c != npos) return removeNonNumeric(trim(between(head, c + code.size(), "<")));
    if (trim(bids) != "0") return "";
    const auto s = up.find("STARTING BID");
    if (s == npos) return "";
    const auto b = head.find("<b>", s);
    if (b == npos) return "";
    return removeNonNumeric(trim(between(head, b + 3, "</b>")));
}

std::string sellerOf(const std::string &head, const std::string &timeLeft) {
    const auto s = head.find("Seller");
    if (s == npos) return "";
    std::string seller;
    if (timeLeft != "Auction Ended" && timeLeft != "Item Ended") {
        const auto q = head.find("Question&requested=", s);
        if (q != npos) {
            const auto start = q + 19;
            auto end = head.find('&', start);
            if (end == npos || end - start > 35) end = head.find('>', start);
            seller = head.substr(start, end - start);
        } else if (const auto u = head.find("userid=", s); u != npos) {
            seller = between(head, u + 7, "\"");
        }
    } else if (const auto f = head.find("LeaveFeedbackShow&useridto="); f != npos) {
        seller = between(head, f + 27, "&");
    } else if (const auto r = upper(head).find("SELLER (RATING)"); r != npos) {
        const auto u = head.find("userid=", r);
        if (u != npos) seller = between(head, u + 7, "\"");
    } else if (const auto l = head.find("ViewListedItems&amp;userid="); l != npos) {
        seller = between(head, l + 27, "\"");
    }
    return trim(seller);
}

} // namespace

std::string cleanHtml(const std::string &text) {
    std::string s = text;
    replaceAll(s, " \r\n", " ");
    replaceAll(s, "\r\n", " ");
    replaceAll(s, " \n", " ");
    replaceAll(s, "\n", " ");
    return s;
}

std::string headOf(const std::string &page) {
    const std::string up = upper(page);
    auto e = up.find("<A NAME=\"DESC\">");
    if (e == npos) e = page.find("<b>Vehicle Description</b>");
    if (e == npos) e = up.find("<B>DESCRIPTION</B>");
    if (e == npos) e = page.find("Seller assumes all responsibility");
    return e == npos ? page : page.substr(0, e);
}

std::string removeNonNumeric(const std::string &text) {
    std::string out;
    for (const char c : text)
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') out += c;
    return out;
}

ItemRead readItem(const std::string &raw, const std::string &motorsBidAddress) {
    ItemRead r;
    const std::string page = cleanHtml(raw);
    const std::string head = headOf(page);
    const std::string up = upper(head);
    std::size_t qpos = head.find("Quantity </font>");
    if (qpos == npos) qpos = head.find("Quantity</font>");
    const bool noBidCount = qpos == npos && head.find("# of bids") == npos;
    qpos = qpos == npos ? 0 : qpos + 1;
    const bool availableNear = up.substr(qpos, 200).find("AVAILABLE") != npos;

    if (head.find("Invalid Item") != npos && head.find("is invalid or no longer in our database") != npos) {
        r.invalid = true;
        return r;
    }
    if (head.find("Firewall Error: Forbidden") != npos) {
        r.firewall = true;
        return r;
    }
    r.live = head.find("eBay Live Auctions") != npos;
    r.motors = head.find("eBay Motors item") != npos || head.find(motorsBidAddress) != npos;
    if (const auto h = head.find("(Ends "); h != npos) {
        const std::string t = between(head, h + 6, ") - ");
        r.endText = trim(t.substr(0, t.size() - 4));
    }
    if (const auto l = head.find(" - "); l != npos) r.title = trim(between(head, l + 3, "<"));
    r.currency = currencyOf(head);
    if (r.currency != "USD") {
        std::size_t m = head.find("Currently");
        if (m == npos) m = up.find("CURRENT BID");
        if (m == npos) m = up.find(" PRICE");
        const std::string area = trim(head.substr(std::min(head.size(), (m == npos ? 0 : m) + 9), 500));
        const auto a = area.find("(approx.");
        const auto d = a == npos ? npos : area.find('$', a);
        if (d != npos) r.usdPrice = removeNonNumeric(trim(between(area, d, "<")));
    }
    if (availableNear || noBidCount) r.bids = "-1";
    else if (const auto n = head.find("itemNumBids = "); n != npos) r.bids = removeNonNumeric(between(head, n + 15, "\""));
    else if (const auto b = head.find("# of bids"); b != npos) {
        const auto o = head.find("<b>", b);
        r.bids = removeNonNumeric(trim(between(head, o + 3, "</b>")));
    }
    r.price = priceOf(head, r.currency, r.bids);
    if (r.currency == "USD") r.usdPrice = r.price;
    if (head.find("(reserve not yet met)") != npos) r.reserve = "RESERVE NOT MET";
    else if (head.find("(reserve met)") != npos) r.reserve = "RESERVE MET";
    r.cannotBid = availableNear || noBidCount;

    if (head.find("Item has been purchased with") != npos) {
        r.timeLeft = "Item Ended";
    } else if (const auto t = head.find("Time left"); t != npos) {
        const auto b = up.find("<B>", t);
        if (b != npos) {
            const std::string near = head.substr(b + 3, 100);
            if (near.find("Auction Ended") != npos || near.find("Item has ended") != npos ||
                near.find("Auction has ended") != npos || head.find("This auction has ended") != npos ||
                head.find("Bidding is closed for this item") != npos)
                r.timeLeft = "Item Ended";
            else
                r.timeLeft = trim(between(head, b + 3, "<"));
        }
    } else if (r.cannotBid) {
        r.timeLeft = "N/A";
    }
    if (const auto q = head.find("Quantity"); q != npos) {
        const auto b = head.find("<b>", q);
        if (b != npos) {
            r.quantity = std::stol("0" + removeNonNumeric(between(head, b + 3, "</b>")));
            if (head.substr(b + 3, 25).find("available") != npos) r.cannotBid = true;
        }
    } else {
        r.quantity = 1;
    }
    r.seller = sellerOf(head, r.timeLeft);

    std::size_t highPos = 0;
    if (!r.cannotBid) {
        auto h = head.find("High bid");
        if (h != npos && head.substr(h, 20).find("High bidder used Buy") != npos) {
            const auto next = head.find("High bid", h + 20);
            if (next != npos) h = next;
        }
        const auto href = h == npos ? npos : head.find("href=", h);
        if (href != npos) {
            const auto gt = head.find('>', href);
            const auto lt = head.find('<', gt);
            r.highBidder = trim(head.substr(gt + 1, lt - gt - 1));
            highPos = lt;
        }
        if (r.highBidder == r.seller) r.highBidder.clear();
    }

    const std::size_t c = highPos;
    if (r.cannotBid || r.timeLeft == "Item Ended" || head.find("Auction has ended") != npos ||
        head.find("Item has ended") != npos) {
        r.minimumBid = "0";
    } else {
        if (const auto m = page.find("Minimum bid:", c); m != npos) {
            const std::string ex = trim(page.substr(m, 200));
            std::size_t start = npos;
            if (r.currency != "USD") {
                const auto code = ex.find(r.currency);
                if (code != npos) start = code + r.currency.size();
            } else if (const auto f = ex.find("font>"); f != npos) {
                const auto d = ex.find('$', f);
                if (d != npos) start = d + 1;
            }
            if (start != npos) {
                auto end = ex.find(')', start);
                if (end == npos) end = ex.find('<', start);
                r.minimumBid = removeNonNumeric(trim(ex.substr(start, end - start)));
            }
        }
        if (!isNumber(r.minimumBid)) {
            const auto i = head.find("Bid increment:", c);
            const auto s = i == npos ? npos : head.find("size=", i);
            if (s != npos) {
                const double inc = std::stod("0" + removeNonNumeric(trim(between(head, s + 9, "</"))));
                const double min = std::stod("0" + r.price) + inc;
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%.2f", min);
                r.minimumBid = buffer;
            }
        }
    }
    replaceAll(r.title, "&#39;", "'");
    replaceAll(r.title, "&#34;", "\"");
    replaceAll(r.title, "&#60;", "<");
    replaceAll(r.title, "&#62;", ">");
    replaceAll(r.title, "&amp;", "&");
    replaceAll(r.seller, "%24", "$");
    return r;
}

std::vector<std::string> winnerIds(const std::string &page) {
    std::vector<std::string> ids;
    const auto heading = page.find("User ID");
    if (heading == npos) return ids;
    std::string marker = "ReturnUserEmail&amp;requested=";
    auto m = page.find(marker, heading + 1);
    while (m != npos) {
        const auto start = m + marker.size();
        const auto amp = page.find('&', start);
        if (amp == npos) break;
        ids.push_back(trim(page.substr(start, amp - start)));
        m = page.find("ReturnUserEmail&requested=", amp);
        marker = "ReturnUserEmail&requested=";
        if (m == npos) {
            marker = "ReturnUserEmail&amp;requested=";
            m = page.find(marker, amp);
        }
    }
    return ids;
}

long unitsSold(const std::string &page) {
    const std::string up = upper(page);
    const std::string a = "<TD ALIGN=MIDDLE WIDTH=\"14%\"><FONT SIZE=3>";
    const std::string b = "<TD ALIGN=\"MIDDLE\" WIDTH=\"10%\">";
    long sum = 0;
    std::size_t pos = 0, lastEnd = 0;
    for (;;) {
        const auto m = up.find(a, pos);
        if (m == npos) break;
        const auto end = up.find("</FONT>", m + a.size());
        const std::string n = removeNonNumeric(trim(page.substr(m + a.size(), end - m - a.size())));
        if (!n.empty()) sum += std::stol(n);
        pos = end + 1;
    }
    for (;;) {
        const auto first = up.find(b, lastEnd == 0 ? 0 : lastEnd + 1);
        if (first == npos) break;
        const auto cell = up.find(b, first + b.size());
        if (cell == npos) break;
        const auto end = up.find("</TD", cell + b.size());
        const std::string n = removeNonNumeric(trim(page.substr(cell + b.size(), end - cell - b.size())));
        if (!n.empty()) sum += std::stol(n);
        lastEnd = end;
    }
    return sum;
}

std::string officialTime(const std::string &page) {
    const std::string m1 = "At the tone, the time will be... <b>";
    const std::string m2 = "The official eBay Time is now:</p><p><b>";
    std::size_t p = page.find(m1);
    if (p != npos) p += m1.size();
    else if ((p = page.find(m2)) != npos) p += m2.size();
    else return "";
    std::string t = page.substr(p, 50);
    auto z = t.find("PDT");
    if (z == npos) z = t.find("PST");
    if (z == npos) return "";
    t = t.substr(0, z);
    for (const char *day : {"Sunday, ", "Monday, ", "Tuesday, ", "Wednesday, ", "Thursday, ", "Friday, ", "Saturday, "})
        replaceAll(t, day, "");
    return trim(t);
}

int classifyFirst(const std::string &raw) {
    const std::string a = cleanHtml(raw);
    if (a.find("Problem with bid amount") != npos) return 5;
    if (a.find("This auction ended") != npos || a.find("This item ended") != npos) return 7;
    if (a.find("Invalid Item") != npos) return 10;
    if (a.empty()) return 9;
    if (a.find("Review and confirm your bid:") != npos ||
        a.find("Confirm that your bid is correct and then place your bid") != npos)
        return 0;  // confirmation: go on
    if (a.find("you are not permitted to bid on their listings") != npos) return 11;
    return 10;
}

std::string bidKey(const std::string &raw) {
    const std::string a = cleanHtml(raw);
    std::size_t start = npos;
    if (const auto m = a.find("name=key value="); m != npos) start = m + 16;
    else if (const auto m2 = a.find("name=\"key\" value=\""); m2 != npos) start = m2 + 18;
    if (start == npos) return "";
    const auto end = a.find("\">", start);
    return end == npos ? "" : a.substr(start, end - start);
}

int classifySecond(const std::string &a) {
    if (a.find("But the reserve price has not yet been met") != npos ||
        a.find("Please go back and bid a higher price") != npos)
        return 3;
    if (a.find("User ID</a> or Password invalid") != npos || a.find("Your User ID is not valid") != npos ||
        a.find("is not a registered eBay user") != npos || a.find("is not a registered eBayMotors user") != npos)
        return 4;
    if (a.find("Your registration is not yet confirmed") != npos) return 6;
    if (a.find("You have been outbid by another bidder") != npos) return 2;
    if (a.find("You are the current high bidder") != npos || a.find("Your bid is confirmed!") != npos) return 1;
    if (a.empty()) return 9;
    if (cleanHtml(a).find("bidding is closed for this item") != npos) return 7;
    if (a.find("seller has decided that you are not permitted to bid on their listings") != npos) return 11;
    return 10;
}

std::vector<std::string> listedItems(const std::string &page) {
    std::vector<std::string> items;
    const std::string up = upper(page);
    for (auto p = page.find(";item="); p != npos; p = page.find(";item=", p + 1)) {
        std::string n = between(page, p + 6, "\"");
        replaceAll(n, "\r\n", "");
        n = n.substr(0, n.find('#'));
        if (up.find("</TR>", p + 6) == npos) continue;
        if (std::find(items.begin(), items.end(), trim(n)) == items.end()) items.push_back(trim(n));
    }
    return items;
}

std::vector<std::string> watchedItems(const std::string &page) {
    std::vector<std::string> items;
    for (auto p = page.find("&amp;item="); p != npos; p = page.find("&amp;item=", p + 1)) {
        const std::string n = between(page, p + 10, "\"");
        if (!n.empty() && n.find_first_not_of("0123456789") == npos &&
            std::find(items.begin(), items.end(), n) == items.end())
            items.push_back(n);
    }
    return items;
}

} // namespace reader
