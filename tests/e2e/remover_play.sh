# A player's whole road through the remover, with the real mouse and
# keyboard: the main menu, the remover's menu, a new game with a chosen size
# and difficulty, bricks placed turn by turn, the game left and resumed with
# the same board, the game played to its end across a restart, a name typed
# into the game-over dialog and found in its table, the options and help
# dialogs, and the exit window.
# Usage: remover_play.sh <game binary> <screenshot dir> <file helper> <asset stage>
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/remover-play"
E2E_FILES="$3"
E2E_KIND=remover
E2E_STAGE="$4"
e2e_copy_game "$1"
DATA="$E2E_DIR/data"
SETTINGS_KEY="52kq781w"

MAIN_TITLE="mui/main/main_bg.jpg 440x100+170+30"
MENU_TITLE="mui/remover/menu_bg.jpg 400x60+200+50"
GAME_CAPTION="mui/remover/game_bg.jpg 160x50+10+10"
DIALOG_FOOT="mui/common/dialog_back.jpg 700x60+50+400"
EXIT_PICTURE="mui/main/exit.jpg 600x100+100+180"

# Pixel centre of a cell of the 11 x 11 board, which spans 175..625 and
# 75..525 on the 800 x 600 window.
cell() { awk -v x="$1" -v y="$2" 'BEGIN { c = 450 / 11; printf "%d %d", 175 + c * (x + 0.5), 75 + c * (y + 0.5) }'; }
BOARD="450x450+175+75"

# The saved game brought to its last move: its board full but for the top
# left cell, with no two neighbours of one colour (across they differ by 1,
# up or down by 2, mod 4), so that the next brick fills the board without
# removing anything; nothing in hand or placed, and the score $1.
last_move() {
    "$E2E_FILES" dump "$DATA/remover.sav" zq71w | awk -v score="$1" '
        /^f_color/ { split(substr($1, 8), cell, "-"); $2 = cell[1] + cell[2] == 0 ? -1 : (cell[1] + 2 * cell[2]) % 4 }
        /^(m_score|gf_m_score|p_m_score) / { $2 = score }
        /^p_m_bricks(_placed)?\.size / { $2 = 0 }
        /^p_m_brick_current / { $2 = -1 }
        { print }' | "$E2E_FILES" store "$DATA/remover.sav" zq71w
}

REMOVER="130 190"
NEW_GAME="400 225"
CONTINUE="400 295"
TOP7="400 365"
OPTIONS="400 435"
MAIN_MENU="400 505"
HELP="572 30"

start() {
    e2e_start_to_menu
    e2e_wait_for "$1" $MAIN_TITLE
}

# --- First run: a new game, played, left and resumed. ----------------------
start 01-main-menu
e2e_to CGameMenu click $REMOVER
e2e_wait_for 02-remover-menu $MENU_TITLE
[ -e "$DATA/remover.sav" ] && e2e_fail "a saved game exists before any game"

e2e_to CRemoverNewGameDialog click $NEW_GAME
e2e_window_shot 03-new-game-dialog
e2e_click_at 130 320   # Medium Field
e2e_click_at 490 320   # Medium
sleep 0.5
e2e_window_shot 04-medium-field-medium
e2e_to CRemoverGameScreen click 295 450   # OK
e2e_wait_for 05-game-dealt $GAME_CAPTION
e2e_rest
e2e_wait_still 05-game-dealt "$BOARD" 0.08

# The first turn's bricks stand in the slot that the game's ground draws
# for them, and none crosses its edges. The edges are found in the picture
# itself: its two light outlines on a row through the slot's middle, and on
# its middle column the light top rim and the darker gold of its foot.
GROUND=$(e2e_reference mui/remover/game_bg.jpg)
read -r left right <<<"$(convert "$GROUND" -crop 170x1+0+300 +repage -colorspace gray -depth 8 txt:- |
    awk -F'[ ,:()]+' 'NR > 1 && $4 > 90 { if (first == "") first = $1; last = $1 } END { print first, last }')"
[ -n "$left" ] && [ "$right" -gt $((left + 40)) ] || e2e_fail "no slot for the brick column in the game's ground"
read -r top foot <<<"$(convert "$GROUND" -crop 1x600+$(((left + right) / 2))+0 +repage -colorspace gray -depth 8 txt:- |
    awk -F'[ ,:()]+' 'NR > 1 && $2 > 60 && $2 < 300 && $4 > 90 && top == "" { top = $2 }
                      NR > 1 && $2 > 300 && $4 > 55 && foot == "" { foot = $2 } END { print top, foot }')"
[ -n "$top" ] && [ -n "$foot" ] && [ "$foot" -gt $((top + 200)) ] ||
    e2e_fail "no top or foot to the slot in the game's ground"
