// The plates the game grounds paint round what the game draws over them at
// run time: the score lines and the remover's column of bricks to place.
// What the game draws is worked out from the game's own code and the pack's
// font and meshes; the plate is found in the pack's picture by its rim.
#include "tests/assets/CAssetPackReader.h"

#include "engine/frame/CViewParams.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CJpegDecoder.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CPicture.h"
#include "engine/gfx/CTgaDecoder.h"
#include "games/eraser/CEraserGame.h"
#include "games/eraser/CEraserParams.h"
#include "games/eraser2/CEraser2Game.h"
#include "games/eraser2/CEraser2Params.h"
#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverField.h"
#include "games/remover/CRemoverGame.h"
#include "games/remover/CRemoverParams.h"
#include "games/remover/CRemoverPlayer.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CRandom.h"
#include "tests/assets/ScreenLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace
{
// How far a plate's middle may stand from the middle of what it holds, in
// pixels: its rim lies on whole rows.
const float kCentring = 1.5f;
// A texel of the font at least this opaque is ink the eye sees.
const int kInk = 128;
// How far beyond what a plate holds its rim is looked for.
const int kRimReach = 100;

// A stretch of the 800 x 600 screen's rows (y down), edges as fractions.
struct SSpan
{
    float top = 1e9f;
    float foot = -1e9f;

    void Add(float from, float to)
    {
        top = std::min(top, from);
        foot = std::max(foot, to);
    }
    void Add(const SSpan& other) { Add(other.top, other.foot); }
    float Middle() const { return (top + foot) / 2.0f; }
    float Height() const { return foot - top; }
};

::testing::AssertionResult HoldsInTheMiddle(const SSpan& plate, const SSpan& held)
{
    if (plate.top < held.top && held.foot < plate.foot && std::fabs(plate.Middle() - held.Middle()) <= kCentring)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the plate spans y " << plate.top << ".." << plate.foot
                                         << ", what it holds " << held.top << ".." << held.foot << ": margins "
                                         << held.top - plate.top << " above and " << plate.foot - held.foot
                                         << " below";
}

// A game ground from the pack; an empty picture when it cannot be read.
CPicture DecodeGround(CAssetPackReader& pack, const std::string& name)
{
    const std::vector<unsigned char> bytes = pack.Bytes(name);
    CPicture picture;
    if (!CJpegDecoder::Decode(bytes.data(), bytes.size(), picture))
        picture = CPicture();
    return picture;
}

// The rows a plate round `held` covers, found along columns x0..x1: on each
// side, the outer edge of its gold rim is where the brightness falls most
// steeply going outward into the sky. The faint line inside the rim and the
// plate's shadow fall far less.
SSpan FindPlate(const CPicture& picture, int x0, int x1, const SSpan& held)
{
    const int inside = static_cast<int>(held.Middle());
    SSpan plate;
    float steepest = 0.0f;
    for (int y = inside; y > std::max(0, static_cast<int>(held.top) - kRimReach); --y)
    {
        const float fall = MeanLine(picture, true, y, x0, x1) - MeanLine(picture, true, y - 1, x0, x1);
        if (fall > steepest)
        {
            steepest = fall;
            plate.top = static_cast<float>(y);
        }
    }
    steepest = 0.0f;
    for (int y = inside; y < std::min(picture.m_height - 1, static_cast<int>(held.foot) + kRimReach); ++y)
    {
        const float fall = MeanLine(picture, true, y, x0, x1) - MeanLine(picture, true, y + 1, x0, x1);
        if (fall > steepest)
        {
            steepest = fall;
            plate.foot = static_cast<float>(y + 1);
        }
    }
    return plate;
}

// The game's font with the picture it was cut from, to see where its ink is.
class CFontInk
{
public:
    explicit CFontInk(CAssetPackReader& pack)
    {
        const std::vector<unsigned char> bytes = pack.Bytes("mui/font.tga");
        m_loaded = m_font.Load(bytes.data(), bytes.size(), nullptr) &&
                   CTgaDecoder::Decode(bytes.data(), bytes.size(), m_sheet) && m_sheet.m_components == 4;
    }

    bool IsLoaded() const { return m_loaded; }
    const CBitmapFont& GetFont() const { return m_font; }

    // The rows the ink of text covers as CBitmapFont::DrawText draws it at
    // (y, size): each glyph's box from its texture row m_bottom at y up to
    // m_top at y - size.
    SSpan Ink(const std::string& text, float y, float size) const
    {
        SSpan ink;
        const float width = static_cast<float>(m_sheet.m_width);
        const float height = static_cast<float>(m_sheet.m_height);
        for (unsigned char c : text)
        {
            if (c < CBitmapFont::kFirstChar || c > CBitmapFont::kLastChar)
                continue;
            const SGlyph& glyph = m_font.GetGlyph(c - CBitmapFont::kFirstChar);
            const float band = glyph.m_top - glyph.m_bottom;
            const int left = static_cast<int>(std::lround(glyph.m_left * width));
            const int right = static_cast<int>(std::lround(glyph.m_right * width));
            const int bottom = static_cast<int>(std::lround(glyph.m_bottom * height));
            const int top = static_cast<int>(std::lround(glyph.m_top * height));
            for (int row = bottom; row < top; ++row)
                for (int column = left; column < right; ++column)
                    if (m_sheet.GetPixel(column, row)[3] >= kInk)
                    {
                        const float low = (static_cast<float>(row) / height - glyph.m_bottom) / band;
                        const float high = (static_cast<float>(row + 1) / height - glyph.m_bottom) / band;
                        ink.Add(y - size * high, y - size * low);
                        break;
                    }
        }
        return ink;
    }

private:
    CBitmapFont m_font;
    CPicture m_sheet;
    bool m_loaded = false;
};

// One text the game draws over its ground.
struct SText
{
    std::string text;
    float x;
    float y;
    float size;
};

// The texts' ink, and the plate found round it in the kind's game ground
// along the columns in the middle of the texts.
void ExpectPlateRoundTexts(CAssetPackReader& pack, const std::string& ground, const std::vector<SText>& texts)
{
    const CFontInk font(pack);
    ASSERT_TRUE(font.IsLoaded());
    ASSERT_FALSE(texts.empty());
    SSpan ink;
    float left = 1e9f, right = -1e9f;
    for (const SText& text : texts)
    {
        ink.Add(font.Ink(text.text, text.y, text.size));
        left = std::min(left, text.x);
        right = std::max(right, text.x + font.GetFont().GetTextWidth(text.text.c_str(), text.size));
    }
    // The capitals of a line at the size the kinds use are about 11 rows tall.
    ASSERT_GT(ink.Height(), texts.front().size / 2.0f);

    const CPicture picture = DecodeGround(pack, ground);
    ASSERT_EQ(800, picture.m_width);
    ASSERT_EQ(600, picture.m_height);
    const int middle = static_cast<int>((left + right) / 2.0f);
    const SSpan plate = FindPlate(picture, middle - 10, middle + 10, ink);
    EXPECT_TRUE(HoldsInTheMiddle(plate, ink));
}
}

