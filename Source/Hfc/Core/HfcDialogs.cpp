#include "Hfc/Core/HfcDialogs.h"

#include <algorithm>

#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Linux/RunLoop.h"

namespace {

constexpr uint32_t kFace = 0xFFECECEC;
constexpr uint32_t kBorder = 0xFF7F7F7F;
constexpr uint32_t kText = 0xFF000000;
constexpr uint32_t kDisabledText = 0xFF9A9A9A;
constexpr uint32_t kButtonFace = 0xFFFAFAFA;
constexpr uint32_t kButtonPressed = 0xFFC8C8C8;
constexpr uint32_t kDefaultRing = 0xFF3A6FC4;
constexpr uint32_t kBarTrack = 0xFFFFFFFF;
constexpr uint32_t kBarFill = 0xFF3A6FC4;

// A chrome font loaded on first use; its bitmap is freed when the module holding it unloads (a host
// that closes the plug-in's library would otherwise lose it each time).
struct ChromeFontSlot {
    tagHfcBmpFontInfo font{};
    bool tried = false, ok = false;
    ~ChromeFontSlot() { HfcFreeBmpFont(&font); }
};

tagHfcBmpFontInfo* LoadFont(const char* name, ChromeFontSlot* slot) {
    if (!slot->tried) {
        slot->ok = HfcLoadBmpFont(name, &slot->font);
        slot->tried = true;
    }
    return slot->ok ? &slot->font : nullptr;
}

bool Inside(const tagHfcRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

}  // namespace

tagHfcBmpFontInfo* HfcChromeFont() {
    static ChromeFontSlot slot;
    return LoadFont("HfcUiFont", &slot);
}

tagHfcBmpFontInfo* HfcChromeFontBold() {
    static ChromeFontSlot slot;
    return LoadFont("HfcUiFontBold", &slot);
}

std::vector<std::string> HfcWrapText(const std::string& text, tagHfcBmpFontInfo* font, int width) {
    std::vector<std::string> lines;
    if (font == nullptr) {
        if (!text.empty()) lines.push_back(text);
        return lines;
    }
    size_t start = 0;
    while (start < text.size()) {
        // An explicit line break ends a line at once.
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string paragraph = text.substr(start, end - start);
        while (!paragraph.empty()) {
            size_t cut = paragraph.size();
            while (cut > 0 && HfcGetBmpTextWidth(font, paragraph.substr(0, cut).c_str()) > width) {
                const size_t space = paragraph.rfind(' ', cut - 1);
                cut = (space == std::string::npos || space == 0) ? cut - 1 : space;
            }
            if (cut == 0) cut = 1;
            lines.push_back(paragraph.substr(0, cut));
            paragraph.erase(0, cut);
            while (!paragraph.empty() && paragraph[0] == ' ') paragraph.erase(0, 1);
        }
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        if (end < text.size() && paragraph.empty() && end + 1 == text.size()) break;
        start = end + 1;
    }
    return lines;
}

// ---------------------------------------------------------------------------------------------------

CHfcDialogWindow::CHfcDialogWindow() {
    m_bDeleteOnDispose = false;
}

CHfcDialogWindow::~CHfcDialogWindow() {
    Close();
}

bool CHfcDialogWindow::Open(const char* title, int width, int height, CHfcWindow* over) {
    IHfcPlatform* platform = HfcGetPlatform();
    if (platform == nullptr || GetFrame() != nullptr) return false;
    int screenW = 0, screenH = 0;
    platform->GetScreenSize(&screenW, &screenH);
    int cx = screenW / 2, cy = screenH / 2;
    uintptr_t parentId = 0;
    if (over == nullptr || over->GetFrame() == nullptr) over = HfcLastInputWindow();
    if (over != nullptr && over->GetFrame() != nullptr) {
        int ox = 0, oy = 0;
        over->GetFrame()->GetRootOrigin(&ox, &oy);
        cx = ox + over->GetFrame()->GetWidth() / 2;
        cy = oy + over->GetFrame()->GetHeight() / 2;
        parentId = over->GetFrame()->GetId();
    }
    HfcFrameParams params;
    params.kind = HfcFrameKind::Dialog;
    params.width = width;
    params.height = height;
    params.x = std::clamp(cx - width / 2, 0, std::max(0, screenW - width));
    params.y = std::clamp(cy - height / 2, 0, std::max(0, screenH - height));
    params.parentId = parentId;
    params.title = title != nullptr ? title : "";
    if (!CreateFrame(params)) return false;
    // The button's release now reaches this window, never the control that holds the mouse: its
    // gesture ends here as the release would end it (a held note stops, a wheel goes back to rest).
    if (CHfcMouse* mouse = CHfcMouse::GetInstance()) mouse->OnLostCaptureBySystem();
    m_layer.Create(0, 0, width, height, this);
    // The arrow, whatever a control showed before.
    CHfcMouse::SetCursorByIndex(0);
    HfcModalPush(this, [this] { Abort(); });
    m_bOnStack = true;
    Redraw();
    m_layer.Show(false);
    GetFrame()->Show();
    GetFrame()->SetInputFocus();
    DrawLayers(true);
    return true;
}

void CHfcDialogWindow::Close() {
    if (m_bOnStack) {
        HfcModalPop(this);
        m_bOnStack = false;
    }
    if (GetFrame() != nullptr) Destroy();
}

int CHfcDialogWindow::RunModal() {
    RunLoop* loop = RunLoop::Current();
    if (loop == nullptr || GetFrame() == nullptr) return CancelResult();
    loop->RunModal([this] { return m_bDone || m_bGone; });
    return m_bDone ? m_iResult : CancelResult();
}

void CHfcDialogWindow::End(int result) {
    if (m_bDone) return;
    m_bDone = true;
    m_iResult = result;
}

int CHfcDialogWindow::CancelResult() const {
    return 0;
}

CHfcDialogWindow::Button* CHfcDialogWindow::AddButton(const char* text, int result, bool isDefault) {
    // Right to left from the bottom right corner.
    int right = 0, bottom = 0;
    if (GetFrame() != nullptr) {
        right = GetFrame()->GetWidth() - kMargin;
        bottom = GetFrame()->GetHeight() - kMargin;
    }
    for (const Button& b : m_buttons) right = std::min(right, b.rect.left - 10);
    Button button{text, result, {}, true, isDefault};
    HfcSetRect(&button.rect, right - kButtonWidth, bottom - kButtonHeight, right, bottom);
    m_buttons.push_back(button);
    return &m_buttons.back();
}

int CHfcDialogWindow::ButtonAt(int x, int y) const {
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].enabled && Inside(m_buttons[i].rect, x, y)) return static_cast<int>(i);
    }
    return -1;
}

