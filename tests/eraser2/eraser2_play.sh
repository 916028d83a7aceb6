# A player's road through Eraser II with the real mouse and keyboard: the
# main menu, the kind's menu, a new game on the wide four-colour board,
# groups clicked away, the game left and continued with the same board, the
# saved game and the settings read back from their files; last a saved
# board without a group, which is swept away and ends the game.
# Usage: eraser2_play.sh <game binary> <screenshot dir> <saved-file tool>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/eraser2-play"
E2E_FILES="$3"
E2E_KIND=eraser2
e2e_copy_game "$1"
DATA="$E2E_DIR/data"

ERASER2="640 257"
NEW_GAME="400 225"
CONTINUE="400 295"
# The dialog panel stands at (60, 95); its four-colour radio at (410, 204).
FOUR_COLORS="490 322"
# The wide board stands on about x 148..652, y 132..468; the feeder columns
# outside it.
BOARD="504x336+148+132"
cell() { awk -v x="$1" -v y="$2" 'BEGIN { c = 505 / 12; printf "%d %d", 148 + c * (x + 0.5), 132 + c * (y + 0.5) }'; }
# The feeder bricks' icons turn for ever and the sparkles drift behind the
# board, so a board at rest still changes a little between two looks.
settle() { e2e_wait_still "$1" "$BOARD" 0.04; }

e2e_start_to_menu
e2e_wait_picture "the main menu" e2e_not_black 01-main-menu

e2e_to CGameMenu click $ERASER2
e2e_wait_picture "the Eraser II menu" e2e_differs 02-menu "$E2E_SHOTS/01-main-menu.png" 0.08

# --- Four colours on the wide board: dealt, played, left and continued ------
e2e_to CEraser2NewGameDialog click $NEW_GAME
e2e_click_at $FOUR_COLORS
e2e_to CEraser2GameScreen key Return
e2e_rest 0.3
settle 04-dealt
# Bottom-row cells clicked one at a time, each once the board has settled.
for c in "0 7" "2 7" "4 7" "6 7" "8 7" "10 7" "11 7" "1 7"; do
    e2e_click_at $(cell $c)
    e2e_rest 0.3
    settle 05-played
done
e2e_below "$(e2e_rmse "$E2E_SHOTS/05-played.png" "$E2E_SHOTS/04-dealt.png" "$BOARD")" 0.02 &&
    e2e_fail "no group was taken off the board"
e2e_to CGameMenu key Escape
e2e_to CEraser2GameScreen click $CONTINUE
e2e_rest 0.3
settle 07-continued
E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/05-played.png" "$E2E_SHOTS/07-continued.png" "$BOARD")
e2e_below "$E2E_MEASURE" 0.03 || e2e_fail "the continued board differs from the one left (RMSE $E2E_MEASURE)"
e2e_leave_game
[ "$(e2e_setting remover_last_difficult)" = 1 ] || e2e_fail "the settings lack the four colours"

# --- No group left: the leftovers go one by one and the game ends -----------
# Colour (x + 2y) mod 3 puts no two equal colours side by side; full
# feeders and full edge columns leave nothing to refill or push.
awk 'BEGIN {
    for (y = 0; y < 8; ++y) {
        for (x = 0; x < 12; ++x) printf "f_color%d-%d %d\n", x, y, (x + 2 * y) % 3
        printf "m_bricks_left%d %d\nm_bricks_right%d %d\n", y, y % 3, y, (y + 1) % 3
    }
}' | e2e_rewrite_saved '^f_color\|^m_bricks_'
e2e_to CGameMenu click $ERASER2
mark=$(e2e_state_mark)
e2e_to CEraser2GameScreen click $CONTINUE
e2e_rest 0.3
e2e_wait_state CGameOverDialog "$mark"
e2e_window_shot 14-game-over
e2e_to CGameMenu key Return
e2e_to "CMainMenu window" click 400 505
[ -e "$DATA/eraser2.sav" ] && e2e_fail "the ended game was saved"
echo "PASS: Eraser II played, left, continued, saved and ended"
