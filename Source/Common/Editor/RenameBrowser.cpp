// The rename dialog.
#include "Common/Editor/RenameBrowser.h"

#include <string>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Editor/Browsers.h"
#include "Common/FontManager/FontManager.h"
#include "Common/Model/Banks.h"
#include "Common/Model/Sections.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcTextEngine.h"

namespace {

struct Kind {
    // A plain function, not a member pointer: calls through a member-pointer copy read as
    // possibly uninitialised to the debug build's warnings.
    QorX0::IGlobalArraySection* (*section)(QorX0::IRemoteSynth*);
    int sendCommand;
};
constexpr Kind kKinds[] = {
    {[](QorX0::IRemoteSynth* s) { return s->GetDrumKits(); }, 16},
    {[](QorX0::IRemoteSynth* s) { return s->GetArpPatterns(); }, 20},
    {[](QorX0::IRemoteSynth* s) { return s->GetExtControls(); }, 26},
};

}  // namespace

RenameBrowser::RenameBrowser(QorX0::IRemoteSynth* synth, int kind, const std::string& pageName)
    : CTabPageLayer(synth, pageName), m_iKind(kind) {}

CTabPageLayer* NewRenameBrowser(QorX0::IRemoteSynth* synth, int kind) {
    if (!synth || kind < 0 || kind > 2) return nullptr;
    return new RenameBrowser(synth, kind, "RenameBrowser");
}

bool RenameBrowser::OnCreate() {
    QnControlCreater creater(GetBackground(), 0, 0);
    if (QnStaticText* label =
            creater.CreateStaticText(15, 45, 100, 13, "New Name", FontName_Geneva10, 0xFF6178C2, 0, 0, -1)) {
        AddControl(label, false);
        label->SetListener(this);
        label->Show(false);
    }
    m_pName = creater.CreateTextEdit(37, 63, 164, 16, kIdName);
    if (m_pName) {
        AddControl(m_pName, false);
        m_pName->SetListener(this);
        m_pName->Show(false);
        m_pName->GetEngine()->SetInputFilter(InstrumentNameCharacters());
        std::string name;
        if (QorX0::IGlobalArraySection* section = kKinds[m_iKind].section(GetSynth())) {
            const unsigned index = static_cast<unsigned>(section->GetSelection() & 0xFFFFFFFFu);
            if (QorX0::IBank* names = section->GetNames())
                if (QorX0::ISound* item = names->GetAt(index)) name = item->GetName();
        }
        while (!name.empty() && name.back() == ' ') name.pop_back();
        m_pName->SetPtrValue(name.data(), false);
    }
    for (auto [id, image, slot] : {std::tuple{kIdOK, "Switch_Blue_OK", &m_pOK},
                                   std::tuple{kIdCancel, "Switch_Blue_Cancel", &m_pCancel}}) {
        CHfcCtrlSwitch* s = creater.CreateSwitch(id == kIdOK ? 140 : 49, 385, image, 2, id);
        *slot = s;
        if (!s) continue;
        AddControl(s, false);
        s->SetListener(this);
        s->Show(false);
        s->SetIntValue(1, false);
        s->Enable(false);
    }
    return CTabPageLayer::OnCreate();
}

void RenameBrowser::OnOK() {
    QorX0::IRemoteSynth* synth = GetSynth();
    QorX0::IGlobalArraySection* section = kKinds[m_iKind].section(synth);
    if (section && m_pName) {
        const uint64_t selection = section->GetSelection();
        const unsigned index = static_cast<unsigned>(selection & 0xFFFFFFFFu);
        const unsigned key = static_cast<unsigned>(selection >> 32);
        std::string name = InstrumentName(static_cast<const char*>(m_pName->GetPtrValue()));
        name.resize(16, '\0');
        section->PutParamS(0xFF00, name.c_str());
        synth->ExecCommand(kKinds[m_iKind].sendCommand, static_cast<int>(index), 0, 0, 0);
        // Select again with the sub-item kept (a drum kit's key stays where the user left it).
        section->Select(index, key);
    }
    EndModal();
}

bool RenameBrowser::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int, int, int) {
    if (control == m_pOK) OnOK();
    if (control == m_pCancel) EndModal();
    return false;
}

void RenameBrowser::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) {
    if (control != m_pName) return;
    std::string name = InstrumentName(static_cast<const char*>(value));
    m_pName->SetPtrValue(name.data(), true);
}
