// The pick-list browsers.
#include "Common/Editor/PickList.h"

#include "Common/Controls/MMPCtrlList.h"
#include "Common/Controls/MMPCtrlScrollBar.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Editor/Browsers.h"
#include "Common/FontManager/FontManager.h"
#include "Common/Model/Banks.h"
#include "Common/Model/Converters.h"
#include "Common/Model/ParamDesc.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Core/HfcCtrlSwitch.h"

namespace {

constexpr uint32_t kRedText = 0xFFFF0000;

constexpr int kFxCounts[] = {16, 16, 9, 11, 6, 32};
constexpr const char* kFxNames[] = {"Filter/Dynamic", "Pitch/Phase Mod.", "Mod./P.Shift",
                                    "ER/Delay",       "Reverb",           "Mono Chain"};
constexpr int kMsCounts[] = {33, 25, 26, 28, 14, 12, 14, 25, 26, 15, 68, 47, 38, 43, 56};
constexpr const char* kMsNames[] = {"Piano",      "Organ",       "Mallet/Bell", "Woodwind", "Brass",
                                    "Choir",      "Strings",     "Guitar",      "Bass",     "Ethnic Plucked",
                                    "Synth Wave", "Single Wave", "SE 1",        "SE 2",     "Drum Wave"};
constexpr int kDsCounts[] = {19, 34, 42, 51, 24, 24, 36, 18, 7, 41, 23, 95, 7, 33, 64};
constexpr const char* kDsNames[] = {"BD-Normal",   "BD-Dance",   "SD-Normal",  "SD-Dance",   "Tom",
                                    "HH-Normal",   "HH-Dance",   "Crash/Ride", "Orchestral", "Analog",
                                    "Scratch/Hit", "Percussion", "Industrial", "Voice",      "SE"};

template <size_t N>
CategoryPickBrowser::Table MakeTable(const int (&counts)[N], const char* const (&names)[N]) {
    return {counts, names, static_cast<int>(N)};
}

// The converter's long text for value with its first ":" replaced by two spaces.
std::string Caption(const QorX0::PARAMDESC& desc, int value) {
    std::string text = desc.converter ? desc.converter->Format(value) : std::to_string(value);
    text = text.substr(0, text.find('\0'));
    if (const size_t colon = text.find(':'); colon != std::string::npos) text.replace(colon, 1, "  ");
    return text;
}

}  // namespace

RedBrowserBase::RedBrowserBase(QorX0::IRemoteSynth* synth, int sectionKind, int paramId,
                               const std::string& pageName)
    : CTabPageLayer(synth, pageName), m_iParamId(paramId) {
    SetTargetMode(sectionKind);
    m_iStartValue = GetParamValue(sectionKind, paramId);
}

void RedBrowserBase::DoIt(int value) {
    PutParamValue(GetTargetMode(), m_iParamId, value);
}

void RedBrowserBase::OnItemSelected(CHfcCtrlListItem* item) {
    DoIt(item->m_user1);
}

void RedBrowserBase::DoOK() {
    if (!m_pList || m_pList->GetSelectedItemIndex() < 0) return;
    GetSynth()->EndAudition(true);
    EndModal();
}

void RedBrowserBase::DoCancel() {
    if (GetSynth()->GetAuditionState()) GetSynth()->EndAudition(false);
    EndModal();
}

bool RedBrowserBase::SelectValue(int value) {
    if (!m_pList) return false;
    for (int i = 0; i < m_pList->GetNumItems(); ++i) {
        CHfcCtrlListItem* item = m_pList->GetItem(i);
        if (item->m_user1 != value) continue;
        item->SetSelected(true);
        m_pList->AutoScroll(i, 0);
        if (m_pScroll) m_pScroll->SetIntValue(m_pList->GetCurrentLine(), true);
        return true;
    }
    return false;
}

void RedBrowserBase::FillFromDescriptor(int first, int last) {
    QorX0::PARAMDESC desc{};
    if (!GetParamDesc(&desc, GetTargetMode(), m_iParamId)) return;
    if (first < desc.minval) first = desc.minval;
    if (last > desc.maxval) last = desc.maxval;
    for (int v = first; v <= last; ++v) {
        CHfcCtrlListItem* item = m_pList->AddItem();
        item->m_user1 = v;
        item->SetCaption(Caption(desc, v).c_str());
        item->SetVisible(true);
    }
}

