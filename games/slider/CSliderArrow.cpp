#include "games/slider/CSliderArrow.h"

#include <GL/gl.h>

#include "games/slider/CSliderParams.h"
#include "shell/game/CFramePrint.h"

CSliderArrow::CSliderArrow(const CSliderParams* params) : m_params(params)
{
    if (m_params && m_params->GetArrowModel())
        CModel::operator=(*m_params->GetArrowModel());   // a fresh arrow: nothing to keep
}

CSliderArrow::~CSliderArrow() {}

void CSliderArrow::StartSpin()
{
    m_spinning = true;
    m_stopping = false;
}

void CSliderArrow::StopSpin()
{
    m_spinning = false;
    m_stopping = true;
}

void CSliderArrow::Animate()
{
    float step = m_params ? m_params->GetAnimateAngle() : CSliderParams::DEFAULT_SPIN_STEP;
    if (m_spinning)
    {
        m_spin_angle += step;
        if (m_spin_angle > 360.0f)
            m_spin_angle -= 360.0f;
    }
    if (m_stopping)
    {
        if (static_cast<int>(m_spin_angle) != 0)
        {
            m_spin_angle += step;
            if (m_spin_angle > 360.0f)
            {
                m_spin_angle = 0.0f;
                m_stopping = false;
            }
        }
        else
        {
            m_stopping = false;
        }
    }
}

float CSliderArrow::SideAngle(int side)
{
    switch (side)
    {
    case SIDE_TOP: return 90.0f;
    case SIDE_BOTTOM: return -90.0f;
    case SIDE_LEFT: return 180.0f;
    default: return 0.0f;
    }
}

void CSliderArrow::Draw()
{
    const CVector4& p = GetPosition();
    glPushMatrix();
    glColor4f(1.0f, 1.0f, 1.0f, m_alpha);
    glTranslatef(p.x, p.y, p.z);
    glRotatef(SideAngle(m_side), 0.0f, 0.0f, 1.0f);
    glRotatef(m_spin_angle, 1.0f, 0.0f, 0.0f);
    CModel::Draw();
    glPopMatrix();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void CSliderArrow::AddToPrint(CFramePrint& print) const
{
    print.AddModel(*this);
    print.Add(m_side);
    print.Add(m_alpha);
    print.Add(IsTurning());
    if (!IsTurning())
        print.Add(m_spin_angle);
}
