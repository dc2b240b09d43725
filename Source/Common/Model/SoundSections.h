#pragma once
// The sections of the current sounds: program, combination and multi in their play and edit views,
// and their effect, timbre/track and tone-adjust sub-sections.
#include <array>
#include <memory>

#include "Common/Model/Converters.h"
#include "Common/Model/SectionBase.h"

namespace QorX0 {

class CRTCSectionImpl;

// One effect slot (16 bytes); its table follows the slot's effect type.
class CFXSectionImpl : public CSectionImplBaseT<CFXSectionImpl, ISection> {
public:
    void Init(IHostProxy* host, unsigned type, int midiMode, int pidBase, void* record);
    void InitFXType(unsigned type);
    unsigned GetFXType();

    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    void OnParamChanged(int pid);
    void OnReinitialized();

private:
    void UpdateTimeOver();

    unsigned m_type = 0;
};

// A timbre in the combination's play view.
class CStdSectionImpl : public CSectionImplBaseT<CStdSectionImpl, ISection> {};

// A combination timbre or multi track in an edit view.
class CTrackSectionImpl : public CSectionImplBaseT<CTrackSectionImpl, ISection> {
public:
    void Init(IHostProxy* host, const TABLEDESC& table, int midiMode, int pidBase, void* record,
              const void* initImage);
    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    void OnParamChanged(int pid);
    // Oscillator mode (0 single, 1 double, 2 drums) of the program the track plays; image lock held.
    int ProgramOscMode();

private:
    SparseMapping m_busMap;
    std::unique_ptr<CAccessorSparseWrap> m_busAccessor;
    std::unique_ptr<CStringConverterSparseWrap> m_busConverter;
};

// Six tone-adjust slots of one timbre or track: a destination and a value shaped like it.
class CToneAdjustSectionImpl : public CSectionImplBaseT<CToneAdjustSectionImpl, ISection> {
public:
    void Init(IHostProxy* host, int midiMode, int pidBase, void* record, const void* initImage);
    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    void OnParamChanged(int pid);

private:
    const CParamTable* m_templates = nullptr;
    std::unique_ptr<CStringConverterEnumToneAdjDest> m_destNames;
};

using CStdSectionList = CSectionListImplBaseT<CStdSectionImpl>;
using CTrackSectionList = CSectionListImplBaseT<CTrackSectionImpl>;
using CToneAdjustSectionList = CSectionListImplBaseT<CToneAdjustSectionImpl>;

// Rules every sound section has: rows forwarded to the realtime-control section, the realtime page
// pair, the arpeggio-pattern rows, zone pairs, and for edit views the three effect slots.
struct SOUNDRULES {
    int rtcMap[4][2];       // {sound PID, realtime-control PID}
    int pagePair[2];        // REALTIME CONTROLS and its MSB
    int arpPatternRows[2];  // -1: none
    int protectedBy[2][2];  // {switch PID, its toggle/momentary PID}; -1: none
    int zonePairs[4][2];    // {top, bottom}; -1: none
    int fxTypePid[3];       // -1: no effects
    int fxBase[3];
};

template <class Impl>
class CSoundSectionBaseT : public CSectionImplBaseT<Impl, ISoundSection> {
    using Base = CSectionImplBaseT<Impl, ISoundSection>;

public:
    // ---- ISoundSection defaults (no sub-sections)
    bool FindSectionByPID(int, ISection** out) override {
        if (out) *out = this;
        return true;
    }
    ISection* GetIFX() override { return HasFX() ? &m_fx[0] : nullptr; }
    ISection* GetMFX1() override { return HasFX() ? &m_fx[1] : nullptr; }
    ISection* GetMFX2() override { return HasFX() ? &m_fx[2] : nullptr; }
    ISectionList* GetTrack() override { return nullptr; }
    ISectionList* GetToneAdj() override { return nullptr; }

    // Zone pairs hold while writing, by value and by text.
    int PutParamIEx(int pid, int value, unsigned flags) override;
    std::string PutParamSEx(int pid, const char* text, unsigned flags) override;

    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    void OnParamChanged(int pid);
    void OnReinitialized();

    // Re-reads the three effect types and rebinds the effect slots.
    void UpdateFXType();
    CFXSectionImpl* FX(unsigned i) { return HasFX() ? &m_fx[i] : nullptr; }

protected:
    void InitSound(IHostProxy* host, CRTCSectionImpl* rtc, CHUNK_REMOTESYNTH* image, const TABLEDESC& table,
                   int midiMode, uint8_t* record, unsigned size, const uint8_t* initImage);
    // Sub-section holding pid among the effect slots, or null.
    ISection* FindFX(int pid);
    // Routes a received change to an effect slot; false when pid is not an effect's.
    bool RouteFXParam(int pid, int raw);
    bool HasFX() const { return Impl::kRules.fxTypePid[0] >= 0; }
    // Hook for derived sections: their sub-sections' reinitialisation.
    void ReinitSubSections() {}