void RedBrowserBase::FinishFill() {
    if (m_pScroll) {
        m_pScroll->SetMaxIntValue(BrowserScrollMaximum(m_pList->GetNumItems(), m_iRows, m_iColumns), false);
        m_pScroll->SetIntValue(0, true);
    }
    m_pList->SetCurrentLine(0);
    m_pList->SetDirty();
}

bool RedBrowserBase::OnCreate() {
    BuildFilterControls();
    QnControlCreater creater(GetBackground(), 0, 0);
    m_pList = Put(creater.CreateListControl(12, 58, 200, 316, 1, m_iColumns, m_iRows, true, kIdList));
    m_pScroll = Put(creater.CreateScrollBar(213, 58, 316, 1, 1, kIdScroll));
    if (m_pScroll) m_pScroll->SetPageSize(m_iRows, false);
    if (m_pList) {
        InitListControl();
        SelectValue(m_iStartValue);
    }
    m_pOK = Put(creater.CreateSwitch(140, 385, "Switch_Red_OK", 2, kIdOK));
    if (m_pOK) {
        m_pOK->Enable(false);
        m_pOK->SetIntValue(1, false);
    }
    m_pCancel = Put(creater.CreateSwitch(49, 385, "Switch_Red_Cancel", 2, kIdCancel));
    if (m_pCancel) m_pCancel->SetIntValue(1, false);
    if (!CTabPageLayer::OnCreate()) return false;
    SetFocus(this);
    return true;
}

bool RedBrowserBase::OnDestroy() {
    if (!m_bOK && GetSynth() && GetSynth()->GetAuditionState()) GetSynth()->EndAudition(false);
    m_bOK = true;  // once
    m_pList = nullptr;
    m_pScroll = nullptr;
    m_pOK = m_pCancel = nullptr;
    return CTabPageLayer::OnDestroy();
}

void RedBrowserBase::OnIdle(unsigned long time) {
    if (m_bRebuild && m_pList) {
        m_bRebuild = false;
        const int selected = m_pList->GetSelectedItemIndex();
        const bool had = selected >= 0;
        const int value = had ? m_pList->GetItem(selected)->m_user1 : 0;
        InitListControl();
        if (had) SelectValue(value);
        if (m_pList->GetSelectedItemIndex() < 0) {
            if (GetSynth()->GetAuditionState()) GetSynth()->EndAudition(false);
            if (m_pOK) {
                m_pOK->Disable(true);
                m_pOK->SetIntValue(0, true);
            }
        }
        RequestRedraw();
    }
    CTabPageLayer::OnIdle(time);
}

bool RedBrowserBase::PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    return QnSynthLayer::PreMouseLButtonDown(mouse, x, y, modifiers);
}

bool RedBrowserBase::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int, int, int) {
    if (control->GetId() == kIdOK && control == m_pOK) {
        if (!m_pOK->IsEnabled()) return true;
        m_bOK = true;
        DoOK();
        if (IsModal()) m_bOK = false;  // nothing was picked: the page stays, and so does its guard
        return true;
    }
    if (control->GetId() == kIdCancel && control == m_pCancel) {
        DoCancel();
        return true;
    }
    return false;
}

bool RedBrowserBase::OnHfcCtrlEvent(CHfcControl* control, int event, int argument, void* pointer) {
    if (control != m_pList || !m_pList) return false;
    auto* item = static_cast<CHfcCtrlListItem*>(pointer);
    switch (event) {
        case CHfcCtrlList::kEventSelect:
            if (!item) return true;
            item->SetSelected(argument == 1);
            if (argument == 1) {
                if (m_pOK) {
                    m_pOK->Enable(true);
                    m_pOK->SetIntValue(1, true);
                }
                if (!GetSynth()->GetAuditionState())
                    GetSynth()->BeginAudition(static_cast<QorX0::AUDCTX>(GetAuditionContex()));
                OnItemSelected(item);
            }
            return true;
        case CHfcCtrlList::kEventActivate:
            m_bOK = true;
            DoOK();
            if (IsModal()) m_bOK = false;
            return true;
        case CHfcCtrlList::kEventOutOfView:
            m_pList->AutoScroll(argument, 0);
            if (m_pScroll) m_pScroll->SetIntValue(m_pList->GetCurrentLine(), true);
            return true;
        default:
            return false;
    }
}

