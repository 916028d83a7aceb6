#include "engine/gfx/CTexture.h"

#include <algorithm>

#include "engine/files/CFilePack.h"
#include "engine/gfx/CJpegDecoder.h"
#include "engine/gfx/CTgaDecoder.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <utility>

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif
#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif
#ifndef GL_UNSIGNED_INT_8_8_8_8_REV
#define GL_UNSIGNED_INT_8_8_8_8_REV 0x8367
#endif

namespace
{
bool g_upload_enabled = true;
unsigned int g_upload_count = 0;

bool IsTgaName(const std::string& file)
{
    return !file.empty() && (file.back() == 'a' || file.back() == 'A');
}

GLenum FormatOf(const CPicture& picture)
{
    return picture.m_components == 4 ? GL_RGBA : GL_RGB;
}
}

CTexture::~CTexture()
{
    Release();
}

void CTexture::SetUploadEnabled(bool enabled)
{
    g_upload_enabled = enabled;
}

bool CTexture::IsUploadEnabled()
{
    return g_upload_enabled;
}

unsigned int CTexture::GetUploadCount()
{
    return g_upload_count;
}

bool CTexture::Load(CFilePack& pack, const std::string& file, bool wrap, bool dynamic)
{
    CPicture picture;
    if (!ReadPicture(pack, file, picture))
        return false;
    // Only JPEG pictures become bump pairs; a TGA is always a plain texture.
    return DecodePicture(picture, wrap, dynamic, m_bump && !IsTgaName(file));
}

bool CTexture::ReadPicture(CFilePack& pack, const std::string& file, CPicture& picture)
{
    CFileData data = pack.GetFile(file);
    if (IsTgaName(file))
        return CTgaDecoder::Decode(data.GetData(), data.GetSize(), picture);
    if (!CJpegDecoder::Decode(data.GetData(), data.GetSize(), picture))
        return false;
    picture.ExpandGreyToRgb();
    return true;
}

bool CTexture::LoadBump(CFilePack& pack, const std::string& file, bool wrap, bool dynamic)
{
    m_bump = true;
    bool ok = false;
    try
    {
        ok = Load(pack, file, wrap, dynamic);
    }
    catch (...)
    {
        m_bump = false;
        throw;
    }
    m_bump = false;
    return ok;
}

bool CTexture::LoadWithAlpha(CFilePack& pack, const std::string& colorFile, const std::string& alphaFile,
                             bool wrap, bool dynamic)
{
    CFileData color = pack.GetFile(colorFile);
    CFileData alpha = pack.GetFile(alphaFile);
    return CombineAlpha(color.GetData(), color.GetSize(), alpha.GetData(), alpha.GetSize(), wrap, dynamic);
}

bool CTexture::SetPicture(const CPicture& picture, bool wrap, bool dynamic)
{
    if (picture.IsEmpty())
        return false;
    return DecodePicture(picture, wrap, dynamic, false);
}

bool CTexture::DecodeTga(const unsigned char* bytes, std::size_t size, bool wrap, bool dynamic)
{
    CPicture picture;
    if (!CTgaDecoder::Decode(bytes, size, picture))
        return false;
    // Only JPEG pictures become bump pairs; a TGA is always a plain texture.
    return DecodePicture(picture, wrap, dynamic, false);
}

bool CTexture::DecodeJpegImage(const unsigned char* bytes, std::size_t size, bool wrap, bool dynamic)
{
    CPicture picture;
    if (!CJpegDecoder::Decode(bytes, size, picture))
        return false;
    // Grey pictures are drawn as grey colour rather than read past their pixels.
    picture.ExpandGreyToRgb();
    return DecodePicture(picture, wrap, dynamic, m_bump);
}

bool CTexture::DecodePicture(const CPicture& picture, bool wrap, bool dynamic, bool bump)
{
    Release();
    if (bump)
    {
        m_bump_id_1 = UploadBump(MakeBumpHalf(picture, false), wrap, dynamic);
        m_bump_id_2 = UploadBump(MakeBumpHalf(picture, true), wrap, dynamic);
    }
    else
    {
        m_id = Upload(picture, wrap, dynamic);
    }
    m_width = picture.m_width;
    m_height = picture.m_height;
    m_components = picture.m_components;
    return true;
}

