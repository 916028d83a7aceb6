# A player's whole road through the remover, with the real mouse and
# keyboard: the main menu, the remover's menu, a new game with a chosen size
# and difficulty, bricks placed turn by turn, the game left and resumed with
# the same board, a group removed, the game played to its end across a
# restart, a name typed into the game-over dialog and found in its table,
# the options and help dialogs, and the exit window.
# Usage: remover_play.sh <game binary> <screenshot dir> <file helper> <asset stage>
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/remover-play"
FILES="$3"
STAGE="$4"
e2e_copy_game "$1"
DATA="$E2E_DIR/data"
SETTINGS_KEY="52kq781w"
SAVE_KEY="zq71w"

fail() {
    echo "FAIL: $*"
    cat "$E2E_DIR/out.log"
    exit 1
}

running() { kill -0 "$E2E_PID" 2>/dev/null || fail "the game ended: $1"; }

shot() {
    mkdir -p "$E2E_SHOTS"
    import -window "$E2E_WINDOW" "$E2E_SHOTS/$1.png" 2>/dev/null || fail "no screenshot $1"
}

below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# Normalised RMSE of one region (WxH+X+Y) of two pictures.
rmse() {
    convert "$1" -crop "$3" +repage "$E2E_DIR/a.png"
    convert "$2" -crop "$3" +repage "$E2E_DIR/b.png"
    compare -metric RMSE "$E2E_DIR/a.png" "$E2E_DIR/b.png" null: 2>&1 | sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p'
}

# A picture of the asset tree at the window's size.
reference() {
    local out="$E2E_DIR/ref_$(echo "$1" | tr / _).png"
    [ -e "$out" ] || convert "$STAGE/$1" -resize 800x600! "$out"
    echo "$out"
}

# Waits until a region of the window shows the same as the asset picture:
# wait_for <what> <asset> <region> <seconds>. The last look is kept as a
# screenshot of that name.
wait_for() {
    local name="$1" ref limit i=0 value
    ref=$(reference "$2")
    limit=$(( $4 * 4 ))
    while :; do
        running "waiting for $name"
        shot "$name"
        value=$(rmse "$E2E_SHOTS/$name.png" "$ref" "$3")
        below "$value" 0.06 && return 0
        i=$((i + 1))
        [ $i -gt $limit ] && fail "$name did not show (RMSE $value)"
        sleep 0.25
    done
}

# Waits until a region stops changing between looks, then a little more:
# the level's entrance effect advances per frame, so it takes longer on a
# busy machine, and the player's clicks count only once it is done.
# wait_still <what> <region> <seconds>
wait_still() {
    local name="$1" limit i=0 calm=0 value
    limit=$(( $3 * 3 ))
    shot "$name"
    while [ $calm -lt 2 ]; do
        sleep 0.3
        running "waiting for $name to settle"
        mv "$E2E_SHOTS/$name.png" "$E2E_DIR/previous.png"
        shot "$name"
        value=$(rmse "$E2E_DIR/previous.png" "$E2E_SHOTS/$name.png" "$2")
        if below "$value" 0.08; then calm=$((calm + 1)); else calm=0; fi
        i=$((i + 1))
        [ $i -gt $limit ] && fail "$name does not settle (RMSE $value)"
    done
    sleep 1.5
}

MAIN_TITLE="mui/main/main_bg.jpg 440x100+170+30"
MENU_TITLE="mui/remover/menu_bg.jpg 400x60+200+50"
GAME_CAPTION="mui/remover/game_bg.jpg 160x50+10+10"
DIALOG_FOOT="mui/common/dialog_back.jpg 700x60+50+400"
EXIT_PICTURE="mui/main/exit.jpg 600x100+100+180"

# A click as a player makes it: the pointer comes to rest, then the button.
click() {
    xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"
    sleep 0.2
    xdotool click 1
    sleep "${3:-0.6}"
}
# Away from every button, so that none shows its hover picture.
rest() { xdotool mousemove --window "$E2E_WINDOW" 720 580; sleep "${1:-0.5}"; }

