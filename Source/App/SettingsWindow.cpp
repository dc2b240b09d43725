#include "App/SettingsWindow.h"

#include <algorithm>
#include <cmath>

#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

constexpr uint32_t kText = 0xFF000000;
constexpr uint32_t kDisabledText = 0xFF9A9A9A;
constexpr uint32_t kFieldFace = 0xFFFAFAFA;
constexpr uint32_t kBorder = 0xFF7F7F7F;
constexpr uint32_t kPaneFace = 0xFFF6F6F6;
constexpr uint32_t kTabFace = 0xFFDCDCDC;
constexpr uint32_t kAccent = 0xFF3A6FC4;

const char* const kTabNames[3] = {"Audio Output", "MIDI", "Other"};

bool Inside(const tagHfcRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

void Text(CHfcOffscreenContext* ctx, int x, int y, int width, const std::string& text, uint32_t colour) {
    if (tagHfcBmpFontInfo* font = HfcChromeFont())
        ctx->DrawBmpTextProportional(x, y, text.c_str(), width, font, colour, false);
}

int TextTop(const tagHfcRect& r) {
    tagHfcBmpFontInfo* font = HfcChromeFont();
    const int h = font ? font->height : 12;
    return r.top + (r.bottom - r.top - h) / 2;
}

}  // namespace

int SettingsLayout::SliderX(int value, int minimum, int maximum) {
    const int left = kControlLeft + kSliderThumb / 2;
    const int span = kSliderWidth - kSliderThumb;
    if (maximum <= minimum) return left;
    return left +
           static_cast<int>(std::lround(static_cast<double>(value - minimum) * span / (maximum - minimum)));
}

const SettingsRow CSettingsWindow::kRows[3][5] = {
    {{kSigOutput, 0, "Output Device"},
     {kSigFormat, 0, "Format"},
     {kSigChannels, 0, "Output Channels"},
     {kSigBufferSize, 0, "Buffer Size"},
     {kSigClock, 0, "Clock Source"}},
    {{kSigMidi, 0, "MIDI Input 1"},
     {kSigMidi, 1, "MIDI Input 2"},
     {kSigMidi, 2, "MIDI Input 3"},
     {kSigMidi, 3, "MIDI Clock Source"},
     {0, 0, nullptr}},
    {{kSigAutoStop, 0, "Auto Stop"},
     {kSigCpuLimit, 0, "CPU Limit"},
     {kSigKnobMode, 0, "Knob Mode"},
     {0, 0, nullptr},
     {0, 0, nullptr}},
};

CSettingsWindow::CSettingsWindow(CSettingsModel* model, ISettingsHost* host) : m_model(model), m_host(host) {}

CSettingsWindow::~CSettingsWindow() = default;

bool CSettingsWindow::Open(CHfcWindow* over) {
    if (!CHfcDialogWindow::Open("Settings", SettingsLayout::kWidth, SettingsLayout::kHeight, over))
        return false;
    AddButton("OK", kOK, true);
    AddButton("Cancel", kCancel, false);
    AddButton("Apply", kApply, false);
    Redraw();
    return true;
}

tagHfcRect CSettingsWindow::ControlRect(int row, uint32_t signature) {
    tagHfcRect r{};
    const int top = SettingsLayout::RowTop(row);
    int width = SettingsLayout::kControlWidth;
    if (signature == kSigBufferSize || signature == kSigCpuLimit) width = SettingsLayout::kSliderWidth;
    if (signature == kSigAutoStop) width = SettingsLayout::kRowHeight;
    HfcSetRect(&r, SettingsLayout::kControlLeft, top, SettingsLayout::kControlLeft + width,
               top + SettingsLayout::kRowHeight);
    return r;
}

int CSettingsWindow::RowOf(int pane, uint32_t signature, int index) {
    if (pane < 1 || pane > 3) return -1;
    for (int row = 0; row < 5; ++row) {
        const SettingsRow& r = kRows[pane - 1][row];
        if (r.label != nullptr && r.signature == signature && r.index == index) return row;
    }
    return -1;
}

