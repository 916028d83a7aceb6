# A player's road through the eraser with the real mouse and keyboard: the
# main menu, the eraser's menu, a new game on the small easy board, groups
# clicked away, the game left and continued with the same board, and the
# saved game and the settings read back from their files.
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
running() { e2e_expect_running "$1"; }
below() { e2e_below "$1" "$2"; }

shot() {
    mkdir -p "$E2E_SHOTS"
    import -window "$E2E_WINDOW" "$E2E_SHOTS/$1.png" 2>/dev/null || fail "no screenshot $1"
}

# Normalised RMSE of one region (WxH+X+Y) of two shots.
rmse() {
    convert "$E2E_SHOTS/$1.png" -crop "$3" +repage "$E2E_DIR/a.png"
    convert "$E2E_SHOTS/$2.png" -crop "$3" +repage "$E2E_DIR/b.png"
    e2e_rmse "$E2E_DIR/a.png" "$E2E_DIR/b.png"
}

# Shot $1 is taken until its region $4 differs from shot $2 by more than $3.
differs() {
    shot "$1"
    MEASURE=$(rmse "$1" "$2" "$4")
    below "$3" "$MEASURE"
}

not_black() {
    shot "$1"
    MEASURE=$(convert "$E2E_SHOTS/$1.png" -format '%[fx:mean]' info:)
    below 0.05 "$MEASURE"
}

# Waits for a picture check; fails with the description and the last measure.
picture() {
    local what="$1"
    shift
    local deadline=$((SECONDS + E2E_TIMEOUT))
    MEASURE=
    until "$@"; do
        running "waiting for $what"
        [ $SECONDS -ge $deadline ] && fail "$what (measure ${MEASURE:-none}, shot $2)"
        sleep 0.2
    done
}

# Waits until a region stops changing between looks (the back sparkles
# drift on, so a little change remains): the level's start
# effect, the banner and the falling bricks advance per frame, so they take
# longer on a busy machine. wait_still <shot> <region>
wait_still() {
    local name="$1" calm=0 deadline=$((SECONDS + E2E_TIMEOUT))
    shot "$name"
    while [ $calm -lt 3 ]; do
        sleep 0.4
        running "waiting for $name to settle"
        mv "$E2E_SHOTS/$name.png" "$E2E_SHOTS/$name-before.png"
        shot "$name"
        MEASURE=$(rmse "$name-before" "$name" "$2")
        if below "$MEASURE" 0.04; then calm=$((calm + 1)); else calm=0; fi
        [ $SECONDS -ge $deadline ] && fail "$name does not settle (RMSE $MEASURE)"
    done
    rm -f "$E2E_SHOTS/$name-before.png"
}

click() {
    xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"
    sleep 0.2
    xdotool click 1
}

# A click or a key that leads to another screen: waits until the window
# reports it. to <state> click X Y | to <state> key KEY
to() {
    local state="$1" mark
    shift
    mark=$(e2e_state_mark)
    case "$1" in
    click) click "$2" "$3" ;;
    key) e2e_key "$2" ;;
    esac
    e2e_wait_state "$state" "$mark"
}

rest() { xdotool mousemove --window "$E2E_WINDOW" 790 590; sleep 0.3; }
value_of() { "$DUMP" "$1" "$2" | sed -n "s/^$3 //p"; }

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
picture "the main menu" not_black 01-main-menu

to CGameMenu click $ERASER
picture "the eraser's menu" differs 02-eraser-menu 01-main-menu 0.08 800x600+0+0
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
    click $(cell $c)
    rest
    wait_still 05-played "$BOARD"
done
picture "groups taken off the board" differs 05-played 04-dealt 0.03 "$BOARD"

to CGameMenu key Escape
rest
picture "Continue for the paused game" differs 06-paused 02-eraser-menu 0.05 $CONTINUE_AREA
to CEraserGameScreen click $CONTINUE
rest
# The level banner flies in again and fades; then the board is as it was.
sleep 4
wait_still 07-continued "$BOARD"
MEASURE=$(rmse 05-played 07-continued "$BOARD")
below "$MEASURE" 0.02 || fail "the continued board differs from the one left (RMSE $MEASURE)"

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
echo "PASS: eraser played, left, continued and saved"
