#pragma once
// The one implementation every section shares: a bound table over one record, the section's PID
// base, values through the rows' accessors and converters, parameter changes to the link, and
// observers called on the main thread.
//
// Impl (the derived class) may declare any of PrepareParamDesc, OnParamChanged, OnReinitialized and
// SendMIDIParam; the template calls Impl's by name, so a derived declaration replaces the default.
//
// Locking: see Sections.h. The image lock is taken only around bytes and section state; sends to
// the link and observer events happen after it is released.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "Common/Link/IRemoteMIDI.h"
#include "Common/Model/Converters.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/Sections.h"
#include "Linux/AsyncDispatch.h"
#include "Linux/Sync.h"
#include "Linux/Trace.h"

namespace QorX0 {

// Holds the owner's image lock for a scope (nothing before Init).
class CImageGuard : CMaybeLocked {
public:
    explicit CImageGuard(IHostProxy* host) : CMaybeLocked(host ? &host->GetImageLock() : nullptr) {}
};

// A parameter change carries 14 bits, which the receiver always reads as a signed number: -8192 to
// 8191. A value outside that is refused rather than sent truncated or read back negative (the
// instrument would store another value).
constexpr bool FitsParamChange(int value) {
    return value >= -8192 && value <= 8191;
}

// Events a section posts to itself through the dispatcher.
enum : long {
    kSectionEvReinitialized = 1,
    kSectionEvPropsChanged = 2,
    kSectionEvParamChanged = 3,
};

// The low 16 bits of a PID read as a signed number: negative for rows never sent by this path.
constexpr bool PidNeverSent(int pid) {
    return static_cast<int16_t>(pid & 0xFFFF) < 0;
}

template <class Impl, class Interface>
class CSectionImplBaseT : public Interface, public IAsyncDispatchHandler {
public:
    CSectionImplBaseT() = default;
    // Events queued for this section (changes made on another thread) are withdrawn: none reaches it
    // freed. The owner keeps its dispatcher alive, or clears it, until its sections are gone.
    ~CSectionImplBaseT() override {
        if (m_host)
            if (IAsyncDispatch* disp = m_host->GetDisp()) disp->WithdrawEvents(this);
    }
    CSectionImplBaseT(const CSectionImplBaseT&) = delete;
    CSectionImplBaseT& operator=(const CSectionImplBaseT&) = delete;

    void Init(IHostProxy* host, const TABLEDESC& table, int midiMode, int pidBase, void* data, unsigned size,
              const void* initImage) {
        m_host = host;
        m_table = CParamTable::GetInstance(table, host ? host->GetPMID() : kPmidTolva, size);
        m_midiMode = midiMode;
        m_pidBase = pidBase;
        m_data = static_cast<uint8_t*>(data);
        m_size = size;
        m_initImage = static_cast<const uint8_t*>(initImage);
    }

    // ---- ISection

    bool AdviseSink(ISectionSink* sink) override {
        SinkGuard g(m_sinkLock);
        if (!sink || std::find(m_sinks.begin(), m_sinks.end(), sink) != m_sinks.end()) return false;
        m_sinks.push_back(sink);
        return true;
    }
    bool UnadviseSink(ISectionSink* sink) override {
        SinkGuard g(m_sinkLock);
        auto it = std::find(m_sinks.begin(), m_sinks.end(), sink);
        if (!sink || it == m_sinks.end()) return false;
        m_sinks.erase(it);
        return true;
    }
    int GetParamCount() override {
        CImageGuard g(m_host);
        return m_table ? static_cast<int>(m_table->GetCount()) : 0;
    }
    int GetParamIDByIndex(unsigned index) override {
        CImageGuard g(m_host);
        if (!m_table) return kPidNone;
        int pid = m_table->IndexToPID(index);
        return pid == kPidNone ? kPidNone : pid + m_pidBase;
    }
    int GetIndexByParamID(int pid) override {
        CImageGuard g(m_host);
        return IndexOf(pid);
    }
    bool GetParamDescByIndex(unsigned index, PARAMDESC* out) override {
        CImageGuard g(m_host);
        return self()->PrepareParamDesc(index, out);
    }
    bool GetParamDesc(int pid, PARAMDESC* out) override {
        CImageGuard g(m_host);
        int index = IndexOf(pid);
        return index >= 0 && self()->PrepareParamDesc(static_cast<unsigned>(index), out);
    }

