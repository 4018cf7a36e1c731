#pragma once
// TiXYPlotChannel: the channel of an XY plot, whose points may come in any X order. For now it is
// the channel base as it stands; the XY plot makes its channels of this class. GUI thread.

#include "plotlib/channels/iPlotChannelCustom.h"

class TiXYPlotChannel : public TiPlotChannelCustom {
    T_DECLARE_CLASS(TiXYPlotChannel, TiPlotChannelCustom)
    using TiPlotChannelCustom::TiPlotChannelCustom;
};
