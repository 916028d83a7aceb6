# A termination signal ends the game the orderly way: exit code 0, settings saved.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
e2e_copy_game "$1"

e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
e2e_shot close_by_signal
kill -TERM "$E2E_PID"
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit code $E2E_STATUS"
[ -s "$E2E_DIR/data/dx.cfg" ] || e2e_fail "the general settings were not written on exit"
echo "PASS: terminated in order"
