#pragma once
// TiPlotComponent: the plot control. It owns one master manager (and through it every plot
// object: toolbars, legends, tables, axes, data views, data cursors, channels, annotations,
// limits, labels, translations), holds the settings of the whole plot (margins, hints, printing,
// files, logging, annotation defaults, background gradient), streams its object collections with
// its form, and turns what its objects report into its published events. The concrete controls
// (TiXYPlot, the strip chart) choose the class of their channels and create the default objects.
//
// Rules a caller must know:
//  - Events fire with the reporting object's index in its manager, and never while the control
//    loads (IsLoading): not while a form streams in, even though objects change then.
//  - Add<Kind> answers the new object's index and fires the kind's add event (channels, axes,
//    data views, data cursors, legends, limits, tables, annotations; never toolbars, labels or
//    translations); freeing an object fires the remove event. An index outside its manager
//    raises the framework's list-index error and changes nothing. Label 0 is the plot's title:
//    DeleteLabel(0) raises and RemoveAllLabels keeps it; the Title... properties act on it and,
//    without labels, read empty, false, 0 and the control's font and ignore writes.
//  - Streaming: the form carries the published properties, then "DataViewZHorz" and
//    "DataViewZVert" (always), "ImageList0" ... "ImageList2" (lists holding images), the ten
//    manager collections and "TranslationManager". While a form is read the layout manager is
//    off and updates are held; Loaded turns both back and keeps toolbar 0 out of the title's
//    band. Writing a form changes neither.
//  - Operations that raise change nothing: the image list operations refuse bad indexes and
//    mismatched sizes before they touch a list or the caller's bitmap; TransferChannelData checks
//    both channels and both indexes first and takes back the points it added when an add fails.
//  - Axis input forwarding (MasterUIInput) replays one axis's input on every other axis of its
//    kind, in manager order, and ignores reports that arrive meanwhile.
//  - Painting (DrawToCanvas): ticks, then the layout twice (axis sizes depend on their labels),
//    then the background, the objects inside data view 0 by layer (clipped to it), the frame
//    objects, cursors, legends, tables and the hint. Without a toolbar, a legend or a data view
//    only the background and the border are painted.
//  - Input: a press selects the object under the mouse (Shift or Ctrl gather axes) and hands the
//    press to it or to every selected object; moves, releases, the wheel and keys go to the
//    selected objects. A hint an object asks for shows after HintsPause ms and hides HintsHidePause
//    ms later (the control's own timer); removing the hinted object hides it at once.
// GUI thread throughout.

#include "platform/runtime/StringList.h"
#include "platform/ui/GraphicsBrush.h"
#include "platform/ui/GraphicsPen.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Printers.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/base/iVCLComponent.h"
#include "plotlib/objects/iPlotAnnotation.h"
#include "plotlib/plot/iPlotHost.h"
#include "plotlib/plot/iPlotMasterManager.h"

#include <array>
#include <memory>

// clang-format off
// How the property editor form opens.
enum TiPlotFormStyle { ipfsModal, ipfsStayOnTop };
inline constexpr auto iPlotFormStyleNames = EnumNames<TiPlotFormStyle>("ipfsModal", "ipfsStayOnTop");

// The file type the image save dialog offers first.
enum TiPlotImageFormatStyle { ipifBitmap, ipifEnhancedMetaFile, ipifJPEG, ipifPNG };
inline constexpr auto iPlotImageFormatStyleNames =
    EnumNames<TiPlotImageFormatStyle>("ipifBitmap", "ipifEnhancedMetaFile", "ipifJPEG", "ipifPNG");

enum TiPlotDataFileColumnSeparator { ipdfcsTab, ipdfcsComma };
inline constexpr auto iPlotDataFileColumnSeparatorNames =
    EnumNames<TiPlotDataFileColumnSeparator>("ipdfcsTab", "ipdfcsComma");

enum TiPlotDataFileFormat { ipdffText, ipdffCompactInterval };
inline constexpr auto iPlotDataFileFormatNames = EnumNames<TiPlotDataFileFormat>("ipdffText", "ipdffCompactInterval");
// clang-format on

