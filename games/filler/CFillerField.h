#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/CVector4.h"
#include "shell/game/CGameField.h"

class CConfigFile;
class CFillerBrick;
class CFillerParams;
class CFramePrint;
class CGameEvents;
class CRandom;

// The filler board and its rules. Each player owns a zone: the 4-connected
// region of one colour holding the player's start cell. A move recolours the
// mover's zone so that the touching cells of the new colour join it; a colour
// that any zone holds is refused. The field recounts the zones after every
// move, ends the game once they cover the board, shows the recolouring as a
// wave, and keeps the board as a text snapshot taken at the start of a turn.
class CFillerField : public CGameField
{
public:
    static constexpr int MAX_SIDE = 100;
    static constexpr int COLOR_VALUES = 6;
    // Only the first five entries of the colour table ever reach the board.
    static constexpr int COLOR_COUNT = 5;
    static constexpr int SOUND_BOARD_COVERED = 172;
    static constexpr float WAVE_STEP = 0.3f;
    // The board is printed in about this many squares of cells a side.
    static constexpr int TILES_ACROSS = 10;
    enum { WAVE_COLUMNS = 0, WAVE_DISC = 1, WAVE_ROWS = 2, WAVE_DIAMOND = 3 };

    // Deals a board of the params' field size; every random choice is drawn
    // from random. events may be null (silent).
    CFillerField(CFillerParams& params, CGameEvents* events, CRandom& random);
    // A board of any size up to MAX_SIDE on each side (hand-made boards).
    CFillerField(CFillerParams& params, CGameEvents* events, CRandom& random, int width, int height);
    ~CFillerField() override;

    int GetHeight() const override { return m_height; }
    int GetWidth() const override { return m_width; }
    float GetBrickSize() const override { return m_cell_size; }
    CModel* GetBrick(int x, int y) const override;
    CVector4& GetBrickPosition(CVector4& out, int x, int y) const override;
    CFillerBrick* GetFillerBrick(int x, int y) const;
    // Depth of the board surface, where the cursor meets the board.
    float GetDepth() const { return 1.0f; }

    int AddZone(int x, int y);
    int GetZoneCount() const { return static_cast<int>(m_zones.size()); }
    void GetZoneStart(int zone, int& x, int& y) const;
    // 0 for a zone that does not exist.
    int GetZoneSize(int zone) const;
    // Cells inside any zone, each counted once.
    int GetCoveredCount() const { return m_covered_count; }

    // A table index whose colour no zone's start cell holds.
    bool IsColorFree(int index) const;
    // A board colour (one of the first five table entries) that is free.
    bool IsColorAllowed(int value) const;
    // Index of the value among the first five table entries, or -1.
    int FindColor(int value) const;
    // Index of the value in the whole table, or -1.
    int GetColorIndex(int value) const;
    const int* GetColorTable() const { return m_color_table; }
    int GetColorCount() const { return COLOR_COUNT; }
    // Takes a permutation of 0..5; anything else is refused.
    bool SetColorTable(const int table[COLOR_VALUES]);

    // The colour the rules see at (x, y); -1 outside the board.
    int GetCellColor(int x, int y) const;
    // Sets a cell at once, without a wave (loading, tests).
    void SetCellColor(int x, int y, int value);
    // Logical colours, row after row from the top: cell (x, y) at y * width + x.
    const std::vector<int>& GetCells() const { return m_cells; }

    // The move: recolours the zone holding (x, y) with table entry `index`.
    // Refused (false, nothing changed) when the colour is held by a zone,
    // the index or cell is off the board, or the game is over.
    bool FillZone(int x, int y, int index);
    void CountZones();

    void Update(float dt, bool effectRunning);
    bool IsIdle() const { return !m_wave_running; }
    bool IsGameOver() const { return m_game_over; }
    // Over, the wave ended and the player has seen the banner.
    bool IsFinished() const { return m_game_over && !m_wave_running && !m_banner; }
    bool IsBannerShown() const { return m_banner; }
    void OnKey();
    // The first release that reaches the field is the one that made the
    // move; it is swallowed so the banner stays readable.
    void OnClick();

    int GetWaveShape() const { return m_wave_shape; }
    float GetWaveRadius() const { return m_wave_radius; }
    int CountChanging() const { return static_cast<int>(m_changing.size()); }

    void SetCurrentZone(int zone) { m_current_zone = zone; }
    int GetCurrentZone() const { return m_current_zone; }

