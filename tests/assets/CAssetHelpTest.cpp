// Every help page of every kind, laid out with the real font as the help
// dialog lays it out, keeps its text on the panel and clear of the buttons.
#include "tests/assets/CAssetPackReader.h"

#include "engine/gfx/CBitmapFont.h"
#include "shell/CTextDescBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
const char* const kHelpButtons[] = {"m_hd_down_btn", "m_hd_close_btn", "m_hd_up_btn"};

class AssetHelpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::vector<unsigned char> bytes = m_pack.Bytes("mui/font.tga");
        ASSERT_TRUE(m_font.Load(bytes.data(), bytes.size(), nullptr));
    }

    CAssetPackReader m_pack;
    CBitmapFont m_font;
};
}

TEST_F(AssetHelpTest, EveryPageEndsItsTextHalfALineAboveTheButtons)
{
    int texts = 0;
    for (const SGameKind& kind : GetGameKinds())
    {
        SCOPED_TRACE(kind.m_name);
        const CConfigFile group = m_pack.Group(kind);
        float buttonsTop = StrToFloat(group.GetValue("m_hd_height", "0"));
        for (const char* button : kHelpButtons)
            buttonsTop = std::min(buttonsTop, StrToFloat(group.GetValue(std::string(button) + ".y", "0")));
        ASSERT_GT(buttonsTop, 0.0f);

        const CConfigFile help = m_pack.Config(group.GetValue("m_help_text", "0"));
        const int blocks = StrToInt(help.GetValue("blocks_count", "0"));
        for (int i = 1; i <= blocks; ++i)
        {
            if (CDescBlock::ReadKind(i, help) != CDescBlock::KIND_TEXT)
                continue;
            ++texts;
            const CTextDescBlock block(i, help, &m_font);
            const float foot = block.GetLabel().GetLastLineFoot(block.GetY());
            EXPECT_LE(foot + block.GetTextSize() / 2.0f, buttonsTop)
                << "page " << block.GetPage() << ", block " << i << ": "
                << block.GetLabel().GetDrawnLineCount() << " lines end at " << foot;
            // No line is cut off: the block shows all it holds.
            EXPECT_EQ(block.GetLabel().GetDrawnLineCount(), block.GetLabel().GetLines().size()) << "block " << i;
        }
    }
    EXPECT_GE(texts, 8 * 4);
}
