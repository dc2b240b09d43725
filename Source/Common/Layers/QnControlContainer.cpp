#include "Common/Layers/QnControlContainer.h"

#include <algorithm>

#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcDrawContext.h"

void QnControlContainer::AddControl(CHfcControl* control) {
    if (control && FindControl(control) < 0) m_controls.push_back(control);
}

CHfcControl* QnControlContainer::GetAt(int index) const {
    return index >= 0 && index < GetCount() ? m_controls[static_cast<size_t>(index)] : nullptr;
}

int QnControlContainer::FindControl(const CHfcControl* control) const {
    auto it = std::find(m_controls.begin(), m_controls.end(), control);
    return it == m_controls.end() ? -1 : static_cast<int>(it - m_controls.begin());
}

void QnControlContainer::Show(bool redraw) {
    m_bVisible = true;
    for (CHfcControl* c : m_controls) c->Show(redraw);
}

void QnControlContainer::Hide(bool redraw) {
    m_bVisible = false;
    for (CHfcControl* c : m_controls) c->Hide(redraw);
}

void QnControlContainer::OnRefresh() {
    CHfcOffscreenContext* context = m_pOwner ? m_pOwner->GetContext() : nullptr;
    if (!context || !m_bVisible) return;
    if (m_pBackground) {
        context->CopyBmp(m_x, m_y, m_width, m_height, m_pBackground, 0, 0);
    } else if (m_uBackColor != 0) {
        context->SetBrushColor(m_uBackColor);
        context->FillRect(m_x, m_y, m_width, m_height);
    }
    if (!m_bFramed || !m_bActive) return;
    const int x = m_x, y = m_y, r = m_x + m_width - 1, b = m_y + m_height - 1;
    context->SetPenColor(0xFFFF0000);
    const int legs[4][6] = {{x + 3, y, x, y, x, y + 3},
                            {r - 3, y, r, y, r, y + 3},
                            {x + 3, b, x, b, x, b - 3},
                            {r - 3, b, r, b, r, b - 3}};
    for (const auto& l : legs) {
        context->MoveTo(l[0], l[1]);
        context->LineTo(l[2], l[3]);
        context->LineTo(l[4], l[5]);
    }
}
