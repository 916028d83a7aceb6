#include "shell/CMainMenu.h"

#include <stdexcept>
#include <string>

#include <algorithm>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/frame/CAppWindow.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/files/CFileData.h"
#include "engine/files/CFilePack.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSparkleLists.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"
#include "engine/frame/CViewParams.h"
#include "engine/frame/WindowToLogical.h"
#include "platform/CPlatform.h"
#include "shell/CExitWnd.h"
#include "shell/game/GameLookup.h"
#include "shell/CGameKindRegistry.h"

namespace
{
struct SKind
{
    std::string m_name;
    std::string m_menu_file;
    std::string m_group;
    std::string m_button_key;
};

// In kind index order, from the table of kinds; the thumbnail number is the
// index plus one. An index without a kind has empty names and no button.
std::vector<SKind>& Kinds()
{
    static std::vector<SKind> kinds(CMainMenu::kKindCount);
    return kinds;
}

const char* NameOrNull(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

const char* const kMainGroup = "main_menu";
const char* const kMainFile = "mui/menu.txt";
const char* const kTitleFile = "mui/mw_main.unt";
const char* const kFontFile = "mui/font.tga";
const char* const kFontTexture = "m_font_tex";
const char* const kBackground = "m_main_wnd";
const char* const kExitPicture = "m_exit_wnd";
const char* const kMinimizeKey = "m_minimize_small_btn";
const char* const kExitKey = "m_exit_small_btn";
const char* const kSiteKey = "m_quenth_btn";
const char* const kFullScreenKey = "m_fullscreen_btn";
// The quit button's picture and its place are under two different keys; the
// place key's picture is the exit window's button.
const char* const kQuitPictureKey = "m_quit_game_main_btn";
const char* const kQuitPlaceKey = "m_quit_game_btn";

const char* const kCredit = "Marblewend - made by the Marblewend team";
const float kCreditSize = 20.0f;
const float kCreditY = 575.0f;
const float kCreditDepth = -10.0f;

const float kTitleScale = 25.0f;
const float kTitleDepth = -40.0f;
const float kThumbnailWidth = 300.0f;
const float kThumbnailHeight = 225.0f;
const float kThumbnailX = 400.0f;
const float kThumbnailY = 425.0f;

CMainMenu::GameMenuFactory& Factory()
{
    static CMainMenu::GameMenuFactory factory;
    return factory;
}

const CViewParams& View()
{
    static const CViewParams fallback;
    CGameApp* app = CGameApp::Get();
    return app != nullptr ? app->GetViewParams() : fallback;
}
}

void CMainMenu::SetGameMenuFactory(GameMenuFactory factory)
{
    Factory() = std::move(factory);
}

void CMainMenu::SetKinds(const CGameKindRegistry& kinds)
{
    for (int k = 0; k < kKindCount; ++k)
    {
        SKind& entry = Kinds()[k];
        entry = SKind();
        if (const SGameKind* kind = kinds.Get(k))
        {
            entry.m_name = kind->m_name;
            entry.m_menu_file = kind->GetMenuFile();
            entry.m_group = kind->GetGroupName();
            entry.m_button_key = kind->GetButtonKey();
        }
    }
}

const char* CMainMenu::GetKindName(int kind)
{
    return kind >= 0 && kind < kKindCount ? NameOrNull(Kinds()[kind].m_name) : nullptr;
}

const char* CMainMenu::GetKindGroup(int kind)
{
    return kind >= 0 && kind < kKindCount ? NameOrNull(Kinds()[kind].m_group) : nullptr;
}

const char* CMainMenu::GetKindButtonKey(int kind)
{
    return kind >= 0 && kind < kKindCount ? NameOrNull(Kinds()[kind].m_button_key) : nullptr;
}

CMainMenu::CMainMenu(CResManager& resources)
    : m_resources(resources), m_logical_width(View().GetWidth()), m_logical_height(View().GetHeight()),
      m_background(nullptr), m_title_angle(kTitleStartAngle), m_title_angle_step(kTitleSpin)
{
    SetDraggable(true);
    if (CGameApp* app = CGameApp::Get())
        SetWebAddresses(app->GetGameUrl(), app->GetSiteUrl());

    m_resources.AddConfig(kMainFile, kMainGroup);
    for (const SKind& kind : Kinds())
        if (!kind.m_name.empty())
            m_resources.AddConfig(kind.m_menu_file.c_str(), kind.m_group.c_str());
    const CConfigFile& layout = *m_resources.FindConfig(kMainGroup);

    m_minimize_button = MakeButton(layout, kMinimizeKey, kMinimizeKey);
    m_exit_button = MakeButton(layout, kExitKey, kExitKey);
    m_site_button = MakeButton(layout, kSiteKey, kSiteKey);

    for (const SKind& kind : Kinds())
        if (!kind.m_name.empty())
            LoadTexture(layout, kind.m_button_key.c_str(), true);

    m_resources.AddModel(kTitleFile, kTitleName);
    m_title = std::make_unique<CModel>();
    if (const CModel* title = m_resources.FindModel(kTitleName))
        *m_title = *title;

    // Shown only on hover: their pictures are read after the first frame.
    for (int n = 1; n <= kKindCount; ++n)
        m_thumbnails.push_back(std::make_unique<CSprite>());

    for (int k = 0; k < kKindCount; ++k)
    {
        const SKind& kind = Kinds()[k];
        m_kind_buttons[k] = std::make_unique<CButton>(
            this, kind.m_name.empty() ? nullptr : m_resources.FindTexture(kind.m_button_key.c_str()));
        if (kind.m_name.empty())
            m_kind_buttons[k]->SetVisible(false);
        else
            m_kind_buttons[k]->LoadPosition(layout, kind.m_button_key.c_str());
        AddChild(m_kind_buttons[k].get());
    }

    m_quit_button = MakeButton(layout, kQuitPictureKey, kQuitPlaceKey);
    m_fullscreen_button = MakeButton(layout, kFullScreenKey, kFullScreenKey);

    LoadTexture(layout, kQuitPlaceKey, true);
    LoadTexture(layout, kBackground, false);
    // The exit window's picture is read when the window is first asked for;
    // a layout or a pack without it still stops the start.
    m_exit_picture_file = LayoutPicture(layout, kExitPicture, kMainFile);
    if (const CFilePack* pack = m_resources.GetPack())
        if (!pack->Exists(m_exit_picture_file))
            throw CFilePackError(m_exit_picture_file);

    CTexture* font_texture = m_resources.AddTexture(kFontFile, kFontTexture, false, true);
    if (CFilePack* pack = m_resources.GetPack())
    {
        CFileData bytes = pack->GetFile(kFontFile);
        const bool font_read = m_font.Load(bytes.GetData(), bytes.GetSize(), font_texture);
        bytes.Free();
        // Without its font the game could show no word at all: stop here.
        if (!font_read)
            throw std::runtime_error(std::string(kFontFile) + ": the font picture cannot be read");
    }
    m_resources.RegisterObject(&m_font, kFontName);

    m_background = m_resources.FindTexture(kBackground);
    SyncThumbnails();
}

CMainMenu::~CMainMenu()
{
    CAppWindow* window = CAppWindow::Get();
    if (m_exit_wnd)
    {
        if (window != nullptr && window->GetStack().GetTopOverlay() == m_exit_wnd.get())
            window->GetStack().DropOverlays();
        m_exit_wnd.reset();
    }
    if (m_game_menu)
    {
        // Its destructor saves the kind's game, settings and tables.
        if (window != nullptr)
            window->RemoveScreen(m_game_menu.get());
        m_game_menu.reset();
    }
    // Nobody may find the font once it is gone.
    if (m_resources.GetObject(kFontName) == &m_font)
        m_resources.UnregisterObject(kFontName);
}

std::unique_ptr<CButton> CMainMenu::MakeButton(const CConfigFile& layout, const char* picture_key,
                                               const char* place_key)
{
    LoadTexture(layout, picture_key, true);
    auto button = std::make_unique<CButton>(this, m_resources.FindTexture(picture_key));
    button->LoadPosition(layout, place_key);
    AddChild(button.get());
    return button;
}

void CMainMenu::LoadTexture(const CConfigFile& layout, const char* key, bool dynamic)
{
    const std::string file = LayoutPicture(layout, key, kMainFile);
    m_resources.AddTexture(file.c_str(), key, false, dynamic);
    m_own_textures.push_back(key);
}

void CMainMenu::SetWebAddresses(const std::string& game_url, const std::string& site_url)
{
    m_game_url = game_url;
    m_site_url = site_url;
}

CButton* CMainMenu::GetKindButton(int kind) const
{
    return kind >= 0 && kind < kKindCount ? m_kind_buttons[kind].get() : nullptr;
}

void CMainMenu::SetupView(int logical_width, int logical_height, int window_width, int window_height)
{
    CDraw2D::SetDepthTest(true);
    CDraw2D::SetTexturing(true);
    CDraw2D::UseNicestPerspective();

    m_title_angle = kTitleStartAngle;
    m_title_angle_step = kTitleSpin;
    m_title->SetScale(kTitleScale);
    m_title->SetAngleX(0.0f);
    m_title->SetAngleY(kTitleStartAngle);
    m_title->SetAngleZ(0.0f);
    m_title->SetPosition(CVector4(0.0f, CMainMenuHover::kTitleLow, kTitleDepth));

    m_logical_width = logical_width;
    m_logical_height = logical_height;

    SetTextureFilters(window_width == logical_width && window_height == logical_height);
    m_layer.Invalidate();

    CDraw2D::SetLighting(false);
    CDraw2D::SetOrthoProjection(window_width, window_height, logical_width, logical_height, View().GetOrthoNear(),
                                View().GetOrthoFar());

    m_hover.Reset();
    for (auto& thumbnail : m_thumbnails)
        PlaceThumbnail(*thumbnail);
    SyncThumbnails();
}

void CMainMenu::SetTextureFilters(bool pixel_exact)
{
    m_pixel_exact = pixel_exact;
    // Drawn one texel to one pixel, the pictures look the same sampled
    // nearest, at a fraction of the cost; a scaled window needs filtering.
    const char* const magnified[] = {kMinimizeKey, kExitKey, kSiteKey, kFullScreenKey, kQuitPictureKey,
                                     kQuitPlaceKey};
    for (const char* key : magnified)
        SetMagnification(m_resources.FindTexture(key), pixel_exact);
    for (const SKind& kind : Kinds())
        if (!kind.m_name.empty())
            SetMagnification(m_resources.FindTexture(kind.m_button_key.c_str()), pixel_exact);
    // The full-window pictures have no smaller levels: both filters follow.
    for (const char* key : {kBackground, kExitPicture})
    {
        const CTexture* texture = m_resources.FindTexture(key);
        if (texture == nullptr || texture->GetId() == 0)
            continue;
        CDraw2D::SetPictureFilter(texture->GetId(), pixel_exact);
    }
}

void CMainMenu::SetMagnification(const CTexture* texture, bool nearest)
{
    if (texture == nullptr || texture->GetId() == 0)
        return;
    // At one texel a pixel the smaller levels are never needed.
    CDraw2D::SetMipmapFilter(texture->GetId(), nearest);
}

void CMainMenu::Activate()
{
    // Read again before the filters are set on them.
    if (m_covered)
        m_resources.ReloadTextures(m_own_textures);
    m_covered = false;
    CAppWindow* window = CAppWindow::Get();
    const int width = window != nullptr ? window->GetWidth() : View().GetWidth();
    const int height = window != nullptr ? window->GetHeight() : View().GetHeight();
    SetupView(View().GetWidth(), View().GetHeight(), width, height);
    SetDraggable(window == nullptr || !window->IsFullScreen());
    CScreen::Activate();
}

void CMainMenu::Deactivate()
{
    // Under a game menu and its games nothing of this screen shows: its
    // pictures and the copy of its layer wait on disk meanwhile.
    m_covered = true;
    m_resources.ReleaseTextures(m_own_textures);
    m_layer.Release();
}

void CMainMenu::LoadThumbnail(int kind)
{
    if (!m_drawn || kind < 0 || kind >= kKindCount || m_thumbnail_loaded[kind])
        return;
    m_thumbnail_loaded[kind] = true;
    // A kind nobody points at never costs its picture's memory.
    char file[32];
    char name[32];
    std::snprintf(file, sizeof(file), "mui/thumbs/%02d.spr", kind + 1);
    std::snprintf(name, sizeof(name), "tb_%02d.spr", kind + 1);
    m_resources.AddSprite(file, name);
    if (const CSprite* sprite = m_resources.FindSprite(name))
        *m_thumbnails[kind] = *sprite;
    PlaceThumbnail(*m_thumbnails[kind]);
    m_layer.Invalidate();
}

void CMainMenu::PlaceThumbnail(CSprite& thumbnail)
{
    thumbnail.SetSize(kThumbnailWidth, kThumbnailHeight);
    thumbnail.SetFlipV(true);
    thumbnail.SetBlend(true);
    thumbnail.SetPosition(CVector4(kThumbnailX, kThumbnailY, 1.0f));
}

void CMainMenu::Update(float dt)
{
    Animate(dt);
    CScreen::Update(dt);
}

void CMainMenu::Animate(float dt)
{
    int hovered = -1;
    for (int k = 0; k < kKindCount && hovered < 0; ++k)
    {
        if (m_kind_buttons[k]->GetState() == CButton::kHover)
            hovered = k;
    }
    LoadThumbnail(hovered);
    m_hover.Step(dt, hovered);
    CVector4 position = m_title->GetPosition();
    position.y = m_hover.GetTitleY();
    m_title->SetPosition(position);
    SyncThumbnails();
}

void CMainMenu::SyncThumbnails()
{
    for (int k = 0; k < kKindCount && k < static_cast<int>(m_thumbnails.size()); ++k)
        m_thumbnails[k]->SetVisible(m_hover.IsThumbnailShown(k));
}

void CMainMenu::Draw()
{
    CAppWindow* window = CAppWindow::Get();
    CViewParams fallback;
    CGameApp* app = CGameApp::Get();
    CViewParams& view = app != nullptr ? app->GetViewParams() : fallback;
    const int width = window != nullptr ? window->GetWidth() : view.GetWidth();
    const int height = window != nullptr ? window->GetHeight() : view.GetHeight();
    const float view_width = static_cast<float>(view.GetWidth());
    const float view_height = static_cast<float>(view.GetHeight());

    view.SetOrtho(width, height);
    // The flat layers all lie at one depth: each is simply drawn over the last.
    CDraw2D::SetDepthTest(false);
    CMatrixStack::Push();
    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);

