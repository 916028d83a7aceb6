# Steps shared by the menu end-to-end tests, on top of lib.sh. Arguments of
# every menu test: the game binary, the screenshot directory, the staged
# asset tree (for the reference pictures) and the preload helper.
#
# A picture check is a function that takes a shot and answers true or false,
# leaving what it measured in MENUS_MEASURE; menus_wait_picture repeats it
# until it holds, so a slow machine only makes the test take longer.

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
    e2e_reset_state
    (cd / && exec env -u MARBLEWEND_NO_BROWSER MW_SHIM_HOLD_MS="${1:-0}" MW_SHIM_URL_LOG="$MENUS_URL_LOG" \
        LD_PRELOAD="$MENUS_SHIM" "$E2E_GAME" >"$E2E_DIR/out.log" 2>&1) &
    E2E_PID=$!
    e2e_wait_window
    grep -q '^shim-loaded$' "$MENUS_URL_LOG" || menus_fail "the preload helper did not load"
}

menus_fail() {
    e2e_fail "$@"
}

# The game window's picture alone.
menus_shot() {
    mkdir -p "$E2E_SHOTS"
    import -window "$E2E_WINDOW" "$E2E_SHOTS/$1.png"
}

menus_mean() {
    convert "$1" -format '%[fx:mean]' info:
}

menus_rmse() {
    e2e_rmse "$1" "$2"
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

menus_below() { e2e_below "$1" "$2"; }

menus_is_black() {
    MENUS_MEASURE=$(menus_mean "$E2E_SHOTS/$1.png")
    menus_below "$MENUS_MEASURE" 0.02
}

menus_not_black() {
    menus_is_black "$1" && menus_fail "$1 is black (mean $MENUS_MEASURE)"
    return 0
}

# Repeats the picture check (a function given the shot's name) until it
# holds. Usage: menus_wait_picture "what is awaited" check shot-name
menus_wait_picture() {
    local what="$1" check="$2" name="$3"
    local deadline=$((SECONDS + E2E_TIMEOUT))
    MENUS_MEASURE=
    while true; do
        menus_shot "$name"
        "$check" "$name" && return 0
        e2e_running || menus_fail "the program ended while waiting for $what"
        [ $SECONDS -ge $deadline ] &&
            menus_fail "$what: not seen within $E2E_TIMEOUT s (last measure ${MENUS_MEASURE:-none}, shot $name)"
        sleep 0.2
    done
}

# Picture checks shared by the menu tests.
menus_shows_intro() {
    menus_is_black "$1" && return 1
    MENUS_MEASURE=$(menus_rmse "$E2E_SHOTS/$1.png" "$(menus_reference mui/intro.jpg "$1")")
    menus_below "$MENUS_MEASURE" 0.08
}

# The background shows where nothing covers it.
menus_shows_main_menu() {
    menus_is_black "$1" && return 1
    local ground
    ground=$(menus_reference mui/main/main_bg.jpg "$1")
    MENUS_MEASURE=$(menus_rmse_region "$E2E_SHOTS/$1.png" "$ground" 440x100+170+30)
    menus_below "$MENUS_MEASURE" 0.05
}

menus_shows_exit_window() {
    MENUS_MEASURE=$(menus_rmse "$E2E_SHOTS/$1.png" "$(menus_reference mui/main/exit.jpg "$1")")
    menus_below "$MENUS_MEASURE" 0.15
}

# Mouse actions in window pixels.
menus_move() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"; }
menus_click() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click 1; }

menus_expect_running() {
    e2e_expect_running "$1"
}

# Like e2e_under_xvfb, with a screen of the given size (WxH).
menus_under_xvfb() {
    E2E_SCREEN="$1"
    shift
    e2e_under_xvfb "$@"
}
