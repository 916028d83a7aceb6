#pragma once
// The main menu's hover effect as plain state: how long the cursor has rested
// on a kind button or stayed away from all of them, where the spinning title
// stands, and how far the hovered kind's thumbnail has faded in. Steps once
// per update; drawing only reads it.

class CMainMenuHover
{
public:
    static constexpr int kKindCount = 8;
    // The title rises after this much hover in all...
    static constexpr float kRaiseDelay = 50.0f;
    // ...and sinks again only when the idle time has climbed back to this.
    static constexpr float kSinkDelay = 700.0f;
    static constexpr float kTitleLow = -5.0f;
    static constexpr float kTitleHigh = 5.0f;
    // A thumbnail shows only once the title is this high.
    static constexpr float kThumbnailHeight = 3.0f;
    static constexpr float kAlphaStep = 0.05f;
    // The title covers this fraction of its remaining way per update.
    static constexpr float kTitleEase = 20.0f;

    enum EMotion { kRaised = 0, kLowered = 1 };

    CMainMenuHover();

    // What an activated menu starts from: timers and alpha 0, title down,
    // every thumbnail hidden. The motion is kept, so a menu left while raised
    // shows its title rising again.
    void Reset();

    // One update with dt milliseconds; hovered is the kind under the cursor
    // (0..7) or -1 for none.
    void Step(float dt, int hovered);

    float GetHoverTime() const { return m_hover_time; }
    float GetIdleTime() const { return m_idle_time; }
    EMotion GetMotion() const { return m_motion; }
    float GetTitleY() const { return m_title_y; }
    float GetAlpha() const { return m_alpha; }
    bool IsThumbnailShown(int kind) const;
    int GetHovered() const { return m_hovered; }

private:
    float m_hover_time;
    float m_idle_time;
    EMotion m_motion;
    float m_title_y;
    float m_alpha;
    int m_hovered;
    bool m_shown[kKindCount];
};
