#pragma once
// Dropdowns: QnDropdownList, a text switch whose whole face opens a popup of its items (its value is
// the picked item's index counted from the minimum), and QnDropdownListSwitch, an on/off text switch
// with a popup zone at its right end that picks one of its items without touching the on/off state.
#include <cstdint>
#include <string>
#include <vector>

#include "Hfc/Core/HfcCtrlSwitch.h"

// The text switch's record followed by the width of the arrow zone that text never enters.
struct SQnDropdownListParam : tagHfcCtrlTextSwitchParam {
    int arrowZoneWidth = 0;
};

class QnDropdownList : public CHfcCtrlTextSwitch {
public:
    // No selection.
    static constexpr int kInvalidValue = static_cast<int>(0x80000000u);

    struct stItem {
        std::string text;       // in the popup and from GetItemText
        std::string shortText;  // on the face
    };

    QnDropdownList();
    ~QnDropdownList() override;

    // False for a null record. Created enabled and shown; the control takes the key focus when clicked.
    bool Create(const SQnDropdownListParam* param, int id, int listenerData);

    // Appends an item (short text: the text when none) and makes the range 0 .. count - 1.
    void AddItem(const char* text, const char* shortText, bool redraw);
    void AddItem(const char* text, bool redraw);
    // Empties the list and sets the value to -1; the range stays as it was.
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // The number of items (not the stored maximum).
    int GetMaxIntValue() override { return GetItemCount(); }
    bool GetItemText(std::string& out, int index) const;

    // Stores the value; one that names no item becomes kInvalidValue.
    void SetIntValue(int value, bool redraw) override;
    // An index outside the items makes the value kInvalidValue; a valid one leaves it alone.
    void SetSelectedItemIndex(int index, bool redraw);
    int GetSelectedItemIndex() const { return m_iValue; }
    int GetArrowZoneWidth() const { return m_arrowZoneWidth; }

    // The item a value shows (value - minimum), or -1 for kInvalidValue and values naming no item.
    int ItemOfValue(int value) const;
    // How many entries the popup lists: one per value of the range, never more than the items.
    int PopupEntryCount() const;

    // From a page: empties the items, or appends one from a parameter's text (the long text, a zero
    // byte, the short text, a zero byte).
    void SetParameter(int kind, int value, void* pointer, bool redraw) override;

    void Draw(CHfcDrawContext* context) override;
    void DrawText(CHfcDrawContext* context) override;
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    // With the key focus, the arrow keys pick the next item (right, up) or the one before (left,
    // down), as the popup would, and tell the listener; from no selection they pick the first or last.
    bool OnKeyDown(int character, int virtualKey, int modifiers) override;
    bool OnKeyRepeat(int character, int virtualKey, int modifiers) override;

private:
    std::vector<stItem> m_items;
    int m_arrowZoneWidth = 10;
};

struct SQnDropdownListSwitchParam : tagHfcCtrlTextSwitchParam {};

class QnDropdownListSwitch : public CHfcCtrlTextSwitch {
public:
    QnDropdownListSwitch();
    ~QnDropdownListSwitch() override;

    // False for a null record; enabled and shown, the on-text colour white.
    bool Create(const SQnDropdownListSwitchParam* param, int id, int listenerData);

    void AddItem(const char* text, bool redraw);
    // Empties the list; the selected index is kept (and then names no item).
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // An index outside the items gives -1.
    void SetSelectedItemIndex(int index, bool redraw);
    int GetSelectedItemIndex() const { return m_selected; }
    int GetZoneWidth() const { return m_zoneWidth; }
    void SetZoneWidth(int width) { m_zoneWidth = width; }
    uint32_t GetOnTextColor() const { return m_onTextColour; }
    void SetOnTextColor(uint32_t argb) { m_onTextColour = argb; }

    void Draw(CHfcDrawContext* context) override;
    void DrawText(CHfcDrawContext* context) override;
    // Left of the zone: the text switch's press (toggle); in the zone: the popup of the items.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;

private:
    std::vector<std::string> m_items;
    int m_selected = -1;
    int m_zoneWidth = 22;
    uint32_t m_onTextColour = 0xFFFFFFFF;
};
