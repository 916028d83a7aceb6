#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gfx/CMesh.h"
#include "games/jewel/CBJBonusesList.h"
#include "games/jewel/CJewelGame.h"
#include "engine/frame/CViewParams.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/GameFrame.h"
#include "tests/gamebase/BoxModel.h"
#include "tests/jewel/JewelTestKit.h"

// The frame cache draws again only around the parts that changed: a brick,
// a popup or a line of the display must change its own part and nothing
// outside the parts, and each part's box must hold everything it draws.
namespace
{
using KeySet = std::set<std::uint64_t>;

// Every brick colour takes a box look, every bonus figure a flatter one, so
// that parts get boxes as in the real game.
struct SLooks
{
    std::unique_ptr<CModel> brick = MakeBoxModel(0.5f);
    std::unique_ptr<CModel> figure = MakeBoxModel(0.3f);

    void GiveTo(CJewelParams& params) const
    {
        for (int color = 0; color < CJewelParams::COLOR_COUNT; ++color)
            params.SetBrickModel(params.GetCurrentSkin(), color, brick.get());
        for (int i = 0; i < CJewelParams::BONUS_MODELS; ++i)
            params.SetBonusModel(i, figure.get());
    }
};

struct SFieldChange
{
    const char* name;
    std::function<void(CJewelField&)> prepare;
    // Makes the change; returns the parts it may change.
    std::function<KeySet(CJewelField&)> change;
};

KeySet Keys(std::initializer_list<const CJewelBrick*> bricks)
{
    KeySet keys;
    for (const CJewelBrick* brick : bricks)
        keys.insert(BrickKey(brick));
    return keys;
}

const auto NOTHING = [](CJewelField&) {};
const SFieldChange FIELD_CHANGES[] = {
    {"FadingBrick", [](CJewelField& f) { f.BrickAt(1, 1)->Mark(); },
     [](CJewelField& f) {
         f.BrickAt(1, 1)->FlyStep(16.0f);
         return Keys({f.BrickAt(1, 1)});
     }},
    {"HoveredBrick", NOTHING,
     [](CJewelField& f) {
         f.Hover(f.GetBrickPosition(2, 1));
         return Keys({f.BrickAt(2, 1)});
     }},
    {"SwappingBricks", [](CJewelField& f) { f.BrickAt(0, 0)->SetSelected(true); },
     [](CJewelField& f) {
         KeySet keys = Keys({f.BrickAt(0, 0), f.BrickAt(1, 0)});
         f.TrySwap(1, 0);
         f.Update(16.0f);
         return keys;
     }},
    {"StruckBrick", NOTHING,
     [](CJewelField& f) {
         KeySet keys = Keys({f.BrickAt(1, 1)});
         f.RemoveBrick(1, 1);
         return keys;
     }},
    {"RecolouredBricks", NOTHING,
     [](CJewelField& f) {
         // The greens of the picture.
         KeySet keys = Keys({f.BrickAt(2, 0), f.BrickAt(1, 1), f.BrickAt(0, 2), f.BrickAt(3, 3)});
         f.RecolorBricks(1, 1, 4);
         return keys;
     }},
    {"FallingColumn",
     [](CJewelField& f) {
         f.RemoveBrick(1, 3);
         f.FinishStrike();
     },
     [](CJewelField& f) {
         // The struck brick's gap: the column above falls, a new brick drops in.
         KeySet keys = Keys({f.BrickAt(1, 0), f.BrickAt(1, 1), f.BrickAt(1, 2)});
         f.Update(16.0f);
         f.Update(16.0f);
         EXPECT_EQ(CJewelField::STATE_FALLING, f.GetState());
         keys.insert(BrickKey(f.BrickAt(1, 0)));
         return keys;
     }},
    {"LevelBonusPopup", NOTHING,
     [](CJewelField& f) {
         f.AddLevelBonus();
         return KeySet{CJewelField::PART_POPUP};
     }},
    {"RisingPopup", [](CJewelField& f) { f.AddLevelBonus(); },
     [](CJewelField& f) {
         // The level end takes the bricks away one by one, from the top right.
         KeySet keys = Keys({f.BrickAt(3, 0)});
         f.Update(16.0f);
         keys.insert(CJewelField::PART_POPUP);
         return keys;
     }},
};

class JewelFieldParts : public ::testing::TestWithParam<SFieldChange>
{
protected:
    SLooks looks;
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    CRecordingEvents events;
    CRandom random{5};
    CJewelField field{*params, random, &events, nullptr, nullptr};

