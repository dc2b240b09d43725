// Consistency of the effect parameter tables: the row lists of every effect type, the layout of each
// table inside the 16-byte effect parameter block, PIDs, ranges, defaults and initial blocks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Common/Model/Tables/EffectTables.h"

using namespace QorX0;

namespace {

struct ExpectedTable {
    unsigned rows;      // rows in all, layout captions included
    const char* names;  // listed rows joined by '|', captions as *name*; layout captions not listed
};

// The effect list of the instrument, by effect type.
const ExpectedTable kExpected[kFxTypeCount] = {
    {1, "*No Effect*"},                     // 00:No Effect
    {5, "Amp Type|Wet/Dry|Source|Amount"},  // 01:St. Amp Simulation
    {15,
     "Envelope|Sensitivity|Attack|Level|Source|Amount|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Source|Amount"},  // 02:Stereo
                                                                                                    // Compressor
    {19,
     "Envelope|Ratio|Threshold|Attack|Release|PEQ Insert|Tri. "
     "Monitor|EQ|Q|Gain|G.Adj|Source|Amount|Wet/Dry|Source|Amount"},  // 03:Stereo Limiter
    {17,
     "Ratio|Threshold|Attack|Release|*Offset*|Low|Mid|High|G.Adj|Source|Amount|Wet/"
     "Dry|Source|Amount"},  // 04:Multiband Limiter
    {12, "Envelope|Dmod Src|Threshold|Attack|Release|Polarity|Dly Time|Wet/Dry|Source|Amount"},  // 05:Stereo
                                                                                                 // Gate
    {34,
     "Wah|Source|Sw|SweepRng|Source|Drive "
     "Mode|Drive|PreLoCut|*Low*|Cutoff|Gain|*Mid1*|Cutoff|Q|Gain|*Mid2*|Cutoff|Q|Gain|Level|Source|"
     "Amount|Direct Mix|SpSim|Wet/Dry|Source|Amount"},  // 06:OD/Hi.Gain Wah
    {31,
     "Trim|*Band Type*|Band1|Band4|*Band2 Dynamic "
     "Gain*|Source|Amount|Wet/"
     "Dry|Source|Amount|*Band1*|Cutoff|Q|Gain|*Band2*|Cutoff|Q|Gain|*Band3*|Cutoff|Q|Gain|*Band4*|"
     "Cutoff|Q|Gain"},  // 07:St. Parametric 4EQ
    {15, "Type|Trim|Band1|Band2|Band3|Band4|Band5|Band6|Band7|Wet/Dry|Source|Amount"},  // 08:St.
                                                                                        // Graphic 7EQ
    {25,
     "FreqBottom|FreqTop|Swp Mode|Source|Response|Env. Sens|Env. Shape|LFO "
     "Freq|Source|Amount|BPM/MIDI|BPM|Base Note|Times|Resonance|LPF|Wet/Dry|Source|Amount"},  // 09:St.
                                                                                              // Wah/Auto
                                                                                              // Wah
    {29,
     "LFO Wave|Phase|LFO Freq|Source|Amount|Step|Amount|Manual|Resonance|BPM/MIDI|BPM|Base "
     "Note|Times|Step Base|Times|Depth|Source|Amount|Wet/Dry|Source|Amount"},  // 10:St. Random Filter
    {24,
     "*Exciter*|Blend|Source|Amount|Point|Source|Amount|*Enhancer*|Dly L|Dly "
     "R|Depth|Source|Amount|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Source|Amount"},  // 11:St. Exciter/Enhncr
    {17,
     "OSC Mode|*Note*|Interval|Fine|Fixed Freq|Source|Amount|Env. PreLPF|Env. Sens|Env. "
     "Shape|Wet/Dry|Source|Amount"},  // 12:St. Sub Oscillator
    {25,
     "Sweep Mode|Voice Ctrl|Source|*Voice*|Top|Center|Bottom|Frmt Shift|LFO "
     "Freq|Source|Amount|BPM/MIDI|BPM|Base Note|Times|Resonance|Wet/Dry|Source|Amount"},  // 13:Talking
                                                                                          // Modulator
    {25,
     "Pre LPF|High Damp|Fs|Source|Amount|Resolution|Level|Source|Amount|LFO "
     "Freq|Source|Amount|Depth|Source|Amount|Wet/Dry|Source|Amount"},  // 14:Stereo Decimator
    {24,
     "Speed|Flutter|EQ Trim|Cutoff|Q|Gain|*Noise*|Density|Tone|Level|Source|Amount|Click "
     "Level|Source|Amount|Wet/Dry|Source|Amount"},  // 15:St. Analog Record
    {27,
     "LFO Wave|Phase|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base Note|Times|L PreDly|R "
     "PreDly|Depth|Source|Amount|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Source|Amount"},  // 16:St. Chorus
    {29,
     "LFO Wave|Phase|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base Note|Times|Dly Time|H/L "
     "Split|Depth|Source|Amount|Feedback|High Damp|Low Level|High Level|Wet/Dry|Source|Amount"},  // 17:St.
                                                                                                  // Harmonic
                                                                                                  // Chorus
    {32,
     "LFO Freq|Tap1 "
     "Fb|Source|Amount|Wet/"
     "Dry|Amount|*Tap1*|Dly(000)|Depth|Level|Pan|*Tap2*|Dly(180)|Depth|Level|Pan|*Tap3*|Dly(090)|"
     "Depth|Level|Pan|*Tap4*|Dly(270)|Depth|Level|Pan"},                            // 18:Multitap Cho/Dly
    {13, "Speed|Source|Amount|Depth|Source|Amount|Shimmer|Wet/Dry|Source|Amount"},  // 19:Ensemble
    {25,
     "LFO Wave|Shape|Phase|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base Note|Times|Dly "
     "Time|Depth|Feedback|High Damp|Wet/Dry|Source|Amount"},  // 20:Stereo Flanger
    {28,
     "LFO Wave|Phase|LFO Freq|Source|Amount|Step|Amount|Dly Time|Depth|BPM/MIDI|BPM|Base "
     "Note|Times|Step Base|Times|Feedback|High Damp|Wet/Dry|Source|Amount"},  // 21:St. Random Flanger
    {21,
     "*L Delay Time*|Bottom|Top|*R Delay Time*|Bottom|Top|Sweep "
     "Mode|Source|*EG*|Attack|Decay|Feedback|High Damp|Wet/Dry|Source|Amount"},  // 22:St. Env.
                                                                                 // Flanger
    {27,
     "LFO Wave|Shape|Phase|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base "
     "Note|Times|Manual|Depth|Source|Amount|Resonance|High Damp|Wet/Dry|Source|Amount"},  // 23:Stereo
                                                                                          // Phaser
    {28,
     "LFO Wave|Phase|LFO Freq|Source|Amount|Step|Amount|Manual|Depth|BPM/MIDI|BPM|Base "
     "Note|Times|Step Base|Times|Resonance|High Damp|Wet/Dry|Source|Amount"},  // 24:St. Random Phaser
    {21,
     "*L Manual*|Bottom|Top|*R Manual*|Bottom|Top|Sweep Mode|Source|*EG*|Attack|Decay|Resonance|High "
     "Damp|Wet/Dry|Source|Amount"},  // 25:St. Env Phaser
    {28,
     "LFO1Wave|LFO2Wave|Phase|LFO1Freq|Source|Amount|LFO2Freq|Amount|L PreDly|R "
     "PreDly|Depth1|Source|Amount|Depth2|Amount|Feedback|High Damp|Wet/Dry|Source|Amount"},  // 26:St.Biphase
                                                                                             // Mod.
    {28,
     "LFO Wave|Shape|LFOFreqMod|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base "
     "Note|Times|Depth|Source|Amount|*AUTOFADE*|Source|*Fade-In*|Rate|Delay|Wet/"
     "Dry|Source|Amount"},  // 27:Stereo Vibrato
    {28,
     "LFO Wave|Shape|Phase|LFO Freq|Source|Amount|L Delay|R Delay|Depth|Feedback|High "
     "Damp|*AUTOFADE*|Source|*Fade-In*|Rate|Delay|LFOFreqMod|W/D Mod|Wet/Dry|Source|Amount"},  // 28:St.
                                                                                               // Auto
                                                                                               // Fade
                                                                                               // Mod.
    {28,
     "Control|Invert|LFO Freq|Dmod Src|Mod Depth|Trim|*Voice1*|Pitch|Fine|Resonance|High "
     "Damp|Level|Pan|*Voice2*|Pitch|Fine|Resonance|High Damp|Level|Pan|Wet/Dry|Source|Amount"},  // 29:2Voice
                                                                                                 // Resonator
    {27,
     "LFO Mode|Source|LFO Sync|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base "
     "Note|Times|*Pitch*|Depth|Source|Amount|*Pan*|Depth|Source|Amount|Wet/Dry|Source|Amount"},  // 30:Doppler
    {15,
     "*Scratch*|Source|Response|Envelope|Source|Threshold|Response|Direct "
     "Mix|Wet/Dry|Source|Amount"},  // 31:Scratch
    {21,
     "LFO Wave|Shape|Phase|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base "
     "Note|Times|Depth|Source|Amount|Wet/Dry|Source|Amount"},  // 32:Stereo Tremolo
    {18,
     "Env. Sens|Env. Shape|LFO Wave|Shape|Phase|LFO "
     "Freq|Amount|Depth|Amount|Wet/Dry|Source|Amount"},  // 33:St. Env. Tremolo
    {21,
     "LFO Wave|Shape|Phase|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base "
     "Note|Times|Depth|Source|Amount|Wet/Dry|Source|Amount"},  // 34:Stereo Auto Pan
    {32,
     "Type|Phase|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base "
     "Note|Times|*Phaser*|Manual|Resonance|Depth|Source|Amount|Wet/"
     "Dry|*Tremolo*|Shape|Depth|Source|Amount|Wet/Dry|Source|Amount"},  // 35:St. Phaser + Trml
    {28,
     "Pre LPF|OSC Mode|Fixed Freq|Source|Amount|*Note*|Offset|Fine|LFO "
     "Freq|Source|Amount|BPM/MIDI|BPM|Base Note|Times|LFO "
     "Depth|Source|Amount|Wet/Dry|Source|Amount"},  // 36:St. Ring Modulator
    {15, "Sft|Source|Amount|Dly Time|Feedback|High Damp|InLvlMod|Source|Wet/Dry|Source|Amount"},  // 37:Detune
    {21,
     "Mode|Sft|Source|Amount|Fine|Amount|Dly Time|Position|Feedback|High "
     "Damp|InLvlMod|Source|Wet/Dry|Source|Amount"},  // 38:Pitch Shifter
    {22,
     "Sft|LFO Wave|LFO Freq|Source|Amount|BPM/MIDI|BPM|Base "
     "Note|Times|Depth|Source|Amount|Pan|Wet/Dry|Source|Amount"},  // 39:Pitch Shift Mod.
    {26,
     "Mode|Source|Sw|Speed|Source|Sw|H/"
     "R.Bal|ManualSp|*Horn*|Accel|Ratio|*Rotor*|Accel|Ratio|*Mic*|Distance|Spread|Wet/"
     "Dry|Source|Amount"},                                                   // 40:Rotary Speaker
    {13, "Type|ER Time|Pre Dly|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Source|Amount"},  // 41:Early Reflections
    {16, "Rec Mode|Rev.Time|Envelope|Source|Threshold|Response|Direct Mix|Wet/Dry|Source|Amount"},  // 42:Auto
                                                                                                    // Reverse
    {27,
     "*L Delay*|Time|Level|*C Delay*|Time|Level|*R Delay*|Time|Level|C Dly Fb|Source|Amount|High "
     "Damp|Low Damp|InLvlMod|Source|Spread|Wet/Dry|Source|Amount"},  // 43:L/C/R Delay
    {23,
     "St/Cross|L Delay|R Delay|L Fb|Source|Amount|R Fb|Amount|High Damp|Low "
     "Damp|InLvlMod|Source|Spread|Wet/Dry|Source|Amount"},  // 44:Stereo/Cross Delay
    {24,
     "Mode|Tap1Time|Tap2Time|Tap1 Lvl|Tap2 Fb|Source|Amount|High Damp|Low "
     "Damp|InLvlMod|Source|Spread|Source|Amount|Wet/Dry|Source|Amount"},  // 45:St. Multitap Delay
    {29,
     "Mod Mode|Source|Dmod Mod|Response|LFO Wave|Shape|LFO Freq|LFO Sync|Source|L Phase|R Phase|L "
     "Depth|R Depth|L Delay|R Delay|L Fb|R Fb|Wet/Dry|Source|Amount"},  // 46:St. Modulation Delay
    {22,
     "CtrlTarget|Polarity|Threshold|Offset|Attack|Release|L Delay|R Delay|Feedback|High Damp|Low "
     "Damp|Spread|Wet/Dry|Source|Amount"},  // 47:St. Dynamic Delay
    {23,
     "L Delay|R Delay|L Fb|R Fb|High Damp|Low Damp|LFO Wave|Shape|Phase|Pan Freq|Pan "
     "Depth|Source|Amount|Wet/Dry|Source|Amount"},  // 48:St. Auto Panning Dly
    {29,
     "BPM|L Base|Times|Level|C Base|Times|Level|R Base|Times|Level|C Dly "
     "Fb|Source|Amount|TimeOver?>|High Damp|Low "
     "Damp|InLvlMod|Source|Spread|Wet/Dry|Source|Amount"},  // 49:L/C/R BPM Delay
    {29,
     "BPM|L Base|Times|Adjust|R Base|Times|Adjust|L Fb|Source|Amount|R "
     "Fb|Amount|TimeOver?L>|TimeOver?R>|High Damp|Low Damp|InLvlMod|Source|Wet/Dry|Source|Amount"},  // 50:St.
                                                                                                     // BPM
                                                                                                     // Delay
    {21,
     "BPM|Rhythm|Tap1 Pan|Tap2 Pan|Tap3 Pan|Tap4 Pan|Feedback|Source|Amount|High Damp|Low "
     "Damp|InLvlMod|Source|Wet/Dry|Source|Amount"},  // 51:Sequence Delay
    {14, "Rev Time|High Damp|Pre Dly|Dly Thru|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Source|Amount"},  // 52:Reverb
                                                                                            // Hall
    {14, "Rev Time|High Damp|Pre Dly|Dly Thru|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Source|Amount"},  // 53:Reverb
                                                                                            // SmoothHall
    {14, "Rev Time|High Damp|Pre Dly|Dly Thru|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Source|Amount"},  // 54:Reverb
                                                                                            // Wet Plate
    {14, "Rev Time|High Damp|Pre Dly|Dly Thru|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Source|Amount"},  // 55:Reverb
                                                                                            // Dry Plate
    {17,
     "Rev Time|High Damp|Pre Dly|Dly Thru|EQ Trim|Lo EQ|Hi EQ|ER Level|Rev "
     "Level|Wet/Dry|Source|Amount"},  // 56:Reverb Room
    {17,
     "Rev Time|High Damp|Pre Dly|Dly Thru|EQ Trim|Lo EQ|Hi EQ|ER Level|Rev "
     "Level|Wet/Dry|Source|Amount"},  // 57:Reverb BrightRoom
    {29,
     "*[PARAMETRIC 4-BAND "
     "EQ]*|Trim|*Band1*|Cutoff|Q|Gain|*Band2*|Cutoff|Q|Gain|*Band3*|Cutoff|Q|Gain|*Band4*|Cutoff|Q|"
     "Gain|*[EXCITER]*|Blend|Point|Wet/Dry|Source|Amount"},  // 58:P4EQ - Exciter
    {34,
     "*[PARAMETRIC 4-BAND "
     "EQ]*|Trim|*Band1*|Cutoff|Q|Gain|*Band2*|Cutoff|Q|Gain|*Band3*|Cutoff|Q|Gain|*Band4*|Cutoff|Q|"
     "Gain|*[WAH]*|FreqBottom|FreqTop|Sweep Mode|Source|LFO "
     "Freq|Resonance|LPF|Routing|Wet/Dry|Source|Amount"},  // 59:P4EQ - Wah
    {32,
     "*[PARAMETRIC 4-BAND "
     "EQ]*|Trim|*Band1*|Cutoff|Q|Gain|*Band2*|Cutoff|Q|Gain|*Band3*|Cutoff|Q|Gain|*Band4*|Cutoff|Q|"
     "Gain|*[CHORUS/FLANGER]*|LFO Wave|LFO Freq|Dly Time|Depth|Feedback|Wet/Dry|Out "
     "Mode|Wet/Dry|Source|Amount"},  // 60:P4EQ  - Cho/Flng
    {32,
     "*[PARAMETRIC 4-BAND "
     "EQ]*|Trim|*Band1*|Cutoff|Q|Gain|*Band2*|Cutoff|Q|Gain|*Band3*|Cutoff|Q|Gain|*Band4*|Cutoff|Q|"
     "Gain|*[PHASER]*|LFO Wave|LFO Freq|Manual|Depth|Resonance|Wet/Dry|Out "
     "Mode|Wet/Dry|Source|Amount"},  // 61:P4EQ - Phaser
    {32,
     "*[PARAMETRIC 4-BAND "
     "EQ]*|Trim|*Band1*|Cutoff|Q|Gain|*Band2*|Cutoff|Q|Gain|*Band3*|Cutoff|Q|Gain|*Band4*|Cutoff|Q|"
     "Gain|*[MULTITAP DELAY]*|Tap1 Time|Tap2 Time|Tap1 Lvl|Tap2 Fb|Wet/Dry|High "
     "Damp|Wet/Dry|Source|Amount"},  // 62:P4EQ - Mt. Delay
    {26,
     "*[COMPRESSOR]*|Sensitivity|Attack|Level|EQ Trim|Lo EQ|Hi EQ|*[WAH/AUTO "
     "WAH]*|FreqBottom|FreqTop|Sweep Mode|Source|LFO "
     "Freq|Resonance|LPF|Routing|Wet/Dry|Source|Amount"},  // 63:Comp - Wah
    {18,
     "*[COMPRESSOR]*|Sensitivity|Attack|Level|EQ Trim|Lo EQ|Hi EQ|*[AMP SIMULATION]*|Amp "
     "Type|Routing|Wet/Dry|Source|Amount"},  // 64:Comp - Amp Sim
    {29,
     "*[COMPRESSOR]*|Sensitivity|Attack|Level|*[OVERDRIVE/HI.GAIN]*|Drive "
     "Mode|Drive|Level|Source|Amount|*Low*|Cutoff|Gain|*Mid1*|Cutoff|Q|Gain|*Mid2*|Cutoff|Q|Gain|"
     "Routing|Wet/Dry|Source|Amount"},  // 65:Comp - OD/HiGain
    {29,
     "*[COMPRESSOR]*|Sensitivity|Attack|Level|*[PARAMETRIC 4-BAND "
     "EQ]*|Trim|Routing|*Band1*|Cutoff|Q|Gain|*Band2*|Cutoff|Q|Gain|*Band3*|Cutoff|Q|Gain|*Band4*|"
     "Cutoff|Q|Gain|Wet/Dry|Source|Amount"},  // 66:Comp - Param4EQ
    {26,
     "*[COMPRESSOR]*|Sensitivity|Attack|Level|EQ Trim|Lo EQ|Hi EQ|*[CHORUS/FLANGER]*|LFO Wave|LFO "
     "Freq|Dly Time|Depth|Feedback|Wet/Dry|Out Mode|Routing|Wet/Dry|Source|Amount"},  // 67:Comp -
                                                                                      // Cho/Flng
    {26,
     "*[COMPRESSOR]*|Sensitivity|Attack|Level|EQ Trim|Lo EQ|Hi EQ|*[PHASER]*|LFO Wave|LFO "
     "Freq|Manual|Depth|Resonance|Wet/Dry|Out Mode|Routing|Wet/Dry|Source|Amount"},  // 68:Comp -
                                                                                     // Phaser
    {25,
     "*[COMPRESSOR]*|Sensitivity|Attack|Level|EQ Trim|Lo EQ|Hi EQ|*[MULTITAP DELAY]*|Tap1 Time|Tap2 "
     "Time|Tap1 Lvl|Tap2 Fb|Wet/Dry|High Damp|Routing|Wet/Dry|Source|Amount"},  // 69:Comp - Mt.Delay
    {32,
     "*[LIMITER]*|Ratio|Threshold|G.Adj|Attack|Release|*[PARAMETRIC 4-BAND "
     "EQ]*|Trim|Routing|*Band1*|Cutoff|Q|Gain|*Band2*|Cutoff|Q|Gain|*Band3*|Cutoff|Q|Gain|*Band4*|"
     "Cutoff|Q|Gain|Wet/Dry|Source|Amount"},  // 70:Limiter - P4EQ
    {26,
     "*[LIMITER]*|Ratio|Threshold|G.Adj|Attack|Release|*[CHORUS/FLANGER]*|LFO Wave|LFO Freq|Dly "
     "Time|Depth|Feedback|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Out Mode|Routing|Wet/Dry|Source|Amount"},  // 71:Limiter
                                                                                                 // -
                                                                                                 // Cho/Flng
    {25,
     "*[LIMITER]*|Ratio|Threshold|G.Adj|Attack|Release|*[PHASER]*|LFO Wave|LFO "
     "Freq|Manual|Depth|Resonance|Wet/Dry|Out Mode|Routing|Wet/Dry|Source|Amount"},  // 72:Limiter -
                                                                                     // Phaser
    {24,
     "*[LIMITER]*|Ratio|Threshold|G.Adj|Attack|Release|*[MULTITAP DELAY]*|Tap1 Time|Tap2 Time|Tap1 "
     "Lvl|Tap2 Fb|Wet/Dry|High Damp|Routing|Wet/Dry|Source|Amount"},  // 73:Limiter - Mt. Delay
    {20,
     "*[EXCITER]*|Blend|Point|EQ Trim|Lo EQ|Hi "
     "EQ|*[COMPRESSOR]*|Sensitivity|Attack|Level|Routing|Wet/Dry|Source|Amount"},  // 74:Exciter -
                                                                                   // Comp
    {23,
     "*[EXCITER]*|Blend|Point|EQ Trim|Lo EQ|Hi "
     "EQ|*[LIMITER]*|Ratio|Threshold|G.Adj|Attack|Release|Routing|Wet/Dry|Source|Amount"},  // 75:Exciter
                                                                                            // -
                                                                                            // Limiter
    {23,
     "*[EXCITER]*|Blend|Point|EQ Trim|Lo EQ|Hi EQ|*[CHORUS/FLANGER]*|LFO Wave|LFO Freq|Dly "
     "Time|Depth|Feedback|Wet/Dry|Out Mode|Wet/Dry|Source|Amount"},  // 76:Exciter - Cho/Flng
    {23,
     "*[EXCITER]*|Blend|Point|EQ Trim|Lo EQ|Hi EQ|*[PHASER]*|LFO Wave|LFO "
     "Freq|Manual|Depth|Resonance|Wet/Dry|Out Mode|Wet/Dry|Source|Amount"},  // 77:Exciter - Phaser
    {22,
     "*[EXCITER]*|Blend|Point|EQ Trim|Lo EQ|Hi EQ|*[MULTITAP DELAY]*|Tap1 Time|Tap2 Time|Tap1 "
     "Lvl|Tap2 Fb|Wet/Dry|High Damp|Wet/Dry|Source|Amount"},  // 78:Exciter - Mt.Delay
    {28,
     "*[OVERDRIVE/HI.GAIN]*|Drive "
     "Mode|Drive|Level|Source|Amount|*Low*|Cutoff|Gain|*Mid1*|Cutoff|Q|Gain|*Mid2*|Cutoff|Q|Gain|*["
     "AMP SIMULATION]*|Amp Type|Routing|Wet/Dry|Source|Amount"},  // 79:OD/HG - Amp Sim
    {35,
     "*[OVERDRIVE/HI.GAIN]*|Drive "
     "Mode|Drive|Level|Source|Amount|*Low*|Cutoff|Gain|*Mid1*|Cutoff|Q|Gain|*Mid2*|Cutoff|Q|Gain|*["
     "CHORUS/FLANGER]*|LFO Wave|LFO Freq|Dly Time|Depth|Feedback|Wet/Dry|Out "
     "Mode|Routing|Wet/Dry|Source|Amount"},  // 80:OD/HG - Cho/Flng
    {35,
     "*[OVERDRIVE/HI.GAIN]*|Drive "
     "Mode|Drive|Level|Source|Amount|*Low*|Cutoff|Gain|*Mid1*|Cutoff|Q|Gain|*Mid2*|Cutoff|Q|Gain|*["
     "PHASER]*|LFO Wave|LFO Freq|Manual|Depth|Resonance|Wet/Dry|Out "
     "Mode|Routing|Wet/Dry|Source|Amount"},  // 81:OD/HG - Phaser
    {31,
     "*[OVERDRIVE/HI.GAIN]*|Drive "
     "Mode|Drive|Level|Source|Amount|*Low*|Cutoff|Gain|*Mid1*|Cutoff|Q|Gain|*Mid2*|Cutoff|Q|Gain|*"
     "[MULTITAP DELAY]*|Tap1 Time|Tap2 Time|Tap1 Lvl|Tap2 Fb|Wet/Dry|High "
     "Damp|Wet/Dry|Source|Amount"},  // 82:OD/HG - Mt. Delay
    {16,
     "*[WAH]*|FreqBottom|FreqTop|Sweep Mode|Source|LFO Freq|Resonance|LPF|*[AMP SIMULATION]*|Amp "
     "Type|Routing|Wet/Dry|Source|Amount"},  // 83:Wah - Amp Sim
    {14,
     "*[DECIMATOR]*|Pre LPF|High Damp|Fs|Resolution|Level|*[AMP SIMULATION]*|Amp "
     "Type|Routing|Wet/Dry|Source|Amount"},  // 84:Decimator - Amp
    {16,
     "*[DECIMATOR]*|Pre LPF|High "
     "Damp|Fs|Resolution|Level|*[COMPRESSOR]*|Sensitivity|Attack|Level|Routing|Wet/"
     "Dry|Source|Amount"},  // 85:Decimator - Comp
    {12,
     "*[AMP SIMULATION]*|Amp Type|*[TREMOLO]*|LFO Wave|LFO Shape|LFO "
     "Freq|Depth|Wet/Dry|Source|Amount"},  // 86:Amp Sim - Tremolo
    {22,
     "*[CHORUS/FLANGER]*|LFO Wave|LFO Freq|Dly Time|Depth|Feedback|EQ Trim|Lo EQ|Hi "
     "EQ|Wet/Dry|*[MULTITAP DELAY]*|Tap1 Time|Tap2 Time|Tap1 Lvl|Tap2 Fb|Wet/Dry|High "
     "Damp|Wet/Dry|Source|Amount"},  // 87:Cho/Flng - Mt.Dly
    {23,
     "*[PHASER]*|LFO Wave|LFO Freq|Manual|Depth|Resonance|Wet/Dry|*[CHORUS/FLANGER]*|LFO Wave|LFO "
     "Freq|Dly Time|Depth|Feedback|EQ Trim|Lo EQ|Hi EQ|Wet/Dry|Out Mode|Wet/Dry|Source|Amount"},  // 88:Phaser
                                                                                                  // -
                                                                                                  // Cho/Flng
    {21,
     "*[REVERB]*|Rev Time|High Damp|Pre Dly|EQ Trim|Lo EQ|Hi EQ|Rev Bal|*[GATE]*|InRev "
     "Mix|Envelope|Source|Threshold|Polarity|Attack|Release|Wet/Dry|Source|Amount"},  // 89:Reverb -
                                                                                      // Gate
};

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::string item;
    std::istringstream in(text);
    while (std::getline(in, item, sep)) out.push_back(item);
    return out;
}

