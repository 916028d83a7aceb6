#pragma once

#include "engine/files/CFileData.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

// Raised when a name is neither in the pack nor on the disk. what() holds
// "CFilePack::GetFile" and the name.
class CFilePackError : public std::runtime_error
{
public:
    explicit CFilePackError(const std::string& name);
    const std::string& GetName() const { return m_name; }

private:
    std::string m_name;
};

// The read-only resource pack "data/data.pk" with a fallback to loose files.
// Layout: "LB", u32 count, then per entry u32 name length (< 100), the name,
// u32 size, a flag byte ('y' scrambled with the pass phrase, 'n' plain) and
// the data. All integers little-endian.
class CFilePack
{
public:
    static const char* const kPassPhrase;   // the game's own pass phrase
    static const char* const kPackPath;     // "data/data.pk"
    static constexpr std::uint32_t kMaxNameLength = 99;

    CFilePack() = default;

    void SetPassPhrase(const std::string& passPhrase);
    const std::string& GetPassPhrase() const { return m_pass_phrase; }

    // False when the file cannot be read, the magic is wrong, a name is 100
    // bytes or longer, or any entry runs past the end of the file; the table
    // then stays as it was.
    bool Open(const std::string& path);
    // Why the last Open failed, in words for a message ("cannot be opened:
    // No such file or directory", "is damaged: ..."); empty after a good one.
    const std::string& GetOpenError() const { return m_open_error; }
    // The last Open found no file at all (as opposed to a damaged or
    // unreadable one).
    bool WasMissing() const { return m_missing; }

    // The named file: the first pack entry whose name matches with "/" and
    // "\" taken as the same separator (a name holding both never matches),
    // else the disk file of that name (either separator). Throws
    // CFilePackError when neither.
    CFileData GetFile(const std::string& name) const;

    // True when GetFile would find the name (pack or disk); never throws.
    bool Exists(const std::string& name) const;
    bool IsInPack(const std::string& name) const;

    void Clear();
    std::size_t GetEntryCount() const { return m_entries.size(); }
    const std::string& GetEntryName(std::size_t index) const { return m_entries[index].name; }
    const std::string& GetPackPath() const { return m_pack_path; }

    // The pack's two XOR passes; applying it twice restores the bytes, so it
    // both scrambles and unscrambles. An empty pass phrase changes nothing.
    static void ScrambleEntry(unsigned char* bytes, std::size_t size, const std::string& passPhrase);

    // The one pack of the running game, set by the application object while
    // it lives (null before and after). Everything that reads assets uses it.
    static CFilePack* GetAppPack();
    static void SetAppPack(CFilePack* pack);

private:
    struct Entry
    {
        std::string name;
        std::uint32_t size = 0;
        std::uint32_t offset = 0;
        char flag = 'n';
    };

    bool Refuse(const std::string& why);
    // -1 when no entry matches.
    long FindEntry(const std::string& name) const;
    static std::string ToSlashes(const std::string& name);

    std::vector<Entry> m_entries;
    std::unordered_map<std::string, std::size_t> m_index;   // slash form -> first entry
    std::string m_pack_path;
    std::string m_pass_phrase;
    std::string m_open_error;
    bool m_missing = false;
};
