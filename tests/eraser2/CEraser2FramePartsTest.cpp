#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "engine/files/CConfigFile.h"
#include "games/eraser2/CEraser2Game.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CRandom.h"
#include "tests/eraser2/Eraser2TestKit.h"
#include "tests/gamebase/BoxModel.h"

namespace
{
// A print cut into what belongs to the whole frame and what to each part.
struct SCut
{
    explicit SCut(const CFramePrint& print)
    {
        const std::vector<unsigned char>& bytes = print.GetBytes();
        std::size_t at = 0;
        for (const CFramePrint::SPart& part : print.GetParts())
        {
            outside.insert(outside.end(), bytes.begin() + at, bytes.begin() + part.begin);
            at = part.end;
            keys.push_back(part.key);
            parts[part.key] = part;
            values[part.key].assign(bytes.begin() + part.begin, bytes.begin() + part.end);
        }
        outside.insert(outside.end(), bytes.begin() + at, bytes.end());
    }
    // The keys of the parts whose values differ from the other print's, or
    // that only one of them has.
    std::set<std::uint64_t> Changed(const SCut& other) const
    {
        std::set<std::uint64_t> changed;
        for (const auto& [key, bytes] : values)
            if (!other.values.count(key) || other.values.at(key) != bytes)
                changed.insert(key);
        for (const auto& entry : other.values)
            if (!values.count(entry.first))
                changed.insert(entry.first);
        return changed;
    }
    std::vector<unsigned char> outside;
    std::vector<std::uint64_t> keys;
    std::map<std::uint64_t, CFramePrint::SPart> parts;
    std::map<std::uint64_t, std::vector<unsigned char>> values;
};

std::uint64_t KeyOf(const CEraser2Brick* brick) { return reinterpret_cast<std::uintptr_t>(brick); }

SCut CutOf(const CEraser2Field& field)
{
    CFramePrint print;
    field.AddToPrint(print);
    return SCut(print);
}

struct SField
{
    SField() : params(MakeParams(0, 0)), random(7), field(*params, nullptr, nullptr, random)
    {
        SetBoard(field, {"", "", "", "", "", "R", "G", "GB"});
        SetFeeder(field, 0, "RRRRRRRR");
        SetFeeder(field, 1, "GGGGGGGG");
    }
    std::unique_ptr<CEraser2Params> params;
    CRandom random;
    CEraser2Field field;
};

int CountFeederBricks(const CEraser2Field& field)
{
    int count = 0;
    for (int side = 0; side < 2; ++side)
        for (char c : GetFeeder(field, side))
            count += c != '.';
    return count;
}

bool Holds(const CFramePrint::SPart& part, const CVector4& low, const CVector4& high)
{
    const float slack = 1e-4f;
    return part.hasBox && part.low.x <= low.x + slack && part.low.y <= low.y + slack &&
           part.low.z <= low.z + slack && part.high.x >= high.x - slack && part.high.y >= high.y - slack &&
           part.high.z >= high.z - slack;
}
}

// A frame in which one brick changes draws again only around that brick:
// the rest of the print stays as it was.
TEST(Eraser2FrameParts, AChangeOfOneBrickChangesOnlyItsOwnPart)
{
    const struct
    {
        const char* name;
        std::function<void(CEraser2Brick&)> change;
    } cases[] = {
        {"moved", [](CEraser2Brick& b) { b.SetPosition(b.GetPosition() + CVector4(0.0f, -0.5f, 0.0f)); }},
        {"marked", [](CEraser2Brick& b) { b.MarkForRemoval(); }},
        {"highlighted", [](CEraser2Brick& b) { b.SetHighlight(true); }},
        {"fading", [](CEraser2Brick& b) {
             b.MarkForRemoval();
             b.StepVanish(16.0f, nullptr);
         }},
        {"swelling", [](CEraser2Brick& b) {
             b.MarkForRemoval();
             b.StepVanish(16.0f, nullptr);
             b.StepLook();
         }},
    };
    for (const auto& c : cases)
        for (int feeder = 0; feeder < 2; ++feeder)
        {
            SField f;
            const SCut before = CutOf(f.field);
            CEraser2Brick* brick = feeder ? f.field.GetFeederBrick(1, 3) : f.field.GetEraser2Brick(0, 6);
            ASSERT_NE(nullptr, brick);
            c.change(*brick);
            const SCut after = CutOf(f.field);
            const char* where = feeder ? " in a feeder" : " on the board";
            EXPECT_EQ(before.outside, after.outside) << c.name << where;
            EXPECT_EQ(std::set<std::uint64_t>{KeyOf(brick)}, after.Changed(before)) << c.name << where;
        }
}