SettingsPopup* CSettingsWindow::PopupOf(uint32_t signature, int index) {
    if (signature == kSigOutput) return &m_model->output;
    if (signature == kSigFormat) return &m_model->format;
    if (signature == kSigChannels) return &m_model->channels;
    if (signature == kSigClock) return &m_model->clock;
    if (signature == kSigMidi && index >= 0 && index < 4) return &m_model->midi[index];
    if (signature == kSigKnobMode) return &m_model->knobMode;
    return nullptr;
}

SettingsSlider* CSettingsWindow::SliderOf(uint32_t signature) {
    if (signature == kSigBufferSize) return &m_model->bufferSize;
    if (signature == kSigCpuLimit) return &m_model->cpuLimit;
    return nullptr;
}

void CSettingsWindow::DrawPopup(CHfcOffscreenContext* ctx, const tagHfcRect& r, const SettingsPopup& popup) {
    const bool enabled = popup.enabled && popup.Count() > 0;
    const int w = r.right - r.left, h = r.bottom - r.top;
    ctx->SetBrushColor(kFieldFace);
    ctx->FillRect(r.left, r.top, w, h);
    ctx->SetPenWidth(1.0f);
    ctx->SetPenColor(kBorder);
    ctx->FrameRect(r.left, r.top, w, h);
    Text(ctx, r.left + 8, TextTop(r), w - 30, popup.Text(),
         enabled && popup.ItemEnabled(popup.value) ? kText : kDisabledText);
    // The popup's arrows.
    const int cx = r.right - 12;
    const int cy = r.top + h / 2;
    ctx->SetBrushColor(enabled ? kAccent : kDisabledText);
    for (int i = 0; i < 4; ++i) {
        ctx->FillRect(cx - 4 + i, cy - 2 - i, 9 - 2 * i, 1);
        ctx->FillRect(cx - 4 + i, cy + 2 + i, 9 - 2 * i, 1);
    }
}

void CSettingsWindow::DrawSlider(CHfcOffscreenContext* ctx, const tagHfcRect& r,
                                 const SettingsSlider& slider) {
    const int mid = r.top + (r.bottom - r.top) / 2;
    ctx->SetBrushColor(slider.enabled ? kBorder : kDisabledText);
    ctx->FillRect(r.left + SettingsLayout::kSliderThumb / 2, mid - 2,
                  r.right - r.left - SettingsLayout::kSliderThumb, 4);
    if (!slider.enabled) return;
    const int x = SettingsLayout::SliderX(slider.value, slider.minimum, slider.maximum);
    ctx->SetBrushColor(kAccent);
    ctx->FillRect(r.left + SettingsLayout::kSliderThumb / 2, mid - 2,
                  x - r.left - SettingsLayout::kSliderThumb / 2, 4);
    ctx->SetBrushColor(kFieldFace);
    ctx->FillRect(x - SettingsLayout::kSliderThumb / 2, r.top + 2, SettingsLayout::kSliderThumb,
                  r.bottom - r.top - 4);
    ctx->SetPenWidth(1.0f);
    ctx->SetPenColor(kAccent);
    ctx->FrameRect(x - SettingsLayout::kSliderThumb / 2, r.top + 2, SettingsLayout::kSliderThumb,
                   r.bottom - r.top - 4);
}

