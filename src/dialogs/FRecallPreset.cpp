#include "dialogs/FRecallPreset.h"

#include "platform/runtime/ClassBuilder.h"

TfmRecallPreset *fmRecallPreset = nullptr;

T_IMPLEMENT_CLASS(TfmRecallPreset) {}

TfmRecallPreset::TfmRecallPreset(TComponent *AOwner) : TfmPresetList(AOwner, Rows, 1, "SID_RECALL_PRESET", 0)
{
    InitializeForm();
    ShowRows();
}
