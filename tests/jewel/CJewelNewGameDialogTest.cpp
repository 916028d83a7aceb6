#include <gtest/gtest.h>

#include <string>

#include "engine/files/CConfigFile.h"
#include "games/jewel/CJewelNewGameDialog.h"
#include "tests/files/CTempDir.h"
#include "tests/jewel/JewelTestKit.h"

namespace
{
CConfigFile ReadJewelLayout()
{
    std::string bytes = CTempDir::ReadText(MW_SOURCE_DIR "/assets/mui/jewel/menu_jewel.txt");
    CConfigFile layout;
    layout.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), true);
    return layout;
}
}

TEST(JewelNewGameDialog, QuestionStandsMidwayBetweenThePanelTopAndTheButtonsOfTheRealLayout)
{
    auto params = MakeJewelParams();
    CConfigFile layout = ReadJewelLayout();
    CJewelNewGameDialog dialog(&layout, params.get());
    const float buttonsTop = StrToFloat(layout.GetValue("m_nd_ok_btn.y", "0"));
    ASSERT_GT(buttonsTop, 0.0f);
    const float above = dialog.GetTitleY() - dialog.GetTitleSize();
    const float below = buttonsTop - dialog.GetTitleY();
    EXPECT_NEAR(above, below, 1.0f) << "title foot at " << dialog.GetTitleY();
    EXPECT_GT(above, 0.0f);
    // The buttons (52 high) keep no more room under them than the question
    // has over it: the panel holds no empty half.
    const float panelHeight = StrToFloat(layout.GetValue("m_nd_height", "0"));
    EXPECT_LE(panelHeight - (buttonsTop + 52.0f), above);
}