std::string LongName(const PARAMDESC& row) {
    return row.name;
}

bool IsLayoutCaption(const PARAMDESC& row) {
    return row.ptype == kPTypeCaption && (LongName(row).empty() || LongName(row) == "\n");
}

unsigned FieldBytes(const PARAMDESC& row) {
    return (row.atype == kATypeUBF16 || row.atype == kATypeSBF16) ? 2 : 1;
}

bool IsSigned(const PARAMDESC& row) {
    return row.atype == kATypeSBF8 || row.atype == kATypeSBF16;
}

unsigned Width(const PARAMDESC& row) {
    return row.hibit - row.lobit + 1u;
}

// Bit mask of the row's field over the 16-byte block, one mask byte per block byte.
std::vector<uint8_t> BlockMask(const PARAMDESC& row) {
    std::vector<uint8_t> mask(kSizeFxParams, 0);
    const unsigned bytes = FieldBytes(row);
    for (unsigned bit = row.lobit; bit <= row.hibit; ++bit) {
        const unsigned byte = row.offset + bytes - 1 - bit / 8;
        mask[byte] |= static_cast<uint8_t>(1u << (bit % 8));
    }
    return mask;
}

unsigned ListCount(const PARAMDESC& row) {
    return static_cast<unsigned>(Split(row.format, '\n').size());
}

