#include "tools/soundgen/CSongComposer.h"

#include "tools/soundgen/CInstrumentBank.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>

namespace
{
const int kMajorSteps[] = {0, 2, 4, 5, 7, 9, 11};

int PitchClass(int pitch)
{
    return ((pitch % 12) + 12) % 12;
}

struct SOnset
{
    int m_step;
    int m_length;
};

// 'x' starts a note, '-' holds it, '.' is silence.
std::vector<SOnset> Onsets(const std::string& rhythm)
{
    std::vector<SOnset> onsets;
    for (int i = 0; i < static_cast<int>(rhythm.size()); ++i)
    {
        if (rhythm[i] == 'x')
            onsets.push_back({i, 1});
        else if (rhythm[i] == '-' && !onsets.empty() && onsets.back().m_step + onsets.back().m_length == i)
            ++onsets.back().m_length;
    }
    return onsets;
}

bool SameChords(const std::vector<SChord>& a, const std::vector<SChord>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].m_root != b[i].m_root || a[i].m_minor != b[i].m_minor)
            return false;
    return true;
}

bool ParseChord(const std::string& token, SChord& chord)
{
    size_t at = 0;
    int accidental = 0;
    if (at < token.size() && token[at] == 'b')
    {
        accidental = -1;
        ++at;
    }
    else if (at < token.size() && token[at] == '#')
    {
        accidental = 1;
        ++at;
    }
    std::string numeral;
    while (at < token.size() && std::strchr("IViv", token[at]) != nullptr)
        numeral += token[at++];
    if (numeral.empty() || at != token.size())
        return false;
    std::string upper;
    for (char c : numeral)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const char* const kNumerals[] = {"I", "II", "III", "IV", "V", "VI", "VII"};
    for (int degree = 0; degree < 7; ++degree)
        if (upper == kNumerals[degree])
        {
            chord.m_root = PitchClass(kMajorSteps[degree] + accidental);
            chord.m_minor = std::islower(static_cast<unsigned char>(numeral[0])) != 0;
            return true;
        }
    return false;
}

const char* const kBass4[] = {"R-------R---F---", "R---R---R---R-A-", "R-R-O-R-F-R-O-R-",
                              "R-----R-F-----F-", "R---F---O---F---", "R--R--R-F--F--A-"};
const char* const kBass3[] = {"R---F---F---", "R-----F---O-", "R---O---F---", "R-------F-A-"};
const char* const kBroken4[] = {"0-1-2-1-3-1-2-1-", "0--1--2-3--2--1-", "0-2-1-2-3-2-1-2-", "0---2---1---3---"};
const char* const kBroken3[] = {"0-1-2-1-2-1-", "0---1-2-3-2-", "0-2-1-2-1-2-"};
const char* const kDrums4[] = {"K.h.h.h.K.h.h.h.", "K.h.S.h.K.hKS.h.", "K.h.S.h.K.h.S.h.", "K.o.S.o.K.o.S.oh",
                               "K.h.h.h.S.h.h.hK", "KhhhShhhKhKhShhh", "K..hS.h.K.hhS.h."};
const char* const kDrums3[] = {"K...h...h...", "K.h.S.h.S.h.", "K.hhS.hhS.hh", "K.h.h.S.h.h."};
const char* const kFill4 = "K.h.S.h.S.SSmmtt";
const char* const kFill3 = "K.h.S.SSmmtt";
}

CSongComposer::CSongComposer(const SSongStyle& style)
    : m_style(style),
      m_random(style.m_seed)
{
    if (m_style.m_meter != 3)
        m_style.m_meter = 4;
    m_style.m_speed = std::clamp(m_style.m_speed, 3, 12);
    m_style.m_bpm = std::clamp(m_style.m_bpm, 60, 200);
    m_style.m_modulate = std::clamp(m_style.m_modulate, 0, 3);
    switch (m_style.m_scale)
    {
    case EScale::Major:
        m_scale = {0, 2, 4, 5, 7, 9, 11};
        break;
    case EScale::Minor:
        m_scale = {0, 2, 3, 5, 7, 8, 10};
        break;
    case EScale::Dorian:
        m_scale = {0, 2, 3, 5, 7, 9, 10};
        break;
    case EScale::Mixolydian:
        m_scale = {0, 2, 4, 5, 7, 9, 10};
        break;
    }
    // The lead sample spans MIDI 48..83; leave room for the last verse's rise.
    m_lo = std::max(50, m_style.m_tonic - 7);
    m_hi = std::min(83 - m_style.m_modulate, m_style.m_tonic + 12);
}

