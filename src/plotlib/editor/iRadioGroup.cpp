#include "plotlib/editor/iRadioGroup.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/base/iHelpers.h"

#include <cmath>

T_IMPLEMENT_CLASS(TiRadioGroup)
{
    b.Int("Width", &TiRadioGroup::Width, &TiRadioGroup::SetWidth).Default(97);
    b.Int("Height", &TiRadioGroup::Height, &TiRadioGroup::SetHeight).Default(17);
    b.Str("Caption", &TiRadioGroup::Caption, &TiRadioGroup::SetCaption);
    b.Object("Font", &TiRadioGroup::Font, &TiRadioGroup::SetFont);
    b.Object("Items", &TiRadioGroup::Items, &TiRadioGroup::SetItems);
    b.Int("ItemIndex", &TiRadioGroup::ItemIndex, &TiRadioGroup::SetItemIndex).Default(-1);
    b.Int("Columns", &TiRadioGroup::Columns, &TiRadioGroup::SetColumns).Default(1);
    b.Event("OnChange", &TiRadioGroup::OnChange);
    b.Event("OnChangeUser", &TiRadioGroup::OnChangeUser);
    b.Color("BackGroundColor", &TiRadioGroup::BackGroundColor, &TiRadioGroup::SetBackGroundColor).Default(clBtnFace);
    b.Bool("TabStop", &TiRadioGroup::TabStop, &TiRadioGroup::SetTabStop).Default(true);
    b.Message(CM_FONTCHANGED, &TiRadioGroup::CMFontChanged);
}

namespace {

// The round 3-D rim of a button, as segments relative to its centre, by pen colour, in drawing
// order; each segment leaves out its end point.
struct RimSegment {
    int X1, Y1, X2, Y2;
};
struct RimPart {
    TColor Color;
    std::initializer_list<RimSegment> Segments;
};
const RimPart RimParts[] = {
    {cl3DDkShadow,
     {{-4, -2, -4, 2}, {-3, 2, -3, 3}, {-3, -3, -3, -5}, {-3, -4, -1, -4}, {-1, -5, 3, -5}, {3, -4, 5, -4}}},
    {clBtnShadow,
     {{-5, -2, -5, 2}, {-4, 2, -4, 4}, {-4, -3, -4, -5}, {-3, -5, -1, -5}, {-1, -6, 3, -6}, {3, -5, 5, -5}}},
    {clBtnFace,
     {{6, -3, 6, -5},
      {6, 2, 6, 6},
      {5, -2, 5, 2},
      {4, -3, 4, -2},
      {4, 2, 4, 4},
      {5, 4, 5, 6},
      {-5, 5, -1, 5},
      {3, 5, 5, 5},
      {-1, 4, 3, 4},
      {3, 3, 4, 3},
      {-3, 3, -1, 3}}},
    {clBtnHighlight, {{5, -3, 5, -5}, {6, -2, 6, 2}, {5, 2, 5, 4}, {3, 4, 5, 4}, {-1, 5, 3, 5}, {-3, 4, -1, 4}}},
};

}  // namespace

TiRadioGroup::TiRadioGroup(TComponent *AOwner) : TiCustomComponent(AOwner), FItems(std::make_unique<TStringList>())
{
    FItems->OnChange = TNotifyEvent(this, &TiRadioGroup::ItemsChanged);
    SetParentFont(false);
    SetTabStop(true);
    SetBounds(Left(), Top(), 97, 17);
}

TiRadioGroup::~TiRadioGroup()
{
    FItems->OnChange = nullptr;
}

// ---- Properties ----------------------------------------------------------------------------------

void TiRadioGroup::SetItemIndex(int Value)
{
    Value = std::clamp(Value, -1, FItems->Count() - 1);
    if (Value == FItemIndex)
        return;
    FItemIndex = Value;
    FMouseDownIndex = Value;
    InvalidateChange();
    DoChange();
}

void TiRadioGroup::ItemsChanged(TObject *)
{
    FItemIndex = std::clamp(FItemIndex, -1, FItems->Count() - 1);
    InvalidateChange();
}

void TiRadioGroup::CMFontChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    ItemsChanged(nullptr);
}

void TiRadioGroup::SetColumns(int Value)
{
    if (Value <= 0 || Value == FColumns)
        return;
    FColumns = Value;
    InvalidateChange();
}

