#pragma once
// TiVCLComponent: the layer between TiComponent and the library's concrete controls (through
// TiCustomComponent, which adds nothing). It supplies the data lock, a per-control timer, the
// window messages of a library control, transparency over the parent's background, painting into
// a foreign canvas, and the control's OPC items with the road by which OPC data reaches and
// leaves its published properties.
//
// Rules:
//  - Lock/Unlock: one re-entrant lock per control, taken by every paint (the buffered paint,
//    iPaintToDC); they do nothing while the control is being destroyed.
//  - Timer: TimerStart(InitialDelay, Interval) ticks OnInternalTimer after InitialDelay ms (after
//    Interval when the delay is 0), then every Interval ms; (0, 0) starts nothing, starting a
//    running timer changes nothing, destroying the control stops it. The manual test clock drives it.
//  - Keys: a key press reaches iKeyDown once, with the shift state of that moment: from the
//    framework's key-down event, or, when the framework takes the key as a dialog key or menu
//    shortcut before that event, from the key notification. The control wants all keys
//    (WM_GETDLGCODE); arrows and the like reach it unless the form takes them (iWantSpecialKey).
//  - Focus: getting and losing the focus run iGotFocus/iLostFocus with UserGenerated set.
//  - Mouse: the framework's exceptions out of the button messages are swallowed; the wheel goes to
//    iMouseWheel only (the framework's wheel events are not fired).
//  - The window background is never erased: the control paints all of its area.
//  - Transparency: with Transparent on, the background is what the parent paints behind the
//    control, captured again after each move, resize and RepaintAll; without a parent the
//    background colour stands in until a capture succeeds.
//  - OPC in: data of an item with a PropertyName goes through OnBeforeNewOPCData (which may change
//    it); when its quality is good it is written into the published property of that name (unless
//    OPCSpecialProperty takes it), and OnNewOPCData fires either way. OPC out: OPCPropertyChange
//    sends a changed property to every active item bound to it, except while the change is an
//    incoming OPC value being written.
// GUI thread throughout.

#include "platform/os/CriticalSection.h"
#include "platform/runtime/IntervalTimer.h"
#include "platform/runtime/StringList.h"
#include "plotlib/base/iComponent.h"
#include "plotlib/opc/iOPCItem.h"

#include <memory>

using TIndexObjectEvent = TEvent<void(int Index)>;
using TBeforeOPCNewDataEvent = TEvent<void(int Index, TiOPCValue &Data)>;

class TJPEGImage;

class TiVCLComponent : public TiComponent {
    T_DECLARE_CLASS(TiVCLComponent, TiComponent)
    explicit TiVCLComponent(TComponent *AOwner);
    ~TiVCLComponent() override;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Lock() override;
    void Unlock() override;
    void RepaintAll() override;
    // Paints the control into `DC` with its top-left corner at (X, Y), clipped to its size, under
    // Lock; with Transparent no background is drawn, so what `DC` holds shows through. The canvas
    // is left as it was; a framework exception while drawing is swallowed.
    void iPaintToDC(int X, int Y, HDC DC, bool Transparent);

    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    // ---- Image export (output/iImageExport.cpp) ----
    // Each draws the control afresh through DrawToCanvas at its size (nothing is taken from the
    // screen). A JPEG Compression outside 1..100 raises "Compression must be in the range of
    // 1-100", a PNG one outside 0..9 "Compression must be in the range of 0-9", before anything is
    // drawn or written. The files and MakeJPEGImage encode for best quality, the byte arrays for
    // best speed; only the byte arrays take Lock. Failures of drawing, encoding or writing pass.
    // A metafile whose creator text is "Quorin" (Metafile.h).
    void SaveImageToMetaFile(const QString &FileName);
    void SaveImageToJPEG(const QString &FileName, int Compression, bool Progressive);
    void SaveImageToPNG(const QString &FileName, int Compression);
    QByteArray GetBytesJPEG(int Compression, bool Progressive);
    QByteArray GetBytesPNG(int Compression);
    // A compressed JPEG image the caller owns.
    std::unique_ptr<TJPEGImage> MakeJPEGImage(int Compression, bool Progressive);

    // ---- Per-control timer ----
    bool TimerActive() override;
    void TimerStart(int InitialDelay, int Interval) override;
    void TimerStop() override;

