#pragma once
// The one place where the shell learns what a game kind is: how to make its
// parameter object, its new-game dialog and its game screen. Each playable
// kind adds one entry; a kind without an entry has no game menu. The score
// tables and their captions are the parameter object's own.

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
    // 0 remover, 1 mover, 2 slider, 3 designer, 4 eraser, 5 eraser2, 6 filler, 7 jewel.
    int m_index = -1;
    std::function<std::unique_ptr<CGameParams>()> m_make_params;
    // The layout is the kind's menu group; params is the kind's registered object.
    std::function<std::unique_ptr<CNewGameDialog>(CConfigFile& layout, CGameParams& params)> m_make_new_game_dialog;
    // The screen finds the parameter object under its key.
    std::function<std::unique_ptr<CGameScreen>()> m_make_game_screen;
    // With no game to resume, New game starts at once with size 0 and
    // difficulty 0 instead of asking.
    bool m_start_without_dialog = false;
};

class CGameKindRegistry
{
public:
    static constexpr int KIND_COUNT = 8;

    // Refuses (false) an index outside 0..7, an index already taken, and an
    // entry that lacks one of its three makers.
    bool Add(SGameKind kind);
    // Null when the kind has no entry.
    const SGameKind* Find(int index) const;
    bool IsPlayable(int index) const { return Find(index) != nullptr; }
    std::size_t GetCount() const { return m_kinds.size(); }

    // "remover" .. "jewel"; null outside 0..7.
    static const char* GetKindName(int index);
    // "m_bricks_" + name + "_game_param"; empty outside 0..7.
    static std::string GetParamKey(int index);
    // The kind's menu group in the main resource manager: name + "_menu".
    static std::string GetGroupName(int index);

private:
    std::vector<SGameKind> m_kinds;
};
