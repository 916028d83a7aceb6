# A termination signal ends the game the orderly way: exit code 0, settings saved.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
e2e_copy_game "$1"

e2e_start_game
e2e_wait_window
sleep 0.5
e2e_shot close_by_signal
kill -TERM "$E2E_PID"
e2e_wait_exit 10
if [ "$E2E_STATUS" -ne 0 ]; then
    echo "FAIL: exit code $E2E_STATUS"
    cat "$E2E_DIR/out.log"
    exit 1
fi
if [ ! -s "$E2E_DIR/data/dx.cfg" ]; then
    echo "FAIL: the general settings were not written on exit"
    exit 1
fi
echo "PASS: terminated in order"
