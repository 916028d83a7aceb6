#pragma once

#include <string>
#include <vector>

class CConfigFile;

// The one place where game code reaches the application's shared services.
// Each returns null, or does nothing, while the service does not exist
// (tests, start-up), so game code runs the same with and without a window.
class CBitmapFont;
class CGameApp;
class CResManager;
class CSoundManager;
class CVector4;

CGameApp* GetGameApp();
CResManager* GetMainResManager();
// The running game menu's own manager, registered as "current_res_manager".
CResManager* GetCurrentResManager();
// The font registered as "font_1".
CBitmapFont* GetMainFont();
CSoundManager* GetGameSoundManager();
// A registered object of the main manager, e.g. a kind's parameter object.
void* GetRegisteredObject(const char* name);

// The picture file a layout names under key; a layout that lacks the key is
// damaged, and the error says which file and which key (rather than looking
// for a picture called "0").
std::string LayoutPicture(const CConfigFile& layout, const char* key, const std::string& layoutFile);

void AddSparkle(const CVector4& position, int group);
void UpdateSparkles();
void DrawSparkles();
void UpdateBackSparkles();
// shown: when given, only the back sparkles whose place in it is true;
// light: the share of their light they are drawn with (1: as they are).
void DrawBackSparkles(const std::vector<bool>* shown = nullptr, float light = 1.0f);
