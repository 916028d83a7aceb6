#pragma once

#include <vector>

#include "games/designer/CDesignerFigure.h"

class CRandom;

// A depth-first search for a cut of a W x H board into figures: the first
// free cell in reading order is always covered next, by every kind and turn
// in turn. It serves where the generator's greedy passes are not enough:
// finding a cut within the level's kind limits when no pass met them, and
// telling whether a saved level's figures can cover its board at all. A
// bound on the figures tried ends hopeless requests in good time.
class CDesignerTilingSearch
{
public:
    enum class EResult
    {
        FOUND,
        NONE,
        GAVE_UP
    };

    // One figure of the cut: its kind and the board cells it covers, each
    // packed as (x << 16) | y.
    struct SPiece
    {
        int kind;
        std::vector<int> cells;
    };

    CDesignerTilingSearch(int width, int height);

    // How many figures of the kind the cut may use; -1 (the default) any.
    void SetStock(int kind, int count);
    // The cut uses at least minKinds and at most maxKinds distinct kinds
    // (1 and 9 by default).
    void SetKindLimits(int minKinds, int maxKinds);

    // Searches with kinds and turns tried in an order drawn from random, or
    // in a fixed order when random is null. GAVE_UP once maxSteps figures
    // were laid without an answer.
    EResult Search(CRandom* random, long maxSteps);
    // The cut found, in the order its figures were laid.
    const std::vector<SPiece>& GetPieces() const { return m_pieces; }
    long GetSteps() const { return m_steps; }

private:
    // A turn of a kind as cell offsets from its first cell in reading order.
    struct STurn
    {
        std::vector<int> dx;
        std::vector<int> dy;
    };

    bool Fill(CRandom* random);
    bool Fits(const STurn& turn, int x, int y) const;
    void Mark(const STurn& turn, int x, int y, char value);
    bool MayUse(int kind) const;
    // Whether the cells left can still be cut as the limits and stock ask.
    bool CanStillFinish(int freeCells);
    bool RegionsCanBeFilled();

    int m_width;
    int m_height;
    std::vector<STurn> m_turns[CDesignerFigure::KINDS];
    // Cells a figure covers on one colour of a chessboard more than on the
    // other, whatever its turn: 2 for the T, 3 for the cross, 1 for the U.
    int m_imbalance[CDesignerFigure::KINDS] = {};
    int m_stock[CDesignerFigure::KINDS];
    int m_used[CDesignerFigure::KINDS] = {};
    int m_distinct = 0;
    // Free cells on the chessboard's dark colour less those on the light.
    int m_balance = 0;
    int m_min_kinds = 1;
    int m_max_kinds = CDesignerFigure::KINDS;
    std::vector<char> m_grid;
    std::vector<char> m_seen;
    std::vector<int> m_stack;
    std::vector<SPiece> m_pieces;
    long m_steps = 0;
    long m_max_steps = 0;
    bool m_gave_up = false;
};