    int GetParamI(int pid) override {
        CImageGuard g(m_host);
        PARAMDESC d;
        if (!Desc(pid, &d) || d.ptype == kPTypeCaption) return 0;
        if (d.ptype == kPTypeString) {
            const IAccessorS* s = RowAccessorS(d);
            return s && d.converter ? d.converter->Parse(s->Get(d.record, d.offset).c_str()) : 0;
        }
        const IAccessorI* a = RowAccessorI(d);
        if (!a) return 0;
        return std::clamp(a->Get(d.record, d.offset), std::min(d.minval, d.maxval), d.maxval);
    }
    int PutParamI(int pid, int value) override { return this->PutParamIEx(pid, value, kPutPlain); }
    int PutParamIEx(int pid, int value, unsigned flags) override {
        return BasePutParamIEx(pid, value, flags);
    }

    std::string GetParamS(int pid) override {
        CImageGuard g(m_host);
        PARAMDESC d;
        if (!Desc(pid, &d) || d.ptype == kPTypeCaption) return makemultisz("", nullptr);
        if (d.ptype == kPTypeString) {
            const IAccessorS* s = RowAccessorS(d);
            return s ? s->Get(d.record, d.offset) : makemultisz("", nullptr);
        }
        const IAccessorI* a = RowAccessorI(d);
        if (!a || !d.converter) return makemultisz("", nullptr);
        return d.converter->Format(a->Get(d.record, d.offset));
    }
    std::string PutParamS(int pid, const char* text) override {
        return this->PutParamSEx(pid, text, kPutPlain);
    }
    std::string PutParamSEx(int pid, const char* text, unsigned flags) override {
        return BasePutParamSEx(pid, text, flags);
    }

    unsigned RawSize() override { return m_size; }
    unsigned RawGet(void* dst, unsigned offset, unsigned count) override {
        CImageGuard g(m_host);
        if (!m_data || offset >= m_size) return 0;
        unsigned n = std::min(count, m_size - offset);
        std::memcpy(dst, m_data + offset, n);
        return n;
    }
    unsigned RawPut(const void* src, unsigned offset, unsigned count) override {
        unsigned n;
        {
            CImageGuard g(m_host);
            if (!m_data || offset >= m_size) return 0;
            n = std::min(count, m_size - offset);
            std::memcpy(m_data + offset, src, n);
        }
        self()->OnReinitialized();
        return n;
    }

    // ---- from the owner

    // A parameter change received from the instrument: stored as it came (no clamping, no send).
    void OnRcvMIDIParam(int pid, int raw) {
        {
            CImageGuard g(m_host);
            PARAMDESC d;
            if (!Desc(pid, &d) || (d.flags & kPFlagProtected) || d.ptype < kPTypeCont) return;
            const IAccessorI* a = RowAccessorI(d);
            if (!a) return;
            a->PutRaw(d.record, d.offset, raw);
        }
        self()->OnParamChanged(pid);
    }

    // ---- IAsyncDispatchHandler

