#pragma once

#include <string>

class CConfigFile;

// Strict readers for saved-game values: a value is accepted only when the
// whole text is a number inside the given range. They let a kind validate a
// save completely before it changes any state.

// Whole text a decimal integer (optional sign) that fits in an int.
bool ParseSaveInt(const std::string& text, int& out);
// Whole text a finite number.
bool ParseSaveFloat(const std::string& text, float& out);
// Reads the key and checks low <= value <= high. We write every key, so a
// key that is not there fails, as a damaged value does; only a caller that
// names a default text (a key that older saves of ours lack) reads that.
bool ReadSaveInt(const CConfigFile& store, const std::string& key, int low, int high, int& out,
                 const char* defaultText = nullptr);
bool ReadSaveFloat(const CConfigFile& store, const std::string& key, float& out,
                   const char* defaultText = nullptr);
// Reads exactly `count` blank-separated integers from one value.
bool ParseSaveInts(const std::string& text, int* out, int count);
// Reads one to `count` blank-separated integers; those left out keep the
// values already in `out`, as the stored form's reader always allowed.
bool ParseLeadingSaveInts(const std::string& text, int* out, int count);

// The board's tilt, every kind's "gf_m_alpha": degrees within a full turn
// either way, so a damaged save cannot spin the board away.
void SaveTilt(CConfigFile& store, float tilt);
// Leaves out untouched unless the stored tilt is valid.
bool ReadSaveTilt(const CConfigFile& store, float& out);

// "%i" into a key pattern such as "p_m_bricks%i".
std::string SaveKey(const char* pattern, int index);

// a + b held at the ends of int instead of wrapping: a score or count that a
// save carried near the top must not turn negative (and the save invalid).
inline int AddSaturated(int a, int b)
{
    const long long sum = static_cast<long long>(a) + b;
    return sum > 0x7FFFFFFFll ? 0x7FFFFFFF : sum < -0x7FFFFFFFll - 1 ? -0x7FFFFFFF - 1 : static_cast<int>(sum);
}

// a x b held at the ends of int: a level or a count times points, where a
// save may carry the level or the points near the top.
inline int MulSaturated(int a, int b)
{
    const long long product = static_cast<long long>(a) * b;
    return product > 0x7FFFFFFFll ? 0x7FFFFFFF : product < -0x7FFFFFFFll - 1 ? -0x7FFFFFFF - 1 : static_cast<int>(product);
}
