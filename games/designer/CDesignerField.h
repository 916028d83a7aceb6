#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CLight.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/CVector4.h"
#include "shell/game/CGameField.h"

class CConfigFile;
class CDesignerBrick;
class CDesignerFigure;
class CDesignerParams;
class CFramePrint;
class CResManager;

// The designer board: W x W target cells, which of them figures cover, the
// figures lying on it and, once a level ends, one brick per covered cell for
// the falling rows. Cells are (x, y), x to the right and y downward.
class CDesignerField : public CGameField
{
public:
    static constexpr int MAX_CELLS = 15;
    static constexpr int MIN_SIZE = 6;
    static constexpr int MAX_SIZE = 8;
    static constexpr int DIFFICULTIES = 3;

    // Takes the board size and difficulty from the parameter object;
    // resources is the running menu's manager, null without a window.
    CDesignerField(CDesignerParams& params, CResManager* resources);
    ~CDesignerField() override;

    int GetHeight() const override { return m_height_bricks; }
    int GetWidth() const override { return m_width_bricks; }
    float GetBrickSize() const override;
    CModel* GetBrick(int x, int y) const override;
    CVector4& GetBrickPosition(CVector4& out, int x, int y) const override;

    // Every cell a target again; the laid figures and bricks go.
    void NewLevel(int level);
    // Called first in every frame: clears the lift flag, takes the finished flag.
    void FrameStart();
    bool IsFinished() const;
    bool GetFinished() const { return m_finished; }
    bool GetLifted() const { return m_lifted != 0; }
    // The game's own difficulty (0 easy .. 2 hard), which the board keeps
    // in its colour count: the width plus the difficulty.
    int GetDifficulty() const { return m_colors - m_width_bricks; }

    // The cell under a point of the board plane, floored; false outside.
    bool WorldToCell(float px, float py, int& bx, int& by) const;
    CVector4 GetCellCentre(int bx, int by) const;
    bool IsCellFree(int bx, int by) const;
    // Every packed cell inside the board and free.
    bool CanPlace(const std::vector<int>& cells) const;
    // Lays the figure with its first column's top cell on (bx, by). The
    // caller checked CanPlace; cells outside the board are never written.
    void PlaceFigure(std::unique_ptr<CDesignerFigure> figure, int bx, int by);
    // The laid figure covering the cell under the point, taken off the board
    // (its cells free again, the lift flag set); null when there is none.
    std::unique_ptr<CDesignerFigure> LiftFigure(const CVector4& point);
    // Turns the laid figures into bricks for the level's end.
    void BakeFigures();

    void Draw();
    // What Draw reads, for the frame cache (the light, set once, is left out).
    void AddToPrint(CFramePrint& print) const;
    void Reskin();

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store);
    // What a stored board holds: its covered cells and the kinds of the
    // figures laid on it; call after ValidateSave.
    static void ReadSavedFigures(const CConfigFile& store, int& coveredCells, std::vector<int>& kinds);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);

    // Depth of one brick: carried figures float this high. 0 for a flat model.
    float GetBrickDepth() const;
    const std::vector<std::unique_ptr<CDesignerFigure>>& GetFigures() const { return m_figures; }
    CLight* GetLight() { return &m_light; }
    CDesignerParams& GetParams() const { return m_params; }
    // Rows from the top, '1' covered, '0' free.
    std::vector<std::string> GetPicture() const;
    int CountBricks() const;

private:
    bool IsInside(int x, int y) const;
    void ClearBoard();

    CDesignerParams& m_params;
    CResManager* m_resources;
    char m_picture[MAX_CELLS][MAX_CELLS];
    std::unique_ptr<CDesignerBrick> m_bricks[MAX_CELLS][MAX_CELLS];
    std::vector<std::unique_ptr<CDesignerFigure>> m_figures;
    CLight m_light;
    std::unique_ptr<CDesignerBrick> m_sample_brick;
    int m_colors = 0;
    int m_lifted = 0;
    int m_width_bricks = MIN_SIZE;
    int m_height_bricks = MIN_SIZE;
    bool m_finished = false;
    float m_width;
    float m_height;
    float m_alpha = 0.0f;
    CModelBatch m_batch;
};
