#include "platform/ui/ScriptedAnswers.h"

#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

TScriptedAnswers *gInstalled = nullptr;

bool Offscreen()
{
    if (qApp)
        return QGuiApplication::platformName() == QLatin1String("offscreen");
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    return platform && QLatin1String(platform) == QLatin1String("offscreen");
}

// The answers on the offscreen platform when no script is installed: every window is cancelled
// and reported, since no user could ever answer it.
class TNobodyAnswers final : public TScriptedAnswers {
public:
    bool Active() const override { return true; }
    TModalResult ModalFormShown(TCustomForm &form) override
    {
        Report(QStringLiteral("modal form %1").arg(form.Name()));
        return mrCancel;
    }
    TModalResult MessageShown(const QString &, const QString &text, TModalResult cancelResult) override
    {
        Report(QStringLiteral("message \"%1\"").arg(text));
        return cancelResult;
    }
    TFileDialogAnswer FileDialogShown(const TFileDialogRequest &) override
    {
        Report(QStringLiteral("file dialog"));
        return {};
    }
    bool ColorDialogShown(TColor &) override
    {
        Report(QStringLiteral("colour dialog"));
        return false;
    }
    bool FontDialogShown(TFont &) override
    {
        Report(QStringLiteral("font dialog"));
        return false;
    }
    TMenuItem *PopupShown(TPopupMenu &menu) override
    {
        Report(QStringLiteral("popup menu %1").arg(menu.Name()));
        return nullptr;
    }
    void Refused(const QString &) override {}

private:
    static void Report(const QString &window)
    {
        std::fprintf(stderr, "offscreen: %s cancelled, nobody can answer it\n", window.toUtf8().constData());
    }
};

}  // namespace

TScriptedAnswers *ScriptedAnswers()
{
    if (gInstalled && gInstalled->Active())
        return gInstalled;
    static TNobodyAnswers nobody;
    return Offscreen() ? &nobody : nullptr;
}

TScriptedAnswers *SetScriptedAnswers(TScriptedAnswers *answers)
{
    TScriptedAnswers *previous = gInstalled;
    gInstalled = answers;
    return previous;
}
