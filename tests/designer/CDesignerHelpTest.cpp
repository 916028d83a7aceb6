#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "engine/files/CConfigFile.h"
#include "tests/files/CTempDir.h"

namespace
{
CConfigFile ReadHelp()
{
    std::string bytes = CTempDir::ReadText(MW_SOURCE_DIR "/assets/mui/designer/help.txt");
    CConfigFile help;
    help.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), true);
    return help;
}
}

TEST(DesignerHelp, ParagraphsOfEveryTextBlockStandOnLinesOfTheirOwn)
{
    // A sentence's end followed at once by the next word is a paragraph
    // break that lost its carriage returns: the label runs them together.
    CConfigFile help = ReadHelp();
    int blocks = StrToInt(help.GetValue("blocks_count", "0"));
    ASSERT_GT(blocks, 0);
    int texts = 0;
    for (int i = 1; i <= blocks; ++i)
    {
        std::string desc = help.GetValue(std::to_string(i) + "_block_desc", "0");
        if (desc.empty() || desc[0] != 'T')
            continue;
        ++texts;
        std::string text = help.GetValue(std::to_string(i) + "_block", "0");
        for (std::size_t k = 0; k + 1 < text.size(); ++k)
        {
            bool sentenceEnd = text[k] == '.' || text[k] == '!' || text[k] == '?' || text[k] == ';';
            bool wordFollows = std::isalpha(static_cast<unsigned char>(text[k + 1])) != 0;
            EXPECT_FALSE(sentenceEnd && wordFollows)
                << "block " << i << " runs on at \"" << text.substr(k > 10 ? k - 10 : 0, 20) << "\"";
        }
    }
    EXPECT_EQ(6, texts);
}
