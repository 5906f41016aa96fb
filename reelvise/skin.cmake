# Skinned main window, splash, about box, CZTIni and the shipped skins.

target_sources(reelvise_core PRIVATE
  core/Cp1252.cpp
  core/ProfileFile.cpp
  core/ZTIni.cpp
  core/SkinLook.cpp
  core/SkinSwitcher.cpp
  core/MenuLayout.cpp
  core/MainCommands.cpp)

target_sources(reelvise_ui PRIVATE
  ui/TransparentButton.cpp
  ui/MyLabel.cpp
  ui/OwnerMenu.cpp
  ui/AboutBox.cpp
  ui/Splash.cpp
  ui/MainForm.cpp
  ui/DesktopShell.cpp
  ui/ProgramWindows.cpp)

# Artwork: the skins, the splash picture and the about box's pictures are
# painted by a small tool at build time, beside the program in bin/.
add_executable(reelvise_artwork artwork/PaintArtwork.cpp)
target_link_libraries(reelvise_artwork PRIVATE project_options Qt6::Gui)

set(reelvise_art_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(reelvise_art_stamp ${CMAKE_CURRENT_BINARY_DIR}/artwork.stamp)
add_custom_command(
  OUTPUT ${reelvise_art_stamp}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:reelvise_artwork> ${reelvise_art_dir}
  COMMAND ${CMAKE_COMMAND} -E touch ${reelvise_art_stamp}
  DEPENDS reelvise_artwork
  COMMENT "Painting the Reelvise skins and pictures"
  VERBATIM)
add_custom_target(reelvise_skins ALL DEPENDS ${reelvise_art_stamp})
add_dependencies(Reelvise reelvise_skins)

# Help pages, copied beside the program.
set(reelvise_help_pages index.html converting.html skins.html style.css)
foreach(page IN LISTS reelvise_help_pages)
  configure_file(help/${page} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help/${page} COPYONLY)
endforeach()

# The installed program finds its skins, help and engine in its own folder.
set(reelvise_shipped_folders SKIN0 SKIN1 SKIN2 art)
foreach(folder IN LISTS reelvise_shipped_folders)
  install(DIRECTORY ${reelvise_art_dir}/${folder} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS encodery LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR})

# Tests.
add_executable(reelvise_skin_core_tests
  tests/ZTIniTest.cpp
  tests/ProfileFileTest.cpp
  tests/SkinTest.cpp
  tests/MenuLayoutTest.cpp)
target_link_libraries(reelvise_skin_core_tests PRIVATE project_options reelvise_core
  GTest::gtest_main)
gtest_discover_tests(reelvise_skin_core_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES LABELS "reelvise")

add_executable(reelvise_skin_ui_tests tests/SkinWidgetsTest.cpp)
target_link_libraries(reelvise_skin_ui_tests PRIVATE project_options reelvise_ui GTest::gtest)
gtest_discover_tests(reelvise_skin_ui_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES LABELS "reelvise" ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
