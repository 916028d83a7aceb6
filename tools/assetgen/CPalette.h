#pragma once

#include "tools/assetgen/CColor.h"

// The one palette of the game's look: deep night blues for grounds, warm
// gold for rims and titles, glassy azure for controls, white text.
class CPalette
{
public:
    static CColor NightTop() { return CColor::FromHex(0x0B1330); }
    static CColor NightBottom() { return CColor::FromHex(0x1C2C5E); }
    static CColor NightGlow() { return CColor::FromHex(0x3A5BA8); }
    static CColor Gold() { return CColor::FromHex(0xF2C75C); }
    static CColor GoldLight() { return CColor::FromHex(0xFFF0B8); }
    static CColor GoldDark() { return CColor::FromHex(0x9A6B16); }
    static CColor ButtonTop() { return CColor::FromHex(0x4D9BE6); }
    static CColor ButtonBottom() { return CColor::FromHex(0x1C4E96); }
    static CColor ButtonHoverTop() { return CColor::FromHex(0x7CC0FF); }
    static CColor ButtonHoverBottom() { return CColor::FromHex(0x2A68BE); }
    static CColor ButtonPressedTop() { return CColor::FromHex(0x163F7C); }
    static CColor ButtonPressedBottom() { return CColor::FromHex(0x2D6AB8); }
    static CColor Inset() { return CColor::FromHex(0x0A1028); }
    static CColor Text() { return CColor::FromHex(0xFFFFFF); }
    static CColor TextWarm() { return CColor::FromHex(0xFFF6DA); }
    static CColor Shadow() { return CColor(0.0f, 0.0f, 0.03f, 1.0f); }
};
