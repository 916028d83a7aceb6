#pragma once

#include <string>
#include <vector>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object dies. Made with kEnter it is also the
// working directory until then, for code that reads relative paths.
class CTempDir
{
public:
    enum EMode { kStay, kEnter };
    explicit CTempDir(EMode mode = kStay);
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::string& GetPath() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

    static void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
    static void WriteText(const std::string& path, const std::string& text);
    static std::vector<unsigned char> ReadBytes(const std::string& path);
    static std::string ReadText(const std::string& path);
    static bool Exists(const std::string& path);
    // Names in the directory, "." and ".." left out, in byte order.
    std::vector<std::string> List() const;

private:
    std::string m_path;
    std::string m_old_dir;
};
