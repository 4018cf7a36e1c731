#pragma once
// TiPlotAnnotation: a mark over the data area (a text, a line, a box, an ellipse, a picture or a
// polygon) placed by the application or the user. Each of its four coordinate groups (position X
// and Y, size X and Y) lies in the frame of a channel (values of the channel's axes) or of the
// data view (percent of its extent), so an annotation sticks to data or to the window.
// Annotations are filed without a name and are not streamed with the plot's form; a new one takes
// the plot's annotation defaults (pen, brush, font, frames).
//
// Rules a caller must know:
//  - Frames: ipriDataView and ipriChannel choose a group's frame; ipriAuto follows Reference (the
//    X groups are in the channel frame for iprtChannel and iprtXChannelYDataView, the Y groups for
//    iprtChannel and iprtXDataViewYChannel). Nothing is drawn while a frame is missing: no data
//    view, or no channel named ChannelName (any case) with both its axes; a channel that comes back
//    under that name is used again.
//  - Clipping: ClipToAxes, or Reference iprtChannel with the plot's ClipAnnotationsToAxes, clips
//    to the channel's axes; an annotation whose groups all lie in the data view frame has no axes
//    and is clipped to the data view.
//  - Only what the last paint drew can be hit: a line (ipasLine) never, ipasLineX and ipasLineY
//    within 5 pixels of the line, the other styles in their click area or size handles. Mouse
//    interaction needs SelectModeOnlyInteraction off or toolbar 0's select mode on; moving needs
//    UserCanMove, sizing UserCanSize and a box or ellipse style.
//  - The coordinate setters raise the plot's OnAnnotationCoordinatesChange; a user's drag also
//    raises the move or resize event and, at the release, OnAnnotationCoordinatesChangeFinished.
// GUI thread.

#include "platform/ui/GraphicsBrush.h"
#include "platform/ui/GraphicsFont.h"
#include "platform/ui/GraphicsPen.h"
#include "plotlib/base/iTypes.h"
#include "plotlib/plot/iPlotObjects.h"

#include <memory>
#include <vector>

class TBitmap;
class TiPlotChannelCustom;
class TiPlotDataView;

// clang-format off
enum TiPlotAnnotationStyle {
    ipasText, ipasLine, ipasRectangle, ipasLineX, ipasLineY, ipasImage, ipasTextRectangle, ipasEllipse, ipasTextBox,
    ipasEllipse2, ipasPolygon, ipasRectangle2
};
inline constexpr auto iPlotAnnotationStyleNames = EnumNames<TiPlotAnnotationStyle>(
    "ipasText", "ipasLine", "ipasRectangle", "ipasLineX", "ipasLineY", "ipasImage", "ipasTextRectangle",
    "ipasEllipse", "ipasTextBox", "ipasEllipse2", "ipasPolygon", "ipasRectangle2");

// What the annotation's coordinates refer to: the data view (percent) or the channel's axes.
enum TiPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
inline constexpr auto iPlotReferenceTypeNames = EnumNames<TiPlotReferenceType>(
    "iprtDataView", "iprtChannel", "iprtXChannelYDataView", "iprtXDataViewYChannel");

// The frame of one coordinate; ipriAuto follows the annotation's Reference.
enum TiPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };
inline constexpr auto iPlotReferenceIndividualNames =
    EnumNames<TiPlotReferenceIndividual>("ipriDataView", "ipriChannel", "ipriAuto");

// What a mouse drag on the annotation does.
enum TiPlotAnnotationSelectStyle {
    ipassNone, ipassMove, ipassSizeTopLeft, ipassSizeTopRight, ipassSizeBottomLeft, ipassSizeBottomRight
};
// clang-format on

// A vertex of a polygon annotation, in the frames of X and Y.
class TiPlotAnnotationPoint : public TObject {
public:
    double X = 0;
    double Y = 0;
};