bool CTexture::CombineAlpha(const unsigned char* colorBytes, std::size_t colorSize,
                            const unsigned char* alphaBytes, std::size_t alphaSize, bool wrap, bool dynamic)
{
    CPicture color;
    CPicture alpha;
    if (!CJpegDecoder::Decode(colorBytes, colorSize, color) || !CJpegDecoder::Decode(alphaBytes, alphaSize, alpha))
        return false;
    if (color.m_width != alpha.m_width || color.m_height != alpha.m_height || color.m_components != 3 ||
        alpha.m_components != 1)
        return false;
    CPicture rgba;
    rgba.m_width = color.m_width;
    rgba.m_height = color.m_height;
    rgba.m_components = 4;
    const std::size_t count = static_cast<std::size_t>(color.m_width) * color.m_height;
    rgba.m_pixels.resize(count * 4);
    for (std::size_t i = 0; i < count; ++i)
    {
        rgba.m_pixels[4 * i] = color.m_pixels[3 * i];
        rgba.m_pixels[4 * i + 1] = color.m_pixels[3 * i + 1];
        rgba.m_pixels[4 * i + 2] = color.m_pixels[3 * i + 2];
        rgba.m_pixels[4 * i + 3] = alpha.m_pixels[i];
    }
    return DecodePicture(rgba, wrap, dynamic, false);
}

CPicture CTexture::MakeBumpHalf(const CPicture& picture, bool inverted)
{
    CPicture half = picture;
    for (unsigned char& v : half.m_pixels)
        v = static_cast<unsigned char>(inverted ? (256 - v) / 2 : (v + 1) / 2);
    return half;
}

void CTexture::Release()
{
    if (g_upload_enabled)
    {
        const GLuint names[3] = {m_id, m_bump_id_1, m_bump_id_2};
        for (GLuint name : names)
            if (name != 0)
                glDeleteTextures(1, &name);
    }
    m_id = m_bump_id_1 = m_bump_id_2 = 0;
}

