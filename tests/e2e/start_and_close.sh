# Starts the real game, checks its window and first picture, sends Esc, then
# the close request (Alt+F4), and expects an orderly exit that saves settings.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
e2e_copy_game "$1"

first_picture_not_black() {
    e2e_shot start_and_close-first
    mean=$(convert "$E2E_SHOTS/start_and_close-first.png" -format '%[fx:mean]' info:)
    ! e2e_below "$mean" 0.005
}

e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
e2e_wait_until "a picture that is not black" 30 first_picture_not_black

e2e_key Escape
e2e_wait_state CExitWnd
e2e_expect_running "Esc ended the game"
e2e_shot start_and_close-after-esc

e2e_key alt+F4
e2e_wait_exit 30
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit code $E2E_STATUS"
[ -s "$E2E_DIR/data/dx.cfg" ] || e2e_fail "the general settings were not written on exit"
echo "PASS: window shown, Esc kept it running, close request ended it with 0"
