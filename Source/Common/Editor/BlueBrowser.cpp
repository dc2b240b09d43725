// The sound browsers and their shared data.
#include "Common/Editor/BlueBrowser.h"

#include <algorithm>
#include <cstdio>

#include "Common/Controls/MMPCtrlList.h"
#include "Common/Controls/MMPCtrlScrollBar.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/FontManager/FontManager.h"
#include "Common/Model/Banks.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Linux/SysTick.h"

using QorX0::SOUNDINDEX;

namespace {

constexpr SOUNDINDEX kNoSound{255, 255};
constexpr uint32_t kBlueText = 0xFF6178C2;

bool IsNone(const SOUNDINDEX& s) {
    return s.bank == 255 && s.number == 255;
}

int ItemValue(int bank, int program) {
    return bank == 255 || program == 255 ? -1 : (bank << 8) | program;
}

std::string TrimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

}  // namespace

int GetCategory(int soundMode, QorX0::ISound* sound) {
    unsigned offset;
    unsigned mask = 0xFF;
    if (soundMode == 0) {
        offset = 118;
        mask = 0x0F;
    } else if (soundMode == 2) {
        offset = 110;
    } else {
        return -1;
    }
    unsigned char byte = 0;
    if (!sound || sound->RawGet(&byte, offset, 1) != 1) return 0;
    return byte & mask;
}

int BrowserScrollMaximum(int items, int rows, int columns) {
    if (rows <= 0) return 0;
    int maximum = columns <= 1 ? items - rows : (items + rows - 1) / rows - columns;
    return std::max(maximum, 0);
}

const char* InstrumentNameCharacters() {
    static const std::string characters = [] {
        std::string s;
        for (char c = 0x20; c < 0x7F; ++c) s += c;
        return s;
    }();
    return characters.c_str();
}

std::string InstrumentName(const char* text) {
    std::string out;
    for (const char* p = text ? text : ""; *p && out.size() < 16; ++p)
        if (*p >= 0x20 && *p < 0x7F) out += *p;
    return out;
}

// ---- the shared data ---------------------------------------------------------------------------

BlueBrowserData::BlueBrowserData(QorX0::IRemoteSynth* synth) : m_pSynth(synth) {}

BlueBrowserData::~BlueBrowserData() {
    Unadvise();
}

bool BlueBrowserData::Advise() {
    if (!m_pSynth || m_bAdvised) return false;
    m_bAdvised = m_pSynth->AdviseSink(this);
    return m_bAdvised;
}

void BlueBrowserData::Unadvise() {
    if (m_pSynth && m_bAdvised) m_pSynth->UnadviseSink(this);
    m_bAdvised = false;
}

void BlueBrowserData::AddBrowser(CTabPageLayer* page) {
    if (auto* browser = dynamic_cast<BlueBrowserBase*>(page)) m_browsers.push_back(browser);
}

void BlueBrowserData::RemoveAllBrowsers() {
    m_browsers.clear();
}

void BlueBrowserData::OnIdle() {
    ProcessEventQueue();
}

void BlueBrowserData::SetCurrentSound(const SOUNDINDEX& index) {
    m_audition = index;
    if (IsNone(index)) return;
    if (!m_pSynth->GetAuditionState()) m_pSynth->BeginAudition(QorX0::AUDCTX_SOUND);
    m_pSynth->PutCurSound(index);
}

void BlueBrowserData::OKAudition() {
    const SOUNDINDEX current = m_pSynth->GetCurSound();
    SetCurrentSound(kNoSound);
    m_pSynth->EndAudition(true);
    m_pSynth->PutCurSound(current);
    for (BlueBrowserBase* b : std::vector<BlueBrowserBase*>(m_browsers)) b->RequestSetCurrentSound(kNoSound);
}

void BlueBrowserData::CancelAudition() {
    if (!m_pSynth->GetAuditionState()) return;
    SetCurrentSound(kNoSound);
    m_pSynth->EndAudition(false);
    UpdateSelection();
}

void BlueBrowserData::UpdateSelection() {
    for (BlueBrowserBase* b : m_browsers) b->OnUpdateSelection();
}

void BlueBrowserData::UpdateAllBrowsers(CTabPageLayer*, bool rebuildSwitches) {
    for (BlueBrowserBase* b : m_browsers) {
        b->UpdateBrowser(rebuildSwitches);
        b->OnUpdateSelection();
    }
}

