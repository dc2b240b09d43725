#pragma once
// The drum kit page: one of the kits, then one of its 128 keys (typed, or played while note input
// is on), and that key's voice, high-sample and low-sample settings. One set of controls is relinked
// to the chosen key's parameters.
#include <list>

#include "Common/Layers/IMIDIReceiver.h"
#include "Common/Pages/GlobalPageLayerBase.h"
#include "Linux/Sync.h"

class GlobalDrumKitLayer : public GlobalPageLayerBase,
                           public IMIDIReceiver,
                           public QorX0::IRemoteSynthMIDISink {
public:
    static constexpr int kKitNumberId = 0x100000;
    static constexpr int kKitDropdownId = 0x100001;
    static constexpr int kKeyNumberId = 0x100002;
    static constexpr int kNoteInputId = 0x100003;
    static constexpr int kKeySelectorId = 0x100004;
    static constexpr int kKitCount = 40;
    static constexpr int kKeyCount = 128;

    explicit GlobalDrumKitLayer(QorX0::IRemoteSynth* synth);
    ~GlobalDrumKitLayer() override;

    bool OnCreate() override;
    bool OnDestroy() override;
    void CreateMainControls();
    void CreateLabelControls();
    void CreateVoiceControls();
    void CreateHighSampleControls();
    void CreateLowSampleControls();

    void ChangeSelectedDrumKit(int kit);
    void OnChangeSelectedDrumKit();
    void ChangeCurrentNote(int key);
    // Any thread: queued for the next idle tick, where only the newest request counts.
    void RequestChangeNote(int key);

    void OnRemoteSynthMIDIIn(QorX0::IRemoteSynth* synth, const void* data, unsigned length) override;
    void OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) override;
    void OnIdle(unsigned long time) override;
    bool Show(bool redraw) override;
    void OnIdleSectionReinitialized(QorX0::ISection* section) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;
    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;

    // The selection of the drum kit section: kit and key.
    int GetSelectedKit();
    int GetSelectedKey();
    bool IsKitChangePending() const { return m_bKitChangePending; }

private:
    QorX0::IGlobalArraySection* Kits();
    // A sample's selector, then its table of rows.
    void CreateSampleColumn(int selectorX, int samplePid, const SCtrlinfo* rows, int count, int x, int y);
    void FillKitDropdown();
    void NoteOn(unsigned char status, unsigned char note);

    bool m_bKitChangePending = false;
    int m_iRequestedKit = 0;
    std::list<int> m_noteRequests;
    CHfcCriticalSection m_noteLock;
    bool m_bMIDIAdvised = false;
};