std::vector<std::vector<SChord>> CSongComposer::ParseProgression(const std::string& text)
{
    std::vector<std::vector<SChord>> bars;
    std::istringstream words(text);
    std::string word;
    while (words >> word)
    {
        std::vector<SChord> bar;
        std::stringstream parts(word);
        std::string token;
        while (std::getline(parts, token, ',') && bar.size() < 2)
        {
            SChord chord;
            if (ParseChord(token, chord))
                bar.push_back(chord);
        }
        if (bar.empty())
            bar.push_back(SChord());
        bars.push_back(bar);
    }
    return bars;
}

const SChord& CSongComposer::ChordAt(const std::vector<SChord>& bar, int step) const
{
    static const SChord kTonic;
    if (bar.empty())
        return kTonic;
    if (bar.size() > 1 && step >= StepsPerBar() / 2)
        return bar[1];
    return bar[0];
}

int CSongComposer::TonicClass() const
{
    return PitchClass(m_style.m_tonic);
}

std::vector<int> CSongComposer::ChordClasses(const SChord& chord) const
{
    int root = PitchClass(TonicClass() + chord.m_root);
    return {root, PitchClass(root + (chord.m_minor ? 3 : 4)), PitchClass(root + 7)};
}

std::vector<int> CSongComposer::ScaleClasses(const SChord& chord) const
{
    std::vector<int> classes;
    for (int step : m_scale)
        classes.push_back(PitchClass(TonicClass() + step));
    // A chord from outside the key (a major dominant in minor, say) bends
    // the scale: its tones replace their neighbours a semitone away.
    for (int tone : ChordClasses(chord))
    {
        if (std::find(classes.begin(), classes.end(), tone) != classes.end())
            continue;
        classes.erase(std::remove_if(classes.begin(), classes.end(),
                                     [&](int c) { return PitchClass(c - tone) == 1 || PitchClass(tone - c) == 1; }),
                      classes.end());
        classes.push_back(tone);
    }
    std::sort(classes.begin(), classes.end());
    return classes;
}

bool CSongComposer::IsChordTone(int pitch, const SChord& chord) const
{
    std::vector<int> tones = ChordClasses(chord);
    return std::find(tones.begin(), tones.end(), PitchClass(pitch)) != tones.end();
}

bool CSongComposer::IsStable(int pitch, const SChord& chord) const
{
    if (IsChordTone(pitch, chord))
        return true;
    std::vector<int> scale = ScaleClasses(chord);
    int pc = PitchClass(pitch);
    if (std::find(scale.begin(), scale.end(), pc) == scale.end())
        return false;
    for (int tone : ChordClasses(chord))
        if (PitchClass(pc - tone) == 1 || PitchClass(tone - pc) == 1 || PitchClass(pc - tone) == 6)
            return false;
    return true;
}

int CSongComposer::NearestChordTone(int pitch, const SChord& chord)
{
    bool upFirst = m_random.Chance(0.5);
    for (int d = 0; d <= 12; ++d)
        for (int sign = 0; sign < 2; ++sign)
        {
            int candidate = pitch + ((sign == 0) == upFirst ? d : -d);
            if (candidate >= m_lo && candidate <= m_hi && IsChordTone(candidate, chord))
                return candidate;
        }
    return std::clamp(pitch, m_lo, m_hi);
}

int CSongComposer::ScaleStep(int pitch, int steps, const SChord& chord) const
{
    std::vector<int> scale = ScaleClasses(chord);
    auto inScale = [&](int p) { return std::find(scale.begin(), scale.end(), PitchClass(p)) != scale.end(); };
    int dir = steps >= 0 ? 1 : -1;
    int count = std::abs(steps);
    int p = pitch;
    for (int i = 0; i < count; ++i)
    {
        p += dir;
        while (!inScale(p))
            p += dir;
    }
    return p;
}

int CSongComposer::ScaleIndex(int pitch) const
{
    int rel = pitch - m_style.m_tonic;
    int octave = static_cast<int>(std::floor(rel / 12.0));
    int pc = rel - octave * 12;
    int index = 0;
    for (int i = 0; i < static_cast<int>(m_scale.size()); ++i)
        if (m_scale[i] <= pc)
            index = i;
    return octave * 7 + index;
}

