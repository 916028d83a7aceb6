# Engine frame: the application object and window, the screen stacks, screens
# and dialogs, view parameters, input and the vector.

add_library(mw_frame STATIC
  engine/CVector4.cpp
  engine/CWindowFrame.cpp
  engine/CScreen.cpp
  engine/CDialog.cpp
  engine/CScreenStack.cpp
  engine/CWindowPlacement.cpp
  engine/CViewParams.cpp
  engine/CInput.cpp
  engine/CAppWindow.cpp
  engine/CGameApp.cpp
)
target_link_libraries(mw_frame PUBLIC mw_platform OpenGL::GL PkgConfig::GLU)

# The application object uses the files, sound, graphics and widget libraries,
# whose build files may come later in name order; link them once all are read.
function(mw_frame_link_late)
  foreach(dep mw_files mw_sound mw_audio mw_gfx mw_widgets)
    if(TARGET ${dep})
      target_link_libraries(mw_frame PUBLIC ${dep})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL mw_frame_link_late)

add_executable(mw_frame_tests
  tests/frame/CVector4Test.cpp
  tests/frame/CScreenStackTest.cpp
  tests/frame/CScreenDragTest.cpp
  tests/frame/CDialogTest.cpp
  tests/frame/CWindowPlacementTest.cpp
  tests/frame/CInputTest.cpp
  tests/frame/CGameAppTest.cpp
)
target_link_libraries(mw_frame_tests PRIVATE mw_frame GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_frame_tests DISCOVERY_MODE PRE_TEST)

# Frame loop cost and start-up time; needs a display (run under xvfb-run).
add_executable(mw_frame_bench bench/CFrameLoopBench.cpp)
target_link_libraries(mw_frame_bench PRIVATE mw_frame benchmark::benchmark)

# The window on a real display: each run gets its own virtual one.
add_executable(mw_frame_display_tests
  tests/frame/CAppWindowDisplayTest.cpp
  tests/frame/CViewParamsDisplayTest.cpp
)
target_link_libraries(mw_frame_display_tests PRIVATE mw_frame GTest::gtest GTest::gtest_main)
add_test(NAME frame_display COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/under_display.sh
  $<TARGET_FILE:mw_frame_display_tests>)
set_tests_properties(frame_display PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77 ENVIRONMENT "SDL_AUDIODRIVER=dummy")
