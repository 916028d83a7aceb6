# A player's road through the designer: from the main menu into the kind's
# menu, a new game, a figure dragged from the tray onto the board, another
# taken and sent back, the first lifted, turned and laid again, the game left
# and continued; then the saved game and the settings read back in their
# stored forms, the game continued in the next run of the program, and a
# nearly done level completed by a drag.
set -u
source "$(dirname "$0")/../e2e/lib.sh"
E2E_SCREEN=800x600
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
FILES="$3"
e2e_copy_game "$1"

fail() { e2e_fail "$@"; }
shot() {
    mkdir -p "$E2E_SHOTS"
    import -window "$E2E_WINDOW" "$E2E_SHOTS/designer-$1.png"
}
# Normalised RMSE of a region (WxH+X+Y) of two shots.
rmse() {
    convert "$E2E_SHOTS/designer-$1.png" -crop "$3" +repage "$E2E_DIR/a.png"
    convert "$E2E_SHOTS/designer-$2.png" -crop "$3" +repage "$E2E_DIR/b.png"
    e2e_rmse "$E2E_DIR/a.png" "$E2E_DIR/b.png"
}
differs() {
    shot "$1"
    MEASURE=$(rmse "$2" "$1" "$4")
    e2e_below "$3" "$MEASURE"
}
resembles() {
    shot "$1"
    MEASURE=$(rmse "$2" "$1" "$4")
    e2e_below "$MEASURE" "$3"
}
not_black() {
    shot "$1"
    MEASURE=$(convert "$E2E_SHOTS/designer-$1.png" -format '%[fx:mean]' info:)
    e2e_below 0.02 "$MEASURE"
}
# Waits for a picture check; fails with the description and the last measure.
picture() {
    local what="$1"
    shift
    local deadline=$((SECONDS + E2E_TIMEOUT))
    MEASURE=
    until "$@"; do
        e2e_running || fail "the program ended while waiting for $what"
        [ $SECONDS -ge $deadline ] && fail "$what: not seen within $E2E_TIMEOUT s (measure ${MEASURE:-none}, shot designer-$2)"
        sleep 0.2
    done
}
# The board holds still: two shots a moment apart match. Animations step
# once a frame, so a slow machine takes longer; clicks wait for them. Only
# the board's inside counts: the back sparkles drift everywhere else.
still() {
    shot still-a
    sleep 0.3
    shot still-b
    MEASURE=$(rmse still-a still-b "$BOARD_INSIDE")
    e2e_below "$MEASURE" 0.003
}
settle() { picture "the board to settle" still still-a; }
move() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"; }
click() { move "$1" "$2"; sleep 0.3; xdotool click "${3:-1}"; }
# Moves with the button held, in steps, as a hand does.
drag_to() {
    local x0="$1" y0="$2" x1="$3" y1="$4" i
    for i in 1 2 3 4 5 6 7 8; do
        move $((x0 + (x1 - x0) * i / 8)) $((y0 + (y1 - y0) * i / 8))
        sleep 0.1
    done
}
value() { awk -v k="$1" '$1 == k { print $2 }' "$2"; }

# Window pixels of the 800 x 600 layout.
DESIGNER_BUTTON="100 401"
NEW_GAME="380 215"
CONTINUE="380 285"
MAIN_MENU="380 495"
# The tray's first slot, the board's centre, a point far left of the board,
# and the cell above the centre.
TRAY_TOP="670 107"
BOARD_CENTRE="400 300"
FAR_OFF="120 500"
ABOVE_CENTRE="400 271"
BOARD_AREA="360x360+220+120"
BOARD_INSIDE="340x340+230+130"
CONTINUE_AREA="240x40+280+270"

enter_designer() {
    click $DESIGNER_BUTTON
    e2e_wait_state CGameMenu
}

e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
picture "the main menu" not_black 01-main-menu
enter_designer
picture "the designer's menu" differs 02-menu 01-main-menu 0.05 "800x600+0+0"
click $NEW_GAME
e2e_wait_state "CDesignerNewGameDialog"
shot 03-new-game
e2e_key Return
e2e_wait_state "CDesignerGameScreen"
picture "the game screen" differs 04-game 02-menu 0.1 "800x600+0+0"
settle 800x600+0+0
shot 04-game

# The tray's first figure dragged onto the middle of the board.
settle
move $TRAY_TOP
sleep 0.5
xdotool mousedown 1
sleep 1
drag_to $TRAY_TOP $BOARD_CENTRE
settle
xdotool mouseup 1
picture "the dragged figure on the board" differs 05-laid 04-game 0.03 "$BOARD_INSIDE"
settle
shot 05-laid

# The next figure taken and sent back to the tray from far off the board.
sleep 1
click $TRAY_TOP
sleep 1
click $FAR_OFF
sleep 1
settle
picture "the figure back in the tray, the board as laid" resembles 08-returned 05-laid 0.003 "$BOARD_INSIDE"
sleep 1