    CRTCSectionImpl* m_rtc = nullptr;
    std::unique_ptr<CStringConverterEnumArppat> m_arpNames;
    std::array<CFXSectionImpl, 3> m_fx;
};

class CProgPlaySectionImpl;
class CProgEditSectionImpl;
class CCombiPlaySectionImpl;
class CCombiEditSectionImpl;
class CMultiSectionImpl;

class CProgPlaySectionImpl : public CSoundSectionBaseT<CProgPlaySectionImpl> {
public:
    static const SOUNDRULES kRules;
    void Init(IHostProxy* host, CRTCSectionImpl* rtc, CProgEditSectionImpl* progEdit,
              CHUNK_REMOTESYNTH* image);
    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    // Zeroes the performance-editor offsets (a new program came into the edit buffer).
    void ClearLocalRecord();

private:
    CProgEditSectionImpl* m_progEdit = nullptr;
    uint8_t m_perf[8] = {};  // performance-editor offsets, not part of the program
};

class CProgEditSectionImpl : public CSoundSectionBaseT<CProgEditSectionImpl> {
public:
    static const SOUNDRULES kRules;
    void Init(IHostProxy* host, CRTCSectionImpl* rtc, CHUNK_REMOTESYNTH* image);
    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    void OnParamChanged(int pid);
    bool FindSectionByPID(int pid, ISection** out) override;
    void OnRcvMIDIParam(int pid, int raw);

private:
    std::unique_ptr<CStringConverterEnumRiffNames> m_riffNames;
    std::unique_ptr<CStringConverterEnumMSDS> m_msNames;
    std::unique_ptr<CStringConverterEnumDKit> m_kitNames;
};

class CCombiPlaySectionImpl : public CSoundSectionBaseT<CCombiPlaySectionImpl> {
public:
    static const SOUNDRULES kRules;
    CCombiPlaySectionImpl() : m_timbres(kCombiTimbreCount) {}
    void Init(IHostProxy* host, CRTCSectionImpl* rtc, CCombiEditSectionImpl* combiEdit,
              CHUNK_REMOTESYNTH* image);
    bool PrepareParamDesc(unsigned index, PARAMDESC* out);
    bool FindSectionByPID(int pid, ISection** out) override;
    ISectionList* GetTrack() override { return &m_timbres; }
    void OnRcvMIDIParam(int pid, int raw);
    void ReinitSubSections();

private:
    CCombiEditSectionImpl* m_combiEdit = nullptr;
    CStdSectionList m_timbres;
};

// An edit view with timbres or tracks at (i + 1) x 0x100 and tone adjusts at toneBase + i x 0x100.
template <class Impl, unsigned kCount>
class CTrackedSoundSectionT : public CSoundSectionBaseT<Impl> {
public:
    CTrackedSoundSectionT() : m_tracks(kCount), m_toneAdj(kCount) {}
    bool FindSectionByPID(int pid, ISection** out) override;
    ISectionList* GetTrack() override { return &m_tracks; }
    ISectionList* GetToneAdj() override { return &m_toneAdj; }
    void OnRcvMIDIParam(int pid, int raw);
    void ReinitSubSections();
    CTrackSectionImpl* Track(unsigned i) { return i < kCount ? &m_tracks.Item(i) : nullptr; }

protected:
    void InitTracked(IHostProxy* host, CRTCSectionImpl* rtc, CHUNK_REMOTESYNTH* image, const TABLEDESC& table,
                     const TABLEDESC& trackTable, int midiMode, uint8_t* record, unsigned size,
                     const uint8_t* initImage, unsigned offTracks, unsigned offToneAdj, int toneBase);
    CTrackSectionImpl* TrackOf(int pid);
    CToneAdjustSectionImpl* ToneAdjOf(int pid);

    CTrackSectionList m_tracks;
    CToneAdjustSectionList m_toneAdj;
    int m_toneBase = 0;
};

class CCombiEditSectionImpl : public CTrackedSoundSectionT<CCombiEditSectionImpl, kCombiTimbreCount> {
public:
    static const SOUNDRULES kRules;
    void Init(IHostProxy* host, CRTCSectionImpl* rtc, CHUNK_REMOTESYNTH* image);
    CTrackSectionImpl* Timbre(unsigned i) { return Track(i); }
};

class CMultiSectionImpl : public CTrackedSoundSectionT<CMultiSectionImpl, kMultiTrackCount> {
public:
    static const SOUNDRULES kRules;
    static constexpr int kPidCurTrack = 0xFF16;
    void Init(IHostProxy* host, CRTCSectionImpl* rtc, CHUNK_REMOTESYNTH* image);
    int PutParamIEx(int pid, int value, unsigned flags) override;
    std::string PutParamSEx(int pid, const char* text, unsigned flags) override;

    // Program of a track: the number is cut to 7 bits (and written back into sound).
    int PutTrackSound(int track, SOUNDINDEX& sound);
    int PutTrackSound(int track, int program);
    int GetTrackMIDICh(int track);

private:
    int PutCurTrack(int value, unsigned flags);
};

}  // namespace QorX0
