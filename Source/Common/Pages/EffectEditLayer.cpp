#include "Common/Pages/EffectEditLayer.h"

#include <string>
#include <vector>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Model/ParamDesc.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcBmp.h"

using namespace QorX0;

namespace {
struct Hold {
    explicit Hold(CHfcCriticalSection& l) : lock(l) { lock.Lock(); }
    ~Hold() { lock.Unlock(); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    CHfcCriticalSection& lock;
};
}  // namespace

EffectEditLayer::EffectEditLayer(IRemoteSynth* synth, int kind, int slot)
    : EditTabPageLayerBase(synth, kind), m_iSlot(slot) {}

EffectEditLayer::~EffectEditLayer() {
    if (m_pAdvised) m_pAdvised->UnadviseSink(static_cast<ISectionSink*>(this));
}

ISection* EffectEditLayer::GetFXSection() const {
    IRemoteSynth* synth = GetSynth();
    ISoundSection* edit = synth ? synth->GetEditBuffer(GetTargetMode()) : nullptr;
    if (!edit) return nullptr;
    switch (m_iSlot) {
        case kSlotInsert:
            return edit->GetIFX();
        case kSlotMaster1:
            return edit->GetMFX1();
        case kSlotMaster2:
            return edit->GetMFX2();
        default:
            return nullptr;
    }
}

bool EffectEditLayer::Create(CHfcWindow* window) {
    ResourceManager* images = ResourceManager::GetInstance();
    CHfcBmp* image = images ? images->LoadImage("Background_SubTab") : nullptr;
    {
        Hold hold(m_lock);
        m_bRebuild = false;
    }
    if (ISection* fx = GetFXSection()) {
        fx->AdviseSink(static_cast<ISectionSink*>(this));
        m_pAdvised = fx;
    }
    CTabPageLayerCreateParam param{image ? image->GetWidth() : 559, image ? image->GetHeight() : 230, image};
    return CTabPageLayer::Create(param, window);
}

void EffectEditLayer::OnEffetcTypeChanged(int) {
    Hold hold(m_lock);
    m_bRebuild = true;
    RequestRedraw();
}

bool EffectEditLayer::IsRebuildRequested() {
    Hold hold(m_lock);
    return m_bRebuild;
}

void EffectEditLayer::OnIdleSectionReinitialized(ISection* section) {
    if (section) OnEffetcTypeChanged(0);
}

void EffectEditLayer::OnRemoteSynthAuditionStateChanged(IRemoteSynth* synth, bool active) {
    if (!active && synth) OnEffetcTypeChanged(0);
    EditTabPageLayerBase::OnRemoteSynthAuditionStateChanged(synth, active);
}

bool EffectEditLayer::OnDestroy() {
    if (m_pAdvised) {
        m_pAdvised->UnadviseSink(static_cast<ISectionSink*>(this));
        m_pAdvised = nullptr;
    }
    return CTabPageLayer::OnDestroy();
}

void EffectEditLayer::DiscardControls() {
    UnlinkAllControlsWithParam();
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    CHfcKey* key = CHfcKey::GetInstance();
    std::vector<CHfcControl*> controls;
    for (int i = 0; i < GetNumControls(); ++i) controls.push_back(GetControl(i));
    for (CHfcControl* control : controls) {
        if (control->IsFocused()) control->ReleaseFocus();
        if (key && key->GetListener() == static_cast<CHfcKeyListener*>(control)) key->ReleaseFocus();
        if (mouse && mouse->GetCapture() == static_cast<CHfcMouseListener*>(control)) mouse->ReleaseCapture();
    }
    for (CHfcControl* control : controls) {
        RemoveControl(control, false);
        control->Destroy();
        delete control;
    }
}

void EffectEditLayer::Layout(ISection* section) {
    QnControlCreater creater(GetBackground(), 0, 0);
    int x = kColumnX, row = 0;
    const int count = section->GetParamCount();
    for (int i = 0; i < count; ++i) {
        PARAMDESC desc{};
        if (!section->GetParamDescByIndex(static_cast<unsigned>(i), &desc)) continue;
        const int pid = section->GetParamIDByIndex(static_cast<unsigned>(i));
        const int labelY = row * kRowStep + 8;
        const int controlY = row * kRowStep + 10;
        const std::string name = desc.name ? desc.name : "";
        if (desc.ptype != kPTypeCaption) {
            std::string text = name;
            if (desc.unit && *desc.unit) text = text + "[" + desc.unit + "]";
            const bool isSwitch = desc.ptype == kPTypeSwitch;
            if (QnStaticText* label = creater.CreateLabel(isSwitch ? x + 18 : x, labelY, text,
                                                          isSwitch ? 100 : 68, 16, false, 0, 1, -1)) {
                AddControl(label, false);
                label->Show(true);
            }
        } else if (QnStaticText* caption = creater.CreateLabel(x, labelY, name, 155, 16, true, 0, 1, -1)) {
            AddControl(caption, false);
            caption->Show(true);
        }
        CHfcControl* control = nullptr;
        switch (desc.ptype) {
            case kPTypeCont:
                control = creater.CreateHorizontalValueBar(x + kControlDX, controlY, 96, desc.minval,
                                                           desc.maxval, desc.defval, pid);
                break;
            case kPTypeList:
                control = creater.CreateDropdownList(x + kControlDX, controlY, 2, pid);
                break;
            case kPTypeSwitch:
                control = creater.CreateSwitch(x, controlY, pid);
                break;
            default:
                break;
        }
        if (control) PlaceControl(control, pid);
        ++row;
        if (desc.ptype == kPTypeCaption && name == "\n") {
            x += kColumnStep;
            row = 0;
        }
    }
}

void EffectEditLayer::OnRefresh() {
    Hold hold(m_lock);
    if (!m_bRebuild) {
        EditTabPageLayerBase::OnRefresh();
        return;
    }
    DiscardControls();
    m_bRebuild = false;
    ISection* section = GetFXSection();
    if (!section) return;
    ++m_iRebuilds;
    Layout(section);
    // Unlinking the old controls may have ended the section's observation through the links.
    section->AdviseSink(static_cast<ISectionSink*>(this));
    m_pAdvised = section;
    EditTabPageLayerBase::OnRefresh();
}
