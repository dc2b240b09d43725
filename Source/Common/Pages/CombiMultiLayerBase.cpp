#include "Common/Pages/CombiMultiLayerBase.h"

#include <typeinfo>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Layers/QnControlContainer.h"
#include "Common/Pages/CombiMultiPlacement.h"

using QorX0::IRemoteSynth;
using QorX0::ISection;
using QorX0::ISoundSection;
using QorX0::SOUNDINDEX;

CombiMultiLayerBase::CombiMultiLayerBase(IRemoteSynth* synth, int kind, bool twoGroups)
    : EditTabPageLayerBase(synth, kind), m_bTwoGroups(twoGroups) {}

CombiMultiLayerBase::~CombiMultiLayerBase() = default;

int CombiMultiLayerBase::GetColumnCount() const {
    switch (GetTargetMode()) {
        case QorX0::kModeCombiEdit:
            return 8;
        case QorX0::kModeMulti:
            return 16;
        default:
            return 0;
    }
}

int CombiMultiLayerBase::ColumnBase(int kind, int column) {
    return kind == QorX0::kModeCombiPlay ? column * 256 : (column + 1) * 256;
}

const std::vector<QnControlContainer*>& CombiMultiLayerBase::GetGroupContainers(int group) const {
    return m_groupContainers[group == 1 ? 1 : 0];
}

const std::vector<CHfcControl*>& CombiMultiLayerBase::GetGroupControls(int group) const {
    return m_groupControls[group == 1 ? 1 : 0];
}

bool CombiMultiLayerBase::OnCreate() {
    if (IsMulti()) {
        // The current track is a parameter of the multi section itself, which the columns' links
        // (to the track sub-sections) do not observe.
        LinkWithParameter(QorX0::kModeMulti, kPidCurrentTrack);
        UpdateControlTrack();
    }
    return CTabPageLayer::OnCreate();
}

bool CombiMultiLayerBase::OnDestroy() {
    CTabPageLayer::OnDestroy();
    return true;
}

void CombiMultiLayerBase::UpdateControlTrack() {
    if (IsMulti()) SetActiveContainerIndex(GetParamValue(QorX0::kModeMulti, kPidCurrentTrack));
}

void CombiMultiLayerBase::TrackShift(int group) {
    for (int g = 0; g < 2; ++g) {
        for (QnControlContainer* c : m_groupContainers[g]) {
            if (g == group)
                c->Show(false);
            else
                c->Hide(false);
        }
        for (CHfcControl* c : m_groupControls[g]) {
            if (g == group)
                c->Show(false);
            else
                c->Hide(false);
        }
    }
    if (m_bTwoGroups) m_iShownGroup = group;
    RequestRedraw();
}

void CombiMultiLayerBase::OnMidiIn(unsigned char status, unsigned char, unsigned char) {
    if (!IsVisible()) return;
    IRemoteSynth* synth = GetSynth();
    if (!synth) return;
    const int soundMode = synth->GetSoundMode();
    int mode = synth->GetMode();
    if (mode == QorX0::kModeCombiPlay) mode = QorX0::kModeCombiEdit;
    if (soundMode == QorX0::kModeProgPlay || (mode != QorX0::kModeCombiEdit && mode != QorX0::kModeMulti))
        return;
    ISoundSection* section = synth->GetEditBuffer(mode);
    if (!section) return;
    const int ch = status & 0x0F;
    for (size_t i = 0; i < m_lamps.size(); ++i) {
        const int pid = 0x104 + static_cast<int>(i) * 0x100;
        ISection* column = nullptr;
        if (!section->FindSectionByPID(pid, &column) || !column) continue;
        const int c = column->GetParamI(pid);
        const bool lit = (soundMode == QorX0::kModeCombiPlay && (c == ch || c == kGlobalChannel)) ||
                         (soundMode == QorX0::kModeMulti && c == ch);
        if (lit) m_lamps[i]->SetIntValue(m_lamps[i]->GetMaxIntValue(), true);
    }
}

void CombiMultiLayerBase::OnSectionParamChanged(ISection* section, int pid) {
    QnRemoteSynthEventHandler::OnSectionParamChanged(section, pid);
    if (pid == kPidCurrentTrack) UpdateControlTrack();
}

