#pragma once

#include <string>
#include <vector>

#include "games/designer/CDesignerFigure.h"

class CRandom;

// Cuts a W x H board into figures of random kinds and turns for one level:
// greedy passes over the board, each thrown away when a cell cannot be
// covered, the free cells fall apart, or the number of distinct kinds lies
// outside the level's limits. The figures are handed over in their basic
// orientation; the player has to find a tiling again.
class CDesignerGenerator
{
public:
    // Greedy attempts before GenerateLevel searches for a cut instead.
    static constexpr int MAX_ATTEMPTS = 4000;
    // The search's rounds and the figures it may lay in each: a cut within
    // the shipped limits takes some thousands on the largest board.
    static constexpr int SEARCH_ROUNDS = 8;
    static constexpr long SEARCH_STEPS = 50000;

    CDesignerGenerator(int width, int height, CRandom& random);

    // Runs greedy attempts until one meets [minCount, maxCount] distinct
    // kinds; after maxAttempts a search looks for a cut within the limits.
    // Some limits cannot be met at all (nine kinds on a 6 x 6 board): then
    // the last complete greedy tiling is kept, whatever its kinds, or, if
    // there was none, any cut the search finds. Returns whether the limits
    // held.
    bool GenerateLevel(int minCount, int maxCount, int maxAttempts = MAX_ATTEMPTS);
    // One attempt; true when it covered the board within the limits.
    bool Generate(int minCount, int maxCount);
    const std::vector<CDesignerFigure>& GetFigures() const { return m_figures; }
    // Kind letter of every cell, rows from the top: 'a' + index of the figure.
    std::vector<std::string> GetTiling() const;
    int GetAttemptsMade() const { return m_attempts; }

private:
    char& Cell(int x, int y) { return m_grid[x * m_height + y]; }
    char Cell(int x, int y) const { return m_grid[x * m_height + y]; }
    void MakeKindOrder(int order[CDesignerFigure::KINDS]);
    int PlaceAt(const int order[CDesignerFigure::KINDS], int x, int y);
    bool TryPlace(CDesignerFigure& figure, int x, int y, int offset);
    int CountRegions();
    void Flood(int x, int y);
    // A cut by the search, kept as the level's figures when found.
    bool SearchCut(int minCount, int maxCount);

    int m_width;
    int m_height;
    CRandom& m_random;
    std::vector<char> m_grid;
    std::vector<char> m_flood;
    std::vector<CDesignerFigure> m_figures;
    int m_attempts = 0;
};
