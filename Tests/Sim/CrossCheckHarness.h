#pragma once
// Both views of the wire side by side: the editor's message builders and parser on one end, the
// simulated instrument on the other. The instrument's answers go through the editor's own input
// framing and parser, in pieces as a port delivers them, so that what is checked is what the link
// would see.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "Common/Link/DumpPacking.h"
#include "Common/Link/SysexMessages.h"
#include "Support/SimCore.h"

namespace CrossCheck {

using Bytes = std::vector<uint8_t>;

// A non-zero global channel, so that a wrong 3g byte on either side shows.
constexpr uint8_t kChannel = 5;

inline unsigned char ModelByte(Sim::Model model) {
    return static_cast<unsigned char>(model);
}

// The bytes the link sends for a message: the header, for a dump the packed record, then 0xF7.
inline Bytes Wire(const QorX0::SXMessage& m, const Bytes& record = {}) {
    Bytes out(m.bytes, m.bytes + m.length);
    if (!m.isDump) return out;
    QorX0::ChunkEncode enc(record.data(), record.size());
    uint8_t block[1024];
    for (size_t n; (n = enc.Read(block, sizeof block)) != 0;) out.insert(out.end(), block, block + n);
    out.push_back(0xF7);
    return out;
}

// One message as the editor's parser took it when complete.
struct Parsed {
    QorX0::SXParsed p;
    Bytes record;  // mode-and-state or inquiry record, copied out of the receive context
    Bytes body;    // a dump's decoded body
};

// The editor's receive path without the link: framing, parser and decoder.
class EditorSide : public QorX0::ISXFrameSink {
public:
    explicit EditorSide(Sim::Model model, unsigned channel = kChannel)
        : mModel(ModelByte(model)), mChannel(channel) {}

    // Feeds bytes in pieces of 'piece' bytes and returns the messages completed by them.
    std::vector<Parsed> Feed(const Bytes& bytes, size_t piece = 256) {
        mDone.clear();
        for (size_t at = 0; at < bytes.size(); at += piece)
            mCtx.Frame(bytes.data() + at, std::min(piece, bytes.size() - at), *this);
        return std::move(mDone);
    }

    void OnSXPiece(bool complete) override {
        using namespace QorX0;
        const SXParsed p = SXParse(mCtx.Raw(), mCtx.RawSize(), mCtx.Received(), complete, mChannel, mModel);
        if (p.kind == SXRcvKind::Dump && p.ready) mCtx.Estimated(p.expectedTotal, p.bodyOffset, complete);
        if (!complete) return;
        Parsed out{p, {}, {}};
        out.p.record = nullptr;
        if (p.record) {
            const size_t n =
                p.kind == SXRcvKind::ModeAndState ? sizeof(MODEANDSTATE) : sizeof(DEVICEINQUIRYDATA);
            out.record.assign(p.record, p.record + n);
        }
        if (p.kind == SXRcvKind::Dump && mCtx.Decoder().IsActive())
            out.body.assign(mCtx.Decoder().data(), mCtx.Decoder().data() + mCtx.Decoder().size());
        mDone.push_back(std::move(out));
    }

private:
    unsigned char mModel;
    unsigned mChannel;
    QorX0::SXRcvCtx mCtx;
    std::vector<Parsed> mDone;
};

// Sends a message to the instrument and returns its one answer (empty when it sent none or several).
inline Bytes Answer(Sim::SimCore& sim, const Bytes& wire) {
    sim.Receive(wire);
    std::vector<Bytes> out = sim.TakeMessages();
    EXPECT_EQ(out.size(), 1u) << "answers to a message";
    return out.size() == 1 ? out[0] : Bytes{};
}

// The one message the editor parses from bytes.
inline Parsed ParseOne(Sim::Model model, const Bytes& bytes) {
    EditorSide editor(model);
    std::vector<Parsed> all = editor.Feed(bytes);
    EXPECT_EQ(all.size(), 1u) << "messages parsed";
    return all.empty() ? Parsed{} : all[0];
}

// Records of the instrument's image, concatenated.
inline Bytes Records(const Sim::SimCore& sim, Sim::Area area, int first, int count) {
    const uint8_t* p = sim.Image().Record(area, first);
    return Bytes(p, p + static_cast<size_t>(count) * Sim::GetAreaInfo(area).recordSize);
}

// Record bytes that no fill of the instrument produces, all 8 bits used.
inline Bytes Pattern(size_t n, unsigned seed) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(i * 13 + seed * 29 + 0x81);
    return b;
}

}  // namespace CrossCheck
