#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CVector4.h"

class CConfigFile;
class CFramePrint;
class CJewelField;
class CJewelParams;
class CModel;

// The bonus figures the jewel player earns with points: four plain slots in a
// column left of the board (single brick, row, column, bomb) and five
// coloured ones right of it (recolour to one colour). A figure's parameter
// vector holds its kind (1..4, or 10 + colour), its model index (0..13) and
// 0 or 3 for plain or coloured.
class CBJBonusesList
{
public:
    static constexpr int PLAIN_SLOTS = 4;
    static constexpr int COLORED_SLOTS = 5;
    static constexpr int SLOTS = PLAIN_SLOTS + COLORED_SLOTS;
    static constexpr int THRESHOLD_STEP = 300;
    static constexpr float SIDE_X = 420.0f;
    // A figure in its slot stands this far above its place.
    static constexpr float FIGURE_LIFT = 3.0f;

    CBJBonusesList(const CJewelParams& params, CJewelField& field);
    ~CBJBonusesList();

    void Update(float dt);
    void Draw();
    // What Draw reads, for the frame cache: each figure a part of its own.
    void AddToPrint(CFramePrint& print) const;
    // Gathers points; past the threshold of the slots held in front of the
    // first gap, the gap gets the next figure and the points start again.
    void AddPoints(int points);
    // The combined index of the first empty slot, plain slots first; 9 when full.
    int CountLeading() const;
    int CountAll() const;
    int GetPoints() const { return m_points; }
    // The figure in a combined slot 0..8, or null.
    const CModel* GetSlot(int index) const;
    // Takes the figure under a point of the board plane out of its slot; the
    // caller owns it. Null when no figure is there.
    std::unique_ptr<CModel> HitTest(const CVector4& point);

    void Save(CConfigFile& store) const;
    static bool ValidateSave(const CConfigFile& store);
    // False, changing nothing, when the store fails ValidateSave.
    bool Load(const CConfigFile& store);

    // Draws a figure at a point of the board, leant along the line of sight
    // so that every side of it shows.
    static void DrawFigure(CModel& figure, const CVector4& at);
    // Grows the print's open part by the box of board points DrawFigure
    // draws in at that point, whatever the lean.
    static void AddFigureBox(CFramePrint& print, const CModel& figure, const CVector4& at);
    // The line from a point of the board to the eye of this (column-major)
    // view, as x and y per unit of height; false when the eye is not above.
    static bool EyeSlope(const float modelview[16], const CVector4& at, float& slopeX, float& slopeY);

    // A figure with its kind and model index, or null for a kind that names
    // no model. Shared with the player's held figure.
    static bool IsValidFigure(int kind, int modelIndex);
    // Reads one figure stored under the key prefix; false when absent or bad.
    static bool ValidateFigure(const CConfigFile& store, const std::string& key);
    // True when any value of a figure is stored under the key prefix.
    static bool HasFigureKeys(const CConfigFile& store, const std::string& key);
    static std::unique_ptr<CModel> LoadFigure(const CJewelParams& params, const CConfigFile& store,
                                              const std::string& key);
    static void SaveFigure(CConfigFile& store, const std::string& key, const CModel& figure);

private:
    std::unique_ptr<CModel> MakeFigure(int modelIndex) const;
    std::unique_ptr<CModel>& Slot(int index);
    static bool ValidateList(const CConfigFile& store, const char* prefix, int count);
    void LoadList(const CConfigFile& store, std::vector<std::unique_ptr<CModel>>& list, const char* prefix);
    static void SaveList(CConfigFile& store, const std::vector<std::unique_ptr<CModel>>& list, const char* prefix);

    const CJewelParams& m_params;
    CJewelField& m_field;
    std::vector<std::unique_ptr<CModel>> m_bonuses;
    std::vector<std::unique_ptr<CModel>> m_bonuses_colored;
    int m_points = 0;
};
