# The web addresses of the main menu and the exit window: the site button
# opens the site, a click on the exit window's picture or Enter opens the
# game's page, and the program still ends with code 0.
set -u
source "$(dirname "$0")/menus_lib.sh"
e2e_under_xvfb "$@"
menus_setup "$@"
GAME_PAGE="http://marblewend.example.org/game"
SITE_PAGE="http://marblewend.example.org"

menus_opened() { grep -v '^shim-loaded$' "$MENUS_URL_LOG"; }
site_opened() { [ "$(menus_opened)" = "$SITE_PAGE" ]; }

menus_expect_exit_zero() {
    e2e_wait_exit 30
    [ "$E2E_STATUS" -eq 0 ] || menus_fail "exit code $E2E_STATUS"
}

# The picture.
menus_start_game 0
e2e_wait_state "CMainMenu window"
e2e_key Escape
e2e_wait_state CExitWnd
menus_wait_picture "the exit window" menus_shows_exit_window menus-page-1-exit-window
menus_click 400 250
menus_expect_exit_zero
[ "$(menus_opened)" = "$GAME_PAGE" ] || menus_fail "the picture opened \"$(menus_opened)\", not the game page"

# The site button minimises and opens the site; the window comes back and
# Enter in the exit window opens the game page.
: >"$MENUS_URL_LOG"
menus_start_game 0
e2e_wait_state "CMainMenu window"
mark=$(e2e_state_mark)
menus_click 600 470
e2e_wait_until "the site to be opened" 30 site_opened
e2e_wait_state_seen "CMainMenu minimized" "$mark"
e2e_wait_state "CMainMenu window" "$mark"
menus_expect_running "after the site button"
e2e_key Escape
e2e_wait_state CExitWnd
e2e_key Return
menus_expect_exit_zero
[ "$(menus_opened | tail -1)" = "$GAME_PAGE" ] || menus_fail "Enter opened \"$(menus_opened)\""
echo "PASS: site button, exit window picture and Enter open their pages"