std::string TypeTrace(unsigned type) {
    char text[16];
    std::snprintf(text, sizeof text, "type %02u", type);
    return text;
}

}  // namespace

TEST(EffectTables, RowCountsAndNamesFollowTheEffectList) {
    for (unsigned type = 0; type < kFxTypeCount; ++type) {
        SCOPED_TRACE(TypeTrace(type));
        const TABLEDESC& table = TABLEARRAY_FX[type];
        ASSERT_EQ(kExpected[type].rows, table.count);
        std::vector<std::string> listed;
        for (unsigned i = 0; i < table.count; ++i) {
            const PARAMDESC& row = table.rows[i];
            if (IsLayoutCaption(row)) continue;
            listed.push_back(row.ptype == kPTypeCaption ? "*" + LongName(row) + "*" : LongName(row));
            // Effect rows have no shorter form: the short name repeats the long one.
            EXPECT_STREQ(row.name, row.name + std::strlen(row.name) + 1);
        }
        EXPECT_EQ(Split(kExpected[type].names, '|'), listed);
    }
}

TEST(EffectTables, TwoEffectChainsOpenWithTheirFamilyCaption) {
    EXPECT_STREQ("No Effect", TABLE_EFFECT00[0].name);
    for (unsigned type = 58; type < kFxTypeCount; ++type) {
        SCOPED_TRACE(TypeTrace(type));
        const PARAMDESC& first = TABLEARRAY_FX[type].rows[0];
        EXPECT_EQ(kPTypeCaption, first.ptype);
        EXPECT_EQ('[', first.name[0]);
    }
}

