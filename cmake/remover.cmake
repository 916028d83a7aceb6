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
)
target_link_libraries(mw_remover_tests PRIVATE mw_remover GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_remover_tests DISCOVERY_MODE PRE_TEST)

add_executable(mw_remover_bench bench/remover/CRemoverBench.cpp)
target_link_libraries(mw_remover_bench PRIVATE mw_remover benchmark::benchmark)
