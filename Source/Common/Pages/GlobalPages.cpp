#include "Common/Model/Sections.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Common/Pages/PageCatalogue.h"

CTabPageLayer* NewGlobalPage(QorX0::IRemoteSynth* synth, int index) {
    static constexpr int kKinds[] = {QorX0::kKindSetup,  QorX0::kModeGlobal,   QorX0::kModeGlobal,
                                     QorX0::kModeGlobal, QorX0::kKindDrumKits, QorX0::kKindArpPatterns};
    if (index < 0 || index >= 6) return nullptr;
    return new EditTabPageLayerBase(synth, kKinds[index]);
}