// The eraser's level score, total and level stand in the middle of the plate
// across the top, on every board size.
TEST(AssetPlates, EraserScoreLineStandsInTheMiddleOfItsPlate)
{
    CAssetPackReader pack;
    ASSERT_TRUE(pack.IsOpen());
    CEraserParams params;
    params.LoadParams(pack.GetPack());
    for (int size = 0; size < params.GetSizeCount(); ++size)
    {
        SCOPED_TRACE("size " + std::to_string(size));
        params.SetLastSize(size);
        CEraserGame game(nullptr, params, nullptr, 5);
        // The level banner flies in over the board and fades; the score line
        // stays.
        for (int i = 0; i < 5000 && game.GetHudLines().size() > 3; ++i)
            game.Update(16.0f);
        std::vector<SText> texts;
        for (const CEraserGame::SHudLine& line : game.GetHudLines())
            texts.push_back({line.text, line.x, line.y, line.style.m_size});
        ASSERT_EQ(3u, texts.size());
        ExpectPlateRoundTexts(pack, "mui/eraser/game_bg.jpg", texts);
    }
}

TEST(AssetPlates, Eraser2ScoreStandsInTheMiddleOfItsPlate)
{
    CAssetPackReader pack;
    ASSERT_TRUE(pack.IsOpen());
    CEraser2Params params;
    params.LoadParams(pack.GetPack());
    for (int size = 0; size < params.GetSizeCount(); ++size)
    {
        SCOPED_TRACE("size " + std::to_string(size));
        params.SetLastSize(size);
        const CEraser2Game game(nullptr, params, nullptr, 5);
        const SText score{game.GetScoreText(), CEraser2Game::SCORE_X, CEraser2Game::SCORE_Y, SHudStyle().m_size};
        ExpectPlateRoundTexts(pack, "mui/eraser2/game_bg.jpg", {score});
    }
}

