# A player's road through the slider with the real mouse and keyboard: a new
# game on the medium board, turns from the edge arrows, the game left, its
# files read back, and Continue bringing the same board.
# Usage: slider_play.sh <game binary> <screenshot dir> <file reader> <asset stage>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/slider-play"
E2E_FILES="$3"
E2E_KIND=slider
E2E_STAGE="$4"
e2e_copy_game "$1"

# The medium board: 15 x 15 cells, the ring of arrows included, over
# 175..625 and 75..525 of the 800 x 600 window.
cell() { awk -v x="$1" -v y="$2" 'BEGIN { c = 450 / 15; printf "%d %d", 175 + c * (x + 0.5), 75 + c * (y + 0.5) }'; }
BOARD="450x450+175+75"
MOVES_AREA="90x26+170+32"
MAIN_TITLE="mui/main/main_bg.jpg 440x100+170+30"
GAME_GROUND="mui/slider/game_bg.jpg 150x50+0+550"
SLIDER="130 334"

# Presses on an arrow, the button held for a few frames (the game reads it
# once a frame), until the count of moves left changes: a press lost to a
# slow machine is made again. Then waits for the board to settle.
turn() {
    local name="$1" attempt
    for attempt in 1 2 3; do
        e2e_window_shot "$name-before"
        e2e_hold $(cell "$2" "$3")
        e2e_rest 0.3
        e2e_wait_still "$name" "$BOARD"
        e2e_below 0.02 "$(e2e_rmse "$E2E_SHOTS/$name-before.png" "$E2E_SHOTS/$name.png" "$MOVES_AREA")" && return 0
    done
    e2e_fail "the arrow at $2,$3 did not turn its line"
}

e2e_start_to_menu
e2e_wait_for 01-main-menu $MAIN_TITLE
e2e_to CGameMenu click $SLIDER
e2e_wait_for 02-slider-menu mui/slider/menu_bg.jpg 400x60+200+50
e2e_to CSliderNewGameDialog click 400 225   # New Game
e2e_click_at 130 320   # Medium Field
e2e_click_at 490 320   # Medium
e2e_to CSliderGameScreen click 295 450   # OK
e2e_wait_for 03-game $GAME_GROUND
e2e_rest
e2e_wait_still 04-dealt "$BOARD"
e2e_below 0.1 "$(e2e_rmse "$E2E_SHOTS/04-dealt.png" "$(e2e_reference mui/slider/game_bg.jpg)" "$BOARD")" ||
    e2e_fail "no bricks on the board"

turn 05-row-turned 0 3      # row 3 to the left
turn 06-column-turned 5 0   # column 5 up
e2e_below 0.02 "$(e2e_rmse "$E2E_SHOTS/04-dealt.png" "$E2E_SHOTS/06-column-turned.png" "$BOARD")" ||
    e2e_fail "the turns did not change the board"

e2e_leave_game
e2e_wait_for 07-main-menu $MAIN_TITLE
# Medium board, medium difficulty: 15 cells with the ring, five colours and
# 45 moves, two of them made.
[ "$(e2e_saved f_m_width_bricks) $(e2e_saved f_m_colors)" = "15 5" ] || e2e_fail "the saved game is not the medium one"
[ "$(e2e_saved gf_m_current_level) $(e2e_saved gf_m_score_level)" = "1 43" ] || e2e_fail "not level 1 with 43 moves left"
[ "$(e2e_saved m_score)" = "$(e2e_saved gf_m_score)" ] || e2e_fail "the screen's and the game's score differ"
[ "$(e2e_saved gf_m_difficulty)" = 1 ] || e2e_fail "the saved game does not keep its difficulty"

e2e_to CGameMenu click $SLIDER
e2e_to CSliderGameScreen click 400 295   # Continue
e2e_wait_for 08-resumed $GAME_GROUND
e2e_rest
e2e_wait_still 08-resumed "$BOARD"
E2E_MEASURE=$(e2e_rmse "$E2E_SHOTS/06-column-turned.png" "$E2E_SHOTS/08-resumed.png" "$BOARD")
e2e_below "$E2E_MEASURE" 0.03 || e2e_fail "Continue did not bring back the same board (RMSE $E2E_MEASURE)"

# The help, every page once.
e2e_to CGameMenu key Escape
e2e_help_pages 09 2
echo "PASS: new game, turns, left, files read back, continued, help"
