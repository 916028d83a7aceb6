#pragma once
// A throw-away game directory with just enough files for the main menu, the
// exit window and the text dialog to be built without a display: layouts,
// small uncompressed pictures, a title description and thumbnails. The test
// runs inside it and leaves it afterwards.

#include "tests/files/CTempDir.h"

#include <string>

class CMenuTestFiles
{
public:
    CMenuTestFiles();

    void Write(const std::string& path, const std::string& text) const;
    // A 32-bit picture of width x height, fully transparent, or with a
    // pattern: opaque, every pixel differing from its neighbours in some
    // channel, so a flipped or shifted copy cannot pass for it.
    void WriteTga(const std::string& path, int width, int height, bool pattern = false) const;
    void Remove(const std::string& path) const;
    const std::string& GetDir() const { return m_dir.GetPath(); }

    // Where the menu layout puts things, for clicks in the tests.
    static constexpr int kKindX[2] = {14, 556};
    static constexpr int kKindTop = 160;
    static constexpr int kKindStep = 72;
    static constexpr int kButtonWidth = 200;
    static constexpr int kButtonHeight = 60;
    static constexpr int kQuitX = 14;
    static constexpr int kQuitY = 448;

private:
    CTempDir m_dir{CTempDir::kEnter};
};
