#include "plotlib/editor/iValueConverterEditForm.h"

#include "platform/runtime/ClassBuilder.h"

#include <cmath>
#include <cstdint>

T_IMPLEMENT_CLASS(TiValueConverterEditForm)
{
    using F = TiValueConverterEditForm;
    b.Handler("FormCreate", &F::FormCreate);
    b.Handler("TimeChange", &F::TimeChange);
    b.Handler("WeeksChange", &F::WeeksChange);
    b.Handler("Price32Change", &F::Price32Change);
    b.Handler("DateTimePickerChange", &F::DateTimePickerChange);
    b.Handler("SetNowButtonClick", &F::SetNowButtonClick);
    b.Handler("iComponentEditorButton1Click", &F::iComponentEditorButton1Click);
    b.Field("PageControl", &F::PageControl);
    b.Field("IntervalTabSheet", &F::IntervalTabSheet);
    b.Field("DateTimeTabSheet", &F::DateTimeTabSheet);
    b.Field("Price32TabSheet", &F::Price32TabSheet);
    b.Field("WeeksEdit", &F::WeeksEdit);
    b.Field("DaysEdit", &F::DaysEdit);
    b.Field("HoursEdit", &F::HoursEdit);
    b.Field("MinutesEdit", &F::MinutesEdit);
    b.Field("SecondsEdit", &F::SecondsEdit);
    b.Field("MilliSecondsEdit", &F::MilliSecondsEdit);
    b.Field("iUpDown4", &F::iUpDown4);
    b.Field("DaysUpDown", &F::DaysUpDown);
    b.Field("HoursUpDown", &F::HoursUpDown);
    b.Field("MinutesUpDown", &F::MinutesUpDown);
    b.Field("SecondsUpDown", &F::SecondsUpDown);
    b.Field("MilliSecondsUpDown", &F::MilliSecondsUpDown);
    b.Field("iComponentEditorButton1", &F::iComponentEditorButton1);
    b.Field("DatePickerLabel", &F::DatePickerLabel);
    b.Field("TimePickerLabel", &F::TimePickerLabel);
    b.Field("SetNowButton", &F::SetNowButton);
    b.Field("PriceIntegerEdit", &F::PriceIntegerEdit);
    b.Field("Price32ndsEdit", &F::Price32ndsEdit);
    b.Field("Price256thsEdit", &F::Price256thsEdit);
    b.Field("iUpDown1", &F::iUpDown1);
    b.Field("iUpDown2", &F::iUpDown2);
    b.Field("iUpDown3", &F::iUpDown3);
    b.Field("ValueEdit", &F::ValueEdit);
    b.Field("Panel2", &F::Panel2);
    b.Field("OkButton", &F::OkButton);
    b.Field("CancelButton", &F::CancelButton);
}

TiValueConverterEditForm::TiValueConverterEditForm(TComponent *AOwner) : TiCustomEditorForm(AOwner)
{
    InitializeForm();
}

void TiValueConverterEditForm::FormCreate(TObject *)
{
    auto makePicker = [this](TLabel *label, TDateTimeKind kind) {
        auto *picker = new TDateTimePicker(this);
        picker->SetParent(DateTimeTabSheet);
        picker->SetKind(kind);
        picker->SetBounds(label->Left() + label->Width() + 5, label->Top() - 3, 137, picker->Height());
        picker->OnChange = TNotifyEvent(this, &TiValueConverterEditForm::DateTimePickerChange);
        return picker;
    };
    FDatePicker = makePicker(DatePickerLabel, dtkDate);
    FTimePicker = makePicker(TimePickerLabel, dtkTime);
}

double TiValueConverterEditForm::Value() const
{
    return ValueEdit->AsFloat();
}

void TiValueConverterEditForm::SetValue(double V)
{
    // Above 1e14 the whole days cannot be shown: the interval and date pages take the fraction.
    const double p = V <= 1e14 ? V : V - std::trunc(V);
    ValueEdit->SetAsFloat(V);
    const double days = std::trunc(p);
    FDatePicker->SetDateTime(days);
    FTimePicker->SetDateTime(p - days);
    const auto wholeDays = static_cast<std::int64_t>(days);
    DaysEdit->SetAsString(QString::number(wholeDays));
    WeeksEdit->SetAsString(QString::number(wholeDays / 7));
    int hour = 0, minute = 0, second = 0, msec = 0;
    DecodeTime(p, hour, minute, second, msec);
    HoursEdit->SetAsInteger(hour);
    MinutesEdit->SetAsInteger(minute);
    SecondsEdit->SetAsInteger(second);
    MilliSecondsEdit->SetAsInteger(msec);
    const double fraction = V - std::trunc(V);
    const int thirtySeconds = static_cast<int>(std::trunc(fraction / 0.03125));
    PriceIntegerEdit->SetAsString(QString::number(static_cast<std::int64_t>(std::trunc(V))));
    Price32ndsEdit->SetAsInteger(thirtySeconds);
    Price256thsEdit->SetAsInteger(static_cast<int>(std::trunc((fraction - thirtySeconds / 32.0) / 0.00390625)));
}

void TiValueConverterEditForm::Apply(double V)
{
    ValueEdit->SetAsFloat(V);
    SetValue(ValueEdit->AsFloat());
}

double TiValueConverterEditForm::TimeOfDay() const
{
    return EncodeTime(HoursEdit->AsInteger(), MinutesEdit->AsInteger(), SecondsEdit->AsInteger(),
                      MilliSecondsEdit->AsInteger());
}

void TiValueConverterEditForm::TimeChange(TObject *)
{
    Apply(DaysEdit->AsInteger() + TimeOfDay());
}

void TiValueConverterEditForm::WeeksChange(TObject *)
{
    Apply(WeeksEdit->AsInteger() * 7.0 + TimeOfDay());
}

void TiValueConverterEditForm::Price32Change(TObject *)
{
    ValueEdit->SetAsFloat(PriceIntegerEdit->AsInteger() + Price32ndsEdit->AsInteger() / 32.0 +
                          Price256thsEdit->AsInteger() / 256.0);
}

void TiValueConverterEditForm::DateTimePickerChange(TObject *)
{
    const double time = FTimePicker->DateTime();
    Apply(std::trunc(FDatePicker->DateTime()) + (time - std::trunc(time)));
}

void TiValueConverterEditForm::SetNowButtonClick(TObject *)
{
    Apply(Now());
}

void TiValueConverterEditForm::iComponentEditorButton1Click(TObject *)
{
    Apply(0);
}
