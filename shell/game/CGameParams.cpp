#include "shell/game/CGameParams.h"

#include <unistd.h>

#include <cstdio>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CResManager.h"
#include "engine/files/CFilePack.h"
#include "engine/files/CFileData.h"

namespace
{
// Every kind's settings file keeps its last choices under these two keys,
// whose names carry the first kind's name for all of them.
const char* const kLastDifficultyKey = "remover_last_difficult";
const char* const kLastSizeKey = "remover_last_size";
}

namespace
{
int Clamp(int value, int low, int high)
{
    if (value < low)
        return low;
    if (value > high)
        return high;
    return value;
}

const char* const DIFFICULTY_NAMES[] = {"Easy", "Medium", "Hard"};
const char* const SIZE_NAMES[] = {"Small Field", "Medium Field", "Large Field", "Giant Field"};
}

CGameParams::CGameParams(const std::string& settingsFile, const std::string& settingsKey,
                         const std::string& scoresPattern, int difficulties, int sizes)
    : m_settings_file(settingsFile),
      m_settings_key(settingsKey),
      m_scores_pattern(scoresPattern),
      m_difficulty_count(difficulties < 1 ? 1 : difficulties),
      m_size_count(sizes < 1 ? 1 : sizes)
{
    for (int i = 0; i < m_difficulty_count * m_size_count; ++i)
        m_score_tables.push_back(std::make_unique<CScoreTable>(0));
    m_brick_models.assign(static_cast<std::size_t>(m_skins_count) * MODELS_PER_SKIN, nullptr);
}

CGameParams::~CGameParams() {}

void CGameParams::SetFiles(const std::string& settingsFile, const std::string& scoresPattern)
{
    m_settings_file = settingsFile;
    m_scores_pattern = scoresPattern;
}

std::string CGameParams::DataPath(const std::string& relative) const
{
    if (m_data_root.empty())
        return relative;
    if (m_data_root.back() == '/')
        return m_data_root + relative;
    return m_data_root + "/" + relative;
}

std::string CGameParams::GetSettingsPath() const
{
    return DataPath(m_settings_file);
}

std::string CGameParams::GetScoreTablePath(int difficulty, int size) const
{
    char name[256];
    std::snprintf(name, sizeof name, m_scores_pattern.c_str(), difficulty, size);
    return DataPath(name);
}

void CGameParams::SetLastSize(int size)
{
    m_last_size = Clamp(size, 0, m_size_count - 1);
}

void CGameParams::SetLastDifficulty(int difficulty)
{
    m_last_difficulty = Clamp(difficulty, 0, m_difficulty_count - 1);
}

void CGameParams::SetCurrentSkin(int skin)
{
    m_current_skin = Clamp(skin, 0, m_skins_count - 1);
}

void CGameParams::SetSkinsCount(int count)
{
    // A kind always has at least one skin; a larger count than the table can
    // sensibly hold is data damage.
    m_skins_count = Clamp(count, 1, 64);
    m_brick_models.assign(static_cast<std::size_t>(m_skins_count) * MODELS_PER_SKIN, nullptr);
    SetCurrentSkin(m_current_skin);
}

void CGameParams::SetBrickModel(int skin, int index, CModel* model)
{
    if (skin < 0 || skin >= m_skins_count || index < 0 || index >= MODELS_PER_SKIN)
        return;
    m_brick_models[static_cast<std::size_t>(skin) * MODELS_PER_SKIN + index] = model;
}

CModel* CGameParams::GetBrickModel(int skin, int index) const
{
    if (skin < 0 || skin >= m_skins_count || index < 0 || index >= MODELS_PER_SKIN)
        return nullptr;
    std::size_t at = static_cast<std::size_t>(skin) * MODELS_PER_SKIN + index;
    return at < m_brick_models.size() ? m_brick_models[at] : nullptr;
}

CScoreTable* CGameParams::GetScoreTable(int index)
{
    if (index < 0 || index >= GetScoreTableCount())
        return nullptr;
    return m_score_tables[index].get();
}

int CGameParams::GetTableIndex(int difficulty, int size) const
{
    return Clamp(difficulty, 0, m_difficulty_count - 1) * m_size_count + Clamp(size, 0, m_size_count - 1);
}

CScoreTable* CGameParams::GetCurrentScoreTable()
{
    return GetScoreTable(GetTableIndex(m_last_difficulty, m_last_size));
}

