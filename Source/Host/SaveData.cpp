#include "Host/SaveData.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "Host/HostSupport.h"
#include "Linux/Trace.h"

namespace {

constexpr size_t kDeviceNameAt = 4;
constexpr size_t kFormatAt = 1028;
constexpr size_t kMidiNamesAt = 1068;
constexpr size_t kMidiEntryAt = 9260;
constexpr size_t kMidiEntrySize = 44;
constexpr size_t kBufferFramesAt = 9436;
constexpr size_t kFirstChannelAt = 9440;
constexpr size_t kVersionAt = 9444;
constexpr size_t kAutoStopAt = 9448;
constexpr size_t kCpuLimitAt = 9452;
constexpr size_t kKnobModeAt = 9456;
constexpr size_t kClockSourceAt = 9460;

void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t Get32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
void PutName(uint8_t* p, const std::string& s) {
    const size_t n = std::min(s.size(), SaveData::kNameSize - 1);
    std::memcpy(p, s.data(), n);
}
// Bounded: a damaged field without its NUL ends at the field's last byte.
std::string GetName(const uint8_t* p) {
    const void* nul = std::memchr(p, 0, SaveData::kNameSize - 1);
    const size_t n =
        nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - p) : SaveData::kNameSize - 1;
    return std::string(reinterpret_cast<const char*>(p), n);
}

}  // namespace

std::vector<uint8_t> SaveDataEncode(const SaveData& d) {
    std::vector<uint8_t> b(SaveData::kSize, 0);
    uint8_t* p = b.data();
    Put32(p, SaveData::kMagic);
    PutName(p + kDeviceNameAt, d.deviceName);
    if (!d.deviceName.empty()) {
        uint64_t rate;
        std::memcpy(&rate, &d.format.mSampleRate, 8);
        Put32(p + kFormatAt, static_cast<uint32_t>(rate));
        Put32(p + kFormatAt + 4, static_cast<uint32_t>(rate >> 32));
        const uint32_t words[8] = {d.format.mFormatID,       d.format.mFormatFlags,
                                   d.format.mBytesPerPacket, d.format.mFramesPerPacket,
                                   d.format.mBytesPerFrame,  d.format.mChannelsPerFrame,
                                   d.format.mBitsPerChannel, d.format.mReserved};
        for (int i = 0; i < 8; ++i) Put32(p + kFormatAt + 8 + 4 * i, words[i]);
    }
    for (int i = 0; i < 4; ++i) {
        PutName(p + kMidiNamesAt + static_cast<size_t>(2 * i) * SaveData::kNameSize, d.midiEndpointName[i]);
        PutName(p + kMidiNamesAt + static_cast<size_t>(2 * i + 1) * SaveData::kNameSize, d.midiDeviceName[i]);
        const MidiEntry& e = d.midiEntry[i];
        uint8_t* q = p + kMidiEntryAt + static_cast<size_t>(i) * kMidiEntrySize;
        // Words 0-2 were references of the writing run; they are stored as 0.
        q[12] = e.exclusive ? 1 : 0;
        Put32(q + 16, e.kind);
        Put32(q + 20, e.number);
        Put32(q + 24, e.one);
        Put32(q + 28, e.uniqueID);
        Put32(q + 32, e.endpoint);
        Put32(q + 36, e.zero1);
        Put32(q + 40, e.zero2);
    }
    Put32(p + kBufferFramesAt, d.bufferFrames);
    Put32(p + kFirstChannelAt, d.firstChannel);
    Put32(p + kVersionAt, SaveData::kCurrentVersion);
    p[kAutoStopAt] = d.autoStop ? 1 : 0;
    Put32(p + kCpuLimitAt, d.cpuLimit);
    Put32(p + kKnobModeAt, d.knobMode);
    Put32(p + kClockSourceAt, d.clockSourceID);
    return b;
}

