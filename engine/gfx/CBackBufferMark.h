#pragma once
// Tells whether the window's back buffer still holds the frame drawn before
// the last swap. A software renderer copies the back buffer out and keeps
// it; a flipping driver hands back an older buffer or an empty one. Each
// frame ends by stamping a counter into the two low bits of each channel of
// the bottom-left pixel, over the colour that pixel should show; the next
// frame reads it back. Only a stamp of the very last frame matches.

class CBackBufferMark
{
public:
    // The colour (0xRRGGBB) the marked pixel shows under the stamp.
    void SetBase(unsigned int base) { m_base = base; }
    // Before drawing: true when the pixel holds the last frame's stamp.
    bool HoldsLastFrame() const;
    // After drawing: stamps the pixel with the next count.
    void Stamp();
    // The next frame is drawn whole: no stamp is expected.
    void Forget() { m_stamped = false; }

    // The base colour with the count's six low bits in the channels' two low bits each.
    static unsigned int StampColor(unsigned int base, unsigned int count);

private:
    unsigned int m_base = 0;
    unsigned int m_count = 0;
    bool m_stamped = false;
};