// A brick that falls into the cell below, and one a feeder pushes onto the
// board, stay one part from frame to frame: the part moves, it does not go
// and come again.
TEST(Eraser2FrameParts, ABrickMovingBetweenCellsStaysOnePart)
{
    SField f;
    CEraser2Brick* falling = f.field.GetEraser2Brick(0, 5);
    ASSERT_NE(nullptr, falling);
    ASSERT_EQ(2, f.field.TakeGroup(f.field.GetEraser2Brick(0, 6)));
    const CVector4 start = falling->GetPosition();
    SCut last = CutOf(f.field);
    int changed = 0;
    for (int frame = 0; frame < 400 && f.field.GetState() != CEraser2Field::STATE_IDLE; ++frame)
    {
        f.field.Update(16.0f);
        const SCut now = CutOf(f.field);
        EXPECT_EQ(last.outside, now.outside) << "frame " << frame;
        ASSERT_EQ(1u, now.parts.count(KeyOf(falling))) << "frame " << frame;
        changed += now.Changed(last).count(KeyOf(falling));
        last = now;
    }
    EXPECT_LT(falling->GetPosition().y, start.y) << "the brick above the taken group fell";
    EXPECT_GT(changed, 2) << "its part moved with it";
    EXPECT_EQ("R", GetBoard(f.field)[7].substr(GetBoard(f.field)[7].find_first_not_of('.'), 1));

    // The left edge column is empty now: the full left feeder pushes in.
    SField g;
    SetBoard(g.field, {"", "", "", "", "", "", "", ".B"});
    CEraser2Brick* pushed = g.field.GetFeederBrick(0, 7);
    ASSERT_TRUE(g.field.PushFeeders());
    EXPECT_EQ(pushed, g.field.GetEraser2Brick(0, 7));
    EXPECT_EQ(1u, CutOf(g.field).parts.count(KeyOf(pushed)));
}

// The score stands in a rectangle of the screen of its own: a score that
// changes leaves the rest of the frame's print as it was.
TEST(Eraser2FrameParts, TheScoreChangesOnlyTheScorePart)
{
    auto params = MakeParams(0, 0);
    CEraser2Game game(nullptr, *params, nullptr, 3);
    while (game.IsEffectRunning())
        game.Update(16.0f);
    CConfigFile store;
    game.Save(store);
    // Loading makes new bricks, named anew: the parts are compared in order.
    std::vector<CFramePrint> prints(2);
    for (int k = 0; k < 2; ++k)
    {
        store.SetInt("gf_m_score", k == 0 ? 0 : 123456);
        ASSERT_TRUE(game.Load(store));
        game.AddToPrint(prints[k]);
    }
    const SCut zero(prints[0]), scored(prints[1]);
    EXPECT_EQ(zero.outside, scored.outside);
    const std::vector<CFramePrint::SPart>& before = prints[0].GetParts();
    const std::vector<CFramePrint::SPart>& after = prints[1].GetParts();
    ASSERT_EQ(before.size(), after.size());
    int screenParts = 0;
    for (std::size_t i = 0; i < after.size(); ++i)
    {
        const bool same = zero.values.at(before[i].key) == scored.values.at(after[i].key);
        if (after[i].board)
            EXPECT_TRUE(same) << "part " << i;
        else
        {
            ++screenParts;
            EXPECT_FALSE(same) << "the score's part";
            EXPECT_EQ(before[i].key, after[i].key);
        }
    }
    EXPECT_EQ(1, screenParts);
    // The rectangle reaches from above the glyphs to below the line they
    // stand on, from the text's start on.
    const CDraw2D::SRect rect = game.GetScoreRect();
    EXPECT_LE(rect.x, 320.0f);
    EXPECT_LE(rect.y, 50.0f - 16.0f);
    EXPECT_GE(rect.y + rect.height, 50.0f);
    EXPECT_GT(rect.width, 100.0f);
}

