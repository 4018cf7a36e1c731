#include "plotlib/plot/iXYPlot.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"

T_IMPLEMENT_CLASS(TiXYPlot) {}

TiXYPlot::TiXYPlot(TComponent *AOwner) : TiPlotComponent(AOwner)
{
    Master()->SetChannelClass(TiPlotChannelClass::Of<TiXYPlotChannel>());
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

TiXYPlotChannel *TiXYPlot::GetChannel(int Index) const
{
    auto *channel = dynamic_cast<TiXYPlotChannel *>(TiPlotComponent::GetChannel(Index));
    if (!channel)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    return channel;
}
