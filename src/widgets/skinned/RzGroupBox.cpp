#include "widgets/skinned/RzGroupBox.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Label.h"

T_IMPLEMENT_CLASS(TRzCustomGroupBox)
{
    b.Message(CM_DIALOGCHAR, &TRzCustomGroupBox::CMDialogChar);
    b.Message(CM_FONTCHANGED, &TRzCustomGroupBox::CMFontChanged);
}

T_IMPLEMENT_CLASS(TRzGroupBox)
{
    using C = TRzGroupBox;
    b.Enum("Alignment", &C::Alignment, &C::SetAlignment, AlignmentNames).Default(taLeftJustify);
    b.Enum("BorderOuter", &C::BorderOuter, &C::SetBorderOuter, FrameStyleExNames).Default(fsNone);
    b.Int("Height", &C::Height, &C::SetHeight).Default(105);
    b.Int("BannerHeight", &C::BannerHeight, &C::SetBannerHeight).Default(0);
    b.Object("CaptionFont", &C::CaptionFont, &C::SetCaptionFont).Stored(&C::CaptionFontChanged);
    b.Enum("GroupStyle", &C::GroupStyle, &C::SetGroupStyle, RzGroupBoxStyleNames).Default(gsFlat);
}

namespace {

// Height of `text` in `font` (the screen's metrics).
int TextHeightIn(TFont *font, const QString &text)
{
    static TBitmap probe(1, 1);
    probe.Canvas()->SetFont(font);
    return probe.Canvas()->TextHeight(text);
}

}  // namespace

TRzCustomGroupBox::TRzCustomGroupBox(TComponent *AOwner)
    : TRzCustomPanel(AOwner), FCaptionFont(std::make_unique<TFont>())
{
    FControlStyle << csSetCaption << csDoubleClicks;
    SetBorderOuter(fsNone);
    SetBorderInner(fsNone);
    SetAlignment(taLeftJustify);
    FAlignmentVertical = avTop;
    SetHeight(105);
    FCaptionFont->Assign(Font());
    FCaptionFont->OnChange = TNotifyEvent(this, &TRzCustomGroupBox::CaptionFontChange);
}

TRzCustomGroupBox::~TRzCustomGroupBox()
{
    FCaptionFont->OnChange = nullptr;
}

void TRzCustomGroupBox::SetBannerHeight(int value)
{
    if (value != FBannerHeight)
        FBannerHeight = value, FrameChanged();
}

void TRzCustomGroupBox::SetGroupStyle(TRzGroupBoxStyle value)
{
    if (value != FGroupStyle)
        FGroupStyle = value, FrameChanged();
}

void TRzCustomGroupBox::SetCaptionFont(TFont *value)
{
    FCaptionFont->Assign(value);
}

void TRzCustomGroupBox::CaptionFontChange(TObject *)
{
    if (FFollowingFont)
        return;
    FCaptionFontChanged = true;
    Invalidate();
}

void TRzCustomGroupBox::CMFontChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (!FCaptionFontChanged) {
        FFollowingFont = true;
        FCaptionFont->Assign(Font());
        FFollowingFont = false;
    }
    Invalidate();
}

