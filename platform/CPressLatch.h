#pragma once
// Held state of a set of buttons or keys that never loses a short press: a
// press counts as held at the next snapshot even when it was released again
// before that snapshot was taken.

#include <cstddef>
#include <vector>

class CPressLatch
{
public:
    explicit CPressLatch(std::size_t count);

    void Press(int index);
    void Release(int index);
    // Forget everything, e.g. when the window loses the keyboard.
    void Clear();

    // Held right now, latched presses not included.
    bool IsDown(int index) const;
    // Held now or pressed since the last snapshot; ends the latch period.
    bool TakeHeld(int index);
    // Fills out with 0x80 for every held-or-latched entry, 0 otherwise, and
    // starts a new latch period.
    void Snapshot(unsigned char* out, std::size_t count);
    // Ends the latch period without reading it, so that a press nobody
    // polled for does not show up frames later.
    void ExpireLatches();

    std::size_t GetCount() const { return m_down.size(); }

private:
    std::vector<unsigned char> m_down;
    std::vector<unsigned char> m_latched;
};
