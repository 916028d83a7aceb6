#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/files/CConfigFile.h"
#include "shell/game/CScoreTable.h"

class CConfigFile;
class CFilePack;
class CModel;
class CResManager;

// The parameter object of one game kind: tuning values, the player's remembered
// choices (size, difficulty, skin, autosave) and the kind's score tables. The
// game menu creates it, registers it under the kind's parameter key, and calls
// LoadParams, LoadSettings and LoadTextures, then SaveSettings when it is left.
class CGameParams
{
public:
    static constexpr int MODELS_PER_SKIN = 20;

    // settingsFile, e.g. "data/<kind>.cfg", scrambled with settingsKey;
    // scoresPattern, e.g. "data/scores1%i%i.tab", formatted with (difficulty, size);
    // the kind keeps difficulties x sizes tables, index difficulty * sizes + size.
    CGameParams(const std::string& settingsFile, const std::string& settingsKey,
                const std::string& scoresPattern, int difficulties, int sizes);
    virtual ~CGameParams();

    CGameParams(const CGameParams&) = delete;
    CGameParams& operator=(const CGameParams&) = delete;

    // Reads the kind's parameter file through the pack.
    virtual void LoadParams(CFilePack& pack) = 0;
    // Reads the settings file (missing or unreadable: defaults stay), then
    // always the score tables. A file that exists but does not hold every
    // key as a whole number leaves autosave untrusted.
    virtual void LoadSettings();
    virtual void SaveSettings();
    // Adds the kind's models, sprites and background to the given manager.
    virtual void LoadTextures(CResManager& manager) = 0;
    // Appends the (caption, table) pairs shown by the top-seven dialog. The
    // base appends every table with "Easy - Small Field" style captions.
    virtual void GetScoreCaption(CScoreCaptionList& list);

    // True for a kind whose options offer the animation switch.
    virtual bool HasAnimation() const { return false; }

    // The settings file and score-table pattern of the table of kinds, which
    // the game menu puts in place of the kind's own before anything is read.
    void SetFiles(const std::string& settingsFile, const std::string& scoresPattern);
    // Files are looked up under this directory ("" = the working directory).
    void SetDataRoot(const std::string& root) { m_data_root = root; }
    const std::string& GetDataRoot() const { return m_data_root; }
    std::string GetSettingsPath() const;
    std::string GetScoreTablePath(int difficulty, int size) const;

    int GetSizeCount() const { return m_size_count; }
    int GetDifficultyCount() const { return m_difficulty_count; }

    int GetLastSize() const { return m_last_size; }
    int GetLastDifficulty() const { return m_last_difficulty; }
    void SetLastSize(int size);
    void SetLastDifficulty(int difficulty);

    int GetSkinsCount() const { return m_skins_count; }
    int GetCurrentSkin() const { return m_current_skin; }
    void SetCurrentSkin(int skin);

    bool GetAutosave() const { return m_autosave; }
    // The player's own choice: trusted from here on.
    void SetAutosave(bool on)
    {
        m_autosave = on;
        m_autosave_trusted = true;
    }
    // False when the autosave setting came from a settings file or value
    // that could not be read cleanly: a saved game must then never be
    // deleted on its strength.
    bool IsAutosaveTrusted() const { return m_autosave_trusted; }
    bool GetAnimation() const { return m_animation; }
    void SetAnimation(bool on) { m_animation = on; }

    int GetScoreTableCount() const { return static_cast<int>(m_score_tables.size()); }
    // Null when the index is outside the table array.
    CScoreTable* GetScoreTable(int index);
    int GetTableIndex(int difficulty, int size) const;
    // The table of the last chosen size and difficulty.
    CScoreTable* GetCurrentScoreTable();

    // Brick model of (skin, colour index); null when not loaded or out of range.
    CModel* GetBrickModel(int skin, int index) const;
    // One row of MODELS_PER_SKIN entries per skin, empty until LoadTextures.
    const std::vector<CModel*>& GetBrickModelTable() const { return m_brick_models; }

protected:
    // Hooks for a kind's own settings keys, beside the common four.
    virtual void ReadExtraSettings(const CConfigFile&) {}
    virtual void WriteExtraSettings(CConfigFile&) const {}

    // The common settings keys read from a loaded store: the skin clamped,
    // a size or difficulty out of range read as the first choice; a value
    // that is no number counts as missing.
    void ReadSettings(const CConfigFile& store);
    // True when the store holds every settings key this kind writes, each a
    // whole number.
    bool HoldsEverySetting(const CConfigFile& store) const;
    void WriteSettings(CConfigFile& store) const;
    void LoadScoreTables();
    void SaveScoreTables();

    // Clamps the skin count to at least 1 and sizes the model table for it.
    void SetSkinsCount(int count);
    void SetBrickModel(int skin, int index, CModel* model);
    // The kind's parameter text from the pack, unscrambled and parsed.
    static CConfigFile ReadParamText(CFilePack& pack, const char* file);
    // Loads, for every skin k and colour c in 1..count, the model file
    // filePattern % (k, c) as "brick<k><c>.unt" and makes it brick model
    // (k, c - 1).
    void LoadBrickModels(CResManager& manager, const char* filePattern, int count);

    std::string DataPath(const std::string& relative) const;

    std::string m_settings_file;
    std::string m_settings_key;
    std::string m_scores_pattern;
    std::string m_data_root;
    int m_difficulty_count;
    int m_size_count;

    // What a settings file without the "m_autosave" key means; the kinds differ.
    const char* m_autosave_when_missing = "1";

    int m_last_size = 0;
    int m_last_difficulty = 0;
    int m_skins_count = 1;
    int m_current_skin = 0;
    bool m_autosave = true;
    bool m_autosave_trusted = true;
    bool m_animation = true;

    std::vector<std::unique_ptr<CScoreTable>> m_score_tables;
    // Models belong to the resource manager that loaded them.
    std::vector<CModel*> m_brick_models;
};
