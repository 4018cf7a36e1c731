#include "pages/PageControlFamilies.h"

namespace {

using F = PageControlFamily;

constexpr PageControlFamily Families[] = {
    // Gain, mute and polarity on the channel pages and on the Gain page.
    {"isGain", "TAdvTrackBar", F::AllChannels, true},
    {"isGainBackup", "TAdvTrackBar", F::AllChannels, true},
    {"cvdGain", "TCurvyEdit", F::AllChannels, true},
    {"cvdGainBackup", "TCurvyEdit", F::AllChannels, true},
    {"rzbMute", "TRzBmpButton", F::AllChannels, true},
    {"rzbMuteBackup", "TRzBmpButton", F::AllChannels, true},
    {"rzbPhase", "TRzBmpButton", F::AllChannels, true},
    {"rzbPhaseBackup", "TRzBmpButton", F::AllChannels, true},
    // Delay.
    {"isDelay", "TAdvTrackBar", F::AllChannels, true},
    {"cvdDelay", "TCurvyEdit", F::AllChannels, true},
    {"imDelay", "TImage", F::AllChannels, true},
    {"lbDelayLine", "TLabel", F::AllChannels, true},
    {"lbFftDelayTime", "TLabel", F::AllChannels, true},
    // Names, page buttons and routing.
    {"lbMatrixChName", "TLabel", F::AllChannels, true},
    {"rzbMenu", "TRzBmpButton", F::AllChannels, true},
    {"rzbAMatrix", "TRzBmpButton", F::OutputsOnly, false},
    {"rzbBMatrix", "TRzBmpButton", F::OutputsOnly, false},
    // The channel page: plot, its switches, band table and band editor.
    {"fftDraw", "LMyFFTDrawPhase", F::AllChannels, true},
    {"rzgFft", "TRzGroupBox", F::AllChannels, false},
    {"rzgParam", "TRzGroupBox", F::AllChannels, false},
    {"lbFftParam", "TLabel", F::AllChannels, false},
    {"lbFftChannel", "TLabel", F::AllChannels, false},
    {"lbGainName", "TLabel", F::AllChannels, false},
    {"rbShowGain", "TRadioButton", F::AllChannels, true},
    {"rbShowPhase", "TRadioButton", F::AllChannels, true},
    {"vrbEqBypass", "TVrDemoButton", F::AllChannels, true},
    {"vrbEqShowAll", "TVrPowerButton", F::AllChannels, true},
    {"vrbEqReset", "TVrDemoButton", F::AllChannels, true},
    {"peqPeq", "TMyPEQAllpass", F::AllChannels, true},
    {"rzbEq1", "TRzBmpButton", F::AllChannels, false},
    {"rzbEq2", "TRzBmpButton", F::AllChannels, false},
    {"rzbEq3", "TRzBmpButton", F::AllChannels, false},
    {"rzbEq4", "TRzBmpButton", F::AllChannels, false},
    {"rzbEq5", "TRzBmpButton", F::AllChannels, false},
    {"rzbEq6", "TRzBmpButton", F::AllChannels, false},
    {"rzbEq7", "TRzBmpButton", F::AllChannels, false},
    {"rzbEq8", "TRzBmpButton", F::AllChannels, false},
    {"rzbEq9", "TRzBmpButton", F::OutputsOnly, false},
    {"isEqFreq", "TAdvTrackBar", F::AllChannels, true},
    {"isEqBw", "TAdvTrackBar", F::AllChannels, true},
    {"isEqGain", "TAdvTrackBar", F::AllChannels, true},
    {"cvdEqFreq", "TCurvyEdit", F::AllChannels, true},
    {"cvdEqBw", "TCurvyEdit", F::AllChannels, true},
    {"cvdEqGain", "TCurvyEdit", F::AllChannels, true},
    // Crossovers.
    {"isLowCutFreq", "TAdvTrackBar", F::AllChannels, true},
    {"isHighCutFreq", "TAdvTrackBar", F::AllChannels, true},
    {"cvdLowCutFreq", "TCurvyEdit", F::AllChannels, true},
    {"cvdHighCutFreq", "TCurvyEdit", F::AllChannels, true},
    {"rzcLowCutSlop", "TRzComboBox", F::AllChannels, true},
    {"rzcHighCutSlop", "TRzComboBox", F::AllChannels, true},
    {"rzbLowCutBypass", "TRzBmpButton", F::AllChannels, true},
    {"rzbHighCutBypass", "TRzBmpButton", F::AllChannels, true},
    // Compressor.
    {"isCompThreshold", "TAdvTrackBar", F::OutputsOnly, true},
    {"isCompRatio", "TAdvTrackBar", F::OutputsOnly, true},
    {"isCompAttack", "TAdvTrackBar", F::OutputsOnly, true},
    {"isCompRelease", "TAdvTrackBar", F::OutputsOnly, true},
    {"cvdCompThreshold", "TCurvyEdit", F::OutputsOnly, true},
    {"cvdCompRatio", "TCurvyEdit", F::OutputsOnly, true},
    {"cvdCompAttack", "TCurvyEdit", F::OutputsOnly, true},
    {"cvdCompRelease", "TCurvyEdit", F::OutputsOnly, true},
    {"lbComp", "TLabel", F::OutputsOnly, true},
};

constexpr PageSingleControl Singles[] = {
    {"lbPstNum", "TLabel"},
    {"lbPstName", "TLabel"},
    {"ipComp", "TiXYPlot"},
    {"lbCompName", "TLabel"},
    {"lbHeadCompOut", "TLabel"},
    {"pbMatrix", "TPaintBox"},
    {"rzbUnit0", "TRzBmpButton"},
    {"rzbUnit1", "TRzBmpButton"},
    {"rzbUnit2", "TRzBmpButton"},
    {"rzbMenuLink", "TRzBmpButton"},
    {"fftDrawGainIn", "LMyFFTDrawPhase"},
    {"fftDrawGainOut", "LMyFFTDrawPhase"},
    {"tmEqCurve", "TTimer"},
    {"tmHpLpCurve", "TTimer"},
    {"tmMouseEqCurve", "TTimer"},
};

}  // namespace

std::span<const PageControlFamily> PageControlFamilies()
{
    return Families;
}

std::span<const PageSingleControl> PageSingleControls()
{
    return Singles;
}
