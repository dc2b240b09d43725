// The sound display of the editor window: number, name, category and bank of the current sound,
// the switch and knob assignments, the tempo; stepping and typing the sound, and the jumps of the
// browsers to its category or bank.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/BackgroundLayerParts.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/FontManager/FontManager.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"

using QorX0::SOUNDINDEX;

namespace {
constexpr uint32_t kDisplayColour = 0xFF6178C2;
constexpr uint32_t kJumpMs = 100;
// A held arrow steps again after this long, then at this pace.
constexpr uint32_t kRepeatDelayMs = 400;
constexpr uint32_t kRepeatMs = 80;

struct TextPlace {
    int id, x, y, width;
    const char* font;
};
constexpr TextPlace kAssignTexts[] = {
    {BackgroundLayer::kIdSwitch1, 150, 43, 78, FontName_Geneva9_Shadow},
    {BackgroundLayer::kIdSwitch2, 150, 55, 78, FontName_Geneva9_Shadow},
    {BackgroundLayer::kIdKnobAssign1 + 0, 271, 44, 34, FontName_Geneva9_for_Controls},
    {BackgroundLayer::kIdKnobAssign1 + 1, 271, 56, 34, FontName_Geneva9_for_Controls},
    {BackgroundLayer::kIdKnobAssign1 + 2, 348, 44, 34, FontName_Geneva9_for_Controls},
    {BackgroundLayer::kIdKnobAssign1 + 3, 348, 56, 34, FontName_Geneva9_for_Controls},
};

void SetText(CHfcControl* control, const std::string& text) {
    if (control == nullptr) return;
    std::string copy = text;
    control->SetPtrValue(copy.data(), true);
}
}  // namespace

void BackgroundLayer::AddPanelControl(CHfcControl* control) {
    if (control == nullptr) return;
    m_owned.push_back(control);
    AddControl(control, false);
    control->SetListener(this);
    control->Show(false);
}

void BackgroundLayer::CreateSoundDisplay() {
    EditorParts::PanelCreater creater(m_pBackground);
    if (CHfcCtrlCharEditText* number =
            creater.DisplayEdit(124, 18, 35, 18, 3, FontName_HelvB18, kIdSoundNumber)) {
        number->GetEngine()->SetInputFilter("0123456789");
        number->SetMinIntValue(0, false);
        number->SetMaxIntValue(127, false);
        AddPanelControl(number);
    }
    AddPanelControl(creater.DisplayEdit(170, 18, 200, 18, 16, FontName_HelvB18, kIdSoundName));
    AddPanelControl(creater.Switch(373, 18, "Switch_Arrow_Up", 1, kIdArrowUp, 0));
    AddPanelControl(creater.Switch(373, 28, "Switch_Arrow_Down", 1, kIdArrowDown, 0));
    CHfcCtrlTextSwitch* category =
        creater.TextSwitch(397, 17, "Switch_CategoryDisplay", 2, kDisplayColour, kIdCategory);
    AddPanelControl(category);
    const int bankX = category != nullptr ? category->GetRect().right : 397;
    AddPanelControl(creater.TextSwitch(bankX, 17, "Switch_BankDisplay", 2, kDisplayColour, kIdBank));
    for (const TextPlace& t : kAssignTexts)
        AddPanelControl(
            creater.CreateStaticText(t.x, t.y, t.width, 12, "", t.font, kDisplayColour, 0, 1, t.id));
    AddPanelControl(creater.DisplayEdit(388, 55, 30, 12, 3, FontName_Geneva9_Shadow, kIdTempo));
}

void BackgroundLayer::ForgetSoundDisplay() {
    m_iArrowHeld = 0;
}

void BackgroundLayer::UpdateMainLCD() {
    UpdateSoundDisplay();
    UpdateKnobAssign();
    UpdateTempoEdit();
}

