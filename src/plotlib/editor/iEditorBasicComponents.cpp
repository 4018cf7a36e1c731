// The editor form base, the edit box, the up/down arrows and the plain controls of the family.

#include "plotlib/editor/iEditorBasicComponents.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TiCustomEditorForm)
{
    b.Bool("AutoScroll", &TiCustomEditorForm::AutoScroll, &TiCustomEditorForm::SetAutoScroll).Default(false);
}

T_IMPLEMENT_CLASS(TiComponentEditorEdit)
{
    b.Event("OnUpdate", &TiComponentEditorEdit::OnUpdate);
    b.Bool("ReadOnly", &TiComponentEditorEdit::ReadOnly, &TiComponentEditorEdit::SetReadOnly).Default(false);
    b.Int("Height", &TiComponentEditorEdit::Height, &TiComponentEditorEdit::SetHeight).Default(21);
    b.Message(WM_KILLFOCUS, &TiComponentEditorEdit::WMKillFocus);
    b.Message(WM_GETDLGCODE, &TiComponentEditorEdit::WMGetDlgCode);
    b.Message(CM_WANTSPECIALKEY, &TiComponentEditorEdit::CMWantSpecialKey);
}

T_IMPLEMENT_CLASS(TiUpDown)
{
    b.Ref("Associate", &TiUpDown::Associate, &TiUpDown::SetAssociate);
    b.Int("Min", &TiUpDown::Min, &TiUpDown::SetMin).Default(0);
    b.Int("Max", &TiUpDown::Max, &TiUpDown::SetMax).Default(100);
    b.Int("Increment", &TiUpDown::Increment, &TiUpDown::SetIncrement).Default(1);
    b.Int("Width", &TiUpDown::Width, &TiUpDown::SetWidth).Default(15);
    b.Int("Height", &TiUpDown::Height, &TiUpDown::SetHeight).Default(21);
}

