#pragma once
// TfmStorePreset: the list of the 31 user presets U01..U31 (rows 0..30) to store the current
// program in. Choosing a row opens the name dialog in store mode. See TfmPresetList.

#include "dialogs/FPresetList.h"

class TfmStorePreset : public TfmPresetList {
    T_DECLARE_CLASS(TfmStorePreset, TfmPresetList)
    static constexpr int Rows = 31;

    explicit TfmStorePreset(TComponent *AOwner);
};

extern TfmStorePreset *fmStorePreset;
