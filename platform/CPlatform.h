#pragma once
// Process-wide services of the operating system: start-up of the video and
// event layer, the clock, the clipboard, the browser, files and the desktop.
// Nothing above platform/ sees SDL; everything it needs of the system is here.

#include <cstdint>
#include <string>

class CPlatform
{
public:
    // Starts the video and event layer. Safe to call again; false when no
    // display can be opened.
    static bool Init();
    static void Shutdown();
    static bool IsInitialized();

    // Milliseconds since an arbitrary start, wrapping like a 32-bit counter.
    static uint32_t GetTicks();
    static void Sleep(uint32_t ms);

    // Text on the system clipboard; empty when there is none.
    static std::string GetClipboardText();
    static bool SetClipboardText(const std::string& text);

    // Opens a web address in the system browser. Does nothing and returns
    // false while MARBLEWEND_NO_BROWSER is set, so tests never start one.
    static bool OpenUrl(const std::string& url);
    static bool IsBrowserDisabled();

    static bool DeleteFile(const std::string& path);

    // The directory that holds the running executable, with a trailing '/';
    // empty when it cannot be found.
    static std::string GetExecutableDir();
    // Makes the executable's directory the current one, so relative asset
    // paths work whatever directory the program was started from.
    static bool ChangeToExecutableDir();

    // Gives the C library's free memory back to the system, wherever in
    // its heap it lies (after a kind's menu and game are gone, say).
    static void ReturnFreeMemory();

    // Size of the desktop the window lives on; 800x600 when unknown.
    static void GetDesktopSize(int& width, int& height);
    // Cursor position in desktop coordinates; false when unknown.
    static bool GetGlobalMousePos(int& x, int& y);
    // The pointing hand over something clickable, else the arrow.
    static void SetHandCursor(bool hand);

    // Queue the orderly close of the program (what the exit window asks for)
    // and the end of the main loop with an exit code. False when the event
    // queue would not take it.
    static bool PostCloseRequest();
    static bool PostQuit(int exit_code);
};
