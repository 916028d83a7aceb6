#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CVector4.h"

class CConfigFile;
class CDesignerFigure;
class CDesignerParams;
class CFramePrint;
class CGameEvents;
class CModel;

// The figures not yet on the board: one column at half size right of the
// board, top first, with two arrows that scroll it. Figures taken out leave
// a gap that closes by itself; figures sent back fly to the column's end.
class CDesignerFigureTray
{
public:
    static constexpr float COLUMN_X = 420.0f;
    static constexpr float TOP_Y = 300.0f;
    static constexpr float ARROW_X = 550.0f;
    static constexpr float ARROW_Y = 70.0f;
    static constexpr float ARROW_SCALE = 65.0f;
    static constexpr float ARROW_HOVER_SCALE = 70.0f;
    static constexpr int SOUND_SCROLL = 163;
    // The plate the game's backdrop draws behind the column and its arrows,
    // on the 800 x 600 screen (left, top, width, height), and the depth of
    // its frame: figures in the column show only inside it. The frame is a
    // rim 2.5 pixels wide and a faint line 7 pixels in, both smoothed.
    static constexpr float PLATE_X = 598.0f;
    static constexpr float PLATE_Y = 8.0f;
    static constexpr float PLATE_WIDTH = 194.0f;
    static constexpr float PLATE_HEIGHT = 584.0f;
    static constexpr float PLATE_RIM = 8.0f;

    // The inside of the plate in window pixels for a viewport (x, y, width,
    // height, origin bottom-left, spanning the 800 x 600 screen): the
    // scissor box (x, y, width, height) the column is drawn through.
    static void GetPlateScissor(const int viewport[4], int box[4]);

    // cell: the board's cell size; depth: the height a figure is carried at.
    CDesignerFigureTray(const CDesignerParams* params, float cell, float depth);
    ~CDesignerFigureTray();

    // Appends the figure at half size at (column, y).
    void AddFigure(std::unique_ptr<CDesignerFigure> figure, float y);
    // Places every figure on its slot.
    void Layout();
    // The figure under the point, taken out of the column; null if none.
    std::unique_ptr<CDesignerFigure> PickAt(const CVector4& point);
    // One frame of a figure flying back; takes it into the column and
    // returns true once it has arrived.
    bool ReturnStep(std::unique_ptr<CDesignerFigure>& figure);
    // The scroll arrows; events may be null.
    void OnClick(const CVector4& point, CGameEvents* events);
    void Hover(const CVector4& point);
    void Update(float dt);
    void Draw();
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;
    void Reskin();

    int GetCount() const { return static_cast<int>(m_figures.size()); }
    CDesignerFigure* GetFigure(int i) const { return m_figures[i].get(); }
    float GetTopY() const { return m_top_y; }
    // Where figure i (0 .. GetCount() - 1) rests when the column is still:
    // the first at the top, the top of each next one a brick of the column
    // below the bottom of the one above.
    float GetSlotY(int i) const;
    // Where a figure sent back rests at the column's end, by its own height
    // at half size: below the last figure's slot, or at the top if none.
    float GetLandingY(const CDesignerFigure& figure) const;
    // Strictly within two thirds of the arrow model's scaled size across
    // and up from its centre; a model without a mesh has no size.
    bool IsInUpperArrow(const CVector4& point) const;
    bool IsInLowerArrow(const CVector4& point) const;
    float GetUpperArrowScale() const;
    float GetLowerArrowScale() const;

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store, int boardSize);
    // Appends the kinds of the stored column's figures; call after ValidateSave.
    static void ReadSavedKinds(const CConfigFile& store, std::vector<int>& kinds);
    void Load(const CConfigFile& store);

private:
    bool IsInArrow(const CModel& arrow, const CVector4& point) const;
    // A figure's height in the column, whatever size it has on its way.
    float GetColumnHeight(const CDesignerFigure& figure) const;
    // The centre of a figure of the given height under one centred at aboveY.
    float GetSlotBelow(float aboveY, float aboveHeight, float height) const;

    const CDesignerParams* m_params;
    std::vector<std::unique_ptr<CDesignerFigure>> m_figures;
    std::unique_ptr<CModel> m_upper_arrow;
    std::unique_ptr<CModel> m_lower_arrow;
    float m_cell;
    float m_depth;
    float m_x = COLUMN_X;
    float m_top_y = TOP_Y;
};
