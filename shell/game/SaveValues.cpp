#include "shell/game/SaveValues.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <vector>

#include "engine/files/CConfigFile.h"

bool ParseSaveInt(const std::string& text, int& out)
{
    if (text.empty() || text.size() > 12)
        return false;
    std::size_t i = 0;
    if (text[0] == '-' || text[0] == '+')
        i = 1;
    if (i == text.size())
        return false;
    for (std::size_t j = i; j < text.size(); ++j)
        if (text[j] < '0' || text[j] > '9')
            return false;
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value < INT_MIN || value > INT_MAX)
        return false;
    out = static_cast<int>(value);
    return true;
}

bool ParseSaveFloat(const std::string& text, float& out)
{
    if (text.empty() || text.size() > 64)
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E'))
            return false;
    float value = StrToFloat(text);
    if (!std::isfinite(value))
        return false;
    out = value;
    return true;
}

bool ReadSaveInt(const CConfigFile& store, const std::string& key, int low, int high, int& out,
                 const char* defaultText)
{
    if (!defaultText && !store.HasKey(key))
        return false;
    int value = 0;
    if (!ParseSaveInt(store.GetValue(key, defaultText ? defaultText : ""), value))
        return false;
    if (value < low || value > high)
        return false;
    out = value;
    return true;
}

bool ReadSaveFloat(const CConfigFile& store, const std::string& key, float& out,
                   const char* defaultText)
{
    if (!defaultText && !store.HasKey(key))
        return false;
    return ParseSaveFloat(store.GetValue(key, defaultText ? defaultText : ""), out);
}

void SaveTilt(CConfigFile& store, float tilt)
{
    store.SetFloat("gf_m_alpha", tilt);
}

bool ReadSaveTilt(const CConfigFile& store, float& out)
{
    float tilt = 0.0f;
    if (!ReadSaveFloat(store, "gf_m_alpha", tilt) || tilt < -360.0f || tilt > 360.0f)
        return false;
    out = tilt;
    return true;
}

bool ParseSaveInts(const std::string& text, int* out, int count)
{
    std::size_t at = 0;
    for (int i = 0; i < count; ++i)
    {
        while (at < text.size() && text[at] == ' ')
            ++at;
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ')
            ++end;
        if (!ParseSaveInt(text.substr(at, end - at), out[i]))
            return false;
        at = end;
    }
    while (at < text.size() && text[at] == ' ')
        ++at;
    return at == text.size();
}

bool ParseLeadingSaveInts(const std::string& text, int* out, int count)
{
    std::vector<int> read;
    std::size_t at = 0;
    while (true)
    {
        while (at < text.size() && text[at] == ' ')
            ++at;
        if (at == text.size())
            break;
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ')
            ++end;
        int value = 0;
        if (static_cast<int>(read.size()) == count || !ParseSaveInt(text.substr(at, end - at), value))
            return false;
        read.push_back(value);
        at = end;
    }
    if (read.empty())
        return false;
    for (std::size_t i = 0; i < read.size(); ++i)
        out[i] = read[i];
    return true;
}

std::string SaveKey(const char* pattern, int index)
{
    char key[96];
    std::snprintf(key, sizeof key, pattern, index);
    return key;
}
