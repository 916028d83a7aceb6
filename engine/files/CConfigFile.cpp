#include "engine/files/CConfigFile.h"

#include "engine/files/CAtomicFile.h"
#include "engine/files/CScrambler.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <vector>

namespace
{
// Numbers in the files always use the C locale's decimal point, whatever
// locale the player runs under; the thread switches to it for one call.
class CLocaleScope
{
public:
    CLocaleScope()
    {
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        if (cLocale != static_cast<locale_t>(0))
            m_old = uselocale(cLocale);
    }
    ~CLocaleScope()
    {
        if (m_old != static_cast<locale_t>(0))
            uselocale(m_old);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_old = static_cast<locale_t>(0);
};

std::int32_t ClampToInt32(long long value)
{
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

// strtoll with base 10 ("%d") or base 0 ("%i"); false when no number starts the text.
bool ScanInteger(const std::string& text, int base, std::int32_t& result)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, base);
    if (end == begin)
        return false;
    result = ClampToInt32(value);
    return true;
}

std::vector<unsigned char> ReadWholeFile(const std::string& path, bool& ok)
{
    std::vector<unsigned char> bytes;
    ok = false;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    unsigned char chunk[65536];
    for (;;)
    {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < sizeof chunk)
            break;
    }
    ok = std::ferror(file) == 0;
    std::fclose(file);
    return bytes;
}
}

bool CConfigFile::Load(const std::string& path, bool clear, const char* key, std::size_t keyLength)
{
    bool ok = false;
    const std::vector<unsigned char> bytes = ReadWholeFile(path, ok);
    if (!ok)
        return false;
    return LoadFromBuffer(bytes.data(), bytes.size(), clear, key, keyLength);
}

bool CConfigFile::LoadFromBuffer(const unsigned char* bytes, std::size_t size, bool clear,
                                 const char* key, std::size_t keyLength)
{
    std::vector<unsigned char> work;
    if (key != nullptr)
    {
        // A scrambled file that the scrambler cannot have written is treated
        // like a missing one: the caller keeps its defaults.
        CScrambler scrambler;
        if (!scrambler.Unscramble(bytes, size, work, key, keyLength))
            return false;
    }
    else if (size > 0)
    {
        work.assign(bytes, bytes + size);
    }
    if (clear)
        Clear();
    StripComments(work.data(), work.size());
    Parse(work.data(), work.size());
    return true;
}

std::string CConfigFile::StorableValue(const std::string& value)
{
    // The format has no escapes: a double quote would end a quoted value,
    // and "//" starts a comment that the reader blanks out to the line end.
    std::string stored = value;
    for (char& c : stored)
        if (c == '"')
            c = '\'';
    for (std::size_t at = stored.find("//"); at != std::string::npos; at = stored.find("//", at))
        stored[at + 1] = '\\';
    return stored;
}

std::string CConfigFile::ToText() const
{
    std::string text;
    for (const auto& pair : m_pairs)
    {
        const std::string value = StorableValue(pair.second);
        text += pair.first;
        text += ' ';
        // An empty value or one with any blank must be quoted, or the reader
        // would take the next key as this value.
        bool quote = value.empty();
        for (char c : value)
            quote = quote || IsBlank(static_cast<unsigned char>(c));
        if (quote)
        {
            text += '"';
            text += value;
            text += '"';
        }
        else
        {
            text += value;
        }
        text += '\n';
    }
    return text;
}

bool CConfigFile::Save(const std::string& path, const char* key, std::size_t keyLength) const
{
    const std::string text = ToText();
    if (key == nullptr)
        return CAtomicFile::Write(path, text);
    std::vector<unsigned char> scrambled;
    CScrambler scrambler;
    if (!scrambler.Scramble(reinterpret_cast<const unsigned char*>(text.data()), text.size(), scrambled,
                            key, keyLength))
        return false;
    return CAtomicFile::Write(path, scrambled.data(), scrambled.size());
}

