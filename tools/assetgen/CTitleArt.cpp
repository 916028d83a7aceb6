#include "tools/assetgen/CTitleArt.h"

#include "tools/assetgen/CObjWriter.h"
#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CTextRasterizer.h"

#include <cmath>
#include <map>
#include <vector>

namespace
{
const int kPixelSize = 48;
const float kDepth = 9.0f;   // in raster pixels

struct CRect
{
    int x0, x1, y0, y1;   // columns [x0, x1), rows [y0, y1)
};

// Runs of filled pixels, merged down the rows while they stay the same.
std::vector<CRect> Rectangles(const std::vector<std::vector<bool>>& filled, int width, int height)
{
    std::vector<CRect> done;
    std::map<std::pair<int, int>, CRect> open;
    for (int y = 0; y < height; ++y)
    {
        std::map<std::pair<int, int>, CRect> next;
        int x = 0;
        while (x < width)
        {
            if (!filled[y][x])
            {
                ++x;
                continue;
            }
            int end = x;
            while (end < width && filled[y][end])
                ++end;
            const auto key = std::make_pair(x, end);
            auto it = open.find(key);
            if (it != open.end())
            {
                CRect r = it->second;
                r.y1 = y + 1;
                next[key] = r;
                open.erase(it);
            }
            else
                next[key] = {x, end, y, y + 1};
            x = end;
        }
        for (const auto& item : open)
            done.push_back(item.second);
        open.swap(next);
    }
    for (const auto& item : open)
        done.push_back(item.second);
    return done;
}
}

std::string CTitleArt::Mesh(const std::string& fontDir)
{
    CTextRasterizer face(fontDir + "DejaVuSerif-Bold.ttf", kPixelSize);
    int baseline = 0;
    const CCanvas mask = face.RenderText("Marblewend", 2, &baseline);
    const int w = mask.GetWidth(), h = mask.GetHeight();
    std::vector<std::vector<bool>> filled(h, std::vector<bool>(w, false));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            filled[y][x] = mask.At(x, y).a >= 0.5f;
    auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && filled[y][x]; };

    CObjWriter obj("title");
    const float half = kDepth / 2.0f;
    // Faces use the upper half of the texture, top of the letters at the top.
    auto faceV = [&](float y) { return 0.5f + 0.5f * (1.0f - y / h); };
    auto sideV = [&](float y) { return 0.45f * (1.0f - y / h); };
    for (const CRect& r : Rectangles(filled, w, h))
        for (int side = 0; side < 2; ++side)
        {
            const float z = side == 0 ? half : -half;
            const float nz = side == 0 ? 1.0f : -1.0f;
            auto v = [&](float x, float y) {
                return obj.AddVertex({x, -y, z, x / w, faceV(y), 0, 0, nz});
            };
            const int a = v(static_cast<float>(r.x0), static_cast<float>(r.y1));
            const int b = v(static_cast<float>(r.x1), static_cast<float>(r.y1));
            const int c = v(static_cast<float>(r.x1), static_cast<float>(r.y0));
            const int d = v(static_cast<float>(r.x0), static_cast<float>(r.y0));
            if (side == 0)
                obj.AddQuad(a, b, c, d);
            else
                obj.AddQuad(a, d, c, b);
        }
    // Side walls along every edge between a filled and an empty pixel,
    // merged along straight stretches.
    auto wall = [&](float ax, float ay, float bx, float by, float nx, float ny) {
        const int a0 = obj.AddVertex({ax, -ay, half, ax / w, sideV(ay), nx, -ny, 0});
        const int b0 = obj.AddVertex({bx, -by, half, bx / w, sideV(by), nx, -ny, 0});
        const int b1 = obj.AddVertex({bx, -by, -half, bx / w, sideV(by), nx, -ny, 0});
        const int a1 = obj.AddVertex({ax, -ay, -half, ax / w, sideV(ay), nx, -ny, 0});
        obj.AddQuad(a0, a1, b1, b0);
    };
    for (int x = 0; x <= w; ++x)
        for (int dir = 0; dir < 2; ++dir)
        {
            // dir 0: filled on the left (wall faces +x); dir 1: filled on the right.
            int y = 0;
            while (y < h)
            {
                const bool edge = dir == 0 ? (at(x - 1, y) && !at(x, y)) : (!at(x - 1, y) && at(x, y));
                if (!edge)
                {
                    ++y;
                    continue;
                }
                int end = y;
                while (end < h && (dir == 0 ? (at(x - 1, end) && !at(x, end)) : (!at(x - 1, end) && at(x, end))))
                    ++end;
                if (dir == 0)
                    wall(static_cast<float>(x), static_cast<float>(end), static_cast<float>(x), static_cast<float>(y), 1, 0);
                else
                    wall(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x), static_cast<float>(end), -1, 0);
                y = end;
            }
        }
    for (int y = 0; y <= h; ++y)
        for (int dir = 0; dir < 2; ++dir)
        {
            // dir 0: filled above (wall faces down, +y in rows); dir 1: filled below.
            int x = 0;
            while (x < w)
            {
                const bool edge = dir == 0 ? (at(x, y - 1) && !at(x, y)) : (!at(x, y - 1) && at(x, y));
                if (!edge)
                {
                    ++x;
                    continue;
                }
                int end = x;
                while (end < w && (dir == 0 ? (at(end, y - 1) && !at(end, y)) : (!at(end, y - 1) && at(end, y))))
                    ++end;
                if (dir == 0)
                    wall(static_cast<float>(x), static_cast<float>(y), static_cast<float>(end), static_cast<float>(y), 0, 1);
                else
                    wall(static_cast<float>(end), static_cast<float>(y), static_cast<float>(x), static_cast<float>(y), 0, -1);
                x = end;
            }
        }
    return obj.ToText();
}

void CTitleArt::Write(CAssetSink& sink, const std::string& fontDir)
{
    sink.WriteText("mui/mw_main.obj", Mesh(fontDir));
    const int size = 256;
    CCanvas texture(size, size);
    texture.Paint([&](float x, float y) {
        const float t = y / size;
        if (t < 0.5f)
        {
            // The letter faces (top half): polished gold with a bright band.
            const float k = t / 0.5f;
            CColor c;
            if (k < 0.42f)
                c = CColor::Mix(CPalette::GoldLight(), CPalette::Gold(), k / 0.42f);
            else if (k < 0.58f)
                c = CColor::Mix(CPalette::Gold(), CPalette::GoldDark(), (k - 0.42f) / 0.16f);
            else
                c = CColor::Mix(CPalette::GoldDark(), CPalette::Gold().Lighter(0.2f), (k - 0.58f) / 0.42f);
            // A faint diagonal shimmer along the word.
            return c.Lighter(0.12f * std::max(0.0f, std::sin((x / size) * 18.0f + k * 3.0f)));
        }
        // The sides (bottom half): darker bronze, lighter towards the top.
        const float k = (t - 0.5f) / 0.5f;
        return CColor::Mix(CColor::FromHex(0xB07A22), CColor::FromHex(0x4A2C08), k);
    });
    sink.WriteTga("mui/mw_main.tga", texture, false);
}
