# Drives one of each widget with the real mouse and keyboard under a virtual
# display and checks the commands they report and the text the edit box keeps.
# Usage: widget_lab.sh <lab binary> <screenshot dir>
set -u
source "$(dirname "$0")/../../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
e2e_copy_game "$1"

e2e_start_game
e2e_wait_window
# Input is taken in order from here on, however slowly the machine runs.
e2e_wait_state CWidgetLabScreen

# Positions inside the 800x600 window.
click_at() {
    e2e_click_at "$1" "$2"
    sleep 0.3
}

click_at 160 120      # the button
click_at 200 216      # the check box's caption
click_at 310 316      # the second radio button
click_at 312 316      # the same one again: no command
click_at 200 425      # the edit box takes the focus
xdotool type --delay 60 'ab"c//d'
sleep 0.2
e2e_key ctrl+v
sleep 0.2
e2e_key Home
e2e_key Delete
sleep 0.3
e2e_shot widget_lab
e2e_key Escape
e2e_wait_exit 10

expected='command button
command check 1
command radio 1
text bc/dpast/ed'
actual=$(grep -E '^(command|text) ' "$E2E_DIR/out.log")
[ "$actual" = "$expected" ] || e2e_fail "the widgets reported \"$actual\" instead of \"$expected\""
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit code $E2E_STATUS"
echo "PASS: button, check box, radio group and edit box answered the real mouse and keys"
