#include "tests/widgets/CWidgetTestKit.h"

#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidget.h"
#include "tests/files/CTestPictures.h"

std::unique_ptr<CTexture> MakeTexture(int width, int height)
{
    CTexture::SetUploadEnabled(false);
    const auto tga = CTestPictures::Tga(width, height, 32, std::vector<unsigned char>(width * height * 4u, 0));
    auto texture = std::make_unique<CTexture>();
    EXPECT_TRUE(texture->DecodeTga(tga.data(), tga.size(), false, false));
    return texture;
}

bool ApplyStep(CWidget& widget, const SWidgetStep& step, bool& handled)
{
    switch (step.input)
    {
    case 'm': handled = widget.OnMouseMove(step.x, step.y, 0); return true;
    case 'd': handled = widget.OnLButtonDown(step.x, step.y, 0); return true;
    case 'u': handled = widget.OnLButtonUp(step.x, step.y, 0); return true;
    case 'r': widget.Reset(); return true;
    default: return false;
    }
}
