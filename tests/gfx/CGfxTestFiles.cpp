#include "tests/gfx/CGfxTestFiles.h"

#include "engine/gfx/CTexture.h"

CGfxTestFiles::CGfxTestFiles()
{
    CTexture::SetUploadEnabled(false);
}

std::string CGfxTestFiles::Write(const std::string& name, const std::string& content)
{
    return WriteBytes(name, std::vector<unsigned char>(content.begin(), content.end()));
}

std::string CGfxTestFiles::WriteBytes(const std::string& name,
                                      const std::vector<unsigned char>& bytes)
{
    const std::string path = Path(name);
    CTempDir::WriteBytes(path, bytes);
    return path;
}

std::vector<unsigned char> CGfxTestFiles::MakeTga(
    int width, int height, int bits, const std::function<uint32_t(int, int)>& pixel)
{
    std::vector<unsigned char> tga(18, 0);
    tga[2] = 2;
    tga[12] = static_cast<unsigned char>(width & 0xff);
    tga[13] = static_cast<unsigned char>(width >> 8);
    tga[14] = static_cast<unsigned char>(height & 0xff);
    tga[15] = static_cast<unsigned char>(height >> 8);
    tga[16] = static_cast<unsigned char>(bits);
    for (int stored = 0; stored < height; ++stored)
    {
        int y_from_top = height - 1 - stored;
        for (int x = 0; x < width; ++x)
        {
            uint32_t rgba = pixel(x, y_from_top);
            tga.push_back(static_cast<unsigned char>(rgba >> 8));
            tga.push_back(static_cast<unsigned char>(rgba >> 16));
            tga.push_back(static_cast<unsigned char>(rgba >> 24));
            if (bits == 32)
            {
                tga.push_back(static_cast<unsigned char>(rgba));
            }
        }
    }
    return tga;
}

std::string CGfxTestFiles::WriteTga(const std::string& name, int width, int height)
{
    return WriteBytes(name, MakeTga(width, height, 32, [](int x, int y) {
                          return 0x80402000u | static_cast<uint32_t>((x + y) & 0xff);
                      }));
}