void CGameParams::ReadSettings(const CConfigFile& store)
{
    auto number = [&store](const char* key, const char* missing) {
        std::int32_t value = 0;
        if (!StrToIntExact(store.GetValue(key, missing), value))
            StrToIntExact(missing, value);
        return value;
    };
    // A remembered choice the dialogs cannot show as such is the first one.
    auto choice = [&number](const char* key, int count) {
        std::int32_t value = number(key, "0");
        return value >= 0 && value < count ? value : 0;
    };
    SetCurrentSkin(number("m_current_skin", "0"));
    SetLastDifficulty(choice(kLastDifficultyKey, m_difficulty_count));
    SetLastSize(choice(kLastSizeKey, m_size_count));
    std::int32_t autosave = 0;
    bool autosaveRead = StrToIntExact(store.GetValue("m_autosave", m_autosave_when_missing), autosave);
    m_autosave = autosaveRead ? autosave != 0 : StrToBool(m_autosave_when_missing);
    m_autosave_trusted = HoldsEverySetting(store);
    ReadExtraSettings(store);
}

bool CGameParams::HoldsEverySetting(const CConfigFile& store) const
{
    // We always write every key, so a file without one of them (or one
    // scrambled with another key, which reads as noise) was not written by
    // us whole: its defaults are no choice of the player's.
    CConfigFile written;
    WriteSettings(written);
    for (const auto& pair : written.GetPairs())
    {
        std::int32_t value = 0;
        if (!store.HasKey(pair.first) || !StrToIntExact(store.GetValue(pair.first, ""), value))
            return false;
    }
    return true;
}

void CGameParams::WriteSettings(CConfigFile& store) const
{
    store.SetInt("m_autosave", m_autosave ? 1 : 0);
    store.SetInt("m_current_skin", m_current_skin);
    store.SetInt(kLastDifficultyKey, m_last_difficulty);
    store.SetInt(kLastSizeKey, m_last_size);
    WriteExtraSettings(store);
}

void CGameParams::LoadSettings()
{
    CConfigFile store;
    if (store.Load(GetSettingsPath(), true, m_settings_key.c_str(), m_settings_key.size()))
        ReadSettings(store);
    else
        // No file is a first visit; a file that will not read is damage,
        // and its defaults must not cost the player a saved game.
        m_autosave_trusted = access(GetSettingsPath().c_str(), F_OK) != 0;
    // The tables live in files of their own: a lost settings file must not
    // cost the player the records.
    LoadScoreTables();
}

void CGameParams::SaveSettings()
{
    CConfigFile store;
    WriteSettings(store);
    store.Save(GetSettingsPath(), m_settings_key.c_str(), m_settings_key.size());
    SaveScoreTables();
}

void CGameParams::LoadScoreTables()
{
    for (int d = 0; d < m_difficulty_count; ++d)
        for (int s = 0; s < m_size_count; ++s)
            m_score_tables[d * m_size_count + s]->Load(GetScoreTablePath(d, s));
}

void CGameParams::SaveScoreTables()
{
    for (int d = 0; d < m_difficulty_count; ++d)
        for (int s = 0; s < m_size_count; ++s)
            m_score_tables[d * m_size_count + s]->Save(GetScoreTablePath(d, s));
}

void CGameParams::GetScoreCaption(CScoreCaptionList& list)
{
    for (int d = 0; d < m_difficulty_count; ++d)
        for (int s = 0; s < m_size_count; ++s)
        {
            std::string caption = std::string(DIFFICULTY_NAMES[d < 3 ? d : 2]) + " - " + SIZE_NAMES[s < 4 ? s : 3];
            list.emplace_back(caption, m_score_tables[d * m_size_count + s].get());
        }
}

CConfigFile CGameParams::ReadParamText(CFilePack& pack, const char* file)
{
    CFileData data = pack.GetFile(file);
    CConfigFile store;
    store.LoadFromBuffer(data.GetData(), data.GetSize(), true);
    data.Free();
    return store;
}

void CGameParams::LoadBrickModels(CResManager& manager, const char* filePattern, int count)
{
    char file[64];
    char name[64];
    for (int skin = 0; skin < GetSkinsCount(); ++skin)
        for (int colour = 1; colour <= count; ++colour)
        {
            std::snprintf(file, sizeof file, filePattern, skin, colour);
            std::snprintf(name, sizeof name, "brick%i%i.unt", skin, colour);
            manager.AddModel(file, name);
            SetBrickModel(skin, colour - 1, manager.FindModel(name));
        }
}
