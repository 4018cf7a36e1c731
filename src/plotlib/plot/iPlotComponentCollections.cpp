// TiPlotComponent: the public face of the object collections (add, delete, remove all, count,
// look up by name), the copying of points between channels, the three image lists and the select
// mode of toolbar 0.

#include "plotlib/plot/iPlotComponent.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/Bitmap.h"

#include <vector>

namespace {

template <class M>
void FreeAt(M *Manager, int Index)
{
    Manager->Items(Index)->Free();
}

template <class T, class M>
T *ByName(M *Manager, const QString &Value)
{
    return static_cast<T *>(Manager->GetObjectByName(Value));
}

// Where the program's bitmap resources live.
QString BitmapResource(const QString &Name)
{
    return QStringLiteral(":/bitmaps/") + Name;
}

}  // namespace

// ---- Adding -------------------------------------------------------------------------------------

int TiPlotComponent::AddChannel()
{
    return FMaster->AddChannel();
}

int TiPlotComponent::AddDataView()
{
    return FMaster->AddDataView();
}

int TiPlotComponent::AddDataCursor()
{
    return FMaster->AddDataCursor();
}

int TiPlotComponent::AddXAxis()
{
    return FMaster->AddXAxis();
}

int TiPlotComponent::AddYAxis()
{
    return FMaster->AddYAxis();
}

int TiPlotComponent::AddLegend()
{
    return FMaster->AddLegend();
}

int TiPlotComponent::AddTable()
{
    return FMaster->AddTable();
}

int TiPlotComponent::AddToolBar()
{
    return FMaster->AddToolBar();
}

int TiPlotComponent::AddAnnotation()
{
    const int index = FMaster->AddAnnotation();
    TiPlotAnnotation *annotation = GetAnnotation(index);
    annotation->SetBrushStyle(FAnnotationDefaultBrushStlye);
    annotation->SetBrushColor(FAnnotationDefaultBrushColor);
    annotation->SetPenStyle(FAnnotationDefaultPenStlye);
    annotation->SetPenColor(FAnnotationDefaultPenColor);
    annotation->SetPenWidth(FAnnotationDefaultPenWidth);
    annotation->SetReference(FAnnotationDefaultReference);
    annotation->SetReferencePositionX(FAnnotationDefaultReferencePositionX);
    annotation->SetReferencePositionY(FAnnotationDefaultReferencePositionY);
    annotation->SetReferenceSizeX(FAnnotationDefaultReferenceSizeX);
    annotation->SetReferenceSizeY(FAnnotationDefaultReferenceSizeY);
    annotation->SetFont(FAnnotationDefaultFont.get());
    return index;
}

int TiPlotComponent::AddLimit()
{
    return FMaster->AddLimit();
}

int TiPlotComponent::AddLabel()
{
    return FMaster->AddLabel();
}

int TiPlotComponent::AddTranslation(const QString &OriginalString, const QString &ReplacementString)
{
    const int index = FMaster->AddTranslation();
    TiPlotTranslationObject *pair = FMaster->TranslationManager()->Items(index);
    pair->SetOriginalString(OriginalString);
    pair->SetReplacementString(ReplacementString);
    return index;
}

// ---- Deleting -----------------------------------------------------------------------------------

