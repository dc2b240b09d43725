#include "Host/Shell/SettingsModel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "Host/Audio/AudioEngine.h"
#include "Host/HostMIDIManager.h"
#include "Host/HostSupport.h"
#include "Linux/Trace.h"

const char kNoDeviceItem[] = " -- ";
const char kSettingsNotSaved[] = "The settings are applied, but could not be saved for the next start.";

namespace {

// Every offered format's buffer-size range and default.
constexpr uint32_t kBufferMin = 32;
constexpr uint32_t kBufferMax = 8192;
constexpr uint32_t kDefaultBuffer = 256;

const char* const kKnobModeNames[] = {"Circular", "Relative Circular", "Linear"};

uint32_t RoundUp64(uint32_t v) {
    return (v + 63u) / 64u * 64u;
}
uint32_t RoundDown64(uint32_t v) {
    return v / 64u * 64u;
}

uint64_t NowMs() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

bool SameSource(const MidiEntry& a, const MidiEntry& b) {
    return a.endpoint == b.endpoint && a.uniqueID == b.uniqueID;
}

}  // namespace

// ---- Slider maths

int BufferSliderMaxPosition(uint32_t minimum, uint32_t maximum) {
    const uint32_t min64 = RoundUp64(minimum);
    const int below = (minimum % 64u) != 0 ? 1 : 0;
    if (maximum < min64) return below;
    if (maximum % 64u == 0) return below + static_cast<int>((maximum - min64) / 64u);
    return below + static_cast<int>((RoundDown64(maximum) - min64) / 64u) + 1;
}

int BufferSizeToPosition(uint32_t size, uint32_t minimum, uint32_t maximum) {
    if (size <= minimum) return 0;
    if (size >= maximum) return BufferSliderMaxPosition(minimum, maximum);
    return static_cast<int>(RoundUp64(size) / 64u) - static_cast<int>(minimum / 64u);
}

uint32_t BufferPositionToSize(int position, uint32_t minimum, uint32_t maximum) {
    if (position <= 0) return minimum;
    if (position >= BufferSliderMaxPosition(minimum, maximum)) return maximum;
    return static_cast<uint32_t>(position) * 64u + RoundDown64(minimum);
}

std::vector<std::string> OutputPairItems(uint32_t channels) {
    std::vector<std::string> items;
    for (uint32_t pair = 0; pair < channels / 2; ++pair) {
        char text[64];
        std::snprintf(text, sizeof text, "Output %u / Output %u", pair * 2 + 1, pair * 2 + 2);
        items.emplace_back(text);
    }
    return items;
}

// ---- The model

CSettingsModel::CSettingsModel(VintorAudioEngine* engine, VintorHostMIDIManager* midi, IMidiBackend* backend,
                               ISettingsHost* host, std::string path)
    : m_engine(engine), m_midiManager(midi), m_backend(backend), m_host(host), m_path(std::move(path)) {
    m_engine->SetRecoverFunction(&CSettingsModel::Recover, this);
    cpuLimit.minimum = 1;
    cpuLimit.maximum = 100;
    cpuLimit.value = 100;
}

CSettingsModel::~CSettingsModel() {
    m_engine->SetRecoverFunction(nullptr, nullptr);
}

void CSettingsModel::Recover(void* self) {
    auto* model = static_cast<CSettingsModel*>(self);
    // The device refused: the saved settings back into the window, applied without saving.
    model->recoverAfterCancel();
    try {
        model->setupPressed(false);
    } catch (const ZbrException& e) {
        TRACE("Settings: re-applying the saved settings failed: %s", e.what());
    }
}

void CSettingsModel::Changed() {
    if (m_host) m_host->SettingsChanged();
}

void CSettingsModel::SetPlaying(bool playing) {
    m_canPlay = playing;
    if (m_host) m_host->SettingsPlayingChanged(playing);
}

uint32_t CSettingsModel::CurrentDeviceID() const {
    return DeviceIndex() >= 0 ? m_engine->getAudioDeviceIDbyIndex(DeviceIndex()) : 0;
}

uint32_t CSettingsModel::SliderBufferSize() const {
    if (!bufferSize.enabled) return 0;
    return BufferPositionToSize(bufferSize.value, kBufferMin, kBufferMax);
}

