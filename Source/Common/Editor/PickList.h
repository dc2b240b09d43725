#pragma once
// The pick-list browsers: a modal page that picks the value of one parameter from a long list,
// writing and auditioning each pick at once; OK keeps it, Cancel or Escape goes back.
#include <string>

#include "Common/Layers/TabControl.h"

class CMMPCtrlList;
class CMMPCtrlScrollBar;
class CHfcCtrlListItem;
class CHfcCtrlSwitch;
class QnDropdownList;

class RedBrowserBase : public CTabPageLayer {
public:
    enum : int { kIdOK = 0, kIdCancel = 1, kIdList = 2, kIdScroll = 3, kIdCategory = 4 };
    RedBrowserBase(QorX0::IRemoteSynth* synth, int sectionKind, int paramId, const std::string& pageName);

    virtual void InitListControl() = 0;
    virtual int GetAuditionContex() { return 2; }
    virtual void OnItemSelected(CHfcCtrlListItem* item);
    virtual void DoOK();
    virtual void DoCancel();
    virtual void DoIt(int value);
    virtual void Undo() {}

    void EndModal() override { CTabPageLayer::EndModal(); }
    void ProcessEvent(const EventInfo& event) override { QnRemoteSynthEventHandler::ProcessEvent(event); }
    bool OnCreate() override;
    bool OnDestroy() override;
    void OnIdle(unsigned long time) override;
    // A press on the page never ends its own audition (OK must find it to keep it).
    bool PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnHfcCtrlEvent(CHfcControl* control, int event, int argument, void* pointer) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    bool OnHfcCtrlKeyDown(CHfcControl* control, int character, int key, int modifiers) override;
    using CHfcKeyFocusListener::OnHfcKeyChar;
    bool OnHfcKeyChar(CHfcKey* key, int character, int value) override;
    // The page holds the keys while it is up, so that Escape cancels it.
    using CHfcKeyListener::OnHfcKeyDown;
    bool OnHfcKeyDown(CHfcKeyFocus* focus, int character, int key, int modifiers) override;

    int GetParamId() const { return m_iParamId; }
    int GetStartingValue() const { return m_iStartValue; }
    CMMPCtrlList* GetList() const { return m_pList; }
    CMMPCtrlScrollBar* GetScrollBar() const { return m_pScroll; }
    CHfcCtrlSwitch* GetOKSwitch() const { return m_pOK; }
    void RequestRebuild() { m_bRebuild = true; }

protected:
    // Filter controls, made before the list.
    virtual void BuildFilterControls() {}
    // Items for every value in [first, last] with the converter's text ("03: Foo" shows "03  Foo").
    void FillFromDescriptor(int first, int last);
    void FinishFill();
    bool SelectValue(int value);
    template <class C>
    C* Put(C* control) {
        if (!control) return nullptr;
        AddControl(control, false);
        control->SetListener(this);
        control->Show(false);
        return control;
    }

    int m_iParamId;
    int m_iStartValue;
    int m_iRows = 22;
    int m_iColumns = 1;
    CMMPCtrlList* m_pList = nullptr;
    CMMPCtrlScrollBar* m_pScroll = nullptr;
    CHfcCtrlSwitch* m_pOK = nullptr;
    CHfcCtrlSwitch* m_pCancel = nullptr;
    bool m_bOK = false;
    bool m_bRebuild = false;
};

// A browser over one category table (effects, multisamples, drum samples).
class CategoryPickBrowser : public RedBrowserBase {
public:
    struct Table {
        const int* counts;
        const char* const* names;
        int size;
    };
    CategoryPickBrowser(QorX0::IRemoteSynth* synth, int sectionKind, int paramId, const std::string& pageName,
                        const Table& table);
    void InitListControl() override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    QnDropdownList* GetCategoryControl() const { return m_pCategory; }

protected:
    void BuildFilterControls() override;

private:
    Table m_table;
    QnDropdownList* m_pCategory = nullptr;
};

class EffectBrowser : public CategoryPickBrowser {
public:
    EffectBrowser(QorX0::IRemoteSynth* synth, int sectionKind, int paramId, const std::string& pageName);
};
class MultisampleBrowser : public CategoryPickBrowser {
public:
    MultisampleBrowser(QorX0::IRemoteSynth* synth, int sectionKind, int paramId, const std::string& pageName);
};
class DrumSampleBrowser : public CategoryPickBrowser {
public:
    DrumSampleBrowser(QorX0::IRemoteSynth* synth, int sectionKind, int paramId, const std::string& pageName);
    int GetAuditionContex() override { return 3; }
};

class DrumKitBrowser : public RedBrowserBase {
public:
    using RedBrowserBase::RedBrowserBase;
    void InitListControl() override;
};
class ArpeggioPatternBrowser : public RedBrowserBase {
public:
    using RedBrowserBase::RedBrowserBase;
    void InitListControl() override;
};

class LoadProgramBrowser : public RedBrowserBase {
public:
    enum : int { kIdCategoryFilter = 256, kIdBankFilter = 257 };
    using RedBrowserBase::RedBrowserBase;
    void InitListControl() override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    bool OnHfcCtrlEvent(CHfcControl* control, int event, int argument, void* pointer) override;
    static int GetCategory(int mode, QorX0::ISound* sound);
    void SetFilters(int category, int bank) {
        m_iCategory = category;
        m_iBank = bank;
        RequestRebuild();
    }

protected:
    void BuildFilterControls() override;

private:
    int m_iCategory = -1;
    int m_iBank = -1;
    QnDropdownList* m_pCategory = nullptr;
    QnDropdownList* m_pBank = nullptr;
};
