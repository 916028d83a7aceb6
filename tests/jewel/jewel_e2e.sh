# What the jewels' play tests share: the small 8 x 8 board's place on the
# 800 x 600 window, the jewel menu's buttons, and a saved game rewritten to a
# known board. Sourced after tests/e2e/lib.sh.

# Pixel centre of a cell of the small board, which spans 175..625 and
# 75..525 on the window.
cell() { awk -v x="$1" -v y="$2" 'BEGIN { c = 450 / 8; printf "%d %d", 175 + c * (x + 0.5), 75 + c * (y + 0.5) }'; }
BOARD="450x450+175+75"
JEWELS="640 400"
NEW_GAME="400 225"
CONTINUE="400 295"

# The saved game's board made colour (x + 2y) mod 5, which has no line
# anywhere, but for the cells given as x,y=colour; its level score the one
# given, the total and the bonus points nought.
# jewel_known_board <level score> [x,y=colour]...
jewel_known_board() {
    local level="$1"
    shift
    awk -v level="$level" -v changes="$*" 'BEGIN {
        for (y = 0; y < 8; ++y) for (x = 0; x < 8; ++x) c[x, y] = (x + 2 * y) % 5
        n = split(changes, change, " ")
        for (i = 1; i <= n; ++i) { split(change[i], p, "[,=]"); c[p[1] + 0, p[2] + 0] = p[3] + 0 }
        for (y = 0; y < 8; ++y) for (x = 0; x < 8; ++x) printf "f_color%d-%d %d\n", x, y, c[x, y]
        print "gf_m_score_level " level "\nm_score 0\ngf_m_score 0"
    }' | e2e_rewrite_saved '^f_color\|^gf_m_score_level \|^m_score \|^gf_m_score '
}