std::vector<std::string> CSongComposer::RhythmsFor(bool calm) const
{
    if (m_style.m_meter == 3)
    {
        if (calm)
            return {"x-------x---", "x-----x-x---", "x---x---x---", "x-----x---x-"};
        return {"x---x-x-x---", "x-x-x---x---", "x-----x-x-x-", "x---x---x-x-", "x-x-x-x-x---"};
    }
    if (calm)
        return {"x-------x---x---", "x-----x-x-------", "x---x---x-------", "x-------x-x-x---",
                "x-----x---x-x---", "x---x-----x-x---"};
    return {"x-x-x---x---x-x-", "x---x-x-x---x---", "x--x--x-x---x---", "x-x-x-x-x---x---",
            "x---x---x-x-x-x-", "x-----x-x---x---", "x--x--x---x-x---", "x---x-x---x-x---"};
}

std::string CSongComposer::PickRhythm(const std::vector<std::string>& choices, const std::string& avoid)
{
    std::string pick = choices[m_random.Below(static_cast<int>(choices.size()))];
    if (pick == avoid)
        pick = choices[(std::find(choices.begin(), choices.end(), pick) - choices.begin() + 1) % choices.size()];
    return pick;
}

std::string CSongComposer::CadenceRhythm(bool final)
{
    std::vector<std::string> choices;
    if (m_style.m_meter == 3)
        choices = final ? std::vector<std::string>{"x---x-------", "x-x-x-------"}
                        : std::vector<std::string>{"x---x---x-..", "x-----x---.."};
    else
        choices = final ? std::vector<std::string>{"x---x---x-------", "x-x-x---x-------", "x-------x-------"}
                        : std::vector<std::string>{"x---x---x-----..", "x-x-x---x-----..", "x-----x-x-----.."};
    return choices[m_random.Below(static_cast<int>(choices.size()))];
}

CSongComposer::Bar CSongComposer::FreshBar(const std::string& rhythm, const std::vector<SChord>& chords, int& pitch,
                                           int goal)
{
    Bar bar;
    goal = std::clamp(goal, m_lo + 2, m_hi - 2);
    for (const SOnset& onset : Onsets(rhythm))
    {
        const SChord& chord = ChordAt(chords, onset.m_step);
        bool strong = onset.m_step % 4 == 0 || onset.m_length >= 4;
        int toward = goal - pitch;
        int dir = toward > 0 ? 1 : toward < 0 ? -1 : (m_random.Chance(0.5) ? 1 : -1);
        // Close to the goal the line wanders instead of sitting on it.
        if (std::abs(toward) <= 2 && m_random.Chance(0.4))
            dir = -dir;
        int p;
        if (bar.empty() || strong)
        {
            int reach = std::clamp(std::abs(toward), 2, 4);
            if (m_random.Chance(0.12))
                reach += 3;
            p = NearestChordTone(pitch + dir * reach, chord);
            if (p == pitch && m_random.Chance(0.7))
                p = NearestChordTone(pitch + dir * (reach + 2), chord);
        }
        else
        {
            p = ScaleStep(pitch, m_random.Chance(0.85) ? dir : 2 * dir, chord);
            if (onset.m_length >= 3 && !IsStable(p, chord))
                p = NearestChordTone(p, chord);
        }
        if (p < m_lo || p > m_hi)
            p = NearestChordTone(std::clamp(p, m_lo, m_hi), chord);
        bar.push_back({onset.m_step, onset.m_length, p});
        pitch = p;
    }
    return bar;
}

CSongComposer::Bar CSongComposer::AdaptBar(const Bar& source, const std::vector<SChord>& from,
                                           const std::vector<SChord>& to)
{
    if (source.empty() || SameChords(from, to))
        return source;
    Bar bar;
    int first = NearestChordTone(source.front().m_pitch, ChordAt(to, source.front().m_step));
    int base = ScaleIndex(source.front().m_pitch);
    for (const SMelodyNote& note : source)
    {
        const SChord& chord = ChordAt(to, note.m_step);
        int p = ScaleStep(first, ScaleIndex(note.m_pitch) - base, chord);
        bool strong = note.m_step % 4 == 0 || note.m_length >= 4;
        if (strong && !IsStable(p, chord))
            p = NearestChordTone(p, chord);
        if (p < m_lo || p > m_hi)
            p = NearestChordTone(std::clamp(p, m_lo, m_hi), chord);
        bar.push_back({note.m_step, note.m_length, p});
    }
    return bar;
}