void CSettingsWindow::DrawContent(CHfcOffscreenContext* ctx) {
    const int pane = std::clamp(m_model->tab, 1, 3);
    // The pane, then the tabs on its top edge.
    const int paneTop = SettingsLayout::kTabTop + SettingsLayout::kTabHeight;
    const int paneBottom = SettingsLayout::kHeight - kMargin - kButtonHeight - 12;
    ctx->SetBrushColor(kPaneFace);
    ctx->FillRect(kMargin, paneTop, SettingsLayout::kWidth - 2 * kMargin, paneBottom - paneTop);
    ctx->SetPenWidth(1.0f);
    ctx->SetPenColor(kBorder);
    ctx->FrameRect(kMargin, paneTop, SettingsLayout::kWidth - 2 * kMargin, paneBottom - paneTop);
    for (int n = 1; n <= 3; ++n) {
        tagHfcRect t{};
        HfcSetRect(&t, SettingsLayout::TabLeft(n), SettingsLayout::kTabTop,
                   SettingsLayout::TabLeft(n) + SettingsLayout::kTabWidth - 2, paneTop + (n == pane ? 1 : 0));
        ctx->SetBrushColor(n == pane ? kPaneFace : kTabFace);
        ctx->FillRect(&t);
        ctx->SetPenColor(kBorder);
        ctx->FrameRect(t.left, t.top, t.right - t.left, t.bottom - t.top - (n == pane ? 1 : 0));
        tagHfcBmpFontInfo* font = n == pane ? HfcChromeFontBold() : HfcChromeFont();
        if (font) {
            const int tw = HfcGetBmpTextWidth(font, kTabNames[n - 1]);
            ctx->DrawBmpTextProportional(t.left + (t.right - t.left - tw) / 2, TextTop(t), kTabNames[n - 1],
                                         t.right - t.left - 4, font, kText, false);
        }
    }

    for (int row = 0; row < 5; ++row) {
        const SettingsRow& info = kRows[pane - 1][row];
        if (info.label == nullptr) continue;
        const tagHfcRect r = ControlRect(row, info.signature);
        Text(ctx, SettingsLayout::kLabelLeft, TextTop(r),
             SettingsLayout::kControlLeft - SettingsLayout::kLabelLeft - 8, info.label, kText);
        if (SettingsPopup* popup = PopupOf(info.signature, info.index)) {
            DrawPopup(ctx, r, *popup);
        } else if (SettingsSlider* slider = SliderOf(info.signature)) {
            DrawSlider(ctx, r, *slider);
            const int textLeft = r.right + 14;
            if (info.signature == kSigBufferSize) {
                Text(ctx, textLeft, TextTop(r), 60, m_model->texts[0],
                     slider->enabled ? kText : kDisabledText);
                Text(ctx, textLeft + 60, TextTop(r), 70, m_model->texts[1] + " ms",
                     slider->enabled ? kText : kDisabledText);
            } else {
                Text(ctx, textLeft, TextTop(r), 60, m_model->texts[2], kText);
            }
        } else if (info.signature == kSigAutoStop) {
            const int s = r.bottom - r.top - 6;
            ctx->SetBrushColor(kFieldFace);
            ctx->FillRect(r.left, r.top + 3, s, s);
            ctx->SetPenColor(kBorder);
            ctx->FrameRect(r.left, r.top + 3, s, s);
            if (m_model->autoStop) {
                ctx->SetBrushColor(kAccent);
                ctx->FillRect(r.left + 4, r.top + 7, s - 8, s - 8);
            }
            Text(ctx, r.left + s + 10, TextTop(r), 280, "Stop audio when the CPU load reaches the limit",
                 kText);
        }
    }
}

void CSettingsWindow::TrackPopup(const SettingsRow& row, const tagHfcRect& rect) {
    SettingsPopup* popup = PopupOf(row.signature, row.index);
    if (popup == nullptr || !popup->enabled || popup->Count() == 0) return;
    CHfcPopupMenu menu;
    if (!menu.Create(0)) return;
    for (int n = 1; n <= popup->Count(); ++n) {
        const SettingsPopup::Item& item = popup->items[static_cast<size_t>(n - 1)];
        menu.InsertItem(n - 1, n, item.text.c_str(), item.enabled ? 0u : 2u);
        if (item.checked || n == popup->value) menu.CheckItem(n - 1, true);
    }
    const int chosen = menu.TrackPopupById(rect.left, rect.top, this, popup->value - 1);
    menu.Destroy();
    if (chosen <= 0 || !popup->ItemEnabled(chosen)) return;
    popup->value = chosen;
    m_model->ControlHit(row.signature, row.index);
}

