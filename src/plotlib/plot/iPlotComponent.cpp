// TiPlotComponent: construction, the settings of the whole plot, the title, the objects by index,
// the layout manager switches, painting and streaming.

#include "plotlib/plot/iPlotComponent.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/Metafile.h"
#include "platform/ui/Picture.h"

#include <type_traits>

T_IMPLEMENT_CLASS(TiPlotComponent)
{
    using P = TiPlotComponent;
    b.Int("DataViewZHorz", &P::DataViewZHorz, &P::SetDataViewZHorz);
    b.Int("DataViewZVert", &P::DataViewZVert, &P::SetDataViewZVert);
    b.Bool("XYAxesReverse", &P::XYAxesReverse, &P::SetXYAxesReverse).Default(false);
    b.Bool("UserCanEditObjects", &P::UserCanEditObjects, &P::SetUserCanEditObjects).Default(true);
    b.Bool("UserCanAddRemoveChannels", &P::UserCanAddRemoveChannels, &P::SetUserCanAddRemoveChannels).Default(false);
    b.Int("OuterMarginLeft", &P::OuterMarginLeft, &P::SetOuterMarginLeft).Default(5);
    b.Int("OuterMarginTop", &P::OuterMarginTop, &P::SetOuterMarginTop).Default(5);
    b.Int("OuterMarginRight", &P::OuterMarginRight, &P::SetOuterMarginRight).Default(5);
    b.Int("OuterMarginBottom", &P::OuterMarginBottom, &P::SetOuterMarginBottom).Default(5);
    b.Enum("PrintOrientation", &P::PrintOrientation, &P::SetPrintOrientation, PrinterOrientationNames)
        .Default(poLandscape);
    b.Float("PrintMarginLeft", &P::PrintMarginLeft, &P::SetPrintMarginLeft);
    b.Float("PrintMarginTop", &P::PrintMarginTop, &P::SetPrintMarginTop);
    b.Float("PrintMarginRight", &P::PrintMarginRight, &P::SetPrintMarginRight);
    b.Float("PrintMarginBottom", &P::PrintMarginBottom, &P::SetPrintMarginBottom);
    b.Bool("PrintShowDialog", &P::PrintShowDialog, &P::SetPrintShowDialog).Default(true);
    b.Str("PrintDocumentName", &P::PrintDocumentName, &P::SetPrintDocumentName);
    b.Str("PrinterName", &P::PrinterName, &P::SetPrinterName);
    b.Int("HintsPause", &P::HintsPause, &P::SetHintsPause).Default(500);
    b.Int("HintsHidePause", &P::HintsHidePause, &P::SetHintsHidePause).Default(2500);
    b.Bool("HintsShow", &P::HintsShow, &P::SetHintsShow).Default(true);
    b.Object("HintsFont", &P::HintsFont, &P::SetHintsFont);
    b.Enum("EditorFormStyle", &P::EditorFormStyle, &P::SetEditorFormStyle, iPlotFormStyleNames);
    b.Enum("CopyToClipBoardFormat", &P::CopyToClipBoardFormat, &P::SetCopyToClipBoardFormat, iPlotExportFormatNames);
    b.Bool("TitleVisible", &P::TitleVisible, &P::SetTitleVisible).Default(true);
    b.Str("TitleText", &P::TitleText, &P::SetTitleText);
    b.Object("TitleFont", &P::TitleFont, &P::SetTitleFont);
    b.Float("TitleMargin", &P::TitleMargin, &P::SetTitleMargin);
    b.Str("LogFileName", &P::LogFileName, &P::SetLogFileName);
    b.Int("LogBufferSize", &P::LogBufferSize, &P::SetLogBufferSize).Default(0);
    b.Bool("LoggingActive", &P::LoggingActive, nullptr);
    b.Object("AnnotationDefaultFont", &P::AnnotationDefaultFont, &P::SetAnnotationDefaultFont);
    b.Enum("AnnotationDefaultBrushStlye", &P::AnnotationDefaultBrushStlye, &P::SetAnnotationDefaultBrushStlye,
           BrushStyleNames);
    b.Color("AnnotationDefaultBrushColor", &P::AnnotationDefaultBrushColor, &P::SetAnnotationDefaultBrushColor);
    b.Enum("AnnotationDefaultPenStlye", &P::AnnotationDefaultPenStlye, &P::SetAnnotationDefaultPenStlye, PenStyleNames);
    b.Color("AnnotationDefaultPenColor", &P::AnnotationDefaultPenColor, &P::SetAnnotationDefaultPenColor);
    b.Int("AnnotationDefaultPenWidth", &P::AnnotationDefaultPenWidth, &P::SetAnnotationDefaultPenWidth);
    b.Enum("AnnotationDefaultReference", &P::AnnotationDefaultReference, &P::SetAnnotationDefaultReference,
           iPlotReferenceTypeNames);
    b.Enum("AnnotationDefaultReferencePositionX", &P::AnnotationDefaultReferencePositionX,
           &P::SetAnnotationDefaultReferencePositionX, iPlotReferenceIndividualNames);
    b.Enum("AnnotationDefaultReferencePositionY", &P::AnnotationDefaultReferencePositionY,
           &P::SetAnnotationDefaultReferencePositionY, iPlotReferenceIndividualNames);
    b.Enum("AnnotationDefaultReferenceSizeX", &P::AnnotationDefaultReferenceSizeX,
           &P::SetAnnotationDefaultReferenceSizeX, iPlotReferenceIndividualNames);
    b.Enum("AnnotationDefaultReferenceSizeY", &P::AnnotationDefaultReferenceSizeY,
           &P::SetAnnotationDefaultReferenceSizeY, iPlotReferenceIndividualNames);
    b.Bool("ClipAnnotationsToAxes", &P::ClipAnnotationsToAxes, &P::SetClipAnnotationsToAxes);
    b.Bool("BackGroundGradientEnabled", &P::BackGroundGradientEnabled, &P::SetBackGroundGradientEnabled);
    b.Enum("BackGroundGradientDirection", &P::BackGroundGradientDirection, &P::SetBackGroundGradientDirection,
           iFillDirectionNames);
    b.Color("BackGroundGradientStartColor", &P::BackGroundGradientStartColor, &P::SetBackGroundGradientStartColor);
    b.Color("BackGroundGradientStopColor", &P::BackGroundGradientStopColor, &P::SetBackGroundGradientStopColor);
    b.Enum("DataFileColumnSeparator", &P::DataFileColumnSeparator, &P::SetDataFileColumnSeparator,
           iPlotDataFileColumnSeparatorNames);
    b.Enum("DataFileFormat", &P::DataFileFormat, &P::SetDataFileFormat, iPlotDataFileFormatNames);
    b.Str("DefaultSaveImageDirectory", &P::DefaultSaveImageDirectory, &P::SetDefaultSaveImageDirectory);
    b.Enum("DefaultSaveImageFormat", &P::DefaultSaveImageFormat, &P::SetDefaultSaveImageFormat,
           iPlotImageFormatStyleNames);
    b.Str("DefaultPropertyDirectory", &P::DefaultPropertyDirectory, &P::SetDefaultPropertyDirectory);
    b.Str("DefaultDataDirectory", &P::DefaultDataDirectory, &P::SetDefaultDataDirectory);
    b.Str("DefaultAnnotationDirectory", &P::DefaultAnnotationDirectory, &P::SetDefaultAnnotationDirectory);
    b.Bool("DifferentialPropertySave", &P::DifferentialPropertySave, &P::SetDifferentialPropertySave).Default(false);
    b.Color("BackGroundColor", &P::BackGroundColor, &P::SetBackGroundColor).Default(0);
    b.Enum("BorderStyle", &P::BorderStyle, &P::SetBorderStyle, iBevelStyleNames).Default(ibsLowered);
    b.Bool("AutoFrameRate", &P::AutoFrameRate, &P::SetAutoFrameRate).Default(true);
    P::DescribeEvents(b);
    b.Message(WM_CAPTURECHANGED, &P::WMCaptureChanged);
}