CSongComposer::Bar CSongComposer::CadenceBar(const std::string& rhythm, const std::vector<SChord>& chords, int& pitch,
                                             bool final)
{
    std::vector<SOnset> onsets = Onsets(rhythm);
    Bar bar;
    if (onsets.empty())
        return bar;
    const SChord& last = ChordAt(chords, onsets.back().m_step);
    int target = -1;
    int best = 1000;
    for (int p = m_lo; p <= m_hi; ++p)
    {
        if (!IsChordTone(p, last))
            continue;
        bool tonic = PitchClass(p) == TonicClass();
        // A full close lands on the tonic; a half close anywhere else.
        int cost = std::abs(p - pitch) + std::abs(p - m_style.m_tonic - 4) / 2
                   + (final ? (tonic ? 0 : 20) : (tonic ? 6 : 0));
        if (cost < best)
        {
            best = cost;
            target = p;
        }
    }
    if (target < 0)
        target = NearestChordTone(pitch, last);
    int count = static_cast<int>(onsets.size());
    // Step down onto the goal from above, or up from below when the top of
    // the range leaves no room for the approach.
    int from = pitch >= target ? 1 : -1;
    if (from > 0 && ScaleStep(target, count - 1, last) > m_hi)
        from = -1;
    else if (from < 0 && ScaleStep(target, -(count - 1), last) < m_lo)
        from = 1;
    for (int k = 0; k < count; ++k)
    {
        const SChord& chord = ChordAt(chords, onsets[k].m_step);
        int p = k == count - 1 ? target : ScaleStep(target, from * (count - 1 - k), chord);
        bool strong = onsets[k].m_step % 4 == 0 || onsets[k].m_length >= 4;
        if (k < count - 1 && strong && !IsStable(p, chord))
        {
            int further = ScaleStep(p, from, chord);
            p = IsStable(further, chord) && further >= m_lo && further <= m_hi ? further : NearestChordTone(p, chord);
        }
        if (p < m_lo || p > m_hi)
            p = NearestChordTone(std::clamp(p, m_lo, m_hi), chord);
        bar.push_back({onsets[k].m_step, onsets[k].m_length, p});
    }
    pitch = target;
    return bar;
}

std::vector<CSongComposer::Bar> CSongComposer::MakeMelody(const std::vector<std::vector<SChord>>& chords, bool calm)
{
    std::vector<std::string> choices = RhythmsFor(calm);
    std::string first = PickRhythm(choices, "");
    std::string second = PickRhythm(choices, first);
    std::string third = PickRhythm(choices, second);
    const int tonic = m_style.m_tonic;
    int pitch = calm ? tonic + 7 : tonic + (m_random.Chance(0.5) ? 0 : 4);
    std::vector<Bar> bars(8);
    // Two four-bar phrases: statement, answer, statement again, half close;
    // then the opening once more, a climb to the high point and the full close.
    bars[0] = FreshBar(first, chords[0], pitch, tonic + (calm ? 9 : 4));
    bars[1] = FreshBar(second, chords[1], pitch, tonic + (calm ? 5 : 7));
    bars[2] = AdaptBar(bars[0], chords[0], chords[2]);
    pitch = bars[2].empty() ? pitch : bars[2].back().m_pitch;
    bars[3] = CadenceBar(CadenceRhythm(false), chords[3], pitch, false);
    bars[4] = AdaptBar(bars[0], chords[0], chords[4]);
    bars[5] = AdaptBar(bars[1], chords[1], chords[5]);
    pitch = bars[5].empty() ? pitch : bars[5].back().m_pitch;
    bars[6] = FreshBar(third, chords[6], pitch, tonic + (calm ? 11 : 9));
    bars[7] = CadenceBar(CadenceRhythm(true), chords[7], pitch, true);
    return bars;
}

std::vector<CSongComposer::Bar> CSongComposer::Ornament(const std::vector<Bar>& melody,
                                                        const std::vector<std::vector<SChord>>& chords)
{
    std::vector<Bar> result = melody;
    for (size_t b = 0; b < result.size(); ++b)
    {
        if (b == 3 || b == 7)
            continue;
        Bar bar;
        const Bar& source = result[b];
        for (size_t i = 0; i < source.size(); ++i)
        {
            const SMelodyNote& note = source[i];
            bool even = note.m_length % 2 == 0;
            if (even && ((note.m_length >= 8 && m_random.Chance(0.7)) || (note.m_length >= 4 && m_random.Chance(0.4))))
            {
                int half = note.m_length / 2;
                int next = i + 1 < source.size() ? source[i + 1].m_pitch : note.m_pitch + 2;
                const SChord& chord = ChordAt(chords[b], note.m_step + half);
                int p = ScaleStep(note.m_pitch, next >= note.m_pitch ? 1 : -1, chord);
                if (!IsStable(p, chord))
                    p = NearestChordTone(p, chord);
                bar.push_back({note.m_step, half, note.m_pitch});
                if (p < m_lo || p > m_hi)
                    p = NearestChordTone(std::clamp(p, m_lo, m_hi), chord);
                bar.push_back({note.m_step + half, note.m_length - half, p});
            }
            else
                bar.push_back(note);
        }
        result[b] = bar;
    }
    return result;
}