    // The background, the buttons, the credit line and the thumbnails change
    // only when a button or the fade does: most frames copy them in one quad.
    std::vector<int> layer_state;
    layer_state.reserve(GetChildren().size() * 2 + m_thumbnails.size() + 2);
    layer_state.push_back(m_background != nullptr ? static_cast<int>(m_background->GetId()) : 0);
    for (const CButton* button : {m_minimize_button.get(), m_exit_button.get(), m_site_button.get(),
                                  m_quit_button.get(), m_fullscreen_button.get()})
    {
        layer_state.push_back(button->GetState());
        layer_state.push_back(button->IsVisible() ? 1 : 0);
    }
    for (const auto& button : m_kind_buttons)
    {
        layer_state.push_back(button->GetState());
        layer_state.push_back(button->IsVisible() ? 1 : 0);
    }
    layer_state.push_back(static_cast<int>(m_hover.GetAlpha() * 1000.0f));
    for (const auto& thumbnail : m_thumbnails)
        layer_state.push_back(thumbnail->IsVisible() ? 1 : 0);
    // An open dialog draws over the whole menu: the layer is then drawn whole.
    const bool alone = window == nullptr || window->GetStack().GetOverlayCount() == 0;
    if (m_layer.Matches(layer_state, width, height))
    {
        if (alone && m_layer.CanRestore())
            m_layer.RestoreDrawnOver(view_width, view_height);
        else
            m_layer.Draw(view_width, view_height);
    }
    else
    {
        DrawStillLayer(view_width, view_height);
        // The program's first copy makes the renderer build its copy program,
        // which takes longer than the whole frame: the first frame is shown
        // without it and the next one takes the copy.
        if (m_drawn)
            m_layer.Capture(layer_state, width, height);
    }

