#include "engine/files/CScrambler.h"

#include <cstdlib>
#include <ctime>

namespace
{
// The text is rotated by at most this much, whatever its length.
constexpr unsigned kMaxRotation = 100;
}

bool CScrambler::Scramble(const unsigned char* bytes, std::size_t n, std::vector<unsigned char>& out,
                          const char* key, std::size_t keyLength) const
{
    if (key == nullptr || keyLength == 0)
        return false;
    if (n == 0)
    {
        out.assign(1, 0);
        return true;
    }
    // Every keyed save reseeds the process-wide generator, as the game always has.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const unsigned r = static_cast<unsigned>(std::rand()) % (n > kMaxRotation ? kMaxRotation : n);
    return ScrambleWithRotation(bytes, n, r, out, key, keyLength);
}

bool CScrambler::ScrambleWithRotation(const unsigned char* bytes, std::size_t n, unsigned r,
                                      std::vector<unsigned char>& out, const char* key,
                                      std::size_t keyLength) const
{
    if (key == nullptr || keyLength == 0 || n == 0 || r >= n || r > 255)
        return false;
    out.resize(n + 1);
    out[0] = static_cast<unsigned char>(r);
    for (std::size_t i = 0; i < n - r; ++i)
        out[1 + i] = bytes[r + i];
    for (std::size_t i = 0; i < r; ++i)
        out[n - r + 1 + i] = bytes[i];
    for (std::size_t i = 1; i <= n; ++i)
    {
        unsigned char b = out[i];
        b ^= out[i - 1];
        b ^= static_cast<unsigned char>(key[i % keyLength]);
        b = static_cast<unsigned char>(b + out[i - 1]);
        out[i] = b;
    }
    return true;
}

bool CScrambler::Unscramble(const unsigned char* bytes, std::size_t m, std::vector<unsigned char>& out,
                            const char* key, std::size_t keyLength) const
{
    if (key == nullptr || keyLength == 0 || bytes == nullptr || m < 2)
        return false;
    const std::size_t n = m - 1;
    const std::size_t r = bytes[0];
    if (r >= n)
        return false;
    std::vector<unsigned char> text(n);
    for (std::size_t i = 1; i <= n; ++i)
    {
        const unsigned char prev = bytes[i - 1];
        const unsigned char t = static_cast<unsigned char>(
            (static_cast<unsigned char>(bytes[i] - prev) ^ prev) ^ static_cast<unsigned char>(key[i % keyLength]));
        // t[i] sits at text position (i - 1 + r) mod n once the rotation is undone.
        std::size_t pos = i - 1 + r;
        if (pos >= n)
            pos -= n;
        text[pos] = t;
    }
    out.swap(text);
    return true;
}
