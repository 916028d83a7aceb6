# A player's road through the filler with the real mouse and keyboard: the
# main menu, the filler's menu, a new game on the small board, a move made
# with a colour button, the game left and continued; the saved game and the
# settings read back in their stored form; a Giant game continued beside a
# damaged settings file; the help pages; the last move of a small game.
# Usage: filler_play.sh <game binary> <screenshot dir> <file helper>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/filler-play"
E2E_FILES="$3"
E2E_KIND=filler
e2e_copy_game "$1"
DATA="$E2E_DIR/data"
# The board's inside: the back sparkles drift around it, never over it.
BOARD="556x414+122+93"
# The human's start brick, drawn enlarged at the middle of the left edge.
START_BRICK="20x20+114+290"
FILLER="650 330"
NEW_GAME="400 225"
CONTINUE="400 295"

# Clicks colour button $1 and waits for the board to settle, shot as $2.
colour_move() {
    e2e_click_at $((279 + 50 * $1)) 580
    e2e_rest 0.2
    e2e_wait_still "$2" "$BOARD"
}

e2e_start_to_menu
e2e_to CGameMenu click $FILLER
e2e_to CFillerNewGameDialog click $NEW_GAME
e2e_to CFillerGameScreen click 295 450   # OK: Small Field, Easy
e2e_rest
e2e_wait_still 01-game "$BOARD"
e2e_is_black 01-game && e2e_fail "the game screen is black"

# The colour buttons stand at x 279 + 50 i, y 580; held or absent colours
# refuse the click, a free one makes the move and the start brick takes it.
moved=
for i in 0 1 2 3 4 5; do
    colour_move $i 02-move
    if e2e_below 0.05 "$(e2e_rmse "$E2E_SHOTS/01-game.png" "$E2E_SHOTS/02-move.png" "$START_BRICK")"; then
        moved=$i
        break
    fi
done
[ -n "$moved" ] || e2e_fail "no colour button made a move"

e2e_leave_game
[ -s "$DATA/filler.sav" ] || e2e_fail "leaving the menu saved no game"
numbers=$(e2e_saved field_undo_string | wc -w)
[ "$numbers" = $((6 + 30 * 23)) ] || e2e_fail "the saved snapshot holds $numbers numbers, not 6 + 30 x 23"
[ "$(e2e_saved filler_current_zone)" = 0 ] || e2e_fail "the game was not saved in the human's turn"
[ "$(e2e_saved score)" -ge 1 ] || e2e_fail "the saved game holds no zone size as its score"
[ "$(e2e_setting remover_last_size)" = 0 ] || e2e_fail "the settings do not keep the small size"
[ "$(e2e_setting m_animation)" = 1 ] || e2e_fail "the settings do not keep the animation"

e2e_to CGameMenu click $FILLER
e2e_to CFillerGameScreen click $CONTINUE
e2e_rest
e2e_wait_still 03-continued "$BOARD"
e2e_below "$(e2e_rmse "$E2E_SHOTS/02-move.png" "$E2E_SHOTS/03-continued.png" "$BOARD")" 0.01 \
    || e2e_fail "the continued board differs from the one left"
e2e_leave_game

# A Giant, Hard game left, its settings file then damaged: the saved game
# still comes back at its own size.
e2e_to CGameMenu click $FILLER
e2e_to CFillerNewGameDialog click $NEW_GAME
e2e_click_at 130 403   # Giant Field
e2e_click_at 490 351   # Hard
e2e_to CFillerGameScreen click 295 450
e2e_rest
e2e_wait_still 04-giant "$BOARD"
# Moves on the Giant board: its waves run over a board held between frames
# (a held frame that differs from drawing it whole fails the test).
for i in 0 1 2 3 4 5; do
    e2e_click_at $((279 + 50 * i)) 580
    sleep 0.3
    e2e_window_shot 04-giant-wave-$i
    e2e_rest
    e2e_wait_still 04-giant "$BOARD"
