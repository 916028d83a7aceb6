#include "tools/assetgen/CBackdropArt.h"

#include "games/GameKinds.h"
#include "shell/game/CGameBackground.h"

#include "tools/assetgen/CBrickArt.h"
#include "tools/assetgen/CFontSheet.h"
#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CRandom.h"
#include "tools/assetgen/CScenePainter.h"
#include "tools/assetgen/CShape.h"
#include "tools/assetgen/CWidgetArt.h"

#include <algorithm>
#include <cmath>


namespace
{
const int kScreenW = 800;
const int kScreenH = 600;

// The remover's column of bricks to place. The first brick dealt, the
// lowest, goes to the hand as soon as the column has grown in; the rest
// stand centred on the screen's middle row (the camera looks down the axis
// at world y 0) whatever the board and the count. Growing in, the tallest
// column (five dealt on the 9 x 9 board, in the deeper skins) reaches down
// to y 507. CRemoverPlayer deals the bricks 1.2 cells apart at x -450, three
// brick depths above the board, seen through CRemoverGame's camera;
// tests/assets works the columns out from that code and checks the slot.
const float kRemoverColumnMiddle = kScreenH / 2.0f;
const float kRemoverDealtFoot = 507.0f;
// The slot's room below the dealt column's foot, and as much above its top.
const float kRemoverSlotMargin = 13.0f;

// A brick seen from above, with a soft shadow; blur > 0 sets it out of focus.
void DrawBrick(CCanvas& canvas, int skin, int color, float x, float y, float size, int blur, float opacity)
{
    CCanvas brick = CBrickArt::Texture(skin, color, 64);
    CCanvas layer(static_cast<int>(size) + 24, static_cast<int>(size) + 24, CColor(1, 1, 1, 0));
    layer.DrawScaled(brick, 12, 12, size, size);
    CCanvas shadow = layer;
    shadow.Blur(static_cast<int>(size / 8) + 2);
    canvas.DrawTinted(shadow, static_cast<int>(x) - 12 + static_cast<int>(size / 14) + 1,
                      static_cast<int>(y) - 12 + static_cast<int>(size / 9) + 1, CColor(0, 0, 0.03f, 0.55f * opacity));
    if (blur > 0)
        layer.Blur(blur);
    canvas.Draw(layer, static_cast<int>(x) - 12, static_cast<int>(y) - 12, opacity);
}

void Spotlight(CCanvas& canvas, float cx, float cy, float rx, float ry, const CColor& color, float strength)
{
    for (int y = 0; y < canvas.GetHeight(); ++y)
        for (int x = 0; x < canvas.GetWidth(); ++x)
        {
            const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            const float k = strength * std::exp(-(dx * dx + dy * dy) * 1.6f);
            if (k > 0.002f)
                canvas.Blend(x, y, color, k);
        }
}

CCanvas Intro(const CScenePainter& scene)
{
    CCanvas c = scene.Sky(kScreenW, kScreenH, CColor::FromHex(0x3E64C8), 11);
    Spotlight(c, 400, 250, 380, 200, CColor::FromHex(0x6A8CFF), 0.22f);
    scene.GoldTitle(c, "Marblewend", 112, 400, 282);
    CScenePainter::Ornament(c, 400, 318, 220);
    scene.Caption(c, "Eight brick puzzles on one board", 26, 400, 366, CColor::FromHex(0xDCE6FF), CScenePainter::EAlign::Centre);
    for (int i = 0; i < 7; ++i)
    {
        const float size = 56.0f;
        const float x = 400 - 3.5f * 70 + i * 70 + 7;
        DrawBrick(c, i % 3, i, x, 420 + (i % 2) * 10.0f, size, 0, 1.0f);
    }
    scene.Caption(c, "Loading...", 20, 400, 560, CColor::FromHex(0xB8C4E8), CScenePainter::EAlign::Centre, false);
    return c;
}

CCanvas MainGround(const CScenePainter& scene)
{
    CCanvas c = scene.Sky(kScreenW, kScreenH, CColor::FromHex(0x4A5ED0), 12);
    // The title spins in the middle: a pool of light under it.
    Spotlight(c, 400, 330, 260, 210, CColor::FromHex(0x7FA0FF), 0.28f);
    scene.GoldTitle(c, "Choose a Puzzle", 46, 400, 88);
    CScenePainter::Ornament(c, 400, 112, 170);
    return c;
}

CCanvas ExitPicture(const CScenePainter& scene)
{
    CCanvas c = scene.Sky(kScreenW, kScreenH, CColor::FromHex(0x5A4FC8), 13);
    Spotlight(c, 400, 200, 380, 180, CColor::FromHex(0x8C7CFF), 0.2f);
    scene.GoldTitle(c, "Thank you for playing", 52, 400, 118);
    CScenePainter::Ornament(c, 400, 146, 230);
    scene.GoldTitle(c, "Marblewend", 84, 400, 258);
    const CColor ink = CColor::FromHex(0xE4EAFF);
    scene.Caption(c, "Eight puzzles, one board of bricks.", 24, 400, 330, ink, CScenePainter::EAlign::Centre, false);
    scene.Caption(c, "Click this picture to visit our page", 24, 400, 372, ink, CScenePainter::EAlign::Centre, false);
    scene.Caption(c, "for news and new puzzles.", 24, 400, 404, ink, CScenePainter::EAlign::Centre, false);
    for (int i = 0; i < 6; ++i)
        DrawBrick(c, (i + 1) % 3, i, 400 - 3 * 52 + i * 52 + 4, 424, 42, 0, 0.95f);
    // The button strip below the picture area.
    for (int y = 484; y < kScreenH; ++y)
        for (int x = 0; x < kScreenW; ++x)
            c.Blend(x, y, CColor(0.0f, 0.0f, 0.05f, 1.0f), 0.45f);
    for (int x = 20; x < kScreenW - 20; ++x)
        c.Blend(x, 484, CPalette::Gold(), 0.6f);
    return c;
}

CCanvas DialogBack()
{
    CScenePainter scene("");
    CCanvas c = scene.Sky(kScreenW, kScreenH, CColor::FromHex(0x2F4FA0), 14);
    // A double gold frame with diamonds at the corners.
    auto frame = [&](float inset, float half, float alpha) {
        c.FillShape([=](float x, float y) {
            return std::fabs(CShape::RoundedBox(x, y, 400, 300, 400 - inset, 300 - inset, 18)) - half;
        }, [=](float, float y) { return CColor::Mix(CPalette::GoldLight(), CPalette::GoldDark(), y / kScreenH).WithAlpha(alpha); },
                    0, 0, kScreenW - 1, kScreenH - 1);
    };
    frame(7, 2.5f, 1.0f);
    frame(16, 1.0f, 0.7f);
    for (int i = 0; i < 4; ++i)
    {
        const float cx = i % 2 ? kScreenW - 16.0f : 16.0f;
        const float cy = i / 2 ? kScreenH - 16.0f : 16.0f;
        const CShape::Points diamond = {{cx, cy - 10}, {cx + 10, cy}, {cx, cy + 10}, {cx - 10, cy}};
        c.FillShape([=](float x, float y) { return CShape::Polygon(x, y, diamond); },
                    [=](float, float y) { return CColor::Mix(CPalette::GoldLight(), CPalette::GoldDark(), (y - cy + 10) / 20); },
                    static_cast<int>(cx) - 12, static_cast<int>(cy) - 12, static_cast<int>(cx) + 12, static_cast<int>(cy) + 12);
    }
    return c;
}

CCanvas MenuGround(const CScenePainter& scene, int kind)
{
    const CColor tint = CBackdropArt::KindTint(kind);
    CCanvas c = scene.Sky(kScreenW, kScreenH, tint, 20 + kind);
    Spotlight(c, 400, 360, 300, 260, tint.Lighter(0.3f), 0.18f);
    scene.GoldTitle(c, GetGameKinds()[kind].m_caption, 70, 400, 112);
    CScenePainter::Ornament(c, 400, 138, 190);
    scene.Caption(c, GetGameKinds()[kind].m_tagline, 19, 400, 172, CColor::FromHex(0xDDE6FF), CScenePainter::EAlign::Centre, false);
    CScenePainter::Panel(c, 255, 186, 290, 364, 18, 0.9f);
    // Bricks of the kind's own look on both sides, nearer ones larger.
    CRandom random(300 + kind);
    const int skin = kind % 3;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 5; ++i)
        {
            const float size = random.Range(36.0f, 56.0f);
            const float lane = (i % 2) * 70.0f + random.Range(-10.0f, 10.0f);
            const float x = side == 0 ? 50.0f + lane : 610.0f + lane;
            const float y = 220.0f + i * 66.0f + random.Range(-6.0f, 6.0f);
            const int blur = size < 44.0f ? 2 : 0;
            DrawBrick(c, skin, random.Int(6), x, y, size, blur, size < 44.0f ? 0.6f : 0.95f);
        }
    return c;
}

