#pragma once
// What a widget reports its presses to. The screens implement it; the widgets
// know no more of their owner than this, so they sit below the screens.

class CWidget;

class CCommandTarget
{
public:
    virtual void OnCommand(CWidget* sender) = 0;

protected:
    ~CCommandTarget() = default;
};