void BlueBrowserData::ResetAll() {
    CancelAudition();
    m_iCategory = -1;
    m_iBank = -1;
    UpdateAllBrowsers(nullptr, true);
}

void BlueBrowserData::OnIdleRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth*, bool, bool) {
    ResetAll();
}
void BlueBrowserData::OnIdleRemoteSynthModeChanged(QorX0::IRemoteSynth*, int) {
    ResetAll();
}
void BlueBrowserData::OnIdleRemoteSynthBankListChanged(QorX0::IRemoteSynth*, int, const SOUNDINDEX&) {
    ResetAll();
}

void BlueBrowserData::OnIdleRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth*, bool running) {
    if (running) return;
    m_audition = kNoSound;
    UpdateSelection();
}

CTabPageLayer* NewBlueBrowserPage(BlueBrowserData* data, bool big) {
    if (!data) return nullptr;
    if (big) return new BigBlueBrowserLayer(data->GetSynth(), data, "Browser");
    return new SmallBlueBrowserLayer(data->GetSynth(), data, "Browser");
}

// ---- the page base -----------------------------------------------------------------------------

BlueBrowserBase::BlueBrowserBase(QorX0::IRemoteSynth* synth, BlueBrowserData* data, const std::string& name,
                                 int rows, int columns)
    : CTabPageLayer(synth, name), m_pData(data), m_iRows(rows), m_iColumns(columns) {}

int BlueBrowserBase::SoundMode() const {
    return GetSynth()->GetSoundMode();
}

void BlueBrowserBase::UpdateBrowser(bool rebuild) {
    if (rebuild) {
        UpdateCategorySwitch();
        UpdateBankSwitch();
    }
    ShowFilters();
    m_bRebuild = true;
}

void BlueBrowserBase::SelectValue(int value) {
    if (!m_pList) return;
    for (int i = 0; i < m_pList->GetNumItems(); ++i) {
        CHfcCtrlListItem* item = m_pList->GetItem(i);
        if (item->m_user1 != value) continue;
        item->SetSelected(true);
        m_pList->AutoScroll(i, 0);
        if (m_pScroll) m_pScroll->SetIntValue(m_pList->GetCurrentLine(), true);
        return;
    }
}

void BlueBrowserBase::OnUpdateSelection() {
    if (!m_pList) return;
    if (const int selected = m_pList->GetSelectedItemIndex(); selected >= 0)
        m_pList->GetItem(selected)->SetSelected(false);
    const SOUNDINDEX& a = m_pData->GetAuditionIndex();
    const bool none = IsNone(a);
    if (!none) SelectValue(ItemValue(a.bank, a.number));
    for (CHfcCtrlSwitch* s : {m_pOK, m_pCancel}) {
        if (!s) continue;
        s->SetIntValue(none ? 0 : 1, true);
        if (none)
            s->Disable(true);
        else
            s->Enable(true);
    }
    m_pList->SetDirty();
}

void BlueBrowserBase::ShowSmallPage() {
    if (CTabControl* owner = GetOwner(); owner && owner->GetActiveIndex() != 1)
        owner->SetActivePageByIndex(1, true);
}

void BlueBrowserBase::OnOK() {
    m_pData->OKAudition();
    ShowSmallPage();
}

void BlueBrowserBase::OnCancel() {
    m_pData->CancelAudition();
    ShowSmallPage();
}

void BlueBrowserBase::OnCategoryChanged(int c) {
    m_pData->SetCategoryFilter(c);
    m_pData->UpdateAllBrowsers(this, false);
}

void BlueBrowserBase::OnBankChanged(int b) {
    m_pData->SetBankFilter(b);
    m_pData->UpdateAllBrowsers(this, false);
}

void BlueBrowserBase::RequestSetCurrentSound(const SOUNDINDEX& index) {
    m_pData->SetCurrentSound(index);
    m_pData->UpdateSelection();
    // Paces program changes to what the instrument follows.
    QorX0::SleepCurrentThread(90);
}