// Parts are told apart by their keys: bricks, popups (equal ones too) and
// the score each have their own in every frame of a game.
TEST(Eraser2FrameParts, KeysAreUniqueInEveryFrameOfAGame)
{
    auto params = MakeParams(0, 0);
    CEraser2Game game(nullptr, *params, nullptr, 11);
    while (game.IsEffectRunning())
        game.Update(16.0f);
    CEraser2Field& field = game.GetField();
    field.AddScorePopup(2, CVector4(10.0f, 10.0f, 0.0f));
    field.AddScorePopup(2, CVector4(10.0f, 10.0f, 0.0f));
    field.AddScorePopup(2, CVector4(10.0f, 10.0f, 0.0f));
    int frames = 0;
    for (int click = 0; click < 40 && !game.IsGameOver(); ++click)
    {
        const CVector4 cell = CellPoint(field, (click * 5) % field.GetWidth(), (click * 3) % field.GetHeight());
        for (int frame = 0; frame < 30; ++frame, ++frames)
        {
            game.SetPointer(cell, frame == 0);
            game.Update(16.0f);
            CFramePrint print;
            game.AddToPrint(print);
            const SCut cut(print);
            ASSERT_EQ(cut.keys.size(), cut.parts.size()) << "frame " << frames;
            ASSERT_EQ(static_cast<std::size_t>(CountFeederBricks(field) + field.CountBricks() +
                                               field.GetPopups().GetCount() + 1),
                      cut.keys.size())
                << "every brick, popup and the score a part, frame " << frames;
        }
    }
    EXPECT_GT(game.GetScore(), 0) << "bricks were taken";
}

// A popup rising and fading stays one part, whose box rises with it and
// holds the point its text hangs from.
TEST(Eraser2FrameParts, ARisingPopupIsOnePartThatRisesWithIt)
{
    SField f;
    f.field.AddScorePopup(3, CVector4(20.0f, -40.0f, 0.0f));
    SCut last = CutOf(f.field);
    const std::set<std::uint64_t> bricks = [&] {
        std::set<std::uint64_t> keys(last.keys.begin(), last.keys.end() - 1);
        return keys;
    }();
    const std::uint64_t popup = last.keys.back();
    EXPECT_EQ(0u, bricks.count(popup));
    for (int frame = 0; frame < 20; ++frame)
    {
        f.field.Update(16.0f);
        const SCut now = CutOf(f.field);
        ASSERT_EQ(1u, now.parts.count(popup)) << "frame " << frame;
        EXPECT_EQ(std::set<std::uint64_t>{popup}, now.Changed(last)) << "frame " << frame;
        EXPECT_EQ(last.outside, now.outside);
        const CVector4& at = f.field.GetPopups().GetPosition(0);
        EXPECT_TRUE(Holds(now.parts.at(popup), at, at)) << "frame " << frame;
        EXPECT_GT(now.parts.at(popup).low.y, last.parts.at(popup).low.y);
        last = now;
    }
}

// Wherever Draw puts a brick (resting, zooming with the cursor, swelling as
// it vanishes, turned), its part's box holds it.
TEST(Eraser2FrameParts, EachBrickPartHoldsWhereItIsDrawn)
{
    const std::unique_ptr<CModel> look = MakeBoxModel(0.6f);
    const struct
    {
        const char* name;
        std::function<void(CEraser2Brick&)> set;
    } cases[] = {
        {"resting", [](CEraser2Brick&) {}},
        {"highlighted", [](CEraser2Brick& b) {
             b.SetHighlight(true);
             b.StepLook();
         }},
        {"zooming back", [](CEraser2Brick& b) {
             b.SetHighlight(true);
             for (int i = 0; i < 20; ++i)
                 b.StepLook();
             b.SetHighlight(false);
         }},
        {"vanishing", [](CEraser2Brick& b) {
             b.MarkForRemoval();
             for (int i = 0; i < 6; ++i)
             {
                 b.StepVanish(30.0f, nullptr);
                 b.StepLook();
             }
         }},
        {"turned", [](CEraser2Brick& b) { b.SetAngleZ(30.0f); }},
    };
    for (const auto& c : cases)
    {
        SField f;
        CEraser2Brick* brick = f.field.GetEraser2Brick(1, 7);
        ASSERT_NE(nullptr, brick);
        brick->TakeLook(*look);
        c.set(*brick);
        const SCut cut = CutOf(f.field);
        // A box turned about z reaches out by its sides' cosine and sine.
        const float turn = brick->GetAngleZ() * 3.14159265f / 180.0f;
        const float half = brick->GetDrawnSize() / 2.0f * (std::fabs(std::cos(turn)) + std::fabs(std::sin(turn)));
        const float depth = brick->GetDrawnSize() * 0.3f;
        const CVector4& p = brick->GetPosition();
        EXPECT_TRUE(Holds(cut.parts.at(KeyOf(brick)), CVector4(p.x - half, p.y - half, p.z - depth),
                          CVector4(p.x + half, p.y + half, p.z + depth)))
            << c.name;
    }
}
