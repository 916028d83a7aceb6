#include "engine/widgets/CEditBox.h"

#include <string>

#include "engine/gfx/CTexture.h"
#include "platform/CKeyMap.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
class CEditBoxTest : public CWidgetTest
{
protected:
    CEditBoxTest()
        : m_texture(MakeTexture(200, 100))
        , m_box(&m_owner, nullptr, 35.0f, m_texture.get())
    {
        m_box.SetPosition(100.0f, 100.0f, 10.0f);
    }

    void Focus()
    {
        m_box.OnLButtonDown(150, 120, 0);
        m_box.OnLButtonUp(150, 120, 0);
        m_context.m_sounds.clear();
    }

    void Type(const std::string& text)
    {
        for (char c : text)
            m_box.OnChar(static_cast<unsigned char>(c), 0);
    }

    void Key(int key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            m_box.OnKeyDown(key);
    }

    std::string Text() const { return m_box.GetText(); }

    std::unique_ptr<CTexture> m_texture;
    CEditBox m_box;
};
}

TEST_F(CEditBoxTest, StartsEmptyUnfocusedAndEnabled)
{
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(m_box.GetState(), CEditBox::kUnfocused);
    EXPECT_TRUE(m_box.IsEnabled());
    EXPECT_EQ(m_box.GetMaxLength(), 10);
    EXPECT_EQ(m_box.GetCaret(), 0);
    EXPECT_FALSE(m_box.IsCaretShown());
    EXPECT_FLOAT_EQ(m_box.GetWidth(), 200.0f);
    EXPECT_FLOAT_EQ(m_box.GetHeight(), 50.0f);
}

TEST_F(CEditBoxTest, AnUnfocusedBoxIgnoresKeysAndCharactersSilently)
{
    Type("abc");
    Key(CKeyMap::VK_HOME);
    EXPECT_EQ(Text(), "");
    EXPECT_TRUE(m_context.m_sounds.empty());
}

TEST_F(CEditBoxTest, ADisabledBoxIgnoresEverything)
{
    m_box.SetEnabled(false);
    EXPECT_FALSE(m_box.OnLButtonDown(150, 120, 0));
    EXPECT_FALSE(m_box.OnLButtonUp(150, 120, 0));
    EXPECT_FALSE(m_box.OnMouseMove(150, 120, 0));
    EXPECT_FALSE(m_box.IsFocused());
    Type("abc");
    EXPECT_EQ(Text(), "");
    EXPECT_TRUE(m_context.m_sounds.empty());
}

TEST_F(CEditBoxTest, DisablingAFocusedBoxStopsTyping)
{
    Focus();
    m_box.SetEnabled(false);
    Type("a");
    Key(CKeyMap::VK_SHIFT);
    EXPECT_EQ(Text(), "");
    EXPECT_TRUE(m_context.m_sounds.empty());
}

TEST_F(CEditBoxTest, AClickFocusesWithTheClickSound)
{
    EXPECT_TRUE(m_box.OnLButtonDown(150, 120, 0));
    EXPECT_TRUE(m_box.IsFocused());
    EXPECT_EQ(m_context.m_sounds, std::vector<int>{CWidget::kClickSound});
    EXPECT_TRUE(m_owner.m_commands.empty());
}

TEST_F(CEditBoxTest, AClickOutsideUnfocuses)
{
    Focus();
    EXPECT_FALSE(m_box.OnLButtonDown(10, 10, 0));
    EXPECT_FALSE(m_box.IsFocused());
}

TEST_F(CEditBoxTest, AReleaseInsideFocuses)
{
    EXPECT_TRUE(m_box.OnLButtonUp(150, 120, 0));
    EXPECT_TRUE(m_box.IsFocused());
    EXPECT_FALSE(m_box.OnLButtonUp(10, 10, 0));
    EXPECT_TRUE(m_box.IsFocused());
}

TEST_F(CEditBoxTest, MouseMoveOnlyReportsWhetherItHit)
{
    EXPECT_TRUE(m_box.OnMouseMove(300, 150, 0));
    EXPECT_FALSE(m_box.OnMouseMove(301, 150, 0));
    EXPECT_FALSE(m_box.IsFocused());
    EXPECT_TRUE(m_context.m_sounds.empty());
}

TEST_F(CEditBoxTest, TypingInsertsAtTheCaretAndShowsIt)
{
    Focus();
    Type("abc");
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(m_box.GetCaret(), 3);
    EXPECT_TRUE(m_box.IsCaretShown());
    Key(CKeyMap::VK_LEFT, 2);
    Type("X");
    EXPECT_EQ(Text(), "aXbc");
    EXPECT_EQ(m_box.GetCaret(), 2);
}

