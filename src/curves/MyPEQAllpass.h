#pragma once
// TMyPEQAllpass: the table of one channel's parametric equaliser, one row per band (50 rows, the
// first ChannelNumber of them shown): the band number, frequency, Q and gain fields, the band-type
// list and a bypass button. It keeps the band values itself as positions on the device's grids
// (see PeqBandTexts.h), reads and normalises what the user types, shows every value in one display
// form, marks the current row and reports every change to its owner; it sends nothing to the
// device and draws no curve.
//
// Events (each fires only when assigned):
//   OnChange             after every user action on a row (Enter in a field or leaving it, a type
//                        picked from the list, a bypass click), after every value setter that
//                        changed the row, and when ChannelNumber changes. Before it, every shown
//                        row's bypass button takes its colour (0x8080FF bypassed, else
//                        BypassBackColor); without a handler Change does nothing at all.
//   OnEditMouseDown      a mouse button pressed in a row's frequency, Q or gain field; Sender is the
//                        table, the other arguments those of the field's event.
//   OnPeqTypeMouseWheel  the wheel over a row's type list, forwarded unchanged with the list as
//                        Sender; a handler that sets Handled keeps the type.
// A user action makes its row current: PreviousIndex takes the old NowIndex, NowIndex the row
// (before OnChange or OnEditMouseDown fires). The setters leave both alone.
//
// A typed text is read on Enter and when the field loses the focus. An invalid one never raises:
// the value stays, the field shows it again, the caret goes to the end, and OnChange fires all the
// same.
//
// Layout (RePaint, from Paint and from the appearance setters) runs only when the size differs
// from the size of the last layout: column unit C = (Width - 68) / 5, row height
// H = (Height - TopBottomSpace - title strip - 16) / ChannelNumber, the title strip 13 pixels while
// TitleVisable. Rows from ChannelNumber on are hidden (moved to top 10000). Every layout keeps each
// row's selected type, so a size change after start (DPI, the main window's resize) never resets
// the bands; a row without one gets Peak.
//
// Creating the table's window puts the built-in type captions back (a list keeps its selection,
// an empty one gets Low Shelf): apply the language once the window exists.
//
// Rows, Q indexes and caption indexes out of range are ignored or kept in range (see each member);
// ChannelNumber is kept within 1 to 50. The up-down value holders the layout can make room for
// (UpdownVisable) are plain positions and the column titles (TitleVisable) have no window: both
// flags only change the layout. GUI thread only.

#include <QString>

#include <array>
#include <cstdint>

#include "widgets/skinned/RzGroupBox.h"

class TEdit;
class TRzButton;
class TRzComboBox;
class TRzLabel;

class TMyPEQAllpass : public TRzGroupBox {
    T_DECLARE_CLASS(TMyPEQAllpass, TRzGroupBox)
    explicit TMyPEQAllpass(TComponent *AOwner);
    ~TMyPEQAllpass() override;

    static constexpr int RowCount = 50;
    // Colour of the current row's values and of a bypassed band's button.
    static constexpr TColor MarkColor = 0x00B000;
    static constexpr TColor BypassedColor = 0x8080FF;

    // ---- Published properties ----
    int ChannelNumber() const { return FChannelNumber; }
    // Rows shown, kept within 1 to 50; a change fires OnChange. Rows are shown or hidden by the
    // next layout, which runs after a size change.
    void SetChannelNumber(int value);
    bool UpdownVisable() const { return FUpdownVisable; }
    // Narrows the three fields by 20 pixels at the next layout.
    void SetUpdownVisable(bool value);
    bool TitleVisable() const { return FTitleVisable; }
    // Reserves the title strip at the next layout.
    void SetTitleVisable(bool value);
    int TopBottomSpace() const { return FTopBottomSpace; }
    // Space above the rows; stored without a layout.
    void SetTopBottomSpace(int value) { FTopBottomSpace = value; }
    TColor LabelColor() const { return FLabelColor; }
    void SetLabelColor(TColor value);
    TColor EditBackColor() const { return FEditBackColor; }
    // Background of the fields and type list of every shown row.
    void SetEditBackColor(TColor value);
    TColor BypassBackColor() const { return FBypassBackColor; }
    // Button colour of every shown active band.
    void SetBypassBackColor(TColor value);

    TNotifyEvent OnChange;
    TMouseEvent OnEditMouseDown;
    TMouseWheelEvent OnPeqTypeMouseWheel;

    // ---- Values of a row (0 to 49; a row outside answers 0, -1 for the type, false) ----
    // 1000 x FreqStepRatio^position Hz.
    double GetFreqValue(int row) const;
    double GetQValue(int row) const;
    // In dB.
    double GetGainValue(int row) const;
    // The type list's selection: PeqType 0 to 6, -1 for none.
    int GetTypeValue(int row) const;
    bool GetBypassValue(int row) const;

