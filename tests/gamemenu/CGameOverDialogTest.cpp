#include <gtest/gtest.h>

#include <string>

#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/widgets/CEditBox.h"
#include "shell/CGameOverDialog.h"
#include "shell/game/CScoreTable.h"
#include "tests/gamemenu/CFakeMenuHost.h"

namespace
{
const int KEY_ESCAPE = 27;
const int KEY_ENTER = 13;

class GameOverDialogTest : public ::testing::Test
{
protected:
    GameOverDialogTest()
    {
        CConfigFile* layout = m_host.GetMainResManager()->AddConfig(nullptr, "main_menu");
        layout->SetValue("m_end_editx", "200");
        layout->SetValue("m_end_edity", "325");
    }

    // Clicks the name box and types the text.
    static void Type(CGameOverDialog& dialog, const std::string& text)
    {
        const CVector4& p = dialog.GetNameBox()->GetPosition();
        dialog.OnLButtonDown(static_cast<int>(p.x), static_cast<int>(p.y), 0);
        dialog.OnLButtonUp(static_cast<int>(p.x), static_cast<int>(p.y), 0);
        for (char c : text)
            dialog.OnChar(static_cast<unsigned char>(c), 1);
    }

    void FillTable(int score)
    {
        for (int i = 0; i < CScoreTable::MAX_ENTRIES; ++i)
            m_table.Add("Old", score);
    }

    CFakeMenuHost m_host;
    CScoreTable m_table;
};
}

TEST_F(GameOverDialogTest, RankedScoreIsRecordedUnderTheTypedName)
{
    CGameOverDialog dialog(300, &m_table, m_host);
    ASSERT_TRUE(dialog.IsRanked());
    EXPECT_TRUE(dialog.GetNameBox()->IsEnabled());
    EXPECT_EQ(dialog.GetNameBox()->GetPosition().x, 200.0f);
    Type(dialog, "Grace Hopper");
    dialog.OnKeyDown(KEY_ENTER);
    ASSERT_EQ(m_table.GetCount(), 1);
    EXPECT_EQ(m_table.GetName(0), "Grace Hopper");
    EXPECT_EQ(m_table.GetScore(0), 300);
    EXPECT_EQ(dialog.GetResult(), 0);
    EXPECT_EQ(m_host.Count("CloseScreen"), 1);
}

TEST_F(GameOverDialogTest, NameTypedWithoutClickingTheBoxIsRecorded)
{
    CGameOverDialog dialog(300, &m_table, m_host);
    EXPECT_TRUE(dialog.GetNameBox()->IsFocused());
    for (char c : std::string("Ada"))
        dialog.OnChar(static_cast<unsigned char>(c), 1);
    dialog.OnKeyDown(KEY_ENTER);
    ASSERT_EQ(m_table.GetCount(), 1);
    EXPECT_EQ(m_table.GetName(0), "Ada");
}

TEST_F(GameOverDialogTest, EmptyOrBlankNameIsRecordedAsAnonymous)
{
    for (const char* typed : {"", "   "})
    {
        CScoreTable table;
        CGameOverDialog dialog(10, &table, m_host);
        Type(dialog, typed);
        dialog.OnCommand(dialog.GetCloseButton());
        ASSERT_EQ(table.GetCount(), 1);
        EXPECT_EQ(table.GetName(0), "Anonymous") << "'" << typed << "'";
    }
}

TEST_F(GameOverDialogTest, EscRecordsTooAndClosesWithResultZero)
{
    CGameOverDialog dialog(10, &m_table, m_host);
    dialog.SetResult(7);
    dialog.OnKeyDown(KEY_ESCAPE);
    EXPECT_EQ(m_table.GetCount(), 1);
    EXPECT_EQ(dialog.GetResult(), 0);
}

TEST_F(GameOverDialogTest, UnrankedScoreAsksNoNameAndAddsNothing)
{
    FillTable(1000);
    CGameOverDialog dialog(1000, &m_table, m_host);
    EXPECT_FALSE(dialog.IsRanked());
    EXPECT_FALSE(dialog.GetNameBox()->IsEnabled());
    Type(dialog, "Nobody");
    dialog.OnKeyDown(KEY_ENTER);
    EXPECT_EQ(m_table.GetCount(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(m_table.GetName(i), "Old");
}

TEST_F(GameOverDialogTest, ZeroScoreNeverRanks)
{
    CGameOverDialog dialog(0, &m_table, m_host);
    EXPECT_FALSE(dialog.IsRanked());
    dialog.Finish();
    EXPECT_EQ(m_table.GetCount(), 0);
}

TEST_F(GameOverDialogTest, SecondFinishBeforeTheCloseAddsNothing)
{
    CGameOverDialog dialog(50, &m_table, m_host);
    dialog.OnKeyDown(KEY_ENTER);
    dialog.OnKeyDown(KEY_ENTER);
    dialog.OnKeyDown(KEY_ESCAPE);
    dialog.OnCommand(dialog.GetCloseButton());
    EXPECT_EQ(m_table.GetCount(), 1);
    EXPECT_EQ(m_host.Count("CloseScreen"), 1);
}

TEST_F(GameOverDialogTest, NameStopsAtFifteenCharacters)
{
    CGameOverDialog dialog(50, &m_table, m_host);
    Type(dialog, "ABCDEFGHIJKLMNOPQRSTU");
    dialog.Finish();
    EXPECT_EQ(m_table.GetName(0), "ABCDEFGHIJKLMNO");
}

TEST_F(GameOverDialogTest, GameOverSoundPlaysOnce)
{
    CGameOverDialog dialog(50, &m_table, m_host);
    EXPECT_EQ(m_host.m_sounds, std::vector<int>{53});
}

TEST_F(GameOverDialogTest, WithoutTableNothingRanks)
{
    CGameOverDialog dialog(50, nullptr, m_host);
    EXPECT_FALSE(dialog.IsRanked());
    dialog.Finish();
    EXPECT_EQ(dialog.GetResult(), 0);
}
