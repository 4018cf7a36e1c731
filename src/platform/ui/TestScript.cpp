#include "platform/ui/TestScript.h"

#include "platform/ui/GraphicsFont.h"
#include "platform/ui/Menus.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>

namespace {

struct Entry {
    TScriptWindow Kind = TScriptWindow::ModalForm;
    QString Match;  // form name, part of a message, popup item path
    std::function<void(TCustomForm &)> FormAction;
    bool KeepOpen = false;
    int KeepOpenMs = 0;
    TModalResult Result = mrNone;
    bool SaveDialog = false;
    TFileDialogAnswer File;
    bool Ok = false;
    TColor Color = clNone;
    std::function<void(TFont &)> FontChange;
};

struct State {
    bool session = false;
    std::deque<Entry> queue;
    QStringList log;
    std::vector<std::string> failures;
    std::function<void(const std::string &)> handler;
};

// The windows' way into the script (the framework calls no test code directly).
class TTestScriptAnswers final : public TScriptedAnswers {
public:
    bool Active() const override { return TestScript::Active(); }
    TModalResult ModalFormShown(TCustomForm &form) override { return TestScript::ModalFormShown(form); }
    TModalResult MessageShown(const QString &caption, const QString &text, TModalResult cancelResult) override
    {
        return TestScript::MessageShown(caption, text, cancelResult);
    }
    TFileDialogAnswer FileDialogShown(const TFileDialogRequest &request) override
    {
        return TestScript::FileDialogShown(request);
    }
    bool ColorDialogShown(TColor &color) override { return TestScript::ColorDialogShown(color); }
    bool FontDialogShown(TFont &font) override { return TestScript::FontDialogShown(font); }
    TMenuItem *PopupShown(TPopupMenu &menu) override { return TestScript::PopupShown(menu); }
    void Refused(const QString &problem) override { TestScript::Fail(problem); }
};

// The script's state; the first use installs the script as the windows' answers (for the rest of
// the process: windows still wait for a user while it is not Active()).
State &S()
{
    static State state;
    static const bool installed = [] {
        SetScriptedAnswers(new TTestScriptAnswers);
        return true;
    }();
    (void)installed;
    return state;
}

QString Describe(const Entry &e)
{
    switch (e.Kind) {
    case TScriptWindow::ModalForm:
        return QStringLiteral("modal form %1").arg(e.Match.isEmpty() ? QStringLiteral("(any)") : e.Match);
    case TScriptWindow::Message:
        return QStringLiteral("message \"%1\"").arg(e.Match);
    case TScriptWindow::FileDialog:
        return e.File.Ok ? QStringLiteral("%1 dialog choosing %2")
                               .arg(e.SaveDialog ? QStringLiteral("save") : QStringLiteral("open"),
                                    e.File.Files.join(QStringLiteral(", ")))
                         : QStringLiteral("file dialog, cancelled");
    case TScriptWindow::ColorDialog:
        return QStringLiteral("colour dialog");
    case TScriptWindow::FontDialog:
        return QStringLiteral("font dialog");
    case TScriptWindow::PopupMenu:
        return QStringLiteral("popup menu choosing \"%1\"").arg(e.Match);
    }
    return QString();
}

void Queue(Entry e)
{
    S().queue.push_back(std::move(e));
}

// The next answer when it is for this window; otherwise the window is reported as unexpected.
template <class Pred>
std::optional<Entry> Take(TScriptWindow kind, const QString &what, Pred fits)
{
    State &s = S();
    s.log << what;
    if (s.queue.empty()) {
        TestScript::Fail(QStringLiteral("unexpected %1 (nothing scripted)").arg(what));
        return std::nullopt;
    }
    const Entry &front = s.queue.front();
    if (front.Kind != kind || !fits(front)) {
        TestScript::Fail(QStringLiteral("unexpected %1; the next scripted answer is for %2").arg(what, Describe(front)));
        return std::nullopt;
    }
    Entry e = std::move(s.queue.front());
    s.queue.pop_front();
    return e;
}

// The item at "Sub/Item" (names or captions, accelerators ignored) under `root`.
TMenuItem *FindItemPath(TMenuItem *root, const QString &path)
{
    TMenuItem *item = root;
    for (const QString &part : path.split(QLatin1Char('/'))) {
        TMenuItem *next = nullptr;
        for (int i = 0; i < item->Count() && !next; ++i) {
            TMenuItem *child = item->Items(i);
            if (child->Name().compare(part, Qt::CaseInsensitive) == 0 ||
                StripHotkey(child->Caption()).compare(StripHotkey(part), Qt::CaseInsensitive) == 0)
                next = child;
        }
        if (!next)
            return nullptr;
        item = next;
    }
    return item;
}

}  // namespace

bool TestScript::Active()
{
    if (S().session)
        return true;
    if (qApp)
        return QGuiApplication::platformName() == QLatin1String("offscreen");
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    return platform && QLatin1String(platform) == QLatin1String("offscreen");
}

void TestScript::ExpectModal(const QString &formName, std::function<void(TCustomForm &)> action, bool keepOpen,
                             int keepOpenMs)
{
    Entry e;
    e.Kind = TScriptWindow::ModalForm;
    e.Match = formName;
    e.FormAction = std::move(action);
    e.KeepOpen = keepOpen;
    e.KeepOpenMs = keepOpenMs;
    Queue(std::move(e));
}

void TestScript::ExpectMessage(const QString &textPart, TModalResult result)
{
    Entry e;
    e.Kind = TScriptWindow::Message;
    e.Match = textPart;
    e.Result = result;
    Queue(std::move(e));
}

