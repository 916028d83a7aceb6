#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// The one key-value text format: every settings, parameter, layout,
// description, score and save file. Keys are kept in plain byte order,
// which is also the order in which Save writes them.
class CConfigFile
{
public:
    using Pairs = std::map<std::string, std::string>;

    CConfigFile() = default;

    // False when the file cannot be read or its scrambled form is not valid;
    // the store is then left exactly as it was, even when clearing was asked.
    bool Load(const std::string& path, bool clear, const char* key = nullptr,
              std::size_t keyLength = 0);
    bool LoadFromBuffer(const unsigned char* bytes, std::size_t size, bool clear,
                        const char* key = nullptr, std::size_t keyLength = 0);

    // Writes through a temporary file renamed over the target, so a failed
    // save never leaves a torn file. False when the file cannot be written.
    bool Save(const std::string& path, const char* key = nullptr,
              std::size_t keyLength = 0) const;

    // The written form: one "key value" line per pair, LF ends, the value
    // quoted when it is empty or holds a blank. Every value reads back as
    // written except what the format cannot hold, replaced here: a double
    // quote becomes a single one, and "//" (a comment) becomes "/\".
    std::string ToText() const;
    static std::string StorableValue(const std::string& value);

    std::string GetValue(const std::string& key, const std::string& defaultValue) const;
    bool HasKey(const std::string& key) const;
    void SetValue(const std::string& key, const std::string& value);
    void SetInt(const std::string& key, std::int32_t value);   // "%i"
    void SetFloat(const std::string& key, float value);        // "%f", C locale
    void Clear();

    const Pairs& GetPairs() const { return m_pairs; }

    static bool IsBlank(unsigned char c);
    static void StripComments(unsigned char* bytes, std::size_t size);
    void Parse(const unsigned char* bytes, std::size_t size);

private:
    Pairs m_pairs;
};

// Conversions of a value text. A text that holds no number gives 0.
std::string StrToString(const std::string& value);
std::int32_t StrToInt(const std::string& value);     // "%d"
bool StrToBool(const std::string& value);            // "%d", true when not 0
// The whole text as a decimal integer that an int32 holds; false (out
// unchanged) for anything else: empty, garbage, trailing characters, too large.
bool StrToIntExact(const std::string& value, std::int32_t& out);
float StrToFloat(const std::string& value);          // "%f", C locale
// Fills up to n elements from space-separated tokens read with "%i"
// (0x is hexadecimal, a leading 0 octal). Only the space separates; a token
// without a number leaves its element unchanged. Returns how many tokens
// were consumed (including those that held no number).
int StrToIntArray(const std::string& value, int* out, int n);