// ---- Event signatures (Index: the object's index in its manager) -------------------------------
using TiPlotObjectEvent = TEvent<void(int Index)>;
using TiPlotObjectMouseEvent = TEvent<void(int Index, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseMoveEvent = TEvent<void(int Index, TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseWheelEvent = TEvent<void(int Index, int WheelDelta, TShiftState Shift, int X, int Y)>;
using TiPlotObjectGetMouseCursorEvent = TEvent<void(int Index, TCursor &MouseCursor)>;
using TiPlotPopupMenuEvent = TEvent<void(int Index, bool &Cancel, int ScreenX, int ScreenY)>;
using TiPlotObjectDoubleValueChangeEvent = TEvent<void(int Index, double OldValue, double NewValue)>;
using TiPlotAxesMinSpanChangeEvent =
    TEvent<void(int Index, double OldMin, double OldSpan, double NewMin, double NewSpan)>;
using TiPlotAxesCustomizeLabelEvent = TEvent<void(int Index, double Value, QString &ALabel)>;
using TiPlotObjectCustomizeTextEvent = TEvent<void(int Index, QString &AText)>;
using TiPlotDataPointCustomizeTextEvent = TEvent<void(int ChannelIndex, int DataPointIndex, QString &AText)>;
using TiPlotClickDataPointEvent = TEvent<void(int ChannelIndex, int DataIndex)>;
using TiPlotDataPointMouseEvent =
    TEvent<void(int ChannelIndex, int DataIndex, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TiPlotDataPointMouseMoveEvent = TEvent<void(int ChannelIndex, int DataIndex, TShiftState Shift, int X, int Y)>;
using TiPlotDataPointMovedEvent =
    TEvent<void(int ChannelIndex, int DataIndex, double OldX, double OldY, double NewX, double NewY)>;
using TiPlotToolBarButtonEvent = TEvent<void(int Index, TiPlotToolBarButtonType ButtonType)>;
using TiPlotToolBarButtonBeforeEvent = TEvent<void(int Index, TiPlotToolBarButtonType ButtonType, bool &Cancel)>;
using TiPlotZoomBoxEvent = TEvent<void(TRect &ZoomRect, bool &Cancel)>;
using TiPlotPrintPageEvent = TEvent<void(int PageIndex, bool LastPage)>;

struct TiVariantArray;
class TMetafile;
class TPicture;
class TiComponentEditorSavePicker;

class TiPlotComponent : public TiCustomComponent, public TiPlotHost {
    T_DECLARE_CLASS(TiPlotComponent, TiCustomComponent)
    explicit TiPlotComponent(TComponent *AOwner);
    ~TiPlotComponent() override;

    TiPlotMasterManager *Master() const { return FMaster.get(); }

    // ---- Settings of the whole plot --------------------------------------------------------------
    int DataViewZHorz() const;
    void SetDataViewZHorz(int Value);
    int DataViewZVert() const;
    void SetDataViewZVert(int Value);
    bool XYAxesReverse() const;
    void SetXYAxesReverse(bool Value);
    bool UserCanEditObjects() const;
    void SetUserCanEditObjects(bool Value);
    bool UserCanAddRemoveChannels() const { return FUserCanAddRemoveChannels; }
    void SetUserCanAddRemoveChannels(bool Value) { FUserCanAddRemoveChannels = Value; }
    int OuterMarginLeft() const { return FOuterMarginLeft; }
    void SetOuterMarginLeft(int Value) { SetIntegerProperty(Value, FOuterMarginLeft, 0); }
    int OuterMarginTop() const { return FOuterMarginTop; }
    void SetOuterMarginTop(int Value) { SetIntegerProperty(Value, FOuterMarginTop, 0); }
    int OuterMarginRight() const { return FOuterMarginRight; }
    void SetOuterMarginRight(int Value) { SetIntegerProperty(Value, FOuterMarginRight, 0); }
    int OuterMarginBottom() const { return FOuterMarginBottom; }
    void SetOuterMarginBottom(int Value) { SetIntegerProperty(Value, FOuterMarginBottom, 0); }
    int HintsPause() const { return FHintsPause; }
    void SetHintsPause(int Value) { FHintsPause = Value; }
    int HintsHidePause() const { return FHintsHidePause; }
    void SetHintsHidePause(int Value) { FHintsHidePause = Value; }
    bool HintsShow() const { return FHintsShow; }
    void SetHintsShow(bool Value) { FHintsShow = Value; }
    TFont *HintsFont() const { return FHintsFont.get(); }
    void SetHintsFont(TFont *Value) { FHintsFont->Assign(Value); }
    TiPlotFormStyle EditorFormStyle() const { return FEditorFormStyle; }
    void SetEditorFormStyle(TiPlotFormStyle Value) { FEditorFormStyle = Value; }
    TiPlotExportFormat CopyToClipBoardFormat() const { return FCopyToClipBoardFormat; }
    void SetCopyToClipBoardFormat(TiPlotExportFormat Value) { FCopyToClipBoardFormat = Value; }
    bool ClipAnnotationsToAxes() const { return FClipAnnotationsToAxes; }
    void SetClipAnnotationsToAxes(bool Value) { SetBooleanProperty(Value, FClipAnnotationsToAxes, 0); }

    // ---- Title (label 0) ---------------------------------------------------------------------------
    bool TitleVisible() const;
    void SetTitleVisible(bool Value);
    QString TitleText() const;
    void SetTitleText(const QString &Value);
    // Label 0's font; the control's own font while there is no label.
    TFont *TitleFont() const;
    void SetTitleFont(TFont *Value);
    double TitleMargin() const;
    void SetTitleMargin(double Value);

    // ---- Printing (used by the printing code) -----------------------------------------------------
    TPrinterOrientation PrintOrientation() const { return FPrintOrientation; }
    void SetPrintOrientation(TPrinterOrientation Value) { FPrintOrientation = Value; }
    double PrintMarginLeft() const { return FPrintMarginLeft; }
    void SetPrintMarginLeft(double Value) { FPrintMarginLeft = Value; }
    double PrintMarginTop() const { return FPrintMarginTop; }
    void SetPrintMarginTop(double Value) { FPrintMarginTop = Value; }
    double PrintMarginRight() const { return FPrintMarginRight; }
    void SetPrintMarginRight(double Value) { FPrintMarginRight = Value; }
    double PrintMarginBottom() const { return FPrintMarginBottom; }
    void SetPrintMarginBottom(double Value) { FPrintMarginBottom = Value; }
    bool PrintShowDialog() const { return FPrintShowDialog; }
    void SetPrintShowDialog(bool Value) { FPrintShowDialog = Value; }
    const QString &PrintDocumentName() const { return FPrintDocumentName; }
    void SetPrintDocumentName(const QString &Value) { FPrintDocumentName = Value; }
    const QString &PrinterName() const { return FPrinterName; }
    void SetPrinterName(const QString &Value) { FPrinterName = Value; }
    double PrinterPaperWidthInches() const { return FPrinterPaperWidthInches; }
    double PrinterPaperHeightInches() const { return FPrinterPaperHeightInches; }
    double PrinterPaperWidthCentimeters() const { return FPrinterPaperWidthCentimeters; }
    double PrinterPaperHeightCentimeters() const { return FPrinterPaperHeightCentimeters; }
    int PrinterPaperWidthPixels() const { return FPrinterPaperWidthPixels; }
    int PrinterPaperHeightPixels() const { return FPrinterPaperHeightPixels; }
    double PrintXStart() const { return FPrintXStart; }
    void SetPrintXStart(double Value) { FPrintXStart = Value; }
    double PrintXStop() const { return FPrintXStop; }
    void SetPrintXStop(double Value) { FPrintXStop = Value; }

    // ---- Printing, preview, clipboard and image save (output/) -----------------------------------
    // Prints X axis 0's visible range, one page per span of the axis (OnBeforePrint may change
    // PrintXStart and PrintXStop), after the print dialog when PrintShowDialog (cancelling it
    // prints nothing and fires nothing). Each page shows the plot scaled uniformly into the
    // margins, at their top-left corner, without toolbars or selection; the axis, the toolbars'
    // visibility, the size and the outer margins are as before afterwards. A failure ends the job
    // and raises "Error Printing : " and its reason.
    void PrintChart();
    // The modal print preview window for this plot.
    void PreviewChart();
    // Sets the height so that the plot has the paper's proportions (the paper of the last print
    // run; before any, the current printer's in PrintOrientation).
    void PrintSizeToFillPage();
    // Sets X axis 0's span so that one printed millimetre spans that many minutes (paper as
    // PrintSizeToFillPage takes it).
    void PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter);
    // The plot's picture on the clipboard in CopyToClipBoardFormat (metafile, bitmap, or JPEG of
    // quality 100), without toolbars or selection; the toolbars and the update bracket are
    // restored also when copying fails.
    void CopyToClipBoard();
    // The plot as a metafile picture, owned by the plot and valid until the next call.
    TPicture *GetSnapShotPicture();
    // Asks for a file in the save dialog and saves the plot's picture in the format of the file's
    // extension (.bmp, .emf, .jpg, .png in any letter case; others save nothing).
    void Save();
    // The metafile the clipboard copy and the snapshot reuse (nullptr before the first use).
    TMetafile *MetaFile() const { return FMetaFile.get(); }
    // The save dialog of Save (nullptr before the first Save).
    TiComponentEditorSavePicker *SaveDialog() const { return FSaveDialog; }

    // ---- Files and logging ---------------------------------------------------------------------
    const QString &LogFileName() const { return FLogFileName; }
    // A different name (case-sensitive) while logging runs raises "Log File Name can not be
    // changed while logging is active."
    void SetLogFileName(const QString &Value);
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int Value) { FLogBufferSize = Value; }
    bool LoggingActive() const { return FLoggingActive; }
    TiPlotDataFileColumnSeparator DataFileColumnSeparator() const { return FDataFileColumnSeparator; }
    // A different separator while logging runs raises "Data File Column Seperator can not be
    // changed while logging active".
    void SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator Value);
    TiPlotDataFileFormat DataFileFormat() const { return FDataFileFormat; }
    // Raises "Data File Format can not be changed while logging active" while logging runs, even
    // for the same format.
    void SetDataFileFormat(TiPlotDataFileFormat Value);
    // Tab (9) or comma (44).
    QChar DataFileSeparatorChar() const;
    const QString &DefaultSaveImageDirectory() const { return FDefaultSaveImageDirectory; }
    void SetDefaultSaveImageDirectory(const QString &Value) { FDefaultSaveImageDirectory = Value; }
    TiPlotImageFormatStyle DefaultSaveImageFormat() const { return FDefaultSaveImageFormat; }
    void SetDefaultSaveImageFormat(TiPlotImageFormatStyle Value) { FDefaultSaveImageFormat = Value; }
    const QString &DefaultPropertyDirectory() const { return FDefaultPropertyDirectory; }
    void SetDefaultPropertyDirectory(const QString &Value) { FDefaultPropertyDirectory = Value; }
    const QString &DefaultDataDirectory() const { return FDefaultDataDirectory; }
    void SetDefaultDataDirectory(const QString &Value) { FDefaultDataDirectory = Value; }
    const QString &DefaultAnnotationDirectory() const { return FDefaultAnnotationDirectory; }
    void SetDefaultAnnotationDirectory(const QString &Value) { FDefaultAnnotationDirectory = Value; }
    bool DifferentialPropertySave() const { return FDifferentialPropertySave; }
    void SetDifferentialPropertySave(bool Value) { FDifferentialPropertySave = Value; }
    const QString &LastPropertiesFileName() const { return FLastPropertiesFileName; }
    const QString &LastDataFileName() const { return FLastDataFileName; }
    // All channels in DataFileFormat: text pairs "<title>(X)", "<title>(Y)" per channel, or the
    // binary "Compact Interval" layout. The file is replaced whole or not at all; failures come
    // back as "Error Saving Data - " and the reason.
    void SaveDataToFile(const QString &FileName);
    // Appends the points of a data or log file (either format, either text layout) to the existing
    // channels; failures come back as "Error Loading Data - " and the reason, points added before
    // the failure stay.
    void LoadDataFromFile(const QString &FileName);
    // Append: the existing file must open; otherwise the file is made anew with its header.
    void LogActivate(bool Append);
    // Writes the pending rows, then stops.
    void LogDeactivate();
    // One row (one dimension: element k to channel k - low bound, null and empty markers
    // recognised) or a block (two dimensions: first index the channel, second the column, X the
    // channel's last X plus XValue) of values; "Data Array must be 1 or 2 Dimensions" otherwise.
    void AddDataArray(double XValue, const TiVariantArray &Data);
    // Ends an active log (writing the pending rows), then clears every channel.
    void ClearAllData();
    // The local date and time as a day count.
    double GetNow() const;

    // ---- Configuration, annotation and translation files ------------------------------------------
    // "Plot Config": "File Type = Plot Config", the ten object counts and the data view's two
    // Z orders, one section per object ("Channel0.Color = 255"; channels, X axes, Y axes,
    // toolbars, legends, tables, labels, data views, data cursors, limits), then the plot's own
    // lines without Name and, unless OptionSaveAllProperties, without its position, size and the
    // other common control properties. DifferentialPropertySave leaves out ordinals equal to their
    // declared defaults. Written atomically; failures raise "Error Saving Properties - " and the
    // reason.
    void SavePropertiesToFile(const QString &FileName) override;
    // Rebuilds every kind of object from the file but the toolbars (every toolbar section goes to
    // toolbar 0) and the title (label 0 is updated in place); annotations are removed. New
    // objects start at their declared defaults, which is what a differential file leaves out.
    // Sections are read in the written order; a path that names no property is dropped. Failures raise
    // "Error Loading Properties - " and the reason (a wrong type: "Incompatible Plot Configuration
    // File Type"); the objects rebuilt before a failure stay and the plot lays out and repaints
    // again.
    void LoadPropertiesFromFile(const QString &FileName) override;
    // "AnnotationCount = n", then the annotations' sections, always differential; polygon points
    // and pictures do not travel. Failures raise "Error Saving Annotations - " and the reason.
    void SaveAnnotationsToFile(const QString &FileName);
    // Replaces every annotation; a file without the count line leaves none. Failures raise
    // "Error Loading Annotations - " and the reason.
    void LoadAnnotationsFromFile(const QString &FileName);
    // The translation list's own file format and errors.
    void SaveTranslationsToFile(const QString &FileName);
    void LoadTranslationsFromFile(const QString &FileName);
    // The texts of translation Index (the list's index error outside it).
    QString GetTranslationOriginalString(int Index) const;
    QString GetTranslationReplacementString(int Index) const;

    // ---- Annotation defaults (copied into every annotation AddAnnotation makes) ------------------
    TFont *AnnotationDefaultFont() const { return FAnnotationDefaultFont.get(); }
    void SetAnnotationDefaultFont(TFont *Value) { FAnnotationDefaultFont->Assign(Value); }
    TBrushStyle AnnotationDefaultBrushStlye() const { return FAnnotationDefaultBrushStlye; }
    void SetAnnotationDefaultBrushStlye(TBrushStyle Value) { FAnnotationDefaultBrushStlye = Value; }
    TColor AnnotationDefaultBrushColor() const { return FAnnotationDefaultBrushColor; }
    void SetAnnotationDefaultBrushColor(TColor Value) { FAnnotationDefaultBrushColor = Value; }
    TPenStyle AnnotationDefaultPenStlye() const { return FAnnotationDefaultPenStlye; }
    void SetAnnotationDefaultPenStlye(TPenStyle Value) { FAnnotationDefaultPenStlye = Value; }
    TColor AnnotationDefaultPenColor() const { return FAnnotationDefaultPenColor; }
    void SetAnnotationDefaultPenColor(TColor Value) { FAnnotationDefaultPenColor = Value; }
    int AnnotationDefaultPenWidth() const { return FAnnotationDefaultPenWidth; }
    void SetAnnotationDefaultPenWidth(int Value) { FAnnotationDefaultPenWidth = Value; }
    TiPlotReferenceType AnnotationDefaultReference() const { return FAnnotationDefaultReference; }
    void SetAnnotationDefaultReference(TiPlotReferenceType Value) { FAnnotationDefaultReference = Value; }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionX() const
    {
        return FAnnotationDefaultReferencePositionX;
    }
    void SetAnnotationDefaultReferencePositionX(TiPlotReferenceIndividual Value)
    {
        FAnnotationDefaultReferencePositionX = Value;
    }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionY() const
    {
        return FAnnotationDefaultReferencePositionY;
    }
    void SetAnnotationDefaultReferencePositionY(TiPlotReferenceIndividual Value)
    {
        FAnnotationDefaultReferencePositionY = Value;
    }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeX() const { return FAnnotationDefaultReferenceSizeX; }
    void SetAnnotationDefaultReferenceSizeX(TiPlotReferenceIndividual Value)
    {
        FAnnotationDefaultReferenceSizeX = Value;
    }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeY() const { return FAnnotationDefaultReferenceSizeY; }
    void SetAnnotationDefaultReferenceSizeY(TiPlotReferenceIndividual Value)
    {
        FAnnotationDefaultReferenceSizeY = Value;
    }

    // ---- Background gradient -------------------------------------------------------------------
    bool BackGroundGradientEnabled() const { return FBackGroundGradientEnabled; }
    void SetBackGroundGradientEnabled(bool Value) { SetBooleanProperty(Value, FBackGroundGradientEnabled, 0); }
    TiFillDirection BackGroundGradientDirection() const { return FBackGroundGradientDirection; }
    void SetBackGroundGradientDirection(TiFillDirection Value);
    TColor BackGroundGradientStartColor() const { return FBackGroundGradientStartColor; }
    void SetBackGroundGradientStartColor(TColor Value) { SetColorProperty(Value, FBackGroundGradientStartColor, 0); }
    TColor BackGroundGradientStopColor() const { return FBackGroundGradientStopColor; }
    void SetBackGroundGradientStopColor(TColor Value) { SetColorProperty(Value, FBackGroundGradientStopColor, 0); }

    bool PaintingActive() const { return FPaintingActive; }

    // ---- Objects by index (the manager's list-index error outside it) -----------------------------
    TiPlotToolBar *GetToolBar(int Index) const;
    TiPlotLegend *GetLegend(int Index) const;
    TiPlotTable *GetTable(int Index) const;
    TiPlotDataView *GetDataView(int Index) const;
    TiPlotDataCursor *GetDataCursor(int Index) const;
    TiPlotXAxis *GetXAxis(int Index) const;
    TiPlotYAxis *GetYAxis(int Index) const;
    TiPlotChannelCustom *GetChannel(int Index) const;
    TiPlotLimit *GetLimit(int Index) const;
    TiPlotLabel *GetLabel(int Index) const;
    TiPlotAnnotation *GetAnnotation(int Index) const;
    TiPlotObjectManager *GetPlotObjectManager() const;
    TiPlotTranslationManager *GetTranslationManager() const override;

    // ---- Layout manager --------------------------------------------------------------------------
    void DisableLayoutManager();
    // Rebuilds the layout.
    void EnableLayoutManager();
    void RefreshLayoutManager();

    // ---- Collections -----------------------------------------------------------------------------
    virtual void RemoveAllToolBars();
    virtual void RemoveAllLegends();
    virtual void RemoveAllTables();
    virtual void RemoveAllXAxes();
    virtual void RemoveAllYAxes();
    virtual void RemoveAllDataViews();
    virtual void RemoveAllDataCursors();
    virtual void RemoveAllChannels();
    virtual void RemoveAllAnnotations();
    virtual void RemoveAllLimits();
    // Keeps label 0, the title.
    virtual void RemoveAllLabels();
    virtual void RemoveAllTranslations();
    virtual void DeleteToolBar(int Index);
    virtual void DeleteLegend(int Index);
    virtual void DeleteTable(int Index);
    virtual void DeleteXAxis(int Index);
    virtual void DeleteYAxis(int Index);
    virtual void DeleteDataView(int Index);
    virtual void DeleteDataCursor(int Index);
    virtual void DeleteChannel(int Index);
    virtual void DeleteAnnotation(int Index);
    virtual void DeleteLimit(int Index);
    // Index 0 raises "Label Index 0 can not be Deleted (Resevered for Title)".
    virtual void DeleteLabel(int Index);
    virtual void DeleteTranslation(int Index);
    virtual int AddChannel();
    virtual int AddDataView();
    virtual int AddDataCursor();
    virtual int AddXAxis();
    virtual int AddYAxis();
    virtual int AddLegend();
    virtual int AddTable();
    virtual int AddToolBar();
    // Also copies the annotation defaults into the new annotation.
    virtual int AddAnnotation();
    virtual int AddLimit();
    virtual int AddLabel();
    int AddTranslation(const QString &OriginalString, const QString &ReplacementString);

    int ToolBarCount() const;
    int LegendCount() const;
    int TableCount() const;
    int XAxisCount() const;
    int YAxisCount() const;
    int DataViewCount() const;
    int DataCursorCount() const;
    int ChannelCount() const;
    int AnnotationCount() const;
    int LimitCount() const;
    int LabelCount() const;
    int TranslationCount() const;

    // The first object of the kind whose name equals Value in any letter case, or nullptr / -1.
    TiPlotToolBar *GetToolBarByName(const QString &Value) const;
    TiPlotLegend *GetLegendByName(const QString &Value) const;
    TiPlotTable *GetTableByName(const QString &Value) const;
    TiPlotXAxis *GetXAxisByName(const QString &Value) const;
    TiPlotYAxis *GetYAxisByName(const QString &Value) const;
    TiPlotDataView *GetDataViewByName(const QString &Value) const;
    TiPlotDataCursor *GetDataCursorByName(const QString &Value) const;
    TiPlotChannelCustom *GetChannelByName(const QString &Value) const;
    TiPlotAnnotation *GetAnnotationByName(const QString &Value) const;
    TiPlotLimit *GetLimitByName(const QString &Value) const;
    TiPlotLabel *GetLabelByName(const QString &Value) const;
    int GetToolBarIndexByName(const QString &Value) const;
    int GetLegendIndexByName(const QString &Value) const;
    int GetTableIndexByName(const QString &Value) const;
    int GetXAxisIndexByName(const QString &Value) const;
    int GetYAxisIndexByName(const QString &Value) const;
    int GetDataViewIndexByName(const QString &Value) const;
    int GetDataCursorIndexByName(const QString &Value) const;
    int GetChannelIndexByName(const QString &Value) const;
    int GetAnnotationIndexByName(const QString &Value) const;
    int GetLimitIndexByName(const QString &Value) const;
    int GetLabelIndexByName(const QString &Value) const;

    // Appends the source's points StartIndex ... StopIndex to the destination. Raises "Start
    // Index Must be 0 or Greater" for StartIndex < 0 and "StopIndex Must Out Of Range" for a
    // StopIndex past the source's last point; StopIndex < StartIndex copies nothing.
    void TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex, int StopIndex);

    // ---- Image lists 0 to 2 (any other index raises "ImageList Index must be 0-2") ---------------
    TCustomImageList *GetImageList(int Index) const override;
    void ImageListClear(int ImageListIndex);
    // Adds the bitmap, transparent in its transparent colour. The first image sets the list's
    // size; a smaller one is centred on a bitmap of the list's size filled with its transparent
    // colour, which then replaces the caller's bitmap; a larger one is added as it is; any other
    // size raises "Image Width and Height must be the same as other images, or both smaller, or
    // both larger".
    void ImageListAdd(int ImageListIndex, TBitmap *ABitmap);
    // A bitmap of the program's resources by number or name (":/bitmaps/<name>"), added as
    // ImageListAdd does; a missing resource raises the bitmap loader's error.
    void ImageListLoadFromResourceID(int ImageListIndex, int ResID);
    void ImageListLoadFromResourceName(int ImageListIndex, const QString &ResName);

    // ---- Toolbar 0's select mode ---------------------------------------------------------------------
    bool GetToolBarSelectActive() const;
    // Presses toolbar 0's select button when its mode differs from Value.
    void SetToolBarSelectActive(bool Value);

    // Marker values of data arrays: 1e-301 < Value < 1e-300 means a null point, 1e-302 < Value <
    // 1e-301 an empty one.
    static bool IsNullMarker(double Value) { return Value > 1e-301 && Value < 1e-300; }
    static bool IsEmptyMarker(double Value) { return Value > 1e-302 && Value < 1e-301; }

    // ---- Reports of the plot objects (TiPlotHost) --------------------------------------------------
    void DoObjectMouseDown(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoObjectMouseMove(TiPlotObject *Object, TShiftState Shift, int X, int Y) override;
    void DoObjectMouseUp(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoObjectMouseWheel(TiPlotObject *Object, int WheelDelta, TShiftState Shift, int X, int Y) override;
    void DoObjectClick(TiPlotObject *Object) override;
    void DoObjectGetMouseCursor(TiPlotObject *Object, TCursor &MouseCursor) override;
    void DoObjectPopupMenu(TiPlotObject *Object, bool &Cancel, int ScreenX, int ScreenY) override;
    void DoObjectGotFocus(TiPlotObject *Object) override;
    void DoObjectLostFocus(TiPlotObject *Object) override;
    void DoAxisMinChange(TiPlotAxis *Axis, double OldValue, double NewValue) override;
    void DoAxisSpanChange(TiPlotAxis *Axis, double OldValue, double NewValue) override;
    void DoAxisMinSpanChange(TiPlotAxis *Axis, double OldMin, double OldSpan, double NewMin, double NewSpan) override;
    void DoAxisMinSpanChangeFinished(TiPlotAxis *Axis, double OldMin, double OldSpan, double NewMin,
                                     double NewSpan) override;
    void DoAxisCustomizeLabel(TiPlotAxis *Axis, QString &Text, double Value) override;
    // Replaces the label being customised (for handlers that cannot assign ALabel).
    void SetCustomizeLabelText(const QString &Value) { FTempCustomLabel = Value; }
    void DoAxisCustomizeHint(TiPlotAxis *Axis, TiHintData &HintData) override;
    void DoDataCursorCustomizeHint(TiPlotDataCursor *Cursor, QString &Text) override;
    void DoBeforeDataCursorUpdate(TiPlotDataCursor *Cursor) override;
    void DoDataPointCustomizeHint(TiPlotChannelCustom *Channel, int DataIndex, TiHintData &HintData) override;
    void DoDataPointClick(TiPlotChannelCustom *Channel, int DataIndex) override;
    void DoDataPointMouseDown(TiPlotChannelCustom *Channel, int DataIndex, const TiPlotMouseData &MouseData) override;
    void DoDataPointMouseMove(TiPlotChannelCustom *Channel, int DataIndex, const TiPlotMouseData &MouseData) override;
    void DoDataPointMouseUp(TiPlotChannelCustom *Channel, int DataIndex, const TiPlotMouseData &MouseData) override;
    void DoDataPointMoved(TiPlotChannelCustom *Channel, int DataIndex, double OldX, double OldY, double NewX,
                          double NewY) override;
    void DoToolBarCustomizeHint(TiPlotToolBar *ToolBar, TiHintData &HintData) override;
    void DoToolBarButtonClick(TiPlotToolBar *ToolBar, TiPlotToolBarButtonType ButtonType) override;
    void DoBeforeToolBarButtonClick(TiPlotToolBar *ToolBar, TiPlotToolBarButtonType ButtonType, bool &Cancel) override;
    void DoAnnotationCoordinatesChange(TiPlotAnnotation *Annotation) override;
    void DoAnnotationMoveUser(TiPlotAnnotation *Annotation) override;
    void DoAnnotationResizeUser(TiPlotAnnotation *Annotation) override;
    void DoAnnotationCoordinatesChangeFinished(TiPlotAnnotation *Annotation) override;
    void DoLimitLine1PositionChange(TiPlotLimit *Limit, double OldValue, double NewValue) override;
    void DoLimitLine2PositionChange(TiPlotLimit *Limit, double OldValue, double NewValue) override;
    void ForwardAxisMouseLeft(TiPlotAxis *Axis, const TiPlotMouseData &MouseData) override;
    void ForwardAxisMouseMove(TiPlotAxis *Axis, const TiPlotMouseData &MouseData) override;
    void ForwardAxisMouseUp(TiPlotAxis *Axis, const TiPlotMouseData &MouseData) override;
    void ForwardAxisMouseWheel(TiPlotAxis *Axis, int WheelDelta, TShiftState Shift, int X, int Y) override;
    void ForwardAxisKeyDown(TiPlotAxis *Axis, WORD &CharCode, TShiftState Shift) override;

    // The next click report is a double click (the plot's input handling sets it).
    bool DBLClickActive() const { return FDBLClickActive; }
    void SetDBLClickActive(bool Value) { FDBLClickActive = Value; }

    // ---- Painting and layout ----------------------------------------------------------------------
    void DrawToCanvas(TCanvas *Canvas) override;
    // Places data view 0 and every layout object around it (rectangles and stacking flags) and
    // rebuilds the visible side lists; the axes' ticks should be computed first.
    void ComputeLayout(TCanvas *Canvas);
    // The whole paint onto a scratch bitmap of the control's size: lays the plot out without
    // touching the window.
    void ReCalcLayout() override;
    // Tracking of every X axis, then every Y axis, off or on.
    void DisableAllTracking();
    void EnableAllTracking();
    // The hint as the plot last asked for it; Visible while it is (to be) on screen.
    const TiHintData &HintData() const { return FHintData; }
    // The hint was drawn at the last paint.
    bool HintShowing() const { return FHintShowing; }

    // ---- What the objects ask of the plot (TiPlotHost) ----------------------------------------------
    TiPlotMasterManager *GetMasterManager() const override { return FMaster.get(); }
    void AddCollisionRect(const TRect &Rect) override;
    bool TryReserveLabelRect(const TRect &Rect) override;
    void DoBeforeZoomBox(TRect &ZoomRect, bool &Cancel) override;
    void DoDataCursorChange(TiPlotDataCursor *Cursor) override;

    // ---- Streaming ---------------------------------------------------------------------------------
    void DefineProperties(TFiler *Filer) override;
    void Loaded() override;

    // ---- Events: mouse, clicks, cursor, popup menu and focus of each kind of object --------------
    TiPlotObjectMouseEvent OnMouseDownChannel, OnMouseDownXAxis, OnMouseDownYAxis, OnMouseDownDataCursor,
        OnMouseDownDataView, OnMouseDownLegend, OnMouseDownLimit, OnMouseDownAnnotation;
    TiPlotObjectMouseMoveEvent OnMouseMoveChannel, OnMouseMoveXAxis, OnMouseMoveYAxis, OnMouseMoveDataCursor,
        OnMouseMoveDataView, OnMouseMoveLegend, OnMouseMoveLimit, OnMouseMoveAnnotation;
    TiPlotObjectMouseEvent OnMouseUpChannel, OnMouseUpXAxis, OnMouseUpYAxis, OnMouseUpDataCursor, OnMouseUpDataView,
        OnMouseUpLegend, OnMouseUpLimit, OnMouseUpAnnotation;
    // OnMouseWheelChannel: strip-chart channels only.
    TiPlotObjectMouseWheelEvent OnMouseWheelChannel, OnMouseWheelXAxis, OnMouseWheelYAxis, OnMouseWheelDataCursor,
        OnMouseWheelDataView, OnMouseWheelLegend, OnMouseWheelLimit, OnMouseWheelAnnotation;
    TiPlotObjectEvent OnClickChannel, OnClickXAxis, OnClickYAxis, OnClickDataCursor, OnClickDataView, OnClickLegend,
        OnClickLimit, OnClickAnnotation;
    TiPlotObjectEvent OnDblClickChannel, OnDblClickXAxis, OnDblClickYAxis, OnDblClickDataCursor, OnDblClickDataView,
        OnDblClickLegend, OnDblClickLimit, OnDblClickAnnotation;
    // OnGetMouseCursorTable is published for form compatibility; nothing fires it.
    TiPlotObjectGetMouseCursorEvent OnGetMouseCursorChannel, OnGetMouseCursorXAxis, OnGetMouseCursorYAxis,
        OnGetMouseCursorDataCursor, OnGetMouseCursorDataView, OnGetMouseCursorLegend, OnGetMouseCursorLimit,
        OnGetMouseCursorAnnotation, OnGetMouseCursorTable;
    TiPlotPopupMenuEvent OnPopupMenuChannel, OnPopupMenuXAxis, OnPopupMenuYAxis, OnPopupMenuDataCursor,
        OnPopupMenuDataView, OnPopupMenuLegend, OnPopupMenuLimit, OnPopupMenuAnnotation;
    TiPlotObjectEvent OnGotFocusChannel, OnGotFocusXAxis, OnGotFocusYAxis, OnGotFocusDataCursor, OnGotFocusDataView,
        OnGotFocusLegend, OnGotFocusAnnotation;
    TiPlotObjectEvent OnLostFocusChannel, OnLostFocusXAxis, OnLostFocusYAxis, OnLostFocusDataCursor,
        OnLostFocusDataView, OnLostFocusLegend, OnLostFocusAnnotation;

    // ---- Events: objects added and removed -----------------------------------------------------------
    TiPlotObjectEvent OnAddChannel, OnAddXAxis, OnAddYAxis, OnAddDataCursor, OnAddDataView, OnAddLegend, OnAddLimit,
        OnAddTable, OnAddAnnotation;
    TiPlotObjectEvent OnRemoveChannel, OnRemoveXAxis, OnRemoveYAxis, OnRemoveDataCursor, OnRemoveDataView,
        OnRemoveLegend, OnRemoveLimit, OnRemoveTable, OnRemoveAnnotation;

    // ---- Events: axes, cursors, data points, toolbars, annotations, limits, files -----------------------
    TiPlotObjectDoubleValueChangeEvent OnXAxisMinChange, OnYAxisMinChange, OnXAxisSpanChange, OnYAxisSpanChange;
    TiPlotAxesMinSpanChangeEvent OnXAxisMinSpanChange, OnYAxisMinSpanChange, OnXAxisMinSpanChangeFinished,
        OnYAxisMinSpanChangeFinished;
    TiPlotAxesCustomizeLabelEvent OnXAxisCustomizeLabel, OnYAxisCustomizeLabel;
    TiPlotObjectCustomizeTextEvent OnXAxisCustomizeHint, OnYAxisCustomizeHint, OnDataCursorCustomizeHint,
        OnToolBarCustomizeHint;
    TiPlotDataPointCustomizeTextEvent OnDataPointCustomizeHint;
    TiPlotToolBarButtonEvent OnToolBarButtonClick;
    TiPlotToolBarButtonBeforeEvent OnBeforeToolBarButtonClick;
    TiPlotObjectEvent OnBeforeDataCursorUpdate, OnDataCursorChange;
    TiPlotClickDataPointEvent OnClickDataPoint, OnDblClickDataPoint;
    TiPlotDataPointMouseEvent OnMouseDownDataPoint, OnMouseUpDataPoint;
    TiPlotDataPointMouseMoveEvent OnMouseMoveDataPoint;
    TiPlotDataPointMovedEvent OnDataPointMoved;
    TiPlotObjectEvent OnAnnotationCoordinatesChange, OnAnnotationMoveUser, OnAnnotationResizeUser,
        OnAnnotationCoordinatesChangeFinished;
    TiPlotObjectDoubleValueChangeEvent OnLimitLine1PositionChange, OnLimitLine2PositionChange;
    TiPlotZoomBoxEvent OnBeforeZoomBox;
    TNotifyEvent OnBeforePrint, OnAfterPrint;
    TiPlotPrintPageEvent OnBeforePrintPage;
    TNotifyEvent OnBeforeLoadProperties, OnAfterLoadProperties, OnAfterSaveProperties, OnAfterLoadData, OnAfterSaveData,
        OnAfterOpenEditor, OnAfterCloseEditor, OnAfterPaint;

protected:
    // Master manager callbacks: an object (or pair, or manager) was filed or is going.
    virtual void DoObjectAdd(TObject *Object);
    virtual void DoObjectRemove(TObject *Object);
    // The master manager's change notification.
    void ChangeHook(TObject *) { InvalidateChange(); }
    // The concrete controls make their default objects inside this bracket: the layout manager is
    // off meanwhile and on again afterwards, also when a step fails.
    template <class F>
    void WithLayoutManagerDisabled(F Steps);
    // The default objects of a new plot, made with the layout manager off: toolbar, legend, one X
    // and one Y axis, a channel of the channel class, a data view, a data cursor and the title.
    void AddDefaultObjects();
    // Label 0, or nullptr.
    TiPlotLabel *TitleLabel() const;

    // ---- Input from the component layer ----
    void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseMove(TShiftState Shift, int X, int Y) override;
    void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iDoubleClick() override;
    // Always used.
    bool iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos) override;
    // The arrow keys are the plot's: its objects scroll with them.
    void iWantSpecialKey(WORD &CharCode, LRESULT &Result) override;
    void iKeyDown(WORD &Key, TShiftState Shift) override;
    // Another window took the mouse capture.
    void WMCaptureChanged(TMessage &m);

private:
    // ---- Printing (output/) ----
    // Reads the current printer's paper into the PrinterPaper... properties.
    void ReadPrinterPaper();
    // The paper of the last print run, read from the printer when there was none.
    void EnsurePrinterPaper();
    void PrintPages();
    // Draws the plot onto the metafile at the plot's size.
    void DrawToMetaFile(TMetafile *MetaFile, const QString &Description);

    // Appends the pending rows of the log and resets their count.
    void LogWrite();
    // The publishing of the events (with the class description).
    static void DescribeEvents(TClassBuilder<TiPlotComponent> &b);
    // The image list of a valid index; "ImageList Index must be 0-2" otherwise.
    TCustomImageList *CheckedImageList(int ImageListIndex) const;
    void ReadImageList(int Index, TStream &Stream);
    void WriteImageList(int Index, TStream &Stream);
    // Runs a forwarding step on every other axis of the axis's kind, unless one is running.
    template <class Step>
    void ForwardToAxes(TiPlotAxis *Axis, Step Apply);
    // The axis's index for its kind's event, or -1 when the plot fires nothing now.
    int AxisEventIndex(TiPlotAxis *Axis, bool &IsXAxis) const;

    // ---- Painting ----
    // The objects drawn inside data view 0, in paint order.
    void BuildLayerList(TiPlotDataView *DataView);
    void DrawLayers(TCanvas *Canvas, TiPlotDataView *DataView, TColor ObjectBackGround);
    void DrawHint(TCanvas *Canvas);

    // ---- Input ----
    // The object under the point (or a part of it, such as a button), or nullptr; Owner receives
    // the object that was hit.
    TiPlotObject *HitTestObject(const TiPlotMouseData &MouseData, TiPlotObject **Owner = nullptr);
    TiPlotMouseData MakeMouseData(int X, int Y) const;
    // The hint rules of a mouse move over Object (a part of Owner), which filled Request.
    void UpdateHint(TiPlotObject *Object, TiPlotObject *Owner, const TiHintData &Request, TShiftState Shift, int X,
                    int Y);
    void HideHint();
    void RestartHintTimer(int Delay);
    void HintTimer(TObject *);
    // Forgets a hinted object that is going (or whose owner is), hiding its hint.
    void ForgetHintObject(const TObject *Object);

    std::unique_ptr<TiPlotMasterManager> FMaster;
    // Paint order key (layer, then kind letter) and object; equal keys keep their filing order.
    std::vector<std::pair<QString, TiPlotObject *>> FLayerList;
    TiHintData FHintData;
    std::unique_ptr<TFont> FHintsFont;
    std::vector<TRect> FAxesCollisionList;
    bool FHintShowing = false;
    int FLastHintX = 0;
    int FLastHintY = 0;
    TRect FLastHintShowRect;
    TiPlotObject *FLastHintObject = nullptr;
    // The object hit when the hint was asked for (a legend or toolbar for one of their buttons).
    TiPlotObject *FLastHintOwner = nullptr;
    bool FMouseDown = false;
    bool FSelectingActive = false;
    TControl *FCaptureWindowHandle = nullptr;
    bool FJustReleasedCapture = false;
    TMouseButton FLastMouseClickButton = mbLeft;
    TShiftState FLastMouseClickShift;
    TPoint FLastMouseClickPoint;
    TPoint FLastMouseClickScreenPoint;
    TShiftState FShiftState;
    std::unique_ptr<TPopupMenu> FPopupMenu;
    std::array<std::unique_ptr<TImageList>, 3> FImageLists;
    QString FDefaultSaveImageDirectory;
    TiPlotImageFormatStyle FDefaultSaveImageFormat = ipifBitmap;
    QString FDefaultPropertyDirectory;
    QString FDefaultDataDirectory;
    QString FDefaultAnnotationDirectory;
    bool FMasterAxisBlock = false;
    bool FUserCanAddRemoveChannels = false;
    bool FPrintShowDialog = true;
    TPrinterOrientation FPrintOrientation = poLandscape;
    double FPrintMarginTop = 1.0;
    double FPrintMarginLeft = 1.0;
    double FPrintMarginRight = 1.0;
    double FPrintMarginBottom = 1.0;
    QString FPrintDocumentName = QStringLiteral("Untitled");
    QString FPrinterName;
    double FPrinterPaperWidthInches = 0;
    double FPrinterPaperHeightInches = 0;
    double FPrinterPaperWidthCentimeters = 0;
    double FPrinterPaperHeightCentimeters = 0;
    int FPrinterPaperWidthPixels = 0;
    int FPrinterPaperHeightPixels = 0;
    double FPrintXStart = 0;
    double FPrintXStop = 0;
    TiPlotObject *FMouseDownObject = nullptr;
    TiPlotObject *FLastMouseOverObject = nullptr;
    TiPlotObject *FLastMouseClickObject = nullptr;
    TStringList FVisibleListLeft;
    TStringList FVisibleListRight;
    TStringList FVisibleListTop;
    TStringList FVisibleListBottom;
    int FOuterMarginTop = 5;
    int FOuterMarginLeft = 5;
    int FOuterMarginRight = 5;
    int FOuterMarginBottom = 5;
    TiPlotFormStyle FEditorFormStyle = ipfsModal;
    TiPlotExportFormat FCopyToClipBoardFormat = ipefMetaFile;
    bool FClipAnnotationsToAxes = true;
    bool FHintsShow = true;
    int FHintsPause = 500;
    int FHintsHidePause = 2500;
    bool FLoggingActive = false;
    int FLogBufferSize = 0;
    QString FLogFileName;
    int FLogBufferCount = 0;
    QChar FLoadingSeparator = QChar(9);
    int FAnnotationDefaultPenWidth = 1;
    TBrushStyle FAnnotationDefaultBrushStlye = bsSolid;
    TColor FAnnotationDefaultBrushColor = 0xFFFFFF;
    TColor FAnnotationDefaultPenColor = 0xFFFFFF;
    std::unique_ptr<TFont> FAnnotationDefaultFont;
    TPenStyle FAnnotationDefaultPenStlye = psSolid;
    TiPlotReferenceType FAnnotationDefaultReference = iprtDataView;
    TiPlotReferenceIndividual FAnnotationDefaultReferencePositionX = ipriAuto;
    TiPlotReferenceIndividual FAnnotationDefaultReferencePositionY = ipriAuto;
    TiPlotReferenceIndividual FAnnotationDefaultReferenceSizeX = ipriAuto;
    TiPlotReferenceIndividual FAnnotationDefaultReferenceSizeY = ipriAuto;
    bool FBackGroundGradientEnabled = false;
    TColor FBackGroundGradientStartColor = 0xFF0000;
    TColor FBackGroundGradientStopColor = 0;
    TiFillDirection FBackGroundGradientDirection = ifdTopBottom;
    bool FPaintingActive = false;
    bool FDBLClickActive = false;
    TiPlotDataFileColumnSeparator FDataFileColumnSeparator = ipdfcsTab;
    TiPlotDataFileFormat FDataFileFormat = ipdffText;
    QString FLastPropertiesFileName;
    QString FLastDataFileName;
    bool FDifferentialPropertySave = false;
    QString FTempCustomLabel;
    std::unique_ptr<TMetafile> FMetaFile;
    std::unique_ptr<TPicture> FSnapShotPicture;
    TiComponentEditorSavePicker *FSaveDialog = nullptr;
};

template <class F>
void TiPlotComponent::WithLayoutManagerDisabled(F Steps)
{
    DisableLayoutManager();
    struct Enable {
        TiPlotComponent *Plot;
        ~Enable() { Plot->EnableLayoutManager(); }
    } enable{this};
    Steps();
}
