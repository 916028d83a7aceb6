#pragma once
// The picture that stands while start-up loads the sounds and builds the
// main menu: drawn and presented once, then replaced by the main menu.

#include "engine/frame/CScreen.h"
#include "engine/gfx/CBlitPicture.h"
#include "engine/gfx/CTexture.h"

class CFilePack;

class CIntroScreen : public CScreen
{
public:
    static constexpr const char* kPicture = "mui/intro.jpg";

    // Reads the picture from the pack; a missing file throws the pack's error.
    explicit CIntroScreen(CFilePack& pack);
    // Shows a picture read with ReadPicture.
    explicit CIntroScreen(const CPicture& picture);
    // The decoded picture, empty when it does not decode; a missing file
    // throws the pack's error. Needs no GL context: start-up reads it on
    // another thread while the window is being made.
    static CPicture ReadPicture(const CFilePack& pack);
    ~CIntroScreen() override;

    void Draw() override;
    void Activate() override;

    const CTexture& GetPicture() const { return m_picture; }
    // The picture is copied into the window rather than drawn.
    bool IsCopied() const { return m_copy.IsSet(); }

private:
    // Set when the picture fits the window exactly, else the texture is.
    CBlitPicture m_copy;
    CTexture m_picture;
};
