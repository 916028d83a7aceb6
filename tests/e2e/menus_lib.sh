# Steps shared by the menu end-to-end tests, on top of lib.sh. Arguments of
# every menu test: the game binary, the screenshot directory, the staged
# asset tree (for the reference pictures) and the preload helper.

source "$(dirname "$0")/lib.sh"

menus_setup() {
    E2E_SHOTS="$2"
    MENUS_STAGE="$3"
    MENUS_SHIM="$4"
    e2e_copy_game "$1"
    MENUS_URL_LOG="$E2E_DIR/urls.log"
    : >"$MENUS_URL_LOG"
}

# Starts the game with the helper preloaded: web addresses go to the log,
# and the first frame (the intro) stands for $1 ms. The helper catches the
# addresses, so the switch that stops the game asking for them at all (set
# for the whole suite by test.sh) must be off here.
menus_start_game() {
    (cd / && exec env -u MARBLEWEND_NO_BROWSER MW_SHIM_HOLD_MS="${1:-0}" MW_SHIM_URL_LOG="$MENUS_URL_LOG" \
        LD_PRELOAD="$MENUS_SHIM" "$E2E_GAME" >"$E2E_DIR/out.log" 2>&1) &
    E2E_PID=$!
    e2e_wait_window
    if ! grep -q '^shim-loaded$' "$MENUS_URL_LOG"; then
        echo "FAIL: the preload helper did not load"
        exit 1
    fi
}

menus_fail() {
    echo "FAIL: $*"
    cat "$E2E_DIR/out.log"
    exit 1
}

# The game window's picture alone.
menus_shot() {
    mkdir -p "$E2E_SHOTS"
    import -window "$E2E_WINDOW" "$E2E_SHOTS/$1.png"
}

menus_mean() {
    convert "$1" -format '%[fx:mean]' info:
}

# Normalised RMSE of two pictures of the same size (0 same, 1 opposite).
menus_rmse() {
    compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p'
}

# The same for one region (WxH+X+Y) of both.
menus_rmse_region() {
    local a="$E2E_DIR/region_a.png" b="$E2E_DIR/region_b.png"
    convert "$1" -crop "$3" +repage "$a"
    convert "$2" -crop "$3" +repage "$b"
    menus_rmse "$a" "$b"
}

# A reference picture from the asset tree at the window's size.
menus_reference() {
    local size
    size=$(identify -format '%wx%h' "$E2E_SHOTS/$2.png")
    convert "$MENUS_STAGE/$1" -resize "$size!" "$E2E_DIR/ref_$(basename "$1").png"
    echo "$E2E_DIR/ref_$(basename "$1").png"
}

menus_below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

menus_not_black() {
    local mean
    mean=$(menus_mean "$E2E_SHOTS/$1.png")
    menus_below "$mean" 0.02 && menus_fail "$1 is black (mean $mean)"
    return 0
}

# Mouse actions in window pixels.
menus_move() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"; }
menus_click() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click 1; }

menus_expect_running() {
    kill -0 "$E2E_PID" 2>/dev/null || menus_fail "the game ended: $1"
}

# Like e2e_under_xvfb, with a screen of the given size (WxH).
menus_under_xvfb() {
    local size="$1"
    shift
    if [ -z "${MW_E2E_INNER:-}" ]; then
        e2e_need_tools
        export MW_E2E_INNER=1
        exec xvfb-run -a -n $((100 + RANDOM % 5000)) -s "-screen 0 ${size}x24 -nolisten tcp" bash "$0" "$@"
    fi
}