void CSettingsModel::Populate() {
    knobMode.Clear();
    for (const char* name : kKnobModeNames) knobMode.Append(name);
    setOutputPopup();
    output.value = 1;
    SetNoDevice();
    SetSettingDialogOtherSettings(false, 100, 2);
    getMidiEntry();
    setMidiPopup();
    Changed();
}

// ---- Popups

void CSettingsModel::setOutputPopup() {
    const std::string shown = output.Text();
    output.Clear();
    output.Append(kNoDeviceItem);
    for (int i = 0; i < m_engine->GetDeviceCount(); ++i) {
        std::string name;
        m_engine->GetDeviceName(i, &name);
        output.Append(name);
    }
    output.value = 1;
    for (int n = 2; n <= output.Count(); ++n)
        if (output.items[static_cast<size_t>(n - 1)].text == shown) output.value = n;
}

void CSettingsModel::SetNoDevice() {
    output.value = 1;
    format.Clear();
    channels.Clear();
    clock.Clear();
    clock.enabled = false;
    m_unsupportedAppended = false;
    bufferSize.enabled = false;
    bufferSize.minimum = 0;
    bufferSize.maximum = 0;
    bufferSize.value = 0;
    setLatencyString();
}

void CSettingsModel::outChanged(int deviceItem, int formatItem) {
    if (deviceItem <= 0 || deviceItem > m_engine->GetDeviceCount()) {
        SetNoDevice();
        Changed();
        return;
    }
    output.value = deviceItem + 1;
    const uint32_t id = m_engine->getAudioDeviceIDbyIndex(deviceItem - 1);
    bool has = false, settable = false;
    m_engine->Device_IsSupportClockSource(id, &has, &settable);
    std::vector<uint32_t> sources;
    if (has) m_engine->Device_GetClockSourceIDList(id, &sources);
    clock.Clear();
    for (uint32_t source : sources) {
        char name[48];
        std::snprintf(name, sizeof name, "Clock Source %u", source);
        clock.Append(name);
    }
    clock.enabled = has && settable && !sources.empty();
    if (!sources.empty()) clock.value = 1;
    setStreamPopup(deviceItem, formatItem);
}

void CSettingsModel::setStreamPopup(int deviceItem, int formatItem) {
    format.Clear();
    m_unsupportedAppended = false;
    const int index = deviceItem - 1;
    const int count = m_engine->GetDeviceFormatCount(index);
    for (int i = 0; i < count; ++i) {
        std::string label;
        AudioStreamBasicDescription f;
        m_engine->GetDeviceFormatName(index, i, &label);
        m_engine->GetDeviceFormat(index, i, &f);
        format.Append(label, f.mSampleRate >= 44100 && f.mChannelsPerFrame >= 2);
    }
    format.value = format.ItemEnabled(formatItem)
                       ? formatItem
                       : DefaultFormatItem(m_engine->getAudioDeviceIDbyIndex(index));
    m_touched = false;
    streamChanged();
}

int CSettingsModel::DefaultFormatItem(uint32_t device) const {
    struct Wanted {
        double rate;
        bool stereo;
    };
    // What a musician plays at, in order; a device without it starts at its first playable format.
    constexpr Wanted kWanted[] = {{48000, true}, {44100, true}, {48000, false}, {44100, false}};
    int firstPlayable = 0;
    for (const Wanted& w : kWanted)
        for (int n = 1;; ++n) {
            const AudioStreamBasicDescription* f =
                m_engine->getStreamDescriptionByAudioDeviceIDAndIndex(device, n - 1);
            if (!f) break;
            if (f->mSampleRate < 44100 || f->mChannelsPerFrame < 2) continue;
            if (firstPlayable == 0) firstPlayable = n;
            if (f->mSampleRate == w.rate && (!w.stereo || f->mChannelsPerFrame == 2)) return n;
        }
    return firstPlayable;
}

void CSettingsModel::streamChanged() {
    channels.Clear();
    const AudioStreamBasicDescription* f =
        m_engine->getStreamDescriptionByAudioDeviceIDAndIndex(CurrentDeviceID(), format.value - 1);
    for (const std::string& item : OutputPairItems(f ? f->mChannelsPerFrame : 0)) channels.Append(item);
    if (channels.Count() > 0) channels.value = 1;
    updateFrameSizeControl();
    Changed();
}

