#include "games/GameKinds.h"

#ifndef MW_KIND_TABLE_ONLY
// Every kind's C<Kind>Params.h, C<Kind>NewGameDialog.h and C<Kind>GameScreen.h,
// gathered by games/CMakeLists.txt.
#include "KindHeaders.h"
#endif

namespace
{
SGameKind Kind(const char* name, const char* caption, const char* settingsFile, int tableDigit,
               const char* tagline, bool startWithoutDialog = false)
{
    SGameKind kind;
    kind.m_name = name;
    kind.m_caption = caption;
    kind.m_settings_file = settingsFile;
    kind.m_table_digit = tableDigit;
    kind.m_tagline = tagline;
    kind.m_start_without_dialog = startWithoutDialog;
    return kind;
}

// A kind whose classes are not written yet.
[[maybe_unused]] SGameKind NotBuilt(SGameKind kind)
{
    return kind;
}

#ifndef MW_KIND_TABLE_ONLY
// A built kind: its parameter object and game screen are made with no
// arguments, its new-game dialog from (layout group, parameter object).
template <class TParams, class TDialog, class TScreen>
SGameKind Built(SGameKind kind)
{
    kind.m_make_params = [] { return std::make_unique<TParams>(); };
    kind.m_make_new_game_dialog = [](CConfigFile& layout, CGameParams& params) {
        return std::make_unique<TDialog>(&layout, &params);
    };
    kind.m_make_game_screen = [] { return std::make_unique<TScreen>(); };
    return kind;
}
#define MW_BUILT(params, dialog, screen) Built<params, dialog, screen>
#else
#define MW_BUILT(params, dialog, screen) NotBuilt
#endif

std::vector<SGameKind> MakeTable()
{
    std::vector<SGameKind> table = {
        MW_BUILT(CRemoverParams, CRemoverNewGameDialog, CRemoverGameScreen)(Kind("remover", "Remover", "data/remover.cfg", 1, "Place bricks, join four of a colour, clear the board")),
        MW_BUILT(CMoverParams, CMoverNewGameDialog, CMoverGameScreen)(Kind("mover", "Mover", "data/mover.cfg", 2, "Slide bricks into rows and columns of one colour")),
        MW_BUILT(CSliderParams, CSliderNewGameDialog, CSliderGameScreen)(Kind("slider", "Slider", "data/slider.cfg", 3, "Turn rows and columns to gather groups of five")),
        MW_BUILT(CDesignerParams, CDesignerNewGameDialog, CDesignerGameScreen)(Kind("designer", "Designer", "data/designer.cfg", 4, "Lay the figures back into the picture")),
        MW_BUILT(CEraserParams, CEraserNewGameDialog, CEraserGameScreen)(Kind("eraser", "Eraser", "data/eraser.cfg", 5, "Click groups of one colour and clear them away")),
        MW_BUILT(CEraser2Params, CEraser2NewGameDialog, CEraser2GameScreen)(Kind("eraser2", "Eraser II", "data/eraser2.cfg", 6, "Clear groups while two columns feed the board")),
        MW_BUILT(CFillerParams, CFillerNewGameDialog, CFillerGameScreen)(Kind("filler", "Filler", "data/filler.cfg", 7, "Grow your zone faster than the computer")),
        MW_BUILT(CJewelParams, CJewelNewGameDialog, CJewelGameScreen)(Kind("jewel", "Jewels", "data/jewel.cfg", 8, "Swap bricks to line up three of a colour", true)),
    };
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i].m_index = static_cast<int>(i);
    return table;
}
}

const std::vector<SGameKind>& GetGameKinds()
{
    static const std::vector<SGameKind> table = MakeTable();
    return table;
}
