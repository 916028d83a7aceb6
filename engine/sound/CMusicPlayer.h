#pragma once

#include <memory>
#include <string>
#include <vector>

struct MODULE;
class CSoundOutput;

// Plays a playlist of tracker modules (IT, MOD and XM, told apart by their
// content) one after another through libmikmod. Everything runs on the main
// thread: Update, after every pass of the main loop, mixes ahead into the
// output ring. libmikmod is global, so only one player is initialised at a
// time.
class CMusicPlayer
{
public:
    static constexpr int kDefaultVolume = 100;
    static constexpr int kMaxVolume = 128;
    static constexpr int kTrackCount = 15;

    CMusicPlayer();
    virtual ~CMusicPlayer();
    CMusicPlayer(const CMusicPlayer&) = delete;
    CMusicPlayer& operator=(const CMusicPlayer&) = delete;

    // Sets the library up on the program's sound output. When that fails
    // the music stays off and every other call is harmless.
    bool Init();
    bool Init(std::shared_ptr<CSoundOutput> output);
    bool IsReady() const { return m_ready; }

    void AddTrack(const std::string& path);
    const std::vector<std::string>& GetPlaylist() const { return m_playlist; }
    // "data/music/000.mod" to "data/music/014.mod".
    static std::vector<std::string> StandardPlaylist();

    // -1 starts the next track, wrapping after the last; an index starts
    // that entry. Tracks that do not load are skipped; when none of the
    // playlist loads, the music stops until the next call.
    void Play(int index = -1);
    void Stop();
    // After every pass of the main loop: refills the output, or starts the
    // next track once the current one has ended.
    void Update();

    // Clamped to 0..128; 0 stops the music, a non-zero volume starts it
    // again when nothing plays.
    void SetVolume(int volume);
    int GetVolume() const { return m_volume; }

    bool IsPlaying() const;
    int GetCurrent() const { return m_current; }

private:
    void Shutdown();

    bool m_playing = false;
    // The track has ended in the mix but the ring still plays its last part.
    bool m_ending = false;
    std::vector<std::string> m_playlist;
    int m_current = -1;
    MODULE* m_module = nullptr;
    int m_volume = kDefaultVolume;
    bool m_ready = false;
    std::shared_ptr<CSoundOutput> m_output;
};
