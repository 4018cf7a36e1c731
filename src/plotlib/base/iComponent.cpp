#include "plotlib/base/iComponent.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/TimerService.h"
#include "platform/runtime/TypInfo.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"

T_IMPLEMENT_CLASS(TiComponent)
{
    b.Bool("OptionSaveAllProperties", &TiComponent::OptionSaveAllProperties, &TiComponent::SetOptionSaveAllProperties)
        .Default(false);
    b.Bool("AutoFrameRate", &TiComponent::AutoFrameRate, &TiComponent::SetAutoFrameRate).Default(false);
    b.Int("UpdateFrameRate", &TiComponent::UpdateFrameRate, &TiComponent::SetUpdateFrameRate).Default(60);
}

TiComponent::TiComponent(TComponent *AOwner) : TCustomControl(AOwner), FErrorFont(std::make_unique<TFont>())
{
    FLastUpdate = GetTickCount64();
    FErrorFont->SetColor(clRed);
    FErrorFont->SetStyle(TFontStyles{fsBold});
    FErrorFont->OnChange = TNotifyEvent(this, &TiComponent::ErrorFontChanged);
    SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable});
    TiUpdateObject::Instance().AddUpdateControl(this);
}

TiComponent::~TiComponent()
{
    TiUpdateObject::Instance().RemoveUpdateControl(this);
}

// ---- Repaint requests ------------------------------------------------------------------------------------

void TiComponent::InvalidateChange()
{
    if (FUpdateActive) {
        FNeedsRepaint = true;
    }
    else if (FAutoFrameRate) {
        FNeedsRepaint = true;
        RepaintIfFrameDue();
    }
    else {
        DoRepaint();
    }
}

void TiComponent::BackGroundChange()
{
    FBackGroundChanged = true;
    InvalidateChange();
}

void TiComponent::RepaintIfFrameDue()
{
    if (!FAutoFrameRate || FUpdateFrameRate == 0 ||
        TiUpdateObject::FrameDue(FLastUpdate, FUpdateFrameRate, GetTickCount64()))
        DoRepaint();
}

void TiComponent::DoRepaint()
{
    FNeedsRepaint = false;
    FLastUpdate = GetTickCount64();
    Invalidate();
}

void TiComponent::RepaintAll()
{
    BackGroundChange();
}

void TiComponent::BeginUpdate()
{
    FUpdateActive = true;
}

void TiComponent::EndUpdate()
{
    FUpdateActive = false;
    if (FNeedsRepaint)
        RepaintIfFrameDue();
}

void TiComponent::SetAutoFrameRate(bool Value)
{
    if (Value == FAutoFrameRate)
        return;
    FAutoFrameRate = Value;
    if (Value)
        BackGroundChange();
    else
        EndUpdate();
}

void TiComponent::SetUpdateFrameRate(int Value)
{
    SetIntegerProperty(Value, FUpdateFrameRate, 1);
}

template <class T>
void TiComponent::SetProperty(T Value, T &Field, int RepaintKind)
{
    if (Value == Field)
        return;
    Field = Value;
    if (RepaintKind == 0)
        InvalidateChange();
    else if (RepaintKind == 1)
        BackGroundChange();
}

void TiComponent::SetBooleanProperty(bool Value, bool &Field, int RepaintKind)
{
    SetProperty(Value, Field, RepaintKind);
}

void TiComponent::SetIntegerProperty(int Value, int &Field, int RepaintKind)
{
    SetProperty(Value, Field, RepaintKind);
}

void TiComponent::SetColorProperty(TColor Value, TColor &Field, int RepaintKind)
{
    SetProperty(Value, Field, RepaintKind);
}

// ---- Look ------------------------------------------------------------------------------------------------

TPoint TiComponent::GetCenterPoint()
{
    return TPoint(Width() / 2 + FOffsetX, Height() / 2 + FOffsetY);
}

void TiComponent::SetBorderStyle(TiBevelStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    BackGroundChange();
}

void TiComponent::SetBackGroundColor(TColor Value)
{
    if (Value == FBackGroundColor)
        return;
    FBackGroundColor = Value;
    BackGroundChange();
}

