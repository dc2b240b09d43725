#pragma once
// The settings window without its drawing: its controls by (signature, index) as plain values, and
// everything the window does with them: filling the device, format, channel, clock and MIDI popups,
// the buffer-size slider in 64-frame steps, the latency texts, applying the settings to the audio
// engine and the MIDI manager, writing and reading the preferences record, the cancel that puts the
// saved settings back, and the idle tasks that follow device and MIDI changes. The window draws these
// values and turns clicks into control hits; tests drive the model directly. Main thread only.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Host/SaveData.h"
#include "Host/Shell/ShellCore.h"

class IMidiBackend;
class VintorAudioEngine;
class VintorHostMIDIManager;

// ---- The buffer-size slider: positions in 64-frame steps between the range's ends.
int BufferSliderMaxPosition(uint32_t minimum, uint32_t maximum);
int BufferSizeToPosition(uint32_t size, uint32_t minimum, uint32_t maximum);
uint32_t BufferPositionToSize(int position, uint32_t minimum, uint32_t maximum);

// "Output %d / Output %d" for each pair of the channels.
std::vector<std::string> OutputPairItems(uint32_t channels);

// Control signatures of the window.
constexpr uint32_t kSigTabs = ShellCommandId("MTAB");
constexpr uint32_t kSigPane = ShellCommandId("PTAB");
constexpr uint32_t kSigOutput = ShellCommandId("OUTP");
constexpr uint32_t kSigFormat = ShellCommandId("STRM");
constexpr uint32_t kSigChannels = ShellCommandId("CHAN");
constexpr uint32_t kSigBufferSize = ShellCommandId("BFSZ");
constexpr uint32_t kSigClock = ShellCommandId("CLOK");
constexpr uint32_t kSigMidi = ShellCommandId("MIDI");
constexpr uint32_t kSigAutoStop = ShellCommandId("fSTO");
constexpr uint32_t kSigCpuLimit = ShellCommandId("bSTO");
constexpr uint32_t kSigKnobMode = ShellCommandId("KNOB");
constexpr uint32_t kSigText = ShellCommandId("STTX");
constexpr uint32_t kSigSetup = ShellCommandId("SETU");
constexpr uint32_t kSigOK = ShellCommandId("OK  ");
constexpr uint32_t kSigCancel = ShellCommandId("CNCL");

extern const char kNoDeviceItem[];  // " -- "
// The alert when the settings were applied but could not be saved (then the file and the reason).
extern const char kSettingsNotSaved[];

// A popup: items with their enabled and checked marks; value is the 1-based item shown, 0 none.
struct SettingsPopup {
    struct Item {
        std::string text;
        bool enabled = true;
        bool checked = false;
    };
    std::vector<Item> items;
    int value = 0;
    bool enabled = true;

    void Clear() {
        items.clear();
        value = 0;
    }
    void Append(const std::string& text, bool itemEnabled = true) {
        items.push_back({text, itemEnabled, false});
    }
    int Count() const { return static_cast<int>(items.size()); }
    // Item n (1-based) exists.
    bool Has(int n) const { return n >= 1 && n <= Count(); }
    void EnableItem(int n, bool on) {
        if (Has(n)) items[static_cast<size_t>(n - 1)].enabled = on;
    }
    bool ItemEnabled(int n) const { return Has(n) && items[static_cast<size_t>(n - 1)].enabled; }
    std::string Text() const {
        return Has(value) ? items[static_cast<size_t>(value - 1)].text : std::string();
    }
};

struct SettingsSlider {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    bool enabled = true;
    void Set(int v) { value = v < minimum ? minimum : (v > maximum ? maximum : v); }
};

// What the model asks of the program around it.
class ISettingsHost {
public:
    // Audio became playable or stopped being so: the Play/Stop menu pair follows.
    virtual void SettingsPlayingChanged(bool playing) = 0;
    // The window's controls changed: draw them again.
    virtual void SettingsChanged() {}
    // Hide the settings window.
    virtual void HideSettings() {}

protected:
    ~ISettingsHost() = default;
};

class CSettingsModel {
public:
    // The engine and the record's path are needed; the MIDI manager and backend may be null (no
    // MIDI). None is owned.
    CSettingsModel(VintorAudioEngine* engine, VintorHostMIDIManager* midi, IMidiBackend* backend,
                   ISettingsHost* host, std::string path);
    ~CSettingsModel();
    CSettingsModel(const CSettingsModel&) = delete;
    CSettingsModel& operator=(const CSettingsModel&) = delete;

