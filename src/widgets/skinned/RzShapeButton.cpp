#include "widgets/skinned/RzShapeButton.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"
#include "widgets/skinned/RzCommon.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TRzShapeButton)
{
    using C = TRzShapeButton;
    b.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(true);
    b.Color("BevelHighlightColor", &C::BevelHighlightColor, &C::SetBevelHighlightColor)
        .Default(clBtnHighlight)
        .Idents(ColorIdents());
    b.Color("BevelShadowColor", &C::BevelShadowColor, &C::SetBevelShadowColor)
        .Default(clBtnShadow)
        .Idents(ColorIdents());
    b.Int("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).Default(2);
    b.Object("Bitmap", &C::Bitmap, &C::SetBitmap);
    b.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, ShapeBorderStyleNames).Default(bsSingle);
    b.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(cl3DDkShadow).Idents(ColorIdents());
    b.Str("Caption", &C::Caption, &C::SetCaption);
    b.Enum("CaptionPosition", &C::CaptionPosition, &C::SetCaptionPosition, RzCaptionPositionNames).Default(cpCentered);
    b.Int("CaptionX", &C::CaptionX, &C::SetCaptionX).Default(0);
    b.Int("CaptionY", &C::CaptionY, &C::SetCaptionY).Default(0);
    b.Bool("PreciseClick", &C::PreciseClick, &C::SetPreciseClick).Default(true);
    b.Bool("PreciseShowHint", &C::PreciseShowHint, &C::SetPreciseShowHint).Default(true);
    b.Int("Height", &C::Height, &C::SetHeight).Default(80);
    b.Int("Width", &C::Width, &C::SetWidth).Default(80);

    b.Message(CM_HITTEST, &C::CMHitTest);
    b.Message(CM_DIALOGCHAR, &C::CMDialogChar);
    b.Message(CM_FONTCHANGED, &C::CMRepaintNeeded);
    b.Message(CM_TEXTCHANGED, &C::CMRepaintNeeded);
    b.Message(CM_SYSCOLORCHANGE, &C::CMSysColorChange);
}

// ---- Masks ---------------------------------------------------------------------------------------

const std::array<std::array<TShapeBevelOffsetList, 2>, 3> ShapeBevelOffsets = [] {
    std::array<std::array<TShapeBevelOffsetList, 2>, 3> table{};
    for (int r = 1; r <= 3; ++r) {
        TShapeBevelOffsetList &below = table[r - 1][0], &above = table[r - 1][1];
        int n = 0;
        for (int dy = -r; dy <= r; ++dy)
            below[n++] = {r, dy};
        for (int dx = r - 1; dx >= -r; --dx)
            below[n++] = {dx, r};
        n = 0;
        for (int dy = r - 1; dy >= -r; --dy)
            above[n++] = {-r, dy};
        for (int dx = -r + 1; dx <= r - 1; ++dx)
            above[n++] = {dx, -r};
    }
    return table;
}();

std::vector<QRgb> CopyPalette(const std::vector<QRgb> &palette)
{
    return palette;
}

namespace {

constexpr QRgb RgbMask = 0x00FFFFFF;

bool HasColor(const QImage &image, int x, int y, QRgb key)
{
    return (image.pixel(x, y) & RgbMask) == key;
}

// A monochrome bitmap of the image (only black and white in it).
std::unique_ptr<TBitmap> MonochromeOf(const QImage &image)
{
    auto mask = std::make_unique<TBitmap>();
    mask->SetImage(image);
    mask->Canvas()->Brush()->SetColor(clWhite);
    mask->SetMonochrome(true);
    return mask;
}

}  // namespace

std::unique_ptr<TBitmap> CreateMonoMask(TBitmap *bitmap, TColor color)
{
    auto mask = std::make_unique<TBitmap>();
    mask->Assign(bitmap);
    mask->Canvas()->Brush()->SetColor(color);
    mask->SetMonochrome(true);
    return mask;
}

