// Streams and files: host chunks and data files in and out of the working image (main thread).
//
// Host chunks (kinds 17 to 20, what the plug-in's getChunk asks for) carry the host's state: while
// no instrument is connected, or while Connect runs, a save hands back the state the host gave us
// (or the empty state, 4 zero bytes), never a half-received image. Data files always hold the
// working image.
//
// Every load is first read into a scratch copy of the working image, so a stream that does not load
// changes nothing. Connected, the loaded part goes to the instrument and only then into the working
// image. Disconnected, the part goes into the working image at once, so the user sees what was
// loaded, and the stream is kept as the pending state that the next Connect merges into the
// instrument's data.
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "Common/Files/Persist.h"
#include "Common/Link/RemoteSynthImpl.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

// What a stream may hold: a Nerimo bank is 900,000 bytes, a PCG file a little over a megabyte.
constexpr std::streamoff kMaxStreamBytes = 16 << 20;
// The empty state: what a host chunk holds when it was saved with nothing to save.
constexpr std::streamoff kEmptyStateBytes = 4;

bool IsHostChunk(FTYPE kind) {
    return kind >= FTYPE_VSTBANK && kind <= FTYPE_VSTMULTI;
}

bool IsWholeImage(FTYPE kind) {
    return kind == FTYPE_ALL || kind == FTYPE_FILTERED || kind == FTYPE_VSTBANK ||
           (kind >= FTYPE_PCG_FIRST && kind <= FTYPE_PCG_LAST);
}

bool Ok(QNRESULT r) {
    return QN_SUCCEEDED(r);
}

bool SaveToStream(void* to, uint8_t model, const PERSISTPARAMS* params) {
    return PersistSaveStream(*static_cast<std::ostream*>(to), model, params);
}

bool SaveToPath(void* to, uint8_t model, const PERSISTPARAMS* params) {
    return PersistSaveStream(static_cast<const char*>(to), model, params);
}

}  // namespace

bool CRemoteSynthImpl::SaveImage(FTYPE kind, unsigned index,
                                 bool (*save)(void* to, uint8_t model, const PERSISTPARAMS*), void* to) {
    if (m_connecting.load()) {
        // The image is being received: half of it is the instrument's, half what was there before.
        TRACE("RemoteSynth: no save while connecting\n");
        return false;
    }
    IRemoteMIDI* link = m_link;
    if (link && m_connected.load() && GetMode() == kModeProgPlay) {
        // The instrument's current program is fresh only after it went through program edit.
        link->SendModeChange(kModeProgEdit);
        link->SendModeChange(kModeProgPlay);
        link->SendCurProgDumpReq();
    }
    auto image = std::make_unique<CHUNK_REMOTESYNTH>();
    CopyImage(image.get());
    image->mode = m_virtualMode.load();
    PERSISTPARAMS params{};
    params.kind = kind;
    params.index = index;
    params.image = image.get();
    m_setupSection.BuildFilter(&params.filter);
    params.rtc = m_rtc.GetStat();
    return save(to, m_model, &params);
}

bool CRemoteSynthImpl::SaveStream(std::ostream& os, FTYPE kind, unsigned index) {
    if (IsHostChunk(kind)) {
        if (!m_pending.empty()) {
            os.write(m_pending.data(), static_cast<std::streamsize>(m_pending.size()));
            return os.good();
        }
        if (!m_connected.load() || m_connecting.load()) {
            const char empty[kEmptyStateBytes] = {};
            os.write(empty, sizeof empty);
            return os.good();
        }
    }
    return SaveImage(kind, index, &SaveToStream, &os);
}

bool CRemoteSynthImpl::SaveFile(const char* path, FTYPE kind, unsigned index) {
    if (!path || !*path) return false;
    // A file always holds the image the user sees, whatever the host keeps for later.
    return SaveImage(kind, index, &SaveToPath, const_cast<char*>(path));
}

bool CRemoteSynthImpl::LoadFile(const char* path, unsigned index) {
    std::ifstream is;
    if (path) is.open(path, std::ios::binary);
    if (!is.is_open()) {
        TRACE("RemoteSynth: LoadFile(), cannot open the file\n");
        return false;
    }
    return LoadStream(is, index);
}

