#include <gtest/gtest.h>

#include <memory>

#include "engine/frame/CAppWindow.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"
#include "shell/CTextDialog.h"
#include "tests/menus/MenuTestFiles.h"

namespace
{
class COwner : public CScreen
{
public:
    void OnDialogClosed(int result, CScreen*) override { m_results.push_back(result); }
    std::vector<int> m_results;
};

const char* const kLayout =
    "m_td_x 200\nm_td_y 150\nm_td_width 400\nm_td_height 300\n"
    "m_td_ok_btn.x 40\nm_td_ok_btn.y 220\nm_td_ok_btn.z 0\n"
    "m_td_cancel_btn.x 240\nm_td_cancel_btn.y 220\nm_td_cancel_btn.z 0\n";

class CTextDialogTest : public ::testing::Test
{
protected:
    CTextDialogTest() : m_resources(&m_pack), m_window("Test", nullptr)
    {
        m_files.Write("mui/td.txt", kLayout);
        m_layout = m_resources.AddConfig("mui/td.txt", "td");
        m_files.WriteTga("pics/ok.tga", 120, 150);
        m_resources.AddTexture("pics/ok.tga", "m_ok_btn", false, true);
        m_resources.AddTexture("pics/ok.tga", "m_cancel_btn", false, true);
        m_resources.AddTexture("pics/back.tga", "m_dialog_window_back", false, false);
        m_window.SetScreen(&m_owner);
    }

    ~CTextDialogTest() override { m_window.GetStack().DropOverlays(); }

    CMenuTestFiles m_files;
    CFilePack m_pack;
    CResManager m_resources;
    CConfigFile* m_layout = nullptr;
    CAppWindow m_window;
    COwner m_owner;
};
}

TEST_F(CTextDialogTest, OkOrEnterGivesZeroCancelOrEscapeOneAndAClickBesideNothing)
{
    // Input in window pixels (the layout puts the dialog at (200, 150) and
    // its buttons of 120 x 50 at (40, 220) and (240, 220) in it) or a key;
    // the result its owner is told at the next update, -1 for none.
    const struct
    {
        int x, y, key;
        int result;
    } cases[] = {
        {250, 380, 0, CTextDialog::RESULT_OK},
        {450, 380, 0, CTextDialog::RESULT_CANCEL},
        {0, 0, 13, CTextDialog::RESULT_OK},
        {0, 0, 27, CTextDialog::RESULT_CANCEL},
        {210, 160, 0, -1},
    };
    for (const auto& c : cases)
    {
        m_owner.m_results.clear();
        CTextDialog dialog(*m_layout, &m_resources);
        m_window.OpenOverlay(&dialog);
        dialog.SetResult(-1);
        if (c.key != 0)
            dialog.OnKeyDown(c.key);
        else
        {
            dialog.OnLButtonDown(c.x, c.y, 1);
            dialog.OnLButtonUp(c.x, c.y, 0);
        }
        EXPECT_EQ(m_window.GetStack().IsCloseRequested(), c.result != -1) << c.x << " " << c.key;
        m_window.GetStack().Update(16.0f, true);
        EXPECT_EQ(m_owner.m_results, c.result == -1 ? std::vector<int>{} : std::vector<int>{c.result})
            << c.x << " " << c.key;
        m_window.GetStack().DropOverlays();
    }
}

TEST(CTextDialogAlone, BuildsWithoutAnyRunningGameMenu)
{
    // No application, no game menu manager and no font: the buttons simply
    // have no picture, and nothing dereferences a missing object.
    CConfigFile layout;
    CTextDialog dialog(layout);
    EXPECT_FLOAT_EQ(0.0f, dialog.GetOkButton()->GetWidth());
    dialog.SetText("x", 20.0f, 20.0f, 20.0f, 1.0f, 1.0f, 1.0f);
    dialog.Draw();
}