namespace
{
// The next smaller mipmap level: each pixel the mean of the 2 x 2 it covers
// (an odd last row or column is averaged with itself).
CPicture HalveBox(const CPicture& source)
{
    CPicture half;
    half.m_width = std::max(1, source.m_width / 2);
    half.m_height = std::max(1, source.m_height / 2);
    half.m_components = source.m_components;
    const int c = source.m_components;
    half.m_pixels.resize(static_cast<std::size_t>(half.m_width) * half.m_height * c);
    const std::size_t row = source.GetRowSize();
    for (int y = 0; y < half.m_height; ++y)
    {
        const int y0 = std::min(2 * y, source.m_height - 1);
        const int y1 = std::min(2 * y + 1, source.m_height - 1);
        const unsigned char* top = source.m_pixels.data() + y0 * row;
        const unsigned char* bottom = source.m_pixels.data() + y1 * row;
        unsigned char* out = half.m_pixels.data() + static_cast<std::size_t>(y) * half.m_width * c;
        for (int x = 0; x < half.m_width; ++x)
        {
            const int x0 = std::min(2 * x, source.m_width - 1) * c;
            const int x1 = std::min(2 * x + 1, source.m_width - 1) * c;
            for (int k = 0; k < c; ++k)
                out[x * c + k] = static_cast<unsigned char>((top[x0 + k] + top[x1 + k] + bottom[x0 + k] +
                                                             bottom[x1 + k] + 2) / 4);
        }
    }
    return half;
}

// White in every pixel, RGBA: all the picture says is in its alpha.
bool IsWhiteWithAlpha(const CPicture& picture)
{
    if (picture.m_components != 4)
        return false;
    const std::vector<unsigned char>& p = picture.m_pixels;
    for (std::size_t i = 0; i + 3 < p.size(); i += 4)
        if ((p[i] & p[i + 1] & p[i + 2]) != 255)
            return false;
    return true;
}

CPicture AlphaOf(const CPicture& picture)
{
    CPicture alpha;
    alpha.m_width = picture.m_width;
    alpha.m_height = picture.m_height;
    alpha.m_components = 1;
    alpha.m_pixels.resize(picture.m_pixels.size() / 4);
    for (std::size_t i = 0; i < alpha.m_pixels.size(); ++i)
        alpha.m_pixels[i] = picture.m_pixels[4 * i + 3];
    return alpha;
}

// Both kinds of upload share every step but the texture environment and the
// level format of a plain (not dynamic) picture.
GLuint UploadPicture(const CPicture& picture, bool wrap, bool dynamic, GLint envMode,
                     GLint plainFormat)
{
    GLuint name = 0;
    ++g_upload_count;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, envMode);
    // Rows of RGB pictures are packed without padding.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    GLenum format = FormatOf(picture);
    if (dynamic)
    {
        // A white picture (the font) keeps only its alpha: a quarter of the
        // memory, and under the colour multiply it draws exactly the same.
        CPicture alpha;
        GLint levelFormat = GL_RGBA8;
        const CPicture* source = &picture;
        if (envMode == GL_MODULATE && IsWhiteWithAlpha(picture))
        {
            alpha = AlphaOf(picture);
            source = &alpha;
            format = GL_ALPHA;
            levelFormat = GL_ALPHA8;
        }
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap ? GL_REPEAT : GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap ? GL_REPEAT : GL_CLAMP);
        // The smaller levels are box-filtered here, 8 bits a channel: the
        // software renderer would compile shaders to build them, which costs
        // more than the arithmetic, and sides need no power of two.
        glTexImage2D(GL_TEXTURE_2D, 0, levelFormat, source->m_width, source->m_height, 0, format,
                     GL_UNSIGNED_BYTE, source->m_pixels.data());
        CPicture level;
        const CPicture* previous = source;
        for (GLint n = 1; previous->m_width > 1 || previous->m_height > 1; ++n)
        {
            level = HalveBox(*previous);
            glTexImage2D(GL_TEXTURE_2D, n, levelFormat, level.m_width, level.m_height, 0, format, GL_UNSIGNED_BYTE,
                         level.m_pixels.data());
            previous = &level;
        }
    }
    else
    {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, plainFormat, picture.m_width, picture.m_height, 0, format,
                     GL_UNSIGNED_BYTE, picture.m_pixels.data());
    }
    return name;
}
} // namespace

unsigned int CTexture::Upload(const CPicture& picture, bool wrap, bool dynamic)
{
    if (!g_upload_enabled || picture.IsEmpty())
        return 0;
    // A plain picture keeps no alpha; eight bits a channel is all the
    // pictures hold, and half the storage and sampling of sixteen.
    return UploadPicture(picture, wrap, dynamic, GL_MODULATE, GL_RGB8);
}

unsigned int CTexture::CreatePixelTarget(int width, int height, bool windowOrder)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0)
        return 0;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Unsized in the window's order, so that the renderer keeps the texels in
    // the order given: a sized format may be kept in another, and a copy
    // between two orders is drawn, not copied.
    glTexImage2D(GL_TEXTURE_2D, 0, windowOrder ? GL_RGBA : GL_RGBA8, width, height, 0, GL_BGRA,
                 GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
    return name;
}

unsigned int CTexture::UploadBump(const CPicture& picture, bool wrap, bool dynamic)
{
    if (!g_upload_enabled || picture.IsEmpty())
        return 0;
    return UploadPicture(picture, wrap, dynamic, GL_DECAL, GL_RGBA8);
}

void CTexture::DrawQuad(float x, float y, float z, float width, float height, float sA, float sB, float tA,
                        float tB)
{
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(sA, tB);
    glVertex3f(x, y, z);
    glTexCoord2f(sA, tA);
    glVertex3f(x, y + height, z);
    glTexCoord2f(sB, tB);
    glVertex3f(x + width, y, z);
    glTexCoord2f(sB, tA);
    glVertex3f(x + width, y + height, z);
    glEnd();
}