    // ---- Setters: each shows the value and fires OnChange; a row outside 0 to 49 is ignored ----
    // Position by the setters' rounding (FrequencyPosition); a frequency not above 0 or not finite
    // leaves the row unchanged and fires nothing.
    void SetFreqValue(int row, double hz);
    // Q position = the index truncated, kept within 0 to 100.
    void SetQValue(int row, double qIndex);
    // Position = dB x 10 truncated; the field shows `dB` itself. A gain that is not finite leaves
    // the row unchanged and fires nothing.
    void SetGainValue(int row, double dB);
    void SetTypeValue(int row, int peqType);
    void SetBypassValue(int row, bool bypass);
    // The whole row (frequency, gain, type, bypass, Q) with one OnChange at the end; a frequency or
    // gain that the setters above refuse leaves the whole row unchanged and fires nothing.
    void SetEqParamValue(int row, double hz, double qIndex, double dB, int peqType, bool bypass);

    // ---- Current row ----
    int GetNowIndex() const { return NowIndex; }
    // Moves the green marking: -1 unmarks NowIndex (which stays); another row unmarks NowIndex and
    // marks that row; NowIndex itself, after a user action, unmarks the previous current row and
    // marks it. A row outside -1 to 49 is ignored.
    void SetNowIndex(int row);
    // Font colour of the row's three fields; ignored for a row outside 0 to ChannelNumber - 1.
    void SetColor(int row, TColor colour);

    // ---- Language ----
    // Type caption 0 to 6 (another index is ignored) and the bypass caption; shown only by
    // ChangeLanguage.
    void SetEqTypeString(const QString &text, int index);
    void SetBypassString(const QString &text);
    // Every shown row's type list takes the captions, keeping its selection; the bypass buttons
    // take their caption.
    void ChangeLanguage();

    int GetChannelNumber() const { return FChannelNumber; }
    // The row's controls (row 0 to 49).
    TEdit *FrequencyEdit(int row) const { return FrequencyEdits.at(static_cast<std::size_t>(row)); }
    TEdit *QEdit(int row) const { return QEdits.at(static_cast<std::size_t>(row)); }
    TEdit *GainEdit(int row) const { return GainEdits.at(static_cast<std::size_t>(row)); }
    TRzLabel *NumberLabel(int row) const { return NumberLabels.at(static_cast<std::size_t>(row)); }
    TRzComboBox *TypeList(int row) const { return TypeLists.at(static_cast<std::size_t>(row)); }
    TRzButton *BypassButton(int row) const { return BypassButtons.at(static_cast<std::size_t>(row)); }

    // Lays the rows out when the size changed since the last layout.
    void RePaint();

protected:
    void CreateWnd() override;
    void Paint() override;
    virtual void Change();

private:
    enum class Field { Frequency, Q, Gain };
    static bool ValidRow(int row) { return row >= 0 && row < RowCount; }
    TEdit *EditOf(Field field, int row) const;
    // The field's value in its display form.
    QString DisplayText(Field field, int row) const;
    // Reads the typed text of a field; invalid text puts the value back with the caret at the end.
    void ReadField(Field field, int row);
    // PreviousIndex = NowIndex, NowIndex = row.
    void MakeCurrent(int row);
    void UserAction(int row);
    // Empties the row's type list and adds the seven captions, selecting what was selected, or
    // `fallback` when nothing was.
    void FillTypeList(int row, int fallback);
    void BypassClick(int row);
    // Stores the row's values; the setters' common step.
    void StoreFrequency(int row, int position);
    void StoreGain(int row, double dB);
    void StoreQ(int row, double qIndex);

    std::array<TEdit *, RowCount> FrequencyEdits{};
    std::array<TEdit *, RowCount> GainEdits{};
    std::array<TEdit *, RowCount> QEdits{};
    std::array<TRzLabel *, RowCount> NumberLabels{};
    std::array<int, RowCount> FrequencyPositions{};
    std::array<int, RowCount> GainPositions{};
    std::array<int, RowCount> QPositions{};
    std::array<TRzComboBox *, RowCount> TypeLists{};
    std::array<TRzButton *, RowCount> BypassButtons{};
    std::array<std::uint8_t, RowCount> BypassFlags{};
    bool FTitleVisable = false;
    bool FUpdownVisable = false;
    int FTopBottomSpace = 15;
    int FChannelNumber = RowCount;
    TColor FLabelColor = 0;
    TColor FEditBackColor = clWindow;
    TColor FBypassBackColor = clWindow;
    int FLaidOutWidth = 490;
    int FLaidOutHeight = 420;
    int NowIndex = 0;
    int PreviousIndex = 0;
    // 0 to 6 the type captions in PeqType order, 7 the bypass caption.
    std::array<QString, 8> Captions;
    TColor NormalEditColor = clWindowText;
};
