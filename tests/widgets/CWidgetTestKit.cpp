#include "tests/widgets/CWidgetTestKit.h"

#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidget.h"

void CFakeOwner::OnCommand(CWidget* sender)
{
    CScreen::OnCommand(sender);
    m_commands.push_back(sender);
    if (m_handler)
        m_handler(sender);
}

CFakeContext::CFakeContext()
{
    CWidgetContext::Install(this);
}

CFakeContext::~CFakeContext() = default;

void CFakeContext::PlaySound(int id)
{
    m_sounds.push_back(id);
}

bool CFakeContext::GetClipboardText(std::string& text)
{
    if (!m_hasClipboard)
        return false;
    text = m_clipboard;
    return true;
}

bool CFakeContext::IsKeyDown(int virtualKey)
{
    return m_heldKeys.count(virtualKey) != 0;
}

void CFakeContext::SetClipboard(const std::string& text)
{
    m_hasClipboard = true;
    m_clipboard = text;
}

std::unique_ptr<CTexture> MakeTexture(int width, int height)
{
    CTexture::SetUploadEnabled(false);
    std::vector<unsigned char> tga(18 + static_cast<std::size_t>(width) * height * 4, 0);
    tga[2] = 2;
    tga[12] = static_cast<unsigned char>(width & 0xff);
    tga[13] = static_cast<unsigned char>(width >> 8);
    tga[14] = static_cast<unsigned char>(height & 0xff);
    tga[15] = static_cast<unsigned char>(height >> 8);
    tga[16] = 32;
    auto texture = std::make_unique<CTexture>();
    EXPECT_TRUE(texture->DecodeTga(tga.data(), tga.size(), false, false));
    return texture;
}

bool ApplyStep(CWidget& widget, const SWidgetStep& step, bool& handled)
{
    switch (step.input)
    {
    case 'm': handled = widget.OnMouseMove(step.x, step.y, 0); return true;
    case 'd': handled = widget.OnLButtonDown(step.x, step.y, 0); return true;
    case 'u': handled = widget.OnLButtonUp(step.x, step.y, 0); return true;
    case 'r': widget.Reset(); return true;
    default: return false;
    }
}