void BlueBrowserBase::InitSoundListControl() {
    if (!m_pList) return;
    const int mode = SoundMode();
    QorX0::IBankList* banks = GetSynth()->GetAllSounds(mode);
    if (!banks) return;
    m_pList->ClearItems();
    const int category = m_pData->GetCategoryFilter();
    const int bankFilter = m_pData->GetBankFilter();
    for (unsigned b = 0; b < banks->GetCount(); ++b) {
        QorX0::IBank* bank = banks->GetAt(b);
        if (!bank || (bankFilter != -1 && static_cast<int>(b) != bankFilter)) continue;
        for (unsigned p = 0; p < bank->GetCount(); ++p) {
            QorX0::ISound* sound = bank->GetAt(p);
            if (!sound) continue;
            if (category != -1 && GetCategory(mode, sound) != category) continue;
            CHfcCtrlListItem* item = m_pList->AddItem();
            item->m_user1 = ItemValue(static_cast<int>(b), static_cast<int>(p));
            const std::string caption = QnUtils::GetBankProgNumberAsString(
                                            GetSynth(), mode, static_cast<int>(b), static_cast<int>(p)) +
                                        " " + sound->GetName();
            item->SetCaption(caption.c_str());
            item->SetVisible(true);
        }
    }
    if (m_pScroll) {
        m_pScroll->SetMaxIntValue(BrowserScrollMaximum(m_pList->GetNumItems(), m_iRows, m_iColumns), false);
        m_pScroll->SetIntValue(0, true);
    }
    m_pList->SetCurrentLine(0);
    m_pList->SetDirty();
}

void BlueBrowserBase::CreateOKSwitch() {
    QnControlCreater creater(GetBackground(), 0, 0);
    m_pOK = Put(creater.CreateSwitch(140, 385, "Switch_Blue_OK", 2, kIdOK));
    if (m_pOK) {
        m_pOK->SetIntValue(0, false);
        m_pOK->Disable(false);
    }
}

void BlueBrowserBase::CreateCancelSwitch() {
    QnControlCreater creater(GetBackground(), 0, 0);
    m_pCancel = Put(creater.CreateSwitch(49, 385, "Switch_Blue_Cancel", 2, kIdCancel));
    if (m_pCancel) {
        m_pCancel->SetIntValue(0, false);
        m_pCancel->Disable(false);
    }
}

void BlueBrowserBase::CreateList(int x, int y, int w, int h, int scrollX, int scrollY, int length,
                                 bool vertical) {
    QnControlCreater creater(GetBackground(), 0, 0);
    m_pList = Put(creater.CreateListControl(x, y, w, h, 0, m_iColumns, m_iRows, true, kIdList));
    m_pScroll = Put(creater.CreateScrollBar(scrollX, scrollY, length, vertical ? 1 : 0, 0, kIdScroll));
    if (m_pScroll) m_pScroll->SetPageSize(vertical ? m_iRows : m_iColumns, false);
}

bool BlueBrowserBase::OnCreate() {
    QnControlCreater creater(GetBackground(), 0, 0);
    Put(creater.CreateStaticText(13, 19, 100, 13, "CATEGORY", FontName_Geneva10, kBlueText, 0, 0, -1));
    Put(creater.CreateStaticText(123, 19, 100, 13, "BANK", FontName_Geneva10, kBlueText, 0, 0, -1));
    BuildFilterControls();
    CreateOKSwitch();
    CreateCancelSwitch();
    UpdateCategorySwitch();
    UpdateBankSwitch();
    InitSoundListControl();
    OnUpdateSelection();
    if (GetSynth()) GetSynth()->AdviseSink(this);
    return CTabPageLayer::OnCreate();
}

bool BlueBrowserBase::OnDestroy() {
    CTabPageLayer::OnDestroy();
    m_pList = nullptr;
    m_pScroll = nullptr;
    m_pOK = m_pCancel = nullptr;
    if (QorX0::IRemoteSynth* synth = GetSynth()) {
        if (synth->GetAuditionState()) synth->EndAudition(false);
        synth->UnadviseSink(this);
    }
    return true;
}

void BlueBrowserBase::OnIdle(unsigned long time) {
    if (m_bRebuild && m_pList) {
        const int selected = m_pList->GetSelectedItemIndex();
        const int value = selected >= 0 ? m_pList->GetItem(selected)->m_user1 : -1;
        InitSoundListControl();
        if (value != -1) SelectValue(value);
        if (m_pList->GetSelectedItemIndex() < 0) {
            if (GetSynth()->GetAuditionState()) GetSynth()->EndAudition(false);
            if (auto* ok = GetControlById(kIdOK, 0)) {
                ok->SetIntValue(0, true);
                ok->Disable(true);
            }
        }
        m_bRebuild = false;
        RequestRedraw();
    }
    CTabPageLayer::OnIdle(time);
}

