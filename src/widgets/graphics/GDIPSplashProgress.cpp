#include "widgets/graphics/GDIPSplashProgress.h"

#include <algorithm>
#include <memory>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Format.h"

T_IMPLEMENT_CLASS(TGDIPSplashProgress)
{
    using C = TGDIPSplashProgress;
    b.Object("BackGroundFill", &C::BackGroundFill, &C::SetBackGroundFill);
    b.Str("ValueFormat", &C::ValueFormat, &C::SetValueFormat).Default("%.0f%%");
    b.Enum("ValueType", &C::ValueType, &C::SetValueType, GDIPProgressValueTypeNames).Default(vtAbsolute);
    b.Object("ProgressFill", &C::ProgressFill, &C::SetProgressFill);
    b.Int("ValuePositionTop", &C::ValuePositionTop, &C::SetValuePositionTop).Default(0);
    b.Int("ValuePositionLeft", &C::ValuePositionLeft, &C::SetValuePositionLeft).Default(0);
    b.Object("Font", &C::Font, &C::SetFont);
    b.Enum("ValuePosition", &C::ValuePosition, &C::SetValuePosition, GDIPProgressValuePositionNames).Default(vpCenter);
    b.Bool("ValueVisible", &C::ValueVisible, &C::SetValueVisible).Default(false);
    b.Object("ProgressFont", &C::ProgressFont, &C::SetProgressFont);
    b.Bool("Visible", &C::Visible, &C::SetVisible).Default(false);
    b.Int("Height", &C::Height, &C::SetHeight).Default(17);
    b.Int("Left", &C::Left, &C::SetLeft).Default(50);
    b.Int("Width", &C::Width, &C::SetWidth).Default(300);
    b.Int("Top", &C::Top, &C::SetTop).Default(100);
    b.Float("Step", &C::Step, &C::SetStep).Default(10.0);
    b.Float("Maximum", &C::Maximum, &C::SetMaximum).Default(100.0);
    b.Float("Minimum", &C::Minimum, &C::SetMinimum).Default(0.0);
    b.Float("Position", &C::Position, &C::SetPosition).Default(0.0);
    b.Event("OnChange", &C::OnChange);
}

TGDIPSplashProgress::TGDIPSplashProgress()
    : FBackGroundFill(std::make_unique<TGDIPFill>()), FProgressFill(std::make_unique<TGDIPFill>()),
      FFont(std::make_unique<TFont>()), FProgressFont(std::make_unique<TFont>())
{
    const auto changed = [this](TObject *) { Changed(); };
    FBackGroundFill->OnChange = changed;
    FProgressFill->OnChange = changed;
    FFont->OnChange = changed;
    FProgressFont->OnChange = changed;
}

TGDIPSplashProgress::~TGDIPSplashProgress()
{
    FFont->OnChange = nullptr;
    FProgressFont->OnChange = nullptr;
}

void TGDIPSplashProgress::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TGDIPSplashProgress::SetVisible(bool value)
{
    FVisible = value;
    Changed();
}

void TGDIPSplashProgress::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TGDIPSplashProgress *>(Source);
    if (!other)
        return;
    // One report for the whole copy.
    TNotifyEvent report = OnChange;
    OnChange = nullptr;
    FBackGroundFill->Assign(other->FBackGroundFill.get());
    FProgressFill->Assign(other->FProgressFill.get());
    FValueFormat = other->FValueFormat;
    FValueType = other->FValueType;
    FValuePosition = other->FValuePosition;
    FValuePositionLeft = other->FValuePositionLeft;
    FValuePositionTop = other->FValuePositionTop;
    FValueVisible = other->FValueVisible;
    FFont->Assign(other->FFont.get());
    FProgressFont->Assign(other->FProgressFont.get());
    FVisible = other->FVisible;
    FLeft = other->FLeft;
    FTop = other->FTop;
    FWidth = other->FWidth;
    FHeight = other->FHeight;
    FStep = other->FStep;
    FMinimum = other->FMinimum;
    FMaximum = other->FMaximum;
    FPosition = other->FPosition;
    FProgressAnimation = other->FProgressAnimation;
    FGlowAnimation = other->FGlowAnimation;
    OnChange = report;
    Changed();
}

// ---- Geometry ---------------------------------------------------------------------------------------