    void SetUp() override
    {
        looks.GiveTo(*params);
        // No run stands and no swap of the first two makes one.
        SetBoard(field, {"RYGB", "YGBR", "GBRY", "BRYG"});
    }
};
}

TEST_P(JewelFieldParts, ChangeTouchesOnlyItsOwnParts)
{
    GetParam().prepare(field);
    const SPrintParts before = PartsOf(field);
    const KeySet expected = GetParam().change(field);
    const SPrintParts after = PartsOf(field);
    EXPECT_EQ(before.outside, after.outside);
    EXPECT_EQ(expected, ChangedParts(before, after));
    EXPECT_TRUE(before.unique && after.unique);
}

INSTANTIATE_TEST_SUITE_P(Changes, JewelFieldParts, ::testing::ValuesIn(FIELD_CHANGES),
                         [](const ::testing::TestParamInfo<SFieldChange>& info) { return info.param.name; });

namespace
{
const float DEGREES = 3.14159265f / 180.0f;

// As glRotatef about one axis: x (0), y (1) or z (2).
void Rotate(float degrees, int axis, CVector4& p)
{
    float v[3] = {p.x, p.y, p.z};
    const float c = std::cos(degrees * DEGREES), s = std::sin(degrees * DEGREES);
    const int a = (axis + 1) % 3, b = (axis + 2) % 3;
    const float va = v[a], vb = v[b];
    v[a] = c * va - s * vb;
    v[b] = s * va + c * vb;
    p = CVector4(v[0], v[1], v[2]);
}

// The corners of a mesh's bounds, scaled.
std::vector<CVector4> Corners(const CModel& look, float scale)
{
    float low[3] = {};
    float high[3] = {};
    if (!look.GetMesh() || !look.GetMesh()->GetBounds(low, high))
        return {};
    std::vector<CVector4> corners;
    for (int corner = 0; corner < 8; ++corner)
        corners.emplace_back(((corner & 1) ? high[0] : low[0]) * scale, ((corner & 2) ? high[1] : low[1]) * scale,
                             ((corner & 4) ? high[2] : low[2]) * scale);
    return corners;
}

// Where CJewelBrick::Draw puts the corners of what it draws: at its place,
// turned by its angles (and the wobble while selected), scaled by the pulse;
// struck, only the overlay at the overlay's scale.
std::vector<CVector4> DrawnCorners(const CJewelBrick& brick)
{
    if (brick.IsStruck() && !brick.GetOverlay())
        return {};
    const bool overlay = brick.IsStruck();
    const CModel& look = overlay ? *brick.GetOverlay() : brick;
    std::vector<CVector4> corners = Corners(look, look.GetScale() * (overlay ? 1.0f : brick.GetPulse()));
    for (CVector4& p : corners)
    {
        Rotate(brick.GetAngleZ(), 2, p);
        Rotate(brick.GetAngleY() + (brick.IsSelected() ? brick.GetWobble() : 0.0f), 1, p);
        Rotate(brick.GetAngleX(), 0, p);
        p = p + brick.GetPosition();
    }
    return corners;
}

// The jewel's board camera (column-major): 40 units back, scaled, tilted.
void BoardView(float tilt, float (&m)[16])
{
    const float scale = 0.06f;
    const float c = std::cos(tilt * DEGREES), s = std::sin(tilt * DEGREES);
    const float view[16] = {scale, 0, 0, 0, 0, scale * c, scale * s, 0, 0, -scale * s, scale * c, 0, 0, 0, -40.0f, 1};
    std::copy(view, view + 16, m);
}

// Where CBJBonusesList::DrawFigure puts a figure's corners at that point,
// leant for the eye of a board tilted this much.
std::vector<CVector4> DrawnFigureCorners(const CModel& figure, const CVector4& at, float tilt)
{
    float view[16];
    BoardView(tilt, view);
    float slopeX = 0.0f;
    float slopeY = 0.0f;
    CBJBonusesList::EyeSlope(view, at, slopeX, slopeY);
    std::vector<CVector4> corners = Corners(figure, figure.GetScale());
    for (CVector4& p : corners)
        p = CVector4(at.x + p.x + slopeX * p.z, at.y + p.y + slopeY * p.z, at.z + p.z);
    return corners;
}

::testing::AssertionResult BoxHolds(const SPrintParts& print, std::uint64_t key, const std::vector<CVector4>& corners)
{
    auto found = print.parts.find(key);
    if (found == print.parts.end())
        return ::testing::AssertionFailure() << "no part " << key;
    const CFramePrint::SPart& part = found->second;
    if (!part.board || !part.hasBox)
        return ::testing::AssertionFailure() << "part " << key << " has no box of the board";
    const float slack = 1.0e-3f;
    for (const CVector4& p : corners)
        if (p.x < part.low.x - slack || p.y < part.low.y - slack || p.z < part.low.z - slack ||
            p.x > part.high.x + slack || p.y > part.high.y + slack || p.z > part.high.z + slack)
            return ::testing::AssertionFailure() << "corner " << p.x << " " << p.y << " " << p.z << " outside part "
                                                 << key;
    return ::testing::AssertionSuccess();
}

// A figure's lean moves its top along the line of sight: what counts is
// where it shows on the screen. The logical rectangle of the drawn corners
// must lie in the one of the part's box, both seen through the game's camera
// on a board tilted this much.
::testing::AssertionResult FigureShowsInItsPart(const SPrintParts& print, std::uint64_t key, const CModel& figure,
                                                const CVector4& at, float tilt)
{
    auto found = print.parts.find(key);
    if (found == print.parts.end() || !found->second.hasBox)
        return ::testing::AssertionFailure() << "no part with a box " << key;
    CViewParams view;
    view.SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
    view.SetScale(0.06f);
    CDraw2D::SRect box{};
    if (!ProjectBoardBox(view, tilt, found->second.low, found->second.high, box))
        return ::testing::AssertionFailure() << "part " << key << " behind the eye";
    const float slack = 0.01f;
    for (const CVector4& p : DrawnFigureCorners(figure, at, tilt))
    {
        CDraw2D::SRect corner{};
        const bool shown = ProjectBoardBox(view, tilt, p, p, corner);
        if (!shown || corner.x < box.x - slack || corner.y < box.y - slack ||
            corner.x + corner.width > box.x + box.width + slack ||
            corner.y + corner.height > box.y + box.height + slack)
            return ::testing::AssertionFailure() << "corner " << p.x << " " << p.y << " " << p.z << " at tilt " << tilt
                                                 << " shows outside part " << key;
    }
    return ::testing::AssertionSuccess();
}

class JewelGameParts : public ::testing::Test
{
protected:
    SLooks looks;
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    CRecordingEvents events;
    std::unique_ptr<CJewelGame> game;

