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
)
target_link_libraries(mw_sound_tests PRIVATE mw_sound GTest::gtest_main)
gtest_discover_tests(mw_sound_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy")

add_executable(mw_sound_bench bench/sound/SoundOutputBench.cpp)
target_link_libraries(mw_sound_bench PRIVATE mw_sound benchmark::benchmark)
