// Display formats shared by the effect parameter tables.
#include "Common/Model/Tables/EffectFormats.h"

namespace QorX0 {

const char kFxFmtAmpType[] = "Small\nCombo\nStack";
const char kFxFmtWetDry[] = "0\tDry\n1~99\t%.0f:%.0f,v,100-v\n100\tWet";
const char kFxFmtSource[] =
    "Off\nGate1\nGate1+Damper\nGate2\nGate2+Damper\nNote Number\nVelocity\nExp. Velocity\nAfter Touch\nJS "
    "X\nJS +Y\nJS -Y\nJS +Y & AT/2\nJS -Y & AT/2\nRibbon\nKnob 1\nKnob 2\nKnob 3\nKnob 4\nSW 1\nSW 2\nFoot "
    "Pedal\nFoot Switch\nDamper\nTempo";
const char kFxFmtBipolar[] = "-50~50\t-100~100\t%+.0f,v";
const char kFxFmtEnvelopeStereo[] = "L/R Mix\nL/R Indiv.";
const char kFxFmtNumber[] = "%.0f,v";
const char kFxFmtSigned[] = "%+.0f,v";
const char kFxFmtRatio[] = "0~90\t1~10\t%.1f:1,v\n91~130\t11~50\t%.1f:1,v\n131\tInf:1";
const char kFxFmtOnOff[] = "0\tOff\n1\tOn";
const char kFxFmtFrequency[] =
    "20Hz\n25Hz\n31Hz\n40Hz\n50Hz\n63Hz\n80Hz\n100Hz\n125Hz\n160Hz\n200Hz\n250Hz\n315Hz\n400Hz\n500Hz\n630Hz"
    "\n800Hz\n1.0kHz\n1.25kHz\n1.6kHz\n2.0kHz\n2.5kHz\n3.15kHz\n4.0kHz\n5.0kHz\n6.3kHz\n8.0kHz\n10kHz\n12."
    "5kHz\n16kHz\n20kHz";
const char kFxFmtQ[] = "1~20\t0.5~10\t%.1f,v";
const char kFxFmtGainAdjust[] = "-39\t-Inf\n-38~24\t%+.0f,v";
const char kFxFmtEnvelopeGate[] = "Dmod\nL/R Mix\nL/R Indiv.";
const char kFxFmtPolarity[] = "+\n-";
const char kFxFmtModDelay[] = "0~100\t0~50\t%.1f,v";
const char kFxFmtSwitchMode[] = "Toggle\nMoment.";
const char kFxFmtDriveMode[] = "Overdrive\nHi.Gain";
const char kFxFmtSpeakerSim[] = "Off\nSmall\nMiddle\nLarge";
const char kFxFmtBandTypeLow[] = "Peaking\nShelving Lo";
const char kFxFmtBandTypeHigh[] = "Peaking\nShelving Hi";
const char kFxFmtGraphicEqType[] =
    "80Hz-16kHz\n120Hz-18kHz\n63Hz-18kHz\n80Hz-10kHz\n160Hz-12kHz\n120Hz-8kHz\n80Hz-630Hz\n63Hz-4kHz\n800Hz-"
    "4kHz\n320Hz-5kHz\n5kHz-18kHz\n1kHz-16kHz";
const char kFxFmtSweepMode[] = "Auto\nDmod\nLFO";
const char kFxFmtLfoFreq[] = "0~49\t0.02~1\t%.2f,v\n50~94\t1.2~10\t%.1f,v\n95~104\t11~20\t%.0f,v";
const char kFxFmtBpm[] = "39\tMIDI\n40~240\t%.0f,v";
const char kFxFmtBaseNote[] = "1/16\n1/8T\n1/8\n1/4T\n1/4\n1/2T\n1/2\n1";
const char kFxFmtTimes[] = "0~15\t1~16\tx%.0f,v";
const char kFxFmtRandomLfoWave[] = "Triangle\nSine\nSaw Up\nSaw Down\nSquare\nRandom";
const char kFxFmtPhase[] = "-30~30\t-180~180\t%+.0f,v";
const char kFxFmtOneTo16[] = "0~15\t1~16\t%.0f,v";
const char kFxFmtOscMode[] = "Fixed\nNote";
const char kFxFmtFixedFreq[] = "1~100\t10~1000\t%.0f,v";
const char kFxFmtVowel[] = "A\nI\nU\nE\nO";
const char kFxFmtSampleRate[] = "2~96\t1~48\t%.1fkHz,v";
const char kFxFmtLfoWave[] = "Triangle\nSine";
const char kFxFmtShortDelay[] = "0~49\t%.0f,v\n50~127\t50~820\t%.0f,v";
const char kFxFmtTapPan[] = "0~14\t15~1\tL%02.0f,v\n15\tC\n16~30\t1~15\tR%02.0f,v";
const char kFxFmtModSource[] = "Dmod\nAuto Fade";
const char kFxFmtFadeDelay[] = "0~100\t0~2000\t%.0f,v";
const char kFxFmtControl[] = "LFO\nDmod";
const char kFxFmtNoteName[] = "C\nC#\nD\nD#\nE\nF\nF#\nG\nG#\nA\nA#\nB";
const char kFxFmtPan[] = "0~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v";
const char kFxFmtLfoMode[] = "Loop\n1-Shot";
const char kFxFmtEnvelopeSource[] = "Dmod\nInput";
const char kFxFmtPhaserTremoloOrder[] = "Phaser>Trml\nTrml>Phaser";
const char kFxFmtDelay[] = "0~199\t%.0f,v\n200~379\t200~1990\t%.0f,v";
const char kFxFmtPitchShiftMode[] = "Slow\nMedium\nFast";
const char kFxFmtPosition[] = "Pre\nPost";
const char kFxFmtRotaryMode[] = "Acceleration\nManual";
const char kFxFmtRotarySpeed[] = "Slow\nFast";
const char kFxFmtRotaryRatio[] = "50~200\t0.5~2\t%.2f,v";
const char kFxFmtErType[] = "Sharp\nLoose\nModulated\nReverse";
const char kFxFmtErTime[] = "1~80\t10~800\t%.0f,v";
const char kFxFmtRecMode[] = "Single\nMulti";
const char kFxFmtReverseTime[] = "0~222\t10~2230\t%.0f,v";
const char kFxFmtStCross[] = "Stereo\nCross";
const char kFxFmtMultitapMode[] = "Normal\nCross\nPan";
const char kFxFmtDmodMod[] = "L/R Common\nL/R Indiv.";
const char kFxFmtCtrlTarget[] = "Output\nFeedback";
const char kFxFmtTimeOver[] = "---\nOVER!";
const char kFxFmtAdjust[] = "-250~250\t-2.5~2.5\t%+.2f,v";
const char kFxFmtRhythm[] =
    "1/4\n1/4 1/8\n1/8 1/4\n1/8 1/8\n3/16 1/16\n1/16 3/16\n1/8T\n1/16 x4\nDotted 1/8\nShuffle 1\nShuffle "
    "2\nGallop\nReverse Gallop\nClave\nRandom";
const char kFxFmtReverbTime[] = "1~100\t0.1~10\t%.1f,v";
const char kFxFmtRouting[] = "Serial\nParallel";
const char kFxFmtOutMode[] = "Normal\nInvert";

}  // namespace QorX0