int CSongComposer::FoldInto(int pitch, int lo, int hi)
{
    while (pitch < lo)
        pitch += 12;
    while (pitch > hi)
        pitch -= 12;
    return pitch;
}

int CSongComposer::LeadNote(int pitch) const
{
    int base = CInstrumentBank::LeadBaseNote() - 12;
    return FoldInto(pitch, base, base + 35) - base;
}

int CSongComposer::BassNote(int pitch) const
{
    int base = CInstrumentBank::BassBaseNote() - 12;
    return FoldInto(pitch, base, base + 35) - base;
}

int CSongComposer::PadNote(int pitch) const
{
    int base = CInstrumentBank::PadBaseNote() - 12;
    return FoldInto(pitch, base, base + 35) - base;
}

int CSongComposer::BrokenNote(int pitch) const
{
    int base = CInstrumentBank::BrokenBaseNote(m_style.m_broken) - 12;
    return FoldInto(pitch, base, base + 35) - base;
}

void CSongComposer::SetNote(int row, int channel, int note, int sample)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    SModCell& cell = m_rows[row][channel];
    cell.m_note = note;
    cell.m_sample = sample;
    cell.m_effect = 0;
    cell.m_param = 0;
}

void CSongComposer::SetEffect(int row, int channel, int effect, int param)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    m_rows[row][channel].m_effect = effect;
    m_rows[row][channel].m_param = param;
}

void CSongComposer::PlaceControl(int row, int effect, int param)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    // Tempo and jumps must not be lost, so they take the first free effect
    // column, and if there is none, the harmony's (the least missed).
    const int order[] = {kDrums, kHarmony, kBass, kLead};
    for (int channel : order)
    {
        SModCell& cell = m_rows[row][channel];
        if (cell.m_effect == 0 && cell.m_param == 0)
        {
            SetEffect(row, channel, effect, param);
            return;
        }
    }
    SetEffect(row, kHarmony, effect, param);
}

int CSongComposer::BassRoot(const SChord& chord, int transpose) const
{
    // E2 up to D#3: low enough to carry, high enough for small speakers.
    return 40 + PitchClass(TonicClass() + chord.m_root + transpose - 4);
}

double CSongComposer::RowSeconds(int bpm) const
{
    return m_style.m_speed * 2.5 / bpm;
}

void CSongComposer::WriteLead(const SSection& section, int firstRow)
{
    const int steps = StepsPerBar();
    struct SPlaced
    {
        int m_row;
        int m_length;
        int m_pitch;
    };
    std::vector<SPlaced> notes;
    for (size_t b = 0; b < section.m_melody.size(); ++b)
        for (const SMelodyNote& note : section.m_melody[b])
            notes.push_back({firstRow + static_cast<int>(b) * steps + note.m_step, note.m_length,
                             note.m_pitch + section.m_transpose});
    bool sustains = CInstrumentBank::LeadSustains(m_style.m_lead);
    for (size_t i = 0; i < notes.size(); ++i)
    {
        const SPlaced& n = notes[i];
        SetNote(n.m_row, kLead, LeadNote(n.m_pitch), kLeadSample);
        if (!sustains)
            continue;
        int end = n.m_row + n.m_length;
        if (n.m_length >= 6)
            for (int r = n.m_row + 3; r < end; ++r)
                SetEffect(r, kLead, 0x4, 0x34);
        int next = i + 1 < notes.size() ? notes[i + 1].m_row : end + 1;
        if (end < next)
            SetEffect(end, kLead, 0xA, 0x06);
    }
}

