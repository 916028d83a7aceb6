# Starts the real game and ends it by a termination signal, as a desktop
# does at logout: it ends with code 0 and the general settings written. The
# close request (Alt+F4) ends the sound capture test the same way.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
e2e_copy_game "$1"

e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
kill -TERM "$E2E_PID"
e2e_wait_exit_zero "after the signal"
[ -s "$E2E_DIR/data/dx.cfg" ] || e2e_fail "the general settings were not written after the signal"
echo "PASS: a termination signal ended the game in order"
