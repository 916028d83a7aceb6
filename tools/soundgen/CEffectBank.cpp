#include "tools/soundgen/CEffectBank.h"

#include "tools/soundgen/CRandom.h"
#include "tools/soundgen/CSignal.h"
#include "tools/soundgen/CWavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace
{
const int kRate = CEffectBank::kRate;

double Midi(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// A voice drawn on its own and softened before it joins the effect, so that
// square and saw tones lose their buzz.
CSignal Voice(double note, double length, EWave wave, double cutoff, const SEnvelope& env)
{
    CSignal voice(kRate, length);
    voice.AddTone(0.0, length, Midi(note), Midi(note), wave, 1.0, env);
    voice.LowPass(cutoff);
    voice.LowPass(cutoff * 1.5);
    return voice;
}

void Lead(CSignal& s, double at, double note, double length, double amp, EWave wave = EWave::Square,
          double cutoff = 2400.0)
{
    SEnvelope env{0.006, length * 1.5, std::min(0.06, length * 0.4)};
    s.Mix(Voice(note, length, wave, cutoff, env), at, amp);
}

void Mallet(CSignal& s, double at, double note, double length, double amp)
{
    s.AddTone(at, length, Midi(note), Midi(note), EWave::Sine, amp, SEnvelope{0.002, length * 0.3, 0.03});
    s.AddTone(at, length * 0.5, Midi(note + 12), Midi(note + 12), EWave::Sine, amp * 0.25,
              SEnvelope{0.001, length * 0.1, 0.02});
    s.AddTone(at, length * 0.3, Midi(note + 24.3), Midi(note + 24.3), EWave::Sine, amp * 0.1,
              SEnvelope{0.001, length * 0.05, 0.01});
}

void Bell(CSignal& s, double at, double note, double length, double amp)
{
    s.AddBell(at, length, Midi(note), 3.5, 1.6, amp * 0.6, SEnvelope{0.002, length * 0.25, 0.05});
    s.AddTone(at, length, Midi(note), Midi(note), EWave::Sine, amp * 0.6, SEnvelope{0.002, length * 0.4, 0.05});
}

void Glass(CSignal& s, double at, double note, double length, double amp)
{
    s.AddBell(at, length, Midi(note), 2.0, 1.2, amp * 0.5, SEnvelope{0.001, length * 0.3, 0.05});
    s.AddTone(at, length, Midi(note + 19.02), Midi(note + 19.02), EWave::Sine, amp * 0.2,
              SEnvelope{0.001, length * 0.12, 0.03});
    s.AddTone(at, length, Midi(note), Midi(note), EWave::Sine, amp * 0.5, SEnvelope{0.001, length * 0.45, 0.05});
}

void Pad(CSignal& s, double at, std::initializer_list<double> notes, double length, double amp)
{
    for (double note : notes)
    {
        SEnvelope env{0.03, length * 0.6, length * 0.4};
        s.Mix(Voice(note, length, EWave::Triangle, 1800.0, env), at, amp);
        s.AddTone(at, length, Midi(note) * 1.004, Midi(note) * 1.004, EWave::Sine, amp * 0.4, env);
    }
}

void Thud(CSignal& s, double at, double freqFrom, double freqTo, double length, double amp, CRandom& random)
{
    s.AddTone(at, length, freqFrom, freqTo, EWave::Sine, amp, SEnvelope{0.001, length * 0.3, 0.02});
    s.AddNoise(at, 0.025, amp * 0.5, SEnvelope{0.0005, 0.006, 0.005}, random, EFilter::LowPass, 2500.0, 600.0,
               0.8);
}

void Tick(CSignal& s, double at, double freq, double amp, CRandom& random)
{
    s.AddNoise(at, 0.015, amp, SEnvelope{0.0005, 0.003, 0.004}, random, EFilter::BandPass, freq, freq, 3.0);
    s.AddTone(at, 0.03, freq * 0.45, freq * 0.4, EWave::Sine, amp * 0.5, SEnvelope{0.001, 0.008, 0.01});
}

void Whoosh(CSignal& s, double at, double length, double cutFrom, double cutTo, double amp, CRandom& random)
{
    SEnvelope env{length * 0.45, 0.0, length * 0.5};
    s.AddNoise(at, length, amp, env, random, EFilter::BandPass, cutFrom, cutTo, 1.5);
}

void Chirp(CSignal& s, double at, double freqFrom, double freqTo, double length, double amp)
{
    s.AddTone(at, length, freqFrom, freqTo, EWave::Sine, amp, SEnvelope{0.003, length * 0.5, length * 0.3});
}

void Sparkle(CSignal& s, double at, double baseNote, int count, double spacing, double amp, CRandom& random)
{
    static const int kPentatonic[] = {0, 2, 4, 7, 9, 12, 14, 16};
    for (int i = 0; i < count; ++i)
        Glass(s, at + i * spacing + random.Unit() * spacing * 0.3, baseNote + kPentatonic[random.Below(8)], 0.25,
              amp * (1.0 - 0.5 * i / count));
}

CSignal Build(int id)
{
    CRandom random(static_cast<uint64_t>(id) * 7919 + 17);
    double peak = 0.7;
    CSignal s(kRate, 0.0);
    switch (id)
    {
    case 51: // button click
        s = CSignal(kRate, 0.07);
        Tick(s, 0.0, 2600.0, 0.9, random);
        s.AddTone(0.0, 0.045, 1150.0, 900.0, EWave::Sine, 0.5, SEnvelope{0.0008, 0.012, 0.015});
        peak = 0.6;
        break;
    case 52: // hover, and each key in an edit box
        s = CSignal(kRate, 0.05);
        s.AddTone(0.0, 0.045, 1600.0, 1950.0, EWave::Sine, 1.0, SEnvelope{0.004, 0.012, 0.02});
        s.AddTone(0.0, 0.03, 3200.0, 3900.0, EWave::Sine, 0.15, SEnvelope{0.003, 0.006, 0.01});
        peak = 0.3;
        break;
    case 53: // game over
        s = CSignal(kRate, 2.4);
        Lead(s, 0.00, 72, 0.20, 0.5);
        Lead(s, 0.20, 67, 0.20, 0.5);
        Lead(s, 0.40, 63, 0.20, 0.5);
        Lead(s, 0.60, 62, 0.28, 0.5);
        Lead(s, 0.92, 60, 1.10, 0.55);
        Pad(s, 0.92, {48, 55, 63}, 1.3, 0.22);
        s.AddEcho(0.15, 0.25, 3);
        break;

    case 101: // eraser: a group taken
        s = CSignal(kRate, 0.45);
        Chirp(s, 0.0, 260.0, 950.0, 0.08, 0.8);
        s.AddNoise(0.0, 0.03, 0.4, SEnvelope{0.001, 0.008, 0.01}, random, EFilter::BandPass, 1300.0, 1300.0, 2.0);
        Glass(s, 0.04, 84, 0.3, 0.35);
        Glass(s, 0.09, 91, 0.3, 0.3);
        break;
    case 102: // eraser: board cleared
        s = CSignal(kRate, 1.5);
        for (int i = 0; i < 5; ++i)
        {
            static const int kRun[] = {72, 76, 79, 84, 88};
            Bell(s, i * 0.07, kRun[i], 0.6, 0.45);
        }
        Pad(s, 0.35, {60, 64, 67, 72}, 1.1, 0.14);
        s.AddEcho(0.11, 0.3, 3);
        peak = 0.75;
        break;
    case 103: // eraser: a brick lands
        s = CSignal(kRate, 0.14);
        Thud(s, 0.0, 190.0, 95.0, 0.12, 0.9, random);
        peak = 0.45;
        break;
    case 104: // eraser: a leftover brick costs points
        s = CSignal(kRate, 0.28);
        s.Mix(Voice(64, 0.26, EWave::Square, 1500.0, SEnvelope{0.004, 0.3, 0.06}), 0.0, 0.3);
        s.AddTone(0.0, 0.26, Midi(64), Midi(57), EWave::Triangle, 0.5, SEnvelope{0.004, 0.2, 0.06});
        peak = 0.55;
        break;
    case 105: // eraser: a removable group under the cursor
        s = CSignal(kRate, 0.16);
        Glass(s, 0.0, 88, 0.15, 0.8);
        peak = 0.28;
        break;

    case 111: // remover: placed bricks missed, blockers follow
        s = CSignal(kRate, 0.55);
        Lead(s, 0.0, 64, 0.15, 0.5, EWave::Pulse25, 1800.0);
        s.AddTone(0.16, 0.34, Midi(59), Midi(57.5), EWave::Triangle, 0.55, SEnvelope{0.006, 0.35, 0.08});
        s.Mix(Voice(59, 0.34, EWave::Pulse25, 1400.0, SEnvelope{0.006, 0.3, 0.08}), 0.16, 0.3);
        peak = 0.6;
        break;
    case 112: // remover: the placed brick drops into its cell
        s = CSignal(kRate, 0.16);
        Thud(s, 0.0, 150.0, 75.0, 0.14, 0.8, random);
        Mallet(s, 0.0, 79, 0.08, 0.25);
        peak = 0.5;
        break;
    case 113: // remover: a new brick flies in
        s = CSignal(kRate, 0.22);
        Whoosh(s, 0.0, 0.2, 600.0, 3200.0, 1.0, random);
        Chirp(s, 0.02, 420.0, 840.0, 0.16, 0.12);
        peak = 0.35;
        break;
    case 114: // remover: a blocker brick flies in
        s = CSignal(kRate, 0.3);
        Whoosh(s, 0.0, 0.28, 350.0, 1800.0, 1.0, random);
        s.AddTone(0.0, 0.28, 140.0, 230.0, EWave::Triangle, 0.35, SEnvelope{0.03, 0.0, 0.1});
        peak = 0.45;
        break;
    case 115: // remover: a clean turn or a colour gone
        s = CSignal(kRate, 0.9);
        Bell(s, 0.00, 76, 0.5, 0.5);
        Bell(s, 0.07, 79, 0.5, 0.5);
        Bell(s, 0.14, 84, 0.6, 0.55);
        s.AddEcho(0.12, 0.25, 2);
        peak = 0.65;
        break;

    case 121: // slider: a brick lifts off the line
        s = CSignal(kRate, 0.18);
        s.AddTone(0.0, 0.16, 250.0, 520.0, EWave::Sine, 0.7, SEnvelope{0.03, 0.0, 0.06});
        Whoosh(s, 0.0, 0.16, 800.0, 2000.0, 0.3, random);
        peak = 0.45;
        break;
    case 122: // slider: the line slides with nothing lifted
        s = CSignal(kRate, 0.18);
        Whoosh(s, 0.0, 0.17, 1500.0, 700.0, 1.0, random);
        peak = 0.35;
        break;
    case 123: // slider: the lifted brick is set down
        s = CSignal(kRate, 0.14);
        Thud(s, 0.0, 210.0, 110.0, 0.12, 0.8, random);
        Tick(s, 0.0, 1800.0, 0.25, random);
        peak = 0.5;
        break;
    case 124: // slider: level done
        s = CSignal(kRate, 1.5);
        Lead(s, 0.00, 67, 0.11, 0.45);
        Lead(s, 0.12, 72, 0.11, 0.45);
        Lead(s, 0.24, 76, 0.11, 0.45);
        Lead(s, 0.36, 79, 0.11, 0.45);
        Lead(s, 0.50, 84, 0.85, 0.5);
        Pad(s, 0.50, {60, 64, 67}, 0.95, 0.16);
        s.AddEcho(0.13, 0.25, 3);
        peak = 0.75;
        break;
    case 125: // slider: a group removed
        s = CSignal(kRate, 0.5);
        Chirp(s, 0.0, 300.0, 1100.0, 0.07, 0.7);
        Bell(s, 0.03, 81, 0.4, 0.45);
        Bell(s, 0.09, 88, 0.35, 0.35);
        peak = 0.65;
        break;
    case 126: // slider: bonus
        s = CSignal(kRate, 1.2);
        for (int i = 0; i < 10; ++i)
        {
            static const int kRun[] = {72, 74, 76, 79, 81, 84, 86, 88, 91, 93};
            Glass(s, i * 0.035, kRun[i], 0.25, 0.35);
        }
        Bell(s, 0.38, 84, 0.75, 0.35);
        Bell(s, 0.38, 88, 0.75, 0.3);
        Bell(s, 0.38, 91, 0.75, 0.25);
        s.AddEcho(0.1, 0.3, 3);
        break;

    case 130: // jewel: no swap left
        s = CSignal(kRate, 1.05);
        s.Mix(Voice(62, 0.2, EWave::Saw, 1300.0, SEnvelope{0.01, 0.0, 0.04}), 0.0, 0.35);
        s.Mix(Voice(61, 0.2, EWave::Saw, 1100.0, SEnvelope{0.01, 0.0, 0.04}), 0.22, 0.35);
        s.AddTone(0.44, 0.55, Midi(60), Midi(58.5), EWave::Saw, 0.2, SEnvelope{0.01, 0.4, 0.15});
        s.AddTone(0.0, 1.0, Midi(38), Midi(36), EWave::Triangle, 0.3, SEnvelope{0.02, 0.6, 0.2});
        s.LowPass(1600.0);
        peak = 0.6;
        break;
    case 131: // jewel: the cursor enters a brick
        s = CSignal(kRate, 0.07);
        Glass(s, 0.0, 96, 0.06, 0.8);
        peak = 0.2;
        break;
    case 132: // jewel: a brick selected
        s = CSignal(kRate, 0.2);
        Glass(s, 0.0, 84, 0.18, 0.7);
        Tick(s, 0.0, 3000.0, 0.25, random);
        peak = 0.5;
        break;
    case 133: // jewel: a run made
        s = CSignal(kRate, 0.55);
        Glass(s, 0.0, 84, 0.5, 0.5);
        Glass(s, 0.04, 88, 0.5, 0.45);
        s.AddNoise(0.0, 0.35, 0.12, SEnvelope{0.01, 0.1, 0.1}, random, EFilter::HighPass, 6000.0, 6000.0, 1.0);
        peak = 0.65;
        break;
    case 134: // jewel: a swap that makes nothing goes back
        s = CSignal(kRate, 0.36);
        Mallet(s, 0.0, 57, 0.16, 0.6);
        Mallet(s, 0.15, 52, 0.2, 0.6);
        peak = 0.5;
        break;
    case 135: // jewel: a new level starts
        s = CSignal(kRate, 1.1);
        Whoosh(s, 0.0, 0.36, 300.0, 4000.0, 0.5, random);
        Bell(s, 0.30, 72, 0.75, 0.35);
        Bell(s, 0.34, 76, 0.7, 0.3);
        Bell(s, 0.38, 79, 0.7, 0.3);
        s.AddEcho(0.12, 0.25, 2);
        break;
    case 136: // jewel: a bonus strike
        s = CSignal(kRate, 0.85);
        s.AddNoise(0.0, 0.8, 1.0, SEnvelope{0.002, 0.18, 0.1}, random, EFilter::LowPass, 3500.0, 180.0, 0.9);
        s.AddTone(0.0, 0.6, 130.0, 40.0, EWave::Sine, 0.9, SEnvelope{0.002, 0.15, 0.1});
        for (int i = 0; i < 6; ++i)
            Tick(s, 0.05 + i * 0.06 + random.Unit() * 0.03, 1500.0 + random.Unit() * 2000.0, 0.3, random);
        peak = 0.8;
        break;
    case 137: // jewel: bricks change colour
        s = CSignal(kRate, 0.75);
        for (int v = 0; v < 3; ++v)
            s.AddTone(0.0, 0.5, 600.0 * (1.0 + 0.006 * v), 1300.0 * (1.0 - 0.004 * v), EWave::Sine, 0.25,
                      SEnvelope{0.08, 0.0, 0.25});
        Sparkle(s, 0.1, 84, 7, 0.06, 0.35, random);
        peak = 0.6;
        break;
    case 138: // jewel: bricks settle with nothing to take
        s = CSignal(kRate, 0.2);
        Thud(s, 0.0, 170.0, 85.0, 0.1, 0.7, random);
        Thud(s, 0.05, 150.0, 80.0, 0.12, 0.5, random);
        peak = 0.4;
        break;
    case 139: // jewel: a brick flies off at the level end
        s = CSignal(kRate, 0.15);
        Chirp(s, 0.0, 600.0, 1600.0, 0.1, 0.7);
        Glass(s, 0.04, 91, 0.1, 0.3);
        peak = 0.42;
        break;

    case 141: // eraser2: a group taken
        s = CSignal(kRate, 0.42);
        Chirp(s, 0.0, 380.0, 1400.0, 0.06, 0.7);
        Chirp(s, 0.05, 500.0, 1700.0, 0.06, 0.55);
        Glass(s, 0.08, 91, 0.3, 0.3);
        break;
    case 142: // eraser2: spare chime
        s = CSignal(kRate, 0.45);
        Bell(s, 0.0, 79, 0.42, 0.8);
        peak = 0.5;
        break;
    case 143: // eraser2: a moving brick arrives
        s = CSignal(kRate, 0.09);
        Thud(s, 0.0, 230.0, 120.0, 0.08, 0.8, random);
        peak = 0.38;
        break;
    case 144: // eraser2: a brick vanishes in the end sweep
        s = CSignal(kRate, 0.16);
        Chirp(s, 0.0, 900.0, 430.0, 0.14, 0.8);
        s.AddNoise(0.0, 0.06, 0.2, SEnvelope{0.002, 0.02, 0.02}, random, EFilter::HighPass, 3000.0, 3000.0, 1.0);
        peak = 0.45;
        break;
    case 145: // eraser2: another group under the cursor
        s = CSignal(kRate, 0.05);
        s.AddTone(0.0, 0.04, 1300.0, 1350.0, EWave::Sine, 1.0, SEnvelope{0.003, 0.01, 0.015});
        peak = 0.25;
        break;
    case 146: // eraser2: the feeders fill up
        s = CSignal(kRate, 0.5);
        for (int i = 0; i < 8; ++i)
            Tick(s, i * 0.05, 800.0 * std::pow(1.17, i), 0.5, random);
        s.AddTone(0.0, 0.46, 200.0, 520.0, EWave::Triangle, 0.2, SEnvelope{0.05, 0.0, 0.1});
        peak = 0.5;
        break;
    case 147: // eraser2: the feeders push their bricks in
        s = CSignal(kRate, 0.4);
        Whoosh(s, 0.0, 0.26, 2000.0, 500.0, 0.8, random);
        Thud(s, 0.2, 160.0, 70.0, 0.18, 0.8, random);
        peak = 0.6;
        break;

    case 151: // mover: level done
        s = CSignal(kRate, 1.5);
        Mallet(s, 0.00, 67, 0.3, 0.5);
        Mallet(s, 0.10, 71, 0.3, 0.5);
        Mallet(s, 0.20, 74, 0.3, 0.5);
        Mallet(s, 0.30, 79, 0.3, 0.5);
        Bell(s, 0.42, 83, 0.95, 0.32);
        Bell(s, 0.42, 79, 0.95, 0.3);
        Bell(s, 0.42, 74, 0.95, 0.28);
        Pad(s, 0.42, {55, 62}, 0.95, 0.12);
        s.AddEcho(0.12, 0.25, 3);
        peak = 0.75;
        break;
    case 152: // mover: a brick slides
        s = CSignal(kRate, 0.16);
        Whoosh(s, 0.0, 0.11, 1000.0, 1900.0, 0.8, random);
        Tick(s, 0.1, 1600.0, 0.5, random);
        peak = 0.42;
        break;

    case 161: // designer: a figure taken from the tray
        s = CSignal(kRate, 0.12);
        s.AddTone(0.0, 0.09, 500.0, 900.0, EWave::Triangle, 0.7, SEnvelope{0.005, 0.04, 0.03});
        Tick(s, 0.0, 2200.0, 0.3, random);
        peak = 0.45;
        break;
    case 162: // designer: a figure laid on the board
        s = CSignal(kRate, 0.16);
        Thud(s, 0.0, 170.0, 85.0, 0.14, 0.8, random);
        Mallet(s, 0.0, 67, 0.1, 0.3);
        peak = 0.55;
        break;
    case 163: // designer: the tray scrolls
        s = CSignal(kRate, 0.12);
        Tick(s, 0.0, 1900.0, 0.5, random);
        Whoosh(s, 0.0, 0.1, 900.0, 1600.0, 0.4, random);
        peak = 0.35;
        break;
    case 164: // designer: spare chime
        s = CSignal(kRate, 0.38);
        Bell(s, 0.0, 76, 0.35, 0.8);
        peak = 0.45;
        break;
    case 165: // designer: level done
        s = CSignal(kRate, 1.5);
        Lead(s, 0.00, 65, 0.11, 0.4, EWave::Pulse25, 2600.0);
        Lead(s, 0.12, 69, 0.11, 0.4, EWave::Pulse25, 2600.0);
        Lead(s, 0.24, 72, 0.11, 0.4, EWave::Pulse25, 2600.0);
        Lead(s, 0.36, 77, 0.11, 0.4, EWave::Pulse25, 2600.0);
        Lead(s, 0.50, 81, 0.85, 0.45, EWave::Pulse25, 2600.0);
        Pad(s, 0.50, {53, 60, 65}, 0.95, 0.16);
        s.AddEcho(0.13, 0.25, 3);
        peak = 0.75;
        break;
    case 166: // designer: a figure lifted off the board
        s = CSignal(kRate, 0.17);
        s.AddTone(0.0, 0.12, 400.0, 700.0, EWave::Triangle, 0.6, SEnvelope{0.004, 0.06, 0.03});
        Mallet(s, 0.03, 74, 0.12, 0.35);
        peak = 0.45;
        break;
    case 167: // designer: a figure flies back to the tray
        s = CSignal(kRate, 0.33);
        Whoosh(s, 0.0, 0.3, 2500.0, 600.0, 0.8, random);
        Chirp(s, 0.0, 800.0, 400.0, 0.25, 0.2);
        peak = 0.45;
        break;

    case 171: // filler: a zone takes a colour
        s = CSignal(kRate, 0.48);
        for (int i = 0; i < 4; ++i)
        {
            double f = 300.0 + random.Unit() * 150.0 + i * 60.0;
            Chirp(s, i * 0.075 + random.Unit() * 0.02, f, f * 2.6, 0.07, 0.5);
        }
        s.AddNoise(0.0, 0.45, 0.25, SEnvelope{0.12, 0.0, 0.2}, random, EFilter::LowPass, 500.0, 1400.0, 1.2);
        peak = 0.6;
        break;
    case 172: // filler: the board is covered
        s = CSignal(kRate, 1.9);
        Mallet(s, 0.00, 72, 0.25, 0.5);
        Mallet(s, 0.16, 76, 0.25, 0.5);
        Mallet(s, 0.32, 74, 0.25, 0.5);
        Mallet(s, 0.48, 71, 0.3, 0.5);
        Bell(s, 0.66, 72, 1.1, 0.35);
        Pad(s, 0.66, {48, 55, 64, 67}, 1.2, 0.14);
        s.AddEcho(0.14, 0.25, 3);
        peak = 0.75;
        break;
    default:
        return CSignal(kRate, 0.0);
    }
    s.HighPass(30.0);
    s.Normalise(peak);
    s.FadeEdges(0.001, 0.008);
    return s;
}
}

const std::vector<SEffectFile>& CEffectBank::GetFiles()
{
    static const std::vector<SEffectFile> files = [] {
        std::vector<SEffectFile> list = {{51, "data/i1.wav"}, {52, "data/i2.wav"}, {53, "data/i3.wav"}};
        struct SGroup
        {
            const char* m_prefix;
            int m_base;
            int m_first;
            int m_last;
        };
        const SGroup groups[] = {{"era", 100, 1, 5}, {"rem", 110, 1, 5}, {"sli", 120, 1, 6}, {"rev", 130, 0, 9},
                                 {"cru", 140, 1, 7}, {"mov", 150, 1, 2}, {"des", 160, 1, 7}, {"fil", 170, 1, 2}};
        for (const SGroup& g : groups)
            for (int n = g.m_first; n <= g.m_last; ++n)
            {
                char name[40];
                std::snprintf(name, sizeof(name), "data/wav/%s%02d.wav", g.m_prefix, n);
                list.push_back({g.m_base + n, name});
            }
        return list;
    }();
    return files;
}

CSignal CEffectBank::Make(int id)
{
    return Build(id);
}

std::vector<uint8_t> CEffectBank::MakeWav(int id)
{
    return CWavWriter::Encode(Build(id));
}
