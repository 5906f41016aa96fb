#include "core/MainCommands.h"

#include <array>

namespace reelvise {

namespace {

const std::array<MainButtonInfo, 11> kButtons = {{
    {MainCommand::AviToMpg1, ""},
    {MainCommand::AviToMpg2, ""},
    {MainCommand::AviToVcd, ""},
    {MainCommand::AviToDvd, ""},
    {MainCommand::AllToDivx, ""},
    {MainCommand::AllToAvi, ""},
    {MainCommand::Exit, "Exit"},
    {MainCommand::ViewMenu, "ViewMenu"},
    {MainCommand::ChangeSkin, "ChangeSkin"},
    {MainCommand::Help, "Help"},
    {MainCommand::HomePage, "Homepage"},
}};

}  // namespace

const MainButtonInfo& mainButtonInfo(int number) {
  return kButtons.at(static_cast<std::size_t>(number - 1));
}

const ConversionEntry kConversionEntries[7] = {
    {MainCommand::AviToMpg1, "AVI to MPG1"}, {MainCommand::AviToMpg2, "AVI to MPG2"},
    {MainCommand::AviToVcd, "AVI to VCD"},   {MainCommand::AviToDvd, "AVI to DVD"},
    {MainCommand::AviToSvcd, "AVI to SVCD"}, {MainCommand::AllToDivx, "ALL to DivX"},
    {MainCommand::AllToAvi, "ALL to AVI"},
};

int conversionModeOf(MainCommand command) {
  switch (command) {
    case MainCommand::AviToMpg1: return 0;
    case MainCommand::AviToVcd: return 1;
    case MainCommand::AviToMpg2: return 2;
    case MainCommand::AviToSvcd: return 3;
    case MainCommand::AviToDvd: return 4;
    case MainCommand::AllToAvi: return 100;
    case MainCommand::AllToDivx: return 101;
    default: return -1;
  }
}

const char* const kHomePageUrl = "https://reelvise.quorvin.example/";
const char* const kHelpIndex = "help/index.html";
const char* const kProductTitle = "Vidora Video Convert";

}  // namespace reelvise
