#include "plotlib/base/iVCLComponent.h"

#include "platform/ui/CanvasGdi.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/base/iScopeExit.h"

T_IMPLEMENT_CLASS(TiVCLComponent)
{
    b.Event("OnNewOPCData", &TiVCLComponent::OnNewOPCData);
    b.Event("OnBeforeNewOPCData", &TiVCLComponent::OnBeforeNewOPCData);

    b.Message(WM_ERASEBKGND, &TiVCLComponent::WMEraseBkgnd);
    b.Message(WM_MOVE, &TiVCLComponent::WMMove);
    b.Message(WM_SETFOCUS, &TiVCLComponent::WMSetFocus);
    b.Message(WM_KILLFOCUS, &TiVCLComponent::WMKillFocus);
    b.Message(WM_GETDLGCODE, &TiVCLComponent::WMGetDlgCode);
    b.Message(CM_WANTSPECIALKEY, &TiVCLComponent::CMWantSpecialKey);
    b.Message(CN_KEYDOWN, &TiVCLComponent::CNKeyDown);
    b.Message(CN_SYSKEYDOWN, &TiVCLComponent::CNKeyDown);
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                     WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK})
        b.Message(msg, &TiVCLComponent::WMMouseButton);
    b.Message(CM_COLORCHANGED, &TiVCLComponent::CMColorChanged);
    b.Message(WM_SYSCOLORCHANGE, &TiVCLComponent::WMSysColorChange);
    b.Message(CM_SYSCOLORCHANGE, &TiVCLComponent::WMSysColorChange);
}

T_IMPLEMENT_CLASS(TiCustomComponent) {}

TiVCLComponent::TiVCLComponent(TComponent *AOwner)
    : TiComponent(AOwner), FOPCItemManager(std::make_unique<TiOPCItemManager>(
                               this, [this](TObject *, bool &designing) { designing = IsDesigning(); },
                               [this](TObject *item) { OPCNewData(item); },
                               [this](const QString &name, TTypeKind &kind) { kind = GetPropertyTypeKind(name); })),
      FTimer([this] {
          if (OnInternalTimer)
              OnInternalTimer(this);
      })
{
}

TiVCLComponent::~TiVCLComponent()
{
    Destroying();
    FOPCItemManager.reset();
    FTimer.Stop();
}

// ---- Bounds, lock, repaint ---------------------------------------------------------------------------

void TiVCLComponent::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height())
        return;
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparentBitmap && Width() > 0 && Height() > 0)
        FTransparentBitmap->SetSize(Width(), Height());
    RequestTransparentCapture();
    if (TBitmap *background = BackGroundBitmapIfCreated(); background && Width() > 0 && Height() > 0)
        background->SetSize(Width(), Height());
    BackGroundChange();
}

void TiVCLComponent::Lock()
{
    if (!ComponentState().Contains(csDestroying))
        FDataCriticalSection.Enter();
}

void TiVCLComponent::Unlock()
{
    if (!ComponentState().Contains(csDestroying))
        FDataCriticalSection.Leave();
}

void TiVCLComponent::RepaintAll()
{
    inherited::RepaintAll();
    RequestTransparentCapture();
}

// ---- Painting into another canvas ----------------------------------------------------------------------

void TiVCLComponent::iPaintToDC(int X, int Y, HDC DC, bool Transparent)
{
    if (!DC)
        return;
    const int level = DC->SaveDC();
    const TiScopeExit restoreDc([DC, level] { DC->RestoreDC(level); });
    SetViewportOrgEx(DC, 0, 0, nullptr);
    SetWindowOrgEx(DC, -X, -Y, nullptr);
    const TRegion clip(TRect(X, Y, X + Width(), Y + Height()));
    SelectClipRgn(DC, &clip);
    FPaintDCTransparent = Transparent;
    const TiScopeExit clearTransparent([this] { FPaintDCTransparent = false; });
    try {
        Lock();
        const TiScopeExit unlock([this] { Unlock(); });
        const bool cached = CachedDrawing();
        SetCachedDrawing(false);
        const TiScopeExit restoreCached([this, cached] { SetCachedDrawing(cached); });
        auto *canvas = static_cast<TControlCanvas *>(Canvas());
        canvas->PaintThrough(DC, [this, canvas] { DrawToCanvas(canvas); });
    }
    catch (const Exception &) {
    }
}

