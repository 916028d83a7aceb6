#include "tools/soundgen/CSongBook.h"
#include "tools/soundgen/CSongComposer.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
struct STimedRow
{
    CModuleFile::Pattern::value_type m_cells;
    double m_seconds;
};

// The song as it plays: positions in order, each pattern up to its break,
// every row with the length its tempo gives it.
std::vector<STimedRow> Timeline(const CModuleFile& module)
{
    std::vector<STimedRow> rows;
    int speed = 6;
    int bpm = 125;
    for (int order : module.GetOrders())
    {
        const CModuleFile::Pattern& pattern = module.GetPatterns()[order];
        for (const auto& row : pattern)
        {
            bool breaks = false;
            for (const SModCell& cell : row)
            {
                if (cell.m_effect == 0xF && cell.m_param > 0)
                    (cell.m_param < 32 ? speed : bpm) = cell.m_param;
                breaks = breaks || cell.m_effect == 0xD;
            }
            rows.push_back({row, speed * 2.5 / bpm});
            if (breaks)
                break;
        }
    }
    return rows;
}

double Length(const std::vector<STimedRow>& rows)
{
    double total = 0.0;
    for (const STimedRow& row : rows)
        total += row.m_seconds;
    return total;
}

CModuleFile ComposeTrack(int index)
{
    CSongComposer composer(CSongBook::GetStyles()[index]);
    return composer.Compose();
}

class EverySong : public ::testing::TestWithParam<int>
{
};
}

TEST(CSongComposer, ProgressionReadsRomanNumeralsAndSharedBarsAndFallsBackToTheTonic)
{
    // Each bar's chords as root (semitones above the tonic) and 'm' for minor.
    const struct
    {
        const char* text;
        std::vector<std::string> bars;
    } cases[] = {{"I vi,IV bVII", {"0", "9m 5", "10"}}, {"Q7 IIII", {"0", "0"}}};
    for (const auto& c : cases)
    {
        std::vector<std::string> bars;
        for (const auto& bar : CSongComposer::ParseProgression(c.text))
        {
            std::string text;
            for (const auto& chord : bar)
                text += (text.empty() ? "" : " ") + std::to_string(chord.m_root) + (chord.m_minor ? "m" : "");
            bars.push_back(text);
        }
        EXPECT_EQ(bars, c.bars) << c.text;
    }
}

TEST(CSongBook, NoTwoTunesShareTheirPatterns)
{
    std::set<std::vector<uint8_t>> seen;
    for (int i = 0; i < 15; ++i)
    {
        std::vector<uint8_t> bytes = ComposeTrack(i).Serialise();
        std::vector<uint8_t> patterns(bytes.begin() + 1084, bytes.begin() + 1084 + 4 * 1024);
        EXPECT_TRUE(seen.insert(patterns).second) << "tune " << i;
    }
}

TEST_P(EverySong, HasMelodyBassAndDrumsThroughout)
{
    CModuleFile module = ComposeTrack(GetParam());
    std::vector<STimedRow> rows = Timeline(module);
    int notes[CModuleFile::kChannels] = {};
    for (const STimedRow& row : rows)
        for (int c = 0; c < CModuleFile::kChannels; ++c)
        {
            const SModCell& cell = row.m_cells[c];
            if (cell.m_note >= 0)
            {
                ++notes[c];
                EXPECT_GT(CModuleFile::PeriodOf(cell.m_note), 0);
                EXPECT_GE(cell.m_sample, 1);
                EXPECT_LE(cell.m_sample, static_cast<int>(module.GetSamples().size()));
            }
        }
    double bars = Length(rows) / 2.5;
    EXPECT_GT(notes[0], bars * 2) << "melody";
    EXPECT_GT(notes[1], bars * 2) << "bass";
    EXPECT_GT(notes[2], bars * 4) << "drums";
    EXPECT_GT(notes[3], bars * 0.5) << "harmony";
}

TEST_P(EverySong, DownbeatMelodyNeverClashesWithTheBass)
{
    const SSongStyle& style = CSongBook::GetStyles()[GetParam()];
    std::vector<STimedRow> rows = Timeline(ComposeTrack(GetParam()));
    const int barRows = style.m_meter * 4;
    int checked = 0;
    for (size_t r = 0; r < rows.size(); r += barRows)
    {
        const SModCell& lead = rows[r].m_cells[0];
        const SModCell& bass = rows[r].m_cells[1];
        if (lead.m_note < 0 || bass.m_note < 0)
            continue;
        int interval = ((lead.m_note + 48) - (bass.m_note + 36)) % 12;
        EXPECT_NE(interval, 1) << "row " << r;
        EXPECT_NE(interval, 6) << "row " << r;
        EXPECT_NE(interval, 11) << "row " << r;
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

INSTANTIATE_TEST_SUITE_P(CSongBook, EverySong, ::testing::Range(0, 15));