static void QueueFile(bool save, bool ok, const QStringList &files, int filterIndex)
{
    Entry e;
    e.Kind = TScriptWindow::FileDialog;
    e.SaveDialog = save;
    e.File.Ok = ok;
    e.File.Files = files;
    e.File.FilterIndex = filterIndex;
    Queue(std::move(e));
}

void TestScript::ExpectOpenFile(const QString &file, int filterIndex)
{
    QueueFile(false, true, {file}, filterIndex);
}

void TestScript::ExpectOpenFiles(const QStringList &files)
{
    QueueFile(false, true, files, 0);
}

void TestScript::ExpectSaveFile(const QString &file, int filterIndex)
{
    QueueFile(true, true, {file}, filterIndex);
}

void TestScript::ExpectFileCancel()
{
    QueueFile(false, false, {}, 0);
}

void TestScript::ExpectColor(TColor color)
{
    Entry e;
    e.Kind = TScriptWindow::ColorDialog;
    e.Ok = true;
    e.Color = color;
    Queue(std::move(e));
}

void TestScript::ExpectColorCancel()
{
    Entry e;
    e.Kind = TScriptWindow::ColorDialog;
    Queue(std::move(e));
}

void TestScript::ExpectFont(std::function<void(TFont &)> change)
{
    Entry e;
    e.Kind = TScriptWindow::FontDialog;
    e.Ok = true;
    e.FontChange = std::move(change);
    Queue(std::move(e));
}

void TestScript::ExpectFontCancel()
{
    Entry e;
    e.Kind = TScriptWindow::FontDialog;
    Queue(std::move(e));
}

void TestScript::ExpectPopup(const QString &item)
{
    Entry e;
    e.Kind = TScriptWindow::PopupMenu;
    e.Match = item;
    Queue(std::move(e));
}

int TestScript::Pending()
{
    return static_cast<int>(S().queue.size());
}

const QStringList &TestScript::Log()
{
    return S().log;
}

bool TestScript::TakeModal(const QString &formName, TModalAnswer &answer)
{
    const auto e = Take(TScriptWindow::ModalForm, QStringLiteral("modal form %1").arg(formName),
                        [&](const Entry &x) { return x.Match.isEmpty() || x.Match.compare(formName, Qt::CaseInsensitive) == 0; });
    if (!e)
        return false;
    answer.Action = e->FormAction;
    answer.KeepOpen = e->KeepOpen;
    answer.KeepOpenMs = e->KeepOpenMs;
    return true;
}

TModalResult TestScript::MessageShown(const QString &caption, const QString &text, TModalResult cancelResult)
{
    Q_UNUSED(caption);
    const auto e = Take(TScriptWindow::Message, QStringLiteral("message \"%1\"").arg(text),
                        [&](const Entry &x) { return text.contains(x.Match); });
    return e ? e->Result : cancelResult;
}

TFileDialogAnswer TestScript::FileDialogShown(const TFileDialogRequest &request)
{
    const QString what = QStringLiteral("%1 dialog \"%2\"")
                             .arg(request.Save ? QStringLiteral("save") : QStringLiteral("open"), request.FileName);
    const auto e = Take(TScriptWindow::FileDialog, what,
                        [&](const Entry &x) { return !x.File.Ok || x.SaveDialog == request.Save; });
    return e ? e->File : TFileDialogAnswer{};
}

bool TestScript::ColorDialogShown(TColor &color)
{
    const auto e = Take(TScriptWindow::ColorDialog, QStringLiteral("colour dialog"), [](const Entry &) { return true; });
    if (!e || !e->Ok)
        return false;
    color = e->Color;
    return true;
}

bool TestScript::FontDialogShown(TFont &font)
{
    const auto e = Take(TScriptWindow::FontDialog, QStringLiteral("font dialog"), [](const Entry &) { return true; });
    if (!e || !e->Ok)
        return false;
    if (e->FontChange)
        e->FontChange(font);
    return true;
}

TMenuItem *TestScript::PopupShown(TPopupMenu &menu)
{
    const auto e = Take(TScriptWindow::PopupMenu, QStringLiteral("popup menu %1").arg(menu.Name()),
                        [](const Entry &) { return true; });
    if (!e || e->Match.isEmpty())
        return nullptr;
    TMenuItem *item = FindItemPath(menu.Items(), e->Match);
    if (!item) {
        Fail(QStringLiteral("popup menu %1 has no item \"%2\"").arg(menu.Name(), e->Match));
        return nullptr;
    }
    if (!item->Showing() || !item->Enabled() || item->IsLine()) {
        Fail(QStringLiteral("popup item \"%1\" cannot be chosen (hidden, disabled or a line)").arg(e->Match));
        return nullptr;
    }
    return item;
}

void TestScript::Fail(const QString &message)
{
    State &s = S();
    const std::string text = message.toStdString();
    s.failures.push_back(text);
    if (s.handler)
        s.handler(text);
    else
        std::fprintf(stderr, "test script: %s\n", text.c_str());
}

TScriptSession::TScriptSession()
{
    State &s = S();
    s.session = true;
    s.queue.clear();
    s.log.clear();
    s.failures.clear();
    s.handler = nullptr;
}

TScriptSession::~TScriptSession()
{
    State &s = S();
    while (!s.queue.empty()) {
        const Entry e = std::move(s.queue.front());
        s.queue.pop_front();
        TestScript::Fail(QStringLiteral("scripted answer never used: %1").arg(Describe(e)));
    }
    s.session = false;
    s.handler = nullptr;
}

void TScriptSession::SetFailureHandler(std::function<void(const std::string &)> handler)
{
    S().handler = std::move(handler);
}

const std::vector<std::string> &TScriptSession::Failures() const
{
    return S().failures;
}

void TScriptSession::Reset()
{
    S().queue.clear();
    S().log.clear();
}
