// Prints a scrambled key-value file of the game (a saved game, a settings
// file) as "key value" lines, so that the slider's play test can read back
// what the game wrote.
//
//   slider_play_files <file> <key>

#include <cstdio>
#include <cstring>

#include "engine/files/CConfigFile.h"

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s <file> <key>\n", argv[0]);
        return 2;
    }
    CConfigFile store;
    if (!store.Load(argv[1], true, argv[2], std::strlen(argv[2])))
    {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    for (const auto& pair : store.GetPairs())
        std::printf("%s %s\n", pair.first.c_str(), pair.second.c_str());
    return 0;
}