class TiPlotAnnotation : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotAnnotation, TiPlotManagerObject)
    TiPlotAnnotation(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                     TNotifyEvent AOnRename);
    ~TiPlotAnnotation() override;

    // ---- Published ----
    TiPlotAnnotationStyle Style() const { return FStyle; }
    void SetStyle(TiPlotAnnotationStyle Value) { SetField(Value, FStyle); }
    TiPlotReferenceType Reference() const { return FReference; }
    void SetReference(TiPlotReferenceType Value) { SetField(Value, FReference); }
    TiPlotReferenceIndividual ReferencePositionX() const { return FReferencePositionX; }
    void SetReferencePositionX(TiPlotReferenceIndividual Value) { SetField(Value, FReferencePositionX); }
    TiPlotReferenceIndividual ReferencePositionY() const { return FReferencePositionY; }
    void SetReferencePositionY(TiPlotReferenceIndividual Value) { SetField(Value, FReferencePositionY); }
    TiPlotReferenceIndividual ReferenceSizeX() const { return FReferenceSizeX; }
    void SetReferenceSizeX(TiPlotReferenceIndividual Value) { SetField(Value, FReferenceSizeX); }
    TiPlotReferenceIndividual ReferenceSizeY() const { return FReferenceSizeY; }
    void SetReferenceSizeY(TiPlotReferenceIndividual Value) { SetField(Value, FReferenceSizeY); }
    double X() const { return FX; }
    void SetX(double Value) { SetCoordinate(Value, FX); }
    double Y() const { return FY; }
    void SetY(double Value) { SetCoordinate(Value, FY); }
    double X2() const { return FX2; }
    void SetX2(double Value) { SetCoordinate(Value, FX2); }
    double Y2() const { return FY2; }
    void SetY2(double Value) { SetCoordinate(Value, FY2); }
    double Width() const { return FWidth; }
    void SetWidth(double Value) { SetCoordinate(Value, FWidth); }
    double Height() const { return FHeight; }
    void SetHeight(double Value) { SetCoordinate(Value, FHeight); }
    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor Value) { SetField(Value, FPenColor); }
    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int Value) { SetField(Value, FPenWidth); }
    TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(TPenStyle Value) { SetField(Value, FPenStyle); }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor Value) { SetField(Value, FBrushColor); }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value) { SetField(Value, FBrushStyle); }
    const QString &Text() const { return FText; }
    void SetText(const QString &Value) { SetField(Value, FText); }
    TFont *Font() const { return FFont.get(); }
    // Copies the font; a change of the annotation's font repaints.
    void SetFont(TFont *Value) { FFont->Assign(Value); }
    const QString &ChannelName() const { return FChannelName; }
    // Also forgets the channel found for the old name.
    void SetChannelName(const QString &Value);
    TiRotationAngle TextRotation() const { return FTextRotation; }
    void SetTextRotation(TiRotationAngle Value) { SetField(Value, FTextRotation); }
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool Value) { SetField(Value, FUserCanMove); }
    bool UserCanSize() const { return FUserCanSize; }
    void SetUserCanSize(bool Value) { SetField(Value, FUserCanSize); }
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool Value) { SetField(Value, FSelectModeOnlyInteraction); }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { SetField(Value, FClipToAxes); }
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int Value) { SetField(Value, FImageListIndex); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { SetField(Value, FImageIndex); }
    TiAlignmentHorizontal TextHorzAlignment() const { return FTextHorzAlignment; }
    void SetTextHorzAlignment(TiAlignmentHorizontal Value) { SetField(Value, FTextHorzAlignment); }
    TiAlignmentVertical TextVertAlignment() const { return FTextVertAlignment; }
    void SetTextVertAlignment(TiAlignmentVertical Value) { SetField(Value, FTextVertAlignment); }
    TiAlignmentHorizontal TextLineAlignment() const { return FTextLineAlignment; }
    void SetTextLineAlignment(TiAlignmentHorizontal Value) { SetField(Value, FTextLineAlignment); }
    double TextHorzMargin() const { return FTextHorzMargin; }
    void SetTextHorzMargin(double Value) { SetField(Value, FTextHorzMargin); }
    double TextVertMargin() const { return FTextVertMargin; }
    void SetTextVertMargin(double Value) { SetField(Value, FTextVertMargin); }
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool Value) { SetField(Value, FShowFocusRect); }
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int Value) { SetField(Value, FOuterMargin); }

    // ---- Polygon vertices (not published: they do not travel in files) ----
    // Appends a vertex without repainting; its index.
    int PolyPointAdd(double X, double Y);
    void PolyPointsClear();
    int PolyPointsCount() const { return static_cast<int>(FPolyPoints.size()); }

    // ---- Picture ----
    TBitmap *Image() const { return FImage.get(); }
    // Copies the bitmap (nullptr frees the picture) and repaints.
    void SetImage(TBitmap *Value);
    // A bitmap file as the picture; on failure the loader's error passes and the old picture stays.
    void ImageLoadFromFile(const QString &FileName);
    void ImageClear();

    // ---- The plot sets these before each paint ----
    TiPlotDataView *DataView() const { return FDataView; }
    void SetDataView(TiPlotDataView *Value) { FDataView = Value; }

    // ---- Conversions between the frames and pixels along the axis directions (0 without frame) ----
    int PositionXToPixels(double Value);
    int PositionYToPixels(double Value);
    double PixelsXToPosition(int Value);
    double PixelsYToPosition(int Value);

    // ---- From the last paint ----
    bool Showing() const { return FShowing; }
    TRect ClickRect() const { return FClickRect; }
    TRect DrawRect() const { return FDrawRect; }
    TRect SizeTopLeftRect() const { return FSizeTopLeftRect; }
    TRect SizeTopRightRect() const { return FSizeTopRightRect; }
    TRect SizeBottomLeftRect() const { return FSizeBottomLeftRect; }
    TRect SizeBottomRightRect() const { return FSizeBottomRightRect; }
    TiPlotAnnotationSelectStyle SelectStyle() const { return FSelectStyle; }
    // The channel named ChannelName, or nullptr (found once, then kept).
    TiPlotChannelCustom *Channel();

    // ---- Plot object ----
    // Drops the data view or the channel when it goes.
    void NotifyRemoved(TObject *AObject) override;
    // ChannelName follows a rename of the annotation's channel.
    void NotifyRenamed(TObject *AObject) override;
    void NotifySelected(TObject *AObject) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    bool iHitTest(const TiPlotMouseData &MouseData) override;
    void DoMouseLeft(const TiPlotMouseData &MouseData) override;
    void DoMouseMove(const TiPlotMouseData &MouseData) override;
    void DoMouseUp(const TiPlotMouseData &MouseData) override;
    TCursor GetMouseCursor(TPoint Point) override;

