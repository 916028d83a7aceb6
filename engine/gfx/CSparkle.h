#pragma once

#include "engine/gfx/CSprite.h"
#include "engine/gfx/CVector4.h"

#include <cstdint>
#include <functional>
#include <vector>

// The generator sparkles draw from; the game passes std::rand, tests a seeded one.
using SparkleRandom = std::function<int()>;

// A front sparkle: bursts from a point with a random velocity and fades out.
// It draws one cell of a sprite that all front sparkles share and does not animate.
class CSparkle
{
public:
    CSparkle(CSprite* sprite, CVector4 position, int32_t group, const SparkleRandom& random);
    virtual ~CSparkle() = default;

    // One step per frame; true when the sparkle has faded out.
    bool Update();
    // Adds this sparkle's cell to the corners of a run of its sprite's cells
    // (CSprite::AddCell), its colour multiplied by `light`.
    void Emit(std::vector<CSprite::SCellVertex>& out, float light = 1.0f) const;

    const CVector4& GetPosition() const { return m_position; }
    const CVector4& GetVelocity() const { return m_velocity; }
    float GetAlpha() const { return m_alpha; }
    float GetFade() const { return m_fade; }
    int32_t GetGroup() const { return m_group; }
    int32_t GetFrame() const { return m_frame; }

private:
    CSprite* m_sprite;
    int32_t m_group;
    int32_t m_frame;
    CVector4 m_position;
    CVector4 m_velocity;
    float m_alpha;
    float m_fade;
};