void CSongComposer::WriteBass(const SSection& section, int firstRow)
{
    const int steps = StepsPerBar();
    int bars = static_cast<int>(section.m_chords.size());
    for (int b = 0; b < bars; ++b)
    {
        std::string pattern = m_style.m_meter == 3 ? kBass3[section.m_bassStyle % 4] : kBass4[section.m_bassStyle % 6];
        const std::vector<SChord>& bar = section.m_chords[b];
        const SChord& following = b + 1 < bars ? ChordAt(section.m_chords[b + 1], 0) : ChordAt(bar, 0);
        for (int s = 0; s < steps && s < static_cast<int>(pattern.size()); ++s)
        {
            const SChord& chord = ChordAt(bar, s);
            int root = BassRoot(chord, section.m_transpose);
            int row = firstRow + b * steps + s;
            int pitch = -1;
            switch (pattern[s])
            {
            case 'R':
                pitch = root;
                break;
            case 'F':
                pitch = root + 7;
                break;
            case 'O':
                pitch = root + 12;
                break;
            case 'T':
                pitch = root + (chord.m_minor ? 3 : 4);
                break;
            case 'A':
            {
                int next = BassRoot(following, section.m_transpose);
                pitch = next == root ? root + 7 : next + (next > root ? -1 : 1);
                break;
            }
            case '.':
                SetEffect(row, kBass, 0xA, 0x0F);
                break;
            default:
                break;
            }
            if (pitch >= 0)
                SetNote(row, kBass, BassNote(pitch), kBassSample);
        }
    }
}

void CSongComposer::WriteHarmony(const SSection& section, int firstRow)
{
    const int steps = StepsPerBar();
    int bars = static_cast<int>(section.m_chords.size());
    if (section.m_padChords)
    {
        SChord previous;
        bool havePrevious = false;
        for (int b = 0; b < bars; ++b)
        {
            const std::vector<SChord>& bar = section.m_chords[b];
            for (size_t c = 0; c < bar.size(); ++c)
            {
                const SChord& chord = bar[c];
                int step = c == 0 ? 0 : steps / 2;
                bool same = havePrevious && previous.m_root == chord.m_root && previous.m_minor == chord.m_minor;
                // A held chord is struck again every other bar so the pad breathes.
                if (!same || (step == 0 && b % 2 == 0))
                {
                    int root = 48 + PitchClass(TonicClass() + chord.m_root + section.m_transpose);
                    SetNote(firstRow + b * steps + step, kHarmony, PadNote(root), chord.m_minor ? kPadMinor : kPadMajor);
                }
                previous = chord;
                havePrevious = true;
            }
        }
        return;
    }
    std::string pattern =
        m_style.m_meter == 3 ? kBroken3[m_style.m_brokenStyle % 3] : kBroken4[m_style.m_brokenStyle % 4];
    int low = CInstrumentBank::BrokenBaseNote(m_style.m_broken) - 7;
    for (int b = 0; b < bars; ++b)
        for (int s = 0; s < steps && s < static_cast<int>(pattern.size()); ++s)
        {
            char symbol = pattern[s];
            if (symbol < '0' || symbol > '4')
                continue;
            const SChord& chord = ChordAt(section.m_chords[b], s);
            int root = low + PitchClass(TonicClass() + chord.m_root + section.m_transpose - low);
            int third = chord.m_minor ? 3 : 4;
            const int voicing[] = {root, root + 7, root + 12 + third, root + 12, root + 19};
            SetNote(firstRow + b * steps + s, kHarmony, BrokenNote(voicing[symbol - '0']), kBrokenSample);
        }
}

void CSongComposer::WriteDrums(const SSection& section, int firstRow)
{
    const int steps = StepsPerBar();
    int bars = static_cast<int>(section.m_chords.size());
    for (int b = 0; b < bars; ++b)
    {
        bool fill = section.m_fillLast && b == bars - 1;
        std::string pattern = m_style.m_meter == 3 ? (fill ? kFill3 : kDrums3[section.m_drumStyle % 4])
                                                    : (fill ? kFill4 : kDrums4[section.m_drumStyle % 7]);
        for (int s = 0; s < steps && s < static_cast<int>(pattern.size()); ++s)
        {
            int row = firstRow + b * steps + s;
            int note = CInstrumentBank::DrumNote();
            switch (pattern[s])
            {
            case 'K':
                SetNote(row, kDrums, note, section.m_crashFirst && b == 0 && s == 0 ? kKickCrash : kKick);
                break;
            case 'S':
                SetNote(row, kDrums, note, kSnare);
                if (fill && s >= steps / 2 && pattern[s - 1] == 'S')
                    SetEffect(row, kDrums, 0xC, 0x1C);
                break;
            case 'h':
                SetNote(row, kDrums, note, kHat);
                SetEffect(row, kDrums, 0xC, s % 4 == 0 ? 0x18 : s % 4 == 2 ? 0x13 : 0x0C);
                break;
            case 'o':
                SetNote(row, kDrums, note, kOpenHat);
                SetEffect(row, kDrums, 0xC, 0x15);
                break;
            case 'm':
                // The kick tuned up a few semitones makes a passable tom.
                SetNote(row, kDrums, note + 5, kKick);
                SetEffect(row, kDrums, 0xC, 0x24);
                break;
            case 't':
                SetNote(row, kDrums, note + 9, kKick);
                SetEffect(row, kDrums, 0xC, 0x24);
                break;
            default:
                break;
            }
        }
    }
}

