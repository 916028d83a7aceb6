#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class CSoundOutput;

// Short WAV sound effects played by small integer id. Files are read from
// disk by path, relative to the game directory.
class CSoundManager
{
public:
    struct Entry
    {
        int id;
        std::string path;
    };

    CSoundManager();
    virtual ~CSoundManager();
    CSoundManager(const CSoundManager&) = delete;
    CSoundManager& operator=(const CSoundManager&) = delete;

    // Takes the program's sound output. False (and every later Load false,
    // every Play silent) when no sound device can be opened.
    bool Init();
    // Uses the given output whether or not it has a device.
    bool Init(std::shared_ptr<CSoundOutput> output);

    // Loads one WAV file under an id. A missing or malformed file only
    // leaves its id silent. An id names the first sound loaded under it.
    bool Load(const std::string& path, int id);
    // Takes every entry whose file reads as a wave this build can play and
    // returns how many; the samples are converted when the id first plays,
    // so that only the sounds a session uses take memory.
    size_t LoadTable(const std::vector<Entry>& table);

    // The 47 interface and game sounds with their ids, in load order.
    static const std::vector<Entry>& StandardTable();

    // Nothing happens while effects are off or when the id was never
    // loaded. With restart false a sound that still plays goes on.
    void Play(int id, bool restart, bool loop);
    virtual void StopAll();
    bool IsPlaying(int id) const;

    // Disabling stops nothing that already plays.
    void Enable() { m_enabled = true; }
    void Disable() { m_enabled = false; }
    bool IsEnabled() const { return m_enabled; }

    // Index of the first sound with the id in load order, or the count.
    size_t FindSound(int id) const;
    size_t GetCount() const { return m_ids.size(); }

private:
    // Converts a table entry's file into its voice on first use.
    void LoadPending(size_t index);

    std::shared_ptr<CSoundOutput> m_output;
    bool m_enabled = true;
    std::vector<int> m_ids; // index i is voice m_first_voice + i
    // Index i: the file still to be converted, empty once its voice has it.
    std::vector<std::string> m_pending;
    size_t m_first_voice = 0;
};