std::string CConfigFile::GetValue(const std::string& key, const std::string& defaultValue) const
{
    const auto found = m_pairs.find(key);
    return found == m_pairs.end() ? defaultValue : found->second;
}

bool CConfigFile::HasKey(const std::string& key) const
{
    return m_pairs.count(key) != 0;
}

void CConfigFile::SetValue(const std::string& key, const std::string& value)
{
    m_pairs[key] = value;
}

void CConfigFile::SetInt(const std::string& key, std::int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%i", static_cast<int>(value));
    m_pairs[key] = text;
}

void CConfigFile::SetFloat(const std::string& key, float value)
{
    // "%f" of the largest float is 46 digits before the point.
    char text[64];
    {
        CLocaleScope cLocale;
        std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    }
    m_pairs[key] = text;
}

void CConfigFile::Clear()
{
    m_pairs.clear();
}

bool CConfigFile::IsBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

void CConfigFile::StripComments(unsigned char* bytes, std::size_t size)
{
    std::size_t i = 1;
    while (i < size)
    {
        if (bytes[i - 1] == '/' && bytes[i] == '/')
        {
            std::size_t j = i - 1;
            while (j < size && bytes[j] != '\n')
                bytes[j++] = ' ';
            i = j + 2;
        }
        else
        {
            ++i;
        }
    }
}

void CConfigFile::Parse(const unsigned char* bytes, std::size_t size)
{
    std::size_t i = 0;
    while (i < size)
    {
        while (i < size && IsBlank(bytes[i]))
            ++i;
        const std::size_t keyStart = i;
        while (i < size && !IsBlank(bytes[i]))
            ++i;
        if (i == keyStart)
            break;
        std::string key(reinterpret_cast<const char*>(bytes + keyStart), i - keyStart);

        while (i < size && IsBlank(bytes[i]))
            ++i;
        std::size_t valueStart = i;
        if (i < size && bytes[i] == '"')
        {
            valueStart = ++i;
            while (i < size && bytes[i] != '"')
                ++i;
            m_pairs[key].assign(reinterpret_cast<const char*>(bytes + valueStart), i - valueStart);
            if (i < size)
                ++i;   // the closing quote
        }
        else
        {
            while (i < size && !IsBlank(bytes[i]))
                ++i;
            m_pairs[key].assign(reinterpret_cast<const char*>(bytes + valueStart), i - valueStart);
        }
    }
}

std::string StrToString(const std::string& value)
{
    return value;
}

std::int32_t StrToInt(const std::string& value)
{
    std::int32_t result = 0;
    ScanInteger(value, 10, result);
    return result;
}

bool StrToIntExact(const std::string& value, std::int32_t& out)
{
    const char* begin = value.c_str();
    char* end = nullptr;
    errno = 0;
    const long long number = std::strtoll(begin, &end, 10);
    if (end == begin || *end != '\0' || errno == ERANGE || number != ClampToInt32(number))
        return false;
    out = static_cast<std::int32_t>(number);
    return true;
}

bool StrToBool(const std::string& value)
{
    return StrToInt(value) != 0;
}

float StrToFloat(const std::string& value)
{
    CLocaleScope cLocale;
    const char* begin = value.c_str();
    char* end = nullptr;
    const float result = std::strtof(begin, &end);
    return end == begin ? 0.0f : result;
}

int StrToIntArray(const std::string& value, int* out, int n)
{
    if (out == nullptr || n <= 0)
        return 0;
    int count = 0;
    std::string token;
    std::size_t i = 0;
    while (i < value.size())
    {
        if (value[i] != ' ')
        {
            token += value[i++];
            continue;
        }
        std::int32_t number = 0;
        if (ScanInteger(token, 0, number))
            out[count] = number;
        if (++count >= n)
            return count;
        while (i < value.size() && value[i] == ' ')
            ++i;
        token.clear();
    }
    std::int32_t number = 0;
    if (ScanInteger(token, 0, number))
        out[count] = number;
    return count + 1;
}
