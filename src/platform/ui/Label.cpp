#include "platform/ui/Label.h"

#include "platform/ui/Bitmap.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/MenuItem.h"

T_IMPLEMENT_CLASS(TCustomLabel)
{
    b.Message(CM_TEXTCHANGED, &TCustomLabel::CMTextChanged);
    b.Message(CM_FONTCHANGED, &TCustomLabel::CMFontChanged);
    b.Message(CM_DIALOGCHAR, &TCustomLabel::CMDialogChar);
}

T_IMPLEMENT_CLASS(TLabel)
{
    b.Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, AlignmentNames).Default(taLeftJustify);
    b.Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
    b.Str("Caption", &TLabel::Caption, &TLabel::SetCaption);
    b.Ref("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
    b.Enum("Layout", &TLabel::Layout, &TLabel::SetLayout, TextLayoutNames).Default(tlTop);
    b.Bool("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
    b.Bool("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
    b.Bool("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
}

bool IsAccel(QChar ch, const QString &caption)
{
    const QChar hot = GetHotkey(caption);
    return !hot.isNull() && hot == ch.toUpper();
}

TCustomLabel::TCustomLabel(TComponent *AOwner) : TGraphicControl(AOwner)
{
    FControlStyle << csOpaque << csReplicatable;
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (FAlignment == value)
        return;
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value)
{
    if (FAutoSize == value)
        return;
    FAutoSize = value;
    AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (FLayout == value)
        return;
    FLayout = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (FWordWrap == value)
        return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value)
{
    if (Transparent() == value)
        return;
    if (value)
        FControlStyle >> csOpaque;
    else
        FControlStyle << csOpaque;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (FShowAccelChar == value)
        return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl *value)
{
    if (FFocusControl == value)
        return;
    FFocusControl = value;
    if (value)
        value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent *AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::DoDrawText(TRect &rect, UINT flags)
{
    QString text = GetLabelText();
    // An empty caption (or a lone accelerator mark) still takes the height of one line.
    if ((flags & DT_CALCRECT) && (text.isEmpty() || (FShowAccelChar && text == QLatin1String("&"))))
        text += QLatin1Char(' ');
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    TCanvas *canvas = Canvas();
    canvas->SetFont(Font());
    if (!Enabled() && !(flags & DT_CALCRECT)) {
        rect.Offset(1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        canvas->DrawText(text, rect, flags);
        rect.Offset(-1, -1);
        canvas->Font()->SetColor(clBtnShadow);
    }
    canvas->DrawText(text, rect, flags);
}

void TCustomLabel::Paint()
{
    static const UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas *canvas = Canvas();
    if (!Transparent()) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(ClientRect());
    }
    canvas->Brush()->SetStyle(bsClear);
    TRect rect = ClientRect();
    const UINT style = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | kAlignments[FAlignment];
    if (FLayout != tlTop) {
        TRect calc = rect;
        DoDrawText(calc, style | DT_CALCRECT);
        const int shift = Height() - calc.Bottom;
        rect.Offset(0, FLayout == tlBottom ? shift : shift / 2);
    }
    DoDrawText(rect, style);
}

void TCustomLabel::AdjustBounds()
{
    if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || !FAutoSize)
        return;
    // Measured on a canvas of its own, as the framework measures with the screen's device context.
    TBitmap measure(1, 1);
    TRect rect = ClientRect();
    rect.Right = rect.Left + Width();
    TCanvas *canvas = measure.Canvas();
    canvas->SetFont(Font());
    QString text = GetLabelText();
    if (text.isEmpty() || (FShowAccelChar && text == QLatin1String("&")))
        text += QLatin1Char(' ');
    canvas->DrawText(text, rect,
                     DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0) | (FShowAccelChar ? 0 : DT_NOPREFIX));
    int x = Left();
    if (FAlignment == taRightJustify)
        x += Width() - rect.Right;
    SetBounds(x, Top(), rect.Right, rect.Bottom);
}

void TCustomLabel::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::CMFontChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    AdjustBounds();
}

void TCustomLabel::CMDialogChar(TMessage &m)
{
    if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption()) &&
        FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        m.Result = 1;
    }
}
