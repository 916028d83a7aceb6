#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "shell/CHelpDialog.h"
#include "shell/CModelDescBlock.h"
#include "shell/CTextDescBlock.h"
#include "tests/gamemenu/CFakeMenuHost.h"

namespace
{
CConfigFile Parse(const std::string& text)
{
    CConfigFile store;
    store.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text.data()), text.size(), true);
    return store;
}

// A block as its description line reads: kind, page, x, y, z, width, height.
std::string Describe(const CDescBlock& block)
{
    std::ostringstream out;
    out << block.GetKind() << ' ' << block.GetPage() << ' ' << block.GetX() << ' ' << block.GetY() << ' '
        << block.GetZ() << ' ' << block.GetW() << ' ' << block.GetH();
    return out.str();
}

const char* const THREE_PAGES =
    "pages_count 3\n"
    "blocks_count 5\n"
    "1_block_desc \"T 1 50 150 0 700 0\"\n"
    "1_block Title\n"
    "1_block_add \"30 1.0 0.5 0.25 1\"\n"
    "2_block_desc \"P 1 615 300 1 300 225\"\n"
    "2_block mui/thumbs/01.spr\n"
    "3_block_desc \"X 2 0 0 0 0 0\"\n"
    "3_block ignored\n"
    "4_block_desc \"T 3 50 200 0 400 2\"\n"
    "4_block \"one\rtwo\rthree\rfour\rfive\"\n"
    "4_block_add \"22 1 1 1 1\"\n"
    "5_block_desc \"T 9 0 0 0 0 0\"\n"
    "5_block beyond\n";

class HelpDialogTest : public ::testing::Test
{
protected:
    HelpDialogTest() : m_dialog(m_group, m_host) { m_dialog.LoadPages(Parse(THREE_PAGES)); }

    bool NextShown() const { return m_dialog.GetNextButton()->IsVisible(); }
    bool PrevShown() const { return m_dialog.GetPrevButton()->IsVisible(); }

    CConfigFile m_group;
    CFakeMenuHost m_host;
    CHelpDialog m_dialog;
};
}

TEST_F(HelpDialogTest, BlocksOfKnownKindsTakePlaceSizeColourAndLineCount)
{
    ASSERT_EQ(m_dialog.GetBlocks().size(), 4u);
    const char* const read[] = {"T 1 50 150 0 700 0", "P 1 615 300 1 300 225", "T 3 50 200 0 400 2", "T 9 0 0 0 0 0"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(Describe(*m_dialog.GetBlocks()[i]), read[i]);
    const auto* title = dynamic_cast<const CTextDescBlock*>(m_dialog.GetBlocks()[0].get());
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->GetLabel().GetTextSize(), 30.0f);
    EXPECT_EQ((std::vector<float>{title->GetR(), title->GetG(), title->GetB(), title->GetA()}),
              (std::vector<float>{1.0f, 0.5f, 0.25f, 1.0f}));
    // A picture without a pack is a block without a sprite.
    const auto* picture = dynamic_cast<const CModelDescBlock*>(m_dialog.GetBlocks()[1].get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetSprite(), nullptr);
    // A text block shows only its line count.
    const auto* text = dynamic_cast<const CTextDescBlock*>(m_dialog.GetBlocks()[2].get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetLabel().GetLines().size(), 5u);
    EXPECT_EQ(text->GetLabel().GetDrawnLineCount(), 2u);
}

// Every page once with Next is in the end-to-end remover script.
TEST_F(HelpDialogTest, PagingShowsEachPagesBlocksAndTheButtonsAndStaysInRange)
{
    EXPECT_EQ(m_dialog.GetShownBlocks().size(), 2u);
    EXPECT_FALSE(PrevShown());
    EXPECT_TRUE(NextShown());
    m_dialog.OnCommand(m_dialog.GetPrevButton());
    EXPECT_EQ(m_dialog.GetCurrentPage(), 1);
    m_dialog.OnCommand(m_dialog.GetNextButton());
    EXPECT_TRUE(m_dialog.GetShownBlocks().empty());
    m_dialog.OnCommand(m_dialog.GetNextButton());
    EXPECT_EQ(m_dialog.GetShownBlocks().size(), 1u);
    EXPECT_FALSE(NextShown());
    EXPECT_TRUE(PrevShown());
    m_dialog.NextPage();
    EXPECT_EQ(m_dialog.GetCurrentPage(), 3);
}

TEST_F(HelpDialogTest, OneZeroOrMissingPageCountShowsOnePageWithoutButtons)
{
    for (const char* text : {"blocks_count 1\n1_block_desc \"T 1 0 0 0 0 0\"\n", "pages_count 0\n",
                             "pages_count -4\n", "", "pages_count 1\nblocks_count 2000000000\n"})
    {
        m_dialog.LoadPages(Parse(text));
        EXPECT_FALSE(NextShown()) << text;
        EXPECT_FALSE(PrevShown()) << text;
        EXPECT_TRUE(m_dialog.GetShownBlocks().empty()) << text;
        m_dialog.NextPage();
        m_dialog.PrevPage();
        EXPECT_EQ(m_dialog.GetCurrentPage(), 1) << text;
    }
    EXPECT_TRUE(m_dialog.GetBlocks().empty());
}

TEST_F(HelpDialogTest, DamagedDescriptionsReadAsZeroAndAnyLineCountIsSafe)
{
    m_dialog.LoadPages(Parse("pages_count 1\nblocks_count 4\n1_block_desc \"T x y\"\n2_block_desc T\n"
                             "3_block_desc \"T 1 0 0 0 400 1e30\"\n3_block \"a\rb\rc\"\n"
                             "4_block_desc \"T 1 0 0 0 400 nan\"\n4_block \"a\rb\rc\"\n"));
    ASSERT_EQ(m_dialog.GetBlocks().size(), 4u);
    EXPECT_EQ(Describe(*m_dialog.GetBlocks()[0]), "T 0 0 0 0 0 0");
    EXPECT_EQ(Describe(*m_dialog.GetBlocks()[1]), "T 0 0 0 0 0 0");
    EXPECT_EQ(m_dialog.GetBlocks()[1]->GetText(), "0");
    for (int i : {2, 3})
    {
        const auto* text = dynamic_cast<const CTextDescBlock*>(m_dialog.GetBlocks()[i].get());
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->GetLabel().GetDrawnLineCount(), 3u);
    }
}
