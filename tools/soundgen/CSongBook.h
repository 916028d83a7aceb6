#pragma once

#include "tools/soundgen/CSongStyle.h"

#include <cstdint>
#include <string>
#include <vector>

// The game's fifteen tunes: one style each, played in this order.
class CSongBook
{
public:
    static const std::vector<SSongStyle>& GetStyles();
    // "data/music/000.mod" and on, below the game directory.
    static std::string PathOf(int index);
    static std::vector<uint8_t> MakeModule(int index);
};
