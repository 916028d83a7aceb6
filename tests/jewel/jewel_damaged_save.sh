# Saved jewel games that lost a key, or hold a negative total, as a player
# meets them: the jewel menu says the game could not be read, offers no
# Continue (New game starts at once, as with no game held) and keeps the
# file aside. Where no name is free for it (a folder of the player's holds
# one), it stays in place, the menu says so and no game is saved over it;
# an empty folder keeps its name. Files that could not be written are
# listed in the next menu, on the dialogs' picture.
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

# All nine names taken, one by a folder holding a file of the player's: the
# next damaged save stays where it is, and no game of the visit goes over it.
mkdir "$DATA/jewel.sav.unreadable3"
echo mine >"$DATA/jewel.sav.unreadable3/mine.txt"
for n in 4 5 6 7 8 9; do echo "old $n" >"$DATA/jewel.sav.unreadable$n"; done
e2e_to CJewelGameScreen click $NEW_GAME
e2e_rest 0.2
e2e_leave_game
e2e_rewrite_saved '^gf_m_score ' <<<"gf_m_score -100"
cp "$DATA/jewel.sav" "$E2E_DIR/damaged.sav"
e2e_to CGameMenu click $JEWELS
e2e_rest
e2e_window_shot 03-left-in-place
cmp -s "$DATA/jewel.sav" "$E2E_DIR/damaged.sav" || e2e_fail "03: the damaged save did not stay in its place"
grep -q "could not move it aside" "$E2E_DIR/out.log" || e2e_fail "03: nothing said it stays in place"
e2e_below "$(e2e_rmse "$E2E_SHOTS/02-negative-total.png" "$E2E_SHOTS/03-left-in-place.png" "$MESSAGE")" 0.05 \
    && e2e_fail "03: the menu's note does not say that the save stays in place"
e2e_to CJewelGameScreen click $NEW_GAME
e2e_rest 0.2
e2e_leave_game
cmp -s "$DATA/jewel.sav" "$E2E_DIR/damaged.sav" || e2e_fail "03: a game was saved over the damaged save"
[ "$(cat "$DATA/jewel.sav.unreadable3/mine.txt")" = mine ] || e2e_fail "03: the player's folder was touched"
for n in 4 5 6 7 8 9; do
    [ "$(cat "$DATA/jewel.sav.unreadable$n")" = "old $n" ] || e2e_fail "03: jewel.sav.unreadable$n changed"
done

# The folder emptied and the last six names freed: the damaged save goes to
# the first free name after the folder, which stays.
rm "$DATA/jewel.sav.unreadable3/mine.txt" "$DATA"/jewel.sav.unreadable[4-9]
e2e_to CGameMenu click $JEWELS
e2e_rest
e2e_window_shot 04-past-an-empty-folder
[ -d "$DATA/jewel.sav.unreadable3" ] || e2e_fail "04: the empty folder is gone"
cmp -s "$DATA/jewel.sav.unreadable4" "$E2E_DIR/damaged.sav" || e2e_fail "04: the damaged save is not jewel.sav.unreadable4"
[ -e "$DATA/jewel.sav" ] && e2e_fail "04: the damaged save is still taken for the game"

# Folders where the settings and the score tables go: leaving cannot write
# them, and the next visit lists them on the dialogs' picture, with OK in
# the middle under the list.
for file in jewel.cfg "$DATA"/scores8*.tab; do
    file=$(basename "$file")
    rm -f "$DATA/$file"
    mkdir "$DATA/$file"
done
e2e_to "CMainMenu window" key Escape
e2e_to CTextDialog click $JEWELS
e2e_rest
e2e_window_shot 05-not-written
e2e_below "$(e2e_rmse "$E2E_SHOTS/04-past-an-empty-folder.png" "$E2E_SHOTS/05-not-written.png")" 0.1 \
    && e2e_fail "05: the list of files not written shows no picture of its own"
e2e_to CGameMenu click 400 446
e2e_to "CMainMenu window" key Escape
e2e_key Escape
e2e_wait_state "CExitWnd"
exit 0
