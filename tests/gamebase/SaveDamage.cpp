#include "tests/gamebase/SaveDamage.h"

CConfigFile WithoutKey(const CConfigFile& whole, const std::string& key)
{
    CConfigFile damaged;
    for (const auto& pair : whole.GetPairs())
        if (pair.first != key)
            damaged.SetValue(pair.first, pair.second);
    return damaged;
}

CConfigFile WithValue(const CConfigFile& whole, const std::string& key, const std::string& value)
{
    CConfigFile damaged = whole;
    damaged.SetValue(key, value);
    return damaged;
}

std::vector<std::string> KeysNotNeeded(const CConfigFile& whole,
                                       const std::function<bool(const CConfigFile&)>& validate,
                                       const std::set<std::string>& optional)
{
    std::vector<std::string> slipped;
    for (const auto& pair : whole.GetPairs())
        if (!optional.count(pair.first) && validate(WithoutKey(whole, pair.first)))
            slipped.push_back(pair.first);
    return slipped;
}

std::vector<std::string> EditsNotRefused(const CConfigFile& whole,
                                         const std::function<bool(const CConfigFile&)>& validate,
                                         const std::vector<SSaveEdit>& edits)
{
    std::vector<std::string> accepted;
    for (const SSaveEdit& edit : edits)
        if (!whole.HasKey(edit.key) || validate(WithValue(whole, edit.key, edit.value)))
            accepted.push_back(edit.key + " = " + edit.value);
    return accepted;
}

std::vector<std::string> KeysNotNeededInStates(const std::vector<SSaveState>& states,
                                               const std::function<CConfigFile(const SSaveState&)>& save,
                                               const std::function<bool(const CConfigFile&)>& validate,
                                               const std::set<std::string>& optional)
{
    std::vector<std::string> slipped;
    for (const SSaveState& state : states)
    {
        CConfigFile whole = save(state);
        for (const std::string& key : state.leftOut)
            whole = WithoutKey(whole, key);
        if (!validate(whole))
            slipped.push_back(std::string(state.name) + ": refused whole");
        for (const std::string& key : KeysNotNeeded(whole, validate, optional))
            slipped.push_back(std::string(state.name) + ": " + key);
    }
    return slipped;
}
