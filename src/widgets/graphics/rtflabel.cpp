#include "widgets/graphics/rtflabel.h"

#include <cmath>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/CanvasGdi.h"
#include "widgets/graphics/VersionNumber.h"

T_IMPLEMENT_CLASS(TRTFLabel)
{
    using C = TRTFLabel;
    b.Str("RichText", &C::RichText, &C::SetRichText);
    b.Bool("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(false);
    b.Str("Version", &C::Version, &C::SetVersion);
    b.Ref("FocusControl", &C::FocusControl, &C::SetFocusControl);
    b.Bool("Transparent", &C::Transparent, &C::SetTransparent).Default(false);
}

namespace {

int Twips(int pixels, int dpi)
{
    return static_cast<int>(std::nearbyint(pixels * 1440.0 / dpi));
}

}  // namespace

TRect RichTextTwips(const TRect &r, int dpiX, int dpiY)
{
    TRect t;
    t.Left = Twips(r.Left + 1, dpiX);
    t.Top = Twips(r.Top + 1, dpiY);
    t.Right = t.Left + Twips(r.Width() - 1, dpiX);
    t.Bottom = t.Top + Twips(r.Height() - 1, dpiY);
    return t;
}

TRTFLabel::TRTFLabel(TComponent *AOwner) : TCustomLabel(AOwner)
{
    SetAutoSize(false);
    SetCaption(QString());
    FRichedit = new TRichEdit(this);
    // The renderer is never seen, with or without Loaded.
    FRichedit->SetVisible(false);
}

TRTFLabel::~TRTFLabel() = default;

int TRTFLabel::GetVersionNr() const
{
    return PackVersionNumber(1, 3, 1, 0);
}

QString TRTFLabel::Version() const
{
    return VersionNumberText(GetVersionNr());
}

void TRTFLabel::Loaded()
{
    TCustomLabel::Loaded();
    if (FRichedit) {
        FRichedit->SetVisible(false);
        FRichedit->SetBounds(0, 0, 10, 10);
        FRichedit->SetWordWrap(false);
        FRichedit->SetBorderStyle(bsNone);
    }
    SetCaption(QString());
}

void TRTFLabel::SetWordWrap(bool value)
{
    FWordWrap = value;
    if (Parent() && FRichedit && !ComponentState().Contains(csLoading))
        FRichedit->SetWordWrap(value);
}

void TRTFLabel::Attach(bool on)
{
    FRichedit->SetParent(on ? Parent() : nullptr);
}

TRichEdit *TRTFLabel::RTF()
{
    if (!Parent() || !FRichedit)
        return nullptr;
    Attach(true);
    if (ParentWindowExists()) {
        FRichedit->Clear();
        FRichedit->SelAttributes()->Assign(FRichedit->DefAttributes());
    }
    return FRichedit;
}

void TRTFLabel::EndUpdate()
{
    if (Fupdatecount <= 0)
        return;
    if (--Fupdatecount == 0)
        ShowRTF();
}

void TRTFLabel::Capture(TRichEdit *richEdit)
{
    TMemoryStream stream;
    richEdit->Lines()->SaveToStream(&stream);
    FRichtext = QString::fromLatin1(stream.Bytes());
}

void TRTFLabel::ShowRTF()
{
    if (!ParentWindowExists() || !FRichedit)
        return;
    Attach(true);
    Capture(FRichedit);
    Repaint();
    Attach(false);
}

void TRTFLabel::CopyFromRichEdit(TRichEdit *richEdit)
{
    if (!richEdit)
        return;
    Capture(richEdit);
    Repaint();
}

void TRTFLabel::CopyToRichEdit(TRichEdit *richEdit)
{
    if (!richEdit)
        return;
    richEdit->SetPlainText(false);
    TMemoryStream stream(QByteArray::fromStdString(LowBytes(FRichtext)));
    richEdit->Lines()->LoadFromStream(&stream);
}

void TRTFLabel::Print(const QString &caption)
{
    if (!Parent() || !FRichedit)
        return;
    Attach(true);
    struct Detach {
        TRTFLabel *label;
        ~Detach() { label->Attach(false); }
    } detach{this};
    if (!ParentWindowExists())
        return;
    CopyToRichEdit(FRichedit);
    FRichedit->Print(caption);
}

void TRTFLabel::PaintTo(TCanvas *canvas)
{
    if (!FRichedit || !canvas)
        return;
    Attach(true);
    Render(canvas, ClientRect());
    Attach(false);
}

void TRTFLabel::Paint()
{
    SetCaption(QString());
    TCustomLabel::Paint();
    if (Fupdatecount > 0 || !FRichedit || FPainting)
        return;
    FPainting = true;
    struct Finish {
        TRTFLabel *label;
        ~Finish()
        {
            label->FPainting = false;
            label->Attach(false);
        }
    } finish{this};
    Attach(true);
    if (!ParentWindowExists())
        return;
    FRichedit->SetHeight(0);
    Canvas()->SetBkMode(TRANSPARENT);
    Render(Canvas(), TRect(0, 0, Width(), Height()));
}

void TRTFLabel::Render(TCanvas *canvas, const TRect &r)
{
    CopyToRichEdit(FRichedit);
    HDC dc = canvas->Handle();
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX) ? GetDeviceCaps(dc, LOGPIXELSX) : 96;
    const int dpiY = GetDeviceCaps(dc, LOGPIXELSY) ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    const TColor background = Transparent() && Parent() ? Parent()->Color() : Color();
    FRichedit->Perform(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(background)));
    TFormatRange range;
    range.hdc = range.hdcTarget = canvas;
    range.rc = RichTextTwips(r, dpiX, dpiY);
    range.rcPage = range.rc;
    range.cpMin = 0;
    range.cpMax = -1;
    FRichedit->Perform(EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&range));
    FRichedit->Perform(EM_FORMATRANGE, 0, 0);
}
