#include "Common/Layers/QnSynthLayer.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnKnob.h"
#include "Common/Controls/QorZoneSlopeBar.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Controls/XBCtrlFilterGraph.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/Layers/EnvelopeGraphManager.h"
#include "Common/Model/Converters.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"

using namespace QorX0;

namespace {

std::mutex& RuleLock() {
    static std::mutex lock;
    return lock;
}
// The toolkit's stock controls as the factory makes them; the editor's own controls register theirs.
std::unordered_map<std::type_index, QnControlRule>& Rules() {
    static std::unordered_map<std::type_index, QnControlRule> rules = {
        {std::type_index(typeid(CHfcCtrlSwitch)), QnControlRule::PressSwitch},
        {std::type_index(typeid(CHfcCtrlSlideSwitch)), QnControlRule::SlideSwitch},
        {std::type_index(typeid(CHfcCtrlHorizontalSlideSwitch)), QnControlRule::SlideSwitch},
        {std::type_index(typeid(CHfcCtrlCharEditText)), QnControlRule::Text},
        {std::type_index(typeid(CHfcCtrlTextSwitch)), QnControlRule::Text},
        {std::type_index(typeid(QnKnob)), QnControlRule::Knob},
        {std::type_index(typeid(QnDropdownList)), QnControlRule::Dropdown},
        {std::type_index(typeid(CXBCtrlHorizontalValueBar)), QnControlRule::ValueBar},
        {std::type_index(typeid(CXBCtrlEnvelopeGraph)), QnControlRule::RecordReporter},
        {std::type_index(typeid(CXBCtrlFilterGraph)), QnControlRule::RecordReporter},
        {std::type_index(typeid(QorZoneSlopeBar)), QnControlRule::RecordReporter},
    };
    return rules;
}

bool IsTextRule(QnControlRule rule) {
    return rule != QnControlRule::RecordReporter;
}

}  // namespace

QnSynthLayer::QnSynthLayer(IRemoteSynth* synth) : m_pSynth(synth) {}

QnSynthLayer::~QnSynthLayer() {
    Teardown();
}

void QnSynthLayer::RegisterControlRule(const std::type_info& type, QnControlRule rule) {
    std::lock_guard<std::mutex> hold(RuleLock());
    Rules()[std::type_index(type)] = rule;
}

QnControlRule QnSynthLayer::GetControlRule(const CHfcControl* control) {
    if (!control) return QnControlRule::Plain;
    std::lock_guard<std::mutex> hold(RuleLock());
    auto it = Rules().find(std::type_index(typeid(*control)));
    return it == Rules().end() ? QnControlRule::Plain : it->second;
}

int QnSynthLayer::MeasureKnobDisplayWidth(const PARAMDESC& desc) {
    if (!desc.converter || desc.minval >= desc.maxval) return 0;
    size_t width = 0;
    for (int v : {desc.minval, desc.maxval - 1, desc.maxval}) {
        const std::string text = desc.converter->Format(v);
        width = std::max(width, text.substr(0, text.find('\0')).size());
    }
    return static_cast<int>(width);
}

// ---- sections and links

ISection* QnSynthLayer::GetParamSection(int kind, int pid) const {
    if (!m_pSynth) return nullptr;
    if (kind >= kModeCombiPlay && kind <= kModeMulti) {
        ISoundSection* sound = m_pSynth->GetEditBuffer(kind);
        ISection* found = nullptr;
        return sound && sound->FindSectionByPID(pid, &found) ? found : nullptr;
    }
    ISection* section = nullptr;
    switch (kind) {
        case kModeGlobal:
            section = m_pSynth->GetGlobal();
            break;
        case kKindDrumKits:
            section = m_pSynth->GetDrumKits();
            break;
        case kKindArpPatterns:
            section = m_pSynth->GetArpPatterns();
            break;
        case kKindExtControls:
            section = m_pSynth->GetExtControls();
            break;
        case kKindSetup:
            section = m_pSynth->GetSetup();
            break;
        default:
            return nullptr;
    }
    return section && section->GetIndexByParamID(pid) != -1 ? section : nullptr;
}

void QnSynthLayer::AdviseSection(ISection* section) {
    if (m_adviseCounts[section]++ == 0) section->AdviseSink(static_cast<ISectionSink*>(this));
}

void QnSynthLayer::UnadviseSection(ISection* section) {
    auto it = m_adviseCounts.find(section);
    if (it == m_adviseCounts.end()) return;
    if (--it->second == 0) {
        section->UnadviseSink(static_cast<ISectionSink*>(this));
        m_adviseCounts.erase(it);
    }
}

int QnSynthLayer::GetSectionAdviseCount(ISection* section) const {
    auto it = m_adviseCounts.find(section);
    return it == m_adviseCounts.end() ? 0 : it->second;
}

