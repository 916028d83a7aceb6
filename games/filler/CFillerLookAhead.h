#pragma once

#include <cstdint>
#include <vector>

// The computer's look-ahead over colour choices. A node scores the zone it
// receives (by cell count, or by squared distance from the start column or
// row), applies its colour and adds the best of its children, which try
// every other colour; the opponent's replies play no part. The zone only
// grows along a line of choices, so each node grows its parent's zone from
// the parent's frontier, in buffers kept from search to search, instead of
// flooding a copy of the board.
class CFillerLookAhead
{
public:
    enum { KIND_COLUMNS = 1, KIND_ROWS = 2, KIND_COUNT = 3 };
    static constexpr int MAX_DEPTH = 8;

    // The scoring of a computer mode (1 Easy, 2 Medium, 3 Hard) when the
    // zones cover `ratio` of the board.
    static int ScoringKind(int mode, float ratio);

    // Sets up searches from the start cell of a board whose cell (x, y)
    // holds cells[y * width + x]; table and count are the colour table and
    // its entries in play. The cells must stay unchanged while it searches.
    void Prepare(const std::vector<int>& cells, int width, int height, int startX, int startY,
                 const int* table, int count, int kind);
    // The score of choosing table entry `index` now, looking `depth` levels
    // deep (1 scores only the zone as it stands).
    int Evaluate(int index, int depth);

    // Cells of the zone as it stands.
    int GetZoneSize() const { return static_cast<int>(m_absorbed[0].size()); }

private:
    static constexpr uint8_t OUTSIDE = 0xFF;

    int EvaluateNode(int level, int index, int depth);
    void Grow(int level, int color);
    void Undo(int level);
    void Absorb(int cell, int level);
    void AddFrontier(int cell, int level);
    unsigned NextStamp();
    int CellScore(int cell) const;

    const std::vector<int>* m_cells = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_start_x = 0;
    int m_start_y = 0;
    int m_table[6] = {0, 1, 2, 3, 4, 5};
    int m_count = 0;
    int m_kind = KIND_COUNT;
    // The level at which a cell joined the zone on the current line of choices.
    std::vector<uint8_t> m_join;
    std::vector<unsigned> m_frontier_mark;
    unsigned m_stamp = 0;
    std::vector<int> m_absorbed[MAX_DEPTH + 1];
    std::vector<int> m_frontier[MAX_DEPTH + 1];
    int m_score[MAX_DEPTH + 1] = {};
    std::vector<int> m_queue;
};
