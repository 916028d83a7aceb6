# Saved jewel games that lost a key, or hold a negative total, as a player
# meets them: the jewel menu says the game could not be read, offers no
# Continue (New game starts at once, as with no game held) and keeps the
# file aside.
# Usage: jewel_damaged_save.sh <game binary> <screenshot dir> <file helper>
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_under_xvfb "$@"
E2E_SHOTS="$2/jewel-damaged-save"
E2E_FILES="$3"
E2E_KIND=jewel
e2e_copy_game "$1"
DATA="$E2E_DIR/data"
JEWELS="640 400"
NEW_GAME="400 225"
# The message stands where Continue would.
MESSAGE="260x50+270+272"

e2e_start_to_menu
e2e_to CGameMenu click $JEWELS
e2e_rest
e2e_window_shot 00-menu-without-a-game

# damaged <round> <pattern of the lines left out> [key value lines to add]
damaged() {
    local round="$1" pattern="$2" aside="$DATA/jewel.sav.unreadable$3"
    shift 3
    e2e_to CJewelGameScreen click $NEW_GAME
    e2e_rest 0.2
    e2e_leave_game
    [ -s "$DATA/jewel.sav" ] || e2e_fail "$round: leaving the game saved nothing"
    printf '%s\n' "$@" | grep . | e2e_rewrite_saved "$pattern"
    e2e_to CGameMenu click $JEWELS
    e2e_rest
    e2e_window_shot "$round"
    [ -e "$DATA/jewel.sav" ] && e2e_fail "$round: the damaged save is still taken for the game"
    [ -s "$aside" ] || e2e_fail "$round: the damaged save was not kept aside as $aside"
    grep -q "could not be read" "$E2E_DIR/out.log" || e2e_fail "$round: nothing said the save could not be read"
    e2e_below "$(e2e_rmse "$E2E_SHOTS/00-menu-without-a-game.png" "$E2E_SHOTS/$round.png" "$MESSAGE")" 0.05 \
        && e2e_fail "$round: the menu shows no message"
}

# The bonus list's points lost.
damaged 01-without-bonus-points '^CBJBonusesList ' ""
# No game is held: New game starts one at once.
damaged 02-negative-total '^gf_m_score ' 2 "gf_m_score -100"
e2e_to "CMainMenu window" key Escape
e2e_key Escape
e2e_wait_state "CExitWnd"
exit 0
