#pragma once
// Every section of one owner, initialised in the owner's order over a FakeHostProxy.
#include <cstring>

#include "Common/Model/GlobalSections.h"
#include "Common/Model/RealtimeSection.h"
#include "Common/Model/SetupSection.h"
#include "Common/Model/SoundSections.h"
#include "Support/SectionFakes.h"

namespace QorX0 {

struct SectionSet {
    explicit SectionSet(unsigned char pmid = kPmidTolva) : host(pmid) {
        CHUNK_REMOTESYNTH* image = host.GetRawChunk();
        std::memcpy(setupRecord, INITCHUNK_SETUP, sizeof setupRecord);
        setup.Init(&host, setupRecord);
        rtc.Init(&host, &progPlay, &progEdit, &combiPlay, &combiEdit, &multi, &global);
        global.Init(&host, &rtc, &patterns, &progPlay, &progEdit, &combiPlay, &combiEdit, &multi, image);
        kits.Init(&host, GATYPE_DRUMKIT, image->drumkit[0], &global);
        patterns.Init(&host, GATYPE_ARPPATTERN, image->arppattern[0], &global);
        exts.Init(&host, GATYPE_EXTCONTROL, image->extcontrol[0], &global);
        progPlay.Init(&host, &rtc, &progEdit, image);
        progEdit.Init(&host, &rtc, image);
        combiPlay.Init(&host, &rtc, &combiEdit, image);
        combiEdit.Init(&host, &rtc, image);
        multi.Init(&host, &rtc, image);
    }
    ~SectionSet() {
        // Queued events name the sections: the dispatcher goes first, as the owner does it.
        delete host.dispatch;
        host.dispatch = nullptr;
    }

    FakeHostProxy host;
    uint8_t setupRecord[kSizeSetup];
    CSetupSectionImpl setup;
    CRTCSectionImpl rtc;
    CGlobalSectionImpl global;
    CGArraySectionImpl kits, patterns, exts;
    CProgPlaySectionImpl progPlay;
    CProgEditSectionImpl progEdit;
    CCombiPlaySectionImpl combiPlay;
    CCombiEditSectionImpl combiEdit;
    CMultiSectionImpl multi;
};

}  // namespace QorX0
