// The root layer: creation, the mode switches and main tabs, the logos, mouse and control events,
// the instrument's events, painting and teardown.
#include "Common/Editor/BackgroundLayer.h"

#include <algorithm>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Editor/AboutLayer.h"
#include "Common/Editor/BackgroundLayerParts.h"
#include "Common/Editor/ModalLayer.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/TabControl.h"
#include "Common/Plugin/AudioEffect.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlKeyboard.h"
#include "Hfc/Core/HfcCtrlKnob.h"
#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcCtrlWheel.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

using EditorParts::UILockScope;
using QorX0::ISection;
using QorX0::SOUNDINDEX;

namespace {

struct SwitchPlace {
    int x, y;
};
constexpr SwitchPlace kModeSelectSwitchParam[4] = {{17, 10}, {17, 41}, {66, 10}, {66, 41}};
constexpr const char* kModeSelectSwitchImageName[4] = {"Switch_ModeSelect_COMBI", "Switch_ModeSelect_MULTI",
                                                       "Switch_ModeSelect_PROG", "Switch_ModeSelect_GLOBAL"};
constexpr int kLogoMenuAllSoundOff = 100;
constexpr int kLogoMenuAbout = 101;

int ModeOfTab(int tab) {
    switch (tab) {
        case BackgroundLayer::kTabProg:
            return QorX0::kModeProgPlay;
        case BackgroundLayer::kTabGlobal:
            return QorX0::kModeGlobal;
        case BackgroundLayer::kTabMulti:
            return QorX0::kModeMulti;
        default:
            return QorX0::kModeCombiPlay;
    }
}

int TabOfInstrumentMode(int mode) {
    switch (mode) {
        case QorX0::kModeCombiPlay:
        case QorX0::kModeCombiEdit:
            return BackgroundLayer::kTabCombi;
        case QorX0::kModeProgPlay:
        case QorX0::kModeProgEdit:
            return BackgroundLayer::kTabProg;
        case QorX0::kModeMulti:
            return BackgroundLayer::kTabMulti;
        case QorX0::kModeGlobal:
            return BackgroundLayer::kTabGlobal;
        default:
            return -1;
    }
}

template <class T>
void Forget(std::vector<T*>& list, T* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

BackgroundLayer::BackgroundLayer(AudioEffect* effect, QorX0::IRemoteSynth* synth)
    : QnSynthLayer(synth), m_pEffect(effect) {}

BackgroundLayer::~BackgroundLayer() {
    // Destroy ran first in every normal life; a layer deleted without it still frees what it made.
    if (!m_owned.empty() || m_pModalLayer != nullptr || m_pAboutLayer != nullptr) OnDestroy();
}

CHfcBmp* BackgroundLayer::GetBaseImage() {
    ResourceManager* resources = ResourceManager::GetInstance();
    return resources != nullptr ? resources->LoadImage("Background_Base") : nullptr;
}

bool BackgroundLayer::Create(CHfcWindow* window) {
    CHfcBmp* base = GetBaseImage();
    const int width = base != nullptr ? base->GetWidth() : ArtGeometry::kWindowWidth;
    const int height = base != nullptr ? base->GetHeight() : ArtGeometry::kWindowHeight;
    return QnLayerBase::Create(0, 0, width, height, base, window);
}

std::string BackgroundLayer::GetProductName() const {
    return EditorParts::ProductString(m_pEffect);
}

int BackgroundLayer::GetGUIMode() const {
    for (int tab = 0; tab < kTabCount; ++tab) {
        if (m_pModeSwitches[tab] != nullptr && m_pModeSwitches[tab]->GetIntValue() == 1) return tab;
    }
    return -1;
}

CTabControl* BackgroundLayer::TabOfMode(int mode) const {
    const int tab = TabOfInstrumentMode(mode);
    return tab >= 0 ? m_pMainTabs[tab] : nullptr;
}

// ---- creation

bool BackgroundLayer::OnCreate() {
    m_pModalLayer = nullptr;
    m_pAboutLayer = nullptr;
    m_bDeferredModeChange = false;
    m_bRefreshBrowsers = false;
    m_iPendingPage = -1;
    m_iPendingPageMode = -1;
    m_bCategoryJump = m_bBankJump = false;

    CreateMainPanel();
    CreateOverview();
    CreateMainTabs();
    CreateBrowsers();
    CreateKeyboardAndWheels();
    CreateLogos();
    AdviseSinks(true);

    m_bDeferredModeChange = true;
    TrackShift(0);
    UpdateLogoSwitches();
    RequestRedraw();
    return QnSynthLayer::OnCreate();
}

void BackgroundLayer::CreateMainPanel() {
    EditorParts::PanelCreater creater(m_pBackground);
    for (int i = 0; i < 4; ++i) {
        CHfcCtrlSwitch* s = creater.Switch(kModeSelectSwitchParam[i].x, kModeSelectSwitchParam[i].y,
                                           kModeSelectSwitchImageName[i], 2, kIdModeSwitch, i);
        if (s == nullptr) break;  // the rest of the group is abandoned
        AddPanelControl(s);
        s->SetIntValue(i == kTabCombi ? 1 : 0, false);
        m_pModeSwitches[i] = s;
    }
    CreateSoundDisplay();
    CreateRealtimeControls();
}

void BackgroundLayer::CreateMainTabs() {
    CHfcBmp* combi = QnControlCreater::LoadImage("Tab_Combi_Main");
    CHfcBmp* nerimo = QnControlCreater::LoadImage("Tab_Global_Main_Nerimo");
    CHfcBmp* prog = QnControlCreater::LoadImage("Tab_Prog_Main");
    m_iMainTabWidth = 0;
    for (CHfcBmp* b : {combi, nerimo, prog})
        if (b != nullptr) m_iMainTabWidth = std::max(m_iMainTabWidth, b->GetWidth());

    static constexpr int kOrder[kTabCount] = {kTabProg, kTabCombi, kTabMulti, kTabGlobal};
    static constexpr int kIds[kTabCount] = {kIdMainTabCombi, kIdMainTabMulti, kIdMainTabProg,
                                            kIdMainTabGlobal};
    for (int tab : kOrder) {
        CHfcBmp* strip = QnControlCreater::LoadImage(EditorParts::kMainTabInfo[tab].image);
        if (strip == nullptr) continue;
        stTabControlCreateParam param{};
        param.x = ArtGeometry::kMainTabX;
        param.y = ArtGeometry::kMainTabY;
        param.width = (tab == kTabProg || tab == kTabGlobal) ? m_iMainTabWidth : 0;
        param.height = ArtGeometry::kMainTabHeight;
        param.tabWidth = ArtGeometry::kMainTabWidth;
        param.tabHeight = ArtGeometry::kMainTabHeight;
        param.tabGap = ArtGeometry::kMainTabGap;
        param.firstTabExtra = ArtGeometry::kMainTabFirstExtra;
        param.lastTabExtra = ArtGeometry::kMainTabLastExtra;
        param.tabImage = strip;
        param.background = m_pBackground;
        param.backgroundX = ArtGeometry::kMainTabX;
        param.backgroundY = ArtGeometry::kMainTabY;
        auto* control = new CTabControl();
        if (!control->Create(param, kIds[tab], 0)) {
            delete control;
            continue;
        }
        m_owned.push_back(control);
        AddControl(control, false);
        control->SetListener(this);
        // Enabled, unlike the modal strip: a disabled control never hears a press here, and these
        // tabs are how the user picks the edit pages.
        control->Hide(false);
        m_pMainTabs[tab] = control;
        for (int index = 0; index < EditorParts::kMainTabInfo[tab].pages; ++index) {
            CTabPageLayer* page = EditorParts::NewMainPage(GetSynth(), tab, index);
            if (page == nullptr) continue;
            CTabPageLayerCreateParam pageParam{
                0, 0, QnControlCreater::LoadImage(EditorParts::MainPageBackground(tab, index))};
            page->Create(pageParam, GetWindow());
            control->AddTabPageLayer(GetWindow(), page);
            RegistLayerAsMIDIReceiver(page, false);
            if (CombiMultiLayerBase* cm = EditorParts::AsCombiMultiPage(page))
                m_trackShiftPages.push_back(cm);
        }
    }
    if (m_pMainTabs[kTabCombi] != nullptr) m_pMainTabs[kTabCombi]->Show(false);

    EditorParts::PanelCreater creater(m_pBackground);
    if (CHfcCtrlHorizontalSlideSwitch* shift =
            creater.CreateHorizontalSlideSwitch(757, 83, "Switch_Multi_TrackShift", 2, kIdTrackShift)) {
        m_owned.push_back(shift);
        AddControl(shift, false);
        shift->SetListener(this);
        shift->Hide(false);
        m_pTrackShift = shift;
    }
}

void BackgroundLayer::CreateBrowsers() {
    m_pBrowserData = EditorParts::NewBrowserData(GetSynth());
    EditorParts::AdviseBrowserData(m_pBrowserData);
    if (CHfcBmp* strip = QnControlCreater::LoadImage("Tab_BlueBrowser_Browser")) {
        stTabControlCreateParam param{};
        param.x = ArtGeometry::kBrowserTabX;
        param.y = ArtGeometry::kBrowserTabY;
        param.height = ArtGeometry::kBrowserTabHeight;
        param.tabWidth = ArtGeometry::kBrowserTabWidth;
        param.tabHeight = ArtGeometry::kBrowserTabHeight;
        param.tabGap = ArtGeometry::kBrowserTabGap;
        param.tabImage = strip;
        param.background = m_pBackground;
        param.backgroundX = ArtGeometry::kBrowserTabX;
        param.backgroundY = ArtGeometry::kBrowserTabY;
        auto* control = new CTabControl();
        if (control->Create(param, kIdBrowserTab, 0)) {
            m_owned.push_back(control);
            AddControl(control, false);
            control->SetListener(this);
            m_pBrowserTab = control;
            static constexpr const char* kBackgrounds[2] = {"Background_BlueBrowser_Large",
                                                            "Background_BlueBrowser_Small"};
            for (int i = 0; i < 2; ++i) {
                CTabPageLayer* page = EditorParts::NewSoundBrowser(m_pBrowserData, GetSynth(), i == 0);
                if (page == nullptr) continue;
                CTabPageLayerCreateParam pageParam{0, 0, QnControlCreater::LoadImage(kBackgrounds[i])};
                page->Create(pageParam, GetWindow());
                control->AddTabPageLayer(GetWindow(), page);
            }
            control->SetActivePageByIndex(1, false);
            control->Show(false);
        } else {
            delete control;
        }
    }
    EditorParts::PanelCreater creater(m_pBackground);
    AddPanelControl(creater.Switch(165, 83, "Switch_Utility", 1, kIdUtility, 0));
}

void BackgroundLayer::CreateLogos() {
    EditorParts::PanelCreater creater(m_pBackground);
    struct Logo {
        const char* image;
        int id, x, y;
    };
    static constexpr Logo kLogos[2] = {{"Image_Logo_QnEditor", kIdLogoProduct, 8, 547},
                                       {"Image_Logo_VELK", kIdLogoMaker, 28, 570}};
    for (const Logo& logo : kLogos) {
        CHfcCtrlSwitch* s = creater.Switch(logo.x, logo.y, logo.image, 2, logo.id, 0);
        if (s == nullptr) continue;
        m_owned.push_back(s);
        AddControl(s, false);
        s->SetListener(this);
        s->Show(false);
    }
}

void BackgroundLayer::AdviseSinks(bool advise) {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr) return;
    static constexpr int kKinds[5] = {QorX0::kModeProgPlay, QorX0::kModeProgEdit, QorX0::kModeCombiPlay,
                                      QorX0::kModeCombiEdit, QorX0::kModeMulti};
    std::vector<ISection*> sections;
    for (int kind : kKinds) sections.push_back(synth->GetEditBuffer(kind));
    sections.push_back(synth->GetRealtimeControl());
    for (ISection* section : sections) {
        if (section == nullptr) continue;
        if (advise)
            LinkWithParameter(section, -1);
        else
            UnlinkWithParameter(section);
    }
}

// ---- modes

void BackgroundLayer::OnGUIModeChanged(int guiMode) {
    UILockScope lock(m_uiLock);
    if (QorX0::IRemoteSynth* synth = GetSynth())
        synth->PutMode(static_cast<unsigned char>(ModeOfTab(guiMode)));
    for (int tab = 0; tab < kTabCount; ++tab) {
        if (m_pModeSwitches[tab] != nullptr && m_pMainTabs[tab] != nullptr)
            m_pModeSwitches[tab]->SetIntValue(guiMode == tab ? 1 : 0, true);
    }
}

void BackgroundLayer::OnModeChanged() {
    UILockScope lock(m_uiLock);
    QorX0::IRemoteSynth* synth = GetSynth();
    const int mode =
        synth != nullptr ? static_cast<int>(synth->GetMode()) : static_cast<int>(QorX0::kModeCombiPlay);
    // What was asked for in the mode that went has no place in the new one.
    if (m_pModalLayer != nullptr) m_pModalLayer->SetCloseRequest(true);
    m_commands.DropBrowserRequests();

    int tab = TabOfInstrumentMode(mode);
    int page = -1;  // keep
    auto active = [&](int t) { return m_pMainTabs[t] != nullptr ? m_pMainTabs[t]->GetActiveIndex() : -1; };
    switch (mode) {
        case QorX0::kModeCombiPlay:
        case QorX0::kModeProgPlay:
        case QorX0::kModeMulti:
            page = 0;
            break;
        case QorX0::kModeCombiEdit:
        case QorX0::kModeProgEdit:
            if (active(tab) == 0) page = 1;
            break;
        case QorX0::kModeGlobal:
            break;
        default:
            tab = kTabCombi;
            break;
    }
    // A page asked for by SelectEditTabPage applies only to the mode it was asked for.
    if (m_iPendingPage >= 0) {
        if (m_iPendingPageMode == mode) page = m_iPendingPage;
        m_iPendingPage = -1;
        m_iPendingPageMode = -1;
    }

    if (m_pBrowserTab != nullptr) m_pBrowserTab->SetActivePageByIndex(1, true);
    UpdateMainLCD();
    UpdateRealtimeControllers();
    UpdateOverview();

    for (int t = 0; t < kTabCount; ++t) {
        CTabControl* control = m_pMainTabs[t];
        if (control == nullptr) continue;
        if (t == tab) {
            control->SetIntValue(1, false);
            if (CTabPageLayer* activePage = control->GetActivePage()) activePage->RequestRedraw();
            if (!control->IsVisible()) control->Show(true);
            if (page >= 0) control->SetActivePageByIndex(page, true);
        } else if (control->IsVisible()) {
            control->Hide(true);
        }
    }
    for (int t = 0; t < kTabCount; ++t) {
        if (m_pModeSwitches[t] != nullptr) m_pModeSwitches[t]->SetIntValue(t == tab ? 1 : 0, true);
    }
    UpdateTrackShiftSwitch();
    RequestRedraw();
}

void BackgroundLayer::OnMainTabValue(int tab, int page) {
    UILockScope lock(m_uiLock);
    if (GetGUIMode() == tab && m_pMainTabs[tab] != nullptr)
        m_pMainTabs[tab]->SetActivePageByIndex(page, false);
    if (m_pBrowserTab != nullptr) m_pBrowserTab->SetActivePageByIndex(1, true);
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr) return;
    const int mode = synth->GetMode();
    switch (tab) {
        case kTabCombi:
            if (page == 0)
                synth->PutMode(QorX0::kModeCombiPlay);
            else if (mode != QorX0::kModeCombiEdit)
                synth->PutMode(QorX0::kModeCombiEdit);
            break;
        case kTabProg:
            if (page == 0)
                synth->PutMode(QorX0::kModeProgPlay);
            else if (mode != QorX0::kModeProgEdit)
                synth->PutMode(QorX0::kModeProgEdit);
            break;
        case kTabMulti:
            if (!(page != 0 && mode == QorX0::kModeMulti)) synth->PutMode(QorX0::kModeMulti);
            UpdateTrackShiftSwitch();
            break;
        default:
            break;
    }
}

