#pragma once
// Binding of the channel pages' event handlers into a form class: every handler is registered
// under its own name on the form's class description, calling the ChannelPages the form holds.
//
//   T_IMPLEMENT_CLASS(TfmMain)
//   {
//       DescribeChannelPageHandlers(b, &TfmMain::Pages);
//       ...
//   }
//
// A definition of that form then binds `OnChange = isGainInAChange`; an unknown name fails to
// load, and a handler bound to an event of another signature too. The form destroys its components
// (DestroyComponents) before the ChannelPages it holds goes: a control going away may still fire an
// event (an edit losing the focus fires OnExit).

#include "pages/ChannelPages.h"
#include "platform/runtime/ClassBuilder.h"

template <class Form>
void DescribeChannelPageHandlers(TClassBuilder<Form> &b, ChannelPages Form::*pages)
{
    // Gain, mute and polarity.
    b.Forward("isGainInAChange", pages, &GainPage::isGainInAChange);
    b.Forward("isGainBackupInAChange", pages, &GainPage::isGainBackupInAChange);
    b.Forward("rzbMuteInAClick", pages, &GainPage::rzbMuteInAClick);
    b.Forward("rzbMuteBackupInAClick", pages, &GainPage::rzbMuteBackupInAClick);
    b.Forward("rzbPhaseInAClick", pages, &GainPage::rzbPhaseInAClick);
    b.Forward("rzbPhaseBackupInAClick", pages, &GainPage::rzbPhaseBackupInAClick);
    // Delay.
    b.Forward("isDelayInAChange", pages, &DelayPage::isDelayInAChange);
    b.Forward("rzbUnit0Click", pages, &DelayPage::rzbUnit0Click);
    b.Forward("cvdDelayInBKeyDown", pages, &DelayPage::cvdDelayInBKeyDown);
    b.Forward("cvdDelayInAExit", pages, &DelayPage::cvdDelayInAExit);
    b.Forward("lbDelayLineInAMouseDown", pages, &DelayPage::lbDelayLineInAMouseDown);
    b.Forward("lbDelayLineInAMouseMove", pages, &DelayPage::lbDelayLineInAMouseMove);
    b.Forward("lbDelayLineInAMouseUp", pages, &DelayPage::lbDelayLineInAMouseUp);
    // Routing matrix.
    b.Forward("rzbAMatrixOut1Click", pages, &MatrixPage::rzbAMatrixOut1Click);
    b.Forward("rzbAMatrixOut2Click", pages, &MatrixPage::rzbAMatrixOut2Click);
    b.Forward("rzbAMatrixOut3Click", pages, &MatrixPage::rzbAMatrixOut3Click);
    b.Forward("rzbAMatrixOut4Click", pages, &MatrixPage::rzbAMatrixOut4Click);
    b.Forward("rzgFftMatrixPaint", pages, &MatrixPage::rzgFftMatrixPaint);
    // Names, overview labels, EQ reset.
    b.Forward("lbMatrixChNameInAClick", pages, &ChannelNames::lbMatrixChNameInAClick);
    b.Forward("lbMatrixChNameInAMouseMove", pages, &ChannelNames::lbMatrixChNameInAMouseMove);
    b.Forward("lbMatrixChNameInAMouseLeave", pages, &ChannelNames::lbMatrixChNameInAMouseLeave);
    b.Forward("vrbEqResetInAClick", pages, &ChannelNames::vrbEqResetInAClick);
    // PEQ bands.
    b.Forward("rzbEq1InAClick", pages, &PeqEditor::rzbEq1InAClick);
    b.Forward("peqPeqInAEditMouseDown", pages, &PeqEditor::peqPeqInAEditMouseDown);
    b.Forward("peqPeqInAChange", pages, &PeqEditor::peqPeqInAChange);
    b.Forward("peqPeqInAPeqTypeMouseWheel", pages, &PeqEditor::peqPeqInAPeqTypeMouseWheel);
    b.Forward("isEqFreqInAChange", pages, &PeqEditor::isEqFreqInAChange);
    b.Forward("isEqBwInAChange", pages, &PeqEditor::isEqBwInAChange);
    b.Forward("isEqGainInAChange", pages, &PeqEditor::isEqGainInAChange);
    b.Forward("tmEqCurveTimer", pages, &PeqEditor::tmEqCurveTimer);
    b.Forward("cvdEqFreqInAKeyDown", pages, &PeqEditor::cvdEqFreqInAKeyDown);
    b.Forward("cvdEqFreqInAExit", pages, &PeqEditor::cvdEqFreqInAExit);
    // Crossovers.
    b.Forward("isLowCutFreqInAChange", pages, &CrossoverEditor::isLowCutFreqInAChange);
    b.Forward("isHighCutFreqInAChange", pages, &CrossoverEditor::isHighCutFreqInAChange);
    b.Forward("rzcLowCutSlopInAChange", pages, &CrossoverEditor::rzcLowCutSlopInAChange);
    b.Forward("rzcHighCutSlopInAChange", pages, &CrossoverEditor::rzcHighCutSlopInAChange);
    b.Forward("rzbLowCutBypassInAClick", pages, &CrossoverEditor::rzbLowCutBypassInAClick);
    b.Forward("rzbHighCutBypassInAClick", pages, &CrossoverEditor::rzbHighCutBypassInAClick);
    b.Forward("rzcLowCutSlopInAMouseWheel", pages, &CrossoverEditor::rzcLowCutSlopInAMouseWheel);
    b.Forward("rzcHighCutSlopInAMouseWheel", pages, &CrossoverEditor::rzcHighCutSlopInAMouseWheel);
    b.Forward("tmHpLpCurveTimer", pages, &CrossoverEditor::tmHpLpCurveTimer);
    // Curve overlays and the Gain page's curves.
    b.Forward("vrbShowBInAClick", pages, &CurveOverlays::vrbShowBInAClick);
    b.Forward("vrbShowAInBClick", pages, &CurveOverlays::vrbShowAInBClick);
    b.Forward("vrbShow2Out1Click", pages, &CurveOverlays::vrbShow2Out1Click);
    b.Forward("vrbShow1Out2Click", pages, &CurveOverlays::vrbShow1Out2Click);
    b.Forward("vrbShow1Out3Click", pages, &CurveOverlays::vrbShow1Out3Click);
    b.Forward("vrbShow1Out4Click", pages, &CurveOverlays::vrbShow1Out4Click);
    b.Forward("vrbShowAGainClick", pages, &CurveOverlays::vrbShowAGainClick);
    b.Forward("vrbShow1GainClick", pages, &CurveOverlays::vrbShow1GainClick);
    // Page switch and overview jumps.
    b.Forward("rzbMenuInAClick", pages, &PageSwitch::rzbMenuInAClick);
    b.Forward("lbMatrixHpLpInAClick", pages, &PageSwitch::lbMatrixHpLpInAClick);
    b.Forward("lbMatrixDelayInAClick", pages, &PageSwitch::lbMatrixDelayInAClick);
    b.Forward("lbMatrixCompOut1Click", pages, &PageSwitch::lbMatrixCompOut1Click);
    b.Forward("lbMatrixGainInAClick", pages, &PageSwitch::lbMatrixGainInAClick);
    // EQ bypass, parameter display, plot modes.
    b.Forward("vrbEqBypassInAClick", pages, &EqDisplayModes::vrbEqBypassInAClick);
    b.Forward("vrbEqShowAllInAClick", pages, &EqDisplayModes::vrbEqShowAllInAClick);
    b.Forward("rbShowGainInAClick", pages, &EqDisplayModes::rbShowGainInAClick);
    b.Forward("rbShowPhaseInAClick", pages, &EqDisplayModes::rbShowPhaseInAClick);
    // Curve handles.
    b.Forward("fftDrawInAMouseDown", pages, &CurveHandles::fftDrawInAMouseDown);
    b.Forward("fftDrawInAMouseMove", pages, &CurveHandles::fftDrawInAMouseMove);
    b.Forward("fftDrawInAMouseUp", pages, &CurveHandles::fftDrawInAMouseUp);
    b.Forward("tmMouseEqCurveTimer", pages, &CurveHandles::tmMouseEqCurveTimer);
    // Compressor.
    b.Forward("isCompThresholdOut1Change", pages, &CompressorPage::isCompThresholdOut1Change);
    b.Forward("isCompRatioOut1Change", pages, &CompressorPage::isCompRatioOut1Change);
    b.Forward("isCompAttackOut1Change", pages, &CompressorPage::isCompAttackOut1Change);
    b.Forward("isCompReleaseOut1Change", pages, &CompressorPage::isCompReleaseOut1Change);
    b.Forward("cvdCompThresholdOut1KeyDown", pages, &CompressorPage::cvdCompThresholdOut1KeyDown);
    b.Forward("cvdCompRatioOut1KeyDown", pages, &CompressorPage::cvdCompRatioOut1KeyDown);
    b.Forward("cvdCompAttackOut1KeyDown", pages, &CompressorPage::cvdCompAttackOut1KeyDown);
    b.Forward("cvdCompReleaseOut1KeyDown", pages, &CompressorPage::cvdCompReleaseOut1KeyDown);
    b.Forward("cvdCompThresholdOut1Exit", pages, &CompressorPage::cvdCompThresholdOut1Exit);
    b.Forward("cvdCompRatioOut1Exit", pages, &CompressorPage::cvdCompRatioOut1Exit);
    b.Forward("cvdCompAttackOut1Exit", pages, &CompressorPage::cvdCompAttackOut1Exit);
    b.Forward("cvdCompReleaseOut1Exit", pages, &CompressorPage::cvdCompReleaseOut1Exit);
    b.Forward("isCompThresholdOut1MouseDown", pages, &CompressorPage::isCompThresholdOut1MouseDown);
    b.Forward("cvdCompThresholdOut1MouseDown", pages, &CompressorPage::cvdCompThresholdOut1MouseDown);
    b.Forward("lbCompOut1MouseDown", pages, &CompressorPage::lbCompOut1MouseDown);
    // Menu.
    b.Forward("CopyClick", pages, &ChannelPages::CopyClick);
}
