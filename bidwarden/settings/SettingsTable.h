#pragma once
#include <QString>
#include <span>

namespace bw {

enum class SettingType { Boolean, Whole, Real, Colour, Text, Path, Address, Money, SiteCode };

// Where a default comes from: the text as it stands, a file in the data
// folder, or a path on the update server.
enum class DefaultKind { Literal, DataFolderFile, UpdateServerPath };

struct SettingDef {
  const char* section;
  const char* key;
  SettingType type;
  const char* defaultText;
  DefaultKind defaultKind = DefaultKind::Literal;
};

// Every section and key of the store with its type and default.
std::span<const SettingDef> settingsTable();
// The entry of section/key (names compared without case); null when absent.
const SettingDef* findSetting(const QString& section, const QString& key);
// The effective default text of an entry (data folder and update server
// filled in).
QString defaultValue(const SettingDef& def);

}  // namespace bw
