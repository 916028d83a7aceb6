# The press that opens a game never reaches its board, however long it is
# held: the menus act on the press, and OK and Continue stand over the
# eraser's board, where a press takes a group away.
# Usage: held_press.sh <game binary> <screenshot dir> <key-value dump tool>
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/held-press"
E2E_FILES="$3"
E2E_KIND=eraser
e2e_copy_game "$1"

ERASER="640 185"
# New game's OK and the menu's Continue, both over cells of the small board.
OK="255 450"
CONTINUE="400 295"
BOARD="440x440+180+80"

# Presses the button at X Y, holds it until the window shows the state and
# the board has come to rest after its start (when a board takes clicks),
# then lets go: held_to <state> X Y
held_to() {
    local state="$1" mark
    e2e_move "$2" "$3"
    sleep 0.2
    e2e_move $(($2 + 1)) "$3"
    sleep 0.2
    mark=$(e2e_state_mark)
    xdotool mousedown 1
    e2e_wait_state "$state" "$mark"
    e2e_wait_still held "$BOARD" 0.04
    xdotool mouseup 1
}

# Cells of the saved board that are empty.
empty_cells() { "$E2E_FILES" dump "$E2E_DIR/data/$E2E_KIND.sav" zq71w | grep -c '^f_color[0-9-]* -1$'; }

e2e_start_to_menu
e2e_to CGameMenu click $ERASER
e2e_to CEraserNewGameDialog click 400 225   # New Game
held_to CEraserGameScreen $OK
e2e_rest 0.3
e2e_wait_still 01-dealt "$BOARD" 0.04
e2e_leave_game
[ "$(empty_cells)" = 0 ] || e2e_fail "the press on OK took bricks off the new board"
[ "$(e2e_saved gf_m_score_level)" = 0 ] || e2e_fail "the press on OK scored"

e2e_to CGameMenu click $ERASER
held_to CEraserGameScreen $CONTINUE
e2e_rest 4
e2e_wait_still 02-continued "$BOARD" 0.04
E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/01-dealt.png" "$E2E_SHOTS/02-continued.png" "$BOARD")
e2e_below "$E2E_MEASURE" 0.03 || e2e_fail "the press on Continue changed the board (RMSE $E2E_MEASURE)"
e2e_leave_game
[ "$(empty_cells)" = 0 ] || e2e_fail "the press on Continue took bricks off the board"
echo "PASS: neither OK nor Continue held down reached the board"
