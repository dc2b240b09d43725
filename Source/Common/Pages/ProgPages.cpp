#include "Common/Pages/ProgPages.h"

#include "Common/Pages/PageCatalogue.h"

CTabPageLayer* NewProgPage(QorX0::IRemoteSynth* synth, int index) {
    switch (index) {
        case 0:
            return new ProgPlayLayer(synth);
        case 1:
            return new ProgBasicLayer(synth);
        case 2:
            return new ProgPitchLayer(synth);
        case 3:
            return new ProgLFOsLayer(synth);
        case 4:
            return new ProgFilterLayer(synth, 0);
        case 5:
            return new ProgFilterLayer(synth, 1);
        case 6:
            return new ProgAmpLayer(synth);
        case 7:
            return new ProgArpControlsLayer(synth);
        case 8:
            return new ProgInsertFXLayer(synth);
        case 9:
            return new ProgMasterFXLayer(synth);
        default:
            return nullptr;
    }
}
