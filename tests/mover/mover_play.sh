# A player's road through the mover with the real mouse and keyboard: a new
# game on the small easy board, bricks slid by clicks next to the empty cell,
# the game left, its files read back, and Continue bringing the same board.
# Usage: mover_play.sh <game binary> <screenshot dir> <file helper> <asset stage>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/mover-play"
E2E_FILES="$3"
E2E_KIND=mover
E2E_STAGE="$4"
e2e_copy_game "$1"

# The 6 x 6 board spans 175..625 and 75..525 of the 800 x 600 window.
BOARD="450x450+175+75"
cell() { echo $((175 + 75 * $1 + 37)) $((75 + 75 * $2 + 37)); }
MAIN_TITLE="mui/main/main_bg.jpg 440x100+170+30"
GAME_CORNER="mui/mover/game_bg.jpg 120x20+660+570"
MOVER="130 262"

e2e_start_to_menu
e2e_wait_for 01-main-menu $MAIN_TITLE
e2e_to CGameMenu click $MOVER
e2e_wait_for 02-mover-menu mui/mover/menu_bg.jpg 400x60+200+50
e2e_to CMoverNewGameDialog click 400 225   # New Game
e2e_to CMoverGameScreen click 295 450      # OK: small field, easy
e2e_wait_for 03-game $GAME_CORNER
e2e_rest
e2e_wait_still 03-dealt "$BOARD"
# The hole is the bottom-right cell: the board there shows the ground.
hole=$(e2e_rmse "$E2E_SHOTS/03-dealt.png" "$(e2e_reference mui/mover/game_bg.jpg)" 60x60+555+455)
brick=$(e2e_rmse "$E2E_SHOTS/03-dealt.png" "$(e2e_reference mui/mover/game_bg.jpg)" 60x60+480+455)
e2e_below "$hole" "$brick" || e2e_fail "the bottom-right cell is not the empty one ($hole, $brick)"

# Each slide goes into the cell the last one emptied. A click a slow machine
# lost is made again; one that counted has emptied the clicked cell.
slide() {
    local name="$1" before="$E2E_SHOTS/$2.png" region="60x60+$((182 + 75 * $3))+$((82 + 75 * $4))"
    for attempt in 1 2 3; do
        e2e_click_at $(cell "$3" "$4")
        e2e_rest
        e2e_wait_still "$name" "$BOARD"
        e2e_below 0.05 "$(e2e_rmse "$before" "$E2E_SHOTS/$name.png" "$region")" && return 0
    done
    e2e_fail "the brick at $3,$4 did not slide"
}
slide 04-slid-right 03-dealt 4 5
slide 05-slid-down 04-slid-right 4 4
slide 06-slid-right 05-slid-down 3 4

e2e_leave_game
e2e_wait_for 07-main-menu-again $MAIN_TITLE
[ "$(e2e_saved f_m_width_bricks) $(e2e_saved f_m_colors)" = "6 4" ] || e2e_fail "the saved game is not the small easy one"
[ "$(e2e_setting remover_last_size)" = 0 ] || e2e_fail "the chosen size is not kept"

e2e_to CGameMenu click $MOVER
e2e_to CMoverGameScreen click 400 295   # Continue
e2e_wait_for 08-resumed $GAME_CORNER
e2e_rest
e2e_wait_still 08-resumed "$BOARD"
same=$(e2e_rmse "$E2E_SHOTS/06-slid-right.png" "$E2E_SHOTS/08-resumed.png" "$BOARD")
other=$(e2e_rmse "$E2E_SHOTS/03-dealt.png" "$E2E_SHOTS/08-resumed.png" "$BOARD")
e2e_below "$same" 0.03 || e2e_fail "Continue did not resume the same board (RMSE $same)"
e2e_below "$same" "$other" || e2e_fail "the resumed board looks more like the dealt one ($same, $other)"

# The help, every page once.
e2e_to CGameMenu key Escape
e2e_help_pages 09 2

# A save that lost one line is set aside, not continued: where Continue was
# the menu says it could not be read, and a click there starts nothing.
e2e_to "CMainMenu window" click 400 505
[ -n "$(e2e_saved f_m_turns_count)" ] || e2e_fail "the game left was not saved"
e2e_rewrite_saved '^f_m_turns_count ' </dev/null
e2e_to CGameMenu click $MOVER
e2e_rest
grep -q "could not be read" "$E2E_DIR/out.log" || e2e_fail "the damaged save was not reported"
[ -f "$E2E_DIR/data/mover.sav.unreadable" ] || e2e_fail "the damaged save was not set aside"
e2e_differs 10-damaged-save-menu "$E2E_SHOTS/09-menu.png" 0.02 200x40+300+275 ||
    e2e_fail "the menu still shows Continue (RMSE $E2E_MEASURE)"
mark=$(e2e_state_mark)
e2e_click_at 400 295
e2e_to CMoverNewGameDialog click 400 225
e2e_state_seen CMoverGameScreen "$mark" && e2e_fail "a game was continued"
echo "PASS: new game, slides next to the empty cell, left, files read back, continued, help, damaged save set aside"
