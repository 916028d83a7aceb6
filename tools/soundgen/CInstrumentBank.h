#pragma once

#include "tools/soundgen/CModuleFile.h"

#include <cstdint>

enum class ELead
{
    PulseSweep,
    SoftSquare,
    Flute,
    Brass,
    Reed,
    Celesta
};

enum class EBass
{
    Round,
    Triangle,
    Pluck,
    Synth
};

// Sustained chords, each a whole triad in one sample.
enum class EPad
{
    Strings,
    Organ,
    Warm
};

// Struck or plucked voices that play chords one note at a time.
enum class EBroken
{
    Harp,
    Marimba,
    Glocken
};

enum class EDrum
{
    Kick,
    Snare,
    ClosedHat,
    OpenHat,
    // One channel plays all drums, so the cymbal that opens a section
    // carries its kick with it.
    KickCrash
};

// The module samples: short 8-bit waves built from harmonics so that they
// loop without a seam. A tonal sample sounds at MIDI note GetBaseNote()
// when the module plays it at C-2.
class CInstrumentBank
{
public:
    // The rate at which the player reads a sample when it plays C-2.
    static constexpr int kBaseRate = 8363;

    static SModSample MakeLead(ELead kind);
    static SModSample MakeBass(EBass kind);
    // Root, fifth and tenth in just intonation, so the three voices repeat
    // together and the chord loops without a seam.
    static SModSample MakePadChord(EPad kind, bool minor);
    static SModSample MakeBroken(EBroken kind);
    // Drums are made at twice the base rate and played at C-3.
    static SModSample MakeDrum(EDrum kind, uint64_t seed);

    static int LeadBaseNote() { return 60; }
    static int BassBaseNote() { return 48; }
    static int PadBaseNote() { return 48; }
    static int BrokenBaseNote(EBroken kind) { return kind == EBroken::Glocken ? 72 : 60; }
    static int DrumNote() { return 24; }

    // Whether the sample holds its level (and so needs a release) or dies away by itself.
    static bool LeadSustains(ELead kind) { return kind != ELead::Celesta; }
};
