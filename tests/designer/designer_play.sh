# A player's road through the designer: from the main menu into the kind's
# menu, a new game, a figure dragged from the tray onto the board, the game
# left to the main menu and continued; the saved game and the settings read
# back in their stored forms.
# Usage: designer_play.sh <game binary> <screenshot dir> <file helper> <asset stage>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
E2E_SCREEN=800x600
e2e_under_xvfb "$@"
E2E_SHOTS="$2/designer-play"
E2E_FILES="$3"
E2E_STAGE="$4"
e2e_copy_game "$1"
SAVE="$E2E_DIR/data/designer.sav"

# The board holds still. Only the board's inside counts: the back sparkles
# drift everywhere else.
settle() { e2e_wait_still "${1:-still}" "$BOARD_INSIDE"; }

# Window pixels of the 800 x 600 layout.
DESIGNER_BUTTON="100 401"
NEW_GAME="380 215"
CONTINUE="380 285"
TRAY_TOP="670 107"
BOARD_CENTRE="400 300"
BOARD_INSIDE="340x340+230+130"
TRAY_UP_ARROW="754 255"
HELP="572 30"
HELP_NEXT="655 553"
HELP_CLOSE="400 553"
MAIN_MENU="400 505"
# Strips of the window above and below the tray's plate, rim included: the
# figures in the column stay inside the plate, so these show the backdrop.
ABOVE_TRAY="170x11+612+0"
BELOW_TRAY="170x10+612+590"
TRAY_PLATE="194x584+598+8"

# A new shot shows the game's backdrop in the strip and nothing over it. The
# back sparkles drift across it now and then: the check is repeated until
# they have passed (e2e_wait_picture), while a figure would stay.
shows_backdrop() {
    e2e_window_shot "$1"
    E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/$1.png" "$(e2e_reference mui/designer/game_bg.jpg)" "$2")
    e2e_below "$E2E_MEASURE" 0.03
}

e2e_start_to_menu
e2e_to CGameMenu click $DESIGNER_BUTTON
e2e_to CDesignerNewGameDialog click $NEW_GAME
e2e_to CDesignerGameScreen key Return
settle 01-game
e2e_window_shot 01-game
e2e_is_black 01-game && e2e_fail "the game screen is black"
e2e_wait_picture "nothing below the tray's plate" shows_backdrop 01-below "$BELOW_TRAY"

# The tray's first figure dragged onto the middle of the board, in steps
# with the button held, as a hand does.
e2e_move $TRAY_TOP
sleep 0.5
xdotool mousedown 1
sleep 1
read -r x0 y0 <<<"$TRAY_TOP"
read -r x1 y1 <<<"$BOARD_CENTRE"
for i in 1 2 3 4 5 6 7 8; do
    e2e_move $((x0 + (x1 - x0) * i / 8)) $((y0 + (y1 - y0) * i / 8))
    sleep 0.1
done
settle
xdotool mouseup 1
e2e_wait_picture "the dragged figure on the board" e2e_differs 02-laid "$E2E_SHOTS/01-game.png" 0.03 "$BOARD_INSIDE"
settle 02-laid

# Left to the main menu (which saves the game), read back, continued.
e2e_leave_game
[ -f "$SAVE" ] || e2e_fail "no saved game after leaving the designer's menu"
[ "$(e2e_value "$SAVE" zq71w f_m_figures.size)" = 1 ] || e2e_fail "the saved board does not hold the one laid figure"
[ "$(e2e_value "$E2E_DIR/data/designer.cfg" 729p3k5x remover_last_size)" = 0 ] || e2e_fail "board size not stored"
e2e_to CGameMenu click $DESIGNER_BUTTON
e2e_to CDesignerGameScreen click $CONTINUE
settle 03-continued
e2e_wait_picture "the continued board" e2e_looks_like 03-continued "$E2E_SHOTS/02-laid.png" 0.003 "$BOARD_INSIDE"

# The column scrolled up with its upper arrow until its first figures have
# passed the plate's top edge: they leave the plate there, not the window.
for i in 1 2 3 4 5; do
    e2e_click_at $TRAY_UP_ARROW
    sleep 0.4
done
e2e_rest
e2e_wait_still 04-scrolled "$TRAY_PLATE" 0.04
e2e_wait_picture "nothing above the scrolled tray's plate" shows_backdrop 04-above "$ABOVE_TRAY"
e2e_wait_picture "nothing below the scrolled tray's plate" shows_backdrop 04-below "$BELOW_TRAY"

# Help: every page once, from the kind's menu.
e2e_to CGameMenu key Escape
e2e_rest
e2e_window_shot 05-menu
e2e_to CHelpDialog click $HELP
e2e_wait_picture "the help" e2e_differs 06-help-1 "$E2E_SHOTS/05-menu.png" 0.1 500x300+150+150
e2e_click_at $HELP_NEXT
e2e_wait_picture "the second help page" e2e_differs 07-help-2 "$E2E_SHOTS/06-help-1.png" 0.02 700x400+50+100
e2e_click_at $HELP_NEXT
e2e_wait_picture "the third help page" e2e_differs 08-help-3 "$E2E_SHOTS/07-help-2.png" 0.02 700x400+50+100
e2e_to CGameMenu click $HELP_CLOSE
e2e_to "CMainMenu window" click $MAIN_MENU
e2e_key alt+F4
e2e_wait_exit_zero
echo "PASS"
