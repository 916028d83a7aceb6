# A player's road through Eraser II with the real mouse and keyboard: the
# main menu, the kind's menu, a new game on the small three-colour board,
# groups clicked away, the game left and continued with the same board, the
# saved game and the settings read back from their files; then a new game
# on the wide four-colour board, played, left and continued; last a saved
# board without a group, which is swept away and ends the game.
# Usage: eraser2_play.sh <game binary> <screenshot dir> <saved-file tool>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/eraser2-play"
FILES="$3"
e2e_copy_game "$1"
DATA="$E2E_DIR/data"
SETTINGS_KEY="394m612z"
SAVE_KEY="zq71w"

fail() { e2e_fail "$@"; }
shot() { e2e_window_shot "$1"; }
value_of() { "$FILES" dump "$1" "$2" | sed -n "s/^$3 //p"; }
not_black() { e2e_window_shot "$1" && ! e2e_is_black "$1"; }

ERASER2="640 257"
NEW_GAME="400 225"
CONTINUE="400 295"
MAIN_MENU="400 505"
CONTINUE_AREA="240x40+280+275"
# The dialog panel stands at (60, 95); its colour radios at (410, 152) and (410, 204).
THREE_COLORS="490 270"
FOUR_COLORS="490 322"
# The square board stands on about x 200..600, y 100..500, the wide one on
# x 148..652, y 132..468; the feeder columns outside them.
SQUARE="400x400+200+100"
WIDE="504x336+148+132"
BOARD=$SQUARE
square_cell() { awk -v x="$1" -v y="$2" 'BEGIN { c = 401 / 8; printf "%d %d", 200 + c * (x + 0.5), 100 + c * (y + 0.5) }'; }
wide_cell() { awk -v x="$1" -v y="$2" 'BEGIN { c = 505 / 12; printf "%d %d", 148 + c * (x + 0.5), 132 + c * (y + 0.5) }'; }

# Takes shot $1 until the board stops changing between looks. The feeder
# bricks' bonus icons turn for ever and the sparkles drift behind the board,
# so a little change always remains.
settle() {
    local calm=0 deadline=$((SECONDS + E2E_TIMEOUT))
    shot "$1"
    while [ $calm -lt 3 ]; do
        sleep 0.4
        e2e_expect_running "waiting for $1 to settle"
        mv "$E2E_SHOTS/$1.png" "$E2E_DIR/previous.png"
        shot "$1"
        E2E_MEASURE=$(e2e_rmse "$E2E_DIR/previous.png" "$E2E_SHOTS/$1.png" "$BOARD")
        if e2e_below "$E2E_MEASURE" 0.04; then calm=$((calm + 1)); else calm=0; fi
        [ $SECONDS -ge $deadline ] && fail "$1 does not settle (RMSE $E2E_MEASURE)"
    done
}

# Plays the clicks given as "x y" pairs through the cell function $1, each
# after the board has settled, as a player would.
play() {
    local cellfn="$1" name="$2"
    shift 2
    for c in "$@"; do
        e2e_click_at $($cellfn $c)
        e2e_rest 0.3
        settle "$name"
    done
}

e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
e2e_wait_picture "the main menu" not_black 01-main-menu

e2e_to CGameMenu click $ERASER2
e2e_wait_picture "the Eraser II menu" e2e_differs 02-menu "$E2E_SHOTS/01-main-menu.png" 0.08
[ -e "$DATA/eraser2.sav" ] && fail "a saved game exists before any game"

# --- Three colours on the small square board --------------------------------
e2e_to CEraser2NewGameDialog click $NEW_GAME
e2e_click_at $THREE_COLORS
sleep 0.3
shot 03-new-game-dialog
e2e_to CEraser2GameScreen key Return
e2e_rest 0.3
settle 04-dealt

# Three colours in pairs: most bottom-row bricks belong to a group.
play square_cell 05-played "0 7" "3 7" "5 7" "7 7" "2 7" "4 7"
e2e_below "$(e2e_rmse "$E2E_SHOTS/05-played.png" "$E2E_SHOTS/04-dealt.png" "$BOARD")" 0.02 &&
    fail "no group was taken off the board"

e2e_to CGameMenu key Escape
e2e_rest 0.3
e2e_wait_picture "Continue for the paused game" e2e_differs 06-paused "$E2E_SHOTS/02-menu.png" 0.05 $CONTINUE_AREA
e2e_to CEraser2GameScreen click $CONTINUE
e2e_rest 0.3
settle 07-continued
E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/05-played.png" "$E2E_SHOTS/07-continued.png" "$BOARD")
e2e_below "$E2E_MEASURE" 0.03 || fail "the continued board differs from the one left (RMSE $E2E_MEASURE)"

