#pragma once
#include <QString>

namespace bw {

// Built-in base addresses (scheme and host) of the product's update server.
inline constexpr const char* kBuiltInUpdateServer = "https://bidwarden.quorvin.com";

// The base address that replaces scheme and host of every marketplace
// server: $BIDWARDEN_MARKETPLACE, else "Servers"/"Marketplace" of the
// settings store; empty when neither is set.
QString marketplaceOverride();
// The update server's base: $BIDWARDEN_UPDATE_SERVER, else
// "Servers"/"UpdateServer", else the built-in one. No trailing "/".
QString updateServerBase();

// Maps a built-in marketplace address ("https://www.ebay.com/ws/...") to the
// effective one: with an override its scheme and host (and port) replace
// those of `address`; path and query stay as they are.
QString effectiveMarketplaceAddress(const QString& address);
// Same as above with an explicit override (empty: `address` unchanged).
QString replaceSchemeAndHost(const QString& address, const QString& base);

// The update server address of `path` ("/BidWarden.ini").
QString updateServerAddress(const QString& path);

}  // namespace bw