void BackgroundLayer::SelectEditTabPage(int mode, int page, int sublevel) {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth != nullptr && mode != synth->GetMode()) {
        m_iPendingPage = page;
        m_iPendingPageMode = mode;
        synth->PutMode(static_cast<unsigned char>(mode));
    }
    CTabControl* tab = TabOfMode(mode);
    if (tab == nullptr) return;
    tab->SetActivePageByIndex(page, true);
    CTabPageLayer* target = tab->GetTabPageLayer(page);
    if (sublevel != -1 && EditorParts::IsEditPage(target)) EditorParts::SetActiveSublevel(target, sublevel);
}

void BackgroundLayer::TrackShift(int delta) {
    if (m_pTrackShift == nullptr) return;
    m_pTrackShift->SetIntValue(m_pTrackShift->GetIntValue() - delta, true);
    for (CombiMultiLayerBase* page : m_trackShiftPages) EditorParts::TrackShiftPage(page, delta);
}

void BackgroundLayer::UpdateTrackShiftSwitch() {
    if (m_pTrackShift == nullptr) return;
    bool shown = false, enabled = false;
    if (GetGUIMode() == kTabMulti && m_pMainTabs[kTabMulti] != nullptr) {
        CTabPageLayer* page = m_pMainTabs[kTabMulti]->GetActivePage();
        if (EditorParts::EditPageTargetMode(page) == QorX0::kModeMulti) {
            shown = true;
            enabled = EditorParts::IsTrackShiftAllowed(EditorParts::AsCombiMultiPage(page));
        }
    }
    if (shown)
        m_pTrackShift->Show(true);
    else
        m_pTrackShift->Hide(true);
    if (enabled)
        m_pTrackShift->Enable(true);
    else
        m_pTrackShift->Disable(true);
    RequestRedraw();
}

