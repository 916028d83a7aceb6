#pragma once
// A help picture: a sprite loaded into a resource manager of the block's own,
// so two blocks naming the same file each hold their own copy.

#include <memory>

#include "shell/CDescBlock.h"

class CFilePack;
class CResManager;
class CSprite;

class CModelDescBlock : public CDescBlock
{
public:
    // A null pack, or a sprite file the pack does not hold, leaves the block
    // without a picture.
    CModelDescBlock(int number, const CConfigFile& helpFile, CFilePack* pack);
    ~CModelDescBlock() override;

    void Draw() override;
    int GetShownFrame() const override;
    void Update(float dt) override;

    // Null when the picture could not be loaded.
    CSprite* GetSprite() const { return m_sprite; }

private:
    std::unique_ptr<CResManager> m_res_manager;
    CSprite* m_sprite = nullptr;
};
