// The edit box takes player names, which are stored as values of key-value
// files that escape nothing: a double quote or two slashes side by side
// would corrupt the file on the next read.

#include "engine/widgets/CEditBox.h"

#include <cstdio>
#include <random>
#include <string>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CTexture.h"
#include "platform/CKeyMap.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
class CEditBoxNameSafetyTest : public CWidgetTest
{
protected:
    CEditBoxNameSafetyTest()
        : m_texture(MakeTexture(200, 100))
        , m_box(&m_owner, nullptr, 35.0f, m_texture.get())
    {
        m_box.SetMaxLength(15);
        m_box.OnLButtonDown(10, 10, 0);
        m_context.m_heldKeys.insert(CKeyMap::VK_CONTROL);
    }

    void Type(const std::string& text)
    {
        for (char c : text)
            m_box.OnChar(static_cast<unsigned char>(c), 0);
    }

    void Paste(const std::string& text)
    {
        m_context.SetClipboard(text);
        m_box.OnKeyDown('V');
    }

    void MoveCaretTo(int index)
    {
        m_box.OnKeyDown(CKeyMap::VK_HOME);
        for (int i = 0; i < index; ++i)
            m_box.OnKeyDown(CKeyMap::VK_RIGHT);
    }

    std::string Text() const { return m_box.GetText(); }

    std::unique_ptr<CTexture> m_texture;
    CEditBox m_box;
};

bool IsStorable(const std::string& text)
{
    return text.find('"') == std::string::npos && text.find("//") == std::string::npos;
}
}

TEST_F(CEditBoxNameSafetyTest, ADoubleQuoteIsNotTyped)
{
    Type("a\"b");
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(m_box.GetCaret(), 2);
}

TEST_F(CEditBoxNameSafetyTest, SingleSlashesAreTyped)
{
    Type("a/b/c");
    EXPECT_EQ(Text(), "a/b/c");
}

TEST_F(CEditBoxNameSafetyTest, ASlashIsNotTypedNextToAnother)
{
    Type("a//b");
    EXPECT_EQ(Text(), "a/b");
    MoveCaretTo(1);
    Type("/");
    EXPECT_EQ(Text(), "a/b");
    MoveCaretTo(2);
    Type("/");
    EXPECT_EQ(Text(), "a/b");
    EXPECT_EQ(m_box.GetCaret(), 2);
}

TEST_F(CEditBoxNameSafetyTest, ARefusedCharacterAtFullLengthPushesNothingOut)
{
    Type("abcdefghijklmn/");
    ASSERT_EQ(Text().size(), 15u);
    MoveCaretTo(3);
    Type("\"");
    MoveCaretTo(14);
    Type("/");
    EXPECT_EQ(Text(), "abcdefghijklmn/");
}

TEST_F(CEditBoxNameSafetyTest, PasteDropsQuotesAndCollapsesSlashRuns)
{
    Paste("x//\"y///z\"");
    EXPECT_EQ(Text(), "x/y/z");
    EXPECT_EQ(m_box.GetCaret(), 5);
}

TEST_F(CEditBoxNameSafetyTest, PasteDoesNotJoinASlashOnEitherSide)
{
    Type("a/");
    Paste("/b");
    EXPECT_EQ(Text(), "a/b");
    MoveCaretTo(2);
    Paste("c/");
    EXPECT_EQ(Text(), "a/c/b");
    MoveCaretTo(2);
    Paste("/");
    EXPECT_EQ(Text(), "a/c/b");
}

TEST_F(CEditBoxNameSafetyTest, BackspaceDoesNotBringTwoSlashesTogether)
{
    Type("/x/");
    MoveCaretTo(2);
    m_box.OnKeyDown(CKeyMap::VK_BACK);
    EXPECT_EQ(Text(), "/");
    EXPECT_EQ(m_box.GetCaret(), 1);
}

TEST_F(CEditBoxNameSafetyTest, DeleteDoesNotBringTwoSlashesTogether)
{
    Type("a/x/b");
    MoveCaretTo(2);
    m_box.OnKeyDown(CKeyMap::VK_DELETE);
    EXPECT_EQ(Text(), "a/b");
    EXPECT_EQ(m_box.GetCaret(), 2);
}

TEST_F(CEditBoxNameSafetyTest, AnyEditingLeavesAStorableName)
{
    std::mt19937 random(1234);
    const std::string alphabet = "ab /\"\t";
    const int keys[] = {CKeyMap::VK_BACK, CKeyMap::VK_DELETE, CKeyMap::VK_HOME, CKeyMap::VK_END,
                        CKeyMap::VK_LEFT, CKeyMap::VK_RIGHT, 'V'};
    for (int step = 0; step < 20000; ++step) {
        const int action = static_cast<int>(random() % 3);
        if (action == 0) {
            Type(std::string(1, alphabet[random() % alphabet.size()]));
        } else if (action == 1) {
            std::string clip;
            const std::size_t length = random() % 8;
            for (std::size_t i = 0; i < length; ++i)
                clip.push_back(alphabet[random() % alphabet.size()]);
            m_context.SetClipboard(clip);
            m_box.OnKeyDown('V');
        } else {
            m_box.OnKeyDown(keys[random() % (sizeof(keys) / sizeof(keys[0]))]);
        }
        const std::string text = Text();
        ASSERT_TRUE(IsStorable(text)) << "after step " << step << ": " << text;
        ASSERT_LE(text.size(), 15u);
        ASSERT_GE(m_box.GetCaret(), 0);
        ASSERT_LE(m_box.GetCaret(), static_cast<int>(text.size()));
    }
}

TEST_F(CEditBoxNameSafetyTest, ATypedNameSurvivesAKeyValueRoundTrip)
{
    // Every printable character, as a player might try them.
    m_box.SetMaxLength(CEditBox::kTextLimit);
    for (int c = 32; c <= 126; ++c)
        Type(std::string(1, static_cast<char>(c)) + "/");
    Paste("//\"q\" //r//");
    const std::string name = Text();
    ASSERT_FALSE(name.empty());

    CConfigFile written;
    written.SetValue("name1", name);
    written.SetInt("score1", 77);
    const std::string text = written.ToText();

    CConfigFile read;
    read.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text.data()), text.size(), true);
    EXPECT_EQ(read.GetValue("name1", ""), name);
    EXPECT_EQ(read.GetValue("score1", ""), "77");
}
