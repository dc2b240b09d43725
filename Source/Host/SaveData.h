#pragma once
// The standalone program's preferences record: a file of 9,464 bytes, little-endian, read and
// written field by field. Layout (offsets in bytes):
//   0 magic 'VntC' (version 1 files: 'Vntc') as a 32-bit value; 4 output device name [1024];
//   1028 output format (f64 rate, then format id, flags, bytes per packet, frames per packet,
//   bytes per frame, channels, bits, reserved as u32); 1068 ... 8236 the endpoint and device names
//   of MIDI inputs 1-3 and the clock source [1024 each]; 9260, 9304, 9348, 9392 their MidiEntry
//   (44 bytes: label ref, endpoint-name ref, device-name ref, exclusive flag u8 + 3 pad, kind,
//   number, 1, unique id, endpoint, 0, 0); 9436 buffer frames; 9440 first output channel;
//   9444 version (3); 9448 auto stop u8 + 3 pad; 9452 CPU limit; 9456 knob mode; 9460 clock id.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Host/Audio/AudioTypes.h"

// A MIDI source as the settings lists hold it.
struct MidiEntry {
    std::string label;
    std::string endpointName;
    std::string deviceName;
    bool exclusive = false;
    uint32_t kind = 4;
    uint32_t number = 0;
    uint32_t one = 1;
    uint32_t uniqueID = 0;
    uint32_t endpoint = 0;  // the backend's handle; means nothing in a later run
    uint32_t zero1 = 0;
    uint32_t zero2 = 0;
};

struct SaveData {
    static constexpr size_t kSize = 9464;
    static constexpr size_t kVersion1Size = 9444;  // the fields up to the version word
    static constexpr size_t kVersion2Size = 9460;  // and auto stop, CPU limit, knob mode
    static constexpr size_t kNameSize = 1024;
    static constexpr uint32_t kMagic = 0x566E7443u;    // 'VntC'
    static constexpr uint32_t kMagicV1 = 0x566E7463u;  // 'Vntc'
    static constexpr uint32_t kCurrentVersion = 3;

    std::string deviceName;
    AudioStreamBasicDescription format{};
    std::string midiEndpointName[4];  // inputs 1-3, then the clock source
    std::string midiDeviceName[4];
    MidiEntry midiEntry[4];
    uint32_t bufferFrames = 256;
    uint32_t firstChannel = 0;
    uint32_t version = kCurrentVersion;  // as read; 3 when written
    bool autoStop = false;
    uint32_t cpuLimit = 100;
    uint32_t knobMode = 2;
    uint32_t clockSourceID = 0;
};

// The record's bytes (always kSize). Names longer than 1023 bytes are cut.
std::vector<uint8_t> SaveDataEncode(const SaveData& data);
// Reads a record from a file's bytes. Throws a ZbrException for a record it refuses: shorter than
// the version-1 fields, a magic other than the two, a version below 1, or a 'VntC' file shorter than
// the fields of its version. A 'Vntc' file short of its stored version's fields is a version-1
// record. Fields a version does not have take their defaults; a version above 3 is read as 3.
SaveData SaveDataDecode(const uint8_t* bytes, size_t length);

// $XDG_CONFIG_HOME (else ~/.config) + "/Velk Tolva Editor Preferences".
std::string getSettingFilePath();
// Reads the file; throws ZbrNullException "fp" when it cannot be opened, and as SaveDataDecode.
SaveData SaveDataReadFile(const std::string& path);
// Writes a temporary file beside it, flushes it to disk and renames it over the path, making the
// folder when missing. False, with the old file untouched and the reason in *why (when given), when
// any step fails.
bool SaveDataWriteFile(const std::string& path, const SaveData& data, std::string* why = nullptr);
