#pragma once
// A group of a page's controls shown, hidden or highlighted together, with its own background
// (image or colour) and, when framed and active, red corner marks.
#include <cstdint>
#include <vector>

class CHfcBmp;
class CHfcControl;
class CHfcWindowLayer;

class QnControlContainer {
public:
    explicit QnControlContainer(bool framed) : m_bFramed(framed) {}
    virtual ~QnControlContainer() = default;

    void AddControl(CHfcControl* control);
    CHfcControl* GetAt(int index) const;
    int FindControl(const CHfcControl* control) const;
    int GetCount() const { return static_cast<int>(m_controls.size()); }
    void Show(bool redraw);
    void Hide(bool redraw);
    void OnRefresh();

    CHfcWindowLayer* m_pOwner = nullptr;
    int m_iId = -1;
    int m_x = 0, m_y = 0, m_width = 0, m_height = 0;
    CHfcBmp* m_pBackground = nullptr;
    uint32_t m_uBackColor = 0;
    bool m_bVisible = true;
    bool m_bActive = false;
    bool m_bFramed;

private:
    std::vector<CHfcControl*> m_controls;
};
