# A visit to the remover's game menu: every dialog opened and closed, a game
# started and left, the program closed; the saved game is then resumed by
# the next run of the program, and its file stays on disk during the visit.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
e2e_copy_game "$1"

fail() {
    e2e_fail "$@"
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
    e2e_rmse "$a" "$b"
}

below() { e2e_below "$1" "$2"; }
click() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click 1; }
running() { e2e_expect_running "$1"; }

# Shots named $1 are taken until the shot differs from shot $2 (in region
# $4, or the whole picture) by more than $3.
differs() {
    shot "$1"
    MEASURE=$(rmse "$2" "$1" "${4:-}")
    below "$3" "$MEASURE"
}

# ... or until it is closer than $3 to it.
resembles() {
    shot "$1"
    MEASURE=$(rmse "$2" "$1" "${4:-}")
    below "$MEASURE" "$3"
}

# Waits for a picture check; fails with the description and the last measure.
picture() {
    local what="$1"
    shift
    local deadline=$((SECONDS + E2E_TIMEOUT))
    MEASURE=
    until "$@"; do
        e2e_running || fail "the program ended while waiting for $what"
        [ $SECONDS -ge $deadline ] && fail "$what: not seen within $E2E_TIMEOUT s (measure ${MEASURE:-none}, shot gamemenu-$2)"
        sleep 0.2
    done
}

not_black() {
    shot "$1"
    MEASURE=$(convert "$E2E_SHOTS/gamemenu-$1.png" -format '%[fx:mean]' info:)
    below 0.02 "$MEASURE"
}

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
TITLE_AREA="400x60+200+20"

declare -A DIALOG_SCREEN=([TOP7]=CTop7Dialog [OPTIONS]=COptionsDialog [HELP]=CHelpDialog)

e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
picture "the main menu" not_black 01-main-menu
click $REMOVER_BUTTON
e2e_wait_state CGameMenu
picture "the remover's menu" differs 02-menu 01-main-menu 0.08
[ -e "$E2E_DIR/data/remover.sav" ] && fail "a saved game exists before any game"

for dialog in TOP7 OPTIONS HELP; do
    click ${!dialog}
    e2e_wait_state "${DIALOG_SCREEN[$dialog]}"
    picture "$dialog to open" differs "03-$dialog" 02-menu 0.05 "$DIALOG_AREA"
    if [ "$dialog" = HELP ]; then
        click $HELP_NEXT
        picture "the help to turn its page" differs 03-HELP-page2 03-HELP 0.02 "$DIALOG_AREA"
    fi
    e2e_key Escape
    e2e_wait_state CGameMenu
    running "closing $dialog"
    # Away from the buttons, so that none shows its hover picture.
    xdotool mousemove --window "$E2E_WINDOW" 700 560
    picture "$dialog to close" resembles "04-after-$dialog" 02-menu 0.1 "$DIALOG_AREA"
done

click $NEW_GAME
e2e_wait_state "C[A-Za-z]*NewGameDialog"
shot 05-new-game
e2e_key Return
e2e_wait_state "C[A-Za-z]*GameScreen"
picture "the game screen after New game" differs 06-game 02-menu 0.1
e2e_key Escape
e2e_wait_state CGameMenu
running "leaving the game"
picture "Continue for the paused game" differs 07-paused 02-menu 0.05 "$CONTINUE_AREA"
click $MAIN_MENU
e2e_wait_state "CMainMenu window"
picture "the main menu again" resembles 08-back 01-main-menu 0.06 "$TITLE_AREA"
[ -s "$E2E_DIR/data/remover.sav" ] || fail "leaving the menu saved no game"
[ -s "$E2E_DIR/data/remover.cfg" ] || fail "leaving the menu wrote no settings"
[ -s "$E2E_DIR/data/scores100.tab" ] || fail "leaving the menu wrote no score tables"

e2e_key alt+F4
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"

# The next run resumes the game.
e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
click $REMOVER_BUTTON
e2e_wait_state CGameMenu
picture "Continue after a restart" differs 09-menu-again 02-menu 0.05 "$CONTINUE_AREA"
[ -s "$E2E_DIR/data/remover.sav" ] || fail "the saved game left the disk while it is being played"
click $CONTINUE
e2e_wait_state "C[A-Za-z]*GameScreen"
picture "the resumed game" differs 10-resumed 09-menu-again 0.1
e2e_key Escape
e2e_wait_state CGameMenu
e2e_key Escape
e2e_wait_state "CMainMenu window"
e2e_key alt+F4
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || fail "exit code $E2E_STATUS"
[ -s "$E2E_DIR/data/remover.sav" ] || fail "the resumed game was not saved again"
echo "PASS: game menu, its dialogs, a game left and resumed across runs"
