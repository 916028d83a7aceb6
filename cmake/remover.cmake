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