T_IMPLEMENT_CLASS(TiComponentEditorPageControl)
{
    b.Int("TabIndex", &TiComponentEditorPageControl::StoredTabIndex, &TiComponentEditorPageControl::StoredTabIndex)
        .Default(0);
    b.Message(WM_GETDLGCODE, &TiComponentEditorPageControl::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TiComponentEditorButton) {}

T_IMPLEMENT_CLASS(TiComponentEditorCheckBox)
{
    b.Message(WM_GETDLGCODE, &TiComponentEditorCheckBox::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TiComponentEditorRadioGroup) {}

T_IMPLEMENT_CLASS(TiComponentEditorComboBox)
{
    b.Message(WM_GETDLGCODE, &TiComponentEditorComboBox::WMGetDlgCode);
    b.Message(CM_WANTSPECIALKEY, &TiComponentEditorComboBox::CMWantSpecialKey);
}

T_IMPLEMENT_CLASS(TiComponentEditorGroupBox) {}

T_IMPLEMENT_CLASS(TiPaintBox)
{
    b.Event("OnPaint", &TiPaintBox::OnPaint);
}

namespace {

// Silent setting by code: the control's change events are detached and its blocking flag set for
// the guard's life, and put back also when setting fails.
class SilentSetting {
public:
    SilentSetting(bool &blocking, std::initializer_list<TNotifyEvent *> events) : blocking_(blocking)
    {
        for (TNotifyEvent *event : events) {
            saved_.emplace_back(event, *event);
            *event = nullptr;
        }
        blocking_ = true;
    }
    ~SilentSetting()
    {
        blocking_ = false;
        for (auto &[event, handler] : saved_)
            *event = handler;
    }
    SilentSetting(const SilentSetting &) = delete;
    SilentSetting &operator=(const SilentSetting &) = delete;

private:
    bool &blocking_;
    std::vector<std::pair<TNotifyEvent *, TNotifyEvent>> saved_;
};

// The answer of the edit and combo box to CM_WANTSPECIALKEY: the left and right arrows move the
// caret, every other key is the form's.
LRESULT LeftOrRightArrow(WPARAM key)
{
    return key == VK_LEFT || key == VK_RIGHT ? 1 : 0;
}

}  // namespace

void iEditorTabNavigation(TWinControl *Control, QChar &Key)
{
    if (Key != QChar(u'\t'))
        return;
    Key = QChar();
    if (auto *form = dynamic_cast<TCustomForm *>(Control->Owner()))
        form->SelectNext(Control, !iShiftDown(), true);
}

// ---- Base form -------------------------------------------------------------------------------

TiCustomEditorForm::TiCustomEditorForm(TComponent *AOwner) : TCustomForm(AOwner) {}

void iEditorUserChange(TComponent *Control)
{
    if (auto *form = dynamic_cast<TiCustomEditorForm *>(Control ? Control->Owner() : nullptr))
        form->UserChange();
}

// ---- Edit box ---------------------------------------------------------------------------------

TiComponentEditorEdit::TiComponentEditorEdit(TComponent *AOwner) : TCustomEdit(AOwner)
{
    SetHeight(21);
}

void TiComponentEditorEdit::Commit()
{
    if (Text() == FOriginalText)
        return;
    FOriginalText = Text();
    if (OnUpdate)
        OnUpdate(this);
    if (!FBlockingEvents)
        iEditorUserChange(this);
}

void TiComponentEditorEdit::KeyDown(WORD &key, TShiftState)
{
    // Only Enter is handled here; the framework's key-down event does not fire.
    if (key != VK_RETURN)
        return;
    Commit();
    key = 0;
    SelectAll();
}

void TiComponentEditorEdit::KeyPress(QChar &key)
{
    if (key == QChar(u'\n')) {
        key = QChar();
    } else if (key == QChar(u'\r')) {
        Commit();
        key = QChar();
        SelectAll();
    } else if (key == QChar(27)) {
        key = QChar();
        SetText(FOriginalText);
        SelectAll();
    } else {
        iEditorTabNavigation(this, key);
    }
    inherited::KeyPress(key);
}

void TiComponentEditorEdit::DoExit()
{
    inherited::DoExit();
    Commit();
}

void TiComponentEditorEdit::WMKillFocus(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Commit();
}

void TiComponentEditorEdit::WMGetDlgCode(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    m.Result |= DLGC_WANTARROWS | DLGC_WANTTAB;
}

void TiComponentEditorEdit::CMWantSpecialKey(TMessage &m)
{
    m.Result = LeftOrRightArrow(m.WParam);
}

void TiComponentEditorEdit::SetEnabled(bool value)
{
    inherited::SetEnabled(value);
    SetColor(value ? clWindow : clBtnFace);
}

int TiComponentEditorEdit::AsInteger() const
{
    int value = 0;
    return TryStrToInt(Text().trimmed(), value) ? value : 0;
}

double TiComponentEditorEdit::AsFloat() const
{
    double value = 0;
    return TryStrToFloat(Text().trimmed(), value) ? value : 0;
}

TDateTime TiComponentEditorEdit::AsDateTime() const
{
    return StrToDateTime(Text().trimmed());
}

void TiComponentEditorEdit::SetSilently(const QString &Text)
{
    const SilentSetting silent(FBlockingEvents, {&OnChange});
    SetText(Text);
    FOriginalText = Text;
}

void TiComponentEditorEdit::SetAsInteger(int Value)
{
    SetSilently(QString::number(Value));
}

void TiComponentEditorEdit::SetAsFloat(double Value)
{
    SetSilently(FloatToStr(Value));
}

void TiComponentEditorEdit::SetAsDateTime(TDateTime Value)
{
    SetSilently(DateTimeToStr(Value));
}

void TiComponentEditorEdit::SetAsString(const QString &Value)
{
    SetSilently(Value);
}

void TiComponentEditorEdit::SetStringWithEvent(const QString &Value)
{
    SetText(Value);
    iEditorUserChange(this);
    Commit();
}

void TiComponentEditorEdit::SetIntegerWithEvent(int Value)
{
    SetStringWithEvent(QString::number(Value));
}

void TiComponentEditorEdit::SetDoubleWithEvent(double Value)
{
    SetStringWithEvent(FloatToStr(Value));
}

void TiComponentEditorEdit::Disable()
{
    const SilentSetting silent(FBlockingEvents, {&OnChange});
    SetEnabled(false);
    SetText(QString());
    FOriginalText.clear();
}

void TiComponentEditorEdit::DisableNoClear()
{
    const SilentSetting silent(FBlockingEvents, {&OnChange});
    SetEnabled(false);
}

void TiComponentEditorEdit::Enable()
{
    SetEnabled(true);
}

// ---- Up/down arrows ---------------------------------------------------------------------------

TiUpDown::TiUpDown(TComponent *AOwner) : TGraphicControl(AOwner), FTimer(std::make_unique<TTimer>(nullptr))
{
    FTimer->SetEnabled(false);
    FTimer->OnTimer = TNotifyEvent(this, &TiUpDown::TimerTick);
    SetBounds(Left(), Top(), 15, 21);
}

TiUpDown::~TiUpDown()
{
    FTimer->SetEnabled(false);
    SetAssociate(nullptr);
}

void iSetEditorAssociate(TControl *Control, TiComponentEditorEdit *&Field, TiComponentEditorEdit *Value)
{
    if (Field)
        Field->RemoveFreeNotification(Control);
    Field = Value;
    if (!Value)
        return;
    Value->FreeNotification(Control);
    Control->SetBounds(Value->Left() + Value->Width(), Value->Top(), Control->Width(), Value->Height());
}

void TiUpDown::SetAssociate(TiComponentEditorEdit *Value)
{
    iSetEditorAssociate(this, FAssociate, Value);
}

void TiUpDown::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate)
        FAssociate = nullptr;
}

