#include "tools/assetgen/CWidgetArt.h"

#include "games/GameKinds.h"
#include "tools/assetgen/CUiPainter.h"


namespace
{
// Sizes of one frame, in pixels (the game draws them one to one on its
// 800 x 600 screen).
const int kMenuWidth = 250;
const int kKindWidth = 230;
const int kMenuHeight = 60;
const int kDialogWidth = 170;
const int kDialogHeight = 52;
const int kIconSize = 40;
const int kToggleSize = 40;
}

void CWidgetArt::Write(CAssetSink& sink, const std::string& fontDir)
{
    const CUiPainter ui(fontDir);
    for (const SGameKind& kind : GetGameKinds())
        sink.WriteTga("mui/main/btn_" + kind.m_name + ".tga", ui.Button(kind.m_caption, kKindWidth, kMenuHeight, 27), true);
    sink.WriteTga("mui/main/btn_quit.tga", ui.Button("Quit", kKindWidth, kMenuHeight, 27), true);
    sink.WriteTga("mui/main/btn_site.tga", ui.Button("Our Website", kKindWidth, kMenuHeight, 25), true);
    sink.WriteTga("mui/main/btn_exit_quit.tga", ui.Button("Quit Game", kMenuWidth, kMenuHeight, 27), true);

    sink.WriteTga("mui/common/btn_new_game.tga", ui.Button("New Game", kMenuWidth, kMenuHeight, 27), true);
    sink.WriteTga("mui/common/btn_continue.tga", ui.Button("Continue", kMenuWidth, kMenuHeight, 27), true);
    sink.WriteTga("mui/common/btn_top7.tga", ui.Button("Top 7", kMenuWidth, kMenuHeight, 27), true);
    sink.WriteTga("mui/common/btn_options.tga", ui.Button("Options", kMenuWidth, kMenuHeight, 27), true);
    sink.WriteTga("mui/common/btn_main_menu.tga", ui.Button("Main Menu", kMenuWidth, kMenuHeight, 27), true);

    sink.WriteTga("mui/common/btn_ok.tga", ui.Button("OK", kDialogWidth, kDialogHeight, 24), true);
    sink.WriteTga("mui/common/btn_cancel.tga", ui.Button("Cancel", kDialogWidth, kDialogHeight, 24), true);
    sink.WriteTga("mui/common/btn_close.tga", ui.Button("Close", kDialogWidth, kDialogHeight, 24), true);
    sink.WriteTga("mui/common/btn_clear.tga", ui.Button("Clear", kDialogWidth, kDialogHeight, 24), true);
    sink.WriteTga("mui/common/btn_next.tga", ui.ArrowButton("Next", true, kDialogWidth, kDialogHeight), true);
    sink.WriteTga("mui/common/btn_back.tga", ui.ArrowButton("Back", false, kDialogWidth, kDialogHeight), true);
    sink.WriteTga("mui/common/btn_skin_next.tga", ui.IconButton(CUiPainter::EIcon::Next, 48), true);
    sink.WriteTga("mui/common/btn_skin_prev.tga", ui.IconButton(CUiPainter::EIcon::Previous, 48), true);

    sink.WriteTga("mui/common/btn_help_small.tga", ui.IconButton(CUiPainter::EIcon::Help, kIconSize), true);
    sink.WriteTga("mui/common/btn_minimize.tga", ui.IconButton(CUiPainter::EIcon::Minimize, kIconSize), true);
    sink.WriteTga("mui/common/btn_fullscreen.tga", ui.IconButton(CUiPainter::EIcon::FullScreen, kIconSize), true);
    sink.WriteTga("mui/common/btn_exit_small.tga", ui.IconButton(CUiPainter::EIcon::Close, kIconSize), true);
    sink.WriteTga("mui/common/btn_site.tga", ui.IconButton(CUiPainter::EIcon::Site, kIconSize), true);

    sink.WriteTga("mui/common/check_box.tga", ui.CheckBox(kToggleSize), true);
    sink.WriteTga("mui/common/radio.tga", ui.RadioButton(kToggleSize), true);
    sink.WriteTga("mui/common/edit_name.tga", ui.EditBox(400, 56), true);
}
