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
