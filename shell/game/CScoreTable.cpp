#include "shell/game/CScoreTable.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "engine/gfx/CBitmapFont.h"
#include "engine/files/CConfigFile.h"

const char* const CScoreTable::FILE_KEY = "ko%58w";

namespace
{
const std::size_t SCORE_KEY_LENGTH = 6;

bool FileExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

std::string IndexedKey(const char* pattern, int index)
{
    char key[32];
    std::snprintf(key, sizeof key, pattern, index);
    return key;
}

// A value that must be a plain decimal integer (optionally signed).
bool IsInteger(const std::string& text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}
}

CScoreTable::CScoreTable(int order) : m_order(order) {}

int CScoreTable::CountPassed(int score) const
{
    int passed = 0;
    for (const SEntry& entry : m_entries)
    {
        bool below = (m_order == 0) ? entry.m_score < score : entry.m_score > score;
        if (below)
            break;
        ++passed;
    }
    return passed;
}

void CScoreTable::Add(const std::string& name, int score)
{
    int at = CountPassed(score);
    m_entries.insert(m_entries.begin() + at, SEntry{name, score});
    while (m_entries.size() > static_cast<std::size_t>(MAX_ENTRIES))
        m_entries.pop_back();
    m_modified = true;
}

int CScoreTable::GetRank(int score) const
{
    if (score == 0)
        return -1;
    int rank = CountPassed(score);
    return rank >= MAX_ENTRIES ? -1 : rank;
}

void CScoreTable::Clear()
{
    m_entries.clear();
    m_modified = true;
}

bool CScoreTable::Load(const std::string& fileName)
{
    CConfigFile store;
    if (!store.Load(fileName, true, FILE_KEY, SCORE_KEY_LENGTH))
    {
        // A file that exists but cannot be unscrambled is damaged, not absent.
        if (FileExists(fileName))
        {
            m_entries.clear();
            m_keep_file = true;
            m_modified = false;
        }
        return false;
    }

    std::string num = store.GetValue("num", "");
    if (!IsInteger(num) || num.size() > 6 || StrToInt(num) < 0)
    {
        m_entries.clear();
        m_keep_file = true;
        m_modified = false;
        return false;
    }

    int count = StrToInt(num);
    if (count > MAX_LOADED_ENTRIES)
        count = MAX_LOADED_ENTRIES;

    m_entries.clear();
    for (int i = 0; i < count; ++i)
    {
        SEntry entry;
        entry.m_name = store.GetValue(IndexedKey("name%i", i), "0");
        entry.m_score = StrToInt(store.GetValue(IndexedKey("score%i", i), "0"));
        m_entries.push_back(entry);
    }
    m_keep_file = false;
    m_modified = false;
    return true;
}

bool CScoreTable::Save(const std::string& fileName)
{
    if (m_keep_file && !m_modified)
        return false;

    CConfigFile store;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
    {
        store.SetValue(IndexedKey("name%i", static_cast<int>(i)), m_entries[i].m_name);
        store.SetInt(IndexedKey("score%i", static_cast<int>(i)), m_entries[i].m_score);
    }
    store.SetInt("num", static_cast<int>(m_entries.size()));
    if (!store.Save(fileName, FILE_KEY, SCORE_KEY_LENGTH))
        return false;
    m_keep_file = false;
    m_modified = false;
    return true;
}

float CScoreTable::GetNameSize(const CBitmapFont& font, const std::string& name)
{
    const float room = SCORE_X - COLUMN_GAP - SHADOW_OFFSET - NAME_X;
    const float width = font.GetTextWidth(name.c_str(), TEXT_SIZE);
    // The width grows in step with the size, gaps between glyphs included.
    return width <= room ? TEXT_SIZE : TEXT_SIZE * room / width;
}

void CScoreTable::Draw(CBitmapFont* font) const
{
    if (!font)
        return;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
    {
        const float y = 170.0f + 45.0f * static_cast<float>(i);
        const char* name = m_entries[i].m_name.c_str();
        const float nameSize = GetNameSize(*font, m_entries[i].m_name);
        const int score = m_entries[i].m_score;
        const float shadow = SHADOW_OFFSET;
        font->DrawText(name, nameSize, NAME_X + shadow, y + shadow, 10.0f, 0.0f, 0.0f, 0.0f, 1.0f, false);
        font->DrawNumber(score, TEXT_SIZE, SCORE_X + shadow, y + shadow, 10.0f, 0.0f, 0.0f, 0.0f, 1.0f, false);
        font->DrawText(name, nameSize, NAME_X, y, 10.0f, 1.0f, 1.0f, 1.0f, 1.0f, false);
        font->DrawNumber(score, TEXT_SIZE, SCORE_X, y, 10.0f, 1.0f, 1.0f, 1.0f, 1.0f, false);
    }
}
