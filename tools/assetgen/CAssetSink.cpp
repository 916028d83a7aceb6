#include "tools/assetgen/CAssetSink.h"

#include "tools/assetgen/CPictureWriter.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

CAssetSink::CAssetSink(const std::string& root) : m_root(root)
{
}

void CAssetSink::WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes)
{
    const std::filesystem::path target = std::filesystem::path(m_root) / name;
    std::filesystem::create_directories(target.parent_path());
    const std::string temporary = target.string() + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + temporary);
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed)
    {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot write " + temporary);
    }
    std::filesystem::rename(temporary, target);
    m_written.push_back(name);
}

void CAssetSink::WriteText(const std::string& name, const std::string& text)
{
    WriteBytes(name, std::vector<unsigned char>(text.begin(), text.end()));
}

void CAssetSink::WriteTga(const std::string& name, const CCanvas& canvas, bool withAlpha)
{
    WriteBytes(name, CPictureWriter::EncodeTga(canvas, withAlpha));
}

void CAssetSink::WriteJpeg(const std::string& name, const CCanvas& canvas, int quality)
{
    WriteBytes(name, CPictureWriter::EncodeJpeg(canvas, quality));
}
