#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

#include "engine/files/CConfigFile.h"
#include "games/filler/CFillerParams.h"
#include "tests/files/CTempDir.h"

TEST(FillerParams, SettingsAreReadOutOfRangeAsTheFirstChoiceAndWrittenBack)
{
    struct { const char* text; int size, difficulty; bool animation; } cases[] = {
        {nullptr, 0, 0, true},
        {"remover_last_size 3\nremover_last_difficult 2\nm_animation 0\n", 3, 2, false},
        {"remover_last_size 9\nremover_last_difficult -4\n", 0, 0, true},
    };
    for (const auto& c : cases)
    {
        CTempDir dir;
        mkdir(dir.File("data").c_str(), 0755);
        if (c.text)
        {
            CConfigFile store;
            store.LoadFromBuffer(reinterpret_cast<const unsigned char*>(c.text), std::strlen(c.text), true);
            store.Save(dir.File("data/filler.cfg"), "394m612z", 8);
        }
        CFillerParams params;
        params.SetDataRoot(dir.GetPath());
        params.LoadSettings();
        EXPECT_EQ(c.size, params.GetLastSize()) << (c.text ? c.text : "no file");
        EXPECT_EQ(c.difficulty, params.GetLastDifficulty());
        EXPECT_EQ(c.animation, params.GetAnimation());

        params.SaveSettings();
        CFillerParams again;
        again.SetDataRoot(dir.GetPath());
        again.LoadSettings();
        EXPECT_EQ(c.animation, again.GetAnimation());
        EXPECT_TRUE(CTempDir::Exists(dir.File("data/scores7" + std::to_string(c.difficulty) + "3.tab")));
    }
}
