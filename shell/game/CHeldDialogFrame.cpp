#include "shell/game/CHeldDialogFrame.h"

#include <algorithm>
#include <cmath>

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CDialog.h"
#include "engine/frame/CGameApp.h"
#include "engine/frame/CScreen.h"
#include "engine/gfx/CBackSparkle.h"
#include "engine/gfx/CDrawState.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSparkleLists.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidget.h"
#include "shell/game/GameLookup.h"

CHeldDialogFrame::EMode CHeldDialogFrame::Choose(const SState& state)
{
    if (!state.sizeFits || !state.newest)
        return EMode::Whole;
    if (state.held && state.sameLook && state.holdsLastFrame)
        return EMode::Partial;
    return EMode::Capture;
}

CDrawnOverCells CHeldDialogFrame::SparkleCells(const CSparkleLists* sparkles, const CSprite* sprite, float width,
                                               float height)
{
    CDrawnOverCells cells;
    // An empty grid of the screen's size, whatever is marked after.
    cells.Mark(-width, -height, 0.0f, 0.0f, width, height);
    if (sparkles != nullptr && sprite != nullptr)
    {
        const float margin = kSparkleStepReach * kSparkleSteps;
        cells.MarkBackSparkles(*sparkles, *sprite, width, height, nullptr, nullptr, margin);
        // One born in this frame's steps starts below the screen's foot and
        // may reach into it at once.
        const float top = CBackSparkle::kStartY - CDrawnOverCells::BackSparkleReach(*sprite) - margin;
        if (top < height)
            cells.Mark(0.0f, top, width, height - top, width, height);
    }
    else
        cells.Mark(0.0f, 0.0f, width, height, width, height);
    return cells;
}

std::vector<bool> CHeldDialogFrame::LiveToDraw(CDrawnOverCells& cells, const std::vector<CDraw2D::SRect>& live,
                                               const std::vector<float>& look,
                                               const std::vector<CDraw2D::SRect>& lastLive,
                                               const std::vector<float>& lastLook, float width, float height)
{
    std::vector<bool> which(live.size(), false);
    auto mark = [&](const CDraw2D::SRect& rect) { cells.Mark(rect.x, rect.y, rect.width, rect.height, width, height); };
    for (std::size_t i = 0; i < live.size(); ++i)
    {
        const bool same = i < lastLive.size() && i < lastLook.size() && i < look.size() && look[i] == lastLook[i] &&
                          live[i] == lastLive[i];
        if (same)
            continue;
        which[i] = true;
        mark(live[i]);
        if (i < lastLive.size())
            mark(lastLive[i]);
    }
    // A part that drew nothing new was left where it was; one whose rectangle
    // is drawn over is drawn again whole, which may take in another.
    for (std::size_t i = live.size(); i < lastLive.size(); ++i)
        mark(lastLive[i]);
    for (bool grew = true; grew;)
    {
        grew = false;
        for (std::size_t i = 0; i < live.size(); ++i)
            if (!which[i] && cells.Touches(live[i]))
            {
                which[i] = true;
                mark(live[i]);
                grew = true;
            }
    }
    return which;
}

std::vector<CDraw2D::SRect> CHeldDialogFrame::LiveDepthClears(const std::vector<CDraw2D::SRect>& live,
                                                              const std::vector<bool>& which)
{
    // The share of the rectangle round them all that may lie outside the parts.
    constexpr float kRoundWaste = 0.25f;
    std::vector<CDraw2D::SRect> apart;
    float x0 = 0.0f, y0 = 0.0f, x1 = 0.0f, y1 = 0.0f, area = 0.0f;
    for (std::size_t i = 0; i < live.size() && i < which.size(); ++i)
    {
        if (!which[i])
            continue;
        const CDraw2D::SRect& rect = live[i];
        const bool first = apart.empty();
        x0 = first ? rect.x : std::min(x0, rect.x);
        y0 = first ? rect.y : std::min(y0, rect.y);
        x1 = first ? rect.x + rect.width : std::max(x1, rect.x + rect.width);
        y1 = first ? rect.y + rect.height : std::max(y1, rect.y + rect.height);
        area += rect.width * rect.height;
        apart.push_back(rect);
    }
    if (apart.size() > 1 && (x1 - x0) * (y1 - y0) <= area * (1.0f + kRoundWaste))
        return {{x0, y0, x1 - x0, y1 - y0}};
    return apart;
}

