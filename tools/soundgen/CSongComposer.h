#pragma once

#include "tools/soundgen/CModuleFile.h"
#include "tools/soundgen/CRandom.h"
#include "tools/soundgen/CSongStyle.h"

#include <array>
#include <string>
#include <vector>

// A chord as an offset of its root above the tonic and its third.
struct SChord
{
    int m_root = 0;
    bool m_minor = false;
};

// One melody note, in steps (rows) from the start of its bar.
struct SMelodyNote
{
    int m_step = 0;
    int m_length = 1;
    int m_pitch = 60;
};

// Turns a style into a whole tune: melody, bass, chords and drums laid out
// bar by bar in four channels, cut into patterns and played once through.
class CSongComposer
{
public:
    explicit CSongComposer(const SSongStyle& style);

    CModuleFile Compose();

    // Chord progressions in roman numerals; bars that fail to parse become the tonic.
    static std::vector<std::vector<SChord>> ParseProgression(const std::string& text);

private:
    using Row = std::array<SModCell, CModuleFile::kChannels>;
    using Bar = std::vector<SMelodyNote>;

    enum EChannel
    {
        kLead = 0,
        kBass = 1,
        kDrums = 2,
        kHarmony = 3
    };

    enum ESampleSlot
    {
        kLeadSample = 1,
        kBassSample,
        kPadMajor,
        kPadMinor,
        kBrokenSample,
        kKick,
        kSnare,
        kHat,
        kOpenHat,
        kKickCrash
    };

    struct SSection
    {
        std::vector<std::vector<SChord>> m_chords; // per bar
        std::vector<Bar> m_melody;                 // per bar; may be empty
        int m_transpose = 0;
        bool m_padChords = true;
        int m_bassStyle = 0;
        int m_drumStyle = 0;
        bool m_crashFirst = false;
        bool m_fillLast = false;
    };

    int StepsPerBar() const { return m_style.m_meter * 4; }
    const SChord& ChordAt(const std::vector<SChord>& bar, int step) const;

    int TonicClass() const;
    std::vector<int> ChordClasses(const SChord& chord) const;
    std::vector<int> ScaleClasses(const SChord& chord) const;
    bool IsChordTone(int pitch, const SChord& chord) const;
    bool IsStable(int pitch, const SChord& chord) const;
    int NearestChordTone(int pitch, const SChord& chord);
    int ScaleStep(int pitch, int steps, const SChord& chord) const;
    int ScaleIndex(int pitch) const;

    std::vector<std::string> RhythmsFor(bool calm) const;
    std::string CadenceRhythm(bool final);
    std::string PickRhythm(const std::vector<std::string>& choices, const std::string& avoid);
    Bar FreshBar(const std::string& rhythm, const std::vector<SChord>& chords, int& pitch, int goal);
    Bar AdaptBar(const Bar& source, const std::vector<SChord>& from, const std::vector<SChord>& to);
    Bar CadenceBar(const std::string& rhythm, const std::vector<SChord>& chords, int& pitch, bool final);
    std::vector<Bar> MakeMelody(const std::vector<std::vector<SChord>>& chords, bool calm);
    std::vector<Bar> Ornament(const std::vector<Bar>& melody, const std::vector<std::vector<SChord>>& chords);

    void WriteSection(const SSection& section);
    void WriteLead(const SSection& section, int firstRow);
    void WriteBass(const SSection& section, int firstRow);
    void WriteHarmony(const SSection& section, int firstRow);
    void WriteDrums(const SSection& section, int firstRow);
    void WriteEnding(const SChord& tonic, int transpose);
    void PlaceControl(int row, int effect, int param);
    void SetNote(int row, int channel, int note, int sample);
    void SetEffect(int row, int channel, int effect, int param);
    int BassRoot(const SChord& chord, int transpose) const;
    double RowSeconds(int bpm) const;

    int LeadNote(int pitch) const;
    int BassNote(int pitch) const;
    int PadNote(int pitch) const;
    int BrokenNote(int pitch) const;
    static int FoldInto(int pitch, int lo, int hi);

    CModuleFile BuildModule();

    SSongStyle m_style;
    CRandom m_random;
    std::vector<int> m_scale;
    int m_lo;
    int m_hi;
    std::vector<Row> m_rows;
};