void TRzCustomGroupBox::CMDialogChar(TMessage &m)
{
    if (IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption()) && CanFocus()) {
        if (TWinControl *first = FindNextControl(nullptr, true, true, false))
            first->SetFocus();
        m.Result = 1;
        return;
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TRzCustomGroupBox::FrameControllerChanged()
{
    if (FFrameController && FFrameController->FrameVisible() && FGroupStyle == gsCustom)
        TRzCustomPanel::FrameControllerChanged();
}

void TRzCustomGroupBox::AdjustClientRect(TRect &rect)
{
    TRzCustomPanel::AdjustClientRect(rect);
    const int h = TextHeightIn(Font(), QStringLiteral("Yy"));
    switch (FGroupStyle) {
    case gsStandard:
    case gsFlat: {
        const int a = h / 2 - 1;
        rect.Top += a < BorderWidth() ? a : h - BorderWidth();
        const int inset = FGroupStyle == gsStandard ? 2 : 1;
        rect.Inflate(-inset, -inset);
        break;
    }
    case gsCustom:
        if (!Caption().isEmpty())
            rect.Top += h;
        rect.Inflate(-2, -2);
        break;
    case gsTopLine: rect.Top += h; break;
    case gsBanner: rect.Top += FBannerHeight ? FBannerHeight : h + 8; break;
    case gsUnderline: rect.Top += h + 4; break;
    }
}

TRect TRzCustomGroupBox::CaptionRect(TCanvas *canvas) const
{
    if (Caption().isEmpty() || FGroupStyle == gsCustom)
        return {};
    const TSize size = canvas->TextExtent(StripAccelChars(Caption()));
    const int w = Width();
    const bool rtl = BiDiMode == bdRightToLeft;
    switch (FGroupStyle) {
    case gsStandard:
    case gsFlat: return rtl ? TRect(w - size.cx - 8, 0, w - 8, size.cy) : TRect(8, 0, size.cx + 8, size.cy);
    case gsTopLine: return rtl ? TRect(w - size.cx - 4, 0, w - 4, size.cy) : TRect(0, 0, size.cx + 4, size.cy);
    case gsBanner: return TRect(0, 0, w, FBannerHeight ? FBannerHeight : size.cy + 6);
    case gsUnderline: return TRect(0, 0, w, size.cy + 2);
    default: return {};
    }
}

void TRzCustomGroupBox::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->SetFont(FCaptionFont.get());
    const int textHeight = canvas->TextHeight(QStringLiteral("Pp"));
    if (FGroupStyle == gsCustom) {
        TRzCustomPanel::Paint();
        canvas->SetFont(Font());
        return;
    }
    TRect k = CaptionRect(canvas);
    const int w = Width(), h = Height();
    canvas->SaveDC();
    if (!FTransparent) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(TRect(0, 0, w, h));
    }
    else if (FGroupStyle != gsBanner && !k.IsEmpty()) {
        canvas->ExcludeClipRect(k);
    }
    const TRect r(0, textHeight / 2 - 1, w, h);
    const TColor c = AdjustColor(FFlatColor, FFlatColorAdjustment);
    auto line = [canvas, c](int x1, int y1, int x2, int y2) {
        canvas->Pen()->SetColor(c);
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    switch (FGroupStyle) {
    case gsStandard:
        switch (FBorderOuter) {
        case fsNone: DrawFrameStyleSides(canvas, r, fsGroove, sdAllSides); break;
        case fsFlat: DrawFlatRect(canvas, r, c); break;
        case fsFlatBold: DrawBevelRings(canvas, r, c, c, 2, sdAllSides); break;
        default: DrawFrameStyleSides(canvas, r, FBorderOuter, sdAllSides); break;
        }
        break;
    case gsTopLine:
        switch (FBorderOuter) {
        case fsNone: DrawFrameStyleSides(canvas, r, fsGroove, TSides{sdTop}); break;
        case fsFlat:
        case fsFlatBold:
            line(r.Left + 2, r.Top, r.Right - 2, r.Top);
            if (FBorderOuter == fsFlatBold)
                line(r.Left + 2, r.Top + 1, r.Right - 2, r.Top + 1);
            break;
        default: DrawFrameStyleSides(canvas, r, FBorderOuter, TSides{sdTop}); break;
        }
        break;
    case gsFlat:
        // A rectangle with cut corners.
        line(r.Left, r.Top + 2, r.Left, r.Bottom - 2);
        line(r.Left + 2, r.Top, r.Right - 2, r.Top);
        line(r.Right - 1, r.Top + 2, r.Right - 1, r.Bottom - 2);
        line(r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom - 1);
        canvas->SetPixel(r.Left + 1, r.Top + 1, c);
        canvas->SetPixel(r.Right - 2, r.Top + 1, c);
        canvas->SetPixel(r.Right - 2, r.Bottom - 2, c);
        canvas->SetPixel(r.Left + 1, r.Bottom - 2, c);
        break;
    case gsBanner: {
        TColor start, stop, pen;
        if (FGradientColorStyle == gcsCustom) {
            start = FGradientColorStart;
            stop = FGradientColorStop;
            pen = c;
        }
        else {
            BannerColorsForStyle(FGradientColorStyle, stop, start, pen);
        }
        canvas->Pen()->SetColor(pen);
        auto penLine = [canvas](int x1, int y1, int x2, int y2) {
            canvas->MoveTo(x1, y1);
            canvas->LineTo(x2, y2);
        };
        penLine(k.Left, k.Top + 1, k.Left, k.Bottom - 1);
        penLine(k.Left + 1, k.Top, k.Right - 1, k.Top);
        penLine(k.Right - 1, k.Top + 1, k.Right - 1, k.Bottom - 1);
        penLine(k.Left + 1, k.Bottom - 1, k.Right - 1, k.Bottom - 1);
        k.Inflate(-1, -1);
        FillGradient(canvas, k, gdHorizontalEnd, start, stop);
        break;
    }
    case gsUnderline: line(k.Left, k.Bottom, k.Right, k.Bottom); break;
    case gsCustom: break;
    }
    if (!Caption().isEmpty()) {
        if (!FTransparent && FGroupStyle != gsBanner) {
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(k);
        }
        if (FGroupStyle == gsBanner)
            k.Inflate(-4, -1);
        // The clip region is whole again for the text.
        canvas->RestoreDC(-1);
        canvas->SaveDC();
        canvas->Brush()->SetStyle(bsClear);
        if (!Enabled())
            canvas->Font()->SetColor(clGrayText);
        static const UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
        DrawTextInRect(canvas, Caption(), k, kAlignments[Alignment()] | DT_VCENTER | DT_SINGLELINE);
    }
    canvas->RestoreDC(-1);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->SetFont(Font());
}
