// Reads and prepares the files of a remover game for the end-to-end play
// test, so that a game can be brought to its last move without a hundred
// scripted clicks.
//
//   remover_play_files nearly-full <save file> <width> <colours> <score>
//       writes a saved game whose board is full but for its top left cell,
//       with no two neighbours of one colour: the next placed brick fills
//       the board and ends the game with the given score.
//   remover_play_files one-group <save file> <score>
//       writes a saved game on the medium board with three red bricks in
//       the second row, from column 1 to 3, and a red brick in hand: placed
//       at column 4 it completes a group of four, which scores 10.
//   remover_play_files table <score table file>
//       prints the table as "name<TAB>score" lines, best first.
//   remover_play_files dump <file> <key>
//       prints a scrambled key-value file as "key value" lines.
//   remover_play_files store <file> <key>
//       writes the "key value" lines of the standard input as a scrambled
//       key-value file, so that a dumped file can be edited and put back.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/files/CConfigFile.h"
#include "shell/CGameMenu.h"
#include "shell/game/CScoreTable.h"

namespace
{
int Usage(const char* program)
{
    std::fprintf(stderr,
                 "usage: %s nearly-full <save> <width> <colours> <score>\n"
                 "       %s one-group <save> <score>\n"
                 "       %s table <score table>\n"
                 "       %s dump <file> <key>\n"
                 "       %s store <file> <key> < lines\n",
                 program, program, program, program, program);
    return 2;
}

void SetCommonKeys(CConfigFile& store, int width, int colours, int score)
{
    store.SetInt("m_score", score);
    store.SetInt("gf_m_score", score);
    store.SetFloat("gf_m_alpha", 0.0f);
    store.SetInt("gf_m_is_game_over", 0);
    store.SetInt("gf_m_current_level", 1);
    store.SetFloat("f_m_alpha", 0.0f);
    store.SetInt("m_start_colors_count", colours);
    store.SetInt("f_m_is_finish", 0);
    store.SetInt("f_m_width_bricks", width);
    store.SetInt("f_m_height_bricks", width);
    store.SetInt("f_m_status", 0);
    store.SetInt("p_m_turns_count", 12);
    store.SetInt("p_m_score", score);
    store.SetInt("p_m_bricks.size", 0);
    store.SetInt("p_m_bricks_placed.size", 0);
}

void SetCell(CConfigFile& store, int x, int y, int color)
{
    store.SetValue("f_color" + std::to_string(x) + "-" + std::to_string(y), std::to_string(color) + " 0 0 0");
}

bool SaveGame(const CConfigFile& store, const std::string& path)
{
    if (store.Save(path, CGameMenu::SAVE_KEY, std::strlen(CGameMenu::SAVE_KEY)))
        return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

int WriteNearlyFull(const std::string& path, int width, int colours, int score)
{
    if ((width != 9 && width != 11 && width != 13) || colours < 4 || colours > 6 || score < 0)
    {
        std::fprintf(stderr, "width 9, 11 or 13, colours 4 to 6, score 0 or more\n");
        return 2;
    }
    CConfigFile store;
    SetCommonKeys(store, width, colours, score);
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < width; ++x)
            // Neighbours across differ by 1 and up or down by 2 (mod 4), so
            // no group forms and the last brick cannot remove anything.
            SetCell(store, x, y, (x == 0 && y == 0) ? -1 : (x + 2 * y) % 4);
    store.SetInt("p_m_brick_current", -1);
    return SaveGame(store, path) ? 0 : 1;
}

int WriteOneGroup(const std::string& path, int score)
{
    const int width = 11;
    CConfigFile store;
    SetCommonKeys(store, width, 5, score);
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < width; ++x)
            SetCell(store, x, y, -1);
    for (int x = 1; x <= 3; ++x)
        SetCell(store, x, 1, 0);
    // Every colour keeps a brick on an even cell of the bottom row, so the
    // group takes no colour out of play and brings no refill.
    for (int color = 0; color < 5; ++color)
        SetCell(store, 2 * color, width - 1, color);
    store.SetInt("p_m_brick_current", 0);
    return SaveGame(store, path) ? 0 : 1;
}

int PrintTable(const std::string& path)
{
    CScoreTable table;
    if (!table.Load(path))
    {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    for (int i = 0; i < table.GetCount(); ++i)
        std::printf("%s\t%d\n", table.GetName(i).c_str(), table.GetScore(i));
    return 0;
}

int PrintStore(const std::string& path, const std::string& key)
{
    CConfigFile store;
    if (!store.Load(path, true, key.c_str(), key.size()))
    {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    for (const auto& pair : store.GetPairs())
        std::printf("%s %s\n", pair.first.c_str(), pair.second.c_str());
    return 0;
}

int StoreLines(const std::string& path, const std::string& key)
{
    CConfigFile store;
    std::string line;
    int c;
    while ((c = std::getchar()) != EOF)
    {
        if (c != '\n')
        {
            line += static_cast<char>(c);
            continue;
        }
        const std::size_t blank = line.find(' ');
        if (blank != std::string::npos)
            store.SetValue(line.substr(0, blank), line.substr(blank + 1));
        line.clear();
    }
    if (store.Save(path, key.c_str(), key.size()))
        return 0;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
}
}

int main(int argc, char** argv)
{
    if (argc == 6 && std::strcmp(argv[1], "nearly-full") == 0)
        return WriteNearlyFull(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    if (argc == 3 && std::strcmp(argv[1], "table") == 0)
        return PrintTable(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "one-group") == 0)
        return WriteOneGroup(argv[2], std::atoi(argv[3]));
    if (argc == 4 && std::strcmp(argv[1], "dump") == 0)
        return PrintStore(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "store") == 0)
        return StoreLines(argv[2], argv[3]);
    return Usage(argv[0]);
}
