// Streams and files: host chunks and data files in and out of the working image (main thread).
//
// Host chunks (kinds 17 to 20, what the plug-in's getChunk asks for) carry the host's state: while
// no instrument is connected, or while Connect runs, a save hands back the state the host gave us
// with every later load on top (or the empty state, 4 zero bytes), never a half-received image.
// Data files always hold the working image.
//
// Every load is first read into a scratch copy of the working image, so a stream that does not load
// changes nothing. Connected and online, a data file goes to the instrument and only then into the
// working image. Otherwise (no instrument, one that does not answer, or a host's chunk, which must
// never keep the host waiting for a transfer) the part goes into the working image at once, so the
// user sees it, and the stream joins the pending items, in order, each with the place it was loaded
// to: they are sent as soon as the instrument can take them, or merged at the next Connect.
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "Common/Files/ChunkHeader.h"
#include "Common/Files/Persist.h"
#include "Common/Link/RemoteSynthImpl.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

// What a stream may hold: a Nerimo bank is 900,000 bytes, a PCG file a little over a megabyte.
constexpr std::streamoff kMaxStreamBytes = 16 << 20;
// The empty state: what a host chunk holds when it was saved with nothing to save.
constexpr std::streamoff kEmptyStateBytes = 4;
// What the pending items may hold in all.
constexpr size_t kMaxPendingBytes = 64u << 20;