void CSongComposer::WriteSection(const SSection& section)
{
    int firstRow = static_cast<int>(m_rows.size());
    m_rows.resize(m_rows.size() + section.m_chords.size() * StepsPerBar());
    WriteDrums(section, firstRow);
    WriteBass(section, firstRow);
    WriteHarmony(section, firstRow);
    WriteLead(section, firstRow);
}

void CSongComposer::WriteEnding(const SChord& tonic, int transpose)
{
    const int steps = StepsPerBar();
    const int fadeRows = 16;
    const int endBpm = std::max(60, m_style.m_bpm * 85 / 100);
    // The last chord rings, fades, and a good second of silence follows.
    int silentRows = static_cast<int>(std::ceil(1.3 / RowSeconds(endBpm)));
    int first = static_cast<int>(m_rows.size());
    m_rows.resize(m_rows.size() + fadeRows + silentRows);

    int lastLead = m_style.m_tonic;
    for (int r = first - 1; r >= 0; --r)
        if (m_rows[r][kLead].m_note >= 0)
        {
            lastLead = m_rows[r][kLead].m_note + CInstrumentBank::LeadBaseNote() - 12;
            break;
        }
    int tonicPitch = TonicClass() + transpose;
    int best = lastLead;
    for (int p = lastLead - 6; p <= lastLead + 6; ++p)
        if (PitchClass(p) == PitchClass(tonicPitch))
            best = p;
    SetNote(first, kLead, LeadNote(best), kLeadSample);
    SetNote(first, kBass, BassNote(BassRoot(tonic, transpose)), kBassSample);
    SetNote(first, kHarmony, PadNote(48 + PitchClass(tonicPitch + tonic.m_root)), tonic.m_minor ? kPadMinor : kPadMajor);
    SetNote(first, kDrums, CInstrumentBank::DrumNote(), kKickCrash);
    for (int r = first + 3; r < first + fadeRows; ++r)
    {
        SetEffect(r, kLead, 0xA, 0x01);
        SetEffect(r, kBass, 0xA, 0x01);
        SetEffect(r, kHarmony, 0xA, 0x01);
    }
    for (int c = 0; c < CModuleFile::kChannels; ++c)
        SetEffect(first + fadeRows, c, 0xC, 0x00);
    // Slow down into the last chord.
    PlaceControl(first - steps, 0xF, std::max(60, m_style.m_bpm * 93 / 100));
    PlaceControl(first, 0xF, endBpm);
}

CModuleFile CSongComposer::BuildModule()
{
    const int patternRows = StepsPerBar() * 4;
    int total = static_cast<int>(m_rows.size());
    // A shorter block ends its pattern with a break to the next position;
    // after the last block that ends the song.
    for (int start = 0; start < total; start += patternRows)
    {
        int end = std::min(total, start + patternRows);
        if (end - start < CModuleFile::kRows)
            PlaceControl(end - 1, 0xD, 0x00);
    }

    CModuleFile module(m_style.m_title);
    uint64_t seed = m_style.m_seed;
    module.AddSample(CInstrumentBank::MakeLead(m_style.m_lead));
    module.AddSample(CInstrumentBank::MakeBass(m_style.m_bass));
    module.AddSample(CInstrumentBank::MakePadChord(m_style.m_pad, false));
    module.AddSample(CInstrumentBank::MakePadChord(m_style.m_pad, true));
    module.AddSample(CInstrumentBank::MakeBroken(m_style.m_broken));
    module.AddSample(CInstrumentBank::MakeDrum(EDrum::Kick, seed));
    module.AddSample(CInstrumentBank::MakeDrum(EDrum::Snare, seed));
    module.AddSample(CInstrumentBank::MakeDrum(EDrum::ClosedHat, seed));
    module.AddSample(CInstrumentBank::MakeDrum(EDrum::OpenHat, seed));
    module.AddSample(CInstrumentBank::MakeDrum(EDrum::KickCrash, seed));

    std::map<std::vector<int>, int> known;
    for (int start = 0; start < total; start += patternRows)
    {
        CModuleFile::Pattern pattern{};
        std::vector<int> key;
        for (int r = start; r < std::min(total, start + patternRows); ++r)
            for (int c = 0; c < CModuleFile::kChannels; ++c)
            {
                pattern[r - start][c] = m_rows[r][c];
                const SModCell& cell = m_rows[r][c];
                key.insert(key.end(), {cell.m_note, cell.m_sample, cell.m_effect, cell.m_param});
            }
        key.push_back(std::min(total, start + patternRows) - start);
        auto found = known.find(key);
        int index = found != known.end() ? found->second : module.AddPattern(pattern);
        known[key] = index;
        module.AddOrder(index);
    }
    return module;
}

