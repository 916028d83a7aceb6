#include "engine/gfx/CJpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <utility>

#include <jpeglib.h>

namespace
{
// Pictures larger than this are refused before their buffer is allocated,
// so a forged header cannot ask for gigabytes.
constexpr unsigned long long kMaxPixels = 1ull << 26;

struct SJpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<SJpegError*>(info->err)->jump, 1);
}

// The game writes no log; libjpeg's warnings would go to stderr.
void JpegOutputMessage(j_common_ptr)
{
}

// Nothing with a destructor lives in this frame: libjpeg errors leave it by longjmp.
bool DecodeInto(const unsigned char* bytes, unsigned long size, CPicture& picture)
{
    jpeg_decompress_struct info;
    SJpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegErrorExit;
    error.manager.output_message = JpegOutputMessage;
    if (setjmp(error.jump))
    {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(bytes), size);
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space != JCS_GRAYSCALE)
        info.out_color_space = JCS_RGB;
    if (static_cast<unsigned long long>(info.image_width) * info.image_height > kMaxPixels)
    {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    if (components != 1 && components != 3)
    {
        jpeg_destroy_decompress(&info);
        return false;
    }
    picture.m_width = static_cast<int>(info.output_width);
    picture.m_height = static_cast<int>(info.output_height);
    picture.m_components = components;
    const std::size_t rowSize = picture.GetRowSize();
    picture.m_pixels.assign(rowSize * picture.m_height, 0);
    // The first scanline is the top row; the buffer keeps the bottom row first.
    while (info.output_scanline < info.output_height)
    {
        JSAMPROW row = picture.m_pixels.data() + rowSize * (info.output_height - 1 - info.output_scanline);
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
        {
            jpeg_destroy_decompress(&info);
            return false;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
}

bool CJpegDecoder::Decode(const unsigned char* bytes, std::size_t size, CPicture& out)
{
    if (bytes == nullptr || size == 0 || size > 0xFFFFFFFFul)
        return false;
    CPicture picture;
    if (!DecodeInto(bytes, static_cast<unsigned long>(size), picture))
        return false;
    out = std::move(picture);
    return true;
}