void RedBrowserBase::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    if (control == m_pScroll && m_pList) {
        m_pList->SetCurrentLine(value);
        m_pScroll->SetIntValue(value, true);
        return;
    }
    if (control->GetId() == kIdCategory) {
        control->SetIntValue(value, true);
        RequestRebuild();
    }
}

bool RedBrowserBase::OnHfcCtrlKeyDown(CHfcControl*, int character, int key, int) {
    if (character != 27 && key != 27) return false;
    DoCancel();
    return true;
}

bool RedBrowserBase::OnHfcKeyDown(CHfcKeyFocus*, int character, int key, int) {
    if (character != 27 && key != 27) return false;
    DoCancel();
    return true;
}

bool RedBrowserBase::OnHfcKeyChar(CHfcKey*, int character, int) {
    if (character != 27) return false;
    DoCancel();
    return true;
}

// ---- category tables ---------------------------------------------------------------------------

CategoryPickBrowser::CategoryPickBrowser(QorX0::IRemoteSynth* synth, int sectionKind, int paramId,
                                         const std::string& pageName, const Table& table)
    : RedBrowserBase(synth, sectionKind, paramId, pageName), m_table(table) {}

void CategoryPickBrowser::BuildFilterControls() {
    QnControlCreater creater(GetBackground(), 0, 0);
    Put(creater.CreateStaticText(13, 19, 100, 13, "CATEGORY", FontName_Geneva10, kRedText, 0, 0, -1));
    m_pCategory = Put(creater.CreateDropdownList(10, 30, 11, kIdCategory));
    if (!m_pCategory) return;
    m_pCategory->AddItem("ALL", false);
    for (int k = 0; k < m_table.size; ++k) m_pCategory->AddItem(m_table.names[k], false);
    m_pCategory->SetMinIntValue(-1, false);
    m_pCategory->SetMaxIntValue(m_table.size - 1, false);
    m_pCategory->SetIntValue(-1, false);
}

void CategoryPickBrowser::InitListControl() {
    m_pList->ClearItems();
    const int k = m_pCategory ? m_pCategory->GetIntValue() : -1;
    if (k >= 0 && k < m_table.size) {
        int first = 0;
        for (int i = 0; i < k; ++i) first += m_table.counts[i];
        FillFromDescriptor(first, first + m_table.counts[k] - 1);
    } else {
        FillFromDescriptor(INT32_MIN, INT32_MAX);
    }
    FinishFill();
}

void CategoryPickBrowser::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    RedBrowserBase::OnHfcCtrlIntValueChanged(control, value);
}

EffectBrowser::EffectBrowser(QorX0::IRemoteSynth* synth, int sectionKind, int paramId,
                             const std::string& pageName)
    : CategoryPickBrowser(synth, sectionKind, paramId, pageName, MakeTable(kFxCounts, kFxNames)) {}
MultisampleBrowser::MultisampleBrowser(QorX0::IRemoteSynth* synth, int sectionKind, int paramId,
                                       const std::string& pageName)
    : CategoryPickBrowser(synth, sectionKind, paramId, pageName, MakeTable(kMsCounts, kMsNames)) {}
DrumSampleBrowser::DrumSampleBrowser(QorX0::IRemoteSynth* synth, int sectionKind, int paramId,
                                     const std::string& pageName)
    : CategoryPickBrowser(synth, sectionKind, paramId, pageName, MakeTable(kDsCounts, kDsNames)) {}

void DrumKitBrowser::InitListControl() {
    m_pList->ClearItems();
    FillFromDescriptor(INT32_MIN, INT32_MAX);
    FinishFill();
}

void ArpeggioPatternBrowser::InitListControl() {
    m_pList->ClearItems();
    FillFromDescriptor(INT32_MIN, INT32_MAX);
    FinishFill();
}