    void OnAsyncTimer(long) override {}
    void OnAsyncEvent(long event, long arg) override {
        SinkGuard g(m_sinkLock);
        ISection* me = static_cast<Interface*>(this);
        // An observer may unadvise itself or another one from its callback (on this thread): the walk
        // goes over the list as it was, skipping any observer no longer advised, so no other one
        // misses the event.
        const std::vector<ISectionSink*> sinks = m_sinks;
        for (ISectionSink* s : sinks) {
            if (std::find(m_sinks.begin(), m_sinks.end(), s) == m_sinks.end()) continue;
            switch (event) {
                case kSectionEvReinitialized:
                    s->OnSectionReinitialized(me);
                    break;
                case kSectionEvPropsChanged:
                    s->OnSectionParamPropsChanged(me, static_cast<int>(arg));
                    break;
                case kSectionEvParamChanged:
                    s->OnSectionParamChanged(me, static_cast<int>(arg));
                    break;
                default:
                    return;
            }
        }
    }

    // ---- for derived sections (default hooks and helpers)

    void FireOnSectionReinitialized() { Post(kSectionEvReinitialized, 0); }
    void FireOnSectionParamPropsChanged(int pid) { Post(kSectionEvPropsChanged, pid); }
    void FireOnSectionParamChanged(int pid) { Post(kSectionEvParamChanged, pid); }

    bool PrepareParamDesc(unsigned index, PARAMDESC* out) {
        // Without a record there is nothing to read or write (an owner without an image).
        const PARAMDESC* row = m_table && m_data ? m_table->GetAt(index) : nullptr;
        if (!row) return false;
        *out = *row;
        if (out->pid != kPidNone) out->pid += m_pidBase;
        out->record = m_data;
        if (out->ptype >= kPTypeCont && out->ptype <= kPTypeSwitch) {
            const IAccessorI* a = RowAccessorI(*out);
            if ((out->flags & 0xFF) < 16 && m_initImage && a)
                out->initval = a->Get(m_initImage, out->offset);
            else
                out->initval = out->defval;
        }
        return true;
    }
    void OnParamChanged(int pid) { FireOnSectionParamChanged(pid); }
    void OnReinitialized() { FireOnSectionReinitialized(); }
    void SendMIDIParam(const PARAMDESC& d) {
        if (m_midiMode < 0 || !m_host || PidNeverSent(d.pid) || d.ptype < kPTypeCont) return;
        const IAccessorI* a = RowAccessorI(d);
        if (!a) return;
        int raw;
        {
            CImageGuard g(m_host);
            raw = a->GetRaw(d.record, d.offset);
        }
        if (!FitsParamChange(raw)) {
            TRACE("Section: value %d of PID 0x%04X does not fit a parameter change; not sent\n", raw, d.pid);
            return;
        }
        if (IRemoteMIDI* link = m_host->GetRemoteMidi())
            link->SendParamChange(static_cast<unsigned char>(m_midiMode), d.pid, raw);
    }

    IHostProxy* Host() const { return m_host; }
    const CParamTable* Table() const { return m_table; }
    int PidBase() const { return m_pidBase; }
    int MidiMode() const { return m_midiMode; }
    uint8_t* Data() const { return m_data; }
    const uint8_t* InitImage() const { return m_initImage; }

protected:
    // The common write; overrides of PutParamIEx that keep rows consistent end here.
    int BasePutParamIEx(int pid, int value, unsigned flags) {
        PARAMDESC d;
        int result = 0;
        bool send = false;
        {
            CImageGuard g(m_host);
            if (!Desc(pid, &d)) return 0;
            if ((d.flags & kPFlagProtected) && !(flags & kPutForce)) return 0;
            if (d.ptype == kPTypeString) {
                const IAccessorS* s = RowAccessorS(d);
                if (s && d.converter) {
                    std::string stored = s->Put(d.record, d.offset, d.converter->Format(value).c_str());
                    result = d.converter->Parse(stored.c_str());
                }
            } else if (d.ptype != kPTypeCaption) {
                const IAccessorI* a = RowAccessorI(d);
                if (!a) return 0;
                value = std::max(std::min(value, d.maxval), d.minval);
                result = a->Put(d.record, d.offset, value);
                send = (flags & kPutSend) != 0;
            }
        }
        if (send) self()->SendMIDIParam(d);
        if (flags & kPutNotify) self()->OnParamChanged(pid);
        return result;
    }

