#pragma once
// TfmRecallPreset: the list of the presets to recall: the factory preset F00 (row 0) and the user
// presets U01..U31 (rows 1..31). Choosing a row opens the name dialog in recall mode, as a
// confirmation. See TfmPresetList.

#include "dialogs/FPresetList.h"

class TfmRecallPreset : public TfmPresetList {
    T_DECLARE_CLASS(TfmRecallPreset, TfmPresetList)
    static constexpr int Rows = 32;

    explicit TfmRecallPreset(TComponent *AOwner);
};

extern TfmRecallPreset *fmRecallPreset;
