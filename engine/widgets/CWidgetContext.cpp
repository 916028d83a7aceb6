#include "engine/widgets/CWidgetContext.h"

namespace
{
// Stands in until the game installs its own, so that widgets work silently in
// tools and before start-up has finished.
class CSilentContext : public CWidgetContext
{
public:
    void PlaySound(int) override {}
    bool GetClipboardText(std::string&) override { return false; }
    bool IsKeyDown(int) override { return false; }
};

CSilentContext g_silent;
CWidgetContext* g_current = nullptr;
}

CWidgetContext::~CWidgetContext()
{
    if (g_current == this)
        g_current = nullptr;
}

CWidgetContext& CWidgetContext::Current()
{
    return g_current ? *g_current : g_silent;
}

void CWidgetContext::Install(CWidgetContext* context)
{
    g_current = context;
}
