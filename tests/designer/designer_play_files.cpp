// Reads back the files a designer game left, in their stored forms, for the
// end-to-end play test.
//
//   designer_play_files save <save file>
//       checks the saved game as the game itself does before loading it and
//       prints "valid 1|0", then "figures", "covered", "tray", "held",
//       "turn" (of the first laid figure), "level", "level_score" and
//       "penalty" lines.
//   designer_play_files dump <file> <key>
//       prints a scrambled key-value file as "key value" lines.

#include <cstdio>
#include <cstring>
#include <string>

#include "engine/files/CConfigFile.h"
#include "games/designer/CDesignerGame.h"
#include "shell/CGameMenu.h"

namespace
{
int Usage(const char* program)
{
    std::fprintf(stderr, "usage: %s save <save file>\n       %s dump <file> <key>\n", program, program);
    return 2;
}

bool Read(CConfigFile& store, const char* path, const char* key)
{
    if (store.Load(path, true, key, std::strlen(key)))
        return true;
    std::fprintf(stderr, "cannot read %s\n", path);
    return false;
}

int PrintSave(const char* path)
{
    CConfigFile store;
    if (!Read(store, path, CGameMenu::SAVE_KEY))
        return 1;
    std::printf("valid %d\n", CDesignerGame::ValidateSave(store) ? 1 : 0);
    int width = StrToInt(store.GetValue("f_m_width_bricks", "0"));
    int covered = 0;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < width; ++y)
            covered += store.GetValue("f_color" + std::to_string(x) + "-" + std::to_string(y), "0") == "49" ? 1 : 0;
    std::printf("figures %s\n", store.GetValue("f_m_figures.size", "0").c_str());
    std::printf("covered %d\n", covered);
    std::printf("tray %s\n", store.GetValue("p_m_figures.size", "0").c_str());
    std::printf("held %d\n", store.HasKey("p_m_figure_selected") ? 1 : 0);
    std::printf("turn %s\n", store.GetValue("field.f0.m_angle", "none").c_str());
    std::printf("level %s\n", store.GetValue("gf_m_current_level", "0").c_str());
    std::printf("level_score %s\n", store.GetValue("gf_m_score_level", "0").c_str());
    std::printf("penalty %s\n", store.GetValue("gf_m_score_step", "0").c_str());
    return 0;
}

int PrintStore(const char* path, const char* key)
{
    CConfigFile store;
    if (!Read(store, path, key))
        return 1;
    for (const auto& pair : store.GetPairs())
        std::printf("%s %s\n", pair.first.c_str(), pair.second.c_str());
    return 0;
}
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "save") == 0)
        return PrintSave(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "dump") == 0)
        return PrintStore(argv[2], argv[3]);
    return Usage(argv[0]);
}
