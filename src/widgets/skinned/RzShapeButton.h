#pragma once
// TRzShapeButton: a window-less button shaped by a picture (Bitmap) whose transparent colour (its
// bottom-left pixel) is left out. It builds its own up and down pictures, with a bevel that follows
// the outline of the shape, and places its caption in the centre or at (CaptionX, CaptionY).
//
// Pictures: whenever the shape, the bevel or border settings or the system colours change (never
// while a form is being read), BitmapUp and BitmapDown are built from Bitmap. Ring r (1 to
// BevelWidth, and one more for the border of a bsSingle button) colours the still-transparent
// pixels at chessboard distance r outside the shape: those right of and below it in the shadow
// colour and those left of and above it in the highlight colour (the other way round for the down
// picture), the last ring of a bsSingle button in BorderColor. The down picture's border ring is
// drawn on the left and top only. The pressed button shows the down picture one pixel right and
// down. A loaded button shows the pictures stored in its form ("BitmapUp", "BitmapDown").
//
// Clicks: with PreciseClick only the opaque pixels of the shape belong to the button (its hit
// test answers "nowhere" elsewhere), so a click beside the shape reaches the control below. A
// press inside draws the button down and tracks the pointer; the release inside clicks (OnMouseUp
// first, then OnClick). With PreciseShowHint the hint is off while the pointer is over the
// transparent part (PreciseClick off); with PreciseClick the pointer takes the default shape there
// while the button holds the mouse.
//
// Screens are true-colour: the palette steps of the original do nothing here.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ControlsGraphicControl.h"

#include <QRgb>

#include <array>
#include <memory>
#include <vector>

enum TRzCaptionPosition { cpCentered, cpXY };
inline constexpr auto RzCaptionPositionNames = EnumNames<TRzCaptionPosition>("cpCentered", "cpXY");
// The shaped button's border: bsNone or bsSingle.
inline constexpr auto ShapeBorderStyleNames = EnumNames<TBorderStyle>("bsNone", "bsSingle");

// Neighbour offsets of the bevel rings: ring r (index r - 1) holds the 8r points at chessboard
// distance r; side 0 those with dx = r or dy = r (the right column top to bottom, then the bottom
// row right to left), side 1 the others (the left column bottom to top, then the top row left to
// right). Each list ends early at the first (0, 0).
struct TShapeOffset {
    int dx = 0;
    int dy = 0;
};
using TShapeBevelOffsetList = std::array<TShapeOffset, 13>;
extern const std::array<std::array<TShapeBevelOffsetList, 2>, 3> ShapeBevelOffsets;

// A copy of a palette's entries; none for none.
std::vector<QRgb> CopyPalette(const std::vector<QRgb> &palette);
// A monochrome picture of the bitmap's size: white where the bitmap has `color`, black elsewhere.
std::unique_ptr<TBitmap> CreateMonoMask(TBitmap *bitmap, TColor color);
// A monochrome picture of the source's size: black at each pixel that has `color` in `current` and
// whose neighbour at minus one of the offsets lies inside the source and has not got `color`
// there; white elsewhere.
std::unique_ptr<TBitmap> CreateEdgeMask(TBitmap *source, TBitmap *current, const TShapeBevelOffsetList &offsets,
                                        TColor color);

class TRzShapeButton : public TGraphicControl {
    T_DECLARE_CLASS(TRzShapeButton, TGraphicControl)
    explicit TRzShapeButton(TComponent *AOwner);
    ~TRzShapeButton() override;

    bool AutoSize() const { return FAutoSize; }
    // Stores a changed flag and applies the bounds again.
    virtual void SetAutoSize(bool value);
    TColor BevelHighlightColor() const { return FBevelHighlightColor; }
    virtual void SetBevelHighlightColor(TColor value);
    TColor BevelShadowColor() const { return FBevelShadowColor; }
    virtual void SetBevelShadowColor(TColor value);
    int BevelWidth() const { return FBevelWidth; }
    // 0..2: larger values become 2.
    virtual void SetBevelWidth(int value);
    TBitmap *Bitmap() const { return FBitmap.get(); }
    virtual void SetBitmap(TBitmap *value) { FBitmap->Assign(value); }
    TBitmap *BitmapUp() const { return FBitmapUp.get(); }
    virtual void SetBitmapUp(TBitmap *value);
    TBitmap *BitmapDown() const { return FBitmapDown.get(); }
    virtual void SetBitmapDown(TBitmap *value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle value);
    TColor BorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor value);
    bool PreciseClick() const { return FPreciseClick; }
    void SetPreciseClick(bool value) { FPreciseClick = value; }
    bool PreciseShowHint() const { return FPreciseShowHint; }
    void SetPreciseShowHint(bool value) { FPreciseShowHint = value; }
    TRzCaptionPosition CaptionPosition() const { return FCaptionPosition; }
    virtual void SetCaptionPosition(TRzCaptionPosition value);
    int CaptionX() const { return FCaptionX; }
    virtual void SetCaptionX(int value) { SetCaptionXY(value, FCaptionY); }
    int CaptionY() const { return FCaptionY; }
    virtual void SetCaptionY(int value) { SetCaptionXY(FCaptionX, value); }
    // Stores each coordinate that differs; a change switches to cpXY and repaints.
    void SetCaptionXY(int x, int y);

    // True without a hit-test mask; else whether the client point lies on the opaque shape.
    bool PtInMask(int x, int y) const;
    TBitmap *HitTestMask() const { return FHitTestMask.get(); }
    TButtonState State() const { return FState; }
    // The picture's palette (none on a true-colour picture).
    std::vector<QRgb> GetPalette() const { return FBitmap->Palette(); }

    // With AutoSize and a picture, the button is the picture plus 4 pixels each way.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Repaints the parent's area under the button (it has no background of its own).
    void Invalidate() override;
    void Loaded() override;
    void DefineProperties(TFiler *Filer) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void DrawCaption(TRect r);
    virtual TRect GetCaptionRect();
    // Draws the up or down picture of `source` into `destination`.
    void BuildImage(TBitmap *source, bool up, TBitmap *destination);

protected:  // message handlers, registered by number in the class description
    void CMHitTest(TMessage &m);
    void CMDialogChar(TMessage &m);
    void CMRepaintNeeded(TMessage &m);
    void CMSysColorChange(TMessage &m);

private:
    void BitmapChanged(TObject *Sender);
    TColor TransparentColor() const;
    // Whether a client point counts as inside for tracking and the release.
    bool InsidePress(int x, int y) const;
    void TrackHintAndCursor(int x, int y);

    bool FAutoSize = true;
    int FBevelWidth = 2;
    TColor FBevelHighlightColor = clBtnHighlight;
    TColor FBevelShadowColor = clBtnShadow;
    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TBitmap> FBitmapUp;
    std::unique_ptr<TBitmap> FBitmapDown;
    TBorderStyle FBorderStyle = bsSingle;
    TColor FBorderColor = cl3DDkShadow;
    bool FDragging = false;
    std::unique_ptr<TBitmap> FHitTestMask;
    bool FPrevCursorSaved = false;
    TCursor FPrevCursor = crDefault;
    bool FPrevShowHintSaved = false;
    bool FPrevShowHint = false;
    bool FPrevParentShowHint = true;
    bool FPreciseClick = true;
    bool FPreciseShowHint = true;
    TRzCaptionPosition FCaptionPosition = cpCentered;
    int FCaptionX = 0;
    int FCaptionY = 0;
    TButtonState FState = bsUp;
};
