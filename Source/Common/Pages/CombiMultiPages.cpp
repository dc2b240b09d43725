// The pages of the combination and multi tabs, in tab order.
#include "Common/Pages/CombiMultiArpLayers.h"
#include "Common/Pages/CombiMultiColumnLayers.h"
#include "Common/Pages/CombiMultiFXLayers.h"
#include "Common/Pages/CombiMultiKeyVelZoneLayers.h"
#include "Common/Pages/CombiMultiPlayLayers.h"
#include "Common/Pages/PageCatalogue.h"

CTabPageLayer* NewCombiMultiPage(QorX0::IRemoteSynth* synth, bool multi, int index) {
    switch (index) {
        case 0:
            return multi ? static_cast<CTabPageLayer*>(new MultiPlayLayer(synth)) : new CombiPlayLayer(synth);
        case 1:
            return multi ? static_cast<CTabPageLayer*>(new MultiToneAdjustLayer(synth))
                         : new CombiToneAdjustLayer(synth);
        case 2:
            return multi ? static_cast<CTabPageLayer*>(new MultiTrackParamLayer(synth))
                         : new CombiTimbreParamLayer(synth);
        case 3:
            return multi ? static_cast<CTabPageLayer*>(new MultiMIDIFilterLayer(synth))
                         : new CombiMIDIFilterLayer(synth);
        case 4:
            return multi ? static_cast<CTabPageLayer*>(new MultiKeyVelZoneLayer(synth))
                         : new CombiKeyVelZoneLayer(synth);
        case 5:
            return multi ? static_cast<CTabPageLayer*>(new MultiArpControlsLayer(synth))
                         : new CombiArpControlsLayer(synth);
        case 6:
            return multi ? static_cast<CTabPageLayer*>(new MultiInsertFXLayer(synth))
                         : new CombiInsertFXLayer(synth);
        case 7:
            return multi ? static_cast<CTabPageLayer*>(new MultiMasterFXLayer(synth))
                         : new CombiMasterFXLayer(synth);
        default:
            return nullptr;
    }
}