void BackgroundLayer::UpdateSoundDisplay() {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr) return;
    const int m = synth->GetSoundMode();
    const SOUNDINDEX cur = synth->GetCurSound();
    if (CHfcControl* number = GetControlById(kIdSoundNumber, 0)) {
        number->SetIntValue(cur.number, false);
        SetText(number, QnUtils::GetProgNumberAsString(synth, m, cur.bank, cur.number));
    }
    if (CHfcControl* name = GetControlById(kIdSoundName, 0)) {
        name->SetIntValue(cur.number, false);
        SetText(name, QnUtils::GetProgramName(synth, m, cur.bank, cur.number));
    }
    if (CHfcControl* category = GetControlById(kIdCategory, 0)) {
        const int c = QnUtils::GetCurSoundCategory(synth, m);
        std::string text;
        if (c != -1 && m != QorX0::kModeMulti && QnUtils::GetCategoryName(text, synth, m, c, true)) {
            SetText(category, text);
            category->Enable(true);
        } else {
            SetText(category, "");
            category->Disable(true);
        }
    }
    if (CHfcControl* bank = GetControlById(kIdBank, 0)) {
        if (cur.bank != 255 && m != QorX0::kModeMulti) {
            SetText(bank, QnUtils::GetBankName(synth, m, cur.bank).substr(0, 1));
            bank->Enable(true);
        } else {
            SetText(bank, "");
            bank->Disable(true);
        }
    }
}

void BackgroundLayer::UpdateKnobAssign() {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr) return;
    int kind = -1, sw = -1, knob = -1;
    switch (synth->GetSoundMode()) {
        case QorX0::kModeCombiPlay:
            kind = QorX0::kModeCombiEdit, sw = 4, knob = 10;
            break;
        case QorX0::kModeProgPlay:
            kind = QorX0::kModeProgEdit, sw = 12, knob = 18;
            break;
        case QorX0::kModeMulti:
            kind = QorX0::kModeMulti, sw = 3, knob = 9;
            break;
        default:
            break;
    }
    for (int i = 0; i < 2; ++i) {
        SetText(GetControlById(kIdSwitch1 + i, 0), kind >= 0 ? GetParamString(kind, sw + i) : std::string());
    }
    for (int k = 0; k < 4; ++k) {
        SetText(GetControlById(kIdKnobAssign1 + k, 0),
                kind >= 0 ? QnUtils::GetKnobAssignShortName(GetParamValue(kind, knob + k)) : std::string());
    }
}

void BackgroundLayer::UpdateTempoEdit() {
    CHfcControl* tempo = GetControlById(kIdTempo, 0);
    QorX0::IRemoteSynth* synth = GetSynth();
    if (tempo == nullptr || synth == nullptr) return;
    int t = -1;
    QnUtils::GetTempo(synth, t);
    const QorX0::EXTCTLSTATE state = synth->GetExtCtlState();
    if (state.state == 1 || state.state == 2) {
        SetText(tempo, "EXT");
        return;
    }
    tempo->SetIntValue(t, false);
    char text[16];
    if (t == -1)
        std::snprintf(text, sizeof text, "---");
    else
        std::snprintf(text, sizeof text, "%03d", t);
    SetText(tempo, text);
}

void BackgroundLayer::ProgramNumberInc() {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr) return;
    const int m = synth->GetSoundMode();
    SOUNDINDEX cur = synth->GetCurSound();
    if (cur.bank == 255 || cur.number == 255) return;
    int number = cur.number + 1, bank = cur.bank;
    if (number > 127) {
        number = 0;
        if (++bank > QnUtils::GetBankCount(synth, m) - 1) bank = 0;
    }
    SOUNDINDEX next{static_cast<unsigned char>(bank), static_cast<unsigned char>(number)};
    ChangeCurrentSound(next);
}

void BackgroundLayer::ProgramNumberDec() {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr) return;
    const int m = synth->GetSoundMode();
    SOUNDINDEX cur = synth->GetCurSound();
    if (cur.bank == 255 || cur.number == 255) return;
    int number = cur.number - 1, bank = cur.bank;
    if (number < 0) {
        number = 127;
        if (--bank < 0) bank = QnUtils::GetBankCount(synth, m) - 1;
        if (bank < 0) bank = 0;
    }
    SOUNDINDEX next{static_cast<unsigned char>(bank), static_cast<unsigned char>(number)};
    ChangeCurrentSound(next);
}

