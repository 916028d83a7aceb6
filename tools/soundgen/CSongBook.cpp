#include "tools/soundgen/CSongBook.h"

#include "tools/soundgen/CSongComposer.h"

#include <cstdio>

namespace
{
SSongStyle Style(const char* title, uint64_t seed, int tonic, EScale scale, int bpm, int meter, ELead lead, EBass bass,
                 EPad pad, EBroken broken, const char* verse, const char* bridge, int bassStyle, int drumStyle,
                 int brokenStyle, bool isLong, int modulate)
{
    SSongStyle s;
    s.m_title = title;
    s.m_seed = seed;
    s.m_tonic = tonic;
    s.m_scale = scale;
    s.m_bpm = bpm;
    s.m_meter = meter;
    s.m_lead = lead;
    s.m_bass = bass;
    s.m_pad = pad;
    s.m_broken = broken;
    s.m_verse = verse;
    s.m_bridge = bridge;
    s.m_bassStyle = bassStyle;
    s.m_drumStyle = drumStyle;
    s.m_brokenStyle = brokenStyle;
    s.m_long = isLong;
    s.m_modulate = modulate;
    return s;
}
}

const std::vector<SSongStyle>& CSongBook::GetStyles()
{
    // Keys, tempi, metres and timbres are spread so that no two neighbours
    // in the playlist sound alike. Every verse closes on its tonic.
    static const std::vector<SSongStyle> styles = {
        Style("Marblewend", 101, 72, EScale::Major, 118, 4, ELead::PulseSweep, EBass::Round, EPad::Strings,
              EBroken::Harp, "I V vi IV I V IV,V I", "IV V iii vi ii V IV V", 1, 1, 0, false, 0),
        Style("Rolling Along", 202, 67, EScale::Major, 132, 4, ELead::Flute, EBass::Pluck, EPad::Organ,
              EBroken::Marimba, "I IV I V I IV V I", "vi IV I V vi IV ii V", 2, 2, 1, true, 2),
        Style("Quiet Stones", 303, 69, EScale::Minor, 92, 4, ELead::Reed, EBass::Triangle, EPad::Warm, EBroken::Harp,
              "i iv bVII bIII bVI iv V i", "bVI bVII i i bVI bVII V V", 0, 4, 3, false, 0),
        Style("Brick Waltz", 404, 65, EScale::Major, 132, 3, ELead::Celesta, EBass::Round, EPad::Strings,
              EBroken::Glocken, "I IV V I vi ii V I", "IV I ii V vi IV V V", 1, 1, 0, true, 0),
        Style("Market Square", 505, 74, EScale::Dorian, 124, 4, ELead::Brass, EBass::Synth, EPad::Organ,
              EBroken::Marimba, "i IV i IV i IV bVII i", "bVII IV i i bVII IV v v", 5, 6, 2, true, 0),
        Style("Sunny Field", 606, 74, EScale::Major, 140, 4, ELead::SoftSquare, EBass::Pluck, EPad::Strings,
              EBroken::Glocken, "I vi ii V I vi IV,V I", "IV IV I I IV IV V V", 2, 3, 0, true, 1),
        Style("Night Puzzle", 707, 64, EScale::Minor, 100, 4, ELead::Flute, EBass::Round, EPad::Warm, EBroken::Harp,
              "i bVI bIII bVII iv bVI V i", "iv v i i iv bVI bVII V", 0, 4, 1, false, 0),
        Style("Clockwork", 808, 70, EScale::Major, 128, 4, ELead::PulseSweep, EBass::Synth, EPad::Organ,
              EBroken::Marimba, "I iii IV V I iii IV,V I", "vi iii IV I vi iii ii V", 3, 5, 2, false, 2),
        Style("Slow River", 909, 63, EScale::Major, 84, 4, ELead::Celesta, EBass::Triangle, EPad::Strings,
              EBroken::Harp, "I iii vi IV ii V V I", "IV V iii vi IV V I I", 0, 4, 1, false, 0),
        Style("Stone Dance", 1010, 69, EScale::Minor, 144, 3, ELead::SoftSquare, EBass::Pluck, EPad::Organ,
              EBroken::Marimba, "i iv V i i iv V i", "bVI bVII i i bVI iv V V", 2, 2, 1, true, 0),
        Style("Blue Slide", 1111, 65, EScale::Mixolydian, 112, 4, ELead::Brass, EBass::Round, EPad::Warm,
              EBroken::Harp, "I bVII IV I I bVII IV I", "IV IV I I bVII bVII V V", 4, 1, 3, false, 0),
        Style("Glass Garden", 1212, 64, EScale::Major, 120, 4, ELead::Celesta, EBass::Triangle, EPad::Strings,
              EBroken::Glocken, "I V vi iii IV I IV,V I", "vi V IV V vi V IV V", 1, 4, 0, true, 0),
        Style("Hopscotch", 1313, 69, EScale::Major, 146, 4, ELead::SoftSquare, EBass::Synth, EPad::Organ,
              EBroken::Marimba, "I IV vi V I IV V I", "ii V I vi ii V IV V", 2, 5, 2, true, 2),
        Style("Evening Lights", 1414, 72, EScale::Minor, 96, 4, ELead::Flute, EBass::Triangle, EPad::Warm,
              EBroken::Harp, "i bVII bVI V i bVII iv i", "bIII bVII iv i bVI bIII iv V", 4, 4, 1, true, 0),
        Style("Last Brick", 1515, 67, EScale::Major, 126, 4, ELead::PulseSweep, EBass::Round, EPad::Strings,
              EBroken::Glocken, "I V vi iii IV I ii,V I", "IV V vi I IV V ii V", 1, 2, 0, true, 1),
    };
    return styles;
}

std::string CSongBook::PathOf(int index)
{
    char name[32];
    std::snprintf(name, sizeof(name), "data/music/%03d.mod", index);
    return name;
}

std::vector<uint8_t> CSongBook::MakeModule(int index)
{
    const std::vector<SSongStyle>& styles = GetStyles();
    if (index < 0 || index >= static_cast<int>(styles.size()))
        return {};
    CSongComposer composer(styles[index]);
    return composer.Compose().Serialise();
}
