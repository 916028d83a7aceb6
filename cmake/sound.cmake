# Sound: the platform's audio device, the sound effects and the module music.

add_library(mw_audio STATIC
  platform/CAudioDevice.cpp
)
target_link_libraries(mw_audio PUBLIC PkgConfig::SDL2)

add_library(mw_sound STATIC
  engine/CWaveFile.cpp
  engine/CSampleConverter.cpp
  engine/CSoundMixer.cpp
  engine/CEffectVoices.cpp
  engine/CMusicRing.cpp
  engine/CSoundOutput.cpp
  engine/CSoundManager.cpp
  engine/CMikModDriver.cpp
  engine/CMusicPlayer.cpp
)
target_link_libraries(mw_sound PUBLIC mw_audio PkgConfig::MIKMOD Threads::Threads)

add_executable(mw_sound_tests
  tests/sound/CWaveFileTest.cpp
  tests/sound/CSampleConverterTest.cpp
  tests/sound/CSoundMixerTest.cpp
  tests/sound/CEffectVoicesTest.cpp
  tests/sound/CMusicRingTest.cpp
  tests/sound/CSoundManagerTest.cpp
  tests/sound/CMusicPlayerTest.cpp
  tests/sound/CAudioDeviceTest.cpp
  tests/sound/CSoundOutputTest.cpp
)
target_link_libraries(mw_sound_tests PRIVATE mw_sound GTest::gtest_main)
gtest_discover_tests(mw_sound_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy")

add_executable(mw_sound_bench bench/sound/SoundOutputBench.cpp)
target_link_libraries(mw_sound_bench PRIVATE mw_sound benchmark::benchmark)

# Reads a capture of the game's output made with SDL's disk audio driver.
add_executable(mw_sound_capture_check tests/sound/CaptureCheck.cpp)
target_link_libraries(mw_sound_capture_check PRIVATE mw_sound)
# The correlation search is a long dot product: let it vectorise.
target_compile_options(mw_sound_capture_check PRIVATE -O3 -ffast-math)

# The real program's mixed output, captured while the main menu plays.
if(TARGET marblewend)
  add_test(NAME e2e_sound_capture
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/sound_capture.sh $<TARGET_FILE:marblewend>
            ${CMAKE_BINARY_DIR}/e2e-shots $<TARGET_FILE:mw_sound_capture_check>)
  set_tests_properties(e2e_sound_capture PROPERTIES
    TIMEOUT 120
    SKIP_RETURN_CODE 77
    ENVIRONMENT "MARBLEWEND_NO_BROWSER=1")
endif()
