#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CVector4.h"

class CConfigFile;
class CDesignerBrick;
class CDesignerParams;
class CFramePrint;
class CModel;

// One piece of the designer puzzle: a polyomino of one of nine kinds held as
// a 4 x 4 shape (cell (x, y) at x * 4 + y, '0' empty), its turn state, the
// model drawn for every cell, its centre in the world and, once laid, the
// board cells it covers. The model is a unit brick, so its scale is the
// figure's cell size.
class CDesignerFigure
{
public:
    static constexpr int KINDS = 9;
    static constexpr int GRID = 4;

    CDesignerFigure();
    // Any integer: the kind becomes |kind| modulo 9.
    explicit CDesignerFigure(int kind);
    // Copies the look and shape; position and covered cells start afresh.
    CDesignerFigure(const CDesignerFigure& other);
    CDesignerFigure& operator=(const CDesignerFigure& other);
    ~CDesignerFigure();

    // Basic orientation of the kind.
    void SetKind(int kind);
    // Quarter turns; with rows drawn top down RotateRight turns clockwise.
    void RotateRight();
    void RotateLeft();

    // A copy of the model of the figure's kind in the current skin; a plain
    // unit model when params hold none (no resources loaded).
    void CreateModel(const CDesignerParams* params);
    // Takes the current skin's model, keeping scale, position and turn.
    void Reskin();
    void Draw() const;
    // What Draw reads, for the frame cache.
    void AddToPrint(CFramePrint& print) const;

    bool IsFilled(int x, int y) const;
    char GetCell(int x, int y) const;
    int GetCellCount() const;
    // World centres of the filled cells, column by column.
    void GetCellCentres(std::vector<CVector4>& out) const;
    // The board cells the figure covers when its first column's top filled
    // cell lies on (bx, by), column by column.
    void GetCellsAt(int bx, int by, std::vector<int>& packed) const;
    void SetIndexes(int bx, int by);
    const std::vector<int>& GetIndexes() const { return m_indexes; }
    bool Covers(int bx, int by) const;
    // Strictly inside the bounding rectangle (not the cells).
    bool HitTest(float px, float py) const;
    // Leading empty cells of row 0.
    int GetTopOffset() const;
    void SetCellChar(char ch);
    float GetHeightWorld() const;
    float GetWidthWorld() const;

    int GetKind() const { return m_kind; }
    int GetModelIndex() const { return m_model_index; }
    int GetAngle() const { return m_angle; }
    float GetAngleDegrees() const { return m_angle * 90.0f; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    CModel* GetModel() const;
    // The model's scale; 0 before CreateModel.
    float GetCellSize() const;
    void SetScale(float scale);

    const CVector4& GetPosition() const { return m_pos; }
    void SetPosition(const CVector4& pos) { m_pos = pos; }
    // The shape as rows from the top, 'X' filled: "XXX/.X." for kind 0.
    std::string GetPicture() const;

    void Save(CConfigFile& store, const std::string& prefix) const;
    // A stored figure is accepted only with a kind 0..8, a turn 0..3, finite
    // coordinates, a sane scale and either no covered cells or exactly its
    // own cells on a board of boardSize, in the shape of its turn.
    static bool ValidateSave(const CConfigFile& store, const std::string& prefix, int boardSize);
    // The kind of a figure stored under the prefix; call after ValidateSave.
    static int ReadSavedKind(const CConfigFile& store, const std::string& prefix);
    // Call after ValidateSave.
    void Load(const CConfigFile& store, const std::string& prefix, const CDesignerParams* params);

private:
    void Normalize();

    std::unique_ptr<CDesignerBrick> m_model;
    char m_shape[GRID * GRID];
    CVector4 m_pos;
    std::vector<int> m_indexes;
    int m_model_index = 0;
    int m_kind = 0;
    int m_angle = 0;
    int m_width = 0;
    int m_height = 0;
};
