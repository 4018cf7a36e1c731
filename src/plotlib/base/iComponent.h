#pragma once
// TiComponent: the root of the plot library's window controls (plots, the layout viewer, the
// editor's check boxes and radio groups). On top of the framework's custom control it adds:
//
//  - Repaints that follow changes at a limited rate. A change calls InvalidateChange (or
//    BackGroundChange when the background must be drawn again):
//      inside BeginUpdate ... EndUpdate      only marked (NeedsRepaint); EndUpdate releases one
//                                            repaint through the frame rule (brackets do not nest:
//                                            one EndUpdate ends any number of BeginUpdate)
//      AutoFrameRate on, UpdateFrameRate n   invalidated when more than 1/n s has passed since
//                                            the last repaint, else marked; the shared repaint
//                                            timer (TiUpdateObject) issues the marked repaint later
//      otherwise                             invalidated at once
//    The rate limits how often invalidation is requested, not how often the framework paints.
//  - Buffered painting: every paint draws the whole control through DrawToCanvas onto a fresh
//    bitmap, under Lock, then copies it to the window. A failure of any kind inside DrawToCanvas
//    is shown as its message, white on black; nothing a paint raises ever reaches the framework.
//  - Background, border and centre point helpers, and the cached background bitmap of
//    descendants.
//  - Keyboard, mouse and focus hooks (iKeyDown, iMouseDown ...) for descendants. While a key,
//    mouse or focus message is handled, UserGenerated is true: property setters fire their "user"
//    events only then. Key hooks and key events swallow the framework's exceptions; mouse hooks
//    and events let them pass.
//  - Saving and loading all published properties as a property text file (iHelpers.h), and saving
//    the control's picture as a bitmap file.
//
// Lock, Unlock and the per-control timer are left to TiVCLComponent. GUI thread throughout.

#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsCustomControl.h"
#include "plotlib/base/iTypes.h"
#include "plotlib/base/iUpdateObject.h"
#include "plotlib/opc/iOPCClientLibrary.h"

#include <QString>

#include <cstdint>
#include <memory>

using TiPaintEvent = TEvent<void(TObject *Sender, TCanvas *Canvas)>;
using TChangePropertyEvent = TEvent<void(TObject *Sender, const QString &PropName)>;
using TRequestEditEvent = TEvent<void(TObject *Sender, const QString &PropName, bool &CanEdit)>;
using TGetDesigningEvent = TEvent<void(TObject *Sender, bool &Designing)>;

class TiComponent : public TCustomControl, public TiUpdateControl {
    T_DECLARE_CLASS(TiComponent, TCustomControl)
    explicit TiComponent(TComponent *AOwner);
    ~TiComponent() override;

    // ---- Repaint requests ----
    // Repaints everything, background included.
    virtual void RepaintAll();
    virtual void BeginUpdate();
    // Ends the bracket; a change made inside it is repainted through the frame rule.
    virtual void EndUpdate();
    bool AutoFrameRate() const { return FAutoFrameRate; }
    // Turning it on repaints the background; turning it off ends an open bracket and issues a
    // held repaint.
    void SetAutoFrameRate(bool Value);
    int UpdateFrameRate() const override { return FUpdateFrameRate; }
    void SetUpdateFrameRate(int Value);

    // ---- TiUpdateControl (the shared repaint timer reads these) ----
    bool UpdateActive() const override { return FUpdateActive; }
    bool NeedsRepaint() const override { return FNeedsRepaint; }
    std::uint64_t LastUpdate() const override { return FLastUpdate; }
    void DoRepaint() override;

    // ---- Data lock (re-entrant; taken by every paint) ----
    virtual void Lock() = 0;
    virtual void Unlock() = 0;

