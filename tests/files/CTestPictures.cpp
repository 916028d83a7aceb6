#include "tests/files/CTestPictures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

std::vector<unsigned char> CTestPictures::Tga(int width, int height, int bits,
                                              const std::vector<unsigned char>& pixels)
{
    std::vector<unsigned char> out(18 + pixels.size(), 0);
    out[2] = 2;
    out[12] = static_cast<unsigned char>(width & 0xFF);
    out[13] = static_cast<unsigned char>(width >> 8);
    out[14] = static_cast<unsigned char>(height & 0xFF);
    out[15] = static_cast<unsigned char>(height >> 8);
    out[16] = static_cast<unsigned char>(bits);
    std::copy(pixels.begin(), pixels.end(), out.begin() + 18);
    return out;
}

std::vector<unsigned char> CTestPictures::Jpeg(int width, int height, int components,
                                               const std::vector<unsigned char>& topFirstPixels, int quality)
{
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height)
    {
        JSAMPROW row = const_cast<unsigned char*>(topFirstPixels.data()) +
                       static_cast<std::size_t>(info.next_scanline) * width * components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}
