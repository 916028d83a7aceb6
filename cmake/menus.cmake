# The shell's first screens: the intro, the main menu with its hover timing,
# the exit window and the text dialog.

add_library(mw_menus STATIC
  shell/CMainMenuHover.cpp
  shell/CMainMenuLayer.cpp
  shell/CIntroScreen.cpp
  shell/CMainMenu.cpp
  shell/CExitWnd.cpp
  shell/CTextDialog.cpp
)
target_link_libraries(mw_menus PUBLIC OpenGL::GL PkgConfig::GLU)

# The engine libraries may be defined by build files read later.
function(mw_menus_link_late)
  foreach(dep mw_frame mw_widgets mw_gfx mw_files mw_sound mw_platform)
    if(TARGET ${dep})
      target_link_libraries(mw_menus PUBLIC ${dep})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL mw_menus_link_late)

if(TARGET marblewend)
  target_link_libraries(marblewend PRIVATE mw_menus)
endif()

add_executable(mw_menus_tests
  tests/menus/MenuTestFiles.cpp
  tests/menus/CMainMenuHoverTest.cpp
  tests/menus/CExitWndTest.cpp
  tests/menus/CTextDialogTest.cpp
  tests/menus/CMainMenuTest.cpp
)
target_link_libraries(mw_menus_tests PRIVATE mw_menus GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_menus_tests DISCOVERY_MODE PRE_TEST)

# End-to-end tests of the menus: the real program under a virtual display,
# driven with real input, with a small preload helper that holds the intro
# on screen and catches web addresses instead of opening a browser.
if(TARGET marblewend)
  add_library(mw_menus_e2e_shim MODULE tests/e2e/menus_shim.c)
  target_link_libraries(mw_menus_e2e_shim PRIVATE ${CMAKE_DL_LIBS})
  # Prints the settings a test run wrote.
  add_executable(mw_menus_settings_dump tests/e2e/menus_settings_dump.cpp)
  target_link_libraries(mw_menus_settings_dump PRIVATE mw_files)
  foreach(e2e menus_intro_menu_exit menus_full_screen menus_exit_page)
    add_test(NAME e2e_${e2e}
      COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/${e2e}.sh $<TARGET_FILE:marblewend> ${CMAKE_BINARY_DIR}/e2e-shots
              ${CMAKE_BINARY_DIR}/assets-stage $<TARGET_FILE:mw_menus_e2e_shim>
              $<TARGET_FILE:mw_menus_settings_dump>)
    set_tests_properties(e2e_${e2e} PROPERTIES
      TIMEOUT 120
      SKIP_RETURN_CODE 77
      ENVIRONMENT "SDL_AUDIODRIVER=dummy")
  endforeach()
endif()

# Start-up and main-menu frame cost; needs a display (run under xvfb-run).
if(TARGET marblewend AND TARGET mw_menus_e2e_shim)
  add_executable(mw_menus_bench bench/menus/CMenusBench.cpp)
  target_link_libraries(mw_menus_bench PRIVATE mw_menus benchmark::benchmark)
  target_compile_definitions(mw_menus_bench PRIVATE
    MW_GAME_BINARY="$<TARGET_FILE:marblewend>"
    MW_GAME_DIR="${MW_GAME_DIR}"
    MW_MENUS_SHIM="$<TARGET_FILE:mw_menus_e2e_shim>")
  add_dependencies(mw_menus_bench marblewend)
endif()

# The screens on a real GL window; each run gets its own virtual display.
add_executable(mw_menus_display_tests
  tests/menus/MenuTestFiles.cpp
  tests/menus/CMenusDisplayTest.cpp
)
target_link_libraries(mw_menus_display_tests PRIVATE mw_menus GTest::gtest GTest::gtest_main)
add_test(NAME menus_display COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/under_display.sh
  $<TARGET_FILE:mw_menus_display_tests>)
set_tests_properties(menus_display PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77 ENVIRONMENT "SDL_AUDIODRIVER=dummy")
