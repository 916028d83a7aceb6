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
)
target_link_libraries(mw_gfx_tests PRIVATE mw_gfx GTest::gtest GTest::gtest_main)
gtest_discover_tests(mw_gfx_tests DISCOVERY_MODE PRE_TEST)