CDrawnOverCells CHeldDialogFrame::CellsUnder(const CDrawnOverCells& cells, const CDraw2D::SRect& opaque,
                                             const CContentCover& cover, float width, float height)
{
    return CellsUnder(cells, std::vector<CDraw2D::SRect>{opaque}, cover, width, height);
}

std::vector<CDraw2D::SRect> CHeldDialogFrame::OpaqueBands(const SLayers& layers)
{
    const CDraw2D::SRect& o = layers.opaque;
    if (o.width <= 0.0f || o.height <= 0.0f)
        return {};
    const float cw = std::clamp(layers.opaqueCornerWidth, 0.0f, o.width / 2.0f);
    const float ch = std::clamp(layers.opaqueCornerHeight, 0.0f, o.height / 2.0f);
    if (cw <= 0.0f || ch <= 0.0f)
        return {o};
    return {{o.x, o.y + ch, o.width, o.height - 2.0f * ch}, {o.x + cw, o.y, o.width - 2.0f * cw, o.height}};
}

CDrawnOverCells CHeldDialogFrame::CellsUnder(const CDrawnOverCells& cells, const std::vector<CDraw2D::SRect>& opaque,
                                             const CContentCover& cover, float width, float height)
{
    CDrawnOverCells under;
    under.Mark(-width, -height, 0.0f, 0.0f, width, height);
    const int columns = cells.GetColumns();
    const std::vector<bool>& marked = cells.GetCells();
    const float cell = CDrawnOverCells::kCell;
    for (std::size_t i = 0; columns > 0 && i < marked.size(); ++i)
    {
        if (!marked[i])
            continue;
        const int column = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        const float x = column * cell, y = row * cell;
        // A cell of the last row or column may reach beyond the screen.
        const float x1 = std::min(x + cell, width), y1 = std::min(y + cell, height);
        const bool hidden = std::any_of(opaque.begin(), opaque.end(), [&](const CDraw2D::SRect& o) {
            return x >= o.x && y >= o.y && x1 <= o.x + o.width && y1 <= o.y + o.height;
        });
        if (hidden || cover.At(column, row) == CContentCover::kOpaque)
            continue;
        // Inset, so that the mark stays within this one cell.
        under.Mark(x + 1.0f, y + 1.0f, cell - 2.0f, cell - 2.0f, width, height);
    }
    return under;
}

void CHeldDialogFrame::SplitGround(const std::vector<CDraw2D::SRect>& ground, const CDraw2D::SRect& opaque,
                                   std::vector<CDraw2D::SRect>& copied, std::vector<CDraw2D::SRect>& drawn)
{
    copied.clear();
    drawn.clear();
    const float ox1 = opaque.x + opaque.width, oy1 = opaque.y + opaque.height;
    for (const CDraw2D::SRect& part : ground)
    {
        const float x1 = part.x + part.width, y1 = part.y + part.height;
        const float cx0 = std::max(part.x, opaque.x), cx1 = std::min(x1, ox1);
        const float cy0 = std::max(part.y, opaque.y), cy1 = std::min(y1, oy1);
        if (opaque.width <= 0.0f || opaque.height <= 0.0f || cx0 >= cx1 || cy0 >= cy1)
        {
            drawn.push_back(part);
            continue;
        }
        copied.push_back({cx0, cy0, cx1 - cx0, cy1 - cy0});
        // What lies outside the opaque rectangle: the bands above and below
        // it, then the pieces left and right of it between them.
        if (part.y < cy0)
            drawn.push_back({part.x, part.y, part.width, cy0 - part.y});
        if (cy1 < y1)
            drawn.push_back({part.x, cy1, part.width, y1 - cy1});
        if (part.x < cx0)
            drawn.push_back({part.x, cy0, cx0 - part.x, cy1 - cy0});
        if (cx1 < x1)
            drawn.push_back({cx1, cy0, x1 - cx1, cy1 - cy0});
    }
}