void CSettingsModel::updateFrameSizeControl() {
    bufferSize.enabled = true;
    bufferSize.minimum = 0;
    bufferSize.maximum = BufferSliderMaxPosition(kBufferMin, kBufferMax);
    bufferSize.Set(BufferSizeToPosition(kDefaultBuffer, kBufferMin, kBufferMax));
    setLatencyString();
}

void CSettingsModel::SetFrameSizeControlByFrameSizeValue(uint32_t frames) {
    bufferSize.enabled = true;
    bufferSize.minimum = 0;
    bufferSize.maximum = BufferSliderMaxPosition(kBufferMin, kBufferMax);
    bufferSize.Set(BufferSizeToPosition(frames, kBufferMin, kBufferMax));
    setLatencyString();
}

void CSettingsModel::setLatencyString() {
    const AudioStreamBasicDescription* f =
        output.value >= 2
            ? m_engine->getStreamDescriptionByAudioDeviceIDAndIndex(CurrentDeviceID(), format.value - 1)
            : nullptr;
    const bool unsupported = m_unsupportedAppended && format.value == format.Count();
    double rate = f ? f->mSampleRate : 0.0;
    if (!f && unsupported) rate = m_engine->getCurrentFormat().mSampleRate;
    const uint32_t size = rate > 0 ? SliderBufferSize() : 0;
    char text[48];
    std::snprintf(text, sizeof text, "(%u)", size);
    texts[0] = text;
    std::snprintf(text, sizeof text, "%.2f", rate > 0 ? size / rate * 1000.0 : 0.0);
    texts[1] = text;
}

void CSettingsModel::SetSettingDialogOtherSettings(bool autoStopOn, int limit, int mode) {
    autoStop = autoStopOn;
    cpuLimit.Set(limit);
    for (int n = 1; n <= knobMode.Count(); ++n)
        knobMode.items[static_cast<size_t>(n - 1)].checked = n == mode + 1;
    knobMode.value = knobMode.Has(mode + 1) ? mode + 1 : 0;
    CpuSliderMoved();
}

void CSettingsModel::CpuSliderMoved() {
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", cpuLimit.value);
    texts[2] = std::string(text).substr(0, 4);
}

void CSettingsModel::BufferSliderMoved() {
    setLatencyString();
}

// ---- MIDI lists

void CSettingsModel::getMidiEntry() {
    m_inputs.clear();
    m_clockEntries.clear();
    if (!m_midiManager || !m_backend) return;
    try {
        MIDIEndpointList list(m_backend);
        m_midiManager->BuildMidiEntries(list, &m_inputs, &m_clockEntries);
    } catch (const ZbrException& e) {
        TRACE("Settings: the MIDI lists could not be built: %s", e.what());
    }
}

void CSettingsModel::setMidiPopup() {
    for (int slot = 0; slot < 3; ++slot) {
        midi[slot].Clear();
        midi[slot].Append(kNoDeviceItem);
        for (const MidiEntry& e : m_inputs) midi[slot].Append(e.label);
        midi[slot].value = 1;
        m_lastMidi[slot] = 1;
    }
    UpdateClockSourcePopup(0);
}

int CSettingsModel::InputItemByEndpoint(uint32_t endpoint) const {
    if (endpoint == 0) return 1;
    for (size_t i = 0; i < m_inputs.size(); ++i)
        if (m_inputs[i].endpoint == endpoint) return static_cast<int>(i) + 2;
    return 1;
}

uint32_t CSettingsModel::ClockEndpointOfItem(int item) const {
    const int k = item - 2;
    if (k < 0 || k >= static_cast<int>(m_clockIndex.size())) return 0;
    return m_clockEntries[static_cast<size_t>(m_clockIndex[static_cast<size_t>(k)])].endpoint;
}

void CSettingsModel::UpdateClockSourcePopup(uint32_t endpoint) {
    m_clockIndex.clear();
    for (int slot = 0; slot < 3; ++slot) {
        const int item = midi[slot].value;
        if (item < 2 || item - 2 >= static_cast<int>(m_inputs.size())) continue;
        const uint32_t ep = m_inputs[static_cast<size_t>(item - 2)].endpoint;
        for (size_t c = 0; c < m_clockEntries.size(); ++c)
            if (m_clockEntries[c].endpoint == ep && std::find(m_clockIndex.begin(), m_clockIndex.end(),
                                                              static_cast<int>(c)) == m_clockIndex.end())
                m_clockIndex.push_back(static_cast<int>(c));
    }
    std::sort(m_clockIndex.begin(), m_clockIndex.end());
    SettingsPopup& popup = midi[3];
    popup.Clear();
    popup.Append(kNoDeviceItem);
    popup.value = 1;
    for (size_t k = 0; k < m_clockIndex.size(); ++k) {
        const MidiEntry& e = m_clockEntries[static_cast<size_t>(m_clockIndex[k])];
        popup.Append(e.label);
        if (endpoint != 0 && e.endpoint == endpoint) popup.value = static_cast<int>(k) + 2;
    }
}

