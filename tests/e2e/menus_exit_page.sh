# The web addresses of the main menu and the exit window: the site button
# opens the site and the window comes back; a click on the exit window's
# picture opens the game's page and the program still ends with code 0.
set -u
source "$(dirname "$0")/menus_lib.sh"
e2e_under_xvfb "$@"
menus_setup "$@"
GAME_PAGE="http://marblewend.example.org/game"
SITE_PAGE="http://marblewend.example.org"

site_opened() { [ "$(menus_opened)" = "$SITE_PAGE" ]; }

menus_start_game 0
e2e_wait_state "CMainMenu window"
mark=$(e2e_state_mark)
e2e_click 600 470
e2e_wait_until "the site to be opened" 30 site_opened
e2e_wait_state_seen "CMainMenu minimized" "$mark"
e2e_wait_state "CMainMenu window" "$mark"
e2e_expect_running "after the site button"
e2e_key Escape
e2e_wait_state CExitWnd
e2e_wait_picture "the exit window" menus_shows_exit_window menus-page-exit-window
e2e_click 400 250
menus_quit_with_zero
[ "$(menus_opened | tail -1)" = "$GAME_PAGE" ] || e2e_fail "the picture opened \"$(menus_opened)\", not the game page"
echo "PASS: the site button and the exit window's picture open their pages"
