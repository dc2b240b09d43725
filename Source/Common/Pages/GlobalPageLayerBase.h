#pragma once
// The base of the global-mode edit pages: an optional switch that sends the global settings to the
// instrument after asking, a builder that lays out a column of labelled controls from a table of
// rows (one row every 22 pixels, each control linked to its parameter), and the helpers the pages
// share to add controls and containers.
#include <cstdint>
#include <memory>
#include <vector>

#include "Common/Pages/EditTabPageLayerBase.h"

class CHfcBmp;
class CHfcOffscreenContext;
class QnControlContainer;

class GlobalPageLayerBase : public EditTabPageLayerBase {
public:
    // One row of a control table. kind 0 stands for the page's own target kind.
    struct SCtrlinfo {
        int kind;
        int pid;
        int type;  // one of the row types below
        const char* label;
    };
    enum RowType : int {
        kRowNone = 0,
        kRowCheckBox = 1,
        kRowTextEdit = 2,
        kRowValueBar = 3,
        kRowDropdown = 4
    };
    static constexpr int kRowHeight = 22;

    // The first id of the page-local controls (those that are not rows of a table).
    static constexpr int kLocalIdBase = 0x100000;
    static constexpr const char* kStrGlobalDumpMessage = "Dump Global Setting";
    // The command that sends the global settings to the instrument.
    static constexpr int kDumpGlobalCommand = 13;

    // dumpSwitchId -1: no dump switch. The target kind starts at 6 (global).
    GlobalPageLayerBase(QorX0::IRemoteSynth* synth, int dumpSwitchId);
    ~GlobalPageLayerBase() override;

    bool HasDumpSwitch() const { return m_bHasDumpSwitch; }
    int GetDumpSwitchId() const { return m_iDumpSwitchId; }

    // The id a table row's control carries.
    static int RowControlId(int kind, int pid) { return (kind << 16) + pid; }
    // Builds rows[0 .. count) as a column at (x, y); a row of type kRowNone keeps its 22 pixels free.
    void CreateControls(const SCtrlinfo* rows, int count, int x, int y);
    void CreateDumpSwitch();

    bool OnCreate() override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;

    // The names of the 128 MIDI notes, "C-1" to "G9"; an empty text outside 0 .. 127.
    static const char* NoteName(int note);

protected:
    // Adds a control (none stays none): on the page, listened to, shown. Returns it.
    template <class C>
    C* AddLocal(C* control) {
        AddLocalControl(control);
        return control;
    }
    // The same, then linked to (kind, pid) and synchronised.
    template <class C>
    C* AddLinkedTo(C* control, int kind, int pid) {
        AddLinkedControl(control, kind, pid);
        return control;
    }
    void AddLocalControl(CHfcControl* control);
    void AddLinkedControl(CHfcControl* control, int kind, int pid);
    // A label on the page (not linked); id -1 keeps it out of the control map.
    QnStaticText* AddPageLabel(QnControlCreater& creater, int x, int y, const char* text, int width,
                               bool category, int id = -1);
    // A container at (x, y) drawn with the named image (of that image's size), owned by the page.
    QnControlContainer* AddImageContainer(const char* imageName, int x, int y);
    // A container of the named image's size filled with a colour, owned by the page. Controls on it
    // copy their background from fill, a plain image of that colour owned by the page.
    QnControlContainer* AddFilledContainer(const char* sizeImageName, int x, int y, int width,
                                           uint32_t colour, CHfcBmp** fill);
    // The Utility-menu items of each global page.
    enum PageMenu { kSoftwareSetup, kSystemMIDI, kUserScale, kCategoryName, kDrumKit, kArpeggioPattern };
    // Appends copies of the window's items of that page, in order.
    static void AppendPageMenu(std::list<MenuItemInfo>& items, PageMenu menu);
    // Integer reading of typed text; false when it holds no number.
    static bool ParseTypedInt(const void* text, int* value);
    // Sets a field's value and shows text in it.
    static void ShowFieldValue(CHfcControl* field, int value, const char* text);

private:
    bool m_bHasDumpSwitch;
    int m_iDumpSwitchId;
    std::vector<std::unique_ptr<CHfcOffscreenContext>> m_fills;
};