// ---- Transparency --------------------------------------------------------------------------------------

void TiVCLComponent::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    if (Value) {
        if (!FTransparentBitmap)
            FTransparentBitmap = std::make_unique<TBitmap>(Width(), Height());
        RequestTransparentCapture();
    }
    else {
        FTransparentBitmap.reset();
        FNeedsTransparentCapture = false;
    }
    BackGroundChange();
}

void TiVCLComponent::RequestTransparentCapture()
{
    if (!FTransparent || FNeedsTransparentCapture)
        return;
    FNeedsTransparentCapture = true;
    BackGroundChange();
}

void TiVCLComponent::CaptureTransparentBackground()
{
    FTransparentBitmap->SetSize(Width(), Height());
    TCanvas *canvas = FTransparentBitmap->Canvas();
    if (Parent() && Width() > 0 && Height() > 0) {
        DrawParentBackground(canvas);
        FNeedsTransparentCapture = false;
    }
    else {
        // Nothing to see through yet: the colour stands in and the next paint tries again.
        canvas->FillRect(TRect(0, 0, Width(), Height()), BackGroundColor());
    }
}

void TiVCLComponent::DrawBackGround(TCanvas *Canvas, TColor Color)
{
    if (FPaintDCTransparent)
        return;
    if (!FTransparent) {
        inherited::DrawBackGround(Canvas, Color);
        return;
    }
    if (!FTransparentBitmap)
        FTransparentBitmap = std::make_unique<TBitmap>(Width(), Height());
    if (FNeedsTransparentCapture)
        CaptureTransparentBackground();
    Canvas->Draw(0, 0, FTransparentBitmap.get());
}

// ---- Timer ---------------------------------------------------------------------------------------------

bool TiVCLComponent::TimerActive()
{
    return FTimer.Active();
}

void TiVCLComponent::TimerStart(int InitialDelay, int Interval)
{
    FTimer.Start(static_cast<unsigned>(std::max(InitialDelay, 0)), static_cast<unsigned>(std::max(Interval, 0)));
}

void TiVCLComponent::TimerStop()
{
    FTimer.Stop();
}

// ---- Messages ------------------------------------------------------------------------------------------

void TiVCLComponent::WMEraseBkgnd(TMessage &m)
{
    m.Result = 1;
}

void TiVCLComponent::WMMove(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    RequestTransparentCapture();
}

