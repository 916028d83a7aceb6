# A player's whole road through the remover in the real program, under a
# virtual display: menus, a game placed turn by turn, left, resumed across
# runs, played to its end, the name in the table, options, help and exit.

add_executable(mw_remover_play_files tests/e2e/remover_play_files.cpp)
target_link_libraries(mw_remover_play_files PRIVATE mw_gamemenu mw_files)

if(TARGET marblewend)
  add_test(NAME e2e_remover_play
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/remover_play.sh $<TARGET_FILE:marblewend> ${CMAKE_BINARY_DIR}/e2e-shots
            $<TARGET_FILE:mw_remover_play_files> ${CMAKE_BINARY_DIR}/assets-stage)
  set_tests_properties(e2e_remover_play PROPERTIES
    TIMEOUT 300
    SKIP_RETURN_CODE 77
    ENVIRONMENT "SDL_AUDIODRIVER=dummy;MARBLEWEND_NO_BROWSER=1")
endif()
