#include "platform/ui/Graphics.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/Canvas.h"

T_IMPLEMENT_CLASS(TGraphic) {}

void TGraphic::SetWidth(int) {}

void TGraphic::SetHeight(int) {}

void TGraphic::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    Changed();
}

void TGraphic::LoadFromFile(const QString &fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const QString &fileName)
{
    TMemoryStream bytes;
    SaveToStream(&bytes);
    SaveBytesToFile(fileName, bytes.Memory(), bytes.Size());
}

void TGraphic::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        QStringLiteral("File"), [this](TStream &s) { LoadFromStream(&s); }, nullptr, false);
}

void TGraphic::DrawTransparent(TCanvas *canvas, const TRect &r, std::uint8_t opacity)
{
    if (opacity == 255) {
        Draw(canvas, r);
        return;
    }
    const QImage image = ToImage();
    canvas->DrawImage(r, image, TRect(0, 0, image.width(), image.height()), true, clNone, opacity);
}

void TGraphic::Changed()
{
    modified_ = true;
    if (OnChange)
        OnChange(this);
}