void BackgroundLayer::UpdateLogoSwitches() {
    QorX0::IRemoteSynth* synth = GetSynth();
    bool online = false;
    // An instrument that stopped answering the polls shows as lost too.
    const bool connected =
        synth != nullptr && synth->GetConnectionState(nullptr, nullptr, nullptr, nullptr, &online) && online;
    for (int id : {kIdLogoMaker, kIdLogoProduct}) {
        if (CHfcControl* logo = GetControlById(id, 0)) logo->SetIntValue(connected ? 0 : 1, true);
    }
}

void BackgroundLayer::ChangeCurrentSound(SOUNDINDEX& index) {
    if (QorX0::IRemoteSynth* synth = GetSynth()) synth->PutCurSound(index);
}

void BackgroundLayer::CancelBrowserAudition() {
    EditorParts::BrowserDataCancelAudition(m_pBrowserData);
}

void BackgroundLayer::OnLogoPress(CHfcControl* logo) {
    CHfcPopupMenu menu;
    if (!menu.Create(1)) return;
    menu.InsertItem(0, kLogoMenuAllSoundOff, "All Sound Off", 0);
    menu.InsertItem(1, kLogoMenuAbout, ("About " + GetProductName()).c_str(), 0);
    int chosen = 0;
    {
        NestedLoopScope nested(GetWindow());
        const tagHfcRect& r = logo->GetRect();
        chosen = QnUtils::TrackPopupMenu(&menu, r.left, r.top, GetWindow());
    }
    menu.Destroy();
    if (chosen == 0 || m_pAboutLayer != nullptr) return;
    if (chosen == kLogoMenuAllSoundOff) AllSoundOff();
    if (chosen == kLogoMenuAbout) PostCommand(QnCommand::kOpenAbout, 0, 0, 0);
}

