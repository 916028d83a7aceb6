// Writes the game's sound effects and music into a game directory.
// Usage: soundgen <game directory>

#include "tools/soundgen/CEffectBank.h"
#include "tools/soundgen/CFileWriter.h"
#include "tools/soundgen/CSongBook.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <game directory>\n", argv[0]);
        return 2;
    }
    std::string root = argv[1];
    int failures = 0;
    for (const SEffectFile& file : CEffectBank::GetFiles())
        if (!CFileWriter::WriteAtomically(root + "/" + file.m_path, CEffectBank::MakeWav(file.m_id)))
        {
            std::fprintf(stderr, "soundgen: cannot write %s\n", file.m_path.c_str());
            ++failures;
        }
    for (int i = 0; i < static_cast<int>(CSongBook::GetStyles().size()); ++i)
    {
        std::string path = CSongBook::PathOf(i);
        if (!CFileWriter::WriteAtomically(root + "/" + path, CSongBook::MakeModule(i)))
        {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
