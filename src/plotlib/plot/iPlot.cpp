#include "plotlib/plot/iPlot.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "plotlib/base/iScopeExit.h"

T_IMPLEMENT_CLASS(TiPlot) {}

TiPlot::TiPlot(TComponent *AOwner) : TiPlotComponent(AOwner)
{
    BeginUpdate();
    const TiScopeExit end([this] { EndUpdate(); });
    Master()->SetChannelClass(TiPlotChannelClass::Of<TiPlotChannel>());
    AddDefaultObjects();
}

TiPlotChannel *TiPlot::GetChannel(int Index) const
{
    auto *channel = dynamic_cast<TiPlotChannel *>(TiPlotComponent::GetChannel(Index));
    if (!channel)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    return channel;
}
