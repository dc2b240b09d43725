// The write dialog.
#include "Common/Editor/WriteBrowser.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Editor/Browsers.h"
#include "Common/FontManager/FontManager.h"
#include "Common/Model/Banks.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcTextEngine.h"

namespace {

constexpr uint32_t kLabelColour = 0xFF6178C2;

std::string TrimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// The leading digits of text as a number (0 without any), held to 0..127.
int ReadNumber(const char* text) {
    long value = 0;
    for (const char* p = text ? text : ""; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        value = value * 10 + (*p - '0');
        if (value > 127) return 127;
    }
    return static_cast<int>(value);
}

}  // namespace

WriteBrowser::WriteBrowser(QorX0::IRemoteSynth* synth, int, const std::string& pageName)
    : CTabPageLayer(synth, pageName) {}

CTabPageLayer* NewWriteBrowser(QorX0::IRemoteSynth* synth) {
    return synth ? new WriteBrowser(synth, 0, "WriteProgram") : nullptr;
}

bool WriteBrowser::OnCreate() {
    QorX0::IRemoteSynth* synth = GetSynth();
    // A sound browser's audition holds the edit buffer of the sound before it: what is proposed and
    // written must be the buffer the instrument now plays as current.
    if (synth->GetAuditionState()) synth->EndAudition(false);
    m_iMode = synth->GetSoundMode();
    const QorX0::SOUNDINDEX current = synth->GetCurSound();
    QnControlCreater creater(GetBackground(), 0, 0);
    auto label = [&](int x, int y, const char* text) {
        if (QnStaticText* t =
                creater.CreateStaticText(x, y, 100, 13, text, FontName_Geneva10, kLabelColour, 0, 0, -1)) {
            AddControl(t, false);
            t->SetListener(this);
            t->Show(false);
        }
    };
    auto put = [&](CHfcControl* c) {
        if (!c) return;
        AddControl(c, false);
        c->SetListener(this);
        c->Show(false);
    };
    if (m_iMode != 4) {
        label(15, 45, "1. Select Category");
        m_pCategory = creater.CreateDropdownList(37, 63, 9, kIdCategory);
        put(m_pCategory);
        if (m_pCategory) {
            for (int k = 0; k < 16; ++k) {
                std::string name;
                QnUtils::GetCategoryName(name, synth, m_iMode, k, true);
                m_pCategory->AddItem(name.c_str(), false);
            }
            m_pCategory->SetIntValue(QnUtils::GetCurSoundCategory(synth, m_iMode), false);
        }
    }
    label(15, 123, "2. New Name");
    m_pName = creater.CreateTextEdit(37, 141, 164, 16, kIdName);
    put(m_pName);
    if (m_pName) {
        m_pName->GetEngine()->SetInputFilter(InstrumentNameCharacters());
        std::string name;
        if (QorX0::ISoundSection* buffer = synth->GetEditBuffer(m_iMode))
            name = TrimRight(buffer->GetParamS(0xFF00));
        m_pName->SetPtrValue(name.data(), false);
    }
    label(15, 189, "3. Choose Destination");
    m_pBank = creater.CreateDropdownList(37, 207, 9, kIdBank);
    put(m_pBank);
    if (m_pBank) {
        if (m_iMode == 4) {
            m_pBank->Disable(false);
        } else if (QorX0::IBankList* banks = synth->GetAllSounds(m_iMode)) {
            for (unsigned i = 0; i < banks->GetCount(); ++i) {
                if (QnUtils::IsGMBank(synth, m_iMode, static_cast<int>(i))) break;
                m_pBank->AddItem(banks->GetAt(i)->GetName().c_str(), false);
            }
            m_pBank->SetIntValue(current.bank < m_pBank->GetItemCount() ? current.bank : 0, false);
        }
    }
    m_pNumber = creater.CreateTextEdit(37, 237, 164, 16, 20, kIdNumber);
    put(m_pNumber);
    if (m_pNumber) {
        m_pNumber->SetMinIntValue(0, false);
        m_pNumber->SetMaxIntValue(127, false);
        m_pNumber->SetIntValue(current.number == 255 ? 0 : current.number, false);
    }
    CreateSaveSwitch();
    CreateCancelSwitch();
    UpdateDestinationSound();
    return CTabPageLayer::OnCreate();
}

void WriteBrowser::CreateSaveSwitch() {
    QnControlCreater creater(GetBackground(), 0, 0);
    m_pSave = creater.CreateSwitch(140, 385, "Switch_Blue_OK", 2, kIdSave);
    if (!m_pSave) return;
    AddControl(m_pSave, false);
    m_pSave->SetListener(this);
    m_pSave->Show(false);
    m_pSave->SetIntValue(1, false);
    m_pSave->Enable(false);
}

void WriteBrowser::CreateCancelSwitch() {
    QnControlCreater creater(GetBackground(), 0, 0);
    m_pCancel = creater.CreateSwitch(49, 385, "Switch_Blue_Cancel", 2, kIdCancel);
    if (!m_pCancel) return;
    AddControl(m_pCancel, false);
    m_pCancel->SetListener(this);
    m_pCancel->Show(false);
    m_pCancel->SetIntValue(1, false);
    m_pCancel->Enable(false);
}

