#include "shell/CGameKindRegistry.h"

namespace
{
// The kind index order shared by the main menu, the menu groups and the
// score-file digits.
const char* const KIND_NAMES[CGameKindRegistry::KIND_COUNT] = {
    "remover", "mover", "slider", "designer", "eraser", "eraser2", "filler", "jewel",
};
}

bool CGameKindRegistry::Add(SGameKind kind)
{
    if (kind.m_index < 0 || kind.m_index >= KIND_COUNT || Find(kind.m_index) != nullptr)
        return false;
    if (!kind.m_make_params || !kind.m_make_new_game_dialog || !kind.m_make_game_screen)
        return false;
    m_kinds.push_back(std::move(kind));
    return true;
}

const SGameKind* CGameKindRegistry::Find(int index) const
{
    for (const SGameKind& kind : m_kinds)
        if (kind.m_index == index)
            return &kind;
    return nullptr;
}

const char* CGameKindRegistry::GetKindName(int index)
{
    return index >= 0 && index < KIND_COUNT ? KIND_NAMES[index] : nullptr;
}

std::string CGameKindRegistry::GetParamKey(int index)
{
    const char* name = GetKindName(index);
    return name ? std::string("m_bricks_") + name + "_game_param" : std::string();
}

std::string CGameKindRegistry::GetGroupName(int index)
{
    const char* name = GetKindName(index);
    return name ? std::string(name) + "_menu" : std::string();
}
