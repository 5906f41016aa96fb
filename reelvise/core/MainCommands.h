#pragma once

#include <QString>

namespace reelvise {

// Everything the main window's buttons and menu entries can do.
enum class MainCommand {
  AviToMpg1,
  AviToMpg2,
  AviToVcd,
  AviToDvd,
  AviToSvcd,
  AllToDivx,
  AllToAvi,
  Exit,
  ViewMenu,
  ChangeSkin,
  Help,
  HomePage,
  FileInfo,
  About,
};

struct MainButtonInfo {
  MainCommand command;
  const char* hint;  // empty: no hint
};

// Buttons 1..11 of the main window.
const MainButtonInfo& mainButtonInfo(int number);

// Menu captions of the seven conversions, in the order of the Convert
// submenu.
struct ConversionEntry {
  MainCommand command;
  const char* caption;
};
extern const ConversionEntry kConversionEntries[7];

// The conversion dialog's mode number of a conversion command; -1 for
// other commands.
int conversionModeOf(MainCommand command);

// The product's web site and the help pages' index, relative to the
// program folder.
extern const char* const kHomePageUrl;
extern const char* const kHelpIndex;
extern const char* const kProductTitle;

}  // namespace reelvise
