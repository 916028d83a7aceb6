# Starts the real game and ends it the two orderly ways a desktop asks: the
# close request (Alt+F4) and a termination signal. Each ends with code 0
# and the general settings written.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
e2e_copy_game "$1"

first_picture_not_black() {
    e2e_shot start_and_close-first
    ! e2e_below "$(e2e_mean "$E2E_SHOTS/start_and_close-first.png")" 0.005
}

for ending in close signal; do
    rm -f "$E2E_DIR/data/dx.cfg"
    e2e_start_game
    e2e_wait_window
    e2e_wait_state "CMainMenu window"
    e2e_wait_until "a picture that is not black" 30 first_picture_not_black
    if [ $ending = close ]; then
        e2e_key alt+F4
    else
        kill -TERM "$E2E_PID"
    fi
    e2e_wait_exit 30
    [ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit code $E2E_STATUS after the $ending"
    [ -s "$E2E_DIR/data/dx.cfg" ] || e2e_fail "the general settings were not written after the $ending"
done
echo "PASS: the close request and a termination signal both ended the game in order"