bool QnSynthLayer::LinkControlWithParam(CHfcControl* control, int kind, int pid) {
    return LinkControlWithParam(control, GetParamSection(kind, pid), pid);
}

bool QnSynthLayer::LinkControlWithParam(CHfcControl* control, ISection* section, int pid) {
    if (!control || !section) return false;
    const uint64_t key = GetLongId(control);
    auto old = m_links.find(key);
    if (old != m_links.end() && old->second.section) UnadviseSection(old->second.section);
    m_links[key] = SParamIdInfo{section, pid};
    PARAMDESC desc{};
    if (GetControlRule(control) == QnControlRule::Dropdown && section->GetParamDesc(pid, &desc))
        InitDropdwonList(control, desc);
    AdviseSection(section);
    return true;
}

void QnSynthLayer::RelinkControlWithParam(CHfcControl* control, int kind, int pid) {
    ISection* section = GetParamSection(kind, pid);
    if (!control || !section) return;
    const uint64_t key = GetLongId(control);
    auto old = m_links.find(key);
    if (old != m_links.end()) {
        ISection* oldSection = old->second.section;
        m_links.erase(old);
        if (oldSection) UnadviseSection(oldSection);
    }
    m_links[key] = SParamIdInfo{section, pid};
    AdviseSection(section);
}

void QnSynthLayer::UnlinkControlWithParam(CHfcControl* control) {
    if (!control) return;
    auto it = m_links.find(GetLongId(control));
    if (it == m_links.end()) return;
    ISection* section = it->second.section;
    m_links.erase(it);
    if (section) UnadviseSection(section);
}

void QnSynthLayer::UnlinkAllControlsWithParam() {
    for (auto& [key, info] : m_links)
        if (info.section) UnadviseSection(info.section);
    m_links.clear();
}

bool QnSynthLayer::LinkWithParameter(int kind, int pid) {
    return LinkWithParameter(GetParamSection(kind, pid), pid);
}

bool QnSynthLayer::LinkWithParameter(ISection* section, int) {
    if (!section) return false;
    AdviseSection(section);
    return true;
}

void QnSynthLayer::UnlinkWithParameter(ISection* section) {
    if (section) UnadviseSection(section);
}

SParamIdInfo QnSynthLayer::GetParameterIdByControlId(int id, int sub) const {
    auto it = m_links.find(MakeControlKey(id, sub));
    return it == m_links.end() ? SParamIdInfo{nullptr, -1} : it->second;
}

SParamIdInfo QnSynthLayer::GetParameterIdByControl(const CHfcControl* control) const {
    return control ? GetParameterIdByControlId(control->GetId(), control->GetUserValue())
                   : SParamIdInfo{nullptr, -1};
}

void QnSynthLayer::AssociateCtrlIdWithParamId(uint64_t key, const SParamIdInfo& info) {
    m_links[key] = info;
}

void QnSynthLayer::UnassociateCtrlIdWithParamId(uint64_t key) {
    m_links.erase(key);
}

void QnSynthLayer::GetCtrlIdListByParamId(std::list<ControlId>& out, const SParamIdInfo& info) const {
    out.clear();
    for (const auto& [key, link] : m_links)
        if (link.section == info.section && link.pid == info.pid)
            out.push_back(ControlId{static_cast<int>(static_cast<uint32_t>(key >> 32)),
                                    static_cast<int>(static_cast<uint32_t>(key))});
}

// ---- parameter access

int QnSynthLayer::GetParamValue(int kind, int pid) const {
    ISection* s = GetParamSection(kind, pid);
    return s ? s->GetParamI(pid) : -1;
}

std::string QnSynthLayer::GetParamString(int kind, int pid) const {
    ISection* s = GetParamSection(kind, pid);
    return s ? s->GetParamS(pid) : std::string();
}

bool QnSynthLayer::GetParamDesc(PARAMDESC* out, int kind, int pid) const {
    ISection* s = GetParamSection(kind, pid);
    return s && s->GetParamDesc(pid, out);
}

void QnSynthLayer::PutParamValue(int kind, int pid, int value) const {
    if (ISection* s = GetParamSection(kind, pid)) s->PutParamI(pid, value);
}

void QnSynthLayer::PutParamString(int kind, int pid, const char* text) const {
    if (ISection* s = GetParamSection(kind, pid)) s->PutParamS(pid, text);
}

// ---- control to parameter

void QnSynthLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    switch (GetControlRule(control)) {
        case QnControlRule::PressSwitch:
            // The press report alone carries the toggle; the release's plain value would write the old
            // value back whenever no idle tick fell between press and release.
            if (value >= 0) return;
            value = (static_cast<uint32_t>(value) == 0x80000000u) ? 1 : 0;
            break;
        case QnControlRule::SlideSwitch:
            value = control->GetMaxIntValue() - value;
            break;
        default:
            break;
    }
    const SParamIdInfo link = GetParameterIdByControl(control);
    if (link.section && link.pid != -1) link.section->PutParamI(link.pid, value);
}

