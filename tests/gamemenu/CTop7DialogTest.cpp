#include <gtest/gtest.h>

#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "shell/CTextDialog.h"
#include "shell/CTop7Dialog.h"
#include "tests/gamemenu/CFakeMenuHost.h"

namespace
{
class Top7DialogTest : public ::testing::Test
{
protected:
    Top7DialogTest() : m_dialog(m_group, m_host)
    {
        m_first.Add("Ann", 30);
        m_second.Add("Bob", 20);
        m_third.Add("Cy", 10);
        m_dialog.SetTables({{"First", &m_first}, {"Second", &m_second}, {"Third", &m_third}});
    }

    CConfigFile m_group;
    CFakeMenuHost m_host;
    CScoreTable m_first;
    CScoreTable m_second;
    CScoreTable m_third;
    CTop7Dialog m_dialog;
};
}

// The first table at first and paging forward are seen in the end-to-end
// remover script.
TEST_F(Top7DialogTest, PagingWrapsBothWays)
{
    m_dialog.OnCommand(m_dialog.GetDownButton());
    EXPECT_EQ(m_dialog.GetCaption(), "Third");
    EXPECT_EQ(m_dialog.GetShownTable(), &m_third);
    m_dialog.OnCommand(m_dialog.GetUpButton());
    m_dialog.OnCommand(m_dialog.GetUpButton());
    EXPECT_EQ(m_dialog.GetCaption(), "Second");
    EXPECT_EQ(m_dialog.GetShownTable(), &m_second);
}

TEST_F(Top7DialogTest, ClearAsksFirstCancelKeepsAndOkClearsOnlyTheShownTable)
{
    m_dialog.NextTable();
    m_dialog.OnCommand(m_dialog.GetClearButton());
    m_dialog.OnCommand(m_dialog.GetClearButton());
    CTextDialog* question = m_dialog.GetQuestion();
    ASSERT_NE(question, nullptr);
    // The second question replaced the first, which left the overlays with it.
    ASSERT_EQ(m_host.m_overlays.size(), 1u);
    EXPECT_EQ(m_host.GetTopOverlay(), question);
    m_dialog.OnDialogClosed(CTextDialog::RESULT_CANCEL, question);
    EXPECT_EQ(m_dialog.GetQuestion(), nullptr);
    EXPECT_EQ(m_second.GetCount(), 1);
    m_dialog.OnCommand(m_dialog.GetClearButton());
    m_dialog.OnDialogClosed(CTextDialog::RESULT_OK, m_dialog.GetQuestion());
    EXPECT_EQ(m_second.GetCount(), 0);
    EXPECT_EQ(m_first.GetCount(), 1);
    EXPECT_EQ(m_third.GetCount(), 1);
}

TEST(Top7DialogEmpty, EmptyListShowsNoTableAndPagesSafely)
{
    CConfigFile group;
    CFakeMenuHost host;
    CTop7Dialog dialog(group, host);
    dialog.SetTables({});
    EXPECT_EQ(dialog.GetShownTable(), nullptr);
    dialog.NextTable();
    dialog.PrevTable();
    dialog.OnCommand(dialog.GetClearButton());
    dialog.OnDialogClosed(CTextDialog::RESULT_OK, dialog.GetQuestion());
    EXPECT_EQ(dialog.GetShownTable(), nullptr);
}
