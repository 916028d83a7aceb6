# A player's road through the mover with the real mouse and keyboard: the
# main menu, the mover's menu, a new game on the small easy board, bricks
# slid by clicks next to the empty cell, the game left and resumed with the
# same board, the saved game and the settings read back, a row completed,
# removed, grown back and scored in a later run, the game played to its end
# and the name in the small easy table, and the exit.
# Usage: mover_play.sh <game binary> <screenshot dir> <file helper> <asset stage>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/mover-play"
FILES="$3"
STAGE="$4"
e2e_copy_game "$1"
DATA="$E2E_DIR/data"
SETTINGS_KEY="394m612z"
SAVE_KEY="zq71w"

fail() { e2e_fail "$@"; }
below() { e2e_below "$1" "$2"; }
shot() { e2e_window_shot "$1"; }
rmse() { e2e_rmse "$1" "$2" "$3"; }

# A picture of the asset tree at the window's size.
reference() {
    local out="$E2E_DIR/ref_$(echo "$1" | tr / _).png"
    [ -e "$out" ] || convert "$STAGE/$1" -resize 800x600! "$out"
    echo "$out"
}

# Waits until a region of the window shows what the asset picture shows
# there: wait_for <shot> <asset> <region>.
wait_for() {
    e2e_wait_picture "$1 to show" e2e_looks_like "$1" "$(reference "$2")" 0.06 "$3"
}