int TiUpDown::AsInteger() const
{
    return FAssociate ? FAssociate->AsInteger() : 0;
}

void TiUpDown::SetAsInteger(int Value)
{
    if (FAssociate)
        FAssociate->SetAsInteger(Value);
}

void TiUpDown::Disable()
{
    SetEnabled(false);
    if (FAssociate)
        FAssociate->Disable();
    Invalidate();
}

void TiUpDown::Enable()
{
    SetEnabled(true);
    if (FAssociate)
        FAssociate->Enable();
    Invalidate();
}

void TiUpDown::Layout()
{
    const int h = ClientHeight();
    const int w = ClientWidth();
    const int c = (h - 1) / 2;
    FUpButtonRect = TRect(0, 0, w, c);
    FDownButtonRect = TRect(0, h - c, w, h);
    const TPoint at(FMouseDownX, FMouseDownY);
    FUpButtonPressed = FMouseDown && FUpButtonRect.Contains(at);
    FDownButtonPressed = FMouseDown && FDownButtonRect.Contains(at);
}

void TiUpDown::Paint()
{
    Layout();
    TCanvas *canvas = Canvas();
    const int s = std::min(ClientHeight() / 2, ClientWidth()) / 7;
    const TColor arrow = Enabled() ? clBlack : TColor(8421504);
    auto drawArea = [&](const TRect &r, bool pressed, bool up) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(r);
        iDrawEdge(canvas, r, pressed ? iEdgeSunken : iEdgeRaised);
        const int x = (r.Left + r.Right) / 2;
        const int y = (r.Top + r.Bottom) / 2;
        canvas->Brush()->SetColor(arrow);
        canvas->Pen()->SetColor(arrow);
        canvas->Pen()->SetStyle(psSolid);
        if (up)
            canvas->Polygon({TPoint(x - 2 * s, y + s), TPoint(x, y - s), TPoint(x + 2 * s, y + s)});
        else
            canvas->Polygon({TPoint(x - 2 * s, y - s), TPoint(x + 2 * s, y - s), TPoint(x, y + s)});
    };
    drawArea(FUpButtonRect, FUpButtonPressed, true);
    drawArea(FDownButtonRect, FDownButtonPressed, false);
}

void TiUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    FMouseDown = true;
    FMouseDownX = x;
    FMouseDownY = y;
    Layout();
    FTimer->SetInterval(500);
    FTimer->SetEnabled(true);
    FFirstTimerMessage = true;
    Step(FUpButtonPressed, true);
    Invalidate();
}

void TiUpDown::MouseMove(TShiftState shift, int x, int y)
{
    inherited::MouseMove(shift, x, y);
    FMouseDownX = x;
    FMouseDownY = y;
    if (FMouseDown)
        Invalidate();
}

void TiUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseUp(button, shift, x, y);
    if (!FMouseDown)
        return;
    FMouseDown = false;
    FTimer->SetEnabled(false);
    Invalidate();
}

void TiUpDown::TimerTick(TObject *)
{
    if (FFirstTimerMessage) {
        FTimer->SetInterval(50);
        FFirstTimerMessage = false;
    }
    // The arrow under the mouse decides: dragging from one arrow to the other turns round.
    Layout();
    Step(FUpButtonPressed, true);
}