    // ---- Look ----
    virtual TPoint GetCenterPoint();
    TiBevelStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TiBevelStyle Value);
    TColor BackGroundColor() const { return FBackGroundColor; }
    virtual void SetBackGroundColor(TColor Value);
    // Stretched over the whole control instead of the colour (and without a border) when it has a
    // width; nullptr removes it. The control keeps a copy.
    TBitmap *BackGroundPicture() const { return FBackGroundPicture.get(); }
    void SetBackGroundPicture(TBitmap *Value);
    bool CachedDrawing() const { return FCachedDrawing; }
    // Switching it off frees the cached background bitmap.
    virtual void SetCachedDrawing(bool Value);
    int OffsetX() const { return FOffsetX; }
    void SetOffsetX(int Value) { FOffsetX = Value; }
    int OffsetY() const { return FOffsetY; }
    void SetOffsetY(int Value) { FOffsetY = Value; }
    bool ShowDisabledState() const { return FShowDisabledState; }
    void SetShowDisabledState(bool Value) { SetBooleanProperty(Value, FShowDisabledState, 1); }
    void SetEnabled(bool value) override;

    // ---- Error display of descendants ----
    bool ErrorActive() const { return FErrorActive; }
    void SetErrorActive(bool Value) { SetBooleanProperty(Value, FErrorActive, 1); }
    const QString &ErrorText() const { return FErrorText; }
    void SetErrorText(const QString &Value);
    TColor ErrorBackGroundColor() const { return FErrorBackGroundColor; }
    void SetErrorBackGroundColor(TColor Value) { SetColorProperty(Value, FErrorBackGroundColor, 0); }
    TFont *ErrorFont() const { return FErrorFont.get(); }
    void SetErrorFont(TFont *Value) { FErrorFont->Assign(Value); }

    // ---- State ----
    bool HasFocus() const { return FHasFocus; }
    bool UserGenerated() const { return FUserGenerated; }
    bool OptionSaveAllProperties() const { return FOptionSaveAllProperties; }
    void SetOptionSaveAllProperties(bool Value) { FOptionSaveAllProperties = Value; }
    bool Loading() const { return FLoading; }
    void SetLoading(bool Value) { FLoading = Value; }
    // True while Loading is set or the framework streams the control in.
    bool IsLoading() const;
    // The framework's design state, as OnGetDesigning may change it.
    bool IsDesigning();

    // ---- Files ----
    // First line "File Type = " and the class name, then one property line per stored, writable
    // published property. Name is never written; unless OptionSaveAllProperties, neither are
    // Left, Top, Width, Height, Align, Cursor, ShowHint, Tag, Visible, Enabled, Hint, HelpContext.
    // Written atomically: on failure the old file stays whole and "Error Saving Properties - "
    // and the reason is raised.
    virtual void SavePropertiesToFile(const QString &FileName);
    // Applies every line inside one update bracket (ended also on failure); failures raise
    // "Error Loading Properties - " and the reason.
    virtual void LoadPropertiesFromFile(const QString &FileName);
    // The control's picture as a bitmap file.
    void SaveImageToBitmap(const QString &FileName);

    // ---- Paints the whole control onto a canvas (descendants) ----
    virtual void DrawToCanvas(TCanvas *Canvas) = 0;

    // ---- Per-control timer (TiVCLComponent) ----
    virtual bool TimerActive() = 0;
    // Ticks after InitialDelay ms (Interval when 0), then every Interval ms; ignored while running.
    virtual void TimerStart(int InitialDelay, int Interval) = 0;
    virtual void TimerStop() = 0;

    // A published property changed by code or user; TiVCLComponent writes the value out to the
    // OPC items bound to it and answers whether any took it.
    virtual bool OPCPropertyChange(const QString &PropertyName, const TiOPCValue &Value);

    // ---- Events ----
    TiPaintEvent OnPaint;
    TChangePropertyEvent OnChangeProtected;
    TRequestEditEvent OnRequestEdit;
    TGetDesigningEvent OnGetDesigning;