std::unique_ptr<TBitmap> CreateEdgeMask(TBitmap *source, TBitmap *current, const TShapeBevelOffsetList &offsets,
                                        TColor color)
{
    const QImage &src = source->Image(), &cur = current->Image();
    const QRgb key = ColorToPixel(color) & RgbMask;
    const int w = src.width(), h = src.height();
    QImage edge(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
    edge.fill(Qt::white);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x >= cur.width() || y >= cur.height() || !HasColor(cur, x, y, key))
                continue;
            for (const TShapeOffset &o : offsets) {
                if (o.dx == 0 && o.dy == 0)
                    break;
                const int nx = x - o.dx, ny = y - o.dy;
                if (nx >= 0 && ny >= 0 && nx < w && ny < h && !HasColor(src, nx, ny, key)) {
                    edge.setPixel(x, y, qRgb(0, 0, 0));
                    break;
                }
            }
        }
    return MonochromeOf(edge);
}

// ---- Construction and properties -----------------------------------------------------------------

TRzShapeButton::TRzShapeButton(TComponent *AOwner)
    : TGraphicControl(AOwner), FBitmap(std::make_unique<TBitmap>()), FBitmapUp(std::make_unique<TBitmap>()),
      FBitmapDown(std::make_unique<TBitmap>())
{
    FControlStyle = TControlStyle{csCaptureMouse};
    FBitmap->OnChange = TNotifyEvent(this, &TRzShapeButton::BitmapChanged);
    SetBounds(Left(), Top(), 80, 80);
}

TRzShapeButton::~TRzShapeButton()
{
    FBitmap->OnChange = nullptr;
}

void TRzShapeButton::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    SetBounds(Left(), Top(), Width(), Height());
}

void TRzShapeButton::SetBevelHighlightColor(TColor value)
{
    if (value != FBevelHighlightColor)
        FBevelHighlightColor = value, BitmapChanged(this);
}

void TRzShapeButton::SetBevelShadowColor(TColor value)
{
    if (value != FBevelShadowColor)
        FBevelShadowColor = value, BitmapChanged(this);
}

void TRzShapeButton::SetBevelWidth(int value)
{
    value = std::clamp(value, 0, 2);
    if (value != FBevelWidth)
        FBevelWidth = value, BitmapChanged(this);
}

void TRzShapeButton::SetBorderStyle(TBorderStyle value)
{
    if (value != FBorderStyle)
        FBorderStyle = value, BitmapChanged(this);
}

void TRzShapeButton::SetBorderColor(TColor value)
{
    if (value != FBorderColor)
        FBorderColor = value, BitmapChanged(this);
}

void TRzShapeButton::SetBitmapUp(TBitmap *value)
{
    FBitmapUp->Assign(value);
    Invalidate();
}

void TRzShapeButton::SetBitmapDown(TBitmap *value)
{
    FBitmapDown->Assign(value);
    Invalidate();
}

void TRzShapeButton::SetCaptionPosition(TRzCaptionPosition value)
{
    if (value != FCaptionPosition)
        FCaptionPosition = value, Repaint();
}

void TRzShapeButton::SetCaptionXY(int x, int y)
{
    bool changed = false;
    if (x != FCaptionX)
        FCaptionX = x, changed = true;
    if (y != FCaptionY)
        FCaptionY = y, changed = true;
    if (!changed)
        return;
    FCaptionPosition = cpXY;
    Repaint();
}

void TRzShapeButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!ComponentState().Contains(csReading) && FAutoSize && FBitmap && !FBitmap->Empty()) {
        AWidth = FBitmap->Width() + 4;
        AHeight = FBitmap->Height() + 4;
    }
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TRzShapeButton::Invalidate()
{
    if ((Visible() || ComponentState().Contains(csDesigning)) && Parent() && Parent()->HandleAllocated())
        Parent()->InvalidateRect(BoundsRect());
}

void TRzShapeButton::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        QStringLiteral("BitmapUp"), [this](TStream &s) { FBitmapUp->LoadFromStream(&s); },
        [this](TStream &s) { FBitmapUp->SaveToStream(&s); }, !FBitmapUp->Empty());
    Filer->DefineBinaryProperty(
        QStringLiteral("BitmapDown"), [this](TStream &s) { FBitmapDown->LoadFromStream(&s); },
        [this](TStream &s) { FBitmapDown->SaveToStream(&s); }, !FBitmapDown->Empty());
}

