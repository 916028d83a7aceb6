#pragma once

#include <string>

// What widgets reach outside their screen: the interface sounds, the clipboard
// and the held state of a key. Tests install a fake; the game installs the one
// that talks to the sound manager and the platform layer.
class CWidgetContext
{
public:
    virtual ~CWidgetContext();

    // Restart on, looping off.
    virtual void PlaySound(int id) = 0;
    // False when the clipboard holds no text or cannot be read.
    virtual bool GetClipboardText(std::string& text) = 0;
    // The asynchronous state of a key by its virtual-key code.
    virtual bool IsKeyDown(int virtualKey) = 0;

    // The installed context, or a silent one when none is installed.
    static CWidgetContext& Current();
    // Not owned; pass nullptr to go back to the silent one. The installer
    // withdraws its context before destroying it.
    static void Install(CWidgetContext* context);
};
