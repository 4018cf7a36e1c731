#include "platform/ui/Screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include <algorithm>

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Forms.h"

namespace {

TScreen gScreen(nullptr);

struct CursorShape {
    TCursor Cursor;
    Qt::CursorShape Shape;
};

constexpr CursorShape kShapes[] = {
    {crDefault, Qt::ArrowCursor},    {crNone, Qt::BlankCursor},       {crArrow, Qt::ArrowCursor},
    {crCross, Qt::CrossCursor},      {crIBeam, Qt::IBeamCursor},      {crSizeNESW, Qt::SizeBDiagCursor},
    {crSizeNS, Qt::SizeVerCursor},   {crSizeNWSE, Qt::SizeFDiagCursor}, {crSizeWE, Qt::SizeHorCursor},
    {crUpArrow, Qt::UpArrowCursor},  {crHourGlass, Qt::WaitCursor},   {crDrag, Qt::DragMoveCursor},
    {crNoDrop, Qt::ForbiddenCursor}, {crHSplit, Qt::SplitHCursor},    {crVSplit, Qt::SplitVCursor},
    {crMultiDrag, Qt::DragCopyCursor}, {crSQLWait, Qt::BusyCursor},   {crNo, Qt::ForbiddenCursor},
    {crAppStart, Qt::BusyCursor},    {crHelp, Qt::WhatsThisCursor},   {crHandPoint, Qt::PointingHandCursor},
    {crSizeAll, Qt::SizeAllCursor},
};

}  // namespace

TScreen *const Screen = &gScreen;

T_IMPLEMENT_CLASS(TScreen) {}

TScreen::TScreen(TComponent *AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() = default;

int TScreen::Width() const
{
    const QScreen *s = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return s ? s->geometry().width() : 1024;
}

int TScreen::Height() const
{
    const QScreen *s = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return s ? s->geometry().height() : 768;
}

void TScreen::SetCursor(TCursor value)
{
    if (FCursor == value)
        return;
    const TCursor old = FCursor;
    FCursor = value;
    if (!qGuiApp)
        return;
    if (old != crDefault)
        QGuiApplication::restoreOverrideCursor();
    if (value != crDefault)
        QGuiApplication::setOverrideCursor(CursorShape(value));
}

QCursor TScreen::CursorShape(TCursor cursor) const
{
    if (auto it = FCursors.find(cursor); it != FCursors.end())
        return it->second;
    for (const auto &s : kShapes)
        if (s.Cursor == cursor)
            return QCursor(s.Shape);
    return QCursor(Qt::ArrowCursor);
}

int TScreen::FormCount() const
{
    return static_cast<int>(std::count_if(FForms.begin(), FForms.end(),
                                          [](TCustomForm *f) { return dynamic_cast<TForm *>(f) != nullptr; }));
}

TForm *TScreen::Forms(int index) const
{
    for (TCustomForm *f : FForms)
        if (auto *form = dynamic_cast<TForm *>(f); form && index-- == 0)
            return form;
    return nullptr;
}

TForm *TScreen::ActiveForm() const
{
    return dynamic_cast<TForm *>(FActiveForm);
}

TWinControl *TScreen::ActiveControl() const
{
    return FActiveForm ? FActiveForm->ActiveControl() : nullptr;
}

void TScreen::ActivateForm(TCustomForm *form)
{
    if (FActiveForm == form)
        return;
    TCustomForm *old = FActiveForm;
    FActiveForm = form;
    // The most recently active form first.
    if (form) {
        std::erase(FForms, form);
        FForms.insert(FForms.begin(), form);
    }
    if (old)
        old->Perform(CM_DEACTIVATE);
    if (form && FActiveForm == form)
        form->Perform(CM_ACTIVATE);
}

void TScreen::FormHidden(TCustomForm *form)
{
    if (FActiveForm != form)
        return;
    TCustomForm *next = nullptr;
    for (TCustomForm *f : FForms)
        if (f != form && f->Visible()) {
            next = f;
            break;
        }
    ActivateForm(next);
}

void TScreen::AddForm(TCustomForm *form)
{
    if (std::find(FForms.begin(), FForms.end(), form) == FForms.end())
        FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm *form)
{
    std::erase(FForms, form);
    std::erase_if(FModal, [form](const TModalRun &run) { return run.Form == form; });
    for (TModalRun &run : FModal)
        std::erase(run.Blocked, form);
    if (FActiveForm == form)
        FActiveForm = nullptr;
}

// ---- Modal forms ----------------------------------------------------------------------------------------

bool TScreen::BlockedByModal(const TCustomForm *form) const
{
    return std::any_of(FModal.begin(), FModal.end(), [form](const TModalRun &run) {
        return std::find(run.Blocked.begin(), run.Blocked.end(), form) != run.Blocked.end();
    });
}

TCustomForm *TScreen::InnermostModalFormOver(const TCustomForm *form) const
{
    for (auto run = FModal.rbegin(); run != FModal.rend(); ++run)
        if (run->Form != form && std::find(run->Blocked.begin(), run->Blocked.end(), form) == run->Blocked.end())
            return run->Form;
    return nullptr;
}

void TScreen::PushModal(TCustomForm *form)
{
    TModalRun run{form, {}};
    for (TCustomForm *f : FForms)
        if (f != form && f->Visible() && f->Enabled())
            run.Blocked.push_back(f);
    FModal.push_back(std::move(run));
    UpdateWindowBlocking();
}

void TScreen::PopModal(TCustomForm *form)
{
    auto it = std::find_if(FModal.rbegin(), FModal.rend(), [form](const TModalRun &run) { return run.Form == form; });
    if (it != FModal.rend())
        FModal.erase(std::next(it).base());
    UpdateWindowBlocking();
}

void TScreen::UpdateWindowBlocking()
{
    for (TCustomForm *f : FForms)
        f->UpdateWindowBlocking();
}

// ---- System metrics ---------------------------------------------------------------------------------

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        // The classic style's scroll bar; the same without a widget application.
        if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
            return app->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        return 16;
    default: return 0;
    }
}

int WheelScrollLines()
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        return QApplication::wheelScrollLines();
    return 3;
}