void CSettingsModel::SelectInput(int slot, int item) {
    const int old = m_lastMidi[slot];
    for (int other = 0; other < 3; ++other) {
        if (other == slot) continue;
        // The first item, " -- ", is never disabled.
        if (old > 1) midi[other].EnableItem(old, true);
        if (item > 1) midi[other].EnableItem(item, false);
    }
    midi[slot].value = item;
    m_lastMidi[slot] = item;
}

void CSettingsModel::AttachAll() {
    if (!m_midiManager) return;
    for (int slot = 0; slot < 3; ++slot) {
        try {
            m_midiManager->SetSource(slot, 0, false);
        } catch (const ZbrException& e) {
            TRACE("Settings: detaching input %d: %s", slot + 1, e.what());
        }
        m_attached[slot] = MidiEntry{};
    }
    m_midiManager->SetClockSyncSource(0);
    m_attached[3] = MidiEntry{};
    for (int slot = 0; slot < 3; ++slot) {
        const int item = midi[slot].value;
        if (item < 2 || item - 2 >= static_cast<int>(m_inputs.size())) continue;
        const MidiEntry& e = m_inputs[static_cast<size_t>(item - 2)];
        try {
            m_midiManager->SetSource(slot, e.endpoint, e.exclusive);
            m_attached[slot] = e;
        } catch (const ZbrException& ex) {
            TRACE("Settings: attaching input %d: %s", slot + 1, ex.what());
        }
    }
    const int clockItem = midi[3].value - 2;
    if (clockItem >= 0 && clockItem < static_cast<int>(m_clockIndex.size())) {
        const MidiEntry& e =
            m_clockEntries[static_cast<size_t>(m_clockIndex[static_cast<size_t>(clockItem)])];
        m_midiManager->SetClockSyncSource(e.endpoint);
        m_attached[3] = e;
    }
}

// ---- Control hits

void CSettingsModel::ControlHit(uint32_t signature, int index) {
    try {
        if (signature == kSigBufferSize) {
            m_touched = true;
            setLatencyString();
        } else if (signature == kSigCancel) {
            if (m_host) m_host->HideSettings();
            recoverAfterCancel();
        } else if (signature == kSigMidi && index >= 0 && index < 3) {
            const uint32_t kept = ClockEndpointOfItem(midi[3].value);
            SelectInput(index, midi[index].value);
            UpdateClockSourcePopup(kept);
        } else if (signature == kSigOK) {
            setupPressed(true);
            if (m_host) m_host->HideSettings();
        } else if (signature == kSigOutput) {
            outChanged(output.value - 1, 0);
        } else if (signature == kSigSetup) {
            setupPressed(true);
        } else if (signature == kSigFormat) {
            streamChanged();
        } else if (signature == kSigCpuLimit) {
            CpuSliderMoved();
        } else if (signature == kSigKnobMode) {
            for (int n = 1; n <= knobMode.Count(); ++n)
                knobMode.items[static_cast<size_t>(n - 1)].checked = n == knobMode.value;
        }
    } catch (const std::exception& e) {
        // Device and format errors were shown by the engine's alerts.
        TRACE("Settings: control hit failed: %s", e.what());
    }
    Changed();
}

// ---- Applying and saving