// ---- mouse

bool BackgroundLayer::PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (y <= kAuditionPressLimitY && synth != nullptr && synth->GetAuditionState()) {
        const bool inBrowser = m_pBrowserTab != nullptr && [&] {
            const tagHfcRect& r = m_pBrowserTab->GetRect();
            return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
        }();
        if (!inBrowser) synth->EndAudition(false);
    }
    return QnSynthLayer::PreMouseLButtonDown(mouse, x, y, modifiers);
}

bool BackgroundLayer::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (CHfcWindow* window = GetWindow()) window->ReleaseFocus(nullptr);
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth != nullptr && synth->GetSoundMode() == QorX0::kModeProgPlay) OnOverviewPress(x, y);
    if (CHfcWindow* window = GetWindow()) window->ReleaseFocus(nullptr);
    (void)mouse;
    (void)modifiers;
    return true;
}

bool BackgroundLayer::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool BackgroundLayer::OnHfcCtrlMouseLButtonDoubleClick(CHfcControl* control, int, int, int) {
    if (control->GetId() == kIdSoundName) return true;
    if (control->GetId() == kIdTempo && QnUtils::IsClockExternal(GetSynth())) return true;
    return false;
}

bool BackgroundLayer::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) {
    const int id = control->GetId();
    if (id == kIdLogoMaker || id == kIdLogoProduct) {
        OnLogoPress(control);
        return true;
    }
    if (id == kIdTempo && QnUtils::IsClockExternal(GetSynth())) return true;
    if (id >= kIdKnobLabel1 && id < kIdKnobLabel1 + 4) {
        OnKnobLabelPress();
        return true;
    }
    if (id >= kIdOverviewFirst && id < kIdOverviewFirst + 30) {
        QorX0::IRemoteSynth* synth = GetSynth();
        if (synth != nullptr && synth->GetSoundMode() == QorX0::kModeProgPlay)
            OnOverviewControlPress(control);
        return true;
    }
    (void)x;
    (void)y;
    (void)modifiers;
    return false;
}

