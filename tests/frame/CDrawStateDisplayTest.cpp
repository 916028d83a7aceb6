// What one screen or dialog switches on while it draws never reaches the
// next one drawn, in the same frame or the next: each starts from the
// resting state, on the program's real GL context.

#include <GL/gl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/frame/CScreen.h"
#include "engine/frame/CScreenStack.h"
#include "engine/gfx/CDrawState.h"
#include "tests/frame/CGLWindowTest.h"

namespace
{
// Every switch a game or a dialog may leave behind, each on its own.
struct SChange
{
    const char* name;
    std::function<void()> make;
};

const std::vector<SChange>& Changes()
{
    static const std::vector<SChange> changes = {
        {"depth test", [] { glEnable(GL_DEPTH_TEST); }},
        {"alpha test", [] { glEnable(GL_ALPHA_TEST); }},
        {"blending", [] { glEnable(GL_BLEND); }},
        {"texturing", [] { glEnable(GL_TEXTURE_2D); }},
        {"lighting", [] { glEnable(GL_LIGHTING); }},
        {"colour material", [] { glEnable(GL_COLOR_MATERIAL); }},
        {"culling", [] { glEnable(GL_CULL_FACE); }},
        {"scissor test", [] { glEnable(GL_SCISSOR_TEST); }},
        {"fog", [] { glEnable(GL_FOG); }},
        {"depth not written", [] { glDepthMask(GL_FALSE); }},
        {"colour masked", [] { glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_TRUE); }},
        {"texture environment", [] { glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE); }},
        {"blend function", [] { glBlendFunc(GL_ONE, GL_ONE); }},
        {"colour", [] { glColor4f(0.2f, 0.1f, 0.0f, 0.5f); }},
    };
    return changes;
}

// Notes what it found switched on when it began to draw, then switches on
// everything a drawer may.
class CMessyScreen : public CScreen
{
public:
    CMessyScreen(const std::string& name, std::vector<std::string>& log, bool covers = false, bool drawsOver = false)
        : m_name(name), m_log(log), m_covers(covers), m_draws_over(drawsOver)
    {
    }
    void Draw() override
    {
        const std::string found = CDrawState::DescribeChanges();
        m_log.push_back(m_name + (found.empty() ? "" : " found " + found));
        for (const SChange& change : Changes())
            change.make();
    }
    bool CoversWindow() const override { return m_covers; }
    bool DrawOver(CScreen& under) override
    {
        if (!m_draws_over)
            return false;
        // As a dialog drawing the screen under it does: it goes back to
        // rest before drawing itself.
        under.Draw();
        CDrawState::Rest();
        Draw();
        return true;
    }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
    bool m_covers;
    bool m_draws_over;
};

class CDrawStateDisplayTest : public CGLWindowTest
{
};

std::string Joined(const std::vector<std::string>& log)
{
    std::string all;
    for (const std::string& line : log)
        all += (all.empty() ? "" : " | ") + line;
    return all;
}
}

TEST_F(CDrawStateDisplayTest, RestUndoesEachSwitchAndNamesIt)
{
    for (const SChange& change : Changes())
    {
        CDrawState::Rest();
        EXPECT_EQ("", CDrawState::DescribeChanges());
        change.make();
        EXPECT_EQ(change.name, CDrawState::DescribeChanges());
        CDrawState::Rest();
        EXPECT_EQ("", CDrawState::DescribeChanges()) << "left after " << change.name;
    }
}

TEST_F(CDrawStateDisplayTest, NoScreenOrDialogFindsWhatTheOneDrawnBeforeSwitchedOn)
{
    // The screen, then the dialogs over it from the oldest; two frames each,
    // so that the screen also comes after the last dialog of a frame.
    const struct
    {
        const char* shape;
        bool covers;
        bool drawsOver;
        int dialogs;
        const char* log;
    } cases[] = {
        {"screen alone", false, false, 0, "S | S"},
        {"a dialog over it", false, false, 1, "S | D1 | S | D1"},
        {"two dialogs over it", false, false, 2, "S | D1 | D2 | S | D1 | D2"},
        {"a dialog drawing the screen under it itself", false, true, 1, "S | D1 | S | D1"},
        {"dialogs hiding the window", true, false, 2, "D2 | D2"},
    };
    for (const auto& c : cases)
    {
        std::vector<std::string> log;
        CMessyScreen screen("S", log);
        std::vector<std::unique_ptr<CMessyScreen>> dialogs;
        CScreenStack stack;
        stack.SetScreen(&screen);
        for (int i = 1; i <= c.dialogs; ++i)
        {
            dialogs.push_back(std::make_unique<CMessyScreen>("D" + std::to_string(i), log, c.covers, c.drawsOver));
            stack.OpenOverlay(dialogs.back().get());
        }
        // As a game drawn before would have left it.
        for (const SChange& change : Changes())
            change.make();
        stack.Render();
        stack.Render();
        EXPECT_EQ(c.log, Joined(log)) << c.shape;
    }
    CDrawState::Rest();
}