bool CSettingsModel::setupPressed(bool save) {
    const int outItem = output.value;
    int formatItem = format.value;
    const int position = bufferSize.value;
    const int channelItem = channels.value;
    const int clockItem = clock.enabled ? clock.value : 0;
    const bool unsupportedChosen = m_unsupportedAppended && formatItem == format.Count();
    if (m_unsupportedAppended) {
        format.items.pop_back();
        m_unsupportedAppended = false;
        if (formatItem > format.Count()) format.value = 0;
    }

    AttachAll();

    m_engine->stopGraph();
    const uint32_t device = outItem >= 2 ? m_engine->getAudioDeviceIDbyIndex(outItem - 2) : 0;
    if (device == 0) {
        m_engine->graphSetOutputDeviceToNone();
        SetPlaying(false);
    } else {
        const int index = outItem - 2;
        AudioStreamBasicDescription wanted = m_engine->getCurrentFormat();
        if (const AudioStreamBasicDescription* f =
                m_engine->getStreamDescriptionByAudioDeviceIDAndIndex(device, formatItem - 1)) {
            wanted = *f;
        } else if (!unsupportedChosen || wanted.mSampleRate <= 0) {
            // Nothing playable is chosen: the device's default format.
            formatItem = std::max(DefaultFormatItem(device), 1);
            const AudioStreamBasicDescription* chosen =
                m_engine->getStreamDescriptionByAudioDeviceIDAndIndex(device, formatItem - 1);
            if (!chosen) throw ZbrNullException("streamDescription");
            wanted = *chosen;
        }
        const uint32_t frames = BufferPositionToSize(position, kBufferMin, kBufferMax);
        bool has = false, settable = false;
        m_engine->Device_IsSupportClockSource(device, &has, &settable);
        std::vector<uint32_t> sources;
        if (has) m_engine->Device_GetClockSourceIDList(device, &sources);
        const bool setClock = clockItem >= 1 && clockItem <= static_cast<int>(sources.size());
        const uint32_t clockID = setClock ? sources[static_cast<size_t>(clockItem - 1)] : 0;
        const uint32_t startChannel = channelItem >= 1 ? 2u * static_cast<uint32_t>(channelItem - 1) : 0u;
        bool failed = false, result = false;
        m_engine->graphSetOutputDeviceAndStream(device, m_engine->IsDeviceAnyRateAtIndex(index), wanted,
                                                frames, startChannel, setClock, clockID, !m_touched, &failed,
                                                &result);
        if (failed) return result;
        // The device's own size when the user left the slider alone.
        if (!m_touched) SetFrameSizeControlByFrameSizeValue(m_engine->GetDeviceBufferFrameSize());
        m_engine->startGraph();
        SetPlaying(m_engine->IsPlaying());
    }

    const int mode = knobMode.value >= 1 ? knobMode.value - 1 : 2;
    m_engine->CpuLoad().SetAutoStop(autoStop, cpuLimit.value);
    if (m_midiManager) m_midiManager->SetKnobMode(mode);

    if (save) WriteRecord();
    Changed();
    return true;
}

bool CSettingsModel::WriteRecord() {
    SaveData d;
    const uint32_t device = m_engine->getCurrentAudioDeviceID();
    const int index = m_engine->getAudioIndexByAudioDeviceID(device) - 1;
    if (device != 0 && index >= 0) {
        m_engine->GetDeviceName(index, &d.deviceName);
        if (d.deviceName.size() > SaveData::kNameSize - 1) d.deviceName.resize(SaveData::kNameSize - 1);
        if (!d.deviceName.empty()) d.format = m_engine->getCurrentFormat();
    }
    for (int i = 0; i < 4; ++i) {
        d.midiEntry[i] = m_attached[i];
        const std::vector<MidiEntry>& list = i < 3 ? m_inputs : m_clockEntries;
        const bool found =
            m_attached[i].endpoint != 0 && std::any_of(list.begin(), list.end(), [&](const MidiEntry& e) {
                return e.endpoint == m_attached[i].endpoint;
            });
        if (found) {
            d.midiEndpointName[i] = m_attached[i].endpointName;
            d.midiDeviceName[i] = m_attached[i].deviceName;
        }
    }
    d.bufferFrames = device != 0 ? m_engine->GetDeviceBufferFrameSize() : SliderBufferSize();
    d.firstChannel = channels.value >= 1 ? 2u * static_cast<uint32_t>(channels.value - 1) : 0u;
    d.version = SaveData::kCurrentVersion;
    d.autoStop = autoStop;
    d.cpuLimit = static_cast<uint32_t>(cpuLimit.value);
    d.knobMode = knobMode.value >= 1 ? static_cast<uint32_t>(knobMode.value - 1) : 2u;
    d.clockSourceID = 0;
    if (device != 0) {
        bool has = false, settable = false;
        m_engine->Device_IsSupportClockSource(device, &has, &settable);
        if (has && settable) d.clockSourceID = m_engine->Device_GetCurrentClockSourceID();
    }
    std::string why;
    if (!SaveDataWriteFile(m_path, d, &why)) {
        // Applied all the same, for this run; the user learns that the next start will not have them.
        TRACE("Settings: the preferences could not be written to %s", m_path.c_str());
        ShowErrorAlert(kSettingsNotSaved, m_path + ": " + why);
        return false;
    }
    return true;
}