CCanvas GameGround(const CScenePainter& scene, int kind)
{
    const CColor tint = CBackdropArt::KindTint(kind);
    CCanvas c = scene.Sky(kScreenW, kScreenH, tint.Darker(0.25f), 40 + kind);
    // Darker under the board so that the bricks stand out.
    Spotlight(c, 400, 305, 300, 260, CColor(0.0f, 0.0f, 0.04f, 1.0f), 0.45f);
    // The mover's, the slider's, the designer's and the jewel's heads-up
    // lines start at the top left corner, and the filler shows its two zone
    // sizes in the top corners: their names stand in the bottom left one.
    const float titleBaseline = (kind == 1 || kind == 2 || kind == 3 || kind == 6 || kind == 7) ? 584.0f : 44.0f;
    scene.Caption(c, GetGameKinds()[kind].m_caption, 26, 22, titleBaseline, CPalette::Gold(),
                  CScenePainter::EAlign::Left);
    if (kind == 2 || kind == 7)
    {
        // A plate behind the moves (slider), score and level along the top.
        CScenePainter::Panel(c, 40, 28, 720, 34, 12, 0.6f);
    }
    if (kind == 0)
    {
        // A plate behind the score in the top right corner, and a slot for
        // the column of bricks to be placed at the left, centred on it. The
        // column stands above the board, so perspective draws it further out
        // than its world x suggests: about x 43..107 on the small board and
        // 65..107 on the large one.
        CScenePainter::Panel(c, 538, 8, 250, 46, 12, 0.8f);
        const float slotHalf = kRemoverDealtFoot + kRemoverSlotMargin - kRemoverColumnMiddle;
        CScenePainter::Panel(c, 32, kRemoverColumnMiddle - slotHalf, 88, 2.0f * slotHalf, 14, 0.55f);
    }
    if (kind == 3)
    {
        // Plates behind the level and score lines and behind the figure
        // tray with its arrows at the right.
        CScenePainter::Panel(c, 8, 14, 190, 204, 12, 0.6f);
        CScenePainter::Panel(c, 598, 8, 194, 584, 14, 0.45f);
    }
    return c;
}