done
e2e_leave_game
numbers=$(e2e_saved field_undo_string | wc -w)
[ "$numbers" = $((6 + 100 * 75)) ] || e2e_fail "the saved snapshot holds $numbers numbers, not 6 + 100 x 75"
[ "$(e2e_saved filler_difficulty)" = 2 ] || e2e_fail "the saved game does not keep its difficulty"
printf 'not the settings of any kind\n' >"$DATA/filler.cfg"
e2e_to CGameMenu click $FILLER
e2e_to CFillerGameScreen click $CONTINUE
e2e_rest
e2e_wait_still 05-giant-continued "$BOARD"
e2e_below "$(e2e_rmse "$E2E_SHOTS/04-giant.png" "$E2E_SHOTS/05-giant-continued.png" "$BOARD")" 0.01 \
    || e2e_fail "the continued board is not the Giant one left"

# The help, every page once.
e2e_to CGameMenu key Escape
e2e_help_pages 06 2

# A small game one move from its end: GAME OVER! stands over the board
# until a click, as the help says. The widest names show inside the name
# box.
BANNER="200x36+300+12"
banner_shown() {
    e2e_below 0.1 "$(e2e_rmse "$E2E_SHOTS/07-small.png" "$E2E_SHOTS/$1.png" "$BANNER")"
}
e2e_to CFillerNewGameDialog click $NEW_GAME
e2e_click_at 130 247   # Small Field
e2e_click_at 490 247   # Easy
e2e_to CFillerGameScreen click 295 450
e2e_rest
e2e_wait_still 07-small "$BOARD"
e2e_leave_game
# The left half of colour 0 (the player's zone), the right half of colour 1
# (the computer's) and one brick of colour 2 between them at the top
# (drawn at 390, 92): the player's move there covers the board.
{
    printf 'field_undo_string %s' "$(e2e_saved field_undo_string | cut -d' ' -f1-6)"
    for x in $(seq 0 29); do
        for y in $(seq 0 22); do
            if [ "$x" = 14 ] && [ "$y" = 0 ]; then printf ' 2'
            elif [ "$x" -lt 15 ]; then printf ' 0'
            else printf ' 1'; fi
        done
    done
    printf '\nfiller_current_zone 0\n'
} | e2e_rewrite_saved '^field_undo_string\|^filler_current_zone'
e2e_to CGameMenu click $FILLER
e2e_to CFillerGameScreen click $CONTINUE
e2e_rest
e2e_wait_still 07-last-move "$BOARD"
# The last move: a click on that brick.
e2e_click_at 390 92
e2e_rest 0.2
e2e_wait_still 07-playing "$BOARD"
banner_shown 07-playing || e2e_fail "the last move brought no GAME OVER!"
# GAME OVER! stays to be read; the first click after it may be swallowed,
# a second one leaves.
sleep 1.5
e2e_state_is CFillerGameScreen || e2e_fail "the last move's own click left GAME OVER!: $(e2e_state)"
e2e_window_shot 08-game-over
e2e_click_at 400 300
sleep 1.5
e2e_state_is CFillerGameScreen && e2e_to CGameOverDialog click 400 300
e2e_wait_state CGameOverDialog
e2e_rest
e2e_window_shot 10-name-empty
# The box ends at x 597; nothing typed may reach beyond it. Sparkles drift
# there (up to about 0.1); letters 35 units tall running on would change
# it far more.
BEYOND_BOX="120x60+600+324"
for letter in m W; do
    for i in $(seq 15); do e2e_key "$letter"; done
    sleep 0.5
    e2e_window_shot "11-name-$letter"
    beyond=$(e2e_rmse "$E2E_SHOTS/10-name-empty.png" "$E2E_SHOTS/11-name-$letter.png" "$BEYOND_BOX")
    e2e_below "$beyond" 0.15 || e2e_fail "a name of wide letters ($letter) runs out of its box (RMSE $beyond)"
    for i in $(seq 15); do e2e_key BackSpace; done
done
e2e_key w
e2e_to CGameMenu key Return
e2e_to "CMainMenu window" click 400 505
e2e_key Escape
e2e_wait_state "CExitWnd"
echo "filler play: ok"
