#include "tools/assetgen/CEraser2Art.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/CBackdropArt.h"
#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CScenePainter.h"
#include "tools/assetgen/CShape.h"
#include "tools/assetgen/CThumbArt.h"

namespace
{
const int kKind = 5;
const int kWidth = 800;
const int kHeight = 600;
const int kCell = 64;
const int kKinds = 5;
const int kFrames = 8;
// The sheet is a square power of two: eight rows, the first kKinds used.
const int kRows = 8;
// The colours a game deals: three on the square board, four on the wide one.
const int kDealtColors = 4;

const float kPlateHeight = 34.0f;

// The score sits on the line along the top, a plate round it; the boards and
// their feeders span about 90..710 x 90..500. The caption goes to the bottom
// left, clear of both.
CCanvas GameGround(const CScenePainter& scene, const std::string& fontDir)
{
    const CColor tint = CBackdropArt::KindTint(kKind);
    CCanvas c = scene.Sky(kWidth, kHeight, tint.Darker(0.25f), 40 + kKind);
    CScenePainter::Panel(c, 220, CBackdropArt::TopLinePlateY(fontDir, kPlateHeight), 360, kPlateHeight, 12, 0.6f);
    scene.Caption(c, "Eraser II", 26, 24, 584, CPalette::Gold(), CScenePainter::EAlign::Left);
    return c;
}

// One icon: a glowing disc of the kind's colour with its mark, the mark
// turning and the glow pulsing over the frames. Row 0 is the sheet's bottom.
void DrawIcon(CCanvas& sheet, int kind, int frame)
{
    static const std::uint32_t kFills[kKinds] = {0xC0392B, 0x2E86C1, 0x27AE60, 0x8E44AD, 0xD68910};
    const int ox = frame * kCell;
    const int oy = (kRows - 1 - kind) * kCell;
    const float cx = ox + kCell / 2.0f;
    const float cy = oy + kCell / 2.0f;
    const float phase = frame * 6.2832f / kFrames;
    const float pulse = 0.5f + 0.5f * std::sin(phase);
    const int x1 = ox + kCell - 1;
    const int y1 = oy + kCell - 1;
    sheet.FillShape([=](float x, float y) { return CShape::Circle(x, y, cx, cy, 31.0f); },
                    [=](float x, float y) {
                        const float d = std::hypot(x - cx, y - cy) / 31.0f;
                        return CPalette::GoldLight().WithAlpha((0.2f + 0.5f * pulse) * std::max(0.0f, 1.0f - d) * 1.5f);
                    },
                    ox, oy, x1, y1);
    const CColor fill = CColor::FromHex(kFills[kind]);
    sheet.FillShape([=](float x, float y) { return CShape::Circle(x, y, cx, cy, 22.0f); },
                    [=](float, float y) { return CColor::Mix(fill.Lighter(0.45f), fill.Darker(0.35f), (y - cy + 22) / 44); },
                    ox, oy, x1, y1);
    sheet.FillShape([=](float x, float y) { return CShape::Ring(x, y, cx, cy, 22.0f, 1.5f); }, CPalette::Gold(), ox, oy,
                    x1, y1);
    const CColor ink(1, 1, 1);
    const float turn = phase / 4.0f;
    switch (kind)
    {
    case 0:
    {
        const CShape::Points star = CShape::Star(cx, cy, 5, 14.0f, 6.0f, turn);
        sheet.FillShape([=](float x, float y) { return CShape::Polygon(x, y, star); }, ink, ox, oy, x1, y1);
        break;
    }
    case 1:
    {
        const CShape::Points diamond = CShape::Star(cx, cy, 2, 14.0f, 7.0f, turn);
        sheet.FillShape([=](float x, float y) { return CShape::Polygon(x, y, diamond); }, ink, ox, oy, x1, y1);
        break;
    }
    case 2:
        sheet.FillShape([=](float x, float y) { return CShape::Ring(x, y, cx, cy, 9.0f + 3.0f * pulse, 2.5f); }, ink,
                        ox, oy, x1, y1);
        break;
    case 3:
    {
        const float c = std::cos(turn) * 12.0f;
        const float s = std::sin(turn) * 12.0f;
        sheet.FillShape([=](float x, float y) {
            return std::min(CShape::Segment(x, y, cx - c, cy - s, cx + c, cy + s, 3.0f),
                            CShape::Segment(x, y, cx + s, cy - c, cx - s, cy + c, 3.0f));
        },
                        ink, ox, oy, x1, y1);
        break;
    }
    default:
    {
        const CShape::Points triangle = CShape::Star(cx, cy, 3, 14.0f, 7.0f, turn);
        sheet.FillShape([=](float x, float y) { return CShape::Polygon(x, y, triangle); }, ink, ox, oy, x1, y1);
        break;
    }
    }
}

CCanvas Bonuses()
{
    CCanvas sheet(kCell * kFrames, kCell * kRows, CColor(1, 1, 1, 0));
    for (int kind = 0; kind < kKinds; ++kind)
        for (int frame = 0; frame < kFrames; ++frame)
            DrawIcon(sheet, kind, frame);
    return sheet;
}
}

void CEraser2Art::Write(CAssetSink& sink, const std::string& fontDir)
{
    const CScenePainter scene(fontDir);
    sink.WriteTga("dat/eraser2/bonuses.tga", Bonuses(), true);
    // Replaces the common game ground that CBackdropArt wrote for every kind.
    sink.WriteJpeg("mui/eraser2/game_bg.jpg", GameGround(scene, fontDir));
    // Only the bricks the kind deals: no blocker, no fifth or sixth colour.
    sink.WriteJpeg("mui/eraser2/help_bricks.jpg", CThumbArt::BrickLegend(0, kDealtColors), 92);
}
