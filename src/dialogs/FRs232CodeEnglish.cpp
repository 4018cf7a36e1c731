#include "dialogs/FRs232CodeEnglish.h"

#include "platform/runtime/ClassBuilder.h"

TfmRs232CodeEnglish *fmRs232CodeEnglish = nullptr;

T_IMPLEMENT_CLASS(TfmRs232CodeEnglish) {}

TfmRs232CodeEnglish::TfmRs232CodeEnglish(TComponent *AOwner) : TfmRs232CodeDoc(AOwner)
{
    InitializeForm();
}
