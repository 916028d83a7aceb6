// The edit box also takes player names, which are stored as values of
// key-value files that escape nothing: a double quote or two slashes side by
// side would corrupt the file on the next read, so neither can be entered.

#include "engine/widgets/CEditBox.h"

#include <map>
#include <random>
#include <string>

#include "engine/gfx/CTexture.h"
#include "platform/CKeyMap.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
// Types the text; {L} {R} {H} {E} {B} {D} {I} press Left, Right, Home, End,
// Backspace, Delete, Insert, {S} Shift alone, {v} V alone, {V} Control+V,
// {P} Shift+Insert.
void Keys(CEditBox& box, CFakeContext& context, const std::string& keys)
{
    for (std::size_t i = 0; i < keys.size(); ++i)
    {
        if (keys[i] != '{' || i + 2 >= keys.size() || keys[i + 2] != '}')
        {
            box.OnChar(static_cast<unsigned char>(keys[i]), 0);
            continue;
        }
        const char name = keys[i + 1];
        i += 2;
        if (name == 'V' || name == 'P' || name == 'v')
        {
            const int held = name == 'V' ? int(CKeyMap::VK_CONTROL) : name == 'P' ? int(CKeyMap::VK_SHIFT) : 0;
            context.m_heldKeys.insert(held);
            box.OnKeyDown(name == 'P' ? int(CKeyMap::VK_INSERT) : 'V');
            context.m_heldKeys.erase(held);
            continue;
        }
        static const std::map<char, int> keyOf = {
            {'L', CKeyMap::VK_LEFT}, {'R', CKeyMap::VK_RIGHT},  {'H', CKeyMap::VK_HOME},   {'E', CKeyMap::VK_END},
            {'B', CKeyMap::VK_BACK}, {'D', CKeyMap::VK_DELETE}, {'I', CKeyMap::VK_INSERT}, {'S', CKeyMap::VK_SHIFT}};
        box.OnKeyDown(keyOf.at(name));
    }
}

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

    void Type(const std::string& keys) { Keys(m_box, m_context, keys); }

    std::string Text() const { return m_box.GetText(); }

    std::unique_ptr<CTexture> m_texture;
    CEditBox m_box;
};
}

TEST_F(CEditBoxTest, KeysEditTheTextAtTheCaretWithinTheMaximumLengthAndNeverMakeAnUnstorableName)
{
    const struct
    {
        std::string keys;
        std::string clipboard;
        std::string text;
        int caret;
    } cases[] = {
        {"abc{L}{L}X", "", "aXbc", 2},
        {"ab{S}", "", "ab", 2},
        {"abcd{L}{B}", "", "abd", 2},
        {"ab{H}{B}", "", "ab", 0},
        {"abcd{H}{R}{D}", "", "acd", 1},
        {"ab{D}", "", "ab", 2},
        {"abc{R}", "", "abc", 3},
        {"abc{H}{L}", "", "abc", 0},
        {"abc{H}{E}", "", "abc", 3},
        {std::string("\x01\x08\x09\x0a\x0d\x1b\x1f\x7f\x80\xc8\xff") + " ~", "", " ~", 2},
        // At the maximum of ten a character typed inside pushes the last out, at the end it is dropped.
        {"0123456789{H}{R}{R}{R}x", "", "012x345678", 4},
        {"0123456789x", "", "0123456789", 10},
        {"ad{L}{V}", "bc", "abcd", 3},
        {"{V}", "a\tb\r\n\x80", "a b   ", 6},
        {"ab{L}{V}", std::string(50, 'x'), "axxxxxxxxx", 10},
        {"ab{H}{V}", "", "ab", 0},
        {"{v}{I}", "hi", "", 0},   // pasting needs Control+V or Shift+Insert
        {"{P}", "hi", "hi", 2},
        // Names: no double quote, no two slashes side by side, however they would come.
        {"a\"b", "", "ab", 2},
        {"a/b/c", "", "a/b/c", 5},
        {"a//b", "", "a/b", 3},
        {"a/b{H}{R}/", "", "a/b", 1},
        {"a/b{H}{R}{R}/", "", "a/b", 2},
        {"abcdefghi/{H}{R}{R}\"{E}{L}/", "", "abcdefghi/", 9},
        {"{V}", "x//\"y///z\"", "x/y/z", 5},
        {"a/{V}", "/b", "a/b", 3},
        {"a/b{H}{R}{R}{V}", "c/", "a/c/b", 4},
        {"a/c/b{H}{R}{R}{V}", "/", "a/c/b", 2},
        {"/x/{H}{R}{R}{B}", "", "/", 1},
        {"a/x/b{H}{R}{R}{D}", "", "a/b", 2},
    };
    for (const auto& c : cases)
    {
        CFakeOwner owner;
        CFakeContext context;
        CEditBox box(&owner, nullptr, 35.0f, m_texture.get());
        box.OnLButtonDown(10, 10, 0);
        if (!c.clipboard.empty())
            context.SetClipboard(c.clipboard);
        Keys(box, context, c.keys);
        EXPECT_EQ(box.GetText(), c.text) << c.keys;
        EXPECT_EQ(box.GetCaret(), c.caret) << c.keys;
    }
}