bool BlueBrowserBase::PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    return QnSynthLayer::PreMouseLButtonDown(mouse, x, y, modifiers);
}

bool BlueBrowserBase::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int, int, int) {
    // OK and Cancel disable themselves: the press is taken here, so that no disabled switch is left
    // holding the mouse (which would swallow every later click in the window).
    if (control->GetId() == kIdOK && control->IsEnabled()) {
        OnOK();
        return true;
    }
    if (control->GetId() == kIdCancel && control->IsEnabled()) {
        OnCancel();
        return true;
    }
    return false;
}

bool BlueBrowserBase::OnHfcCtrlKeyDown(CHfcControl*, int character, int key, int) {
    if (character != 27 && key != 27) return false;
    OnCancel();
    return true;
}

bool BlueBrowserBase::OnHfcKeyDown(CHfcKeyFocus*, int character, int key, int) {
    // The page keeps the keys after an audition: Escape then has nothing to end and is not taken.
    if ((character != 27 && key != 27) || m_pData->GetAuditionIndex().bank == 0xFF) return false;
    OnCancel();
    return true;
}

void BlueBrowserBase::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    if (control->GetId() == kIdScroll && m_pList) {
        m_pList->SetCurrentLine(value);
        control->SetIntValue(value, true);
    }
}

bool BlueBrowserBase::OnHfcCtrlEvent(CHfcControl* control, int event, int argument, void* pointer) {
    if (control->GetId() != kIdList || !m_pList) return true;
    auto* item = static_cast<CHfcCtrlListItem*>(pointer);
    switch (event) {
        case CHfcCtrlList::kEventSelect:
            if (!item || argument != 1 || item->m_user1 < 0) return false;
            SetFocus(this);
            RequestSetCurrentSound(
                {static_cast<uint8_t>(item->m_user1 >> 8), static_cast<uint8_t>(item->m_user1 & 0xFF)});
            return true;
        case CHfcCtrlList::kEventActivate:
            OnOK();
            return true;
        case CHfcCtrlList::kEventOutOfView:
            m_pList->AutoScroll(argument, 0);
            if (m_pScroll) m_pScroll->SetIntValue(m_pList->GetCurrentLine(), true);
            return true;
        default:
            return true;
    }
}

// ---- the small page ----------------------------------------------------------------------------

SmallBlueBrowserLayer::SmallBlueBrowserLayer(QorX0::IRemoteSynth* synth, BlueBrowserData* data,
                                             const std::string& name)
    : BlueBrowserBase(synth, data, name, 22, 1) {}

void SmallBlueBrowserLayer::BuildFilterControls() {
    QnControlCreater creater(GetBackground(), 0, 0);
    m_pCategory = Put(creater.CreateDropdownList(10, 30, 10, kIdCategory));
    m_pBank = Put(creater.CreateDropdownList(120, 30, 10, kIdBank));
    CreateList(12, 58, 200, 316, 213, 58, 316, true);
}

void SmallBlueBrowserLayer::UpdateCategorySwitch() {
    if (!m_pCategory) return;
    m_pCategory->DeleteAllItems();
    m_pCategory->AddItem("ALL", false);
    const int mode = SoundMode();
    if (mode == 0 || mode == 2) {
        for (int c = 0; c < 16; ++c) {
            std::string name;
            QnUtils::GetCategoryName(name, GetSynth(), mode, c, true);
            m_pCategory->AddItem(TrimRight(name).c_str(), false);
        }
        m_pCategory->Enable(false);
        m_pCategory->SetMinIntValue(-1, false);
        m_pCategory->SetMaxIntValue(15, false);
    } else {
        m_pCategory->Disable(false);
        m_pCategory->SetMinIntValue(-1, false);
        m_pCategory->SetMaxIntValue(-1, false);
    }
    m_pCategory->SetIntValue(-1, true);
    m_pData->SetCategoryFilter(-1);
}

