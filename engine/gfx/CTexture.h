#pragma once

#include "engine/gfx/CPicture.h"

#include <cstddef>
#include <string>

class CFilePack;

// A picture of the pack as an OpenGL texture. Names ending in "a" or "A"
// are read as TGA, everything else as JPEG. Without a GL context (tests,
// tools) switch uploads off: decoding and the sizes work the same, the GL
// names stay 0.
class CTexture
{
public:
    CTexture() = default;
    virtual ~CTexture();

    CTexture(const CTexture&) = delete;
    CTexture& operator=(const CTexture&) = delete;

    // Each returns false when the picture cannot be decoded (the texture then
    // keeps what it had). A missing file throws the pack's CFilePackError.
    bool Load(CFilePack& pack, const std::string& file, bool wrap, bool dynamic);
    bool LoadBump(CFilePack& pack, const std::string& file, bool wrap, bool dynamic);
    bool LoadWithAlpha(CFilePack& pack, const std::string& colorFile, const std::string& alphaFile,
                       bool wrap, bool dynamic);

    // Decodes a picture of the pack as Load would, without uploading it;
    // false when it cannot be decoded. A missing file throws as in Load.
    static bool ReadPicture(CFilePack& pack, const std::string& file, CPicture& picture);

    // Uploads a picture decoded elsewhere (on another thread, say).
    bool SetPicture(const CPicture& picture, bool wrap, bool dynamic);

    bool DecodeTga(const unsigned char* bytes, std::size_t size, bool wrap, bool dynamic);
    bool DecodeJpegImage(const unsigned char* bytes, std::size_t size, bool wrap, bool dynamic);
    bool CombineAlpha(const unsigned char* colorBytes, std::size_t colorSize,
                      const unsigned char* alphaBytes, std::size_t alphaSize, bool wrap, bool dynamic);

    // Deletes the GL names (when uploads are on) and sets them to 0.
    void Release();

    unsigned int GetId() const { return m_id; }
    unsigned int GetBumpId1() const { return m_bump_id_1; }
    unsigned int GetBumpId2() const { return m_bump_id_2; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetComponents() const { return m_components; }

    // One quad at depth z as a four-vertex strip; the caller binds the texture.
    static void DrawQuad(float x, float y, float z, float width, float height,
                         float sA, float sB, float tA, float tB);

    // On by default; tests and tools without a GL context turn it off.
    static void SetUploadEnabled(bool enabled);
    static bool IsUploadEnabled();
    // Counts the pictures uploaded so far: a copy of drawn pictures is stale
    // once it changed.
    static unsigned int GetUploadCount();

    // Dynamic: mipmaps with alpha kept; otherwise one level, alpha dropped.
    static unsigned int Upload(const CPicture& picture, bool wrap, bool dynamic);
    static unsigned int UploadBump(const CPicture& picture, bool wrap, bool dynamic);
    // An empty texture that window pixels are copied or drawn into and drawn
    // back one texel a pixel: nearest, clamped, four bytes a texel (the
    // software renderer samples three-byte textures more slowly). With
    // windowOrder its texels keep the window's own order, so that copies of
    // rows between the two need no conversion. 0 when none could be made.
    static unsigned int CreatePixelTarget(int width, int height, bool windowOrder = false);

    // The two half-intensity pictures of an emboss bump pair.
    static CPicture MakeBumpHalf(const CPicture& picture, bool inverted);

private:
    bool DecodePicture(const CPicture& picture, bool wrap, bool dynamic, bool bump);

    unsigned int m_id = 0;
    unsigned int m_bump_id_1 = 0;
    unsigned int m_bump_id_2 = 0;
    bool m_bump = false;
    int m_width = 0;
    int m_height = 0;
    int m_components = 0;
};
