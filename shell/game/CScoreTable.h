#pragma once

#include <string>
#include <utility>
#include <vector>

class CBitmapFont;

// One top-seven list of names and scores, kept in its own scrambled file.
class CScoreTable
{
public:
    static constexpr int MAX_ENTRIES = 7;
    // A table file never makes us read more than this many entries.
    static constexpr int MAX_LOADED_ENTRIES = 100;

    // order 0: higher scores rank first; anything else: lower scores first.
    explicit CScoreTable(int order = 0);

    void SetOrder(int order) { m_order = order; }
    int GetOrder() const { return m_order; }

    void Add(const std::string& name, int score);
    // Position 0..6 the score would take, or -1 when it would not enter.
    int GetRank(int score) const;
    void Clear();

    int GetCount() const { return static_cast<int>(m_entries.size()); }
    const std::string& GetName(int i) const { return m_entries[i].m_name; }
    int GetScore(int i) const { return m_entries[i].m_score; }

    // Returns false when the file cannot be read or holds no table; the entries
    // are then kept as they were (missing file) or emptied (unreadable file).
    bool Load(const std::string& fileName);
    // Writes the table unless its file was present but unreadable and nothing was
    // added or cleared since: a damaged file is not replaced by an empty table.
    bool Save(const std::string& fileName);
    void Draw(CBitmapFont* font) const;

    // The columns on the 800 x 600 screen: names from NAME_X, scores from
    // SCORE_X, both at TEXT_SIZE with a shadow a pixel right and down.
    static constexpr float NAME_X = 170.0f;
    static constexpr float SCORE_X = 540.0f;
    static constexpr float TEXT_SIZE = 30.0f;
    static constexpr float SHADOW_OFFSET = 1.0f;
    // Left free between a name's shadow and the score column.
    static constexpr float COLUMN_GAP = 16.0f;
    // The size the name is drawn at: the table's own, or smaller for a name
    // too wide for its column, so that its shadow ends COLUMN_GAP before the
    // scores. The whole name stays readable (a cut one could not be told
    // apart from another that starts alike).
    static float GetNameSize(const CBitmapFont& font, const std::string& name);

    // True once Add or Clear changed the table since the last load or save.
    bool IsModified() const { return m_modified; }

    static const char* const FILE_KEY;

private:
    struct SEntry
    {
        std::string m_name;
        int m_score;
    };

    // Number of entries a new score passes before it stops (ties are passed).
    int CountPassed(int score) const;

    std::vector<SEntry> m_entries;
    int m_order;
    bool m_modified = false;
    bool m_keep_file = false;
};

// A caption and the table it names, as the top-seven dialog pages through them.
typedef std::vector<std::pair<std::string, CScoreTable*>> CScoreCaptionList;
