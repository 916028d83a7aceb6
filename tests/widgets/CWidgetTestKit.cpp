#include "tests/widgets/CWidgetTestKit.h"

#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidget.h"
#include "tests/files/CTestPictures.h"

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
    const auto tga = CTestPictures::Tga(width, height, 32, std::vector<unsigned char>(width * height * 4u, 0));
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
