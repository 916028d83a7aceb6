#include "engine/gfx/CTgaDecoder.h"

#include <cstring>
#include <utility>

bool CTgaDecoder::Decode(const unsigned char* bytes, std::size_t size, CPicture& out)
{
    static const unsigned char kExpected[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    if (bytes == nullptr || size < kHeaderSize || std::memcmp(bytes, kExpected, sizeof kExpected) != 0)
        return false;
    const int width = bytes[12] | bytes[13] << 8;
    const int height = bytes[14] | bytes[15] << 8;
    const int bits = bytes[16];
    if (width == 0 || height == 0 || (bits != 24 && bits != 32))
        return false;
    const int components = bits / 8;
    const std::size_t pixelBytes = static_cast<std::size_t>(width) * height * components;
    if (size - kHeaderSize < pixelBytes)
        return false;

    CPicture picture;
    picture.m_width = width;
    picture.m_height = height;
    picture.m_components = components;
    picture.m_pixels.assign(bytes + kHeaderSize, bytes + kHeaderSize + pixelBytes);
    for (std::size_t i = 0; i < pixelBytes; i += components)
        std::swap(picture.m_pixels[i], picture.m_pixels[i + 2]);
    out = std::move(picture);
    return true;
}
