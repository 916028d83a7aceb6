# A jewel game driven by real input through a level end into level 2: a
# saved game continued just short of its target on a board with a known
# swap, the swap pressed, the level end played out, and the next level's
# new bricks seen falling in among the bricks the level end left, their
# lines vanishing and paid before any move of the new level.
# Usage: jewel_level_start.sh <game binary> <screenshot dir> <file helper>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/jewel_e2e.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/jewel-level-start"
E2E_FILES="$3"
E2E_KIND=jewel
e2e_copy_game "$1"
DATA="$E2E_DIR/data"
# Every game of the run draws from this seed, whose level 2 starts with lines.
export MARBLEWEND_SEED=${JEWEL_LEVEL_START_SEED:-1}

# The level's number on the plate along the top.
LEVEL_DIGIT="20x16+695+32"

e2e_start_to_menu
e2e_to CGameMenu click $JEWELS
e2e_to CJewelGameScreen click $NEW_GAME
e2e_rest 0.2
e2e_leave_game
[ -s "$DATA/jewel.sav" ] || e2e_fail "leaving the game saved nothing"

# The changes make the swap of the purple brick at (2,2) with the red one
# below it a red line in row 2, whose points take the level score from 990
# past the target of 1000.
jewel_known_board 990 0,2=0 1,2=0 2,2=4 2,3=0

e2e_to CGameMenu click $JEWELS
e2e_to CJewelGameScreen click $CONTINUE
e2e_rest 0.2
e2e_wait_still 01-level-1 "$BOARD" 0.01 stir
e2e_hold $(cell 2 2)
sleep 0.5
e2e_hold $(cell 2 3)
e2e_rest 0
# The level end flies half the board away; then the plate shows level 2.
e2e_window_shot 02-level-end
sleep 1
e2e_window_shot 03-level-end
e2e_wait_picture "level 2" e2e_differs 04-level-2 "$E2E_SHOTS/01-level-1.png" 0.1 "$LEVEL_DIGIT"
# The new bricks falling in and the lines they make, as they come.
for i in $(seq -w 1 12); do
    e2e_window_shot "05-level-start-$i"
    sleep 0.15
done
e2e_wait_still 06-level-2-settled "$BOARD" 0.01 stir
e2e_is_black 06-level-2-settled && e2e_fail "the board of level 2 is black"

e2e_leave_game
[ "$(e2e_saved fe_m_current_level)" = 2 ] || e2e_fail "the game did not go on to level 2"
[ "$(e2e_saved f_m_colors)" = 6 ] || e2e_fail "level 2 does not play six colours"
level=$(e2e_saved gf_m_score_level)
# Nothing was pressed on level 2: its points are its start's lines.
[ "${level:-0}" -gt 0 ] || e2e_fail "the lines of level 2's start paid nothing (level score ${level:-none})"

e2e_key Escape
e2e_wait_state "CExitWnd"
exit 0