TEST_F(CEditBoxTest, OnlyAnEnabledFocusedBoxTakesKeysEveryKeyButNoCharacterSoundsAndResetKeepsBoth)
{
    Type("abc{H}");
    EXPECT_EQ(Text(), "");
    m_box.SetEnabled(false);
    EXPECT_FALSE(m_box.OnLButtonDown(150, 120, 0));
    EXPECT_FALSE(m_box.OnLButtonUp(150, 120, 0));
    EXPECT_FALSE(m_box.OnMouseMove(150, 120, 0));
    EXPECT_FALSE(m_box.IsFocused());
    EXPECT_TRUE(m_context.m_sounds.empty());
    m_box.SetEnabled(true);

    // A press inside focuses with the click sound, a release inside too; a press outside unfocuses.
    EXPECT_TRUE(m_box.OnLButtonDown(150, 120, 0));
    EXPECT_EQ(m_context.m_sounds, std::vector<int>{CWidget::kClickSound});
    EXPECT_FALSE(m_box.OnLButtonDown(10, 10, 0));
    EXPECT_FALSE(m_box.IsFocused());
    EXPECT_TRUE(m_box.OnLButtonUp(150, 120, 0));
    m_box.Reset();
    EXPECT_TRUE(m_box.IsFocused());
    EXPECT_TRUE(m_owner.m_commands.empty());

    m_context.m_sounds.clear();
    Type("ab{S}{H}");
    EXPECT_EQ(m_context.m_sounds, std::vector<int>(2, CWidget::kHoverSound));
    m_box.Reset();
    m_box.SetEnabled(false);
    Type("c{S}");
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(m_context.m_sounds.size(), 2u);
}

TEST_F(CEditBoxTest, MaximumLengthIsClampedToTheBufferAndLoweringItCutsTheText)
{
    m_box.SetMaxLength(-4);
    EXPECT_EQ(m_box.GetMaxLength(), 0);
    Focus();
    Type("a");
    EXPECT_EQ(Text(), "");
    m_box.SetMaxLength(5000);
    EXPECT_EQ(m_box.GetMaxLength(), CEditBox::kTextLimit);
    m_context.SetClipboard(std::string(1 << 20, 'y'));
    Type("{V}");
    EXPECT_EQ(Text().size(), static_cast<std::size_t>(CEditBox::kTextLimit));
    m_box.SetMaxLength(3);
    EXPECT_EQ(Text(), "yyy");
    EXPECT_EQ(m_box.GetCaret(), 3);
}

TEST_F(CEditBoxTest, CaretFlipsOnceAfterMoreThanTheBlinkPeriodAndEditingShowsIt)
{
    // Each row: milliseconds passed, caret shown after.
    const std::vector<std::pair<float, bool>> steps = {
        {500.0f, false}, {0.5f, true}, {500.0f, true}, {1.0f, false}, {1700.0f, true}, {1.0f, true}};
    CEditBox idle(&m_owner, nullptr, 35.0f, m_texture.get());
    for (const auto& step : steps)
    {
        idle.Update(step.first);
        EXPECT_EQ(idle.IsCaretShown(), step.second) << step.first;
    }
    Focus();
    m_box.Update(400.0f);
    Type("a");
    EXPECT_TRUE(m_box.IsCaretShown());
    m_box.Update(101.0f);
    EXPECT_FALSE(m_box.IsCaretShown());   // the edit did not restart the blink
}

TEST_F(CEditBoxTest, AnyEditingLeavesAStorableName)
{
    Focus();
    m_box.SetMaxLength(15);
    std::mt19937 random(1234);
    const std::string alphabet = "ab /\"\t";
    const char* keys[] = {"{B}", "{D}", "{H}", "{E}", "{L}", "{R}", "{V}"};
    for (int step = 0; step < 20000; ++step)
    {
        if (random() % 2 == 0)
            Type(std::string(1, alphabet[random() % alphabet.size()]));
        else
        {
            std::string clip;
            for (std::size_t i = random() % 8; i > 0; --i)
                clip.push_back(alphabet[random() % alphabet.size()]);
            m_context.SetClipboard(clip);
            Type(keys[random() % 7]);
        }
        const std::string text = Text();
        ASSERT_TRUE(text.find('"') == std::string::npos && text.find("//") == std::string::npos)
            << "after step " << step << ": " << text;
        ASSERT_LE(text.size(), 15u);
        ASSERT_LE(m_box.GetCaret(), static_cast<int>(text.size()));
    }
}