// ---- Life ---------------------------------------------------------------------------------------

TiPlotComponent::TiPlotComponent(TComponent *AOwner)
    : TiCustomComponent(AOwner), FHintsFont(std::make_unique<TFont>()),
      FAnnotationDefaultFont(std::make_unique<TFont>())
{
    SetBounds(Left(), Top(), 500, 200);
    SetBackGroundColor(0);
    SetBorderStyle(ibsLowered);
    SetUpdateFrameRate(60);
    SetAutoFrameRate(true);

    FMaster = std::make_unique<TiPlotMasterManager>(this);
    FMaster->OnChange = TNotifyEvent(this, &TiPlotComponent::ChangeHook);
    FMaster->OnRemove = TNotifyEvent(this, &TiPlotComponent::DoObjectRemove);
    FMaster->OnInsert = TNotifyEvent(this, &TiPlotComponent::DoObjectAdd);
    FMaster->OnInvalidateNow = [this](TObject *) { DoRepaint(); };

    // Not owned as components: the form writer must not take them for children of the plot.
    FPopupMenu = std::make_unique<TPopupMenu>(nullptr);
    for (auto &list : FImageLists) {
        list = std::make_unique<TImageList>(nullptr);
        list->SetWidth(24);
        list->SetHeight(24);
    }
    FAnnotationDefaultFont->SetColor(0xFFFFFF);
    OnInternalTimer = TNotifyEvent(this, &TiPlotComponent::HintTimer);
    SetUserCanEditObjects(true);
}

