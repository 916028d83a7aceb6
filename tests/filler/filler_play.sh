# A player's road through the filler with the real mouse and keyboard: the
# main menu, the filler's menu, a new game on the small board, moves made
# with the colour buttons and by holding the button over a board brick,
# the game left and continued after a restart, then the giant board; the
# saved game and the settings read back in their stored form.
# Usage: filler_play.sh <game binary> <screenshot dir> <file helper> <asset stage>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/filler-play"
FILES="$3"
STAGE="$4"
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

# Normalised RMSE of one region (WxH+X+Y) of two pictures.
rmse() {
    convert "$1" -crop "$3" +repage "$E2E_DIR/a.png"
    convert "$2" -crop "$3" +repage "$E2E_DIR/b.png"
    e2e_rmse "$E2E_DIR/a.png" "$E2E_DIR/b.png"
}

reference() {
    local out="$E2E_DIR/ref_$(echo "$1" | tr / _).png"
    [ -e "$out" ] || convert "$STAGE/$1" -resize 800x600! "$out"
    echo "$out"
}

looks_like() {
    shot "$1"
    MEASURE=$(rmse "$E2E_SHOTS/$1.png" "$2" "$3")
    below "$MEASURE" "$4"
}

wait_for() {
    local deadline=$((SECONDS + E2E_TIMEOUT)) ref
    ref=$(reference "$2")
    MEASURE=
    until looks_like "$1" "$ref" "$3" 0.06; do
        running "waiting for $1"
        [ $SECONDS -ge $deadline ] && fail "$1 does not show $2 (RMSE ${MEASURE:-none})"
        sleep 0.2
    done
}

# Waits until a region stops changing: the board comes in with an effect
# and a move's colour spreads as a wave, both advanced per frame.
wait_still() {
    local name="$1" calm=0 deadline=$((SECONDS + E2E_TIMEOUT))
    shot "$name"
    while [ $calm -lt 3 ]; do
        sleep 0.3
        running "waiting for $name to settle"
        mv "$E2E_SHOTS/$name.png" "$E2E_DIR/previous.png"
        shot "$name"
        MEASURE=$(rmse "$E2E_DIR/previous.png" "$E2E_SHOTS/$name.png" "$2")
        if below "$MEASURE" 0.004; then calm=$((calm + 1)); else calm=0; fi
        [ $SECONDS -ge $deadline ] && fail "$name does not settle (RMSE $MEASURE)"
    done
}

click() {
    xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"
    sleep 0.2
    xdotool click 1
}

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

rest() { xdotool mousemove --window "$E2E_WINDOW" 760 300; sleep 0.5; }

value_of() { "$FILES" dump "$1" "$2" | sed -n "s/^$3 //p"; }

MAIN_TITLE="mui/main/main_bg.jpg 440x100+170+30"
MENU_TITLE="mui/filler/menu_bg.jpg 400x60+200+50"
GAME_CORNER="mui/filler/game_bg.jpg 200x40+10+555"
# Inside every board size (the giant one spans y 88..512): the back
# sparkles drift around the board, never over it.
BOARD="556x414+122+93"
START_BRICK="20x20+114+290"
FILLER="650 330"
NEW_GAME="400 225"
CONTINUE="400 295"
MAIN_MENU="400 505"

# The colour buttons stand at x 259 + 50 i, y 560, 40 pixels wide; one is
# shown when the middle of its round picture is there (the back sparkles
# drift over the ground, so the button is looked for, not the ground).
button_centre() { echo "$((279 + 50 * $1)) 580"; }
shown_buttons() {
    local i face shots=""
    for i in 0 1 2 3 4 5; do
        # The mean colour of the button's face, whichever way up its strip is.
        face="$E2E_DIR/face$i.png"
        [ -e "$face" ] || convert "$STAGE/mui/filler/color0$((i + 1)).tga" -alpha off -crop 20x20+10+10 +repage \
            -scale 1x1! "$face"
        convert "$E2E_SHOTS/$1.png" -crop "20x20+$((269 + 50 * i))+570" +repage -scale 1x1! "$E2E_DIR/here.png"
        below "$(e2e_rmse "$E2E_DIR/here.png" "$face")" 0.15 && shots="$shots $i"
    done
    echo $shots
}

