#pragma once

#include "tests/files/CTempDir.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Description, mesh and picture files for the graphics tests, in a temporary
// directory that the pack's disk fallback reads by absolute path. Uploads are
// switched off while it lives, so nothing touches GL.
class CGfxTestFiles
{
public:
    CGfxTestFiles();

    // Writes the file and returns its absolute path.
    std::string Write(const std::string& name, const std::string& content);
    std::string WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes);
    std::string Path(const std::string& name) const { return m_dir.File(name); }

    // An uncompressed TGA, rows stored bottom first. The pixel function is asked with
    // y counted from the top of the picture and returns R, G, B, A.
    static std::vector<unsigned char> MakeTga(
        int width, int height, int bits,
        const std::function<uint32_t(int x, int y_from_top)>& pixel);
    std::string WriteTga(const std::string& name, int width, int height);

private:
    CTempDir m_dir;
};
