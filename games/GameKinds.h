#pragma once
// The table of kinds: one line per kind in games/GameKinds.cpp, in kind index
// order (main-menu button, thumbnail, score-table digit). Every name, file and
// caption of a kind that the main menu, the game menu, the asset build and
// the tests need comes from here. A kind that is not built yet has its line
// without makers: its main-menu button opens nothing.
//
// The program links the table with the kinds (mw_kinds); the asset build and
// the tests may link the table alone (mw_kind_table), whose entries carry no
// makers.

#include <vector>

#include "shell/CGameKindRegistry.h"

// Every kind, built or not; each entry's m_index is its position.
const std::vector<SGameKind>& GetGameKinds();

// Adds every kind of the table to the registry.
inline void RegisterGameKinds(CGameKindRegistry& kinds)
{
    for (const SGameKind& kind : GetGameKinds())
        kinds.Add(kind);
}
