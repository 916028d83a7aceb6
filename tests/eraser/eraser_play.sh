# A player's road through the eraser with the real mouse and keyboard: a new
# game on the small easy board, groups clicked away, the game left, its files
# read back, and Continue bringing the same board from the file.
# Usage: eraser_play.sh <game binary> <screenshot dir> <key-value dump tool>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/eraser-play"
E2E_FILES="$3"
E2E_KIND=eraser
e2e_copy_game "$1"

ERASER="640 185"
# The small board (8 x 8) stands about on x 180..620 and y 80..520.
BOARD="440x440+180+80"
cell() { awk -v x="$1" -v y="$2" 'BEGIN { c = 440 / 8; printf "%d %d", 180 + c * (x + 0.5), 80 + c * (y + 0.5) }'; }

e2e_start_to_menu
e2e_wait_picture "the main menu" e2e_not_black 01-main-menu
e2e_to CGameMenu click $ERASER
e2e_wait_picture "the eraser's menu" e2e_differs 02-eraser-menu "$E2E_SHOTS/01-main-menu.png" 0.08
e2e_to CEraserNewGameDialog click 400 225   # New Game
e2e_to CEraserGameScreen key Return
e2e_rest 0.3
e2e_wait_still 03-dealt "$BOARD" 0.04

# Easy takes pairs from three colours: nearly every brick of the bottom rows
# belongs to a group, so some of these clicks take groups away. Each waits
# for the board to settle, as a player would.
for c in "0 7" "3 7" "5 7" "7 7" "2 6" "4 6"; do
    e2e_click_at $(cell $c)
    e2e_rest 0.3
    e2e_wait_still 04-played "$BOARD" 0.04
done
e2e_below 0.03 "$(e2e_rmse "$E2E_SHOTS/04-played.png" "$E2E_SHOTS/03-dealt.png" "$BOARD")" ||
    e2e_fail "no group was taken off the board"

e2e_leave_game
[ "$(e2e_saved f_m_width_bricks) $(e2e_saved f_m_colors)" = "8 3" ] || e2e_fail "the saved game is not the small easy one"
[ "$(e2e_saved gf_m_score_level)" -gt 0 ] 2>/dev/null || e2e_fail "the game scored nothing"
[ "$(e2e_setting remover_last_size)" = 0 ] || e2e_fail "the settings lack the size"

# The saved game comes back through the menu: the same board from the file.
# The level banner flies in again and fades first.
e2e_to CGameMenu click $ERASER
e2e_to CEraserGameScreen click 400 295   # Continue
e2e_rest 4
e2e_wait_still 05-restored "$BOARD" 0.04
E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/04-played.png" "$E2E_SHOTS/05-restored.png" "$BOARD")
e2e_below "$E2E_MEASURE" 0.03 || e2e_fail "the board read back from the file differs (RMSE $E2E_MEASURE)"
echo "PASS: eraser played, left, files read back, continued"
