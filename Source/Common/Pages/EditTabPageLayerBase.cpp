#include "Common/Pages/EditTabPageLayerBase.h"

#include <mutex>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Layers/TabPageLayerEx.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

using namespace QorX0;

EditTabPageLayerBase::RedBrowserRequest EditTabPageLayerBase::s_redBrowserRequest = nullptr;

EditTabPageLayerBase::EditTabPageLayerBase(IRemoteSynth* synth, int kind) : CTabPageLayer(synth, "") {
    // The pages are where sound selectors are linked: they show the parameter's text with its
    // first ":" spaced out.
    static std::once_flag rules;
    std::call_once(rules, [] { RegisterControlRule(typeid(QnSoundSelector), QnControlRule::ColonText); });
    SetTargetMode(kind);
}

EditTabPageLayerBase::~EditTabPageLayerBase() = default;

void EditTabPageLayerBase::GetMenuItemInfoList(std::list<MenuItemInfo>&) {}

void EditTabPageLayerBase::SetRedBrowserRequest(RedBrowserRequest request) {
    s_redBrowserRequest = request;
}

EditTabPageLayerBase::RedBrowserRequest EditTabPageLayerBase::GetRedBrowserRequest() {
    return s_redBrowserRequest;
}

int EditTabPageLayerBase::BrowserTypeOfSelectorKind(int kind) {
    switch (kind) {
        case QnSoundSelector::kKindArpeggioPattern:
            return 5;
        case QnSoundSelector::kKindDrumKit:
            return 4;
        case QnSoundSelector::kKindDrumSample:
            return 3;
        case QnSoundSelector::kKindEffect:
            return 1;
        case QnSoundSelector::kKindMultisample:
            return 2;
        default:
            return 0;
    }
}

CHfcWindowLayer* EditTabPageLayerBase::GetHolderLayer() const {
    CTabControl* owner = GetOwner();
    return owner ? owner->GetParent() : nullptr;
}

bool EditTabPageLayerBase::RequestOpenRedBrowser(int type, int pid) {
    // A page hosted in another page's sublevel tabs (the effect sub-page) has no root layer above
    // it; the request then goes nowhere rather than through a failed downcast.
    CHfcWindowLayer* holder = GetHolderLayer();
    if (!holder) return false;
    if (s_redBrowserRequest) return s_redBrowserRequest(holder, type, GetTargetMode(), pid);
    auto* root = dynamic_cast<BackgroundLayer*>(holder);
    if (!root) return false;
    root->RequestOpenRedBrowser(type, GetTargetMode(), pid);
    return true;
}

bool EditTabPageLayerBase::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int, int, int) {
    if (!control) return false;
    const SParamIdInfo link = GetParameterIdByControl(control);
    const int pid = link.section ? link.pid : -1;
    if (typeid(*control) == typeid(QnMiniProgramSelector)) {
        RequestOpenRedBrowser(0, pid);
        return true;
    }
    if (typeid(*control) == typeid(QnSoundSelector)) {
        const int type = BrowserTypeOfSelectorKind(static_cast<QnSoundSelector*>(control)->GetKind());
        if (pid != -1) RequestOpenRedBrowser(type, pid);
        return true;
    }
    return false;
}

void EditTabPageLayerBase::OnRemoteSynthBankListChanged(IRemoteSynth*, int, const SOUNDINDEX&) {
    std::vector<CHfcControl*> controls;
    GetControlVec(controls);
    for (CHfcControl* control : controls) SynchronizeControlWithParam(control, true);
}

bool EditTabPageLayerBase::CreateSublevelTab(const std::string& tabImage, int y) {
    ResourceManager* images = ResourceManager::GetInstance();
    stTabControlCreateParam param{};
    param.x = 7;
    param.y = y;
    param.width = 0;
    param.height = 0;
    param.tabWidth = 61;
    param.tabHeight = 32;
    param.tabGap = 2;
    param.firstTabExtra = 2;
    param.lastTabExtra = 4;
    param.tabImage = images ? images->LoadImage(tabImage) : nullptr;
    param.background = GetBackground();
    param.backgroundX = 7;
    param.backgroundY = y;
    auto* tabs = new CTabControl();
    if (!tabs->Create(param, -1, 0)) {
        delete tabs;
        return false;
    }
    tabs->Show(false);
    tabs->SetListener(this);
    tabs->Enable(false);
    AddControl(tabs, false);
    SetSubTabControl(tabs);
    return true;
}

void EditTabPageLayerBase::SetActiveSublevelTabIndex(int index, bool update) {
    CTabControl* tabs = GetSubTabControl();
    if (!tabs) return;
    const int count = tabs->GetTabPageCount();
    if (index < 0) index = 0;
    if (index > count) index = count;
    tabs->SetActivePageByIndex(index, update);
}

QnStaticText* EditTabPageLayerBase::CreateLabel(QnControlCreater* creater, const SLabelInfo& row, int) {
    return creater->CreateLabel(row.x, row.y, row.text, row.width, 0, row.flag, 0, 0, -1);
}

QnStaticText* EditTabPageLayerBase::AddLabel(QnControlCreater* creater, const SLabelInfo& row) {
    QnStaticText* label = CreateLabel(creater, row, 0);
    if (label) {
        AddControl(label, false);
        label->Show(true);
    }
    return label;
}

void EditTabPageLayerBase::PlaceControl(CHfcControl* control, int pid) {
    if (!control) return;
    AddControl(control, false);
    control->SetListener(this);
    control->Show(true);
    if (pid == -1) return;
    LinkControlWithParam(control, GetTargetMode(), pid);
    SynchronizeControlWithParam(control, true);
}

CTabPageLayer* EditTabPageLayerBase::CreateAndAddSublevelTab(int formId, bool ex) {
    CTabControl* tabs = GetSubTabControl();
    UIFormManager* forms = UIFormManager::GetInstance();
    const UI_FORMINFO* form = forms ? forms->GetLayerFormInfoById(formId) : nullptr;
    if (!tabs || !form) return nullptr;
    CTabPageLayer* page = ex ? new CTabPageLayerEx(GetSynth(), "") : new CTabPageLayer(GetSynth(), "");
    page->SetTargetMode(GetTargetMode());
    if (!page->Create(*form, GetWindow(), "") || !tabs->AddTabPageLayer(GetWindow(), page)) {
        page->OnDestroy();
        if (CHfcWindow* window = page->GetWindow()) window->RemoveLayer(page, false);
        delete page;
        return nullptr;
    }
    return page;
}

void EditTabPageLayerBase::OnRefresh() {
    CHfcOffscreenContext* context = GetContext();
    if (!IsVisible() || !context) return;
    context->ClearRect(0, 0, GetWidth(), GetHeight());
    if (CHfcBmp* background = GetBackground())
        context->CopyBmp(0, 0, GetWidth(), GetHeight(), background, 0, 0);
    else {
        context->SetBrushColor(0x80FFFFFF);
        context->FillRect(0, 0, GetWidth(), GetHeight());
    }
    for (int i = 0; QnControlContainer* container = GetContianerByIndex(i); ++i) container->OnRefresh();
    OnPostDrawBackground(context);
    for (int i = 0; i < GetNumControls(); ++i) GetControl(i)->Update(true, false);
    CopyToWindow(false);
}