// ---- Pictures ------------------------------------------------------------------------------------

TColor TRzShapeButton::TransparentColor() const
{
    return FBitmap->Empty() ? FBitmapUp->TransparentColor() : FBitmap->TransparentColor();
}

void TRzShapeButton::BuildImage(TBitmap *source, bool up, TBitmap *destination)
{
    destination->Assign(source);
    const TColor key = source->TransparentColor();
    const int rings = FBevelWidth + (FBorderStyle == bsSingle ? 1 : 0);
    // A highlight in the transparent colour would vanish: one step darker instead.
    TColor highlight = FBevelHighlightColor;
    if ((ColorToPixel(highlight) & RgbMask) == (ColorToPixel(key) & RgbMask))
        highlight = DarkenColor(highlight, 1);
    for (int r = 1; r <= rings; ++r) {
        TBitmap current;
        current.Assign(destination);
        QImage image = destination->Image().convertToFormat(QImage::Format_RGB32);
        const bool border = r == rings && FBorderStyle == bsSingle;
        for (int side = 0; side < 2; ++side) {
            // The down picture's border lies on the left and top only.
            if (!up && r == rings && side == 0)
                continue;
            const std::unique_ptr<TBitmap> edge = CreateEdgeMask(source, &current, ShapeBevelOffsets[r - 1][side], key);
            const TColor color = border ? FBorderColor : (side == 0) == up ? FBevelShadowColor : highlight;
            const QRgb pixel = ColorToPixel(color);
            const QImage &marks = edge->Image();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if ((marks.pixel(x, y) & RgbMask) == 0)
                        image.setPixel(x, y, pixel);
        }
        destination->SetImage(image);
    }
}

void TRzShapeButton::BitmapChanged(TObject *)
{
    SetBounds(Left(), Top(), Width(), Height());
    if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading)) {
        Invalidate();
        return;
    }
    if (FBitmap->Empty()) {
        FBitmapUp->ReleaseHandle();
        FBitmapDown->ReleaseHandle();
    } else {
        const TCursor cursor = Screen->Cursor();
        Screen->SetCursor(crHourGlass);
        struct RestoreCursor {
            TCursor cursor;
            ~RestoreCursor() { Screen->SetCursor(cursor); }
        } restore{cursor};
        BuildImage(FBitmap.get(), true, FBitmapUp.get());
        BuildImage(FBitmap.get(), false, FBitmapDown.get());
        FHitTestMask = CreateMonoMask(FBitmapUp.get(), FBitmap->TransparentColor());
    }
    Invalidate();
}

void TRzShapeButton::Loaded()
{
    inherited::Loaded();
    if (FBitmap->Empty())
        return;
    // Opaque in either picture: the stored up picture may carry a bevel beyond the shape.
    const TColor key = FBitmap->TransparentColor();
    FHitTestMask = CreateMonoMask(FBitmap.get(), key);
    if (!FBitmapUp->Empty()) {
        const std::unique_ptr<TBitmap> up = CreateMonoMask(FBitmapUp.get(), key);
        QImage mask = FHitTestMask->Image().convertToFormat(QImage::Format_RGB32);
        const QImage &other = up->Image();
        for (int y = 0; y < std::min(mask.height(), other.height()); ++y)
            for (int x = 0; x < std::min(mask.width(), other.width()); ++x)
                if ((other.pixel(x, y) & RgbMask) == 0)
                    mask.setPixel(x, y, qRgb(0, 0, 0));
        FHitTestMask = MonochromeOf(mask);
    }
}

void TRzShapeButton::CMSysColorChange(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    BitmapChanged(this);
}

bool TRzShapeButton::PtInMask(int x, int y) const
{
    if (!FHitTestMask)
        return true;
    const QImage &mask = FHitTestMask->Image();
    return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() && (mask.pixel(x, y) & RgbMask) == 0;
}

// ---- Painting ------------------------------------------------------------------------------------

