// The font picture yields exactly the 94 glyphs, and the captions that the
// dialogs draw at fixed places fit the layouts drawn around them.
#include "tests/assets/CAssetPackReader.h"

#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CPicture.h"
#include "engine/gfx/CTgaDecoder.h"
#include "engine/widgets/CEditBox.h"
#include "shell/CGameMenu.h"
#include "shell/CGameOverDialog.h"
#include "shell/CTextDialog.h"
#include "shell/game/CScoreTable.h"

#include <gtest/gtest.h>

namespace
{
class AssetFontTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::vector<unsigned char> bytes = m_pack.Bytes("mui/font.tga");
        m_loaded = m_font.Load(bytes.data(), bytes.size(), nullptr);
    }

    CAssetPackReader m_pack;
    CBitmapFont m_font;
    bool m_loaded = false;
};
}

TEST_F(AssetFontTest, FontPictureYieldsExactly94Glyphs)
{
    EXPECT_TRUE(m_loaded);
    EXPECT_EQ(m_font.GetFoundCount(), CBitmapFont::kGlyphCount);
}

TEST_F(AssetFontTest, CaptionsDrawnAtFixedPlacesStayInsideTheirPanels)
{
    for (const SGameKind& kind : GetGameKinds())
    {
        SCOPED_TRACE(kind.m_name);
        const CConfigFile group = m_pack.Group(kind);
        const float options = static_cast<float>(StrToInt(group.GetValue("m_od_width", "0")));
        const float width = static_cast<float>(StrToInt(group.GetValue("m_nd_width", "0")));
        EXPECT_LT(200 + m_font.GetTextWidth("Press F5 in game to change current sound track", 15), options);
        EXPECT_LT(320 + m_font.GetTextWidth("Options", 50), options);
        if (kind.m_name == "jewel")
        {
            // The jewels' new-game dialog only asks; it has no choices. Its
            // title stands centred, clear of the frame.
            EXPECT_LT(80 + m_font.GetTextWidth("Start new game ?", 36), width);
            continue;
        }
        // The size captions clear the difficulty column, which clears the edge.
        const float sizeX = StrToFloat(group.GetValue("m_medium_field_radio.x", "0"));
        const float hardX = StrToFloat(group.GetValue("m_easy_radio.x", "0"));
        const float widest = std::max(m_font.GetTextWidth("Medium Field", 35), m_font.GetTextWidth("Small Field", 35));
        EXPECT_LT(sizeX + 55 + widest, hardX);
        EXPECT_LT(hardX + 55 + m_font.GetTextWidth("Medium", 35), width);
        EXPECT_LT(80 + m_font.GetTextWidth("Start new game", 50), width);
    }
    EXPECT_LT(170 + m_font.GetTextWidth("Music volume", 30), 440.0f);
    EXPECT_LT(550 + m_font.GetTextWidth("Score: 1234567", 24), 800.0f);
}

// Every kind's Top 7 is the one shared table. The widest name the entry
// takes (each letter the widest the box lets in, as many as it holds), and
// the wide names players type, end with their shadow before the score
// column; a name of ordinary width keeps the table's size.
TEST_F(AssetFontTest, WidestNameTheEntryTakesEndsBeforeTheScoreColumn)
{
    ASSERT_TRUE(m_loaded);
    std::string widest = "A";
    for (int c = 32; c <= 126; ++c)
    {
        CEditBox box(nullptr, &m_font, 20.0f, nullptr);
        box.SetFocused(true);
        box.OnChar(static_cast<unsigned short>(c), 0);
        const std::string taken = box.GetText();
        if (taken.size() == 1 && m_font.GetTextWidth(taken.c_str(), 30) > m_font.GetTextWidth(widest.c_str(), 30))
            widest = taken;
    }
    const int length = CGameOverDialog::MAX_NAME_LENGTH;
    const std::string names[] = {std::string(length, widest[0]), std::string(length, 'W'), std::string(length, 'm'),
                                 std::string(length, '@'), "WWWWW mmmmm MMM"};
    for (const std::string& name : names)
    {
        SCOPED_TRACE(name);
        const float size = CScoreTable::GetNameSize(m_font, name);
        const float end = CScoreTable::NAME_X + CScoreTable::SHADOW_OFFSET + m_font.GetTextWidth(name.c_str(), size);
        EXPECT_LE(end, CScoreTable::SCORE_X - CScoreTable::COLUMN_GAP + 0.01f);
        // Smaller, still readable beside the scores.
        EXPECT_GE(size, CScoreTable::TEXT_SIZE * 0.6f);
    }
    EXPECT_EQ(CScoreTable::GetNameSize(m_font, "Tester Q"), CScoreTable::TEXT_SIZE);
}

