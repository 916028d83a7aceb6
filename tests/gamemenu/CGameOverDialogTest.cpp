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
    // The name box away from the buttons, so that a click on it is not one on them.
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

    CFakeMenuHost m_host;
    CScoreTable m_table;
};
}

TEST_F(GameOverDialogTest, RankedScoreIsRecordedOnceUnderTheTypedNameHoweverTheDialogCloses)
{
    // What is typed after a click on the box, how the dialog is left, and
    // the name in the table. A name typed without a click and Enter are
    // played through in the end-to-end remover script.
    const struct
    {
        const char* typed;
        const char* close;
        const char* name;
    } cases[] = {
        {"Grace Hopper", "enter", "Grace Hopper"},
        {"", "button", "Anonymous"},
        {"   ", "escape", "Anonymous"},
        {"ABCDEFGHIJKLMNOPQRSTU", "twice", "ABCDEFGHIJKLMNO"},
    };
    for (const auto& c : cases)
    {
        CScoreTable table;
        m_host.m_log.clear();
        m_host.m_sounds.clear();
        CGameOverDialog dialog(300, &table, m_host);
        ASSERT_TRUE(dialog.IsRanked());
        Type(dialog, c.typed);
        dialog.SetResult(7);
        const std::string close = c.close;
        if (close == "button")
            dialog.OnCommand(dialog.GetCloseButton());
        else
            dialog.OnKeyDown(close == "escape" ? KEY_ESCAPE : KEY_ENTER);
        if (close == "twice")
        {
            dialog.OnKeyDown(KEY_ENTER);
            dialog.OnKeyDown(KEY_ESCAPE);
            dialog.OnCommand(dialog.GetCloseButton());
        }
        ASSERT_EQ(table.GetCount(), 1) << c.typed;
        EXPECT_EQ(table.GetName(0), c.name);
        EXPECT_EQ(table.GetScore(0), 300);
        EXPECT_EQ(dialog.GetResult(), 0) << c.typed;
        EXPECT_EQ(m_host.Count("CloseScreen"), 1) << c.typed;
        EXPECT_EQ(m_host.m_sounds, std::vector<int>{53});
    }
}

TEST_F(GameOverDialogTest, ScoreThatDoesNotRankOrHasNoTableAsksNoNameAndAddsNothing)
{
    // Which scores rank is the score table's rule.
    for (int i = 0; i < CScoreTable::MAX_ENTRIES; ++i)
        m_table.Add("Old", 1000);
    CGameOverDialog dialog(1000, &m_table, m_host);
    EXPECT_FALSE(dialog.IsRanked());
    EXPECT_FALSE(dialog.GetNameBox()->IsEnabled());
    Type(dialog, "Nobody");
    dialog.OnKeyDown(KEY_ENTER);
    ASSERT_EQ(m_table.GetCount(), 7);
    EXPECT_EQ(m_table.GetName(6), "Old");
    CGameOverDialog none(50, nullptr, m_host);
    EXPECT_FALSE(none.IsRanked());
    none.Finish();
    EXPECT_EQ(none.GetResult(), 0);
}