void TiComponent::SetBackGroundPicture(TBitmap *Value)
{
    if (!Value) {
        FBackGroundPicture.reset();
    }
    else {
        if (!FBackGroundPicture)
            FBackGroundPicture = std::make_unique<TBitmap>();
        FBackGroundPicture->Assign(Value);
    }
    BackGroundChange();
}

void TiComponent::SetCachedDrawing(bool Value)
{
    if (Value == FCachedDrawing)
        return;
    FCachedDrawing = Value;
    BackGroundChange();
    if (!Value)
        FBackGroundBitmap.reset();
}

void TiComponent::SetEnabled(bool value)
{
    inherited::SetEnabled(value);
    BackGroundChange();
}

void TiComponent::SetErrorText(const QString &Value)
{
    if (Value == FErrorText)
        return;
    FErrorText = Value;
    InvalidateChange();
}

TBitmap *TiComponent::GetBackGroundBitmap()
{
    if (!FBackGroundBitmap)
        FBackGroundBitmap = std::make_unique<TBitmap>(Width(), Height());
    return FBackGroundBitmap.get();
}

// ---- State -----------------------------------------------------------------------------------------------

bool TiComponent::IsLoading() const
{
    return FLoading || ComponentState().Contains(csLoading);
}

bool TiComponent::IsDesigning()
{
    bool designing = ComponentState().Contains(csDesigning);
    if (OnGetDesigning)
        OnGetDesigning(this, designing);
    return designing;
}

TTypeKind TiComponent::GetPropertyTypeKind(const QString &PropertyName)
{
    TObject *target = nullptr;
    const TPropInfo *prop = nullptr;
    if (!ResolvePropPath(this, PropertyName, target, prop) || !prop->Writable())
        return TTypeKind::Unknown;
    return prop->Kind;
}

bool TiComponent::OPCPropertyChange(const QString &, const TiOPCValue &)
{
    return false;
}

// ---- Painting --------------------------------------------------------------------------------------------

void TiComponent::DrawBackGround(TCanvas *Canvas, TColor Color)
{
    FBackGroundChanged = false;
    const TRect all(0, 0, Width(), Height());
    if (FBackGroundPicture && FBackGroundPicture->Width() != 0) {
        Canvas->StretchDraw(all, FBackGroundPicture.get());
        return;
    }
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(all);
    DrawBorder(Canvas);
}

void TiComponent::DrawBorder(TCanvas *Canvas)
{
    const TRect all(0, 0, Width(), Height());
    if (FBorderStyle == ibsRaised)
        iDrawEdge(Canvas, all, iEdgeRaised);
    else if (FBorderStyle == ibsLowered)
        iDrawEdge(Canvas, all, iEdgeSunken);
}

void TiComponent::Paint()
{
    PaintBuffered();
}

namespace {

// The message a failed drawing shows.
QString FailureText(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    }
    catch (const Exception &e) {
        return e.Message();
    }
    catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
    catch (...) {
        return QStringLiteral("Unknown error");
    }
}

}  // namespace

void TiComponent::PaintBuffered()
{
    // Nothing raised here may reach the framework's paint: a failure leaves the window as it was.
    try {
        Lock();
        const TiScopeExit unlock([this] { Unlock(); });
        TBitmap offScreen(Width(), Height());
        TCanvas *canvas = offScreen.Canvas();
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Pen()->SetStyle(psSolid);
        std::exception_ptr failure;
        try {
            DrawToCanvas(canvas);
        }
        catch (...) {
            failure = std::current_exception();
        }
        if (failure) {
            TRect r = ClientRect();
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(clBlack);
            canvas->FillRect(r);
            canvas->Font()->SetColor(clWhite);
            iDrawText(canvas, FailureText(failure), r, clBlack, true, iTextWordBreak);
        }
        if (OnPaint)
            OnPaint(this, canvas);
        Canvas()->Draw(0, 0, &offScreen);
    }
    catch (...) {
    }
}

void TiComponent::SaveImageToBitmap(const QString &FileName)
{
    TBitmap picture(Width(), Height());
    Lock();
    const TiScopeExit unlock([this] { Unlock(); });
    DrawToCanvas(picture.Canvas());
    picture.SaveToFile(FileName);
}