// ---- control values

void BackgroundLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    UILockScope lock(m_uiLock);
    const int id = control->GetId();
    const int sub = control->GetUserValue();
    const bool press = value < 0;
    switch (id) {
        case kIdModeSwitch:
            if (press) OnGUIModeChanged(sub);
            break;
        case kIdMainTabCombi:
            OnMainTabValue(kTabCombi, value);
            break;
        case kIdMainTabMulti:
            OnMainTabValue(kTabMulti, value);
            break;
        case kIdMainTabProg:
            OnMainTabValue(kTabProg, value);
            break;
        case kIdMainTabGlobal:
            OnMainTabValue(kTabGlobal, value);
            break;
        case kIdBrowserTab:
            break;
        case kIdUtility:
            if (press) {
                control->SetIntValue(0, true);
                NestedLoopScope nested(GetWindow());
                OnUtilitySwitch();
            }
            break;
        case kIdTrackShift:
            if (m_pTrackShift != nullptr) {
                const int delta = m_pTrackShift->GetIntValue() - (value & 0x7FFFFFFF);
                if (!press && delta != 0) TrackShift(delta);
            }
            break;
        case kIdKeyboard:
            PlayKey(value);
            break;
        case kIdWheel:
            MoveWheel(sub, value);
            break;
        default:
            if (id >= kIdSoundNumber && id <= kIdTempo) {
                OnSoundDisplayValue(control, value);
            } else if (id >= kIdGroupSwitch && id < kIdKnob1 + 4) {
                OnRealtimeControl(control, value);
            }
            break;
    }
}

