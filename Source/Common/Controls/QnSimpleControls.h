#pragma once
// Four small controls: QnStaticText (one line of bitmap-font text: labels, captions), QnSlider (a
// horizontal slider with a small arrow thumb), QnArpLengthBar (a red bar showing a length) and
// CMMPCtrlFlash (a lamp that lights when given a value and fades back a step at a time: the MIDI
// activity indicators). Presses are first offered to the listener; a press it takes goes no
// further. Main thread only.
#include <cstdint>
#include <string>
#include <vector>

#include "Hfc/Core/HfcControl.h"

class CHfcBmp;
struct tagHfcBmpFontInfo;

struct SQnStaticText {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;  // 0: the font's cell height
    CHfcBmp* back = nullptr;
    int backX = 0;
    int backY = 0;
    tagHfcBmpFontInfo* font = nullptr;
    const char* text = nullptr;
    uint32_t colour = 0;
    int hAlign = 1;  // 0 left, 1 centre, 2 right
    int hMargin = 0;
    int vAlign = 1;  // 0 top, 1 centre, 2 bottom
    int vOffset = 0;
};

class QnStaticText : public CHfcControl {
public:
    // False without a record.
    bool Create(const SQnStaticText* param, int id, int listenerData);
    // A null text is ignored; any other replaces the text and marks the control dirty.
    void SetPtrValue(void* text, bool redraw) override;
    void* GetPtrValue() override { return m_text.data(); }
    void SetTextColor(uint32_t colour) { m_colour = colour; }
    uint32_t GetTextColor() const { return m_colour; }
    const std::string& GetText() const { return m_text; }
    int GetHAlign() const { return m_hAlign; }
    int GetVAlign() const { return m_vAlign; }
    tagHfcBmpFontInfo* GetFont() const { return m_font; }

    void Draw(CHfcDrawContext* context) override;
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;

private:
    CHfcBmp* m_back = nullptr;
    int m_backX = 0;
    int m_backY = 0;
    tagHfcBmpFontInfo* m_font = nullptr;
    std::string m_text;
    uint32_t m_colour = 0;
    int m_hAlign = 1;
    int m_hMargin = 0;
    int m_vAlign = 1;
    int m_vOffset = 0;
};

// The press and release rules of the slider and the length bar: the value under the pointer on a
// press and on every move while captured.
class QnPointerValueControl : public CHfcControl {
public:
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    // Stored within the range.
    void SetIntValue(int value, bool redraw) override;

protected:
    // The value for a pointer at x (control coordinates), within the range.
    virtual int ValueAt(int x) const = 0;
    void Track(int x);
};

class QnSlider : public QnPointerValueControl {
public:
    // False when the thumb image "Image_RedArrow_Up_W6" cannot be loaded.
    bool Create(int x, int y, int width, int height, CHfcBmp* back, int backX, int backY, int id);
    void Draw(CHfcDrawContext* context) override;
    CHfcBmp* GetThumb() const { return m_thumb; }
    // The thumb's left edge, relative to the control.
    int ThumbX() const;

private:
    int ValueAt(int x) const override;
    CHfcBmp* m_thumb = nullptr;
    CHfcBmp* m_back = nullptr;
    int m_backX = 0;
    int m_backY = 0;
};

class QnArpLengthBar : public QnPointerValueControl {
public:
    // False when the back image "HorizontalValueBar_ArpLength_Back" cannot be loaded.
    bool Create(int x, int y, int id);
    void Draw(CHfcDrawContext* context) override;
    // Width of the red fill for the current value.
    int FillWidth() const;
    CHfcBmp* GetBarImage() const { return m_bar; }

private:
    int ValueAt(int x) const override;
    CHfcBmp* m_back = nullptr;
    CHfcBmp* m_bar = nullptr;
};

struct tagMMPCtrlFlashParam {
    int x = 0;
    int y = 0;
    int width = 0;              // 0: the frame image's width
    int height = 0;             // 0: the frame image's height / (levels + 1)
    CHfcBmp* frames = nullptr;  // levels + 1 faces stacked vertically, the last the disabled look
    int backX = 0;
    int backY = 0;
    CHfcBmp* back = nullptr;
    int levels = 0;
    int extra = 0;
    int timePerLevel = 0;             // ms
    const int* levelTable = nullptr;  // one int per level, copied
};

class CMMPCtrlFlash : public CHfcControl {
public:
    // False without a record, its frame or back image, or with levels or time per level <= 0. The
    // lamp starts disabled.
    bool Create(const tagMMPCtrlFlashParam* param, int id, int listenerData);
    bool Destroy() override;
    // Lights frame value - 1 (value taken within 0..levels); it then falls a frame per time per level.
    void SetIntValue(int value, bool redraw) override;
    void OnIdle(int elapsed) override;
    void OnEnabled() override;
    void OnDisabled() override;
    void Draw(CHfcDrawContext* context) override;
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;

    int GetFrame() const { return m_frame; }
    int GetRemaining() const { return m_remaining; }
    int GetLevels() const { return m_levels; }
    int GetExtra() const { return m_extra; }
    const std::vector<int>& GetLevelTable() const { return m_levelTable; }

private:
    CHfcBmp* m_frames = nullptr;
    CHfcBmp* m_back = nullptr;
    int m_backX = 0;
    int m_backY = 0;
    int m_levels = 0;
    int m_extra = 0;
    int m_timePerLevel = 1;
    std::vector<int> m_levelTable;
    int m_remaining = 0;
    int m_frame = 0;
};
