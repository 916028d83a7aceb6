# The per-kind game menu with its dialogs (game over, top seven, options,
# help), the registry of kinds, and the list of playable kinds.

add_library(mw_gamemenu STATIC
  shell/CMenuHost.cpp
  shell/CAppMenuHost.cpp
  shell/CGameKindRegistry.cpp
  shell/CGameMenu.cpp
  shell/CGameOverDialog.cpp
  shell/CTop7Dialog.cpp
  shell/COptionsDialog.cpp
  shell/CDescBlock.cpp
  shell/CTextDescBlock.cpp
  shell/CModelDescBlock.cpp
  shell/CHelpDialog.cpp
)
target_link_libraries(mw_gamemenu PUBLIC OpenGL::GL)

# The kinds themselves sit above the shell: only this list names them.
add_library(mw_kinds STATIC
  games/GameKinds.cpp
)
target_link_libraries(mw_kinds PUBLIC mw_gamemenu)

# Libraries from build files read later in name order.
function(mw_gamemenu_link_late)
  foreach(dep mw_menus mw_gamebase mw_widgets mw_frame mw_gfx mw_files mw_sound mw_platform)
    if(TARGET ${dep})
      target_link_libraries(mw_gamemenu PUBLIC ${dep})
    endif()
  endforeach()
  if(TARGET mw_remover)
    target_link_libraries(mw_kinds PUBLIC mw_remover)
  endif()
  if(TARGET marblewend)
    target_link_libraries(marblewend PRIVATE mw_kinds mw_gamemenu)
  endif()
endfunction()
cmake_language(DEFER CALL mw_gamemenu_link_late)

add_executable(mw_gamemenu_tests
  tests/files/CTempDir.cpp
  tests/gamemenu/CFakeMenuHost.cpp
  tests/gamemenu/CFakeKind.cpp
  tests/gamemenu/CGameKindRegistryTest.cpp
  tests/gamemenu/CGameMenuTest.cpp
  tests/gamemenu/CGameOverDialogTest.cpp
  tests/gamemenu/CTop7DialogTest.cpp
  tests/gamemenu/COptionsDialogTest.cpp
  tests/gamemenu/CHelpDialogTest.cpp
)
target_link_libraries(mw_gamemenu_tests PRIVATE mw_gamemenu GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_gamemenu_tests DISCOVERY_MODE PRE_TEST)

# A visit to a kind's game menu in the real program under Xvfb.
if(TARGET marblewend)
  add_test(NAME e2e_gamemenu_visit
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/gamemenu_visit.sh $<TARGET_FILE:marblewend> ${CMAKE_BINARY_DIR}/e2e-shots)
  set_tests_properties(e2e_gamemenu_visit PROPERTIES
    TIMEOUT 180
    SKIP_RETURN_CODE 77
    ENVIRONMENT "SDL_AUDIODRIVER=dummy;MARBLEWEND_NO_BROWSER=1")
endif()
