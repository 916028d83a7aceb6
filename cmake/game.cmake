# The game program, built into the runnable game directory beside its data/,
# and the end-to-end tests that drive it under a virtual display.

add_executable(marblewend
  shell/main.cpp
)
target_link_libraries(marblewend PRIVATE mw_frame)
set_target_properties(marblewend PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${MW_GAME_DIR})

# Libraries and asset steps from build files read later in name order, or not
# written yet: take whichever exist once every build file has been read.
function(mw_game_link_late)
  foreach(dep mw_menus mw_shell mw_gamebase mw_remover mw_mover mw_slider mw_designer mw_eraser mw_eraser2
              mw_filler mw_jewel mw_widgets mw_gfx mw_sound mw_audio mw_files)
    if(TARGET ${dep})
      target_link_libraries(marblewend PRIVATE ${dep})
    endif()
  endforeach()
  foreach(step assets sounds)
    if(TARGET ${step})
      add_dependencies(marblewend ${step})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL mw_game_link_late)

# Each end-to-end test runs under its own virtual display and keeps its
# screenshots in the build directory.
set(MW_E2E_SHOTS ${CMAKE_BINARY_DIR}/e2e-shots)
foreach(e2e start_and_close close_by_signal missing_file)
  add_test(NAME e2e_${e2e}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/${e2e}.sh $<TARGET_FILE:marblewend> ${MW_E2E_SHOTS})
  set_tests_properties(e2e_${e2e} PROPERTIES
    TIMEOUT 120
    SKIP_RETURN_CODE 77
    ENVIRONMENT "SDL_AUDIODRIVER=dummy;MARBLEWEND_NO_BROWSER=1")
endforeach()