INSIDE_ROWS="$((foot - top - 4))"
for edge in $((left - 1)) $((right - 2)); do
    e2e_below "$(e2e_rmse "$E2E_SHOTS/05-game-dealt.png" "$GROUND" 4x$INSIDE_ROWS+$edge+$((top + 2)))" 0.12 \
        || e2e_fail "the brick column crosses the edge of its slot at x $edge"
done
INSIDE="$((right - left - 6))x$INSIDE_ROWS+$((left + 3))+$((top + 2))"
e2e_below 0.08 "$(e2e_rmse "$E2E_SHOTS/05-game-dealt.png" "$GROUND" "$INSIDE")" \
    || e2e_fail "no brick column in its slot"

# The odd cells start empty and refills never aim at them: turns of four,
# three and two bricks, with clicks to spare for cells that blockers took
# and for the pauses between turns. A brick flies to its cell and a click
# counts once per half second, so the clicks are a little slower than that.
for c in "1 0" "3 0" "5 0" "7 0" "0 3" "2 3" "4 3" "6 3" "8 3" "10 3" "1 6" "3 6" "5 6" "7 6" "9 6" \
         "0 9" "2 9" "4 9" "6 9" "8 9"; do
    e2e_click_at $(cell $c)
    sleep 0.7
done
e2e_rest
# This shot is what the resumed game must show, so the board must be at rest:
# a turn's refill launches one brick every ten frames, and on a loaded
# machine that goes on for seconds, one or two bricks in flight at a time.
# The sparkles behind the cells change a shot by less than 0.02; one brick
# that lands or moves on changes it by 0.03 or more.
e2e_wait_still 06-turns-played "$BOARD" 0.025
e2e_below 0.05 "$(e2e_rmse "$E2E_SHOTS/05-game-dealt.png" "$E2E_SHOTS/06-turns-played.png" "$BOARD")" \
    || e2e_fail "the placed bricks do not show on the board"

CONTINUE_AREA="240x40+280+275"
e2e_to CGameMenu key Escape
e2e_rest
e2e_wait_picture "Continue for the paused game" e2e_differs 07-paused "$E2E_SHOTS/02-remover-menu.png" 0.05 $CONTINUE_AREA
e2e_to "CMainMenu window" click $MAIN_MENU
e2e_wait_for 08-main-menu-again $MAIN_TITLE
[ -s "$DATA/remover.sav" ] || e2e_fail "leaving the menu saved no game"
[ "$(e2e_saved f_m_width_bricks)" = 11 ] || e2e_fail "the saved board is not the medium one"
[ "$(e2e_saved m_start_colors_count)" = 5 ] || e2e_fail "the saved game is not of medium difficulty"
[ "$(e2e_saved f_m_status)" = 0 ] || e2e_fail "the game was left while bricks were still removed or added"
turns=$(e2e_saved p_m_turns_count)
[ "${turns:-0}" -ge 3 ] || e2e_fail "fewer than two turns were played (turn counter $turns)"
[ "$(e2e_value "$DATA/remover.cfg" $SETTINGS_KEY remover_last_size)" = 1 ] || e2e_fail "the chosen size is not kept"
[ "$(e2e_value "$DATA/remover.cfg" $SETTINGS_KEY remover_last_difficult)" = 1 ] || e2e_fail "the chosen difficulty is not kept"

e2e_to CGameMenu click $REMOVER
e2e_wait_for 09-remover-menu-again $MENU_TITLE
e2e_to CRemoverGameScreen click $CONTINUE
e2e_wait_for 10-resumed $GAME_CAPTION
e2e_rest
# Sparkles cross the board and a loaded machine draws the first frames
# slowly, so one shot may differ more than the board does: wait for a shot
# that shows the played board.
e2e_wait_picture "Continue to resume the same board" \
    e2e_looks_like 10-resumed "$E2E_SHOTS/06-turns-played.png" 0.05 "$BOARD"
same=$E2E_MEASURE
other=$(e2e_rmse "$E2E_SHOTS/05-game-dealt.png" "$E2E_SHOTS/10-resumed.png" "$BOARD")
e2e_below "$same" "$other" || e2e_fail "the resumed board looks more like the dealt one ($same, $other)"

e2e_leave_game
e2e_wait_for 11-main-menu $MAIN_TITLE
e2e_to CExitWnd key Escape
e2e_wait_for 16-exit-window $EXIT_PICTURE
e2e_click_at 400 537   # Quit Game
e2e_wait_exit_zero

