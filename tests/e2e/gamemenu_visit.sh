# A visit to the remover's game menu: every dialog opened and closed, a game
# started and left, the program closed; the saved game is then resumed by
# the next run of the program, and its file stays on disk during the visit.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
e2e_copy_game "$1"

fail() {
    echo "FAIL: $*"
    cat "$E2E_DIR/out.log"
    exit 1
}

shot() {
    mkdir -p "$E2E_SHOTS"
    import -window "$E2E_WINDOW" "$E2E_SHOTS/gamemenu-$1.png"
}

# Normalised RMSE of a region (WxH+X+Y, or the whole picture) of two shots.
rmse() {
    local a="$E2E_SHOTS/gamemenu-$1.png" b="$E2E_SHOTS/gamemenu-$2.png"
    if [ -n "${3:-}" ]; then
        convert "$a" -crop "$3" +repage "$E2E_DIR/a.png"
        convert "$b" -crop "$3" +repage "$E2E_DIR/b.png"
        a="$E2E_DIR/a.png"
        b="$E2E_DIR/b.png"
    fi
    compare -metric RMSE "$a" "$b" null: 2>&1 | sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p'
}

below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
click() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click 1; sleep "${3:-1}"; }
running() { kill -0 "$E2E_PID" 2>/dev/null || fail "the game ended: $1"; }

# Window pixels of the layout (the window is 800 x 600).
REMOVER_BUTTON="100 185"
NEW_GAME="380 215"
CONTINUE="380 285"
TOP7="380 355"
OPTIONS="380 425"
MAIN_MENU="380 495"
HELP="570 25"
HELP_NEXT="600 545"
CONTINUE_AREA="240x40+280+270"
DIALOG_AREA="500x300+150+150"

e2e_start_game
e2e_wait_window
sleep 3
shot 01-main-menu
click $REMOVER_BUTTON 1.5
running "opening the remover's menu"
shot 02-menu
below 0.08 "$(rmse 01-main-menu 02-menu)" || fail "the remover's menu did not open"
[ -e "$E2E_DIR/data/remover.sav" ] && fail "a saved game exists before any game"

for dialog in TOP7 OPTIONS HELP; do
    click ${!dialog} 1
    shot "03-$dialog"
    below "$(rmse 02-menu "03-$dialog" "$DIALOG_AREA")" 0.05 && fail "$dialog opened nothing"
    if [ "$dialog" = HELP ]; then
        click $HELP_NEXT 0.7
        shot 03-HELP-page2
        below "$(rmse 03-HELP 03-HELP-page2 "$DIALOG_AREA")" 0.02 && fail "the help did not page"
    fi
    e2e_key Escape
    sleep 0.8
    running "closing $dialog"
    # Away from the buttons, so that none shows its hover picture.
    xdotool mousemove --window "$E2E_WINDOW" 700 560
    sleep 0.5
    shot "04-after-$dialog"
    below "$(rmse 02-menu "04-after-$dialog" "$DIALOG_AREA")" 0.1 || fail "$dialog did not close"
done

click $NEW_GAME 1
shot 05-new-game
e2e_key Return
sleep 1.5
shot 06-game
below 0.1 "$(rmse 02-menu 06-game)" || fail "no game screen after New game"
e2e_key Escape
sleep 1
running "leaving the game"
shot 07-paused
below "$(rmse 02-menu 07-paused "$CONTINUE_AREA")" 0.05 && fail "Continue is not shown for the paused game"
click $MAIN_MENU 1
shot 08-back
below "$(rmse 01-main-menu 08-back "400x60+200+20")" 0.06 || fail "Main menu did not lead back"
[ -s "$E2E_DIR/data/remover.sav" ] || fail "leaving the menu saved no game"
[ -s "$E2E_DIR/data/remover.cfg" ] || fail "leaving the menu wrote no settings"
[ -s "$E2E_DIR/data/scores100.tab" ] || fail "leaving the menu wrote no score tables"

e2e_key alt+F4
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"

# The next run resumes the game.
e2e_start_game
e2e_wait_window
sleep 3
click $REMOVER_BUTTON 1.5
shot 09-menu-again
below "$(rmse 02-menu 09-menu-again "$CONTINUE_AREA")" 0.05 && fail "Continue is not shown after a restart"
[ -s "$E2E_DIR/data/remover.sav" ] || fail "the saved game left the disk while it is being played"
click $CONTINUE 1.5
shot 10-resumed
below 0.1 "$(rmse 09-menu-again 10-resumed)" || fail "Continue resumed nothing"
e2e_key Escape
sleep 1
e2e_key Escape
sleep 1
e2e_key alt+F4
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"
[ -s "$E2E_DIR/data/remover.sav" ] || fail "the resumed game was not saved again"
echo "PASS: game menu, its dialogs, a game left and resumed across runs"
