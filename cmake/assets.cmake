# The asset set: a generator paints the binary assets, the hand-written text
# assets are copied beside them into a staging tree, and the pack writer
# turns the tree into the game's data/data.pk.

add_executable(assetgen
  tools/assetgen/main.cpp
  tools/assetgen/CAssetSink.cpp
  tools/assetgen/CBackdropArt.cpp
  tools/assetgen/CBrickArt.cpp
  tools/assetgen/CCanvas.cpp
  tools/assetgen/CFontSheet.cpp
  tools/assetgen/CNoise.cpp
  tools/assetgen/CObjWriter.cpp
  tools/assetgen/CPictureWriter.cpp
  tools/assetgen/CScenePainter.cpp
  tools/assetgen/CShape.cpp
  tools/assetgen/CSpriteArt.cpp
  tools/assetgen/CTextRasterizer.cpp
  tools/assetgen/CThumbArt.cpp
  tools/assetgen/CTitleArt.cpp
  tools/assetgen/CUiPainter.cpp
  tools/assetgen/CWidgetArt.cpp
)
target_link_libraries(assetgen PRIVATE PkgConfig::FREETYPE JPEG::JPEG)

set(MW_ASSET_STAGE ${CMAKE_BINARY_DIR}/assets-stage)
set(MW_ASSET_STAMP ${CMAKE_BINARY_DIR}/assets-stage.stamp)
file(GLOB_RECURSE MW_HAND_ASSETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*)

add_custom_command(
  OUTPUT ${MW_ASSET_STAMP}
  COMMAND ${CMAKE_COMMAND} -E remove_directory ${MW_ASSET_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/assets ${MW_ASSET_STAGE}
  COMMAND $<TARGET_FILE:assetgen> ${MW_ASSET_STAGE}
  COMMAND ${CMAKE_COMMAND} -E touch ${MW_ASSET_STAMP}
  DEPENDS assetgen ${MW_HAND_ASSETS}
  COMMENT "Painting and staging the game's assets"
  VERBATIM)

# The layouts and parameter texts go into the pack scrambled with the pass
# phrase, so that the game's unscrambling path is used on every start.
set(MW_PACK ${MW_GAME_DIR}/data/data.pk)
add_custom_command(
  OUTPUT ${MW_PACK}
  COMMAND $<TARGET_FILE:packwriter> ${MW_PACK} ${MW_ASSET_STAGE} --scramble "dat/*.txt" --scramble "mui/*.txt"
  DEPENDS ${MW_ASSET_STAMP} packwriter
  COMMENT "Packing the assets into data/data.pk"
  VERBATIM)

add_custom_target(assets ALL DEPENDS ${MW_PACK})

# Asset tests over the built pack, read with the game's own decoders and
# readers, and the generator's repeatability.
add_executable(mw_assets_tests
  tests/assets/CAssetFilesTest.cpp
  tests/assets/CAssetFontTest.cpp
  tests/assets/CAssetGeneratorTest.cpp
  tests/assets/CAssetLayoutTest.cpp
)
target_compile_definitions(mw_assets_tests PRIVATE
  MW_ASSET_PACK="${MW_PACK}"
  MW_ASSETGEN="$<TARGET_FILE:assetgen>")
target_link_libraries(mw_assets_tests PRIVATE mw_gfx mw_files GTest::gtest GTest::gtest_main)
add_dependencies(mw_assets_tests assets)
gtest_discover_tests(mw_assets_tests DISCOVERY_MODE PRE_TEST)
