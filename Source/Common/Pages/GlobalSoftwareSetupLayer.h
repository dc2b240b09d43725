#pragma once
// The editor's own settings: which kinds of data the host project keeps, automatic local control,
// and the MIDI ports through which the editor reaches the instrument.
#include <string>

#include "Common/Pages/GlobalPageLayerBase.h"

class QnDropdownList;

class GlobalSoftwareSetupLayer : public GlobalPageLayerBase {
public:
    static constexpr int kMIDIInDropdownId = static_cast<int>(0xFFFF0001u);
    static constexpr int kMIDIOutDropdownId = static_cast<int>(0xFFFF0002u);
    static constexpr int kPidMIDIInName = 0x9300;
    static constexpr int kPidMIDIOutName = 0x9400;
    static constexpr const char* kNoPort = "(none)";
    static constexpr const char* kNotConnected = " (not connected)";

    explicit GlobalSoftwareSetupLayer(QorX0::IRemoteSynth* synth);

    bool OnCreate() override;
    void CreateTotalRecallSettingControls();
    void CreateOtherControls();
    void UpdateMIDIInDevice();
    void UpdateMIDIOutDevice();

    using QnSynthLayer::OnIdleRemoteSynthConnectionStateChanged;
    // Both port lists are filled again once the connection has changed.
    void OnIdleRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth* synth, bool connected,
                                                 bool online) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;

    QnDropdownList* GetMIDIInDropdown() const { return m_pMIDIIn; }
    QnDropdownList* GetMIDIOutDropdown() const { return m_pMIDIOut; }

private:
    void FillPortList(QnDropdownList* dropdown, bool input);
    void ChoosePort(QnDropdownList* dropdown, int index, int pid);

    QnDropdownList* m_pMIDIIn = nullptr;
    QnDropdownList* m_pMIDIOut = nullptr;
};
