// Incoming MIDI bytes from the wire: packet splitting, exclusive framing, message parsing and dump
// unpacking, fed in pieces whose sizes the input chooses.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "Common/Link/DumpPacking.h"
#include "Common/Link/SysexMessages.h"
#include "Linux/MidiIO/MidiIO.h"

namespace {

class Receiver : public IMIDIInCallback, public QorX0::ISXFrameSink {
public:
    Receiver() { ctx.reserve(2048, 1 << 20); }
    // Each input starts a fresh receiver; the buffers are reserved once, as the link does it.
    void Start(unsigned char model) {
        m_model = model;
        ctx.End();
    }

    void OnMIDIShort(IMIDIIn*, long long, const void* data, unsigned length) override {
        if (length == 0 || length > 3) __builtin_trap();
        if (!(static_cast<const uint8_t*>(data)[0] & 0x80)) __builtin_trap();
    }
    void OnMIDILong(IMIDIIn*, long long, const void* data, unsigned length) override {
        ctx.Frame(data, length, *this);
    }
    void OnSXPiece(bool complete) override {
        const QorX0::SXParsed p =
            QorX0::SXParse(ctx.Raw(), ctx.RawSize(), ctx.Received(), complete, 0, m_model);
        if (p.kind == QorX0::SXRcvKind::Dump && p.ready) {
            ctx.Estimated(p.expectedTotal, p.bodyOffset, complete);
            if (ctx.Decoder().size() > p.bodySize + 7) __builtin_trap();
        }
        if (ctx.RawSize() > QorX0::SXRcvCtx::kMaxRawLength) __builtin_trap();
        unsigned expected = 0;
        QorX0::SXSig sig;
        ctx.GetEstimation(&expected, &sig);
    }

    QorX0::SXRcvCtx ctx;

private:
    unsigned char m_model = QorX0::kPmidTolva;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const unsigned char model = (data[0] & 1) ? QorX0::kPmidNerimo : QorX0::kPmidTolva;
    const size_t piece = 1 + data[1] % 64;
    data += 2;
    size -= 2;
    static Receiver receiver;
    receiver.Start(model);
    CMidiPacketSplitter splitter;
    for (size_t at = 0; at < size; at += piece) {
        const size_t n = size - at < piece ? size - at : piece;
        splitter.Split(data + at, n, nullptr, &receiver);
    }
    return 0;
}
