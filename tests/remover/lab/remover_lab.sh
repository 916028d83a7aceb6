# Plays the remover with the real mouse and keyboard under a virtual display:
# the new-game dialog takes a size and a difficulty, and a game screen deals
# its board, takes placed bricks and closes on Esc with the game kept.
# Usage: remover_lab.sh <lab binary> <game directory> <screenshot dir>
set -u
source "$(dirname "$0")/../../e2e/lib.sh"
e2e_under_xvfb "$@"
LAB="$1"
E2E_SHOTS="$3"
e2e_copy_dir "$2"

lab_said() {
    grep -q "^$1\$" "$E2E_DIR/out.log"
}

# Starts the lab and waits until its screen or dialog ($2) is on show.
start_lab() {
    e2e_reset_state
    "$LAB" "$E2E_DIR" "$1" >"$E2E_DIR/out.log" 2>&1 &
    E2E_PID=$!
    e2e_wait_window
    xdotool windowmove --sync "$E2E_WINDOW" 0 0 2>/dev/null || true
    e2e_wait_state "$2"
}

# Waits until the board has come in and takes a brick.
wait_ready() {
    e2e_wait_until "the board to take bricks" "$E2E_TIMEOUT" lab_said ready
}

click_at() {
    e2e_click_at "$1" "$2"
    sleep 0.4
}

# The new-game dialog: Large Field and Hard, then Enter.
start_lab dialog "C[A-Za-z]*NewGameDialog"
e2e_shot remover_new_game_dialog
click_at 150 370
click_at 490 370
e2e_shot remover_new_game_dialog_chosen
e2e_key Return
e2e_wait_exit 30
lab_said 'dialog 0 size 2 difficulty 2' || e2e_fail "the dialog reported otherwise"

# A game: the board comes in, bricks are placed on free odd cells, Esc leaves.
start_lab game "(\(anonymous namespace\)::)?C[A-Za-z]*GameScreen"
wait_ready
e2e_shot remover_board
for cell in "1 0" "3 0" "5 0" "7 0" "0 1" "2 1" "4 1" "6 1" "8 1" "1 2" "3 2" "5 2"; do
    set -- $cell
    click_at $(( 200 + 50 * $1 )) $(( 100 + 50 * $2 ))
    sleep 0.6
done
sleep 2
e2e_shot remover_after_turns
e2e_key Escape
e2e_wait_exit 30
grep -q '^game over 0 score [0-9]*$' "$E2E_DIR/out.log" || e2e_fail "the game screen reported otherwise"

# A board with one free cell: one brick fills it, the rows fall, the game ends.
start_lab end "(\(anonymous namespace\)::)?C[A-Za-z]*GameScreen"
wait_ready
click_at 200 100
e2e_shot remover_board_full
e2e_wait_exit 60
grep -q '^game over 1 score [0-9]*$' "$E2E_DIR/out.log" || e2e_fail "the filled board did not end the game"

# The field's light is listed while the game lives and withdrawn with it.
grep -q '^lights 1 then 0$' "$E2E_DIR/out.log" || e2e_fail "the field's light was not withdrawn"
echo "PASS: dialog choices and a game played with the real mouse; $(grep '^game over' "$E2E_DIR/out.log")"
