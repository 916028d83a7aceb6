# Steps shared by the menu end-to-end tests, on top of lib.sh. Arguments of
# every menu test: the game binary, the screenshot directory, the staged
# asset tree (for the reference pictures) and the preload helper.

source "$(dirname "$0")/lib.sh"

menus_setup() {
    E2E_SHOTS="$2"
    E2E_STAGE="$3"
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
    grep -q '^shim-loaded$' "$MENUS_URL_LOG" || e2e_fail "the preload helper did not load"
}

menus_opened() { grep -v '^shim-loaded$' "$MENUS_URL_LOG"; }

# Picture checks shared by the menu tests, each taking its own shot.
menus_shows_intro() {
    e2e_window_shot "$1"
    e2e_is_black "$1" && return 1
    E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/$1.png" "$(e2e_reference mui/intro.jpg)")
    e2e_below "$E2E_MEASURE" 0.08
}

# The background shows where nothing covers it.
menus_shows_main_menu() {
    e2e_window_shot "$1"
    e2e_is_black "$1" && return 1
    E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/$1.png" "$(e2e_reference mui/main/main_bg.jpg)" 440x100+170+30)
    e2e_below "$E2E_MEASURE" 0.05
}

menus_shows_exit_window() {
    e2e_window_shot "$1"
    E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/$1.png" "$(e2e_reference mui/main/exit.jpg)")
    e2e_below "$E2E_MEASURE" 0.15
}
