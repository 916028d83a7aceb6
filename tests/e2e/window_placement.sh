# A window stored partly off the desktop opens whole on it, at its stored
# size, moved no further than it needs (the display is 1024x768).
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
E2E_FILES="$3"
e2e_copy_game "$1"

# Where the window stands on the screen and its size: "x y width height".
window_rect() {
    xdotool getwindowgeometry --shell "$E2E_WINDOW" |
        awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}

# A first run writes the general settings whole.
e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
kill -TERM "$E2E_PID"
e2e_wait_exit_zero "after the signal"

# stored x y width height -> where it must open
for stored in "-100 -50 800 600:0 0 800 600" "900 700 800 600:224 168 800 600" \
              "200 200 1000 700:24 68 1000 700"; do
    read -r x y w h <<<"${stored%%:*}"
    settings="$E2E_DIR/data/dx.cfg"
    "$E2E_FILES" dump "$settings" qiv | grep -Ev '^(x|y|m_window_width|m_window_height) ' >"$E2E_DIR/dx.txt"
    printf 'x %s\ny %s\nm_window_width %s\nm_window_height %s\n' "$x" "$y" "$w" "$h" >>"$E2E_DIR/dx.txt"
    "$E2E_FILES" store "$settings" qiv <"$E2E_DIR/dx.txt" || e2e_fail "could not write the settings"
    e2e_start_game
    e2e_wait_window
    e2e_wait_state "CMainMenu window"
    rect=$(window_rect)
    [ "$rect" = "${stored##*:}" ] ||
        e2e_fail "stored at $x,$y ${w}x$h the window opened at \"$rect\", not at \"${stored##*:}\""
    kill -TERM "$E2E_PID"
    e2e_wait_exit_zero "after the signal"
done
echo "PASS: windows stored partly off the desktop open whole on it"
