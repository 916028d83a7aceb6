#include "games/designer/CDesignerHandView.h"

#include <algorithm>
#include <cmath>

#include <GL/gl.h>

#include "engine/frame/CViewParams.h"
#include "engine/gfx/CModel.h"
#include "games/designer/CDesignerFigure.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"

namespace
{
const float LOGICAL_WIDTH = 800.0f;
const float LOGICAL_HEIGHT = 600.0f;

}

bool CDesignerHandView::FindScreenRect(const CDesignerFigure& figure, const CViewParams& view, float tilt,
                                       CDraw2D::SRect& rect)
{
    const CModel* model = figure.GetModel();
    const float cell = figure.GetCellSize();
    // A loaded mesh is centred in a unit box, so each cell's model, turned
    // by quarters about the cell's centre, stays within half its largest
    // side of it.
    float reach = cell;
    if (model)
        reach = std::max({reach, model->GetScaledSizeX(), model->GetScaledSizeY(), model->GetScaledSizeZ()});
    reach /= 2.0f;
    // The cells' centres around the figure's; while the figure turns about
    // its centre, a circle through its farthest cells' corners.
    float halfX = (figure.GetWidthWorld() - cell) / 2.0f + reach;
    float halfY = (figure.GetHeightWorld() - cell) / 2.0f + reach;
    if (model && model->GetAngleZ() != 0.0f)
        halfX = halfY = std::hypot(halfX, halfY);
    const CVector4& at = figure.GetPosition();
    return ProjectBoardBox(view, tilt, CVector4(at.x - halfX, at.y - halfY, at.z - reach),
                      CVector4(at.x + halfX, at.y + halfY, at.z + reach), rect);
}

bool CDesignerHandView::Overlap(const CDraw2D::SRect& a, const CDraw2D::SRect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool CDesignerHandView::Prepare(const CDesignerFigure* figure, const CViewParams& view, float tilt, bool canGoLive,
                                std::vector<CDraw2D::SRect>& redrawn)
{
    CFramePrint print;
    if (figure)
        figure->AddToPrint(print);
    m_still_frames = print.GetBytes() == m_print ? m_still_frames + 1 : 0;
    m_print.swap(print.GetBytes());
    CDraw2D::SRect rect;
    if (!figure || !canGoLive || m_still_frames >= STILL_FRAMES || !FindScreenRect(*figure, view, tilt, rect) ||
        Overlap(rect, HUD_AREA))
    {
        // Drawn among the rest, in a frame drawn whole: nothing to restore.
        m_has_last = false;
        return false;
    }
    redrawn.push_back(rect);
    if (m_has_last)
        redrawn.push_back(m_last);
    m_last = rect;
    m_has_last = true;
    return true;
}

void CDesignerHandView::DrawLive(const std::function<void()>& draw)
{
    if (!m_has_last)
        return;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float sx = viewport[2] / LOGICAL_WIDTH, sy = viewport[3] / LOGICAL_HEIGHT;
    // Whole pixels around the logical rectangle, inside the viewport.
    const int left = std::max(0, static_cast<int>(std::floor(m_last.x * sx)) - 1);
    const int right = std::min(viewport[2], static_cast<int>(std::ceil((m_last.x + m_last.width) * sx)) + 1);
    const int bottom =
        std::max(0, static_cast<int>(std::floor(viewport[3] - (m_last.y + m_last.height) * sy)) - 1);
    const int top = std::min(viewport[3], static_cast<int>(std::ceil(viewport[3] - m_last.y * sy)) + 1);
    if (right <= left || top <= bottom)
        return;
    if (!m_layer.Begin(left, bottom, right - left, top - bottom))
    {
        draw();
        return;
    }
    draw();
    m_layer.End();
    m_layer.Draw(true);
}