TiPlotComponent::~TiPlotComponent()
{
    FMouseDownObject = nullptr;
    FLastHintObject = nullptr;
    FLastHintOwner = nullptr;
    TimerStop();
    FAxesCollisionList.clear();
    // Tearing the objects down raises neither their notifications nor the plot's events.
    FMaster->ObjectManager()->ShutDownSetup();
    FMaster->OnChange = nullptr;
    FMaster->OnRemove = nullptr;
    FMaster->OnInsert = nullptr;
    FMaster->OnInvalidateNow = nullptr;
    FMaster.reset();
}

// ---- Settings -----------------------------------------------------------------------------------

int TiPlotComponent::DataViewZHorz() const
{
    return FMaster->LayoutManager()->DataViewHorz()->ZOrder();
}

void TiPlotComponent::SetDataViewZHorz(int Value)
{
    FMaster->LayoutManager()->DataViewHorz()->SetZOrder(Value);
}

int TiPlotComponent::DataViewZVert() const
{
    return FMaster->LayoutManager()->DataViewVert()->ZOrder();
}

void TiPlotComponent::SetDataViewZVert(int Value)
{
    FMaster->LayoutManager()->DataViewVert()->SetZOrder(Value);
}

bool TiPlotComponent::XYAxesReverse() const
{
    return FMaster->XYAxesReverse();
}

void TiPlotComponent::SetXYAxesReverse(bool Value)
{
    FMaster->SetXYAxesReverse(Value);
}

bool TiPlotComponent::UserCanEditObjects() const
{
    return FMaster->UserCanEditObjects();
}

void TiPlotComponent::SetUserCanEditObjects(bool Value)
{
    FMaster->SetUserCanEditObjects(Value);
}

void TiPlotComponent::SetBackGroundGradientDirection(TiFillDirection Value)
{
    if (FBackGroundGradientDirection == Value)
        return;
    FBackGroundGradientDirection = Value;
    InvalidateChange();
}

void TiPlotComponent::SetLogFileName(const QString &Value)
{
    if (FLogFileName == Value)
        return;
    if (FLoggingActive)
        throw Exception(QStringLiteral("Log File Name can not be changed while logging is active."));
    FLogFileName = Value;
}

