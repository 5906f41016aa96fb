#include "Text.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace marketsim {

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252 (0 where undefined).
constexpr char32_t kHighTable[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

void appendUtf8(std::string &out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::string utf8ToCp1252(const std::string &utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            cp = ((c & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
            len = 2;
        } else if ((c & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
            cp = ((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
            len = 3;
        } else if ((c & 0xF8) == 0xF0 && i + 3 < utf8.size()) {
            cp = ((c & 0x07) << 18) | ((utf8[i + 1] & 0x3F) << 12) | ((utf8[i + 2] & 0x3F) << 6) |
                 (utf8[i + 3] & 0x3F);
            len = 4;
        } else {
            cp = '?';
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        const auto *hit = std::find(std::begin(kHighTable), std::end(kHighTable), cp);
        out += hit != std::end(kHighTable) && cp != 0
                   ? static_cast<char>(0x80 + (hit - std::begin(kHighTable)))
                   : '?';
    }
    return out;
}

std::string cp1252ToUtf8(const std::string &bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0) {
            const char32_t cp = kHighTable[c - 0x80];
            appendUtf8(out, cp == 0 ? U'?' : cp);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

std::string percentDecode(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

FormValues parseForm(const std::string &text) {
    FormValues values;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('&', start);
        if (end == std::string::npos) end = text.size();
        const std::string pair = text.substr(start, end - start);
        if (!pair.empty()) {
            const std::size_t eq = pair.find('=');
            const std::string key = percentDecode(pair.substr(0, eq));
            const std::string value = eq == std::string::npos ? "" : percentDecode(pair.substr(eq + 1));
            values.emplace(key, cp1252ToUtf8(value));
        }
        start = end + 1;
    }
    return values;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool equalsNoCase(const std::string &a, const std::string &b) { return lower(a) == lower(b); }

std::string trim(const std::string &text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string htmlEscape(const std::string &text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&#60;"; break;
        case '>': out += "&#62;"; break;
        case '"': out += "&#34;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string linkEscape(const std::string &text) {
    static const char *hex = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || c == '_' || c == '-' || c == '.' || c == '*' || c >= 0x80) {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string plainMoney(Cents cents) {
    const bool negative = cents < 0;
    const Cents value = negative ? -cents : cents;
    std::string centsPart = std::to_string(value % 100);
    if (centsPart.size() < 2) centsPart.insert(0, "0");
    return (negative ? "-" : "") + std::to_string(value / 100) + "." + centsPart;
}

std::string formatMoney(Cents cents) {
    std::string plain = plainMoney(cents);
    const bool negative = !plain.empty() && plain[0] == '-';
    if (negative) plain.erase(0, 1);
    std::size_t dot = plain.find('.');
    for (std::size_t pos = dot; pos > 3; pos -= 3) plain.insert(pos - 3, ",");
    return (negative ? "-" : "") + plain;
}

std::optional<Cents> parseMoney(const std::string &text) {
    std::string digits;
    for (const char c : trim(text)) {
        if (c == ',') continue;
        digits += c;
    }
    if (digits.empty()) return std::nullopt;
    Cents whole = 0;
    std::size_t i = 0;
    bool any = false;
    for (; i < digits.size() && std::isdigit(static_cast<unsigned char>(digits[i])); ++i) {
        whole = whole * 10 + (digits[i] - '0');
        any = true;
        if (whole > 1'000'000'000'000LL) return std::nullopt;
    }
    Cents fraction = 0;  // ten-thousandths
    if (i < digits.size() && digits[i] == '.') {
        ++i;
        int places = 0;
        for (; i < digits.size() && std::isdigit(static_cast<unsigned char>(digits[i])); ++i) {
            if (places < 4) fraction = fraction * 10 + (digits[i] - '0');
            ++places;
            any = true;
        }
        for (; places < 4; ++places) fraction *= 10;
    }
    if (!any || i != digits.size()) return std::nullopt;
    return whole * 100 + (fraction + 50) / 100;
}

Cents centsFromDouble(double value) { return static_cast<Cents>(std::llround(value * 100.0)); }

} // namespace marketsim
