# Platform layer: the window with its GL context, the event pump, keyboard and
# mouse state, clock, clipboard, browser and files. The only code that sees SDL
# (besides the audio device).

add_library(mw_platform STATIC
  platform/CPlatform.cpp
  platform/CPlatformEvents.cpp
  platform/CPlatformWindow.cpp
  platform/CKeyMap.cpp
  platform/CPressLatch.cpp
  platform/CInputState.cpp
  platform/CEventPump.cpp
)
target_link_libraries(mw_platform PUBLIC PkgConfig::SDL2 OpenGL::GL)

add_executable(mw_platform_tests
  tests/platform/CKeyMapTest.cpp
  tests/platform/CPressLatchTest.cpp
  tests/platform/CEventPumpTest.cpp
  tests/platform/CPlatformTest.cpp
)
target_link_libraries(mw_platform_tests PRIVATE mw_platform GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_platform_tests DISCOVERY_MODE PRE_TEST)
