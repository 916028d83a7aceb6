#pragma once

#include "tools/assetgen/CCanvas.h"

#include <string>
#include <vector>

// Where the generated files go: a staging directory, written through a
// temporary file and a rename, with a list of what was written.
class CAssetSink
{
public:
    explicit CAssetSink(const std::string& root);

    void WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes);
    void WriteText(const std::string& name, const std::string& text);
    void WriteTga(const std::string& name, const CCanvas& canvas, bool withAlpha);
    void WriteJpeg(const std::string& name, const CCanvas& canvas, int quality = 92);

    const std::vector<std::string>& GetWritten() const { return m_written; }

private:
    std::string m_root;
    std::vector<std::string> m_written;
};
