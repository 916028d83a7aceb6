#pragma once

#include "engine/gfx/CModel.h"

// The base of every kind's brick: a model that stands for one colour and can
// take the look of another model (a new skin, a new colour) without losing
// where and how it stands.
//
// A kind provides FindLook: the model of a colour in the current skin (its
// parameter object's table), or null when there is none.
// A kind can rely on:
// - SetColor and Reskin keeping position, velocity, parameter vector, scale,
//   angles and blend flag; only the look (mesh, pictures, children, extents)
//   changes. CModel's own assignment copies all of those too, which is the
//   trap this class closes: never assign a model to a brick, call TakeLook;
// - a colour with no look changing nothing but the colour number.
class CGameBrick : public CModel
{
public:
    CGameBrick();
    ~CGameBrick() override;

    // Remembers the colour and takes its look (FindLook).
    void SetColor(int color);
    int GetColor() const { return m_color; }
    // Takes the look of the current colour again, after the skin changed.
    void Reskin() { SetColor(m_color); }

    // Replaces the look by that of `look`, keeping this brick's state.
    void TakeLook(const CModel& look);

protected:
    // The model of `color` in the current skin; null leaves the look alone.
    virtual const CModel* FindLook(int color) const = 0;

private:
    int m_color = 0;
};
