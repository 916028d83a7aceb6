#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/frame/CScreenStack.h"
#include "tests/frame/CFakeScreen.h"

namespace
{
using Log = std::vector<std::string>;
}

TEST(CScreenStackTest, ScreensAndOverlaysAreActivatedClosedAndReportedInOrder)
{
    // Steps: sX set screen X, oX open overlay X, c / C close deferred /
    // immediately, uN / iN update N ms while active / inactive, r render,
    // kN key N, hN character N, m / d / l / R mouse move, left press, left
    // release, right release at (N, N), =N the newest overlay's result, n a
    // next-track handler that logs, xX remove screen X (logs whether it was
    // there), WX open overlay X that hides the whole window; "|" clears the log and "." checks that nothing was logged since.
    const struct
    {
        const char* steps;
        const char* log;
    } cases[] = {
        {"sA sB", "A.Activate A.Deactivate B.Activate"},   // the covered screen is told
        {"sA | oD1", "D1.Activate A.Activate"},
        {"sA oD1 | =1 c . u16", "A.DialogClosed(1,D1) A.Update(16)"},
        {"sA oD1 | =7 C . u2", "A.DialogClosed(7,D1) A.Update(2)"},
        {"sA oD1 oD2 | c c u10 u10", "D1.DialogClosed(0,D2) D1.Update(10) D1.Update(10)"},
        {"sA oD1 oD2 | C C i2", "A.DialogClosed(0,D2) A.DialogClosed(0,D1)"},
        {"sA oD1 | c i16", "A.DialogClosed(0,D1)"},
        {"sA sB | c u5", "A.ScreenClosed(B) A.Activate A.Update(5)"},
        {"sA sB | C", "A.ScreenClosed(B) A.Activate"},
        {"sA sB oD1 | C c u3", "A.ScreenClosed(B) A.Activate A.DialogClosed(0,D1) A.Update(3)"},
        {"sA | c u1 C u1", "A.Update(1) A.Update(1)"},   // the last screen never leaves
        {"sA sB | k13 u4", "B.Key(13) B.Update(4)"},
        {"sA sB oD1 oD2 | r", "B.Draw D1.Draw D2.Draw"},
        {"sA oD1 oD2 | k27 h120 m1 d3 l5 R7 u4", "D2.Key(27) D2.Char(120) D2.Move(1,1) D2.LDown(3,3) D2.LUp(5,5) "
                                                 "D2.RUp(7,7) D2.Update(4)"},
        {"| k27 C c u1 r", ""},
        {"sA n | k116 k115", "NextTrack A.Key(116) A.Key(115)"},   // F5 asks for the next track, then passes
        {"sA sB | xA xA c u1", "removed absent B.Update(1)"},         // removing tells nobody
        // Under an overlay that hides the window nothing is drawn; each
        // screen there is told instead.
        {"sA WD1 | r", "A.Hidden D1.Draw"},
        {"sA oD1 WD2 oD3 | r", "A.Hidden D1.Hidden D2.Draw D3.Draw"},
        {"sA WD1 oD2 WD3 | r", "A.Hidden D1.Hidden D2.Hidden D3.Draw"},
        {"sA WD1 oD2 | C | r", "A.Hidden D1.Draw"},   // the covering one still shows
        {"sA WD1 | C | r", "A.Draw"},
    };
    for (const auto& c : cases)
    {
        Log log;
        std::map<std::string, std::unique_ptr<CFakeScreen>> screens;
        CScreenStack stack;
        CScreen* newest = nullptr;
        std::istringstream steps(c.steps);
        std::string step;
        while (steps >> step)
        {
            const std::string arg = step.substr(1);
            auto screen = [&]() {
                auto& made = screens[arg];
                if (!made)
                    made = std::make_unique<CFakeScreen>(arg, log);
                return made.get();
            };
            switch (step[0])
            {
            case 's': stack.SetScreen(screen()); break;
            case 'o': stack.OpenOverlay(newest = screen()); break;
            case 'W':
                screen()->m_covers = true;
                stack.OpenOverlay(newest = screen());
                break;
            case 'c': stack.CloseScreen(false); break;
            case 'C': stack.CloseScreen(true); break;
            case 'u': stack.Update(std::stof(arg), true); break;
            case 'i': stack.Update(std::stof(arg), false); break;
            case 'r': stack.Render(); break;
            case 'k': stack.OnKeyDown(std::stoi(arg)); break;
            case 'h': stack.OnChar(std::stoi(arg), 1); break;
            case 'm': stack.OnMouseMove(std::stoi(arg), std::stoi(arg), 0); break;
            case 'd': stack.OnLButtonDown(std::stoi(arg), std::stoi(arg), 0); break;
            case 'l': stack.OnLButtonUp(std::stoi(arg), std::stoi(arg), 0); break;
            case 'R': stack.OnRButtonUp(std::stoi(arg), std::stoi(arg), 0); break;
            case '=': newest->SetResult(std::stoi(arg)); break;
            case 'n': stack.SetNextTrackHandler([&log]() { log.push_back("NextTrack"); }); break;
            case 'x': log.push_back(stack.RemoveScreen(screen()) ? "removed" : "absent"); break;
            case '|': log.clear(); break;
            case '.': EXPECT_TRUE(log.empty()) << c.steps; break;
            }
        }
        std::string joined;
        for (const std::string& entry : log)
            joined += (joined.empty() ? "" : " ") + entry;
        EXPECT_EQ(joined, c.log) << c.steps;
    }
}

namespace
{
// An owner that deletes its dialog when told, as every real owner does.
class COwner : public CScreen
{
public:
    void OnDialogClosed(int result, CScreen* dialog) override
    {
        m_result = result;
        delete dialog;
        ++m_closed;
    }
    int m_result = -1;
    int m_closed = 0;
};
}

TEST(CScreenStackOwnership, OwnerMayDeleteTheDialogItIsToldAbout)
{
    CScreenStack stack;
    COwner owner;
    stack.SetScreen(&owner);
    CScreen* dialog = new CScreen();
    stack.OpenOverlay(dialog);
    dialog->SetResult(1);
    stack.CloseScreen(false);
    stack.Update(1.0f, true);
    EXPECT_EQ(1, owner.m_closed);
    EXPECT_EQ(1, owner.m_result);
    stack.Update(1.0f, true);
    EXPECT_EQ(1, owner.m_closed);
}
