#pragma once
// The list of playable kinds: one line per kind. A kind missing here has no
// game menu, and its main-menu button opens nothing.

class CGameKindRegistry;

void RegisterGameKinds(CGameKindRegistry& kinds);
