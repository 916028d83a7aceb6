#include "shell/CGameKindRegistry.h"

bool CGameKindRegistry::Add(SGameKind kind)
{
    if (kind.m_index < 0 || kind.m_index >= MAX_KINDS || Get(kind.m_index) != nullptr)
        return false;
    m_kinds.push_back(std::move(kind));
    return true;
}

const SGameKind* CGameKindRegistry::Get(int index) const
{
    for (const SGameKind& kind : m_kinds)
        if (kind.m_index == index)
            return &kind;
    return nullptr;
}

const SGameKind* CGameKindRegistry::Find(int index) const
{
    const SGameKind* kind = Get(index);
    return kind && kind->IsPlayable() ? kind : nullptr;
}

const char* CGameKindRegistry::GetKindName(int index) const
{
    const SGameKind* kind = Get(index);
    return kind ? kind->m_name.c_str() : nullptr;
}
