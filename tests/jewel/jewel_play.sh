# A player's road through the jewels, with the real mouse and keyboard: the
# main menu, the jewel menu, a new game started at once and left, which saves
# it with the settings; then, continued on a board with a known swap, two
# clicks on neighbours make a line and the bricks above fall into a second
# line (a cascade), which the saved game's score shows.
# Usage: jewel_play.sh <game binary> <screenshot dir> <file helper>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/jewel_e2e.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/jewel-play"
E2E_FILES="$3"
E2E_KIND=jewel
e2e_copy_game "$1"
DATA="$E2E_DIR/data"

# The board at rest; the pointer stirs off it meanwhile: resting five
# seconds would bring the hint.
settled() { e2e_wait_still "$1" "$BOARD" 0.01 stir; }


# --- A new game, left. -----------------------------------------------------
e2e_start_to_menu
e2e_to CGameMenu click $JEWELS
[ -e "$DATA/jewel.sav" ] && e2e_fail "a saved game exists before any game"
# No running game: New game starts one at once, without a dialog.
e2e_to CJewelGameScreen click $NEW_GAME
e2e_rest 0.2
settled 01-dealt
spread=$(convert "$E2E_SHOTS/01-dealt.png" -crop "$BOARD" +repage -colorspace gray -format '%[fx:standard_deviation]' info:)
e2e_below 0.08 "$spread" || e2e_fail "the board shows no bricks (spread $spread)"

e2e_leave_game
[ -s "$DATA/jewel.sav" ] || e2e_fail "leaving the menu saved no game"
[ "$(e2e_saved f_m_width_bricks)" = 8 ] || e2e_fail "the saved board is not 8 wide"
[ "$(e2e_saved fe_m_current_level)" = 1 ] || e2e_fail "the saved game is not on level 1"
[ "$(e2e_setting m_autosave)" = 1 ] || e2e_fail "the settings lost autosave"
[ "$(e2e_setting remover_last_size)" = 0 ] || e2e_fail "the settings lost the size"
[ -e "$DATA/scores800.tab" ] || e2e_fail "no score table 0 written"

# --- A known board: one swap, a line, and a cascade. ------------------------
# The changes make the swap of the purple brick at (2,2) with the red one
# below it a red line in row 2, after which the two blues of row 1 fall
# beside two more blues. The scores start from nought.
jewel_known_board 0 0,2=0 1,2=0 2,2=4 2,3=0 1,1=3 2,1=3 3,2=3

e2e_to CGameMenu click $JEWELS
e2e_to CJewelGameScreen click $CONTINUE
e2e_rest 0.2
settled 02-known-board
e2e_hold $(cell 2 2)
sleep 0.5
e2e_hold $(cell 2 3)
e2e_rest 0.2
e2e_window_shot 03-swapped
settled 04-after-cascade
e2e_below "$(e2e_rmse "$E2E_SHOTS/02-known-board.png" "$E2E_SHOTS/04-after-cascade.png" "$BOARD")" 0.05 \
    && e2e_fail "the swap changed nothing on the board"

e2e_leave_game
level=$(e2e_saved gf_m_score_level)
# The line of three scores 50, the cascade's line of four 100 more.
[ "${level:-0}" -ge 150 ] || e2e_fail "no cascade was scored (level score ${level:-none})"

e2e_key Escape
e2e_wait_state "CExitWnd"
exit 0
