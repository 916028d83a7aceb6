# A player's road through the designer: from the main menu into the kind's
# menu, a new game, a figure dragged from the tray onto the board, the game
# left to the main menu and continued; the saved game and the settings read
# back in their stored forms.
# Usage: designer_play.sh <game binary> <screenshot dir> <file helper>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
E2E_SCREEN=800x600
e2e_under_xvfb "$@"
E2E_SHOTS="$2/designer-play"
E2E_FILES="$3"
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

e2e_start_to_menu
e2e_to CGameMenu click $DESIGNER_BUTTON
e2e_to CDesignerNewGameDialog click $NEW_GAME
e2e_to CDesignerGameScreen key Return
settle 01-game
e2e_window_shot 01-game
e2e_is_black 01-game && e2e_fail "the game screen is black"

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
e2e_leave_game
e2e_key alt+F4
e2e_wait_exit_zero
echo "PASS"