TEST_F(CEditBoxTest, TypingPlaysNoSoundButEveryKeyDoes)
{
    Focus();
    Type("ab");
    EXPECT_TRUE(m_context.m_sounds.empty());
    Key(CKeyMap::VK_SHIFT);
    Key(CKeyMap::VK_RETURN);
    Key(CKeyMap::VK_HOME);
    EXPECT_EQ(m_context.m_sounds, std::vector<int>(3, CWidget::kHoverSound));
}

TEST_F(CEditBoxTest, ShiftAloneChangesNothing)
{
    Focus();
    Type("ab");
    Key(CKeyMap::VK_SHIFT);
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(m_box.GetCaret(), 2);
}

TEST_F(CEditBoxTest, ControlAndHighCharactersAreNotTyped)
{
    Focus();
    for (unsigned short code : {0, 8, 9, 10, 13, 27, 31, 127, 128, 200, 255, 0x263a})
        m_box.OnChar(code, 0);
    EXPECT_EQ(Text(), "");
    m_box.OnChar(32, 0);
    m_box.OnChar(126, 0);
    EXPECT_EQ(Text(), " ~");
}

TEST_F(CEditBoxTest, BackspaceDeletesBeforeTheCaret)
{
    Focus();
    Type("abcd");
    Key(CKeyMap::VK_LEFT);
    Key(CKeyMap::VK_BACK);
    EXPECT_EQ(Text(), "abd");
    EXPECT_EQ(m_box.GetCaret(), 2);
}

TEST_F(CEditBoxTest, BackspaceAtTheStartChangesNothingButSounds)
{
    Focus();
    Type("ab");
    Key(CKeyMap::VK_HOME);
    m_context.m_sounds.clear();
    Key(CKeyMap::VK_BACK);
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(m_box.GetCaret(), 0);
    EXPECT_EQ(m_context.m_sounds, std::vector<int>{CWidget::kHoverSound});
}

TEST_F(CEditBoxTest, DeleteRemovesAtTheCaret)
{
    Focus();
    Type("abcd");
    Key(CKeyMap::VK_HOME);
    Key(CKeyMap::VK_RIGHT);
    Key(CKeyMap::VK_DELETE);
    EXPECT_EQ(Text(), "acd");
    EXPECT_EQ(m_box.GetCaret(), 1);
}

TEST_F(CEditBoxTest, DeleteAtTheEndChangesNothingButSounds)
{
    Focus();
    Type("ab");
    m_context.m_sounds.clear();
    Key(CKeyMap::VK_DELETE);
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(m_context.m_sounds, std::vector<int>{CWidget::kHoverSound});
}

TEST_F(CEditBoxTest, HomeEndAndArrowsStayWithinTheText)
{
    Focus();
    Type("abc");
    Key(CKeyMap::VK_RIGHT);
    EXPECT_EQ(m_box.GetCaret(), 3);
    Key(CKeyMap::VK_HOME);
    EXPECT_EQ(m_box.GetCaret(), 0);
    Key(CKeyMap::VK_LEFT);
    EXPECT_EQ(m_box.GetCaret(), 0);
    Key(CKeyMap::VK_END);
    EXPECT_EQ(m_box.GetCaret(), 3);
}

TEST_F(CEditBoxTest, AtFullLengthACharacterTypedInsidePushesTheLastOut)
{
    Focus();
    Type("0123456789");
    Key(CKeyMap::VK_HOME);
    Key(CKeyMap::VK_RIGHT, 3);
    Type("x");
    EXPECT_EQ(Text(), "012x345678");
    EXPECT_EQ(m_box.GetCaret(), 4);
}

TEST_F(CEditBoxTest, AtFullLengthACharacterTypedAtTheEndIsDropped)
{
    Focus();
    Type("0123456789");
    Type("x");
    EXPECT_EQ(Text(), "0123456789");
    EXPECT_EQ(m_box.GetCaret(), 10);
}

TEST_F(CEditBoxTest, ControlVPastesAtTheCaret)
{
    Focus();
    Type("ad");
    Key(CKeyMap::VK_LEFT);
    m_context.SetClipboard("bc");
    Key('V');
    EXPECT_EQ(Text(), "ad");
    m_context.m_heldKeys.insert(CKeyMap::VK_CONTROL);
    Key('V');
    EXPECT_EQ(Text(), "abcd");
    EXPECT_EQ(m_box.GetCaret(), 3);
}

