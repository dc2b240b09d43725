#pragma once
// The front panel's realtime knobs, page selector, arpeggiator controls and tempo as one small
// section. The knobs live in the section itself and reach the instrument as control changes; the
// other rows are windows onto the current sound.
#include "Common/Model/SectionBase.h"
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

class CRTCSectionImpl : public CSectionImplBaseT<CRTCSectionImpl, ISection> {
public:
    static constexpr int kPidPage = 0x8000;
    static constexpr int kPidCutoff = 0x8001;  // then RESO/HPF, EG-INT, EG-RLS, KNOB1-B ... KNOB4-B
    static constexpr int kPidArpGate = 0x8009;
    static constexpr int kPidTempo = 0x800C;
    static const uint8_t kInitImage[kSizeRtcState];

    void Init(IHostProxy* host, ISoundSection* progPlay, ISoundSection* progEdit, ISoundSection* combiPlay,
              ISoundSection* combiEdit, ISoundSection* multi, ISection* global);

    int GetParamI(int pid) override;
    int PutParamIEx(int pid, int value, unsigned flags) override;
    std::string GetParamS(int pid) override;
    std::string PutParamSEx(int pid, const char* text, unsigned flags) override;

    // A control change on the MIDI path (from the instrument or on its way from the host).
    void OnRcvMIDICC(unsigned char status, unsigned char control, unsigned char value);
    bool RestoreStat(const RTCSTAT& state, unsigned flags);
    bool ResetStat(unsigned flags);
    RTCSTAT GetStat();

    // MIDI channel of the knobs: the current track's in multi mode, else the global channel.
    int KnobChannel();

private:
    ISection* SectionOfMode(int mode);
    int StateRow();
    int PageBControl(int knob);  // control number knob (0-3) of page B sends; 0xFE master volume, 0xFF none
    int GlobalChannel();

    ISoundSection* m_progPlay = nullptr;
    ISoundSection* m_progEdit = nullptr;
    ISoundSection* m_combiPlay = nullptr;
    ISoundSection* m_combiEdit = nullptr;
    ISoundSection* m_multi = nullptr;
    ISection* m_global = nullptr;
    uint8_t m_record[kSizeRtcState] = {};
    RTCSTAT m_state = {};
};

// Control numbers of the page-A knobs, the PIDs of the page-B knob assignments (program edit,
// combination edit, multi) and the control number of each assign type.
extern const uint8_t RTCKNOBTABLE_PAGEA_CC[4];
extern const int RTCKNOBTABLE_PAGEB_ASSIGNPID[4][3];
extern const uint8_t RTCKNOBTABLE_PAGEB_CC[128];
// Sound PIDs behind ARP-GATE, ARP-VEL, ARP-LGT and TEMPO: program play, program edit, combination
// play, combination edit, multi, global.
extern const int RTCKNOBTABLE_PAGEC_PID[4][6];

}  // namespace QorX0
