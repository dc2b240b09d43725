#pragma once
// Popup menus with integer item ids, tracked in a menu window of our own (a popup frame holding
// the input while it is open, run in a nested loop), and the application menu bar. Menus are flat.
// Main thread only.
//
// Tracking: a press held when the menu opens can be dragged onto an item and released to choose it;
// a quick click (released within half a second without moving) leaves the menu open for a second click;
// a click outside or Escape closes it with 0; Up, Down and Return choose from the keyboard. Disabled
// items and separators are never chosen. A menu taller than the screen scrolls (arrow strips, wheel,
// keys).
#include <functional>
#include <string>
#include <vector>

class CHfcWindow;

class CHfcPopupMenu {
public:
    struct Item {
        std::string text;  // UTF-8, taken literally
        int id;
        unsigned flags;  // bit 0 separator, bit 1 disabled
        bool checked;
    };

    CHfcPopupMenu();
    virtual ~CHfcPopupMenu();
    CHfcPopupMenu(const CHfcPopupMenu&) = delete;
    CHfcPopupMenu& operator=(const CHfcPopupMenu&) = delete;

    // False when already created. A non-zero id registers the menu so it can be found by its id.
    bool Create(int menuId);
    bool Destroy();
    // Inserted at the 0-based position afterIndex (0 puts it first; past the end appends).
    bool InsertItem(int afterIndex, int id, const char* text, unsigned flags);
    bool DeleteItem(int index);
    bool CheckItem(int index, bool checked);
    int GetNumItems() const;
    // Shows the menu with its left at x and item `selected` under y (window coordinates when a window
    // is given) and returns the chosen item's id, 0 when nothing was chosen, -1 when tracking was
    // cancelled (no platform, input refused, the loop quit). An empty menu gives 0 at once.
    int TrackPopupById(int x, int y, CHfcWindow* window, int selected);

    bool IsCreated() const { return m_bCreated; }
    int GetMenuId() const { return m_iMenuId; }
    const std::vector<Item>& GetItems() const { return m_items; }
    // A registered menu by its id, or null.
    static CHfcPopupMenu* FindMenu(int menuId);

private:
    bool m_bCreated = false;
    bool m_bCancelled = false;
    int m_iMenuId = 0;
    std::vector<Item> m_items;
};

// Scripted answers for tests of callers: the hook sees what would be shown and returns what the user
// chooses (an id, 0 or -1) instead of opening the menu window.
struct HfcPopupMenuRequest {
    std::vector<CHfcPopupMenu::Item> items;
    int rootX;
    int rootY;
    int selected;
};
using HfcPopupMenuHook = std::function<int(const HfcPopupMenuRequest&)>;
void HfcSetPopupMenuHook(HfcPopupMenuHook hook);

class CHfcMenuBar {
public:
    CHfcMenuBar();
    virtual ~CHfcMenuBar();
    // Menus shown in the bar, in order (not owned).
    void AddMenu(const char* title, CHfcPopupMenu* menu);
    // False without menus; installs the bar. The Quit item of the platform's own layout does not exist
    // here, so OnMacRemoveQuitMenu is never called.
    bool SetMenuBar();
    virtual void OnMacRemoveQuitMenu() {}
    bool m_bKeepQuitMenu = false;
    bool IsInstalled() const { return m_bInstalled; }

private:
    std::vector<std::pair<std::string, CHfcPopupMenu*>> m_menus;
    bool m_bInstalled = false;
};

// Geometry of the menu window, shared with tests.
enum : int { kHfcMenuRowHeight = 20, kHfcMenuSeparatorHeight = 9, kHfcMenuScrollStrip = 14 };
