#pragma once
// The two sound browser pages: a small one with dropdown filters and a one-column list, and a large
// one with filter switches, a three-column list and the picked sound's assignments.
#include <string>
#include <vector>

#include "Common/Editor/Browsers.h"
#include "Common/Layers/TabControl.h"

class CMMPCtrlList;
class CMMPCtrlScrollBar;
class CHfcCtrlSwitch;
class CHfcCtrlTextSwitch;
class QnDropdownList;
class QnStaticText;

class BlueBrowserBase : public CTabPageLayer {
public:
    enum : int {
        kIdCategory = 1001,
        kIdBank = 1002,
        kIdList = 1005,
        kIdScroll = 1006,
        kIdInfoFirst = 1007,
        kIdOK = 1014,
        kIdCancel = 1015,
    };
    BlueBrowserBase(QorX0::IRemoteSynth* synth, BlueBrowserData* data, const std::string& name, int rows,
                    int columns);

    virtual void UpdateBrowser(bool rebuild);
    virtual void OnUpdateSelection();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnCategoryChanged(int c);
    virtual void OnBankChanged(int b);
    virtual void UpdateCategorySwitch() = 0;
    virtual void UpdateBankSwitch() = 0;
    // Shows the data's filters on the page's own controls.
    virtual void ShowFilters() = 0;

    void RequestSetCurrentSound(const QorX0::SOUNDINDEX& index);
    void InitSoundListControl();
    bool IsRebuildRequested() const { return m_bRebuild; }
    CMMPCtrlList* GetList() const { return m_pList; }
    CMMPCtrlScrollBar* GetScrollBar() const { return m_pScroll; }
    BlueBrowserData* GetData() const { return m_pData; }
    int GetRows() const { return m_iRows; }
    int GetColumns() const { return m_iColumns; }

    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnHfcCtrlMouseMButtonDoubleClick(CHfcControl*, int, int, int) override { return false; }
    bool OnHfcCtrlKeyDown(CHfcControl* control, int character, int key, int modifiers) override;
    // The page takes the keys when a sound is clicked, so that Escape ends the audition.
    using CHfcKeyListener::OnHfcKeyDown;
    bool OnHfcKeyDown(CHfcKeyFocus* focus, int character, int key, int modifiers) override;
    bool OnHfcCtrlEvent(CHfcControl* control, int event, int argument, void* pointer) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    bool OnCreate() override;
    bool OnDestroy() override;
    void OnIdle(unsigned long time) override;
    // A press on the browser never ends its own audition.
    bool PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;

protected:
    virtual void BuildFilterControls() = 0;
    void CreateOKSwitch();
    void CreateCancelSwitch();
    void CreateList(int x, int y, int w, int h, int scrollX, int scrollY, int length, bool vertical);
    void SelectValue(int value);
    // OK and Cancel end on the small page.
    void ShowSmallPage();
    int SoundMode() const;
    template <class C>
    C* Put(C* control) {
        if (!control) return nullptr;
        AddControl(control, false);
        control->SetListener(this);
        control->Show(false);
        return control;
    }

    BlueBrowserData* m_pData;
    bool m_bRebuild = false;
    int m_iRows;
    int m_iColumns;
    CMMPCtrlList* m_pList = nullptr;
    CMMPCtrlScrollBar* m_pScroll = nullptr;
    CHfcCtrlSwitch* m_pOK = nullptr;
    CHfcCtrlSwitch* m_pCancel = nullptr;
};

class SmallBlueBrowserLayer : public BlueBrowserBase {
public:
    SmallBlueBrowserLayer(QorX0::IRemoteSynth* synth, BlueBrowserData* data, const std::string& name);
    void UpdateCategorySwitch() override;
    void UpdateBankSwitch() override;
    void ShowFilters() override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    bool OnHfcCtrlEvent(CHfcControl* control, int event, int argument, void* pointer) override;
    QnDropdownList* GetCategoryControl() const { return m_pCategory; }
    QnDropdownList* GetBankControl() const { return m_pBank; }

protected:
    void BuildFilterControls() override;

private:
    QnDropdownList* m_pCategory = nullptr;
    QnDropdownList* m_pBank = nullptr;
};

class BigBlueBrowserLayer : public BlueBrowserBase {
public:
    static constexpr int kSwitches = 17;
    BigBlueBrowserLayer(QorX0::IRemoteSynth* synth, BlueBrowserData* data, const std::string& name);
    void UpdateCategorySwitch() override;
    void UpdateBankSwitch() override;
    void ShowFilters() override;
    void OnUpdateSelection() override;
    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) override;
    CHfcCtrlTextSwitch* GetCategorySwitch(int i) const { return m_categories[i]; }
    CHfcCtrlTextSwitch* GetBankSwitch(int i) const { return m_banks[i]; }
    std::string GetInfoText(int id);

protected:
    void BuildFilterControls() override;

private:
    CHfcCtrlTextSwitch* m_categories[kSwitches] = {};
    CHfcCtrlTextSwitch* m_banks[kSwitches] = {};
    QnStaticText* m_info[7] = {};
};
