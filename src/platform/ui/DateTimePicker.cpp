#include "platform/ui/DateTimePicker.h"

#include "platform/runtime/ClassBuilder.h"

#include <QDateTimeEdit>
#include <QSignalBlocker>

#include <cmath>

T_IMPLEMENT_CLASS(TDateTimePicker)
{
    b.Enum("DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat, DTDateFormatNames)
        .Default(dfShort);
    b.Float("DateTime", &TDateTimePicker::DateTime, &TDateTimePicker::SetDateTime);
    b.Enum("Kind", &TDateTimePicker::Kind, &TDateTimePicker::SetKind, DateTimeKindNames).Default(dtkDate);
    b.Bool("TabStop", &TDateTimePicker::TabStop, &TDateTimePicker::SetTabStop).Default(true);
    b.Event("OnChange", &TDateTimePicker::OnChange);
}

namespace {

const QDateTime kEpoch(QDate(1899, 12, 30), QTime(0, 0));

QDateTime ToQt(TDateTime value)
{
    return kEpoch.addMSecs(static_cast<qint64>(std::llround(value * 86400000.0)));
}

TDateTime FromQt(const QDateTime &value)
{
    return static_cast<double>(kEpoch.msecsTo(value)) / 86400000.0;
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent *AOwner) : TNativeControl(AOwner)
{
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    FDateTime = Now();
    SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::Show(QDateTimeEdit *edit) const
{
    const QSignalBlocker block(edit);
    if (FKind == dtkTime)
        edit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    else
        edit->setDisplayFormat(FDateFormat == dfLong ? QStringLiteral("dddd, MMMM d, yyyy") : QStringLiteral("M/d/yyyy"));
    edit->setDateTime(ToQt(FDateTime));
}

QWidget *TDateTimePicker::CreateNative(QWidget *parent)
{
    auto *edit = new QDateTimeEdit(parent);
    edit->setTimeSpec(Qt::UTC);  // values as they are, without daylight saving
    Show(edit);
    QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, edit, [this](const QDateTime &) { Guarded([this] { UserChanged(); }); });
    return edit;
}

void TDateTimePicker::UserChanged()
{
    auto *edit = Native<QDateTimeEdit>();
    if (FSyncing || !edit)
        return;
    FDateTime = FromQt(edit->dateTime());
    Change();
}

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::SetKind(TDateTimeKind value)
{
    FKind = value;
    if (auto *edit = Native<QDateTimeEdit>())
        Show(edit);
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value)
{
    FDateFormat = value;
    if (auto *edit = Native<QDateTimeEdit>())
        Show(edit);
}

void TDateTimePicker::SetDateTime(TDateTime value)
{
    FDateTime = value;
    if (auto *edit = Native<QDateTimeEdit>())
        Show(edit);
}

TDateTime TDateTimePicker::Date() const
{
    return std::trunc(FDateTime);
}

void TDateTimePicker::SetDate(TDateTime value)
{
    SetDateTime(std::trunc(value) + (FDateTime - std::trunc(FDateTime)));
}

TDateTime TDateTimePicker::Time() const
{
    return FDateTime - std::trunc(FDateTime);
}

void TDateTimePicker::SetTime(TDateTime value)
{
    SetDateTime(std::trunc(FDateTime) + (value - std::trunc(value)));
}
