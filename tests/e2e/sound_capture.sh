# Runs the real game with SDL's disk audio driver, hovers over and clicks the
# first menu button, and checks the captured output: music all along, and
# the hover and click effects each found in it, the click after the hover.
# The program is ended by a close request (Alt+F4).
# Arguments: game binary, screenshot directory, capture checker.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
CHECKER="$3"
e2e_copy_game "$1"

export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$E2E_DIR/capture.raw"
# The capture is 16-bit stereo at 44100 Hz.
BYTES_PER_SECOND=176400

capture_size() {
    stat -c %s "$SDL_DISKAUDIOFILE" 2>/dev/null || echo 0
}

capture_reaches() {
    [ "$(capture_size)" -ge "$1" ]
}

e2e_start_game
e2e_wait_window
e2e_wait_state "CMainMenu window"
# Whatever the device took before the music started (while loading, slow on
# a busy machine) must stay a small part of the whole capture.
before_music=$(capture_size)
e2e_move 400 100
e2e_window_shot sound_capture-before-hover
# The first button of the main menu: the thumbnail of the hovered kind below
# the title is proof that the program has taken the hover before the click.
e2e_move 128 189
e2e_wait_picture "the hover to show its thumbnail" e2e_differs sound_capture-hover \
    "$E2E_SHOTS/sound_capture-before-hover.png" 0.08 280x200+260+325
# The two sounds a moment apart, so that each stands on its own.
sleep 0.5
xdotool click 1
e2e_wait_state CGameMenu
at_click=$(capture_size)
wanted=$((at_click + 2 * BYTES_PER_SECOND))
[ "$wanted" -lt $((before_music * 6)) ] && wanted=$((before_music * 6))
e2e_wait_until "two more seconds of sound after the click" "$E2E_TIMEOUT" capture_reaches "$wanted"
e2e_shot sound_capture-after-click
# The close request ends the program in order: code 0, settings written.
e2e_key alt+F4
e2e_wait_exit_zero "after the close request"
[ -s "$E2E_DIR/data/dx.cfg" ] || e2e_fail "the general settings were not written after the close request"

[ -s "$SDL_DISKAUDIOFILE" ] || e2e_fail "nothing was written to the sound device"
report=$("$CHECKER" "$SDL_DISKAUDIOFILE" "$E2E_DIR/data/i2.wav" "$E2E_DIR/data/i1.wav") ||
    e2e_fail "the capture could not be read"
echo "$report"
echo "$report" | awk '
    $1 == "music" { music = $2 }
    $1 == "effect" && $2 ~ /i2.wav$/ { hover = $3; hover_at = $4 }
    $1 == "effect" && $2 ~ /i1.wav$/ { click = $3; click_at = $4 }
    END {
        if (music < 0.8) { print "FAIL: music in only " music " of the capture"; exit 1 }
        if (hover < 0.3) { print "FAIL: the hover sound was not heard"; exit 1 }
        if (click < 0.3) { print "FAIL: the click sound was not heard"; exit 1 }
        if (click_at <= hover_at) { print "FAIL: the click sound came before the hover sound"; exit 1 }
        print "PASS: music throughout, hover and click sounds heard in order"
    }'