// ---- Files -----------------------------------------------------------------------------------------------

void TiComponent::SavePropertiesToFile(const QString &FileName)
{
    // Left out of every file, and (unless all properties are wanted) the common ones.
    static const char *const common[] = {"Left",     "Top", "Width",   "Height",  "Align", "Cursor",
                                         "ShowHint", "Tag", "Visible", "Enabled", "Hint",  "HelpContext"};
    try {
        TStringList skip;
        skip.Add(QStringLiteral("Name"));
        if (!FOptionSaveAllProperties)
            for (const char *name : common)
                skip.Add(QString::fromLatin1(name));
        TStringList lines;
        lines.Add(QStringLiteral("File Type = ") + ClassName());
        iWritePropertiesToList(this, QString(), &lines, false, &skip);
        iSaveLinesToFile(&lines, FileName);
    }
    catch (const std::exception &e) {
        const auto *framework = dynamic_cast<const Exception *>(&e);
        throw Exception(QStringLiteral("Error Saving Properties - ") +
                        (framework ? framework->Message() : QString::fromUtf8(e.what())));
    }
}

void TiComponent::LoadPropertiesFromFile(const QString &FileName)
{
    try {
        TStringList lines;
        lines.LoadFromFile(FileName);
        BeginUpdate();
        // The bracket ends also when a line fails, so the control keeps repainting.
        const TiScopeExit end([this] { EndUpdate(); });
        iReadPropertiesFromList(this, QString(), &lines);
    }
    catch (const std::exception &e) {
        const auto *framework = dynamic_cast<const Exception *>(&e);
        throw Exception(QStringLiteral("Error Loading Properties - ") +
                        (framework ? framework->Message() : QString::fromUtf8(e.what())));
    }
}

// ---- Hooks -----------------------------------------------------------------------------------------------

void TiComponent::iGotFocus()
{
    FHasFocus = true;
    Invalidate();
}

void TiComponent::iLostFocus()
{
    FHasFocus = false;
    try {
        // A drag in progress ends as if the button were released.
        iMouseUp(mbLeft, TShiftState(), 0, 0);
        Invalidate();
    }
    catch (...) {
    }
}

void TiComponent::iWantSpecialKey(WORD &, LRESULT &) {}
void TiComponent::iKeyUp(WORD &, TShiftState) {}
void TiComponent::iKeyDown(WORD &, TShiftState) {}
void TiComponent::iKeyPress(QChar &) {}
void TiComponent::iMouseDown(TMouseButton, TShiftState, int, int) {}
void TiComponent::iMouseUp(TMouseButton, TShiftState, int, int) {}
void TiComponent::iMouseMove(TShiftState, int, int) {}
void TiComponent::iDoubleClick() {}

bool TiComponent::iMouseWheel(int, TShiftState, TPoint)
{
    return false;
}

// ---- Input -----------------------------------------------------------------------------------------------

void TiComponent::KeyDown(WORD &key, TShiftState shift)
{
    const UserInput user(this);
    try {
        inherited::KeyDown(key, shift);
        iKeyDown(key, shift);
    }
    catch (const Exception &) {
    }
}

void TiComponent::KeyUp(WORD &key, TShiftState shift)
{
    const UserInput user(this);
    try {
        inherited::KeyUp(key, shift);
        iKeyUp(key, shift);
    }
    catch (const Exception &) {
    }
}

void TiComponent::KeyPress(QChar &key)
{
    const UserInput user(this);
    try {
        inherited::KeyPress(key);
        iKeyPress(key);
    }
    catch (const Exception &) {
    }
}

void TiComponent::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const UserInput user(this);
    iMouseDown(button, shift, x, y);
    inherited::MouseDown(button, shift, x, y);
}

void TiComponent::MouseMove(TShiftState shift, int x, int y)
{
    const UserInput user(this);
    iMouseMove(shift, x, y);
    inherited::MouseMove(shift, x, y);
}

void TiComponent::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const UserInput user(this);
    iMouseUp(button, shift, x, y);
    inherited::MouseUp(button, shift, x, y);
}

void TiComponent::DblClick()
{
    const UserInput user(this);
    iDoubleClick();
    inherited::DblClick();
}