    // Drawn over the still layer, the rising sparkles pass in front of the
    // buttons and the thumbnail too.
    if (app != nullptr && app->GetSparkles() != nullptr)
    {
        CSparkleLists& sparkles = *app->GetSparkles();
        sparkles.UpdateBackSparkles();
        sparkles.DrawBackSparkles();
        if (const CSprite* sprite = m_resources.FindSprite(CSparkleLists::kBackSprite))
            m_layer.MarkBackSparkles(sparkles, *sprite, view_width, view_height);
    }

    CMatrixStack::Pop();

    CMatrixStack::Push();
    view.SetPerspective(width, height);
    CDraw2D::SetDepthTest(true);
    const CVector4& position = m_title->GetPosition();
    CMatrixStack::Translate(position.x, position.y, position.z);
    CMatrixStack::Rotate(m_title->GetAngleX(), 1.0f, 0.0f, 0.0f);
    CMatrixStack::Rotate(m_title->GetAngleY(), 0.0f, 1.0f, 0.0f);
    CMatrixStack::Rotate(m_title->GetAngleZ(), 0.0f, 0.0f, 1.0f);
    PrepareTitleArea(width, height, view_width, view_height);
    m_title->Draw();

    // Per drawn frame, not per millisecond.
    m_title_angle = m_title->GetAngleY() + m_title_angle_step;
    if (m_title_angle < -360.0f)
        m_title_angle += 360.0f;
    m_title->SetAngleY(m_title_angle);

