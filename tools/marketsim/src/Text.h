#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace marketsim {

// Amounts are whole cents.
using Cents = std::int64_t;

// The marketplace's pages are Windows-1252; the simulator keeps UTF-8 inside.
std::string utf8ToCp1252(const std::string &utf8);
std::string cp1252ToUtf8(const std::string &bytes);

// Form and query values: "+" is a blank, %XX a byte (Windows-1252), keys
// without "=" get an empty value. Keys keep their case; first one wins.
using FormValues = std::map<std::string, std::string>;
FormValues parseForm(const std::string &text);
std::string percentDecode(const std::string &text);

std::string lower(std::string text);
bool equalsNoCase(const std::string &a, const std::string &b);
std::string trim(const std::string &text);

// Title and other visible texts, as the marketplace escapes them.
std::string htmlEscape(const std::string &text);
// User IDs inside link addresses ("$" travels as %24).
std::string linkEscape(const std::string &text);

// "1,234.50"
std::string formatMoney(Cents cents);
// "1234.50"
std::string plainMoney(Cents cents);
// Accepts "12", "12.5", "12.3456", "1,234.50"; rounds to the cent.
std::optional<Cents> parseMoney(const std::string &text);
Cents centsFromDouble(double value);

} // namespace marketsim
