#pragma once

#include <cstdint>

// The random source of a kind's rules. Every random choice of a game (deals,
// shuffles, new bricks and their colours, bonuses, the variant of a level
// effect) is drawn from the one CRandom that the kind's game object owns and
// hands by reference to its field, player and bricks.
//
// A kind can rely on:
// - the same seed giving the same sequence on every machine and compiler, so
//   a test that seeds a game replays it exactly;
// - no other code drawing from it: the sparkles, the scrambler and the intro
//   keep to the C library's rand(), so what they do never shifts a game.
// A kind must not call std::rand() in its rules.
class CRandom
{
public:
    // A seed from the clock, for a game that a player starts; the number in
    // MARBLEWEND_SEED instead where that is set.
    static std::uint32_t ClockSeed();

    explicit CRandom(std::uint32_t seed);
    CRandom(const CRandom&) = delete;
    CRandom& operator=(const CRandom&) = delete;

    void Seed(std::uint32_t seed);
    // A whole number in 0 .. 0x7FFFFFFF.
    int Next();
    // A whole number in 0 .. n - 1; 0 when n is 0 or below.
    int Next(int n);
    // A float in [0, 1).
    float NextFloat();

private:
    std::uint64_t m_state = 0;
};
