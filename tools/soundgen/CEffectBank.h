#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CSignal;

// One effect file of the game: its id and its path below the game directory.
struct SEffectFile
{
    int m_id;
    std::string m_path;
};

// The game's sound effects, each synthesised from a fixed recipe so that the
// files are the same on every build.
class CEffectBank
{
public:
    static constexpr int kRate = 44100;

    // Every effect in the order the game loads them.
    static const std::vector<SEffectFile>& GetFiles();
    // The effect of an id; an unknown id gives an empty signal.
    static CSignal Make(int id);
    static std::vector<uint8_t> MakeWav(int id);
};
