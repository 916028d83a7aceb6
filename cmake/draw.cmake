# Engine drawing helpers for the screens above the engine: GL switches, flat
# pictures, the matrix stack and the copy of the window's picture. The shell
# draws only through these, so that no file under shell/ speaks GL.

add_library(mw_draw STATIC
  engine/CDraw2D.cpp
  engine/CMatrixStack.cpp
  engine/CWindowCopy.cpp
)
target_link_libraries(mw_draw PUBLIC OpenGL::GL PkgConfig::GLU)

# The textures live in a library whose build file comes later in name order;
# the shell's libraries come later too.
function(mw_draw_link_late)
  if(TARGET mw_files)
    target_link_libraries(mw_draw PUBLIC mw_files)
  endif()
  foreach(user mw_menus mw_gamemenu mw_gamebase)
    if(TARGET ${user})
      target_link_libraries(${user} PUBLIC mw_draw)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL mw_draw_link_late)

# Layering: nothing under shell/ issues GL calls, only platform/ sees SDL,
# and no layer includes one above it.
add_test(NAME layers_check COMMAND bash ${CMAKE_SOURCE_DIR}/tests/draw/check_layers.sh ${CMAKE_SOURCE_DIR})

# The state each helper leaves behind, read back from a real GL context.
add_executable(mw_draw_display_tests
  tests/draw/CDraw2DDisplayTest.cpp
  tests/draw/CWindowCopyTest.cpp
)
target_link_libraries(mw_draw_display_tests PRIVATE mw_draw GTest::gtest GTest::gtest_main)
function(mw_draw_tests_link_late)
  if(TARGET mw_frame)
    target_link_libraries(mw_draw_display_tests PRIVATE mw_frame)
  endif()
endfunction()
cmake_language(DEFER CALL mw_draw_tests_link_late)
add_test(NAME draw_display COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/under_display.sh
  $<TARGET_FILE:mw_draw_display_tests>)
set_tests_properties(draw_display PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77 ENVIRONMENT "SDL_AUDIODRIVER=dummy")
