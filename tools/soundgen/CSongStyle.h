#pragma once

#include "tools/soundgen/CInstrumentBank.h"

#include <cstdint>
#include <string>

enum class EScale
{
    Major,
    Minor,
    Dorian,
    Mixolydian
};

// Everything that sets one tune apart from the others. Progressions are
// roman numerals, one chord per bar, two joined by a comma share a bar:
// "I vi IV V,IV".
struct SSongStyle
{
    std::string m_title;
    uint64_t m_seed = 1;
    int m_tonic = 60;          // MIDI note of the key's tonic in the melody's octave
    EScale m_scale = EScale::Major;
    int m_bpm = 125;
    int m_speed = 6;           // ticks per row; a beat is four rows
    int m_meter = 4;           // beats per bar: 3 or 4
    ELead m_lead = ELead::PulseSweep;
    EBass m_bass = EBass::Round;
    EPad m_pad = EPad::Strings;
    EBroken m_broken = EBroken::Harp;
    std::string m_verse;       // eight bars
    std::string m_bridge;      // eight bars
    int m_bassStyle = 0;
    int m_drumStyle = 0;
    int m_brokenStyle = 0;
    bool m_long = false;       // play the bridge and the verse once more
    int m_modulate = 0;        // semitones the last verse rises by
};
