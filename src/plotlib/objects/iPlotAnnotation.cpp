#include "plotlib/objects/iPlotAnnotation.h"

#include "platform/runtime/ClassBuilder.h"
#include "plotlib/plot/iPlotDataView.h"

T_IMPLEMENT_CLASS(TiPlotAnnotation) {}

TiPlotAnnotation::TiPlotAnnotation(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Arial"));
    FFont->SetColor(0xFFFFFF);
    FFont->OnChange = TNotifyEvent(this, &TiPlotAnnotation::FontChanged);
}

TiPlotAnnotation::~TiPlotAnnotation() = default;

void TiPlotAnnotation::NotifyRemoved(TObject *AObject)
{
    if (FDataView && static_cast<TObject *>(FDataView) == AObject)
        FDataView = nullptr;
}