void SmallBlueBrowserLayer::UpdateBankSwitch() {
    m_pData->SetBankFilter(-1);
    if (!m_pBank) return;
    m_pBank->DeleteAllItems();
    QorX0::IBankList* banks = GetSynth()->GetAllSounds(SoundMode());
    if (!banks) return;
    m_pBank->AddItem("ALL", false);
    const int count = static_cast<int>(banks->GetCount());
    if (count < 2) {
        m_pBank->Disable(false);
        m_pBank->SetMaxIntValue(-1, false);
    } else {
        for (int b = 0; b < count; ++b)
            m_pBank->AddItem(TrimRight(banks->GetAt(b) ? banks->GetAt(b)->GetName() : "").c_str(), false);
        m_pBank->Enable(false);
        m_pBank->SetMaxIntValue(count - 1, false);
    }
    // After the items: adding one starts the range at 0 again, and "ALL" is -1.
    m_pBank->SetMinIntValue(-1, false);
    m_pBank->SetIntValue(-1, true);
}

void SmallBlueBrowserLayer::ShowFilters() {
    if (m_pCategory) m_pCategory->SetIntValue(m_pData->GetCategoryFilter(), true);
    if (m_pBank) m_pBank->SetIntValue(m_pData->GetBankFilter(), true);
}

void SmallBlueBrowserLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    if (control->GetId() == kIdCategory || control->GetId() == kIdBank) {
        control->SetIntValue(value, true);
        if (control->GetId() == kIdCategory)
            m_pData->SetCategoryFilter(value);
        else
            m_pData->SetBankFilter(value);
        m_pData->UpdateAllBrowsers(this, false);
        return;
    }
    BlueBrowserBase::OnHfcCtrlIntValueChanged(control, value);
}

bool SmallBlueBrowserLayer::OnHfcCtrlEvent(CHfcControl* control, int event, int argument, void* pointer) {
    if (control->GetId() == kIdCategory || control->GetId() == kIdBank) {
        const int filter = control->GetIntValue() == 1 ? argument : -1;
        if (control->GetId() == kIdCategory)
            m_pData->SetCategoryFilter(filter);
        else
            m_pData->SetBankFilter(filter);
        m_pData->UpdateAllBrowsers(this, false);
        return true;
    }
    return BlueBrowserBase::OnHfcCtrlEvent(control, event, argument, pointer);
}

// ---- the large page ----------------------------------------------------------------------------

BigBlueBrowserLayer::BigBlueBrowserLayer(QorX0::IRemoteSynth* synth, BlueBrowserData* data,
                                         const std::string& name)
    : BlueBrowserBase(synth, data, name, 23, 3) {}

void BigBlueBrowserLayer::BuildFilterControls() {
    QnControlCreater creater(GetBackground(), 0, 0);
    const int frame = QnControlCreater::FrameHeight(QnControlCreater::LoadImage("Switch_Blue_106X17"), 2);
    for (int i = 0; i < kSwitches; ++i) {
        const int y = 30 + i * (frame - 1);
        // Each switch carries its index as its sub-id, before the page keys it.
        CHfcCtrlTextSwitch* c =
            creater.CreateTextSwitch(10, y, "Switch_Blue_106X17", 2, 0xFF000000, kIdCategory, 0);
        CHfcCtrlTextSwitch* b =
            creater.CreateTextSwitch(120, y, "Switch_Blue_106X17", 2, 0xFF000000, kIdBank, 0);
        if (c) c->SetUserValue(i);
        if (b) b->SetUserValue(i);
        m_categories[i] = Put(c);
        m_banks[i] = Put(b);
    }
    CreateList(235, 20, 561, 353, 236, 387, 561, false);
    struct Info {
        int x, y, w;
        const char* font;
    };
    static constexpr Info kInfo[7] = {
        {17, 314, 200, FontName_HelvB11},
        {17, 330, 120, FontName_Geneva9_for_Controls},
        {17, 340, 120, FontName_Geneva9_for_Controls},
        {17, 351, 90, FontName_Geneva9_for_Controls},
        {17, 361, 90, FontName_Geneva9_for_Controls},
        {127, 351, 90, FontName_Geneva9_for_Controls},
        {127, 361, 90, FontName_Geneva9_for_Controls},
    };
    for (int k = 0; k < 7; ++k)
        m_info[k] = Put(creater.CreateStaticText(kInfo[k].x, kInfo[k].y, kInfo[k].w, 11, "", kInfo[k].font,
                                                 kBlueText, 0, 0, kIdInfoFirst + k));
}