void TiPlotComponent::SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator Value)
{
    if (FDataFileColumnSeparator == Value)
        return;
    if (FLoggingActive)
        throw Exception(QStringLiteral("Data File Column Seperator can not be changed while logging active"));
    FDataFileColumnSeparator = Value;
}

void TiPlotComponent::SetDataFileFormat(TiPlotDataFileFormat Value)
{
    if (FLoggingActive)
        throw Exception(QStringLiteral("Data File Format can not be changed while logging active"));
    FDataFileFormat = Value;
}

void TiPlotComponent::AddDefaultObjects()
{
    WithLayoutManagerDisabled([this] {
        GetToolBar(AddToolBar())->SetZOrder(3);
        GetLegend(AddLegend())->SetZOrder(2);
        AddXAxis();
        AddYAxis();
        AddChannel();
        AddDataView();
        AddDataCursor();
        TiPlotLabel *title = GetLabel(AddLabel());
        title->SetZOrder(2);
        title->SetName(QStringLiteral("Title"));
        title->SetCaption(QStringLiteral("Untitled"));
        title->SetMarginBottom(0);
    });
}

QChar TiPlotComponent::DataFileSeparatorChar() const
{
    return FDataFileColumnSeparator == ipdfcsComma ? QChar(44) : QChar(9);
}

// ---- Title --------------------------------------------------------------------------------------

TiPlotLabel *TiPlotComponent::TitleLabel() const
{
    return LabelCount() > 0 ? GetLabel(0) : nullptr;
}

bool TiPlotComponent::TitleVisible() const
{
    const TiPlotLabel *title = TitleLabel();
    return title && title->Visible();
}

void TiPlotComponent::SetTitleVisible(bool Value)
{
    if (TiPlotLabel *title = TitleLabel())
        title->SetVisible(Value);
}

QString TiPlotComponent::TitleText() const
{
    const TiPlotLabel *title = TitleLabel();
    return title ? title->Caption() : QString();
}

void TiPlotComponent::SetTitleText(const QString &Value)
{
    if (TiPlotLabel *title = TitleLabel())
        title->SetCaption(Value);
}

TFont *TiPlotComponent::TitleFont() const
{
    const TiPlotLabel *title = TitleLabel();
    return title ? title->Font() : Font();
}

void TiPlotComponent::SetTitleFont(TFont *Value)
{
    if (TiPlotLabel *title = TitleLabel())
        title->SetFont(Value);
}

double TiPlotComponent::TitleMargin() const
{
    const TiPlotLabel *title = TitleLabel();
    return title ? title->MarginBottom() : 0.0;
}

void TiPlotComponent::SetTitleMargin(double Value)
{
    if (TiPlotLabel *title = TitleLabel())
        title->SetMarginBottom(Value);
}

// ---- Objects by index ---------------------------------------------------------------------------

TiPlotToolBar *TiPlotComponent::GetToolBar(int Index) const
{
    return FMaster->ToolBarManager()->Items(Index);
}

TiPlotLegend *TiPlotComponent::GetLegend(int Index) const
{
    return FMaster->LegendManager()->Items(Index);
}

TiPlotTable *TiPlotComponent::GetTable(int Index) const
{
    return FMaster->TableManager()->Items(Index);
}

TiPlotDataView *TiPlotComponent::GetDataView(int Index) const
{
    return FMaster->DataViewManager()->Items(Index);
}

TiPlotDataCursor *TiPlotComponent::GetDataCursor(int Index) const
{
    return FMaster->DataCursorManager()->Items(Index);
}

TiPlotXAxis *TiPlotComponent::GetXAxis(int Index) const
{
    return FMaster->XAxisManager()->Items(Index);
}

TiPlotYAxis *TiPlotComponent::GetYAxis(int Index) const
{
    return FMaster->YAxisManager()->Items(Index);
}

TiPlotChannelCustom *TiPlotComponent::GetChannel(int Index) const
{
    return FMaster->ChannelManager()->Items(Index);
}