private:
    enum class Group { PositionX, PositionY, SizeX, SizeY };
    void SetCoordinate(double Value, double &Field);
    // The group lies in the channel's frame (else in the data view's).
    bool InChannelFrame(Group Which) const;
    // Every frame the groups use is there.
    bool FramesReady();
    // Along the axis direction of X or Y: value to pixel and back, in the group's frame.
    int ToPixels(Group Which, bool AlongX, double Value);
    double ToPosition(Group Which, bool AlongX, int Value);
    int SizeToPixels(Group Which, bool AlongX, double Size);
    double PixelsToSize(Group Which, bool AlongX, int From, int To);
    bool CanSize() const;
    bool IsBoxStyle() const;
    // The screen box of the text styles around the screen point (X, Y), before the alignment shift.
    TRect TextBox(TCanvas *Canvas, int X, int Y, int Grow);
    void DrawTextInto(TCanvas *Canvas, const TRect &Box);
    void DrawTextInRectangle(TCanvas *Canvas, const TRect &Box);
    void DrawPicture(TCanvas *Canvas, const TPoint &Centre, const TRect &View);
    void SetSizeHandles(const TRect &Box, const TRect &View);
    // Left, Top, Right, Bottom in screen pixels into the coordinates.
    void ApplyPixelRect(const TRect &Rect);
    void FontChanged(TObject *) { DoChange(); }

    TiPlotAnnotationStyle FStyle = ipasText;
    TiPlotReferenceType FReference = iprtDataView;
    TiPlotReferenceIndividual FReferencePositionX = ipriAuto;
    TiPlotReferenceIndividual FReferencePositionY = ipriAuto;
    TiPlotReferenceIndividual FReferenceSizeX = ipriAuto;
    TiPlotReferenceIndividual FReferenceSizeY = ipriAuto;
    TiPlotAnnotationSelectStyle FSelectStyle = ipassNone;
    TRect FSizeTopLeftRect;
    TRect FSizeTopRightRect;
    TRect FSizeBottomLeftRect;
    TRect FSizeBottomRightRect;
    std::vector<std::unique_ptr<TiPlotAnnotationPoint>> FPolyPoints;
    double FX = 0;
    double FY = 0;
    double FY2 = 0;
    double FX2 = 0;
    double FWidth = 0;
    double FHeight = 0;
    TColor FPenColor = 0xFFFFFF;
    int FPenWidth = 0;
    TPenStyle FPenStyle = psSolid;
    TColor FBrushColor = 0xFFFFFF;
    TBrushStyle FBrushStyle = bsSolid;
    QString FText;
    std::unique_ptr<TFont> FFont;
    QString FChannelName;
    TiPlotDataView *FDataView = nullptr;
    TiPlotChannelCustom *FChannel = nullptr;
    TiRotationAngle FTextRotation = ira000;
    bool FShowing = false;
    TRect FDrawRect;
    TRect FClickRect;
    bool FRectChange = false;
    bool FUserCanMove = false;
    bool FUserCanSize = false;
    bool FSelectModeOnlyInteraction = true;
    bool FClipToAxes = false;
    // A left press on the drawn annotation, until its release.
    bool FPressActive = false;
    int FMouseDownX = 0;
    int FMouseDownY = 0;
    double FMouseDownWidth = 0;
    double FMouseDownHeight = 0;
    int FMouseDownPositionPixelsX = 0;
    int FMouseDownPositionPixelsY = 0;
    TRect FMouseDownRect;
    std::unique_ptr<TBitmap> FImage;
    int FImageListIndex = 0;
    int FImageIndex = 0;
    TiAlignmentHorizontal FTextHorzAlignment = iahCenter;
    TiAlignmentVertical FTextVertAlignment = iavCenter;
    TiAlignmentHorizontal FTextLineAlignment = iahCenter;
    double FTextHorzMargin = 1.0;
    double FTextVertMargin = 1.0;
    bool FShowFocusRect = true;
    double FMouseDownXValue = 0;
    double FMouseDownYValue = 0;
    double FMouseDownX2Value = 0;
    double FMouseDownY2Value = 0;
    int FOuterMargin = 0;
};