void CHfcDialogWindow::DrawButton(CHfcOffscreenContext* ctx, const Button& button, bool pressed) {
    const tagHfcRect& r = button.rect;
    const int w = r.right - r.left, h = r.bottom - r.top;
    ctx->SetBrushColor(pressed ? kButtonPressed : kButtonFace);
    ctx->FillRect(r.left, r.top, w, h);
    ctx->SetPenWidth(1.0f);
    ctx->SetPenColor(button.isDefault && button.enabled ? kDefaultRing : kBorder);
    ctx->FrameRect(r.left, r.top, w, h);
    if (button.isDefault && button.enabled) ctx->FrameRect(r.left + 1, r.top + 1, w - 2, h - 2);
    if (tagHfcBmpFontInfo* font = HfcChromeFont()) {
        const int tw = HfcGetBmpTextWidth(font, button.text.c_str());
        ctx->DrawBmpTextProportional(r.left + (w - tw) / 2, r.top + (h - font->height) / 2,
                                     button.text.c_str(), w - 4, font, button.enabled ? kText : kDisabledText,
                                     false);
    }
}

void CHfcDialogWindow::Redraw() {
    CHfcOffscreenContext* ctx = m_layer.GetContext();
    if (ctx == nullptr) return;
    const int w = m_layer.GetWidth(), h = m_layer.GetHeight();
    ctx->SetBrushColor(kFace);
    ctx->FillRect(0, 0, w, h);
    DrawContent(ctx);
    for (size_t i = 0; i < m_buttons.size(); ++i)
        DrawButton(ctx, m_buttons[i], static_cast<int>(i) == m_iPressed);
    ctx->SetPenWidth(1.0f);
    ctx->SetPenColor(kBorder);
    ctx->FrameRect(0, 0, w, h);
    if (GetFrame() != nullptr && m_layer.IsVisible()) DrawLayers(true);
}

bool CHfcDialogWindow::OnKey(const HfcPlatformEvent& event) {
    if (event.character == 13) {
        for (const Button& b : m_buttons) {
            if (b.isDefault && b.enabled) {
                const Button copy = b;
                OnButton(copy);
                return true;
            }
        }
        return false;
    }
    if (event.character == 27) {
        End(CancelResult());
        return true;
    }
    return false;
}