void QnSynthLayer::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* pointer) {
    const SParamIdInfo link = GetParameterIdByControl(control);
    PARAMDESC desc{};
    // Graphs report records, never text: their pointer is not read as a string.
    if (pointer && IsTextRule(GetControlRule(control)) && link.section && link.pid != -1 &&
        link.section->GetParamDesc(link.pid, &desc)) {
        const char* text = static_cast<const char*>(pointer);
        if (desc.ptype == kPTypeString)
            link.section->PutParamS(link.pid, text);
        else if (desc.converter)
            WriteTypedValue(control, link, *desc.converter, text);
    }
    // An envelope graph's point goes to the parameters of its manager.
    if (pointer && control && typeid(*control) == typeid(CXBCtrlEnvelopeGraph)) {
        for (EnvelopeGraphManager* manager : m_envelopeManagers)
            if (manager->ControlToParam(control, static_cast<const tagEnvelopeValue*>(pointer))) break;
    }
}

void QnSynthLayer::WriteTypedValue(CHfcControl* control, const SParamIdInfo& link,
                                   const IStringConverter& converter, const char* text) {
    int value = 0;
    if (converter.TryParse(text, &value)) {
        link.section->PutParamI(link.pid, value);
        return;
    }
    // A text that names no value writes and sends nothing; the field shows the parameter again.
    SynchronizeControlWithParam(control, link.section, link.pid, false);
}

void QnSynthLayer::OnHfcCtrlKeyLostFocus(CHfcControl* control) {
    SynchronizeControlWithParam(control, true);
}

// ---- parameter to control

void QnSynthLayer::SynchronizeControlWithParam(CHfcControl* control, bool props) {
    const SParamIdInfo link = GetParameterIdByControl(control);
    if (!control || link.pid == -1) return;
    SynchronizeControlWithParam(control, link.section, link.pid, props);
}

void QnSynthLayer::SynchronizeControlWithParam(CHfcControl* control, ISection* section, int pid, bool props) {
    PARAMDESC desc{};
    if (!control || pid == -1 || !section || !section->GetParamDesc(pid, &desc)) return;
    if (props) {
        if (desc.flags & 3)
            control->Disable(true);
        else
            control->Enable(true);
    }
    if (desc.ptype == kPTypeString) {
        std::string text = section->GetParamS(pid);
        control->SetPtrValue(text.data(), true);
    } else {
        const int value = section->GetParamI(pid);
        control->SetMinIntValue(desc.minval, true);
        control->SetMaxIntValue(desc.maxval, true);
        auto textStep = [&](bool colonSpacing) {
            std::string text = desc.converter ? desc.converter->Format(value) : std::to_string(value);
            text = text.substr(0, text.find('\0'));
            if (colonSpacing) {
                const size_t colon = text.find(':');
                if (colon != std::string::npos) text.replace(colon, 1, " : ");
            }
            control->SetPtrValue(text.data(), true);
            control->SetIntValue(value, true);
        };
        switch (GetControlRule(control)) {
            case QnControlRule::Text:
                textStep(false);
                break;
            case QnControlRule::ValueBar:
                if (props) {
                    bool isSigned = desc.atype == kATypeSBF8 || desc.atype == kATypeSBF16;
                    control->SetParameter(kValueBarCentreAndSign, desc.defval, &isSigned, true);
                }
                textStep(false);
                break;
            case QnControlRule::Knob:
                if (props) {
                    control->SetParameter(kKnobDisplayWidth, MeasureKnobDisplayWidth(desc), nullptr, true);
                    control->SetParameter(kKnobCentre, desc.defval, nullptr, true);
                }
                textStep(false);
                break;
            case QnControlRule::ColonText:
                textStep(true);
                break;
            case QnControlRule::SlideSwitch:
                control->SetIntValue(control->GetMaxIntValue() - value, true);
                break;
            case QnControlRule::Dropdown:
                if (props) InitDropdwonList(control, desc);
                control->SetIntValue(value, true);
                break;
            default:
                control->SetIntValue(value, true);
                break;
        }
    }
    for (EnvelopeGraphManager* manager : m_envelopeManagers)
        if (manager->ParamToControl(control, pid)) break;
    OnPostSynchronizeControlWithParam(control, section, pid);
}

