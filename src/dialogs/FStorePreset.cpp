#include "dialogs/FStorePreset.h"

#include "platform/runtime/ClassBuilder.h"

TfmStorePreset *fmStorePreset = nullptr;

T_IMPLEMENT_CLASS(TfmStorePreset) {}

TfmStorePreset::TfmStorePreset(TComponent *AOwner) : TfmPresetList(AOwner, Rows, 0, "SID_SAVE_PRESET", 1)
{
    InitializeForm();
    ShowRows();
}
