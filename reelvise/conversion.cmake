# Engine binding, conversion dialog, preview and file-information windows.
target_sources(reelvise_core PRIVATE
  core/ProgramFolder.cpp
  core/EngineBinding.cpp)
target_sources(reelvise_ui PRIVATE
  ui/StartupBinding.cpp)
target_sources(reelvise_core PRIVATE
  core/ConversionModes.cpp
  core/ConvertDialogLogic.cpp)
