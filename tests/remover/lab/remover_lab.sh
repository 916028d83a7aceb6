# Plays the remover with the real mouse and keyboard under a virtual display:
# the new-game dialog takes a size and a difficulty, and a game screen deals
# its board, takes placed bricks and closes on Esc with the game kept.
# Usage: remover_lab.sh <lab binary> <game directory> <screenshot dir>
set -u
source "$(dirname "$0")/../../e2e/lib.sh"
e2e_under_xvfb "$@"
LAB="$1"
E2E_SHOTS="$3"
E2E_DIR=$(mktemp -d /tmp/mw_remover_lab_XXXXXX)
cp -r "$2/." "$E2E_DIR/"
trap 'e2e_cleanup' EXIT

start_lab() {
    "$LAB" "$E2E_DIR" "$1" >"$E2E_DIR/out.log" 2>&1 &
    E2E_PID=$!
    e2e_wait_window
    xdotool windowmove --sync "$E2E_WINDOW" 0 0 2>/dev/null || true
    sleep 1
}

click_at() {
    xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"
    sleep 0.15
    xdotool mousemove --window "$E2E_WINDOW" $(( $1 + 1 )) "$2"
    sleep 0.15
    xdotool click 1
    sleep 0.4
}

# The new-game dialog: Large Field and Hard, then Enter.
start_lab dialog
e2e_shot remover_new_game_dialog
click_at 150 370
click_at 490 370
e2e_shot remover_new_game_dialog_chosen
e2e_key Return
e2e_wait_exit 10
if ! grep -q '^dialog 0 size 2 difficulty 2$' "$E2E_DIR/out.log"; then
    echo "FAIL: the dialog reported"
    cat "$E2E_DIR/out.log"
    exit 1
fi

# A game: the board comes in, bricks are placed on free odd cells, Esc leaves.
start_lab game
sleep 4
e2e_shot remover_board
for cell in "1 0" "3 0" "5 0" "7 0" "0 1" "2 1" "4 1" "6 1" "8 1" "1 2" "3 2" "5 2"; do
    set -- $cell
    click_at $(( 200 + 50 * $1 )) $(( 100 + 50 * $2 ))
    sleep 0.6
done
sleep 2
e2e_shot remover_after_turns
e2e_key Escape
e2e_wait_exit 10
if ! grep -q '^game over 0 score [0-9]*$' "$E2E_DIR/out.log"; then
    echo "FAIL: the game screen reported"
    cat "$E2E_DIR/out.log"
    exit 1
fi
# A board with one free cell: one brick fills it, the rows fall, the game ends.
start_lab end
sleep 3
click_at 200 100
sleep 1
e2e_shot remover_board_full
e2e_wait_exit 30
if ! grep -q '^game over 1 score [0-9]*$' "$E2E_DIR/out.log"; then
    echo "FAIL: the filled board did not end the game"
    cat "$E2E_DIR/out.log"
    exit 1
fi

# The field's light is listed while the game lives and withdrawn with it.
if ! grep -q '^lights 1 then 0$' "$E2E_DIR/out.log"; then
    echo "FAIL: the field's light was not withdrawn"
    cat "$E2E_DIR/out.log"
    exit 1
fi
echo "PASS: dialog choices and a game played with the real mouse; $(grep '^game over' "$E2E_DIR/out.log")"