void TiPlotComponent::DeleteToolBar(int Index)
{
    FreeAt(FMaster->ToolBarManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteLegend(int Index)
{
    FreeAt(FMaster->LegendManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteTable(int Index)
{
    FreeAt(FMaster->TableManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteXAxis(int Index)
{
    FreeAt(FMaster->XAxisManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteYAxis(int Index)
{
    FreeAt(FMaster->YAxisManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteDataView(int Index)
{
    FreeAt(FMaster->DataViewManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteDataCursor(int Index)
{
    FreeAt(FMaster->DataCursorManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteChannel(int Index)
{
    FreeAt(FMaster->ChannelManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteAnnotation(int Index)
{
    FreeAt(FMaster->AnnotationManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteLimit(int Index)
{
    FreeAt(FMaster->LimitManager(), Index);
    DoRepaint();
}

void TiPlotComponent::DeleteLabel(int Index)
{
    if (Index == 0)
        throw Exception(QStringLiteral("Label Index 0 can not be Deleted (Resevered for Title)"));
    // The removal repaints through the change notification.
    FreeAt(FMaster->LabelManager(), Index);
}

void TiPlotComponent::DeleteTranslation(int Index)
{
    FMaster->TranslationManager()->Delete(Index);
    DoRepaint();
}

// ---- Removing all -------------------------------------------------------------------------------

void TiPlotComponent::RemoveAllToolBars()
{
    FMaster->ToolBarManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllLegends()
{
    FMaster->LegendManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllTables()
{
    FMaster->TableManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllXAxes()
{
    FMaster->XAxisManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllYAxes()
{
    FMaster->YAxisManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllDataViews()
{
    FMaster->DataViewManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllDataCursors()
{
    FMaster->DataCursorManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllChannels()
{
    FMaster->ChannelManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllAnnotations()
{
    FMaster->AnnotationManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllLimits()
{
    FMaster->LimitManager()->Clear();
    DoRepaint();
}

void TiPlotComponent::RemoveAllLabels()
{
    // Label 0 is the title and stays.
    while (LabelCount() > 1)
        GetLabel(1)->Free();
}

void TiPlotComponent::RemoveAllTranslations()
{
    FMaster->TranslationManager()->Clear();
    DoRepaint();
}

// ---- Counts and names ---------------------------------------------------------------------------

int TiPlotComponent::ToolBarCount() const
{
    return FMaster->ToolBarManager()->Count();
}

int TiPlotComponent::LegendCount() const
{
    return FMaster->LegendManager()->Count();
}

int TiPlotComponent::TableCount() const
{
    return FMaster->TableManager()->Count();
}

int TiPlotComponent::XAxisCount() const
{
    return FMaster->XAxisManager()->Count();
}

int TiPlotComponent::YAxisCount() const
{
    return FMaster->YAxisManager()->Count();
}

int TiPlotComponent::DataViewCount() const
{
    return FMaster->DataViewManager()->Count();
}

int TiPlotComponent::DataCursorCount() const
{
    return FMaster->DataCursorManager()->Count();
}

int TiPlotComponent::ChannelCount() const
{
    return FMaster->ChannelManager()->Count();
}

int TiPlotComponent::AnnotationCount() const
{
    return FMaster->AnnotationManager()->Count();
}

int TiPlotComponent::LimitCount() const
{
    return FMaster->LimitManager()->Count();
}

int TiPlotComponent::LabelCount() const
{
    return FMaster->LabelManager()->Count();
}

int TiPlotComponent::TranslationCount() const
{
    return FMaster->TranslationManager()->Count();
}

TiPlotToolBar *TiPlotComponent::GetToolBarByName(const QString &Value) const
{
    return ByName<TiPlotToolBar>(FMaster->ToolBarManager(), Value);
}

TiPlotLegend *TiPlotComponent::GetLegendByName(const QString &Value) const
{
    return ByName<TiPlotLegend>(FMaster->LegendManager(), Value);
}

TiPlotTable *TiPlotComponent::GetTableByName(const QString &Value) const
{
    return ByName<TiPlotTable>(FMaster->TableManager(), Value);
}

TiPlotXAxis *TiPlotComponent::GetXAxisByName(const QString &Value) const
{
    return ByName<TiPlotXAxis>(FMaster->XAxisManager(), Value);
}

TiPlotYAxis *TiPlotComponent::GetYAxisByName(const QString &Value) const
{
    return ByName<TiPlotYAxis>(FMaster->YAxisManager(), Value);
}

TiPlotDataView *TiPlotComponent::GetDataViewByName(const QString &Value) const
{
    return ByName<TiPlotDataView>(FMaster->DataViewManager(), Value);
}

TiPlotDataCursor *TiPlotComponent::GetDataCursorByName(const QString &Value) const
{
    return ByName<TiPlotDataCursor>(FMaster->DataCursorManager(), Value);
}

TiPlotChannelCustom *TiPlotComponent::GetChannelByName(const QString &Value) const
{
    return ByName<TiPlotChannelCustom>(FMaster->ChannelManager(), Value);
}

TiPlotAnnotation *TiPlotComponent::GetAnnotationByName(const QString &Value) const
{
    return ByName<TiPlotAnnotation>(FMaster->AnnotationManager(), Value);
}

TiPlotLimit *TiPlotComponent::GetLimitByName(const QString &Value) const
{
    return ByName<TiPlotLimit>(FMaster->LimitManager(), Value);
}

TiPlotLabel *TiPlotComponent::GetLabelByName(const QString &Value) const
{
    return ByName<TiPlotLabel>(FMaster->LabelManager(), Value);
}

int TiPlotComponent::GetToolBarIndexByName(const QString &Value) const
{
    return FMaster->ToolBarManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetLegendIndexByName(const QString &Value) const
{
    return FMaster->LegendManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetTableIndexByName(const QString &Value) const
{
    return FMaster->TableManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetXAxisIndexByName(const QString &Value) const
{
    return FMaster->XAxisManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetYAxisIndexByName(const QString &Value) const
{
    return FMaster->YAxisManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetDataViewIndexByName(const QString &Value) const
{
    return FMaster->DataViewManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetDataCursorIndexByName(const QString &Value) const
{
    return FMaster->DataCursorManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetChannelIndexByName(const QString &Value) const
{
    return FMaster->ChannelManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetAnnotationIndexByName(const QString &Value) const
{
    return FMaster->AnnotationManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetLimitIndexByName(const QString &Value) const
{
    return FMaster->LimitManager()->GetIndexByName(Value);
}

int TiPlotComponent::GetLabelIndexByName(const QString &Value) const
{
    return FMaster->LabelManager()->GetIndexByName(Value);
}

// ---- Copying points -----------------------------------------------------------------------------

void TiPlotComponent::TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex,
                                          int StopIndex)
{
    TiPlotChannelCustom *source = GetChannel(SourceChannelIndex);
    TiPlotChannelCustom *destination = GetChannel(DestinationChannelIndex);
    if (StartIndex < 0)
        throw Exception(QStringLiteral("Start Index Must be 0 or Greater"));
    if (StopIndex > source->Count() - 1)
        throw Exception(QStringLiteral("StopIndex Must Out Of Range"));
    if (StopIndex < StartIndex)
        return;
    // Read first: the destination may be the source itself, and nothing is added before every
    // point is in hand.
    struct Point {
        double X, Y;
        bool Null, Empty;
    };
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(StopIndex - StartIndex + 1));
    for (int i = StartIndex; i <= StopIndex; ++i)
        points.push_back({source->GetX(i), source->GetY(i), source->GetNull(i), source->GetEmpty(i)});
    const int before = destination->Count();
    try {
        for (const Point &point : points) {
            const int index = destination->AddXY(point.X, point.Y);
            destination->SetNull(index, point.Null);
            destination->SetEmpty(index, point.Empty);
        }
    } catch (...) {
        // A refused point takes back the ones added before it.
        if (destination->Count() > before)
            destination->SetCount(before);
        throw;
    }
}

// ---- Image lists --------------------------------------------------------------------------------

TCustomImageList *TiPlotComponent::GetImageList(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(FImageLists.size())
               ? FImageLists[static_cast<std::size_t>(Index)].get()
               : nullptr;
}

TCustomImageList *TiPlotComponent::CheckedImageList(int ImageListIndex) const
{
    TCustomImageList *list = GetImageList(ImageListIndex);
    if (!list)
        throw Exception(QStringLiteral("ImageList Index must be 0-2"));
    return list;
}

void TiPlotComponent::ImageListClear(int ImageListIndex)
{
    CheckedImageList(ImageListIndex)->Clear();
    InvalidateChange();
}

void TiPlotComponent::ImageListAdd(int ImageListIndex, TBitmap *ABitmap)
{
    TCustomImageList *list = CheckedImageList(ImageListIndex);
    const int width = ABitmap->Width();
    const int height = ABitmap->Height();
    const TColor transparent = ABitmap->TransparentColor();
    const bool first = list->Count() == 0;
    // A smaller bitmap is centred on one of the list's size, in its transparent colour.
    std::unique_ptr<TBitmap> padded;
    if (!first && width < list->Width() && height < list->Height()) {
        padded = std::make_unique<TBitmap>();
        padded->SetSize(list->Width(), list->Height());
        padded->Canvas()->Brush()->SetStyle(bsSolid);
        padded->Canvas()->Brush()->SetColor(transparent);
        padded->Canvas()->FillRect(TRect(0, 0, list->Width(), list->Height()));
        padded->Canvas()->Draw(list->Width() / 2 - width / 2, list->Height() / 2 - height / 2, ABitmap);
    } else if (!first && !(width > list->Width() && height > list->Height()) &&
               !(width == list->Width() && height == list->Height())) {
        throw Exception(
            QStringLiteral("Image Width and Height must be the same as other images, or both smaller, or both larger"));
    }
    const int oldWidth = list->Width();
    const int oldHeight = list->Height();
    try {
        if (first) {
            list->SetWidth(width);
            list->SetHeight(height);
        }
        list->AddMasked(padded ? padded.get() : ABitmap, transparent);
    } catch (...) {
        list->SetWidth(oldWidth);
        list->SetHeight(oldHeight);
        throw;
    }
    // The caller's bitmap becomes the image the list holds, once the list holds it.
    if (padded)
        ABitmap->Assign(padded.get());
    InvalidateChange();
}

void TiPlotComponent::ImageListLoadFromResourceID(int ImageListIndex, int ResID)
{
    ImageListLoadFromResourceName(ImageListIndex, QString::number(ResID));
}

void TiPlotComponent::ImageListLoadFromResourceName(int ImageListIndex, const QString &ResName)
{
    CheckedImageList(ImageListIndex);
    TBitmap bitmap;
    bitmap.LoadFromFile(BitmapResource(ResName));
    ImageListAdd(ImageListIndex, &bitmap);
}

// ---- Toolbar 0 ----------------------------------------------------------------------------------

bool TiPlotComponent::GetToolBarSelectActive() const
{
    return ToolBarCount() > 0 && GetToolBar(0)->SelectActive();
}

void TiPlotComponent::SetToolBarSelectActive(bool Value)
{
    if (ToolBarCount() == 0)
        return;
    TiPlotToolBar *toolBar = GetToolBar(0);
    if (toolBar->SelectActive() != Value)
        toolBar->DoButtonClickSelect();
}