e2e_to CGameMenu key Escape
e2e_to "CMainMenu window" click $MAIN_MENU
[ -s "$DATA/eraser2.sav" ] || fail "leaving the menu saved no game"
[ "$(value_of "$DATA/eraser2.sav" $SAVE_KEY f_m_width_bricks)" = 8 ] || fail "the saved board is not the small one"
[ "$(value_of "$DATA/eraser2.sav" $SAVE_KEY f_m_height_bricks)" = 8 ] || fail "the saved board is not square"
[ "$(value_of "$DATA/eraser2.sav" $SAVE_KEY f_m_colors)" = 3 ] || fail "the saved game is not on three colours"
score=$(value_of "$DATA/eraser2.sav" $SAVE_KEY gf_m_score)
[ "${score:-0}" -gt 0 ] || fail "the game scored nothing (score ${score:-none})"
[ $((score % 10)) = 0 ] || fail "the score $score is not whole bricks"
feeders=$("$FILES" dump "$DATA/eraser2.sav" $SAVE_KEY | grep -c '^m_bricks_\(left\|right\)[0-7] [0-2]$')
[ "$feeders" -gt 0 ] || fail "the saved feeders hold no brick"
[ "$(value_of "$DATA/eraser2.cfg" $SETTINGS_KEY remover_last_size)" = 0 ] || fail "the settings lack the size"
[ "$(value_of "$DATA/eraser2.cfg" $SETTINGS_KEY remover_last_difficult)" = 0 ] || fail "the settings lack the option"
[ "$(value_of "$DATA/eraser2.cfg" $SETTINGS_KEY m_autosave)" = 1 ] || fail "the settings lack autosave"

# --- Four colours on the wide board -----------------------------------------
e2e_to CGameMenu click $ERASER2
e2e_to CEraser2NewGameDialog click $NEW_GAME
sleep 0.3
shot 08-new-game-again
e2e_click_at $FOUR_COLORS
sleep 0.3
shot 09-four-colors
e2e_to CEraser2GameScreen key Return
BOARD=$WIDE
e2e_rest 0.3
settle 10-wide-dealt
play wide_cell 11-wide-played "0 7" "2 7" "4 7" "6 7" "8 7" "10 7" "11 7" "1 7"
e2e_below "$(e2e_rmse "$E2E_SHOTS/11-wide-played.png" "$E2E_SHOTS/10-wide-dealt.png" "$BOARD")" 0.02 &&
    fail "no group was taken off the wide board"
e2e_to CGameMenu key Escape
e2e_to CEraser2GameScreen click $CONTINUE
e2e_rest 0.3
settle 12-wide-continued
E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/11-wide-played.png" "$E2E_SHOTS/12-wide-continued.png" "$BOARD")
e2e_below "$E2E_MEASURE" 0.03 || fail "the continued wide board differs from the one left (RMSE $E2E_MEASURE)"
e2e_to CGameMenu key Escape
e2e_to "CMainMenu window" click $MAIN_MENU
[ "$(value_of "$DATA/eraser2.sav" $SAVE_KEY f_m_width_bricks)" = 12 ] || fail "the saved board is not the wide one"
[ "$(value_of "$DATA/eraser2.sav" $SAVE_KEY f_m_height_bricks)" = 8 ] || fail "the wide board is not 12 x 8"
[ "$(value_of "$DATA/eraser2.sav" $SAVE_KEY f_m_colors)" = 4 ] || fail "the saved game is not on four colours"
[ "$(value_of "$DATA/eraser2.cfg" $SETTINGS_KEY remover_last_difficult)" = 1 ] || fail "the settings lack the four colours"

# --- No group left: the leftovers go one by one and the game ends -----------
# Colour (x + 2y) mod 3 puts no two equal colours side by side; full
# feeders and full edge columns leave nothing to refill or push.
"$FILES" dump "$DATA/eraser2.sav" $SAVE_KEY |
    grep -v '^f_color\|^m_bricks_\|^f_m_width_bricks\|^f_m_height_bricks\|^f_m_colors' >"$E2E_DIR/save.txt"
awk 'BEGIN {
    print "f_m_width_bricks 8"; print "f_m_height_bricks 8"; print "f_m_colors 3"
    for (y = 0; y < 8; ++y) {
        for (x = 0; x < 8; ++x) printf "f_color%d-%d %d\n", x, y, (x + 2 * y) % 3
        printf "m_bricks_left%d %d\nm_bricks_right%d %d\n", y, y % 3, y, (y + 1) % 3
    }
}' >>"$E2E_DIR/save.txt"
"$FILES" store "$DATA/eraser2.sav" $SAVE_KEY <"$E2E_DIR/save.txt" || fail "could not write the board without a group"
e2e_to CGameMenu click $ERASER2
mark=$(e2e_state_mark)
e2e_to CEraser2GameScreen click $CONTINUE
e2e_rest 0.3
shot 13-no-group-left
e2e_wait_state CGameOverDialog "$mark"
shot 14-game-over
e2e_to CGameMenu key Return
e2e_to "CMainMenu window" click $MAIN_MENU
[ -e "$DATA/eraser2.sav" ] && fail "the ended game was saved"
echo "PASS: Eraser II played on both boards, left, continued, saved and ended"
