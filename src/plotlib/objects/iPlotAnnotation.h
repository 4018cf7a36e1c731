#pragma once
// TiPlotAnnotation: a text, line or shape placed on the plot by the application or the user.
// Annotations are filed without a name and are not streamed with the plot's form. For now it
// carries what the managers need and the look a new annotation takes from the plot's annotation
// defaults: pen, brush, font and the frames its coordinates refer to. GUI thread.

#include "platform/ui/GraphicsBrush.h"
#include "platform/ui/GraphicsFont.h"
#include "platform/ui/GraphicsPen.h"
#include "plotlib/plot/iPlotObjects.h"

#include <memory>

class TiPlotDataView;

// clang-format off
// What the annotation's coordinates refer to: the data view (percent) or the channel's axes.
enum TiPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
inline constexpr auto iPlotReferenceTypeNames = EnumNames<TiPlotReferenceType>(
    "iprtDataView", "iprtChannel", "iprtXChannelYDataView", "iprtXDataViewYChannel");

// The frame of one coordinate; ipriAuto follows the annotation's Reference.
enum TiPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };
inline constexpr auto iPlotReferenceIndividualNames =
    EnumNames<TiPlotReferenceIndividual>("ipriDataView", "ipriChannel", "ipriAuto");
// clang-format on

class TiPlotAnnotation : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotAnnotation, TiPlotManagerObject)
    TiPlotAnnotation(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                     TNotifyEvent AOnRename);
    ~TiPlotAnnotation() override;

    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value) { SetField(Value, FBrushStyle); }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor Value) { SetField(Value, FBrushColor); }
    TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(TPenStyle Value) { SetField(Value, FPenStyle); }
    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor Value) { SetField(Value, FPenColor); }
    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int Value) { SetField(Value, FPenWidth); }
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
    // The data view the coordinates refer to; the plot sets data view 0 before each paint.
    TiPlotDataView *DataView() const { return FDataView; }
    void SetDataView(TiPlotDataView *Value) { FDataView = Value; }
    // Drops the data view when it goes.
    void NotifyRemoved(TObject *AObject) override;

    TFont *Font() const { return FFont.get(); }
    // Copies the font; a change of the annotation's font repaints.
    void SetFont(TFont *Value) { FFont->Assign(Value); }

private:
    void FontChanged(TObject *) { DoChange(); }

    TiPlotDataView *FDataView = nullptr;
    TiPlotReferenceType FReference = iprtDataView;
    TiPlotReferenceIndividual FReferencePositionX = ipriAuto;
    TiPlotReferenceIndividual FReferencePositionY = ipriAuto;
    TiPlotReferenceIndividual FReferenceSizeX = ipriAuto;
    TiPlotReferenceIndividual FReferenceSizeY = ipriAuto;
    TColor FPenColor = 0xFFFFFF;
    int FPenWidth = 0;
    TPenStyle FPenStyle = psSolid;
    TColor FBrushColor = 0xFFFFFF;
    TBrushStyle FBrushStyle = bsSolid;
    std::unique_ptr<TFont> FFont;
};