bool CRemoteSynthImpl::LoadStream(std::istream& is, unsigned index) {
    const std::istream::pos_type start = is.tellg();
    if (start == std::istream::pos_type(-1)) return false;
    is.seekg(0, std::ios::end);
    const std::istream::pos_type end = is.tellg();
    is.seekg(start);
    if (end == std::istream::pos_type(-1) || !is) {
        is.clear();
        is.seekg(start);
        return false;
    }
    const std::streamoff length = end - start;
    if (length <= kEmptyStateBytes) return true;
    if (length > kMaxStreamBytes) {
        TRACE("RemoteSynth: LoadStream(), %lld bytes is too large\n", static_cast<long long>(length));
        return false;
    }

    // A stream of no kind we read (a host's chunk from elsewhere, a damaged file) is refused before a
    // scratch image is made for it.
    FTYPE found = FTYPE_UNKNOWN;
    const bool known = PersistFindStreamType(is, &found, nullptr);
    is.clear();
    is.seekg(start);
    if (!known || !is) return false;

    // Read into a scratch copy first: nothing changes unless the whole stream loads.
    auto scratch = std::make_unique<CHUNK_REMOTESYNTH>();
    CopyImage(scratch.get());
    PERSISTPARAMS params{};
    params.kind = FTYPE_UNKNOWN;
    params.index = index;
    params.image = scratch.get();
    params.rtc = m_rtc.GetStat();
    if (!PersistLoadStream(is, m_model, &params)) return false;
    if (params.kind == FTYPE_UNKNOWN || params.kind > FTYPE_PCG_LAST) return false;

    const bool connecting = m_connecting.load();
    if (m_connected.load() && !connecting)
        return ApplyLoaded(params.kind, index, scratch.get(), params.rtc, true);

    // No instrument (or one being connected): keep the stream for the next Connect.
    std::string bytes(static_cast<size_t>(length), '\0');
    is.read(bytes.data(), length);
    const bool whole = is.gcount() == length;
    is.clear();
    is.seekg(start);
    if (!whole) return false;
    // Meanwhile the user sees it; while Connect receives the instrument's data the image is its own.
    if (!connecting) ApplyLoaded(params.kind, index, scratch.get(), params.rtc, false);
    m_pending.swap(bytes);
    return true;
}