void CHeldDialogFrame::SplitGround(const std::vector<CDraw2D::SRect>& ground,
                                   const std::vector<CDraw2D::SRect>& opaque, std::vector<CDraw2D::SRect>& copied,
                                   std::vector<CDraw2D::SRect>& drawn)
{
    copied.clear();
    drawn = ground;
    // What one rectangle leaves is split by the next.
    std::vector<CDraw2D::SRect> within, rest;
    for (const CDraw2D::SRect& rect : opaque)
    {
        SplitGround(drawn, rect, within, rest);
        copied.insert(copied.end(), within.begin(), within.end());
        drawn.swap(rest);
    }
}

void CHeldDialogFrame::Forget()
{
    m_mark.Forget();
}

void CHeldDialogFrame::DrawUnheld(const SLayers& layers)
{
    m_mode = EMode::Whole;
    DrawWhole(nullptr, layers, false, {});
}

void CHeldDialogFrame::AddChildrenLook(const CScreen& screen, std::vector<float>& look)
{
    for (const CWidget* child : screen.GetChildren())
        if (child != nullptr)
            child->AddLook(look);
}

void CHeldDialogFrame::Draw(CScreen* under, const SLayers& layers, const std::vector<float>& look)
{
    CAppWindow* window = CAppWindow::Get();
    const int w = window != nullptr ? window->GetWidth() : static_cast<int>(layers.width);
    const int h = window != nullptr ? window->GetHeight() : static_cast<int>(layers.height);
    std::vector<float> fullLook = look;
    // A picture uploaded anew may be one the dialog shows.
    fullLook.insert(fullLook.end(), {static_cast<float>(w), static_cast<float>(h),
                                     static_cast<float>(CTexture::GetUploadCount())});
    SState state;
    state.sizeFits = w == static_cast<int>(layers.width) && h == static_cast<int>(layers.height);
    state.newest = window != nullptr && window->GetStack().GetTopOverlay() == &m_owner;
    state.held = m_held;
    state.sameLook = fullLook == m_look;
    state.holdsLastFrame = state.held && m_mark.HoldsLastFrame();
    m_mode = Choose(state);
    // A screen under the dialog that cannot draw its parts keeps refusing
    // while the dialog shows: nothing is held then, or it would be drawn
    // again in every other frame.
    if (m_under_refuses && under != nullptr)
        m_mode = EMode::Whole;
    if (m_mode == EMode::Partial && DrawPartial(under, layers))
    {
        m_mark.Stamp();
        return;
    }
    if (m_mode == EMode::Partial)
    {
        m_under_refuses = true;
        m_mode = EMode::Whole;
    }
    // With no screen under it the dialog covers the window: a frame drawn
    // whole starts from the depth cleared (see CScreen::ClearsOwnDepth).
    if (under == nullptr)
        CDraw2D::ClearDepth();
    DrawWhole(under, layers, m_mode == EMode::Capture, fullLook);
}

