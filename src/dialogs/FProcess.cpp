#include "dialogs/FProcess.h"

#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/StatusBar.h"
#include "widgets/graphics/AdvProgressBar.h"

TfmProcess *fmProcess = nullptr;

T_IMPLEMENT_CLASS(TfmProcess)
{
    using C = TfmProcess;
    b.Field("ProgressBar", &C::ProgressBar);
    b.Field("StatusBar", &C::StatusBar);
    b.Handler("FormShow", &C::FormShow);
}

TfmProcess::TfmProcess(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmProcess::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_PROCESS"}});
}