CCanvas Grid(bool checker)
{
    const int size = 128;
    CCanvas c(size, size, CColor(1, 1, 1, 0));
    const float half = size / 2.0f;
    for (int q = 0; q < 4; ++q)
    {
        const float cx = (q % 2) * half + half / 2, cy = (q / 2) * half + half / 2;
        // The cells where new bricks land (bottom left and top right of the
        // tile, which the board maps onto its even cells) are lighter.
        const bool even = (q % 2) != (q / 2);
        const float alpha = checker ? (even ? 0.95f : 0.4f) : 0.6f;
        c.FillShape([=](float x, float y) { return CShape::RoundedBox(x, y, cx, cy, half / 2 - 3, half / 2 - 3, 8); },
                    [=](float x, float y) {
                        const float t = ((x - cx) + (y - cy)) / half;
                        return CColor(0.85f - 0.2f * t, 0.9f - 0.2f * t, 1.0f, alpha);
                    },
                    0, 0, size - 1, size - 1);
    }
    return c;
}
}

CColor CBackdropArt::KindTint(int kind)
{
    static const std::uint32_t tints[8] = {0x2F7FE0, 0x7A52D6, 0x1FA3AE, 0xC24E8E, 0xC9862B, 0x3FAE62, 0xC2434F, 0x9C43CE};
    return CColor::FromHex(tints[std::min(7, std::max(0, kind))]);
}

float CBackdropArt::TopLinePlateY(const std::string& fontDir, float height)
{
    // The lines along the top are capitals, figures and lower case without
    // descenders: the eye takes the capitals for the line's height.
    const CFontSheet::SInkSpan ink =
        CFontSheet::CapitalInk(fontDir + CFontSheet::kFontFile, SHudStyle().m_size, kHudTopLineY);
    return std::round((ink.top + ink.baseline - height) / 2.0f);
}

void CBackdropArt::Write(CAssetSink& sink, const std::string& fontDir)
{
    const CScenePainter scene(fontDir);
    sink.WriteJpeg("mui/intro.jpg", Intro(scene));
    sink.WriteJpeg("mui/main/main_bg.jpg", MainGround(scene));
    sink.WriteJpeg("mui/main/exit.jpg", ExitPicture(scene));
    sink.WriteJpeg("mui/common/dialog_back.jpg", DialogBack());
    for (int kind = 0; kind < static_cast<int>(GetGameKinds().size()); ++kind)
    {
        const std::string dir = "mui/" + GetGameKinds()[kind].m_name + "/";
        sink.WriteJpeg(dir + "menu_bg.jpg", MenuGround(scene, kind));
        sink.WriteJpeg(dir + "game_bg.jpg", GameGround(scene, kind));
    }
    sink.WriteTga("mui/grids/grid1.tga", Grid(true), true);
    sink.WriteTga("mui/grids/grid2.tga", Grid(false), true);
}
