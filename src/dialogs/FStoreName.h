#pragma once
// TfmStoreName: the preset name dialog that the store and recall lists open without blocking.
// In store mode the user names user preset PresetIndex (0..30 = U01..U31) and OK stores the current
// program in it; in recall mode it confirms the recall of preset PresetIndex (0 = F00, 1..31 =
// U01..U31) and the name is read only. Cancel closes only this dialog; the list stays open.
//
// OK: the name becomes exactly 14 bytes of GBK (cut between characters, filled up with blanks);
// the list is hidden first when connected (so it is off screen while the progress window runs),
// both windows close, then the main window stores or recalls; after a store both lists show the
// new name.

#include "platform/ui/Forms.h"

#include <cstdint>
#include <string>

class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;

class TfmStoreName : public TForm {
    T_DECLARE_CLASS(TfmStoreName, TForm)
    explicit TfmStoreName(TComponent *AOwner);

    // The step value the main window's exchanges get on OK.
    static constexpr int PresetStepValue = 15;

    TImage *imBackground = nullptr;
    TLabel *lblPresetName = nullptr;
    TLabel *lTitle = nullptr;
    TEdit *edName = nullptr;
    TRzBmpButton *btnOK = nullptr;
    TRzBmpButton *bnCancel = nullptr;

    // The name (8-bit text) without its trailing blanks and carriage returns, into edName.
    void ShowPresetName(const std::string &name);
    void SetPresetIndex(int index) { PresetIndex = index; }
    int GetPresetIndex() const { return PresetIndex; }
    // 1 store (name editable), 0 recall (read only).
    void SetStoreMode(std::uint8_t mode) { StoreMode = mode; }
    std::uint8_t GetStoreMode() const { return StoreMode; }

    void FormShow(TObject *Sender);
    void FormActivate(TObject *Sender);
    void edNameKeyPress(TObject *Sender, QChar &Key);
    void btnOKClick(TObject *Sender);
    void bnCancelClick(TObject *Sender);

private:
    int PresetIndex = 0;
    std::uint8_t StoreMode = 0;
};

extern TfmStoreName *fmStoreName;
