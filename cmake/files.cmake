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
