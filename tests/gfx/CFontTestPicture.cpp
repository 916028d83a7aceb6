#include "tests/gfx/CFontTestPicture.h"

#include "tests/gfx/CGfxTestFiles.h"

std::vector<unsigned char> CFontTestPicture::Make(const std::vector<int>& glyphs_per_band, int bits)
{
    int bands = static_cast<int>(glyphs_per_band.size());
    // Row 0 and the last row stay transparent; each band is 6 opaque rows and one gap row.
    int height = 2 + bands * kBandPitch;
    return CGfxTestFiles::MakeTga(kWidth, height, bits, [&](int x, int y) -> uint32_t {
        int band = (y - 1) / kBandPitch;
        int row_in_band = (y - 1) % kBandPitch;
        if (y < 1 || band >= bands || row_in_band >= 6)
        {
            return 0;
        }
        bool opaque = false;
        if (x >= 1 && x <= 2)
        {
            opaque = true;
        }
        else if (x >= 4)
        {
            int glyph = (x - 4) / 5;
            opaque = glyph < glyphs_per_band[band] && (x - 4) % 5 < 4;
        }
        // Glyph shapes vary a little inside the box; only the columns' union matters.
        return opaque && (row_in_band != 3 || x % 2 == 0) ? 0xffffffffu : 0xffffff00u;
    });
}