void BigBlueBrowserLayer::UpdateCategorySwitch() {
    m_pData->SetCategoryFilter(-1);
    const int mode = SoundMode();
    for (int i = 0; i < kSwitches; ++i) {
        CHfcCtrlTextSwitch* s = m_categories[i];
        if (!s) continue;
        if (i == 0) {
            s->SetPtrValue(const_cast<char*>("ALL"), false);
            s->Enable(false);
        } else {
            std::string name;
            if (QnUtils::GetCategoryName(name, GetSynth(), mode, i - 1, true)) {
                s->SetPtrValue(name.data(), false);
                s->Enable(false);
            } else {
                s->SetIntValue(0, false);
                s->SetPtrValue(const_cast<char*>(""), false);
                s->Disable(false);
            }
        }
        s->SetIntValue(i - 1 == m_pData->GetCategoryFilter() ? 1 : 0, true);
    }
}

void BigBlueBrowserLayer::UpdateBankSwitch() {
    m_pData->SetBankFilter(-1);
    QorX0::IBankList* banks = GetSynth()->GetAllSounds(SoundMode());
    if (!banks) return;
    const int count = static_cast<int>(banks->GetCount());
    for (int i = 0; i < kSwitches; ++i) {
        CHfcCtrlTextSwitch* s = m_banks[i];
        if (!s) continue;
        if (i == 0) {
            s->SetPtrValue(const_cast<char*>("ALL"), false);
            s->Enable(false);
        } else if (i - 1 < count && count > 1 && banks->GetAt(i - 1)) {
            std::string name = banks->GetAt(i - 1)->GetName();
            s->SetPtrValue(name.data(), false);
            s->Enable(false);
        } else {
            s->SetPtrValue(const_cast<char*>(""), false);
            s->Disable(false);
        }
        s->SetIntValue(i - 1 == m_pData->GetBankFilter() ? 1 : 0, true);
    }
}

void BigBlueBrowserLayer::ShowFilters() {
    for (int i = 0; i < kSwitches; ++i) {
        if (m_categories[i])
            m_categories[i]->SetIntValue(i == m_pData->GetCategoryFilter() + 1 ? 1 : 0, true);
        if (m_banks[i]) m_banks[i]->SetIntValue(i == m_pData->GetBankFilter() + 1 ? 1 : 0, true);
    }
}

bool BigBlueBrowserLayer::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) {
    const int id = control->GetId();
    if (id == kIdCategory || id == kIdBank) {
        const int index = control->GetUserValue();
        CHfcCtrlTextSwitch* const* row = id == kIdCategory ? m_categories : m_banks;
        for (int i = 0; i < kSwitches; ++i)
            if (row[i]) row[i]->SetIntValue(i == index ? 1 : 0, true);
        if (id == kIdCategory)
            OnCategoryChanged(index - 1);
        else
            OnBankChanged(index - 1);
        return true;
    }
    return BlueBrowserBase::OnHfcCtrlMouseLButtonDown(control, x, y, modifiers);
}

void BigBlueBrowserLayer::OnUpdateSelection() {
    BlueBrowserBase::OnUpdateSelection();
    if (!m_pList) return;
    int bank = 255, program = 255;
    if (const int selected = m_pList->GetSelectedItemIndex(); selected >= 0) {
        bank = m_pList->GetItem(selected)->m_user1 >> 8;
        program = m_pList->GetItem(selected)->m_user1 & 0xFF;
    }
    QorX0::IRemoteSynth* synth = GetSynth();
    const int mode = SoundMode();
    std::string texts[7];
    texts[0] = bank == 255 ? std::string("UNSELECTED")
                           : QnUtils::GetBankProgNumberAsString(synth, mode, bank, program) + " " +
                                 QnUtils::GetProgramName(synth, mode, bank, program);
    texts[1] = "SW1 " + QnUtils::GetSWAssign(synth, mode, bank, program, 0);
    texts[2] = "SW2 " + QnUtils::GetSWAssign(synth, mode, bank, program, 1);
    for (int k = 0; k < 4; ++k)
        texts[3 + k] = "Knob" + std::to_string(k + 1) + "B " +
                       QnUtils::GetKnobAssignShortName(QnUtils::GetKnobAssign(synth, mode, bank, program, k));
    for (int k = 0; k < 7; ++k)
        if (m_info[k]) m_info[k]->SetPtrValue(texts[k].data(), true);
}

std::string BigBlueBrowserLayer::GetInfoText(int id) {
    const int k = id - kIdInfoFirst;
    return k >= 0 && k < 7 && m_info[k] ? m_info[k]->GetText() : std::string();
}