int CSettingsModel::InputItemFor(const std::string& endpointName, const std::string& deviceName,
                                 uint32_t uniqueID) const {
    for (size_t i = 0; i < m_inputs.size(); ++i) {
        const MidiEntry& e = m_inputs[i];
        if (!deviceName.empty() ? e.uniqueID == uniqueID : e.endpointName == endpointName)
            return static_cast<int>(i) + 2;
    }
    return 0;
}

int CSettingsModel::ClockItemFor(const std::string& endpointName, const std::string& deviceName,
                                 uint32_t uniqueID) const {
    for (size_t i = 0; i < m_clockEntries.size(); ++i) {
        const MidiEntry& e = m_clockEntries[i];
        if (!deviceName.empty() ? e.uniqueID == uniqueID : e.endpointName == endpointName)
            return static_cast<int>(i);
    }
    return -1;
}

bool CSettingsModel::loadSettings(bool showAlerts) {
    const SaveData d = SaveDataReadFile(m_path);
    bool attention = false;

    // Output device.
    uint32_t device = 0;
    const int item = d.deviceName.empty() ? 0 : m_engine->getAudioDeviceIndexByName(d.deviceName, &device);
    if (item >= 2) {
        const int index = item - 2;
        int formatItem = m_engine->getAudioStreamIndexByAudioStreamBasicDescription(device, d.format);
        if (formatItem <= 0) {
            formatItem = 0;  // the device's default
            if (showAlerts) ShowNoteAlert("Device format changed");
            attention = true;
        }
        outChanged(index + 1, formatItem);
        SetFrameSizeControlByFrameSizeValue(d.bufferFrames);
        const int channelItem = static_cast<int>(d.firstChannel / 2) + 1;
        if (channels.Has(channelItem)) channels.value = channelItem;
    } else {
        SetNoDevice();
        SetPlaying(false);
        if (!d.deviceName.empty()) attention = true;
    }

    // MIDI inputs.
    for (int slot = 0; slot < 3; ++slot) {
        int found = 1;
        if (!d.midiEndpointName[slot].empty()) {
            found =
                InputItemFor(d.midiEndpointName[slot], d.midiDeviceName[slot], d.midiEntry[slot].uniqueID);
            if (found == 0) {
                attention = true;
                found = 1;
            }
        }
        SelectInput(slot, found);
    }

    // Clock source.
    uint32_t clockEndpoint = 0;
    if (!d.midiEndpointName[3].empty()) {
        const int c = ClockItemFor(d.midiEndpointName[3], d.midiDeviceName[3], d.midiEntry[3].uniqueID);
        if (c < 0) {
            attention = true;
        } else {
            clockEndpoint = m_clockEntries[static_cast<size_t>(c)].endpoint;
        }
    }
    UpdateClockSourcePopup(clockEndpoint);

    // Other settings (the record's defaults for older versions).
    SetSettingDialogOtherSettings(d.autoStop, static_cast<int>(d.cpuLimit), static_cast<int>(d.knobMode));

    // The device's clock source.
    if (device != 0 && item >= 2) {
        bool has = false, settable = false;
        m_engine->Device_IsSupportClockSource(device, &has, &settable);
        if (has) {
            std::vector<uint32_t> sources;
            m_engine->Device_GetClockSourceIDList(device, &sources);
            const auto at = std::find(sources.begin(), sources.end(), d.clockSourceID);
            clock.value = at == sources.end() ? 1 : static_cast<int>(at - sources.begin()) + 1;
        }
    }
    Changed();
    return attention;
}

void CSettingsModel::recoverAfterCancel() {
    try {
        loadSettings(false);
    } catch (const ZbrException& e) {
        TRACE("Settings: no saved settings to go back to (%s)", e.what());
        SetNoDevice();
        SetPlaying(false);
        setLatencyString();
        for (int slot = 0; slot < 3; ++slot) SelectInput(slot, 1);
        UpdateClockSourcePopup(0);
        SetSettingDialogOtherSettings(false, 100, 2);
    }
    Changed();
}

