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
    void OnCommand(CWidget* sender) override;

    std::vector<CWidget*> m_commands;
    // Runs after recording, as a dialog's command handler would.
    std::function<void(CWidget*)> m_handler;
};

// Records the sounds played; the clipboard and held keys are set by the test.
class CFakeContext : public CWidgetContext
{
public:
    CFakeContext();
    ~CFakeContext() override;

    void PlaySound(int id) override;
    bool GetClipboardText(std::string& text) override;
    bool IsKeyDown(int virtualKey) override;

    void SetClipboard(const std::string& text);

    std::vector<int> m_sounds;
    bool m_hasClipboard = false;
    std::string m_clipboard;
    std::set<int> m_heldKeys;
};

// A decoded texture of the given size, with no GL upload.
std::unique_ptr<CTexture> MakeTexture(int width, int height);

class CWidgetTest : public ::testing::Test
{
protected:
    CFakeOwner m_owner;
    CFakeContext m_context;
};