TEST(EffectTables, LookupByTypeGivesItsTableAndCapsAtTheLast) {
    EXPECT_EQ(TABLE_EFFECT00, FxTable(0).rows);
    EXPECT_EQ(TABLE_EFFECT42, FxTable(42).rows);
    EXPECT_EQ(TABLE_EFFECT89, FxTable(89).rows);
    EXPECT_EQ(TABLE_EFFECT89, FxTable(90).rows);
    EXPECT_EQ(TABLE_EFFECT89, FxTable(255).rows);
    EXPECT_EQ(sizeof TABLE_EFFECT18 / sizeof TABLE_EFFECT18[0], FxTable(18).count);
}

TEST(EffectTables, EveryFieldLiesInsideTheBlockWithoutOverlap) {
    for (unsigned type = 0; type < kFxTypeCount; ++type) {
        SCOPED_TRACE(TypeTrace(type));
        const TABLEDESC& table = TABLEARRAY_FX[type];
        std::vector<uint8_t> used(kSizeFxParams, 0);
        for (unsigned i = 0; i < table.count; ++i) {
            const PARAMDESC& row = table.rows[i];
            SCOPED_TRACE(LongName(row));
            if (row.ptype == kPTypeCaption) {
                EXPECT_EQ(kATypeNone, row.atype);
                EXPECT_EQ(kPidNone, row.pid);
                continue;
            }
            ASSERT_TRUE(row.atype == kATypeUBF8 || row.atype == kATypeSBF8 || row.atype == kATypeUBF16 ||
                        row.atype == kATypeSBF16);
            ASSERT_LE(row.lobit, row.hibit);
            ASSERT_LT(row.hibit, 8u * FieldBytes(row));
            ASSERT_GE(row.offset, 0);
            ASSERT_LE(row.offset + FieldBytes(row), kSizeFxParams);
            const std::vector<uint8_t> mask = BlockMask(row);
            for (unsigned b = 0; b < kSizeFxParams; ++b) {
                EXPECT_EQ(0, used[b] & mask[b]) << "overlap in byte " << b;
                used[b] |= mask[b];
            }
        }
    }
}