int WriteBrowser::GetDestinationBank() const {
    // Multis have one bank.
    if (m_iMode == 4 || !m_pBank) return 0;
    const int bank = m_pBank->GetIntValue();
    return bank >= 0 && bank < m_pBank->GetItemCount() ? bank : 0;
}

int WriteBrowser::GetDestinationNumber() const {
    return m_pNumber ? std::clamp(m_pNumber->GetIntValue(), 0, 127) : 0;
}

void WriteBrowser::UpdateDestinationSound() {
    if (!m_pNumber) return;
    const int bank = GetDestinationBank();
    const int number = GetDestinationNumber();
    char head[8];
    std::snprintf(head, sizeof head, "%03d ", number);
    std::string line = head + QnUtils::GetProgramName(GetSynth(), m_iMode, bank, number);
    m_pNumber->SetPtrValue(line.data(), true);
}

void WriteBrowser::OnSave() {
    QorX0::IRemoteSynth* synth = GetSynth();
    const std::string& product = QnUtils::mProductName;
    if (HfcMessageBoxForWindow("Are you sure?", product.c_str(), GetWindow(), HFC_MB_OKCANCEL, 0) !=
        HFC_MB_RESULT_DEFAULT) {
        EndModal();
        return;
    }
    // The instrument changed mode under the dialog: its buffer is no longer the one proposed.
    if (synth->GetSoundMode() != m_iMode) {
        HfcMessageBoxForWindow("Write Error!", product.c_str(), GetWindow(), HFC_MB_OK, 0);
        EndModal();
        return;
    }
    if (synth->GetAuditionState()) synth->EndAudition(false);
    const int bank = GetDestinationBank();
    const int number = GetDestinationNumber();
    if (m_pCategory) QnUtils::SetCurSoundCategory(synth, m_iMode, m_pCategory->GetIntValue());
    if (m_pName) {
        if (QorX0::ISoundSection* buffer = synth->GetEditBuffer(m_iMode)) {
            const std::string name = InstrumentName(static_cast<const char*>(m_pName->GetPtrValue()));
            buffer->PutParamS(0xFF00, name.c_str());
        }
    }
    if (!synth->ExecCommand(5, m_iMode, bank, number, 0))
        HfcMessageBoxForWindow("Write Error!", product.c_str(), GetWindow(), HFC_MB_OK, 0);
    EndModal();
}

bool WriteBrowser::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int, int, int) {
    if (control == m_pSave) OnSave();
    if (control == m_pCancel) EndModal();
    if (control == m_pNumber && !m_pNumber->IsEditing()) m_iNumberAtPress = m_pNumber->GetIntValue();
    return false;
}

bool WriteBrowser::OnHfcCtrlMouseLButtonUp(CHfcControl* control, int, int, int) {
    if (control != m_pNumber || m_pNumber->IsEditing()) return false;
    const bool clicked = m_iNumberAtPress != -1 && m_iNumberAtPress == m_pNumber->GetIntValue();
    m_iNumberAtPress = -1;
    if (!clicked) return false;
    // The field's own release ends its drag; then the click starts typing.
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    if (mouse != nullptr && mouse->GetCapture() == m_pNumber) mouse->ReleaseCapture();
    StartTyping(m_pNumber);
    return true;
}

bool WriteBrowser::OnHfcCtrlMouseLButtonDoubleClick(CHfcControl* control, int, int, int) {
    return control == m_pNumber;
}

bool WriteBrowser::OnHfcCtrlKeyDown(CHfcControl* control, int character, int, int) {
    if (character != '\t' || m_pName == nullptr || m_pNumber == nullptr) return false;
    CHfcCtrlCharEditText* from = nullptr;
    if (control == m_pName) from = m_pName;
    if (control == m_pNumber) from = m_pNumber;
    if (from == nullptr) return false;
    CHfcCtrlCharEditText* to = from == m_pName ? m_pNumber : m_pName;
    // What was typed counts as if Return had ended it.
    if (from->IsEditing()) {
        const std::string typed = from->GetEngine()->GetText();
        from->LeaveEdit();
        OnHfcCtrlPtrValueChanged(from, const_cast<char*>(typed.c_str()));
    }
    StartTyping(to);
    return true;
}

void WriteBrowser::StartTyping(CHfcCtrlCharEditText* field) {
    if (field == nullptr || !field->EnterEdit(nullptr)) return;
    field->GetEngine()->SetSelection(0, field->GetEngine()->GetLength());
}

void WriteBrowser::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    if (control == m_pBank) {
        m_pBank->SetIntValue(value, true);
        UpdateDestinationSound();
    } else if (control == m_pNumber) {
        m_pNumber->SetIntValue(std::clamp(value, 0, 127), true);
        UpdateDestinationSound();
    } else if (control == m_pCategory) {
        m_pCategory->SetIntValue(value, true);
    }
}

void WriteBrowser::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) {
    const char* text = static_cast<const char*>(value);
    if (control == m_pName) {
        std::string name = InstrumentName(text);
        m_pName->SetPtrValue(name.data(), true);
    } else if (control == m_pNumber) {
        m_pNumber->SetIntValue(ReadNumber(text), false);
        UpdateDestinationSound();
    }
}
