#include "dialogs/FRs232Code.h"

#include "platform/runtime/ClassBuilder.h"

TfmRs232Code *fmRs232Code = nullptr;

T_IMPLEMENT_CLASS(TfmRs232Code) {}

TfmRs232Code::TfmRs232Code(TComponent *AOwner) : TfmRs232CodeDoc(AOwner)
{
    InitializeForm();
}
