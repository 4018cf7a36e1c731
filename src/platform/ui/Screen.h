#pragma once
// TScreen: the screen and the program's windows as the framework sees them: size, pixels per inch
// (pinned to 96), the screen cursor and the cursor shapes, the forms, the active form and the form
// running modally.

#include <QCursor>

#include <map>
#include <vector>

#include "platform/ui/Controls.h"

class TCustomForm;
class TForm;
class TWinControl;

class TScreen : public TComponent {
    T_DECLARE_CLASS(TScreen, TComponent)
    explicit TScreen(TComponent *AOwner);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    TRect DesktopRect() const { return TRect(0, 0, Width(), Height()); }
    TRect WorkAreaRect() const { return DesktopRect(); }
    int PixelsPerInch() const { return 96; }

    // The cursor shown over every window while it is not crDefault (crHourGlass during waits).
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // The shape of a cursor number (registered ones first, then the framework's standard set).
    QCursor CursorShape(TCursor cursor) const;
    void SetCursorShape(TCursor cursor, const QCursor &shape) { FCursors[cursor] = shape; }

    int CustomFormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm *CustomForms(int index) const { return FForms.at(static_cast<std::size_t>(index)); }
    int FormCount() const;
    TForm *Forms(int index) const;
    TCustomForm *ActiveCustomForm() const { return FActiveForm; }
    TForm *ActiveForm() const;
    TWinControl *ActiveControl() const;
    // The innermost form running modally, or nullptr.
    TCustomForm *ModalForm() const { return FModal.empty() ? nullptr : FModal.back().Form; }
    // True while the running modal forms keep `form` from taking input: it was visible and
    // enabled when one of them started, as the window system disables the windows it finds then.
    // A form shown later takes input beside the modal form, as long as no newer one starts.
    bool BlockedByModal(const TCustomForm *form) const;
    // The innermost form running modally, other than `form`, whose run does not block `form`
    // (any form when `form` is nullptr); nullptr when there is none.
    TCustomForm *InnermostModalFormOver(const TCustomForm *form) const;

    // For the forms: makes `form` the active form (CM_DEACTIVATE to the old one, CM_ACTIVATE to it).
    void ActivateForm(TCustomForm *form);
    // The form went away or was hidden: another visible form becomes active.
    void FormHidden(TCustomForm *form);
    void AddForm(TCustomForm *form);
    void RemoveForm(TCustomForm *form);
    // A form starts or ends running modally: the windows it blocks are decided (see
    // BlockedByModal), and the window system learns which ones take input.
    void PushModal(TCustomForm *form);
    void PopModal(TCustomForm *form);

private:
    struct TModalRun {
        TCustomForm *Form;
        std::vector<TCustomForm *> Blocked;
    };
    void UpdateWindowBlocking();

    TCursor FCursor = crDefault;
    std::map<TCursor, QCursor> FCursors;
    std::vector<TCustomForm *> FForms;
    std::vector<TModalRun> FModal;  // innermost last
    TCustomForm *FActiveForm = nullptr;
};

extern TScreen *const Screen;

// ---- System metrics ---------------------------------------------------------------------------------
// Sizes of the application's classic look in pixels, as the native widgets draw them.
constexpr int SM_CXVSCROLL = 2;  // width of a vertical scroll bar and of a combo box's drop-down button
constexpr int SM_CYHSCROLL = 3;  // height of a horizontal scroll bar
// 0 for an index the framework does not know.
int GetSystemMetrics(int index);
// Lines one notch of the mouse wheel scrolls a list (the system setting).
int WheelScrollLines();
