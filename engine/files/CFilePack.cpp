#include "engine/files/CFilePack.h"

#include <cerrno>
#include <cstring>

#include <cstdio>
#include <memory>
#include <utility>
#include <sys/stat.h>

const char* const CFilePack::kPassPhrase = "p_note4 7712kdw918zx5521pq60347mwe26";
const char* const CFilePack::kPackPath = "data/data.pk";

namespace
{
CFilePack* g_app_pack = nullptr;

class CFileCloser
{
public:
    void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, CFileCloser>;

std::uint32_t ReadU32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// A directory opens for reading too; it must not pass for an empty file.
bool IsRegularFile(FILE* file)
{
    struct stat st;
    return fstat(fileno(file), &st) == 0 && S_ISREG(st.st_mode);
}

bool ReadExactly(FILE* file, void* to, std::size_t size)
{
    return size == 0 || std::fread(to, 1, size, file) == size;
}

// The whole disk file, or false when it cannot be read or is too large for
// a record's 32-bit size.
bool ReadDiskFile(const std::string& name, CFileData& result)
{
    FilePtr file(std::fopen(name.c_str(), "rb"));
    if (!file || !IsRegularFile(file.get()))
        return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long end = std::ftell(file.get());
    if (end < 0 || static_cast<unsigned long long>(end) > 0xFFFFFFFFull)
        return false;
    if (std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    const std::uint32_t size = static_cast<std::uint32_t>(end);
    std::unique_ptr<unsigned char[]> data(new unsigned char[size > 0 ? size : 1]);
    if (!ReadExactly(file.get(), data.get(), size))
        return false;
    result = CFileData(std::move(data), size, 0, 'n');
    return true;
}
}

CFilePackError::CFilePackError(const std::string& name)
    : std::runtime_error("CFilePack::GetFile: cannot find \"" + name + "\""), m_name(name)
{
}

void CFilePack::SetPassPhrase(const std::string& passPhrase)
{
    m_pass_phrase = passPhrase;
}

bool CFilePack::Refuse(const std::string& why)
{
    m_open_error = why;
    return false;
}

bool CFilePack::Open(const std::string& path)
{
    m_open_error.clear();
    FilePtr file(std::fopen(path.c_str(), "rb"));
    m_missing = !file && errno == ENOENT;
    if (!file)
        return Refuse(std::string("cannot be opened: ") + std::strerror(errno));
    if (!IsRegularFile(file.get()))
        return Refuse("is not a file");
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return Refuse("is damaged: its table of files runs past the end");
    const long end = std::ftell(file.get());
    if (end < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return Refuse("is damaged: its table of files runs past the end");
    const unsigned long long fileSize = static_cast<unsigned long long>(end);

    unsigned char header[6];
    if (fileSize < sizeof header || !ReadExactly(file.get(), header, sizeof header))
        return Refuse("is damaged: its table of files runs past the end");
    if (header[0] != 'L' || header[1] != 'B')
        return Refuse("is not a resource pack");
    const std::uint32_t count = ReadU32(header + 2);

    // Every size is checked against what is left of the file before it is
    // used, so a lying header cannot make us allocate or seek past the end.
    std::vector<Entry> entries;
    unsigned long long pos = sizeof header;
    for (std::uint32_t i = 0; i < count; ++i)
    {
        unsigned char field[4];
        if (fileSize - pos < 4 || !ReadExactly(file.get(), field, 4))
            return Refuse("is damaged: its table of files runs past the end");
        pos += 4;
        const std::uint32_t nameLength = ReadU32(field);
        if (nameLength > kMaxNameLength || fileSize - pos < nameLength + 5ull)
            return Refuse("is damaged: its table of files runs past the end");
        Entry entry;
        entry.name.resize(nameLength);
        if (!ReadExactly(file.get(), &entry.name[0], nameLength))
            return Refuse("is damaged: its table of files runs past the end");
        unsigned char sizeAndFlag[5];
        if (!ReadExactly(file.get(), sizeAndFlag, 5))
            return Refuse("is damaged: its table of files runs past the end");
        pos += nameLength + 5ull;
        entry.size = ReadU32(sizeAndFlag);
        entry.flag = static_cast<char>(sizeAndFlag[4]);
        if (fileSize - pos < entry.size || pos > 0xFFFFFFFFull)
            return Refuse("is damaged: its table of files runs past the end");
        entry.offset = static_cast<std::uint32_t>(pos);
        pos += entry.size;
        if (entry.size > 0 && std::fseek(file.get(), static_cast<long>(pos), SEEK_SET) != 0)
            return Refuse("is damaged: its table of files runs past the end");
        entries.push_back(std::move(entry));
    }

    std::unordered_map<std::string, std::size_t> index;
    index.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        index.emplace(ToSlashes(entries[i].name), i);   // emplace keeps the first of duplicates

    m_entries.swap(entries);
    m_index.swap(index);
    m_pack_path = path;
    return true;
}

std::string CFilePack::ToSlashes(const std::string& name)
{
    std::string result = name;
    for (char& c : result)
        if (c == '\\')
            c = '/';
    return result;
}

long CFilePack::FindEntry(const std::string& name) const
{
    // An entry matches when the name equals it with every separator turned
    // one way or the other; a name holding both kinds equals neither form.
    if (name.find('/') != std::string::npos && name.find('\\') != std::string::npos)
        return -1;
    const auto found = m_index.find(ToSlashes(name));
    return found == m_index.end() ? -1 : static_cast<long>(found->second);
}

bool CFilePack::IsInPack(const std::string& name) const
{
    return FindEntry(name) >= 0;
}

bool CFilePack::Exists(const std::string& name) const
{
    if (IsInPack(name))
        return true;
    FilePtr file(std::fopen(ToSlashes(name).c_str(), "rb"));
    return file && IsRegularFile(file.get());
}

CFileData CFilePack::GetFile(const std::string& name) const
{
    const long index = FindEntry(name);
    if (index >= 0)
    {
        const Entry& entry = m_entries[static_cast<std::size_t>(index)];
        FilePtr file(std::fopen(m_pack_path.c_str(), "rb"));
        std::unique_ptr<unsigned char[]> data(new unsigned char[entry.size > 0 ? entry.size : 1]);
        if (file && std::fseek(file.get(), static_cast<long>(entry.offset), SEEK_SET) == 0 &&
            ReadExactly(file.get(), data.get(), entry.size))
        {
            if (entry.flag == 'y')
                ScrambleEntry(data.get(), entry.size, m_pass_phrase);
            return CFileData(std::move(data), entry.size, entry.offset, entry.flag);
        }
        // The pack changed under us since Open: the loose file is the only copy left.
    }
    // Names written with "\" still find their loose file on this system.
    CFileData result;
    if (!ReadDiskFile(ToSlashes(name), result))
        throw CFilePackError(name);
    return result;
}

void CFilePack::Clear()
{
    m_entries.clear();
    m_index.clear();
}

void CFilePack::ScrambleEntry(unsigned char* bytes, std::size_t size, const std::string& passPhrase)
{
    const std::size_t length = passPhrase.size();
    if (length == 0 || bytes == nullptr)
        return;
    // The characters count as signed bytes and the sums wrap in 32 bits.
    std::int32_t sum = 0;
    for (char c : passPhrase)
        sum = static_cast<std::int32_t>(static_cast<std::uint32_t>(sum) + static_cast<std::uint32_t>(static_cast<signed char>(c)));
    // A one-character phrase takes its terminating zero as the second character.
    const std::int32_t second = length > 1 ? static_cast<signed char>(passPhrase[1]) : 0;

    // Both passes are XORs with tables of the phrase's length, so one
    // combined table does the work of the two.
    std::vector<unsigned char> table(length, 0);
    for (std::int32_t m : {second, 0})
    {
        for (std::size_t j = 0; j < length; ++j)
        {
            const std::uint32_t u = static_cast<std::uint32_t>(sum) +
                                    static_cast<std::uint32_t>(static_cast<signed char>(passPhrase[j])) +
                                    static_cast<std::uint32_t>(m);
            table[j] ^= static_cast<unsigned char>(passPhrase[u % length]);
        }
    }
    std::size_t j = 0;
    for (std::size_t i = 0; i < size; ++i)
    {
        bytes[i] ^= table[j];
        if (++j == length)
            j = 0;
    }
}

CFilePack* CFilePack::GetAppPack()
{
    return g_app_pack;
}

void CFilePack::SetAppPack(CFilePack* pack)
{
    g_app_pack = pack;
}