    void SetUp() override
    {
        looks.GiveTo(*params);
        game = std::make_unique<CJewelGame>(nullptr, *params, &events, 7);
    }

    void PointAt(const CVector4& point, bool button)
    {
        SJewelPointer pointer;
        pointer.m_point = point;
        pointer.m_button = button;
        game->SetPointer(pointer);
    }

    // Every part of this moment's print: keys unique, and each brick's and
    // figure's box round what drawing it puts on the board.
    void CheckBoxes()
    {
        const SPrintParts print = PartsOf(*game);
        ASSERT_TRUE(print.unique);
        for (const auto& part : print.parts)
            ASSERT_TRUE(part.second.hasBox) << part.first;
        CJewelField& field = game->GetField();
        for (int x = 0; x < field.GetWidth(); ++x)
            for (int y = 0; y < field.GetHeight(); ++y)
                if (const CJewelBrick* brick = field.BrickAt(x, y))
                {
                    ASSERT_TRUE(BoxHolds(print, BrickKey(brick), DrawnCorners(*brick))) << x << " " << y;
                }
        for (float tilt : {0.0f, 30.0f, -30.0f})
        {
            for (int i = 0; i < CBJBonusesList::SLOTS; ++i)
                if (const CModel* figure = game->GetPlayer().GetBonuses().GetSlot(i))
                {
                    CVector4 at = figure->GetPosition();
                    at.z += CBJBonusesList::FIGURE_LIFT;
                    ASSERT_TRUE(FigureShowsInItsPart(print, CJewelField::PART_SLOT + i, *figure, at, tilt));
                }
            if (const CModel* held = game->GetPlayer().GetFigure())
            {
                ASSERT_TRUE(FigureShowsInItsPart(print, CJewelField::PART_FIGURE, *held, held->GetPosition(), tilt));
            }
        }
    }
};
}