void BackgroundLayer::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) {
    UILockScope lock(m_uiLock);
    OnSoundDisplayText(control, static_cast<const char*>(value));
}

void BackgroundLayer::OnHfcCtrlBeginEdit(CHfcControl* control) {
    const int id = control->GetId();
    if (id >= kIdKnob1 && id < kIdKnob1 + 4) BeginKnobEdit(id - kIdKnob1);
}

void BackgroundLayer::OnHfcCtrlEndEdit(CHfcControl* control) {
    const int id = control->GetId();
    if (id >= kIdKnob1 && id < kIdKnob1 + 4) EndKnobEdit();
}

// ---- the instrument's events

void BackgroundLayer::OnIdleRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth*, bool, bool) {
    OnModeChanged();
    UpdateLogoSwitches();
}

void BackgroundLayer::OnIdleRemoteSynthExtCtlStateChanged(QorX0::IRemoteSynth*, const QorX0::EXTCTLSTATE&) {
    UpdateTempoEdit();
}

void BackgroundLayer::OnIdleRemoteSynthModeChanged(QorX0::IRemoteSynth*, int) {
    OnModeChanged();
}

void BackgroundLayer::OnIdleRemoteSynthCurSoundChanged(QorX0::IRemoteSynth*, const SOUNDINDEX&) {
    UpdateMainLCD();
    UpdateRealtimeControllers();
    UpdateOverview();
}