# Pixel centre of a cell of the 11 x 11 board, which spans 175..625 and
# 75..525 on the 800 x 600 window.
cell() { awk -v x="$1" -v y="$2" 'BEGIN { c = 450 / 11; printf "%d %d", 175 + c * (x + 0.5), 75 + c * (y + 0.5) }'; }
BOARD="450x450+175+75"

value_of() { "$FILES" dump "$1" "$2" | sed -n "s/^$3 //p"; }

REMOVER="130 190"
NEW_GAME="400 225"
CONTINUE="400 295"
TOP7="400 365"
OPTIONS="400 435"
MAIN_MENU="400 505"
HELP="572 30"

start() {
    e2e_start_game
    e2e_wait_window
    wait_for "$1" $MAIN_TITLE 30
}

# --- First run: a new game, played, left and resumed. ----------------------
start 01-main-menu
click $REMOVER
wait_for 02-remover-menu $MENU_TITLE 10
[ -e "$DATA/remover.sav" ] && fail "a saved game exists before any game"

click $NEW_GAME 1
shot 03-new-game-dialog
click 130 320 0.4   # Medium Field
click 490 320 0.4   # Medium
shot 04-medium-field-medium
click 295 450 0.2   # OK
wait_for 05-game-dealt $GAME_CAPTION 10
rest
wait_still 05-game-dealt "$BOARD" 30
shot 05-game-dealt

# The first turn's bricks stand in the slot that the game's ground draws
# for them, and none crosses its edges. The edges are found in the picture
# itself: its two light outlines on a row through the slot's middle.
GROUND=$(reference mui/remover/game_bg.jpg)
read -r left right <<<"$(convert "$GROUND" -crop 170x1+0+300 +repage -colorspace gray -depth 8 txt:- |
    awk -F'[ ,:()]+' 'NR > 1 && $4 > 90 { if (first == "") first = $1; last = $1 } END { print first, last }')"
[ -n "$left" ] && [ "$right" -gt $((left + 40)) ] || fail "no slot for the brick column in the game's ground"
for edge in $((left - 1)) $((right - 2)); do
    below "$(rmse "$E2E_SHOTS/05-game-dealt.png" "$GROUND" 4x390+$edge+128)" 0.12 \
        || fail "the brick column crosses the edge of its slot at x $edge"
done
below 0.08 "$(rmse "$E2E_SHOTS/05-game-dealt.png" "$GROUND" $((right - left - 6))x390+$((left + 3))+128)" \
    || fail "no brick column in its slot"

# The odd cells start empty and refills never aim at them: turns of four,
# three and two bricks, with clicks to spare for cells that blockers took
# and for the pauses between turns.
for c in "1 0" "3 0" "5 0" "7 0" "0 3" "2 3" "4 3" "6 3" "8 3" "10 3" "1 6" "3 6" "5 6" "7 6" "9 6" \
         "0 9" "2 9" "4 9" "6 9" "8 9"; do
    click $(cell $c) 0.9
done
sleep 3
rest 1.5
shot 06-turns-played
running "playing turns"
below 0.05 "$(rmse "$E2E_SHOTS/05-game-dealt.png" "$E2E_SHOTS/06-turns-played.png" "$BOARD")" \
    || fail "the placed bricks do not show on the board"

e2e_key Escape
wait_for 07-paused $MENU_TITLE 10
rest 1
shot 07-paused
below "$(rmse "$E2E_SHOTS/02-remover-menu.png" "$E2E_SHOTS/07-paused.png" 240x40+280+275)" 0.05 \
    && fail "Continue is not shown for the paused game"
click $MAIN_MENU
wait_for 08-main-menu-again $MAIN_TITLE 10
[ -s "$DATA/remover.sav" ] || fail "leaving the menu saved no game"
[ "$(value_of "$DATA/remover.sav" $SAVE_KEY f_m_width_bricks)" = 11 ] || fail "the saved board is not the medium one"
[ "$(value_of "$DATA/remover.sav" $SAVE_KEY m_start_colors_count)" = 5 ] || fail "the saved game is not of medium difficulty"
turns=$(value_of "$DATA/remover.sav" $SAVE_KEY p_m_turns_count)
[ "${turns:-0}" -ge 3 ] || fail "fewer than two turns were played (turn counter $turns)"
[ "$(value_of "$DATA/remover.cfg" $SETTINGS_KEY remover_last_size)" = 1 ] || fail "the chosen size is not kept"
[ "$(value_of "$DATA/remover.cfg" $SETTINGS_KEY remover_last_difficult)" = 1 ] || fail "the chosen difficulty is not kept"