TEST_F(JewelGameParts, TitleComingDownChangesOnlyItsPart)
{
    PointAt(CVector4(1.0e7f, 1.0e7f, 0.0f), false);
    for (int i = 0; i < 2000 && game->IsEffectRunning(); ++i)
        game->Update(16.0f);
    game->Update(16.0f);
    ASSERT_TRUE(game->IsTitleShown());
    const SPrintParts before = PartsOf(*game);
    game->Update(16.0f);
    const SPrintParts after = PartsOf(*game);
    EXPECT_EQ(before.outside, after.outside);
    EXPECT_EQ(KeySet{CJewelField::PART_HUD + CJewelGame::HUD_TITLE}, ChangedParts(before, after));
}

TEST_F(JewelGameParts, LevelScoreChangesItsLineAndNothingOutsideTheParts)
{
    PointAt(CVector4(1.0e7f, 1.0e7f, 0.0f), false);
    for (int i = 0; i < 600; ++i)
        game->Update(16.0f);
    ASSERT_TRUE(game->GetField().IsIdle());
    const int score = game->GetLevelScore();
    const SPrintParts before = PartsOf(*game);
    // A strike of one brick: it fades, the column falls, the brick is paid.
    game->GetField().RemoveBrick(3, 3);
    for (int i = 0; i < 1000 && !game->GetField().IsIdle(); ++i)
        game->Update(16.0f);
    ASSERT_NE(score, game->GetLevelScore());
    const SPrintParts after = PartsOf(*game);
    EXPECT_EQ(before.outside, after.outside);
    const KeySet changed = ChangedParts(before, after);
    EXPECT_EQ(1u, changed.count(CJewelField::PART_HUD + CJewelGame::HUD_LEVEL_SCORE));
    EXPECT_EQ(0u, changed.count(CJewelField::PART_HUD + CJewelGame::HUD_TOTAL_SCORE));
    EXPECT_EQ(0u, changed.count(CJewelField::PART_HUD + CJewelGame::HUD_LEVEL));
}