void CHfcDialogWindow::OnPlatformEvent(const HfcPlatformEvent& event) {
    if (HfcIsInputEvent(event.kind)) {
        if (HfcModalBlocksInput(this) || m_bDone) return;
        if (RunLoop* loop = RunLoop::Current()) loop->NotifyUserInput();
    }
    switch (event.kind) {
        case HfcEventKind::MouseDown:
            if (event.button == 1) {
                m_iPressed = ButtonAt(event.x, event.y);
                if (m_iPressed >= 0) {
                    Redraw();
                } else {
                    OnPointerDown(event);
                }
            }
            return;
        case HfcEventKind::MouseUp:
            if (event.button == 1) {
                const int pressed = m_iPressed;
                m_iPressed = -1;
                if (pressed >= 0) {
                    Redraw();
                    if (ButtonAt(event.x, event.y) == pressed) {
                        const Button copy = m_buttons[pressed];
                        // The handler may end (and its caller delete) the dialog: nothing after it.
                        OnButton(copy);
                    }
                } else {
                    OnPointerUp(event);
                }
            }
            return;
        case HfcEventKind::MouseMoved:
        case HfcEventKind::MouseDragged:
        case HfcEventKind::MouseWheel:
        case HfcEventKind::KeyUp:
            return;
        case HfcEventKind::KeyDown:
        case HfcEventKind::KeyRepeat:
            OnKey(event);
            return;
        case HfcEventKind::Close:
            End(CancelResult());
            return;
        case HfcEventKind::Destroyed:
            m_bGone = true;
            break;
        default:
            break;
    }
    CHfcWindow::OnPlatformEvent(event);
}

// ---------------------------------------------------------------------------------------------------

namespace {
constexpr int kBoxWidth = 420;
constexpr int kMarkSize = 32;
constexpr int kTextLeft = CHfcDialogWindow::kMargin + kMarkSize + 16;

void DrawAlertMark(CHfcOffscreenContext* ctx, HfcAlertType alert, int x, int y) {
    const float cx = x + kMarkSize / 2.0f, cy = y + kMarkSize / 2.0f;
    switch (alert) {
        case HfcAlertType::Plain:
            return;
        case HfcAlertType::Note:
            ctx->SetBrushColor(0xFF3A6FC4);
            ctx->FillCircle(cx, cy, 15.0f);
            ctx->SetBrushColor(0xFFFFFFFF);
            ctx->FillRect(cx - 2.0f, cy - 3.0f, 4.0f, 12.0f);
            ctx->FillCircle(cx, cy - 8.0f, 2.5f);
            return;
        case HfcAlertType::Caution:
            ctx->SetPenColor(0xFFE0A020);
            ctx->SetPenWidth(1.0f);
            for (int row = 0; row < 28; ++row) {
                const float half = row * 0.55f;
                ctx->SetBrushColor(0xFFE0A020);
                ctx->FillRect(cx - half, static_cast<float>(y + 2 + row), 2.0f * half + 1.0f, 1.0f);
            }
            ctx->SetBrushColor(0xFF000000);
            ctx->FillRect(cx - 1.5f, static_cast<float>(y + 11), 3.0f, 10.0f);
            ctx->FillRect(cx - 1.5f, static_cast<float>(y + 23), 3.0f, 3.0f);
            return;
        case HfcAlertType::Stop:
            ctx->SetBrushColor(0xFFC83232);
            ctx->FillCircle(cx, cy, 15.0f);
            ctx->SetPenColor(0xFFFFFFFF);
            ctx->SetPenWidth(3.0f);
            ctx->MoveTo(cx - 7.0f, cy - 7.0f);
            ctx->LineTo(cx + 7.0f, cy + 7.0f);
            ctx->MoveTo(cx + 7.0f, cy - 7.0f);
            ctx->LineTo(cx - 7.0f, cy + 7.0f);
            ctx->SetPenWidth(1.0f);
            return;
    }
}
}  // namespace

CHfcMessageBoxWindow::CHfcMessageBoxWindow(const HfcMessageBoxRequest& request) : m_request(request) {
    m_lines = HfcWrapText(m_request.text, HfcChromeFont(), kBoxWidth - kTextLeft - kMargin);
}

bool CHfcMessageBoxWindow::Open() {
    tagHfcBmpFontInfo* font = HfcChromeFont();
    const int lineH = font != nullptr ? font->height + 3 : 14;
    const int textH = lineH + 8 + static_cast<int>(m_lines.size()) * lineH;
    const int height = kMargin + std::max(kMarkSize, textH) + 20 + kButtonHeight + kMargin;
    if (!CHfcDialogWindow::Open(m_request.caption.c_str(), kBoxWidth, height)) return false;
    // The default (answer 1) rightmost, the others to its left in answer order.
    for (size_t i = 0; i < m_request.buttons.size(); ++i) {
        AddButton(m_request.buttons[i].c_str(), static_cast<int>(i) + 1, i == 0);
    }
    Redraw();
    return true;
}

int CHfcMessageBoxWindow::CancelResult() const {
    // Escape and the close box answer Cancel or No where there is one.
    return m_request.buttons.size() >= 2 ? HFC_MB_RESULT_CANCEL : HFC_MB_RESULT_DEFAULT;
}

