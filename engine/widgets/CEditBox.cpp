#include "engine/widgets/CEditBox.h"

#include <GL/gl.h>

#include <algorithm>

#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidgetContext.h"
#include "platform/CKeyMap.h"

namespace
{
constexpr int kKeyV = 'V';

constexpr float kCaretWidth = 3.0f;

bool IsPrintable(int c)
{
    return c >= 32 && c <= 126;
}
}

CEditBox::CEditBox(CCommandTarget* owner, CBitmapFont* font, float fontSize, CTexture* texture)
    : m_textInset(7.0f)
    , m_owner(owner)
    , m_texture(texture)
    , m_position(0.0f, 0.0f, 0.0f)
    , m_width(130.0f)
    , m_height(60.0f)
    , m_state(kUnfocused)
    , m_color{1.0f, 1.0f, 0.0f, 1.0f}
    , m_font(font)
    , m_fontSize(fontSize)
    , m_maxLength(10)
    , m_enabled(true)
    , m_caretShown(false)
    , m_blinkPeriod(kBlinkPeriod)
    , m_blinkTime(0.0f)
    , m_caret(0)
{
    // Sized now as well as at every draw, so that a click before the first
    // frame hits the box as it will be seen.
    SizeFromTexture();
}

CEditBox::~CEditBox() = default;

void CEditBox::SizeFromTexture()
{
    if (!m_texture)
        return;
    m_width = static_cast<float>(m_texture->GetWidth());
    m_height = static_cast<float>(m_texture->GetHeight()) / 2.0f;
}

void CEditBox::SetFocused(bool focused)
{
    m_state = focused ? kFocused : kUnfocused;
}

bool CEditBox::OnMouseMove(int x, int y, unsigned)
{
    return m_enabled && IsInside(x, y, m_position, m_width, m_height);
}

bool CEditBox::OnLButtonDown(int x, int y, unsigned)
{
    if (!m_enabled)
        return false;
    if (IsInside(x, y, m_position, m_width, m_height)) {
        CWidgetContext::Current().PlaySound(kClickSound);
        m_state = kFocused;
        return true;
    }
    m_state = kUnfocused;
    return false;
}

bool CEditBox::OnLButtonUp(int x, int y, unsigned)
{
    if (!m_enabled || !IsInside(x, y, m_position, m_width, m_height))
        return false;
    m_state = kFocused;
    return true;
}

void CEditBox::OnKeyDown(int key)
{
    if (!m_enabled || m_state != kFocused)
        return;
    CWidgetContext& context = CWidgetContext::Current();
    context.PlaySound(kHoverSound);
    const int length = static_cast<int>(m_text.size());
    switch (key) {
    case CKeyMap::VK_BACK:
        if (m_caret > 0) {
            --m_caret;
            DeleteAt(m_caret);
            m_caretShown = true;
        }
        return;
    case CKeyMap::VK_DELETE:
        if (m_caret < length) {
            DeleteAt(m_caret);
            m_caretShown = true;
        }
        return;
    case CKeyMap::VK_HOME:
        m_caret = 0;
        m_caretShown = true;
        return;
    case CKeyMap::VK_END:
        m_caret = length;
        m_caretShown = true;
        return;
    case CKeyMap::VK_LEFT:
        if (m_caret > 0) {
            --m_caret;
            m_caretShown = true;
        }
        return;
    case CKeyMap::VK_RIGHT:
        if (m_caret < length) {
            ++m_caret;
            m_caretShown = true;
        }
        return;
    default:
        break;
    }
    if ((key == kKeyV && context.IsKeyDown(CKeyMap::VK_CONTROL)) ||
        (key == CKeyMap::VK_INSERT && context.IsKeyDown(CKeyMap::VK_SHIFT)))
        Paste();
}

void CEditBox::OnChar(unsigned short code, unsigned int)
{
    if (!m_enabled || m_state != kFocused || !IsPrintable(code))
        return;
    const char c = static_cast<char>(code);
    // Refused before inserting: at full length an insert pushes the last
    // character out, which a refused character must not do.
    if (!MayStandAt(c, m_caret))
        return;
    Insert(std::string(1, c));
}

void CEditBox::Update(float dt)
{
    m_blinkTime += dt;
    if (m_blinkTime > m_blinkPeriod) {
        m_caretShown = !m_caretShown;
        m_blinkTime = 0.0f;
    }
}

void CEditBox::Draw()
{
    SizeFromTexture();
    if (!m_enabled || !m_texture)
        return;
    const float x = m_position.x;
    const float y = m_position.y;
    const float size = GetTextSize();
    const float margin = (m_height - size) / 2.0f;
    DrawStripFrame(m_texture, x, y, 0.0f, m_width, m_height, m_state, 0.5f);

    if (!m_caretApart)
        DrawCaret();

    glColor3f(1.0f, 1.0f, 1.0f);
    glTranslatef(0.0f, 0.0f, 0.5f);
    if (m_font) {
        m_font->DrawText(m_text.c_str(), size, x + m_textInset, y + m_height - margin,
                         20.0f, m_color[0], m_color[1], m_color[2], m_color[3], false);
    }
    glTranslatef(0.0f, 0.0f, -0.5f);
    glDisable(GL_BLEND);
}

