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
    // Attempts before GenerateLevel gives up on the kind limits.
    static constexpr int MAX_ATTEMPTS = 4000;

    CDesignerGenerator(int width, int height, CRandom& random);

    // Runs attempts until one meets [minCount, maxCount] distinct kinds. Some
    // limits cannot be met (nine kinds on a 6 x 6 board): after MAX_ATTEMPTS
    // the last complete tiling is kept, whatever its kinds, and if there was
    // none an exhaustive search supplies one. Returns whether the limits held.
    bool GenerateLevel(int minCount, int maxCount);
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
    bool FillExhaustively();

    int m_width;
    int m_height;
    CRandom& m_random;
    std::vector<char> m_grid;
    std::vector<char> m_flood;
    std::vector<CDesignerFigure> m_figures;
    int m_attempts = 0;
};