    // "%d " for each of the six table entries, then for every cell, x outer.
    void SaveSnapshot();
    const std::string& GetSnapshot() const { return m_snapshot; }
    int GetSavedZone() const { return m_saved_zone; }
    // Restores the snapshot; false, changing nothing, when it does not
    // describe this board (see ParseSnapshot).
    bool LoadSnapshot();
    // Exactly six plus width x height numbers, the six a permutation of
    // 0..5, every cell 0..5.
    static bool ParseSnapshot(const std::string& text, int width, int height, std::vector<int>& out);
    // The field size whose board a snapshot's count of numbers fits (the
    // text holds no size of its own); -1 when none does.
    static int SizeOfSnapshot(const std::string& text);
    // The same for a saved game's snapshot; -1 also when it has none.
    static int SizeOfSave(const CConfigFile& store);

    void Save(CConfigFile& store) const;
    bool ValidateSave(const CConfigFile& store) const;
    // The same check for a board of that size with that many zones.
    static bool ValidateSave(const CConfigFile& store, int width, int height, int zones);
    // Resumes at the start of the saved turn; false, changing nothing, when
    // the store fails ValidateSave.
    bool Load(const CConfigFile& store);

    // The cell under a point of the board surface (floored); false when the
    // point is off the board.
    bool PickCell(const CVector4& point, int& x, int& y) const;
    void Reskin();
    // Every brick in one batch per look but those of a running wave, then
    // the start bricks enlarged and ringed, but those drawn over the wave.
    void Draw();
    // The cells a running wave recolours (the mover's zone as it was),
    // none between waves.
    bool HasWave() const { return !m_wave_cells.empty(); }
    bool IsInWave(int x, int y) const { return IsInside(x, y) && m_in_wave[Cell(x, y)] != 0; }
    // Whether zone's start brick is drawn over the running wave, live: the
    // mover's, and another's that the wave's bricks reach.
    bool IsStartDrawnLive(int zone) const;
    // The wave's bricks as they look now, then those start bricks over them;
    // adds the logical screen rectangle (800 x 600, y down) they cover.
    void DrawWave(std::vector<CDraw2D::SRect>& covered);
    // What Draw reads, for the frame cache: the wave's bricks only as the
    // cells it holds, as those are drawn by DrawWave. Squares of cells and
    // the start bricks are parts of their own.
    void AddToPrint(CFramePrint& print) const;
    // The side of a drawn start brick and the width of each of its two
    // rings, in board units: plain on every board size.
    float GetStartBrickSize() const;
    float GetStartRingWidth() const;
    // How far from its centre a start brick on that cell draws, rings and
    // enlarged brick, on every axis.
    float GetStartBrickReach(const CFillerBrick& brick) const;
    // Frame print parts: TILE_PART with a square of cells' index (squares of
    // GetTileSide cells a side, row after row), START_PART with a zone's.
    static constexpr std::uint64_t TILE_PART = std::uint64_t(1) << 32;
    static constexpr std::uint64_t START_PART = std::uint64_t(2) << 32;
    int GetTileSide() const;

private:
    bool IsInside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    int Cell(int x, int y) const { return y * m_width + x; }
    void UpdateWave();
    void EndWave();
    void BeginBricks();
    // The start bricks drawn live over a wave, or the others.
    void DrawStartBricks(bool live);
    void MarkLiveStarts();
    void ApplySnapshot(const std::vector<int>& numbers);
    int CountRegion(int start, unsigned markStamp, unsigned coverStamp);
    unsigned NextStamp();

    struct SZone
    {
        int m_x;
        int m_y;
    };

    CFillerParams& m_params;
    CGameEvents* m_events;
    CRandom& m_random;
    std::vector<SZone> m_zones;
    std::vector<int> m_zone_sizes;
    int m_current_zone = 0;
    bool m_wave_running = false;
    float m_wave_radius = 0.0f;
    int m_wave_shape = 0;
    int m_width;
    int m_height;
    float m_cell_size;
    float m_extent;
    float m_height_extent;
    std::vector<std::unique_ptr<CFillerBrick>> m_bricks;
    std::vector<int> m_cells;
    // Bricks whose look waits for the wave.
    std::vector<int> m_changing;
    // Every cell of the running wave, reached or not, and a flag per cell.
    std::vector<int> m_wave_cells;
    std::vector<unsigned char> m_in_wave;
    // A flag per zone whose start brick the running wave's bricks reach.
    std::vector<unsigned char> m_start_live;
    int m_color_table[COLOR_VALUES] = {0, 1, 2, 3, 4, 5};
    std::string m_snapshot;
    int m_saved_zone = 0;
    // Scratch of the floods: a cell is visited when its mark equals the
    // flood's stamp, so nothing is cleared between floods.
    std::vector<unsigned> m_marks;
    std::vector<unsigned> m_cover;
    unsigned m_stamp = 0;
    std::vector<int> m_queue;
    int m_covered_count = 0;
    bool m_game_over = false;
    bool m_banner = false;
    bool m_first_release = true;
    CModelBatch m_batch;
    CModelBatch m_wave_batch;
};
