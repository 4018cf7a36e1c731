#pragma once
// TiValueConverterEditForm: the dialog in which a user enters a number as an interval (weeks,
// days, hours, minutes, seconds, milliseconds), as a date and time, or as a price in 32nds (with
// 256ths). Its look is the form definition TiValueConverterEditForm.
//
// Writing Value fills every page silently: the interval and date/time pages from the value (its
// fraction alone when it is above 1e14), the price page from the value itself. A committed change
// on the interval page (days and time of day, or whole weeks in place of the days) or on the
// date/time page sets ValueEdit and writes Value back, so all pages show the new number; a change
// on the price page sets only ValueEdit. Empty or bad integer fields count as 0; a time field out
// of range (hours above 23 ...) raises EConvertError. Value reads ValueEdit as it stands, so a
// number typed there is what OK returns. GUI thread.

#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "plotlib/editor/iEditorBasicComponents.h"

class TiValueConverterEditForm : public TiCustomEditorForm {
    T_DECLARE_CLASS(TiValueConverterEditForm, TiCustomEditorForm)
    explicit TiValueConverterEditForm(TComponent *AOwner);

    double Value() const;
    void SetValue(double V);

    // ---- Handlers (bound by the form definition) ----
    void FormCreate(TObject *Sender);
    void TimeChange(TObject *Sender);
    void WeeksChange(TObject *Sender);
    void Price32Change(TObject *Sender);
    void DateTimePickerChange(TObject *Sender);
    void SetNowButtonClick(TObject *Sender);
    void iComponentEditorButton1Click(TObject *Sender);

    // ---- Components (set by the form reader) ----
    TiComponentEditorPageControl *PageControl = nullptr;
    TTabSheet *IntervalTabSheet = nullptr;
    TTabSheet *DateTimeTabSheet = nullptr;
    TTabSheet *Price32TabSheet = nullptr;
    TiComponentEditorEdit *WeeksEdit = nullptr;
    TiComponentEditorEdit *DaysEdit = nullptr;
    TiComponentEditorEdit *HoursEdit = nullptr;
    TiComponentEditorEdit *MinutesEdit = nullptr;
    TiComponentEditorEdit *SecondsEdit = nullptr;
    TiComponentEditorEdit *MilliSecondsEdit = nullptr;
    TiUpDown *iUpDown4 = nullptr;
    TiUpDown *DaysUpDown = nullptr;
    TiUpDown *HoursUpDown = nullptr;
    TiUpDown *MinutesUpDown = nullptr;
    TiUpDown *SecondsUpDown = nullptr;
    TiUpDown *MilliSecondsUpDown = nullptr;
    TiComponentEditorButton *iComponentEditorButton1 = nullptr;
    TLabel *DatePickerLabel = nullptr;
    TLabel *TimePickerLabel = nullptr;
    TiComponentEditorButton *SetNowButton = nullptr;
    TiComponentEditorEdit *PriceIntegerEdit = nullptr;
    TiComponentEditorEdit *Price32ndsEdit = nullptr;
    TiComponentEditorEdit *Price256thsEdit = nullptr;
    TiUpDown *iUpDown1 = nullptr;
    TiUpDown *iUpDown2 = nullptr;
    TiUpDown *iUpDown3 = nullptr;
    TiComponentEditorEdit *ValueEdit = nullptr;
    TPanel *Panel2 = nullptr;
    TiComponentEditorButton *OkButton = nullptr;
    TiComponentEditorButton *CancelButton = nullptr;
    // Made by FormCreate.
    TDateTimePicker *FDatePicker = nullptr;
    TDateTimePicker *FTimePicker = nullptr;

private:
    // ValueEdit := V, then Value := ValueEdit's number.
    void Apply(double V);
    // The time of day of the interval page's fields.
    double TimeOfDay() const;
};
