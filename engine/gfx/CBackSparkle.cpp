#include "engine/gfx/CBackSparkle.h"

#include "engine/gfx/CSprite.h"


namespace
{
// The groups of the back sparkle picture.
constexpr int kGroups = 6;

// The wind that all back sparkles share: steps left until it changes, and its push.
int32_t g_countdown = 0;
float g_drift = 0.0f;

int Next(const SparkleRandom& random)
{
    return random() & 0x7fffffff;
}
}

CBackSparkle::CBackSparkle(CSprite* sprite, const SparkleRandom& random)
    : m_sprite(sprite), m_alpha(0.35f), m_angle(0.0f)
{
    m_group = Next(random) % kGroups;
    int frame = Next(random);
    int32_t frames = sprite ? sprite->GetFrameCount() : 0;
    m_frame = frames > 0 ? frame % frames : 0;
    m_position = CVector4(static_cast<float>(Next(random) % 1200 - 200), kStartY, 0.0f);
    float y = -static_cast<float>(Next(random) % 50) / 100.0f - 0.05f;
    float x = static_cast<float>(Next(random) % 50 - 25) / 100.0f;
    m_velocity = CVector4(x, y, 0.0f);
    m_spin = static_cast<float>(Next(random) % 200 - 100) / 100.0f + 0.1f;
}

void CBackSparkle::UpdateDrift(const SparkleRandom& random)
{
    --g_countdown;
    if (g_countdown <= 0)
    {
        g_countdown = 900 + Next(random) % 900;
        g_drift = static_cast<float>(Next(random) % 200 - 100) / 10000.0f;
    }
}

float CBackSparkle::GetDrift()
{
    return g_drift;
}

void CBackSparkle::ResetDrift()
{
    g_countdown = 0;
    g_drift = 0.0f;
}

bool CBackSparkle::Update()
{
    m_velocity.x += g_drift;
    if (m_velocity.x < -kMaxSpeedX)
    {
        m_velocity.x = -kMaxSpeedX;
    }
    if (m_velocity.x > kMaxSpeedX)
    {
        m_velocity.x = kMaxSpeedX;
    }
    m_position += m_velocity;
    m_angle += m_spin;
    return m_position.y < kEndY;
}

void CBackSparkle::Emit(std::vector<CSprite::SCellVertex>& out, float light) const
{
    if (m_sprite == nullptr)
    {
        return;
    }
    m_sprite->SetGroup(m_group);
    m_sprite->SetFrame(m_frame);
    m_sprite->AddCell(m_position, m_angle, m_alpha, light, out);
}
