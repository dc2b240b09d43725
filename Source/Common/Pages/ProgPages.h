#pragma once
// The pages behind the program tab: the play page (program play section) and the edit pages
// (program edit section), each building its own controls from a table of rows and its detailed
// settings on sublevel form pages.
#include "Common/Layers/IMIDIReceiver.h"
#include "Common/Link/RemoteSynth.h"
#include "Common/Pages/EditTabPageLayerBase.h"

class CXBCtrlFilterGraph;
class EffectEditLayer;

class ProgPlayLayer : public EditTabPageLayerBase {
public:
    explicit ProgPlayLayer(QorX0::IRemoteSynth* synth);
    bool OnCreate() override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
};

// The edit pages' base: watches the synthesizer, and re-applies the page's enable rule whenever it
// is shown, the oscillator mode changes, or the sound, its data or an audition changes.
class ProgEditLayer : public EditTabPageLayerBase {
public:
    explicit ProgEditLayer(QorX0::IRemoteSynth* synth);
    // A page deleted without OnDestroy still leaves the synthesizer's observers.
    ~ProgEditLayer() override;
    bool OnCreate() override;
    bool OnDestroy() override;
    bool Show(bool update) override;
    int GetOSCMode() const;
    virtual void UpdateControlStatus() {}

    void OnIdleSectionParamChanged(QorX0::ISection* section, int pid) override;
    void OnIdleSectionReinitialized(QorX0::ISection* section) override;
    void OnIdleRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth* synth, bool running) override;
    void OnIdleRemoteSynthCurSoundChanged(QorX0::IRemoteSynth* synth,
                                          const QorX0::SOUNDINDEX& sound) override;

protected:
    // Sublevel tabs at y 142 over image, one form page per id.
    void CreateFormTabs(const char* image, const int* forms, int count);

private:
    bool m_bAdvised = false;
};

class ProgBasicLayer : public ProgEditLayer {
public:
    explicit ProgBasicLayer(QorX0::IRemoteSynth* synth);
    bool OnCreate() override;
    void UpdateControlStatus() override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
    // The oscillator mode in which oscillator 1 plays a drum kit.
    static constexpr int kOscModeDrums = 2;
};

class ProgPitchLayer : public ProgEditLayer {
public:
    explicit ProgPitchLayer(QorX0::IRemoteSynth* synth);
    bool OnCreate() override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
};

class ProgLFOsLayer : public ProgEditLayer {
public:
    explicit ProgLFOsLayer(QorX0::IRemoteSynth* synth);
    bool OnCreate() override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
};

// The filter of one oscillator (n 0 or 1; its PIDs are oscillator 1's plus n x 0xD00), its graph
// coupled to the filter type, cutoffs and resonance.
class ProgFilterLayer : public ProgEditLayer {
public:
    ProgFilterLayer(QorX0::IRemoteSynth* synth, int oscillator);
    bool OnCreate() override;
    void UpdateControlStatus() override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
    // pid -1: everything.
    void UpdateControls(QorX0::ISection* section, int pid);
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;
    void OnSectionParamChanged(QorX0::ISection* section, int pid) override;
    void OnSectionReinitialized(QorX0::ISection* section) override;
    void OnRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                      const QorX0::SOUNDINDEX& sound) override;
    int GetOscillator() const { return m_iOsc; }
    CXBCtrlFilterGraph* GetFilterGraph() const { return m_pGraph; }

private:
    int TypePid() const { return m_iOffset + 0x600; }
    int ResonancePid() const { return m_iOffset + 0x602; }
    int LowCutoffPid() const { return m_iOffset + 0x700; }
    int HighCutoffPid() const { return m_iOffset + 0x800; }

    int m_iOsc;
    int m_iOffset;
    CXBCtrlFilterGraph* m_pGraph = nullptr;
};

class ProgAmpLayer : public ProgEditLayer {
public:
    explicit ProgAmpLayer(QorX0::IRemoteSynth* synth);
    bool OnCreate() override;
    void UpdateControlStatus() override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
};

// The arpeggiator set-up, its scan zone (whose four fields take a played note while being edited),
// the knobs' B assignments and the assignable switches.
class ProgArpControlsLayer : public EditTabPageLayerBase,
                             public QorX0::IRemoteSynthMIDISink,
                             public IMIDIReceiver {
public:
    explicit ProgArpControlsLayer(QorX0::IRemoteSynth* synth);
    // A page deleted without OnDestroy still leaves the instrument's MIDI observers.
    ~ProgArpControlsLayer() override;
    bool OnCreate() override;
    bool OnDestroy() override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
    void OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) override;
    void OnRemoteSynthMIDIIn(QorX0::IRemoteSynth* synth, const void* data, unsigned length) override;
    virtual void OnNoteInput(unsigned char status, unsigned char note, unsigned char velocity);

private:
    bool m_bMIDIAdvised = false;
};

class ProgInsertFXLayer : public EditTabPageLayerBase {
public:
    explicit ProgInsertFXLayer(QorX0::IRemoteSynth* synth);
    bool OnCreate() override;
    using EditTabPageLayerBase::CreateSublevelTab;
    bool CreateSublevelTab();
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
    void OnSectionParamChanged(QorX0::ISection* section, int pid) override;
    void OnRemoteSynthCurSoundChanged(QorX0::IRemoteSynth* synth, const QorX0::SOUNDINDEX& sound) override;
    EffectEditLayer* GetEffectPage() const { return m_pEffect; }

private:
    EffectEditLayer* m_pEffect = nullptr;
};

class ProgMasterFXLayer : public EditTabPageLayerBase {
public:
    explicit ProgMasterFXLayer(QorX0::IRemoteSynth* synth);
    bool OnCreate() override;
    using EditTabPageLayerBase::CreateSublevelTab;
    bool CreateSublevelTab();
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void OnSectionParamChanged(QorX0::ISection* section, int pid) override;
    void OnRemoteSynthCurSoundChanged(QorX0::IRemoteSynth* synth, const QorX0::SOUNDINDEX& sound) override;
    void OnPostDrawBackground(CHfcOffscreenContext* context) override;
    EffectEditLayer* GetEffectPage(int master) const { return master == 0 ? m_pMFX1 : m_pMFX2; }

private:
    EffectEditLayer* m_pMFX1 = nullptr;
    EffectEditLayer* m_pMFX2 = nullptr;
};
