#pragma once

#include "shell/game/CGameBrick.h"

class CFillerParams;
class CFramePrint;

// One cell of the filler board: the model of its colour in the current skin.
// The colour the rules read can run ahead of the one shown, so that a
// recolouring spreads over the board as a wave. The shown colour is the
// base brick's colour, the one whose look the brick wears.
class CFillerBrick : public CGameBrick
{
public:
    // params may be null (tests): the brick then keeps its colours only.
    explicit CFillerBrick(const CFillerParams* params);
    ~CFillerBrick() override;

    // Sets both colours and takes the look of the value in the current skin.
    void SetColor(int value);
    // The rules take the value at once; the look follows with ApplyTargetColor.
    void SetTargetColor(int value) { m_color = value; }
    void ApplyTargetColor() { CGameBrick::SetColor(m_color); }

    int GetColor() const { return m_color; }
    int GetShownColor() const { return CGameBrick::GetColor(); }
    bool IsChanging() const { return m_color != GetShownColor(); }

    void Draw() override;
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;

protected:
    const CModel* FindLook(int color) const override;

private:
    const CFillerParams* m_params;
    int m_color = 0;
};
