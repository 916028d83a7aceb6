#pragma once

#include "tools/assetgen/CCanvas.h"

#include <string>

// The widget strips. A strip holds one frame per state stacked vertically;
// the game takes frame 1 from the bottom of the picture, so the canvas
// (top row first) holds the last frame at the top and frame 1 at the bottom.
class CUiPainter
{
public:
    enum class EIcon
    {
        Help,
        Minimize,
        FullScreen,
        Close,
        Site,
        Next,
        Previous,
    };

    explicit CUiPainter(const std::string& fontDir);

    // Normal, hover, pressed; the label is part of the picture.
    CCanvas Button(const std::string& label, int width, int frameHeight, float textSize) const;
    // A round button with a drawn symbol, same three frames.
    CCanvas IconButton(EIcon icon, int size) const;
    // A button with a label and an arrow beside it (paging).
    CCanvas ArrowButton(const std::string& label, bool arrowRight, int width, int frameHeight) const;
    // Unchecked, unchecked hover, checked, checked hover.
    CCanvas CheckBox(int size) const;
    CCanvas RadioButton(int size) const;
    // Unfocused, focused.
    CCanvas EditBox(int width, int frameHeight) const;

    // Stacks frames: frames[0] is frame 1 and goes to the bottom.
    static CCanvas StackFrames(const CCanvas* frames, int count);

private:
    enum class EState
    {
        Normal,
        Hover,
        Pressed,
    };
    CCanvas ButtonFrame(const std::string& label, int width, int height, float textSize, EState state, EIcon icon,
                        bool isIcon, int arrow) const;
    void DrawIcon(CCanvas& canvas, EIcon icon, float cx, float cy, float size, const CColor& color) const;

    std::string m_font_dir;
};