void CHfcMessageBoxWindow::DrawContent(CHfcOffscreenContext* ctx) {
    DrawAlertMark(ctx, m_request.alert, kMargin, kMargin);
    const int left = m_request.alert == HfcAlertType::Plain ? kMargin : kTextLeft;
    const int room = kBoxWidth - left - kMargin;
    int y = kMargin;
    if (tagHfcBmpFontInfo* bold = HfcChromeFontBold()) {
        ctx->DrawBmpTextProportional(left, y, m_request.caption.c_str(), room, bold, kText, false);
        y += bold->height + 11;
    }
    if (tagHfcBmpFontInfo* font = HfcChromeFont()) {
        for (const std::string& line : m_lines) {
            ctx->DrawBmpTextProportional(left, y, line.c_str(), room, font, kText, false);
            y += font->height + 3;
        }
    }
}

int HfcPresentMessageBox(const HfcMessageBoxRequest& request) {
    RunLoop* loop = RunLoop::Current();
    if (loop == nullptr || HfcGetPlatform() == nullptr) return 0;
    CHfcMessageBoxWindow box(request);
    if (!box.Open()) return 0;
    const int result = box.RunModal();
    box.Close();
    return result;
}

// ---------------------------------------------------------------------------------------------------

namespace {
constexpr int kBarTop = 52;
constexpr int kBarHeight = 12;
}  // namespace

CHfcProgressWindow::CHfcProgressWindow(IAsyncProgressViewOwner* owner) : m_pOwner(owner) {}

CHfcProgressWindow::~CHfcProgressWindow() {
    Close();
}

bool CHfcProgressWindow::Open() {
    if (!CHfcDialogWindow::Open("", kWidth, kHeight)) return false;
    AddButton("Cancel", 1, false);
    Redraw();
    return true;
}

void CHfcProgressWindow::SetTitle(const std::string& title) {
    CHfcWindow::SetTitle(title.c_str());
}

void CHfcProgressWindow::SetText(const std::string& text) {
    m_text = text;
    // At once: the dialog's own loop may be busy with the transfer.
    Redraw();
}

void CHfcProgressWindow::SetPercent(int percent) {
    m_iPercent = std::clamp(percent, 0, 100);
    Redraw();
}

void CHfcProgressWindow::SetCancelEnabled(bool enabled) {
    for (Button& b : Buttons()) b.enabled = enabled;
    Redraw();
}

void CHfcProgressWindow::Abort() {
    // The owner's loop ends; the window goes when the owner ends the dialog.
    if (m_pOwner != nullptr) m_pOwner->OnProgressViewBreak();
}

void CHfcProgressWindow::OnButton(const Button&) {
    // Cancel only informs the owner, which may end the dialog (and delete this view) from inside.
    if (m_pOwner != nullptr) m_pOwner->OnProgressViewCancel();
}

void CHfcProgressWindow::DrawContent(CHfcOffscreenContext* ctx) {
    if (tagHfcBmpFontInfo* font = HfcChromeFont()) {
        ctx->DrawBmpTextProportional(kMargin, kMargin + 8, m_text.c_str(), kWidth - 2 * kMargin, font, kText,
                                     false);
    }
    const int barW = kWidth - 2 * kMargin;
    ctx->SetBrushColor(kBarTrack);
    ctx->FillRect(kMargin, kBarTop, barW, kBarHeight);
    ctx->SetBrushColor(kBarFill);
    ctx->FillRect(kMargin, kBarTop, barW * m_iPercent / 100, kBarHeight);
    ctx->SetPenWidth(1.0f);
    ctx->SetPenColor(kBorder);
    ctx->FrameRect(kMargin, kBarTop, barW, kBarHeight);
}

// ---------------------------------------------------------------------------------------------------

void HfcInstallToolkitWindows() {
    RunLoop* owner = RunLoop::Current();
    // Boxes asked for on another thread do not touch the display (the caller falls back).
    HfcSetMessageBoxPresenter([owner](const HfcMessageBoxRequest& request) {
        return RunLoop::Current() == owner ? HfcPresentMessageBox(request) : 0;
    });
    AsyncProgressSetViewFactory(
        [owner](IAsyncProgressViewOwner* viewOwner) -> std::unique_ptr<IAsyncProgressView> {
            if (RunLoop::Current() != owner || HfcGetPlatform() == nullptr) return nullptr;
            auto view = std::make_unique<CHfcProgressWindow>(viewOwner);
            if (!view->Open()) return nullptr;
            return view;
        });
}

void HfcUninstallToolkitWindows() {
    HfcSetMessageBoxPresenter(nullptr);
    AsyncProgressSetViewFactory(nullptr);
}
