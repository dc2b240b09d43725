// The global tab's pages, in tab order.
#include "Common/Pages/GlobalArpeggioPatternLayer.h"
#include "Common/Pages/GlobalDrumKitLayer.h"
#include "Common/Pages/GlobalSoftwareSetupLayer.h"
#include "Common/Pages/GlobalSystemPages.h"
#include "Common/Pages/PageCatalogue.h"

CTabPageLayer* NewGlobalPage(QorX0::IRemoteSynth* synth, int index) {
    switch (index) {
        case 0:
            return new GlobalSoftwareSetupLayer(synth);
        case 1:
            return new GlobalSystemMIDILayer(synth);
        case 2:
            return new GlobalUserScaleLayer(synth);
        case 3:
            return new GlobalCategoryNameLayer(synth);
        case 4:
            return new GlobalDrumKitLayer(synth);
        case 5:
            return new GlobalArpeggioPatternLayer(synth);
        default:
            return nullptr;
    }
}
