#pragma once

#include <string>
#include <vector>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object dies.
class CTempDir
{
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::string& GetPath() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

    static void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
    static void WriteText(const std::string& path, const std::string& text);
    static std::vector<unsigned char> ReadBytes(const std::string& path);
    static bool Exists(const std::string& path);
    // Names in the directory, "." and ".." left out.
    std::vector<std::string> List() const;

private:
    std::string m_path;
};