    CDraw2D::SetDepthTest(false);
    CMatrixStack::Pop();
    view.SetOrtho(width, height);
    m_layer.EndFrame(alone);
    m_drawn = true;
}

void CMainMenu::OnHiddenFrame()
{
    // The dialogs over the menu draw in its flat view.
    CAppWindow* window = CAppWindow::Get();
    if (CGameApp* app = CGameApp::Get(); app != nullptr && window != nullptr)
        app->GetViewParams().SetOrtho(window->GetWidth(), window->GetHeight());
    m_layer.EndFrame(false);
}

void CMainMenu::DrawStillLayer(float view_width, float view_height)
{
    // The opaque background covers the whole window, so it stands in for the
    // colour clear.
    CDraw2D::DrawOpaquePicture(m_background != nullptr ? m_background->GetId() : 0, view_width, view_height);

    CScreen::Draw();

    const float credit_x = (view_width - m_font.GetTextWidth(kCredit, kCreditSize)) / 2.0f;
    m_font.DrawText(kCredit, kCreditSize, credit_x + 2.0f, kCreditY + 2.0f, kCreditDepth, 0.0f, 0.0f, 0.0f, 1.0f,
                    false);
    m_font.DrawText(kCredit, kCreditSize, credit_x, kCreditY, kCreditDepth, 1.0f, 1.0f, 1.0f, 1.0f, false);

    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, m_hover.GetAlpha());
    for (auto& thumbnail : m_thumbnails)
        thumbnail->Draw(true);
    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void CMainMenu::PrepareTitleArea(int width, int height, float view_width, float view_height)
{
    // Only the title is drawn with depth: clearing just the window area its
    // box can cover saves most of a full-window clear. The same area is what
    // the title draws over the still layer.
    const float hx = m_title->GetScaledSizeX() / 2.0f;
    const float hy = m_title->GetScaledSizeY() / 2.0f;
    const float hz = m_title->GetScaledSizeZ() / 2.0f;
    double left = width;
    double right = 0.0;
    double bottom = height;
    double top = 0.0;
    const bool known = (hx > 0.0f || hy > 0.0f || hz > 0.0f) &&
                       CMatrixStack::WidenToProjectedBox(hx, hy, hz, left, right, bottom, top);
    if (!known)
    {
        CDraw2D::ClearDepth();
        m_layer.MarkDrawnOver(0.0f, 0.0f, view_width, view_height, view_width, view_height);
        return;
    }
    const int margin = 4;
    const int x0 = std::max(0, static_cast<int>(left) - margin);
    const int y0 = std::max(0, static_cast<int>(bottom) - margin);
    const int x1 = std::min(width, static_cast<int>(right) + margin);
    const int y1 = std::min(height, static_cast<int>(top) + margin);
    if (x1 <= x0 || y1 <= y0 || width <= 0 || height <= 0)
        return;
    CDraw2D::ClearDepthInRect(x0, y0, x1 - x0, y1 - y0);
    // Window rows count up from the bottom, logical ones down from the top.
    const float sx = view_width / static_cast<float>(width);
    const float sy = view_height / static_cast<float>(height);
    m_layer.MarkDrawnOver(x0 * sx, (height - y1) * sy, (x1 - x0) * sx, (y1 - y0) * sy, view_width, view_height);
}