void TiUpDown::Step(bool up, bool user)
{
    if (!FAssociate)
        return;
    int value = FAssociate->AsInteger() + (up ? FIncrement : -FIncrement);
    if (FMax != 0 || FMin != 0) {
        value = std::min<int>(value, FMax);
        value = std::max<int>(value, FMin);
    }
    if (user)
        FAssociate->SetIntegerWithEvent(value);
    else
        FAssociate->SetAsInteger(value);
}

// ---- Page control, button -------------------------------------------------------------------------

void TiComponentEditorPageControl::WMGetDlgCode(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    m.Result |= DLGC_WANTTAB | DLGC_WANTALLKEYS;
}

void TiComponentEditorButton::KeyPress(QChar &key)
{
    iEditorTabNavigation(this, key);
    inherited::KeyPress(key);
}

// ---- Check box ---------------------------------------------------------------------------------

void TiComponentEditorCheckBox::SetAsBoolean(bool Value)
{
    const SilentSetting silent(FBlockingEvents, {&OnChange, &OnClick});
    SetChecked(Value);
}

void TiComponentEditorCheckBox::Disable()
{
    const SilentSetting silent(FBlockingEvents, {&OnChange, &OnClick});
    SetEnabled(false);
    SetChecked(false);
}

void TiComponentEditorCheckBox::DoChange()
{
    inherited::DoChange();
    if (!FBlockingEvents)
        iEditorUserChange(this);
    if (OnClick)
        OnClick(this);
}

void TiComponentEditorCheckBox::Click()
{
    // OnClick fires from the change notification; the framework's own click would fire it twice.
}

void TiComponentEditorCheckBox::KeyPress(QChar &key)
{
    iEditorTabNavigation(this, key);
    inherited::KeyPress(key);
}

void TiComponentEditorCheckBox::WMGetDlgCode(TMessage &m)
{
    m.Result = 6;
}

// ---- Radio group -------------------------------------------------------------------------------

void TiComponentEditorRadioGroup::SetAsInteger(int Value)
{
    const SilentSetting silent(FBlockingEvents, {&OnClick, &OnChange});
    SetItemIndex(Value);
}

void TiComponentEditorRadioGroup::Disable()
{
    const SilentSetting silent(FBlockingEvents, {&OnClick, &OnChange});
    SetEnabled(false);
    SetItemIndex(-1);
}

void TiComponentEditorRadioGroup::Click()
{
    inherited::Click();
    if (!FBlockingEvents)
        iEditorUserChange(this);
}

void TiComponentEditorRadioGroup::KeyPress(QChar &key)
{
    iEditorTabNavigation(this, key);
    inherited::KeyPress(key);
}

// ---- Combo box ---------------------------------------------------------------------------------

void TiComponentEditorComboBox::SetAsInteger(int Value)
{
    const SilentSetting silent(FBlockingEvents, {&OnChange});
    SetItemIndex(Value);
}

void TiComponentEditorComboBox::SetAsString(const QString &Value)
{
    const SilentSetting silent(FBlockingEvents, {&OnChange});
    SetText(Value);
}

void TiComponentEditorComboBox::Disable()
{
    const SilentSetting silent(FBlockingEvents, {&OnChange});
    SetEnabled(false);
    SetColor(clBtnFace);
    SetItemIndex(-1);
    SetText(QString());
}

void TiComponentEditorComboBox::Enable()
{
    SetEnabled(true);
    SetColor(clWindow);
}

void TiComponentEditorComboBox::Click()
{
    if (!FBlockingEvents)
        iEditorUserChange(this);
}

void TiComponentEditorComboBox::KeyPress(QChar &key)
{
    iEditorTabNavigation(this, key);
    inherited::KeyPress(key);
}

void TiComponentEditorComboBox::WMGetDlgCode(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    m.Result |= DLGC_WANTARROWS | DLGC_WANTTAB;
}

void TiComponentEditorComboBox::CMWantSpecialKey(TMessage &m)
{
    m.Result = LeftOrRightArrow(m.WParam);
}

// ---- Paint box ---------------------------------------------------------------------------------

TiPaintBox::TiPaintBox(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + csOpaque);
}

void TiPaintBox::Paint()
{
    if (ComponentState().Contains(csDesigning)) {
        TCanvas *canvas = Canvas();
        canvas->Pen()->SetStyle(psDash);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(0, 0, Width(), Height());
    }
    if (OnPaint)
        OnPaint(this);
}
