#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/frame/CScreen.h"
#include "engine/widgets/CWidgetContext.h"

class CTexture;
class CWidget;

// An owner screen that records the commands its widgets send.
class CFakeOwner : public CScreen
{
public:
    void OnCommand(CWidget* sender) override
    {
        CScreen::OnCommand(sender);
        m_commands.push_back(sender);
        if (m_handler)
            m_handler(sender);
    }

    std::vector<CWidget*> m_commands;
    // Runs after recording, as a dialog's command handler would.
    std::function<void(CWidget*)> m_handler;
};

// Records the sounds played; the clipboard and held keys are set by the test.
class CFakeContext : public CWidgetContext
{
public:
    CFakeContext() { CWidgetContext::Install(this); }

    void PlaySound(int id) override { m_sounds.push_back(id); }
    bool GetClipboardText(std::string& text) override
    {
        text = m_clipboard;
        return m_hasClipboard;
    }
    bool IsKeyDown(int virtualKey) override { return m_heldKeys.count(virtualKey) != 0; }

    void SetClipboard(const std::string& text)
    {
        m_hasClipboard = true;
        m_clipboard = text;
    }

    std::vector<int> m_sounds;
    bool m_hasClipboard = false;
    std::string m_clipboard;
    std::set<int> m_heldKeys;
};

// One input to a widget and what must follow it. Inputs: 'm' move, 'd' press,
// 'u' release at (x, y), where handled is what the widget answers; 'r' reset;
// any other letter goes to the script runner's own handler (hide, check...).
// State is the widget's state after the step.
struct SWidgetStep
{
    char input;
    int x;
    int y;
    bool handled;
    int state;
};

// A run of steps from a fresh widget, then the commands its owner got and
// the sounds played.
struct SWidgetScript
{
    const char* name;
    std::vector<SWidgetStep> steps;
    std::size_t commands;
    std::vector<int> sounds;
};

// A decoded texture of the given size, with no GL upload.
std::unique_ptr<CTexture> MakeTexture(int width, int height);

class CWidgetTest : public ::testing::Test
{
protected:
    CFakeOwner m_owner;
    CFakeContext m_context;
};

// Applies a mouse input or a reset; false for any other input.
bool ApplyStep(CWidget& widget, const SWidgetStep& step, bool& handled);

// Runs each script on a widget made fresh by make, with a fresh owner and context.
template <class TWidget>
void RunScripts(const std::vector<SWidgetScript>& scripts,
                const std::function<std::unique_ptr<TWidget>(CScreen*)>& make,
                const std::function<void(TWidget&, char)>& other)
{
    for (const SWidgetScript& script : scripts)
    {
        SCOPED_TRACE(script.name);
        CFakeOwner owner;
        CFakeContext context;
        std::unique_ptr<TWidget> widget = make(&owner);
        for (std::size_t i = 0; i < script.steps.size(); ++i)
        {
            const SWidgetStep& step = script.steps[i];
            bool handled = step.handled;
            if (!ApplyStep(*widget, step, handled))
                other(*widget, step.input);
            EXPECT_EQ(handled, step.handled) << "step " << i;
            EXPECT_EQ(widget->GetState(), step.state) << "step " << i;
        }
        EXPECT_EQ(owner.m_commands.size(), script.commands);
        EXPECT_EQ(context.m_sounds, script.sounds);
    }
}
