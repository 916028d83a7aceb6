# Shared steps of the end-to-end tests: a private copy of the game directory,
# a virtual display per test, waiting for the window, screenshots.

E2E_SKIP=77

e2e_need_tools() {
    for tool in xvfb-run xdotool import convert; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed"
            exit $E2E_SKIP
        fi
    done
}

# Re-runs the calling script under its own virtual display unless it already
# has one of its own.
e2e_under_xvfb() {
    if [ -z "${MW_E2E_INNER:-}" ]; then
        e2e_need_tools
        export MW_E2E_INNER=1
        # A random first display number keeps tests started together from
        # racing for the same one; -a still moves on when it is taken.
        exec xvfb-run -a -n $((100 + RANDOM % 5000)) -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$@"
    fi
}

# Copies the game (binary and data/) into a fresh directory, so that tests
# running side by side never share a settings file.
e2e_copy_game() {
    local binary="$1"
    E2E_DIR=$(mktemp -d /tmp/mw_e2e_XXXXXX)
    cp -r "$(dirname "$binary")/." "$E2E_DIR/"
    E2E_GAME="$E2E_DIR/$(basename "$binary")"
    trap 'e2e_cleanup' EXIT
}

e2e_cleanup() {
    if [ -n "${E2E_PID:-}" ] && kill -0 "$E2E_PID" 2>/dev/null; then
        kill -KILL "$E2E_PID" 2>/dev/null
    fi
    [ -n "${E2E_DIR:-}" ] && rm -rf "$E2E_DIR"
}

# Starts the game from another directory than its own, as a player might.
e2e_start_game() {
    (cd / && exec "$E2E_GAME" >"$E2E_DIR/out.log" 2>&1) &
    E2E_PID=$!
}

# Waits for the game window; sets E2E_WINDOW.
e2e_wait_window() {
    E2E_WINDOW=
    local i=0
    while [ -z "$E2E_WINDOW" ] && [ $i -lt 30 ] && kill -0 "$E2E_PID" 2>/dev/null; do
        E2E_WINDOW=$(timeout 1 xdotool search --sync --onlyvisible --name '^Marblewend$' 2>/dev/null | head -1)
        i=$((i + 1))
    done
    if [ -z "$E2E_WINDOW" ]; then
        echo "FAIL: the window \"Marblewend\" did not appear"
        cat "$E2E_DIR/out.log"
        exit 1
    fi
}

e2e_shot() {
    local name="$1"
    mkdir -p "$E2E_SHOTS"
    import -window root "$E2E_SHOTS/$name.png"
}

# Waits up to $1 seconds for the game to end; sets E2E_STATUS.
e2e_wait_exit() {
    local limit=$(( $1 * 10 ))
    local i=0
    while kill -0 "$E2E_PID" 2>/dev/null; do
        i=$((i + 1))
        if [ $i -gt $limit ]; then
            echo "FAIL: the game did not end within $1 s"
            cat "$E2E_DIR/out.log"
            exit 1
        fi
        sleep 0.1
    done
    wait "$E2E_PID"
    E2E_STATUS=$?
    E2E_PID=
}

e2e_key() {
    xdotool windowfocus --sync "$E2E_WINDOW" 2>/dev/null || true
    xdotool key --clearmodifiers "$@"
}
