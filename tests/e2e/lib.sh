# Shared steps of the end-to-end tests: a private copy of the game directory,
# a virtual display per test, waiting for states, screenshots.
#
# Nothing here sleeps for a guessed time before acting: a loaded machine (a
# whole suite in parallel on two cores) may need many times longer than an
# idle one. Scripts wait for what the program reports (the state file below)
# or for the picture itself, up to E2E_TIMEOUT seconds, and then fail saying
# what they were waiting for.

E2E_SKIP=77
E2E_TIMEOUT=${E2E_TIMEOUT:-60}

e2e_need_tools() {
    for tool in xvfb-run xdotool import convert compare awk; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed"
            exit $E2E_SKIP
        fi
    done
}

# Re-runs the calling script under its own virtual display (of size WxH,
# 1024x768 unless E2E_SCREEN says otherwise) unless it already has one.
# The caller's arguments are: the program, the screenshot directory, then
# its own.
# -noreset: by default the server resets whenever its last client leaves and
# refuses connections meanwhile, so a program started right after another
# one ended (or a test opening the display anew) could find no display.
e2e_under_xvfb() {
    if [ -z "${MW_E2E_INNER:-}" ]; then
        e2e_need_tools
        export MW_E2E_INNER=1
        # Without the X display the library would quietly fall back to an
        # invisible window; these tests are about the real one.
        export SDL_VIDEODRIVER=x11
        # A random first display number keeps tests started together from
        # racing for the same one; -a still moves on when it is taken.
        exec xvfb-run -a -n $((100 + RANDOM % 5000)) \
            -s "-screen 0 ${E2E_SCREEN:-1024x768}x24 -nolisten tcp -noreset" bash "$0" "$@"
    fi
}

e2e_fail() {
    echo "FAIL: $*"
    if [ -n "${E2E_DIR:-}" ] && [ -f "$E2E_DIR/out.log" ]; then
        echo "--- program output:"
        cat "$E2E_DIR/out.log"
    fi
    if [ -n "${E2E_STATE:-}" ] && [ -f "$E2E_STATE" ]; then
        echo "--- states the window went through:"
        cat "$E2E_STATE"
    fi
    exit 1
}

# A private game directory and the state file the program reports to.
e2e_make_dir() {
    E2E_DIR=$(mktemp -d /tmp/mw_e2e_XXXXXX)
    E2E_STATE="$E2E_DIR/state.log"
    export MARBLEWEND_E2E_LOG="$E2E_STATE"
    trap 'e2e_cleanup' EXIT
}

