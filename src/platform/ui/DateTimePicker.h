#pragma once
// TDateTimePicker: a field for a date (dtkDate) or a time of day (dtkTime). DateTime holds the
// value in the framework's days since 30 December 1899; the user's changes fire OnChange, values
// written by code do not.

#include "platform/runtime/DateTime.h"
#include "platform/runtime/EnumNames.h"
#include "platform/ui/NativeControl.h"

class QDateTimeEdit;

enum TDateTimeKind { dtkDate, dtkTime };
inline constexpr auto DateTimeKindNames = EnumNames<TDateTimeKind>("dtkDate", "dtkTime");
enum TDTDateFormat { dfShort, dfLong };
inline constexpr auto DTDateFormatNames = EnumNames<TDTDateFormat>("dfShort", "dfLong");

class TDateTimePicker : public TNativeControl {
    T_DECLARE_CLASS(TDateTimePicker, TNativeControl)

public:
    explicit TDateTimePicker(TComponent *AOwner);

    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind value);
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat value);
    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime value);
    TDateTime Date() const;
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    QWidget *CreateNative(QWidget *parent) override;
    void Show(QDateTimeEdit *edit) const;
    void UserChanged();

private:
    TDateTimeKind FKind = dtkDate;
    TDTDateFormat FDateFormat = dfShort;
    TDateTime FDateTime = 0;
    bool FSyncing = false;
};
