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
//   designer_play_files nearly-done <save file>
//       writes a level 1 on the small board worth 450 points whose picture
//       is covered by eight squares but for the middle four cells; the
//       tray holds the ninth square, which completes it.

#include <cstdio>
#include <cstring>
#include <string>

#include "engine/files/CConfigFile.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerGame.h"
#include "shell/CGameMenu.h"

namespace
{
int Usage(const char* program)
{
    std::fprintf(stderr,
                 "usage: %s save <save file>\n       %s dump <file> <key>\n       %s nearly-done <save file>\n",
                 program, program, program);
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
    std::printf("total %s\n", store.GetValue("gf_m_score", "0").c_str());
    std::printf("penalty %s\n", store.GetValue("gf_m_score_step", "0").c_str());
    return 0;
}

// A square (kind 4) at half or full size, its top left cell on (bx, by).
void SaveSquare(CConfigFile& store, const std::string& prefix, float cell, float x, float y, int bx, int by)
{
    CDesignerFigure square(4);
    square.CreateModel(nullptr);
    square.SetScale(cell);
    square.SetPosition(CVector4(x, y, 0.0f));
    if (bx >= 0)
        square.SetIndexes(bx, by);
    square.Save(store, prefix);
}

int WriteNearlyDone(const char* path)
{
    const float width = 540.0f;
    const float cell = width / 6.0f;
    CConfigFile store;
    store.SetInt("m_score", 0);
    store.SetFloat("gf_m_alpha", 0.0f);
    store.SetInt("gf_m_is_game_over", 0);
    store.SetInt("gf_m_current_level", 1);
    store.SetInt("gf_m_score", 0);
    store.SetInt("gf_m_score_level", 450);
    store.SetInt("gf_m_score_step", 10);
    store.SetInt("gf_m_score_step_level", 0);
    store.SetInt("f_m_score", 0);
    store.SetFloat("f_m_alpha", 0.0f);
    store.SetInt("f_m_colors", 6);
    store.SetInt("f_m_is_finish", 0);
    store.SetInt("f_m_width_bricks", 6);
    store.SetInt("f_m_height_bricks", 6);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 6; ++y)
        {
            bool middle = (x == 2 || x == 3) && (y == 2 || y == 3);
            store.SetInt("f_color" + std::to_string(x) + "-" + std::to_string(y), middle ? '0' : '1');
        }
    int laid = 0;
    for (int by = 0; by < 6; by += 2)
        for (int bx = 0; bx < 6; bx += 2)
            if (bx != 2 || by != 2)
                SaveSquare(store, "field.f" + std::to_string(laid++), cell, -width / 2 + (bx + 1) * cell,
                           width / 2 - (by + 1) * cell, bx, by);
    store.SetInt("f_m_figures.size", laid);
    store.SetInt("p_m_figures.size", 1);
    SaveSquare(store, "Player.f0", cell / 2.0f, 420.0f, 300.0f, -1, -1);
    store.SetFloat("p_m_figures.m_top_y", 300.0f);
    if (!CDesignerGame::ValidateSave(store))
    {
        std::fprintf(stderr, "the written game does not pass the game's check\n");
        return 1;
    }
    if (store.Save(path, CGameMenu::SAVE_KEY, std::strlen(CGameMenu::SAVE_KEY)))
        return 0;
    std::fprintf(stderr, "cannot write %s\n", path);
    return 1;
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
    if (argc == 3 && std::strcmp(argv[1], "nearly-done") == 0)
        return WriteNearlyDone(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "dump") == 0)
        return PrintStore(argv[2], argv[3]);
    return Usage(argv[0]);
}
