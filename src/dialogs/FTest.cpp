#include "dialogs/FTest.h"

#include "device/LCmd.h"
#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/RadioButton.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <cstdint>

TfmTest *fmTest = nullptr;

T_IMPLEMENT_CLASS(TfmTest)
{
    using C = TfmTest;
    b.Field("imBackground", &C::imBackground);
    b.Field("gbSignal", &C::gbSignal);
    b.Field("rbAnalogIn", &C::rbAnalogIn);
    b.Field("rbPinkNoise", &C::rbPinkNoise);
    b.Field("rbWhiteNoise", &C::rbWhiteNoise);
    b.Field("rbSineWave", &C::rbSineWave);
    b.Field("cbSineFreq", &C::cbSineFreq);
    b.Field("bnExit", &C::bnExit);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("rbAnalogInClick", &C::rbAnalogInClick);
    b.Handler("cbSineFreqSelect", &C::cbSineFreqSelect);
    b.Handler("bnExitClick", &C::bnExitClick);
}

TfmTest::TfmTest(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmTest::ShowSignal(int mode, int sineIndex)
{
    TRadioButton *const buttons[] = {rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave};
    if (mode < AnalogIn || mode > SineWave)
        return;
    buttons[mode]->SetChecked(true);
    if (mode == SineWave && sineIndex >= 0 && sineIndex < SineFrequencies)
        cbSineFreq->SetItemIndex(sineIndex);
}

void TfmTest::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_TEST_TITLE"},
                     {bnExit, "SID_EXIT"},
                     {rbAnalogIn, "SID_ANALOG_IN"},
                     {rbWhiteNoise, "SID_WHITE_IN"},
                     {rbPinkNoise, "SID_PINK_IN"},
                     {rbSineWave, "SID_SINE_IN"}});
}

void TfmTest::SendWorkMode(int mode)
{
    DialogHost &host = Host();
    // The list keeps a selection (ShowSignal never clears it); should it have none, the first
    // frequency goes out rather than an index the processor does not know.
    const int index = cbSineFreq->ItemIndex() < 0 ? 0 : cbSineFreq->ItemIndex();
    const CM_MCS_WORK_MODE command(static_cast<std::uint8_t>(host.GetDeviceId()), static_cast<std::uint8_t>(mode),
                                   static_cast<std::uint8_t>(index));
    host.SendCommand(command, 1, 1);
}

void TfmTest::rbAnalogInClick(TObject *Sender)
{
    auto *button = dynamic_cast<TRadioButton *>(Sender);
    if (!button || !button->Checked() || Host().IsControlsUpdating())
        return;
    SendWorkMode(button->Tag());
}

void TfmTest::cbSineFreqSelect(TObject *)
{
    if (Host().IsControlsUpdating())
        return;
    rbSineWave->SetChecked(true);
    SendWorkMode(SineWave);
}

void TfmTest::bnExitClick(TObject *)
{
    Close();
}