    // ---- OPC ----
    bool OPCPropertyChange(const QString &PropertyName, const TiOPCValue &Value) override;
    TiOPCItemManager *OPCItemManager() const { return FOPCItemManager.get(); }
    // Item accessors; a bad index raises the item list's EStringListError.
    int OPCAddItem();
    int OPCItemCount() const;
    void OPCRemoveAllItems();
    void OPCDeleteItem(int Index);
    void OPCItemActivate(int Index);
    void OPCItemDeactivate(int Index);
    void OPCItemUpdateResume(int Index);
    void OPCItemUpdateSuspend(int Index);
    void OPCItemLoaded(int Index);
    void SetOPCItemData(int Index, const TiOPCValue &Value);
    void SetOPCItemComputerName(int Index, const QString &Value);
    void SetOPCItemServerName(int Index, const QString &Value);
    void SetOPCItemItemName(int Index, const QString &Value);
    void SetOPCItemPropertyName(int Index, const QString &Value);
    void SetOPCItemAutoConnect(int Index, bool Value);
    void SetOPCItemUpdateRate(int Index, int Value);
    QString GetOPCItemComputerName(int Index) const;
    QString GetOPCItemServerName(int Index) const;
    QString GetOPCItemItemName(int Index) const;
    QString GetOPCItemPropertyName(int Index) const;
    bool GetOPCItemAutoConnect(int Index) const;
    int GetOPCItemUpdateRate(int Index) const;
    TiOPCValue GetOPCItemData(int Index) const;
    int GetOPCItemQuality(int Index) const;
    TDateTime GetOPCItemTimeStamp(int Index) const;

    // Writes Data, as text, into every writable published property whose dotted path (Prefix
    // first, when not blank) equals Target without regard to case, descending into owned
    // sub-objects. Integers, colours and sets take an integer; enumerations also "True"/"False";
    // Booleans take "0" as false and anything else as true; floats a number; strings the text. A
    // text that does not convert raises EConvertError.
    static void SetPropertyFromVariant(TObject *Instance, const QString &Prefix, const TiOPCValue &Data,
                                       const QString &Target);

    // ---- Theme schemes ----
    // Clears the categories, then reads the scheme files of the control's class: "<class>.xml" in
    // the library's theme folder and "<class>User.xml" in the user's, both named by the registry
    // key "SOFTWARE\Quorin\Themes" (machine-wide, each non-blank value under the current user
    // replacing it; a missing key, value or file loads nothing). Categories keep the order they
    // first appear in, names compared without regard to case; a user file's schemes follow the
    // library's in a shared category. A closing tag out of place raises "Error Loading Scheme. XML
    // File Malformed"; what was read before it stays.
    void LoadThemes();
    // A bad index raises the list-index error.
    int GetThemeCategoryCount() const;
    QString GetThemeCategoryName(int CategoryIndex) const;
    int GetThemeCategorySchemeCount(int CategoryIndex) const;
    QString GetThemeCategorySchemeName(int CategoryIndex, int SchemeIndex) const;
    // The scheme came from the user's file.
    bool GetThemeCategorySchemeIsUser(int CategoryIndex, int SchemeIndex) const;
    // Writes the scheme's values into the published properties of their paths, in order, each
    // repainting as its setter decides; a value that does not convert stops it there.
    void ApplyScheme(int CategoryIndex, int SchemeIndex);

    // ---- Events ----
    TNotifyEvent OnInternalTimer;
    TIndexObjectEvent OnNewOPCData;
    TBeforeOPCNewDataEvent OnBeforeNewOPCData;

    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

protected:
    // A descendant that writes an incoming OPC value itself returns true.
    virtual bool OPCSpecialProperty(const QString &PropertyName, const TiOPCValue &Value);
    void DrawBackGround(TCanvas *Canvas, TColor Color) override;
    void DefineProperties(TFiler *Filer) override;

protected:  // message handlers, registered by number in the class description
    void WMEraseBkgnd(TMessage &m);
    void WMMove(TMessage &m);
    void WMSetFocus(TMessage &m);
    void WMKillFocus(TMessage &m);
    void WMGetDlgCode(TMessage &m);
    void CMWantSpecialKey(TMessage &m);
    void CNKeyDown(TMessage &m);
    void WMMouseButton(TMessage &m);
    void CMColorChanged(TMessage &m);
    void WMSysColorChange(TMessage &m);

private:
    void OPCNewData(TObject *Sender);
    void RequestTransparentCapture();
    void CaptureTransparentBackground();

    bool FPaintDCTransparent = false;
    std::unique_ptr<TBitmap> FTransparentBitmap;
    os::CriticalSection FDataCriticalSection;
    bool FTransparent = false;
    std::unique_ptr<TiOPCItemManager> FOPCItemManager;
    bool FOPCIncomingActive = false;
    TIntervalTimer FTimer;
    bool FNeedsTransparentCapture = false;
    // Category names, each with its owned list of schemes (a scheme list of the file's kind each).
    TStringList FThemeCategoryList{true};
};

class TiCustomComponent : public TiVCLComponent {
    T_DECLARE_CLASS(TiCustomComponent, TiVCLComponent)
    using TiVCLComponent::TiVCLComponent;
};