namespace
{
// The remover's parameters as the pack gives them, every brick of a skin
// wearing the skin's mesh from the pack, read as CModel reads it: scaled
// into the unit box round the origin.
class CPackRemoverParams : public CRemoverParams
{
public:
    explicit CPackRemoverParams(CAssetPackReader& pack)
    {
        LoadParams(pack.GetPack());
        for (int skin = 0; skin < GetSkinsCount(); ++skin)
        {
            const std::string description = "dat/brick" + std::to_string(skin) + "1.unt";
            const std::string faces = pack.Config(description).GetValue("faces_file_name", "");
            const std::vector<unsigned char> bytes = pack.Bytes(faces);
            auto mesh = std::make_unique<CMesh>();
            mesh->LoadObj(reinterpret_cast<const char*>(bytes.data()), static_cast<unsigned>(bytes.size()));
            mesh->NormalizeToUnitBox();
            m_models.push_back(std::make_unique<CModel>());
            m_models.back()->SetMesh(std::move(mesh));
            for (int color = 0; color < COLOR_MODELS; ++color)
                SetBrickModel(skin, color, m_models.back().get());
        }
    }

private:
    std::vector<std::unique_ptr<CModel>> m_models;
};

// The screen rectangle the player's column of bricks to place covers under
// the remover's camera with the board level: each brick's box as the frame
// cache projects it. Empty when the column is.
CDraw2D::SRect ColumnOnScreen(const CRemoverPlayer& player, const CRemoverParams& params)
{
    if (player.GetQueueCount() == 0)
        return CDraw2D::SRect{};
    CViewParams view;
    CRemoverGame::AimCamera(view, params);
    float left = 1e9f, right = -1e9f, top = 1e9f, foot = -1e9f;
    for (int i = 0; i < player.GetQueueCount(); ++i)
    {
        const CRemoverBrick& brick = *player.GetQueued(i);
        CVector4 low, high;
        CDraw2D::SRect rect{};
        if (!CFramePrint::ModelBox(brick, brick.GetScale(), brick.GetPosition(), false, low, high) ||
            !ProjectBoardBox(view, 0.0f, low, high, rect))
            return CDraw2D::SRect{};
        left = std::min(left, rect.x);
        right = std::max(right, rect.x + rect.width);
        top = std::min(top, rect.y);
        foot = std::max(foot, rect.y + rect.height);
    }
    return CDraw2D::SRect{left, top, right - left, foot - top};
}

SSpan Rows(const CDraw2D::SRect& rect)
{
    SSpan rows;
    rows.Add(rect.y, rect.y + rect.height);
    return rows;
}
}

// The bricks to place stand in a column in the slot at the left. Dealt, all
// of a turn's bricks grow in there at once, and each column stays inside the
// slot; then the first goes to the hand, and the column the player aims from
// stands in the middle of the slot, on every board, difficulty and skin.
TEST(AssetPlates, RemoverColumnStandsInTheMiddleOfItsSlot)
{
    CAssetPackReader pack;
    ASSERT_TRUE(pack.IsOpen());
    CPackRemoverParams params(pack);
    ASSERT_GT(params.GetSkinsCount(), 0);
    std::vector<CDraw2D::SRect> dealt, resting;
    for (int size = 0; size < params.GetSizeCount(); ++size)
        for (int difficulty = 0; difficulty < params.GetDifficultyCount(); ++difficulty)
            for (int skin = 0; skin < params.GetSkinsCount(); ++skin)
            {
                SCOPED_TRACE("size " + std::to_string(size) + ", difficulty " + std::to_string(difficulty) +
                             ", skin " + std::to_string(skin));
                params.SetLastSize(size);
                params.SetLastDifficulty(difficulty);
                params.SetCurrentSkin(skin);
                CRandom random(11);
                CRemoverField field(params, nullptr, nullptr, random);
                CRemoverPlayer player(params, field, nullptr, nullptr, random);
                player.NewTurn();
                for (int i = 0; i < 1000 && player.GetState() != CRemoverPlayer::STATE_AIMING; ++i)
                    player.Update(16.0f, CVector4(), false);
                dealt.push_back(ColumnOnScreen(player, params));
                player.Update(16.0f, CVector4(), false);
                ASSERT_NE(nullptr, player.GetHeld());
                resting.push_back(ColumnOnScreen(player, params));
                ASSERT_GT(dealt.back().height, resting.back().height);
                ASSERT_GT(resting.back().height, 0.0f);
            }

    // The slot is found round all the columns, along the middle of their x.
    SSpan all;
    float left = 1e9f, right = -1e9f;
    for (const CDraw2D::SRect& column : dealt)
    {
        all.Add(Rows(column));
        left = std::min(left, column.x);
        right = std::max(right, column.x + column.width);
    }
    const CPicture picture = DecodeGround(pack, "mui/remover/game_bg.jpg");
    ASSERT_EQ(800, picture.m_width);
    ASSERT_EQ(600, picture.m_height);
    const int middle = static_cast<int>((left + right) / 2.0f);
    const SSpan plate = FindPlate(picture, middle - 10, middle + 10, all);
    for (std::size_t i = 0; i < dealt.size(); ++i)
    {
        SCOPED_TRACE("column " + std::to_string(i));
        EXPECT_TRUE(HoldsInTheMiddle(plate, Rows(resting[i])));
        EXPECT_LT(plate.top, dealt[i].y);
        EXPECT_GT(plate.foot, dealt[i].y + dealt[i].height);
    }
}
