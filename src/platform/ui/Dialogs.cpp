#include "platform/ui/Dialogs.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScriptedAnswers.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <vector>

T_IMPLEMENT_CLASS(TCommonDialog)
{
    b.Event("OnClose", &TCommonDialog::OnClose);
    b.Event("OnShow", &TCommonDialog::OnShow);
}

namespace {

int gBeeps = 0;

// One button of a box: its result and how Qt shows it.
struct BoxButton {
    int result;
    QMessageBox::StandardButton standard;  // NoButton: a button with its own text
    const char *text;
};

// The buttons of the framework's dialog buttons, in the order they are laid out.
constexpr BoxButton kButtons[] = {
    {mrYes, QMessageBox::Yes, "&Yes"},          {mrNo, QMessageBox::No, "&No"},
    {mrOk, QMessageBox::Ok, "OK"},              {mrCancel, QMessageBox::Cancel, "Cancel"},
    {mrAbort, QMessageBox::Abort, "&Abort"},    {mrRetry, QMessageBox::Retry, "&Retry"},
    {mrIgnore, QMessageBox::Ignore, "&Ignore"}, {mrAll, QMessageBox::NoButton, "&All"},
    {mrNoToAll, QMessageBox::NoToAll, "N&o to All"}, {mrYesToAll, QMessageBox::YesToAll, "Yes to &All"},
    {0, QMessageBox::Help, "&Help"},            {mrClose, QMessageBox::Close, "&Close"},
};

const BoxButton &ButtonOf(TMsgDlgBtn b)
{
    return kButtons[static_cast<int>(b)];
}

// What closing the box without a button answers: Cancel, else No, else OK, else the first.
int EscapeResult(const std::vector<int> &results)
{
    for (int r : {mrCancel, mrNo, mrOk})
        for (int have : results)
            if (have == r)
                return r;
    return results.empty() ? mrCancel : results.front();
}

// Shows a box with the buttons (results in layout order) and answers the result pressed.
int RunBox(QMessageBox::Icon icon, const QString &caption, const QString &text, const std::vector<int> &results,
           int defaultIndex)
{
    const int escape = EscapeResult(results);
    if (TScriptedAnswers *script = ScriptedAnswers()) {
        const int answer = script->MessageShown(caption, text, escape);
        for (int r : results)
            if (r == answer)
                return answer;
        if (answer != escape)
            script->Refused(
                QStringLiteral("message \"%1\" has no button for the scripted answer %2").arg(text).arg(answer));
        return escape;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
        return defaultIndex >= 0 && defaultIndex < static_cast<int>(results.size())
                   ? results[static_cast<std::size_t>(defaultIndex)]
                   : escape;
    }
    // Above the dialog that raised it (the running modal form), else above the main window.
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, DialogOwnerWindow());
    std::vector<std::pair<QAbstractButton *, int>> made;
    for (int r : results)
        for (const BoxButton &b : kButtons)
            if (b.result == r) {
                QAbstractButton *button = b.standard != QMessageBox::NoButton
                                              ? static_cast<QAbstractButton *>(box.addButton(b.standard))
                                              : box.addButton(QString::fromLatin1(b.text), QMessageBox::AcceptRole);
                made.emplace_back(button, r);
                break;
            }
    if (defaultIndex >= 0 && defaultIndex < static_cast<int>(made.size()))
        box.setDefaultButton(static_cast<QPushButton *>(made[static_cast<std::size_t>(defaultIndex)].first));
    ExecDialog(box);
    for (const auto &[button, r] : made)
        if (box.clickedButton() == button)
            return r;
    return escape;
}

QMessageBox::Icon IconOf(UINT flags)
{
    switch (flags & 0xF0) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

int ExecDialog(QDialog &dialog)
{
    if (!dialog.parentWidget())
        if (QWidget *owner = DialogOwnerWindow())
            dialog.setParent(owner, dialog.windowFlags());
    if (!Application)
        return dialog.exec();
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.open();
    Application->ModalLoop([&dialog] { return !dialog.isVisible(); });
    return dialog.result();
}

int MessageBox(const QString &text, const QString &caption, UINT flags)
{
    static const std::vector<int> kSets[] = {
        {IDOK}, {IDOK, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE}, {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO}, {IDRETRY, IDCANCEL},
    };
    const UINT set = flags & 0x0F;
    const std::vector<int> &results = set < std::size(kSets) ? kSets[set] : kSets[0];
    const int defaultIndex = static_cast<int>((flags >> 8) & 0x0F);
    return RunBox(IconOf(flags), caption, text, results, defaultIndex);
}

TModalResult MessageDlg(const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons, int)
{
    static const char *const kCaptions[] = {"Warning", "Error", "Information", "Confirm"};
    static const QMessageBox::Icon kIcons[] = {QMessageBox::Warning, QMessageBox::Critical, QMessageBox::Information,
                                               QMessageBox::Question, QMessageBox::NoIcon};
    const QString caption = type == mtCustom ? ApplicationTitle() : QString::fromLatin1(kCaptions[type]);
    std::vector<int> results;
    for (int b = mbYes; b <= mbClose; ++b)
        if (buttons.Contains(static_cast<TMsgDlgBtn>(b)) && ButtonOf(static_cast<TMsgDlgBtn>(b)).result != 0)
            results.push_back(ButtonOf(static_cast<TMsgDlgBtn>(b)).result);
    return RunBox(kIcons[type], caption, msg, results, 0);
}

void ShowMessage(const QString &msg)
{
    RunBox(QMessageBox::NoIcon, ApplicationTitle(), msg, {mrOk}, 0);
}

QString ApplicationTitle()
{
    return Application ? Application->Title() : QString();
}

void MessageBeep(UINT)
{
    ++gBeeps;
    if (!ScriptedAnswers())
        QApplication::beep();
}

int MessageBeepCount()
{
    return gBeeps;
}

// ---- TCommonDialog ---------------------------------------------------------------------------

TCommonDialog::TCommonDialog(TComponent *AOwner) : TComponent(AOwner) {}

void TCommonDialog::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCommonDialog::DoClose()
{
    if (OnClose)
        OnClose(this);
}
