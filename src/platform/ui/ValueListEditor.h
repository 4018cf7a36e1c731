#pragma once
// TValueListEditor: a two-column grid of "key=value" lines (Strings), with the column titles of
// TitleCaptions in its fixed top row. Grid row R shows line R - 1 when the titles are shown. The
// whole list can be read and written as text (Strings->Text); writing it shows the rows anew.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Grids.h"
#include "platform/runtime/StringList.h"

#include <memory>

enum TDisplayOption { doColumnTitles, doAutoColResize, doKeyColFixed };
using TDisplayOptions = TSet<TDisplayOption>;
inline constexpr auto DisplayOptionNames =
    EnumNames<TDisplayOption>("doColumnTitles", "doAutoColResize", "doKeyColFixed");

class TValueListEditor : public TCustomGrid {
    T_DECLARE_CLASS(TValueListEditor, TCustomGrid)

public:
    explicit TValueListEditor(TComponent *AOwner);
    ~TValueListEditor() override;

    TStrings *Strings() const { return FStrings.get(); }
    void SetStrings(TStrings *value) { FStrings->Assign(value); }
    TStrings *TitleCaptions() const { return FTitleCaptions.get(); }
    void SetTitleCaptions(TStrings *value) { FTitleCaptions->Assign(value); }
    TDisplayOptions DisplayOptions() const { return FDisplayOptions; }
    void SetDisplayOptions(TDisplayOptions value);

    // The key and value of a grid row; the value of a key ("" when the key is not there).
    QString Keys(int ARow) const;
    void SetKeys(int ARow, const QString &key);
    QString Values(const QString &key) const { return FStrings->Values(key); }
    void SetValues(const QString &key, const QString &value) { FStrings->SetValue(key, value); }
    QString Cells(int ACol, int ARow) const { return GetCellText(ACol, ARow); }
    // The grid row of a key; false when it is not there.
    bool FindRow(const QString &key, int &row) const;

protected:
    QString GetCellText(int ACol, int ARow) const override;
    void SetEditText(int ACol, int ARow, const QString &value) override;
    bool CanEditCell(int ACol, int ARow) const override;

private:
    int LineOf(int ARow) const { return FDisplayOptions.Contains(doColumnTitles) ? ARow - 1 : ARow; }
    void StringsChanged();

    std::unique_ptr<TStringList> FStrings;
    std::unique_ptr<TStringList> FTitleCaptions;
    TDisplayOptions FDisplayOptions{doColumnTitles, doAutoColResize, doKeyColFixed};
};
