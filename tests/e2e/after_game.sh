# A kind's game menu and every dialog over it, each the first thing shown
# after leaving a game with Esc, look as they do once another dialog has
# been opened and closed: nothing a game switched on for its own drawing
# shows in them (a depth test left on cut the menu's buttons into the
# dialogs and dark squares round its sparkles).
# Usage: after_game.sh <game binary> <screenshot dir> <kind>
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
KIND="$3"
E2E_SHOTS="$2/after-game/$KIND"
e2e_copy_game "$1"

case "$KIND" in
remover) BUTTON="130 190" ;;
mover) BUTTON="130 262" ;;
slider) BUTTON="130 334" ;;
designer) BUTTON="100 401" ;;
eraser) BUTTON="640 185" ;;
eraser2) BUTTON="640 257" ;;
filler) BUTTON="650 330" ;;
jewel) BUTTON="640 400" ;;
*) e2e_fail "no such kind: $KIND" ;;
esac
NEW_GAME="400 225"
CONTINUE="400 295"
TOP7="400 365"
OPTIONS="400 435"
HELP="572 30"
BOARD_CENTRE="400 300"
# The menu's panel of buttons, where its sparkles cross them.
MENU_PANEL="290x360+255+185"
# Sparkles drift and the options' bricks turn between two looks (up to 0.045
# RMSE over a dialog); the menu's buttons drawn over a dialog measured 0.15.
LIMIT=0.07
# Sparkles only brighten what they cross: the darkest of a few looks of the
# menu's panel is the panel without them, and no look after a game may be
# much darker than that anywhere. A square cut round a sparkle made 200 to
# 1300 of its pixels darker by more than DARKER.
DARKER=12%
MENU_DARK_PIXELS=50

# From the kind's menu into the running game and out again with Esc, the
# game having drawn for a while; in the jewel a clicked brick still turns.
play_and_leave() {
    e2e_to "C[A-Za-z0-9]*GameScreen" click $CONTINUE
    e2e_rest 1.5
    if [ "$KIND" = jewel ]; then
        e2e_click_at $BOARD_CENTRE
        sleep 0.3
    fi
    e2e_to CGameMenu key Escape
    # The menu shows the button the game was entered by as it was left
    # until the pointer moves over the menu.
    e2e_move 780 580
    e2e_rest 0.3
}

# Opens a dialog from the menu and shoots it once it has drawn a while.
# shoot_dialog <shot> <state> X Y
shoot_dialog() {
    e2e_to "$2" click "$3" "$4"
    e2e_rest 1
    e2e_window_shot "$1"
}

# Help opened and closed: the menu has had a dialog over it since the game.
through_help() {
    e2e_to CHelpDialog click $HELP
    e2e_to CGameMenu key Escape
}

# expect_alike <what> <shot> <reference shot>
expect_alike() {
    E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/$2.png" "$E2E_SHOTS/$3.png")
    e2e_below "$E2E_MEASURE" "$LIMIT" ||
        e2e_fail "$1 after a game differs from $1 after a dialog (RMSE $E2E_MEASURE, shots $2 and $3)"
    echo "$1: RMSE $E2E_MEASURE"
}

e2e_start_to_menu
e2e_to CGameMenu click $BUTTON
# A new game, through the kind's dialog where it has one before any game.
e2e_to "C[A-Za-z0-9]*(NewGameDialog|GameScreen)" click $NEW_GAME
e2e_state | grep -q NewGameDialog && e2e_to "C[A-Za-z0-9]*GameScreen" key Return
e2e_rest 1.5
e2e_to CGameMenu key Escape

# The menu itself, its sparkles drifting over the buttons for a few looks.
play_and_leave
for i in 1 2 3 4; do
    sleep 0.5
    e2e_window_shot "menu-after-game-$i"
done
through_help
for i in 1 2 3 4; do
    sleep 0.5
    e2e_window_shot "menu-again-$i"
done
convert "$E2E_SHOTS"/menu-again-{1,2,3,4}.png -crop "$MENU_PANEL" +repage -colorspace gray \
    -evaluate-sequence min "$E2E_DIR/menu-unlit.png"
for i in 1 2 3 4; do
    convert "$E2E_SHOTS/menu-after-game-$i.png" -crop "$MENU_PANEL" +repage -colorspace gray "$E2E_DIR/look.png"
    dark=$(convert "$E2E_DIR/menu-unlit.png" "$E2E_DIR/look.png" -compose minus_src -composite \
        -threshold "$DARKER" -format '%[fx:round(mean*w*h)]' info:)
    [ "$dark" -le $MENU_DARK_PIXELS ] ||
        e2e_fail "the menu after a game has $dark pixels darker than without sparkles (shot menu-after-game-$i)"
    echo "the menu (look $i): $dark pixels darker"
done

# Each dialog the first opened after the game, then again after Help.
for dialog in "options COptionsDialog $OPTIONS" "top7 CTop7Dialog $TOP7" "help CHelpDialog $HELP" \
    "new-game C[A-Za-z0-9]*NewGameDialog $NEW_GAME"; do
    set -- $dialog
    play_and_leave
    shoot_dialog "$1-after-game" "$2" "$3" "$4"
    e2e_to CGameMenu key Escape
    through_help
    shoot_dialog "$1-again" "$2" "$3" "$4"
    e2e_to CGameMenu key Escape
    expect_alike "$1" "$1-after-game" "$1-again"
done
echo "PASS: the $KIND menu and its dialogs after a game"
