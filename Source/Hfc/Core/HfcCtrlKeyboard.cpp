#include "Hfc/Core/HfcCtrlKeyboard.h"

#include <algorithm>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

int NoteOn(int note) {
    return static_cast<int>(static_cast<uint32_t>(note) | 0x80000000u);
}

}  // namespace

CHfcCtrlKeyboard::~CHfcCtrlKeyboard() {
    if (m_bCreated || m_states) CHfcCtrlKeyboard::Destroy();
}

bool CHfcCtrlKeyboard::Create(const tagHfcCtrlKeyboardParam* param, int id, int userValue) {
    if (!param) {
        HfcDebugPrintf("pParam = 0.");
        Destroy();
        return false;
    }
    if (!param->bitmap) {
        HfcDebugPrintf("m_pBmpKeys = 0.");
        Destroy();
        return false;
    }
    m_param = *param;
    m_bmpKeys = param->bitmap;
    const int regions = std::max(0, param->regions);
    HfcMemFree(m_states);
    m_states =
        static_cast<uint32_t*>(HfcMemAlloc(sizeof(uint32_t) * static_cast<size_t>(std::max(1, regions))));
    if (!m_states) {
        Destroy();
        return false;
    }
    for (int i = 0; i < regions; ++i) m_states[i] = kRedrawBit;
    const int width = param->width > 0 ? param->width : m_bmpKeys->GetWidth();
    const int height = param->height > 0 ? param->height : m_bmpKeys->GetHeight() / 8;
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = userValue;
    SetMinIntValue(0, false);
    SetMaxIntValue(0x7fffffff, false);
    m_key = m_previousKey = kNoKey;
    Enable(false);
    return true;
}

bool CHfcCtrlKeyboard::Destroy() {
    const bool destroyed = CHfcControl::Destroy();
    HfcMemFree(m_states);
    m_states = nullptr;
    m_bmpKeys = nullptr;
    m_param = {};
    return destroyed;
}

uint32_t CHfcCtrlKeyboard::GetRegionState(int region) const {
    if (!m_states || region < 0 || region >= m_param.regions) return 0;
    return m_states[region];
}

int CHfcCtrlKeyboard::KeyAt(int x, int y) const {
    const int w = m_rect.right - m_rect.left;
    const int h = m_rect.bottom - m_rect.top;
    // A captured drag reports points anywhere on the screen.
    if (!m_param.hitMap || x < 0 || y < 0 || x >= w || y >= h) return kNoKey;
    const int key = m_param.hitMap[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
    return key < m_param.keys ? key : kNoKey;
}

bool CHfcCtrlKeyboard::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    if (mouse) mouse->SetCapture(this, nullptr);
    SetMouseCursorForMouseDown();
    const int key = KeyAt(x, y);
    if (key != kNoKey && m_pListener) {
        m_pListener->OnHfcCtrlBeginEdit(this);
        m_pListener->OnHfcCtrlIntValueChanged(this, NoteOn(key + m_param.lowestNote));
    }
    m_key = m_previousKey = key;
    return true;
}

bool CHfcCtrlKeyboard::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlKeyboard::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers)) return true;
    if (!mouse || mouse->GetCapture() != this) return false;
    m_key = KeyAt(x, y);
    if (m_key != m_previousKey) {
        // The new note sounds before the old one ends, so a glide never leaves a gap.
        if (m_pListener && m_key != kNoKey) {
            m_pListener->OnHfcCtrlIntValueChanged(this, NoteOn(m_key + m_param.lowestNote));
        }
        if (m_pListener && m_previousKey != kNoKey) {
            m_pListener->OnHfcCtrlIntValueChanged(this, m_previousKey + m_param.lowestNote);
        }
        m_previousKey = m_key;
    }
    return true;
}

bool CHfcCtrlKeyboard::OnHfcMouseLButtonUp(CHfcMouse* mouse, int, int, int) {
    if (!mouse || mouse->GetCapture() != this) return false;
    mouse->ReleaseCapture();
    return true;
}

bool CHfcCtrlKeyboard::OnHfcMouseLostCapture(CHfcMouse*) {
    const int held = m_previousKey;
    m_key = m_previousKey = kNoKey;
    if (!m_pListener) return true;
    if (held != kNoKey) m_pListener->OnHfcCtrlIntValueChanged(this, held + m_param.lowestNote);
    m_pListener->OnHfcCtrlEndEdit(this);
    return true;
}

void CHfcCtrlKeyboard::KeyOn(int key) {
    if (!m_states || !m_param.keyTable || key < 0 || key >= m_param.keys) return;
    const int* entry = m_param.keyTable + 3 * key;
    for (int i = 0; i < 2; ++i) {
        if (entry[i] >= 0 && entry[i] < m_param.regions) {
            m_states[entry[i]] |= static_cast<uint32_t>(entry[2]) | kRedrawBit;
        }
    }
}

void CHfcCtrlKeyboard::KeyOff(int key) {
    if (!m_states || !m_param.keyTable || key < 0 || key >= m_param.keys) return;
    const int* entry = m_param.keyTable + 3 * key;
    for (int i = 0; i < 2; ++i) {
        if (entry[i] >= 0 && entry[i] < m_param.regions) {
            m_states[entry[i]] = (m_states[entry[i]] & (static_cast<uint32_t>(entry[2]) ^ 7u)) | kRedrawBit;
        }
    }
}

void CHfcCtrlKeyboard::SetIntValue(int value, bool redraw) {
    if (!m_bCreated) return;
    const int key = static_cast<int>(static_cast<uint32_t>(value) & 0x7fffffffu) - m_param.lowestNote;
    if (key < 0 || key >= m_param.keys) return;
    if (value < 0) {
        KeyOn(key);
    } else {
        KeyOff(key);
    }
    if (redraw) m_bDirty = true;
}

void CHfcCtrlKeyboard::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context || !m_states || !m_bmpKeys || !m_param.regionRects) return;
    const int h = m_rect.bottom - m_rect.top;
    for (int i = 0; i < m_param.regions; ++i) {
        if (!(m_states[i] & kRedrawBit)) continue;
        m_states[i] &= ~kRedrawBit;
        const tagHfcRect& region = m_param.regionRects[i];
        context->CopyBmp(m_rect.left + region.left, m_rect.top, region.right - region.left, h, m_bmpKeys,
                         region.left, h * static_cast<int>(m_states[i] & 7u));
        m_spanLeft = std::min(m_spanLeft, region.left);
        m_spanRight = std::max(m_spanRight, region.right);
    }
}

bool CHfcCtrlKeyboard::Update(bool redraw, bool now) {
    m_spanLeft = m_rect.right - m_rect.left;
    m_spanRight = 0;
    if (redraw && m_states) {
        for (int i = 0; i < m_param.regions; ++i) m_states[i] |= kRedrawBit;
    }
    if (!m_bVisible) return CHfcControl::Update(redraw, now);
    if (!redraw && !m_bDirty) return false;
    if (!m_pParent) return false;
    m_bDirty = false;
    Draw(m_pParent->GetContext());
    if (m_spanLeft >= m_spanRight) return false;
    tagHfcRect span;
    HfcSetRect(&span, m_rect.left + m_spanLeft, m_rect.top, m_rect.left + m_spanRight, m_rect.bottom);
    return m_pParent->CopyToWindow(&span, now);
}