# Takes shot $1 until region $2 stops changing: the level's entrance effect
# and the slides advance per frame, so they take longer on a busy machine.
wait_still() {
    local calm=0 deadline=$((SECONDS + E2E_TIMEOUT))
    shot "$1"
    while [ $calm -lt 3 ]; do
        sleep 0.3
        e2e_expect_running "waiting for $1 to settle"
        mv "$E2E_SHOTS/$1.png" "$E2E_DIR/previous.png"
        shot "$1"
        E2E_MEASURE=$(rmse "$E2E_DIR/previous.png" "$E2E_SHOTS/$1.png" "$2")
        if below "$E2E_MEASURE" 0.01; then calm=$((calm + 1)); else calm=0; fi
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
rest() { e2e_move 790 590; sleep 0.5; }

value_of() { "$FILES" dump "$1" "$2" | sed -n "s/^$3 //p"; }

# Pixel centre of a cell of the 6 x 6 board, which spans 175..625 and
# 75..525 on the 800 x 600 window.
cell() { echo $((175 + 75 * $1 + 37)) $((75 + 75 * $2 + 37)); }
BOARD="450x450+175+75"

MAIN_TITLE="mui/main/main_bg.jpg 440x100+170+30"
MENU_TITLE="mui/mover/menu_bg.jpg 400x60+200+50"
GAME_CORNER="mui/mover/game_bg.jpg 120x20+660+570"
MOVER="130 262"
NEW_GAME="400 225"
CONTINUE="400 295"
MAIN_MENU="400 505"

e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
wait_for 01-main-menu $MAIN_TITLE
to CGameMenu click $MOVER
wait_for 02-mover-menu $MENU_TITLE
[ -e "$DATA/mover.sav" ] && fail "a saved game exists before any game"

to CMoverNewGameDialog click $NEW_GAME
rest
shot 03-new-game-dialog
to CMoverGameScreen click 295 450   # OK: small field, easy
wait_for 04-game $GAME_CORNER
rest
wait_still 04-game-dealt "$BOARD"
# The hole is the bottom-right cell: the board there shows the ground.
hole=$(rmse "$E2E_SHOTS/04-game-dealt.png" "$(reference mui/mover/game_bg.jpg)" 60x60+555+455)
brick=$(rmse "$E2E_SHOTS/04-game-dealt.png" "$(reference mui/mover/game_bg.jpg)" 60x60+480+455)
below "$hole" "$brick" || fail "the bottom-right cell is not the empty one ($hole, $brick)"

# Three slides, each into the cell the last one emptied: right, down, right.
# A click that a slow machine lost is made again; one that counted has
# emptied the clicked cell, which the board then shows.
slide() {
    local name="$1" x="$2" y="$3" before="$E2E_SHOTS/$4.png" region
    region="60x60+$((175 + 75 * x + 7))+$((75 + 75 * y + 7))"
    for attempt in 1 2 3; do
        e2e_click_at $(cell "$x" "$y")
        rest
        wait_still "$name" "$BOARD"
        below 0.05 "$(rmse "$before" "$E2E_SHOTS/$name.png" "$region")" && return 0
    done
    fail "the brick at $x,$y did not slide"
}
slide 05-slid-right 4 5 04-game-dealt
slide 06-slid-down 4 4 05-slid-right
slide 07-slid-right 3 4 06-slid-down

to CGameMenu key Escape
rest
CONTINUE_AREA="240x40+280+275"
shot 08-paused
below 0.05 "$(rmse "$E2E_SHOTS/02-mover-menu.png" "$E2E_SHOTS/08-paused.png" $CONTINUE_AREA)" \
    || fail "no Continue button for the paused game"
to "CMainMenu window" click $MAIN_MENU
wait_for 09-main-menu-again $MAIN_TITLE
[ -s "$DATA/mover.sav" ] || fail "leaving the menu saved no game"
[ "$(value_of "$DATA/mover.sav" $SAVE_KEY f_m_width_bricks)" = 6 ] || fail "the saved board is not the small one"
[ "$(value_of "$DATA/mover.sav" $SAVE_KEY f_m_colors)" = 4 ] || fail "the saved game is not the easy one"
[ "$(value_of "$DATA/mover.sav" $SAVE_KEY f_color3-4)" = -1 ] || fail "the empty cell is not where the slides left it"
[ "$(value_of "$DATA/mover.sav" $SAVE_KEY f_color5-5)" != -1 ] || fail "the first slide is not saved"
holes=$("$FILES" dump "$DATA/mover.sav" $SAVE_KEY | grep -c '^f_color[0-9]-[0-9] -1$')
[ "$holes" = 1 ] || fail "the saved board has $holes empty cells"
moves=$(value_of "$DATA/mover.sav" $SAVE_KEY f_m_turns_count)
# A line completed by chance starts the count again.
[ "${moves:-9}" -le 3 ] || fail "the saved move count is $moves"
[ "$(value_of "$DATA/mover.cfg" $SETTINGS_KEY remover_last_size)" = 0 ] || fail "the chosen size is not kept"
[ "$(value_of "$DATA/mover.cfg" $SETTINGS_KEY m_autosave)" = 1 ] || fail "autosave is not on by default"

to CGameMenu click $MOVER
wait_for 10-mover-menu-again $MENU_TITLE
to CMoverGameScreen click $CONTINUE
wait_for 11-resumed $GAME_CORNER
rest
wait_still 11-resumed "$BOARD"
same=$(rmse "$E2E_SHOTS/07-slid-right.png" "$E2E_SHOTS/11-resumed.png" "$BOARD")
other=$(rmse "$E2E_SHOTS/04-game-dealt.png" "$E2E_SHOTS/11-resumed.png" "$BOARD")
below "$same" 0.03 || fail "Continue did not resume the same board (RMSE $same)"
below "$same" "$other" || fail "the resumed board looks more like the dealt one ($same, $other)"

# One more slide after the resume: the brick above the empty cell comes down.
slide 12-slid-after-resume 3 3 11-resumed

to CGameMenu key Escape
to "CMainMenu window" click $MAIN_MENU
wait_for 13-main-menu $MAIN_TITLE
[ "$(value_of "$DATA/mover.sav" $SAVE_KEY f_color3-3)" = -1 ] || fail "the slide after the resume is not saved"
to CExitWnd key Escape
e2e_click_at 400 537   # Quit Game
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"

# --- Second run: a row of one colour completed on the third move. ----------
# The saved board gets a red top row but for its right end, which is the
# empty cell, with a red brick below it.
before=$(value_of "$DATA/mover.sav" $SAVE_KEY m_score)
"$FILES" dump "$DATA/mover.sav" $SAVE_KEY | awk '
    /^f_color[0-4]-0 / { $2 = 0 }
    /^f_color5-0 / { $2 = -1 }
    /^f_color5-1 / { $2 = 0 }
    /^f_color3-3 / { $2 = 1 }
    /^f_m_turns_count / { $2 = 2 }
    { print }' | "$FILES" store "$DATA/mover.sav" $SAVE_KEY || fail "cannot prepare the row"
e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
wait_for 20-main-menu $MAIN_TITLE
to CGameMenu click $MOVER
wait_for 21-mover-menu $MENU_TITLE
to CMoverGameScreen click $CONTINUE
wait_for 22-row-to-go $GAME_CORNER
rest
wait_still 22-row-to-go "$BOARD"
ROW0="450x75+175+75"
for attempt in 1 2 3; do
    e2e_click_at $(cell 5 1)
    shot 23-row-completed
    rest
    wait_still 24-row-grown-back "$BOARD"
    below 0.05 "$(rmse "$E2E_SHOTS/22-row-to-go.png" "$E2E_SHOTS/24-row-grown-back.png" $ROW0)" && break
done
to CGameMenu key Escape
to "CMainMenu window" click $MAIN_MENU
wait_for 25-main-menu $MAIN_TITLE
# 1 line + 13 bonus moves = 14, which scores 2 + 4 + ... + 28 = 210.
[ "$(value_of "$DATA/mover.sav" $SAVE_KEY m_score)" = $((before + 210)) ] || fail "the row did not score 210"
[ "$(value_of "$DATA/mover.sav" $SAVE_KEY f_m_turns_count)" = 0 ] || fail "the move count did not start again"
[ "$(value_of "$DATA/mover.sav" $SAVE_KEY f_color5-1)" = -1 ] || fail "the brick did not leave its cell"
for x in 0 1 2 3 4 5; do
    [ "$(value_of "$DATA/mover.sav" $SAVE_KEY f_color$x-0)" != -1 ] || fail "cell $x-0 did not grow back"
done
# --- Third run: the last line out of reach ends the game. -----------------
# No colour keeps six bricks; the next slide lands and the game is over.
"$FILES" dump "$DATA/mover.sav" $SAVE_KEY | awk -v rows="000001 111122 222333 336666 666666 66666-" '
    BEGIN { split(rows, r, " ") }
    /^f_color[0-5]-[0-5] / {
        split(substr($1, 8), xy, "-")
        c = substr(r[xy[2] + 1], xy[1] + 1, 1)
        $2 = c == "-" ? -1 : c
    }
    { print }' | "$FILES" store "$DATA/mover.sav" $SAVE_KEY || fail "cannot prepare the end"
to CGameMenu click $MOVER
wait_for 30-mover-menu $MENU_TITLE
to CMoverGameScreen click $CONTINUE
wait_for 31-last-move $GAME_CORNER
rest
wait_still 31-last-move "$BOARD"
for attempt in 1 2 3; do
    e2e_click_at $(cell 5 4)
    rest
    deadline=$((SECONDS + E2E_TIMEOUT / 3))
    until e2e_state_is CGameOverDialog; do
        e2e_expect_running "after the last slide"
        shot 32-rows-falling
        [ $SECONDS -ge $deadline ] && continue 2
    done
    break
done
e2e_wait_state CGameOverDialog
e2e_wait_picture "the box for a ranking score's name" e2e_differs 33-game-over \
    "$(reference mui/common/dialog_back.jpg)" 0.1 400x50+200+325
xdotool type --delay 60 "Tester M"
e2e_wait_picture "the typed name" e2e_differs 34-name-typed "$E2E_SHOTS/33-game-over.png" 0.05 400x50+200+325
to CGameMenu key Return
to "CMainMenu window" click $MAIN_MENU
wait_for 35-main-menu $MAIN_TITLE
[ -e "$DATA/mover.sav" ] && fail "the ended game is still saved"
table=$("$FILES" table "$DATA/scores200.tab") || fail "no table for the small field on easy"
printf '%s\n' "$table" | grep -q "^Tester M	$((before + 210))$" || fail "the name is not in the table: $table"

to CExitWnd key Escape
e2e_click_at 400 537   # Quit Game
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"
echo "PASS: new game, slides next to the empty cell, leave and resume, the saved board and settings, a row removed and scored, the end and the name in the table, exit"