// ---- Idle tasks

void CSettingsModel::HardwareDevicesChanged() {
    const uint32_t before = m_engine->getCurrentAudioDeviceID();
    m_engine->getAllDevices();
    setOutputPopup();
    const uint32_t now = m_engine->getCurrentAudioDeviceID();
    const int index = m_engine->getAudioIndexByAudioDeviceID(now) - 1;
    if (now == 0 || index < 0) {
        SetNoDevice();
        // Applied, not saved: the record keeps naming the device that went away, so that it is
        // used again once it is back (the next start, or a cancel after it returns).
        if (before != 0) {
            try {
                setupPressed(false);
            } catch (const ZbrException& e) {
                TRACE("Settings: applying no device failed: %s", e.what());
            }
        }
    } else {
        outChanged(index + 1, m_engine->getAudioStreamIndexByAudioStreamBasicDescription(
                                  now, m_engine->getCurrentFormat()));
        try {
            loadSettings(false);
        } catch (const ZbrException& e) {
            TRACE("Settings: %s", e.what());
        }
    }
    Changed();
}

void CSettingsModel::NoteMidiChange() {
    m_midiNoticedMs = NowMs();
}

void CSettingsModel::MIDIDeviceChanged() {
    if (!m_midiManager || !m_midiManager->CheckUpdated()) return;
    if (m_midiNoticedMs == 0) m_midiNoticedMs = NowMs();
    ShowNoteAlert("MIDI Device changed");
    // Give a device that is being plugged in time to show all its ports.
    const uint64_t until = m_midiNoticedMs + static_cast<uint64_t>(m_settleMs);
    const uint64_t now = NowMs();
    if (now < until) std::this_thread::sleep_for(std::chrono::milliseconds(until - now));
    m_midiNoticedMs = 0;

    MidiEntry remembered[4];
    for (int slot = 0; slot < 3; ++slot) {
        const int item = midi[slot].value;
        if (item >= 2 && item - 2 < static_cast<int>(m_inputs.size()))
            remembered[slot] = m_inputs[static_cast<size_t>(item - 2)];
    }
    const uint32_t clockEndpoint = ClockEndpointOfItem(midi[3].value);
    for (const MidiEntry& e : m_clockEntries)
        if (clockEndpoint != 0 && e.endpoint == clockEndpoint) remembered[3] = e;

    getMidiEntry();
    // An endpoint that is no longer a source is forgotten.
    for (MidiEntry& r : remembered) {
        const bool present = std::any_of(m_clockEntries.begin(), m_clockEntries.end(),
                                         [&](const MidiEntry& e) { return SameSource(e, r); });
        if (!present) r = MidiEntry{};
    }
    setMidiPopup();
    for (int slot = 0; slot < 3; ++slot) {
        int item = 1;
        for (size_t i = 0; i < m_inputs.size() && remembered[slot].endpoint != 0; ++i)
            if (SameSource(m_inputs[i], remembered[slot])) item = static_cast<int>(i) + 2;
        SelectInput(slot, item);
    }
    UpdateClockSourcePopup(remembered[3].endpoint);
    Changed();
}

void CSettingsModel::ClockSourceChanged() {
    const uint32_t device = m_engine->getCurrentAudioDeviceID();
    if (device == 0) return;
    bool has = false, settable = false;
    m_engine->Device_IsSupportClockSource(device, &has, &settable);
    if (!has) return;
    std::vector<uint32_t> sources;
    m_engine->Device_GetClockSourceIDList(device, &sources);
    const auto at = std::find(sources.begin(), sources.end(), m_engine->Device_GetCurrentClockSourceID());
    clock.value = at == sources.end() ? 1 : static_cast<int>(at - sources.begin()) + 1;
    Changed();
}

void CSettingsModel::FormatChanged() {
    m_engine->DeviceFormatChangedTask();
    const uint32_t device = m_engine->getCurrentAudioDeviceID();
    if (device == 0) return;
    const int item =
        m_engine->getAudioStreamIndexByAudioStreamBasicDescription(device, m_engine->getCurrentFormat());
    if (item > 0) {
        format.value = item;
    } else {
        if (!m_unsupportedAppended) {
            format.Append(VintorLocalizedString("Unsupported format"), false);
            m_unsupportedAppended = true;
        }
        format.value = format.Count();
    }
    updateFrameSizeControl();
    Changed();
}
