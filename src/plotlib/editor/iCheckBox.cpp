#include "plotlib/editor/iCheckBox.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsInput.h"
#include "plotlib/base/iHelpers.h"

T_IMPLEMENT_CLASS(TiCheckBox)
{
    b.Int("Width", &TiCheckBox::Width, &TiCheckBox::SetWidth).Default(97);
    b.Int("Height", &TiCheckBox::Height, &TiCheckBox::SetHeight).Default(17);
    b.Str("Caption", &TiCheckBox::Caption, &TiCheckBox::SetCaption);
    b.Bool("Checked", &TiCheckBox::Checked, &TiCheckBox::SetChecked).Default(false);
    b.Enum("Alignment", &TiCheckBox::Alignment, &TiCheckBox::SetAlignment, AlignmentNames).Default(taRightJustify);
    b.Bool("AutoSize", &TiCheckBox::AutoSize, &TiCheckBox::SetAutoSize).Default(true);
    b.Object("Font", &TiCheckBox::Font, &TiCheckBox::SetFont);
    b.Event("OnChange", &TiCheckBox::OnChange);
    b.Event("OnChangeUser", &TiCheckBox::OnChangeUser);
    b.Color("BackGroundColor", &TiCheckBox::BackGroundColor, &TiCheckBox::SetBackGroundColor).Default(clBtnFace);
    b.Bool("TabStop", &TiCheckBox::TabStop, &TiCheckBox::SetTabStop).Default(true);
    b.Message(CM_FONTCHANGED, &TiCheckBox::CMFontChanged);
}

TiCheckBox::TiCheckBox(TComponent *AOwner) : TiCustomComponent(AOwner)
{
    SetParentFont(false);
    SetTabStop(true);
    SetBounds(Left(), Top(), 97, 17);
}

// ---- Properties ----------------------------------------------------------------------------------

void TiCheckBox::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    bool canEdit = true;
    if (OnRequestEdit)
        OnRequestEdit(this, QStringLiteral("Checked"), canEdit);
    if (!canEdit)
        return;
    FChecked = Value;
    InvalidateChange();
    DoChange();
    OPCPropertyChange(QStringLiteral("Checked"), TiOPCValue(FChecked));
}

void TiCheckBox::SetTextValue(const QString &Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    DoAutoSize();
    InvalidateChange();
}

void TiCheckBox::SetAlignment(TLeftRight Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    InvalidateChange();
}

void TiCheckBox::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    DoAutoSize();
    InvalidateChange();
}

void TiCheckBox::CMFontChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    DoAutoSize();
    InvalidateChange();
}

void TiCheckBox::Loaded()
{
    inherited::Loaded();
    DoAutoSize();
}

void TiCheckBox::DoAutoSize()
{
    if (!FAutoSize || IsLoading() || FDoingAutoSize)
        return;
    FDoingAutoSize = true;
    TBitmap scratch(1, 1);
    TCanvas *canvas = scratch.Canvas();
    canvas->SetFont(Font());
    const int width = canvas->TextWidth(FCaption) + 20;
    const int height = canvas->TextHeight(FCaption) + 4;
    if (FAlignment == taLeftJustify)
        SetBounds(Left() + Width() - width, Top(), width, height);
    else
        SetBounds(Left(), Top(), width, height);
    FDoingAutoSize = false;
}

void TiCheckBox::DoChange()
{
    if (IsLoading())
        return;
    if (OnChangeProtected)
        OnChangeProtected(this, QStringLiteral("Checked"));
    if (OnChange)
        OnChange(this);
    if (OnChangeUser && FUserGenerated)
        OnChangeUser(this);
}

// ---- Painting ------------------------------------------------------------------------------------

void TiCheckBox::DrawToCanvas(TCanvas *Canvas)
{
    SetTransparent(true);
    DrawBackGround(Canvas, BackGroundColor());
    Canvas->SetFont(Font());
    Canvas->Brush()->SetStyle(bsSolid);
    const int textWidth = Canvas->TextWidth(FCaption);
    const int textHeight = Canvas->TextHeight(FCaption);
    const int cy = Height() / 2;
    const int top = cy - textHeight / 2 - 1;
    TRect box, caption;
    if (FAlignment == taLeftJustify) {
        box = TRect(Width() - 13, cy - 7, Width(), cy + 6);
        caption = TRect(1, top, textWidth + 1, top + textHeight);
    } else {
        box = TRect(0, cy - 7, 13, cy + 6);
        caption = TRect(18, top, textWidth + 18, top + textHeight);
    }
    Canvas->Brush()->SetColor(FMouseDown || FKeyDown || !Enabled() ? BackGroundColor() : clWhite);
    Canvas->FillRect(box);
    iDrawEdge(Canvas, box, iEdgeSunken);

    Canvas->Brush()->SetStyle(bsClear);
    iDrawText(Canvas, FCaption, caption, BackGroundColor(), Enabled(), iTextLeft | iTextVCenter);

    if (FChecked) {
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetColor(clBlack);
        Canvas->Pen()->SetWidth(1);
        const int l = box.Left;
        for (int up = 0; up <= 2; ++up)
            Canvas->Polyline({TPoint(l + 3, cy - up), TPoint(l + 5, cy + 2 - up), TPoint(l + 10, cy - 3 - up)});
    }

    if (FHasFocus) {
        TRect focus(caption.Left - 1, caption.Top - 1, caption.Right + 1, caption.Bottom + 2);
        focus.Left = std::max(focus.Left, 0);
        focus.Top = std::max(focus.Top, 0);
        focus.Right = std::min(focus.Right, Width() - 1);
        focus.Bottom = std::min(focus.Bottom, Height() - 1);
        Canvas->Font()->SetColor(clWhite);
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(clBlack);
        iDrawFocusRectangle(Canvas, focus);
    }
}

// ---- Input ---------------------------------------------------------------------------------------

void TiCheckBox::iMouseDown(TMouseButton Button, TShiftState, int, int)
{
    if (Button != mbLeft)
        return;
    iSetFocusToControl(this);
    FMouseDown = true;
    InvalidateChange();
}

void TiCheckBox::iMouseUp(TMouseButton, TShiftState, int X, int Y)
{
    if (!FMouseDown)
        return;
    InvalidateChange();
    FMouseDown = false;
    if (FUserGenerated && TRect(0, 0, Width(), Height()).Contains(TPoint(X, Y)))
        SetChecked(!FChecked);
}

void TiCheckBox::iKeyDown(WORD &Key, TShiftState)
{
    if (Key != VK_SPACE)
        return;
    FMouseDown = false;
    FKeyDown = true;
    InvalidateChange();
}

void TiCheckBox::iKeyUp(WORD &Key, TShiftState)
{
    if (Key == VK_SPACE && FKeyDown) {
        InvalidateChange();
        FKeyDown = false;
        SetChecked(!FChecked);
    }
    FKeyDown = false;
}

void TiCheckBox::iGotFocus()
{
    inherited::iGotFocus();
    DoRepaint();
}

void TiCheckBox::iLostFocus()
{
    FMouseDown = false;
    FKeyDown = false;
    InvalidateChange();
    inherited::iLostFocus();
}