namespace {

// How far a fill's border reaches in: 1 for a width of 1, else half the width rounded up.
REAL BorderInset(const TGDIPFill *fill)
{
    if (fill->BorderColor() == clNone)
        return 0;
    return fill->BorderWidth() == 1 ? 1.0f : static_cast<REAL>((fill->BorderWidth() + 1) / 2);
}

// A horizontal gradient over the strip, its brush spanning the strip grown by 1 pixel.
void Strip(TGPGraphics *g, const TGPRectF &strip, ARGB from, ARGB to, LinearGradientMode mode)
{
    if (strip.Width <= 0 || strip.Height <= 0)
        return;
    TGPLinearGradientBrush brush(MakeRect(strip.X - 1, strip.Y - 1, strip.Width + 2, strip.Height + 2), from, to, mode);
    g->FillRectangle(&brush, strip);
}

}  // namespace

TGPRectF TGDIPSplashProgress::GetInsideRectF(const TRect &r) const
{
    const REAL b = BorderInset(FBackGroundFill.get());
    const REAL left = static_cast<REAL>(r.Left) + b, top = static_cast<REAL>(r.Top) + b;
    const REAL right = static_cast<REAL>(r.Right - 1) - b, bottom = static_cast<REAL>(r.Bottom - 1) - b;
    return MakeRect(left, top, right - left, bottom - top);
}

TGPRectF TGDIPSplashProgress::CalculateProgressRectangle(const TRect &r, double minimum, double maximum,
                                                         double position) const
{
    const TGPRectF inside = GetInsideRectF(r);
    const bool bordered = FProgressFill->BorderColor() != clNone && FProgressFill->BorderWidth() != 0;
    const REAL b = bordered ? static_cast<REAL>(FProgressFill->BorderWidth()) : 0;
    const REAL total = inside.X + inside.Width - b - inside.X;
    REAL filled = 0;
    if (maximum - minimum > 0)
        filled = std::min(total, static_cast<REAL>((position - minimum) / (maximum - minimum) * total));
    // A position below the minimum fills nothing rather than a rectangle of negative width.
    filled = std::max<REAL>(0, filled);
    if (bordered)
        return MakeRect(inside.X + b / 2, inside.Y + b / 2, filled, inside.Height - b);
    return MakeRect(inside.X, inside.Y, filled, inside.Height);
}

void DrawEndShadows(TGPGraphics *g, const TGPRectF &r)
{
    Strip(g, MakeRect(r.X, r.Y, 10.0f, r.Height), ComposeARGB(30, 0, 0, 0), ComposeARGB(0, 0, 0, 0),
          LinearGradientModeHorizontal);
    Strip(g, MakeRect(r.X + r.Width - 10, r.Y, 10.0f, r.Height), ComposeARGB(0, 0, 0, 0), ComposeARGB(30, 0, 0, 0),
          LinearGradientModeHorizontal);
}

// ---- Drawing ----------------------------------------------------------------------------------------

void TGDIPSplashProgress::Draw(TGPGraphics *g, const TRect &r, double minimum, double maximum, double position)
{
    if (!g)
        return;
    FBackGroundFill->Fill(g, MakeRect(static_cast<REAL>(r.Left), static_cast<REAL>(r.Top),
                                      static_cast<REAL>(r.Width() - 1), static_cast<REAL>(r.Height() - 1)));
    const TGPRectF progress = CalculateProgressRectangle(r, minimum, maximum, position);
    FProgressFill->Fill(g, progress);
    if (progress.Width > 0)
        DrawEndShadows(g, progress);
    const TGPRectF inside = GetInsideRectF(r);
    DrawEndShadows(g, inside);
    if (FValueVisible)
        DrawValue(g, r, minimum, maximum, position);
    const REAL top = inside.Height / 2.5f, bottom = inside.Height / 5;
    Strip(g, MakeRect(inside.X, inside.Y, inside.Width, top), ComposeARGB(180, 255, 255, 255),
          ComposeARGB(0, 255, 255, 255), LinearGradientModeVertical);
    Strip(g, MakeRect(inside.X, inside.Y + inside.Height - bottom, inside.Width, bottom), ComposeARGB(0, 255, 255, 255),
          ComposeARGB(255, 255, 255, 255), LinearGradientModeVertical);
}