start() {
    e2e_start_game
    e2e_wait_window
    e2e_wait_state "CMainMenu window"
    wait_for "$1" $MAIN_TITLE
}

# A move with the first shown colour button: the human's start brick, drawn
# enlarged at the middle of the left edge, takes the colour.
move_with_button() {
    local name="$1" buttons first
    rest
    wait_still "$name-before" "$BOARD"
    buttons=$(shown_buttons "$name-before")
    set -- $buttons
    [ $# -ge 3 ] && [ $# -le 4 ] || fail "$name: $# colour buttons shown ($buttons), not three or four"
    click $(button_centre "$1")
    rest
    wait_still "$name" "$BOARD"
    below 0.05 "$(rmse "$E2E_SHOTS/$name-before.png" "$E2E_SHOTS/$name.png" "$START_BRICK")" \
        || fail "$name: the start brick did not change colour after the colour button $1"
}

# --- The small board: a new game, moves, leave, continue. -------------------
start 01-main-menu
to CGameMenu click $FILLER
wait_for 02-filler-menu $MENU_TITLE
to CFillerNewGameDialog click $NEW_GAME
shot 03-new-game-dialog
to CFillerGameScreen click 295 450   # OK: Small Field, Easy
wait_for 04-game $GAME_CORNER
move_with_button 05-first-move
move_with_button 06-second-move
move_with_button 07-third-move

to CGameMenu key Escape
to "CMainMenu window" click $MAIN_MENU
[ -s "$DATA/filler.sav" ] || fail "leaving the menu saved no game"
numbers=$(value_of "$DATA/filler.sav" $SAVE_KEY field_undo_string | wc -w)
[ "$numbers" = $((6 + 30 * 23)) ] || fail "the saved snapshot holds $numbers numbers, not 6 + 30 x 23"
[ "$(value_of "$DATA/filler.sav" $SAVE_KEY filler_current_zone)" = 0 ] || fail "the game was not saved in the human's turn"
[ "$(value_of "$DATA/filler.sav" $SAVE_KEY score)" -ge 1 ] || fail "the saved game holds no zone size as its score"
[ "$(value_of "$DATA/filler.cfg" $SETTINGS_KEY remover_last_size)" = 0 ] || fail "the settings do not keep the small size"
[ "$(value_of "$DATA/filler.cfg" $SETTINGS_KEY m_animation)" = 1 ] || fail "the settings do not keep the animation"

# A restart: the game continues on the same board.
to CExitWnd key Escape
wait_for 08-exit-window "mui/main/exit.jpg" "600x100+100+180"
click 400 537   # Quit Game
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"
start 08-restarted
to CGameMenu click $FILLER
to CFillerGameScreen click $CONTINUE
rest
wait_still 09-continued "$BOARD"
below "$(rmse "$E2E_SHOTS/07-third-move.png" "$E2E_SHOTS/09-continued.png" "$BOARD")" 0.01 \
    || fail "the continued board differs from the one left"
move_with_button 10-after-continue

# A move by holding the left button over a board brick: a brick away from
# the left edge whose colour neither zone holds, found in the saved board
# (six table entries, then the cells column by column).
to CGameMenu key Escape
to "CMainMenu window" click $MAIN_MENU
to CGameMenu click $FILLER
read -r px py <<<"$(value_of "$DATA/filler.sav" $SAVE_KEY field_undo_string | awk '{
    human = $(7 + 0 * 23 + 11); computer = $(7 + 29 * 23 + 11)
    for (x = 6; x < 24; ++x) for (y = 2; y < 21; ++y) {
        c = $(7 + x * 23 + y)
        if (c != human && c != computer && c != $6) { printf "%d %d", 117 + (x + 0.5) * 566 / 30, 83 + (y + 0.5) * 566 / 30; exit }
    }
}')"
[ -n "${py:-}" ] || fail "no brick of a free colour in the saved board"
to CFillerGameScreen click $CONTINUE
rest
wait_still 11-board-pick-before "$BOARD"
xdotool mousemove --window "$E2E_WINDOW" "$px" "$py"
sleep 0.2
xdotool mousedown 1
sleep 0.4
xdotool mouseup 1
rest
wait_still 11-board-pick "$BOARD"
below 0.05 "$(rmse "$E2E_SHOTS/11-board-pick-before.png" "$E2E_SHOTS/11-board-pick.png" "$START_BRICK")" \
    || fail "holding the button over the brick at $px $py made no move"

