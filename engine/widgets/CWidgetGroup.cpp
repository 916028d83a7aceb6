#include "engine/widgets/CWidgetGroup.h"

#include "engine/widgets/CRadioButton.h"

CWidgetGroup::CWidgetGroup() = default;

CWidgetGroup::~CWidgetGroup() = default;

void CWidgetGroup::Add(CRadioButton* button)
{
    if (button)
        m_buttons.push_back(button);
}

void CWidgetGroup::Select(CRadioButton* button)
{
    for (CRadioButton* member : m_buttons) {
        if (member != button)
            member->SetSelected(false);
    }
}

int CWidgetGroup::GetSelectedIndex() const
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->IsSelected())
            return static_cast<int>(i);
    }
    return -1;
}

bool CWidgetGroup::Contains(const CWidget* widget) const
{
    for (const CRadioButton* member : m_buttons) {
        if (member == widget)
            return true;
    }
    return false;
}

CRadioButton* CWidgetGroup::GetButton(std::size_t index) const
{
    return index < m_buttons.size() ? m_buttons[index] : nullptr;
}