bool CRemoteSynthImpl::ApplyLoaded(FTYPE kind, unsigned index, CHUNK_REMOTESYNTH* scratch, const RTCSTAT& rtc,
                                   bool send) {
    IRemoteMIDI* link = m_link;
    if (send && !link) return false;

    if (IsWholeImage(kind)) {
        if (scratch->mode > kModeMulti) scratch->mode = kModeCombiPlay;
        if (send && !Ok(HandleSendAll(scratch, "Transmitting..."))) return false;
        {
            CImageGuard g(this);
            std::memcpy(m_image.get(), scratch, sizeof *scratch);
        }
        SetModes(scratch->mode);
        OnApplyAll();
        if (m_virtualMode.load() != kModeMulti) m_rtc.RestoreStat(rtc, send ? kPutPlain : kPutNotify);
        if (send) {
            const SOUNDINDEX s = GetCurSound();
            Post(kEvReassertSound, static_cast<long>(s.bank << 8 | s.number), true);
        }
        return true;
    }

    // The part of the image the kind names, how it goes to the instrument, and who is told.
    const unsigned progBanks = ProgramBankCount(m_model);
    const int item = static_cast<int>(index);
    unsigned offset = 0, size = 0;
    std::function<QNRESULT(const uint8_t*)> sendPart;
    std::function<void()> tell;
    switch (kind) {
        case FTYPE_ALLPROG:
            offset = kAreaPrograms.offset;
            size = kAreaPrograms.Size();  // every bank the image has room for
            sendPart = [&](const uint8_t* d) {
                return link->SendProgDump(-1, -1, d, progBanks * kAreaPrograms.BankSize());
            };
            tell = [&] { PostBankList(kModeProgPlay, 0xFF, 0xFF); };
            break;
        case FTYPE_ALLCOMBI:
            offset = kAreaCombis.offset;
            size = kAreaCombis.Size();
            sendPart = [&](const uint8_t* d) { return link->SendCombiDump(-1, -1, d, size); };
            tell = [&] { PostBankList(kModeCombiPlay, 0xFF, 0xFF); };
            break;
        case FTYPE_ALLMULTI:
            offset = kAreaMultis.offset;
            size = kAreaMultis.Size();
            sendPart = [&](const uint8_t* d) { return link->SendMultiDump(-1, d, size); };
            tell = [&] { PostBankList(kModeMulti, 0xFF, 0xFF); };
            break;
        case FTYPE_BANKPROG:
            if (index >= progBanks) return false;
            offset = kAreaPrograms.At(index, 0);
            size = kAreaPrograms.BankSize();
            sendPart = [&](const uint8_t* d) { return link->SendProgDump(item, -1, d, size); };
            tell = [&] { PostBankList(kModeProgPlay, index, 0xFF); };
            break;
        case FTYPE_BANKCOMBI:
            if (index >= kCombiBankCount) return false;
            offset = kAreaCombis.At(index, 0);
            size = kAreaCombis.BankSize();
            sendPart = [&](const uint8_t* d) { return link->SendCombiDump(item, -1, d, size); };
            tell = [&] { PostBankList(kModeCombiPlay, index, 0xFF); };
            break;
        case FTYPE_PROG:
        case FTYPE_VSTPROG:
            offset = kAreaCurProgram.offset;
            size = kSizeProgram;
            sendPart = [&](const uint8_t* d) { return link->SendCurProgDump(d, size); };
            tell = [&] {
                ClearProgPlayLocal();
                m_progPlay.OnReinitialized();
                m_progEdit.OnReinitialized();
            };
            break;
        case FTYPE_COMBI:
        case FTYPE_VSTCOMBI:
            offset = kAreaCurCombi.offset;
            size = kSizeCombi;
            sendPart = [&](const uint8_t* d) { return link->SendCurCombiDump(d, size); };
            tell = [&] {
                m_combiPlay.OnReinitialized();
                m_combiEdit.OnReinitialized();
            };
            break;
        case FTYPE_MULTI:
        case FTYPE_VSTMULTI:
            offset = kAreaCurMulti.offset;
            size = kSizeMulti;
            sendPart = [&](const uint8_t* d) { return link->SendCurMultiDump(d, size); };
            tell = [&] { m_multi.OnReinitialized(); };
            break;
        case FTYPE_ALLDKIT:
        case FTYPE_DKIT:
            if (kind == FTYPE_DKIT && index >= kAreaDrumKits.count) return false;
            offset = kind == FTYPE_DKIT ? kAreaDrumKits.At(index) : kAreaDrumKits.offset;
            size = kind == FTYPE_DKIT ? kSizeDrumKit : kAreaDrumKits.Size();
            sendPart = [&](const uint8_t* d) {
                return link->SendDrumkitDump(kind == FTYPE_DKIT ? item : -1, d, size);
            };
            tell = [&] { m_kits.FireOnSectionReinitialized(); };
            break;
        case FTYPE_ALLAPAT:
        case FTYPE_APAT:
            if (kind == FTYPE_APAT && index >= kAreaArpPatterns.count) return false;
            offset = kind == FTYPE_APAT ? kAreaArpPatterns.At(index) : kAreaArpPatterns.offset;
            size = kind == FTYPE_APAT ? kSizeArpPattern : kAreaArpPatterns.Size();
            sendPart = [&](const uint8_t* d) {
                return link->SendArpPatternDump(kind == FTYPE_APAT ? item : -1, d, size);
            };
            tell = [&] { m_patterns.FireOnSectionReinitialized(); };
            break;
        case FTYPE_ALLEXTC:
        case FTYPE_EXTC:
            if (kind == FTYPE_EXTC && index >= kAreaExtControls.count) return false;
            offset = kind == FTYPE_EXTC ? kAreaExtControls.At(index) : kAreaExtControls.offset;
            size = kind == FTYPE_EXTC ? kSizeExtControl : kAreaExtControls.Size();
            sendPart = [&](const uint8_t* d) {
                return link->SendExtControlDump(kind == FTYPE_EXTC ? item : -1, d, size);
            };
            tell = [&] { m_exts.FireOnSectionReinitialized(); };
            break;
        default:
            return false;
    }
    const uint8_t* part = scratch->Bytes() + offset;
    if (send && !Ok(sendPart(part))) return false;
    CopyIn(offset, part, size);
    tell();
    return true;
}

}  // namespace QorX0