void CSettingsWindow::DragSlider(const SettingsRow& row, int x) {
    SettingsSlider* slider = SliderOf(row.signature);
    if (slider == nullptr || !slider->enabled) return;
    const int left = SettingsLayout::kControlLeft + SettingsLayout::kSliderThumb / 2;
    const int span = SettingsLayout::kSliderWidth - SettingsLayout::kSliderThumb;
    const double share = std::clamp(static_cast<double>(x - left) / span, 0.0, 1.0);
    slider->Set(slider->minimum + static_cast<int>(std::lround(share * (slider->maximum - slider->minimum))));
    // The live action: the texts follow the thumb.
    if (row.signature == kSigBufferSize) {
        m_model->BufferSliderMoved();
    } else {
        m_model->CpuSliderMoved();
    }
    Redraw();
}

void CSettingsWindow::OnPointerDown(const HfcPlatformEvent& event) {
    // Tabs.
    if (event.y >= SettingsLayout::kTabTop &&
        event.y < SettingsLayout::kTabTop + SettingsLayout::kTabHeight) {
        for (int n = 1; n <= 3; ++n) {
            if (event.x >= SettingsLayout::TabLeft(n) &&
                event.x < SettingsLayout::TabLeft(n) + SettingsLayout::kTabWidth && n != m_model->tab) {
                m_model->tab = n;
                Redraw();
                return;
            }
        }
        return;
    }
    const int pane = std::clamp(m_model->tab, 1, 3);
    for (int row = 0; row < 5; ++row) {
        const SettingsRow& info = kRows[pane - 1][row];
        if (info.label == nullptr) continue;
        const tagHfcRect r = ControlRect(row, info.signature);
        if (!Inside(r, event.x, event.y)) continue;
        if (SliderOf(info.signature) != nullptr) {
            m_dragRow = row;
            GetFrame()->GrabInput();
            DragSlider(info, event.x);
        } else if (info.signature == kSigAutoStop) {
            m_model->autoStop = !m_model->autoStop;
            m_model->ControlHit(kSigAutoStop, 0);
            Redraw();
        } else {
            TrackPopup(info, r);
            // The popup's nested loop may have ended with the window hidden.
            if (GetFrame() != nullptr) Redraw();
        }
        return;
    }
}

void CSettingsWindow::OnPointerUp(const HfcPlatformEvent& event) {
    if (m_dragRow < 0) return;
    const SettingsRow& info = kRows[std::clamp(m_model->tab, 1, 3) - 1][m_dragRow];
    m_dragRow = -1;
    if (GetFrame() != nullptr) GetFrame()->UngrabInput();
    DragSlider(info, event.x);
    m_model->ControlHit(info.signature, info.index);
}

void CSettingsWindow::OnPlatformEvent(const HfcPlatformEvent& event) {
    if (event.kind == HfcEventKind::MouseDragged && m_dragRow >= 0) {
        DragSlider(kRows[std::clamp(m_model->tab, 1, 3) - 1][m_dragRow], event.x);
        return;
    }
    if (event.kind == HfcEventKind::Close) {
        // The close box hides the window; the settings stay as they are.
        if (m_host) m_host->HideSettings();
        return;
    }
    CHfcDialogWindow::OnPlatformEvent(event);
}

bool CSettingsWindow::OnKey(const HfcPlatformEvent& event) {
    if (event.character == 27) {
        m_model->ControlHit(kSigCancel, 0);
        return true;
    }
    return CHfcDialogWindow::OnKey(event);
}

void CSettingsWindow::OnButton(const Button& button) {
    // The model may have the window hidden (deleted later): nothing after the hit.
    switch (button.result) {
        case kOK:
            m_model->ControlHit(kSigOK, 0);
            return;
        case kCancel:
            m_model->ControlHit(kSigCancel, 0);
            return;
        case kApply:
            m_model->ControlHit(kSigSetup, 0);
            return;
        default:
            return;
    }
}