void CMainMenu::MapToLogical(int x, int y, int& lx, int& ly) const
{
    const CAppWindow* window = CAppWindow::Get();
    const int width = window != nullptr ? window->GetWidth() : m_logical_width;
    const int height = window != nullptr ? window->GetHeight() : m_logical_height;
    WindowToLogical(x, y, width, height, m_logical_width, m_logical_height, lx, ly);
}

void CMainMenu::OnKeyDown(int key)
{
    CGameApp* app = CGameApp::Get();
    const int quit_key = app != nullptr ? app->GetQuitKey() : 27;
    const int minimize_key = app != nullptr ? app->GetMinimizeKey() : 13;
    if (key == quit_key)
        OnCommand(m_quit_button.get());
    else if (key == minimize_key)
    {
        if (CAppWindow* window = CAppWindow::Get())
            window->Minimize();
    }
    CScreen::OnKeyDown(key);
}

void CMainMenu::OnCommand(CWidget* sender)
{
    CScreen::OnCommand(sender);
    CAppWindow* window = CAppWindow::Get();
    for (int k = 0; k < kKindCount; ++k)
    {
        if (sender == m_kind_buttons[k].get())
        {
            OpenGameMenu(k);
            return;
        }
    }
    if (sender == m_quit_button.get() || sender == m_exit_button.get())
        OpenExitWindow();
    else if (sender == m_fullscreen_button.get())
    {
        if (window != nullptr && window->IsFullScreen())
            SetWindowed();
        else
            SetFullScreen();
    }
    else if (sender == m_minimize_button.get())
    {
        if (window != nullptr)
            window->Minimize();
    }
    else if (sender == m_site_button.get())
    {
        if (window != nullptr)
            window->Minimize();
        if (!m_site_url.empty())
            OpenAddress(m_site_url);
    }
}

