#pragma once
// TfmPresetList: what the store list (TfmStorePreset) and the recall list (TfmRecallPreset) share.
// A list shows one row per preset and keeps the preset names the program reads from the
// processor: each name is exactly 14 bytes of 8-bit text (GBK), held in an array and rendered as
// the row "     U05=  Main          " (5 blanks, the key, "=", 2 blanks, the name); the grid
// shows the part before "=" in its key column and the rest in its value column.
//
// The main window opens a list modally. Choosing a row (clicking it or moving the selection to it)
// opens the preset name dialog fmStoreName without blocking, with the row's name and title, in
// the list's mode (store: name editable; recall: read only); Cancel closes the list and sends
// nothing.
//
// SetRowName ignores a row outside the list; a name that is not 14 bytes is cut (never inside a
// character) or filled up with blanks; CR, LF, "=" and zero bytes show as blanks. No other row
// changes.

#include "platform/ui/Forms.h"

#include <cstdint>
#include <string>
#include <vector>

class TImage;
class TLabel;
class TRzBmpButton;
class TValueListEditor;

class TfmPresetList : public TForm {
    T_DECLARE_CLASS(TfmPresetList, TForm)

    TImage *imBackground = nullptr;
    TValueListEditor *vledPresetName = nullptr;
    TLabel *lPresetSelect = nullptr;
    TRzBmpButton *bnCancel = nullptr;

    int RowCount() const { return static_cast<int>(names_.size()); }
    // The 14 name bytes of a row ("" outside the list).
    std::string RowName(int row) const;
    void SetRowName(int row, const std::string &name);
    // The row's key: "F00" for the factory preset, else "U01".."U31".
    QString RowKey(int row) const;

    void FormShow(TObject *Sender);
    void bnCancelClick(TObject *Sender);
    // Grid row 1 is list row 0.
    void vledPresetNameSelectCell(TObject *Sender, int ACol, int ARow, bool &CanSelect);

protected:
    // `rows` rows, of which the first `factoryRows` are the factory preset; `titleKey` names the
    // caption; `storeMode` is the mode the name dialog opens in (1 store, 0 recall).
    TfmPresetList(TComponent *AOwner, int rows, int factoryRows, const char *titleKey, std::uint8_t storeMode);
    // Sets the column widths and shows every row; the derived constructor calls it after reading
    // its form.
    void ShowRows();

private:
    QString RowText(int row) const;

    std::vector<std::string> names_;
    int factoryRows_;
    const char *titleKey_;
    std::uint8_t storeMode_;
};
