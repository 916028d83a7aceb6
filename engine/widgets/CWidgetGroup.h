#pragma once

#include <cstddef>
#include <vector>

class CRadioButton;
class CWidget;

// Keeps one radio button of a set selected. The group only uses its members;
// the dialog that created them deletes them.
class CWidgetGroup
{
public:
    CWidgetGroup();
    virtual ~CWidgetGroup();

    void Add(CRadioButton* button);
    // Unselects every member but the given one, which is left as it is.
    void Select(CRadioButton* button);
    // Index in insertion order of the first selected member, or -1.
    int GetSelectedIndex() const;

    bool Contains(const CWidget* widget) const;
    std::size_t GetCount() const { return m_buttons.size(); }
    CRadioButton* GetButton(std::size_t index) const;

private:
    std::vector<CRadioButton*> m_buttons;
};