TEST(EffectTables, PidsAreUniqueWithBothBytesBelow0x80) {
    for (unsigned type = 0; type < kFxTypeCount; ++type) {
        SCOPED_TRACE(TypeTrace(type));
        const TABLEDESC& table = TABLEARRAY_FX[type];
        std::set<int> pids;
        for (unsigned i = 0; i < table.count; ++i) {
            const PARAMDESC& row = table.rows[i];
            if (row.ptype == kPTypeCaption) continue;
            SCOPED_TRACE(LongName(row));
            EXPECT_GE(row.pid, 0);
            EXPECT_LT(row.pid & 0xFF, 0x80);
            EXPECT_LT(row.pid >> 8, 0x80);
            EXPECT_TRUE(pids.insert(row.pid).second) << "duplicate PID " << row.pid;
        }
    }
}

TEST(EffectTables, DefaultsAndRangesFitTheirFields) {
    static const std::set<std::string> kUnits = {"Cent", "%", "dB", "Hz", "ms", "bpm", "s"};
    for (unsigned type = 0; type < kFxTypeCount; ++type) {
        SCOPED_TRACE(TypeTrace(type));
        const TABLEDESC& table = TABLEARRAY_FX[type];
        for (unsigned i = 0; i < table.count; ++i) {
            const PARAMDESC& row = table.rows[i];
            if (row.ptype == kPTypeCaption) continue;
            SCOPED_TRACE(LongName(row));
            ASSERT_NE(nullptr, row.format);
            ASSERT_NE('\0', row.format[0]);
            if (row.unit) {
                EXPECT_EQ(1u, kUnits.count(row.unit)) << row.unit;
            }
            EXPECT_EQ(row.defval, row.initval);
            const int width = static_cast<int>(Width(row));
            const int fieldLo = IsSigned(row) ? -(1 << (width - 1)) : 0;
            const int fieldHi = IsSigned(row) ? (1 << (width - 1)) - 1 : (1 << width) - 1;
            EXPECT_LE(fieldLo, row.minval);
            EXPECT_GE(fieldHi, row.maxval);
            EXPECT_LE(row.minval, row.defval);
            EXPECT_LE(row.defval, row.maxval);
            if (row.ptype == kPTypeList || row.ptype == kPTypeSwitch) {
                // Positions and stored values coincide (no explicit values except the switches' 0/1).
                EXPECT_EQ(0, row.minval);
                EXPECT_EQ(static_cast<int>(ListCount(row)) - 1, row.maxval);
                EXPECT_FALSE(IsSigned(row));
            } else {
                EXPECT_EQ(kPTypeCont, row.ptype);
            }
        }
    }
}

