#pragma once
// Damaged copies of a whole save, for every kind's save tests: we write every
// key, so a save that lacks any one of them must be refused.

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "engine/files/CConfigFile.h"

CConfigFile WithoutKey(const CConfigFile& whole, const std::string& key);
CConfigFile WithValue(const CConfigFile& whole, const std::string& key, const std::string& value);

// The keys of `whole` whose removal `validate` still accepts, leaving out
// those named in `optional` (keys that older saves of ours lack). Empty when
// the save is whole or refused; the test shows the keys that slip through.
std::vector<std::string> KeysNotNeeded(const CConfigFile& whole,
                                       const std::function<bool(const CConfigFile&)>& validate,
                                       const std::set<std::string>& optional = {});

// One value written over a key of a whole save.
struct SSaveEdit
{
    std::string key;
    std::string value;
};

// The edits of `whole` that `validate` still accepts, as "key = value"; an
// edit of a key the save lacks is listed too, as it tests nothing.
std::vector<std::string> EditsNotRefused(const CConfigFile& whole,
                                         const std::function<bool(const CConfigFile&)>& validate,
                                         const std::vector<SSaveEdit>& edits);

// A state a kind's game is played into before it is saved, on the size and
// difficulty (or option) it was dealt; the keys left out make it a save of
// ours written before they were added.
struct SSaveState
{
    const char* name;
    int state;
    int size;
    int difficulty;
    std::vector<std::string> leftOut = {};
};

// KeysNotNeeded for the save of each state (less its left-out keys), as
// "state: key"; a state whose whole save is refused gives "state: refused
// whole".
std::vector<std::string> KeysNotNeededInStates(const std::vector<SSaveState>& states,
                                               const std::function<CConfigFile(const SSaveState&)>& save,
                                               const std::function<bool(const CConfigFile&)>& validate,
                                               const std::set<std::string>& optional = {});

// The game menu's path for a kind's screen: a fresh one, loaded from the
// store on the parameters given.
template <class TScreen, class TParams>
bool FreshScreenLoads(TParams& params, const CConfigFile& store)
{
    TScreen screen(nullptr, params, nullptr, 11);
    return screen.Load(store);
}

// A screen's whole save, as the game menu writes it.
template <class TScreen>
CConfigFile SavedFrom(TScreen& screen)
{
    CConfigFile store;
    screen.Save(store);
    return store;
}