TEST_F(CEditBoxTest, ShiftInsertPastes)
{
    Focus();
    m_context.SetClipboard("hi");
    Key(CKeyMap::VK_INSERT);
    EXPECT_EQ(Text(), "");
    m_context.m_heldKeys.insert(CKeyMap::VK_SHIFT);
    Key(CKeyMap::VK_INSERT);
    EXPECT_EQ(Text(), "hi");
}

TEST_F(CEditBoxTest, PasteTurnsUnprintableCharactersIntoBlanks)
{
    Focus();
    m_context.SetClipboard("a\tb\r\n\x80");
    m_context.m_heldKeys.insert(CKeyMap::VK_CONTROL);
    Key('V');
    EXPECT_EQ(Text(), "a b   ");
}

TEST_F(CEditBoxTest, PasteWithoutClipboardTextDoesNothing)
{
    Focus();
    Type("ab");
    Key(CKeyMap::VK_HOME);
    m_box.Update(501.0f);
    ASSERT_FALSE(m_box.IsCaretShown());
    m_context.m_heldKeys.insert(CKeyMap::VK_CONTROL);
    Key('V');
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(m_box.GetCaret(), 0);
    EXPECT_FALSE(m_box.IsCaretShown());
}

TEST_F(CEditBoxTest, PasteIsBoundedByTheMaximumLength)
{
    Focus();
    Type("ab");
    Key(CKeyMap::VK_LEFT);
    m_context.SetClipboard(std::string(50, 'x'));
    m_context.m_heldKeys.insert(CKeyMap::VK_CONTROL);
    Key('V');
    EXPECT_EQ(Text(), "axxxxxxxxx");
    EXPECT_EQ(m_box.GetCaret(), 10);
}

TEST_F(CEditBoxTest, AHugePasteKeepsTheTextBelowTheBuffer)
{
    m_box.SetMaxLength(5000);
    EXPECT_EQ(m_box.GetMaxLength(), CEditBox::kTextLimit);
    Focus();
    m_context.SetClipboard(std::string(1 << 20, 'y'));
    m_context.m_heldKeys.insert(CKeyMap::VK_CONTROL);
    Key('V');
    EXPECT_EQ(Text().size(), static_cast<std::size_t>(CEditBox::kTextLimit));
    EXPECT_EQ(m_box.GetCaret(), CEditBox::kTextLimit);
}

TEST_F(CEditBoxTest, MaximumLengthIsClamped)
{
    m_box.SetMaxLength(-4);
    EXPECT_EQ(m_box.GetMaxLength(), 0);
    Focus();
    Type("a");
    EXPECT_EQ(Text(), "");
    m_box.SetMaxLength(1024);
    EXPECT_EQ(m_box.GetMaxLength(), 1023);
}

TEST_F(CEditBoxTest, LoweringTheMaximumCutsTheText)
{
    Focus();
    Type("abcdef");
    m_box.SetMaxLength(3);
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(m_box.GetCaret(), 3);
}

TEST_F(CEditBoxTest, CaretFlipsOnlyAfterMoreThanTheBlinkPeriod)
{
    m_box.Update(500.0f);
    EXPECT_FALSE(m_box.IsCaretShown());
    m_box.Update(0.5f);
    EXPECT_TRUE(m_box.IsCaretShown());
    m_box.Update(500.0f);
    EXPECT_TRUE(m_box.IsCaretShown());
    m_box.Update(1.0f);
    EXPECT_FALSE(m_box.IsCaretShown());
}

TEST_F(CEditBoxTest, ALongFrameFlipsOnce)
{
    m_box.Update(1700.0f);
    EXPECT_TRUE(m_box.IsCaretShown());
    m_box.Update(1.0f);
    EXPECT_TRUE(m_box.IsCaretShown());
}

TEST_F(CEditBoxTest, EditingShowsTheCaretWithoutRestartingTheBlink)
{
    Focus();
    m_box.Update(400.0f);
    Type("a");
    EXPECT_TRUE(m_box.IsCaretShown());
    m_box.Update(101.0f);
    EXPECT_FALSE(m_box.IsCaretShown());
}

TEST_F(CEditBoxTest, ResetKeepsFocusAndText)
{
    Focus();
    Type("ab");
    m_box.Reset();
    EXPECT_TRUE(m_box.IsFocused());
    EXPECT_EQ(Text(), "ab");
}

TEST_F(CEditBoxTest, AnOwnerScreenPassesEventsThrough)
{
    m_owner.AddChild(&m_box);
    m_owner.OnLButtonDown(150, 120, 0);
    m_owner.OnLButtonUp(150, 120, 0);
    m_owner.OnChar('Z', 1);
    m_owner.OnKeyDown(CKeyMap::VK_HOME);
    m_owner.OnChar('A', 1);
    EXPECT_EQ(Text(), "AZ");
}