CDraw2D::SRect CEditBox::GetCaretRect() const
{
    const float size = GetTextSize();
    const float margin = (m_height - size) / 2.0f;
    const std::string before = m_text.substr(0, static_cast<std::size_t>(m_caret));
    const float w = m_font ? m_font->GetTextWidth(before.c_str(), size) : 0.0f;
    return {m_position.x + m_textInset + w, m_position.y + margin, kCaretWidth, m_height - 2.0f * margin};
}

void CEditBox::DrawCaret() const
{
    if (!m_enabled || !m_caretShown || m_state != kFocused)
        return;
    const CDraw2D::SRect caret = GetCaretRect();
    const bool depth = CDraw2D::IsDepthTestOn();
    CDraw2D::SetDepthTest(false);
    CDraw2D::SetTexturing(false);
    CDraw2D::SetColor(m_color[0], m_color[1], m_color[2], m_color[3]);
    glBegin(GL_QUADS);
    glVertex3f(caret.x, caret.y, 0.0f);
    glVertex3f(caret.x, caret.y + caret.height, 0.0f);
    glVertex3f(caret.x + caret.width, caret.y + caret.height, 0.0f);
    glVertex3f(caret.x + caret.width, caret.y, 0.0f);
    glEnd();
    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    CDraw2D::SetDepthTest(depth);
}

float CEditBox::GetTextSize() const
{
    if (!m_font)
        return m_fontSize;
    // The text and the caret after it, between the insets.
    const float room = m_width - 2.0f * m_textInset - kCaretWidth;
    const float width = m_font->GetTextWidth(m_text.c_str(), m_fontSize);
    // The width grows in step with the size.
    return width <= room || room <= 0.0f ? m_fontSize : m_fontSize * room / width;
}

void CEditBox::SetPosition(float x, float y, float z)
{
    m_position = CVector4(x, y, z);
}

void CEditBox::SetMaxLength(int length)
{
    m_maxLength = std::clamp(length, 0, kTextLimit);
    if (static_cast<int>(m_text.size()) > m_maxLength)
        m_text.resize(static_cast<std::size_t>(m_maxLength));
    m_caret = std::min(m_caret, static_cast<int>(m_text.size()));
}

void CEditBox::SetTextInset(float inset)
{
    m_textInset = inset;
}

void CEditBox::SetEnabled(bool enabled)
{
    m_enabled = enabled;
}

// A double quote would end a quoted value early, and two slashes start a
// comment that swallows the rest of the line, quotes or not.
bool CEditBox::MayStandAt(char c, int index) const
{
    if (c == '"')
        return false;
    if (c != '/')
        return true;
    const int length = static_cast<int>(m_text.size());
    const bool slashBefore = index > 0 && m_text[static_cast<std::size_t>(index - 1)] == '/';
    const bool slashAfter = index < length && m_text[static_cast<std::size_t>(index)] == '/';
    return !slashBefore && !slashAfter;
}

// At full length a character typed inside the text pushes the last one out;
// one typed at the end is dropped.
void CEditBox::Insert(std::string piece)
{
    const std::size_t caret = static_cast<std::size_t>(m_caret);
    std::string joined = m_text.substr(0, caret) + piece + m_text.substr(caret);
    joined.resize(std::min<std::size_t>(joined.size(), static_cast<std::size_t>(kTextLimit)));
    joined.resize(std::min<std::size_t>(joined.size(), static_cast<std::size_t>(m_maxLength)));
    m_text = joined;
    m_caret = std::min(m_caret + static_cast<int>(piece.size()), m_maxLength);
    m_caretShown = true;
}

void CEditBox::DeleteAt(int index)
{
    if (index < 0 || index >= static_cast<int>(m_text.size()))
        return;
    const std::size_t at = static_cast<std::size_t>(index);
    m_text.erase(at, 1);
    // Closing the gap must not bring two slashes together.
    if (at > 0 && at < m_text.size() && m_text[at - 1] == '/' && m_text[at] == '/')
        m_text.erase(at, 1);
}

void CEditBox::Paste()
{
    std::string clip;
    if (!CWidgetContext::Current().GetClipboardText(clip))
        return;
    // Nothing beyond the longest text can stay, however much was copied.
    if (clip.size() > static_cast<std::size_t>(kTextLimit))
        clip.resize(static_cast<std::size_t>(kTextLimit));

    std::string piece;
    for (char raw : clip) {
        const unsigned char byte = static_cast<unsigned char>(raw);
        const char c = IsPrintable(byte) ? raw : ' ';
        if (c == '"')
            continue;
        if (c == '/') {
            const bool slashBefore = piece.empty()
                ? m_caret > 0 && m_text[static_cast<std::size_t>(m_caret - 1)] == '/'
                : piece.back() == '/';
            if (slashBefore)
                continue;
        }
        piece.push_back(c);
    }
    if (!piece.empty() && piece.back() == '/' && m_caret < static_cast<int>(m_text.size()) &&
        m_text[static_cast<std::size_t>(m_caret)] == '/')
        piece.pop_back();
    Insert(piece);
}

void CEditBox::AddLook(std::vector<float>& look) const
{
    look.insert(look.end(), {m_position.x, m_position.y, m_position.z, m_width, m_height, static_cast<float>(m_state),
                             m_enabled ? 1.0f : 0.0f, m_caretShown && !m_caretApart ? 1.0f : 0.0f,
                             static_cast<float>(m_caret),
                             m_textInset, m_texture ? static_cast<float>(m_texture->GetId()) : 0.0f,
                             static_cast<float>(m_text.size())});
    for (char c : m_text)
        look.push_back(static_cast<float>(static_cast<unsigned char>(c)));
}
