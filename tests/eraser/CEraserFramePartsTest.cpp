// The frame print in parts: while the eraser is played, every change of a
// frame lies in the parts of the things that changed, and each part's box
// holds whatever drawing that thing can cover. A value outside the parts
// would draw the whole frame again; a box too small would leave traces.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "engine/gfx/CBitmapFont.h"
#include "shell/game/CFramePrint.h"
#include "tests/eraser/EraserTestKit.h"
#include "tests/gamebase/BoxModel.h"
#include "tests/gfx/CFontTestPicture.h"

namespace
{
template <class T>
CFramePrint PrintOf(const T& drawn)
{
    CFramePrint print;
    drawn.AddToPrint(print);
    return print;
}

// The bytes of the print that belong to no part: the whole frame's.
std::vector<unsigned char> OutsideParts(const CFramePrint& print)
{
    std::vector<bool> inside(print.GetBytes().size(), false);
    for (const CFramePrint::SPart& part : print.GetParts())
        for (std::size_t i = part.begin; i < part.end; ++i)
            inside[i] = true;
    std::vector<unsigned char> outside;
    for (std::size_t i = 0; i < inside.size(); ++i)
        if (!inside[i])
            outside.push_back(print.GetBytes()[i]);
    return outside;
}

std::map<std::uint64_t, std::vector<unsigned char>> PartBytes(const CFramePrint& print)
{
    std::map<std::uint64_t, std::vector<unsigned char>> parts;
    for (const CFramePrint::SPart& part : print.GetParts())
        parts[part.key].assign(print.GetBytes().begin() + static_cast<std::ptrdiff_t>(part.begin),
                               print.GetBytes().begin() + static_cast<std::ptrdiff_t>(part.end));
    return parts;
}

// The keys of the parts that changed, came or went from one print to the next.
std::set<std::uint64_t> ChangedParts(const CFramePrint& before, const CFramePrint& after)
{
    const auto a = PartBytes(before), b = PartBytes(after);
    std::set<std::uint64_t> changed;
    for (const auto& part : a)
        if (b.count(part.first) == 0 || b.at(part.first) != part.second)
            changed.insert(part.first);
    for (const auto& part : b)
        if (a.count(part.first) == 0)
            changed.insert(part.first);
    return changed;
}

bool KeysAreUnique(const CFramePrint& print)
{
    std::set<std::uint64_t> keys;
    for (const CFramePrint::SPart& part : print.GetParts())
        if (!keys.insert(part.key).second)
            return false;
    return true;
}

std::uint64_t KeyOf(const CEraserBrick* brick)
{
    return reinterpret_cast<std::uintptr_t>(brick);
}

const CFramePrint::SPart* FindPart(const CFramePrint& print, std::uint64_t key)
{
    for (const CFramePrint::SPart& part : print.GetParts())
        if (part.key == key)
            return &part;
    return nullptr;
}

bool Holds(const CFramePrint::SPart& part, const CVector4& p)
{
    const float slack = 1.0e-3f;
    return part.hasBox && p.x >= part.low.x - slack && p.x <= part.high.x + slack && p.y >= part.low.y - slack &&
           p.y <= part.high.y + slack && p.z >= part.low.z - slack && p.z <= part.high.z + slack;
}

// A point turned about an axis as glRotatef turns it.
CVector4 Turn(const CVector4& p, float degrees, int axis)
{
    const float a = degrees * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
    if (axis == 0)
        return CVector4(p.x, c * p.y - s * p.z, s * p.y + c * p.z);
    if (axis == 1)
        return CVector4(c * p.x + s * p.z, p.y, -s * p.x + c * p.z);
    return CVector4(c * p.x - s * p.y, s * p.x + c * p.y, p.z);
}

// The corners of the brick's box model as its Draw puts them: moved to its
// place, turned about x, y and z, scaled by the swell of a vanishing brick
// and the highlight's zoom.
std::vector<CVector4> DrawnCorners(const CEraserBrick& brick, float depth)
{
    float size = brick.GetScale();
    if (brick.IsMarked())
        size += (1.0f - brick.GetAlpha()) * 30.0f;
    size *= brick.GetZoom();
    std::vector<CVector4> corners;
    for (int corner = 0; corner < 8; ++corner)
    {
        CVector4 p((corner & 1) ? 0.5f : -0.5f, (corner & 2) ? 0.5f : -0.5f, (corner & 4) ? depth / 2 : -depth / 2);
        p = p * size;
        p = Turn(Turn(Turn(p, brick.GetAngleZ(), 2), brick.GetAngleY(), 1), brick.GetAngleX(), 0);
        corners.push_back(brick.GetPosition() + p);
    }
    return corners;
}
}