TEST_F(JewelGameParts, WholeGameKeepsKeysUniqueAndEveryBoxRoundWhatIsDrawn)
{
    CJewelField& field = game->GetField();
    int figuresSeen = 0;
    const int stepX[4] = {-1, 1, 0, 0};
    const int stepY[4] = {0, 0, -1, 1};
    CVector4 point;
    for (int frame = 0; frame < 4000; ++frame)
    {
        // A click every tenth frame: on a neighbour of the hinted brick, in
        // turn, so that swaps score and earn figures; every fifth on a slot
        // of the figures, which the next click fires.
        const int click = frame / 10;
        if (frame % 10 == 0 && click % 5 == 4)
            point = CVector4((click % 2 ? 1.0f : -1.0f) * CBJBonusesList::SIDE_X, 150.0f - 100.0f * (click / 5 % 4),
                             0.0f);
        else if (frame % 10 == 0)
        {
            if (!field.HasSelection())
                field.ShowHint();
            int x = 0;
            int y = 0;
            for (int cx = 0; cx < field.GetWidth(); ++cx)
                for (int cy = 0; cy < field.GetHeight(); ++cy)
                    if (field.BrickAt(cx, cy) && field.BrickAt(cx, cy)->IsSelected())
                    {
                        x = cx;
                        y = cy;
                    }
            point = field.GetBrickPosition(x + stepX[click % 4], y + stepY[click % 4]);
        }
        PointAt(point, frame % 10 == 0);
        game->Update(16.0f);
        if (game->GetPlayer().GetFigure() || game->GetPlayer().GetBonuses().CountAll() > 0)
            ++figuresSeen;
        CheckBoxes();
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(figuresSeen, 0) << "the walk earned no bonus figure to check";
}

// New bricks start high above the board, where the score bar is drawn. Each
// frame of their fall, at any tilt, the screen rectangle a brick falling in
// draws in (its box cut to its clip, as the frame cache patches it) lies
// within the board's: its cells' squares in the plane of the bricks' middles,
// where the bricks at rest show their outline.
TEST_F(JewelFieldParts, BricksFallingInDrawOnlyOverTheBoard)
{
    field.RemoveBrick(1, 3);
    field.FinishStrike();
    const float s = field.GetBrickSize();
    const int last = field.GetWidth() - 1;
    const CVector4 low(field.GetBrickPosition(0, last).x - s / 2.0f, field.GetBrickPosition(0, last).y - s / 2.0f,
                       field.GetBrickPosition(0, last).z);
    const CVector4 high(field.GetBrickPosition(last, 0).x + s / 2.0f, field.GetBrickPosition(last, 0).y + s / 2.0f,
                        field.GetBrickPosition(last, 0).z);
    CViewParams view;
    view.SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
    view.SetScale(0.06f);
    int aboveSeen = 0;
    for (int frame = 0; frame < 400 && (frame < 2 || !field.IsIdle()); ++frame)
    {
        field.Update(16.0f);
        const SPrintParts print = PartsOf(field);
        for (int x = 0; x < field.GetWidth(); ++x)
            for (int y = 0; y < field.GetHeight(); ++y)
            {
                const CJewelBrick* brick = field.BrickAt(x, y);
                if (!brick || brick->GetPosition().y + s / 2.0f <= high.y)
                    continue;
                ++aboveSeen;
                const CFramePrint::SPart& part = print.parts.at(BrickKey(brick));
                for (float tilt : {0.0f, 30.0f, -30.0f})
                {
                    CDraw2D::SRect board{};
                    ASSERT_TRUE(ProjectBoardBox(view, tilt, low, high, board));
                    const CDraw2D::SRect drawn = GetPartRect(part, view, tilt);
                    const float slack = 0.01f;
                    EXPECT_TRUE(drawn.width == 0.0f || drawn.height == 0.0f ||
                                (drawn.x >= board.x - slack && drawn.y >= board.y - slack &&
                                 drawn.x + drawn.width <= board.x + board.width + slack &&
                                 drawn.y + drawn.height <= board.y + board.height + slack))
                        << "frame " << frame << " cell " << x << " " << y << " tilt " << tilt << ": drawn "
                        << drawn.x << " " << drawn.y << " " << drawn.width << " " << drawn.height << ", board "
                        << board.x << " " << board.y << " " << board.width << " " << board.height;
                }
            }
    }
    EXPECT_GT(aboveSeen, 0) << "no brick was seen falling in";
}
