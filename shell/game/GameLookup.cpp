#include "shell/game/GameLookup.h"

#include "engine/files/CConfigFile.h"

#include <stdexcept>

#include "engine/frame/CGameApp.h"
#include "engine/gfx/CResManager.h"
#include "engine/sound/CSoundManager.h"
#include "engine/gfx/CSparkleLists.h"

CGameApp* GetGameApp()
{
    return CGameApp::Get();
}

CResManager* GetMainResManager()
{
    CGameApp* app = CGameApp::Get();
    return app ? app->GetResManager() : nullptr;
}

void* GetRegisteredObject(const char* name)
{
    CResManager* main = GetMainResManager();
    return main ? main->GetObject(name) : nullptr;
}

CResManager* GetCurrentResManager()
{
    return static_cast<CResManager*>(GetRegisteredObject("current_res_manager"));
}

CBitmapFont* GetMainFont()
{
    return static_cast<CBitmapFont*>(GetRegisteredObject("font_1"));
}

CSoundManager* GetGameSoundManager()
{
    CGameApp* app = CGameApp::Get();
    return app ? app->GetSoundManager() : nullptr;
}

namespace
{
CSparkleLists* Sparkles()
{
    CGameApp* app = CGameApp::Get();
    return app ? app->GetSparkles() : nullptr;
}
}

void AddSparkle(const CVector4& position, int group)
{
    if (CSparkleLists* lists = Sparkles())
        lists->AddSparkle(position, group);
}

void UpdateSparkles()
{
    if (CSparkleLists* lists = Sparkles())
        lists->UpdateSparkles();
}

void DrawSparkles()
{
    if (CSparkleLists* lists = Sparkles())
        lists->DrawSparkles();
}

void UpdateBackSparkles()
{
    if (CSparkleLists* lists = Sparkles())
        lists->UpdateBackSparkles();
}

void DrawBackSparkles(const std::vector<bool>* shown, float light)
{
    if (CSparkleLists* lists = Sparkles())
        lists->DrawBackSparkles(shown, light);
}

std::string LayoutPicture(const CConfigFile& layout, const char* key, const std::string& layoutFile)
{
    if (!layout.HasKey(key))
        throw std::runtime_error(layoutFile + " is damaged: it names no picture for " + key);
    return layout.GetValue(key, "0");
}