TEST(EraserFrameParts, EachChangeOnTheBoardShowsOnlyInTheMovedBricksParts)
{
    const struct
    {
        const char* name;
        // Brings the board to the moment before the change.
        std::function<void(SEraser&)> setup;
        std::function<void(SEraser&)> change;
        // The cells, after the change, whose bricks change.
        std::vector<std::pair<int, int>> changed;
    } cases[] = {
        {"a group highlighted", [](SEraser&) {},
         [](SEraser& f) { f.Field().Highlight(f.CellPoint(0, 7)); }, {{0, 7}, {1, 7}}},
        {"a group vanishing", [](SEraser& f) { f.Field().SelectGroup(f.Field().GetEraserBrick(0, 7)); },
         [](SEraser& f) { f.Field().Update(16.0f); }, {{0, 7}, {1, 7}}},
        {"a brick falling",
         [](SEraser& f) {
             f.Field().SelectGroup(f.Field().GetEraserBrick(0, 7));
             f.RunFieldTo(CEraserField::STATE_FALLING);
         },
         [](SEraser& f) { f.Field().Update(16.0f); }, {{0, 7}}},
        {"columns closing",
         [](SEraser& f) {
             f.Field().SelectGroup(f.Field().GetEraserBrick(0, 7));
             f.RunFieldTo(CEraserField::STATE_CLOSING);
         },
         [](SEraser& f) { f.Field().Update(16.0f); }, {{2, 7}, {3, 7}}},
    };
    for (const auto& c : cases)
    {
        SEraser f;
        f.SetBoard(f.Bottom({"G.......", "RRB....."}));
        c.setup(f);
        const CFramePrint before = PrintOf(f.Field());
        c.change(f);
        const CFramePrint after = PrintOf(f.Field());
        std::set<std::uint64_t> expected;
        for (const auto& cell : c.changed)
        {
            ASSERT_NE(nullptr, f.Field().GetEraserBrick(cell.first, cell.second)) << c.name;
            expected.insert(KeyOf(f.Field().GetEraserBrick(cell.first, cell.second)));
        }
        EXPECT_EQ(OutsideParts(before), OutsideParts(after)) << c.name;
        EXPECT_EQ(expected, ChangedParts(before, after)) << c.name;
    }
}

// The level score changes in the frame the group is gone: of the texts,
// only the level score's is drawn again.
TEST(EraserFrameParts, ALevelScoreChangeShowsOnlyInItsText)
{
    SEraser f;
    f.SetBoard(f.Bottom({"GB", "RR"}));
    // The level banner, a text too, has flown in and faded.
    f.game.SetPointer(CVector4(1.0e7f, 1.0e7f, 0.0f), false);
    for (int i = 0; i < 600; ++i)
        f.game.Update(16.0f);
    f.Click(0, 7);
    for (int i = 0; i < 100 && f.game.GetLevelScore() == 0; ++i)
    {
        const CFramePrint before = PrintOf(f.game);
        f.game.Update(16.0f);
        if (f.game.GetLevelScore() == 0)
            continue;
        const CFramePrint after = PrintOf(f.game);
        EXPECT_EQ(OutsideParts(before), OutsideParts(after));
        std::vector<CDraw2D::SRect> texts;
        for (std::uint64_t key : ChangedParts(before, after))
        {
            const CFramePrint::SPart* part = FindPart(after, key);
            if (part && !part->board)
                texts.push_back(part->rect);
        }
        ASSERT_EQ(1u, texts.size());
        const CEraserGame::SHudLine line = f.game.GetHudLines()[0];
        EXPECT_EQ("Level Score:    20", line.text);
        const CDraw2D::SRect rect = f.game.GetHudRect(line);
        EXPECT_EQ(rect.x, texts[0].x);
        EXPECT_EQ(rect.y, texts[0].y);
    }
    EXPECT_EQ(20, f.game.GetLevelScore());
}

// A whole level of clicks: nothing outside the parts ever changes, so no
// frame of play is drawn whole, and no two parts share a key.
TEST(EraserFrameParts, PlayingALevelChangesNothingOutsideTheParts)
{
    SEraser f;
    const std::vector<unsigned char> outside = OutsideParts(PrintOf(f.game));
    const int side = f.Field().GetWidth();
    for (int frame = 0; frame < 1500 && f.game.GetLevel() == 1; ++frame)
    {
        const int step = frame / 20;
        f.game.SetPointer(f.CellPoint(step * 3 % side, side - 1 - step % 3), frame % 20 == 0);
        f.game.Update(16.0f);
        const CFramePrint print = PrintOf(f.game);
        ASSERT_TRUE(KeysAreUnique(print)) << "frame " << frame;
        ASSERT_EQ(outside, OutsideParts(print)) << "frame " << frame;
    }
}