# --- The end of a game: a saved board on which the human's zone covers
# columns 0 to 27 in red, the computer's column 29 in yellow, and column 28
# is green. Green covers the board: GAME OVER! shows while the wave runs,
# the release of the button's click is absorbed, Esc then ends the game and
# the zone size goes to the table. ---------------------------------------
to CGameMenu key Escape
to "CMainMenu window" click $MAIN_MENU
board=$(awk 'BEGIN { printf "0 1 2 3 4 5 "; for (x = 0; x < 30; ++x) for (y = 0; y < 23; ++y)
    printf "%d ", x < 28 ? 0 : (x == 28 ? 2 : 1) }')
printf 'score 644\nfield_undo_string %s\nfiller_current_zone 0\n' "$board" | "$FILES" store "$DATA/filler.sav" $SAVE_KEY
to CGameMenu click $FILLER
to CFillerGameScreen click $CONTINUE
rest
wait_still 12-last-move-before "$BOARD"
click $(button_centre 2)
e2e_key Escape
shot 12-game-over-banner
e2e_expect_running "after the covering move"
e2e_state_is CGameOverDialog && fail "Esc during the wave ended the game"
wait_still 12-game-over-banner "$BOARD"
to CGameOverDialog key Escape
xdotool type --delay 60 "Tester F"
sleep 0.5
shot 12-game-over-dialog
to CGameMenu key Return
to "CMainMenu window" click $MAIN_MENU
table=$("$FILES" table "$DATA/scores700.tab") || fail "no table for the small field at easy difficulty"
printf '%s\n' "$table" | grep -q "^Tester F	667$" || fail "the zone size is not in the table: $table"
[ -e "$DATA/filler.sav" ] && fail "the finished game is still saved"
to CGameMenu click $FILLER

# --- The giant board, with the animation turned off in the options: each
# move then shows at once instead of as a wave over 100 columns. ----------
to COptionsDialog click 400 435
shot 13-options
click 450 160   # Animation
sleep 0.5
shot 13-options-animation-off
to CGameMenu click 400 548   # Close
to CFillerNewGameDialog click $NEW_GAME
click 110 383   # Giant Field
click 470 331   # Hard
sleep 0.5
shot 13-giant-hard-chosen
to CFillerGameScreen click 295 450
wait_for 14-giant $GAME_CORNER
move_with_button 15-giant-move
move_with_button 16-giant-second-move
to CGameMenu key Escape
to "CMainMenu window" click $MAIN_MENU
numbers=$(value_of "$DATA/filler.sav" $SAVE_KEY field_undo_string | wc -w)
[ "$numbers" = $((6 + 100 * 75)) ] || fail "the giant board's snapshot holds $numbers numbers, not 6 + 100 x 75"
[ "$(value_of "$DATA/filler.cfg" $SETTINGS_KEY remover_last_size)" = 3 ] || fail "the settings do not keep the giant size"
[ "$(value_of "$DATA/filler.cfg" $SETTINGS_KEY remover_last_difficult)" = 2 ] || fail "the settings do not keep Hard"
[ "$(value_of "$DATA/filler.cfg" $SETTINGS_KEY m_animation)" = 0 ] || fail "the settings do not keep the animation off"
echo "filler play: ok"