void BackgroundLayer::OnIdleRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                                       const SOUNDINDEX& sound) {
    UpdateMainLCD();
    UpdateRealtimeControllers();
    UpdateOverview();
    QnSynthLayer::OnIdleRemoteSynthBankListChanged(synth, kind, sound);
}

void BackgroundLayer::OnIdleSectionReinitialized(ISection* section) {
    UpdateMainLCD();
    UpdateRealtimeControllers();
    UpdateOverview();
    QnSynthLayer::OnIdleSectionReinitialized(section);
}

void BackgroundLayer::OnIdleSectionParamChanged(ISection* section, int pid) {
    RefreshRealtimeKnobs();
    UpdateKnobAssign();
    UpdateTempoEdit();
    UpdateRealtimeControllers();
    QnSynthLayer::OnIdleSectionParamChanged(section, pid);
}

// ---- painting and teardown

void BackgroundLayer::OnRefresh() {
    CHfcOffscreenContext* context = GetContext();
    if (!IsVisible() || context == nullptr) return;
    context->ClearRect(0, 0, GetWidth(), GetHeight());
    if (m_pBackground != nullptr) context->CopyBmp(0, 0, GetWidth(), GetHeight(), m_pBackground, 0, 0);
    context->SetPenColor(0xFFFFFFFF);
    context->SetPenWidth(1.0f);
    for (int x : {125, 231, 308, 384}) {
        context->SetBrushColor(0xFFFFFFFF);
        context->FillRect(x, 43, 1, 64 - 43 + 1);
    }
    RefreshOverviewContainers();
    for (int i = 0; i < GetNumControls(); ++i) GetControl(i)->Update(true, false);
    CopyToWindow(false);
}

void BackgroundLayer::DestroyTabPages(CTabControl* tab) {
    if (tab == nullptr) return;
    while (CTabPageLayer* page = tab->GetTabPageLayer(0)) {
        tab->RemoveTabPageLayer(page);
        Forget(m_receivers, dynamic_cast<IMIDIReceiver*>(static_cast<CHfcWindowLayer*>(page)));
        page->Destroy();
        page->OnDestroy();
        delete page;
    }
}

bool BackgroundLayer::OnDestroy() {
    // An open modal browser or About box goes first, whole: pages, tab control, layer; a file
    // dialog still up is cancelled, so it never calls back into a layer that is gone.
    CloseModalBrowser();
    CloseAbout();
    CloseFileDialog();
    QnSynthLayer::OnDestroy();
    EditorParts::UnadviseBrowserData(m_pBrowserData);
    AdviseSinks(false);
    DestroyTabPages(m_pBrowserTab);
    for (CTabControl* tab : m_pMainTabs) DestroyTabPages(tab);
    m_receivers.clear();
    m_trackShiftPages.clear();
    RemoveAllControls(false);
    for (CHfcControl* control : m_owned) {
        control->Destroy();
        delete control;
    }
    m_owned.clear();
    DestroyOverview();
    EditorParts::DeleteBrowserData(m_pBrowserData);
    m_pBrowserData = nullptr;
    m_pBrowserTab = nullptr;
    for (CTabControl*& tab : m_pMainTabs) tab = nullptr;
    for (CHfcCtrlSwitch*& s : m_pModeSwitches) s = nullptr;
    for (CHfcCtrlSwitch*& s : m_pGroupSwitches) s = nullptr;
    for (CHfcCtrlKnob*& k : m_pKnobs) k = nullptr;
    m_pGroupStep = nullptr;
    m_pKeyboard = nullptr;
    m_pPitchWheel = m_pModWheel = nullptr;
    m_pTrackShift = nullptr;
    ForgetSoundDisplay();
    return true;
}
