#include "shell/CMenuHost.h"

#include "engine/gfx/CResManager.h"

const char* const CMenuHost::CURRENT_RES_MANAGER = "current_res_manager";
const char* const CMenuHost::FONT_NAME = "font_1";

CMenuHost::~CMenuHost() {}

CResManager* CMenuHost::GetCurrentResManager() const
{
    CResManager* main = GetMainResManager();
    return main ? static_cast<CResManager*>(main->GetObject(CURRENT_RES_MANAGER)) : nullptr;
}

CBitmapFont* CMenuHost::GetFont() const
{
    CResManager* main = GetMainResManager();
    return main ? static_cast<CBitmapFont*>(main->GetObject(FONT_NAME)) : nullptr;
}

std::string CMenuHost::MakeDataPath(const std::string& relative) const
{
    const std::string root = GetDataRoot();
    if (root.empty())
        return relative;
    if (root.back() == '/')
        return root + relative;
    return root + "/" + relative;
}