void CombiMultiLayerBase::OnRemoteSynthConnectionStateChanged(IRemoteSynth*, bool, bool) {
    UpdateControlTrack();
}

void CombiMultiLayerBase::OnRemoteSynthCurSoundChanged(IRemoteSynth* synth, const SOUNDINDEX& sound) {
    UpdateControlTrack();
    QnRemoteSynthEventHandler::OnRemoteSynthCurSoundChanged(synth, sound);
}

void CombiMultiLayerBase::OnRemoteSynthBankListChanged(IRemoteSynth* synth, int kind,
                                                       const SOUNDINDEX& sound) {
    UpdateControlTrack();
    EditTabPageLayerBase::OnRemoteSynthBankListChanged(synth, kind, sound);
}

bool CombiMultiLayerBase::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int flags) {
    if (control && typeid(*control) == typeid(CMMPCtrlFlash)) {
        bool found = false;
        if (m_bTwoGroups) {
            for (int g = 0; g < 2; ++g) {
                const std::vector<QnControlContainer*>& list = m_groupContainers[g];
                for (size_t k = 0; k < list.size(); ++k) {
                    if (list[k]->FindControl(control) != -1) {
                        SetActiveContainerIndex(g * 8 + static_cast<int>(k));
                        found = true;
                    }
                }
            }
        } else {
            for (int j = 0; QnControlContainer* c = GetContianerByIndex(j); ++j) {
                if (c->FindControl(control) != -1) {
                    SetActiveContainerIndex(j);
                    found = true;
                    break;
                }
            }
        }
        if (found && IsMulti()) PutParamValue(QorX0::kModeMulti, kPidCurrentTrack, GetActiveContainerIndex());
    }
    return EditTabPageLayerBase::OnHfcCtrlMouseLButtonDown(control, x, y, flags);
}

QnControlContainer* CombiMultiLayerBase::AddPlainContainer(const std::string& image, int x, int y,
                                                           bool framed, int width, int height) {
    return CombiMultiPlacement::AddContainer(this, image, x, y, framed, width, height);
}

QnControlContainer* CombiMultiLayerBase::AddColumnContainer(int column, const std::string& image, int x,
                                                            int y, int width, int height) {
    QnControlContainer* container = AddPlainContainer(image, x, y, IsMulti(), width, height);
    container->m_iId = column;
    m_groupContainers[column / 8 == 1 ? 1 : 0].push_back(container);
    return container;
}

QnControlCreater CombiMultiLayerBase::CreaterFor(const QnControlContainer* container) {
    return CombiMultiPlacement::CreaterFor(container);
}

CMMPCtrlFlash* CombiMultiLayerBase::AddLamp(QnControlCreater& creater, QnControlContainer* container, int x,
                                            int y, int column, int id) {
    CMMPCtrlFlash* lamp = Place(creater.CreateMIDIIndicator(x, y, column, id, IsMulti()), container, -1);
    if (!lamp) return nullptr;
    // A lamp is made disabled, and a disabled lamp shows its dark face whatever it is given.
    lamp->Enable(false);
    m_lamps.push_back(lamp);
    return lamp;
}

void CombiMultiLayerBase::PlaceControl(CHfcControl* control, QnControlContainer* container, int pid) {
    CombiMultiPlacement::PlaceControl(this, control, container, pid);
}

QnStaticText* CombiMultiLayerBase::PlaceLabel(QnControlCreater& creater, QnControlContainer* container, int x,
                                              int y, const std::string& text, int width, int height,
                                              bool category, int hAlign, int vAlign) {
    return CombiMultiPlacement::PlaceLabel(this, creater, container, x, y, text, width, height, category,
                                           hAlign, vAlign);
}

void CombiMultiLayerBase::AddGroupControl(int column, CHfcControl* control) {
    if (control) m_groupControls[column / 8 == 1 ? 1 : 0].push_back(control);
}

void CombiMultiLayerBase::AddProgramSelector(QnControlCreater& creater, QnControlContainer* container,
                                             int pid) {
    if (auto* program = Place(creater.CreateMiniProgramSelector(1, 22, pid), container, -1)) {
        program->m_pRemoteSynth = GetSynth();
        LinkControlWithParam(program, GetTargetMode(), pid);
        SynchronizeControlWithParam(program, true);
    }
}
