#pragma once

#include <cstddef>
#include <vector>

// Byte scrambler of the player's own files (settings, scores, saves).
// The scrambled form of n text bytes is n + 1 bytes: a rotation count r
// (r < n and r < 100) followed by the rotated text chained with the key.
class CScrambler
{
public:
    virtual ~CScrambler() = default;

    // Draws the rotation from the C library generator after seeding it with
    // the calendar time, as every keyed save of the game does. An empty text
    // gives the single byte 0 (which Unscramble refuses: nothing to read).
    // Returns false only for a missing or empty key.
    bool Scramble(const unsigned char* bytes, std::size_t n, std::vector<unsigned char>& out,
                  const char* key, std::size_t keyLength) const;

    // The same with a chosen rotation; r must be below n (and below 100 for
    // files the game writes). Returns false when r does not fit.
    bool ScrambleWithRotation(const unsigned char* bytes, std::size_t n, unsigned r,
                              std::vector<unsigned char>& out, const char* key,
                              std::size_t keyLength) const;

    // Refuses (false, out untouched) fewer than two bytes, a rotation byte not
    // below the text length, and a missing or empty key.
    bool Unscramble(const unsigned char* bytes, std::size_t m, std::vector<unsigned char>& out,
                    const char* key, std::size_t keyLength) const;
};