TEST(EraserFrameParts, EveryBrickPartHoldsTheBrickAsDrawn)
{
    const float depth = 0.4f;
    const struct
    {
        const char* name;
        std::function<void(CEraserBrick&)> set;
    } cases[] = {
        {"at rest", [](CEraserBrick&) {}},
        {"highlighted", [](CEraserBrick& b) {
             b.SetHighlight(true);
             b.StepZoom();
         }},
        {"shrunk and marked", [](CEraserBrick& b) {
             b.SetHighlight(true);
             for (int i = 0; i < 3; ++i)
                 b.StepZoom();
             b.Mark();
             b.Vanish(100.0f, nullptr);
         }},
        {"just marked", [](CEraserBrick& b) { b.Mark(); }},
        {"half faded", [](CEraserBrick& b) {
             b.Mark();
             b.Vanish(125.0f, nullptr);
         }},
        {"all but gone", [](CEraserBrick& b) {
             b.Mark();
             b.Vanish(249.0f, nullptr);
         }},
        {"turned", [](CEraserBrick& b) { b.SetAngleZ(45.0f); }},
        {"turned and fading", [](CEraserBrick& b) {
             b.SetAngleX(30.0f);
             b.SetAngleY(-60.0f);
             b.Mark();
             b.Vanish(200.0f, nullptr);
         }},
        {"on its way down", [](CEraserBrick& b) { b.SetPosition(b.GetPosition() + CVector4(0.0f, 17.0f, 0.0f)); }},
    };
    const std::unique_ptr<CModel> box = MakeBoxModel(depth);
    for (const auto& c : cases)
    {
        SEraser f;
        f.SetBoard(f.Bottom({"RGB"}));
        CEraserBrick* brick = f.Field().GetEraserBrick(1, 7);
        brick->TakeLook(*box);
        c.set(*brick);
        const CFramePrint print = PrintOf(f.Field());
        const CFramePrint::SPart* part = FindPart(print, KeyOf(brick));
        ASSERT_NE(nullptr, part) << c.name;
        EXPECT_TRUE(part->board) << c.name;
        for (const CVector4& corner : DrawnCorners(*brick, depth))
            EXPECT_TRUE(Holds(*part, corner)) << c.name << ": " << corner.x << ", " << corner.y << ", " << corner.z;
    }
}

// A popup's text runs right from a little left of its point and down from
// it by the text's size (the board's y axis points up).
TEST(EraserFrameParts, APopupsPartHoldsItsText)
{
    CBitmapFont font;
    const std::vector<unsigned char> picture = CFontTestPicture::Make({24, 24, 24, 22});
    ASSERT_TRUE(font.Load(picture.data(), picture.size(), nullptr));
    const std::unique_ptr<CEraserParams> params = MakeParams(0, 0);
    CRandom random(5);
    CEraserField field(*params, nullptr, nullptr, random, &font);
    field.NewLevel(1);
    field.AddScorePopup(12, CVector4(-100.0f, 40.0f, 3.0f));
    field.Update(200.0f);
    const CFramePrint print = PrintOf(field);
    ASSERT_EQ(1, field.GetPopups().GetCount());
    const CVector4& at = field.GetPopups().GetPosition(0);
    const float width = font.GetTextWidth(field.GetPopups().GetText(0).c_str(), CScorePopups::kTextSize);
    ASSERT_GT(width, 0.0f);
    std::set<std::uint64_t> bricks;
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
            bricks.insert(KeyOf(field.GetEraserBrick(x, y)));
    std::vector<const CFramePrint::SPart*> popups;
    for (const CFramePrint::SPart& part : print.GetParts())
        if (bricks.count(part.key) == 0)
            popups.push_back(&part);
    ASSERT_EQ(1u, popups.size());
    const CFramePrint::SPart* popup = popups[0];
    EXPECT_TRUE(popup->board);
    for (const CVector4& corner : {CVector4(at.x - 30.0f, at.y, at.z), CVector4(at.x - 30.0f + width, at.y, at.z),
                                   CVector4(at.x - 30.0f, at.y - CScorePopups::kTextSize, at.z),
                                   CVector4(at.x - 30.0f + width, at.y - CScorePopups::kTextSize, at.z)})
        EXPECT_TRUE(Holds(*popup, corner)) << corner.x << ", " << corner.y;
}
