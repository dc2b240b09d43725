#pragma once
// The base of every edit page behind a mode tab and of the effect sub-page: the page kind (which
// section its controls are linked to), the page's redraw, the pick-list browsers its selector
// controls open, its optional row of sublevel tabs and the Utility-menu items it contributes.
#include <list>
#include <string>

#include "Common/Layers/TabControl.h"

class QnControlCreater;
class QnStaticText;
class CHfcWindowLayer;
struct MenuItemInfo;

class EditTabPageLayerBase : public CTabPageLayer {
public:
    // A row of a page's static label table; flag set: a category label.
    struct SLabelInfo {
        int x;
        int y;
        int width;
        const char* text;
        bool flag;
    };

    // Where a selector click is sent, when set (tests): the layer that holds the page's tab control,
    // the browser type, the page kind and the linked PID. Unset, the request goes to the window's
    // root layer when that holds the tab control.
    using RedBrowserRequest = bool (*)(CHfcWindowLayer* holder, int type, int kind, int pid);

    EditTabPageLayerBase(QorX0::IRemoteSynth* synth, int kind);
    ~EditTabPageLayerBase() override;

    // Appends the page's Utility-menu items; none here.
    virtual void GetMenuItemInfoList(std::list<MenuItemInfo>& items);
    // A press on a program or sound selector opens its pick-list browser (and is handled even when
    // the selector is not linked); any other control is not handled.
    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) override;
    // Runs in the synthesizer's own callback (no queued replay): re-reads every control.
    void OnRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                      const QorX0::SOUNDINDEX& sound) override;
    // The sublevel tab control at (7, y) over the tab image; owned by the page.
    virtual bool CreateSublevelTab(const std::string& tabImage, int y);

    // Clamped to 0 .. the number of sublevel pages; nothing without sublevel tabs.
    void SetActiveSublevelTabIndex(int index, bool update);
    // A label of the table row, not yet added to the page.
    QnStaticText* CreateLabel(QnControlCreater* creater, const SLabelInfo& row, int unused);

    void OnRefresh() override;

    // The browser type a sound selector of that kind opens.
    static int BrowserTypeOfSelectorKind(int kind);
    // The root layer's request, wired by the editor window.
    static void SetRedBrowserRequest(RedBrowserRequest request);
    static RedBrowserRequest GetRedBrowserRequest();

    // The common steps of a linked control: added, listened to, shown, linked and synchronised.
    // pid -1: not linked. Returns the control (none stays none).
    template <class C>
    C* AddLinked(C* control, int pid) {
        PlaceControl(control, pid);
        return control;
    }
    void PlaceControl(CHfcControl* control, int pid);
    // A label added and shown, not linked.
    QnStaticText* AddLabel(QnControlCreater* creater, const SLabelInfo& row);

protected:
    // A sublevel form page of the host's kind (a CTabPageLayerEx when ex), created from the form and
    // added to the sublevel tabs; none when the form or the tab control is missing.
    CTabPageLayer* CreateAndAddSublevelTab(int formId, bool ex = false);
    // The layer that holds the tab control this page sits in.
    CHfcWindowLayer* GetHolderLayer() const;
    bool RequestOpenRedBrowser(int type, int pid);

private:
    static RedBrowserRequest s_redBrowserRequest;
};
