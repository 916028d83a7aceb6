# The remover game kind.

add_library(mw_remover STATIC
  games/remover/CRemoverBrick.cpp
  games/remover/CRemoverField.cpp
  games/remover/CRemoverGame.cpp
  games/remover/CRemoverGameScreen.cpp
  games/remover/CRemoverNewGameDialog.cpp
  games/remover/CRemoverParams.cpp
  games/remover/CRemoverPlayer.cpp
  games/remover/CRemoverScorePopup.cpp
)
target_link_libraries(mw_remover PUBLIC mw_gamebase OpenGL::GL)

add_executable(mw_remover_tests
  tests/remover/RemoverTestKit.cpp
  tests/remover/RemoverDriver.cpp
  tests/remover/CRemoverFieldGroupTest.cpp
  tests/remover/CRemoverFieldPhaseTest.cpp
  tests/remover/CRemoverPlayerTurnTest.cpp
  tests/remover/CRemoverGameTest.cpp
  tests/remover/CRemoverParamsTest.cpp
  tests/remover/CRemoverScreensTest.cpp
  tests/remover/CRemoverBrickTest.cpp
)
target_link_libraries(mw_remover_tests PRIVATE mw_remover GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_remover_tests DISCOVERY_MODE PRE_TEST)

add_executable(mw_remover_bench bench/remover/CRemoverBench.cpp)
target_link_libraries(mw_remover_bench PRIVATE mw_remover benchmark::benchmark)

# The remover in a real window, driven by an end-to-end test under Xvfb.
add_executable(remover_lab tests/remover/lab/remover_lab_main.cpp)
target_link_libraries(remover_lab PRIVATE mw_remover)
add_test(NAME e2e_remover_lab
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/remover/lab/remover_lab.sh $<TARGET_FILE:remover_lab> ${MW_GAME_DIR}
          ${CMAKE_BINARY_DIR}/e2e-shots)
set_tests_properties(e2e_remover_lab PROPERTIES
  TIMEOUT 180
  SKIP_RETURN_CODE 77
  ENVIRONMENT "SDL_AUDIODRIVER=dummy;MARBLEWEND_NO_BROWSER=1")