click $REMOVER
wait_for 09-remover-menu-again $MENU_TITLE 10
click $CONTINUE 0.2
wait_for 10-resumed $GAME_CAPTION 10
rest
wait_still 10-resumed "$BOARD" 30
shot 10-resumed
same=$(rmse "$E2E_SHOTS/06-turns-played.png" "$E2E_SHOTS/10-resumed.png" "$BOARD")
other=$(rmse "$E2E_SHOTS/05-game-dealt.png" "$E2E_SHOTS/10-resumed.png" "$BOARD")
below "$same" 0.05 || fail "Continue did not resume the same board (RMSE $same)"
below "$same" "$other" || fail "the resumed board looks more like the dealt one ($same, $other)"

# --- A group of four removed. ----------------------------------------------
e2e_key Escape
wait_for 11-paused-again $MENU_TITLE 10
click $MAIN_MENU
wait_for 11-main-menu $MAIN_TITLE 10
"$FILES" one-group "$DATA/remover.sav" 500 || fail "cannot prepare the group"
click $REMOVER
wait_for 12-remover-menu $MENU_TITLE 10
click $CONTINUE 0.2
wait_for 12-three-in-a-row $GAME_CAPTION 10
rest
wait_still 12-three-in-a-row "$BOARD" 30
shot 12-three-in-a-row
# Cells 1 to 4 of the second row. A click lost to a slow machine is made
# again; one that counted has emptied the row, so it is never repeated.
ROW="164x41+216+116"
read -r x y <<<"$(cell 4 1)"
removed=
for attempt in 1 2 3; do
    xdotool mousemove --window "$E2E_WINDOW" "$x" "$y"
    sleep 1
    shot 13-fourth-brick-aimed
    xdotool click 1
    sleep 0.9
    shot 13-group-selected
    sleep 2.5
    rest 1
    shot 14-group-removed
    if below 0.12 "$(rmse "$E2E_SHOTS/12-three-in-a-row.png" "$E2E_SHOTS/14-group-removed.png" $ROW)"; then
        removed=1
        break
    fi
done
[ -n "$removed" ] || fail "the group did not leave the board"
e2e_key Escape
wait_for 15-paused $MENU_TITLE 10
click $MAIN_MENU
wait_for 15-main-menu $MAIN_TITLE 10
[ "$(value_of "$DATA/remover.sav" $SAVE_KEY p_m_score)" = 510 ] || fail "the group of four did not score 10"
for x in 1 2 3 4; do
    [ "$(value_of "$DATA/remover.sav" $SAVE_KEY f_color$x-1)" = "-1 0 0 0" ] || fail "cell $x-1 kept its brick"
done

e2e_key Escape
wait_for 16-exit-window $EXIT_PICTURE 10
click 400 537 0.2   # Quit Game
e2e_wait_exit 15
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"

# --- Second run: the last brick ends the game. -----------------------------
"$FILES" nearly-full "$DATA/remover.sav" 11 5 4321 || fail "cannot prepare the last move"
start 20-main-menu
click $REMOVER
wait_for 21-remover-menu $MENU_TITLE 10
click $CONTINUE 0.2
wait_for 22-one-cell-free $GAME_CAPTION 10
rest
wait_still 22-one-cell-free "$BOARD" 30
read -r x y <<<"$(cell 0 0)"
xdotool mousemove --window "$E2E_WINDOW" "$x" "$y"
sleep 1
shot 22-one-cell-free
# Once the cell is taken, a repeated click finds it occupied and does
# nothing, so a click lost to a slow machine is simply made again.
ended=
for attempt in 1 2 3; do
    xdotool click 1
    sleep 1.2
    shot 23-board-full
    for wait in 1 2 3 4 5 6 7 8 9 10; do
        sleep 0.5
        running "after the last brick"
        shot 24-game-over
        if below "$(rmse "$E2E_SHOTS/24-game-over.png" "$(reference mui/common/dialog_back.jpg)" 700x60+50+400)" 0.06; then
            ended=1
            break 2
        fi
    done