void TiRadioGroup::SetTextValue(const QString &Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    InvalidateChange();
}

void TiRadioGroup::DoChange()
{
    if (IsLoading())
        return;
    if (OnChangeProtected)
        OnChangeProtected(this, QStringLiteral("ItemIndex"));
    if (OnChange)
        OnChange(this);
    if (OnChangeUser && FUserGenerated)
        OnChangeUser(this);
}

// ---- Layout --------------------------------------------------------------------------------------

void TiRadioGroup::ComputeLayout(TCanvas *Canvas)
{
    Canvas->SetFont(Font());
    const int textHeight = Canvas->TextHeight(QStringLiteral("ABC"));
    const int count = FItems->Count();
    FMaxRows = count / FColumns + (count % FColumns != 0 ? 1 : 0);
    FItemsRowSpacing = FMaxRows > 0 ? (Height() - textHeight - textHeight / 4) / FMaxRows : 0;
    FItemsRowStart = static_cast<int>(Round(textHeight + FItemsRowSpacing / 2));
    FItemsColStart = 14;
    FItemsColSpacing = (Width() - 14) / FColumns;
}

int TiRadioGroup::ItemAt(int X, int Y) const
{
    // The layout follows from the size, the font and the items: work it out as a paint would.
    TBitmap scratch(1, 1);
    const_cast<TiRadioGroup *>(this)->ComputeLayout(scratch.Canvas());
    if (FItemsRowSpacing <= 0 || FItemsColSpacing <= 0)
        return -1;
    const int row = static_cast<int>(Round((Y - FItemsRowStart) / FItemsRowSpacing));
    if (FColumns == 1)
        return row;
    return row + static_cast<int>(std::trunc((X - 14 + 6) / FItemsColSpacing)) * FMaxRows;
}

TPoint TiRadioGroup::ItemCenter(int Index) const
{
    TBitmap scratch(1, 1);
    const_cast<TiRadioGroup *>(this)->ComputeLayout(scratch.Canvas());
    return CenterOf(Index);
}

TPoint TiRadioGroup::CenterOf(int Index) const
{
    const int rows = std::max(FMaxRows, 1);
    return TPoint(static_cast<int>(Round(Index / rows * FItemsColSpacing)) + FItemsColStart,
                  static_cast<int>(Round(Index % rows * FItemsRowSpacing)) + FItemsRowStart);
}

// ---- Painting ------------------------------------------------------------------------------------

