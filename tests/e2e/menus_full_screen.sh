# The full-screen button on a display whose mode is 800x600: the switch keeps
# the picture, the settings remember it, the next start opens in full screen
# with its picture, and the button brings the window back. That run ends by
# a click on the exit window's picture: it opens the game's page and the
# program still ends with code 0.
set -u
source "$(dirname "$0")/menus_lib.sh"
E2E_SCREEN=800x600 e2e_under_xvfb "$@"
menus_setup "$@"
E2E_FILES="$5"
FULL_SCREEN_BUTTON="707 27"

menus_check_menu() {
    e2e_wait_picture "$1: the main menu" menus_shows_main_menu "$1"
}

menus_quit() {
    e2e_key Escape
    e2e_wait_state CExitWnd
    e2e_click 390 530
    e2e_wait_exit_zero
}

menus_full_screen_flag() {
    e2e_value "$E2E_DIR/data/dx.cfg" qiv m_is_full_screen_loaded
}

menus_start_game 0
e2e_wait_state "CMainMenu window"
menus_check_menu menus-fs-1-windowed
e2e_click $FULL_SCREEN_BUTTON
e2e_wait_state "CMainMenu full 800x600"
e2e_expect_running "after switching to full screen"
menus_check_menu menus-fs-2-full-screen
menus_quit
[ "$(menus_full_screen_flag)" = "1" ] || e2e_fail "full screen was not kept in the settings"

# The next start goes straight to full screen; its intro frame stands for
# five seconds.
menus_start_game 5000
e2e_wait_state "CIntroScreen full 800x600"
e2e_wait_picture "the intro picture in full screen" menus_shows_intro menus-fs-3-intro-full-screen
e2e_wait_state "CMainMenu full 800x600"
menus_check_menu menus-fs-4-started-full-screen
e2e_click $FULL_SCREEN_BUTTON
e2e_wait_state "CMainMenu window"
e2e_expect_running "after switching back to a window"
menus_check_menu menus-fs-5-back-to-window
e2e_key Escape
e2e_wait_state CExitWnd
e2e_wait_picture "the exit window" menus_shows_exit_window menus-fs-6-exit-window
e2e_click 400 250
e2e_wait_exit_zero
[ "$(menus_full_screen_flag)" = "0" ] || e2e_fail "the window was not restored"
[ "$(menus_opened)" = "http://marblewend.example.org/game" ] || e2e_fail "the picture opened \"$(menus_opened)\", not the game page"
echo "PASS: full screen and back without losing the picture, the exit picture opens the game page"
