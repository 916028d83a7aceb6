# The shared bases of every game kind: game screen, game field, level
# effects, background, parameter object, new-game dialog, and the score tables.

add_library(mw_gamebase STATIC
  shell/CScoreTable.cpp
  shell/game/CAppGameEvents.cpp
  shell/game/CGameBackground.cpp
  shell/game/CGameParams.cpp
  shell/game/CGameScreen.cpp
  shell/game/CLevelBricksEffect.cpp
  shell/game/CLevelFlipEffect.cpp
  shell/game/CNewGameDialog.cpp
  shell/game/GameLookup.cpp
  shell/game/SaveValues.cpp
)
target_link_libraries(mw_gamebase PUBLIC OpenGL::GL)

# The engine libraries may be defined by build files read later.
function(mw_gamebase_link_late)
  foreach(dep mw_widgets mw_frame mw_gfx mw_files mw_sound mw_platform)
    if(TARGET ${dep})
      target_link_libraries(mw_gamebase PUBLIC ${dep})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL mw_gamebase_link_late)

add_executable(mw_gamebase_tests
  tests/gamebase/CScoreTableTest.cpp
  tests/gamebase/CLevelEffectsTest.cpp
  tests/gamebase/PackPosTest.cpp
  tests/gamebase/SaveValuesTest.cpp
)
target_link_libraries(mw_gamebase_tests PRIVATE mw_gamebase GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_gamebase_tests DISCOVERY_MODE PRE_TEST)
