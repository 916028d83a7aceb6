#include "engine/gfx/CSparkle.h"

#include "engine/gfx/CSprite.h"


namespace
{
// The generator's value made non-negative, so that "% n" always picks 0..n-1.
int Next(const SparkleRandom& random)
{
    return random() & 0x7fffffff;
}

int32_t PickFrame(const CSprite* sprite, const SparkleRandom& random)
{
    int value = Next(random);
    int32_t frames = sprite ? sprite->GetFrameCount() : 0;
    return frames > 0 ? value % frames : 0;
}
}

CSparkle::CSparkle(CSprite* sprite, CVector4 position, int32_t group, const SparkleRandom& random)
    : m_sprite(sprite), m_group(group), m_frame(PickFrame(sprite, random)), m_position(position)
{
    float x_bias = (Next(random) & 1) ? -0.5f : 0.5f;
    float y_bias = (Next(random) & 1) ? -0.5f : 0.5f;
    float y = static_cast<float>(Next(random) % 400 - 200) / 100.0f + y_bias;
    float x = static_cast<float>(Next(random) % 400 - 200) / 100.0f + x_bias;
    m_velocity = CVector4(x, y, 0.0f);
    m_alpha = 1.0f;
    m_fade = static_cast<float>(Next(random) % 100) / 20000.0f + 0.01f;
}

bool CSparkle::Update()
{
    m_position += m_velocity;
    m_alpha -= m_fade;
    return m_alpha <= 0.0f;
}

void CSparkle::Emit(std::vector<CSprite::SCellVertex>& out, float light) const
{
    if (m_sprite == nullptr)
    {
        return;
    }
    m_sprite->SetPosition(m_position);
    m_sprite->SetGroup(m_group);
    m_sprite->SetFrame(m_frame);
    m_sprite->AddCell(CVector4(0.0f, 0.0f, 0.0f), 0.0f, m_alpha, light, out);
}