done
[ -n "$ended" ] || fail "the full board did not end the game"
sleep 0.5
shot 24-game-over
below 0.1 "$(rmse "$E2E_SHOTS/24-game-over.png" "$(reference mui/common/dialog_back.jpg)" 400x50+200+325)" \
    || fail "the ranking score asks for no name"
click 400 352 0.3   # the name box
xdotool type --delay 60 "Tester Q"
sleep 0.5
shot 25-name-typed
e2e_key Return
wait_for 26-menu-after-game $MENU_TITLE 10
rest 1
shot 26-menu-after-game
CONTINUE_AREA="240x40+280+275"
below "$(rmse "$E2E_SHOTS/02-remover-menu.png" "$E2E_SHOTS/26-menu-after-game.png" $CONTINUE_AREA)" \
      "$(rmse "$E2E_SHOTS/07-paused.png" "$E2E_SHOTS/26-menu-after-game.png" $CONTINUE_AREA)" \
    || fail "Continue still shows after the game ended"

# Top 7 opens on the first table; the medium field at medium difficulty is
# the fifth.
click $TOP7 1
shot 27-top7-first
for page in 2 3 4 5; do
    click 715 115 0.5
done
shot 28-top7-medium-medium
below 0.02 "$(rmse "$E2E_SHOTS/27-top7-first.png" "$E2E_SHOTS/28-top7-medium-medium.png" 500x40+150+135)" \
    || fail "the table of the game shows no entry"
click 515 537 1   # Close

# Options: the next skin, full music volume, autosave off.
click $OPTIONS 1
shot 29-options
click 660 340 0.6
click 685 465 0.6
click 140 160 0.6
shot 30-options-changed
below 0.02 "$(rmse "$E2E_SHOTS/29-options.png" "$E2E_SHOTS/30-options-changed.png" 480x60+180+310)" \
    || fail "the skin preview did not change"
click 400 548 1   # Close

# Help: every page once.
click $HELP 1
shot 31-help-1
click 655 553 0.8
shot 32-help-2
click 655 553 0.8
shot 33-help-3
below 0.02 "$(rmse "$E2E_SHOTS/31-help-1.png" "$E2E_SHOTS/32-help-2.png" 700x400+50+100)" || fail "help did not page"
below 0.02 "$(rmse "$E2E_SHOTS/32-help-2.png" "$E2E_SHOTS/33-help-3.png" 700x400+50+100)" || fail "help did not page twice"
click 400 553 1   # Close
rest
shot 34-menu-after-dialogs
below "$(rmse "$E2E_SHOTS/26-menu-after-game.png" "$E2E_SHOTS/34-menu-after-dialogs.png" 500x300+150+150)" 0.1 \
    || fail "a dialog did not close"

click $MAIN_MENU
wait_for 35-main-menu $MAIN_TITLE 10
[ -e "$DATA/remover.sav" ] && fail "the ended game is still saved"
table=$("$FILES" table "$DATA/scores111.tab") || fail "no table for the medium field at medium difficulty"
printf '%s\n' "$table" | grep -q "^Tester Q	4321$" || fail "the name is not in the table: $table"
[ "$(value_of "$DATA/remover.cfg" $SETTINGS_KEY m_autosave)" = 0 ] || fail "autosave off was not kept"
skin=$(value_of "$DATA/remover.cfg" $SETTINGS_KEY m_current_skin)
[ "${skin:-0}" != 0 ] || fail "the chosen skin was not kept"

e2e_key Escape
wait_for 36-exit-window $EXIT_PICTURE 10
click 400 537 0.2   # Quit Game
e2e_wait_exit 15
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"
echo "PASS: new game, turns, leave and resume, a group removed, the end, the name in Top 7, options, help, exit"
