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