void CHeldDialogFrame::DrawWhole(CScreen* under, const SLayers& layers, bool capture, const std::vector<float>& look)
{
    CGameApp* app = GetGameApp();
    const CSprite* sprite =
        app != nullptr && app->GetResManager() ? app->GetResManager()->FindSprite(CSparkleLists::kBackSprite) : nullptr;
    // Where the sparkles stand before this frame's steps, for the next frame.
    m_last_cells = SparkleCells(app != nullptr ? app->GetSparkles() : nullptr, sprite, layers.width, layers.height);
    m_last_live = layers.live;
    m_last_live_look = layers.liveLook;
    m_depth_slice = 0;
    const std::vector<CDraw2D::SRect> whole = {{0.0f, 0.0f, layers.width, layers.height}};
    const bool veiled = layers.veilLight < 1.0f;
    // The screen under leaves the back sparkles to the dialog where it can.
    m_under_shaded = under != nullptr && under->DrawShaded(layers.veilLight);
    m_under_still = m_under_shaded && under->IsStillWhenShaded();
    if (under != nullptr && !m_under_shaded)
        under->Draw();
    // The dialog draws itself as it does with nothing under it, whatever
    // the screen under it switched on.
    if (under != nullptr)
        CDrawState::Rest();
    if (veiled && !m_under_shaded)
        DrawVeil(whole, layers.veilLight);
    if (layers.drawGround)
        layers.drawGround(whole);
    CAppWindow* window = CAppWindow::Get();
    const int w = window != nullptr ? window->GetWidth() : static_cast<int>(layers.width);
    const int h = window != nullptr ? window->GetHeight() : static_cast<int>(layers.height);
    // Where the ground hides the screen under it, what the window shows now
    // is the ground alone: copied back in the partial frames.
    m_ground_held = capture && (m_under_still || !OpaqueBands(layers).empty()) && m_ground.Capture(w, h);
    UpdateBackSparkles();
    CDraw2D::SetTexturing(true);
    DrawBackSparkles();
    bool held = false;
    if (capture && m_picture.Begin(0, 0, w, h))
    {
        if (layers.drawOver)
            layers.drawOver();
        m_picture.End();
        m_cover.Measure(m_picture, w, h, nullptr, layers.width, layers.height);
        m_picture.Draw(true);
        held = true;
    }
    else if (layers.drawOver)
        layers.drawOver();
    if (layers.drawLive)
        layers.drawLive(std::vector<bool>(layers.live.size(), true));
    if (capture)
    {
        m_held = held;
        m_look = look;
    }
    if (held)
    {
        m_mark.SetBase(CDraw2D::ReadPixel(0, 0));
        m_mark.Stamp();
    }
    else
        m_mark.Forget();
}