// The kind of a host chunk that wraps a native kind.
FTYPE HostChunkKindOf(FTYPE inner) {
    switch (inner) {
        case FTYPE_PROG:
            return FTYPE_VSTPROG;
        case FTYPE_COMBI:
            return FTYPE_VSTCOMBI;
        case FTYPE_MULTI:
            return FTYPE_VSTMULTI;
        default:
            return FTYPE_VSTBANK;
    }
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
                                 bool (*save)(void* to, uint8_t model, const PERSISTPARAMS*), void* to,
                                 const FXBFILTERINFO* filter) {
    if (m_connecting.load()) {
        // The image is being received: half of it is the instrument's, half what was there before.
        TRACE("RemoteSynth: no save while connecting\n");
        return false;
    }
    IRemoteMIDI* link = m_link;
    // Only from an instrument that answers: a host's save never waits for a time-out.
    if (link && m_connected.load() && m_online.load() && GetMode() == kModeProgPlay) {
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
    if (filter)
        params.filter = *filter;
    else
        m_setupSection.BuildFilter(&params.filter);
    params.rtc = m_rtc.GetStat();
    return save(to, m_model, &params);
}

std::string CRemoteSynthImpl::PendingState() const {
    std::string all;
    for (const PendingItem& item : m_pending) all += item.bytes;
    return all;
}

bool CRemoteSynthImpl::SavePendingForHost(std::ostream& os, FTYPE kind, unsigned index) {
    // One stream handed back as it came (a host's project round trip is byte for byte).
    if (m_pending.size() == 1) {
        os.write(m_pending[0].bytes.data(), static_cast<std::streamsize>(m_pending[0].bytes.size()));
        return os.good();
    }
    const PendingItem* lastHost = nullptr;
    for (const PendingItem& item : m_pending)
        if (IsHostChunkKind(item.kind)) lastHost = &item;
    // A host that asks for a preset gets the preset it handed over last.
    if (kind != FTYPE_VSTBANK && lastHost && lastHost->kind != FTYPE_VSTBANK) {
        os.write(lastHost->bytes.data(), static_cast<std::streamsize>(lastHost->bytes.size()));
        return os.good();
    }
    const PendingItem* hostBank = nullptr;
    bool onlyCurrent = true;
    for (const PendingItem& item : m_pending) {
        if (item.kind == FTYPE_VSTBANK || item.kind == FTYPE_FILTERED) hostBank = &item;
        onlyCurrent = onlyCurrent && IsCurrentSoundKind(item.kind);
    }
    if (m_connecting.load()) {
        // The image is being received: the last host chunk stands for the state.
        for (auto it = m_pending.rbegin(); it != m_pending.rend(); ++it)
            if (IsHostChunkKind(it->kind)) {
                os.write(it->bytes.data(), static_cast<std::streamsize>(it->bytes.size()));
                return os.good();
            }
        return false;
    }
    // Several loads: what the editor shows of them. A bank chunk holds the parts the host's own
    // bank chunk held (its filter), now with the later loads on top; current sounds alone, only
    // the current sounds.
    FXBFILTERINFO filter{};
    if (hostBank) {
        filter = hostBank->filter;
    } else if (onlyCurrent) {
        filter.multiBank = 0xFF;
    } else {
        m_setupSection.BuildFilter(&filter);
    }
    // Made whole first: the host's stream need not seek back.
    std::ostringstream made(std::ios::binary);
    if (!SaveImage(kind, index, &SaveToStream, &made, &filter)) return false;
    const std::string bytes = std::move(made).str();
    os.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return os.good();
}

bool CRemoteSynthImpl::SaveStream(std::ostream& os, FTYPE kind, unsigned index) {
    if (IsHostChunkKind(kind) && !m_pending.empty() &&
        (!m_connected.load() || m_connecting.load() || !m_synced.load())) {
        // The editor's image is not the instrument's data overlaid with what is pending.
        return SavePendingForHost(os, kind, index);
    }
    if (IsHostChunkKind(kind) && (!m_connected.load() || m_connecting.load())) {
        const char empty[kEmptyStateBytes] = {};
        os.write(empty, sizeof empty);
        return os.good();
    }
    // Connected and synchronised, the editor's image holds whatever is pending on top of the
    // instrument's data.
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
    // A host's chunk (behind its chunk header) is the host's state, not a file the user opened.
    const bool hostChunk = ParseStreamVSTHeader(is);
    is.clear();
    is.seekg(start);

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
    const bool online = m_connected.load() && !connecting && m_online.load();
    if (online && !hostChunk) return ApplyLoaded(params.kind, index, scratch.get(), params.rtc, true);

    // Kept for the instrument, and shown meanwhile.
    PendingItem item;
    item.kind = hostChunk ? HostChunkKindOf(params.kind) : params.kind;
    item.index = index;
    item.filter = params.filter;
    item.bytes.assign(static_cast<size_t>(length), '\0');
    is.read(item.bytes.data(), length);
    const bool whole = is.gcount() == length;
    is.clear();
    is.seekg(start);
    if (!whole) return false;
    size_t total = item.bytes.size();
    for (const PendingItem& p : m_pending) total += p.bytes.size();
    if (total > kMaxPendingBytes) {
        TRACE("RemoteSynth: LoadStream(), too much is waiting for the instrument\n");
        return false;
    }
    // While Connect receives the instrument's data the image is its own; the merge shows the item.
    if (!connecting && !ApplyLoaded(params.kind, index, scratch.get(), params.rtc, false)) return false;
    AddPending(std::move(item));
    if (online) PostSendPending();
    return true;
}

void CRemoteSynthImpl::AddPending(PendingItem item) {
    // An earlier item the new one covers whole says nothing any more, wherever it stood.
    const bool everything = item.kind == FTYPE_ALL;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        const bool samePlace = it->kind == item.kind && it->index == item.index &&
                               (!(item.kind == FTYPE_FILTERED || item.kind == FTYPE_VSTBANK) ||
                                std::memcmp(&it->filter, &item.filter, sizeof item.filter) == 0) &&
                               !(item.kind >= FTYPE_PCG_FIRST && item.kind <= FTYPE_PCG_LAST);
        if (everything || samePlace || it->bytes == item.bytes)
            it = m_pending.erase(it);
        else
            ++it;
    }
    item.serial = ++m_pendingSerial;
    m_pending.push_back(std::move(item));
}

bool CRemoteSynthImpl::ApplyLoaded(FTYPE kind, unsigned index, CHUNK_REMOTESYNTH* scratch, const RTCSTAT& rtc,
                                   bool send) {
    IRemoteMIDI* link = m_link;
    if (send && !link) return false;

    if (IsWholeImageKind(kind)) {
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
