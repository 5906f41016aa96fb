# Engine binding, conversion dialog, preview and file-information windows.
target_sources(reelvise_core PRIVATE
  core/ProgramFolder.cpp
  core/EngineBinding.cpp)
target_sources(reelvise_ui PRIVATE
  ui/StartupBinding.cpp)
target_sources(reelvise_core PRIVATE
  core/ConversionModes.cpp
  core/ConvertDialogLogic.cpp)
target_sources(reelvise_core PRIVATE
  core/ShapeRegion.cpp
  core/FileInfoText.cpp)
target_sources(reelvise_ui PRIVATE
  ui/ImageButton.cpp
  ui/ConvertArtwork.cpp
  ui/FrmPreview.cpp
  ui/InfoDlg.cpp
  ui/FrmConvert.cpp)
target_sources(reelvise_ui PRIVATE ui/ConversionWindows.cpp)
