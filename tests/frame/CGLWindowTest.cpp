#include "tests/frame/CGLWindowTest.h"

#include "engine/gfx/CTexture.h"
#include "platform/CPlatform.h"

void CGLWindowTest::SetUp()
{
    if (!CPlatform::Init())
        GTEST_SKIP() << "no display";
    CTexture::SetUploadEnabled(true);
    m_window = std::make_unique<CAppWindow>("Marblewend", nullptr);
    if (!m_window->CreateWindowed("Marblewend", 0, 0, 640, 480))
        GTEST_SKIP() << "no GL window";
}

void CGLWindowTest::TearDown()
{
    if (m_window)
        m_window->Destroy();
    m_window.reset();
    CTexture::SetUploadEnabled(false);
    CPlatform::Shutdown();
}
