// A window with one of each widget, driven by the end-to-end widget test.

#include <cstdio>

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CAppWidgetContext.h"
#include "platform/CPlatform.h"
#include "tests/widgets/lab/CWidgetLabScreen.h"

int main()
{
    if (!CPlatform::Init()) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    int exitCode = 1;
    {
        CAppWindow window("Marblewend", nullptr);
        if (!window.CreateWindowed("Marblewend", 100, 50, 800, 600)) {
            std::fprintf(stderr, "no window\n");
            return 1;
        }
        // The clipboard text a paste should bring in, with what a name must not hold.
        CPlatform::SetClipboardText("pa\"st//ed");
        CAppWidgetContext context(nullptr);
        CWidgetContext::Install(&context);
        CWidgetLabScreen screen;
        window.SetScreen(&screen);
        exitCode = window.MainLoop();
        CWidgetContext::Install(nullptr);
        window.Destroy();
    }
    CPlatform::Shutdown();
    return exitCode;
}