void TiVCLComponent::WMSetFocus(TMessage &m)
{
    {
        const UserInput user(this);
        iGotFocus();
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TiVCLComponent::WMKillFocus(TMessage &m)
{
    {
        const UserInput user(this);
        if (reinterpret_cast<TWinControl *>(m.WParam) != this)
            iLostFocus();
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TiVCLComponent::WMGetDlgCode(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    m.Result |= DLGC_WANTALLKEYS;
}

void TiVCLComponent::CMWantSpecialKey(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    WORD code = static_cast<WORD>(m.WParam);
    LRESULT result = m.Result;
    iWantSpecialKey(code, result);
    m.Result = result;
}

void TiVCLComponent::CNKeyDown(TMessage &m)
{
    const UserInput user(this);
    try {
        DispatchFrom(inherited::StaticClass(), m);
        // A key the framework took here (dialog key, menu shortcut) never comes as a key-down
        // event; every other key reaches iKeyDown from there (KeyDown), so each press once.
        if (m.Result != 0) {
            TShiftState shift;
            if (GetKeyState(VK_SHIFT) < 0)
                shift << ssShift;
            if (GetKeyState(VK_CONTROL) < 0)
                shift << ssCtrl;
            if (GetKeyState(VK_MENU) < 0)
                shift << ssAlt;
            WORD key = static_cast<WORD>(m.WParam);
            iKeyDown(key, shift);
        }
    }
    catch (const Exception &) {
    }
}

void TiVCLComponent::WMMouseButton(TMessage &m)
{
    try {
        DispatchFrom(inherited::StaticClass(), m);
    }
    catch (const Exception &) {
    }
}

void TiVCLComponent::CMColorChanged(TMessage &)
{
    BackGroundChange();
}

void TiVCLComponent::WMSysColorChange(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    BackGroundChange();
}

bool TiVCLComponent::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    const UserInput user(this);
    return iMouseWheel(wheelDelta, shift, mousePos);
}

// ---- OPC -----------------------------------------------------------------------------------------------

void TiVCLComponent::DefineProperties(TFiler *Filer)
{
    Filer->DefineProperty(
        QStringLiteral("OPCItems"), [this](TReader &reader) { FOPCItemManager->ReadFromStream(reader); },
        [this](TWriter &writer) { FOPCItemManager->WriteToStream(writer); }, FOPCItemManager->DoWriteToStream());
    inherited::DefineProperties(Filer);
}

bool TiVCLComponent::OPCSpecialProperty(const QString &, const TiOPCValue &)
{
    return false;
}

bool TiVCLComponent::OPCPropertyChange(const QString &PropertyName, const TiOPCValue &Value)
{
    if (FOPCIncomingActive) {
        // The change is the incoming value itself: nothing goes back to the server.
        FOPCIncomingActive = false;
        return false;
    }
    bool taken = false;
    for (int i = 0; i < FOPCItemManager->Count(); ++i) {
        TiOPCItem *item = FOPCItemManager->Items(i);
        if (item->Active() && SameText(item->PropertyName(), PropertyName)) {
            item->SetData(Value);
            taken = true;
        }
    }
    return taken;
}

void TiVCLComponent::OPCNewData(TObject *Sender)
{
    auto *item = dynamic_cast<TiOPCItem *>(Sender);
    if (!item)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    if (item->PropertyName().isEmpty())
        return;
    const int index = FOPCItemManager->FindIndex(item);
    TiOPCValue data = item->Data();
    if (OnBeforeNewOPCData)
        OnBeforeNewOPCData(index, data);
    {
        FOPCIncomingActive = true;
        const TiScopeExit clear([this] { FOPCIncomingActive = false; });
        if (item->QualityGood() && !OPCSpecialProperty(item->PropertyName(), data))
            SetPropertyFromVariant(this, QString(), data, item->PropertyName());
    }
    if (OnNewOPCData)
        OnNewOPCData(index);
}

void TiVCLComponent::SetPropertyFromVariant(TObject *Instance, const QString &Prefix, const TiOPCValue &Data,
                                            const QString &Target)
{
    if (!Instance)
        return;
    for (const TPropInfo &prop : Instance->ClassType().Properties()) {
        if (!prop.Writable())
            continue;
        const QString path = Trim(Prefix).isEmpty() ? prop.Name : Prefix + u'.' + prop.Name;
        if (prop.Kind == TTypeKind::Class) {
            if (!prop.IsReference)
                if (auto *sub = dynamic_cast<TPersistent *>(prop.GetObject(*Instance)))
                    SetPropertyFromVariant(sub, path, Data, Target);
            continue;
        }
        if (!SameText(path, Target))
            continue;
        QString text = Data.ToText();
        switch (prop.Kind) {
        case TTypeKind::Integer:
        case TTypeKind::Color:
        case TTypeKind::Set: prop.SetOrd(*Instance, StrToInt(text)); break;
        case TTypeKind::Boolean:
        case TTypeKind::Enumeration:
            if (SameText(text, QStringLiteral("True")))
                text = QStringLiteral("1");
            else if (SameText(text, QStringLiteral("False")))
                text = QStringLiteral("0");
            if (prop.Kind == TTypeKind::Boolean && text != QStringLiteral("0"))
                text = QStringLiteral("1");
            prop.SetOrd(*Instance, StrToInt(text));
            break;
        case TTypeKind::Float: prop.SetFloat(*Instance, StrToFloat(text)); break;
        case TTypeKind::String: prop.SetStr(*Instance, text); break;
        default: break;
        }
    }
}

// ---- OPC item accessors --------------------------------------------------------------------------------

int TiVCLComponent::OPCAddItem()
{
    return FOPCItemManager->Add();
}

int TiVCLComponent::OPCItemCount() const
{
    return FOPCItemManager->Count();
}

void TiVCLComponent::OPCRemoveAllItems()
{
    FOPCItemManager->Clear();
}

void TiVCLComponent::OPCDeleteItem(int Index)
{
    FOPCItemManager->Delete(Index);
}

void TiVCLComponent::OPCItemActivate(int Index)
{
    FOPCItemManager->Items(Index)->Activate();
}

void TiVCLComponent::OPCItemDeactivate(int Index)
{
    FOPCItemManager->Items(Index)->Deactivate();
}

void TiVCLComponent::OPCItemUpdateResume(int Index)
{
    FOPCItemManager->Items(Index)->UpdateResume();
}

void TiVCLComponent::OPCItemUpdateSuspend(int Index)
{
    FOPCItemManager->Items(Index)->UpdateSuspend();
}

void TiVCLComponent::OPCItemLoaded(int Index)
{
    FOPCItemManager->Items(Index)->Loaded();
}

void TiVCLComponent::SetOPCItemData(int Index, const TiOPCValue &Value)
{
    FOPCItemManager->Items(Index)->SetData(Value);
}

void TiVCLComponent::SetOPCItemComputerName(int Index, const QString &Value)
{
    FOPCItemManager->Items(Index)->SetComputerName(Value);
}

void TiVCLComponent::SetOPCItemServerName(int Index, const QString &Value)
{
    FOPCItemManager->Items(Index)->SetServerName(Value);
}

void TiVCLComponent::SetOPCItemItemName(int Index, const QString &Value)
{
    FOPCItemManager->Items(Index)->SetItemName(Value);
}

void TiVCLComponent::SetOPCItemPropertyName(int Index, const QString &Value)
{
    FOPCItemManager->Items(Index)->SetPropertyName(Value);
}

void TiVCLComponent::SetOPCItemAutoConnect(int Index, bool Value)
{
    FOPCItemManager->Items(Index)->SetAutoConnect(Value);
}

void TiVCLComponent::SetOPCItemUpdateRate(int Index, int Value)
{
    FOPCItemManager->Items(Index)->SetUpdateRate(Value);
}

QString TiVCLComponent::GetOPCItemComputerName(int Index) const
{
    return FOPCItemManager->Items(Index)->ComputerName();
}

QString TiVCLComponent::GetOPCItemServerName(int Index) const
{
    return FOPCItemManager->Items(Index)->ServerName();
}

QString TiVCLComponent::GetOPCItemItemName(int Index) const
{
    return FOPCItemManager->Items(Index)->ItemName();
}

QString TiVCLComponent::GetOPCItemPropertyName(int Index) const
{
    return FOPCItemManager->Items(Index)->PropertyName();
}

bool TiVCLComponent::GetOPCItemAutoConnect(int Index) const
{
    return FOPCItemManager->Items(Index)->AutoConnect();
}

int TiVCLComponent::GetOPCItemUpdateRate(int Index) const
{
    return FOPCItemManager->Items(Index)->UpdateRate();
}

TiOPCValue TiVCLComponent::GetOPCItemData(int Index) const
{
    return FOPCItemManager->Items(Index)->Data();
}

int TiVCLComponent::GetOPCItemQuality(int Index) const
{
    return FOPCItemManager->Items(Index)->Quality();
}

TDateTime TiVCLComponent::GetOPCItemTimeStamp(int Index) const
{
    return FOPCItemManager->Items(Index)->TimeStamp();
}