void TRzShapeButton::Paint()
{
    TCanvas *c = Canvas();
    const bool designing = ComponentState().Contains(csDesigning);
    if (designing) {
        c->Pen()->SetStyle(psDash);
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(0, 0, Width(), Height());
        c->Pen()->SetStyle(psSolid);
    }
    if (designing || FState == bsDisabled || FState == bsExclusive)
        FState = bsUp;
    TBitmap *picture = FState == bsUp ? FBitmapUp.get() : FBitmapDown.get();
    if (!picture->Empty()) {
        // The picture on the transparent colour, pressed one pixel right and down; then every
        // pixel but the transparent ones over what lies below.
        const TColor key = TransparentColor();
        TBitmap composed(std::max(Width(), 1), std::max(Height(), 1));
        composed.Canvas()->FillRect(TRect(0, 0, composed.Width(), composed.Height()), key);
        const int shift = FState == bsDown ? 1 : 0;
        composed.Canvas()->Draw(shift, shift, picture);
        const TRect all(0, 0, composed.Width(), composed.Height());
        c->DrawImage(all, composed.Image(), all, false, key);
    }
    if (!Caption().isEmpty()) {
        c->SetFont(Font());
        DrawCaption(GetCaptionRect());
    }
}

TRect TRzShapeButton::GetCaptionRect()
{
    if (FCaptionPosition == cpCentered)
        return ClientRect();
    TRect r(0, 0, ClientWidth(), 0);
    DrawTextInRect(Canvas(), Caption(), r, DT_CALCRECT);
    r.Offset(FCaptionX, FCaptionY);
    return r;
}

void TRzShapeButton::DrawCaption(TRect r)
{
    Canvas()->Brush()->SetStyle(bsClear);
    if (FState == bsDown)
        r.Offset(1, 1);
    DrawTextCentered(Canvas(), Caption(), r);
}

// ---- Input ---------------------------------------------------------------------------------------

bool TRzShapeButton::InsidePress(int x, int y) const
{
    if (FPreciseClick)
        return PtInMask(x, y);
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TRzShapeButton::CMHitTest(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    const TPoint p = LParamToPoint(m.LParam);
    m.Result = !FPreciseClick || PtInMask(p.X, p.Y) ? HTCLIENT : HTNOWHERE;
}

void TRzShapeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!FPreciseClick || PtInMask(x, y)) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TRzShapeButton::TrackHintAndCursor(int x, int y)
{
    const bool outside = !PtInMask(x, y);
    if (FPreciseShowHint && outside) {
        if (!FPrevShowHintSaved) {
            FPrevParentShowHint = ParentShowHint();
            FPrevShowHint = ShowHint();
            FPrevShowHintSaved = true;
            SetParentShowHint(false);
            SetShowHint(false);
        }
    } else if (FPreciseClick && outside) {
        if (!FPrevCursorSaved) {
            FPrevCursor = Cursor();
            FPrevCursorSaved = true;
            SetCursor(crDefault);
        }
    } else {
        if (std::exchange(FPrevCursorSaved, false))
            SetCursor(FPrevCursor);
        if (std::exchange(FPrevShowHintSaved, false)) {
            SetShowHint(FPrevShowHint);
            SetParentShowHint(FPrevParentShowHint);
        }
    }
}

void TRzShapeButton::MouseMove(TShiftState shift, int x, int y)
{
    inherited::MouseMove(shift, x, y);
    TrackHintAndCursor(x, y);
    if (!FDragging)
        return;
    const TButtonState state = InsidePress(x, y) ? bsDown : bsUp;
    if (state != FState) {
        FState = state;
        Repaint();
    }
}

void TRzShapeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseUp(button, shift, x, y);
    if (!FDragging)
        return;
    FDragging = false;
    if (FState == bsDown) {
        FState = bsUp;
        Repaint();
    }
    if (InsidePress(x, y))
        Click();
}

void TRzShapeButton::CMDialogChar(TMessage &m)
{
    if (Enabled() && IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption())) {
        Click();
        m.Result = 1;
        return;
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TRzShapeButton::CMRepaintNeeded(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Repaint();
}
