# Runs the real game with SDL's disk audio driver, hovers over and clicks the
# first menu button, and checks the captured output: music all along, and
# the hover and click effects each found in it, the click after the hover.
# Arguments: game binary, screenshot directory, capture checker.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2"
CHECKER="$3"
e2e_copy_game "$1"

export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$E2E_DIR/capture.raw"
e2e_start_game
e2e_wait_window
sleep 2
# The first button of the main menu, in window coordinates.
xdotool mousemove --window "$E2E_WINDOW" 128 189
sleep 1.5
xdotool click 1
sleep 2
e2e_shot sound_capture-after-click
e2e_key alt+F4
e2e_wait_exit 10

if [ ! -s "$SDL_DISKAUDIOFILE" ]; then
    echo "FAIL: nothing was written to the sound device"
    cat "$E2E_DIR/out.log"
    exit 1
fi
report=$("$CHECKER" "$SDL_DISKAUDIOFILE" "$E2E_DIR/data/i2.wav" "$E2E_DIR/data/i1.wav") || {
    echo "FAIL: the capture could not be read"
    exit 1
}
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
