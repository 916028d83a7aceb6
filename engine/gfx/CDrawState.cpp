#include "engine/gfx/CDrawState.h"

#include <GL/gl.h>

#include "engine/gfx/CDraw2D.h"

namespace
{
struct SSwitch
{
    GLenum cap;
    const char* name;
};

// Everything a screen, a dialog or a game switches on while it draws.
const SSwitch kSwitches[] = {
    {GL_DEPTH_TEST, "depth test"}, {GL_ALPHA_TEST, "alpha test"},     {GL_BLEND, "blending"},
    {GL_TEXTURE_2D, "texturing"},  {GL_LIGHTING, "lighting"},         {GL_COLOR_MATERIAL, "colour material"},
    {GL_CULL_FACE, "culling"},     {GL_SCISSOR_TEST, "scissor test"}, {GL_FOG, "fog"},
};
}

void CDrawState::Rest()
{
    for (const SSwitch& s : kSwitches)
        glDisable(s.cap);
    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    CDraw2D::SetAlphaBlendFunc();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

std::string CDrawState::DescribeChanges()
{
    std::string changes;
    auto add = [&changes](const char* what) {
        if (!changes.empty())
            changes += ", ";
        changes += what;
    };
    for (const SSwitch& s : kSwitches)
        if (glIsEnabled(s.cap))
            add(s.name);
    GLboolean depthMask = GL_TRUE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    if (!depthMask)
        add("depth not written");
    GLboolean colorMask[4] = {GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE};
    glGetBooleanv(GL_COLOR_WRITEMASK, colorMask);
    if (!colorMask[0] || !colorMask[1] || !colorMask[2] || !colorMask[3])
        add("colour masked");
    GLint env = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    if (env != GL_MODULATE)
        add("texture environment");
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    if (source != GL_SRC_ALPHA || destination != GL_ONE_MINUS_SRC_ALPHA)
        add("blend function");
    GLfloat color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glGetFloatv(GL_CURRENT_COLOR, color);
    if (color[0] != 1.0f || color[1] != 1.0f || color[2] != 1.0f || color[3] != 1.0f)
        add("colour");
    return changes;
}
