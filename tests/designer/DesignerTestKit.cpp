#include "tests/designer/DesignerTestKit.h"

#include "engine/files/CConfigFile.h"
#include "games/designer/CDesignerField.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerFigureTray.h"
#include "games/designer/CDesignerGenerator.h"
#include "shell/game/CRandom.h"
#include "games/designer/CDesignerPlayer.h"
#include "shell/game/PackPos.h"
#include "tests/gamebase/BoxModel.h"
#include "tests/gamebase/TestParams.h"

namespace
{
// The tray's arrows hit-test by their model's size: without files they get
// a box of the generated arrow's outline, 0.9 wide, 1 high, 0.18 deep.
class CArrowParams : public CDesignerParams
{
public:
    CArrowParams() : m_arrow(MakeBoxModel(0.18f, 0.9f, 1.0f)) { SetArrowModel(m_arrow.get()); }

private:
    std::unique_ptr<CModel> m_arrow;
};
}

std::unique_ptr<CDesignerParams> MakeParams(int size, int difficulty)
{
    return ReadTestParams<CArrowParams>({{"m_field_width", "540"}, {"m_attempt", "1"}, {"m_min_count", "2 4 5"},
                                         {"m_max_count", "5 6 8"}, {"m_skins_count", "3"}},
                                        size, difficulty);
}

void CDesignerDriver::Frames(int count)
{
    for (int i = 0; i < count; ++i)
    {
        m_game.SetPointer(m_point, m_left, m_right);
        m_game.Update(16.0f);
    }
}

void CDesignerDriver::Settle(int limit)
{
    for (int i = 0; i < limit && m_game.GetPlayer().GetState() != CDesignerPlayer::STATE_IDLE; ++i)
        Frames(1);
    // The figure in hand catches up with the pointer.
    Frames(40);
}

void CDesignerDriver::MoveTo(const CVector4& point)
{
    m_point = point;
    Frames(40);
}

void CDesignerDriver::Click(bool right)
{
    // The click pause of the previous press runs out first.
    Frames(20);
    (right ? m_right : m_left) = true;
    Frames(1);
    (right ? m_right : m_left) = false;
    Frames(1);
}

void CDesignerDriver::PickFromTray(int i)
{
    MoveTo(m_game.GetPlayer().GetTray().GetFigure(i)->GetPosition());
    Click();
    Settle();
}

CVector4 CDesignerDriver::PointForCell(int bx, int by, float dx, float dy) const
{
    const CDesignerFigure* figure = m_game.GetPlayer().GetSelected();
    float c = m_game.GetField().GetBrickSize();
    int y0 = 0;
    while (!figure->IsFilled(0, y0))
        ++y0;
    CVector4 cell = m_game.GetField().GetCellCentre(bx, by);
    // The figure is centred on the pointer; its first cell lies this far off.
    float offX = -figure->GetWidth() * c / 2.0f + c / 2.0f;
    float offY = figure->GetHeight() * c / 2.0f - y0 * c - c / 2.0f;
    return CVector4(cell.x - offX + dx, cell.y - offY + dy, 0.0f);
}

void CDesignerDriver::Lay(int i, int turns, int bx, int by)
{
    PickFromTray(i);
    for (int t = 0; t < turns; ++t)
    {
        Click(true);
        Settle();
    }
    MoveTo(PointForCell(bx, by));
    Click();
    Settle();
}

void SetSavedCells(CConfigFile& store, int size, char cell)
{
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y)
            store.SetInt("f_color" + std::to_string(x) + "-" + std::to_string(y), cell);
}

std::vector<SDesignerMove> SolveLevel(const CDesignerParams& params, unsigned seed)
{
    CRandom random(seed);
    int n = params.GetBoardSize();
    int d = params.GetLastDifficulty();
    CDesignerGenerator generator(n, n, random);
    generator.GenerateLevel(params.GetMinCount(d), params.GetMaxCount(d));
    std::vector<std::string> tiling = generator.GetTiling();
    std::vector<SDesignerMove> moves;
    for (std::size_t i = 0; i < generator.GetFigures().size(); ++i)
    {
        // The figure's cells, column by column, as the tiling marks them.
        std::vector<int> cells;
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y)
                if (tiling[y][x] == static_cast<char>('a' + i))
                    cells.push_back(PackPos(x, y));
        CDesignerFigure figure = generator.GetFigures()[i];
        SDesignerMove move{-1, UnpackPosX(cells[0]), UnpackPosY(cells[0])};
        for (int turns = 0; turns < 4 && move.turns < 0; ++turns, figure.RotateRight())
        {
            std::vector<int> placed;
            figure.GetCellsAt(move.x, move.y, placed);
            if (placed == cells)
                move.turns = turns;
        }
        moves.push_back(move);
    }
    return moves;
}