QString TGDIPSplashProgress::ValueText(double minimum, double maximum, double position) const
{
    const double p = std::clamp(position, std::min(minimum, maximum), std::max(minimum, maximum));
    double value = p;
    if (FValueType == vtPercentage)
        value = minimum < maximum ? (p - minimum) / (maximum - minimum) * 100 : maximum;
    try {
        return Format(FValueFormat, {value});
    } catch (const Exception &) {
        return QString();  // a format that takes no number shows nothing rather than failing the paint
    }
}

void TGDIPSplashProgress::DrawValue(TGPGraphics *g, const TRect &r, double minimum, double maximum, double position)
{
    const QString text = ValueText(minimum, maximum, position);
    if (text.isEmpty())
        return;
    const TGPRectF inside = GetInsideRectF(r);
    const TGPRectF progress = CalculateProgressRectangle(r, minimum, maximum, position);
    TGPRectF box{};
    {
        std::unique_ptr<TGPFont> font(g->MakeFont(FFont.get()));
        TGPStringFormat format;
        g->MeasureString(text, -1, font.get(), inside, &format, box);
    }
    REAL q = (inside.Height - box.Height) / 2;
    REAL x = 0;
    switch (FValuePosition) {
    case vpProgressCenter:
        x = progress.Width >= box.Width ? inside.X + (progress.Width - box.Width) / 2 : inside.X;
        break;
    case vpProgressRight: x = progress.Width >= box.Width ? inside.X + progress.Width - box.Width : inside.X; break;
    case vpCenter: x = static_cast<REAL>(r.Left) + (inside.Width - box.Width) / 2; break;
    case vpLeft: x = inside.X; break;
    case vpRight: x = static_cast<REAL>(r.Left) + inside.Width - box.Width; break;
    case vpCustom:
        x = static_cast<REAL>(r.Left + FValuePositionLeft);
        q = static_cast<REAL>(FValuePositionTop);
        break;
    }
    TFont *shown = progress.X + progress.Width > x + box.Width / 2 ? FProgressFont.get() : FFont.get();
    std::unique_ptr<TGPFont> font(g->MakeFont(shown));
    TGPSolidBrush brush(ARGBFromAlphaColor(255, shown->Color()));
    g->DrawString(text, -1, font.get(), MakePoint(x, static_cast<REAL>(r.Top) + q), &brush);
}

// ---- Style presets ----------------------------------------------------------------------------------

const TSplashStylePreset &SplashStylePreset(int style)
{
    // Colour, second colour and border of each style, in the order of the style numbers.
    static const TSplashStylePreset presets[16] = {
        {0xFCE1CB, 0xE0A57D, 0x962D00},  // Office 2003 blue
        {0xECE2E1, 0xB39698, 0x947C7C},  // Office 2003 silver
        {0xCFF0EA, 0x8CC0B1, 0x588060},  // Office 2003 olive
        {0xFFFFFF, 0xC9D1D5, 0x808080},  // Office 2003 classic
        {0xFFEFE3, 0xFFD2AF, 0xFFD2AF},  // Office 2007 Luna
        {0xF2F1F0, 0xC9C2BD, 0x5C534C},  // Office 2007 Obsidian
        {0xFEFEFE, 0xE0E6E7, 0x8CA0A4},  // Windows XP
        {0xF5F9FA, 0xA8C0C0, 0x962D00},  // Whidbey
        {0xC0C0C0, 0x808080, clNone},    // custom
        {0xFAEEEB, 0xE5DBD7, 0x74706F},  // Office 2007 silver
        {0xFDF8F1, 0xFCEFD5, 0xFDDE99},  // Windows Vista
        {0xFDFBFA, 0xFDF3EB, 0xFBD6B8},  // Windows 7
        {0xC0C0C0, 0xC0C0C0, 0x000000},  // terminal
        {0xFDF6EF, 0xF0DAC7, 0xC7B29B},  // Office 2010 blue
        {0xFFFFFF, 0xEDE5E0, 0xD2CDC8},  // Office 2010 silver
        {0xBFBFBF, 0x919191, 0x6D6D6D},  // Office 2010 black
    };
    return presets[style >= 0 && style < 16 ? style : 0];
}