SaveData SaveDataDecode(const uint8_t* bytes, size_t length) {
    if (!(length >= SaveData::kVersion1Size)) throw ZbrIfNotException("readLength >= (int)sizeof(SaveData)");
    // Fields past the file's end read as zero; which of them count depends on the version.
    uint8_t b[SaveData::kSize] = {};
    std::memcpy(b, bytes, std::min(length, SaveData::kSize));
    const uint32_t magic = Get32(b);
    if (magic != SaveData::kMagic && magic != SaveData::kMagicV1) throw ZbrIfNotException("magic == 'VntC'");

    uint32_t version;
    if (magic == SaveData::kMagicV1 && length <= 9459) {
        version = 1;
    } else {
        if (length < kVersionAt + 4) {
            // A 'VntC' record cut inside its version word.
            throw ZbrIfNotException("readLength >= (int)sizeof(SaveData)");
        }
        version = Get32(b + kVersionAt);
        if (!(version >= 1)) throw ZbrIfNotException("version >= 1");
        if (version > SaveData::kCurrentVersion) version = SaveData::kCurrentVersion;
        const size_t need = version == 1   ? SaveData::kVersion1Size
                            : version == 2 ? SaveData::kVersion2Size
                                           : SaveData::kSize;
        if (length < need) {
            // A version-1 file is whole at 9444 bytes; a newer one cut short is damaged.
            if (magic != SaveData::kMagicV1) throw ZbrIfNotException("readLength >= (int)sizeof(SaveData)");
            version = 1;
        }
    }

    SaveData d;
    d.version = version;
    d.deviceName = GetName(b + kDeviceNameAt);
    uint64_t rate = uint64_t{Get32(b + kFormatAt)} | uint64_t{Get32(b + kFormatAt + 4)} << 32;
    std::memcpy(&d.format.mSampleRate, &rate, 8);
    uint32_t* words[8] = {&d.format.mFormatID,        &d.format.mFormatFlags,   &d.format.mBytesPerPacket,
                          &d.format.mFramesPerPacket, &d.format.mBytesPerFrame, &d.format.mChannelsPerFrame,
                          &d.format.mBitsPerChannel,  &d.format.mReserved};
    for (int i = 0; i < 8; ++i) *words[i] = Get32(b + kFormatAt + 8 + 4 * i);
    for (int i = 0; i < 4; ++i) {
        d.midiEndpointName[i] = GetName(b + kMidiNamesAt + static_cast<size_t>(2 * i) * SaveData::kNameSize);
        d.midiDeviceName[i] =
            GetName(b + kMidiNamesAt + static_cast<size_t>(2 * i + 1) * SaveData::kNameSize);
        const uint8_t* q = b + kMidiEntryAt + static_cast<size_t>(i) * kMidiEntrySize;
        MidiEntry& e = d.midiEntry[i];
        e.exclusive = q[12] != 0;
        e.kind = Get32(q + 16);
        e.number = Get32(q + 20);
        e.one = Get32(q + 24);
        e.uniqueID = Get32(q + 28);
        e.endpoint = Get32(q + 32);
        e.zero1 = Get32(q + 36);
        e.zero2 = Get32(q + 40);
    }
    d.bufferFrames = Get32(b + kBufferFramesAt);
    d.firstChannel = Get32(b + kFirstChannelAt);
    if (version >= 2) {
        d.autoStop = b[kAutoStopAt] != 0;
        d.cpuLimit = Get32(b + kCpuLimitAt);
        d.knobMode = Get32(b + kKnobModeAt);
    }
    if (version >= 3) d.clockSourceID = Get32(b + kClockSourceAt);
    return d;
}

std::string getSettingFilePath() {
    std::string folder;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/') {
        folder = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) throw ZbrNullException("*cfPrefsDirURL");
        folder = std::string(home) + "/.config";
    }
    std::string path = folder + "/Velk Tolva Editor Preferences";
    if (!(path.size() < PATH_MAX)) throw ZbrIfNotException("fileURLString.length() <= MAXPATHLEN");
    return path;
}

SaveData SaveDataReadFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw ZbrNullException("fp");
    std::vector<uint8_t> bytes(SaveData::kSize + 1);
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    close(fd);
    if (!(got >= 4)) throw ZbrIfNotException("readUnit == 1");
    return SaveDataDecode(bytes.data(), std::min(got, SaveData::kSize));
}

bool SaveDataWriteFile(const std::string& path, const SaveData& data, std::string* why) {
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        // Makes the folder and its parents when missing.
        std::string folder = path.substr(0, slash);
        for (size_t at = 1; at <= folder.size(); ++at) {
            if (at == folder.size() || folder[at] == '/') mkdir(folder.substr(0, at).c_str(), 0755);
        }
    }
    const std::vector<uint8_t> bytes = SaveDataEncode(data);
    const std::string temp = path + ".part";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        TRACE("Preferences: cannot write %s (%d)\n", temp.c_str(), errno);
        if (why) *why = std::strerror(errno);
        return false;
    }
    size_t put = 0;
    bool ok = true;
    int error = 0;
    while (ok && put < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + put, bytes.size() - put);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            error = n < 0 ? errno : ENOSPC;
        } else {
            put += static_cast<size_t>(n);
        }
    }
    if (ok && fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        if (why) *why = std::strerror(error);
        TRACE("Preferences: saving %s failed (%d); the previous file is kept\n", path.c_str(), errno);
        unlink(temp.c_str());
    }
    return ok;
}
