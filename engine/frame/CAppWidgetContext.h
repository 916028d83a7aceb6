#pragma once

#include "engine/widgets/CWidgetContext.h"

class CSoundManager;

// The widgets' way to the game's sound effects, the system clipboard and the
// keyboard. The application installs one once its sound manager exists.
class CAppWidgetContext : public CWidgetContext
{
public:
    // The sound manager is used, not owned; null plays nothing.
    explicit CAppWidgetContext(CSoundManager* sounds);
    ~CAppWidgetContext() override;

    void PlaySound(int id) override;
    bool GetClipboardText(std::string& text) override;
    bool IsKeyDown(int virtualKey) override;

private:
    CSoundManager* m_sounds;
};
