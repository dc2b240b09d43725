#include "Common/Model/Sections.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Common/Pages/PageCatalogue.h"

CTabPageLayer* NewCombiMultiPage(QorX0::IRemoteSynth* synth, bool multi, int index) {
    if (index < 0 || index >= 8) return nullptr;
    const int kind = multi ? QorX0::kModeMulti : index == 0 ? QorX0::kModeCombiPlay : QorX0::kModeCombiEdit;
    return new EditTabPageLayerBase(synth, kind);
}
