#pragma once
// A row of tabs that owns the switching between its page layers: only the active page is shown,
// and a switch asked for by a click or a call happens at the control's next idle tick. Pages
// (CTabPageLayer, below) are linked layers with an optional nested tab control for sub-pages.
#include <string>
#include <vector>

#include "Common/Layers/QnSynthLayer.h"
#include "Hfc/Core/HfcControl.h"

class CHfcBmp;
class CHfcWindow;
class CTabPageLayer;
struct UI_FORMINFO;

struct stTabControlCreateParam {
    int x, y;
    int width;   // 0: the tab image's width
    int height;  // 0: half the tab image's height
    int tabWidth, tabHeight, tabGap, firstTabExtra, lastTabExtra;
    CHfcBmp* tabImage;  // two rows of tab height: active, then the others
    CHfcBmp* background;
    int backgroundX, backgroundY;
};

class CTabControl : public CHfcControl {
public:
    CTabControl() = default;
    ~CTabControl() override = default;

    // False without a tab image.
    bool Create(const stTabControlCreateParam& param, int id, int subId);
    // False (nothing changed) for none, or when the control is on no layer: pages are placed
    // relative to it.
    bool AddTabPageLayer(CHfcWindow* window, CTabPageLayer* page);
    CTabPageLayer* RemoveTabPageLayer(CTabPageLayer* page);
    CTabPageLayer* RemoveTabPageLayer(int index);
    CTabPageLayer* GetTabPageLayer(int index) const;
    int GetTabPageIndex(const CTabPageLayer* page) const;
    int GetTabPageCount() const { return static_cast<int>(m_pages.size()); }
    CTabPageLayer* GetActivePage() const { return GetTabPageLayer(m_iActive); }
    int GetActiveIndex() const { return m_iActive; }
    bool IsSwitchPending() const { return m_iPrevious >= 0; }

    void SetActivePageByIndex(int index, bool redraw);
    void SetActivePage(CTabPageLayer* page, bool redraw);
    // 1 with index set on a tab; -1 past the last tab; 0 below the tab row (y > 32).
    int HitTest(int x, int y, int& index) const;
    void RepositionTabPageLayer();
    void ShowTabPageLayer();
    void HideTabPageLayer();

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void Show(bool redraw) override;
    void Hide(bool redraw) override;
    void OnShown() override { ShowTabPageLayer(); }
    void OnHidden() override { HideTabPageLayer(); }
    void OnIdle(int time) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;

private:
    void PlacePage(CTabPageLayer* page, bool redraw);

    std::vector<CTabPageLayer*> m_pages;
    int m_iActive = -1;
    int m_iPrevious = -1;
    int m_iTabWidth = 55, m_iTabHeight = 29, m_iTabGap = 3, m_iFirstExtra = 0, m_iLastExtra = 0;
    CHfcBmp* m_pTabImage = nullptr;
    CHfcBmp* m_pBackground = nullptr;
    int m_iBackX = 0, m_iBackY = 0;
};

struct CTabPageLayerCreateParam {
    int width;   // 0: the image's
    int height;  // 0: the image's
    CHfcBmp* background;
};

class CTabPageLayer : public QnSynthLayer {
public:
    CTabPageLayer(QorX0::IRemoteSynth* synth, std::string name);
    ~CTabPageLayer() override;

    using QnLayerBase::Create;
    virtual bool Create(const CTabPageLayerCreateParam& param, CHfcWindow* window);
    // The page of a form: on the named background ("Background_SubTab" for none), of the image's size
    // (the form's without one), with one control per item row that makes one; each control row is
    // linked to its PID in the page's target mode and synchronised.
    virtual bool Create(const UI_FORMINFO& form, CHfcWindow* window, const std::string& background);
    virtual void DoModal();
    virtual void EndModal();
    virtual void OnActivate() {}
    virtual void OnDeactivate() {}

    bool Show(bool redraw) override;
    bool Hide(bool redraw) override;
    bool OnDestroy() override;
    void OnMoved(int x, int y) override;
    void OnIdle(unsigned long time) override;
    bool PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;

    const std::string& GetName() const { return m_name; }
    CTabControl* GetOwner() const { return m_pOwner; }
    void SetOwner(CTabControl* owner) { m_pOwner = owner; }
    // The page owns its sub tab control from here on (deleted with the page's teardown).
    void SetSubTabControl(CTabControl* control) { m_pSubTab = control; }
    CTabControl* GetSubTabControl() const { return m_pSubTab; }
    bool IsModal() const { return m_bModal; }
    std::vector<bool>& GetBoolList() { return m_bools; }

private:
    std::string m_name;
    CTabControl* m_pOwner = nullptr;
    CTabControl* m_pSubTab = nullptr;
    bool m_bModal = false;
    bool m_bDestroyed = false;
    std::vector<bool> m_bools;
};
