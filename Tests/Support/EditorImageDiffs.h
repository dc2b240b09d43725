#pragma once
// The simulated instrument's memory against the editor's data image.
#include <memory>
#include <vector>

#include "Common/Link/RemoteSynthImpl.h"
#include "Support/SimInstrument.h"

// The records that differ, without what the two keep apart by design: the Tolva has no
// external-control sets, and the poll writes the instrument's control track into the editor's
// current multi only.
inline std::vector<Sim::ImageDiff> EditorImageDiffs(Sim::SimInstrument& sim, QorX0::IRemoteSynth* synth,
                                                    unsigned char model) {
    auto image = std::make_unique<QorX0::CHUNK_REMOTESYNTH>();
    static_cast<QorX0::CRemoteSynthImpl*>(synth)->CopyImage(image.get());
    const std::vector<Sim::ImageDiff> all =
        sim.With([&](Sim::SimCore& c) { return c.CompareWithEditor(image->Bytes(), sizeof *image, false); });
    std::vector<Sim::ImageDiff> left;
    for (const Sim::ImageDiff& d : all)
        if (!(model == QorX0::kPmidTolva && d.area == Sim::Area::ExtControl) && d.area != Sim::Area::CurMulti)
            left.push_back(d);
    return left;
}