# The laid figure lifted (it costs points), turned and laid again. The
# middle cell may be one the figure leaves free: then the cell above it is
# taken; a click on a free cell with an empty hand does nothing.
lifted=
for target in "$BOARD_CENTRE" "$ABOVE_CENTRE" "$BOARD_CENTRE" "$ABOVE_CENTRE"; do
    click $target
    settle
    shot 09-lifted
    if e2e_below 0.003 "$(rmse 08-returned 09-lifted "$BOARD_INSIDE")"; then
        lifted=1
        break
    fi
done
[ -n "$lifted" ] || fail "the laid figure could not be lifted"
move $BOARD_CENTRE
settle
click $BOARD_CENTRE 3
settle
click $BOARD_CENTRE
settle
shot 10-relaid
# Left and continued.
e2e_key Escape
e2e_wait_state CGameMenu
picture "Continue for the left game" differs 11-menu-paused 02-menu 0.02 "$CONTINUE_AREA"
click $CONTINUE
e2e_wait_state "CDesignerGameScreen"
settle "$BOARD_AREA"
picture "the continued board" resembles 12-continued 10-relaid 0.003 "$BOARD_INSIDE"
e2e_key Escape
e2e_wait_state CGameMenu
click $MAIN_MENU
e2e_wait_state "CMainMenu window"

# The saved game and the settings in their stored forms.
SAVE="$E2E_DIR/data/designer.sav"
[ -f "$SAVE" ] || fail "no saved game after leaving the designer's menu"
"$FILES" save "$SAVE" >"$E2E_DIR/save.txt" || fail "the saved game cannot be read"
cat "$E2E_DIR/save.txt"
[ "$(value valid "$E2E_DIR/save.txt")" = 1 ] || fail "the saved game does not pass the game's own check"
[ "$(value figures "$E2E_DIR/save.txt")" = 1 ] || fail "the saved board does not hold the one laid figure"
covered=$(value covered "$E2E_DIR/save.txt")
[ "$covered" -ge 4 ] && [ "$covered" -le 5 ] || fail "the saved board covers $covered cells"
[ "$(value held "$E2E_DIR/save.txt")" = 0 ] || fail "a figure is saved in hand"
[ "$(value turn "$E2E_DIR/save.txt")" = 1 ] || fail "the laid figure is not saved turned once"
[ "$(value level "$E2E_DIR/save.txt")" = 1 ] || fail "the saved level is not 1"
score=$(value level_score "$E2E_DIR/save.txt")
penalty=$(value penalty "$E2E_DIR/save.txt")
tray=$(value tray "$E2E_DIR/save.txt")
[ "$penalty" = 10 ] || fail "the lift penalty of level 1 is $penalty"
[ "$score" = $(( (tray + 1) * 50 - 10 )) ] || fail "level score $score for $((tray + 1)) figures and one lift"
"$FILES" dump "$E2E_DIR/data/designer.cfg" 729p3k5x >"$E2E_DIR/settings.txt" || fail "the settings cannot be read"
cat "$E2E_DIR/settings.txt"
[ "$(value m_autosave "$E2E_DIR/settings.txt")" = 1 ] || fail "autosave not stored"
[ "$(value m_current_skin "$E2E_DIR/settings.txt")" = 2 ] || fail "skin not stored"
[ "$(value remover_last_size "$E2E_DIR/settings.txt")" = 0 ] || fail "board size not stored"
[ "$(value remover_last_difficult "$E2E_DIR/settings.txt")" = 0 ] || fail "difficulty not stored"

# The next run offers the game again.
e2e_key alt+F4
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"
e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
enter_designer
sleep 1
click $CONTINUE
e2e_wait_state "CDesignerGameScreen"
settle "$BOARD_AREA"
picture "the game of the last run" resembles 13-next-run 10-relaid 0.003 "$BOARD_INSIDE"
e2e_key Escape
e2e_wait_state CGameMenu
click $MAIN_MENU
e2e_wait_state "CMainMenu window"
e2e_key alt+F4
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"

# A level one square short of its picture: the square dragged into the
# gap completes it, the rows fall and level 2 starts with the points kept.
"$FILES" nearly-done "$SAVE" || fail "cannot write the nearly done level"
e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
enter_designer
sleep 1
click $CONTINUE
e2e_wait_state "CDesignerGameScreen"
settle
shot 14-nearly-done
move $TRAY_TOP
sleep 0.5
xdotool mousedown 1
sleep 1
drag_to $TRAY_TOP $BOARD_CENTRE
settle
xdotool mouseup 1
picture "the rows to fall" differs 15-falling 14-nearly-done 0.05 "$BOARD_INSIDE"
settle
picture "the empty board of level 2" resembles 16-level-2 04-game 0.003 "$BOARD_INSIDE"
e2e_key Escape
e2e_wait_state CGameMenu
click $MAIN_MENU
e2e_wait_state "CMainMenu window"
"$FILES" save "$SAVE" >"$E2E_DIR/save.txt" || fail "the saved game cannot be read"
cat "$E2E_DIR/save.txt"
[ "$(value level "$E2E_DIR/save.txt")" = 2 ] || fail "the game is not on level 2"
[ "$(value total "$E2E_DIR/save.txt")" = 450 ] || fail "level 1 did not add its 450 points"
[ "$(value penalty "$E2E_DIR/save.txt")" = 20 ] || fail "the lift penalty of level 2 is not 20"
e2e_key alt+F4
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"
echo "PASS"
