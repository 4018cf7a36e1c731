#pragma once
// Image lists: equally sized images drawn by index, with transparent (masked) pixels, drawn
// normally or in the disabled look (an embossed outline in the button highlight and shadow
// colours).

#include <QImage>

#include <vector>

#include "platform/runtime/Classes.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Events.h"

class TBitmap;
class TCanvas;
class TStream;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
inline constexpr auto DrawingStyleNames =
    EnumNames<TDrawingStyle>("dsFocus", "dsSelected", "dsNormal", "dsTransparent");
enum TImageType { itImage, itMask };
inline constexpr auto ImageTypeNames = EnumNames<TImageType>("itImage", "itMask");

class TCustomImageList : public TComponent {
    T_DECLARE_CLASS(TCustomImageList, TComponent)
    explicit TCustomImageList(TComponent *AOwner);

    TNotifyEvent OnChange;
    // Accepted from form definitions, without effect on drawing.
    int AllocBy = 4;
    TColor BlendColor = clNone;
    TDrawingStyle DrawingStyle = dsNormal;
    TImageType ImageType = itImage;
    bool ShareImages = false;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetWidth(int value);
    void SetHeight(int value);
    bool Masked() const { return masked_; }
    void SetMasked(bool value);
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor value);
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds the image cut into Width-wide pieces; `mask` (may be nullptr) marks transparent pixels
    // white. Returns the index of the first piece, -1 when nothing was added.
    int Add(TBitmap *image, TBitmap *mask);
    // Adds with every pixel of `maskColor` transparent (clDefault: the bottom-left pixel's colour).
    int AddMasked(TBitmap *image, TColor maskColor);
    void Delete(int index);
    void Clear();
    // Draws image `index` with its top-left corner at (x, y); nothing for a bad index.
    void Draw(TCanvas *canvas, int x, int y, int index, bool enabled = true);
    // Copies image `index` into `image` (transparent pixels in BkColor, or white).
    void GetBitmap(int index, TBitmap *image);
    // The image with straight alpha (transparent pixels alpha 0).
    QImage ImageAt(int index) const;

    void Assign(TPersistent *Source) override;
    void DefineProperties(TFiler *Filer) override;
    void ReadData(TStream *stream);
    void WriteData(TStream *stream);

protected:
    void Change();

private:
    int AddPieces(const QImage &image, const std::vector<bool> &transparent);

    int width_ = 16;
    int height_ = 16;
    bool masked_ = true;
    TColor bkColor_ = clNone;
    std::vector<QImage> images_;  // Format_ARGB32, width_ x height_
};

class TImageList : public TCustomImageList {
    T_DECLARE_CLASS(TImageList, TCustomImageList)
    using TCustomImageList::TCustomImageList;
};
