#include "tools/assetgen/CPictureWriter.h"

#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>

std::vector<unsigned char> CPictureWriter::EncodeTga(const CCanvas& canvas, bool withAlpha)
{
    const int w = canvas.GetWidth();
    const int h = canvas.GetHeight();
    if (w <= 0 || h <= 0 || w > 0xFFFF || h > 0xFFFF)
        throw std::runtime_error("TGA size out of range");
    const int bytesPerPixel = withAlpha ? 4 : 3;
    std::vector<unsigned char> out(18 + static_cast<size_t>(w) * h * bytesPerPixel, 0);
    out[2] = 2;
    out[12] = static_cast<unsigned char>(w & 0xFF);
    out[13] = static_cast<unsigned char>(w >> 8);
    out[14] = static_cast<unsigned char>(h & 0xFF);
    out[15] = static_cast<unsigned char>(h >> 8);
    out[16] = static_cast<unsigned char>(bytesPerPixel * 8);
    out[17] = withAlpha ? 8 : 0;   // alpha bits; origin bit clear: bottom-left
    size_t p = 18;
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x)
        {
            const CColor& c = canvas.At(x, y);
            out[p++] = CColor::ToByte(c.b);
            out[p++] = CColor::ToByte(c.g);
            out[p++] = CColor::ToByte(c.r);
            if (withAlpha)
                out[p++] = CColor::ToByte(c.a);
        }
    return out;
}

std::vector<unsigned char> CPictureWriter::EncodeJpeg(const CCanvas& canvas, int quality)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(canvas.GetWidth());
    info.image_height = static_cast<JDIMENSION>(canvas.GetHeight());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution chroma keeps coloured edges and small text clean.
    info.comp_info[0].h_samp_factor = 1;
    info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(canvas.GetWidth()) * 3);
    while (info.next_scanline < info.image_height)
    {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < canvas.GetWidth(); ++x)
        {
            // Transparent parts are flattened onto black.
            const CColor& c = canvas.At(x, y);
            row[x * 3 + 0] = CColor::ToByte(c.r * c.a);
            row[x * 3 + 1] = CColor::ToByte(c.g * c.a);
            row[x * 3 + 2] = CColor::ToByte(c.b * c.a);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}
