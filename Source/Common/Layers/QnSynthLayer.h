#pragma once
// A layer whose controls are linked to instrument parameters: a control's edit is written to its
// parameter (notify and send), and every change of a parameter, whoever made it, comes back through
// the synth-event queue at the next idle tick and sets every control linked to it.
//
// A section is advised once for as long as anything of the layer observes it: links and
// LinkWithParameter calls are counted per section, the section advised on the first and unadvised
// on the last. OnDestroy, and the destructor when OnDestroy did not run, unadvise everything.
//
// How a control is written and set depends on its exact class (a subclass is not matched); the
// rule of each class is registered once, in one place, by the code that makes those controls.
#include <list>
#include <map>
#include <string>
#include <typeindex>
#include <vector>

#include "Common/Layers/QnControlContainer.h"
#include "Common/Layers/QnLayerBase.h"
#include "Common/Layers/QnRemoteSynthEventHandler.h"

class EnvelopeGraphManager;

struct SParamIdInfo {
    QorX0::ISection* section;
    int pid;
};

// How a linked control of a class meets its parameter.
enum class QnControlRule {
    Plain,        // the value both ways
    PressSwitch,  // press report (bit 31) toggles: 0x80000000 writes 1, any other negative 0; release ignored
    SlideSwitch,  // runs opposite to the parameter: max - value both ways
    Text,         // the converter's text, then the value (edit fields, text switches)
    ColonText,    // as Text, with the first ":" shown as " : " (sound selectors)
    ValueBar,     // as Text; with props, the centre and signed display come from the row
    Knob,         // as Text; with props, the display is sized to the range's texts
    Dropdown,     // items from the converter's texts; then the value
    RecordReporter  // reports records, not text (graphs): no parse of its pointer value
};

class QnSynthLayer : public QnLayerBase, public QnRemoteSynthEventHandler {
public:
    explicit QnSynthLayer(QorX0::IRemoteSynth* synth);
    ~QnSynthLayer() override;

    // Rules by exact class; Plain when none was registered.
    static void RegisterControlRule(const std::type_info& type, QnControlRule rule);
    static QnControlRule GetControlRule(const CHfcControl* control);
    // The display width, in characters, of a knob over desc's range: the longest text among the
    // minimum, the value one below the maximum and the maximum; 0 for a one-value range.
    static int MeasureKnobDisplayWidth(const QorX0::PARAMDESC& desc);

    QorX0::IRemoteSynth* GetSynth() const { return m_pSynth; }
    QorX0::ISection* GetParamSection(int kind, int pid) const;

    bool LinkControlWithParam(CHfcControl* control, int kind, int pid);
    bool LinkControlWithParam(CHfcControl* control, QorX0::ISection* section, int pid);
    void RelinkControlWithParam(CHfcControl* control, int kind, int pid);
    void UnlinkControlWithParam(CHfcControl* control);
    void UnlinkAllControlsWithParam();
    bool LinkWithParameter(int kind, int pid);
    bool LinkWithParameter(QorX0::ISection* section, int pid);
    void UnlinkWithParameter(QorX0::ISection* section);
    SParamIdInfo GetParameterIdByControlId(int id, int sub) const;
    SParamIdInfo GetParameterIdByControl(const CHfcControl* control) const;
    void AssociateCtrlIdWithParamId(uint64_t key, const SParamIdInfo& info);
    void UnassociateCtrlIdWithParamId(uint64_t key);
    void GetCtrlIdListByParamId(std::list<ControlId>& out, const SParamIdInfo& info) const;
    // Times the layer is advised to a section through its links and observers (0: not advised).
    int GetSectionAdviseCount(QorX0::ISection* section) const;

    int GetParamValue(int kind, int pid) const;
    std::string GetParamString(int kind, int pid) const;
    bool GetParamDesc(QorX0::PARAMDESC* out, int kind, int pid) const;
    void PutParamValue(int kind, int pid, int value) const;
    void PutParamString(int kind, int pid, const char* text) const;

    void SynchronizeControlWithParam(CHfcControl* control, bool props);
    virtual void SynchronizeControlWithParam(CHfcControl* control, QorX0::ISection* section, int pid,
                                             bool props);
    virtual void OnPostSynchronizeControlWithParam(CHfcControl*, QorX0::ISection*, int) {}
    void SynchronizeAllControlWithParam(QorX0::ISection* section, bool props);
    // Fills a dropdown-rule control's items (through SetParameter) and its range.
    virtual void InitDropdwonList(CHfcControl* dropdown, const QorX0::PARAMDESC& desc);

    // Envelope-graph managers: owned from here on, deleted by OnDestroy. Each synchronised control is
    // offered to them in turn (ParamToControl) until one takes it, and so is each record an envelope
    // graph reports (ControlToParam).
    void AddEnvelopeGraphManager(EnvelopeGraphManager* manager);
    const std::list<EnvelopeGraphManager*>& GetEnvelopeGraphManagers() const { return m_envelopeManagers; }

    // Containers: owned from AddContainer on, deleted by OnDestroy.
    void AddContainer(QnControlContainer* container);
    int GetActiveContainerIndex() const;
    void SetActiveContainerIndex(int index);
    QnControlContainer* GetContianerByIndex(int index) const;

    virtual int GetTargetMode() const { return m_iTargetMode; }
    virtual void SetTargetMode(int mode) { m_iTargetMode = mode; }

    // Control events.
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;
    void OnHfcCtrlKeyLostFocus(CHfcControl* control) override;

    // Replays.
    using QnRemoteSynthEventHandler::OnIdleRemoteSynthConnectionStateChanged;
    virtual void OnIdleRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth*, bool) {}
    void OnIdleRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth* synth, bool running) override;
    void OnIdleRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                          const QorX0::SOUNDINDEX& sound) override;
    void OnIdleSectionReinitialized(QorX0::ISection* section) override;
    void OnIdleSectionParamPropsChanged(QorX0::ISection* section, int pid) override;
    void OnIdleSectionParamChanged(QorX0::ISection* section, int pid) override;

    bool Show(bool redraw) override;
    bool OnCreate() override;
    bool OnDestroy() override;
    void OnIdle(unsigned long time) override;
    void OnRefresh() override;

    // Items the dropdown rule passes through SetParameter: kind, then the text (value = min + index).
    // What the props step of the knob and value-bar rules passes through SetParameter: the knob's
    // display width in characters (font: the narrow one above 4) and its centre; the bar's centre
    // (value) and signed display (pointer to a bool).
    enum : int {
        kDropdownClearItems = 0x7101,
        kDropdownAddItem = 0x7102,
        kKnobDisplayWidth = 0x7103,
        kKnobCentre = 0x7104,
        kValueBarCentreAndSign = 0x7105,
    };

private:
    void AdviseSection(QorX0::ISection* section);
    void UnadviseSection(QorX0::ISection* section);
    void SyncMatching(QorX0::ISection* section, int pid, bool props);
    void WriteTypedValue(CHfcControl* control, const SParamIdInfo& link,
                         const QorX0::IStringConverter& converter, const char* text);
    void Teardown();

    QorX0::IRemoteSynth* m_pSynth;
    bool m_bSynthAdvised = false;
    std::map<uint64_t, SParamIdInfo> m_links;
    std::map<QorX0::ISection*, int> m_adviseCounts;
    std::vector<QorX0::ISection*> m_pending;
    std::vector<QnControlContainer*> m_containers;
    std::list<EnvelopeGraphManager*> m_envelopeManagers;
    int m_iTargetMode = -1;
};