void TiRadioGroup::DrawToCanvas(TCanvas *Canvas)
{
    SetTransparent(true);
    DrawBackGround(Canvas, BackGroundColor());
    Canvas->SetFont(Font());
    Canvas->Brush()->SetStyle(bsSolid);
    const int textHeight = Canvas->TextHeight(QStringLiteral("ABC"));
    const int charWidth = Canvas->TextWidth(QStringLiteral("A"));
    const int w = Width();
    const int h = Height();

    // The whole control filled and framed sunken, under the etched group frame.
    const TRect all(0, 0, w, h);
    Canvas->Brush()->SetColor(BackGroundColor());
    Canvas->FillRect(all);
    iDrawEdge(Canvas, all, iEdgeSunken);

    const int h2 = textHeight / 2;
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(clBtnHighlight);
    Canvas->Polyline({TPoint(1, h2 + 1), TPoint(w - 2, h2 + 1)});
    Canvas->Polyline({TPoint(1, h2 + 1), TPoint(1, h - 1)});
    Canvas->Pen()->SetColor(clBtnShadow);
    Canvas->Polyline({TPoint(0, h2), TPoint(w - 2, h2), TPoint(w - 2, h - 2), TPoint(0, h - 2), TPoint(0, h2)});
    Canvas->Pen()->SetColor(clBtnHighlight);
    Canvas->Polyline({TPoint(w - 1, h2 + 1), TPoint(w - 1, h - 1)});
    Canvas->Polyline({TPoint(w - 1, h - 1), TPoint(0, h - 1)});

    TRect caption(charWidth, 0, charWidth + Canvas->TextWidth(FCaption), Canvas->TextHeight(FCaption));
    Canvas->Brush()->SetColor(clWindow);
    Canvas->FillRect(caption);
    iDrawText(Canvas, FCaption, caption, BackGroundColor(), Enabled(), iTextLeft | iTextVCenter);

    if (FItems->Count() == 0)
        return;
    ComputeLayout(Canvas);
    for (int i = 0; i < FItems->Count(); ++i) {
        const TPoint centre = CenterOf(i);
        const int x = centre.X;
        const int y = centre.Y;

        const bool pressed = (FMouseDown || FKeyDown) && FMouseDownIndex == i;
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Brush()->SetColor(pressed ? clBtnFace : clWhite);
        Canvas->Pen()->SetColor(pressed ? clBtnFace : clWhite);
        Canvas->Rectangle(x - 3, y - 4, x + 5, y + 4);
        for (const RimPart &part : RimParts) {
            Canvas->Pen()->SetColor(part.Color);
            for (const RimSegment &s : part.Segments) {
                Canvas->MoveTo(x + s.X1, y + s.Y1);
                Canvas->LineTo(x + s.X2, y + s.Y2);
            }
        }

        const QString text = FItems->Strings(i);
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Font()->SetColor(Font()->Color());
        const int itemWidth = Canvas->TextWidth(text);
        const int itemHeight = Canvas->TextHeight(text);
        TRect textRect(x + 12, y - itemHeight / 2, x + 12 + itemWidth, y + itemHeight / 2);
        iDrawText(Canvas, text, textRect, BackGroundColor(), Enabled(), iTextLeft | iTextVCenter | iTextNoClip);

        if (i == FItemIndex) {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(clBlack);
            Canvas->Pen()->SetColor(clBlack);
            Canvas->Ellipse(x - 1, y - 2, x + 3, y + 2);
        }
        if (FHasFocus && ((FMouseDown && FMouseDownIndex == i) || (!FMouseDown && i == FItemIndex))) {
            const TRect focus(textRect.Left - 1, textRect.Top - 1, textRect.Right + 1, textRect.Bottom + 3);
            Canvas->Font()->SetColor(clWhite);
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(clBlack);
            iDrawFocusRectangle(Canvas, focus);
        }
    }
}

// ---- Input ---------------------------------------------------------------------------------------

void TiRadioGroup::iWantSpecialKey(WORD &CharCode, LRESULT &Result)
{
    if (CharCode >= VK_LEFT && CharCode <= VK_DOWN)
        Result = 1;
}

void TiRadioGroup::iKeyDown(WORD &Key, TShiftState)
{
    FKeyDown = true;
    const int count = FItems->Count();
    // Keys step round the items; they do not count as the user's choice.
    const bool user = FUserGenerated;
    FUserGenerated = false;
    if (Key == VK_RIGHT || Key == VK_DOWN) {
        Key = 0;
        if (count > 0)
            SetItemIndex(FItemIndex + 1 >= count ? 0 : FItemIndex + 1);
    } else if (Key == VK_LEFT || Key == VK_UP) {
        Key = 0;
        if (count > 0 && FItemIndex >= 0)
            SetItemIndex(FItemIndex - 1 < 0 ? count - 1 : FItemIndex - 1);
    }
    FUserGenerated = user;
    InvalidateChange();
}

void TiRadioGroup::iKeyUp(WORD &, TShiftState)
{
    FKeyDown = false;
    InvalidateChange();
}

void TiRadioGroup::iMouseDown(TMouseButton Button, TShiftState, int X, int Y)
{
    if (Button != mbLeft)
        return;
    iSetFocusToControl(this);
    FMouseDown = true;
    FMouseDownIndex = ItemAt(X, Y);
    InvalidateChange();
}

void TiRadioGroup::iMouseMove(TShiftState, int X, int Y)
{
    if (!FMouseDown)
        return;
    FMouseDownIndex = ItemAt(X, Y);
    InvalidateChange();
}

void TiRadioGroup::iMouseUp(TMouseButton, TShiftState, int X, int Y)
{
    if (!FMouseDown)
        return;
    InvalidateChange();
    FMouseDown = false;
    if (FUserGenerated && FMouseDownIndex >= 0 && FMouseDownIndex < FItems->Count() && ItemAt(X, Y) == FMouseDownIndex)
        SetItemIndex(FMouseDownIndex);
}

void TiRadioGroup::iGotFocus()
{
    inherited::iGotFocus();
    DoRepaint();
}

void TiRadioGroup::iLostFocus()
{
    FMouseDown = false;
    FKeyDown = false;
    InvalidateChange();
    inherited::iLostFocus();
}
