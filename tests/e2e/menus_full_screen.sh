# The full-screen button on a display whose mode is 800x600: the switch keeps
# the picture, the settings remember it, the next start opens in full screen
# with its picture, and the button brings the window back.
set -u
source "$(dirname "$0")/menus_lib.sh"
menus_under_xvfb 800x600 "$@"
menus_setup "$@"
DUMP="$5"
FULL_SCREEN_BUTTON="707 27"

menus_check_menu() {
    menus_shot "$1"
    menus_not_black "$1"
    local ground rmse
    ground=$(menus_reference mui/main/main_bg.jpg "$1")
    rmse=$(menus_rmse_region "$E2E_SHOTS/$1.png" "$ground" 440x100+170+30)
    menus_below "$rmse" 0.05 || menus_fail "$1: the main menu is not shown (RMSE $rmse)"
}

menus_quit() {
    e2e_key Escape
    sleep 0.7
    menus_click 390 530
    e2e_wait_exit 10
    [ "$E2E_STATUS" -eq 0 ] || menus_fail "exit code $E2E_STATUS"
}

menus_full_screen_flag() {
    "$DUMP" "$E2E_DIR/data/dx.cfg" | sed -n 's/^m_is_full_screen_loaded //p'
}

menus_start_game 0
sleep 1.5
menus_check_menu menus-fs-1-windowed
menus_click $FULL_SCREEN_BUTTON
sleep 1.5
menus_expect_running "after switching to full screen"
menus_check_menu menus-fs-2-full-screen
menus_quit
[ "$(menus_full_screen_flag)" = "1" ] || menus_fail "full screen was not kept in the settings"

# The next start goes straight to full screen.
menus_start_game 2000
sleep 1
menus_shot menus-fs-3-intro-full-screen
intro_rmse=$(menus_rmse "$E2E_SHOTS/menus-fs-3-intro-full-screen.png" \
    "$(menus_reference mui/intro.jpg menus-fs-3-intro-full-screen)")
menus_below "$intro_rmse" 0.08 || menus_fail "no intro picture in full screen (RMSE $intro_rmse)"
sleep 2
menus_check_menu menus-fs-4-started-full-screen
menus_click $FULL_SCREEN_BUTTON
sleep 1.5
menus_expect_running "after switching back to a window"
menus_check_menu menus-fs-5-back-to-window
menus_quit
[ "$(menus_full_screen_flag)" = "0" ] || menus_fail "the window was not restored"
echo "PASS: full screen and back without losing the picture"
