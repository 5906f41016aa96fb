# Engine binding, conversion dialog, preview and file-information windows.
target_sources(reelvise_core PRIVATE
  core/ProgramFolder.cpp
  core/EngineBinding.cpp
  core/ConversionModes.cpp
  core/ConvertDialogLogic.cpp
  core/ShapeRegion.cpp
  core/FileInfoText.cpp
  core/TerminationSignals.cpp)
target_sources(reelvise_ui PRIVATE
  ui/StartupBinding.cpp
  ui/ConvertArtwork.cpp
  ui/FrmPreview.cpp
  ui/InfoDlg.cpp
  ui/FrmConvert.cpp
  ui/ConversionWindows.cpp)

# Tests of the conversion side.
add_library(reelvise_conversion_test_support STATIC tests/EngineDouble.cpp)
target_link_libraries(reelvise_conversion_test_support PUBLIC reelvise_core GTest::gtest)

add_library(encodery_one_factory MODULE tests/OneFactoryLibrary.c)
target_link_libraries(encodery_one_factory PRIVATE project_options)
set_target_properties(encodery_one_factory PROPERTIES C_VISIBILITY_PRESET hidden)

add_executable(reelvise_conversion_core_tests
  tests/ConvertLogicTest.cpp
  tests/ShapeRegionTest.cpp
  tests/ConversionModesTest.cpp
  tests/EngineBindingTest.cpp)
target_link_libraries(reelvise_conversion_core_tests PRIVATE reelvise_conversion_test_support)
target_compile_definitions(reelvise_conversion_core_tests PRIVATE
  ENGINE_LIBRARY="$<TARGET_FILE:encodery>"
  ONE_FACTORY_LIBRARY="$<TARGET_FILE:encodery_one_factory>"
  BINARY_FOLDER="${CMAKE_BINARY_DIR}/bin")
add_dependencies(reelvise_conversion_core_tests encodery encodery_one_factory)
gtest_discover_tests(reelvise_conversion_core_tests DISCOVERY_TIMEOUT 60
  PROPERTIES LABELS "reelvise" TIMEOUT 120)

add_executable(reelvise_conversion_ui_tests tests/ConvertWindowTest.cpp)
target_link_libraries(reelvise_conversion_ui_tests PRIVATE reelvise_ui reelvise_conversion_test_support)
target_compile_definitions(reelvise_conversion_ui_tests PRIVATE ENGINE_LIBRARY="$<TARGET_FILE:encodery>")
add_dependencies(reelvise_conversion_ui_tests encodery)
gtest_discover_tests(reelvise_conversion_ui_tests DISCOVERY_TIMEOUT 60
  PROPERTIES LABELS "reelvise" TIMEOUT 180 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

add_test(NAME reelvise_ends_in_order_on_sigterm
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/sigterm_test.sh $<TARGET_FILE:Reelvise>)
set_tests_properties(reelvise_ends_in_order_on_sigterm PROPERTIES LABELS reelvise TIMEOUT 60)
