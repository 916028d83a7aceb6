#pragma once

class CModel;
class CVector4;

// What shared code (the level effects) may know of any kind's board.
class CGameField
{
public:
    virtual ~CGameField() {}

    virtual int GetHeight() const = 0;
    virtual int GetWidth() const = 0;
    // Edge length of one cell in model units.
    virtual float GetBrickSize() const = 0;
    // Null for an empty cell or a cell outside the board.
    virtual CModel* GetBrick(int x, int y) const = 0;
    // Centre of cell (x, y), where a brick at rest stands.
    virtual CVector4& GetBrickPosition(CVector4& out, int x, int y) const = 0;
};
