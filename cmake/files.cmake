# Files: the key-value store and its scrambler, the resource pack, the atomic
# writer, picture decoding and textures, the general settings; the pack writer.

add_library(mw_files STATIC
  engine/CAtomicFile.cpp
  engine/CScrambler.cpp
  engine/CConfigFile.cpp
  engine/CFileData.cpp
  engine/CFilePack.cpp
  engine/CPicture.cpp
  engine/CTgaDecoder.cpp
  engine/CJpegDecoder.cpp
  engine/CTexture.cpp
  engine/CGeneralSettings.cpp
)
target_link_libraries(mw_files PUBLIC OpenGL::GL PkgConfig::GLU JPEG::JPEG)

# The pack writer's core is a library so the tests can build packs too.
add_library(mw_packwriter STATIC
  tools/packwriter/CPackWriter.cpp
  tools/packwriter/CAssetTree.cpp
)
target_link_libraries(mw_packwriter PUBLIC mw_files)

# packwriter <out.pk> <asset-dir> [--scramble PATTERN]...; see its --help.
add_executable(packwriter tools/packwriter/main.cpp)
target_link_libraries(packwriter PRIVATE mw_packwriter mw_files)

add_executable(mw_files_tests
  tests/files/CTempDir.cpp
  tests/files/CTestPictures.cpp
  tests/files/CScramblerTest.cpp
  tests/files/CConfigFileTest.cpp
  tests/files/CValueConversionTest.cpp
  tests/files/CAtomicFileTest.cpp
  tests/files/CFilePackTest.cpp
  tests/files/CTgaDecoderTest.cpp
  tests/files/CJpegDecoderTest.cpp
  tests/files/CTextureTest.cpp
  tests/files/CGeneralSettingsTest.cpp
  tests/files/CFuzzTest.cpp
  tests/files/CAssetTreeTest.cpp
  tests/files/CIndependentFormatTest.cpp
)
target_link_libraries(mw_files_tests PRIVATE mw_packwriter mw_files JPEG::JPEG GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_files_tests DISCOVERY_MODE PRE_TEST)

add_executable(mw_files_bench bench/files/CFilesBench.cpp)
target_link_libraries(mw_files_bench PRIVATE mw_packwriter mw_files benchmark::benchmark)

# The random-input test again under AddressSanitizer: every reader of outside
# bytes, built from its own sources so that nothing else needs the sanitizer.
option(MW_FILES_ASAN "Run the file readers' random-input test under AddressSanitizer" ON)
if(MW_FILES_ASAN)
  add_executable(mw_files_fuzz_asan
    engine/CAtomicFile.cpp
    engine/CScrambler.cpp
    engine/CConfigFile.cpp
    engine/CFileData.cpp
    engine/CFilePack.cpp
    engine/CPicture.cpp
    engine/CTgaDecoder.cpp
    engine/CJpegDecoder.cpp
    tools/packwriter/CPackWriter.cpp
    tests/files/CTempDir.cpp
    tests/files/CTestPictures.cpp
    tests/files/CFuzzTest.cpp
  )
  target_compile_options(mw_files_fuzz_asan PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=all)
  target_link_options(mw_files_fuzz_asan PRIVATE -fsanitize=address,undefined)
  target_link_libraries(mw_files_fuzz_asan PRIVATE JPEG::JPEG GTest::gtest GTest::gtest_main)
  add_test(NAME mw_files_fuzz_asan COMMAND mw_files_fuzz_asan)
  set_tests_properties(mw_files_fuzz_asan PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1")
endif()

# Uploads into a real GL context (hidden window), under a virtual display of
# its own; each test skips itself when there is no display at all.
if(TARGET mw_platform OR EXISTS ${CMAKE_SOURCE_DIR}/cmake/platform.cmake)
  add_executable(mw_files_gl_tests
    tests/files/CTempDir.cpp
    tests/files/CTestPictures.cpp
    tests/files/CTextureUploadTest.cpp
  )
  target_link_libraries(mw_files_gl_tests PRIVATE mw_files mw_platform JPEG::JPEG GTest::gtest GTest::gtest_main)
  add_test(NAME mw_files_gl_tests COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/under_display.sh
    $<TARGET_FILE:mw_files_gl_tests>)
  set_tests_properties(mw_files_gl_tests PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
endif()
