#pragma once
// The framework's exception classes. Exception carries a window text (QString); what() gives it
// as UTF-8. Abort() raises the silent EAbort, which the message loop does not show.

#include <QByteArray>
#include <QString>

#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString &Message() const { return message_; }
    void SetMessage(const QString &message)
    {
        message_ = message;
        utf8_ = message_.toUtf8();
    }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

#define T_DECLARE_EXCEPTION(Name, Parent)            \
    class Name : public Parent {                     \
    public:                                          \
        using Parent::Parent;                        \
    }

T_DECLARE_EXCEPTION(EAbort, Exception);
T_DECLARE_EXCEPTION(EConvertError, Exception);
T_DECLARE_EXCEPTION(EInvalidCast, Exception);
T_DECLARE_EXCEPTION(EInvalidOperation, Exception);
T_DECLARE_EXCEPTION(EListError, Exception);
T_DECLARE_EXCEPTION(EStringListError, Exception);
T_DECLARE_EXCEPTION(EComponentError, Exception);
T_DECLARE_EXCEPTION(EClassNotFound, Exception);
T_DECLARE_EXCEPTION(EPropertyError, Exception);
T_DECLARE_EXCEPTION(EOutOfResources, Exception);
T_DECLARE_EXCEPTION(EOSError, Exception);
T_DECLARE_EXCEPTION(EStreamError, Exception);
T_DECLARE_EXCEPTION(EFileStreamError, EStreamError);
T_DECLARE_EXCEPTION(EFCreateError, EFileStreamError);
T_DECLARE_EXCEPTION(EFOpenError, EFileStreamError);
T_DECLARE_EXCEPTION(EFilerError, EStreamError);
T_DECLARE_EXCEPTION(EReadError, EFilerError);
T_DECLARE_EXCEPTION(EWriteError, EFilerError);

// Raises EAbort: ends the current operation without a message.
[[noreturn]] void Abort();
