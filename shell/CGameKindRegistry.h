#pragma once
// The one place where the shell learns what a game kind is. The table of
// kinds (games/GameKinds.cpp) adds one entry per kind, in kind index order:
// its names, files and captions, and, once the kind is built, how to make its
// parameter object, its new-game dialog and its game screen. The shell reads
// every name from here and names no kind itself.

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CConfigFile;
class CGameParams;
class CGameScreen;
class CNewGameDialog;

struct SGameKind
{
    // The position in the table: main-menu button, thumbnail, layout group's
    // "m_game_kind".
    int m_index = -1;
    // The folder and file name of the kind, in lower case.
    std::string m_name;
    // How the player reads it, on buttons and titles.
    std::string m_caption;
    // One line that tells what the kind is about.
    std::string m_tagline;
    // The kind's settings file, "data/<name>.cfg".
    std::string m_settings_file;
    // The digit of its score tables' files: "data/scores<digit>%i%i.tab".
    int m_table_digit = 0;

    std::function<std::unique_ptr<CGameParams>()> m_make_params;
    // The layout is the kind's menu group; params is the kind's registered object.
    std::function<std::unique_ptr<CNewGameDialog>(CConfigFile& layout, CGameParams& params)> m_make_new_game_dialog;
    // The screen finds the parameter object under its key.
    std::function<std::unique_ptr<CGameScreen>()> m_make_game_screen;
    // With no game to resume, New game starts at once with size 0 and
    // difficulty 0 instead of asking.
    bool m_start_without_dialog = false;

    // All three makers are there.
    bool IsPlayable() const { return m_make_params && m_make_new_game_dialog && m_make_game_screen; }
    // "m_bricks_" + name + "_game_param": where the parameter object is registered.
    std::string GetParamKey() const { return "m_bricks_" + m_name + "_game_param"; }
    // name + "_menu": the kind's layout group in the main resource manager.
    std::string GetGroupName() const { return m_name + "_menu"; }
    // "mui/<name>/menu_<name>.txt": the file of that group.
    std::string GetMenuFile() const { return "mui/" + m_name + "/menu_" + m_name + ".txt"; }
    // "m_bricks_<name>_game_btn": the kind's main-menu button.
    std::string GetButtonKey() const { return "m_bricks_" + m_name + "_game_btn"; }
    // "data/scores<digit>%i%i.tab", formatted with (difficulty, size).
    std::string GetScoresPattern() const { return "data/scores" + std::to_string(m_table_digit) + "%i%i.tab"; }
};

class CGameKindRegistry
{
public:
    // As many kinds as the main menu has buttons.
    static constexpr int MAX_KINDS = 8;

    // Refuses (false) an index outside 0..MAX_KINDS - 1 and an index already
    // taken. An entry without its makers names a kind that is not built yet.
    bool Add(SGameKind kind);
    // The playable kind of an index; null when there is none.
    const SGameKind* Find(int index) const;
    // Any kind of an index, playable or not; null when there is none.
    const SGameKind* Get(int index) const;
    bool IsPlayable(int index) const { return Find(index) != nullptr; }
    // The entries added, playable or not.
    std::size_t GetCount() const { return m_kinds.size(); }

    // The kind's name; null for an index without an entry.
    const char* GetKindName(int index) const;

private:
    std::vector<SGameKind> m_kinds;
};
