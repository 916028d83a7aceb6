#pragma once
// A screen that writes every call it receives into a shared log, so tests
// can check who was told what, and in which order.

#include <string>
#include <vector>

#include "engine/frame/CScreen.h"

class CFakeScreen : public CScreen
{
public:
    CFakeScreen(const std::string& name, std::vector<std::string>& log) : m_name(name), m_log(log) {}

    void Update(float dt) override { m_log.push_back(m_name + ".Update(" + std::to_string(static_cast<int>(dt)) + ")"); }
    void Draw() override { m_log.push_back(m_name + ".Draw"); }
    void Activate() override { m_log.push_back(m_name + ".Activate"); }
    void Deactivate() override { m_log.push_back(m_name + ".Deactivate"); }
    void OnKeyDown(int key) override { m_log.push_back(m_name + ".Key(" + std::to_string(key) + ")"); }
    void OnChar(int ch, int) override { m_log.push_back(m_name + ".Char(" + std::to_string(ch) + ")"); }
    void OnMouseMove(int x, int y, int) override { m_log.push_back(m_name + ".Move(" + Pos(x, y) + ")"); }
    void OnLButtonDown(int x, int y, int) override { m_log.push_back(m_name + ".LDown(" + Pos(x, y) + ")"); }
    void OnLButtonUp(int x, int y, int) override { m_log.push_back(m_name + ".LUp(" + Pos(x, y) + ")"); }
    void OnRButtonUp(int x, int y, int) override { m_log.push_back(m_name + ".RUp(" + Pos(x, y) + ")"); }
    void OnDialogClosed(int result, CScreen* dialog) override
    {
        m_log.push_back(m_name + ".DialogClosed(" + std::to_string(result) + "," + NameOf(dialog) + ")");
    }
    void OnScreenClosed(CScreen* screen) override { m_log.push_back(m_name + ".ScreenClosed(" + NameOf(screen) + ")"); }
    bool CoversWindow() const override { return m_covers; }
    void OnHiddenFrame() override { m_log.push_back(m_name + ".Hidden"); }

    // Drawn as an overlay, it hides the whole window.
    bool m_covers = false;

private:
    static std::string Pos(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    static std::string NameOf(CScreen* screen)
    {
        CFakeScreen* fake = dynamic_cast<CFakeScreen*>(screen);
        return fake != nullptr ? fake->m_name : std::string("?");
    }

    std::string m_name;
    std::vector<std::string>& m_log;
};