namespace {

const PARAMDESC* FindPid(unsigned type, int pid) {
    const TABLEDESC& table = TABLEARRAY_FX[type];
    for (unsigned i = 0; i < table.count; ++i) {
        if (table.rows[i].ptype != kPTypeCaption && table.rows[i].pid == pid) return &table.rows[i];
    }
    return nullptr;
}

struct PidName {
    unsigned type;
    int pid;
    const char* name;
};

}  // namespace

// The effect sections address these rows by local PID (band names of the graphic EQ, the reverse
// time limit of Auto Reverse, the time-over flags of the BPM delays).
TEST(EffectTables, RowsTheSlotRulesAddressByPid) {
    const PidName cases[] = {
        {8, 0, "Type"},      {8, 1, "Trim"},         {8, 2, "Band1"},        {8, 8, "Band7"},
        {42, 0, "Rec Mode"}, {42, 8, "Rev.Time"},    {49, 0, "BPM"},         {49, 2, "L Base"},
        {49, 3, "Times"},    {49, 5, "C Base"},      {49, 6, "Times"},       {49, 8, "R Base"},
        {49, 9, "Times"},    {49, 11, "TimeOver?>"}, {50, 0, "BPM"},         {50, 2, "L Base"},
        {50, 3, "Times"},    {50, 4, "Adjust"},      {50, 5, "TimeOver?L>"}, {50, 6, "R Base"},
        {50, 7, "Times"},    {50, 8, "Adjust"},      {50, 9, "TimeOver?R>"}, {4, 0, "Ratio"},
    };
    for (const PidName& c : cases) {
        SCOPED_TRACE(TypeTrace(c.type) + " pid " + std::to_string(c.pid));
        const PARAMDESC* row = FindPid(c.type, c.pid);
        ASSERT_NE(nullptr, row);
        EXPECT_STREQ(c.name, row->name);
    }
    EXPECT_EQ(12u, ListCount(*FindPid(8, 0)));  // twelve band sets
    EXPECT_EQ(2u, ListCount(*FindPid(42, 0)));  // Single, Multi
    EXPECT_EQ(222, FindPid(42, 8)->maxval);     // lowered to 156 by the section in Multi mode
    for (unsigned type : {49u, 50u}) {
        const PARAMDESC* bpm = FindPid(type, 0);
        EXPECT_LT(bpm->minval, 40);  // the "MIDI" setting lies below 40
        EXPECT_EQ(240, bpm->maxval);
        EXPECT_EQ(8u, ListCount(*FindPid(type, 2)));  // 1/16 ... 1
        EXPECT_EQ(0, FindPid(type, 3)->minval);
        EXPECT_EQ(15, FindPid(type, 3)->maxval);
    }
    for (const auto& [type, pid] : {std::pair{49u, 11}, std::pair{50u, 5}, std::pair{50u, 9}}) {
        EXPECT_NE(0, FindPid(type, pid)->flags & kPFlagProtected);
    }
}