# --- Second run: the last brick ends the game. -----------------------------
last_move 4321 || e2e_fail "cannot prepare the last move"
start 20-main-menu
e2e_to CGameMenu click $REMOVER
e2e_wait_for 21-remover-menu $MENU_TITLE
e2e_to CRemoverGameScreen click $CONTINUE
e2e_wait_for 22-one-cell-free $GAME_CAPTION
e2e_rest
e2e_wait_still 22-one-cell-free "$BOARD" 0.08
read -r x y <<<"$(cell 0 0)"
e2e_move "$x" "$y"
sleep 1
e2e_window_shot 22-one-cell-free
# Once the cell is taken, a repeated click finds it occupied and does
# nothing, so a click lost to a slow machine is simply made again.
for attempt in 1 2 3; do
    xdotool click 1
    sleep 1
    e2e_window_shot 23-board-full
    deadline=$((SECONDS + E2E_TIMEOUT / 3))
    until e2e_state_is CGameOverDialog; do
        e2e_expect_running "after the last brick"
        [ $SECONDS -ge $deadline ] && continue 2
        sleep 0.2
    done
    break
done
e2e_wait_state CGameOverDialog
e2e_wait_for 24-game-over $DIALOG_FOOT
e2e_wait_picture "the box for a ranking score's name" e2e_differs 24-game-over "$(e2e_reference mui/common/dialog_back.jpg)" 0.1 400x50+200+325
# The name is typed straight away, as a player does, without a click on
# the box first.
xdotool type --delay 60 "Tester Q"
e2e_wait_picture "the typed name" e2e_differs 25-name-typed "$E2E_SHOTS/24-game-over.png" 0.05 400x50+200+325
e2e_to CGameMenu key Return
e2e_rest
e2e_wait_picture "the menu without Continue" e2e_looks_like 26-menu-after-game "$E2E_SHOTS/02-remover-menu.png" \
    "$(e2e_rmse "$E2E_SHOTS/07-paused.png" "$E2E_SHOTS/02-remover-menu.png" $CONTINUE_AREA)" $CONTINUE_AREA

# Top 7 opens on the first table; the medium field at medium difficulty is
# the fifth.
e2e_to CTop7Dialog click $TOP7
e2e_wait_for 27-top7-first $DIALOG_FOOT
for page in 2 3 4 5; do
    e2e_click_at 715 115
    sleep 0.3
done
e2e_wait_picture "the entry in the table of the game" e2e_differs 28-top7-medium-medium "$E2E_SHOTS/27-top7-first.png" 0.02 500x40+150+135
e2e_to CGameMenu click 515 537   # Close

# Options: the next skin, full music volume, autosave off.
e2e_to COptionsDialog click $OPTIONS
e2e_wait_picture "the options" e2e_differs 29-options "$E2E_SHOTS/26-menu-after-game.png" 0.1 500x300+150+150
e2e_click_at 660 340
e2e_click_at 685 465
e2e_click_at 140 160
e2e_wait_picture "another skin in the preview" e2e_differs 30-options-changed "$E2E_SHOTS/29-options.png" 0.02 480x60+180+310
e2e_to CGameMenu click 400 548   # Close

# Help: every page once.
e2e_to CHelpDialog click $HELP
e2e_wait_picture "the help" e2e_differs 31-help-1 "$E2E_SHOTS/26-menu-after-game.png" 0.1 500x300+150+150
e2e_click_at 655 553
e2e_wait_picture "the second help page" e2e_differs 32-help-2 "$E2E_SHOTS/31-help-1.png" 0.02 700x400+50+100
e2e_click_at 655 553
e2e_wait_picture "the third help page" e2e_differs 33-help-3 "$E2E_SHOTS/32-help-2.png" 0.02 700x400+50+100
e2e_to CGameMenu click 400 553   # Close
e2e_rest
e2e_wait_picture "the menu after the dialogs" e2e_looks_like 34-menu-after-dialogs \
    "$E2E_SHOTS/26-menu-after-game.png" 0.1 500x300+150+150

e2e_to "CMainMenu window" click $MAIN_MENU
e2e_wait_for 35-main-menu $MAIN_TITLE
[ -e "$DATA/remover.sav" ] && e2e_fail "the ended game is still saved"
[ "$(e2e_value "$DATA/scores111.tab" 'ko%58w' name0) $(e2e_value "$DATA/scores111.tab" 'ko%58w' score0)" = "Tester Q 4321" ] ||
    e2e_fail "the name is not at the top of the table for the medium field at medium difficulty"
[ "$(e2e_value "$DATA/remover.cfg" $SETTINGS_KEY m_autosave)" = 0 ] || e2e_fail "autosave off was not kept"
skin=$(e2e_value "$DATA/remover.cfg" $SETTINGS_KEY m_current_skin)
[ "${skin:-0}" != 0 ] || e2e_fail "the chosen skin was not kept"

e2e_to CExitWnd key Escape
e2e_wait_for 36-exit-window $EXIT_PICTURE
e2e_click_at 400 537   # Quit Game
e2e_wait_exit_zero
echo "PASS: new game, turns, leave and resume, the end, the name in Top 7, options, help, exit"
