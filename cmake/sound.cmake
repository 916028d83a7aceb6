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