void BackgroundLayer::OnSoundDisplayValue(CHfcControl* control, int value) {
    QorX0::IRemoteSynth* synth = GetSynth();
    const bool press = value < 0;
    switch (control->GetId()) {
        case kIdSoundNumber:
            if (synth != nullptr && value >= 0) {
                const SOUNDINDEX cur = synth->GetCurSound();
                SOUNDINDEX next{cur.bank, static_cast<unsigned char>(value > 127 ? 127 : value)};
                ChangeCurrentSound(next);
            }
            break;
        case kIdArrowUp:
        case kIdArrowDown:
            if (press) {
                m_iArrowHeld = control->GetId();
                m_uArrowTime = HfcGetSystemTimeMs() + kRepeatDelayMs - kRepeatMs;
                if (m_iArrowHeld == kIdArrowUp)
                    ProgramNumberInc();
                else
                    ProgramNumberDec();
            } else {
                m_iArrowHeld = 0;
            }
            break;
        case kIdCategory:
        case kIdBank:
            if (press) StartJump(control->GetId() == kIdCategory ? 0 : 1);
            break;
        case kIdTempo:
            if (value >= 0 && synth != nullptr && !QnUtils::IsClockExternal(synth)) {
                QnUtils::SetTempo(synth, value);
                UpdateTempoEdit();
            }
            break;
        default:
            break;
    }
}

void BackgroundLayer::OnSoundDisplayText(CHfcControl* control, const char* text) {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr || text == nullptr) return;
    switch (control->GetId()) {
        case kIdSoundNumber: {
            const SOUNDINDEX cur = synth->GetCurSound();
            int number = QnUtils::GetProgramNumberByString(synth, synth->GetSoundMode(), cur.bank, text);
            number = number < 0 ? 0 : number > 127 ? 127 : number;
            SOUNDINDEX next{cur.bank, static_cast<unsigned char>(number)};
            ChangeCurrentSound(next);
            // The field shows what the instrument has now, not what was typed.
            UpdateSoundDisplay();
            break;
        }
        case kIdSoundName:
            UpdateSoundDisplay();
            break;
        case kIdTempo:
            if (!QnUtils::IsClockExternal(synth)) QnUtils::SetTempo(synth, std::atoi(text));
            UpdateTempoEdit();
            break;
        default:
            break;
    }
}

bool BackgroundLayer::OnHfcCtrlKeyDown(CHfcControl* control, int, int virtualKey, int) {
    const int id = control->GetId();
    if (id != kIdSoundNumber && id != kIdSoundName) return false;
    if (virtualKey != 30 && virtualKey != 31) return false;
    const int previous = control->GetIntValue();
    if (virtualKey == 30)
        ProgramNumberInc();
    else
        ProgramNumberDec();
    control->SetIntValue(previous, false);
    return true;
}

void BackgroundLayer::RunArrowRepeat() {
    if (m_iArrowHeld == 0) return;
    const uint32_t now = HfcGetSystemTimeMs();
    if (static_cast<int32_t>(now - m_uArrowTime) < static_cast<int32_t>(kRepeatMs)) return;
    m_uArrowTime = now;
    if (m_iArrowHeld == kIdArrowUp)
        ProgramNumberInc();
    else
        ProgramNumberDec();
}

void BackgroundLayer::StartJump(int which) {
    bool& running = which == 0 ? m_bCategoryJump : m_bBankJump;
    if (running) return;
    CHfcControl* button = GetControlById(which == 0 ? kIdCategory : kIdBank, 0);
    if (button != nullptr) button->SetIntValue(1, true);
    running = true;
    (which == 0 ? m_uCategoryJumpStart : m_uBankJumpStart) = HfcGetSystemTimeMs();
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr) return;
    const int m = synth->GetSoundMode();
    if (which == 0)
        EditorParts::BrowserDataJump(m_pBrowserData, true, QnUtils::GetCurSoundCategory(synth, m));
    else
        EditorParts::BrowserDataJump(m_pBrowserData, false, synth->GetCurSound().bank);
}

void BackgroundLayer::RunJumpTimers() {
    const uint32_t now = HfcGetSystemTimeMs();
    struct Jump {
        bool& running;
        uint32_t start;
        int id;
    };
    Jump jumps[2] = {{m_bCategoryJump, m_uCategoryJumpStart, kIdCategory},
                     {m_bBankJump, m_uBankJumpStart, kIdBank}};
    for (Jump& j : jumps) {
        // Unsigned difference: right across the clock's wrap.
        if (!j.running || now - j.start <= kJumpMs) continue;
        if (CHfcControl* button = GetControlById(j.id, 0)) button->SetIntValue(0, true);
        j.running = false;
        m_bRefreshBrowsers = true;
    }
}
