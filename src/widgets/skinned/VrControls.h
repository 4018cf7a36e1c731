#pragma once
// The base controls of the LED widget set.
//
// TVrCustomControl: a windowed control whose property changes all end in UpdateControl, an
// immediate repaint. While the form that holds it is loading, or between BeginUpdate and EndUpdate,
// changes only store their values; the EndUpdate that closes the last update repaints once. The
// update count never goes below 0, so an unmatched EndUpdate cannot stop later repaints. After the
// framework's handling of CM_FONTCHANGED and CM_TEXTCHANGED it calls FontChanged and TextChanged
// (which fire OnFontChanged and OnTextChanged); the pointer's arrival and departure come to
// MouseEnter and MouseLeave as for every control. Gaining or losing the focus, and a change of
// Enabled, repaint.
//
// TVrCustomImageControl: paints everything into an off-screen image first and copies it to the
// screen in one step, so its buttons never flicker. A descendant's Paint begins with PrepareImage
// (the image sized to the control and filled with Color), draws only on ImageCanvas() and ends by
// calling the inherited Paint, which copies the image.
//
// The first control of the set registers cursor number 99 (crVrHandPoint) as the framework's
// hand-point shape.

#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsCustomControl.h"

#include <memory>

constexpr TCursor crVrHandPoint = 99;

class TVrCustomControl : public TCustomControl {
    T_DECLARE_CLASS(TVrCustomControl, TCustomControl)
    explicit TVrCustomControl(TComponent *AOwner);

    const QString &Version() const { return FVersion; }
    // Informational only: a write changes nothing.
    void SetVersion(const QString &) {}

    void BeginUpdate() { ++FUpdateCount; }
    // Closes one update (never below 0) and repaints when none is left open.
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TNotifyEvent OnFontChanged;
    TNotifyEvent OnTextChanged;

    // The control has the focus (as the last CM_FOCUSCHANGED said).
    bool FocusedNow() const { return FFocused; }

protected:
    // Repaints at once, unless the form is loading or an update is open (without a window yet it
    // only marks the control for its first paint).
    virtual void UpdateControl();
    virtual void FontChanged();
    virtual void TextChanged();
    // The focus came or went: repaints.
    virtual void FocusChanged() { UpdateControl(); }
    // Stores a differing value; true when it changed.
    template <class T>
    static bool Changes(T &field, T value)
    {
        if (field == value)
            return false;
        field = value;
        return true;
    }
    // Stores a differing value and repaints.
    template <class T>
    void StoreAndUpdate(T &field, T value)
    {
        if (Changes(field, value))
            UpdateControl();
    }
    // The OnChange of an owned settings group (palette, fonts, bitmap): UpdateControl.
    TNotifyEvent SettingsChangedEvent() { return TNotifyEvent(this, &TVrCustomControl::SettingsChanged); }

protected:  // message handlers, registered by number in the class description
    void CMFontChanged(TMessage &m);
    void CMTextChanged(TMessage &m);
    void CMFocusChanged(TMessage &m);
    void CMEnabledChanged(TMessage &m);

private:
    void SettingsChanged(TObject *) { UpdateControl(); }

protected:
    QString FVersion = QStringLiteral("1.4.5");
    int FUpdateCount = 0;
    bool FFocused = false;
};

class TVrCustomImageControl : public TVrCustomControl {
    T_DECLARE_CLASS(TVrCustomImageControl, TVrCustomControl)
    explicit TVrCustomImageControl(TComponent *AOwner);
    ~TVrCustomImageControl() override;

    // The off-screen image descendants draw on.
    TCanvas *ImageCanvas() const { return FBitmapImage->Canvas(); }
    TBitmap *BitmapImage() const { return FBitmapImage.get(); }

protected:
    // The image sized to the control and filled with Color.
    virtual void PrepareImage();
    // Copies the image to the control's canvas.
    void Paint() override;

protected:  // message handlers, registered by number in the class description
    void WMEraseBkgnd(TMessage &m);

private:
    std::unique_ptr<TBitmap> FBitmapImage;
};