void QnSynthLayer::SynchronizeAllControlWithParam(ISection*, bool props) {
    // Every linked control, whatever the section: a copy, as a page may relink while it syncs.
    const std::map<uint64_t, SParamIdInfo> links = m_links;
    for (const auto& [key, link] : links) {
        if (!link.section) continue;
        CHfcControl* control = GetControlById(static_cast<int>(static_cast<uint32_t>(key >> 32)),
                                              static_cast<int>(static_cast<uint32_t>(key)));
        if (control) SynchronizeControlWithParam(control, link.section, link.pid, props);
    }
}

void QnSynthLayer::InitDropdwonList(CHfcControl* dropdown, const PARAMDESC& desc) {
    if (!dropdown) return;
    dropdown->SetParameter(kDropdownClearItems, 0, nullptr, false);
    if (desc.converter) {
        for (int v = desc.minval; v <= desc.maxval; ++v) {
            std::string text = desc.converter->Format(v);
            dropdown->SetParameter(kDropdownAddItem, v, text.data(), false);
        }
    }
    dropdown->SetMinIntValue(desc.minval, true);
    dropdown->SetMaxIntValue(desc.maxval, true);
}

// ---- replays

void QnSynthLayer::SyncMatching(ISection* section, int pid, bool props) {
    std::list<ControlId> ids;
    GetCtrlIdListByParamId(ids, SParamIdInfo{section, pid});
    for (const ControlId& id : ids)
        if (CHfcControl* control = GetControlById(id.id, id.sub))
            SynchronizeControlWithParam(control, section, pid, props);
}

void QnSynthLayer::OnIdleSectionParamChanged(ISection* section, int pid) {
    SyncMatching(section, pid, false);
}

void QnSynthLayer::OnIdleSectionParamPropsChanged(ISection* section, int pid) {
    SyncMatching(section, pid, true);
}

void QnSynthLayer::OnIdleSectionReinitialized(ISection* section) {
    if (IsVisible()) {
        SynchronizeAllControlWithParam(section, true);
        RequestRedraw();
    } else if (std::find(m_pending.begin(), m_pending.end(), section) == m_pending.end()) {
        m_pending.push_back(section);
    }
}

void QnSynthLayer::OnIdleRemoteSynthAuditionStateChanged(IRemoteSynth*, bool) {
    SynchronizeAllControlWithParam(nullptr, true);
}

void QnSynthLayer::OnIdleRemoteSynthBankListChanged(IRemoteSynth*, int, const SOUNDINDEX&) {
    SynchronizeAllControlWithParam(nullptr, true);
}

// ---- containers

void QnSynthLayer::AddContainer(QnControlContainer* container) {
    if (container) m_containers.push_back(container);
}

int QnSynthLayer::GetActiveContainerIndex() const {
    for (size_t i = 0; i < m_containers.size(); ++i)
        if (m_containers[i]->m_bActive) return static_cast<int>(i);
    return -1;
}

void QnSynthLayer::SetActiveContainerIndex(int index) {
    for (size_t i = 0; i < m_containers.size(); ++i)
        m_containers[i]->m_bActive = static_cast<int>(i) == index;
    RequestRedraw();
}

QnControlContainer* QnSynthLayer::GetContianerByIndex(int index) const {
    return index >= 0 && static_cast<size_t>(index) < m_containers.size()
               ? m_containers[static_cast<size_t>(index)]
               : nullptr;
}

// ---- lifecycle

bool QnSynthLayer::Show(bool redraw) {
    if (!m_pending.empty()) RequestRedraw();
    SynchronizeAllControlWithParam(nullptr, true);
    return CHfcWindowLayer::Show(redraw);
}

bool QnSynthLayer::OnCreate() {
    if (m_pSynth && !m_bSynthAdvised)
        m_bSynthAdvised = m_pSynth->AdviseSink(static_cast<IRemoteSynthSink*>(this));
    return true;
}

void QnSynthLayer::AddEnvelopeGraphManager(EnvelopeGraphManager* manager) {
    if (manager) m_envelopeManagers.push_back(manager);
}

void QnSynthLayer::Teardown() {
    if (m_pSynth && m_bSynthAdvised) m_pSynth->UnadviseSink(static_cast<IRemoteSynthSink*>(this));
    m_bSynthAdvised = false;
    m_links.clear();
    for (auto& [section, count] : m_adviseCounts) section->UnadviseSink(static_cast<ISectionSink*>(this));
    m_adviseCounts.clear();
    for (QnControlContainer* c : m_containers) delete c;
    m_containers.clear();
    for (EnvelopeGraphManager* m : m_envelopeManagers) delete m;
    m_envelopeManagers.clear();
}

bool QnSynthLayer::OnDestroy() {
    Teardown();
    return true;
}

void QnSynthLayer::OnIdle(unsigned long) {
    ProcessEventQueue();
}

void QnSynthLayer::OnRefresh() {
    Refresh(false);
}