// ---- programs ----------------------------------------------------------------------------------

int LoadProgramBrowser::GetCategory(int mode, QorX0::ISound* sound) {
    return mode == 0 || mode == 2 ? ::GetCategory(mode, sound) : -1;
}

void LoadProgramBrowser::BuildFilterControls() {
    QnControlCreater creater(GetBackground(), 0, 0);
    Put(creater.CreateStaticText(13, 8, 100, 13, "CATEGORY", FontName_Geneva9, kRedText, 0, 0, -1));
    Put(creater.CreateStaticText(123, 8, 100, 13, "BANK", FontName_Geneva9, kRedText, 0, 0, -1));
    m_pCategory = Put(creater.CreateDropdownList(10, 19, 11, kIdCategoryFilter));
    if (m_pCategory) {
        m_pCategory->AddItem("ALL", false);
        for (int k = 0; k < 16; ++k) {
            std::string name;
            QnUtils::GetCategoryName(name, GetSynth(), 2, k, true);
            m_pCategory->AddItem(name.c_str(), false);
        }
        m_pCategory->SetMinIntValue(-1, false);
        m_pCategory->SetMaxIntValue(15, false);
        m_pCategory->SetIntValue(-1, false);
    }
    m_pBank = Put(creater.CreateDropdownList(120, 19, 11, kIdBankFilter));
    if (m_pBank) {
        m_pBank->AddItem("ALL", false);
        QorX0::IBankList* banks = GetSynth()->GetAllSounds(2);
        const int count = banks ? static_cast<int>(banks->GetCount()) : 0;
        for (int b = 0; b < count; ++b) m_pBank->AddItem(banks->GetAt(b)->GetName().c_str(), false);
        m_pBank->SetMinIntValue(-1, false);
        m_pBank->SetMaxIntValue(count - 1, false);
        m_pBank->SetIntValue(-1, false);
    }
}

void LoadProgramBrowser::InitListControl() {
    m_pList->ClearItems();
    if (QorX0::IBankList* banks = GetSynth()->GetAllSounds(2)) {
        for (unsigned i = 0; i < banks->GetCount(); ++i) {
            QorX0::IBank* bank = banks->GetAt(i);
            if (!bank || (m_iBank != -1 && static_cast<int>(i) != m_iBank)) continue;
            for (unsigned j = 0; j < bank->GetCount(); ++j) {
                QorX0::ISound* sound = bank->GetAt(j);
                if (!sound || (m_iCategory != -1 && GetCategory(2, sound) != m_iCategory)) continue;
                CHfcCtrlListItem* item = m_pList->AddItem();
                item->m_user1 = QnUtils::ConvertToParamBank(static_cast<int>(i)) * 128 + static_cast<int>(j);
                const std::string caption = QnUtils::GetBankProgNumberAsString(
                                                GetSynth(), 2, static_cast<int>(i), static_cast<int>(j)) +
                                            " " + sound->GetName();
                item->SetCaption(caption.c_str());
                item->SetVisible(true);
            }
        }
    }
    FinishFill();
}

void LoadProgramBrowser::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    if (control->GetId() == kIdCategoryFilter || control->GetId() == kIdBankFilter) {
        control->SetIntValue(value, true);
        (control->GetId() == kIdCategoryFilter ? m_iCategory : m_iBank) = control->GetIntValue();
        if ((control->GetId() == kIdCategoryFilter ? m_iCategory : m_iBank) == QnDropdownList::kInvalidValue)
            (control->GetId() == kIdCategoryFilter ? m_iCategory : m_iBank) = -1;
        RequestRebuild();
    }
    RedBrowserBase::OnHfcCtrlIntValueChanged(control, value);
}

bool LoadProgramBrowser::OnHfcCtrlEvent(CHfcControl* control, int event, int argument, void* pointer) {
    if (control->GetId() == kIdCategoryFilter || control->GetId() == kIdBankFilter) {
        (control->GetId() == kIdCategoryFilter ? m_iCategory : m_iBank) =
            control->GetIntValue() == 1 ? argument : -1;
        RequestRebuild();
        return true;
    }
    return RedBrowserBase::OnHfcCtrlEvent(control, event, argument, pointer);
}
