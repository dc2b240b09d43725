#pragma once
// Small controls that show a choice and let the user change it: the mini program display, the sound
// selector LCD, the up/down item selector, and the octave and key selectors over a keyboard picture.
// A press is offered to the listener first; a release is offered too and, unless taken, frees the
// mouse capture. Values chosen by the user reach the listener as OnHfcCtrlIntValueChanged.
#include <cstdint>
#include <string>
#include <vector>

#include "Hfc/Core/HfcControl.h"

class CHfcBmp;
struct tagHfcBmpFontInfo;
namespace QorX0 {
class IRemoteSynth;
}

struct SQnMiniProgramSelector {
    int x = 0;
    int y = 0;
    CHfcBmp* background = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    tagHfcBmpFontInfo* font = nullptr;  // null: "FontGeneva9"
    uint32_t colour = 0;
    CHfcBmp* image = nullptr;  // null: "MiniProgramSelector" from the image cache
};

class QnMiniProgramSelector : public CHfcControl {
public:
    static constexpr int kMaxValue = 896;  // bank × 128 + program

    QnMiniProgramSelector();
    ~QnMiniProgramSelector() override;

    // False for a null record; enabled and shown, range 0 .. 896.
    bool Create(const SQnMiniProgramSelector* param, int id, int listenerData);
    // A value outside the range stores -1 (shown as dashes).
    void SetIntValue(int value, bool redraw) override;
    void SetPtrValue(void*, bool) override {}
    int GetBankNumber() const;
    int GetProgNumber() const;
    // The two lines the face shows.
    std::string GetFirstLine() const;
    std::string GetSecondLine() const;

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void Draw(CHfcDrawContext* context) override;

    bool IsPressed() const { return m_pressed; }

    // Set by the owning page after creation; names come from it.
    QorX0::IRemoteSynth* m_pRemoteSynth = nullptr;

private:
    tagHfcBmpFontInfo* m_font = nullptr;
    uint32_t m_colour = 0;
    CHfcBmp* m_image = nullptr;
    CHfcBmp* m_background = nullptr;
    int m_backgroundX = 0;
    int m_backgroundY = 0;
    bool m_pressed = false;
};

struct SQnSoundSelector {
    int kind = 0;
    int x = 0;
    int y = 0;
    CHfcBmp* lcd = nullptr;  // sets the size
    CHfcBmp* background = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    tagHfcBmpFontInfo* font = nullptr;  // null: "FontGeneva9"
    int inset = 0;
    uint32_t colour = 0;
};

class QnSoundSelector : public CHfcControl {
public:
    // Which pick-list the owning page opens (any other kind: programs).
    enum Kind {
        kKindArpeggioPattern = 0,
        kKindDrumKit = 1,
        kKindDrumSample = 2,
        kKindEffect = 3,
        kKindMultisample = 4
    };

    QnSoundSelector();
    ~QnSoundSelector() override;

    // False for a null record; enabled and shown.
    bool Create(const SQnSoundSelector* param, int id, int listenerData);
    int GetKind() const { return m_kind; }
    // The page changes which pick-list the selector opens as the sound it shows changes kind.
    void SetKind(int kind) { m_kind = kind; }
    // The shown text (a null text shows nothing).
    void SetPtrValue(void* text, bool redraw) override;
    void* GetPtrValue() override { return const_cast<char*>(m_text.c_str()); }
    const std::string& GetText() const { return m_text; }
    // A value outside the range stores -1.
    void SetIntValue(int value, bool redraw) override;

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void Draw(CHfcDrawContext* context) override;

    bool IsPressed() const { return m_pressed; }
    int GetInset() const { return m_inset; }
    uint32_t GetTextColor() const { return m_colour; }
    tagHfcBmpFontInfo* GetFont() const { return m_font; }
    CHfcBmp* GetLcdImage() const { return m_lcd; }

private:
    int m_kind = 0;
    tagHfcBmpFontInfo* m_font = nullptr;
    std::string m_text;
    uint32_t m_colour = 0;
    int m_inset = 0;
    CHfcBmp* m_lcd = nullptr;
    CHfcBmp* m_background = nullptr;
    int m_backgroundX = 0;
    int m_backgroundY = 0;
    bool m_pressed = false;
};

