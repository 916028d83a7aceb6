#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CLight.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"
#include "tests/gfx/CGfxTestFiles.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
class CResManagerTest : public ::testing::Test
{
protected:
    CGfxTestFiles m_files;
    CFilePack m_pack;
};
}

TEST_F(CResManagerTest, FirstResourceAddedUnderANameWinsAndNamesMatchExactly)
{
    CResManager manager(&m_pack);
    CTexture* first = manager.AddTexture(m_files.WriteTga("a.tga", 4, 4).c_str(), "pic", false, false);
    CTexture* second = manager.AddTexture(m_files.WriteTga("b.tga", 8, 8).c_str(), "pic", false, false);
    EXPECT_NE(first, second);
    EXPECT_EQ(manager.FindTexture("pic"), first);
    for (const char* other : {"Pic", "pi", static_cast<const char*>(nullptr)})
        EXPECT_EQ(manager.FindTexture(other), nullptr);
    // An undecodable picture stays findable as an empty texture.
    CTexture* bad = manager.AddTexture(m_files.Write("bad.tga", "not a picture").c_str(), "bad", true, true);
    EXPECT_EQ(manager.FindTexture("bad"), bad);
    EXPECT_EQ(bad->GetId(), 0u);
}

TEST_F(CResManagerTest, ConfigGroupIsParsedAndFoundByNameAndAMissingFileRaises)
{
    CResManager manager(&m_pack);
    manager.AddConfig(m_files.Write("menu.txt", "m_title \"two words\"\n").c_str(), "main_menu");
    ASSERT_NE(manager.FindConfig("main_menu"), nullptr);
    EXPECT_EQ(manager.FindConfig("main_menu")->GetValue("m_title", "0"), "two words");
    EXPECT_EQ(manager.FindConfig("remover_menu"), nullptr);
    EXPECT_THROW(manager.AddConfig(m_files.Path("none.txt").c_str(), "none"), CFilePackError);
    EXPECT_EQ(manager.FindConfig("none"), nullptr);
}

// A dead manager leaves what it only named alive, and the list of managers.
TEST_F(CResManagerTest, ObjectRegisteredTwiceIsFoundUntilBothAreWithdrawnAndADeadManagerLeavesItAlive)
{
    int first = 1;
    int second = 2;
    CLight light;
    CResManager main(&m_pack);
    {
        CResManager manager(&m_pack);
        manager.RegisterObject(&first, "current_res_manager");
        manager.RegisterObject(&second, "current_res_manager");
        EXPECT_EQ(manager.GetObject("current_res_manager"), &second);
        manager.UnregisterObject("current_res_manager");
        EXPECT_EQ(manager.GetObject("current_res_manager"), &second);
        manager.UnregisterObject("current_res_manager");
        EXPECT_EQ(manager.GetObject("current_res_manager"), nullptr);
        manager.UnregisterObject("current_res_manager");
        EXPECT_EQ(manager.GetObjectCount(), 0u);
        manager.RegisterObject(&first, "m_bricks_remover_game_param");
        manager.AddLight(&light, "BRField");
        EXPECT_EQ(manager.FindLight("BRField"), &light);
    }
    EXPECT_EQ(first, 1);
    EXPECT_TRUE(light.HasNumber());
    EXPECT_EQ(CResManager::GetManagers(), (std::vector<CResManager*>{&main}));
}

TEST_F(CResManagerTest, DestroyedLightIsWithdrawnFromEveryManagerAndARemovedOneFromOne)
{
    CResManager main(&m_pack);
    CResManager menu(&m_pack);
    CLight keep;
    auto field = std::make_unique<CLight>();
    main.AddLight(field.get(), "BRField");
    menu.AddLight(field.get(), "BRField");
    menu.AddLight(&keep, "BSField");
    field.reset();
    EXPECT_EQ(main.FindLight("BRField"), nullptr);
    EXPECT_EQ(menu.FindLight("BRField"), nullptr);
    EXPECT_EQ(menu.FindLight("BSField"), &keep);
    EXPECT_EQ(main.GetLightCount(), 0u);
    EXPECT_EQ(menu.GetLightCount(), 1u);
    // Removing a light forgets it in that manager only.
    main.AddLight(&keep, "one");
    menu.RemoveLight(&keep);
    EXPECT_EQ(main.FindLight("one"), &keep);
    EXPECT_EQ(menu.FindLight("BSField"), nullptr);
}

// Models follow a reload too: see CModelTest.ReloadRebuildsInPlaceAndCopiesFollowIt.
TEST_F(CResManagerTest, ReloadReadsEveryResourceAgainFromItsFile)
{
    CResManager main(&m_pack);
    CResManager menu(&m_pack);
    std::string picture = m_files.WriteTga("skin.tga", 4, 4);
    CTexture* texture = menu.AddTexture(picture.c_str(), "skin", true, false);
    std::string sheet = m_files.WriteTga("sheet.tga", 64, 32);
    std::string spr = m_files.Write("s.spr", "file_name " + sheet + "\nframes 4\ngroups 2\n");
    CSprite* sprite = main.AddSprite(spr.c_str(), "atmosperic_sparkle");
    EXPECT_FLOAT_EQ(sprite->GetWidth(), 16.0f);

    // New pictures between the two contexts show that the files are read again.
    m_files.WriteTga("skin.tga", 16, 8);
    m_files.WriteTga("sheet.tga", 128, 64);
    CResManager::ReleaseAllGL();
    CResManager::ReloadAllGL();

    EXPECT_EQ(menu.FindTexture("skin"), texture);
    EXPECT_EQ(texture->GetWidth(), 16);
    EXPECT_EQ(texture->GetHeight(), 8);
    EXPECT_EQ(main.FindSprite("atmosperic_sparkle"), sprite);
    EXPECT_FLOAT_EQ(sprite->GetWidth(), 32.0f);
    EXPECT_FLOAT_EQ(sprite->GetHeight(), 32.0f);
}
