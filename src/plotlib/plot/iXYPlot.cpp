#include "plotlib/plot/iXYPlot.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"

T_IMPLEMENT_CLASS(TiXYPlot) {}

TiXYPlot::TiXYPlot(TComponent *AOwner) : TiPlotComponent(AOwner)
{
    Master()->SetChannelClass(TiPlotChannelClass::Of<TiXYPlotChannel>());
    AddDefaultObjects();
}

TiXYPlotChannel *TiXYPlot::GetChannel(int Index) const
{
    auto *channel = dynamic_cast<TiXYPlotChannel *>(TiPlotComponent::GetChannel(Index));
    if (!channel)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    return channel;
}
