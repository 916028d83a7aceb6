#pragma once
// A test with the program's real window and GL context (run under a virtual
// display), pictures uploaded as in the game; each test skips itself when no
// display or no GL window can be had.

#include <gtest/gtest.h>

#include <memory>

#include "engine/frame/CAppWindow.h"

class CGLWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<CAppWindow> m_window;
};