protected:
    // ---- Changes ----
    // A change that leaves the background as it is.
    void InvalidateChange();
    // A change of the background: it is drawn again at the next paint.
    void BackGroundChange();
    // Stores Value when it differs from Field, then repaints by kind: 0 InvalidateChange,
    // 1 BackGroundChange, anything else nothing.
    void SetBooleanProperty(bool Value, bool &Field, int RepaintKind);
    void SetIntegerProperty(int Value, int &Field, int RepaintKind);
    void SetColorProperty(TColor Value, TColor &Field, int RepaintKind);
    // Applies the frame rule to a marked change.
    void RepaintIfFrameDue();
    bool BackGroundChanged() const { return FBackGroundChanged; }

    // ---- Drawing ----
    // The background picture, or Color with the border; clears BackGroundChanged.
    virtual void DrawBackGround(TCanvas *Canvas, TColor Color);
    virtual void DrawBorder(TCanvas *Canvas);
    // The cached background of descendants, made at the control's size when missing.
    TBitmap *GetBackGroundBitmap();
    TBitmap *BackGroundBitmapIfCreated() const { return FBackGroundBitmap.get(); }
    void Paint() override;
    // The buffered paint of every paint message.
    void PaintBuffered();

    // ---- Hooks for descendants ----
    virtual void iGotFocus();
    virtual void iLostFocus();
    // A special key (arrows ...) the control wants: set Result non-zero.
    virtual void iWantSpecialKey(WORD &CharCode, LRESULT &Result);
    virtual void iKeyUp(WORD &Key, TShiftState Shift);
    virtual void iKeyDown(WORD &Key, TShiftState Shift);
    virtual void iKeyPress(QChar &Key);
    virtual void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void iMouseMove(TShiftState Shift, int X, int Y);
    virtual void iDoubleClick();
    // True when the wheel turn was used.
    virtual bool iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos);

    // Kind of the published, writable property at the dotted path, or Unknown.
    TTypeKind GetPropertyTypeKind(const QString &PropertyName);

    // The framework's input, with UserGenerated set around each.
    void KeyDown(WORD &key, TShiftState shift) override;
    void KeyUp(WORD &key, TShiftState shift) override;
    void KeyPress(QChar &key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

public:
    void DblClick() override;

protected:
    // Sets UserGenerated for its lifetime, also when the handling fails. A message handled inside
    // another (the focus leaving while a key is handled) gives the outer one its flag back.
    class UserInput {
    public:
        explicit UserInput(TiComponent *control) : flag_(control->FUserGenerated), outer_(flag_) { flag_ = true; }
        ~UserInput() { flag_ = outer_; }
        UserInput(const UserInput &) = delete;
        UserInput &operator=(const UserInput &) = delete;

    private:
        bool &flag_;
        bool outer_;
    };

    bool FUserGenerated = false;
    bool FHasFocus = false;

private:
    template <class T>
    void SetProperty(T Value, T &Field, int RepaintKind);
    void ErrorFontChanged(TObject *) { InvalidateChange(); }

    bool FUpdateActive = false;
    int FUpdateFrameRate = 60;
    std::uint64_t FLastUpdate = 0;
    bool FNeedsRepaint = false;
    std::unique_ptr<TBitmap> FBackGroundBitmap;
    std::unique_ptr<TBitmap> FBackGroundPicture;
    TColor FBackGroundColor = clBtnFace;
    bool FBackGroundChanged = true;
    TiBevelStyle FBorderStyle = ibsNone;
    int FOffsetY = 0;
    int FOffsetX = 0;
    bool FShowDisabledState = false;
    bool FAutoFrameRate = false;
    bool FLoading = false;
    bool FCachedDrawing = true;
    bool FOptionSaveAllProperties = false;
    bool FErrorActive = false;
    QString FErrorText = QStringLiteral("Error");
    TColor FErrorBackGroundColor = 0;
    std::unique_ptr<TFont> FErrorFont;
};
