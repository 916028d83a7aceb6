#include "tests/gamemenu/CFakeKind.h"

#include "games/GameKinds.h"

#include "engine/files/CConfigFile.h"
#include "engine/widgets/CRadioButton.h"
#include "engine/widgets/CWidgetGroup.h"

int CFakeGameScreen::s_alive = 0;
void* CFakeGameScreen::s_params_seen_at_death = nullptr;

namespace
{
const int FAKE_SKINS = 3;
const int FILLER_LIKE = 6;

void Pick(CWidgetGroup& group, int index)
{
    CRadioButton* button = group.GetButton(static_cast<std::size_t>(index));
    button->SetSelected(true);
    group.Select(button);
}
}

CFakeParams::CFakeParams(int sizes, bool animation)
    : CGameParams("data/fake.cfg", "52kq781w", "data/scores9%i%i.tab", 3, sizes), m_has_animation(animation)
{
}

void CFakeParams::LoadParams(CFilePack&) {}

void CFakeParams::LoadTextures(CResManager&)
{
    SetSkinsCount(FAKE_SKINS);
}

CFakeGameScreen::CFakeGameScreen(const CResManager* lookup, const std::string& paramKey)
    : m_lookup(lookup), m_param_key(paramKey)
{
    ++s_alive;
}

CFakeGameScreen::~CFakeGameScreen()
{
    s_params_seen_at_death = m_lookup ? m_lookup->GetObject(m_param_key.c_str()) : nullptr;
    --s_alive;
    if (m_on_death)
        m_on_death();
}

void CFakeGameScreen::SaveGame(CConfigFile& store)
{
    store.SetValue("fake_state", m_state);
}

bool CFakeGameScreen::LoadGame(const CConfigFile& store)
{
    if (!store.HasKey("fake_state"))
        return false;
    m_state = store.GetValue("fake_state", "");
    return true;
}

CFakeNewGameDialog::CFakeNewGameDialog(CConfigFile& layout, CGameParams& params, int sizes)
    : CNewGameDialog(&layout, &params)
{
    for (int s = 0; s < sizes; ++s)
        AddSizeChoice("size", "Size", "Size");
    for (int d = 0; d < 3; ++d)
        AddDifficultyChoice("difficulty", "Difficulty", "Difficulty");
    Preselect();
}

void CFakeNewGameDialog::Choose(int size, int difficulty)
{
    Pick(GetSizeGroup(), size);
    Pick(GetDifficultyGroup(), difficulty);
}

SGameKind MakeFakeKind(int index, const CResManager* lookup, bool startWithoutDialog)
{
    const bool fillerLike = index == FILLER_LIKE;
    const int sizes = fillerLike ? 4 : 3;
    SGameKind kind;
    kind.m_index = index;
    // Named after the table's kind of that index, so keys and groups are the real ones.
    if (index >= 0 && index < static_cast<int>(GetGameKinds().size()))
        kind.m_name = GetGameKinds()[index].m_name;
    else
        kind.m_name = "kind" + std::to_string(index);
    kind.m_make_params = [=] { return std::make_unique<CFakeParams>(sizes, fillerLike); };
    kind.m_make_new_game_dialog = [=](CConfigFile& layout, CGameParams& params) {
        return std::make_unique<CFakeNewGameDialog>(layout, params, sizes);
    };
    const std::string key = kind.GetParamKey();
    kind.m_make_game_screen = [=] { return std::make_unique<CFakeGameScreen>(lookup, key); };
    kind.m_start_without_dialog = startWithoutDialog;
    return kind;
}
