# Graphics: the resource manager, meshes, models, sprites, lights, the font, text labels
# and the sparkles.

add_library(mw_gfx STATIC
  engine/CMesh.cpp
  engine/CModelGeometry.cpp
  engine/CModel.cpp
  engine/CSprite.cpp
  engine/CLight.cpp
  engine/CResManager.cpp
  engine/CBitmapFont.cpp
  engine/CTextLabel.cpp
  engine/CSparkle.cpp
  engine/CBackSparkle.cpp
  engine/CSparkleLists.cpp
)
target_link_libraries(mw_gfx PUBLIC OpenGL::GL PkgConfig::GLU)

# The store, pack, textures and vector live in libraries whose build files may come later
# in name order; link them once every build file has been read.
function(mw_gfx_link_late)
  foreach(dep mw_files mw_frame)
    if(TARGET ${dep})
      target_link_libraries(mw_gfx PUBLIC ${dep})
      if(TARGET mw_gfx_tests_asan)
        target_link_libraries(mw_gfx_tests_asan PRIVATE ${dep})
      endif()
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL mw_gfx_link_late)

add_executable(mw_gfx_tests
  tests/gfx/CGfxTestFiles.cpp
  tests/gfx/CFontTestPicture.cpp
  tests/gfx/CMeshTest.cpp
  tests/gfx/CModelTest.cpp
  tests/gfx/CResManagerTest.cpp
  tests/gfx/CSpriteTest.cpp
  tests/gfx/CLightTest.cpp
  tests/gfx/CBitmapFontTest.cpp
  tests/gfx/CTextLabelTest.cpp
  tests/gfx/CSparkleTest.cpp
  tests/gfx/CGfxFuzzTest.cpp
)
target_link_libraries(mw_gfx_tests PRIVATE mw_gfx GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_gfx_tests DISCOVERY_MODE PRE_TEST)

add_executable(mw_gfx_bench
  bench/gfx/CGfxBench.cpp
  tests/gfx/CGfxTestFiles.cpp
  tests/gfx/CFontTestPicture.cpp
)
target_link_libraries(mw_gfx_bench PRIVATE mw_gfx benchmark::benchmark)

# The same tests again under AddressSanitizer: shared geometry, copies and reloads are
# where a use after free would hide. The libraries below stay uninstrumented.
option(MW_GFX_ASAN "Run the graphics tests under AddressSanitizer" ON)
if(MW_GFX_ASAN)
  get_target_property(mw_gfx_sources mw_gfx SOURCES)
  get_target_property(mw_gfx_test_sources mw_gfx_tests SOURCES)
  add_executable(mw_gfx_tests_asan ${mw_gfx_sources} ${mw_gfx_test_sources})
  target_compile_options(mw_gfx_tests_asan PRIVATE -fsanitize=address,undefined
    -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(mw_gfx_tests_asan PRIVATE -fsanitize=address,undefined)
  target_link_libraries(mw_gfx_tests_asan PRIVATE OpenGL::GL PkgConfig::GLU GTest::gtest
    GTest::gtest_main)
  add_test(NAME mw_gfx_tests_asan COMMAND mw_gfx_tests_asan)
endif()

# Drawing into a real GL window. Run under its own virtual display when xvfb-run is there;
# each test skips itself when no display can be opened.
add_executable(mw_gfx_gl_tests
  tests/gfx/CGfxTestFiles.cpp
  tests/gfx/CFontTestPicture.cpp
  tests/gfx/CGfxDrawTest.cpp
)
target_link_libraries(mw_gfx_gl_tests PRIVATE mw_gfx mw_platform GTest::gtest GTest::gtest_main)
add_test(NAME mw_gfx_gl_tests COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/under_display.sh
  $<TARGET_FILE:mw_gfx_gl_tests>)
set_tests_properties(mw_gfx_gl_tests PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