TEST(EffectTables, MultibandLimiterRatioAndGainAdjust) {
    const PARAMDESC* ratio = FindPid(4, 0);
    ASSERT_NE(nullptr, ratio);
    EXPECT_EQ(kPTypeCont, ratio->ptype);
    EXPECT_EQ(kATypeUBF8, ratio->atype);
    EXPECT_EQ(0, ratio->offset);
    EXPECT_EQ(0, ratio->lobit);
    EXPECT_EQ(7, ratio->hibit);
    EXPECT_EQ(0, ratio->minval);
    EXPECT_EQ(131, ratio->maxval);
    EXPECT_STREQ("0~90\t1~10\t%.1f:1,v\n91~130\t11~50\t%.1f:1,v\n131\tInf:1", ratio->format);
    const PARAMDESC* adjust = nullptr;
    for (unsigned i = 0; i < TABLEARRAY_FX[4].count; ++i) {
        if (LongName(TABLEARRAY_FX[4].rows[i]) == "G.Adj") adjust = &TABLEARRAY_FX[4].rows[i];
    }
    ASSERT_NE(nullptr, adjust);
    EXPECT_EQ(kPTypeCont, adjust->ptype);
    EXPECT_EQ(kATypeSBF8, adjust->atype);
    EXPECT_STREQ("dB", adjust->unit);
    EXPECT_STREQ("-39\t-Inf\n-38~24\t%+.0f,v", adjust->format);
}

TEST(EffectTables, EffectTypeLabelsNumberEveryType) {
    const std::vector<std::string> labels = Split(kFormatFxType, '\n');
    ASSERT_EQ(kFxTypeCount, labels.size());
    EXPECT_EQ("00:No Effect", labels[0]);
    EXPECT_EQ("01:St. Amp Simulation", labels[1]);
    EXPECT_EQ("89:Reverb - Gate", labels[89]);
    for (unsigned type = 0; type < kFxTypeCount; ++type) {
        char prefix[4];
        std::snprintf(prefix, sizeof prefix, "%02u:", type);
        EXPECT_EQ(0u, labels[type].rfind(prefix, 0)) << labels[type];
    }
}
