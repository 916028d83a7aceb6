#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "engine/files/CConfigFile.h"

// A kind's parameters as its parameter text would give them, without any
// file: the keys and values given, then the board size and the difficulty
// last chosen.
template <class TParams>
std::unique_ptr<TParams> ReadTestParams(std::initializer_list<std::pair<const char*, std::string>> values,
                                        int size = 0, int difficulty = 0)
{
    auto params = std::make_unique<TParams>();
    CConfigFile store;
    for (const auto& value : values)
        store.SetValue(value.first, value.second);
    params->ReadParams(store);
    params->SetLastSize(size);
    params->SetLastDifficulty(difficulty);
    return params;
}