CModuleFile CSongComposer::Compose()
{
    m_rows.clear();
    auto eight = [](std::vector<std::vector<SChord>> bars) {
        if (bars.empty())
            bars.push_back({SChord()});
        std::vector<std::vector<SChord>> result;
        for (size_t i = 0; i < 8; ++i)
            result.push_back(bars[i % bars.size()]);
        return result;
    };
    std::vector<std::vector<SChord>> verse = eight(ParseProgression(m_style.m_verse));
    std::vector<std::vector<SChord>> bridge = eight(ParseProgression(m_style.m_bridge));
    std::vector<Bar> melodyA = MakeMelody(verse, false);
    std::vector<Bar> melodyA2 = Ornament(melodyA, verse);
    std::vector<Bar> melodyB = MakeMelody(bridge, true);
    std::vector<Bar> melodyB2 = Ornament(melodyB, bridge);

    int drums = m_style.m_drumStyle;
    int calmDrums = m_style.m_meter == 3 ? (drums == 2 ? 3 : 2) : (drums == 4 ? 2 : 4);
    int bass = m_style.m_bassStyle;
    int calmBass = bass == 0 ? 4 : 0;

    SSection intro;
    intro.m_chords.assign(verse.begin(), verse.begin() + 4);
    intro.m_padChords = true;
    intro.m_bassStyle = 0;
    intro.m_drumStyle = 0;
    intro.m_fillLast = true;
    WriteSection(intro);
    // The format pans its four channels hard left and right; draw the bass
    // and drums to the middle and spread the two voices a little.
    SetEffect(0, kBass, 0x8, 0x80);
    SetEffect(0, kDrums, 0x8, 0x80);
    SetEffect(0, kHarmony, 0x8, 0xB0);
    SetEffect(1, kLead, 0x8, 0x50);
    if (m_style.m_speed != 6)
        PlaceControl(0, 0xF, m_style.m_speed);
    PlaceControl(0, 0xF, m_style.m_bpm);

    SSection verseA{verse, melodyA, 0, true, bass, drums, true, true};
    WriteSection(verseA);
    SSection verseA2{verse, melodyA2, 0, false, bass, drums, true, true};
    WriteSection(verseA2);
    SSection bridgeB{bridge, melodyB, 0, true, calmBass, calmDrums, true, true};
    WriteSection(bridgeB);
    if (m_style.m_long)
    {
        SSection verseA3{verse, melodyA, 0, true, bass, drums, true, true};
        WriteSection(verseA3);
        SSection bridgeB2{bridge, melodyB2, 0, false, calmBass, calmDrums, true, true};
        WriteSection(bridgeB2);
    }
    int lift = m_style.m_modulate;
    SSection last{verse, melodyA2, lift, false, bass, drums, true, true};
    WriteSection(last);

    SSection outro;
    outro.m_chords.assign(verse.begin() + 4, verse.end());
    outro.m_melody.assign(melodyA.begin() + 4, melodyA.end());
    outro.m_transpose = lift;
    outro.m_padChords = true;
    outro.m_bassStyle = calmBass;
    outro.m_drumStyle = calmDrums;
    outro.m_crashFirst = true;
    WriteSection(outro);

    SChord home;
    home.m_minor = m_style.m_scale == EScale::Minor || m_style.m_scale == EScale::Dorian;
    WriteEnding(home, lift);
    return BuildModule();
}
