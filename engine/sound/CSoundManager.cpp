#include "engine/sound/CSoundManager.h"

#include <cstdio>

#include "engine/sound/CSampleConverter.h"
#include "engine/sound/CSoundOutput.h"
#include "engine/sound/CWaveFile.h"

namespace
{
struct Group
{
    const char* prefix;
    int first_number;
    int last_number;
    int base_id; // id of number 0
};

std::vector<CSoundManager::Entry> BuildStandardTable()
{
    std::vector<CSoundManager::Entry> table;
    for (int i = 1; i <= 3; ++i)
        table.push_back({50 + i, "data/i" + std::to_string(i) + ".wav"});

    // Game sounds: id 100 + 10 * group + the number in the file name.
    static const Group groups[] = {
        {"era", 1, 5, 100}, {"rem", 1, 5, 110}, {"sli", 1, 6, 120}, {"rev", 0, 9, 130},
        {"cru", 1, 7, 140}, {"mov", 1, 2, 150}, {"des", 1, 7, 160}, {"fil", 1, 2, 170},
    };
    for (const Group& group : groups)
    {
        for (int n = group.first_number; n <= group.last_number; ++n)
        {
            char path[64];
            std::snprintf(path, sizeof(path), "data/wav/%s%02d.wav", group.prefix, n);
            table.push_back({group.base_id + n, path});
        }
    }
    return table;
}
}

CSoundManager::CSoundManager() = default;

CSoundManager::~CSoundManager()
{
    if (m_output)
    {
        CSoundOutput::ScopedLock lock(*m_output);
        m_output->GetVoices().Clear();
    }
}

bool CSoundManager::Init()
{
    std::shared_ptr<CSoundOutput> output = CSoundOutput::Acquire();
    // No device: loading would only spend memory on sounds nobody hears.
    if (!output->HasDevice())
        return false;
    return Init(std::move(output));
}

bool CSoundManager::Init(std::shared_ptr<CSoundOutput> output)
{
    if (!output)
        return false;
    if (m_output)
    {
        CSoundOutput::ScopedLock lock(*m_output);
        m_output->GetVoices().Clear();
    }
    m_ids.clear();
    m_pending.clear();
    m_output = std::move(output);
    CSoundOutput::ScopedLock lock(*m_output);
    m_first_voice = m_output->GetVoices().GetCount();
    return true;
}

bool CSoundManager::Load(const std::string& path, int id)
{
    if (!m_output)
        return false;
    CWaveFile wave;
    if (!wave.Open(path))
        return false;
    std::vector<int16_t> frames;
    if (!CSampleConverter::ToOutputFormat(wave, frames))
        return false;
    CSoundOutput::ScopedLock lock(*m_output);
    m_output->GetVoices().Add(std::move(frames));
    m_ids.push_back(id);
    m_pending.emplace_back();
    return true;
}

size_t CSoundManager::LoadTable(const std::vector<Entry>& table)
{
    if (!m_output)
        return 0;
    size_t loaded = 0;
    for (const Entry& entry : table)
    {
        CWaveFile wave;
        if (!wave.Open(entry.path) || !CSampleConverter::IsSupported(wave.GetFormat()))
            continue;
        CSoundOutput::ScopedLock lock(*m_output);
        m_output->GetVoices().Add({});
        m_ids.push_back(entry.id);
        m_pending.push_back(entry.path);
        ++loaded;
    }
    return loaded;
}

void CSoundManager::LoadPending(size_t index)
{
    if (m_pending[index].empty())
        return;
    CWaveFile wave;
    std::vector<int16_t> frames;
    // A file changed since the table was read stays silent, as a bad one does.
    if (wave.Open(m_pending[index]) && CSampleConverter::ToOutputFormat(wave, frames))
    {
        CSoundOutput::ScopedLock lock(*m_output);
        m_output->GetVoices().SetSamples(m_first_voice + index, std::move(frames));
    }
    m_pending[index].clear();
}

const std::vector<CSoundManager::Entry>& CSoundManager::StandardTable()
{
    static const std::vector<Entry> table = BuildStandardTable();
    return table;
}

void CSoundManager::Play(int id, bool restart, bool loop)
{
    if (!m_enabled || !m_output)
        return;
    const size_t index = FindSound(id);
    if (index == m_ids.size())
        return;
    LoadPending(index);
    {
        CSoundOutput::ScopedLock lock(*m_output);
        m_output->GetVoices().Start(m_first_voice + index, restart, loop);
    }
    m_output->Wake();
}

void CSoundManager::StopAll()
{
    if (!m_output)
        return;
    CSoundOutput::ScopedLock lock(*m_output);
    for (size_t i = 0; i < m_ids.size(); ++i)
        m_output->GetVoices().Stop(m_first_voice + i);
}

bool CSoundManager::IsPlaying(int id) const
{
    const size_t index = FindSound(id);
    if (!m_output || index == m_ids.size())
        return false;
    CSoundOutput::ScopedLock lock(*m_output);
    return m_output->GetVoices().IsPlaying(m_first_voice + index);
}

size_t CSoundManager::FindSound(int id) const
{
    for (size_t i = 0; i < m_ids.size(); ++i)
        if (m_ids[i] == id)
            return i;
    return m_ids.size();
}
