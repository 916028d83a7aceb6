# Starts the real game, checks its window and first picture, sends Esc, then
# the close request (Alt+F4), and expects an orderly exit that saves settings.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
e2e_copy_game "$1"

e2e_start_game
e2e_wait_window
sleep 1.5
e2e_shot start_and_close-first
mean=$(convert "$E2E_SHOTS/start_and_close-first.png" -format '%[fx:mean]' info:)
if awk -v m="$mean" 'BEGIN { exit !(m < 0.005) }'; then
    echo "FAIL: the screen stayed black (mean $mean)"
    exit 1
fi

e2e_key Escape
sleep 0.5
if ! kill -0 "$E2E_PID" 2>/dev/null; then
    echo "FAIL: Esc ended the game"
    cat "$E2E_DIR/out.log"
    exit 1
fi
e2e_shot start_and_close-after-esc

e2e_key alt+F4
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
echo "PASS: window shown, Esc kept it running, close request ended it with 0"