void CMainMenu::OpenGameMenu(int kind)
{
    if (m_game_menu || !Factory())
        return;
    if (kind < 0 || kind >= kKindCount || Kinds()[kind].m_name.empty())
        return;
    CConfigFile* group = m_resources.FindConfig(Kinds()[kind].m_group.c_str());
    if (group == nullptr)
        return;
    // This screen's pictures go before the game menu reads its own: the two
    // sets are never needed at once.
    Deactivate();
    try
    {
        m_game_menu = Factory()(kind, *group);
    }
    catch (...)
    {
        Activate();
        throw;
    }
    CAppWindow* window = CAppWindow::Get();
    if (m_game_menu && window != nullptr)
        window->SetScreen(m_game_menu.get());
    else
        Activate();
}

void CMainMenu::OpenExitWindow()
{
    if (m_exit_wnd)
        return;
    if (m_resources.FindTexture(kExitPicture) == nullptr)
    {
        m_resources.AddTexture(m_exit_picture_file.c_str(), kExitPicture, false, false);
        m_own_textures.push_back(kExitPicture);
        SetTextureFilters(m_pixel_exact);
    }
    m_exit_wnd = std::make_unique<CExitWnd>(m_resources);
    m_exit_wnd->SetLogicalSize(m_logical_width, m_logical_height);
    m_exit_wnd->SetShade(true);
    m_exit_wnd->SetPanelVisible(false);
    if (CAppWindow* window = CAppWindow::Get())
        window->OpenOverlay(m_exit_wnd.get());
}

void CMainMenu::SetFullScreen()
{
    CAppWindow* window = CAppWindow::Get();
    if (window == nullptr || !window->SetDisplayMode(m_logical_width, m_logical_height))
        return;
    SetDraggable(false);
    SetupView(m_logical_width, m_logical_height, window->GetWidth(), window->GetHeight());
    if (CGameApp* app = CGameApp::Get())
        app->SetFullScreenLoaded(true);
}

void CMainMenu::SetWindowed()
{
    CAppWindow* window = CAppWindow::Get();
    if (window == nullptr)
        return;
    window->RestoreWindowed();
    SetDraggable(true);
    SetupView(m_logical_width, m_logical_height, window->GetWidth(), window->GetHeight());
    if (CGameApp* app = CGameApp::Get())
        app->SetFullScreenLoaded(false);
}

void CMainMenu::OnDialogClosed(int result, CScreen* dialog)
{
    if (dialog == nullptr || dialog != m_exit_wnd.get())
        return;
    m_exit_wnd.reset();
    if (result == CExitWnd::RESULT_OPEN_PAGE && !m_game_url.empty())
        OpenAddress(m_game_url);
    PostClose();
}

void CMainMenu::OnScreenClosed(CScreen* screen)
{
    if (screen != nullptr && screen == m_game_menu.get())
    {
        m_game_menu.reset();
        // A kind's pictures, models and game leave holes all over the heap;
        // without this the next kind's would stack up on top of them.
        CPlatform::ReturnFreeMemory();
    }
}

void CMainMenu::OpenAddress(const std::string& url)
{
    CPlatform::OpenUrl(url);
}

void CMainMenu::PostClose()
{
    if (CAppWindow* window = CAppWindow::Get())
        window->PostCloseMessage();
}
