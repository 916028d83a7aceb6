# The sound effects and the music, synthesised at build time into the game directory.

add_library(mw_soundgen STATIC
  tools/soundgen/CRandom.cpp
  tools/soundgen/CSignal.cpp
  tools/soundgen/CWavWriter.cpp
  tools/soundgen/CWavReader.cpp
  tools/soundgen/CFileWriter.cpp
  tools/soundgen/CEffectBank.cpp
  tools/soundgen/CModuleFile.cpp
  tools/soundgen/CInstrumentBank.cpp
  tools/soundgen/CSongComposer.cpp
  tools/soundgen/CSongBook.cpp
  tools/soundgen/CModuleRenderer.cpp
)
target_link_libraries(mw_soundgen PUBLIC PkgConfig::MIKMOD)

add_executable(soundgen tools/soundgen/main.cpp)
target_link_libraries(soundgen PRIVATE mw_soundgen)

add_executable(soundcheck tools/soundgen/soundcheck.cpp)
target_link_libraries(soundcheck PRIVATE mw_soundgen)

set(MW_SOUND_FILES ${MW_GAME_DIR}/data/i1.wav ${MW_GAME_DIR}/data/i2.wav ${MW_GAME_DIR}/data/i3.wav)
foreach(group era:1:5 rem:1:5 sli:1:6 rev:0:9 cru:1:7 mov:1:2 des:1:7 fil:1:2)
  string(REPLACE ":" ";" parts ${group})
  list(GET parts 0 prefix)
  list(GET parts 1 first)
  list(GET parts 2 last)
  foreach(n RANGE ${first} ${last})
    if(n LESS 10)
      set(n "0${n}")
    endif()
    list(APPEND MW_SOUND_FILES ${MW_GAME_DIR}/data/wav/${prefix}${n}.wav)
  endforeach()
endforeach()
foreach(n RANGE 0 14)
  if(n LESS 10)
    set(n "00${n}")
  else()
    set(n "0${n}")
  endif()
  list(APPEND MW_SOUND_FILES ${MW_GAME_DIR}/data/music/${n}.mod)
endforeach()

add_custom_command(
  OUTPUT ${MW_SOUND_FILES}
  COMMAND soundgen ${MW_GAME_DIR}
  DEPENDS soundgen
  COMMENT "Synthesising sound effects and music"
  VERBATIM)
add_custom_target(sounds ALL DEPENDS ${MW_SOUND_FILES})

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/soundgen/GeneratedAudioTest.cpp)
  add_executable(mw_soundgen_tests
    tests/soundgen/CWavReaderTest.cpp
    tests/soundgen/CModuleFileTest.cpp
    tests/soundgen/CSongComposerTest.cpp
    tests/soundgen/CEffectBankTest.cpp
    tests/soundgen/GeneratedAudioTest.cpp
  )
  target_link_libraries(mw_soundgen_tests PRIVATE mw_soundgen GTest::gtest GTest::gtest_main)
  target_compile_definitions(mw_soundgen_tests PRIVATE MW_SOUNDGEN_BIN="$<TARGET_FILE:soundgen>")
  add_dependencies(mw_soundgen_tests soundgen)
  gtest_discover_tests(mw_soundgen_tests DISCOVERY_MODE PRE_TEST)
endif()