# Copies the game (binary and data/) into a fresh directory, so that tests
# running side by side never share a settings file. What a player left there
# (settings, scores, saved games, from playing the build directly) is not
# copied: every test starts as a first run.
e2e_copy_game() {
    e2e_make_dir
    cp -r "$(dirname "$1")/." "$E2E_DIR/"
    rm -f "$E2E_DIR"/data/*.cfg* "$E2E_DIR"/data/*.sav* "$E2E_DIR"/data/*.tab*
    E2E_GAME="$E2E_DIR/$(basename "$1")"
}

e2e_cleanup() {
    local status=$?
    if [ -n "${E2E_PID:-}" ] && kill -0 "$E2E_PID" 2>/dev/null; then
        kill -KILL "$E2E_PID" 2>/dev/null
    fi
    e2e_note_frame_checks
    if [ -s "${E2E_DIR:-/nonexistent}/frame_checks.log" ]; then
        echo "FAIL: held game frames differ from drawing them (MARBLEWEND_CHECK_FRAMES):"
        sort "$E2E_DIR/frame_checks.log" | uniq -c | sort -rn | head -20
        status=1
    fi
    [ -n "${E2E_DIR:-}" ] && rm -rf "$E2E_DIR"
    exit $status
}

# Keeps what the frame check of the program's last run reported (its output
# is written anew at each start).
e2e_note_frame_checks() {
    [ -n "${E2E_DIR:-}" ] && [ -f "$E2E_DIR/out.log" ] &&
        grep "frame check" "$E2E_DIR/out.log" >>"$E2E_DIR/frame_checks.log"
    return 0
}

# A fresh state file for the next program started.
e2e_reset_state() {
    : >"$E2E_STATE"
}

# Starts the game from another directory than its own, as a player might.
e2e_start_game() {
    e2e_note_frame_checks
    e2e_reset_state
    (cd / && exec "$E2E_GAME" >"$E2E_DIR/out.log" 2>&1) &
    E2E_PID=$!
}

e2e_running() {
    kill -0 "$E2E_PID" 2>/dev/null
}

e2e_expect_running() {
    e2e_running || e2e_fail "the program ended: $1"
}

# Runs the command until it succeeds; fails with the description after
# $2 seconds, or at once when the program ended meanwhile.
# Usage: e2e_wait_until "what is awaited" SECONDS command [args...]
e2e_wait_until() {
    local what="$1" limit="$2"
    shift 2
    local deadline=$((SECONDS + limit))
    while true; do
        "$@" && return 0
        if [ -n "${E2E_PID:-}" ] && ! e2e_running; then
            "$@" && return 0
            e2e_fail "the program ended while waiting for $what"
        fi
        [ $SECONDS -ge $deadline ] && e2e_fail "waited $limit s for $what"
        sleep 0.2
    done
}

# The last state the program reported ("<screen> window|full|minimized WxH").
e2e_state() {
    tail -n 1 "$E2E_STATE" 2>/dev/null
}

# The number of states reported so far: a mark to wait for newer ones.
e2e_state_mark() {
    wc -l <"$E2E_STATE" 2>/dev/null || echo 0
}

e2e_state_is() {
    local since="${2:-0}" count
    count=$(e2e_state_mark)
    [ "$count" -gt "$since" ] && e2e_state | grep -Eq "^$1"
}

# Waits until the window shows the state (an extended regular expression
# matched at the start of the line, e.g. "CMainMenu window"), reported after
# the mark when one is given.
e2e_wait_state() {
    local pattern="$1" since="${2:-0}"
    e2e_wait_until "the window to show \"$pattern\"" "$E2E_TIMEOUT" e2e_state_is "$pattern" "$since"
}

# Waits until the window has shown the state at some time after the mark,
# however briefly.
e2e_state_seen() {
    tail -n +"$(($2 + 1))" "$E2E_STATE" 2>/dev/null | grep -Eq "^$1"
}

e2e_wait_state_seen() {
    e2e_wait_until "the window to have shown \"$1\"" "$E2E_TIMEOUT" e2e_state_seen "$1" "$2"
}

# Waits for the game window; sets E2E_WINDOW.
e2e_find_window() {
    E2E_WINDOW=$(timeout 5 xdotool search --onlyvisible --name '^Marblewend$' 2>/dev/null | head -1)
    [ -n "$E2E_WINDOW" ]
}

e2e_wait_window() {
    E2E_WINDOW=
    e2e_wait_until "the window \"Marblewend\"" "$E2E_TIMEOUT" e2e_find_window
}

# The whole screen, or the game window alone, kept as $E2E_SHOTS/<name>.png.
e2e_shot() {
    mkdir -p "$E2E_SHOTS"
    import -window root "$E2E_SHOTS/$1.png"
}

e2e_window_shot() {
    mkdir -p "$E2E_SHOTS"
    import -window "$E2E_WINDOW" "$E2E_SHOTS/$1.png" 2>/dev/null || e2e_fail "no screenshot $1"
}

# Waits up to $1 seconds (at least E2E_TIMEOUT) for the game to end; sets
# E2E_STATUS.
e2e_wait_exit() {
    local limit=$1
    [ "$limit" -lt "$E2E_TIMEOUT" ] && limit=$E2E_TIMEOUT
    local deadline=$((SECONDS + limit))
    while e2e_running; do
        [ $SECONDS -ge $deadline ] && e2e_fail "the program did not end within $limit s (it shows \"$(e2e_state)\")"
        sleep 0.1
    done
    wait "$E2E_PID"
    E2E_STATUS=$?
    E2E_PID=
}

# The game ends within 30 s with exit code 0; $1 says after what.
e2e_wait_exit_zero() {
    e2e_wait_exit 30
    [ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit code $E2E_STATUS${1:+ $1}"
}

e2e_key() {
    xdotool windowfocus --sync "$E2E_WINDOW" 2>/dev/null || true
    xdotool key --clearmodifiers "$@"
}

e2e_below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# Mouse actions in window pixels. A click as a player makes it comes to rest
# over the point first, so that the widget there has seen the hover.
e2e_move() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"; }
e2e_click() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click 1; }
e2e_click_at() {
    e2e_move "$1" "$2"
    sleep 0.2
    e2e_move $(($1 + 1)) "$2"
    sleep 0.2
    xdotool click 1
}

# --- Pictures ---------------------------------------------------------------
# A check takes a shot and answers true or false, leaving what it measured in
# E2E_MEASURE; e2e_wait_picture repeats it until it holds, so a slow machine
# only makes the test take longer.

e2e_mean() { convert "$1" -format '%[fx:mean]' info:; }

# Normalised RMSE (0 same, 1 opposite) of two pictures of the same size, or
# of one region (WxH+X+Y) of both.
e2e_rmse() {
    local a="$1" b="$2"
    if [ -n "${3:-}" ]; then
        convert "$1" -crop "$3" +repage "$E2E_DIR/region_a.png"
        convert "$2" -crop "$3" +repage "$E2E_DIR/region_b.png"
        a="$E2E_DIR/region_a.png"
        b="$E2E_DIR/region_b.png"
    fi
    compare -metric RMSE "$a" "$b" null: 2>&1 | sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p'
}

# Window shot <name> is closer than <limit> to <picture> (in the region, or
# as a whole), or differs from it by more.
e2e_looks_like() {
    e2e_window_shot "$1"
    E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/$1.png" "$2" "${4:-}")
    e2e_below "$E2E_MEASURE" "$3"
}

e2e_differs() {
    e2e_window_shot "$1"
    E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/$1.png" "$2" "${4:-}")
    e2e_below "$3" "$E2E_MEASURE"
}

e2e_is_black() {
    E2E_MEASURE=$(e2e_mean "$E2E_SHOTS/$1.png")
    e2e_below "$E2E_MEASURE" 0.02
}

# A picture of the staged asset tree (E2E_STAGE) at the window's size.
e2e_reference() {
    local out="$E2E_DIR/ref_$(echo "$1" | tr / _).png"
    [ -e "$out" ] || convert "$E2E_STAGE/$1" -resize 800x600! "$out"
    echo "$out"
}

# Usage: e2e_wait_picture "what is awaited" check shot-name [arguments...]
e2e_wait_picture() {
    local what="$1"
    shift
    local deadline=$((SECONDS + E2E_TIMEOUT))
    E2E_MEASURE=
    until "$@"; do
        e2e_running || e2e_fail "the program ended while waiting for $what"
        [ $SECONDS -ge $deadline ] &&
            e2e_fail "$what: not seen within $E2E_TIMEOUT s (last measure ${E2E_MEASURE:-none}, shot $2)"
        sleep 0.2
    done
}

# --- Playing a game ---------------------------------------------------------

# Waits until a region of the window shows what the asset picture shows
# there: e2e_wait_for <shot> <asset> <region>.
e2e_wait_for() {
    e2e_wait_picture "$1 to show" e2e_looks_like "$1" "$(e2e_reference "$2")" 0.06 "$3"
}

# Takes window shots until a region stops changing between two looks, then
# waits a little more: effects advance per frame, so a busy machine makes
# them slower, and a click on the board counts only once they are done.
# A board with something always moving over it (sparkles, a spinning
# brick) takes a larger change for still. With "stir" the pointer moves a
# pixel to and fro off the board at each look: a kind that points out a move
# to a resting pointer (its brick swinging) keeps quiet.
# e2e_wait_still <shot> <region> [largest change, 0.02 by default] [stir]
e2e_wait_still() {
    local name="$1" calm=0 limit="${3:-0.02}" stir=0 deadline=$((SECONDS + E2E_TIMEOUT))
    e2e_window_shot "$name"
    while [ $calm -lt 2 ]; do
        if [ -n "${4:-}" ]; then
            stir=$((1 - stir))
            e2e_move $((770 + stir)) 590
        fi
        sleep 0.3
        e2e_expect_running "waiting for $name to settle"
        mv "$E2E_SHOTS/$name.png" "$E2E_DIR/previous.png"
        e2e_window_shot "$name"
        E2E_MEASURE=$(e2e_rmse "$E2E_DIR/previous.png" "$E2E_SHOTS/$name.png" "$2")
        if e2e_below "$E2E_MEASURE" "$limit"; then calm=$((calm + 1)); else calm=0; fi
        [ $SECONDS -ge $deadline ] && e2e_fail "$name does not settle (RMSE $E2E_MEASURE)"
    done
    sleep 1
}

# A click or a key that leads to another screen or dialog; waits until the
# window reports it. e2e_to <state> click X Y | e2e_to <state> key KEY
e2e_to() {
    local state="$1" mark
    shift
    mark=$(e2e_state_mark)
    case "$1" in
    click) e2e_click_at "$2" "$3" ;;
    key) e2e_key "$2" ;;
    esac
    e2e_wait_state "$state" "$mark"
}

# The pointer away from every button and board, so that nothing shows a hover.
e2e_rest() {
    e2e_move 790 590
    sleep "${1:-0.5}"
}

# The game started from its own directory, its main menu shown.
e2e_start_to_menu() {
    e2e_start_game
    e2e_wait_window
    e2e_wait_state "CMainMenu window"
}

# From a game screen through its kind's menu back to the main menu, which
# saves the running game.
e2e_leave_game() {
    e2e_to CGameMenu key Escape
    e2e_to "CMainMenu window" click 400 505
}

# From a kind's game menu (shot as <name>-menu): its help, every page once
# (shot as <name>-help-1 and on), each seen to differ from the one before,
# then back to the menu. e2e_help_pages <name> <pages>
e2e_help_pages() {
    local name="$1" page
    e2e_rest
    e2e_window_shot "$name-menu"
    e2e_to CHelpDialog click 572 30
    e2e_wait_picture "the help" e2e_differs "$name-help-1" "$E2E_SHOTS/$name-menu.png" 0.1 500x300+150+150
    for page in $(seq 2 "$2"); do
        e2e_click_at 655 553
        e2e_wait_picture "help page $page" e2e_differs "$name-help-$page" \
            "$E2E_SHOTS/$name-help-$((page - 1)).png" 0.02 700x400+50+100
    done
    e2e_to CGameMenu click 400 553   # Close
}

# The button held a moment over a board cell, as a hand does: the game looks
# at the button once a frame. e2e_hold X Y
e2e_hold() {
    e2e_move "$1" "$2"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.15
    xdotool mouseup 1
}

e2e_not_black() { e2e_window_shot "$1" && ! e2e_is_black "$1"; }

# --- The game's files -------------------------------------------------------
# E2E_FILES is the file helper (e2e_files): "dump <file> <key>" prints a
# scrambled key-value file as "key value" lines, "store <file> <key>" writes
# the lines of its input back as one.

# One value of such a file: e2e_value <file> <key> <name>.
e2e_value() { "$E2E_FILES" dump "$1" "$2" | sed -n "s/^$3 //p"; }

# A value of the saved game or the settings of the kind E2E_KIND names:
# e2e_saved <name>, e2e_setting <name>.
e2e_saved() { e2e_value "$E2E_DIR/data/$E2E_KIND.sav" zq71w "$1"; }
e2e_setting() { e2e_value "$E2E_DIR/data/$E2E_KIND.cfg" 394m612z "$1"; }

# Rewrites that saved game: its lines but those matching the pattern, then
# the "key value" lines of the input. e2e_rewrite_saved <pattern> < lines
e2e_rewrite_saved() {
    local save="$E2E_DIR/data/$E2E_KIND.sav"
    { "$E2E_FILES" dump "$save" zq71w | grep -v "$1"; cat; } >"$E2E_DIR/save.txt"
    "$E2E_FILES" store "$save" zq71w <"$E2E_DIR/save.txt" || e2e_fail "could not rewrite $save"
}
