# The player's first minute: the intro picture, the main menu with its title
# and buttons, a kind's thumbnail on hover, Esc for the exit window, and its
# button ending the program with code 0, the settings written and no web
# page opened.
set -u
source "$(dirname "$0")/menus_lib.sh"
e2e_under_xvfb "$@"
menus_setup "$@"

menus_start_game 3000
sleep 1
menus_shot menus-1-intro
menus_not_black menus-1-intro
intro_rmse=$(menus_rmse "$E2E_SHOTS/menus-1-intro.png" "$(menus_reference mui/intro.jpg menus-1-intro)")
menus_below "$intro_rmse" 0.08 || menus_fail "the intro picture is not shown (RMSE $intro_rmse)"

sleep 3
menus_expect_running "after the intro"
menus_shot menus-2-main-menu
menus_not_black menus-2-main-menu
intro_rmse=$(menus_rmse "$E2E_SHOTS/menus-2-main-menu.png" "$(menus_reference mui/intro.jpg menus-2-main-menu)")
menus_below "$intro_rmse" 0.08 && menus_fail "the intro is still shown (RMSE $intro_rmse)"
# The background shows where nothing covers it, and the buttons lie over it.
ground=$(menus_reference mui/main/main_bg.jpg menus-2-main-menu)
ground_rmse=$(menus_rmse_region "$E2E_SHOTS/menus-2-main-menu.png" "$ground" 440x100+170+30)
menus_below "$ground_rmse" 0.05 || menus_fail "the main menu background is not shown (RMSE $ground_rmse)"
button_rmse=$(menus_rmse_region "$E2E_SHOTS/menus-2-main-menu.png" "$ground" 200x280+14+160)
menus_below 0.1 "$button_rmse" || menus_fail "no kind buttons over the background (RMSE $button_rmse)"
# The title spins in the middle: two shots apart differ there.
sleep 0.5
menus_shot menus-3-main-menu-later
title_rmse=$(menus_rmse_region "$E2E_SHOTS/menus-2-main-menu.png" "$E2E_SHOTS/menus-3-main-menu-later.png" 240x120+280+250)
menus_below 0.01 "$title_rmse" || menus_fail "the title does not move (RMSE $title_rmse)"

# Rest the cursor on the first kind button: its thumbnail fades in below the title.
menus_move 120 185
sleep 1.5
menus_shot menus-4-hover
thumb_rmse=$(menus_rmse_region "$E2E_SHOTS/menus-3-main-menu-later.png" "$E2E_SHOTS/menus-4-hover.png" 280x200+260+325)
menus_below 0.08 "$thumb_rmse" || menus_fail "hovering a kind shows no thumbnail (RMSE $thumb_rmse)"
# Away from the buttons the thumbnail fades out again.
menus_move 400 100
sleep 2
menus_shot menus-5-hover-gone
gone_rmse=$(menus_rmse_region "$E2E_SHOTS/menus-3-main-menu-later.png" "$E2E_SHOTS/menus-5-hover-gone.png" 280x120+260+420)
menus_below "$gone_rmse" 0.08 || menus_fail "the thumbnail stays after leaving (RMSE $gone_rmse)"

e2e_key Escape
sleep 1
menus_expect_running "after Esc in the main menu"
menus_shot menus-6-exit-window
exit_rmse=$(menus_rmse "$E2E_SHOTS/menus-6-exit-window.png" "$(menus_reference mui/main/exit.jpg menus-6-exit-window)")
menus_below "$exit_rmse" 0.15 || menus_fail "the exit window is not shown (RMSE $exit_rmse)"

# Esc is ignored in the exit window.
e2e_key Escape
sleep 0.5
menus_expect_running "after Esc in the exit window"

# The button: pressed, then released over the picture, as a hurried player does.
xdotool mousemove --window "$E2E_WINDOW" 390 530 mousedown 1
xdotool mousemove --window "$E2E_WINDOW" 400 300 mouseup 1
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || menus_fail "exit code $E2E_STATUS"
[ -s "$E2E_DIR/data/dx.cfg" ] || menus_fail "data/dx.cfg was not written"
if grep -v '^shim-loaded$' "$MENUS_URL_LOG" | grep -q .; then
    menus_fail "the quit button opened a web page: $(cat "$MENUS_URL_LOG")"
fi
echo "PASS: intro, main menu, hover thumbnail, exit window, quit with code 0"
