#pragma once
// The editor's own settings: transfer filter, local control, latency and MIDI port names. Never sent
// to the instrument; kept in the user's preferences and turned into the 12-byte transfer filter.
#include "Common/Model/SectionBase.h"

class CHfcPreferences;

namespace QorX0 {

class CSetupSectionImpl : public CSectionImplBaseT<CSetupSectionImpl, ISection> {
public:
    static constexpr int kPidAllSw = 0x8100;
    static constexpr int kPidMidiInName = 0x9300;
    static constexpr int kPidMidiOutName = 0x9400;

    // record: the owner's 96-byte setup buffer, filled from INITCHUNK_SETUP before.
    void Init(IHostProxy* host, void* record);

    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    void OnParamChanged(int pid);

    // The preferences store is named by the standalone program's title for the model; each setting
    // is kept under its row's name. False when the store does not open (nothing changed then).
    bool PersistLoad();
    bool PersistSave();
    bool PersistSave(int pid);
    bool BuildFilter(FXBFILTERINFO* out);

private:
    bool SaveRow(CHfcPreferences& prefs, const PARAMDESC& row);
    bool OpenStore(CHfcPreferences& prefs);
};

}  // namespace QorX0
