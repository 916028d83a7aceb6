# The player's first minute: the intro picture, the main menu with its title
# and buttons, a kind's thumbnail on hover, the site button opening the site
# with the window coming back, Esc for the exit window, and its button
# ending the program with code 0, the settings written and no other web page
# opened.
set -u
source "$(dirname "$0")/menus_lib.sh"
e2e_under_xvfb "$@"
menus_setup "$@"
SITE_PAGE="http://marblewend.example.org"

site_opened() { [ "$(menus_opened)" = "$SITE_PAGE" ]; }

# The main menu, no longer the intro, with kind buttons over the background.
shows_main_menu_not_intro() {
    menus_shows_main_menu "$1" || return 1
    local intro_rmse button_rmse
    intro_rmse=$(e2e_rmse "$E2E_SHOTS/$1.png" "$(e2e_reference mui/intro.jpg)")
    E2E_MEASURE="intro $intro_rmse"
    e2e_below "$intro_rmse" 0.08 && return 1
    button_rmse=$(e2e_rmse "$E2E_SHOTS/$1.png" "$(e2e_reference mui/main/main_bg.jpg)" 200x280+14+160)
    E2E_MEASURE="buttons $button_rmse"
    e2e_below 0.1 "$button_rmse"
}

# The intro's frame stands for five seconds: time enough to photograph it
# however slow the machine.
menus_start_game 5000
e2e_wait_state CIntroScreen
e2e_wait_picture "the intro picture" menus_shows_intro menus-1-intro

e2e_wait_state "CMainMenu window"
e2e_wait_picture "the main menu over its background" shows_main_menu_not_intro menus-2-main-menu
# The title spins in the middle: a later shot differs there.
e2e_wait_picture "the title turning" e2e_differs menus-3-main-menu-later "$E2E_SHOTS/menus-2-main-menu.png" 0.01 \
    240x120+280+250

# Rest the cursor on the first kind button: its thumbnail fades in below the title.
e2e_move 120 185
e2e_wait_picture "the thumbnail of the hovered kind" e2e_differs menus-4-hover \
    "$E2E_SHOTS/menus-3-main-menu-later.png" 0.08 280x200+260+325
# Away from the buttons the thumbnail fades out again.
e2e_move 400 100
e2e_wait_picture "the thumbnail fading after leaving" e2e_looks_like menus-5-hover-gone \
    "$E2E_SHOTS/menus-3-main-menu-later.png" 0.08 280x120+260+420

mark=$(e2e_state_mark)
e2e_click 600 470   # the site button
e2e_wait_until "the site to be opened" 30 site_opened
e2e_wait_state_seen "CMainMenu minimized" "$mark"
e2e_wait_state "CMainMenu window" "$mark"
e2e_expect_running "after the site button"

e2e_key Escape
e2e_wait_state CExitWnd
e2e_expect_running "after Esc in the main menu"
e2e_wait_picture "the exit window" menus_shows_exit_window menus-6-exit-window

# Esc is ignored in the exit window: a moment later it is still there.
e2e_key Escape
sleep 0.5
e2e_expect_running "after Esc in the exit window"
e2e_state_is CExitWnd || e2e_fail "Esc closed the exit window"

# The button: pressed, then released over the picture, as a hurried player does.
xdotool mousemove --window "$E2E_WINDOW" 390 530 mousedown 1
xdotool mousemove --window "$E2E_WINDOW" 400 300 mouseup 1
e2e_wait_exit_zero
[ -s "$E2E_DIR/data/dx.cfg" ] || e2e_fail "data/dx.cfg was not written"
site_opened || e2e_fail "the quit button opened a web page: $(menus_opened)"
echo "PASS: intro, main menu, hover thumbnail, the site, exit window, quit with code 0"