bool CHeldDialogFrame::DrawPartial(CScreen* under, const SLayers& layers)
{
    CGameApp* app = GetGameApp();
    const CSprite* sprite =
        app != nullptr && app->GetResManager() ? app->GetResManager()->FindSprite(CSparkleLists::kBackSprite) : nullptr;
    const CDrawnOverCells now =
        SparkleCells(app != nullptr ? app->GetSparkles() : nullptr, sprite, layers.width, layers.height);
    CDrawnOverCells cells = now;
    cells.Add(m_last_cells);
    const std::vector<bool> live = LiveToDraw(cells, layers.live, layers.liveLook, m_last_live, m_last_live_look,
                                              layers.width, layers.height);
    // Where the ground hides the screen under it, and over a screen under
    // that stands still everywhere, the copy of the ground gives it back.
    const std::vector<CDraw2D::SRect> copiable =
        m_ground_held && m_under_still ? std::vector<CDraw2D::SRect>{{0.0f, 0.0f, layers.width, layers.height}}
                                       : OpaqueBands(layers);
    if (under != nullptr)
    {
        const CDrawnOverCells below = CellsUnder(cells, copiable, m_cover, layers.width, layers.height);
        std::vector<CDraw2D::SRect> spilled;
        if (!under->DrawParts(below.Runs(), spilled, m_under_shaded ? layers.veilLight : 1.0f))
            return false;
        for (const CDraw2D::SRect& rect : spilled)
            cells.Mark(rect.x, rect.y, rect.width, rect.height, layers.width, layers.height);
    }
    // Where the held picture is opaque only it is laid again; where it is
    // empty only the ground and the sparkles are drawn.
    std::vector<CDraw2D::SRect> ground, mixed, opaque;
    m_cover.Split(cells, ground, mixed, opaque);
    CDraw2D::SetDepthTest(false);
    std::vector<CDraw2D::SRect> copied, drawn;
    SplitGround(ground, m_ground_held ? copiable : std::vector<CDraw2D::SRect>(), copied, drawn);
    if (!m_ground.CopyParts(copied, layers.width, layers.height))
        drawn = ground;
    // Where the screen under was drawn again darkened, the veil lies there
    // already; elsewhere in these parts the held picture covers it.
    if (layers.veilLight < 1.0f && !m_under_shaded)
        DrawVeil(drawn, layers.veilLight);
    if (layers.drawGround)
        layers.drawGround(drawn);
    UpdateBackSparkles();
    CDraw2D::SetTexturing(true);
    DrawBackSparkles();
    m_picture.DrawParts(mixed, layers.width, layers.height);
    m_picture.DrawParts(opaque, layers.width, layers.height, true);
    if (layers.drawLive && std::find(live.begin(), live.end(), true) != live.end())
    {
        CAppWindow* window = CAppWindow::Get();
        const int w = window != nullptr ? window->GetWidth() : static_cast<int>(layers.width);
        const int h = window != nullptr ? window->GetHeight() : static_cast<int>(layers.height);
        const float sx = w / layers.width, sy = h / layers.height;
        // Nothing else in a partial frame touches the depth. It is cleared
        // under every live part once in kLiveDepthSlices frames (a clear of
        // a part of the window costs a drawing of its own); in between each
        // frame's parts lie nearer than all drawn before them.
        if (m_depth_slice == 0 || m_depth_cleared != layers.live)
        {
            for (const CDraw2D::SRect& rect :
                 LiveDepthClears(layers.live, std::vector<bool>(layers.live.size(), true)))
                CDraw2D::ClearDepthInRect(static_cast<int>(std::floor(rect.x * sx)) - 1,
                                          static_cast<int>(std::floor(h - (rect.y + rect.height) * sy)) - 1,
                                          static_cast<int>(std::ceil(rect.width * sx)) + 3,
                                          static_cast<int>(std::ceil(rect.height * sy)) + 3);
            m_depth_cleared = layers.live;
            m_depth_slice = 0;
        }
        float nearDepth = 0.0f, farDepth = 1.0f;
        LiveDepthRange(m_depth_slice, nearDepth, farDepth);
        CDraw2D::SetDepthRange(nearDepth, farDepth);
        layers.drawLive(live);
        CDraw2D::SetDepthRange(0.0f, 1.0f);
        m_depth_slice = (m_depth_slice + 1) % kLiveDepthSlices;
    }
    m_last_live = layers.live;
    m_last_live_look = layers.liveLook;
    m_last_cells = now;
    return true;
}

void CHeldDialogFrame::LiveDepthRange(int slice, float& nearDepth, float& farDepth)
{
    const int k = std::clamp(slice, 0, kLiveDepthSlices - 1);
    farDepth = 1.0f - static_cast<float>(k) / kLiveDepthSlices;
    nearDepth = 1.0f - static_cast<float>(k + 1) / kLiveDepthSlices;
}

void CHeldDialogFrame::DrawVeil(const std::vector<CDraw2D::SRect>& parts, float light)
{
    CMatrixStack::Push();
    CMatrixStack::Translate(0.0f, 0.0f, 0.5f);
    CDraw2D::DarkenParts(parts, light);
    CMatrixStack::Pop();
}

CHeldDialogFrame::SLayers CHeldDialogFrame::WholeWindow(int logicalWidth, int logicalHeight)
{
    SLayers layers;
    layers.width = static_cast<float>(logicalWidth);
    layers.height = static_cast<float>(logicalHeight);
    layers.opaque = {0.0f, 0.0f, layers.width, layers.height};
    return layers;
}

CHeldDialogFrame::SLayers CHeldDialogFrame::WindowPicture(CDialog& dialog, const CTexture* picture,
                                                          std::function<void()> drawTexts)
{
    SLayers layers = WholeWindow(dialog.GetLogicalWidth(), dialog.GetLogicalHeight());
    layers.drawGround = [&dialog, picture](const std::vector<CDraw2D::SRect>& parts) {
        dialog.DrawWindowPictureParts(picture, parts);
    };
    layers.drawOver = [&dialog, drawTexts = std::move(drawTexts)] {
        CMatrixStack::Push();
        dialog.CDialog::Draw();
        if (drawTexts)
            drawTexts();
        CMatrixStack::Pop();
    };
    return layers;
}
