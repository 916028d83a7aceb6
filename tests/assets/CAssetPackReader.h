#pragma once

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "games/GameKinds.h"

#include <string>
#include <vector>

// The built pack as the game opens it, for the asset tests. Names are
// looked up in the pack only (never on the disk), exactly as spelled.
class CAssetPackReader
{
public:
    CAssetPackReader()
    {
        m_pack.SetPassPhrase(CFilePack::kPassPhrase);
        m_open = m_pack.Open(MW_ASSET_PACK);
    }

    bool IsOpen() const { return m_open; }
    bool Has(const std::string& name) const { return m_pack.IsInPack(name); }
    CFilePack& GetPack() { return m_pack; }

    std::vector<unsigned char> Bytes(const std::string& name)
    {
        std::vector<unsigned char> out;
        if (!Has(name))
            return out;
        CFileData file = m_pack.GetFile(name);
        out.assign(file.GetData(), file.GetData() + file.GetSize());
        return out;
    }

    CConfigFile Config(const std::string& name)
    {
        CConfigFile config;
        const std::vector<unsigned char> bytes = Bytes(name);
        config.LoadFromBuffer(bytes.data(), bytes.size(), true);
        return config;
    }

    // A kind's layout group, as its game menu reads it.
    CConfigFile Group(const SGameKind& kind) { return Config(kind.GetMenuFile()); }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < m_pack.GetEntryCount(); ++i)
            names.push_back(m_pack.GetEntryName(i));
        return names;
    }

private:
    CFilePack m_pack;
    bool m_open = false;
};