// Whatever name the game-over box takes, it is drawn whole inside the box,
// the caret after it included; a short one at the box's own size.
TEST_F(AssetFontTest, EveryNameTheNameBoxTakesShowsInsideIt)
{
    std::string widest = "A";
    // Neither a double quote nor two slashes can be typed.
    for (int c = 33; c <= 126; ++c)
        if (c != '"' && c != '/' && m_font.GetTextWidth(std::string(1, static_cast<char>(c)).c_str(), 30) >
            m_font.GetTextWidth(widest.c_str(), 30))
            widest = std::string(1, static_cast<char>(c));
    const int length = CGameOverDialog::MAX_NAME_LENGTH;
    const struct
    {
        std::string name;
        bool full;
    } cases[] = {
        {std::string(length, widest[0]), false}, {std::string(length, 'W'), false},
        {std::string(length, 'm'), false},       {"WWWWW mmmmm MMM", false},
        {"Al", true},                            {"", true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CEditBox box(nullptr, &m_font, CGameOverDialog::NAME_SIZE, nullptr);
        box.SetTextInset(CGameOverDialog::NAME_INSET);
        box.SetMaxLength(length);
        box.SetFocused(true);
        for (char ch : c.name)
            box.OnChar(static_cast<unsigned char>(ch), 0);
        ASSERT_EQ(box.GetText(), c.name);
        const float size = box.GetTextSize();
        const float caretEnd = CGameOverDialog::NAME_INSET + m_font.GetTextWidth(c.name.c_str(), size) + 3.0f;
        EXPECT_LE(caretEnd, box.GetWidth() - CGameOverDialog::NAME_INSET + 0.01f);
        if (c.full)
            EXPECT_EQ(size, CGameOverDialog::NAME_SIZE);
        else
            EXPECT_LT(size, CGameOverDialog::NAME_SIZE);
    }
}

// Both notes that stand where Continue would be keep to that button: its
// width, which lies inside the menu's panel, and its height, which lies
// between New Game and Top 7. Each says all of its text.
TEST_F(AssetFontTest, UnreadableSaveNotesFitTheContinueButtonOfEveryKind)
{
    for (const SGameKind& kind : GetGameKinds())
        for (const char* text : {CGameMenu::kUnreadableSaveText, CGameMenu::kSaveLeftInPlaceText})
        {
            SCOPED_TRACE(kind.m_name + ": " + text);
            const CConfigFile group = m_pack.Group(kind);
            const std::vector<unsigned char> bytes = m_pack.Bytes(group.GetValue("m_continue_game_btn", "0"));
            CPicture button;
            ASSERT_TRUE(CTgaDecoder::Decode(bytes.data(), bytes.size(), button));
            const float width = static_cast<float>(button.m_width);
            // A button is three states high; the lines fit in one.
            const float height = button.m_height / 3.0f;
            const CGameMenu::SNoteLayout note = CGameMenu::LayOutUnreadableSaveText(m_font, text, width, height);
            ASSERT_GE(note.lines.size(), 1u);
            EXPECT_LE(note.lines.size() * (note.size + CGameMenu::kUnreadableSaveLineGap), height);
            // Still easy to read.
            EXPECT_GE(note.size, 16.0f);
            std::string said;
            for (const std::string& line : note.lines)
            {
                EXPECT_LE(m_font.GetTextWidth(line.c_str(), note.size), width) << line;
                said += (said.empty() ? "" : " ") + line;
            }
            EXPECT_EQ(said, text);
        }
    // The short note keeps its full size.
    CGameMenu::SNoteLayout note =
        CGameMenu::LayOutUnreadableSaveText(m_font, CGameMenu::kUnreadableSaveText, 250.0f, 60.0f);
    EXPECT_EQ(note.size, CGameMenu::kUnreadableSaveTextSize);
    // Where nothing fits, the least size is kept rather than none.
    note = CGameMenu::LayOutUnreadableSaveText(m_font, CGameMenu::kSaveLeftInPlaceText, 250.0f, 5.0f);
    EXPECT_EQ(note.size, CGameMenu::kUnreadableSaveMinTextSize);
}

// A list of files that could not be written stands within its box however
// long it grows: first smaller, then cut. Each case: the lines, the box,
// and the size, the count of lines and the last line wanted.
TEST_F(AssetFontTest, ListsOfFailedWritesFitTheirBox)
{
    const std::string path = "/home/player/games/marblewend/data/remover.cfg: Permission denied";
    const std::string longPath = "/home/player/a/rather/deep/folder/of/games/kept/for/years/marblewend/data/"
                                 "jewel_medium_easy.tab: No space left on device";
    auto many = [&path](int n) {
        std::vector<std::string> lines = {"Could not be written:"};
        for (int i = 0; i < n; ++i)
            lines.push_back(path);
        return lines;
    };
    struct SCase
    {
        const char* name;
        std::vector<std::string> lines;
        float width, height;
        float size;
        std::size_t count;
        std::string last;
    };
    const std::vector<SCase> cases = {
        {"short lines: as large as asked", {"Could not be written:", "data/dx.cfg: Permission denied"}, 680, 340, 22, 2,
         "data/dx.cfg: Permission denied"},
        {"two files: smaller", many(2), 680, 340, 16, 3, path},
        {"twenty files: smaller", many(20), 680, 340, 16, 21, path},
        {"forty files: the rest counted", many(40), 680, 340, 14, 24, "... and 18 more"},
        {"a long path: cut in its middle", {"Could not be written:", longPath}, 680, 340, 14, 2, ""},
        {"no room at all: one line", many(3), 680, 5, 14, 1, "... and 4 more"},
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CTextDialog::SFittedLines fitted = CTextDialog::FitLines(m_font, c.lines, c.width, c.height, 22, 14);
        EXPECT_EQ(fitted.size, c.size);
        ASSERT_EQ(fitted.lines.size(), c.count);
        if (!c.last.empty())
        {
            EXPECT_EQ(fitted.lines.back(), c.last);
        }
        if (c.height >= fitted.size)
        {
            EXPECT_LE(fitted.lines.size() * fitted.size, c.height);
        }
        for (const std::string& line : fitted.lines)
            EXPECT_LE(m_font.GetTextWidth(line.c_str(), fitted.size), c.width) << line;
    }
    // A cut keeps both ends of the path: where it starts and what it names.
    const CTextDialog::SFittedLines cut =
        CTextDialog::FitLines(m_font, {longPath}, 680, 340, 22, 14);
    ASSERT_EQ(cut.lines.size(), 1u);
    EXPECT_EQ(cut.lines[0].rfind("/home/", 0), 0u) << cut.lines[0];
    EXPECT_NE(cut.lines[0].find("..."), std::string::npos) << cut.lines[0];
    EXPECT_NE(cut.lines[0].find("jewel_medium_easy.tab: No space left on device"), std::string::npos) << cut.lines[0];
}

TEST_F(AssetFontTest, BottomRowAndLastColumnAreTransparent)
{
    // The reader stops at the bottom row and takes the last column for "no
    // glyph here"; ink in either would lose or invent a glyph.
    const std::vector<unsigned char> bytes = m_pack.Bytes("mui/font.tga");
    CPicture picture;
    ASSERT_TRUE(CTgaDecoder::Decode(bytes.data(), bytes.size(), picture));
    ASSERT_EQ(picture.m_components, 4);
    for (int x = 0; x < picture.m_width; ++x)
        EXPECT_EQ(picture.GetPixel(x, 0)[3], 0) << x;
    for (int y = 0; y < picture.m_height; ++y)
        EXPECT_EQ(picture.GetPixel(picture.m_width - 1, y)[3], 0) << y;
}