    // ---- Controls
    int tab = 1;                // 'MTAB': 1 audio, 2 MIDI, 3 other
    SettingsPopup output;       // 'OUTP' 0
    SettingsPopup format;       // 'STRM' 0
    SettingsPopup channels;     // 'CHAN' 0
    SettingsSlider bufferSize;  // 'BFSZ' 0
    SettingsPopup clock;        // 'CLOK' 0
    SettingsPopup midi[4];      // 'MIDI' 0-2 inputs, 3 the clock source
    bool autoStop = false;      // 'fSTO' 0
    SettingsSlider cpuLimit;    // 'bSTO' 0
    SettingsPopup knobMode;     // 'KNOB' 0
    std::string texts[3];       // 'STTX' 0 "(frames)", 1 milliseconds, 2 "limit%"

    // ---- Window state
    bool BufferSizeTouched() const { return m_touched; }
    bool CanPlay() const { return m_canPlay; }
    const std::vector<MidiEntry>& InputEntries() const { return m_inputs; }
    const std::vector<MidiEntry>& ClockEntries() const { return m_clockEntries; }
    // The buffer size the slider shows.
    uint32_t SliderBufferSize() const;

    // ---- Start-up: the lists filled, the default other settings.
    void Populate();

    // ---- The window's actions
    // A click on a control (the value already changed by the user).
    void ControlHit(uint32_t signature, int index);
    // The slider moved live (texts only).
    void BufferSliderMoved();
    void CpuSliderMoved();
    // Applies the settings (and writes the record when save); false when the device refused them.
    bool setupPressed(bool save);
    void recoverAfterCancel();
    // Reads the record into the controls; true when a saved item was not found. Throws a
    // ZbrException when the record cannot be read.
    bool loadSettings(bool showAlerts);
    void outChanged(int deviceItem, int formatItem);
    void setOutputPopup();
    void setStreamPopup(int deviceItem, int formatItem);
    // The format item a device starts at when none is chosen: the first 48 kHz stereo one, else
    // 44.1 kHz stereo, else 48 or 44.1 kHz with more channels, else the first playable; 0 when the
    // device offers nothing playable.
    int DefaultFormatItem(uint32_t device) const;
    void streamChanged();
    void updateFrameSizeControl();
    void setLatencyString();
    void SetSettingDialogOtherSettings(bool autoStopOn, int limit, int mode);
    void SetFrameSizeControlByFrameSizeValue(uint32_t frames);
    // Output at " -- ": dependent popups emptied, texts "(0)" and "0.00", slider disabled.
    void SetNoDevice();

    // ---- MIDI lists
    void getMidiEntry();
    void setMidiPopup();
    void UpdateClockSourcePopup(uint32_t endpoint);

    // ---- Idle tasks
    void HardwareDevicesChanged();  // 6
    void MIDIDeviceChanged();       // 7
    void ClockSourceChanged();      // 8
    void FormatChanged();           // 9
    // MIDIDeviceChanged waits this long after the change was noticed (tests: 0).
    void SetMidiSettleMs(int ms) { m_settleMs = ms; }
    // From any thread: a MIDI setup change was noticed now.
    void NoteMidiChange();

private:
    // The device index (0-based) the output popup shows, -1 for " -- ".
    int DeviceIndex() const { return output.value - 2; }
    uint32_t CurrentDeviceID() const;
    void SelectInput(int slot, int item);
    int InputItemByEndpoint(uint32_t endpoint) const;
    int InputItemFor(const std::string& endpointName, const std::string& deviceName, uint32_t uniqueID) const;
    int ClockItemFor(const std::string& endpointName, const std::string& deviceName, uint32_t uniqueID) const;
    uint32_t ClockEndpointOfItem(int item) const;
    void AttachAll();
    bool WriteRecord();
    void SetPlaying(bool playing);
    void Changed();
    static void Recover(void* self);

    VintorAudioEngine* m_engine;
    VintorHostMIDIManager* m_midiManager;
    IMidiBackend* m_backend;
    ISettingsHost* m_host;
    std::string m_path;

    bool m_touched = false;
    bool m_unsupportedAppended = false;
    bool m_canPlay = false;
    int m_lastMidi[3] = {1, 1, 1};
    std::vector<int> m_clockIndex;  // clock popup item k + 2 stands for clock entry m_clockIndex[k]
    std::vector<MidiEntry> m_inputs;
    std::vector<MidiEntry> m_clockEntries;
    MidiEntry m_attached[4];  // what the inputs and the clock source were attached to
    int m_settleMs = 1000;
    std::atomic<uint64_t> m_midiNoticedMs{0};  // set from MIDI threads
};
