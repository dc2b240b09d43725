#pragma once
// The global record, whose arpeggiator rows stand for the current sound's, and the array sections
// over drum kits, arpeggio patterns and external-control sets.
#include <memory>

#include "Common/Model/Banks.h"
#include "Common/Model/Converters.h"
#include "Common/Model/SectionBase.h"

namespace QorX0 {

class CRTCSectionImpl;
class CGArraySectionImpl;

class CGlobalSectionImpl : public CSectionImplBaseT<CGlobalSectionImpl, ISection> {
public:
    void Init(IHostProxy* host, CRTCSectionImpl* rtc, ISection* arpArray, ISection* progPlay,
              ISection* progEdit, ISection* combiPlay, ISection* combiEdit, ISection* multi,
              CHUNK_REMOTESYNTH* image);
    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    void OnParamChanged(int pid);
    void OnReinitialized();

private:
    CRTCSectionImpl* m_rtc = nullptr;
    ISection* m_arpArray = nullptr;
    ISection* m_sound[5] = {};  // program play, program edit, combination play, combination edit, multi
    std::unique_ptr<CStringConverterEnumArppat> m_arpNames;
};

enum GATYPE : int { GATYPE_DRUMKIT = 0, GATYPE_ARPPATTERN = 1, GATYPE_EXTCONTROL = 2 };

class CGArraySectionImpl : public CSectionImplBaseT<CGArraySectionImpl, IGlobalArraySection> {
public:
    static constexpr int kPidArpSelect = 0x0016;

    void Init(IHostProxy* host, GATYPE kind, void* firstElement, CGlobalSectionImpl* global);

    uint64_t Select(unsigned item, unsigned sub) override;
    uint64_t GetSelection() override;
    unsigned GetCurSel() override;
    void PutCurSel(unsigned item) override { Select(item, 0); }
    IBank* GetNames() override { return &m_names; }

    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    void OnParamChanged(int pid);
    void SendMIDIParam(const PARAMDESC& d);

    // A change of element index received from the instrument (index as the section counts: patterns
    // with the five presets first).
    void OnRcvMIDIGlobalArrayParam(int pid, int index, int raw);
    // Patterns: the selection follows the current sound's pattern.
    void APATUpdateSel();

private:
    GATYPE m_kind = GATYPE_DRUMKIT;
    unsigned m_sel = 0;
    unsigned m_sub = 0;
    CGlobalSectionImpl* m_global = nullptr;
    std::unique_ptr<CStringConverterEnumMSDS> m_dsNames;
    CBankImpl m_names;
    uint8_t m_arpSelect[4] = {};
    // Working copies of the preset patterns: shown read-only, and a forced write never reaches the
    // constant presets.
    uint8_t m_presets[kArpPresetCount][kSizeArpPattern] = {};
};

}  // namespace QorX0
