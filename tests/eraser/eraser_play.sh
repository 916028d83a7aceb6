# A player's road through the eraser with the real mouse and keyboard: the
# main menu, the eraser's menu, a new game on the small easy board, groups
# clicked away, the game left and continued with the same board, the saved
# game and the settings read back from their files, and the saved game
# continued from its file.
# Usage: eraser_play.sh <game binary> <screenshot dir> <key-value dump tool>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/eraser-play"
DUMP="$3"
e2e_copy_game "$1"
DATA="$E2E_DIR/data"
SETTINGS_KEY="394m612z"
SAVE_KEY="zq71w"

fail() { e2e_fail "$@"; }
below() { e2e_below "$1" "$2"; }
shot() { e2e_window_shot "$1"; }

# Takes shot $1 until region $2 stops changing between looks: the level's
# start effect, the banner and the falling bricks advance per frame, so they
# take longer on a busy machine. The back sparkles drift on behind the board,
# so a little change always remains.
wait_still() {
    local calm=0 deadline=$((SECONDS + E2E_TIMEOUT))
    shot "$1"
    while [ $calm -lt 3 ]; do
        sleep 0.4
        e2e_expect_running "waiting for $1 to settle"
        mv "$E2E_SHOTS/$1.png" "$E2E_DIR/previous.png"
        shot "$1"
        E2E_MEASURE=$(e2e_rmse "$E2E_DIR/previous.png" "$E2E_SHOTS/$1.png" "$2")
        if below "$E2E_MEASURE" 0.04; then calm=$((calm + 1)); else calm=0; fi
        [ $SECONDS -ge $deadline ] && fail "$1 does not settle (RMSE $E2E_MEASURE)"
    done
}

# A click or a key that leads to another screen: waits until the window
# reports it. to <state> click X Y | to <state> key KEY
to() {
    local state="$1" mark
    shift
    mark=$(e2e_state_mark)
    case "$1" in
    click) e2e_click_at "$2" "$3" ;;
    key) e2e_key "$2" ;;
    esac
    e2e_wait_state "$state" "$mark"
}

# Away from every button and off the board.
rest() { e2e_move 790 590; sleep 0.3; }
value_of() { "$DUMP" "$1" "$2" | sed -n "s/^$3 //p"; }
not_black() { e2e_window_shot "$1" && ! e2e_is_black "$1"; }

ERASER="640 185"
NEW_GAME="400 225"
CONTINUE="400 295"
MAIN_MENU="400 505"
CONTINUE_AREA="240x40+280+275"
# The small board (8 x 8) stands about on x 180..620 and y 80..520.
BOARD="440x440+180+80"
cell() { awk -v x="$1" -v y="$2" 'BEGIN { c = 440 / 8; printf "%d %d", 180 + c * (x + 0.5), 80 + c * (y + 0.5) }'; }

e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
e2e_wait_picture "the main menu" not_black 01-main-menu

to CGameMenu click $ERASER
e2e_wait_picture "the eraser's menu" e2e_differs 02-eraser-menu "$E2E_SHOTS/01-main-menu.png" 0.08
[ -e "$DATA/eraser.sav" ] && fail "a saved game exists before any game"

to CEraserNewGameDialog click $NEW_GAME
shot 03-new-game-dialog
to CEraserGameScreen key Return
rest
wait_still 04-dealt "$BOARD"

# Easy takes pairs from three colours: nearly every brick of the bottom rows
# belongs to a group, so some of these clicks take groups away. Each waits
# for the board to settle, as a player would.
before=04-dealt
for c in "0 7" "3 7" "5 7" "7 7" "2 6" "4 6"; do
    e2e_click_at $(cell $c)
    rest
    wait_still 05-played "$BOARD"
done
below 0.03 "$(e2e_rmse "$E2E_SHOTS/05-played.png" "$E2E_SHOTS/04-dealt.png" "$BOARD")" ||
    fail "no group was taken off the board"

to CGameMenu key Escape
rest
e2e_wait_picture "Continue for the paused game" e2e_differs 06-paused "$E2E_SHOTS/02-eraser-menu.png" 0.05 $CONTINUE_AREA
to CEraserGameScreen click $CONTINUE
rest
# The level banner flies in again and fades; then the board is as it was.
sleep 4
wait_still 07-continued "$BOARD"
E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/05-played.png" "$E2E_SHOTS/07-continued.png" "$BOARD")
below "$E2E_MEASURE" 0.03 || fail "the continued board differs from the one left (RMSE $E2E_MEASURE)"

to CGameMenu key Escape
to "CMainMenu window" click $MAIN_MENU
[ -s "$DATA/eraser.sav" ] || fail "leaving the menu saved no game"
[ "$(value_of "$DATA/eraser.sav" $SAVE_KEY f_m_width_bricks)" = 8 ] || fail "the saved board is not the small one"
[ "$(value_of "$DATA/eraser.sav" $SAVE_KEY f_m_colors)" = 3 ] || fail "the saved game is not the easy one"
level_score=$(value_of "$DATA/eraser.sav" $SAVE_KEY gf_m_score_level)
[ "${level_score:-0}" -gt 0 ] || fail "the game scored nothing (level score ${level_score:-none})"
empty=$("$DUMP" "$DATA/eraser.sav" $SAVE_KEY | grep -c '^f_color[0-9]*-[0-9]* -1$')
[ "$empty" -gt 0 ] || fail "the saved board has no empty cell"
[ "$(value_of "$DATA/eraser.cfg" $SETTINGS_KEY remover_last_size)" = 0 ] || fail "the settings lack the size"
[ "$(value_of "$DATA/eraser.cfg" $SETTINGS_KEY m_autosave)" = 1 ] || fail "the settings lack autosave"

# The saved game comes back through the menu: the same board from the file.
to CGameMenu click $ERASER
to CEraserGameScreen click $CONTINUE
rest
sleep 4
wait_still 08-restored "$BOARD"
E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/05-played.png" "$E2E_SHOTS/08-restored.png" "$BOARD")
below "$E2E_MEASURE" 0.03 || fail "the board read back from the file differs (RMSE $E2E_MEASURE)"
echo "PASS: eraser played, left, continued, saved and restored"