    std::string BasePutParamSEx(int pid, const char* text, unsigned flags) {
        PARAMDESC d;
        std::string result = makemultisz("", nullptr);
        bool send = false;
        {
            CImageGuard g(m_host);
            if (!Desc(pid, &d)) return result;
            if ((d.flags & kPFlagProtected) && !(flags & kPutForce)) return result;
            if (d.ptype == kPTypeString) {
                const IAccessorS* s = RowAccessorS(d);
                if (s) result = s->Put(d.record, d.offset, text ? text : "");
            } else if (d.ptype != kPTypeCaption) {
                const IAccessorI* a = RowAccessorI(d);
                if (!a || !d.converter) return result;
                int value = d.converter->Parse(text ? text : "");
                value = std::max(std::min(value, d.maxval), d.minval);
                result = d.converter->Format(a->Put(d.record, d.offset, value));
                send = (flags & kPutSend) != 0;
            }
        }
        if (send) self()->SendMIDIParam(d);
        if (flags & kPutNotify) self()->OnParamChanged(pid);
        return result;
    }

    // Descriptor of pid through Impl's PrepareParamDesc; call with the image lock held.
    bool Desc(int pid, PARAMDESC* out) {
        int index = IndexOf(pid);
        return index >= 0 && self()->PrepareParamDesc(static_cast<unsigned>(index), out);
    }
    int IndexOf(int pid) const {
        if (!m_table) return -1;
        return m_table->PIDToIndex(pid == kPidNone ? pid : pid - m_pidBase);
    }
    // Value of a row of the table as its accessor reads it (unclamped, without the section's own
    // rules), 0 when absent; image lock held. ReadValueIn reads it from another record of the same
    // layout (an array section's selected element).
    int ReadValue(int pid) { return ReadValueIn(pid, m_data); }
    int ReadValueIn(int pid, const void* record) {
        const int index = IndexOf(pid);
        const PARAMDESC* row = index >= 0 ? m_table->GetAt(static_cast<unsigned>(index)) : nullptr;
        const IAccessorI* a = row ? RowAccessorI(*row) : nullptr;
        return a && record ? a->Get(record, row->offset) : 0;
    }
    // The stored value of a row (for a list row the stored value, not its position); 0 when absent;
    // image lock held.
    int ReadRaw(int pid) {
        const int index = IndexOf(pid);
        const PARAMDESC* row = index >= 0 ? m_table->GetAt(static_cast<unsigned>(index)) : nullptr;
        const IAccessorI* a = row ? RowAccessorI(*row) : nullptr;
        return a && m_data ? a->GetRaw(m_data, row->offset) : 0;
    }
    // Binds the section to another table (an effect changing type); image lock held.
    void Rebind(const TABLEDESC& table, unsigned recordSize, const void* initImage) {
        m_table = CParamTable::GetInstance(table, m_host ? m_host->GetPMID() : kPmidTolva, recordSize);
        m_initImage = static_cast<const uint8_t*>(initImage);
    }

private:
    class SinkGuard {
    public:
        explicit SinkGuard(CHfcCriticalSection& lock) : m_lock(lock) { m_lock.Lock(); }
        ~SinkGuard() { m_lock.Unlock(); }

    private:
        CHfcCriticalSection& m_lock;
    };

    Impl* self() { return static_cast<Impl*>(this); }
    void Post(long event, long arg) {
        if (!m_host) return;
        if (IAsyncDispatch* disp = m_host->GetDisp()) disp->NotifyEvent(this, event, arg, false);
    }

    IHostProxy* m_host = nullptr;
    std::vector<ISectionSink*> m_sinks;
    CHfcCriticalSection m_sinkLock;
    const CParamTable* m_table = nullptr;
    int m_pidBase = 0;
    int m_midiMode = 0;
    uint8_t* m_data = nullptr;
    unsigned m_size = 0;
    const uint8_t* m_initImage = nullptr;
};

}  // namespace QorX0