struct SQnUpdownSelector {
    int x = 0;
    int y = 0;
    CHfcBmp* image = nullptr;  // sets the size
    tagHfcRect incrementZone{};
    tagHfcRect decrementZone{};
    int unused[3] = {0, 0, 0};
    tagHfcBmpFontInfo* font = nullptr;  // null: "FontHelvB11"
    uint32_t colour = 0;
};

class QnUpdownSelector : public CHfcControl {
public:
    static constexpr int kRepeatMs = 300;
    static constexpr float kFineDrag = 0.1f;
    static constexpr float kCoarseDrag = 1.0f;

    QnUpdownSelector();
    ~QnUpdownSelector() override;

    // False for a null record; no items, value and range 0; enabled, shown, focus on click.
    bool Create(const SQnUpdownSelector* param, int id, int listenerData);
    bool Destroy() override;

    // Appends and makes the maximum count - 1; returns the new item's index.
    int AddItem(const std::string& text);
    void ClearAllItems();
    std::string GetItemText(int index) const;
    void SetItemText(int index, const std::string& text);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // An index outside the items stores -1 (no text).
    void SetIntValue(int value, bool redraw) override;
    void SetPtrValue(void*, bool) override {}

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    // Quick clicks on a zone arrive as double clicks: each one steps like a press.
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    // With the key focus, the arrow keys step as the zones do: right and up to the next item, left
    // and down to the one before, clamped; the listener is told of a change.
    bool OnKeyDown(int character, int virtualKey, int modifiers) override;
    bool OnKeyRepeat(int character, int virtualKey, int modifiers) override;
    void OnIdle(int elapsedMs) override;
    void Draw(CHfcDrawContext* context) override;

    bool IsPressed() const { return m_pressed; }
    // Whether an idle tick can still step the value (held in a zone, no move since).
    bool IsRepeating() const { return m_pressed && m_repeatTimer < kRepeatMs; }

private:
    // The value plus delta, clamped to the range; marks dirty and tells the listener on a change.
    bool Step(int delta);

    tagHfcBmpFontInfo* m_font = nullptr;
    uint32_t m_colour = 0;
    CHfcBmp* m_image = nullptr;
    tagHfcRect m_incrementZone{};
    tagHfcRect m_decrementZone{};
    std::vector<std::string> m_items;
    bool m_pressed = false;
    bool m_down = false;
    bool m_dragging = false;
    tagHfcPoint m_last{};
    float m_accumulator = 0.0f;
    int m_lastReported = 0;
    int m_repeatTimer = 0;
};

// The octave selector: a keyboard picture with one octave (0 to 10) framed in red.
class QnOctaveSelector : public CHfcControl {
public:
    static constexpr int kMaxOctave = 10;

    QnOctaveSelector();
    ~QnOctaveSelector() override;

    // False when "Image_Keyboard" does not load; value 0, enabled and shown.
    bool Create(int x, int y, CHfcBmp* background, int backgroundX, int backgroundY, int id);
    // The same over a given keyboard picture.
    bool Create(int x, int y, CHfcBmp* background, int backgroundX, int backgroundY, int id,
                CHfcBmp* keyboard);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void Draw(CHfcDrawContext* context) override;

private:
    void Follow(int x);

    CHfcBmp* m_keyboard = nullptr;
    CHfcBmp* m_background = nullptr;
    int m_backgroundX = 0;
    int m_backgroundY = 0;
};

// The key selector: a keyboard picture with a red arrow above one key (0 to 127). The owner moves the
// arrow (SetIntValue, stored as given) from the mouse reports it receives.
class QnKeySelector : public CHfcControl {
public:
    QnKeySelector();
    ~QnKeySelector() override;

    // False when "Image_Keyboard" does not load; value 0, enabled and shown.
    bool Create(int x, int y, CHfcBmp* background, int backgroundX, int backgroundY, int id);
    bool Create(int x, int y, CHfcBmp* background, int backgroundX, int backgroundY, int id,
                CHfcBmp* keyboard, CHfcBmp* arrow);

    // The arrow's left edge relative to the control for a key, or -1 for values outside 0 .. 127.
    static int ArrowLeft(int key);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void Draw(CHfcDrawContext* context) override;

private:
    CHfcBmp* m_keyboard = nullptr;
    CHfcBmp* m_arrow = nullptr;
    CHfcBmp* m_background = nullptr;
    int m_backgroundX = 0;
    int m_backgroundY = 0;
};