TiPlotLimit *TiPlotComponent::GetLimit(int Index) const
{
    return FMaster->LimitManager()->Items(Index);
}

TiPlotLabel *TiPlotComponent::GetLabel(int Index) const
{
    return FMaster->LabelManager()->Items(Index);
}

TiPlotAnnotation *TiPlotComponent::GetAnnotation(int Index) const
{
    return FMaster->AnnotationManager()->Items(Index);
}

TiPlotObjectManager *TiPlotComponent::GetPlotObjectManager() const
{
    return FMaster->ObjectManager();
}

TiPlotTranslationManager *TiPlotComponent::GetTranslationManager() const
{
    return FMaster ? FMaster->TranslationManager() : nullptr;
}

// ---- Layout manager -----------------------------------------------------------------------------

void TiPlotComponent::DisableLayoutManager()
{
    FMaster->LayoutManager()->SetEnabled(false);
}

void TiPlotComponent::EnableLayoutManager()
{
    FMaster->LayoutManager()->SetEnabled(true);
    InvalidateChange();
}

void TiPlotComponent::RefreshLayoutManager()
{
    DisableLayoutManager();
    EnableLayoutManager();
}

// ---- Streaming ----------------------------------------------------------------------------------

void TiPlotComponent::ReadImageList(int Index, TStream &Stream)
{
    TCustomImageList *list = FImageLists[static_cast<std::size_t>(Index)].get();
    list->Clear();
    try {
        list->ReadData(&Stream);
    } catch (const std::exception &) {
        throw EReadError(QStringLiteral("Failed to read ImageList data from stream"));
    }
}

void TiPlotComponent::WriteImageList(int Index, TStream &Stream)
{
    try {
        FImageLists[static_cast<std::size_t>(Index)]->WriteData(&Stream);
    } catch (const std::exception &) {
        throw EWriteError(QStringLiteral("Failed to write ImageList data to stream"));
    }
}

void TiPlotComponent::DefineProperties(TFiler *Filer)
{
    // A form being read brings its objects in without a layout or a repaint in between; Loaded
    // ends both. Writing leaves the layout and the repaints as they are.
    if (dynamic_cast<TReader *>(Filer) && ComponentState().Contains(csLoading)) {
        DisableLayoutManager();
        BeginUpdate();
    }
    Filer->DefineProperty(
        QStringLiteral("DataViewZHorz"), [this](TReader &Reader) { SetDataViewZHorz(Reader.ReadInteger()); },
        [this](TWriter &Writer) { Writer.WriteInteger(DataViewZHorz()); }, true);
    Filer->DefineProperty(
        QStringLiteral("DataViewZVert"), [this](TReader &Reader) { SetDataViewZVert(Reader.ReadInteger()); },
        [this](TWriter &Writer) { Writer.WriteInteger(DataViewZVert()); }, true);
    for (int i = 0; i < static_cast<int>(FImageLists.size()); ++i)
        Filer->DefineBinaryProperty(
            QStringLiteral("ImageList%1").arg(i), [this, i](TStream &Stream) { ReadImageList(i, Stream); },
            [this, i](TStream &Stream) { WriteImageList(i, Stream); },
            FImageLists[static_cast<std::size_t>(i)]->Count() > 0);
    FMaster->DefineCollections(Filer);
    inherited::DefineProperties(Filer);
}

void TiPlotComponent::Loaded()
{
    inherited::Loaded();
    EnableLayoutManager();
    EndUpdate();
    // The toolbar and the title never share a band.
    if (ToolBarCount() > 0 && LabelCount() > 0) {
        TiPlotToolBar *toolBar = GetToolBar(0);
        const TiPlotLabel *title = GetLabel(0);
        if (toolBar->Horizontal() == title->Horizontal() && toolBar->ZOrder() == title->ZOrder())
            toolBar->SetZOrder(toolBar->ZOrder() + 1);
    }
}
