#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes a whole file beside its target and renames it over the target, so a
// build that is stopped half-way never leaves a truncated asset behind.
class CFileWriter
{
public:
    static bool WriteAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
    static bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes);
};
